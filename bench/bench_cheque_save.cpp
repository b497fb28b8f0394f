// Saving one cheque through the entry form, into an empty register and into one that
// already holds 10,000 cheques. The form refills its serial and cheque-number lists
// after every save, so the second grows with the register; the ratio printed for
// "ChequeSave" shows how.
// Run: build/benchmarks --benchmark_filter=ChequeSave
#include "BenchProgramFolder.h"
#include "QuickPass.h"
#include "cheque/FRM_BANK.h"
#include "data/Module1.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <benchmark/benchmark.h>

namespace {

// The saved cheque takes a number above every stored one.
constexpr int SavedChequeNumber = 900000;

void fillEntry(FRM_BANK &form)
{
    form.cmbBankname->setEditText(QStringLiteral("STATE BANK"));
    form.cmbbankbranch->setEditText(QStringLiteral("FORT"));
    form.cmbAccountnumber->setEditText(QStringLiteral("0012345"));
    form.cmbaccountholder->setEditText(QStringLiteral("R SHARMA"));
    form.TXTAMOUNT->setText(QStringLiteral("1500"));
    form.TXTCHNUMBER->setEditText(QString::number(SavedChequeNumber));
    form.TXTChequeIssuedto->setText(QStringLiteral("A KUMAR"));
    form.TXTIssuedBy->setText(QStringLiteral("R SHARMA"));
}

void BM_ChequeSave(benchmark::State &state, int storedCheques)
{
    BenchProgramFolder folder(storedCheques);
    forms::ScriptedMessageBoxes &boxes = folder.boxes();
    QPointer<FRM_BANK> form = new FRM_BANK;
    form->show();
    for (auto _ : state) {
        state.PauseTiming();
        fillEntry(*form);
        state.ResumeTiming();
        form->cmdlogin->click();
        state.PauseTiming();
        if (boxes.shown().empty() || boxes.shown().front().text != QStringLiteral("ENTERED")) {
            state.SkipWithError("the cheque was not stored");
            break;
        }
        // Through the program's own connection, so that its page cache stays warm as it
        // would between two saves.
        Module1::SharedConnection().Execute(
            QStringLiteral("delete from CHEQUETABLE where CHEQUENUMBER = %1")
                .arg(SavedChequeNumber));
        boxes.clear();
        state.ResumeTiming();
    }
    delete form;
}

} // namespace

BENCHMARK_CAPTURE(BM_ChequeSave, Empty, 0)->Name("ChequeSave/Empty")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ChequeSave, 10000, QuickPass::rows(10000, 1000))->Name("ChequeSave/10000")->Unit(benchmark::kMillisecond);
