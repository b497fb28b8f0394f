#include "data/CommonClass.h"

#include "data/Module1.h"
#include "data/SqlText.h"
#include "data/Transaction.h"
#include "platform/forms/Control.h"
#include "platform/forms/MessageBox.h"
#include "platform/runtime/RuntimeError.h"

namespace {

const QString Admin = QStringLiteral("Admin");

} // namespace

DataAccess CommonClass::own()
{
    return DataAccess(*this, str);
}

QString CommonClass::userQuery(const QString &user, const QString &password)
{
    return QStringLiteral("Select * from usertable where userx = ") + SqlText::quoted(user)
           + QStringLiteral(" And pwd = ") + SqlText::quoted(password);
}

bool CommonClass::matchesLogin(const ado::Recordset &rows, const QString &user,
                               const QString &password)
{
    return rows.Fields(1).Value().toString().toUpper() == user.toUpper()
           && rows.Fields(2).Value().toString() == password;
}

bool CommonClass::connect()
{
    DataAccess::guarded(DataAccess::Label::Description, [&] {
        own().closeCon();
        Con.ConnectionString = ConnectionString;
        Con.Open(QString(), QString(), ado::adCmdUnspecified);
    });
    return false;
}

// The lookup fillers: each lists one column of its query in the query's order and
// selects the first item, which raises the combo's Click. They differ in what a
// failure (an empty list included) does.
void CommonClass::FillTypesofDeposit(forms::Control &CMB)
{
    own().fillOverCon(CMB,
                      QStringLiteral("Select Distinct(TYPEOFDEPOSITE) from TYPEDEPOSITE "
                                     "order by TYPEOFDEPOSITE asc"),
                      QStringLiteral("TYPEOFDEPOSITE"));
}

void CommonClass::FillGENERALTypesofDeposit(forms::Control &CMB)
{
    own().fillOverCon(CMB,
                      QStringLiteral("Select Distinct(TYPEOFDEPOSITE) from TYPEDEPOSITE "
                                     "WHERE DURATIONOFDEPOSITE = 0 order by TYPEOFDEPOSITE asc"),
                      QStringLiteral("TYPEOFDEPOSITE"));
}

void CommonClass::FillTypesofEXPENDITURE(forms::Control &CMB)
{
    own().fillOverCon(CMB,
                      QStringLiteral("Select Distinct(EXPENDITURE) from TypeOfExpenditure "
                                     "ORDER BY EXPENDITURE ASC"),
                      QStringLiteral("EXPENDITURE"), DataAccess::Label::Description);
}

void CommonClass::FillUID(forms::Control &CMB)
{
    own().fillOverCon(CMB, QStringLiteral("Select Distinct(Userx) from UserTable"),
                      QStringLiteral("Userx"), DataAccess::Label::Silent,
                      DataAccess::Selection::First,
                      [&](const rt::RuntimeError &) { own().closeCon(); });
}

void CommonClass::Changepassword(forms::Control &txtUID, forms::Control &txtPwd,
                                 forms::Control &txtReenter)
{
    const QString user = txtUID.Text().toString();
    const QString password = txtPwd.Text().toString();
    if (user.isEmpty() || password.isEmpty() || txtReenter.Text().toString().isEmpty())
        return;
    if (password != txtReenter.Text().toString()) {
        forms::MsgBox(QStringLiteral("Both password not same. Please re-enter both password"),
                      forms::vbInformation, Admin);
        txtUID.setText(QString());
        txtPwd.setText(QString());
        return;
    }
    connect();
    const QString update = QStringLiteral("Update UserTable set Userx = ") + SqlText::quoted(user)
                           + QStringLiteral(", pwd = ") + SqlText::quoted(password)
                           + QStringLiteral(" where Userx = ") + SqlText::quoted(user);
    DataAccess::guarded(DataAccess::Label::Description, [&] {
        own().runOnCon(update);
        forms::MsgBox(QStringLiteral("Password changed"), forms::vbInformation, Admin);
    });
    own().closeCon();
}

bool CommonClass::GetLog(forms::Control &txtUID, forms::Control &txtPwd)
{
    bool valid = false;
    bool reachesLabel = true; // the refusals return before it, leaving Con as it is
    DataAccess::guarded(DataAccess::Label::Silent, [&] {
        const QString user = txtUID.Text().toString();
        const QString password = txtPwd.Text().toString();
        if (user.isEmpty() || password.isEmpty()) {
            forms::MsgBox(QStringLiteral("Fill Information"), forms::vbInformation,
                          QStringLiteral("Information"));
            reachesLabel = false;
            return;
        }
        ado::Recordset &users = own().connectAndRun(userQuery(user, password));
        if (!DataAccess::exists(users)) {
            forms::MsgBox(QStringLiteral("Not Authorised"), forms::vbInformation,
                          QStringLiteral("Information"));
            reachesLabel = false;
            return;
        }
        if (!matchesLogin(users, user, password)) {
            reachesLabel = false;
            return;
        }
        LogedPerson = user;
        rolrx = users.Fields(3).Value().toString();
        valid = true;
    });
    if (reachesLabel)
        own().closeCon();
    return valid;
}

// The old row goes only with the new one in: a refused fee leaves the late fee as it was.
void CommonClass::updatelatefee(double &latefee)
{
    DataAccess::guarded(
        DataAccess::Label::Silent,
        [&] {
            connect();
            Transaction replaced(Con);
            own().runOnCon(QStringLiteral("Delete * from gen"));
            own().runOnCon(QStringLiteral("Insert into gen values(") + SqlText::number(latefee)
                           + QStringLiteral(",0,0,0,0)"));
            replaced.commit();
            forms::MsgBox(QStringLiteral("Late Fee Value Saved"), forms::vbInformation,
                          QStringLiteral("Saved"));
        },
        [](const rt::RuntimeError &error) {
            forms::MsgBox(error.Description(), forms::vbInformation, QStringLiteral("Info"));
        });
    own().closeCon();
}
