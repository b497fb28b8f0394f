#pragma once

#include <QString>

struct sqlite3;
struct sqlite3_stmt;

// Rows laid straight into a register file, outside the program's layers, so that a
// benchmark times only what the program does with them: one prepared statement, run
// once a row, all in one transaction that commits when the insert goes.
class BulkInsert {
public:
    BulkInsert(const QString &databasePath, const char *statement);
    ~BulkInsert();
    BulkInsert(const BulkInsert &) = delete;
    BulkInsert &operator=(const BulkInsert &) = delete;

    // The statement, for the caller to bind the next row's parameters.
    sqlite3_stmt *row() { return insert_; }
    // Stores the row bound now.
    void store();

private:
    sqlite3 *database_ = nullptr;
    sqlite3_stmt *insert_ = nullptr;
};
