#include "platform/forms/Screen.h"
#include "platform/report/ReportWindow.h"
#include "support/FormDriving.h"
#include "support/IsolatedTest.h"

#include <QComboBox>
#include <QPointer>
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
