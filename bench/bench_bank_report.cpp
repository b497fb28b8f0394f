// The bank report run to a PDF file over a bank book of 1,000 and of 10,000 entries. Its
// cost should grow with the rows and no faster; the ratio printed for "BankReport"
// shows how. Beside it, a floor: the same rows read with SQLite and drawn as the same
// lines with a bare QPainter onto a QPdfWriter, on the same page with as many lines to a
// page, no engine between; the ratio printed for "BankReportOverFloor" says what the
// engine costs above it.
// Run: build/benchmarks --benchmark_filter=BankReport
#include "BenchProgramFolder.h"
#include "BulkInsert.h"
#include "QuickPass.h"
#include "data/Module1.h"
#include "platform/report/ReportEngineControl.h"
#include "platform/runtime/App.h"

#include <QFile>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <array>
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

void runBankReport(benchmark::State &state)
{
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

void BM_BankReport(benchmark::State &state)
{
    BenchProgramFolder folder(0);
    storeBankEntries(folder.databasePath(), static_cast<int>(state.range(0)));
    runBankReport(state);
}

// The report's page: landscape A4 in twips, its columns' widths, and the rows a page
// holds between the column headings and the page number.
constexpr double PageWidth = 16838;
constexpr double Margin = 720;
constexpr double FirstLine = 1620;
constexpr double LineHeight = 260;
constexpr int LinesPerPage = 35;
constexpr std::array<double, 8> ColumnWidths = {1200, 2700, 1000, 1300, 1450, 3000, 2800, 1900};
constexpr double ColumnPadding = 120;

// yyyy-MM-dd as the report prints it.
QString shortDate(const char *stored)
{
    const QString iso = QString::fromLatin1(stored);
    return iso.mid(8, 2) + u'/' + iso.mid(5, 2) + u'/' + iso.left(4);
}

void drawBankBook(const QString &databasePath, const QString &pdfPath)
{
    sqlite3 *database = nullptr;
    sqlite3_open_v2(databasePath.toUtf8().constData(), &database, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt *rows = nullptr;
    sqlite3_prepare_v2(database,
                       "SELECT DATEOFENTRY, BANKNAME, CHEQUEORCASH, CHEQUENUMBER, CHEQUEDATE, "
                       "CHEQUERECEIVEDFROM, DEPOSITEDBY, AMOUNT FROM BANK WHERE DATEOFENTRY >= "
                       "'2026-04-01' AND DATEOFENTRY <= '2027-03-31' ORDER BY CHEQUEORCASH, "
                       "DATEOFENTRY, SN",
                       -1, &rows, nullptr);
    QPdfWriter writer(pdfPath);
    writer.setResolution(1440);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageOrientation(QPageLayout::Landscape);
    writer.setPageMargins(QMarginsF());
    QPainter painter(&writer);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(180);
    painter.setFont(font);
    int line = 0;
    while (sqlite3_step(rows) == SQLITE_ROW) {
        if (line == LinesPerPage) {
            writer.newPage();
            line = 0;
        }
        const std::array<QString, 8> cells = {
            shortDate(reinterpret_cast<const char *>(sqlite3_column_text(rows, 0))),
            QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(rows, 1))),
            QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(rows, 2))),
            QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(rows, 3))),
            QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(rows, 4))),
            QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(rows, 5))),
            QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(rows, 6))),
            QString::number(sqlite3_column_double(rows, 7), 'f', 2)};
        double left = Margin;
        const double top = FirstLine + line * LineHeight;
        for (std::size_t column = 0; column < cells.size(); ++column) {
            const Qt::Alignment alignment = column + 1 == cells.size() ? Qt::AlignRight : Qt::AlignLeft;
            painter.drawText(QRectF(left + ColumnPadding / 2, top,
                                    ColumnWidths[column] - ColumnPadding, LineHeight),
                             alignment | Qt::AlignTop, cells[column]);
            left += ColumnWidths[column];
        }
        ++line;
    }
    painter.end();
    sqlite3_finalize(rows);
    sqlite3_close(database);
}

void BM_BankReportFloor(benchmark::State &state)
{
    BenchProgramFolder folder(0);
    storeBankEntries(folder.databasePath(), static_cast<int>(state.range(0)));
    for (auto _ : state)
        drawBankBook(folder.databasePath(), rt::App::Path() + QStringLiteral("/floor.pdf"));
}

void BM_BankReportEngine(benchmark::State &state)
{
    BM_BankReport(state);
}

} // namespace

BENCHMARK(BM_BankReport)->Name("BankReport")->Arg(1000)->Arg(QuickPass::rows(10000, 1000))->Iterations(QuickPass::iterations(3))->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BankReportFloor)->Name("BankReportOverFloor/floor")->Arg(QuickPass::rows(10000, 1000))->Iterations(QuickPass::iterations(3))->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BankReportEngine)->Name("BankReportOverFloor/engine")->Arg(QuickPass::rows(10000, 1000))->Iterations(QuickPass::iterations(3))->Unit(benchmark::kMillisecond);
