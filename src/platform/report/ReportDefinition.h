#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

namespace report {

// Words: an amount in words, as the control was handed them (AmountInWords).
enum class ValueFormat { Text, Date, Number, Words };

// A column of a table as a report file names it: {TABLE.COLUMN}.
struct ReportField {
    QString table;
    QString column;

    QString braced() const { return u'{' + table + u'.' + column + u'}'; }
    QString sql() const { return table + u'.' + column; }
};


// One printed column: the field it shows, its heading and how its values print.
struct ReportColumn {
    int field = 0; // index into ReportDefinition::fields
    QString heading;
    int widthTwips = 0;
    Qt::Alignment alignment = Qt::AlignLeft;
    ValueFormat format = ValueFormat::Text;
    int decimals = 2;
    // Summed at the foot of every group and of the report.
    bool total = false;
    // Prints the sum of the field's values so far, starting afresh in every group: the
    // balance column of an account.
    bool running = false;
};

// A field printed as "label: value"; without a label, the value alone. The value prints
// in words when its format says so; else as a column showing the field prints it, else
// in the field's own format.
struct ReportLabelledField {
    int field = 0; // index into ReportDefinition::fields
    QString label;
    ValueFormat format = ValueFormat::Text;
};

// Rows that share the field's value print together, under a heading "label: value"
// and the details as the group's first row has them, a line each: a bill's member and
// flat under its number.
struct ReportGroup {
    int field = 0;
    QString label;
    ValueFormat format = ValueFormat::Text;
    QList<ReportLabelledField> details;
};

// A text the launcher may set (name = 'text'), shown under the title when not empty.
struct ReportFormulaField {
    QString name;
    QString label;
};

// What a report file says: the rows it reads and how they print.
struct ReportDefinition {
    QString title;
    // The data source the report reads when the run is given no connection string.
    QString dataSource;
    // The tables the rows come from, as the text after FROM.
    QString from;
    bool landscape = false;
    QList<ReportField> fields;
    // Row order within the groups, as indexes into fields.
    QList<int> sort;
    QList<ReportGroup> groups;
    QList<ReportColumn> columns;
    QList<ReportFormulaField> formulas;

    // Raises the missing-file error, or the bad-file error naming what is wrong.
    static ReportDefinition read(const QString &path);
    // The same from the file's text; path only names the file in errors.
    static ReportDefinition parse(const QByteArray &json, const QString &path);

    // The declared field with this table and column, ignoring letter case.
    std::optional<int> fieldIndex(const QString &table, const QString &column) const;
    // The formula field of this name, ignoring letter case.
    std::optional<int> formulaIndex(const QString &name) const;
};

} // namespace report
