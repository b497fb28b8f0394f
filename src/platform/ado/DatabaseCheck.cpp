#include "platform/ado/DatabaseCheck.h"

#include "platform/ado/AdoError.h"
#include "platform/runtime/OnFirstUse.h"

#include <QFileInfo>
#include <QSet>
#include <algorithm>
#include <sqlite3.h>

namespace ado {

namespace {

QStringList &systemTables()
{
    static QStringList names;
    return names;
}

// The files that passed the integrity check in this run: it reads every page, so it
// runs once a run rather than at each of the many connections the forms make.
QSet<QString> &checkedFiles()
{
    static rt::OnFirstUse<QSet<QString>> files;
    return files.get();
}

// The first column of every row of a query. A file too damaged to answer gives one row,
// the engine's message; a lock held elsewhere past the busy wait is the in-use error.
QStringList firstColumn(sqlite3 *handle, const QString &path, const char *sql)
{
    QStringList rows;
    sqlite3_stmt *statement = nullptr;
    int result = sqlite3_prepare_v2(handle, sql, -1, &statement, nullptr);
    while (result == SQLITE_OK && (result = sqlite3_step(statement)) == SQLITE_ROW) {
        rows << QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(statement, 0)));
        result = SQLITE_OK;
    }
    sqlite3_finalize(statement);
    if (result == SQLITE_BUSY || result == SQLITE_LOCKED)
        throw AdoError::databaseInUse(path);
    if (result != SQLITE_DONE)
        return {QString::fromUtf8(sqlite3_errstr(result))};
    return rows;
}

bool holdsASystemTable(sqlite3 *handle, const QString &path)
{
    if (systemTables().isEmpty())
        return true;
    const QStringList tables =
        firstColumn(handle, path, "select name from sqlite_master where type = 'table'");
    return std::any_of(tables.begin(), tables.end(), [](const QString &table) {
        return systemTables().contains(table, Qt::CaseInsensitive);
    });
}

// The engine answers a single "ok" when it finds nothing wrong, else one line per fault.
QString integrityFaults(sqlite3 *handle, const QString &path)
{
    const QStringList faults = firstColumn(handle, path, "PRAGMA quick_check");
    return faults == QStringList{QStringLiteral("ok")} ? QString() : faults.join(QStringLiteral("; "));
}

} // namespace

void DatabaseCheck::setSystemTables(const QStringList &names)
{
    systemTables() = names;
}

void DatabaseCheck::verifyNotEmpty(const QString &path)
{
    if (QFileInfo(path).size() == 0)
        throw AdoError::providerFailure(
            QStringLiteral("The database file '%1' is empty: it holds no register.").arg(path));
}

void DatabaseCheck::verifyContents(sqlite3 *handle, const QString &path)
{
    // Integrity first: a damaged file may not even list its tables.
    const QString canonical = QFileInfo(path).canonicalFilePath();
    if (!checkedFiles().contains(canonical)) {
        const QString faults = integrityFaults(handle, path);
        if (!faults.isEmpty())
            throw AdoError::providerFailure(
                QStringLiteral("The database file '%1' is damaged (%2). Restore it from a "
                               "backup copy before using it.")
                    .arg(path, faults));
    }
    if (!holdsASystemTable(handle, path))
        throw AdoError::providerFailure(
            QStringLiteral("The database file '%1' holds none of the program's tables: it is "
                           "not a register.")
                .arg(path));
    checkedFiles().insert(canonical);
}

} // namespace ado
