#include "data/SqlText.h"

#include "platform/runtime/Conversions.h"
#include "platform/runtime/RuntimeError.h"

#include <cmath>

QString SqlText::quoted(const QString &text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + escaped + QLatin1Char('\'');
}

QString SqlText::date(const QDate &date)
{
    return QLatin1Char('#') + rt::shortDateText(date) + QLatin1Char('#');
}

QString SqlText::number(double value)
{
    // Amounts are rounded to paise on their way in and out, and paise beyond the largest
    // double are infinite: the engine would store Infinity, or read the text of a
    // number that is not finite (INF, NAN) as a column's name.
    if (!std::isfinite(value * 100))
        throw rt::RuntimeError::overflow();
    return rt::generalNumberText(value);
}

QString SqlText::bareNumber(const QString &text)
{
    double value = 0;
    try {
        value = rt::textToDouble(text);
    } catch (const rt::RuntimeError &error) {
        if (error.Number() != rt::errTypeMismatch)
            throw; // a number too large: Overflow, as for every number
        // A text that is not a number would otherwise become part of the statement itself.
        const QString reason = text.trimmed().isEmpty()
                                   ? QStringLiteral("a number is missing")
                                   : QStringLiteral("'%1' is not a number").arg(text);
        throw rt::RuntimeError(rt::errStatementRejected,
                               QStringLiteral("Syntax error in query expression: %1.").arg(reason));
    }
    return number(value);
}
