#include "reports/CRClass.h"

#include "data/CommonClass.h"
#include "platform/forms/Control.h"
#include "society/DEPOSITCLASS.h"
#include "reports/FormulaText.h"

namespace {

using FormulaText::dateRange;
using FormulaText::equalsNumber;
using FormulaText::equalsText;

const QString BillOfMember = QStringLiteral("\\BillOfMember.rpt");
const QString BillAll = QStringLiteral("\\Billall.rpt");
const QString BillFile = QStringLiteral("\\Bill.rpt");
const QString DepositDetailFile = QStringLiteral("\\DEPOSITEDETAIL.rpt");
const QString MemberDepositReport = QStringLiteral("\\MemberDepositReport.rpt");
const QString MemberDetailFile = QStringLiteral("\\MEMBERDETAIL.rpt");
const QString ReceiptAll = QStringLiteral("\\ReceiptALL.rpt");
const QString ExpenditureFile = QStringLiteral("\\EXPENDITURE.rpt");
const QString DocumentReport = QStringLiteral("\\DOCUMENTREPORT.rpt");
const QString BankReport = QStringLiteral("\\BANKREPORT.rpt");
const QString ComplainFile = QStringLiteral("\\complain.rpt");

const QString BillMember = QStringLiteral("{Billx.MEMBERNAME}");
const QString DepositDate = QStringLiteral("{DETAILSOFDEPOSITE.DATEOFDEPOSITE}");
const QString MemberName = QStringLiteral("{MEMBERX.Namex}");
const QString BankEntryDate = QStringLiteral("{BANK.DATEOFENTRY}");
const QString ComplaintDate = QStringLiteral("{complain.DATEREM2}");
const QString NotACredit = QStringLiteral("{EXPENDITURE.STRREM1} <> 'CREDIT'");

// Two conditions joined as most of the reports' formulas join them.
QString both(const QString &first, const QString &second)
{
    return first + QStringLiteral(" And ") + second;
}

QString text(const forms::Control &control)
{
    return control.Text().toString();
}

// A member's receipts over a range of deposit dates.
ReportLaunch::Filter memberDeposits(const QString &Memberx, forms::Control &DTP1,
                                    forms::Control &DTP2)
{
    return [&] {
        return both(equalsText(MemberName, Memberx), dateRange(DepositDate, DTP1, DTP2));
    };
}

ReportLaunch::Filter depositsBetween(forms::Control &DTP1, forms::Control &DTP2)
{
    return [&] { return dateRange(DepositDate, DTP1, DTP2); };
}

ReportLaunch::Filter expenditureOfType(const QString &ExType)
{
    return [&] {
        return both(equalsText(QStringLiteral("{EXPENDITURE.EXPENDITURETYPE}"), ExType),
                    NotACredit);
    };
}

ReportLaunch::Filter complaintsBetween(const QString &field, const QString &value,
                                       forms::Control &DTP1, forms::Control &DTP2)
{
    return [&, field] {
        return both(equalsText(field, value), dateRange(ComplaintDate, DTP1, DTP2));
    };
}

// A formula field the report shows beside its rows, with its value computed when its
// slot is written.
struct ExtraFormula {
    QString name;
    std::function<QString()> value;
};

// The usual launch with slots 4 and 5 written after the headers and emptied after the
// run, so that the next report on the control does not inherit them. A failure before
// the end of the run leaves them as written.
rt::Variant withSlots4And5(report::ReportControl &CR, const QString &reportFile,
                           const ExtraFormula &slot4, const ExtraFormula &slot5,
                           const ReportLaunch::Filter &filter)
{
    return ReportLaunch::guarded(CR, [&](ReportLaunch &step) {
        step.emptySelection();
        step.headers();
        step.formula(4, slot4.name, slot4.value());
        step.formula(5, slot5.name, slot5.value());
        step.selection(filter());
        step.reportFile(reportFile);
        step.run();
        step.clearFormula(4);
        step.clearFormula(5);
    });
}

} // namespace

