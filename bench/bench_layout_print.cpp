// Printing one cheque to a PDF file, and loading the layout and print form over a
// register of 1,000 and of 32,767 cheques (the most its 16-bit serials allow). The
// form lists every cheque number and binds every cheque to its grid, so its load grows
// with the register; the ratio printed for "LayoutLoad" shows how.
// Run: build/benchmarks --benchmark_filter='LayoutLoad|PrintOneCheque'
#include "BenchProgramFolder.h"
#include "QuickPass.h"
#include "cheque/ChequeForm.h"
#include "cheque/Cheque_200_90.h"
#include "cheque/ModuleData.h"
#include "data/Module1.h"

#include <QComboBox>
#include <QPointer>
#include <benchmark/benchmark.h>

namespace {

void BM_PrintOneCheque(benchmark::State &state)
{
    BenchProgramFolder folder(1);
    Module1::OpenConnection();
    ModuleData::ChequeRecord().CHEQUENUMBER = 1;
    ModuleData::PrintOrientation() = 1;
    LayoutProfileData &profile = ModuleData::LayoutProfile();
    profile.ACPAYLEFT = 600;
    profile.DATELEFT = 9000;
    profile.NAMETOP = 700;
    for (auto _ : state) {
        QPointer<ChequeForm> face = new ChequeForm;
        face->Form_Load();
        delete face;
    }
}

void BM_LayoutLoad(benchmark::State &state)
{
    const int cheques = static_cast<int>(state.range(0));
    BenchProgramFolder folder(cheques);
    for (auto _ : state) {
        QPointer<Cheque_200_90> form = new Cheque_200_90;
        form->show();
        state.PauseTiming();
        if (form->cmbcheque->count() != cheques)
            state.SkipWithError("the cheque list is not complete");
        delete form;
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(BM_PrintOneCheque)->Name("PrintOneCheque")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LayoutLoad)->Name("LayoutLoad")->Arg(1000)->Arg(QuickPass::rows(32767, 1000))->Unit(benchmark::kMillisecond);
