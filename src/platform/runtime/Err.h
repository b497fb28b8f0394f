#pragma once

#include "platform/runtime/RuntimeError.h"

namespace rt {

// The runtime's current error, for the few places where an error is left pending by a
// statement whose failure is skipped and a later statement looks at it.
class Err {
public:
    static long Number();
    static QString Description();
    static void set(const RuntimeError &error);
    static void Clear();
};

} // namespace rt
