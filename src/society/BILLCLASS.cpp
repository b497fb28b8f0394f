#include "society/BILLCLASS.h"

#include "data/Module1.h"
#include "data/SqlText.h"
#include "platform/forms/Control.h"
#include "platform/forms/DataGrid.h"
#include "platform/runtime/Conversions.h"
#include "society/DEPOSITCLASS.h"

#include <span>

namespace {

using Label = DataAccess::Label;

const QString LateCharge = QStringLiteral("LATE CHARGE");

double toCents(const rt::Variant &amount)
{
    return rt::roundHalfEven(amount.toDouble(), 2);
}

bool found(const QString &sql)
{
    return DataAccess::exists(DataAccess::runOnModuleRecordset(sql));
}

} // namespace

// Out of line, where DEPOSITCLASS is complete: the two classes hold each other.
BILLCLASS::BILLCLASS() = default;
BILLCLASS::~BILLCLASS() = default;

DEPOSITCLASS &BILLCLASS::deposit()
{
    return deposit_.get();
}

bool BILLCLASS::AssignToVariable(forms::Control &SN, forms::Control &DATEX,
                                 forms::Control &BILLMONTH, forms::Control &BILLYEAR,
                                 forms::Control &MEMBERNUMBER, forms::Control &MEMBERNAME,
                                 forms::Control &FLATNUMBER, forms::Control &WING,
                                 forms::Control &FEETYPE, forms::Control &FEEAMOUNT,
                                 forms::Control &DueAmount, forms::Control &REMARK)
{
    return DataAccess::copyFromControls([&] {
        SN_ = SN.Text().toInteger();
        DATEX_ = DATEX.Value().toDate();
        BILLMONTH_ = BILLMONTH.Text().toInteger();
        BILLYEAR_ = BILLYEAR.Text().toInteger();
        MEMBERNUMBER_ = MEMBERNUMBER.Text().toInteger();
        MEMBERNAME_ = MEMBERNAME.Text().toString();
        FLATNUMBER_ = FLATNUMBER.Text().toString();
        FEETYPE_ = FEETYPE.Text().toString();
        FEEAMOUNT_ = toCents(FEEAMOUNT.Text());
        DUEAMOUNT_ = toCents(DueAmount.Text());
        REMARK_ = REMARK.Text().toString();
        const QString wing = WING.Text().toString();
        setUnused(QDate::currentDate());
        STRREM1_ = wing;
    });
}

bool BILLCLASS::AssigntToOBJECT(forms::Control &SN, forms::Control &DATEX,
                                forms::Control &BILLMONTH, forms::Control &BILLYEAR,
                                forms::Control &MEMBERNUMBER, forms::Control &MEMBERNAME,
                                forms::Control &FLATNUMBER, forms::Control &FEETYPE,
                                forms::Control &FEEAMOUNT, forms::Control &DueAmount,
                                forms::Control &REMARK)
{
    const auto number = [](double value) { return rt::generalNumberText(value); };
    DataAccess::skipFailure([&] { SN.setText(number(SN_)); });
    DataAccess::skipFailure([&] { DATEX.setValue(DATEX_); });
    DataAccess::skipFailure([&] { BILLMONTH.setText(number(BILLMONTH_)); });
    DataAccess::skipFailure([&] { BILLYEAR.setText(number(BILLYEAR_)); });
    DataAccess::skipFailure([&] { MEMBERNUMBER.setText(number(MEMBERNUMBER_)); });
    DataAccess::skipFailure([&] { MEMBERNAME.setText(MEMBERNAME_); });
    DataAccess::skipFailure([&] { FLATNUMBER.setText(FLATNUMBER_); });
    DataAccess::skipFailure([&] { FEETYPE.setText(FEETYPE_); });
    DataAccess::skipFailure([&] { FEEAMOUNT.setText(number(FEEAMOUNT_)); });
    DataAccess::skipFailure([&] { DueAmount.setText(number(DUEAMOUNT_)); });
    DataAccess::skipFailure([&] { REMARK.setText(REMARK_); });
    return false;
}

std::int16_t BILLCLASS::FINDLAST()
{
    return DataAccess::nextSerial([&]() -> ado::Recordset & {
        return db_.connectAndRun(QStringLiteral("select max(sn) from BILLX"));
    });
}

std::int16_t BILLCLASS::FINDLASTWITHINCREMENT()
{
    return FINDLAST();
}

std::int16_t BILLCLASS::FINDLASTwithstart()
{
    return FINDLAST();
}

std::int16_t BILLCLASS::FINDLASTSERIALNUMBER()
{
    return DataAccess::nextSerial([&]() -> ado::Recordset & {
        return db_.connectAndRun(
            QStringLiteral("select max(BILLSERIALNUMBER) from BILLX WHERE sn = ")
            + SqlText::number(SN_));
    });
}

