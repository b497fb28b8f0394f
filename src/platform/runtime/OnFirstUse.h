#pragma once

#include "platform/runtime/TestReset.h"

#include <memory>

namespace rt {

// An object created the first time it is asked for and kept until the end of the run, as
// the program's module-level objects are. It registers its own test reset, which drops
// the object so that the next use creates a fresh one.
template <typename T>
class OnFirstUse {
public:
    OnFirstUse() { registerTestReset([this] { object_.reset(); }); }
    OnFirstUse(const OnFirstUse &) = delete;
    OnFirstUse &operator=(const OnFirstUse &) = delete;

    T &get()
    {
        if (!object_)
            object_ = std::make_unique<T>();
        return *object_;
    }

private:
    std::unique_ptr<T> object_;
};

} // namespace rt
