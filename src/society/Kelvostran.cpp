#include "society/Kelvostran.h"

#include "data/Module1.h"
#include "data/SqlText.h"
#include "data/Transaction.h"
#include "platform/forms/Control.h"
#include "platform/forms/DataGrid.h"
#include "platform/forms/Image.h"
#include "platform/forms/MessageBox.h"
#include "platform/runtime/RuntimeError.h"
#include "society/TymemberRecord.h"

#include <array>
#include <span>

namespace {

using Label = DataAccess::Label;

const QString Dash = QStringLiteral("-");

QString byName(const QString &name)
{
    return QStringLiteral("Select * from Memberx where NAMEX = ") + SqlText::quoted(name);
}

// A bill that no receipt line names is unpaid.
const QString NotDeposited =
    QStringLiteral(" from BILLX WHERE SN NOT IN (SELECT BILLNUMBER FROM DETAILSOFDEPOSITE)");

} // namespace

// Where the statement rows of one kind come from.
struct Kelvostran::StatementSource {
    QString table;
    QString dateColumn;
    QString periodColumn; // the date column as the period's condition spells it
    QString kind;
    double TymemberRecord::*amount; // the column that takes the line's FEEAMOUNT
};

// Lookups.

void Kelvostran::FillMemberName(forms::Control &CMB)
{
    direct_.fillOverCon(CMB,
                        QStringLiteral("Select DISTINCT(Namex) from Memberx WHERE DOFLEAVING = "
                                       "'-' order by Namex asc"),
                        QStringLiteral("Namex"), Label::Silent, DataAccess::Selection::None);
}

void Kelvostran::FillMemberNum(forms::Control &CMB)
{
    direct_.fillOverCon(
        CMB,
        QStringLiteral("Select Distinct(SN) from Memberx WHERE DOFLEAVING = '-' ORDER BY SN DESC"),
        QStringLiteral("SN"));
}

void Kelvostran::FillMemberNumAsAssigned(forms::Control &CMB)
{
    direct_.fillOverCon(CMB,
                        QStringLiteral("Select Distinct(MEMBERNUMBER) from MEMBERCHARGETYPE "
                                       "ORDER BY MEMBERNUMBER asc"),
                        QStringLiteral("MEMBERNUMBER"));
}

void Kelvostran::FillBILLNumNotDeposited(forms::Control &CMB)
{
    direct_.fillOverCon(CMB, QStringLiteral("Select Distinct(SN)") + NotDeposited,
                        QStringLiteral("SN"));
}

void Kelvostran::FillReceiptNumber(forms::Control &CMB)
{
    direct_.fillOverCon(CMB, QStringLiteral("Select Distinct(SN) from DETAILSOFDEPOSITE"),
                        QStringLiteral("SN"));
}

void Kelvostran::FillBillNumber(forms::Control &CMB)
{
    direct_.fillOverCon(CMB, QStringLiteral("Select Distinct(SN) from BILLX"),
                        QStringLiteral("SN"));
}

// The grid gets rows of its own rather than Rs, which the next statement of this object
// would reopen under it. Con stays open while the grid shows them.
void Kelvostran::FillBILLNumNotDepositedDATA(forms::DataGrid &DG)
{
    ado::Recordset unpaid;
    DataAccess::guarded(Label::Silent, [&] {
        common_.connect();
        unpaid.Open(QStringLiteral("Select Distinct(SN) as Bill_No,MEMBERNAME as Member,"
                                   "FLATNUMBER as Flat_No")
                        + NotDeposited,
                    common_.Con, ado::adOpenKeyset, ado::adLockReadOnly, ado::adCmdUnspecified);
        unpaid.MoveLast(); // with no unpaid bill this fails: the grid shows its headings only
    });
    DG.setDataSource(unpaid);
}

double Kelvostran::memberPeriodSum(const QString &sumOver, const QString &MEMBERNAME,
                                   const QDate &DateFrom, const QDate &DateTo)
{
    double sum = 0;
    DataAccess::guarded(Label::Description, [&] {
        const ado::Recordset &rows = direct_.connectAndRun(
            sumOver + QStringLiteral(" where MEMBERNAME = ") + SqlText::quoted(MEMBERNAME)
            + QStringLiteral(" And DATEX >= ") + SqlText::date(DateFrom)
            + QStringLiteral(" And DATEX <= ") + SqlText::date(DateTo));
        sum = rows.Fields(0).Value().toDouble();
        db_.closeCon();
    });
    return sum;
}

