#include "cheque/CHEQUECLASS.h"

#include "cheque/ModuleData.h"
#include "data/Module1.h"
#include "data/SqlText.h"
#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"
#include "platform/forms/Control.h"
#include "platform/forms/DataGrid.h"
#include "platform/forms/MessageBox.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/Err.h"
#include "platform/runtime/RuntimeError.h"

#include <QStringList>
#include <QWidget>
#include <array>

namespace {

const QString Dash = QStringLiteral("-");

// The end of both copies into the shared records: an error an earlier statement left
// pending is shown here, and the caller then stores nothing.
bool reportPendingEntryError()
{
    if (rt::Err::Number() == 0)
        return false;
    forms::MsgBox(rt::Err::Description(), forms::vbCritical, QStringLiteral("ENTRY ERROR"));
    return true;
}

} // namespace

CommonClass &CHEQUECLASS::common()
{
    return common_.get();
}

DataAccess CHEQUECLASS::db()
{
    return DataAccess(common(), common().str);
}

// The next serial of a table: its highest serial plus 1, or 1 when it has none or the
// query fails. Past 32767 the conversion's Overflow goes to the caller, so a full table
// never hands out a serial again.
std::int16_t CHEQUECLASS::nextSerial(const QString &table)
{
    return DataAccess::nextSerial([&]() -> ado::Recordset & {
        return db().runOnSharedConnection(QStringLiteral("select max(sn) from ") + table);
    });
}

// The Fill family on the shared connection; an empty result or a Null ends the fill
// with nothing selected.
void CHEQUECLASS::fill(forms::Control &CMB, const QString &sql, const QString &columnName)
{
    DataAccess::fill(
        CMB, DataAccess::Label::Silent,
        [&]() -> ado::Recordset & { return db().runOnSharedConnection(sql); }, columnName);
}

// Layout profiles.

bool CHEQUECLASS::AssignToVariableDATA(
    forms::Control &name, forms::Control &acPayLeft, forms::Control &acPayTop,
    forms::Control &dateLeft, forms::Control &dateTop, forms::Control &nameLeft,
    forms::Control &nameTop, forms::Control &rupeeWordLeft, forms::Control &rupeeWordTop,
    forms::Control &rupeeNumberLeft, forms::Control &rupeeNumberTop, forms::Control &acLeft,
    forms::Control &acTop, forms::Control &signLeft, forms::Control &signTop)
{
    LayoutProfileData &profile = ModuleData::LayoutProfile();
    const std::array<forms::Control *, 14> boxes = {
        &acPayLeft,      &acPayTop,       &dateLeft, &dateTop, &nameLeft,
        &nameTop,        &rupeeWordLeft,  &rupeeWordTop,       &rupeeNumberLeft,
        &rupeeNumberTop, &acLeft,         &acTop,    &signLeft, &signTop};
    profile.NAMEX = name.Text().toString();
    for (std::size_t i = 0; i < boxes.size(); ++i)
        profile.*LayoutProfilePositions[i].field = boxes[i]->Text().toInteger();
    return reportPendingEntryError();
}

bool CHEQUECLASS::AssigntToOBJECTDATA(
    forms::Control &acPayLeft, forms::Control &acPayTop, forms::Control &dateLeft,
    forms::Control &dateTop, forms::Control &nameLeft, forms::Control &nameTop,
    forms::Control &rupeeWordLeft, forms::Control &rupeeWordTop,
    forms::Control &rupeeNumberLeft, forms::Control &rupeeNumberTop, forms::Control &acLeft,
    forms::Control &acTop, forms::Control &signLeft, forms::Control &signTop)
{
    const LayoutProfileData &profile = ModuleData::LayoutProfile();
    const std::array<forms::Control *, 14> boxes = {
        &acPayLeft,      &acPayTop,       &dateLeft, &dateTop, &nameLeft,
        &nameTop,        &rupeeWordLeft,  &rupeeWordTop,       &rupeeNumberLeft,
        &rupeeNumberTop, &acLeft,         &acTop,    &signLeft, &signTop};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const std::int16_t position = profile.*LayoutProfilePositions[i].field;
        DataAccess::skipFailure([&] { boxes[i]->setText(QString::number(position)); });
    }
    return false;
}

