#include "reports/RecordingReportControl.h"
#include "support/ProgramFolderTest.h"

#include "data/Module1.h"
#include "platform/forms/PlainControl.h"
#include "platform/registry/Registry.h"
#include "platform/runtime/App.h"
#include "reports/CRClass.h"
#include "reports/ReportLaunch.h"

#include <QDate>
#include <QFile>
#include <QRegularExpression>
#include <functional>
#include <optional>
#include <vector>

using forms::MessageBoxRecord;

namespace {

const QString Folder = QStringLiteral("/opt/quilvane");
const QDate Jan5(2026, 1, 5), Apr1(2026, 4, 1), Mar31(2027, 3, 31);
const QString OneDay = QStringLiteral("{BANK.DATEOFENTRY} >= date(2026,1,5) and "
                                      "{BANK.DATEOFENTRY} <= date(2026,1,5)");
const QString Year = QStringLiteral("{BANK.DATEOFENTRY} >= date(2026,4,1) and "
                                    "{BANK.DATEOFENTRY} <= date(2027,3,31)");
const QStringList Headers = {"Formulas(0) = H1 = ''", "Formulas(1) = H2 = ''",
                             "Formulas(2) = H3 = ''", "Formulas(3) = H4 = ''"};

// What a launch in the usual order writes: without a formula the selection stays empty.
QStringList usualLaunch(const QString &folder, const QString &file, const QString &formula = {})
{
    QStringList writes = QStringList{"SelectionFormula = "} + Headers;
    if (!formula.isEmpty())
        writes << "SelectionFormula = " + formula;
    return writes + QStringList{"ReportFileName = " + folder + "\\" + file, "Action = 1"};
}

// What one launch of the bank report writes, in order.
QStringList bankLaunch(const QString &formula, const QString &folder = Folder)
{
    return usualLaunch(folder, QStringLiteral("BANKREPORT.rpt"), formula);
}

MessageBoxRecord errorBox(const QString &description)
{
    return {description, forms::vbOKOnly, 0, rt::App::Title()};
}

// One call of a bank operation: with a kind, ShowBankTransactionCORCASH; without,
// ShowBankTransactionALL. A null end date stands for a control that is no picker.
struct Launch {
    std::optional<QString> kind;
    QDate from;
    QDate to;
};

void launch(CRClass &launcher, report::ReportControl &CR, const Launch &call)
{
    forms::PlainControl from, to;
    from.setValue(call.from);
    to.setValue(call.to);
    forms::Control notAPicker;
    forms::Control &end = call.to.isNull() ? notAPicker : to;
    if (call.kind)
        launcher.ShowBankTransactionCORCASH(CR, *call.kind, from, end);
    else
        launcher.ShowBankTransactionALL(CR, from, end);
}

class CRClassTest : public ProgramFolderTest {};

} // namespace

TEST_F(CRClassTest, BankOperationsWriteTheirPropertiesInOrder)
{
    const rt::RuntimeError missingFile(20507, QStringLiteral("Invalid file name."));
    const struct {
        const char *name;
        QString folder;
        bool firstRunFails;
        std::vector<Launch> launches;
        QStringList writes;
        std::vector<MessageBoxRecord> boxes;
    } table[] = {
        {"one day, both ends included", Folder, false, {{{}, Jan5, Jan5}}, bankLaunch(OneDay), {}},
        {"a financial year for one kind", Folder, false, {{"CHEQUE", Apr1, Mar31}},
         bankLaunch("{BANK.CHEQUEORCASH} = 'CHEQUE' AND " + Year), {}},
        {"no kind chosen runs for the empty kind", Folder, false, {{"", Apr1, Mar31}},
         bankLaunch("{BANK.CHEQUEORCASH} = '' AND " + Year), {}},
        {"a start after the end is passed on", Folder, false, {{{}, Mar31, Apr1}},
         bankLaunch("{BANK.DATEOFENTRY} >= date(2027,3,31) and "
                    "{BANK.DATEOFENTRY} <= date(2026,4,1)"), {}},
        {"one kind, then all: the filter is replaced", Folder, false,
         {{"CASH", Apr1, Mar31}, {{}, Apr1, Mar31}},
         bankLaunch("{BANK.CHEQUEORCASH} = 'CASH' AND " + Year) + bankLaunch(Year), {}},
        {"a failed run is shown and the next launch starts afresh", Folder, true,
         {{"DRAFT", Jan5, Jan5}, {{}, Jan5, Jan5}},
         bankLaunch("{BANK.CHEQUEORCASH} = 'DRAFT' AND " + OneDay) + bankLaunch(OneDay),
         {errorBox(missingFile.Description())}},
        {"a control that is no picker ends the launch before the filter", Folder, false,
         {{{}, Jan5, QDate()}}, QStringList{"SelectionFormula = "} + Headers,
         {errorBox(rt::RuntimeError::objectDoesNotSupport().Description())}},
        {"a drive's root folder gives two backslashes", QStringLiteral("C:\\"), false,
         {{{}, Jan5, Jan5}}, bankLaunch(OneDay, QStringLiteral("C:\\")), {}},
    };
    for (const auto &row : table) {
        SCOPED_TRACE(row.name);
        rt::App::setPathForTesting(row.folder);
        boxes().clear();
        CRClass launcher;
        RecordingReportControl CR;
        if (row.firstRunFails)
            CR.failNextRun(missingFile);

        for (const Launch &call : row.launches)
            launch(launcher, CR, call);

        EXPECT_EQ(CR.writes(), row.writes);
        EXPECT_EQ(boxes().shown(), row.boxes);
    }
}

