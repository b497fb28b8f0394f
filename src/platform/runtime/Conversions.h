#pragma once

#include <QDate>
#include <QString>
#include <cstdint>

// The platform's conversions, each in one place.
namespace rt {

// To a 16-bit integer: halves go to the even neighbour (2.5 -> 2, 3.5 -> 4); outside
// -32768..32767 raises Overflow.
std::int16_t toInteger(double value);

// To a 32-bit integer, same rounding; outside the range raises Overflow.
std::int32_t toLong(double value);

// Text to a double: leading and trailing blanks allowed, "." as the decimal separator;
// an empty or non-numeric text raises Type mismatch.
double textToDouble(const QString &text);

// A double in the general form: 1500, 1500.5, 12.5, -3, 0.25; no grouping, up to 15
// significant digits.
QString generalNumberText(double value);

// The system's short-date form, dd/MM/yyyy.
QString shortDateText(const QDate &date);

// dd/MM/yyyy (also d/M/yyyy) back to a date; anything else raises Type mismatch.
QDate dateFromShortText(const QString &text);

// Rounds to a whole number with halves to the even neighbour.
double roundHalfEven(double value);
// Rounds to the given number of decimals as the amount is written (the shortest decimal
// text that reads back as it), halves to the even neighbour: 0.125 -> 0.12, 0.375 ->
// 0.38, 8.345 -> 8.34, 2.675 -> 2.68, 0.005 -> 0.00.
double roundHalfEven(double value, int decimals);

} // namespace rt
