#include "platform/runtime/TestReset.h"

#include <vector>

namespace rt {

namespace {

std::vector<std::function<void()>> &resets()
{
    static std::vector<std::function<void()>> registered;
    return registered;
}

} // namespace

void registerTestReset(std::function<void()> reset)
{
    resets().push_back(std::move(reset));
}

void runTestResets()
{
    for (const std::function<void()> &reset : resets())
        reset();
}

} // namespace rt
