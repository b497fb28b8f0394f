#pragma once

#include "data/SqlText.h"
#include "platform/ado/Recordset.h"
#include "platform/forms/Control.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/Variant.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <variant>

// One column of a record table and the field of the record that holds it. A record's
// columns are written once, as a table of these in the table's column order; the
// positional insert, the update, the row reading and the copies into controls are all
// built from that table, so they cannot disagree about the order.
template <class Record>
struct RecordColumn {
    using Field = std::variant<std::int16_t Record::*, double Record::*, QString Record::*,
                               QDate Record::*>;

    const char *name;
    Field field;
};

namespace RecordColumns {

// The value of one column as it goes into a statement: text quoted, a number bare, a
// date between # signs. The object is the record or a class built on it.
template <class Object, class Record>
QString sqlValue(const Object &record, const RecordColumn<Record> &column)
{
    return std::visit(
        [&](auto member) {
            const auto &value = record.*member;
            using Value = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<Value, QString>)
                return SqlText::quoted(value);
            else if constexpr (std::is_same_v<Value, QDate>)
                return SqlText::date(value);
            else
                return SqlText::number(value);
        },
        column.field);
}

// Every value of the record in column order, for a positional insert.
template <class Object, class Columns>
QStringList sqlValues(const Object &record, const Columns &columns)
{
    QStringList values;
    for (const auto &column : columns)
        values << sqlValue(record, column);
    return values;
}

// "insert into TABLE values(v1,v2,...)"
inline QString insertStatement(const QString &table, const QStringList &values)
{
    return QStringLiteral("insert into %1 values(%2)").arg(table, values.join(QLatin1Char(',')));
}

// " NAME = value" for each column, joined by ",": the SET list of an update.
template <class Object, class Columns>
QString assignments(const Object &record, const Columns &columns)
{
    QStringList pieces;
    for (const auto &column : columns)
        pieces << QLatin1Char(' ') + QLatin1String(column.name) + QStringLiteral(" = ")
                      + sqlValue(record, column);
    return pieces.join(QLatin1Char(','));
}

// The current row read by column name into a copy of `record`, converted to each
// field's type. A missing row or a Null raises before anything of `record` changes, so
// a caller that assigns the result only on success never holds a record made of two.
template <class Record, class Columns>
Record readRow(const ado::Recordset &rows, const Columns &columns, Record record)
{
    for (const auto &column : columns) {
        const rt::Variant value = rows.Fields(QLatin1String(column.name)).Value();
        std::visit(
            [&](auto member) {
                auto &field = record.*member;
                using Value = std::decay_t<decltype(field)>;
                if constexpr (std::is_same_v<Value, QString>)
                    field = value.toString();
                else if constexpr (std::is_same_v<Value, QDate>)
                    field = value.toDate();
                else if constexpr (std::is_same_v<Value, double>)
                    field = value.toDouble();
                else
                    field = value.toInteger();
            },
            column.field);
    }
    return record;
}

// Puts one field into a control: a date into its Value (a date picker), anything else
// as text into its Text.
template <class Object, class Record>
void toControl(forms::Control &control, const Object &record, const RecordColumn<Record> &column)
{
    std::visit(
        [&](auto member) {
            const auto &value = record.*member;
            using Value = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<Value, QString>)
                control.setText(value);
            else if constexpr (std::is_same_v<Value, QDate>)
                control.setValue(value);
            else
                control.setText(rt::generalNumberText(value));
        },
        column.field);
}

// The column names in table order, for holding a table against the schema.
template <class Columns>
QStringList names(const Columns &columns)
{
    QStringList result;
    for (const auto &column : columns)
        result << QLatin1String(column.name);
    return result;
}

} // namespace RecordColumns