std::int16_t CHEQUECLASS::FINDLASTDATA()
{
    return nextSerial(QStringLiteral("DATAX"));
}

bool CHEQUECLASS::InsertIntoDATAX()
{
    try {
        const LayoutProfileData &profile = ModuleData::LayoutProfile();
        QStringList values{SqlText::number(FINDLASTDATA()), SqlText::quoted(profile.NAMEX)};
        for (const LayoutProfilePosition &position : LayoutProfilePositions)
            values << SqlText::number(profile.*position.field);
        db().runOnSharedConnection(RecordColumns::insertStatement(QStringLiteral("DATAX"), values));
        forms::MsgBox(QStringLiteral("ENTERED"), forms::vbOKCancel, QStringLiteral("Data"));
    } catch (const rt::RuntimeError &error) {
        if (error.Number() == rt::errDuplicateKey)
            forms::MsgBox(QStringLiteral("Custom Name already Entered"));
        else
            forms::MsgBox(error.Description());
    }
    return false;
}

bool CHEQUECLASS::DELETEDataDetail(const QString &Namexx)
{
    DataAccess::deleteRows([&] {
        db().runOnSharedConnection(QStringLiteral("Delete * from DATAX WHERE Namex = ")
                                   + SqlText::quoted(Namexx));
    });
    return false;
}

bool CHEQUECLASS::FindDataDETAIL(const QString &custemname)
{
    try {
        Module1::OpenConnection();
        const ado::Recordset &rows = db().runOnSharedConnection(
            QStringLiteral("Select * from DATAX where namex = ") + SqlText::quoted(custemname));
        // Read whole before it becomes current: a row that fails part-way must not
        // leave a profile made of two.
        LayoutProfileData profile;
        profile.NAMEX = rows.Fields(QStringLiteral("NAMEX")).Value().toString();
        for (const LayoutProfilePosition &position : LayoutProfilePositions)
            profile.*position.field =
                rows.Fields(QLatin1String(position.column)).Value().toInteger();
        ModuleData::LayoutProfile() = profile;
    } catch (const rt::RuntimeError &) {
        // Deliberately silent: a missing profile leaves the last one loaded in place.
    }
    return false;
}

void CHEQUECLASS::FillDataName(forms::Control &CMB)
{
    fill(CMB, QStringLiteral("Select DISTINCT(namex) from datax ORDER BY namex ASC"),
         QStringLiteral("namex"));
}

// The cheque register.

bool CHEQUECLASS::AssignToVariable(forms::Control &, forms::Control &bankName,
                                   forms::Control &bankBranch, forms::Control &accountNumber,
                                   forms::Control &accountHolder, forms::Control &dateOfEntry,
                                   forms::Control &amount, forms::Control &amountInWords,
                                   forms::Control &chequeNumber, forms::Control &chequeDate,
                                   forms::Control &issuedTo, forms::Control &issuedBy,
                                   forms::Control &remark, forms::Control &acPayOnly)
{
    ChequeRecordData &cheque = ModuleData::ChequeRecord();
    cheque.BANKNAME = bankName.Text().toString();
    cheque.BANKBRANCH = bankBranch.Text().toString();
    cheque.ACCOUNTNUMBER = accountNumber.Text().toString();
    cheque.ACCOUNTHOLDER = accountHolder.Text().toString();
    cheque.DATEOFENTRY = dateOfEntry.Value().toDate();
    cheque.AMOUNT = amount.Text().toDouble();
    cheque.AMOUNTINWORD = amountInWords.Text().toString();
    cheque.CHEQUENUMBER = chequeNumber.Text().toDouble();
    cheque.CHEQUEDATE = chequeDate.Text().toString();
    cheque.CHEQUEISSUEDTO = issuedTo.Text().toString();
    cheque.ISSUEDBY = issuedBy.Text().toString();
    cheque.REMARK = remark.Text().toString();
    cheque.ACPAYONLY = acPayOnly.Text().toString();
    cheque.STRREM2 = cheque.STRREM3 = cheque.STRREM4 = Dash;
    cheque.INTREM1 = cheque.INTREM2 = cheque.INTREM3 = cheque.INTREM4 = 0;
    cheque.DATEREM1 = cheque.DATEREM2 = QDate::currentDate();
    return reportPendingEntryError();
}