CRClass::CRClass() = default;

CRClass::~CRClass() = default;

CommonClass &CRClass::common()
{
    return common_.get();
}

DEPOSITCLASS &CRClass::receipts()
{
    return receipts_.get();
}

void CRClass::runOnOwnConnection(ReportLaunch &step)
{
    step.connection(common().Con.ConnectionString);
    step.numericSettings();
    step.run();
}

rt::Variant CRClass::billsOfMember(report::ReportControl &CR, const QString &reportFile,
                                   const QString &Memberx, forms::Control &DTP1,
                                   forms::Control &DTP2)
{
    return ReportLaunch::guarded(CR, [&](ReportLaunch &step) {
        step.headers();
        step.reportFile(reportFile);
        step.emptySelection();
        step.selection(both(equalsText(BillMember, Memberx),
                            dateRange(QStringLiteral("{Billx.DATEx}"), DTP1, DTP2)));
        runOnOwnConnection(step);
    });
}

rt::Variant CRClass::connectedFirst(report::ReportControl &CR, const QString &reportFile,
                                    const ReportLaunch::Filter &filter)
{
    return ReportLaunch::guarded(CR, [&](ReportLaunch &step) {
        common().connect(); // a failure is shown by connect; the report runs all the same
        step.connection(common().Con.ConnectionString);
        step.usualSteps(reportFile, filter);
    });
}

rt::Variant CRClass::NeedToDeposit(report::ReportControl &CR, const QString &Memberx,
                                   forms::Control &DTP1, forms::Control &DTP2)
{
    return billsOfMember(CR, BillOfMember, Memberx, DTP1, DTP2);
}

rt::Variant CRClass::BillShort(report::ReportControl &CR, const QString &Memberx,
                               forms::Control &DTP1, forms::Control &DTP2)
{
    return billsOfMember(CR, QStringLiteral("\\BillOfMemberDetail.rpt"), Memberx, DTP1, DTP2);
}

rt::Variant CRClass::BILLREPORT(report::ReportControl &CR)
{
    return ReportLaunch::guarded(CR, [&](ReportLaunch &step) {
        step.reportFile(BillOfMember);
        step.emptySelection();
        step.headers();
        runOnOwnConnection(step);
    });
}

rt::Variant CRClass::DepositDetail(report::ReportControl &CR, const QString &Memberx,
                                   forms::Control &DTP1, forms::Control &DTP2)
{
    return ReportLaunch::usual(CR, DepositDetailFile, memberDeposits(Memberx, DTP1, DTP2));
}

rt::Variant CRClass::MemberDepositDetail(report::ReportControl &CR, const QString &Memberx,
                                         forms::Control &DTP1, forms::Control &DTP2)
{
    return ReportLaunch::usual(CR, MemberDepositReport, memberDeposits(Memberx, DTP1, DTP2));
}

rt::Variant CRClass::MemberDepositDetailShort(report::ReportControl &CR, const QString &Memberx,
                                              forms::Control &DTP1, forms::Control &DTP2)
{
    return ReportLaunch::usual(CR, QStringLiteral("\\DEPOSIT.rpt"),
                               memberDeposits(Memberx, DTP1, DTP2));
}

rt::Variant CRClass::MemberDepositDetailALL(report::ReportControl &CR)
{
    return ReportLaunch::usual(CR, MemberDepositReport);
}

rt::Variant CRClass::All(report::ReportControl &CR, forms::Control &DTP1, forms::Control &DTP2)
{
    return ReportLaunch::usual(CR, DepositDetailFile, depositsBetween(DTP1, DTP2));
}

rt::Variant CRClass::AsDate(report::ReportControl &CR, forms::Control &DTP1,
                            forms::Control &DTP2)
{
    return ReportLaunch::usual(CR, QStringLiteral("\\DepositReport.rpt"),
                               depositsBetween(DTP1, DTP2));
}