double Kelvostran::FindDepositAsPerDate(const QString &MEMBERNAME, const QDate &DateFrom,
                                        const QDate &DateTo)
{
    return memberPeriodSum(QStringLiteral("Select sum(DEPOSITEVALUE) from RECIEPT"), MEMBERNAME,
                           DateFrom, DateTo);
}

double Kelvostran::FindRequiredAsPerDate(const QString &MEMBERNAME, const QDate &DateFrom,
                                         const QDate &DateTo)
{
    return memberPeriodSum(QStringLiteral("Select sum(FEEAMOUNT) from Billx"), MEMBERNAME,
                           DateFrom, DateTo);
}

// The member register.

bool Kelvostran::Assignx(const QString &NAMEX, const QString &WING, const QString &ACCO,
                         const QString &GUARDIAN, const QString &GUARDIANADDRESS,
                         double MONTHLYINCOME, const QString &OCCUPATION, const QDate &DOB,
                         const QString &PREADDRESS, const QString &PRECITY,
                         const QString &PMTADDRESS, const QString &PMTCITY,
                         const QString &PHONE, const QDate &DOFJOINING,
                         const QString &DOFLEAVING, const QString &NOMINEENAME,
                         const QString &NOMINEEADDRESS, std::int16_t NOMINEEAGE,
                         const QString &NOMINEERELATION, const QDate &DATEOFENTRY)
{
    NAMEX_ = NAMEX;
    WING_ = WING;
    ACCO_ = ACCO;
    GUARDIAN_ = GUARDIAN;
    GUARDIANADDRESS_ = GUARDIANADDRESS;
    MONTHLYINCOME_ = MONTHLYINCOME;
    OCCUPATION_ = OCCUPATION;
    DOB_ = DOB;
    PREADDRESS_ = PREADDRESS;
    PRECITY_ = PRECITY;
    PMTADDRESS_ = PMTADDRESS;
    PMTCITY_ = PMTCITY;
    PHONE_ = PHONE;
    DOFJOINING_ = DOFJOINING;
    DOFLEAVING_ = DOFLEAVING;
    NOMINEENAME_ = NOMINEENAME;
    NOMINEEADDRESS_ = NOMINEEADDRESS;
    NOMINEEAGE_ = NOMINEEAGE;
    NOMINEERELATION_ = NOMINEERELATION;
    DATEOFENTRY_ = DATEOFENTRY;
    setUnused(rt::ZeroDate);
    return false;
}

bool Kelvostran::AssignToObject(
    forms::Control &SN, forms::Control &NAMEX, forms::Control &WING, forms::Control &ACCO,
    forms::Control &GUARDIAN, forms::Control &GUARDIANADDRESS, forms::Control &MONTHLYINCOME,
    forms::Control &OCCUPATION, forms::Control &DOB, forms::Control &PREADDRESS,
    forms::Control &PRECITY, forms::Control &PMTADDRESS, forms::Control &PMTCITY,
    forms::Control &PHONE, forms::Control &DOFJOINING, forms::Control &DOFLEAVING,
    forms::Control &NOMINEENAME, forms::Control &NOMINEEADDRESS, forms::Control &NOMINEEAGE,
    forms::Control &NOMINEERELATION, forms::Control &DATEOFENTRY)
{
    const std::array<forms::Control *, 21> controls = {
        &SN,         &NAMEX,      &WING,         &ACCO,           &GUARDIAN,
        &GUARDIANADDRESS,         &MONTHLYINCOME, &OCCUPATION,    &DOB,
        &PREADDRESS, &PRECITY,    &PMTADDRESS,   &PMTCITY,        &PHONE,
        &DOFJOINING, &DOFLEAVING, &NOMINEENAME,  &NOMINEEADDRESS, &NOMINEEAGE,
        &NOMINEERELATION,         &DATEOFENTRY};
    DataAccess::guarded(Label::Silent, [&] {
        for (std::size_t i = 0; i < controls.size(); ++i)
            RecordColumns::toControl(*controls[i], *this, MemberxColumns[i]);
    });
    return false;
}

// The record's values in column order under the given serial: SN_ is neither read nor
// changed.
QString Kelvostran::insertStatement(const QString &table, std::int16_t serial) const
{
    QStringList values = RecordColumns::sqlValues(*this, MemberxColumns);
    values[0] = SqlText::number(serial);
    return RecordColumns::insertStatement(table, values);
}

