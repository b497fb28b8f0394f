#include "society/BANKCLASS.h"

#include "data/Module1.h"
#include "data/SqlText.h"
#include "platform/forms/Control.h"
#include "platform/forms/MessageBox.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/RuntimeError.h"

#include <array>

namespace {

using Label = DataAccess::Label;

} // namespace

bool BANKCLASS::AssignToVariable(
    forms::Control &, forms::Control &BANKNAME, forms::Control &BANKBRANCH,
    forms::Control &ACCOUNTNUMBER, forms::Control &ACCOUNTHOLDER, forms::Control &DATEOFENTRY,
    forms::Control &Amount, forms::Control &AMOUNTINWORD, forms::Control &CHEQUEORCASH,
    forms::Control &ChequeNumber, forms::Control &CHEQUEDATE, forms::Control &CHEQUEBANKNAME,
    forms::Control &CHEQUERECEIVEDFROM, forms::Control &DEPOSITEDBY, forms::Control &REMARK)
{
    return DataAccess::copyFromControls([&] {
        BANKNAME_ = BANKNAME.Text().toString();
        BANKBRANCH_ = BANKBRANCH.Text().toString();
        ACCOUNTNUMBER_ = ACCOUNTNUMBER.Text().toString();
        ACCOUNTHOLDER_ = ACCOUNTHOLDER.Text().toString();
        DATEOFENTRY_ = DATEOFENTRY.Value().toDate();
        AMOUNT_ = Amount.Text().toDouble();
        AMOUNTINWORD_ = AMOUNTINWORD.Text().toString();
        CHEQUEORCASH_ = CHEQUEORCASH.Text().toString();
        CHEQUENUMBER_ = ChequeNumber.Text().toString();
        CHEQUEDATE_ = CHEQUEDATE.Text().toString();
        CHEQUEBANKNAME_ = CHEQUEBANKNAME.Text().toString();
        CHEQUERECEIVEDFROM_ = CHEQUERECEIVEDFROM.Text().toString();
        DEPOSITEDBY_ = DEPOSITEDBY.Text().toString();
        REMARK_ = REMARK.Text().toString();
        setUnused(QDate::currentDate());
    });
}

// The cheque date goes into the control's Text, as it is read from there.
bool BANKCLASS::AssigntToOBJECT(
    forms::Control &, forms::Control &BANKNAME, forms::Control &BANKBRANCH,
    forms::Control &ACCOUNTNUMBER, forms::Control &ACCOUNTHOLDER, forms::Control &DATEOFENTRY,
    forms::Control &Amount, forms::Control &AMOUNTINWORD, forms::Control &CHEQUEORCASH,
    forms::Control &ChequeNumber, forms::Control &CHEQUEDATE, forms::Control &CHEQUEBANKNAME,
    forms::Control &CHEQUERECEIVEDFROM, forms::Control &DEPOSITEDBY, forms::Control &REMARK)
{
    // Columns 2 to 15, in column order.
    const std::array<forms::Control *, 14> controls = {
        &BANKNAME,     &BANKBRANCH,   &ACCOUNTNUMBER,  &ACCOUNTHOLDER,      &DATEOFENTRY,
        &Amount,       &AMOUNTINWORD, &CHEQUEORCASH,   &ChequeNumber,       &CHEQUEDATE,
        &CHEQUEBANKNAME,              &CHEQUERECEIVEDFROM,                  &DEPOSITEDBY,
        &REMARK};
    for (std::size_t i = 0; i < controls.size(); ++i)
        DataAccess::skipFailure(
            [&] { RecordColumns::toControl(*controls[i], *this, BANKColumns[i + 1]); });
    return false;
}

std::int16_t BANKCLASS::FINDLAST()
{
    return DataAccess::nextSerial([&]() -> ado::Recordset & {
        return db_.runOnSharedConnection(QStringLiteral("select max(sn) from BANK"));
    });
}

std::int16_t BANKCLASS::FINDLASTwithstart()
{
    return FINDLAST();
}

bool BANKCLASS::InsertIntoBANK()
{
    DataAccess::guarded(Label::Description, [&] {
        Module1::OpenConnection();
        QStringList values = RecordColumns::sqlValues(*this, BANKColumns);
        values[0] = SqlText::number(FINDLAST()); // not SN_
        db_.runOnSharedConnection(RecordColumns::insertStatement(QStringLiteral("BANK"), values));
        forms::MsgBox(QStringLiteral("ENTERED"), forms::vbOKCancel, QStringLiteral("BANK Detail"));
    });
    return false;
}

bool BANKCLASS::DELETEBANKDetail(std::int16_t SNx)
{
    DataAccess::deleteRows([&] {
        db_.runOnSharedConnection(QStringLiteral("Delete * from BANK WHERE SN = ")
                                  + SqlText::number(SNx));
    });
    return false;
}

// The entry becomes current only when its whole row has been read.
bool BANKCLASS::FindBANKDETAIL(std::int16_t SN)
{
    DataAccess::guarded(Label::Description, [&] {
        const ado::Recordset &rows = db_.runOnSharedConnection(
            QStringLiteral("Select * from BANK where sn = ") + SqlText::number(SN));
        entry() = RecordColumns::readRow(rows, BANKColumns, entry());
    });
    return false;
}

void BANKCLASS::fill(forms::Control &CMB, const QString &sql, const QString &column)
{
    DataAccess::fill(
        CMB, Label::Silent, [&]() -> ado::Recordset & { return db_.runOnSharedConnection(sql); },
        column);
}

