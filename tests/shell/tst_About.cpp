#include "support/ProgramFolderTest.h"
#include "shell/ShellTestSupport.h"

#include "platform/forms/FormsRegistry.h"
#include "shell/About.h"
#include "shell/MDI.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>

class AboutTest : public ShellFormsTest {
protected:
    void SetUp() override
    {
        ShellFormsTest::SetUp();
        mdi = static_cast<MDI *>(
            forms::FormsRegistry::show(QStringLiteral("MDI"), [] { return new MDI; }));
        mdi->mnuAbout_Click();
        about = static_cast<About *>(forms::FormsRegistry::find(QStringLiteral("About")));
    }

    MDI *mdi = nullptr;
    QPointer<About> about;
};

TEST_F(AboutTest, OnlyEscapeClosesIt)
{
    QApplication::setActiveWindow(mdi);
    QWidget *focus = QApplication::focusWidget();
    ASSERT_TRUE(focus == about || about->isAncestorOf(focus)) << "keys reach the about box";
    for (int key : {int(Qt::Key_A), int(Qt::Key_Return), int(Qt::Key_Space)})
        pressKey(focus, key, key == Qt::Key_A ? QStringLiteral("a") : QString());
    deleteClosedForms();
    ASSERT_FALSE(about.isNull());

    pressKey(focus, Qt::Key_Escape);
    deleteClosedForms();

    EXPECT_TRUE(about.isNull());
    EXPECT_TRUE(mdi->mdiArea->subWindowList().isEmpty());
}

TEST_F(AboutTest, ShownTopCentreInsideTheMainWindow)
{
    EXPECT_EQ(about->size(), QSize(600, 448));
    auto *subWindow = qobject_cast<QMdiSubWindow *>(about->parentWidget());
    ASSERT_NE(subWindow, nullptr);
    EXPECT_EQ(subWindow->mdiArea(), mdi->mdiArea);
    EXPECT_EQ(subWindow->y(), 0);
}
