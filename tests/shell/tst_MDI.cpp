#include "support/ProgramFolderTest.h"
#include "shell/ShellTestSupport.h"

#include "cheque/Cheque_200_90.h"
#include "platform/forms/FormsRegistry.h"
#include "platform/forms/MessageBox.h"
#include "platform/runtime/App.h"
#include "shell/About.h"
#include "shell/Frm_Admin.h"
#include "shell/MDI.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

class MDITest : public ShellFormsTest {
protected:
    void SetUp() override
    {
        ShellFormsTest::SetUp();
        mdi = static_cast<MDI *>(
            forms::FormsRegistry::show(QStringLiteral("MDI"), [] { return new MDI; }));
    }

    QStringList childNames() const
    {
        QStringList names;
        for (QMdiSubWindow *subWindow : mdi->mdiArea->subWindowList())
            names << subWindow->widget()->metaObject()->className();
        return names;
    }

    QString activeChild() const
    {
        QMdiSubWindow *active = mdi->mdiArea->activeSubWindow();
        return active ? QString::fromLatin1(active->widget()->metaObject()->className()) : QString();
    }

    MDI *mdi = nullptr;
};

TEST_F(MDITest, OpensMaximisedWithItsMenus)
{
    EXPECT_EQ(mdi->windowTitle(), QStringLiteral("Quilvane"));
    EXPECT_TRUE(mdi->isMaximized());

    QStringList bar;
    for (QAction *item : mdi->menuBar()->actions())
        bar << item->text();
    EXPECT_EQ(bar, (QStringList{"&File", "&Enter Data", "&Print Cheque", "&Admin", "&About"}));
    ASSERT_EQ(mdi->mnuFile->actions().size(), 1);
    EXPECT_EQ(mdi->mnuFile->actions().front()->text(), QStringLiteral("&Exit"));
    for (QAction *item : mdi->findChildren<QAction *>())
        EXPECT_TRUE(item->shortcut().isEmpty()) << item->text().toStdString();
}

TEST_F(MDITest, EachMenuShowsItsFormOnceInsideTheWindow)
{
    for (QAction *item : {mdi->mnuEnter_Data, mdi->mnuPrint_Cheque, mdi->mnuAdmin, mdi->mnuAbout})
        item->trigger();
    const QStringList all{"FRM_BANK", "Cheque_200_90", "Frm_Admin", "About"};
    ASSERT_EQ(childNames(), all);
    QWidget *entry = forms::FormsRegistry::find(QStringLiteral("FRM_BANK"));
    EXPECT_EQ(activeChild(), QStringLiteral("About"));

    mdi->mnuEnter_Data->trigger();
    EXPECT_EQ(activeChild(), QStringLiteral("FRM_BANK"));
    mdi->mnuAdmin->trigger();
    EXPECT_EQ(activeChild(), QStringLiteral("Frm_Admin"));

    EXPECT_EQ(childNames(), all);
    EXPECT_EQ(forms::FormsRegistry::find(QStringLiteral("FRM_BANK")), entry);
}

// Dragging a child's corner or edge leaves it its size.
TEST_F(MDITest, ChildWindowsKeepTheirSize)
{
    const auto drag = [](QWidget *subWindow, const QPoint &from, const QPoint &to) {
        const auto send = [&](QEvent::Type type, const QPoint &at, Qt::MouseButtons held) {
            QMouseEvent event(type, at, subWindow->mapToGlobal(at), Qt::LeftButton, held,
                              Qt::NoModifier);
            QApplication::sendEvent(subWindow, &event);
        };
        send(QEvent::MouseMove, from, Qt::NoButton); // the pointer comes to the grip first
        send(QEvent::MouseButtonPress, from, Qt::LeftButton);
        send(QEvent::MouseMove, to, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, to, Qt::NoButton);
    };
    for (QAction *item : {mdi->mnuEnter_Data, mdi->mnuPrint_Cheque, mdi->mnuAdmin, mdi->mnuAbout})
        item->trigger();
    for (QMdiSubWindow *subWindow : mdi->mdiArea->subWindowList()) {
        const QString name = QString::fromLatin1(subWindow->widget()->metaObject()->className());
        const QSize size = subWindow->size();
        const QPoint corner(size.width() - 2, size.height() - 2);
        const QPoint rightEdge(size.width() - 2, size.height() / 2);
        for (const QPoint &grip : {corner, rightEdge}) {
            drag(subWindow, grip, grip + QPoint(120, 90));
            EXPECT_EQ(subWindow->size(), size) << name.toStdString();
        }
    }
}

