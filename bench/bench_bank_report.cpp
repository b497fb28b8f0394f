// The bank report run to a PDF file over a bank book of 1,000 and of 10,000 entries. Its
// cost should grow with the rows and no faster; the ratio printed for "BankReport"
// shows how.
// Run: build/benchmarks --benchmark_filter=BankReport
#include "BenchProgramFolder.h"
#include "BulkInsert.h"
#include "QuickPass.h"
#include "data/Module1.h"
#include "platform/report/ReportEngineControl.h"
#include "platform/runtime/App.h"

#include <QFile>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

namespace {

// Entries over three kinds and a year of dates, straight into the file in one transaction.
void storeBankEntries(const QString &databasePath, int count)
{
    BulkInsert insert(databasePath,
                      "insert into BANK values(?1,'STATE BANK OF INDIA','MAIN BRANCH',"
                      "'00012345678','HOUSING SOCIETY',date('2026-04-01', '+' || (?1 % 365) || "
                      "' days'),1500.5,'-',?2,'000123','28/03/2026','UNION BANK','A SHARMA',"
                      "'SECRETARY','-','-','-','-','-',0,0,0,0,'2026-01-01','2026-01-01')");
    const char *const kinds[] = {"CASH", "CHEQUE", "DRAFT"};
    for (int serial = 1; serial <= count; ++serial) {
        sqlite3_bind_int(insert.row(), 1, serial);
        sqlite3_bind_text(insert.row(), 2, kinds[serial % 3], -1, SQLITE_STATIC);
        insert.store();
    }
}

void BM_BankReport(benchmark::State &state)
{
    BenchProgramFolder folder(0);
    storeBankEntries(folder.databasePath(), static_cast<int>(state.range(0)));
    QFile::copy(QStringLiteral(QUILVANE_REPORTS_DIR "/BANKREPORT.rpt"),
                rt::App::Path() + QStringLiteral("/BANKREPORT.rpt"));
    Module1::OpenConnection();
    report::ReportEngineControl control;
    control.setReportFileName(rt::App::Path() + QStringLiteral("\\BANKREPORT.rpt"));
    for (std::int16_t slot = 0; slot < 4; ++slot)
        control.setFormulas(slot, QStringLiteral("H%1 = ''").arg(slot + 1));
    control.setSelectionFormula(QStringLiteral(
        "{BANK.DATEOFENTRY} >= date(2026,4,1) and {BANK.DATEOFENTRY} <= date(2027,3,31)"));
    control.setPrintFileName(rt::App::Path() + QStringLiteral("/bank.pdf"));
    for (auto _ : state)
        control.setAction(1);
}

} // namespace

BENCHMARK(BM_BankReport)->Name("BankReport")->Arg(1000)->Arg(QuickPass::rows(10000, 1000))->Iterations(QuickPass::iterations(3))->Unit(benchmark::kMillisecond);
