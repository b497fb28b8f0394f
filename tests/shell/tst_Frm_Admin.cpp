#include "support/ProgramFolderTest.h"
#include "shell/ShellTestSupport.h"

#include "data/Module1.h"
#include "platform/forms/FormsRegistry.h"
#include "platform/runtime/App.h"
#include "shell/Frm_Admin.h"
#include "shell/MDI.h"
#include "shell/frm_MainMain.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPointer>
#include <QPushButton>

using forms::MessageBoxRecord;

class Frm_AdminTest : public ShellFormsTest {
protected:
    void SetUp() override
    {
        ShellFormsTest::SetUp();
        mdi = static_cast<MDI *>(
            forms::FormsRegistry::show(QStringLiteral("MDI"), [] { return new MDI; }));
        mdi->mnuAdmin_Click();
        admin = static_cast<Frm_Admin *>(forms::FormsRegistry::find(QStringLiteral("Frm_Admin")));
        execRaw(QStringLiteral("INSERT INTO UserTable VALUES (2, 'Clerk', 'CLERK', 'User')"));
    }

    void fill(const QString &user, const QString &password, const QString &reentry)
    {
        typeInto(admin->txtUID, user);
        typeInto(admin->txtPwd, password);
        typeInto(admin->txtReenter, reentry);
    }

    QStringList users() { return rowsRaw(QStringLiteral("SELECT Userx, pwd FROM UserTable ORDER BY ID")); }
    static bool connectionOpen() { return Module1::SharedConnection().State() == ado::adStateOpen; }

    MDI *mdi = nullptr;
    QPointer<Frm_Admin> admin;
};

TEST_F(Frm_AdminTest, ChangesEveryRowInCapitalsAndUnloads)
{
    fill(QStringLiteral("boss"), QStringLiteral("secret"), QStringLiteral("secret"));
    admin->CmdPass->click();
    deleteClosedForms();

    ASSERT_EQ(boxes().shown().size(), 1u);
    EXPECT_EQ(boxes().shown().front(),
              (MessageBoxRecord{QStringLiteral("Password changed"), forms::vbOKOnly,
                                forms::vbInformation, QStringLiteral("Admin")}));
    EXPECT_EQ(users(), (QStringList{"BOSS|SECRET", "BOSS|SECRET"}));
    EXPECT_TRUE(admin.isNull());
    EXPECT_FALSE(connectionOpen());
}

TEST_F(Frm_AdminTest, NewPasswordMustBeTypedInCapitalsAtTheLogin)
{
    fill(QStringLiteral("boss"), QStringLiteral("secret"), QStringLiteral("secret"));
    admin->CmdPass->click();
    boxes().clear();

    delete forms::FormsRegistry::find(QStringLiteral("MDI"));
    // A form deletes itself once it unloads, so it is never held on the stack.
    QPointer<frm_MainMain> login = new frm_MainMain;
    login->txtUser->setText(QStringLiteral("Boss"));
    login->txtPwd->setText(QStringLiteral("secret"));
    login->Command3_Click();
    ASSERT_EQ(boxes().shown().size(), 1u);
    EXPECT_EQ(boxes().shown().front().text, QStringLiteral("You are nor authorised"));
    EXPECT_EQ(forms::FormsRegistry::find(QStringLiteral("MDI")), nullptr);

    login->txtPwd->setText(QStringLiteral("SECRET"));
    login->Command3_Click();
    deleteClosedForms();
    EXPECT_EQ(boxes().shown().size(), 1u);
    EXPECT_NE(forms::FormsRegistry::find(QStringLiteral("MDI")), nullptr);
    EXPECT_TRUE(login.isNull());
}

TEST_F(Frm_AdminTest, MismatchClearsUserAndPasswordOnly)
{
    for (const QString &reentry : {QStringLiteral("other"), QString()}) {
        admin->txtReenter->clear();
        boxes().clear();
        fill(QStringLiteral("boss"), QStringLiteral("secret"), reentry);
        admin->CmdPass->click();

        ASSERT_EQ(boxes().shown().size(), 1u);
        EXPECT_EQ(boxes().shown().front(),
                  (MessageBoxRecord{QStringLiteral("Both password not same. Please re-enter both password"),
                                    forms::vbOKOnly, forms::vbInformation, QStringLiteral("Admin")}));
        EXPECT_TRUE(admin->txtUID->text().isEmpty());
        EXPECT_TRUE(admin->txtPwd->text().isEmpty());
        EXPECT_EQ(admin->txtReenter->text(), reentry.toUpper());
        EXPECT_TRUE(connectionOpen());
    }
    EXPECT_EQ(users(), (QStringList{"Admin|ADMIN", "Clerk|CLERK"}));
}

