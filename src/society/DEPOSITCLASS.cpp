#include "society/DEPOSITCLASS.h"

#include "data/Module1.h"
#include "data/SqlText.h"
#include "data/Transaction.h"
#include "platform/forms/Control.h"
#include "platform/forms/MessageBox.h"
#include "platform/forms/PlainControl.h"
#include "platform/runtime/Conversions.h"
#include "society/BILLCLASS.h"

#include <array>
#include <optional>
#include <span>

namespace {

using Label = DataAccess::Label;

const QString Dash = QStringLiteral("-");
const QString LastYearBalance = QStringLiteral("LAST YEAR BALANCE OF MEMBER");
const QString InLineOrder = QStringLiteral(" order by BILLSERIALNUMBER asc");

QString number(double value)
{
    return SqlText::number(value);
}

QString chargeTypeQuery(const QString &columns, const QString &TYPEOFDEPOSITE)
{
    return QStringLiteral("Select ") + columns + QStringLiteral(" from TYPEDEPOSITE where "
                                                                "TYPEOFDEPOSITE = ")
           + SqlText::quoted(TYPEOFDEPOSITE);
}

} // namespace

// Out of line, where BILLCLASS is complete: the two classes hold each other.
DEPOSITCLASS::DEPOSITCLASS() = default;
DEPOSITCLASS::~DEPOSITCLASS() = default;

BILLCLASS &DEPOSITCLASS::bill()
{
    return bill_.get();
}

// The line as the fields hold it, under the given receipt number and cheque date.
QString DEPOSITCLASS::lineInsert(std::int16_t receipt, const QString &chequeDate) const
{
    QStringList values = RecordColumns::sqlValues(*this, DETAILSOFDEPOSITEColumns);
    values[0] = number(receipt);
    values[17] = SqlText::quoted(chequeDate);
    return RecordColumns::insertStatement(QStringLiteral("DETAILSOFDEPOSITE"), values);
}

// A total of nothing, or below it (a member in credit), is no sum received: its digits
// would be read as the words of another amount ("-1500" as "FIVE HUNDRED"), so it has none.
QString DEPOSITCLASS::amountInWords(double rupees) const
{
    return rupees > 0 ? calculate_.Calculate(rt::generalNumberText(rupees)) : QString();
}

bool DEPOSITCLASS::FindRECEIPTEXIST(forms::Control &DEPOSITENUMBER)
{
    return DataAccess::valueOr(false, [&] {
        const bool paid = DataAccess::exists(db_.connectAndRun(
            QStringLiteral("Select BILLNUMBER from DETAILSOFDEPOSITE where BILLNUMBER = ")
            + SqlText::bareNumber(DEPOSITENUMBER.Text().toString())));
        if (paid)
            forms::MsgBox(QStringLiteral("Bill already Deposited"), forms::vbInformation,
                          QStringLiteral("Information"));
        db_.closeCon();
        return paid;
    });
}

// One receipt line of SN_ per line of the bill, on Con as the caller opened it; the
// fields end holding the last line written.
void DEPOSITCLASS::insertBillLines(std::int16_t BILLNUMBER, const QString &order,
                                   forms::Control &DATEOFDEPOSITE, forms::Control &CHEQUEORCASH,
                                   forms::Control &CHEQUEN, forms::Control &BANKNAME,
                                   forms::Control &REMARK, forms::Control &CHEQUEDATE)
{
    ado::Recordset &lines = db_.runOnCon(
        QStringLiteral("select * from billx where sn = ") + number(BILLNUMBER) + order,
        common_.RsThree);
    while (!lines.Eof()) {
        DetailsOfDepositeRecord paid = RecordColumns::readRow(lines, BillLinePaidColumns, line());
        paid.DATEOFDEPOSITE_ = DATEOFDEPOSITE.Value().toDate();
        paid.CHEQUEORCASH_ = CHEQUEORCASH.Text().toString();
        paid.CHEQUEN_ = CHEQUEN.Text().toString();
        paid.BANKNAME_ = BANKNAME.Text().toString();
        paid.REMARK_ = REMARK.Text().toString();
        paid.STRREM3_ = lines.Fields(QStringLiteral("STRREM3")).Value().toString();
        line() = paid;
        db_.runOnCon(lineInsert(SN_, CHEQUEDATE.Text().toString()), common_.RsTwo);
        lines.MoveNext();
    }
}

