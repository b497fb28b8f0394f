#include "platform/runtime/TestReset.h"

#include <map>

namespace rt {

namespace {

// Keyed by a number that only grows, so iteration keeps the order of registration.
struct Resets {
    std::map<int, std::function<void()>> registered;
    int lastNumber = 0;
};

Resets &resets()
{
    static Resets all;
    return all;
}

} // namespace

int registerTestReset(std::function<void()> reset)
{
    Resets &all = resets();
    all.registered.emplace(++all.lastNumber, std::move(reset));
    return all.lastNumber;
}

void unregisterTestReset(int registration)
{
    resets().registered.erase(registration);
}

void runTestResets()
{
    // A reset may destroy an object that withdraws its own registration meanwhile.
    const std::map<int, std::function<void()>> current = resets().registered;
    for (const auto &[number, reset] : current) {
        if (resets().registered.count(number))
            reset();
    }
}

} // namespace rt
