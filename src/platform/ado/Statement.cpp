#include "platform/ado/Statement.h"

#include "platform/ado/Database.h"

#include <sqlite3.h>
#include <cstdint>
#include <limits>
#include <string>

namespace ado {

namespace {

// Text first, so LONGTEXT is text and not a number.
Statement::ColumnType typeOfDeclaration(const char *declared)
{
    if (!declared)
        return Statement::ColumnType::ByContent;
    std::string type(declared);
    for (char &c : type)
        c = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    const auto has = [&type](const char *part) { return type.find(part) != std::string::npos; };
    if (has("CHAR") || has("TEXT") || has("CLOB") || has("MEMO"))
        return Statement::ColumnType::Text;
    if (has("DATE") || has("TIME"))
        return Statement::ColumnType::Date;
    if (has("SMALLINT") || has("SHORT"))
        return Statement::ColumnType::Integer;
    if (has("INT") || has("LONG") || has("COUNTER"))
        return Statement::ColumnType::Long;
    if (has("DOUB") || has("REAL") || has("FLOA") || has("NUM") || has("DEC")
        || has("CURRENCY") || has("SINGLE"))
        return Statement::ColumnType::Double;
    return Statement::ColumnType::ByContent;
}

template <typename Narrow>
bool fits(std::int64_t value)
{
    return value >= std::numeric_limits<Narrow>::min()
           && value <= std::numeric_limits<Narrow>::max();
}

int digitsAt(const unsigned char *text, int count)
{
    int value = 0;
    for (int i = 0; i < count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

// 'yyyy-MM-dd', optionally followed by a time that a date does not keep; an invalid
// date for anything else.
QDate dateOfText(const unsigned char *text, int length)
{
    if (length < 10 || text[4] != '-' || text[7] != '-'
        || (length > 10 && text[10] != ' ' && text[10] != 'T'))
        return QDate();
    const int year = digitsAt(text, 4);
    const int month = digitsAt(text + 5, 2);
    const int day = digitsAt(text + 8, 2);
    if (year < 0 || month < 0 || day < 0)
        return QDate();
    return QDate(year, month, day);
}

QString textOf(sqlite3_stmt *statement, int column)
{
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(statement, column));
    return QString::fromUtf8(text, sqlite3_column_bytes(statement, column));
}

} // namespace

Statement::Statement(Database &database, sqlite3_stmt *statement)
    : database_(&database), statement_(statement)
{
    const int columns = columnCount();
    columnTypes_.reserve(columns);
    for (int column = 0; column < columns; ++column)
        columnTypes_.push_back(typeOfDeclaration(sqlite3_column_decltype(statement_, column)));
}

Statement::~Statement()
{
    sqlite3_finalize(statement_);
}

Statement::Statement(Statement &&other) noexcept
    : database_(other.database_), statement_(other.statement_),
      columnTypes_(std::move(other.columnTypes_))
{
    other.statement_ = nullptr;
}

int Statement::columnCount() const
{
    return sqlite3_column_count(statement_);
}

QString Statement::columnName(int column) const
{
    return QString::fromUtf8(sqlite3_column_name(statement_, column));
}

void Statement::bind(int position, const rt::Variant &value)
{
    int result = SQLITE_OK;
    switch (value.type()) {
    case rt::Variant::Type::Empty:
    case rt::Variant::Type::Null:
        result = sqlite3_bind_null(statement_, position);
        break;
    case rt::Variant::Type::Integer:
    case rt::Variant::Type::Long:
        result = sqlite3_bind_int64(statement_, position, value.toLong());
        break;
    case rt::Variant::Type::Boolean:
        result = sqlite3_bind_int(statement_, position, value.toBool() ? -1 : 0);
        break;
    case rt::Variant::Type::Double:
        result = sqlite3_bind_double(statement_, position, value.toDouble());
        break;
    case rt::Variant::Type::Date: {
        const QByteArray text =
            value.toDate().toString(QStringLiteral("yyyy-MM-dd")).toUtf8();
        result = sqlite3_bind_text(statement_, position, text.constData(),
                                   static_cast<int>(text.size()), SQLITE_TRANSIENT);
        break;
    }
    case rt::Variant::Type::String: {
        const QByteArray text = value.toString().toUtf8();
        result = sqlite3_bind_text(statement_, position, text.constData(),
                                   static_cast<int>(text.size()), SQLITE_TRANSIENT);
        break;
    }
    }
    if (result != SQLITE_OK)
        database_->raiseLastError();
}

bool Statement::next()
{
    const int result = sqlite3_step(statement_);
    if (result == SQLITE_ROW)
        return true;
    if (result != SQLITE_DONE)
        database_->raiseLastError();
    return false;
}

void Statement::runToEnd()
{
    while (next()) {
    }
}

rt::Variant Statement::value(int column) const
{
    const int storage = sqlite3_column_type(statement_, column);
    if (storage == SQLITE_NULL)
        return rt::Variant::null();
    switch (columnTypes_[column]) {
    case ColumnType::Text:
        return textOf(statement_, column);
    case ColumnType::Integer:
        if (storage == SQLITE_INTEGER) {
            const std::int64_t number = sqlite3_column_int64(statement_, column);
            if (fits<std::int16_t>(number))
                return static_cast<std::int16_t>(number);
        }
        break;
    case ColumnType::Long:
        if (storage == SQLITE_INTEGER) {
            const std::int64_t number = sqlite3_column_int64(statement_, column);
            if (fits<std::int32_t>(number))
                return static_cast<std::int32_t>(number);
        }
        break;
    case ColumnType::Double:
        if (storage == SQLITE_INTEGER || storage == SQLITE_FLOAT)
            return sqlite3_column_double(statement_, column);
        break;
    case ColumnType::Date:
        if (storage == SQLITE_TEXT) {
            const QDate date = dateOfText(sqlite3_column_text(statement_, column),
                                          sqlite3_column_bytes(statement_, column));
            if (date.isValid())
                return date;
        }
        break;
    case ColumnType::ByContent:
        break;
    }
    return valueByContent(column, storage);
}

// A whole number as Long while it fits, else as Double, as the engine's sums come back.
rt::Variant Statement::valueByContent(int column, int storage) const
{
    if (storage == SQLITE_INTEGER) {
        const std::int64_t number = sqlite3_column_int64(statement_, column);
        if (fits<std::int32_t>(number))
            return static_cast<std::int32_t>(number);
        return static_cast<double>(number);
    }
    if (storage == SQLITE_FLOAT)
        return sqlite3_column_double(statement_, column);
    return textOf(statement_, column);
}

} // namespace ado