bool BILLCLASS::FINDBILLEXIXST(const rt::Variant &sn)
{
    return DataAccess::valueOr(false, [&] {
        Module1::OpenConnection();
        return DataAccess::exists(DataAccess::runOnModuleRecordset(
            QStringLiteral("select BILLSERIALNUMBER from BILLX WHERE sn = ")
                + SqlText::bareNumber(sn.toString()),
            common_.str));
    });
}

bool BILLCLASS::billLineExists(const QString &sql)
{
    return DataAccess::valueOr(false, [&] { return DataAccess::exists(db_.connectAndRun(sql)); });
}

bool BILLCLASS::FINDBILLAlreadymade(std::int16_t BILLMONTHX, std::int16_t BILLYEARX,
                                    std::int16_t Membernumberx)
{
    return billLineExists(QStringLiteral("select BILLSERIALNUMBER from BILLX WHERE BILLMONTH = ")
                          + SqlText::number(BILLMONTHX) + QStringLiteral(" AND BILLYEAR = ")
                          + SqlText::number(BILLYEARX) + QStringLiteral(" AND MEMBERNUMBER = ")
                          + SqlText::number(Membernumberx));
}

bool BILLCLASS::FINDBILLAlreadymadeFORAuto(std::int16_t BILLMONTHX, std::int16_t BILLYEARX,
                                           std::int16_t Membernumberx, const QString &FEETYPE)
{
    return billLineExists(QStringLiteral("select SN from BILLX WHERE BILLMONTH = ")
                          + SqlText::number(BILLMONTHX) + QStringLiteral(" AND BILLYEAR = ")
                          + SqlText::number(BILLYEARX) + QStringLiteral(" AND MEMBERNUMBER = ")
                          + SqlText::number(Membernumberx) + QStringLiteral(" AND FEETYPE = ")
                          + SqlText::quoted(FEETYPE));
}

bool BILLCLASS::InsertIntoBILL()
{
    DataAccess::guarded(Label::Description, [&] {
        common_.connect();
        QStringList values = RecordColumns::sqlValues(*this, BILLXColumns);
        values[2] = SqlText::number(FINDLASTSERIALNUMBER()); // not BILLSERIALNUMBER_
        db_.runOnCon(RecordColumns::insertStatement(QStringLiteral("BILLX"), values));
        db_.closeCon();
    });
    return false;
}

bool BILLCLASS::DELETEBILLDetail(std::int16_t SNx)
{
    if (DataAccess::deleteRows([&] {
            db_.connectAndRun(QStringLiteral("Delete * from BILLX WHERE SN = ")
                              + SqlText::number(SNx));
        }))
        db_.closeCon();
    return false;
}

bool BILLCLASS::DELETEBILLSERIAL(std::int16_t BILLNUMBER, std::int16_t BillSerial)
{
    if (DataAccess::deleteRows([&] {
            db_.connectAndRun(QStringLiteral("Delete * from BILLX WHERE SN = ")
                              + SqlText::number(BILLNUMBER)
                              + QStringLiteral(" AND BILLSERIALNUMBER = ")
                              + SqlText::number(BillSerial));
        }))
        db_.closeCon();
    return false;
}

// The first line the query gives becomes current only when it has been read whole (all
// but its line number): a bill with no line, or a Null, leaves the fields as they were.
bool BILLCLASS::FindBILL(std::int16_t SN)
{
    DataAccess::guarded(Label::Silent, [&] {
        const ado::Recordset &rows =
            db_.connectAndRun(QStringLiteral("Select * from BILLX where sn = ") + SqlText::number(SN));
        const std::span columns(BILLXColumns);
        const BillxRecord bill = RecordColumns::readRow(rows, columns.first(2), line());
        line() = RecordColumns::readRow(rows, columns.subspan(3), bill);
        db_.closeCon();
    });
    return false;
}

bool BILLCLASS::FindBILLNAMEFLAT(forms::Control &SN, forms::Control &DATEX,
                                 forms::Control &MEMBERNUMBER, forms::Control &MEMBERNAME,
                                 forms::Control &FLATNUMBER)
{
    DataAccess::guarded(Label::Silent, [&] {
        const ado::Recordset &rows =
            db_.connectAndRun(QStringLiteral("Select * from BILLX where sn = ")
                              + SqlText::bareNumber(SN.Text().toString()));
        DATEX.setValue(rows.Fields(QStringLiteral("DATEX")).Value());
        MEMBERNUMBER.setText(rows.Fields(QStringLiteral("MEMBERNUMBER")).Value().toString());
        MEMBERNAME.setText(rows.Fields(QStringLiteral("MEMBERNAME")).Value().toString());
        FLATNUMBER.setText(rows.Fields(QStringLiteral("FLATNUMBER")).Value().toString());
        db_.closeCon();
    });
    return false;
}

