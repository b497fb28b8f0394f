#include "AdoTestFolder.h"

#include "platform/forms/ScriptedMessageBoxes.h"
#include "platform/printer/Printer.h"
#include "platform/report/AmountInWords.h"
#include "platform/report/ReportDefinition.h"
#include "platform/report/ReportEngineControl.h"
#include "support/PrintedPage.h"
#include "support/ProgramFolderTest.h"
#include "support/RaisedError.h"
#include "support/RefusingPrinter.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTest>

namespace {

// Cheques grouped by bank, amounts totalled; two formula fields in the header.
const char *const ChequesReport = R"({
    "title": "CHEQUES BY BANK",
    "dataSource": "Cheque",
    "from": "CHEQUETABLE",
    "fields": ["{CHEQUETABLE.SN}", "{CHEQUETABLE.BANKNAME}", "{CHEQUETABLE.DATEOFENTRY}",
               "{CHEQUETABLE.AMOUNT}", "{CHEQUETABLE.REMARK}"],
    "groups": [{ "field": "{CHEQUETABLE.BANKNAME}", "label": "Bank" }],
    "sort": ["{CHEQUETABLE.DATEOFENTRY}", "{CHEQUETABLE.SN}"],
    "columns": [
        { "field": "{CHEQUETABLE.SN}", "heading": "No.", "width": 800, "align": "right" },
        { "field": "{CHEQUETABLE.DATEOFENTRY}", "heading": "Entered", "width": 1400, "format": "date" },
        { "field": "{CHEQUETABLE.REMARK}", "heading": "Remark", "width": 3000 },
        { "field": "{CHEQUETABLE.AMOUNT}", "heading": "Amount", "width": 1600, "align": "right",
          "format": "number", "total": true }
    ],
    "formulas": [{ "name": "H1" }, { "name": "period", "label": "Period" }]
})";