// The distinct values of one column, A to Z.
void BANKCLASS::fillDistinct(forms::Control &CMB, const QString &table, const QString &column)
{
    fill(CMB, QStringLiteral("Select DISTINCT(%1) from %2 ORDER BY %1 ASC").arg(column, table),
         column);
}

void BANKCLASS::FillBANKNAME(forms::Control &CMB)
{
    fillDistinct(CMB, QStringLiteral("BANKDETAIL"), QStringLiteral("BANKNAME"));
}

void BANKCLASS::FillBANKBRANCH(forms::Control &CMB)
{
    fillDistinct(CMB, QStringLiteral("BANKDETAIL"), QStringLiteral("BANKBRANCH"));
}

void BANKCLASS::FillACCOUNTNUMBER(forms::Control &CMB)
{
    fillDistinct(CMB, QStringLiteral("BANKDETAIL"), QStringLiteral("ACCOUNTNUMBER"));
}

void BANKCLASS::FillACCOUNTHOLDER(forms::Control &CMB)
{
    fillDistinct(CMB, QStringLiteral("BANKDETAIL"), QStringLiteral("ACCOUNTHOLDER"));
}

void BANKCLASS::FillName(forms::Control &CMB)
{
    fillDistinct(CMB, QStringLiteral("RemAdvance"), QStringLiteral("NAME"));
}

void BANKCLASS::FillBANKNUMBER(forms::Control &CMB)
{
    fill(CMB, QStringLiteral("Select SN from BANK ORDER BY SN DESC"), QStringLiteral("SN"));
}

// The first column of the sum's one row; 0 for a failure or a sum over no rows (Null).
double BANKCLASS::sum(const QString &sql, ado::Recordset &recordset)
{
    return DataAccess::valueOr(0.0, [&] {
        return DataAccess::sumOf(DataAccess::runOnModuleRecordset(sql, common_.str, recordset));
    });
}

double BANKCLASS::FINDBANKBALANCE()
{
    return rt::roundHalfEven(sum(QStringLiteral("select SUM(AMOUNT) from BANK")), 2);
}

double BANKCLASS::FINDTOTALDEPOSITBALANCE()
{
    return sum(QStringLiteral("select SUM(FEEAMOUNT) from DETAILSOFDEPOSITE"));
}

double BANKCLASS::FindTotalItemValue()
{
    return sum(QStringLiteral("select SUM(AMOUNT) from PERMANENTITEM"));
}

double BANKCLASS::FindTotalCreditEXPENDITURE()
{
    return rt::roundHalfEven(
        sum(QStringLiteral("select SUM(INTREM1) from EXPENDITURE where STRREM1 = 'CREDIT'")), 0);
}

double BANKCLASS::FINDExpenditure()
{
    return rt::roundHalfEven(sum(QStringLiteral("select SUM(EXPENDITUREVALUE) from EXPENDITURE")),
                             2);
}

double BANKCLASS::FINDCashinHand()
{
    const double advance = FINDCREDITTAdvanceMoney();
    const double receipts = FINDTOTALDEPOSITBALANCE();
    const double bank = FINDBANKBALANCE();
    const double items = FindTotalItemValue();
    const double expenditure = FINDExpenditure();
    return rt::roundHalfEven((advance + receipts) - ((bank + items) + expenditure), 2);
}

double BANKCLASS::FINDCREDITToprovidemoney()
{
    return sum(QStringLiteral("Select sum(INTREM1) from EXPENDITURE WHERE EXPENDITUREDATE >= ")
                   + SqlText::date(Module1::PeriodFromDate())
                   + QStringLiteral(" AND EXPENDITUREDATE <= ")
                   + SqlText::date(Module1::PeriodToDate())
                   + QStringLiteral(" AND STRREM1 = 'CREDIT' Order by SN ASC"),
               common_.RsThree);
}

double BANKCLASS::FINDCREDITTAdvanceMoney()
{
    return sum(QStringLiteral("Select sum(FEEAMOUNT) from DETAILSOFDEPOSITE WHERE BILLNUMBER = 0 "
                              "AND FEETYPE <> 'SINKING FUND' and FLATNUMBER <> '-'"),
               common_.RsThree);
}

bool BANKCLASS::DELETEChequeNumber(forms::Control &ChequeNumberx)
{
    DataAccess::guarded(Label::Description, [&] {
        db_.runOnSharedConnection(QStringLiteral("Delete * from Bank WHERE CHEQUENUMBER = ")
                                  + SqlText::quoted(ChequeNumberx.defaultProperty().toString()));
    });
    return false;
}

double BANKCLASS::FINDDEPOSITBymemberBill(forms::Control &DateFrom, forms::Control &DateTo)
{
    return sum(QStringLiteral("select SUM(FEEAMOUNT) from DETAILSOFDEPOSITE where BILLNUMBER <> 0 "
                              "And BILLDATE >= ")
               + SqlText::date(DateFrom.Value().toDate()) + QStringLiteral(" And BILLDATE <= ")
               + SqlText::date(DateTo.Value().toDate()));
}

bool BANKCLASS::FINDChequeAlreadyDeposited(const QString &chequeNumber)
{
    return DataAccess::valueOr(false, [&] {
        if (!DataAccess::exists(db_.runOnSharedConnection(
                QStringLiteral("select CHEQUENUMBER from BANK where CHEQUENUMBER = ")
                + SqlText::quoted(chequeNumber))))
            return false;
        forms::MsgBox(QStringLiteral("This cheque already deposited"), forms::vbInformation,
                      QStringLiteral("Information"));
        return true;
    });
}