rt::Variant CRClass::MemberList(report::ReportControl &CR)
{
    return connectedFirst(CR, QStringLiteral("\\member.rpt"));
}

rt::Variant CRClass::MemberDetail(report::ReportControl &CR, const QString &NAMEX)
{
    return connectedFirst(CR, MemberDetailFile, [&] { return equalsText(MemberName, NAMEX); });
}

rt::Variant CRClass::ShowMemerReport(report::ReportControl &CR, forms::Control &MEMBERNUM,
                                     forms::Control &DTP1, forms::Control &DTP2)
{
    return withSlots4And5(
        CR, QStringLiteral("\\MEMBERACCOUNT.rpt"),
        {QStringLiteral("date1"), [&] { return DTP1.Value().toString(); }},
        {QStringLiteral("date2"), [&] { return DTP2.Value().toString(); }}, [&] {
            // Two blanks before the equals sign: the statement's formula has always had them.
            return QStringLiteral("{TYMEMBER.MEMBERNUMBER}  = ") + text(MEMBERNUM)
                   + QStringLiteral(" AND ")
                   + dateRange(QStringLiteral("{TYMEMBER.DATEX}"), DTP1, DTP2);
        });
}

rt::Variant CRClass::OldMemberDetail(report::ReportControl &CR)
{
    return connectedFirst(CR, MemberDetailFile,
                          [] { return QStringLiteral("{MEMBERX.DOFLEAVING} <> '-'"); });
}

rt::Variant CRClass::ShowBillAsMember(report::ReportControl &CR, const QString &Memberx)
{
    return ReportLaunch::usual(CR, BillAll, [&] { return equalsText(BillMember, Memberx); });
}

rt::Variant CRClass::ShowBillAsMemberNotDeposited(report::ReportControl &CR,
                                                  const QString &Memberx,
                                                  std::int16_t NotdepositNumber)
{
    return ReportLaunch::usual(CR, BillAll, [&] {
        return both(equalsText(BillMember, Memberx),
                    equalsNumber(QStringLiteral("{Billx.SN}"), QString::number(NotdepositNumber)));
    });
}

// The number plays no part: the report shows all the member's bills.
rt::Variant CRClass::ShowBillAsMemberDeposited(report::ReportControl &CR, const QString &Memberx,
                                               std::int16_t /*DepositNumber*/)
{
    return ShowBillAsMember(CR, Memberx);
}

rt::Variant CRClass::ShowBillAsNumber(report::ReportControl &CR, std::int16_t Number)
{
    return ReportLaunch::usual(CR, BillFile, [&] {
        return equalsNumber(QStringLiteral("{Billx.SN}"), QString::number(Number));
    });
}

rt::Variant CRClass::ShowReceiptNumberASPERNUMBER(report::ReportControl &CR, std::int16_t Number)
{
    return ReportLaunch::guarded(CR, [&](ReportLaunch &step) {
        step.emptySelection();
        step.headers();
        step.selection(
            equalsNumber(QStringLiteral("{DETAILSOFDEPOSITE.SN}"), QString::number(Number)));
        const bool paysABill = receipts().FindBILLNUMBER(Number) != 0;
        step.reportFile(paysABill ? QStringLiteral("\\Receipt.rpt")
                                  : QStringLiteral("\\ReceiptAdvance.rpt"));
        step.run();
    });
}

rt::Variant CRClass::ShowReceiptNumber(report::ReportControl &CR)
{
    return ReportLaunch::usual(CR, ReceiptAll);
}

rt::Variant CRClass::ShowReceiptNumberAsDate(report::ReportControl &CR, forms::Control &DTP1,
                                             forms::Control &DTP2)
{
    return ReportLaunch::usual(CR, ReceiptAll, depositsBetween(DTP1, DTP2));
}

rt::Variant CRClass::ShowBill(report::ReportControl &CR)
{
    return ReportLaunch::usual(CR, BillFile);
}

