#include "platform/report/FormulaParser.h"
#include "platform/report/ReportDefinition.h"
#include "support/RaisedError.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

const report::ReportDefinition &ledger()
{
    static const report::ReportDefinition definition = report::ReportDefinition::parse(R"({
        "title": "LEDGER", "dataSource": "Books", "from": "LEDGER",
        "fields": ["{LEDGER.SN}", "{LEDGER.KIND}", "{LEDGER.NAME}", "{LEDGER.DAY}"],
        "columns": [{ "field": "{LEDGER.NAME}", "width": 2000 }]
    })",
                                                                                       "ledger.rpt");
    return definition;
}

// The statement's condition and its bound values, as the query receives them.
QString parsed(const QString &formula)
{
    QString result;
    const QString raised = raisedError([&] {
        const report::SqlCondition condition =
            report::FormulaParser::parseSelection(formula, ledger());
        QStringList values;
        for (const rt::Variant &value : condition.parameters) {
            if (value.type() == rt::Variant::Type::Date)
                values << QStringLiteral("date ") + value.toDate().toString(Qt::ISODate);
            else if (value.type() == rt::Variant::Type::String)
                values << QStringLiteral("text '") + value.toString() + u'\'';
            else
                values << QStringLiteral("number ") + value.toString();
        }
        result = condition.sql + QStringLiteral(" [") + values.join(QStringLiteral(", ")) + u']';
    });
    return raised == QLatin1String("none") ? result : raised;
}

} // namespace

TEST(FormulaParserTest, turnsFormulasIntoBoundConditionsAndNamesWhatItRejects)
{
    const struct {
        const char *formula;
        const char *expected;
    } cases[] = {
        {"", " []"},
        {"   ", " []"},
        {"{LEDGER.DAY} >= date(2026,1,5) and {LEDGER.DAY} <= date(2026,1,5)",
         "date(LEDGER.DAY) >= ? AND date(LEDGER.DAY) <= ? [date 2026-01-05, date 2026-01-05]"},
        {"{ledger.Kind} = 'CHEQUE' AND {LEDGER.DAY} >= date(2026,4,1) And {LEDGER.DAY} <= "
         "date(2027,3,31)",
         "LEDGER.KIND = ? AND date(LEDGER.DAY) >= ? AND date(LEDGER.DAY) <= ? "
         "[text 'CHEQUE', date 2026-04-01, date 2027-03-31]"},
        {"{LEDGER.SN}  = -3", "LEDGER.SN = ? [number -3]"},
        {"{LEDGER.SN} = 12 And {LEDGER.NAME} <> '-'",
         "LEDGER.SN = ? AND LEDGER.NAME <> ? [number 12, text '-']"},
        {"{LEDGER.KIND} = '' AND {LEDGER.DAY} >= date(2026,1,1)",
         "LEDGER.KIND = ? AND date(LEDGER.DAY) >= ? [text '', date 2026-01-01]"},
        // What a value holds is bound, never read as part of the statement.
        {"{LEDGER.KIND} = 'CASH; DELETE FROM LEDGER'",
         "LEDGER.KIND = ? [text 'CASH; DELETE FROM LEDGER']"},
        {"{LEDGER.KIND} = 'CASH OR 1=1'", "LEDGER.KIND = ? [text 'CASH OR 1=1']"},
        // Whatever lies outside a value must be the formula language.
        {"{LEDGER.KIND} = 'CASH' OR 1=1",
         "20515 Error in formula \"{LEDGER.KIND} = 'CASH' OR 1=1\": AND or the end of the "
         "formula was expected where it reads: OR 1=1."},
        {"{LEDGER.KIND} = 'CASH' ; DELETE FROM LEDGER",
         "20515 Error in formula \"{LEDGER.KIND} = 'CASH' ; DELETE FROM LEDGER\": AND or the end "
         "of the formula was expected where it reads: ; DELETE FROM LEDGER."},
        {"{LEDGER.NAME} = 'X' OR '1'='1'",
         "20515 Error in formula \"{LEDGER.NAME} = 'X' OR '1'='1'\": an apostrophe ends the "
         "text 'X' early, before: OR '1'='1'."},
        {"{LEDGER.NAME} = 'D' SOUZA' AND {LEDGER.SN} = 1",
         "20515 Error in formula \"{LEDGER.NAME} = 'D' SOUZA' AND {LEDGER.SN} = 1\": an "
         "apostrophe ends the text 'D' early, before: SOUZA' AND {LEDGER.SN} = 1."},
        {"{LEDGER.SN} = 1 SOUZA'",
         "20515 Error in formula \"{LEDGER.SN} = 1 SOUZA'\": AND or the end of the formula "
         "was expected where it reads: SOUZA'."},
        {"{LEDGER.NAME} = 'O'BRIEN'",
         "20515 Error in formula \"{LEDGER.NAME} = 'O'BRIEN'\": an apostrophe ends the text 'O' "
         "early, before: BRIEN'."},
        {"{LEDGER.KIND} = 'CASH'; DELETE FROM LEDGER",
         "20515 Error in formula \"{LEDGER.KIND} = 'CASH'; DELETE FROM LEDGER\": an apostrophe "
         "ends the text 'CASH' early, before: ; DELETE FROM LEDGER."},
        {"{LEDGER.KIND} = 'CASH",
         "20515 Error in formula \"{LEDGER.KIND} = 'CASH\": the text 'CASH has no closing quote."},
        {"{LEDGER.COLOUR} = 'RED'", "20516 This field name is not known: {LEDGER.COLOUR}"},
        {"{COLOUR} = 'RED'", "20516 This field name is not known: {COLOUR}"},
        {"{LEDGER.DAY} >= date(2026,2,30)",
         "20515 Error in formula \"{LEDGER.DAY} >= date(2026,2,30)\": date(2026,2,30) is not a "
         "day of the calendar."},
        {"{LEDGER.DAY} >= date(2026,2)",
         "20515 Error in formula \"{LEDGER.DAY} >= date(2026,2)\": , was expected after a number "
         "of date where it reads: )."},
        {"{LEDGER.KIND} LIKE 'C%'",
         "20515 Error in formula \"{LEDGER.KIND} LIKE 'C%'\": =, <>, >= or <= was expected after "
         "LEDGER.KIND where it reads: LIKE 'C%'."},
        {"{LEDGER.SN} = ",
         "20515 Error in formula \"{LEDGER.SN} = \": a text in single quotes, a whole number or "
         "date(year,month,day) was expected after LEDGER.SN where it reads: (the end)."},
        {"{LEDGER.SN} = 7x",
         "20515 Error in formula \"{LEDGER.SN} = 7x\": 7x is not a whole number."},
        {"LEDGER.SN = 7",
         "20515 Error in formula \"LEDGER.SN = 7\": a field in braces, {TABLE.COLUMN}, was "
         "expected where it reads: LEDGER.SN = 7."},
    };
    for (const auto &row : cases)
        EXPECT_EQ(parsed(QString::fromUtf8(row.formula)), QString::fromUtf8(row.expected))
            << row.formula;
}
