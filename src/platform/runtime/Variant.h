#pragma once

#include <QDate>
#include <QString>
#include <cstdint>
#include <variant>

namespace rt {

// The date the runtime counts days from: an empty value read as a date, and what a date
// field of a record holds until it is set.
inline const QDate ZeroDate{1899, 12, 30};

// An untyped value as the data layer and the controls hand it around. Every conversion
// goes through the functions of Conversions.h, so a value converts the same way
// wherever it is read.
class Variant {
public:
    enum class Type { Empty, Null, Integer, Long, Double, String, Date, Boolean };

    Variant() = default;
    Variant(std::int16_t value) : value_(value) {}
    Variant(std::int32_t value) : value_(value) {}
    Variant(double value) : value_(value) {}
    Variant(const QString &value) : value_(value) {}
    Variant(const char *value) : value_(QString::fromUtf8(value)) {}
    Variant(const QDate &value) : value_(value) {}
    Variant(bool value) : value_(value) {}

    static Variant null();

    Type type() const;
    bool isEmpty() const { return type() == Type::Empty; }
    bool isNull() const { return type() == Type::Null; }

    // Each raises the runtime's error: Null fails every conversion (94), text that is
    // not a number or date fails with Type mismatch (13), a value out of range with
    // Overflow (6).
    std::int16_t toInteger() const;
    std::int32_t toLong() const;
    double toDouble() const;
    QString toString() const;
    QDate toDate() const;
    bool toBool() const;

    bool operator==(const Variant &other) const { return value_ == other.value_; }

private:
    struct NullValue {
        bool operator==(const NullValue &) const { return true; }
    };
    explicit Variant(NullValue value) : value_(value) {}

    std::variant<std::monostate, NullValue, std::int16_t, std::int32_t, double, QString,
                 QDate, bool>
        value_;
};

} // namespace rt