void DEPOSITCLASS::InsertintoDeposit(std::int16_t BILLNUMBER, forms::Control &DATEOFDEPOSITE,
                                     forms::Control &CHEQUEORCASH, forms::Control &CHEQUEN,
                                     forms::Control &BANKNAME, forms::Control &REMARK,
                                     forms::Control &CHEQUEDATE)
{
    common_.connect();
    Transaction receipt(common_.Con);
    insertBillLines(BILLNUMBER, InLineOrder, DATEOFDEPOSITE, CHEQUEORCASH, CHEQUEN, BANKNAME,
                    REMARK, CHEQUEDATE);
    receipt.commit();
}

void DEPOSITCLASS::GETLASTRECEIPT(std::int16_t &DepositNumber)
{
    Module1::OpenConnection();
    DepositNumber = FINDLASTFORLASTYEAR();
    SN_ = DepositNumber;
}

// The words go onto every receipt line of the bill, earlier receipts' included, in the
// same transaction as the new lines: a bill whose balance cannot be read gets no line.
void DEPOSITCLASS::InsertintoDepositNEW(std::int16_t BILLNUMBER, forms::Control &DATEOFDEPOSITE,
                                        forms::Control &CHEQUEORCASH, forms::Control &CHEQUEN,
                                        forms::Control &BANKNAME, forms::Control &REMARK,
                                        forms::Control &CHEQUEDATE)
{
    common_.connect();
    Transaction receipt(common_.Con);
    insertBillLines(BILLNUMBER, QString(), DATEOFDEPOSITE, CHEQUEORCASH, CHEQUEN, BANKNAME,
                    REMARK, CHEQUEDATE);
    const QString bill = number(BILLNUMBER);
    double total = db_.runOnCon(QStringLiteral("select DUEAMOUNT from billx where sn = ") + bill,
                                common_.RsThree)
                       .Fields(QStringLiteral("DUEAMOUNT"))
                       .Value()
                       .toDouble();
    total += db_.runOnCon(QStringLiteral("select SUM(FEEAMOUNT) from billx where sn = ") + bill,
                          Module1::SharedRecordset())
                 .Fields(0)
                 .Value()
                 .toDouble();
    FEEAMOUNT_ = rt::roundHalfEven(total);
    db_.runOnCon(QStringLiteral("UPDATE DETAILSOFDEPOSITE SET STRREM1 = ")
                 + SqlText::quoted(amountInWords(FEEAMOUNT_))
                 + QStringLiteral(" WHERE BILLNUMBER = ") + bill);
    receipt.commit();
}

void DEPOSITCLASS::InsertMoneyInWord(std::int16_t SNx)
{
    DataAccess::guarded(Label::Silent, [&] {
        const QString receipt = number(SNx);
        common_.TOTAL = db_.connectAndRun(QStringLiteral("select sum(FEEAMOUNT) from "
                                                         "DETAILSOFDEPOSITE where SN = ")
                                          + receipt)
                            .Fields(0)
                            .Value()
                            .toDouble();
        common_.TOTAL = rt::roundHalfEven(common_.TOTAL);
        db_.runOnCon(QStringLiteral("UPDATE DETAILSOFDEPOSITE SET STRREM1 = ")
                     + SqlText::quoted(amountInWords(common_.TOTAL))
                     + QStringLiteral(" WHERE SN = ") + receipt);
        db_.closeCon();
    });
}

std::int16_t DEPOSITCLASS::FINDLAST()
{
    return DataAccess::nextSerial([&]() -> ado::Recordset & {
        return db_.connectAndRun(QStringLiteral("select max(sn) from DETAILSOFDEPOSITE"));
    });
}

std::int16_t DEPOSITCLASS::FINDLASTwithstart()
{
    return FINDLAST();
}

std::int16_t DEPOSITCLASS::FINDLASTFORLASTYEAR()
{
    return DataAccess::nextSerial([&]() -> ado::Recordset & {
        return DataAccess::runOnModuleRecordset(
            QStringLiteral("select max(sn) from DETAILSOFDEPOSITE"), common_.str, common_.Rs);
    });
}

bool DEPOSITCLASS::AssignToVariable(forms::Control &, forms::Control &DATEOFDEPOSITE,
                                    forms::Control &CHEQUEORCASH, forms::Control &CHEQUEN,
                                    forms::Control &BANKNAME, forms::Control &REMARK)
{
    return DataAccess::copyFromControls([&] {
        DATEOFDEPOSITE_ = DATEOFDEPOSITE.Value().toDate();
        CHEQUEORCASH_ = CHEQUEORCASH.Text().toString();
        CHEQUEN_ = CHEQUEN.Text().toString();
        BANKNAME_ = BANKNAME.Text().toString();
        REMARK_ = REMARK.Text().toString();
        setUnused(QDate::currentDate());
    });
}

