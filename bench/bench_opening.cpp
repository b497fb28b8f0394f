// Opening the shared connection on a register of 32,767 cheques: the first opening of a
// run also checks the file's integrity, the later ones do not.
// Run: build/benchmarks --benchmark_filter=OpenConnection
#include "BenchProgramFolder.h"
#include "QuickPass.h"
#include "data/Module1.h"

#include <benchmark/benchmark.h>

namespace {

const int FullRegister = QuickPass::rows(32767, 1000);

void openConnection(benchmark::State &state, bool firstOfTheRun)
{
    BenchProgramFolder folder(FullRegister);
    Module1::OpenConnection();
    for (auto _ : state) {
        if (firstOfTheRun) {
            state.PauseTiming();
            folder.startAfresh();
            state.ResumeTiming();
        }
        Module1::OpenConnection();
    }
}

} // namespace

BENCHMARK_CAPTURE(openConnection, Later, false)->Name("OpenConnection/Later")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(openConnection, FirstOfTheRun, true)->Name("OpenConnection/FirstOfTheRun")->Unit(benchmark::kMillisecond);
