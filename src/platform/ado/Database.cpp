#include "platform/ado/Database.h"

#include "platform/ado/AccessSqlDialect.h"
#include "platform/ado/AdoError.h"
#include "platform/ado/DatabaseCheck.h"
#include "platform/runtime/OnFirstUse.h"

#include <sqlite3.h>

namespace ado {

namespace {

// Long enough for another program holding the file to finish its write.
constexpr int BusyTimeoutMilliseconds = 5000;

struct BusyWait {
    int milliseconds = BusyTimeoutMilliseconds;
};

int &busyWait()
{
    static rt::OnFirstUse<BusyWait> wait;
    return wait.get().milliseconds;
}

bool onlyBlanksAndSemicolons(const char *p, const char *end)
{
    for (; p < end; ++p) {
        if (*p != ' ' && *p != '\t' && *p != '\r' && *p != '\n' && *p != ';')
            return false;
    }
    return true;
}

// The engine names the index's columns after "failed: ", separated by commas.
rt::RuntimeError duplicateError(const QString &engineMessage)
{
    const qsizetype colon = engineMessage.indexOf(QStringLiteral(": "));
    const QString columns = colon < 0 ? engineMessage : engineMessage.mid(colon + 2);
    const long number =
        columns.contains(QLatin1Char(',')) ? rt::errProviderFailure : rt::errDuplicateKey;
    return rt::RuntimeError(number,
                            QStringLiteral("The changes were not made because they would create "
                                           "duplicate values in the index on %1.")
                                .arg(columns));
}

} // namespace

Database::Database(const QString &path) : path_(path)
{
    DatabaseCheck::verifyNotEmpty(path);
    // One thread, the program's, uses a connection: the engine need not lock it for
    // every column read.
    const int result = sqlite3_open_v2(path.toUtf8().constData(), &handle_,
                                       SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    // Before any statement: reading the file's header already needs its lock, which a
    // second copy of the program or a backup tool may hold for a moment.
    if (handle_)
        sqlite3_busy_timeout(handle_, busyWait());
    try {
        // Reading the schema version makes the engine read the file's header, so a file
        // that is no database fails here rather than at the first statement.
        if (result != SQLITE_OK
            || sqlite3_exec(handle_, "PRAGMA foreign_keys = OFF; PRAGMA schema_version;",
                            nullptr, nullptr, nullptr)
                   != SQLITE_OK)
            raiseOpeningError();
        DatabaseCheck::verifyContents(handle_, path);
    } catch (const rt::RuntimeError &) {
        sqlite3_close(handle_);
        throw;
    }
}

Database::~Database()
{
    sqlite3_close(handle_);
}

Statement Database::prepare(const QString &statementText)
{
    refuseWhileTransactionUndone();
    const QByteArray sql = AccessSqlDialect::toSqlite(statementText);
    const char *const end = sql.constData() + sql.size();
    sqlite3_stmt *prepared = nullptr;
    const char *tail = end;
    if (sqlite3_prepare_v2(handle_, sql.constData(), static_cast<int>(sql.size()), &prepared,
                           &tail)
        != SQLITE_OK)
        raiseLastError();
    Statement statement(*this, prepared);
    if (!prepared)
        throw AdoError::statementRejected(QStringLiteral("The statement text is empty."));
    if (!onlyBlanksAndSemicolons(tail, end))
        throw AdoError::statementRejected(
            QStringLiteral("Characters found after end of SQL statement."));
    return statement;
}

void Database::runCommand(const char *command)
{
    if (sqlite3_exec(handle_, command, nullptr, nullptr, nullptr) != SQLITE_OK)
        raiseLastError();
}

void Database::beginTransaction()
{
    refuseWhileTransactionUndone();
    runCommand("begin");
    transactionBegun_ = true;
}

void Database::commitTransaction()
{
    refuseWhileTransactionUndone();
    runCommand("commit");
    transactionBegun_ = false;
}

void Database::rollBackTransaction()
{
    if (sqlite3_get_autocommit(handle_) == 0)
        runCommand("rollback");
    transactionBegun_ = false;
}

bool Database::inTransaction() const
{
    return transactionBegun_ && sqlite3_get_autocommit(handle_) == 0;
}

void Database::refuseWhileTransactionUndone() const
{
    if (transactionBegun_ && sqlite3_get_autocommit(handle_) != 0)
        throw AdoError::statementRejected(
            QStringLiteral("The changes were undone by the database engine after a failure; "
                           "none of them was saved."));
}

long long Database::totalChanges() const
{
    return sqlite3_total_changes64(handle_);
}

void Database::raiseOpeningError() const
{
    if (inUse())
        throw AdoError::databaseInUse(path_);
    throw AdoError::providerFailure(QStringLiteral("Could not use the database file '%1': %2.")
                                        .arg(path_, QString::fromUtf8(sqlite3_errmsg(handle_))));
}

void Database::setBusyWaitForTesting(int milliseconds)
{
    busyWait() = milliseconds;
}

bool Database::inUse() const
{
    const int code = sqlite3_errcode(handle_);
    return code == SQLITE_BUSY || code == SQLITE_LOCKED;
}

void Database::raiseLastError() const
{
    if (inUse())
        throw AdoError::databaseInUse(path_);
    const int code = sqlite3_extended_errcode(handle_);
    const QString message = QString::fromUtf8(sqlite3_errmsg(handle_));
    if (code == SQLITE_CONSTRAINT_UNIQUE || code == SQLITE_CONSTRAINT_PRIMARYKEY)
        throw duplicateError(message);
    throw AdoError::statementRejected(message);
}

} // namespace ado