bool DEPOSITCLASS::AssigntToOBJECT(forms::Control &DATEOFDEPOSITE, forms::Control &BILLNUMBER,
                                   forms::Control &BILLDATE, forms::Control &BILLMONTH,
                                   forms::Control &BILLYEAR, forms::Control &MEMBERNUMBER,
                                   forms::Control &MEMBERNAME, forms::Control &FLATNUMBER,
                                   forms::Control &FEETYPE, forms::Control &FEEAMOUNT,
                                   forms::Control &CHEQUEORCASH, forms::Control &CHEQUEN,
                                   forms::Control &BANKNAME, forms::Control &REMARK)
{
    // Each control with the column of its field; the line number is not shown.
    const std::array<std::pair<forms::Control *, std::size_t>, 14> shown = {{
        {&DATEOFDEPOSITE, 1}, {&BILLNUMBER, 2},   {&BILLDATE, 3},    {&BILLMONTH, 5},
        {&BILLYEAR, 6},       {&MEMBERNUMBER, 7}, {&MEMBERNAME, 8},  {&FLATNUMBER, 9},
        {&FEETYPE, 10},       {&FEEAMOUNT, 11},   {&CHEQUEORCASH, 12}, {&CHEQUEN, 13},
        {&BANKNAME, 14},      {&REMARK, 15},
    }};
    for (const auto &[control, column] : shown)
        DataAccess::skipFailure([&] {
            RecordColumns::toControl(*control, *this, DETAILSOFDEPOSITEColumns[column]);
        });
    return false;
}

// The first line becomes current only when read whole: a receipt with no line, or a
// Null, leaves the fields as they were.
bool DEPOSITCLASS::FindDETAILSOFDEPOSIT(std::int16_t SNx)
{
    DataAccess::guarded(Label::Silent, [&] {
        const ado::Recordset &rows = db_.connectAndRun(
            QStringLiteral("Select * from DETAILSOFDEPOSITE where sn = ") + number(SNx));
        // From the bill number to the remark.
        line() = RecordColumns::readRow(rows, std::span(DETAILSOFDEPOSITEColumns).subspan(2, 14),
                                        line());
        db_.closeCon();
    });
    return false;
}

bool DEPOSITCLASS::FindDETAILSOFBILL(std::int16_t SNx)
{
    DataAccess::guarded(Label::Description, [&] {
        const ado::Recordset &rows =
            db_.connectAndRun(QStringLiteral("Select * from BILLX where sn = ") + number(SNx));
        line() = RecordColumns::readRow(rows, BillLinePaidColumns, line());
        db_.closeCon();
    });
    return false;
}

bool DEPOSITCLASS::InsertIntoDETAILSOFDEPOSITE()
{
    DataAccess::guarded(Label::Description, [&] {
        common_.connect();
        db_.runOnCon(lineInsert(FINDLAST(), STRREM2_));
        forms::MsgBox(QStringLiteral("ENTERED"), forms::vbOKOnly, QStringLiteral("Flat Detail"));
        db_.closeCon();
    });
    return false;
}

bool DEPOSITCLASS::DELETEDETAILSOFDEPOSITE(std::int16_t SNx)
{
    if (DataAccess::deleteRows([&] {
            db_.connectAndRun(QStringLiteral("Delete * from DETAILSOFDEPOSITE WHERE SN = ")
                              + number(SNx));
        }))
        db_.closeCon();
    return false;
}

void DEPOSITCLASS::FillDETAILSOFDEPOSITENum(forms::Control &CMB)
{
    db_.fillOverCon(CMB,
                    QStringLiteral("Select distinct(SN) from DETAILSOFDEPOSITE ORDER BY SN DESC"),
                    QStringLiteral("SN"));
}

double DEPOSITCLASS::FindDEPOSITEVALUE(forms::Control &TYPEOFDEPOSITE)
{
    return DataAccess::valueOr(0.0, [&] {
        return FindDEPOSITEVALUEFORLST(TYPEOFDEPOSITE.Text().toString());
    });
}

double DEPOSITCLASS::FindDEPOSITEVALUEFORLST(const QString &TYPEOFDEPOSITE)
{
    return DataAccess::valueOr(0.0, [&] {
        const double value =
            db_.connectAndRun(chargeTypeQuery(QStringLiteral("DEPOSITEVALUE"), TYPEOFDEPOSITE))
                .Fields(0)
                .Value()
                .toDouble();
        db_.closeCon();
        return value;
    });
}

