#include "data/Module1.h"
#include "platform/forms/PlainControl.h"
#include "platform/printer/Printer.h"
#include "platform/report/ReportEngineControl.h"
#include "platform/runtime/App.h"
#include "reports/CRClass.h"
#include "support/PrintedPage.h"
#include "support/ProgramFolderTest.h"
#include "support/RaisedError.h"

#include <QFile>
#include <QFileInfo>

namespace {

QString referenceFile(const char *name)
{
    return QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/reference/")
           + QLatin1String(name);
}

QString readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The bank report as the launcher runs it: from the program folder, the four header
// formulas empty, on the data source "Cheque".
class BANKREPORTTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        printer::Printer::setSystemPrinterIgnoredForTesting(true);
        ASSERT_TRUE(QFile::copy(QStringLiteral(QUILVANE_REPORTS_DIR "/BANKREPORT.rpt"),
                                programFolder() + QStringLiteral("/BANKREPORT.rpt")));
        Module1::OpenConnection();
        seedBankBook();
        control.setReportFileName(rt::App::Path() + QStringLiteral("\\BANKREPORT.rpt"));
        for (std::int16_t slot = 0; slot < 4; ++slot)
            control.setFormulas(slot, QStringLiteral("H%1 = ''").arg(slot + 1));
        control.setPrintFileName(pdfPath());
    }

    void seedBankBook()
    {
        const char *const rows[] = {
            "1, '2026-03-31', 5000, 'CASH', '-', '-', 'E NAIR', 'TREASURER'",
            "2, '2026-04-01', 12500.5, 'CHEQUE', '000123', '28/03/2026', 'A SHARMA', 'SECRETARY'",
            "3, '2026-04-01', 3000, 'CASH', '-', '-', 'B MEHTA', 'TREASURER'",
            "4, '2026-06-15', 45000, 'DRAFT', 'DD778899', '10/06/2026', 'C IYER', 'SECRETARY'",
            "5, '2026-09-30', 8750.25, 'CHEQUE', '004567', '25/09/2026', 'D''SOUZA', 'TREASURER'",
            "6, '2027-03-31', 1000, 'Cheque', '000999', '30/03/2027', 'F KHAN', 'SECRETARY'",
            "7, '2027-04-01', 700, 'CHEQUE', '001000', '01/04/2027', 'G RAO', 'TREASURER'",
        };
        for (const char *row : rows) {
            const QStringList values = QString::fromUtf8(row).split(QStringLiteral(", "));
            execRaw(QStringLiteral("INSERT INTO BANK VALUES (%1, 'STATE BANK OF INDIA', 'MAIN "
                                   "BRANCH', '00012345678', 'HOUSING SOCIETY', %2, %3, '-', %4, "
                                   "%5, %6, 'UNION BANK', %7, %8, '-', '-', '-', '-', '-', 0, 0, "
                                   "0, 0, '2026-01-01', '2026-01-01')")
                        .arg(values[0], values[1], values[2], values[3], values[4], values[5],
                             values[6], values[7]));
        }
    }

    QString pdfPath() const { return programFolder() + QStringLiteral("/bank.pdf"); }

    report::ReportEngineControl control;
};

} // namespace

TEST_F(BANKREPORTTest, printsTheEntriesOfTheChosenDatesAndKindAsTheReferenceReads)
{
    const struct {
        const char *selection;
        const char *reference;
    } cases[] = {
        {"{BANK.DATEOFENTRY} >= date(2026,4,1) and {BANK.DATEOFENTRY} <= date(2027,3,31)",
         "bank_2026-04-01_2027-03-31.txt"},
        {"{BANK.CHEQUEORCASH} = 'CHEQUE' AND {BANK.DATEOFENTRY} >= date(2026,4,1) and "
         "{BANK.DATEOFENTRY} <= date(2027,3,31)",
         "bank_cheque_2026-04-01_2027-03-31.txt"},
    };
    for (const auto &row : cases) {
        QFile::remove(pdfPath());
        control.setSelectionFormula(QString::fromUtf8(row.selection));
        EXPECT_EQ(raisedError([&] { control.setAction(1); }), "none") << row.selection;
        const QString printed = printedText(pdfPath());
        EXPECT_EQ(printed.toStdString(), readAll(referenceFile(row.reference)).toStdString())
            << row.reference;
    }
}

TEST_F(BANKREPORTTest, aStartAfterTheEndPrintsNoEntriesAndAZeroTotal)
{
    control.setSelectionFormula(QStringLiteral(
        "{BANK.DATEOFENTRY} >= date(2027,1,5) and {BANK.DATEOFENTRY} <= date(2026,1,5)"));
    control.setAction(1);

    const QString text = printedText(pdfPath()).simplified();
    EXPECT_EQ(text.toStdString(), "BANK TRANSACTIONS Date Bank Kind Cheque No. Cheque Date Received From "
                    "Deposited By Amount Grand total 0.00 Page 1 of 1");
}

TEST_F(BANKREPORTTest, aMissingReportFileIsShownByTheLauncherAndNothingIsPrinted)
{
    QFile::remove(programFolder() + QStringLiteral("/BANKREPORT.rpt"));
    forms::PlainControl from, to;
    from.setValue(QDate(2026, 4, 1));
    to.setValue(QDate(2027, 3, 31));

    CRClass().ShowBankTransactionALL(control, from, to);

    const QString missing = programFolder() + QStringLiteral("/BANKREPORT.rpt");
    EXPECT_EQ(boxes().shown(),
              (std::vector<forms::MessageBoxRecord>{{"Report file not found: " + missing,
                                                     forms::vbOKOnly, 0, rt::App::Title()}}));
    EXPECT_FALSE(QFile::exists(pdfPath()));
}

// A member statement launch that fails at its member number leaves its date1 and date2
// entries on the control; the bank report, which lists neither, still runs there.
TEST_F(BANKREPORTTest, runsOnAControlOnWhichAMemberStatementLaunchFailed)
{
    ASSERT_TRUE(QFile::copy(QStringLiteral(QUILVANE_REPORTS_DIR "/MEMBERACCOUNT.rpt"),
                            programFolder() + QStringLiteral("/MEMBERACCOUNT.rpt")));
    forms::PlainControl member(QStringLiteral("abc")), from, to;
    from.setValue(QDate(2026, 4, 1));
    to.setValue(QDate(2027, 3, 31));
    CRClass launcher;

    launcher.ShowMemerReport(control, member, from, to);
    ASSERT_EQ(boxes().shown().size(), 1u);
    ASSERT_FALSE(QFile::exists(pdfPath()));
    launcher.ShowBankTransactionALL(control, from, to);

    EXPECT_EQ(boxes().shown().size(), 1u) << boxes().shown().back().text.toStdString();
    EXPECT_EQ(printedText(pdfPath()).toStdString(),
              readAll(referenceFile("bank_2026-04-01_2027-03-31.txt")).toStdString());
}
