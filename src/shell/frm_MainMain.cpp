#include "shell/frm_MainMain.h"

#include "data/CommonClass.h"
#include "data/DataAccess.h"
#include "data/Module1.h"
#include "platform/forms/FormControls.h"
#include "platform/forms/FormsRegistry.h"
#include "platform/forms/MessageBox.h"
#include "platform/forms/Twips.h"
#include "platform/runtime/App.h"
#include "platform/runtime/RuntimeError.h"
#include "shell/MDI.h"
#include "shell/ShellPictures.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QColor White(255, 255, 255);
const QColor Grey = forms::FormControls::fromBgr(0xC0C0C0);
const QColor LightYellow = forms::FormControls::fromBgr(0x80FFFF);
const QColor Red = forms::FormControls::fromBgr(0x0000FF);
const QColor LightRed = forms::FormControls::fromBgr(0x8080FF);

} // namespace

frm_MainMain::frm_MainMain(QWidget *parent) : forms::Form(parent)
{
    using namespace forms::FormControls;
    setObjectName(QStringLiteral("frm_MainMain"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setWindowTitle(QStringLiteral("c"));
    setColours(this, White, Qt::black);
    forms::setClientSizeTwips(this, 7470, 5400);

    const QFont font = forms::formFont(QStringLiteral("MS Sans Serif"), 13.5, true);

    Image3 = label(this, "Image3", QString(), QRect(120, 120, 7200, 5160), font);
    Image3->setScaledContents(true);
    Image3->setPixmap(ShellPictures::loginBackground(Image3->size()));

    Label3 = label(this, "Label3", rt::App::Title().toUpper(), QRect(120, 480, 7215, 375), font);
    Label3->setAlignment(Qt::AlignCenter);
    setColours(Label3, LightYellow, Red);

    Label1 = label(this, "Label1", QStringLiteral("User Id :"), QRect(1800, 1920, 1695, 375), font);
    setColours(Label1, White);
    txtUser = maskedTextBox(this, "txtUser", QRect(3600, 1920, 1695, 375), font);
    txtUser->setText(QStringLiteral("Admin"));
    setColours(txtUser, Qt::black, Grey);

    Label2 = label(this, "Label2", QStringLiteral("Password :"), QRect(1800, 2400, 1695, 375), font);
    setColours(Label2, White);
    txtPwd = maskedTextBox(this, "txtPwd", QRect(3600, 2400, 1695, 375), font);
    txtPwd->setText(QStringLiteral("x"));
    setColours(txtPwd, Qt::black, Grey);

    Command3 = button(this, "Command3", QStringLiteral("Login"), QRect(3600, 2880, 1695, 495), font);
    setColours(Command3, Qt::black, Grey);
    Command2 = button(this, "Command2", QStringLiteral("X"), QRect(7080, 0, 375, 375),
                      forms::formFont(QStringLiteral("MS Sans Serif"), 9.75, true));
    setColours(Command2, Qt::black, LightRed);

    Label5 = label(this, "Label5", QString(), QRect(240, 3720, 6975, 495), font);
    Label4 = label(this, "Label4", QStringLiteral("Cheque Register and Printing"),
                   QRect(240, 4560, 6975, 495), font);
    Label4->setAlignment(Qt::AlignCenter);
    setColours(Label4, White);

    setTabOrder(txtUser, txtPwd);
    setTabOrder(txtPwd, Command3);
    setTabOrder(Command3, Command2);
    txtUser->setFocus();

    connect(Command3, &QPushButton::clicked, this, &frm_MainMain::Command3_Click);
    connect(Command2, &QPushButton::clicked, this, &frm_MainMain::Command2_Click);
}

void frm_MainMain::Form_Load()
{
    forms::placeTopCentre(this);
}

void frm_MainMain::Command3_Click()
{
    Module1::OpenConnection();
    if (txtUser->text().isEmpty() || txtPwd->text().isEmpty()) {
        forms::MsgBox(QStringLiteral("Fill Information"));
        return;
    }
    try {
        if (isAuthorised())
            openMainWindow();
        else
            refuse();
    } catch (const rt::RuntimeError &) {
        // No matching row (reading a column of an empty result) or a rejected query.
        refuse();
    }
    Module1::CloseSharedConnection();
}

// The database finds the row whatever the letter case; here the password must match
// as typed, while the user name may differ in letter case.
bool frm_MainMain::isAuthorised()
{
    const QString user = txtUser->text();
    const QString password = txtPwd->text();
    const ado::Recordset &users =
        DataAccess::runOnModuleRecordset(CommonClass::userQuery(user, password));
    return CommonClass::matchesLogin(users, user, password);
}

void frm_MainMain::openMainWindow()
{
    forms::FormsRegistry::show(QStringLiteral("MDI"), [] { return new MDI; });
    Unload();
}

void frm_MainMain::refuse()
{
    forms::MsgBox(QStringLiteral("You are nor authorised"), forms::vbCritical,
                  QStringLiteral("Authorisation"));
}

void frm_MainMain::Command2_Click()
{
    rt::End();
}