bool DEPOSITCLASS::FindDEPOSITEDATA(forms::Control &TYPEOFDEPOSITE,
                                    forms::Control &DURATIONOFDEPOSITE,
                                    forms::Control &DEPOSITEVALUE)
{
    DataAccess::guarded(Label::Description, [&] {
        const ado::Recordset &rows = db_.connectAndRun(
            chargeTypeQuery(QStringLiteral("DURATIONOFDEPOSITE,DEPOSITEVALUE"),
                            TYPEOFDEPOSITE.Text().toString()));
        DURATIONOFDEPOSITE.setText(
            rows.Fields(QStringLiteral("DURATIONOFDEPOSITE")).Value().toString());
        DEPOSITEVALUE.setText(rows.Fields(QStringLiteral("DEPOSITEVALUE")).Value().toString());
        db_.closeCon();
    });
    return false;
}

void DEPOSITCLASS::FillTypesofDeposit(forms::Control &CMB)
{
    db_.fillOverCon(CMB,
                    QStringLiteral("Select TYPEOFDEPOSITE from TYPEDEPOSITE ORDER BY "
                                   "TYPEOFDEPOSITE ASC"),
                    QStringLiteral("TYPEOFDEPOSITE"));
}

// A list box is filled with the first column of every row and left with nothing
// selected.
void DEPOSITCLASS::listFirstColumn(forms::Control &Lst, const QString &sql)
{
    ado::Recordset &rows = db_.connectAndRun(sql);
    while (!rows.Eof()) {
        Lst.AddItem(rows.Fields(0).Value().toString());
        rows.MoveNext();
    }
    db_.closeCon();
}

void DEPOSITCLASS::FillTypesofCHARGES(forms::Control &Lst)
{
    Lst.Clear();
    listFirstColumn(Lst, QStringLiteral("Select TYPEOFDEPOSITE AS CHARGES,DEPOSITEVALUE AS AMOUNT "
                                        "from TYPEDEPOSITE WHERE DURATIONOFDEPOSITE = 1 ORDER "
                                        "BY TYPEOFDEPOSITE ASC"));
}

void DEPOSITCLASS::FillTypesofCHARGESAsAssigned(forms::Control &Lst, forms::Control &MEMBERNUM)
{
    Lst.Clear();
    DataAccess::guarded(Label::Silent, [&] {
        listFirstColumn(Lst,
                        QStringLiteral("Select CHARGETYPE from MEMBERCHARGETYPE WHERE "
                                       "MEMBERNUMBER = ")
                            + SqlText::bareNumber(MEMBERNUM.Text().toString()));
    });
}

void DEPOSITCLASS::FillTypesofCHARGESAll(forms::Control &Lst)
{
    Lst.Clear();
    listFirstColumn(Lst, QStringLiteral("Select TYPEOFDEPOSITE AS CHARGES,DEPOSITEVALUE AS AMOUNT "
                                        "from TYPEDEPOSITE ORDER BY TYPEOFDEPOSITE ASC"));
}

double DEPOSITCLASS::paidSum(forms::Control &Membernumberx, const QDate &from, const QDate &to)
{
    return DataAccess::sumOf(DataAccess::runOnModuleRecordset(
        QStringLiteral("Select sum(FEEAMOUNT) from DETAILSOFDEPOSITE where MEMBERNUMBER = ")
        + SqlText::bareNumber(Membernumberx.defaultProperty().toString())
        + QStringLiteral(" And DATEOFDEPOSITE >= ") + SqlText::date(from)
        + QStringLiteral(" And DATEOFDEPOSITE <= ") + SqlText::date(to)));
}

double DEPOSITCLASS::FindDepositAmountOfMember(forms::Control &Membernumberx, const QDate &DTP1,
                                               const QDate &DTP2)
{
    return DataAccess::valueOr(0.0, [&] { return paidSum(Membernumberx, DTP1, DTP2); });
}

double DEPOSITCLASS::GetBalanceOfMemberAndUpdate(std::int16_t BillN,
                                                 forms::Control &Membernumberx,
                                                 const QDate &DTP1, const QDate &DTP2)
{
    std::optional<double> balance;
    DataAccess::guarded(Label::Silent, [&] {
        const double billed = BILLCLASS::billedSum(Membernumberx, DTP1, DTP2, BillN);
        balance = billed - paidSum(Membernumberx, DTP1, DTP2);
    });
    // A sum that could not be read says nothing of the balance: the bill keeps its own.
    if (balance)
        DataAccess::runOnModuleRecordset(BILLCLASS::dueAmountUpdate(BillN, *balance));
    return 0;
}

bool DEPOSITCLASS::UpdateOutStandingAount(std::int16_t BillN, double DueAmount)
{
    DataAccess::guarded(Label::Description, [&] {
        DataAccess::runOnModuleRecordset(BILLCLASS::dueAmountUpdate(BillN, DueAmount));
    });
    return false;
}