// The steps that later operations put in other orders: extra slots written after the
// headers and cleared after the run, a connection string and the two numeric settings.
TEST_F(CRClassTest, ExtraSlotsAreClearedOnlyAfterARunThatSucceeds)
{
    rt::App::setPathForTesting(Folder);
    const rt::RuntimeError rejected(20515, QStringLiteral("Error in formula."));
    const QStringList throughRun =
        QStringList{"ReportFileName = /opt/quilvane\\Sharex.rpt", "SelectionFormula = "} + Headers
        + QStringList{"Formulas(4) = minx = '1'", "Formulas(5) = maxx = '10'",
                      "Connect = DSN=Cheque", "Destination = 0", "WindowState = 2", "Action = 1"};
    for (const bool runFails : {false, true}) {
        SCOPED_TRACE(runFails ? "run fails" : "run succeeds");
        boxes().clear();
        RecordingReportControl CR;
        if (runFails)
            CR.failNextRun(rejected);

        const rt::Variant result = ReportLaunch::guarded(CR, [](ReportLaunch &step) {
            step.reportFile(QStringLiteral("\\Sharex.rpt"));
            step.emptySelection();
            step.headers();
            step.formula(4, QStringLiteral("minx"), QStringLiteral("1"));
            step.formula(5, QStringLiteral("maxx"), QStringLiteral("10"));
            step.connection(QStringLiteral("DSN=Cheque"));
            step.numericSettings();
            step.run();
            step.clearFormula(4);
            step.clearFormula(5);
        });

        const QStringList cleared = {"Formulas(4) = ", "Formulas(5) = "};
        const std::vector<MessageBoxRecord> shown = {errorBox(rejected.Description())};
        EXPECT_EQ(CR.writes(), runFails ? throughRun : throughRun + cleared);
        EXPECT_EQ(boxes().shown(), runFails ? shown : std::vector<MessageBoxRecord>{});
        EXPECT_TRUE(result.isEmpty());
    }
}