class ReportEngineControlTest : public AdoTestFolder {
protected:
    void SetUp() override
    {
        ensureApplication();
        AdoTestFolder::SetUp();
        printer::Printer::setSystemPrinterIgnoredForTesting(true);
        QFile file(folder() + QStringLiteral("/CHEQUES.rpt"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(ChequesReport);
        execRaw("INSERT INTO CHEQUETABLE VALUES (1, 'SBI', '2026-01-04', 100, 11, 'RENT', 0);"
                "INSERT INTO CHEQUETABLE VALUES (2, 'SBI', '2026-01-05', 250.5, 12, 'LIFT', 0);"
                "INSERT INTO CHEQUETABLE VALUES (3, 'HDFC', '2026-01-05', 40, 13, 'O''BRIEN', 0);"
                "INSERT INTO CHEQUETABLE VALUES (4, 'SBI', '2026-01-06', 9, 14, 'WATER', 0);");
        control.setReportFileName(folder() + QStringLiteral("\\CHEQUES.rpt"));
        control.setFormulas(0, QStringLiteral("H1 = ''"));
    }

    void TearDown() override
    {
        for (QWidget *window : QApplication::topLevelWidgets())
            delete window;
        AdoTestFolder::TearDown();
    }

    QString pdfPath() const { return folder() + QStringLiteral("/run.pdf"); }

    // The lines of the run's PDF with their runs of blanks squeezed to one.
    QStringList printedLines() const
    {
        QStringList lines;
        for (QString line : printedText(pdfPath()).split(u'\n')) {
            line = line.simplified();
            if (!line.isEmpty())
                lines << line;
        }
        return lines;
    }

    forms::ScriptedMessageBoxes boxes;
    report::ReportEngineControl control;
};

} // namespace

// Entries for formulas this report does not list, as a launch of another report leaves
// them on the control, are passed over.
TEST_F(ReportEngineControlTest, aRunPrintsTheSelectedRowsInGroupsWithTheirTotalsAndFormulaTexts)
{
    control.setPrintFileName(pdfPath());
    control.setFormulas(1, QStringLiteral("period = 'JANUARY 2026'"));
    control.setFormulas(2, QString());
    control.setFormulas(4, QStringLiteral("date1 = '01/04/2026'"));
    control.setFormulas(5, QStringLiteral("H9 = 'LEFT BEHIND'"));
    control.setSelectionFormula(QStringLiteral(
        "{CHEQUETABLE.DATEOFENTRY} >= date(2026,1,5) and {chequetable.dateofentry} <= date(2026,1,6)"));
    control.setAction(1);

    EXPECT_EQ(printedLines(), QStringList({
                                  "CHEQUES BY BANK",
                                  "Period: JANUARY 2026",
                                  "No. Entered Remark Amount",
                                  "Bank: HDFC",
                                  "3 05/01/2026 O'BRIEN 40.00",
                                  "Total HDFC 40.00",
                                  "Bank: SBI",
                                  "2 05/01/2026 LIFT 250.50",
                                  "4 06/01/2026 WATER 9.00",
                                  "Total SBI 259.50",
                                  "Grand total 299.50",
                                  "Page 1 of 1",
                              }));
}

TEST_F(ReportEngineControlTest, aFailingRunRaisesItsDescriptionAndLeavesNothingBehind)
{
    const struct {
        const char *fileName;
        const char *selection;
        const char *entry;
        const char *connection;
        const char *expected;
    } cases[] = {
        {"\\MISSING.rpt", "", "H1 = ''", "",
         "20500 Report file not found: %1/MISSING.rpt"},
        {"\\CHEQUES.rpt", "{CHEQUETABLE.REMARK} = 'O'BRIEN'", "H1 = ''", "",
         "20515 Error in formula \"{CHEQUETABLE.REMARK} = 'O'BRIEN'\": an apostrophe ends the "
         "text 'O' early, before: BRIEN'."},
        {"\\CHEQUES.rpt", "{CHEQUETABLE.PAYEE} = 'X'", "H1 = ''", "",
         "20516 This field name is not known: {CHEQUETABLE.PAYEE}"},
        {"\\CHEQUES.rpt", "", "H9 = 01/04/2026", "",
         "20515 Error in formula \"H9 = 01/04/2026\": a text in single quotes was expected "
         "after H9 =."},
        {"\\CHEQUES.rpt", "", "H1 = 'IT'S'", "",
         "20515 Error in formula \"H1 = 'IT'S'\": an apostrophe ends the text 'IT' early, "
         "before: S'."},
        {"\\CHEQUES.rpt", "", "H1 = ''", "DSN=Nowhere;userID=Admin",
         "-2147467259 Data source name not found: Nowhere"},
    };
    control.setPrintFileName(pdfPath());
    for (const auto &row : cases) {
        control.setReportFileName(folder() + QString::fromUtf8(row.fileName));
        control.setSelectionFormula(QString::fromUtf8(row.selection));
        control.setFormulas(0, QString::fromUtf8(row.entry));
        control.setConnect(QString::fromUtf8(row.connection));
        EXPECT_EQ(raisedError([&] { control.setAction(1); }),
                  QString::fromUtf8(row.expected).replace(QStringLiteral("%1"), folder()))
            << row.selection << row.entry;
        EXPECT_FALSE(QFile::exists(pdfPath())) << row.selection << row.entry;
    }
}

TEST_F(ReportEngineControlTest, rowsBeyondOnePageGoOnWithTheHeadingsAndCountThePages)
{
    execRaw("WITH RECURSIVE n(i) AS (SELECT 5 UNION ALL SELECT i + 1 FROM n WHERE i < 80)"
            " INSERT INTO CHEQUETABLE SELECT i, 'SBI', '2026-02-01', 1, 100 + i, 'FILLER', 0 FROM n;");
    control.setPrintFileName(pdfPath());
    control.setSelectionFormula(QStringLiteral("{CHEQUETABLE.REMARK} = 'filler'"));
    control.setAction(1);

    const QStringList pages = printedText(pdfPath()).split(u'\f', Qt::SkipEmptyParts);
    ASSERT_EQ(pages.size(), 2);
    for (int page = 0; page < 2; ++page) {
        EXPECT_TRUE(pages[page].contains(QStringLiteral("CHEQUES BY BANK")));
        EXPECT_TRUE(pages[page].contains(QRegularExpression(QStringLiteral("No\\.\\s+Entered"))));
        EXPECT_TRUE(pages[page].contains(QStringLiteral("Page %1 of 2").arg(page + 1)));
    }
    EXPECT_TRUE(pages[1].contains(QRegularExpression(QStringLiteral("Grand total\\s+76\\.00"))));
}

TEST_F(ReportEngineControlTest, theWindowShowsThePagesMaximisedAndPrintsOrSavesThem)
{
    control.setDestination(report::ReportEngineControl::ToWindow);
    control.setWindowState(report::ReportEngineControl::Maximised);
    control.setAction(1);

    report::ReportWindow *window = control.window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isMaximized());
    EXPECT_EQ(window->windowTitle(), "CHEQUES BY BANK");
    EXPECT_EQ(window->pageBox->text(), "1");
    EXPECT_EQ(window->pageLabel->text(), "of 1");
    EXPECT_FALSE(window->nextButton->isEnabled());

