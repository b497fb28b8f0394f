#include "reports/RecordingReportControl.h"
#include "support/ProgramFolderTest.h"

#include "platform/forms/PlainControl.h"
#include "platform/runtime/App.h"
#include "reports/CRClass.h"
#include "reports/ReportLaunch.h"

#include <QDate>
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

// What one launch of the bank report writes, in order.
QStringList bankLaunch(const QString &formula, const QString &folder = Folder)
{
    return QStringList{"SelectionFormula = "} + Headers
           + QStringList{"SelectionFormula = " + formula,
                         "ReportFileName = " + folder + "\\BANKREPORT.rpt", "Action = 1"};
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
