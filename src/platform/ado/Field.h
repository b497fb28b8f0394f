#pragma once

#include "platform/runtime/Variant.h"

#include <QString>

namespace ado {

// One column of the current row of a recordset.
class Field {
public:
    Field(QString name, rt::Variant value) : name_(std::move(name)), value_(std::move(value)) {}

    const QString &Name() const { return name_; }
    const rt::Variant &Value() const { return value_; }

private:
    QString name_;
    rt::Variant value_;
};

} // namespace ado
