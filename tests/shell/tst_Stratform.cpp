#include "shell/ShellTestSupport.h"

#include "platform/forms/FormsRegistry.h"
#include "shell/Stratform.h"
#include "shell/frm_MainMain.h"

#include <QPointer>
#include <QTimer>

class StratformTest : public ShellFormsTest {
protected:
    void SetUp() override
    {
        ShellFormsTest::SetUp();
        splash = static_cast<Stratform *>(forms::FormsRegistry::show(
            QStringLiteral("Stratform"), [] { return new Stratform; }));
    }

    static QWidget *login() { return forms::FormsRegistry::find(QStringLiteral("frm_MainMain")); }

    QPointer<Stratform> splash;
};

TEST_F(StratformTest, SecondTickOpensTheLoginAndHides)
{
    EXPECT_EQ(splash->ticks(), 1);
    EXPECT_TRUE(splash->Timer1->isActive());
    EXPECT_EQ(splash->Timer1->interval(), 1000);
    EXPECT_EQ(login(), nullptr);

    splash->Timer1_Timer();

    ASSERT_NE(login(), nullptr);
    EXPECT_TRUE(login()->isVisible());
    EXPECT_FALSE(splash->isVisible());
    EXPECT_FALSE(splash->Timer1->isActive());
}

TEST_F(StratformTest, UnloadAlsoOpensTheLogin)
{
    splash->Unload();

    ASSERT_NE(login(), nullptr);
    EXPECT_TRUE(login()->isVisible());
}
