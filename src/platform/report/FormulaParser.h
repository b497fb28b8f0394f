#pragma once

#include "platform/runtime/Variant.h"

#include <QList>
#include <QString>
#include <optional>

namespace report {

struct ReportDefinition;

// A row filter ready for a statement: the text after WHERE with a "?" for every value,
// and the values in order. An empty text selects every row.
struct SqlCondition {
    QString sql;
    QList<rt::Variant> parameters;
};

// A formula entry: the formula field's name and its new text.
struct FormulaAssignment {
    QString name;
    QString value;
};

// Reads the report formula language: conditions {TABLE.COLUMN} op value joined by AND
// (any letter case), op one of = <> >= <=, a value a text in single quotes, a whole
// number with an optional sign, or date(year,month,day). Nothing of the formula's text
// reaches the statement but the declared names of the fields it compares.
class FormulaParser {
public:
    // Raises the formula error naming the problem, or the unknown-field error for a field
    // the report does not declare.
    static SqlCondition parseSelection(const QString &formula, const ReportDefinition &definition);
    // An entry name = 'text'; raises the formula error naming the problem.
    static FormulaAssignment parseAssignment(const QString &entry);

private:
    explicit FormulaParser(const QString &text) : text_(text) {}

    void condition(const ReportDefinition &definition, SqlCondition &into);
    QString field(const ReportDefinition &definition);
    QString comparison(const QString &field);
    rt::Variant value(const QString &field);
    QString quotedText();
    std::int32_t wholeNumber();
    QDate dateCall();
    QString name();

    void skipBlanks();
    bool atEnd();
    bool take(QChar expected);
    bool takeWord(QLatin1StringView word);
    void expect(QChar expected, const QString &after);
    QString rest() const;
    [[noreturn]] void failAfterCondition() const;
    [[noreturn]] void failEndedEarly(const QString &text) const;
    [[noreturn]] void fail(const QString &problem) const;

    QString text_;
    qsizetype at_ = 0;
    // The text the last condition compared with, if it compared with a text.
    std::optional<QString> lastText_;
};

} // namespace report