    window->printButton->click();
    const QStringList printed = printedFiles(folder());
    ASSERT_EQ(printed.size(), 1);
    EXPECT_TRUE(QFileInfo(printed[0]).fileName().startsWith(QStringLiteral("CHEQUES_")));
    EXPECT_TRUE(printedText(printed[0]).contains(QRegularExpression(QStringLiteral("Grand total\\s+399\\.50"))));

    window->savePdf(pdfPath());
    EXPECT_TRUE(printedText(pdfPath()).contains(QStringLiteral("CHEQUES BY BANK")));
    window->savePdf(folder() + QStringLiteral("/no such folder/run.pdf"));
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text,
              QStringLiteral("Path/File access error: cannot write %1/no such folder/run.pdf").arg(folder()));
}

// Without a printer the report goes to a PDF file and the window's status line says where;
// a queue that refuses the job says so in a box, and nothing claims the report printed.
TEST_F(ReportEngineControlTest, printingFromTheWindowSaysWhereThePdfWentOrShowsTheRefusal)
{
    control.setAction(1);
    report::ReportWindow *window = control.window();
    ASSERT_NE(window, nullptr);

    QTest::mouseClick(window->printButton, Qt::LeftButton);

    const QStringList printed = printedFiles(folder());
    ASSERT_EQ(printed.size(), 1);
    EXPECT_EQ(window->statusLine->currentMessage(), "No printer: the report went to " + printed[0]);
    EXPECT_TRUE(boxes.shown().empty());

    printer::Printer::setDeviceForTesting(
        [] { return std::make_unique<RefusingPrinter>(QStringLiteral("OFFICE-LASER")); });
    QTest::mouseClick(window->printButton, Qt::LeftButton);

    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text,
              "Printer error: the document CHEQUES did not reach OFFICE-LASER");
    EXPECT_EQ(printedFiles(folder()), printed);
    EXPECT_EQ(window->statusLine->currentMessage(), QString());
    EXPECT_EQ(window->pageBox->text(), "1");
}

TEST_F(ReportEngineControlTest, settingsOutsideTheirRangeAreRefused)
{
    EXPECT_EQ(raisedError([&] { control.setDestination(2); }), "380 Invalid property value");
    EXPECT_EQ(raisedError([&] { control.setWindowState(3); }), "380 Invalid property value");
    EXPECT_EQ(raisedError([&] { control.setAction(0); }), "380 Invalid property value");
    EXPECT_EQ(raisedError([&] { control.setFormulas(-1, QString()); }), "380 Invalid property value");
    EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());
}

// An account from the file's own statement: each cheque's amount with the balance so far,
// starting afresh for every bank, and the bank's first cheque date under its heading.
const char *const AccountReport = R"({
    "title": "BALANCE BY BANK",
    "dataSource": "Cheque",
    "from": "(SELECT BANKNAME, SN, AMOUNT, REMARK, MIN(DATEOFENTRY) OVER (PARTITION BY BANKNAME) AS FIRSTDAY FROM CHEQUETABLE) AS ACCOUNT",
    "fields": ["{ACCOUNT.BANKNAME}", "{ACCOUNT.SN}", "{ACCOUNT.AMOUNT}", "{ACCOUNT.REMARK}",
               "{ACCOUNT.FIRSTDAY}"],
    "groups": [{ "field": "{ACCOUNT.BANKNAME}", "label": "Bank",
                 "details": [{ "field": "{ACCOUNT.FIRSTDAY}", "label": "Since", "format": "date" },
                             { "field": "{ACCOUNT.SN}" }] }],
    "sort": ["{ACCOUNT.SN}"],
    "columns": [
        { "field": "{ACCOUNT.REMARK}", "heading": "Remark", "width": 3000 },
        { "field": "{ACCOUNT.AMOUNT}", "heading": "Amount", "width": 1600, "align": "right",
          "format": "number", "total": true },
        { "field": "{ACCOUNT.AMOUNT}", "heading": "Balance", "width": 1600, "align": "right",
          "format": "number", "running": true }
    ],
    "formulas": [{ "name": "H1" }]
})";

