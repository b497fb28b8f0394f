#include "tools/DatabaseFile.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <functional>
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

// Copies the register page by page through SQLite, under its read lock: a copy taken
// while another program writes to it is whole or refused, and the earlier file is opened
// read-only, so it is never changed.
bool copyDatabase(const QString &from, const QString &to, QString *error)
{
    sqlite3 *source = nullptr;
    sqlite3 *target = nullptr;
    sqlite3_open_v2(QFile::encodeName(from).constData(), &source, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_open_v2(QFile::encodeName(to).constData(), &target, SQLITE_OPEN_READWRITE, nullptr);
    sqlite3_backup *backup = sqlite3_backup_init(target, "main", source, "main");
    // A step that finds the register locked returns without copying it all, and the
    // finish does not count that as an error: only a step that is done copied it whole.
    const int copied = backup ? sqlite3_backup_step(backup, -1) : sqlite3_errcode(target);
    const QString reason =
        QString::fromUtf8(backup ? sqlite3_errstr(copied) : sqlite3_errmsg(target));
    sqlite3_backup_finish(backup);
    sqlite3_close(source);
    const int closed = sqlite3_close(target);

    if (copied != SQLITE_DONE)
        return fail(error, QStringLiteral("Cannot copy %1: %2").arg(from, reason));
    if (closed != SQLITE_OK)
        return fail(error, QStringLiteral("Cannot close %1: %2").arg(to, sqlite3_errstr(closed)));
    return true;
}

// Fills a new file beside the final name and moves it into place only when whole, so the
// register is never seen half made.
bool layOut(const QString &path, const std::function<bool(const QString &, QString *)> &fill,
            QString *error)
{
    const QString building = buildingName(path);
    if (!createEmptyFile(building, error))
        return false;
    if (fill(building, error) && moveIntoPlace(building, path, error))
        return true;
    QFile::remove(building);
    return false;
}

} // namespace

DatabaseFile::DatabaseFile(QString schemaPath, QString seedPath)
    : schemaPath_(std::move(schemaPath)), seedPath_(std::move(seedPath))
{
}

bool DatabaseFile::createIfAbsent(const QString &path, QString *error) const
{
    return copyOrCreateIfAbsent(path, QString(), error);
}

bool DatabaseFile::copyOrCreateIfAbsent(const QString &path, const QString &earlier,
                                        QString *error) const
{
    const QFileInfo existing(path);
    if (existing.exists()) {
        if (existing.isFile())
            return true;
        return fail(error, QStringLiteral("%1 exists and is not a file").arg(path));
    }

    if (QFileInfo(earlier).isFile()) {
        return layOut(
            path, [&](const QString &building, QString *why) {
                return copyDatabase(earlier, building, why);
            },
            error);
    }

    QByteArray schema;
    QByteArray seed;
    if (!readScript(schemaPath_, &schema, error) || !readScript(seedPath_, &seed, error))
        return false;
    return layOut(
        path, [&](const QString &building, QString *why) {
            return fillDatabase(building, schema, seed, why);
        },
        error);
}
