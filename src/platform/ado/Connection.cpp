#include "platform/ado/Connection.h"

#include "platform/ado/AdoError.h"
#include "platform/ado/Database.h"
#include "platform/ado/OdbcRegistry.h"
#include "platform/registry/Registry.h"

#include <QFileInfo>

namespace ado {

namespace {

// The value of "DSN=" in a connection string of "name=value" pairs separated by ";".
QString dataSourceName(const QString &connectionString)
{
    for (const QString &pair : connectionString.split(QLatin1Char(';'))) {
        const qsizetype equals = pair.indexOf(QLatin1Char('='));
        if (equals > 0
            && pair.left(equals).trimmed().compare(QLatin1String("DSN"), Qt::CaseInsensitive)
                   == 0)
            return pair.mid(equals + 1).trimmed();
    }
    return QString();
}

// The data source's "DBQ" value, a text with its terminating zero; the backslashes
// it was written with separate folders.
QString registeredDatabaseFile(const QString &dataSource)
{
    const std::optional<registry::RegistryValue> value =
        dataSource.isEmpty()
            ? std::nullopt
            : registry::queryLocalMachineValue(OdbcIniKey + dataSource, QStringLiteral("DBQ"));
    if (!value || value->type != registry::REG_SZ)
        throw AdoError::providerFailure(
            QStringLiteral("Data source name not found: %1").arg(dataSource));
    QByteArray bytes = value->data;
    if (bytes.endsWith('\0'))
        bytes.chop(1);
    return QString::fromUtf8(bytes).replace(QLatin1Char('\\'), QLatin1Char('/'));
}

} // namespace

struct Connection::Shared {
    std::shared_ptr<Database> database;
};

Connection::Connection() : shared_(std::make_shared<Shared>()) {}

// The user and password of the data source are not checked: the database file is
// reached through the file system alone.
void Connection::Open(const QString &, const QString &, long)
{
    const QString file = registeredDatabaseFile(dataSourceName(ConnectionString));
    if (!QFileInfo(file).isFile())
        throw AdoError::providerFailure(QStringLiteral("Could not find file '%1'.").arg(file));
    shared_->database = std::make_shared<Database>(file);
}

void Connection::Close()
{
    if (!shared_->database)
        throw AdoError::objectClosed();
    shared_->database.reset();
}

int Connection::State() const
{
    return shared_->database ? adStateOpen : adStateClosed;
}

long Connection::Execute(const QString &commandText, long)
{
    const std::shared_ptr<Database> open = database();
    const long long changesBefore = open->totalChanges();
    open->prepare(commandText).runToEnd();
    return static_cast<long>(open->totalChanges() - changesBefore);
}

long Connection::BeginTrans()
{
    database()->beginTransaction();
    return 1;
}

void Connection::CommitTrans()
{
    database()->commitTransaction();
}

void Connection::RollbackTrans()
{
    database()->rollBackTransaction();
}

bool Connection::inTransaction() const
{
    return shared_->database && shared_->database->inTransaction();
}

std::shared_ptr<Database> Connection::database() const
{
    if (!shared_->database)
        throw AdoError::connectionUnusable();
    return shared_->database;
}

} // namespace ado
