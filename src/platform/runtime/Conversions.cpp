#include "platform/runtime/Conversions.h"

#include "platform/runtime/RuntimeError.h"

#include <QRegularExpression>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <limits>
#include <string>
#include <string_view>

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

// A number as the shortest decimal text that reads back as it: its significant digits,
// with no trailing zero, and the power of ten of the first of them.
struct WrittenDecimal {
    std::string digits;
    int exponent = 0;
};

WrittenDecimal writtenDecimal(double magnitude)
{
    char text[32]; // "d.ddddddddddddddde-xxx"
    const char *end =
        std::to_chars(std::begin(text), std::end(text), magnitude, std::chars_format::scientific).ptr;
    const std::string_view written(text, end - text);
    const std::size_t power = written.find('e') + 1;
    WrittenDecimal decimal{std::string(written.substr(0, power - 1)), 0};
    std::erase(decimal.digits, '.');
    std::from_chars(text + power + (written[power] == '+'), end, decimal.exponent);
    return decimal;
}

// The first `kept` digits as a whole number, one up when the digits after them are above
// a half, or a half after an odd digit.
std::uint64_t keptHalfEven(const std::string &digits, int kept)
{
    std::uint64_t whole = 0;
    std::from_chars(digits.data(), digits.data() + kept, whole);
    const char next = digits[kept];
    const bool moreAfterNext = kept + 1 < static_cast<int>(digits.size());
    const bool up = next > '5' || (next == '5' && (moreAfterNext || whole % 2 == 1));
    return up ? whole + 1 : whole;
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

// An amount is rounded as the decimal number it is written as: the shortest text that
// reads back as the stored double. The double itself lies a little off most decimals
// (8.345 a little below, 0.005 a little above), and multiplying it by a power of ten
// rounds once more, so rounding the double took such halves either way.
double roundHalfEven(double value, int decimals)
{
    if (!std::isfinite(value))
        return value;
    const WrittenDecimal written = writtenDecimal(std::abs(value));
    const int kept = written.exponent + decimals + 1; // the digits down to the last decimal
    if (kept >= static_cast<int>(written.digits.size()))
        return value;
    const std::uint64_t whole = kept < 0 ? 0 : keptHalfEven(written.digits, kept);
    if (whole == 0)
        return 0;
    // The rounded decimal read back as the double nearest to it.
    const std::string rounded = std::to_string(whole) + 'e' + std::to_string(-decimals);
    double magnitude = 0;
    std::from_chars(rounded.data(), rounded.data() + rounded.size(), magnitude);
    return value < 0 ? -magnitude : magnitude;
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
