#pragma once

#include <benchmark/benchmark.h>

// A run measures at the sizes and repetitions the benchmarks are registered with. The
// quick pass of the test run (QUILVANE_BENCH_QUICK set, with a tiny minimum time) only
// shows that every benchmark still runs: each runs once, over a few rows.
namespace QuickPass {

// The rows a benchmark is registered with: measured, or quick in the quick pass.
int rows(int measured, int quick);

// A fixed number of iterations: measured, or one in the quick pass.
benchmark::IterationCount iterations(benchmark::IterationCount measured);

} // namespace QuickPass