bool CHEQUECLASS::AssigntToOBJECT(forms::Control &, forms::Control &bankName,
                                  forms::Control &bankBranch, forms::Control &accountNumber,
                                  forms::Control &accountHolder, forms::Control &dateOfEntry,
                                  forms::Control &amount, forms::Control &amountInWords,
                                  forms::Control &chequeNumber, forms::Control &,
                                  forms::Control &issuedTo, forms::Control &issuedBy,
                                  forms::Control &remark, forms::Control &acPayOnly)
{
    const ChequeRecordData &cheque = ModuleData::ChequeRecord();
    const auto text = [](forms::Control &control, const QString &value) {
        DataAccess::skipFailure([&] { control.setText(value); });
    };
    text(bankName, cheque.BANKNAME);
    text(bankBranch, cheque.BANKBRANCH);
    text(accountNumber, cheque.ACCOUNTNUMBER);
    text(accountHolder, cheque.ACCOUNTHOLDER);
    DataAccess::skipFailure([&] { dateOfEntry.setValue(cheque.DATEOFENTRY); });
    text(amount, rt::generalNumberText(cheque.AMOUNT));
    text(amountInWords, cheque.AMOUNTINWORD);
    text(chequeNumber, rt::generalNumberText(cheque.CHEQUENUMBER));
    text(issuedTo, cheque.CHEQUEISSUEDTO);
    text(issuedBy, cheque.ISSUEDBY);
    text(remark, cheque.REMARK);
    text(acPayOnly, cheque.ACPAYONLY);
    return false;
}

std::int16_t CHEQUECLASS::FINDLAST()
{
    return nextSerial(QStringLiteral("CHEQUETable"));
}

bool CHEQUECLASS::InsertIntoCheque()
{
    try {
        const std::int16_t serial = FINDLAST();
        QStringList values =
            RecordColumns::sqlValues(ModuleData::ChequeRecord(), ChequeRecordColumns);
        values[0] = SqlText::number(serial);
        db().runOnSharedConnection(
            RecordColumns::insertStatement(QStringLiteral("ChequeTable"), values));
    } catch (const rt::RuntimeError &error) {
        // A refused cheque must never pass for a stored one: every refusal is told.
        if (error.Number() == rt::errDuplicateKey)
            forms::MsgBox(QStringLiteral("Duplicate Cheque No Entry"));
        else
            forms::MsgBox(error.Description());
        return false;
    }
    forms::MsgBox(QStringLiteral("ENTERED"), forms::vbOKCancel, QStringLiteral("Cheque Detail"));
    return true;
}

bool CHEQUECLASS::DELETECHEQUETABLE(std::int16_t SNx)
{
    DataAccess::deleteRows([&] {
        db().runOnSharedConnection(QStringLiteral("Delete * from BANK WHERE SN = ")
                                   + SqlText::number(SNx));
    });
    return false;
}

std::int16_t CHEQUECLASS::FINDLASTwithstart()
{
    return nextSerial(QStringLiteral("BANK"));
}

bool CHEQUECLASS::FindChequeDETAIL(double SN)
{
    // The cheque becomes current only when every column has been read: a number with no
    // row, or a row that fails part-way, leaves the current cheque as it was rather than
    // one made of two cheques.
    try {
        const ado::Recordset &rows = db().runOnSharedConnection(
            QStringLiteral("Select * from CHEQUETABLE where CHEQUENUMBER = ")
            + SqlText::number(SN));
        const ChequeRecordData cheque =
            RecordColumns::readRow(rows, ChequeRecordColumns, ChequeRecordData{});
        ModuleData::ChequeRecord() = cheque;
        return true;
    } catch (const rt::RuntimeError &error) {
        forms::MsgBox(error.Description());
        return false;
    }
}

