#include "platform/runtime/RuntimeError.h"

namespace rt {

RuntimeError::RuntimeError(long number, QString description)
    : number_(number), description_(std::move(description)),
      what_(std::to_string(number) + ": " + description_.toStdString())
{
}

RuntimeError RuntimeError::overflow()
{
    return RuntimeError(errOverflow, QStringLiteral("Overflow"));
}

RuntimeError RuntimeError::typeMismatch()
{
    return RuntimeError(errTypeMismatch, QStringLiteral("Type mismatch"));
}

RuntimeError RuntimeError::invalidUseOfNull()
{
    return RuntimeError(errInvalidUseOfNull, QStringLiteral("Invalid use of Null"));
}

RuntimeError RuntimeError::invalidPropertyValue()
{
    return RuntimeError(errInvalidPropertyValue, QStringLiteral("Invalid property value"));
}

RuntimeError RuntimeError::objectDoesNotSupport()
{
    return RuntimeError(errObjectDoesNotSupport,
                        QStringLiteral("Object doesn't support this property or method"));
}

} // namespace rt