void BILLCLASS::FillBILLNum(forms::Control &CMB)
{
    db_.fillOverCon(CMB, QStringLiteral("Select DISTINCT(SN) from BILLX ORDER BY SN DESC"),
                    QStringLiteral("SN"));
}

// The grid keeps rows of its own, bound even when the bill has no line, so neither a
// later statement of this object nor an empty bill leaves another bill's lines on show.
// Con stays open while the grid shows them.
void BILLCLASS::ShowBILLData(forms::DataGrid &DG, forms::Control &SN)
{
    common_.connect();
    ado::Recordset lines;
    lines.clearActiveConnection();
    lines.setCursorLocation(ado::adUseClient);
    DataAccess::guarded(Label::Silent, [&] {
        common_.str = QStringLiteral("Select BILLSERIALNUMBER AS SERIAL,FEETYPE AS CHARGE_TYPE,"
                                     "FEEAMOUNT AS AMOUNT from BILLX where SN = ")
                      + SqlText::bareNumber(SN.Text().toString());
        lines.Open(common_.str, common_.Con, ado::adOpenKeyset, ado::adLockUnspecified,
                   ado::adCmdText);
        if (DataAccess::exists(lines))
            lines.MoveLast();
        DG.setDataSource(lines);
    });
}

double BILLCLASS::billedSum(forms::Control &Membernumberx, const QDate &from, const QDate &to,
                            std::optional<std::int16_t> exceptBill)
{
    QString sql = QStringLiteral("Select sum(FEEAMOUNT) from BILLX where MEMBERNUMBER = ")
                  + SqlText::bareNumber(Membernumberx.defaultProperty().toString())
                  + QStringLiteral(" And DATEX >= ") + SqlText::date(from)
                  + QStringLiteral(" And DATEX <= ") + SqlText::date(to);
    if (exceptBill)
        sql += QStringLiteral(" And SN <> ") + SqlText::number(*exceptBill);
    return DataAccess::sumOf(DataAccess::runOnModuleRecordset(sql));
}

double BILLCLASS::FindBILLAmountOfMember(forms::Control &Membernumberx, const QDate &,
                                         const QDate &)
{
    return DataAccess::valueOr(0.0, [&] {
        return billedSum(Membernumberx, Module1::PeriodFromDate(), Module1::PeriodToDate(),
                         std::nullopt);
    });
}

double BILLCLASS::FindBILLAmountOfMemberExceptThisBill(std::int16_t BillN,
                                                       forms::Control &Membernumberx,
                                                       const QDate &DTP1, const QDate &DTP2)
{
    return DataAccess::valueOr(0.0, [&] { return billedSum(Membernumberx, DTP1, DTP2, BillN); });
}

QString BILLCLASS::dueAmountUpdate(std::int16_t BillN, double DueAmount)
{
    return QStringLiteral("UPDATE Billx SET DUEAMOUNT = ") + SqlText::number(DueAmount)
           + QStringLiteral(" WHERE SN = ") + SqlText::number(BillN);
}

bool BILLCLASS::UpdateOutStandingAount(std::int16_t BillN, double DueAmount)
{
    Module1::OpenConnection();
    deposit().UpdateOutStandingAount(BillN, DueAmount);
    Module1::CloseSharedConnection();
    return false;
}

bool BILLCLASS::UpdateAdvanceAmount(forms::Control &Membernumberx, std::int16_t BillN)
{
    Module1::OpenConnection();
    DataAccess::guarded(Label::Description, [&] {
        const QDate &from = Module1::PeriodFromDate();
        const QDate &to = Module1::PeriodToDate();
        const double billed = FindBILLAmountOfMember(Membernumberx, from, to);
        const double paid = deposit().FindDepositAmountOfMember(Membernumberx, from, to);
        DataAccess::runOnModuleRecordset(QStringLiteral("UPDATE Billx SET INTREM1 = ")
                                         + SqlText::number(paid - billed)
                                         + QStringLiteral(" WHERE SN = ")
                                         + SqlText::number(BillN));
    });
    Module1::CloseSharedConnection();
    return false;
}

// The percentage that the late-fee setting keeps in the one row of gen; 0 without one.
double BILLCLASS::lateFeePercentage()
{
    const ado::Recordset &setting = DataAccess::runOnModuleRecordset(QStringLiteral("select * from gen"));
    return setting.Eof() ? 0 : setting.Fields(0).Value().toDouble();
}

