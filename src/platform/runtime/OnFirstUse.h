#pragma once

#include "platform/runtime/TestReset.h"

#include <memory>

namespace rt {

// An object created the first time it is asked for and kept as long as its holder: to the
// end of the run for the program's module-level objects, to the end of their owner for a
// class's own helpers. It registers its own test reset, which drops the object so that the
// next use creates a fresh one, and withdraws it when the holder goes.
template <typename T>
class OnFirstUse {
public:
    OnFirstUse() : registration_(registerTestReset([this] { object_.reset(); })) {}
    ~OnFirstUse() { unregisterTestReset(registration_); }
    OnFirstUse(const OnFirstUse &) = delete;
    OnFirstUse &operator=(const OnFirstUse &) = delete;

    T &get()
    {
        if (!object_)
            object_ = std::make_unique<T>();
        return *object_;
    }

private:
    int registration_;
    std::unique_ptr<T> object_;
};

} // namespace rt
