#pragma once

#include "platform/runtime/RuntimeError.h"

#include <QString>
#include <functional>

// The run-time error a call raises; number 0 when it raises none.
inline rt::RuntimeError raisedBy(const std::function<void()> &call)
{
    try {
        call();
    } catch (const rt::RuntimeError &error) {
        return error;
    }
    return rt::RuntimeError(0, QString());
}

// The number and description of the run-time error a call raises, as in
// "13 Type mismatch"; "none" when it raises none.
inline QString raisedError(const std::function<void()> &call)
{
    const rt::RuntimeError error = raisedBy(call);
    if (error.Number() == 0)
        return QStringLiteral("none");
    return QString::number(error.Number()) + u' ' + error.Description();
}