// Every operation of the catalogue, in its order, with the arguments a caller would give
// it; rows of several calls run on one launcher and one control.
TEST_F(CRClassTest, EveryOperationWritesItsCatalogueEntryInOrder)
{
    const QString folder = programFolder();
    const QString connection = QStringLiteral("DSN=Cheque;userID=Admin;Password=41MAYPOL");
    const auto usual = [&](const QString &file, const QString &formula = {}) {
        return usualLaunch(folder, file, formula);
    };
    const auto year = [](const QString &field) {
        return field + " >= date(2026,1,1) and " + field + " <= date(2026,12,31)";
    };
    // The bill reports that pass the launcher's connection without opening it.
    const auto onOwnConnection = [&](const QString &connect) {
        return QStringList{"Connect = " + connect, "Destination = 0", "WindowState = 2",
                           "Action = 1"};
    };
    const auto billsOfMember = [&](const QString &file, const QString &connect) {
        return Headers
               + QStringList{"ReportFileName = " + folder + "\\" + file, "SelectionFormula = ",
                             "SelectionFormula = {Billx.MEMBERNAME} = 'TEST MEMBER' And "
                                 + year("{Billx.DATEx}")}
               + onOwnConnection(connect);
    };
    const auto billReport = [&](const QString &connect) {
        return QStringList{"ReportFileName = " + folder + "\\BillOfMember.rpt",
                           "SelectionFormula = "}
               + Headers + onOwnConnection(connect);
    };
    const auto connectedFirst = [&](const QString &file, const QString &formula = {}) {
        return QStringList{"Connect = " + connection} + usual(file, formula);
    };
    const QString memberDeposits =
        "{MEMBERX.Namex} = 'TEST MEMBER' And " + year("{DETAILSOFDEPOSITE.DATEOFDEPOSITE}");
    const QString complaints = year("{complain.DATEREM2}");
    const QStringList shareCertificate = QStringList{"SelectionFormula = "} + Headers
        + QStringList{"Formulas(4) = minx = '1'", "Formulas(5) = maxx = '10'",
                      "SelectionFormula = {sharex.certificateN} = 5",
                      "ReportFileName = " + folder + "\\Sharex.rpt", "Action = 1"};
    const QStringList slots4And5Cleared = {"Formulas(4) = ", "Formulas(5) = "};
    const rt::RuntimeError rejected(20515, QStringLiteral("Error in formula."));

    forms::PlainControl jan1, dec31, member(QStringLiteral("7")), wing(QStringLiteral("A")),
        flat(QStringLiteral("101")), name(QStringLiteral("RAVI")),
        topic(QStringLiteral("LIFT")), voucher(QStringLiteral("4"));
    jan1.setValue(QDate(2026, 1, 1));
    dec31.setValue(QDate(2026, 12, 31));
    using Call = std::function<void(CRClass &, report::ReportControl &)>;
    // Whether the launcher's own connection can find the data source "Cheque".
    enum class DataSource { AsItIs, Registered, Missing };
    const QString testMember = QStringLiteral("TEST MEMBER");

    const struct {
        const char *name;
        Call call;
        QStringList writes;
        std::vector<MessageBoxRecord> boxes = {};
        DataSource dataSource = DataSource::AsItIs;
        bool runFails = false;
    } table[] = {
        {"NeedToDeposit, nothing connected yet",
         [&](auto &l, auto &CR) { l.NeedToDeposit(CR, testMember, jan1, dec31); },
         billsOfMember("BillOfMember.rpt", "")},
        {"BillShort", [&](auto &l, auto &CR) { l.BillShort(CR, testMember, jan1, dec31); },
         billsOfMember("BillOfMemberDetail.rpt", "")},
        {"BILLREPORT", [&](auto &l, auto &CR) { l.BILLREPORT(CR); }, billReport("")},
        {"BILLREPORT after the member list passes the connection it opened",
         [&](auto &l, auto &CR) {
             l.MemberList(CR);
             l.BILLREPORT(CR);
         },
         connectedFirst("member.rpt") + billReport(connection), {}, DataSource::Registered},
        {"DepositDetail", [&](auto &l, auto &CR) { l.DepositDetail(CR, testMember, jan1, dec31); },
         usual("DEPOSITEDETAIL.rpt", memberDeposits)},
        {"MemberDepositDetail",
         [&](auto &l, auto &CR) { l.MemberDepositDetail(CR, testMember, jan1, dec31); },
         usual("MemberDepositReport.rpt", memberDeposits)},
        {"MemberDepositDetailShort",
         [&](auto &l, auto &CR) { l.MemberDepositDetailShort(CR, testMember, jan1, dec31); },
         usual("DEPOSIT.rpt", memberDeposits)},
        {"MemberDepositDetailALL", [&](auto &l, auto &CR) { l.MemberDepositDetailALL(CR); },
         usual("MemberDepositReport.rpt")},
        {"All", [&](auto &l, auto &CR) { l.All(CR, jan1, dec31); },
         usual("DEPOSITEDETAIL.rpt", year("{DETAILSOFDEPOSITE.DATEOFDEPOSITE}"))},
        {"AsDate", [&](auto &l, auto &CR) { l.AsDate(CR, jan1, dec31); },
         usual("DepositReport.rpt", year("{DETAILSOFDEPOSITE.DATEOFDEPOSITE}"))},
        {"MemberList", [&](auto &l, auto &CR) { l.MemberList(CR); }, connectedFirst("member.rpt"),
         {}, DataSource::Registered},
        {"MemberList whose connection fails says so and runs all the same",
         [&](auto &l, auto &CR) { l.MemberList(CR); }, connectedFirst("member.rpt"),
         {errorBox("Data source name not found: Cheque")}, DataSource::Missing},
        {"MemberDetail", [&](auto &l, auto &CR) { l.MemberDetail(CR, "RAVI"); },
         connectedFirst("MEMBERDETAIL.rpt", "{MEMBERX.Namex} = 'RAVI'"), {},
         DataSource::Registered},
        {"ShowMemerReport", [&](auto &l, auto &CR) { l.ShowMemerReport(CR, member, jan1, dec31); },
         QStringList{"SelectionFormula = "} + Headers
             + QStringList{"Formulas(4) = date1 = '01/01/2026'",
                           "Formulas(5) = date2 = '31/12/2026'",
                           "SelectionFormula = {TYMEMBER.MEMBERNUMBER}  = 7 AND "
                           "{TYMEMBER.DATEX} >= date(2026,1,1) and "
                           "{TYMEMBER.DATEX} <= date(2026,12,31)",
                           "ReportFileName = " + folder + "\\MEMBERACCOUNT.rpt", "Action = 1"}
             + slots4And5Cleared},
        {"OldMemberDetail", [&](auto &l, auto &CR) { l.OldMemberDetail(CR); },
         connectedFirst("MEMBERDETAIL.rpt", "{MEMBERX.DOFLEAVING} <> '-'"), {},
         DataSource::Registered},
        {"ShowBillAsMember", [&](auto &l, auto &CR) { l.ShowBillAsMember(CR, testMember); },
         usual("Billall.rpt", "{Billx.MEMBERNAME} = 'TEST MEMBER'")},
        {"ShowBillAsMemberNotDeposited",
         [&](auto &l, auto &CR) { l.ShowBillAsMemberNotDeposited(CR, testMember, 12); },
         usual("Billall.rpt", "{Billx.MEMBERNAME} = 'TEST MEMBER' And {Billx.SN} = 12")},
        {"ShowBillAsMemberDeposited ignores the number",
         [&](auto &l, auto &CR) { l.ShowBillAsMemberDeposited(CR, testMember, 12); },
         usual("Billall.rpt", "{Billx.MEMBERNAME} = 'TEST MEMBER'")},
        {"ShowBillAsNumber", [&](auto &l, auto &CR) { l.ShowBillAsNumber(CR, -3); },
         usual("Bill.rpt", "{Billx.SN} = -3")},
        {"ShowReceiptNumberASPERNUMBER, a receipt that pays bill 7",
         [&](auto &l, auto &CR) { l.ShowReceiptNumberASPERNUMBER(CR, 12); },
         usual("Receipt.rpt", "{DETAILSOFDEPOSITE.SN} = 12"), {}, DataSource::Registered},
        {"ShowReceiptNumberASPERNUMBER, an advance (bill number 0)",
         [&](auto &l, auto &CR) { l.ShowReceiptNumberASPERNUMBER(CR, 13); },
         usual("ReceiptAdvance.rpt", "{DETAILSOFDEPOSITE.SN} = 13"), {}, DataSource::Registered},
        {"ShowReceiptNumberASPERNUMBER, a receipt that does not exist",
         [&](auto &l, auto &CR) { l.ShowReceiptNumberASPERNUMBER(CR, 99); },
         usual("ReceiptAdvance.rpt", "{DETAILSOFDEPOSITE.SN} = 99"), {}, DataSource::Registered},
        {"ShowReceiptNumber", [&](auto &l, auto &CR) { l.ShowReceiptNumber(CR); },
         usual("ReceiptALL.rpt")},
        {"ShowReceiptNumberAsDate",
         [&](auto &l, auto &CR) { l.ShowReceiptNumberAsDate(CR, jan1, dec31); },
         usual("ReceiptALL.rpt", year("{DETAILSOFDEPOSITE.DATEOFDEPOSITE}"))},
        {"ShowBill after a bill by number shows every bill",
         [&](auto &l, auto &CR) {
             l.ShowBillAsNumber(CR, 7);
             l.ShowBill(CR);
         },
         usual("Bill.rpt", "{Billx.SN} = 7") + usual("Bill.rpt")},
        {"ShowExpenditure", [&](auto &l, auto &CR) { l.ShowExpenditure(CR, "REPAIRS"); },
         usual("EXPENDITURE.rpt",
               "{EXPENDITURE.EXPENDITURETYPE} = 'REPAIRS' And {EXPENDITURE.STRREM1} <> 'CREDIT'")},
        {"ShowExpenditureAll ignores the type",
         [&](auto &l, auto &CR) { l.ShowExpenditureAll(CR, "REPAIRS"); },
         usual("EXPENDITURE.rpt", "{EXPENDITURE.STRREM1} <> 'CREDIT'")},
        {"ShowExpenditureASType",
         [&](auto &l, auto &CR) { l.ShowExpenditureASType(CR, "REPAIRS"); },
         usual("EXPENDITURE.rpt",
               "{EXPENDITURE.EXPENDITURETYPE} = 'REPAIRS' And {EXPENDITURE.STRREM1} <> 'CREDIT'")},
        {"ShowExpenditureASDate",
         [&](auto &l, auto &CR) { l.ShowExpenditureASDate(CR, jan1, dec31); },
         usual("EXPENDITURE.rpt", year("{expenditure.expendituredate}"))},
        {"ShowExpenditureCREDIT", [&](auto &l, auto &CR) { l.ShowExpenditureCREDIT(CR); },
         usual("EXPENDITURE_Credit.rpt", "{EXPENDITURE.STRREM1} = 'CREDIT'")},
        {"ShowDepositAsDate", [&](auto &l, auto &CR) { l.ShowDepositAsDate(CR); },
         usual("DEPOSITAsDate.rpt")},
        {"ShowFLAT", [&](auto &l, auto &CR) { l.ShowFLAT(CR); }, usual("FLAT.rpt")},
        {"ShowFLATrecord", [&](auto &l, auto &CR) { l.ShowFLATrecord(CR, wing, flat); },
         usual("FLATRECORD.rpt", "{MEMBERX.WING} = 'A' AND {MEMBERX.ACCO} = '101'")},
        {"ShowEMPLOYEE", [&](auto &l, auto &CR) { l.ShowEMPLOYEE(CR); }, usual("EMPLOYEE.rpt")},
        {"ShowEMPLOYEEASPERNAME", [&](auto &l, auto &CR) { l.ShowEMPLOYEEASPERNAME(CR, name); },
         usual("EMPLOYEEDETAIL.rpt", "{EMPLOYEE.NAMEX} = 'RAVI'")},
        {"ShowDOCUMENTasperTOPIC",
         [&](auto &l, auto &CR) { l.ShowDOCUMENTasperTOPIC(CR, topic); },
         usual("DOCUMENTREPORT.rpt", "{DOCUMENT.TOPIC} = 'LIFT'")},
        {"ShowDOCUMENTALL", [&](auto &l, auto &CR) { l.ShowDOCUMENTALL(CR); },
         usual("DOCUMENTREPORT.rpt")},
        {"ShowBankTransactionALL",
         [&](auto &l, auto &CR) { l.ShowBankTransactionALL(CR, jan1, dec31); },
         usual("BANKREPORT.rpt", year("{BANK.DATEOFENTRY}"))},
        {"ShowBankTransactionCORCASH",
         [&](auto &l, auto &CR) { l.ShowBankTransactionCORCASH(CR, "CASH", jan1, dec31); },
         usual("BANKREPORT.rpt", "{BANK.CHEQUEORCASH} = 'CASH' AND " + year("{BANK.DATEOFENTRY}"))},
        {"ShowDAILY", [&](auto &l, auto &CR) { l.ShowDAILY(CR); }, usual("DailyReport.rpt")},
        {"BalanceSheet", [&](auto &l, auto &CR) { l.BalanceSheet(CR); },
         usual("BalanceSheetNew.rpt")},
        {"BalanceSheetbOTH", [&](auto &l, auto &CR) { l.BalanceSheetbOTH(CR); },
         usual("BALANCESHEETBoth.rpt")},
        {"RECANDEXACCOUNT", [&](auto &l, auto &CR) { l.RECANDEXACCOUNT(CR); },
         usual("RecAndEx.rpt")},
        {"ShowTenant", [&](auto &l, auto &CR) { l.ShowTenant(CR); }, usual("TENANT.rpt")},
        {"ShowTENANTASPERFLAT", [&](auto &l, auto &CR) { l.ShowTENANTASPERFLAT(CR, name); },
         usual("TENANTASPERFLAT.rpt", "{memberx.NAMEX} = 'RAVI'")},
        {"ShowVehicle", [&](auto &l, auto &CR) { l.ShowVehicle(CR); }, usual("Vehicle.rpt")},
        {"ShowCOMPLAINASPerGroup",
         [&](auto &l, auto &CR) { l.ShowCOMPLAINASPerGroup(CR, "PLUMBING", jan1, dec31); },
         usual("complain.rpt", "{complain.Groupx} = 'PLUMBING' And " + complaints)},
        {"ShowCOMPLAINASPerPosition",
         [&](auto &l, auto &CR) { l.ShowCOMPLAINASPerPosition(CR, "OPEN", jan1, dec31); },
         usual("complain.rpt", "{complain.Positionx} = 'OPEN' And " + complaints)},
        {"ShowAllComplainAsPerDate",
         [&](auto &l, auto &CR) { l.ShowAllComplainAsPerDate(CR, jan1, dec31); },
         usual("complain.rpt", complaints)},
        {"ShowDatabase", [&](auto &l, auto &CR) { l.ShowDatabase(CR); },
         usual("Information.rpt")},
        {"ShowCHARGESTYPE", [&](auto &l, auto &CR) { l.ShowCHARGESTYPE(CR); },
         usual("MEMBERCHARGES.rpt")},
        {"ShowEXPENDITUREVOUCHER",
         [&](auto &l, auto &CR) { l.ShowEXPENDITUREVOUCHER(CR, voucher); },
         usual("EXPENDITUREVOUCHERGROUP.rpt", "{EXPENDITURE.SN} = 4")},
        {"ShowShareCertificate", [&](auto &l, auto &CR) { l.ShowShareCertificate(CR, 5, 1, 10); },
         shareCertificate + slots4And5Cleared},
        {"ShowShareCertificate whose run fails leaves slots 4 and 5 as written",
         [&](auto &l, auto &CR) { l.ShowShareCertificate(CR, 5, 1, 10); }, shareCertificate,
         {errorBox(rejected.Description())}, DataSource::AsItIs, true},
    };
    execRaw("insert into DETAILSOFDEPOSITE (SN, BILLNUMBER) values (12, 7), (13, 0)");
    QStringList formulas;
    for (const auto &row : table) {
        SCOPED_TRACE(row.name);
        if (row.dataSource == DataSource::Registered)
            Module1::OpenConnection();
        if (row.dataSource == DataSource::Missing)
            QFile::remove(registry::hivePath());
        boxes().clear();
        CRClass launcher;
        RecordingReportControl CR;
        if (row.runFails)
            CR.failNextRun(rejected);

        row.call(launcher, CR);

        EXPECT_EQ(CR.writes(), row.writes);
        EXPECT_EQ(boxes().shown(), row.boxes);
        formulas << CR.writes().filter(QStringLiteral("SelectionFormula = {"));
    }

    // Every field a filter names is a column of the register database, whatever its case.
    const QRegularExpression field(QStringLiteral("\\{(\\w+)\\.(\\w+)\\}"));
    for (auto match = field.globalMatch(formulas.join(u' ')); match.hasNext();) {
        const QRegularExpressionMatch found = match.next();
        EXPECT_EQ(scalarRaw(QStringLiteral("select count(*) from pragma_table_info('%1')"
                                           " where name = '%2' collate nocase")
                                .arg(found.captured(1), found.captured(2))),
                  "1")
            << found.captured(0).toStdString();
    }
}
