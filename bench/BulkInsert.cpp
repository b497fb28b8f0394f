#include "BulkInsert.h"

#include <QFile>
#include <sqlite3.h>

BulkInsert::BulkInsert(const QString &databasePath, const char *statement)
{
    sqlite3_open_v2(QFile::encodeName(databasePath).constData(), &database_,
                    SQLITE_OPEN_READWRITE, nullptr);
    sqlite3_exec(database_, "begin", nullptr, nullptr, nullptr);
    sqlite3_prepare_v2(database_, statement, -1, &insert_, nullptr);
}

BulkInsert::~BulkInsert()
{
    sqlite3_finalize(insert_);
    sqlite3_exec(database_, "commit", nullptr, nullptr, nullptr);
    sqlite3_close(database_);
}

void BulkInsert::store()
{
    sqlite3_step(insert_);
    sqlite3_reset(insert_);
}
