#include "support/ProgramFolderTest.h"
#include "shell/ShellTestSupport.h"

#include "data/Module1.h"
#include "platform/forms/FormsRegistry.h"
#include "platform/runtime/App.h"
#include "shell/MDI.h"
#include "shell/frm_MainMain.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

using forms::MessageBoxRecord;

namespace {

const MessageBoxRecord Refusal{QStringLiteral("You are nor authorised"), forms::vbOKOnly,
                               forms::vbCritical, QStringLiteral("Authorisation")};

} // namespace

class frm_MainMainTest : public ShellFormsTest {
protected:
    void SetUp() override
    {
        ShellFormsTest::SetUp();
        login = static_cast<frm_MainMain *>(forms::FormsRegistry::show(
            QStringLiteral("frm_MainMain"), [] { return new frm_MainMain; }));
    }

    void logIn(const QString &user, const QString &password)
    {
        login->txtUser->setText(user);
        login->txtPwd->setText(password);
        login->Command3->click();
        deleteClosedForms();
    }

    static bool connectionOpen() { return Module1::SharedConnection().State() == ado::adStateOpen; }
    static MDI *mainWindow() { return qobject_cast<MDI *>(forms::FormsRegistry::find("MDI")); }

    QPointer<frm_MainMain> login;
};

TEST_F(frm_MainMainTest, UserNameInAnyLetterCaseOpensTheMainWindow)
{
    logIn(QStringLiteral("aDMIN"), QStringLiteral("ADMIN"));

    EXPECT_TRUE(boxes().shown().empty());
    ASSERT_NE(mainWindow(), nullptr);
    EXPECT_TRUE(mainWindow()->isVisible());
    EXPECT_TRUE(mainWindow()->isMaximized());
    EXPECT_TRUE(login.isNull()) << "the login form unloads";
    EXPECT_FALSE(connectionOpen());
}

TEST_F(frm_MainMainTest, EveryRefusalSaysNotAuthorisedAndClosesTheConnection)
{
    const QList<QPair<QString, QString>> attempts{
        {QStringLiteral("Admin"), QStringLiteral("admin")},   // the database finds the row
        {QStringLiteral("Nobody"), QStringLiteral("ADMIN")},  // no row at all
        {QStringLiteral("Ad'min"), QStringLiteral("ADMIN")},  // an apostrophe in the name
        {QStringLiteral("Admin"), QStringLiteral("' or '1'='1")},
    };
    for (const auto &[user, password] : attempts) {
        boxes().clear();
        logIn(user, password);
        ASSERT_EQ(boxes().shown().size(), 1u) << user.toStdString();
        EXPECT_EQ(boxes().shown().front(), Refusal) << user.toStdString();
        EXPECT_FALSE(connectionOpen()) << user.toStdString();
        EXPECT_FALSE(login.isNull());
        EXPECT_EQ(mainWindow(), nullptr);
    }
}

TEST_F(frm_MainMainTest, ApostropheIsMatchedAsTyped)
{
    execRaw(QStringLiteral("INSERT INTO UserTable VALUES (2, 'O''Brien', 'IT''S', 'User')"));

    logIn(QStringLiteral("o'brien"), QStringLiteral("IT'S"));

    EXPECT_TRUE(boxes().shown().empty());
    EXPECT_NE(mainWindow(), nullptr);
}

TEST_F(frm_MainMainTest, EmptyBoxAsksForInformationAndLeavesTheConnectionOpen)
{
    for (const auto &[user, password] : {QPair<QString, QString>{QString(), QStringLiteral("ADMIN")},
                                         QPair<QString, QString>{QStringLiteral("Admin"), QString()}}) {
        boxes().clear();
        Module1::CloseSharedConnection();
        logIn(user, password);
        ASSERT_EQ(boxes().shown().size(), 1u);
        EXPECT_EQ(boxes().shown().front(),
                  (MessageBoxRecord{QStringLiteral("Fill Information"), forms::vbOKOnly, 0,
                                    rt::App::Title()}));
        EXPECT_TRUE(connectionOpen());
        EXPECT_FALSE(login.isNull());
    }
}

