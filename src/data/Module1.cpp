#include "data/Module1.h"

#include "data/DataSource.h"
#include "data/KelvostranDSNClass.h"
#include "platform/ado/DatabaseCheck.h"
#include "platform/forms/MessageBox.h"
#include "platform/runtime/App.h"
#include "platform/runtime/OnFirstUse.h"
#include "platform/runtime/RuntimeError.h"

namespace Module1 {

namespace {

struct SharedObjects {
    ado::Connection connection;
    ado::Recordset recordset;
    ado::Recordset recordset2;
    ado::Recordset recordset3;
    ado::Recordset recordset4;
    QString sql;
    rt::Variant dsnResult;
    QDate periodFrom = rt::ZeroDate;
    QDate periodTo = rt::ZeroDate;
};

SharedObjects &shared()
{
    static rt::OnFirstUse<SharedObjects> objects;
    return objects.get();
}

// Every table of the register database. Opening refuses a file that holds none of them:
// it is some other database, and the login would only say "You are nor authorised".
const QStringList SystemTables = {
    QStringLiteral("UserTable"),         QStringLiteral("gen"),
    QStringLiteral("TYPEDEPOSITE"),      QStringLiteral("TypeOfExpenditure"),
    QStringLiteral("CHEQUETABLE"),       QStringLiteral("CHEQUE"),
    QStringLiteral("DATAX"),             QStringLiteral("BANK"),
    QStringLiteral("BANKDETAIL"),        QStringLiteral("RemAdvance"),
    QStringLiteral("PERMANENTITEM"),     QStringLiteral("EXPENDITURE"),
    QStringLiteral("Memberx"),           QStringLiteral("FlatHistory"),
    QStringLiteral("TYMEMBER"),          QStringLiteral("MEMBERCHARGETYPE"),
    QStringLiteral("DETAILSOFDEPOSITE"), QStringLiteral("BILLX"),
    QStringLiteral("RECIEPT"),           QStringLiteral("EMPLOYEE"),
    QStringLiteral("DOCUMENT"),          QStringLiteral("complain"),
    QStringLiteral("sharex"),            QStringLiteral("TENANT"),
    QStringLiteral("VEHICLE"),           QStringLiteral("INFORMATION"),
};
// Named before any connection of the program can open: every opener of the register
// uses this module.
[[maybe_unused]] const bool systemTablesNamed =
    (ado::DatabaseCheck::setSystemTables(SystemTables), true);

rt::Variant registerDataSource()
{
    QString name = DataSource::Name;
    QString description = DataSource::Name;
    QString database = DataSource::Name;
    QString user = DataSource::User;
    QString password = DataSource::Password;
    KelvostranDSNClass registration;
    return registration.KelvostranDSN(name, description, database, user, password);
}

} // namespace

ado::Connection &SharedConnection() { return shared().connection; }
ado::Recordset &SharedRecordset() { return shared().recordset; }
ado::Recordset &SharedRecordset2() { return shared().recordset2; }
ado::Recordset &SharedRecordset3() { return shared().recordset3; }
ado::Recordset &SharedRecordset4() { return shared().recordset4; }
QString &SharedSql() { return shared().sql; }
rt::Variant &DsnResult() { return shared().dsnResult; }
QDate &PeriodFromDate() { return shared().periodFrom; }
QDate &PeriodToDate() { return shared().periodTo; }

void OpenConnection()
{
    try {
        DsnResult() = registerDataSource();
        CloseSharedConnection();
        SharedConnection().ConnectionString = SharedConnectionString;
        SharedConnection().Open(QString(), QString(), ado::adCmdUnspecified);
        return;
    } catch (const rt::RuntimeError &error) {
        forms::MsgBox(error.Description());
    }
    // The registration handles its own failures, so no error is left to add here.
    DsnResult() = registerDataSource();
    forms::MsgBox(QStringLiteral("Please Re-start Application"));
    rt::End();
}

ado::Connection &OpenSharedConnectionIfClosed()
{
    if (SharedConnection().State() != ado::adStateOpen)
        OpenConnection();
    return SharedConnection();
}

void CloseSharedConnection()
{
    if (SharedConnection().State() == ado::adStateOpen)
        SharedConnection().Close();
}

void CloseIfOpen(ado::Recordset &recordset)
{
    if (recordset.State() == ado::adStateOpen)
        recordset.Close();
}

} // namespace Module1