bool Kelvostran::InsertIntoMember()
{
    DataAccess::guarded(
        Label::Description,
        [&] {
            common_.connect();
            db_.runOnCon(insertStatement(QStringLiteral("Memberx"), FINDLAST()));
            forms::MsgBox(QStringLiteral("Registered"), forms::vbOKOnly,
                          QStringLiteral("Registration"));
            db_.closeCon();
        },
        [](const rt::RuntimeError &error) {
            if (error.Number() == rt::errProviderFailure)
                forms::MsgBox(QStringLiteral("Already exists"));
        });
    return false;
}

std::int16_t Kelvostran::FINDLAST()
{
    return DataAccess::nextSerial([&]() -> ado::Recordset & {
        return db_.runOnCon(QStringLiteral("select max(sn) from Memberx"));
    });
}

std::int16_t Kelvostran::FINDLASTwithstart()
{
    return DataAccess::nextSerial(
        [&]() -> ado::Recordset & {
            return db_.connectAndRun(QStringLiteral("select max(sn) from Memberx"));
        },
        0);
}

// The row becomes the current member only when every column has been read: a serial
// with no row, or a Null, leaves the fields as they were.
bool Kelvostran::loadMember(const QString &sql)
{
    DataAccess::guarded(Label::Silent, [&] {
        const ado::Recordset &rows = db_.connectAndRun(sql);
        member() = RecordColumns::readRow(rows, MemberxColumns, member());
        db_.closeCon();
    });
    return false;
}

bool Kelvostran::FindMember(std::int16_t SN)
{
    return loadMember(QStringLiteral("Select * from Memberx where sn = ") + SqlText::number(SN));
}

bool Kelvostran::FindMemberByName(const QString &NameofMember)
{
    return loadMember(byName(NameofMember));
}

bool Kelvostran::FindMemberNAME(std::int16_t SN, forms::Control &MEMBERNAME,
                                forms::Control &WING, forms::Control &FLAT)
{
    DataAccess::guarded(Label::Silent, [&] {
        const ado::Recordset &rows = db_.connectAndRun(
            QStringLiteral("Select NAMEX,WING,ACCO,INTREM1 from Memberx where sn = ")
            + SqlText::number(SN));
        MEMBERNAME.setText(rows.Fields(QStringLiteral("NAMEX")).Value().toString());
        WING.setText(rows.Fields(QStringLiteral("WING")).Value().toString());
        FLAT.setText(rows.Fields(QStringLiteral("ACCO")).Value().toString());
        db_.closeCon();
    });
    return false;
}

QString Kelvostran::FindMemberNAMEONLY(std::int16_t SN)
{
    QString name;
    DataAccess::guarded(Label::Silent, [&] {
        const ado::Recordset &rows = db_.connectAndRun(
            QStringLiteral("Select NAMEX from Memberx where sn = ") + SqlText::number(SN));
        name = rows.Fields(QStringLiteral("NAMEX")).Value().toString();
        db_.closeCon();
    });
    return name;
}

bool Kelvostran::FindMemberEXIST(const QString &NameofMember)
{
    bool found = false;
    DataAccess::guarded(Label::Description, [&] {
        found = DataAccess::exists(db_.connectAndRun(byName(NameofMember)));
        db_.closeCon();
    });
    return found;
}

bool Kelvostran::FindFLATAlloted(const QString &WINGX, const QString &ACCOx,
                                 forms::Control &DOFJOININGX)
{
    bool allotted = false;
    DataAccess::guarded(Label::Description, [&] {
        common_.connect();
        const ado::Recordset &rows = db_.runOnCon(
            QStringLiteral("Select sn from Memberx where WING = ") + SqlText::quoted(WINGX)
            + QStringLiteral(" and ACCO = ") + SqlText::quoted(ACCOx)
            + QStringLiteral(" and DOFJOINING = ") + SqlText::date(DOFJOININGX.Value().toDate()));
        if (DataAccess::exists(rows)) {
            forms::MsgBox(QStringLiteral("Flat having Joining Date, Already Alloted."),
                          forms::vbInformation, QStringLiteral("Duplicate Entry"));
            allotted = true;
        }
        db_.closeCon();
    });
    return allotted;
}

