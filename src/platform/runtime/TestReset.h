#pragma once

#include <functional>

namespace rt {

// Module-level state registers here how to go back to its state at start, so that a test
// fixture can give every test the same fresh world with one call. The returned number
// withdraws the reset when its state goes away before the end of the run.
int registerTestReset(std::function<void()> reset);
void unregisterTestReset(int registration);

// Runs every registered reset, in the order they were registered.
void runTestResets();

} // namespace rt