// The unpaid bills come from the shared connection, read whole before the first line
// is written; their lines go in on Con, in one transaction.
void DEPOSITCLASS::DepositOldBill(forms::Control &CMBMEMBERNUM, forms::Control &CMBBILL,
                                  forms::Control &DTP, forms::Control &CmbBy,
                                  forms::Control &txtcheque, forms::Control &txtbank,
                                  forms::Control &TXTREMARK, forms::Control &CHEQUEDATEE)
{
    DataAccess::guarded(Label::Silent, [&] {
        Module1::OpenConnection();
        ado::Recordset &bills = DataAccess::runOnModuleRecordset(
            QStringLiteral("Select Distinct(SN),MEMBERNAME ,FLATNUMBER  from BILLX WHERE SN NOT "
                           "IN (SELECT BILLNUMBER FROM DETAILSOFDEPOSITE) And MEMBERNUMBER = ")
            + SqlText::bareNumber(CMBMEMBERNUM.Text().toString()) + QStringLiteral(" And SN < ")
            + SqlText::bareNumber(CMBBILL.Text().toString()));
        common_.connect();
        Transaction receipt(common_.Con);
        for (; !bills.Eof(); bills.MoveNext()) {
            CMBBILL.setText(bills.Fields(0).Value().toString());
            insertBillLines(CMBBILL.Text().toInteger(), InLineOrder, DTP, CmbBy, txtcheque,
                            txtbank, TXTREMARK, CHEQUEDATEE);
        }
        receipt.commit();
    });
}

std::int16_t DEPOSITCLASS::FindBILLNUMBER(std::int16_t DepositNumber)
{
    return DataAccess::valueOr<std::int16_t>(0, [&] {
        const std::int16_t bill =
            db_.connectAndRun(QStringLiteral("Select BILLNUMBER from DETAILSOFDEPOSITE where sn = ")
                              + number(DepositNumber))
                .Fields(0)
                .Value()
                .toInteger();
        db_.closeCon();
        return bill;
    });
}

// Every statement of the carry-forward runs on the shared connection, so one
// transaction there holds all the members' lines, and each new receipt number counts
// the lines written before it. A sum that fails counts as 0; one that fails because the
// engine undid the transaction leaves the next statement refused, so no member's line
// is kept without the others.
void DEPOSITCLASS::InsertLastYeareData()
{
    Transaction carried(Module1::OpenSharedConnectionIfClosed());
    ado::Recordset &members = DataAccess::runOnModuleRecordset(
        QStringLiteral("Select Distinct(SN) from Memberx ORDER BY SN ASC"), Module1::SharedSql(),
        Module1::SharedRecordset4());
    for (; !members.Eof(); members.MoveNext())
        carryForward(members.Fields(0).Value());
    carried.commit();
}

// One receipt of its own holding the member's receipts minus bills of the period.
void DEPOSITCLASS::carryForward(const rt::Variant &memberNumber)
{
    const ado::Recordset &member = DataAccess::runOnModuleRecordset(
        QStringLiteral("Select NAMEX,WING,ACCO from Memberx where sn = ")
            + number(memberNumber.toInteger()),
        Module1::SharedSql(), Module1::SharedRecordset2());
    forms::PlainControl memberControl(memberNumber);
    const QDate &from = Module1::PeriodFromDate();
    const QDate &to = Module1::PeriodToDate();
    const QDate today = QDate::currentDate();

    SN_ = FINDLASTFORLASTYEAR();
    DATEOFDEPOSITE_ = today;
    BILLNUMBER_ = 0;
    BILLDATE_ = today;
    BILLSERIALNUMBER_ = 0;
    BILLMONTH_ = 3;
    BILLYEAR_ = rt::toInteger(to.year());
    MEMBERNUMBER_ = memberNumber.toInteger();
    MEMBERNAME_ = member.Fields(QStringLiteral("NAMEX")).Value().toString();
    FLATNUMBER_ = member.Fields(QStringLiteral("ACCO")).Value().toString();
    FEETYPE_ = LastYearBalance;
    const double paid = FindDepositAmountOfMember(memberControl, from, to);
    const double billed = bill().FindBILLAmountOfMember(memberControl, from, to);
    FEEAMOUNT_ = rt::roundHalfEven(paid - billed);
    CHEQUEORCASH_ = CHEQUEN_ = BANKNAME_ = Dash;
    REMARK_ = LastYearBalance;
    STRREM3_ = Dash;
    DataAccess::runOnModuleRecordset(lineInsert(SN_, Dash), Module1::SharedSql(),
                                     Module1::SharedRecordset3());
}
