#include "platform/runtime/Err.h"

#include "platform/runtime/OnFirstUse.h"

namespace rt {

namespace {

struct PendingError {
    long number = 0;
    QString description;
};

PendingError &pending()
{
    static OnFirstUse<PendingError> error;
    return error.get();
}

} // namespace

long Err::Number()
{
    return pending().number;
}

QString Err::Description()
{
    return pending().description;
}

void Err::set(const RuntimeError &error)
{
    pending() = {error.Number(), error.Description()};
}

void Err::Clear()
{
    pending() = {};
}

} // namespace rt
