// Printing one cheque to a PDF file, and loading the layout and print form over a
// register of 1,000 and of 32,767 cheques (the most its 16-bit serials allow). The
// form lists every cheque number and binds every cheque to its grid, so its load grows
// with the register; the ratio printed for "LayoutLoad" shows how.
// Run: build/benchmarks --benchmark_filter='LayoutLoad|PrintOneCheque'
#include "cheque/ChequeForm.h"
#include "cheque/Cheque_200_90.h"
#include "cheque/ModuleData.h"
#include "data/DatabaseFile.h"
#include "data/Module1.h"
#include "platform/forms/ScriptedMessageBoxes.h"
#include "platform/printer/Printer.h"
#include "platform/runtime/App.h"
#include "support/ProgramFolderTest.h"

#include <QComboBox>
#include <QPointer>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

namespace {

// A program folder of its own whose register holds the given number of cheques,
// numbered from 1, and whose prints go to PDF files.
class BenchProgramFolder {
public:
    explicit BenchProgramFolder(int cheques)
    {
        ensureApplication();
        rt::App::setPathForTesting(folder_.path());
        const QString databasePath = folder_.path() + QStringLiteral("/Cheque.mdb");
        DatabaseFile::createIfAbsent(databasePath);
        Module1::resetForTesting();
        ModuleData::resetForTesting();
        printer::Printer::setSystemPrinterIgnoredForTesting(true);
        storeCheques(databasePath, cheques);
    }

    ~BenchProgramFolder() { Module1::resetForTesting(); }

private:
    static void storeCheques(const QString &databasePath, int count)
    {
        sqlite3 *database = nullptr;
        sqlite3_open_v2(databasePath.toUtf8().constData(), &database, SQLITE_OPEN_READWRITE,
                        nullptr);
        sqlite3_exec(database, "begin", nullptr, nullptr, nullptr);
        sqlite3_stmt *insert = nullptr;
        sqlite3_prepare_v2(database,
                           "insert into CHEQUETABLE values(?1,'STATE BANK','FORT','0012345',"
                           "'R SHARMA','2024-03-09',1500.5,'ONE THOUSAND FIVE HUNDRED ONLY',?1,"
                           "'09/03/2024','A KUMAR','R SHARMA','-','YES','-','-','-',0,0,0,0,"
                           "'2024-03-09','2024-03-09')",
                           -1, &insert, nullptr);
        for (int serial = 1; serial <= count; ++serial) {
            sqlite3_bind_int(insert, 1, serial);
            sqlite3_step(insert);
            sqlite3_reset(insert);
        }
        sqlite3_finalize(insert);
        sqlite3_exec(database, "commit", nullptr, nullptr, nullptr);
        sqlite3_close(database);
    }

    QTemporaryDir folder_;
    forms::ScriptedMessageBoxes boxes_;
};

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
BENCHMARK(BM_LayoutLoad)->Name("LayoutLoad")->Arg(1000)->Arg(32767)->Unit(benchmark::kMillisecond);
