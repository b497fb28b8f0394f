#include "platform/forms/Screen.h"
#include "platform/report/ReportWindow.h"
#include "support/FormDriving.h"
#include "support/IsolatedTest.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

namespace {

// A4 at a screen pixel to fifteen twips.
const QSize PortraitPixels(794, 1123);
const QSize LandscapePixels(1123, 794);

class ReportWindowTest : public IsolatedTest {
protected:
    static void SetUpTestSuite() { ensureApplication(); }

    void TearDown() override
    {
        for (const QPointer<report::ReportWindow> &window : opened)
            delete window.data();
        IsolatedTest::TearDown();
    }

    // Opened as a run opens it, the window the person works in.
    report::ReportWindow *open(int pageCount, bool landscape)
    {
        const QSizeF paper = landscape ? QSizeF(16838, 11906) : QSizeF(11906, 16838);
        const QList<report::ReportPage> pages(pageCount, report::ReportPage(paper, "BANKREPORT"));
        auto *window = new report::ReportWindow({"BANKREPORT", "BANK", landscape, pages});
        opened << window;
        window->open(Qt::WindowNoState);
        QApplication::setActiveWindow(window);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
        return window;
    }

    static QSize pageShown(report::ReportWindow *window) { return window->pageArea->widget()->size(); }
    static QScrollBar *bar(report::ReportWindow *window) { return window->pageArea->verticalScrollBar(); }

    // The page's number in the box and its top in view.
    static void expectTopOf(report::ReportWindow *window, int number)
    {
        EXPECT_EQ(window->pageBox->text(), QString::number(number));
        EXPECT_EQ(bar(window)->value(), 0);
    }

    QList<QPointer<report::ReportWindow>> opened;
};

} // namespace

// The offscreen screen is 800 x 600; larger ones are stood in.
TEST_F(ReportWindowTest, opensWithAWholePageWidthInViewOrMaximisedOnANarrowerScreen)
{
    const struct {
        bool landscape;
        QRect screen;
        QRect available;
        bool maximised;
    } cases[] = {
        {true, QRect(0, 0, 1366, 768), QRect(0, 0, 1366, 728), false},
        {false, QRect(0, 0, 1600, 1280), QRect(0, 0, 1600, 1240), false},
        {true, QRect(0, 0, 800, 600), QRect(0, 0, 800, 600), true},
        {false, QRect(0, 0, 800, 600), QRect(0, 0, 800, 600), true},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.screen.height());
        forms::Screen::setForTesting(row.screen, row.available);
        report::ReportWindow *window = open(1, row.landscape);

        EXPECT_EQ(window->isMaximized(), row.maximised);
        EXPECT_EQ(window->pageArea->horizontalScrollBar()->maximum(), 0);
        EXPECT_EQ(pageShown(window).width(), window->pageArea->viewport()->width());
        if (!row.maximised) {
            EXPECT_EQ(pageShown(window), row.landscape ? LandscapePixels : PortraitPixels);
            EXPECT_TRUE(row.available.contains(window->frameGeometry()));
        }
        window->close();
        deleteClosedForms();
    }
}

TEST_F(ReportWindowTest, thePageFitsTheWindowOrIsZoomed)
{
    forms::Screen::setForTesting(QRect(0, 0, 1366, 768), QRect(0, 0, 1366, 728));
    report::ReportWindow *window = open(1, true);
    window->zoomBox->setFocus();

    QTest::keyClick(window->zoomBox, Qt::Key_Down);
    EXPECT_EQ(window->zoomBox->currentText(), "Fit page");
    EXPECT_EQ(bar(window)->maximum(), 0) << "the whole page in view";
    QTest::keyClick(window->zoomBox, Qt::Key_End);
    EXPECT_EQ(window->zoomBox->currentText(), "200%");
    EXPECT_EQ(pageShown(window), LandscapePixels * 2);

    QTest::keyClick(window->zoomBox, Qt::Key_Home);
    window->resize(900, 600);
    EXPECT_EQ(pageShown(window).width(), window->pageArea->viewport()->width());
}

TEST_F(ReportWindowTest, aFurtherWindowStandsAStepFromTheLowestOpenOneAtTheTopCentre)
{
    const QRect available(0, 0, 1366, 728);
    forms::Screen::setForTesting(QRect(0, 0, 1366, 768), available);
    report::ReportWindow *first = open(1, false);
    report::ReportWindow *second = open(1, false);
    report::ReportWindow *third = open(1, false);
    second->close();
    deleteClosedForms();
    report::ReportWindow *fourth = open(1, false);

    EXPECT_EQ(first->pos(), QPoint(qRound((1366 - first->frameGeometry().width()) / 2.0f), 0));
    for (report::ReportWindow *window : {first, third, fourth})
        EXPECT_TRUE(available.contains(window->frameGeometry()));
    EXPECT_TRUE(third->x() > first->x() && third->y() > first->y());
    EXPECT_TRUE(fourth->x() > third->x() && fourth->y() > third->y());
}

// A page is turned by a button or by its number typed and Enter.
TEST_F(ReportWindowTest, everyPageTurnShowsTheTopOfThePage)
{
    report::ReportWindow *window = open(5, false);
    const struct {
        QPushButton *button;
        const char *typed;
        int page;
    } cases[] = {
        {window->nextButton, "", 2}, {window->lastButton, "", 5}, {window->previousButton, "", 4},
        {window->firstButton, "", 1}, {nullptr, "99", 5}, {nullptr, "0", 1}, {nullptr, "3", 3},
        {nullptr, "", 3},
    };
    for (const auto &row : cases) {
        bar(window)->setValue(bar(window)->maximum());
        QTest::mouseClick(row.button ? row.button : static_cast<QWidget *>(window->pageBox),
                          Qt::LeftButton);
        if (!row.button) {
            QTest::keyClick(window->pageBox, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(window->pageBox, Qt::Key_Delete);
            QTest::keyClicks(window->pageBox, QString::fromLatin1(row.typed));
            QTest::keyClick(window->pageBox, Qt::Key_Return);
        }
        expectTopOf(window, row.page);
        EXPECT_EQ(window->previousButton->isEnabled(), row.page > 1);
        EXPECT_EQ(window->lastButton->isEnabled(), row.page < 5);
    }
}

// The page keys scroll and turn, Esc closes, wherever the focus stands.
TEST_F(ReportWindowTest, pageKeysTurnThePageAtItsEndsAndEscapeClosesTheWindow)
{
    for (int focus = 0; focus < 4; ++focus) {
        SCOPED_TRACE(focus);
        QPointer<report::ReportWindow> window = open(2, false);
        QWidget *focused = QList<QWidget *>{window->pageArea, window->pageBox, window->zoomBox,
                                            window->nextButton}[focus];
        focused->setFocus();

        QTest::keyClick(focused, Qt::Key_PageUp);
        expectTopOf(window, 1);
        for (int turn = 0; turn < 10 && bar(window)->value() < bar(window)->maximum(); ++turn)
            QTest::keyClick(focused, Qt::Key_PageDown);
        EXPECT_EQ(window->pageBox->text(), "1");
        QTest::keyClick(focused, Qt::Key_PageDown);
        expectTopOf(window, 2);
        QTest::keyClick(focused, Qt::Key_PageUp);
        expectTopOf(window, 1);
        EXPECT_EQ(window->zoomBox->currentText(), "Fit width");

        QTest::keyClick(focused, Qt::Key_Escape);
        deleteClosedForms();
        EXPECT_TRUE(window.isNull());
    }
}
