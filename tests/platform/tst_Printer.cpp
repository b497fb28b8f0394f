#include "platform/printer/CupsQueue.h"
#include "platform/printer/PrintableForm.h"
#include "platform/printer/Printer.h"
#include "platform/runtime/App.h"
#include "platform/runtime/RuntimeError.h"
#include "support/IsolatedTest.h"
#include "support/PrintedPage.h"
#include "support/RaisedError.h"
#include "support/RefusingPrinter.h"

#include <QFile>
#include <QFileInfo>
#include <QLibrary>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <thread>

namespace {

class Page : public printer::PrintableForm {
public:
    QList<printer::PrintableLabel> labels;
    QSizeF clientArea{12060, 5490};

    QList<printer::PrintableLabel> printableLabels() const override { return labels; }
    QSizeF clientSizeTwips() const override { return clientArea; }
    QString printJobName() const override { return QStringLiteral("Job_7"); }
};

printer::PrintableLabel label(const QString &caption, const QRectF &twips,
                              const QString &fontName = QStringLiteral("MS Sans Serif"),
                              double fontSize = 9.75, const QColor &foreColor = Qt::black)
{
    printer::PrintableLabel made;
    made.twips = twips;
    made.caption = caption;
    made.fontName = fontName;
    made.fontSize = fontSize;
    made.bold = true;
    made.foreColor = foreColor;
    made.backColor = Qt::white;
    return made;
}

class PrinterTest : public IsolatedTest {
protected:
    void SetUp() override
    {
        IsolatedTest::SetUp();
        ensureApplication();
        ASSERT_TRUE(folder_.isValid());
        rt::App::setPathForTesting(folder_.path());
        printer::Printer::setSystemPrinterIgnoredForTesting(true);
        printer().setOrientation(1);
    }

    static printer::Printer &printer() { return printer::Printer::instance(); }

    // The new file under Printed/, which ending the document names.
    QString printOnePage(const Page &page)
    {
        const QStringList before = printedFiles(folder_.path());
        printer().PrintForm(page);
        const QString named = printer().EndDoc();
        QStringList after = printedFiles(folder_.path());
        for (const QString &file : before)
            after.removeOne(file);
        EXPECT_EQ(after.size(), 1);
        EXPECT_EQ(named, after.value(0));
        return after.value(0);
    }