TEST_F(frm_MainMainTest, BoxesTakeEveryKeyAsTypedAndEscapeDoesNothing)
{
    login->txtUser->clear();
    typeInto(login->txtUser, QStringLiteral("ad'{m"));
    pressKey(login->txtUser, Qt::Key_Escape);
    deleteClosedForms();

    ASSERT_FALSE(login.isNull());
    EXPECT_TRUE(login->isVisible());
    EXPECT_EQ(login->txtUser->text(), QStringLiteral("ad'{m"));
}

TEST_F(frm_MainMainTest, XEndsTheProcessAtOnce)
{
    EXPECT_THROW(login->Command2->click(), rt::ProcessEnded);
    EXPECT_TRUE(boxes().shown().empty());
}

TEST_F(frm_MainMainTest, LaidOutAsDesigned)
{
    EXPECT_TRUE(login->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(login->size(), QSize(498, 360));
    EXPECT_EQ(login->y(), 0);
    EXPECT_EQ(login->txtUser->geometry(), QRect(240, 128, 113, 25));
    EXPECT_EQ(login->txtPwd->geometry(), QRect(240, 160, 113, 25));
    EXPECT_EQ(login->Command3->geometry(), QRect(240, 192, 113, 33));
    EXPECT_EQ(login->Command2->geometry(), QRect(472, 0, 25, 25));
    EXPECT_EQ(login->Label3->text(), QStringLiteral("QUILVANE"));
    EXPECT_EQ(login->Label1->text(), QStringLiteral("User Id :"));
    EXPECT_EQ(login->Label2->text(), QStringLiteral("Password :"));
    EXPECT_EQ(login->Command3->text(), QStringLiteral("Login"));
    EXPECT_EQ(login->Command2->text(), QStringLiteral("X"));
    EXPECT_TRUE(login->Label5->text().isEmpty());
    EXPECT_EQ(login->txtUser->text(), QStringLiteral("Admin"));
    EXPECT_EQ(login->txtUser->echoMode(), QLineEdit::Password);
    EXPECT_EQ(login->txtPwd->echoMode(), QLineEdit::Password);
    EXPECT_EQ(login->Label1->font().pointSizeF(), 13.5);
    EXPECT_TRUE(login->Label1->font().bold());
    EXPECT_EQ(login->Command2->font().pointSizeF(), 9.75);
    EXPECT_EQ(login->txtUser->objectName(), QStringLiteral("txtUser"));
}

TEST_F(frm_MainMainTest, ColouredAsDesigned)
{
    const auto text = [](QWidget *control) { return control->palette().color(QPalette::WindowText); };
    const auto fill = [](QWidget *control) { return control->palette().color(QPalette::Window); };
    EXPECT_EQ(fill(login), QColor(Qt::black));
    EXPECT_EQ(text(login->Label3), QColor(255, 255, 128)) << "light yellow";
    EXPECT_EQ(fill(login->Label3), QColor(255, 0, 0));
    EXPECT_TRUE(login->Label3->autoFillBackground());
    for (QLabel *caption : {login->Label1, login->Label2}) {
        EXPECT_EQ(text(caption), QColor(Qt::white));
        EXPECT_FALSE(caption->autoFillBackground()) << "transparent over the picture";
    }
    const QColor grey(192, 192, 192);
    EXPECT_EQ(login->txtUser->palette().color(QPalette::Base), grey);
    EXPECT_EQ(login->txtPwd->palette().color(QPalette::Base), grey);
    EXPECT_EQ(login->Command3->palette().color(QPalette::Button), grey);
    EXPECT_EQ(login->Command2->palette().color(QPalette::Button), QColor(255, 128, 128));
}

TEST_F(frm_MainMainTest, TabRunsFromUserToPasswordToLogin)
{
    EXPECT_EQ(focusWalk(login, 3), (QStringList{"txtUser", "txtPwd", "Command3"}));
}