rt::Variant CRClass::ShowExpenditure(report::ReportControl &CR, const QString &ExType)
{
    return ReportLaunch::usual(CR, ExpenditureFile, expenditureOfType(ExType));
}

// The type plays no part: the report shows every expenditure but the credits.
rt::Variant CRClass::ShowExpenditureAll(report::ReportControl &CR, const QString & /*ExType*/)
{
    return ReportLaunch::usual(CR, ExpenditureFile, [] { return NotACredit; });
}

rt::Variant CRClass::ShowExpenditureASType(report::ReportControl &CR, const QString &ExType)
{
    return ShowExpenditure(CR, ExType);
}

rt::Variant CRClass::ShowExpenditureASDate(report::ReportControl &CR, forms::Control &DTP1,
                                           forms::Control &DTP2)
{
    return ReportLaunch::usual(CR, ExpenditureFile, [&] {
        return dateRange(QStringLiteral("{expenditure.expendituredate}"), DTP1, DTP2);
    });
}

rt::Variant CRClass::ShowExpenditureCREDIT(report::ReportControl &CR)
{
    return ReportLaunch::usual(CR, QStringLiteral("\\EXPENDITURE_Credit.rpt"),
                               [] { return QStringLiteral("{EXPENDITURE.STRREM1} = 'CREDIT'"); });
}

rt::Variant CRClass::ShowDepositAsDate(report::ReportControl &CR)
{
    return ReportLaunch::usual(CR, QStringLiteral("\\DEPOSITAsDate.rpt"));
}

rt::Variant CRClass::ShowFLAT(report::ReportControl &CR)
{
    return ReportLaunch::usual(CR, QStringLiteral("\\FLAT.rpt"));
}

rt::Variant CRClass::ShowFLATrecord(report::ReportControl &CR, forms::Control &WING,
                                    forms::Control &Num)
{
    return ReportLaunch::usual(CR, QStringLiteral("\\FLATRECORD.rpt"), [&] {
        return equalsText(QStringLiteral("{MEMBERX.WING}"), text(WING)) + QStringLiteral(" AND ")
               + equalsText(QStringLiteral("{MEMBERX.ACCO}"), text(Num));
    });
}

rt::Variant CRClass::ShowEMPLOYEE(report::ReportControl &CR)
{
    return ReportLaunch::usual(CR, QStringLiteral("\\EMPLOYEE.rpt"));
}

rt::Variant CRClass::ShowEMPLOYEEASPERNAME(report::ReportControl &CR, forms::Control &NAMEX)
{
    return ReportLaunch::usual(CR, QStringLiteral("\\EMPLOYEEDETAIL.rpt"), [&] {
        return equalsText(QStringLiteral("{EMPLOYEE.NAMEX}"), text(NAMEX));
    });
}

rt::Variant CRClass::ShowDOCUMENTasperTOPIC(report::ReportControl &CR, forms::Control &TOPICX)
{
    return ReportLaunch::usual(CR, DocumentReport, [&] {
        return equalsText(QStringLiteral("{DOCUMENT.TOPIC}"), text(TOPICX));
    });
}

rt::Variant CRClass::ShowDOCUMENTALL(report::ReportControl &CR)
{
    return ReportLaunch::usual(CR, DocumentReport);
}

rt::Variant CRClass::ShowBankTransactionALL(report::ReportControl &CR, forms::Control &DTP1,
                                            forms::Control &DTP2)
{
    return ReportLaunch::usual(CR, BankReport, [&] {
        return dateRange(BankEntryDate, DTP1, DTP2);
    });
}

rt::Variant CRClass::ShowBankTransactionCORCASH(report::ReportControl &CR,
                                                const QString &CHEQUEORCASH,
                                                forms::Control &DTP1, forms::Control &DTP2)
{
    return ReportLaunch::usual(CR, BankReport, [&] {
        return equalsText(QStringLiteral("{BANK.CHEQUEORCASH}"), CHEQUEORCASH)
               + QStringLiteral(" AND ") + dateRange(BankEntryDate, DTP1, DTP2);
    });
}