// In a main window smaller than the layout form, its scroll bars reach every side of
// the form: the close box's corner, the right-hand buttons and the bottom. A button
// scrolled to works with the mouse.
TEST_F(MDITest, AChildLargerThanTheWindowIsReachedByScrolling)
{
    // Clicks on the arrow at one end of a scroll bar, as often as it takes to get there.
    const auto scrollTo = [](QScrollBar *bar, bool farEnd) {
        const int along = bar->orientation() == Qt::Horizontal ? bar->width() : bar->height();
        const int at = farEnd ? along - 2 : 1;
        const QPoint arrow = bar->orientation() == Qt::Horizontal
                                 ? QPoint(at, bar->height() / 2)
                                 : QPoint(bar->width() / 2, at);
        const int end = farEnd ? bar->maximum() : bar->minimum();
        for (int click = 0; click < 200 && bar->value() != end; ++click)
            QTest::mouseClick(bar, Qt::LeftButton, {}, arrow);
    };
    for (const QSize &window : {QSize(1000, 620), QSize(800, 500)}) {
        mdi->showNormal();
        mdi->resize(window);
        mdi->mnuPrint_Cheque->trigger();
        QCoreApplication::processEvents();
        auto *layout = static_cast<Cheque_200_90 *>(
            forms::FormsRegistry::find(QStringLiteral("Cheque_200_90")));
        QWidget *subWindow = layout->parentWidget();
        QWidget *viewport = mdi->mdiArea->viewport();
        const auto inView = [&](QWidget *part) {
            return viewport->rect().contains(
                QRect(part->mapTo(viewport, QPoint(0, 0)), part->size()));
        };
        QScrollBar *across = mdi->mdiArea->horizontalScrollBar();
        QScrollBar *down = mdi->mdiArea->verticalScrollBar();
        const std::string size =
            QStringLiteral("%1x%2").arg(window.width()).arg(window.height()).toStdString();
        ASSERT_GT(subWindow->width(), viewport->width()) << size;
        ASSERT_TRUE(across->isVisible()) << size;

        scrollTo(across, false);
        scrollTo(down, false);
        EXPECT_EQ(subWindow->mapTo(viewport, QPoint(0, 0)).y(), 0) << size;
        EXPECT_GE(subWindow->mapTo(viewport, QPoint(0, 0)).x(), 0) << size;
        scrollTo(across, true);
        EXPECT_LE(subWindow->mapTo(viewport, QPoint(subWindow->width(), 0)).x(),
                  viewport->width())
            << size;
        EXPECT_TRUE(inView(layout->cmdHelp)) << size;
        scrollTo(down, true);
        EXPECT_TRUE(inView(layout->Cmddelcustom)) << size;
        EXPECT_LE(subWindow->mapTo(viewport, QPoint(0, subWindow->height())).y(),
                  viewport->height())
            << size;
        boxes().queueAnswer(forms::vbNo);
        QTest::mouseClick(layout->Cmddelcustom, Qt::LeftButton);
        ASSERT_EQ(boxes().shown().size(), 1u) << size;
        EXPECT_EQ(boxes().shown()[0].text, QStringLiteral("Do you need to Delete data")) << size;
        boxes().clear();
        layout->Unload();
        deleteClosedForms();
    }
}

TEST_F(MDITest, UnloadedFormOpensAgain)
{
    mdi->mnuAbout->trigger();
    static_cast<About *>(forms::FormsRegistry::find(QStringLiteral("About")))->Unload();
    deleteClosedForms();
    EXPECT_TRUE(childNames().isEmpty());

    mdi->mnuAbout->trigger();

    EXPECT_EQ(childNames(), QStringList{"About"});
}

TEST_F(MDITest, ExitAndClosingTheWindowEndTheProcess)
{
    mdi->mnuAdmin->trigger();
    EXPECT_THROW(mdi->mnuExit->trigger(), rt::ProcessEnded);
    EXPECT_THROW(mdi->close(), rt::ProcessEnded);
    EXPECT_TRUE(boxes().shown().empty());
}
