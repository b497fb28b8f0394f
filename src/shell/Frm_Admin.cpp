#include "shell/Frm_Admin.h"

#include "data/Module1.h"
#include "data/SqlText.h"
#include "platform/forms/FormControls.h"
#include "platform/forms/KeyFilter.h"
#include "platform/forms/MessageBox.h"
#include "platform/forms/Twips.h"
#include "platform/runtime/RuntimeError.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

Frm_Admin::Frm_Admin(QWidget *parent) : forms::Form(parent)
{
    using namespace forms::FormControls;
    setObjectName(QStringLiteral("Frm_Admin"));
    setWindowTitle(QString());
    forms::setClientSizeTwips(this, 6225, 3000);

    const QFont font = forms::formFont(QStringLiteral("MS Sans Serif"), 12, true);

    Label1 = label(this, "Label1", QStringLiteral("Administration"), QRect(0, 0, 6255, 375),
                   forms::formFont(QStringLiteral("MS Sans Serif"), 13.5, true));
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setColours(Label1, fromBgr(0x000080));

    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    forms::setTwipsGeometry(Frame1, 120, 360, 6015, 2535);

    Label3 = label(Frame1, "Label3", QStringLiteral("User ID"), QRect(240, 480, 1215, 375), font);
    txtUID = textBox(Frame1, "txtUID", QRect(3720, 480, 1815, 375), font);
    Label4 = label(Frame1, "Label4", QStringLiteral("Password"), QRect(240, 960, 1215, 375), font);
    txtPwd = maskedTextBox(Frame1, "txtPwd", QRect(3720, 960, 1815, 375), font);
    Label5 = label(Frame1, "Label5", QStringLiteral("Re enterPassword"),
                   QRect(240, 1440, 2295, 375), font);
    txtReenter = maskedTextBox(Frame1, "txtReenter", QRect(3720, 1440, 1815, 375), font);
    CmdPass = button(Frame1, "CmdPass", QStringLiteral("Change Password"),
                     QRect(3720, 1920, 1815, 495),
                     forms::formFont(QStringLiteral("MS Sans Serif"), 9.75));
    CmdPass->setToolTip(QStringLiteral("Please write User ID , Password and click"));

    setTabOrder(txtUID, txtPwd);
    setTabOrder(txtPwd, txtReenter);
    setTabOrder(txtReenter, CmdPass);
    txtUID->setFocus();

    // The default button: Enter presses it from any box of the form, and on itself.
    for (QLineEdit *box : {txtUID, txtPwd, txtReenter})
        connect(box, &QLineEdit::returnPressed, CmdPass, &QPushButton::click);
    CmdPass->setAutoDefault(true);
    connect(CmdPass, &QPushButton::clicked, this, &Frm_Admin::CmdPass_Click);
    new forms::KeyPreview(this);
}

void Frm_Admin::Form_Load()
{
    forms::placeTopCentre(this);
}

void Frm_Admin::CmdPass_Click()
{
    Module1::OpenConnection();
    if (txtUID->text().isEmpty() || txtPwd->text().isEmpty())
        return;
    if (txtPwd->text() != txtReenter->text()) {
        forms::MsgBox(QStringLiteral("Both password not same. Please re-enter both password"),
                      forms::vbInformation, QStringLiteral("Admin"));
        txtUID->clear();
        txtPwd->clear();
        return;
    }
    changeEveryUser();
}

// The update has no condition: whoever logs in next does so with these credentials.
void Frm_Admin::changeEveryUser()
{
    Module1::SharedSql() = QStringLiteral("Update UserTable set Userx = ")
                           + SqlText::quoted(txtUID->text()) + QStringLiteral(", pwd = ")
                           + SqlText::quoted(txtPwd->text());
    try {
        Module1::CloseIfOpen(Module1::SharedRecordset());
        Module1::OpenSharedConnectionIfClosed().Execute(Module1::SharedSql(),
                                                        ado::adCmdUnspecified);
        forms::MsgBox(QStringLiteral("Password changed"), forms::vbInformation,
                      QStringLiteral("Admin"));
        Unload();
    } catch (const rt::RuntimeError &error) {
        forms::MsgBox(error.Description());
    }
    Module1::CloseSharedConnection();
}