// Runs a change of member SN_ on a fresh connection and says `done` when there is
// something to say.
void Kelvostran::rewriteMember(const QString &statement, const QString &done)
{
    db_.closeCon();
    DataAccess::guarded(Label::Description, [&] {
        db_.connectAndRun(statement);
        if (!done.isEmpty())
            forms::MsgBox(done, forms::vbInformation, QStringLiteral("INFORMATION"));
        db_.closeCon();
    });
}

bool Kelvostran::UpdateMember(std::int16_t)
{
    // Columns 2 to 21: the serial, the photo and the spares stay as they are.
    const auto changed = std::span(MemberxColumns).subspan(1, 20);
    rewriteMember(QStringLiteral("UPDATE Memberx SET") + RecordColumns::assignments(*this, changed)
                      + QStringLiteral(" WHERE SN = ") + SqlText::number(SN_),
                  QStringLiteral("UPDATED"));
    return false;
}

bool Kelvostran::UpdatePhotoAddress(std::int16_t, const QString &PHOTOADDRESS)
{
    rewriteMember(QStringLiteral("UPDATE Memberx SET STRREM1 = ") + SqlText::quoted(PHOTOADDRESS)
                      + QStringLiteral(" WHERE SN = ") + SqlText::number(SN_),
                  QString());
    return false;
}

ado::Recordset &Kelvostran::photoRow(forms::Control &PhotoNumber)
{
    return direct_.connectAndRun(QStringLiteral("Select STRREM1 from Memberx where SN = ")
                                 + SqlText::bareNumber(PhotoNumber.Text().toString()));
}

rt::Variant Kelvostran::GetPhoto(forms::Control &PhotoNumber, forms::Image &IMG)
{
    IMG.setPicture(forms::LoadPicture());
    DataAccess::guarded(Label::Silent, [&] {
        const ado::Recordset &rows = photoRow(PhotoNumber);
        const QString path = rows.Fields(QStringLiteral("STRREM1")).Value().toString();
        if (path == Dash)
            return; // no photo: the image stays empty and Con open
        IMG.setPicture(forms::LoadPicture(path));
        db_.closeCon();
    });
    return {};
}

rt::Variant Kelvostran::GetPhotoOnfORM(forms::Control &PhotoNumber, forms::Image &)
{
    // The path would go on to a photo window, which the program does not have: the
    // member ends after reading it.
    DataAccess::guarded(Label::Silent, [&] {
        photoRow(PhotoNumber).Fields(QStringLiteral("STRREM1")).Value().toString();
    });
    return {};
}

bool Kelvostran::DELETEMember(std::int16_t)
{
    rewriteMember(QStringLiteral("DELETE * FROM Memberx WHERE SN = ") + SqlText::number(SN_),
                  QStringLiteral("DELETED"));
    return false;
}

bool Kelvostran::InsertIntoFlatHistory()
{
    DataAccess::guarded(Label::Silent, [&] {
        common_.connect();
        db_.runOnCon(insertStatement(QStringLiteral("FlatHistory"), FINDLASTFlatHistory()));
        db_.closeCon();
    });
    return false;
}

std::int16_t Kelvostran::FINDLASTFlatHistory()
{
    return DataAccess::nextSerial([&]() -> ado::Recordset & {
        return db_.runOnCon(QStringLiteral("select max(sn) from FlatHistory"));
    });
}

// The member statement and the charge types, on the module recordsets.

// Every line of the period becomes a row: the select stays open on SharedRecordset while
// each row takes its serial on SharedRecordset3 and is written on SharedRecordset2. A
// line that cannot be read or written is passed over; a member number that is not a
// number writes nothing.
void Kelvostran::writeStatementRows(const StatementSource &source, forms::Control &MEMBERNUM,
                                    forms::Control &DTPfrom, forms::Control &DTPto)
{
    // Whatever another statement left on SharedRecordset goes, even when no select of
    // ours takes its place.
    Module1::CloseIfOpen(Module1::SharedRecordset());
    DataAccess::guarded(Label::Silent, [&] {
        const QString member = SqlText::bareNumber(MEMBERNUM.Text().toString());
        ado::Recordset &lines = DataAccess::runOnModuleRecordset(
            QStringLiteral("SELECT * FROM ") + source.table
                + QStringLiteral(" WHERE MEMBERNUMBER = ") + member + QStringLiteral(" And ")
                + source.periodColumn + QStringLiteral(" >= ")
                + SqlText::date(DTPfrom.Value().toDate()) + QStringLiteral(" And ")
                + source.periodColumn + QStringLiteral(" <= ")
                + SqlText::date(DTPto.Value().toDate()) + QStringLiteral(" ORDER BY ")
                + source.dateColumn + QStringLiteral(" ASC"),
            str);
        // One commit for the whole statement rather than one a row: the rows are written
        // on the shared connection, so its transaction holds them all. A line the engine
        // refuses is passed over; once the engine has undone the transaction the rows
        // written so far are gone, and the statement stops with none of them.
        Transaction statement(Module1::SharedConnection());
        for (; !lines.Eof() && statement.isOpen(); lines.MoveNext())
            DataAccess::guarded(Label::Silent, [&] { writeStatementRow(source, member, lines); });
        statement.commit();
    });
}