// Every statement runs on the shared recordset, which the steps open once at most, so
// the member's last bill stays in DsnResult throughout.
bool BILLCLASS::CHECKLASTBILLNumDeposited(forms::Control &SNx, forms::Control &MEMBERNUM)
{
    bool covered = false;
    DataAccess::guarded(Label::Silent, [&] {
        const QString member = SqlText::bareNumber(MEMBERNUM.Text().toString());
        const QString upTo = SqlText::bareNumber(SNx.Text().toString());
        const rt::Variant highest =
            DataAccess::runOnModuleRecordset(
                QStringLiteral("SELECT MAX(SN) FROM BILLX WHERE MEMBERNUMBER = ") + member
                + QStringLiteral(" AND SN <= ") + upTo)
                .Fields(0)
                .Value();
        Module1::DsnResult() = highest.isNull() ? std::int16_t(0) : highest.toInteger();
        const std::int16_t lastBill = Module1::DsnResult().toInteger();
        const QString last = SqlText::number(lastBill);
        if (found(QStringLiteral("SELECT FEETYPE FROM BILLX WHERE SN = ") + last
                  + QStringLiteral(" AND FEETYPE = 'LATE CHARGE'")))
            return;
        if (found(QStringLiteral("SELECT BILLNUMBER FROM DETAILSOFDEPOSITE WHERE BILLNUMBER = ")
                  + last))
            return;
        const QDate &from = Module1::PeriodFromDate();
        const QDate &to = Module1::PeriodToDate();
        const double unpaid = DataAccess::sumOf(DataAccess::runOnModuleRecordset(
            QStringLiteral("Select sum(FEEAMOUNT) from BILLX where MEMBERNUMBER = ") + member
            + QStringLiteral(" And DATEX >= ") + SqlText::date(from)
            + QStringLiteral(" And DATEX <= ") + SqlText::date(to) + QStringLiteral(" AND SN <= ")
            + upTo + QStringLiteral(" And SN NOT IN (SELECT BILLNUMBER FROM DETAILSOFDEPOSITE)")));
        const double paid = deposit().FindDepositAmountOfMember(MEMBERNUM, from, to);
        if (paid > unpaid) {
            covered = true;
            return;
        }
        const ado::Recordset &entered = DataAccess::runOnModuleRecordset(
            QStringLiteral("SELECT DATEREM1 FROM BILLX WHERE SN = ") + last);
        const QDate lastEntry = entered.Eof() || entered.Fields(0).Value().isNull()
                                    ? QDate::currentDate()
                                    : entered.Fields(0).Value().toDate();
        if (DATEX_ > lastEntry
            && !found(QStringLiteral("SELECT FEETYPE FROM BILLX WHERE MEMBERNUMBER = ") + member
                      + QStringLiteral(" AND SN = ") + last
                      + QStringLiteral(" And FEETYPE = 'LATE FEE'")))
            addLateCharge(lastBill, MEMBERNUM, unpaid);
    });
    return covered;
}

// The next line of the bill, dated today, charging the late-fee percentage of what is
// unpaid; the other fields go in as the object holds them.
void BILLCLASS::addLateCharge(std::int16_t bill, forms::Control &MEMBERNUM, double unpaid)
{
    const double percentage = lateFeePercentage();
    SN_ = bill;
    DATEX_ = QDate::currentDate();
    MEMBERNUMBER_ = MEMBERNUM.Text().toInteger();
    FEETYPE_ = LateCharge;
    FEEAMOUNT_ = rt::roundHalfEven(unpaid * percentage / 100, 2);
    InsertIntoBILL();
}

bool BILLCLASS::AssignToVariableWithLateFee(std::int16_t SN)
{
    SN_ = SN;
    FEETYPE_ = LateCharge;
    DataAccess::guarded(Label::Silent, [&] { FEEAMOUNT_ = GETLATEFEE(SN); });
    return false;
}

double BILLCLASS::GETLATEFEE(std::int16_t SNx)
{
    const std::int16_t next = rt::toInteger(SNx + 1.0);
    Module1::OpenConnection();
    const double total =
        DataAccess::runOnModuleRecordset(QStringLiteral("select sum(FEEAMOUNT) from BILLX WHERE sn = ")
                                             + SqlText::number(next),
                                         common_.str, common_.Rs)
            .Fields(0)
            .Value()
            .toDouble();
    const double fee = total * lateFeePercentage() / 100;
    Module1::CloseSharedConnection();
    return fee;
}

std::int16_t BILLCLASS::GetLastBillOfMember(forms::Control &MEMBERNUM)
{
    return DataAccess::valueOr<std::int16_t>(0, [&] {
        return DataAccess::runOnModuleRecordset(
                   QStringLiteral("SELECT MAX(SN) FROM BILLX WHERE MEMBERNUMBER = ")
                   + SqlText::bareNumber(MEMBERNUM.Text().toString()))
            .Fields(0)
            .Value()
            .toInteger();
    });
}
