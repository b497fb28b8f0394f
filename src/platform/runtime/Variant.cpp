#include "platform/runtime/Variant.h"

#include "platform/runtime/Conversions.h"
#include "platform/runtime/RuntimeError.h"

#include <cmath>

namespace rt {

namespace {

// A date as a number counts days from the zero date, as the runtime stores dates.
// The runtime's dates run from 1 January 100 to 31 December 9999.
constexpr double firstDateSerial = -657434;
constexpr double lastDateSerial = 2958465;

double dateSerial(const QDate &date)
{
    return static_cast<double>(ZeroDate.daysTo(date));
}

QDate dateFromSerial(double serial)
{
    const double days = std::trunc(serial);
    if (!(days >= firstDateSerial && days <= lastDateSerial))
        throw RuntimeError::overflow();
    return ZeroDate.addDays(static_cast<qint64>(days));
}

// The runtime's True is -1.
double booleanNumber(bool value)
{
    return value ? -1 : 0;
}

template <class... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};

} // namespace

Variant Variant::null()
{
    return Variant(NullValue{});
}

Variant::Type Variant::type() const
{
    // The alternatives of value_ are declared in the order of Type.
    return static_cast<Type>(value_.index());
}

std::int16_t Variant::toInteger() const
{
    return rt::toInteger(toDouble());
}

std::int32_t Variant::toLong() const
{
    return rt::toLong(toDouble());
}

double Variant::toDouble() const
{
    return std::visit(
        Overloaded{
            [](std::monostate) { return 0.0; },
            [](NullValue) -> double { throw RuntimeError::invalidUseOfNull(); },
            [](std::int16_t value) { return static_cast<double>(value); },
            [](std::int32_t value) { return static_cast<double>(value); },
            [](double value) { return value; },
            [](const QString &value) { return textToDouble(value); },
            [](const QDate &value) { return dateSerial(value); },
            [](bool value) { return booleanNumber(value); },
        },
        value_);
}

QString Variant::toString() const
{
    switch (type()) {
    case Type::Empty:
        return QString();
    case Type::String:
        return std::get<QString>(value_);
    case Type::Date:
        return shortDateText(std::get<QDate>(value_));
    case Type::Boolean:
        return std::get<bool>(value_) ? QStringLiteral("True") : QStringLiteral("False");
    default:
        return generalNumberText(toDouble());
    }
}

QDate Variant::toDate() const
{
    switch (type()) {
    case Type::String:
        return dateFromShortText(std::get<QString>(value_));
    case Type::Date:
        return std::get<QDate>(value_);
    default:
        return dateFromSerial(toDouble());
    }
}

bool Variant::toBool() const
{
    if (type() == Type::String) {
        const QString text = std::get<QString>(value_).trimmed();
        if (text.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0)
            return true;
        if (text.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0)
            return false;
    }
    return toDouble() != 0;
}

} // namespace rt