void Kelvostran::writeStatementRow(const StatementSource &source, const QString &member,
                                   const ado::Recordset &lines)
{
    TymemberRecord row;
    row.MEMBERNUMBER_ = member.toDouble();
    row.DATEX_ = lines.Fields(source.dateColumn).Value().toDate();
    row.FEETYPE_ = lines.Fields(QStringLiteral("FEETYPE")).Value().toString();
    row.ENTRYKIND_ = source.kind;
    row.DOCUMENTNUMBER_ = lines.Fields(QStringLiteral("SN")).Value().toInteger();
    row.*source.amount = lines.Fields(QStringLiteral("FEEAMOUNT")).Value().toDouble();
    row.SN_ = FINDLASTTYMEMBER();
    DataAccess::runOnModuleRecordset(
        RecordColumns::insertStatement(QStringLiteral("TYMEMBER"),
                                       RecordColumns::sqlValues(row, TYMEMBERColumns)),
        common_.str, Module1::SharedRecordset2());
}

std::int16_t Kelvostran::GetBillDetailOfMember(forms::Control &MEMBERNUM, forms::Control &DTPfrom,
                                               forms::Control &DTPto)
{
    writeStatementRows({QStringLiteral("BILLX"), QStringLiteral("DATEX"), QStringLiteral("Datex"),
                        QStringLiteral("Bill"), &TymemberRecord::BILLEDAMOUNT_},
                       MEMBERNUM, DTPfrom, DTPto);
    return 0;
}

std::int16_t Kelvostran::GetDepositDetailOfMember(forms::Control &MEMBERNUM,
                                                  forms::Control &DTPfrom, forms::Control &DTPto)
{
    writeStatementRows({QStringLiteral("DETAILSOFDEPOSITE"), QStringLiteral("DATEOFDEPOSITE"),
                        QStringLiteral("DATEOFDEPOSITE"), QStringLiteral("Receipt"),
                        &TymemberRecord::RECEIVEDAMOUNT_},
                       MEMBERNUM, DTPfrom, DTPto);
    return 0;
}

std::int16_t Kelvostran::FINDLASTTYMEMBER()
{
    return DataAccess::nextSerial([&]() -> ado::Recordset & {
        return DataAccess::runOnModuleRecordset(QStringLiteral("select max(sn) from TYMEMBER"),
                                                str, Module1::SharedRecordset3());
    });
}

std::int16_t Kelvostran::DelTYMEMBER()
{
    DataAccess::guarded(Label::Silent, [&] {
        DataAccess::runOnModuleRecordset(QStringLiteral("DELETE * FROM TYMEMBER"), str,
                                         Module1::SharedRecordset3());
    });
    return 0;
}

std::int16_t Kelvostran::InsertIntoAssign(forms::Control &MEMBERNUM, forms::Control &Lst)
{
    DataAccess::guarded(Label::Description, [&] {
        Module1::CloseIfOpen(Module1::SharedRecordset());
        DataAccess::runOnModuleRecordset(
            QStringLiteral("insert into MEMBERCHARGETYPE values(")
                + SqlText::bareNumber(MEMBERNUM.Text().toString()) + QLatin1Char(',')
                + SqlText::quoted(Lst.List(Lst.ListIndex())) + QLatin1Char(')'),
            str);
    });
    return 0;
}

rt::Variant Kelvostran::DelAssigncharges(forms::Control &MEMBERNUM)
{
    Module1::CloseIfOpen(Module1::SharedRecordset());
    DataAccess::guarded(Label::Silent, [&] {
        DataAccess::runOnModuleRecordset(
            QStringLiteral("Delete * from MEMBERCHARGETYPE where MEMBERNUMBER = ")
                + SqlText::bareNumber(MEMBERNUM.defaultProperty().toString()),
            str);
    });
    return {};
}