rt::Variant CRClass::ShowDAILY(report::ReportControl &CR)
{
    return ReportLaunch::usual(CR, QStringLiteral("\\DailyReport.rpt"));
}

rt::Variant CRClass::BalanceSheet(report::ReportControl &CR)
{
    return ReportLaunch::usual(CR, QStringLiteral("\\BalanceSheetNew.rpt"));
}

rt::Variant CRClass::BalanceSheetbOTH(report::ReportControl &CR)
{
    return ReportLaunch::usual(CR, QStringLiteral("\\BALANCESHEETBoth.rpt"));
}

rt::Variant CRClass::RECANDEXACCOUNT(report::ReportControl &CR)
{
    return ReportLaunch::usual(CR, QStringLiteral("\\RecAndEx.rpt"));
}

rt::Variant CRClass::ShowTenant(report::ReportControl &CR)
{
    return ReportLaunch::usual(CR, QStringLiteral("\\TENANT.rpt"));
}

rt::Variant CRClass::ShowTENANTASPERFLAT(report::ReportControl &CR, forms::Control &NAMEX)
{
    return ReportLaunch::usual(CR, QStringLiteral("\\TENANTASPERFLAT.rpt"), [&] {
        return equalsText(QStringLiteral("{memberx.NAMEX}"), text(NAMEX));
    });
}

rt::Variant CRClass::ShowVehicle(report::ReportControl &CR)
{
    return ReportLaunch::usual(CR, QStringLiteral("\\Vehicle.rpt"));
}

rt::Variant CRClass::ShowCOMPLAINASPerGroup(report::ReportControl &CR, const QString &Groupx,
                                            forms::Control &DTP1, forms::Control &DTP2)
{
    return ReportLaunch::usual(
        CR, ComplainFile,
        complaintsBetween(QStringLiteral("{complain.Groupx}"), Groupx, DTP1, DTP2));
}

rt::Variant CRClass::ShowCOMPLAINASPerPosition(report::ReportControl &CR,
                                               const QString &Positionx, forms::Control &DTP1,
                                               forms::Control &DTP2)
{
    return ReportLaunch::usual(
        CR, ComplainFile,
        complaintsBetween(QStringLiteral("{complain.Positionx}"), Positionx, DTP1, DTP2));
}

rt::Variant CRClass::ShowAllComplainAsPerDate(report::ReportControl &CR, forms::Control &DTP1,
                                              forms::Control &DTP2)
{
    return ReportLaunch::usual(CR, ComplainFile,
                               [&] { return dateRange(ComplaintDate, DTP1, DTP2); });
}

rt::Variant CRClass::ShowDatabase(report::ReportControl &CR)
{
    return ReportLaunch::usual(CR, QStringLiteral("\\Information.rpt"));
}

rt::Variant CRClass::ShowCHARGESTYPE(report::ReportControl &CR)
{
    return ReportLaunch::usual(CR, QStringLiteral("\\MEMBERCHARGES.rpt"));
}

rt::Variant CRClass::ShowEXPENDITUREVOUCHER(report::ReportControl &CR, forms::Control &SNx)
{
    return ReportLaunch::usual(CR, QStringLiteral("\\EXPENDITUREVOUCHERGROUP.rpt"), [&] {
        return equalsNumber(QStringLiteral("{EXPENDITURE.SN}"), text(SNx));
    });
}

rt::Variant CRClass::ShowShareCertificate(report::ReportControl &CR, std::int16_t Number,
                                          std::int16_t minx, std::int16_t maxx)
{
    return withSlots4And5(
        CR, QStringLiteral("\\Sharex.rpt"),
        {QStringLiteral("minx"), [&] { return QString::number(minx); }},
        {QStringLiteral("maxx"), [&] { return QString::number(maxx); }}, [&] {
            return equalsNumber(QStringLiteral("{sharex.certificateN}"), QString::number(Number));
        });
}
