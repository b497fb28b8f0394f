#include "tools/DatabaseFile.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <utility>

#include <sqlite3.h>

namespace {

bool fail(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
    return false;
}

bool readScript(const QString &path, QByteArray *script, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(error, QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()));
    *script = file.readAll();
    return true;
}

// A name beside the register for the file while it is built.
QString buildingName(const QString &finalPath)
{
    return finalPath + QStringLiteral(".new-")
           + QString::number(QRandomGenerator::global()->generate64(), 16);
}

// Never takes a name that already exists.
bool createEmptyFile(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return fail(error, QStringLiteral("Cannot create %1: %2").arg(path, file.errorString()));
    return true;
}

// Fails rather than replace a file that appeared under the final name meanwhile.
bool moveIntoPlace(const QString &from, const QString &to, QString *error)
{
    QFile file(from);
    if (!file.rename(to))
        return fail(error,
                    QStringLiteral("Cannot move %1 to %2: %3").arg(from, to, file.errorString()));
    return true;
}

// Runs the schema and the seed on the empty file as one transaction, so the file
// holds either all of it or nothing.
bool fillDatabase(const QString &path, const QByteArray &schema, const QByteArray &seed,
                  QString *error)
{
    sqlite3 *db = nullptr;
    const int opened = sqlite3_open_v2(QFile::encodeName(path).constData(), &db,
                                       SQLITE_OPEN_READWRITE, nullptr);
    if (opened != SQLITE_OK) {
        const QString reason = QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(opened));
        sqlite3_close(db);
        return fail(error, QStringLiteral("Cannot open %1: %2").arg(path, reason));
    }

    const QByteArray script = "BEGIN;\n" + schema + "\n" + seed + "\nCOMMIT;\n";
    char *message = nullptr;
    const int ran = sqlite3_exec(db, script.constData(), nullptr, nullptr, &message);
    const QString reason = QString::fromUtf8(message);
    sqlite3_free(message);
    const int closed = sqlite3_close(db);

    if (ran != SQLITE_OK)
        return fail(error, QStringLiteral("The database scripts failed: %1").arg(reason));
    if (closed != SQLITE_OK)
        return fail(error, QStringLiteral("Cannot close %1: %2").arg(path, sqlite3_errstr(closed)));
    return true;
}

} // namespace

DatabaseFile::DatabaseFile(QString schemaPath, QString seedPath)
    : schemaPath_(std::move(schemaPath)), seedPath_(std::move(seedPath))
{
}

bool DatabaseFile::createIfAbsent(const QString &path, QString *error) const
{
    const QFileInfo existing(path);
    if (existing.exists()) {
        if (existing.isFile())
            return true;
        return fail(error, QStringLiteral("%1 exists and is not a file").arg(path));
    }

    QByteArray schema;
    QByteArray seed;
    if (!readScript(schemaPath_, &schema, error) || !readScript(seedPath_, &seed, error))
        return false;

    const QString building = buildingName(path);
    if (!createEmptyFile(building, error))
        return false;
    if (fillDatabase(building, schema, seed, error) && moveIntoPlace(building, path, error))
        return true;
    QFile::remove(building);
    return false;
}
