#pragma once

#include "platform/runtime/RuntimeError.h"

#include <QString>
#include <functional>

// The number and description of the run-time error a call raises, as in
// "13 Type mismatch"; "none" when it raises none.
inline QString raisedError(const std::function<void()> &call)
{
    try {
        call();
    } catch (const rt::RuntimeError &error) {
        return QString::number(error.Number()) + u' ' + error.Description();
    }
    return QStringLiteral("none");
}
