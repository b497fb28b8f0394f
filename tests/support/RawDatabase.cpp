#include "support/RawDatabase.h"

#include <QFile>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

QString columnText(sqlite3_stmt *statement, int column)
{
    if (sqlite3_column_type(statement, column) == SQLITE_NULL)
        return QStringLiteral("NULL");
    return QString::fromUtf8(
        reinterpret_cast<const char *>(sqlite3_column_text(statement, column)));
}

} // namespace

RawDatabase::RawDatabase(const QString &path)
{
    sqlite3_open_v2(QFile::encodeName(path).constData(), &handle_,
                    SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
}

RawDatabase::~RawDatabase()
{
    sqlite3_close(handle_);
}

int RawDatabase::exec(const QString &sql, QString *message)
{
    char *reason = nullptr;
    const int result = sqlite3_exec(handle_, sql.toUtf8().constData(), nullptr, nullptr, &reason);
    if (message)
        *message = QString::fromUtf8(reason);
    sqlite3_free(reason);
    return result;
}

QStringList RawDatabase::rows(const QString &sql)
{
    sqlite3_stmt *statement = nullptr;
    QStringList rows;
    if (sqlite3_prepare_v2(handle_, sql.toUtf8().constData(), -1, &statement, nullptr)
        != SQLITE_OK) {
        ADD_FAILURE() << sqlite3_errmsg(handle_) << " in " << sql.toStdString();
        return rows;
    }
    while (sqlite3_step(statement) == SQLITE_ROW) {
        QStringList columns;
        for (int column = 0; column < sqlite3_column_count(statement); ++column)
            columns << columnText(statement, column);
        rows << columns.join(QLatin1Char('|'));
    }
    sqlite3_finalize(statement);
    return rows;
}

QString RawDatabase::scalar(const QString &sql)
{
    const QStringList all = rows(sql);
    return all.isEmpty() ? QString() : all.first().section(QLatin1Char('|'), 0, 0);
}