bool CHEQUECLASS::FindChequeDETAILAsPerChNo(double SN)
{
    return FindChequeDETAIL(SN);
}

void CHEQUECLASS::ShowData(const QString &str, QWidget &FRM, const QString &DG)
{
    ado::Connection connection;
    connection.ConnectionString = Module1::SharedConnectionString;
    connection.Open(QString(), QString(), ado::adCmdUnspecified);
    ado::Recordset rows;
    rows.clearActiveConnection();
    rows.setCursorLocation(ado::adUseClient);
    try {
        rows.Open(str, connection, ado::adOpenUnspecified, ado::adLockReadOnly,
                  ado::adCmdUnspecified);
        rows.MoveLast();
    } catch (const rt::RuntimeError &) {
        // Deliberately silent: a query that fails shows an empty grid.
    }
    auto *grid = FRM.findChild<forms::DataGrid *>(DG);
    if (!grid)
        throw rt::RuntimeError::objectDoesNotSupport();
    grid->setDataSource(rows);
}

void CHEQUECLASS::FillBANKNAME(forms::Control &CMB)
{
    fill(CMB, QStringLiteral("Select DISTINCT(BANKNAME) from CHEQUETABLE ORDER BY BANKNAME ASC"),
         QStringLiteral("BANKNAME"));
}

void CHEQUECLASS::FillBANKBRANCH(forms::Control &CMB)
{
    fill(CMB,
         QStringLiteral("Select DISTINCT(BANKBRANCH) from CHEQUETABLE ORDER BY BANKBRANCH ASC"),
         QStringLiteral("BANKBRANCH"));
}

void CHEQUECLASS::FillACCOUNTNUMBER(forms::Control &CMB)
{
    fill(CMB,
         QStringLiteral(
             "Select DISTINCT(ACCOUNTNUMBER) from CHEQUETABLE ORDER BY ACCOUNTNUMBER ASC"),
         QStringLiteral("ACCOUNTNUMBER"));
}

void CHEQUECLASS::FillACCOUNTHOLDER(forms::Control &CMB)
{
    fill(CMB,
         QStringLiteral(
             "Select DISTINCT(ACCOUNTHOLDER) from CHEQUETABLE ORDER BY ACCOUNTHOLDER ASC"),
         QStringLiteral("ACCOUNTHOLDER"));
}

void CHEQUECLASS::FillSN(forms::Control &CMB)
{
    fill(CMB, QStringLiteral("Select SN from CHEQUETABLE ORDER BY SN desc"),
         QStringLiteral("SN"));
}

void CHEQUECLASS::FillChequeNUMBER(forms::Control &CMB)
{
    fill(CMB, QStringLiteral("Select CHEQUENUMBER from CHEQUETABLE ORDER BY CHEQUENUMBER asc"),
         QStringLiteral("CHEQUENUMBER"));
}

bool CHEQUECLASS::DELETEChequeNumber(forms::Control &ChequeNumberx)
{
    DataAccess::deleteRows([&] {
        db().runOnSharedConnection(
            QStringLiteral("Delete * from CHEQUETABLE WHERE CHEQUENUMBER = ")
            + SqlText::bareNumber(ChequeNumberx.defaultProperty().toString()));
    });
    return false;
}

// No member calls this yet, deliberately kept: the class has always carried the check.
bool CHEQUECLASS::FindChequeDeposited(const QString &chequeNumber)
{
    try {
        const ado::Recordset &rows = db().runOnSharedConnection(
            QStringLiteral("select CHEQUENUMBER from CHEQUE where CHEQUENUMBER = ")
            + SqlText::quoted(chequeNumber));
        if (DataAccess::exists(rows)) {
            forms::MsgBox(QStringLiteral("This cheque already deposited"), forms::vbInformation,
                          QStringLiteral("Information"));
            return true;
        }
    } catch (const rt::RuntimeError &) {
        // Deliberately silent: a check that cannot run lets the cheque through.
    }
    return false;
}
