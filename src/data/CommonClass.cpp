#include "data/CommonClass.h"

#include "data/Module1.h"
#include "data/SqlText.h"
#include "platform/forms/Control.h"
#include "platform/forms/MessageBox.h"
#include "platform/runtime/RuntimeError.h"

namespace {

const QString Admin = QStringLiteral("Admin");

void openKeysetReadOnly(ado::Recordset &recordset, const QString &sql,
                        const ado::Connection &connection)
{
    Module1::CloseIfOpen(recordset);
    recordset.Open(sql, connection, ado::adOpenKeyset, ado::adLockReadOnly,
                   ado::adCmdUnspecified);
}

void closeIfOpen(ado::Connection &connection)
{
    if (connection.State() == ado::adStateOpen)
        connection.Close();
}

} // namespace

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
    try {
        closeIfOpen(Con);
        Con.ConnectionString = ConnectionString;
        Con.Open(QString(), QString(), ado::adCmdUnspecified);
    } catch (const rt::RuntimeError &error) {
        forms::MsgBox(error.Description());
    }
    return false;
}

void CommonClass::runOnSharedConnection()
{
    openKeysetReadOnly(Rs, str, Module1::OpenSharedConnectionIfClosed());
}

void CommonClass::runOnOwnConnection()
{
    openKeysetReadOnly(Rs, str, Con);
}

// The lookup fillers: each lists one column of its query in the query's order and
// selects the first item, which raises the combo's Click. They differ in what a
// failure (an empty list included) does.
namespace {

enum class OnFailure { Silent, ShowDescription, CloseConnection };

void fillFromOwnConnection(CommonClass &common, forms::Control &CMB, const QString &sql,
                           const QString &column, OnFailure onFailure)
{
    CMB.Clear();
    try {
        common.connect();
        openKeysetReadOnly(common.Rs, sql, common.Con);
        while (!common.Rs.Eof()) {
            CMB.AddItem(common.Rs.Fields(column).Value().toString());
            common.Rs.MoveNext();
        }
        closeIfOpen(common.Con);
        CMB.setListIndex(0);
    } catch (const rt::RuntimeError &error) {
        if (onFailure == OnFailure::ShowDescription)
            forms::MsgBox(error.Description());
        else if (onFailure == OnFailure::CloseConnection)
            closeIfOpen(common.Con);
    }
}

} // namespace

void CommonClass::FillTypesofDeposit(forms::Control &CMB)
{
    fillFromOwnConnection(*this, CMB,
                          QStringLiteral("Select Distinct(TYPEOFDEPOSITE) from TYPEDEPOSITE "
                                         "order by TYPEOFDEPOSITE asc"),
                          QStringLiteral("TYPEOFDEPOSITE"), OnFailure::Silent);
}

void CommonClass::FillGENERALTypesofDeposit(forms::Control &CMB)
{
    fillFromOwnConnection(*this, CMB,
                          QStringLiteral("Select Distinct(TYPEOFDEPOSITE) from TYPEDEPOSITE "
                                         "WHERE DURATIONOFDEPOSITE = 0 order by "
                                         "TYPEOFDEPOSITE asc"),
                          QStringLiteral("TYPEOFDEPOSITE"), OnFailure::Silent);
}

void CommonClass::FillTypesofEXPENDITURE(forms::Control &CMB)
{
    fillFromOwnConnection(*this, CMB,
                          QStringLiteral("Select Distinct(EXPENDITURE) from TypeOfExpenditure "
                                         "ORDER BY EXPENDITURE ASC"),
                          QStringLiteral("EXPENDITURE"), OnFailure::ShowDescription);
}

void CommonClass::FillUID(forms::Control &CMB)
{
    fillFromOwnConnection(*this, CMB, QStringLiteral("Select Distinct(Userx) from UserTable"),
                          QStringLiteral("Userx"), OnFailure::CloseConnection);
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
    str = QStringLiteral("Update UserTable set Userx = ") + SqlText::quoted(user)
          + QStringLiteral(", pwd = ") + SqlText::quoted(password)
          + QStringLiteral(" where Userx = ") + SqlText::quoted(user);
    Module1::CloseIfOpen(Rs);
    try {
        runOnOwnConnection();
        forms::MsgBox(QStringLiteral("Password changed"), forms::vbInformation, Admin);
    } catch (const rt::RuntimeError &error) {
        forms::MsgBox(error.Description());
    }
    closeIfOpen(Con);
}

bool CommonClass::GetLog(forms::Control &txtUID, forms::Control &txtPwd)
{
    bool valid = false;
    try {
        const QString user = txtUID.Text().toString();
        const QString password = txtPwd.Text().toString();
        if (user.isEmpty() || password.isEmpty()) {
            forms::MsgBox(QStringLiteral("Fill Information"), forms::vbInformation,
                          QStringLiteral("Information"));
            return false;
        }
        connect();
        str = userQuery(user, password);
        runOnOwnConnection();
        if (Rs.RecordCount() < 1) {
            forms::MsgBox(QStringLiteral("Not Authorised"), forms::vbInformation,
                          QStringLiteral("Information"));
            return false;
        }
        if (!matchesLogin(Rs, user, password))
            return false;
        LogedPerson = user;
        rolrx = Rs.Fields(3).Value().toString();
        valid = true;
    } catch (const rt::RuntimeError &) {
    }
    closeIfOpen(Con);
    return valid;
}

void CommonClass::updatelatefee(double &latefee)
{
    try {
        connect();
        openKeysetReadOnly(Rs, QStringLiteral("Delete * from gen"), Con);
        str = QStringLiteral("Insert into gen values(") + SqlText::number(latefee)
              + QStringLiteral(",0,0,0,0)");
        runOnOwnConnection();
        forms::MsgBox(QStringLiteral("Late Fee Value Saved"), forms::vbInformation,
                      QStringLiteral("Saved"));
    } catch (const rt::RuntimeError &error) {
        forms::MsgBox(error.Description(), forms::vbInformation, QStringLiteral("Info"));
    }
    closeIfOpen(Con);
}