TEST_F(Frm_AdminTest, EmptyUserOrPasswordDoesNothing)
{
    fill(QString(), QStringLiteral("secret"), QStringLiteral("secret"));
    admin->CmdPass->click();
    admin->txtPwd->clear();
    typeInto(admin->txtUID, QStringLiteral("boss"));
    admin->CmdPass->click();

    EXPECT_TRUE(boxes().shown().empty());
    EXPECT_EQ(users(), (QStringList{"Admin|ADMIN", "Clerk|CLERK"}));
    EXPECT_TRUE(connectionOpen());
    EXPECT_FALSE(admin.isNull());
}

TEST_F(Frm_AdminTest, KeyFilterCapitalisesDropsApostropheAndEscapeCloses)
{
    typeInto(admin->txtUID, QStringLiteral("a{'z"));
    EXPECT_EQ(admin->txtUID->text(), QStringLiteral("A[Z"));

    pressKey(admin->txtUID, Qt::Key_Escape);
    deleteClosedForms();

    EXPECT_TRUE(admin.isNull());
    EXPECT_TRUE(mdi->mdiArea->subWindowList().isEmpty());
    EXPECT_EQ(users(), (QStringList{"Admin|ADMIN", "Clerk|CLERK"}));
}

TEST_F(Frm_AdminTest, TabRunsFromUserIdToChangePassword)
{
    EXPECT_EQ(focusWalk(mdi, 5), (QStringList{"txtUID", "txtPwd", "txtReenter", "CmdPass", "txtUID"}));
}

TEST_F(Frm_AdminTest, EnterPressesChangePassword)
{
    fill(QStringLiteral("boss"), QStringLiteral("secret"), QStringLiteral("secret"));
    pressKey(admin->txtReenter, Qt::Key_Return);

    ASSERT_EQ(boxes().shown().size(), 1u);
    EXPECT_EQ(boxes().shown().front().text, QStringLiteral("Password changed"));
}

TEST_F(Frm_AdminTest, RejectedUpdateShowsTheErrorAndKeepsTheForm)
{
    execRaw(QStringLiteral("DROP TABLE UserTable"));
    fill(QStringLiteral("boss"), QStringLiteral("secret"), QStringLiteral("secret"));
    admin->CmdPass->click();
    deleteClosedForms();

    ASSERT_EQ(boxes().shown().size(), 1u);
    EXPECT_NE(boxes().shown().front().text, QStringLiteral("Password changed"));
    EXPECT_FALSE(boxes().shown().front().text.isEmpty());
    EXPECT_EQ(boxes().shown().front().icon, 0);
    EXPECT_EQ(boxes().shown().front().title, rt::App::Title());
    EXPECT_FALSE(admin.isNull());
    EXPECT_FALSE(connectionOpen());
}

TEST_F(Frm_AdminTest, LaidOutAsDesigned)
{
    EXPECT_EQ(admin->size(), QSize(415, 200));
    EXPECT_EQ(admin->parentWidget()->y(), 0) << "placed at the top of the workspace";
    EXPECT_EQ(admin->Label1->text(), QStringLiteral("Administration"));
    EXPECT_EQ(admin->Label1->palette().color(QPalette::WindowText), QColor(128, 0, 0));
    EXPECT_EQ(admin->Frame1->geometry(), QRect(8, 24, 401, 169));
    EXPECT_EQ(admin->txtUID->parentWidget(), admin->Frame1);
    EXPECT_EQ(admin->txtUID->geometry(), QRect(248, 32, 121, 25));
    EXPECT_EQ(admin->CmdPass->geometry(), QRect(248, 128, 121, 33));
    EXPECT_EQ(admin->Label5->text(), QStringLiteral("Re enterPassword"));
    EXPECT_EQ(admin->CmdPass->text(), QStringLiteral("Change Password"));
    EXPECT_EQ(admin->CmdPass->toolTip(), QStringLiteral("Please write User ID , Password and click"));
    EXPECT_EQ(admin->txtUID->echoMode(), QLineEdit::Normal);
    EXPECT_EQ(admin->txtPwd->echoMode(), QLineEdit::Password);
    EXPECT_EQ(admin->txtReenter->echoMode(), QLineEdit::Password);
    EXPECT_EQ(admin->txtUID->font().pointSizeF(), 12);
    EXPECT_EQ(admin->CmdPass->font().pointSizeF(), 9.75);
}