    QTemporaryDir folder_;
};

TEST_F(PrinterTest, PutsEachVisibleLabelAtItsTwipsInItsFontAndColour)
{
    Page page;
    page.labels = {label(QStringLiteral("FIRST"), QRectF(1440, 720, 2000, 255)),
                   label(QStringLiteral("SECOND LINE"), QRectF(300, 4005, 3000, 255),
                         QStringLiteral("Verdana"), 8.25, QColor(192, 0, 0)),
                   label(QStringLiteral("HIDDEN"), QRectF(5000, 5000, 2000, 255))};
    page.labels[2].visible = false;

    const QString file = printOnePage(page);

    EXPECT_TRUE(QRegularExpression(QStringLiteral("/Printed/Job_7_\\d{8}-\\d{6}-\\d{3}\\.pdf$"))
                    .match(file)
                    .hasMatch())
        << file.toStdString();
    const PrintedPage printed(file);
    QStringList texts;
    for (const PrintedText &text : printed.texts())
        texts << text.text;
    EXPECT_EQ(texts, QStringList({QStringLiteral("FIRST"), QStringLiteral("SECOND LINE")}));
    const auto first = printed.find(QStringLiteral("FIRST"));
    ASSERT_TRUE(first);
    EXPECT_NEAR(first->left, 1440, 1);
    EXPECT_NEAR(first->top, 720, 20);
    const auto second = printed.find(QStringLiteral("SECOND LINE"));
    ASSERT_TRUE(second);
    EXPECT_NEAR(second->left, 300, 1);
    EXPECT_NEAR(second->top, 4005, 20);
    EXPECT_EQ(printed.colourOf(QStringLiteral("FIRST")), QColor(Qt::black));
    EXPECT_EQ(printed.colourOf(QStringLiteral("SECOND LINE")), QColor(192, 0, 0));
    for (const QString &text : texts) {
        EXPECT_EQ(printed.fontOf(text), QStringLiteral("DejaVuSans"));
        EXPECT_TRUE(printed.isBold(text));
    }
    EXPECT_NEAR(printed.fontSizeOf(QStringLiteral("FIRST")), 9.75, 0.5);
    EXPECT_NEAR(printed.fontSizeOf(QStringLiteral("SECOND LINE")), 8.25, 0.5);
}

TEST_F(PrinterTest, LandscapeTurnsThePageButKeepsTheTwips)
{
    Page page;
    page.labels = {label(QStringLiteral("FIELD"), QRectF(9960, 1680, 1815, 255))};

    // The paper the printer names is the one the page goes on; asking prints nothing.
    printer().setOrientation(2);
    const QSizeF landscapePaper = printer().paperTwips();
    const PrintedPage landscape(printOnePage(page));
    printer().setOrientation(1);
    const QSizeF portraitPaper = printer().paperTwips();
    EXPECT_EQ(printedFiles(folder_.path()).size(), 1);
    const PrintedPage portrait(printOnePage(page));
    EXPECT_NEAR(portraitPaper.width(), portrait.sizeTwips().width(), 1);
    EXPECT_NEAR(portraitPaper.height(), portrait.sizeTwips().height(), 1);
    EXPECT_NEAR(landscapePaper.width(), landscape.sizeTwips().width(), 1);
    EXPECT_NEAR(landscapePaper.height(), landscape.sizeTwips().height(), 1);

    // A4, 210 by 297 mm, in whole points.
    EXPECT_NEAR(portrait.sizeTwips().width(), 11906, 10);
    EXPECT_NEAR(portrait.sizeTwips().height(), 16838, 10);
    EXPECT_NEAR(landscape.sizeTwips().width(), 16838, 10);
    EXPECT_NEAR(landscape.sizeTwips().height(), 11906, 10);
    for (const PrintedPage *printed : {&portrait, &landscape}) {
        const auto field = printed->find(QStringLiteral("FIELD"));
        ASSERT_TRUE(field);
        EXPECT_NEAR(field->left, 9960, 1);
        EXPECT_NEAR(field->top, 1680, 20);
    }
}

TEST_F(PrinterTest, RefusesAnOrientationOtherThanPortraitOrLandscape)
{
    printer().setOrientation(2);
    for (std::int16_t orientation : {0, 3, -1}) {
        try {
            printer().setOrientation(orientation);
            ADD_FAILURE() << "orientation " << orientation << " accepted";
        } catch (const rt::RuntimeError &error) {
            EXPECT_EQ(error.Number(), rt::errInvalidPropertyValue);
        }
    }
    EXPECT_EQ(printer().Orientation(), 2);
}

TEST_F(PrinterTest, NeverOverwritesAnEarlierPrint)
{
    Page page;
    page.labels = {label(QStringLiteral("ONE"), QRectF(0, 0, 2000, 255))};
    const QString first = printOnePage(page);
    page.labels = {label(QStringLiteral("TWO"), QRectF(0, 0, 2000, 255))};
    const QString second = printOnePage(page);

    EXPECT_NE(first, second);
    EXPECT_TRUE(PrintedPage(first).find(QStringLiteral("ONE")));
    EXPECT_TRUE(PrintedPage(second).find(QStringLiteral("TWO")));
}

TEST_F(PrinterTest, AnUpperLabelCoversWhatLiesBeneathIt)
{
    const QRectF place(1440, 1440, 3000, 255);
    Page page;
    page.labels = {label(QStringLiteral("UNDERNEATH"), place)};
    const PrintedPage uncovered(printOnePage(page));
    page.labels.append(label(QString(), place));
    const PrintedPage covered(printOnePage(page));

    EXPECT_GT(uncovered.inkWithin(place.toRect()), 50);
    EXPECT_EQ(covered.inkWithin(place.toRect()), 0);
}

// The page is the form's image: a label past its edge is cut there, on paper that goes
// on beyond it.
TEST_F(PrinterTest, NothingBeyondTheFormsClientAreaPrints)
{
    Page page;
    page.clientArea = QSizeF(6000, 3000);
    page.labels = {label(QStringLiteral("INSIDE"), QRectF(1000, 1000, 2000, 255)),
                   label(QStringLiteral("ACROSS"), QRectF(1000, 2900, 2000, 255)),
                   label(QStringLiteral("RIGHT"), QRectF(6100, 1000, 2000, 255)),
                   label(QStringLiteral("BELOW"), QRectF(1000, 3100, 2000, 255))};

    const PrintedPage printed(printOnePage(page));

    EXPECT_GT(printed.inkWithin(QRect(1000, 1000, 2000, 255)), 0);
    EXPECT_GT(printed.inkWithin(QRect(1000, 2900, 2000, 100)), 0);
    // A dot's width past the edge, where the edge's own shading ends.
    EXPECT_EQ(printed.inkWithin(QRect(1000, 3010, 8000, 1000)), 0);
    EXPECT_EQ(printed.inkWithin(QRect(6010, 0, 3000, 4000)), 0);
}

TEST_F(PrinterTest, AFailureRaisesPrinterErrorAndPrintsNothing)
{
    QFile blocker(folder_.filePath(QStringLiteral("Printed")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Page page;
    page.labels = {label(QStringLiteral("LOST"), QRectF(0, 0, 2000, 255))};

    try {
        printer().PrintForm(page);
        ADD_FAILURE() << "printed into a folder that is a file";
    } catch (const rt::RuntimeError &error) {
        EXPECT_EQ(error.Number(), 482);
        EXPECT_TRUE(error.Description().startsWith(QStringLiteral("Printer error")));
    }
    printer().EndDoc();

    ASSERT_TRUE(QFile::remove(blocker.fileName()));
    EXPECT_TRUE(PrintedPage(printOnePage(page)).find(QStringLiteral("LOST")));
}

// A queue that takes the pages and refuses the job at its end: the document is over, the
// refusal raised, and the next document starts afresh.
TEST_F(PrinterTest, APrinterThatRefusesTheJobAtItsEndRaisesPrinterError)
{
    Page page;
    page.labels = {label(QStringLiteral("REFUSED"), QRectF(0, 0, 2000, 255))};
    printer::Printer::setDeviceForTesting(
        [] { return std::make_unique<RefusingPrinter>(QStringLiteral("OFFICE-LASER")); });

    printer().PrintForm(page);
    EXPECT_EQ(raisedError([&] { printer().EndDoc(); }),
              "482 Printer error: the document Job_7 did not reach OFFICE-LASER");
    EXPECT_TRUE(printedFiles(folder_.path()).isEmpty());

    printer::Printer::setDeviceForTesting({});
    EXPECT_TRUE(PrintedPage(printOnePage(page)).find(QStringLiteral("REFUSED")));
}

// CUPS keeps its answer to the last request of each thread; Qt drops it when it hands
// over a job, so the printer asks for it.
TEST_F(PrinterTest, CupsIsAskedWhyItRefusedTheLastJob)
{
    QLibrary cups(QStringLiteral("cups"), 2);
    using PrintFile = int (*)(const char *, const char *, const char *, int, void *);
    const auto printFile = reinterpret_cast<PrintFile>(cups.resolve("cupsPrintFile"));
    if (!printFile)
        GTEST_SKIP() << "no CUPS library";
    QString beforeAnyJob, afterARefusal;
    std::thread([&] {
        beforeAnyJob = printer::CupsQueue::refusalOfLastJob();
        printFile("QUILVANE-NO-SUCH-QUEUE", "/dev/null", "Job_7", 0, nullptr);
        afterARefusal = printer::CupsQueue::refusalOfLastJob();
    }).join();

    EXPECT_EQ(beforeAnyJob, QString());
    EXPECT_FALSE(afterARefusal.isEmpty());
}

} // namespace
