#include "data/SqlText.h"

#include "platform/runtime/Conversions.h"
#include "platform/runtime/RuntimeError.h"

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
    return rt::generalNumberText(value);
}

QString SqlText::bareNumber(const QString &text)
{
    // A text that is not a number would otherwise become part of the statement itself.
    try {
        return rt::generalNumberText(rt::textToDouble(text));
    } catch (const rt::RuntimeError &) {
        const QString reason = text.trimmed().isEmpty()
                                   ? QStringLiteral("a number is missing")
                                   : QStringLiteral("'%1' is not a number").arg(text);
        throw rt::RuntimeError(rt::errStatementRejected,
                               QStringLiteral("Syntax error in query expression: %1.").arg(reason));
    }
}
