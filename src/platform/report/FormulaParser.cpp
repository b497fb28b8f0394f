#include "platform/report/FormulaParser.h"

#include "platform/report/ReportDefinition.h"
#include "platform/report/ReportError.h"

#include <limits>

namespace report {

namespace {

bool isNameCharacter(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

} // namespace

SqlCondition FormulaParser::parseSelection(const QString &formula,
                                           const ReportDefinition &definition)
{
    FormulaParser parser(formula);
    SqlCondition condition;
    if (parser.atEnd())
        return condition;
    parser.condition(definition, condition);
    while (!parser.atEnd()) {
        if (!parser.takeWord(QLatin1StringView("and")))
            parser.failAfterCondition();
        condition.sql += QStringLiteral(" AND ");
        parser.condition(definition, condition);
    }
    return condition;
}

FormulaAssignment FormulaParser::parseAssignment(const QString &entry)
{
    FormulaParser parser(entry);
    FormulaAssignment assignment;
    parser.skipBlanks();
    assignment.name = parser.name();
    parser.expect(u'=', assignment.name);
    parser.skipBlanks();
    if (!parser.take(u'\''))
        parser.fail(QStringLiteral("a text in single quotes was expected after %1 =")
                        .arg(assignment.name));
    assignment.value = parser.quotedText();
    if (!parser.atEnd())
        parser.fail(QStringLiteral("nothing may follow the text, but it reads: %1").arg(parser.rest()));
    return assignment;
}

// {TABLE.COLUMN} op value, appended as "column op ?" with its value.
void FormulaParser::condition(const ReportDefinition &definition, SqlCondition &into)
{
    const QString compared = field(definition);
    const QString op = comparison(compared);
    const rt::Variant operand = value(compared);
    lastText_ = operand.type() == rt::Variant::Type::String ? std::optional(operand.toString())
                                                            : std::nullopt;
    // A date column may hold a time of day after its date; only the date is compared.
    const QString column = operand.type() == rt::Variant::Type::Date
                               ? QStringLiteral("date(%1)").arg(compared)
                               : compared;
    into.sql += column + u' ' + op + QStringLiteral(" ?");
    into.parameters.append(operand);
}

// The declared field's own name, so only the report file's names reach the statement.
QString FormulaParser::field(const ReportDefinition &definition)
{
    skipBlanks();
    if (!take(u'{'))
        fail(QStringLiteral("a field in braces, {TABLE.COLUMN}, was expected where it reads: %1")
                 .arg(rest()));
    const qsizetype close = text_.indexOf(u'}', at_);
    if (close < 0)
        fail(QStringLiteral("the field {%1 has no closing brace").arg(text_.mid(at_)));
    const QString inside = text_.mid(at_, close - at_);
    at_ = close + 1;
    const qsizetype point = inside.indexOf(u'.');
    const std::optional<int> index =
        point < 0 ? std::nullopt
                  : definition.fieldIndex(inside.left(point).trimmed(), inside.mid(point + 1).trimmed());
    if (!index)
        throw ReportError::unknownField(u'{' + inside + u'}');
    return definition.fields[*index].sql();
}

QString FormulaParser::comparison(const QString &field)
{
    skipBlanks();
    for (const char *op : {"<>", ">=", "<=", "="}) {
        const QLatin1StringView candidate(op);
        if (QStringView(text_).mid(at_).startsWith(candidate)) {
            at_ += candidate.size();
            return candidate.toString();
        }
    }
    fail(QStringLiteral("=, <>, >= or <= was expected after %1 where it reads: %2").arg(field, rest()));
}

rt::Variant FormulaParser::value(const QString &field)
{
    skipBlanks();
    if (take(u'\''))
        return quotedText();
    if (takeWord(QLatin1StringView("date")))
        return dateCall();
    if (at_ < text_.size() && (text_[at_].isDigit() || text_[at_] == u'-' || text_[at_] == u'+'))
        return wholeNumber();
    fail(QStringLiteral("a text in single quotes, a whole number or date(year,month,day) was "
                        "expected after %1 where it reads: %2")
             .arg(field, rest()));
}

// After the opening quote: everything up to the next quote. A quote cannot stand inside
// a text, so a text that goes on right after its closing quote was ended early.
QString FormulaParser::quotedText()
{
    const qsizetype close = text_.indexOf(u'\'', at_);
    if (close < 0)
        fail(QStringLiteral("the text '%1 has no closing quote").arg(text_.mid(at_)));
    const QString text = text_.mid(at_, close - at_);
    at_ = close + 1;
    if (at_ < text_.size() && !text_[at_].isSpace())
        failEndedEarly(text);
    return text;
}

// A condition is followed by neither AND nor the end. When a quote lies further on after
// a text, an apostrophe inside the value ended the text early ('D' SOUZA').
void FormulaParser::failAfterCondition() const
{
    if (lastText_ && rest().contains(u'\''))
        failEndedEarly(*lastText_);
    fail(QStringLiteral("AND or the end of the formula was expected where it reads: %1")
             .arg(rest()));
}

void FormulaParser::failEndedEarly(const QString &text) const
{
    fail(QStringLiteral("an apostrophe ends the text '%1' early, before: %2").arg(text, rest()));
}

std::int32_t FormulaParser::wholeNumber()
{
    const qsizetype start = at_;
    if (text_[at_] == u'-' || text_[at_] == u'+')
        ++at_;
    while (at_ < text_.size() && text_[at_].isDigit())
        ++at_;
    const QString number = text_.mid(start, at_ - start);
    if (at_ < text_.size() && isNameCharacter(text_[at_]))
        fail(QStringLiteral("%1 is not a whole number").arg(number + rest()));
    bool ok = false;
    const qlonglong value = number.toLongLong(&ok);
    if (!ok)
        fail(QStringLiteral("%1 is not a whole number").arg(number));
    if (value < std::numeric_limits<std::int32_t>::min()
        || value > std::numeric_limits<std::int32_t>::max())
        fail(QStringLiteral("the number %1 is too large").arg(number));
    return static_cast<std::int32_t>(value);
}

// After the word date: (year,month,day) of a real day.
QDate FormulaParser::dateCall()
{
    expect(u'(', QStringLiteral("date"));
    int parts[3];
    for (int i = 0; i < 3; ++i) {
        skipBlanks();
        if (at_ >= text_.size() || !text_[at_].isDigit())
            fail(QStringLiteral("date(year,month,day) takes three whole numbers, but it reads: %1")
                     .arg(rest()));
        parts[i] = wholeNumber();
        expect(i < 2 ? u',' : u')', QStringLiteral("a number of date"));
    }
    const QDate date(parts[0], parts[1], parts[2]);
    if (!date.isValid())
        fail(QStringLiteral("date(%1,%2,%3) is not a day of the calendar")
                 .arg(parts[0])
                 .arg(parts[1])
                 .arg(parts[2]));
    return date;
}

QString FormulaParser::name()
{
    const qsizetype start = at_;
    while (at_ < text_.size() && isNameCharacter(text_[at_]))
        ++at_;
    if (at_ == start)
        fail(QStringLiteral("a formula name was expected where it reads: %1").arg(rest()));
    return text_.mid(start, at_ - start);
}

void FormulaParser::skipBlanks()
{
    while (at_ < text_.size() && text_[at_].isSpace())
        ++at_;
}

bool FormulaParser::atEnd()
{
    skipBlanks();
    return at_ >= text_.size();
}

bool FormulaParser::take(QChar expected)
{
    if (at_ < text_.size() && text_[at_] == expected) {
        ++at_;
        return true;
    }
    return false;
}

// The word in any letter case, not followed by more of a name.
bool FormulaParser::takeWord(QLatin1StringView word)
{
    const QStringView ahead = QStringView(text_).mid(at_);
    if (!ahead.startsWith(word, Qt::CaseInsensitive)
        || (ahead.size() > word.size() && isNameCharacter(ahead[word.size()])))
        return false;
    at_ += word.size();
    return true;
}

void FormulaParser::expect(QChar expected, const QString &after)
{
    skipBlanks();
    if (!take(expected))
        fail(QStringLiteral("%1 was expected after %2 where it reads: %3")
                 .arg(QString(expected), after, rest()));
}

QString FormulaParser::rest() const
{
    const QString rest = text_.mid(at_).trimmed();
    return rest.isEmpty() ? QStringLiteral("(the end)") : rest;
}

void FormulaParser::fail(const QString &problem) const
{
    throw ReportError::badFormula(text_, problem);
}

} // namespace report