TEST_F(ReportEngineControlTest, aRunningBalanceStartsAfreshInEveryGroupUnderItsDetails)
{
    QFile file(folder() + QStringLiteral("/ACCOUNT.rpt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(AccountReport);
    file.close();
    control.setReportFileName(folder() + QStringLiteral("\\ACCOUNT.rpt"));
    control.setPrintFileName(pdfPath());
    control.setSelectionFormula(QStringLiteral("{account.sn} <> 2"));
    control.setAction(1);

    EXPECT_EQ(printedLines(), QStringList({
                                  "BALANCE BY BANK",
                                  "Remark Amount Balance",
                                  "Bank: HDFC",
                                  "Since: 05/01/2026",
                                  "3",
                                  "O'BRIEN 40.00 40.00",
                                  "Total HDFC 40.00",
                                  "Bank: SBI",
                                  "Since: 04/01/2026",
                                  "1",
                                  "RENT 100.00 100.00",
                                  "WATER 9.00 109.00",
                                  "Total SBI 109.00",
                                  "Grand total 149.00",
                                  "Page 1 of 1",
                              }));
}

TEST_F(ReportEngineControlTest, aColumnThatCannotKeepABalanceIsRefused)
{
    const struct {
        const char *column;
        const char *problem;
    } cases[] = {
        {R"({ "field": "{T.A}", "heading": "A", "width": 900, "running": true })",
         "the column of {T.A} has a total or a balance but is not a number"},
        {R"({ "field": "{T.A}", "heading": "A", "width": 900, "format": "number",
              "total": true, "running": true })",
         "the column of {T.A} is both a total and a running balance"},
        {R"({ "field": "{T.A}", "heading": "A", "width": 900 }],
             "groups": [{ "field": "{T.A}", "details": [{ "field": "{T.A}", "format": "money" }] })",
         "a group's detail of {T.A} has the format money, not text, date, number or words"},
    };
    for (const auto &row : cases) {
        const QByteArray json = QByteArray(R"({ "title": "T", "dataSource": "Cheque", "from": "T",
            "fields": ["{T.A}"], "columns": [)") + row.column + "]}";
        const QString raised =
            raisedError([&] { report::ReportDefinition::parse(json, QStringLiteral("T.rpt")); });
        EXPECT_EQ(raised.toStdString(),
                  QStringLiteral("20501 The report file T.rpt cannot be used: %1.")
                      .arg(QString::fromUtf8(row.problem))
                      .toStdString());
    }
}

// A sum in words: under a group heading, beside the same sum in figures, and in a column
// of its own; the words are those the control was handed, and a report that asks for
// words on a control handed none fails before anything is printed.
TEST_F(ReportEngineControlTest, aSumInWordsPrintsTheWordsTheControlWasHanded)
{
    QFile file(folder() + QStringLiteral("/WORDS.rpt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(R"({
        "title": "CHEQUES IN WORDS", "dataSource": "Cheque", "from": "CHEQUETABLE",
        "fields": ["{CHEQUETABLE.SN}", "{CHEQUETABLE.BANKNAME}", "{CHEQUETABLE.AMOUNT}"],
        "groups": [{ "field": "{CHEQUETABLE.BANKNAME}", "label": "Bank",
                     "details": [{ "field": "{CHEQUETABLE.AMOUNT}", "label": "First",
                                   "format": "words" }] }],
        "sort": ["{CHEQUETABLE.SN}"],
        "columns": [
            { "field": "{CHEQUETABLE.AMOUNT}", "heading": "Amount", "width": 1600,
              "align": "right", "format": "number" },
            { "field": "{CHEQUETABLE.AMOUNT}", "heading": "In words", "width": 4000,
              "format": "words" }
        ],
        "formulas": [{ "name": "H1" }]
    })");
    file.close();
    const struct {
        const char *name;
        report::AmountInWords::Function words;
        QStringList printed;
        QString raised;
    } cases[] = {
        {"words handed over",
         [](double amount) { return QStringLiteral("RUPEES %1").arg(amount); },
         {"CHEQUES IN WORDS", "Amount In words", "Bank: SBI", "First: RUPEES 100",
          "100.00 RUPEES 100", "250.50 RUPEES 250.5", "Page 1 of 1"},
         QStringLiteral("none")},
        {"no words handed over", {}, {},
         QStringLiteral("20518 This report writes amounts in words, but no words are set up")},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.name);
        QFile::remove(pdfPath());
        report::ReportEngineControl words(row.words);
        words.setReportFileName(folder() + QStringLiteral("\\WORDS.rpt"));
        words.setPrintFileName(pdfPath());
        words.setSelectionFormula(QStringLiteral("{CHEQUETABLE.SN} <= 2"));

        EXPECT_EQ(raisedError([&] { words.setAction(1); }), row.raised);
        EXPECT_EQ(QFile::exists(pdfPath()) ? printedLines() : QStringList(), row.printed);
    }
}
