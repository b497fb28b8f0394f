#include "support/ProgramFolderTest.h"
#include "shell/ShellTestSupport.h"

#include "platform/forms/FormsRegistry.h"
#include "platform/runtime/App.h"
#include "shell/About.h"
#include "shell/Frm_Admin.h"
#include "shell/MDI.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>

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
