#include "platform/runtime/Conversions.h"

#include "platform/runtime/RuntimeError.h"

#include <QRegularExpression>
#include <charconv>
#include <cmath>
#include <iterator>
#include <limits>

namespace rt {

namespace {

template <typename Integer>
Integer toRoundedInteger(double value)
{
    const double rounded = roundHalfEven(value);
    // A NaN fails both comparisons, so it is refused as well.
    if (!(rounded >= std::numeric_limits<Integer>::min()
          && rounded <= std::numeric_limits<Integer>::max()))
        throw RuntimeError::overflow();
    return static_cast<Integer>(rounded);
}

} // namespace

double roundHalfEven(double value)
{
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction < 0.5)
        return below;
    if (fraction > 0.5)
        return below + 1;
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

double roundHalfEven(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return roundHalfEven(value * scale) / scale;
}

std::int16_t toInteger(double value)
{
    return toRoundedInteger<std::int16_t>(value);
}

std::int32_t toLong(double value)
{
    return toRoundedInteger<std::int32_t>(value);
}

double textToDouble(const QString &text)
{
    // Only plain decimal numbers: no grouping, no currency, no "inf" or "nan" that a
    // general parser would let through.
    static const QRegularExpression number(
        QStringLiteral("^[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][+-]?[0-9]+)?$"));
    const QString trimmed = text.trimmed();
    if (!number.match(trimmed).hasMatch())
        throw RuntimeError::typeMismatch();
    const double value = trimmed.toDouble();
    if (!std::isfinite(value))
        throw RuntimeError::overflow();
    return value;
}

QString generalNumberText(double value)
{
    if (value == 0)
        return QStringLiteral("0"); // also for -0
    // Whole numbers below 1E+15 have at most fifteen digits, which the general form
    // writes out as they are: no digit search and no locale are needed for them.
    if (std::abs(value) < 1e15 && value == std::trunc(value)) {
        char digits[24];
        const char *end =
            std::to_chars(std::begin(digits), std::end(digits), static_cast<qint64>(value)).ptr;
        return QString::fromLatin1(digits, end - digits);
    }
    return QString::number(value, 'g', 15).toUpper();
}

QString shortDateText(const QDate &date)
{
    return date.toString(QStringLiteral("dd/MM/yyyy"));
}

QDate dateFromShortText(const QString &text)
{
    static const QRegularExpression shortDate(
        QStringLiteral("^([0-9]{1,2})/([0-9]{1,2})/([0-9]{4})$"));
    const QRegularExpressionMatch match = shortDate.match(text.trimmed());
    if (!match.hasMatch())
        throw RuntimeError::typeMismatch();
    const QDate date(match.captured(3).toInt(), match.captured(2).toInt(),
                     match.captured(1).toInt());
    if (!date.isValid())
        throw RuntimeError::typeMismatch();
    return date;
}

} // namespace rt
