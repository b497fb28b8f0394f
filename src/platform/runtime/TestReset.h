#pragma once

#include <functional>

namespace rt {

// Module-level state registers here how to go back to its state at start, so that a test
// fixture can give every test the same fresh world with one call.
void registerTestReset(std::function<void()> reset);

// Runs every registered reset, in the order they were registered.
void runTestResets();

} // namespace rt
