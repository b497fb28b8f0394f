#pragma once

#include "platform/runtime/Variant.h"

#include <QString>
#include <vector>

struct sqlite3_stmt;

namespace ado {

class Database;

// One prepared statement. Its values come back as the column's declared type says:
// text columns as String, SMALLINT as Integer, INTEGER as Long, DOUBLE and other
// number columns as Double, DATE as Date; a column without a declared type (an
// expression, an aggregate) by what it holds; a database Null as Null.
class Statement {
public:
    Statement(Database &database, sqlite3_stmt *statement);
    ~Statement();
    Statement(Statement &&other) noexcept;
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;
    Statement &operator=(Statement &&) = delete;

    // None for a statement that returns no rows.
    int columnCount() const;
    QString columnName(int column) const;

    // Gives the statement's "?" number `position` (from 1) its value: a date as the
    // 'yyyy-MM-dd' text that DATE columns hold, Empty and Null as the database Null.
    void bind(int position, const rt::Variant &value);

    // Moves to the next row; false when there is none. Raises the engine's failure.
    bool next();
    // Runs the statement through all its rows.
    void runToEnd();

    // A column of the current row.
    rt::Variant value(int column) const;

    enum class ColumnType { ByContent, Text, Integer, Long, Double, Date };

private:
    rt::Variant valueByContent(int column, int storage) const;

    Database *database_;
    sqlite3_stmt *statement_;
    std::vector<ColumnType> columnTypes_;
};

} // namespace ado
