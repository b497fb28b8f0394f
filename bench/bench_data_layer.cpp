// The same statement texts through the data layer and straight through sqlite3.
// Run: build/benchmarks --benchmark_filter="Insert|SelectByNumber|MaxSerial"
#include "BenchProgramFolder.h"
#include "data/CommonClass.h"
#include "data/DataAccess.h"
#include "data/Module1.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

namespace {

// The Access dialect as the program writes it, and the same statement as sqlite3
// takes it.
QString insertText(int serial, const char *dateFormat)
{
    const QString date = QString::fromLatin1(dateFormat);
    return QStringLiteral("insert into ChequeTable values(%1,'STATE BANK','MAIN ROAD','0012345',"
                          "'R SHARMA',%2,1500,'ONE THOUSAND, FIVE HUNDRED,  ONLY',%1,"
                          "'08/12/2026','A KUMAR','R SHARMA','-','YES','-','-','-',0,0,0,0,%2,%2)")
        .arg(serial)
        .arg(date);
}

const QString SelectByNumber = QStringLiteral("Select * from CHEQUETABLE where CHEQUENUMBER = %1");
const QString SelectMaxSerial = QStringLiteral("select max(sn) from CHEQUETable");

enum class Statement { Insert, SelectByNumber, MaxSerial };

// The select benchmarks read from a register of 100 cheques.
constexpr int StoredCheques = 100;

QString statementText(Statement statement, int serial, const char *dateFormat)
{
    switch (statement) {
    case Statement::Insert: return insertText(serial, dateFormat);
    case Statement::SelectByNumber: return SelectByNumber.arg(serial % StoredCheques + 1);
    case Statement::MaxSerial: return SelectMaxSerial;
    }
    return {};
}

// Inserts start above the 100 cheques the selects read.
constexpr int FirstInsertedSerial = 1000;

void throughDataLayer(benchmark::State &state, Statement statement)
{
    BenchProgramFolder folder(StoredCheques);
    Module1::OpenConnection();
    CommonClass common;
    DataAccess statements(common, common.str);
    int serial = FirstInsertedSerial;
    for (auto _ : state) {
        statements.runOnSharedConnection(statementText(statement, ++serial, "#08/12/2026#"));
        if (common.Rs.State() == ado::adStateOpen)
            for (int column = 0; column < common.Rs.FieldCount(); ++column)
                benchmark::DoNotOptimize(common.Rs.Fields(column).Value());
    }
}

void throughSqlite(benchmark::State &state, Statement statement)
{
    BenchProgramFolder folder(StoredCheques);
    sqlite3 *db = nullptr;
    sqlite3_open_v2(folder.databasePath().toUtf8().constData(), &db, SQLITE_OPEN_READWRITE,
                    nullptr);
    int serial = FirstInsertedSerial;
    for (auto _ : state) {
        const QByteArray sql = statementText(statement, ++serial, "'2026-12-08'").toUtf8();
        sqlite3_stmt *prepared = nullptr;
        sqlite3_prepare_v2(db, sql.constData(), -1, &prepared, nullptr);
        while (sqlite3_step(prepared) == SQLITE_ROW)
            for (int column = 0; column < sqlite3_column_count(prepared); ++column)
                benchmark::DoNotOptimize(sqlite3_column_text(prepared, column));
        sqlite3_finalize(prepared);
    }
    sqlite3_close(db);
}

} // namespace

BENCHMARK_CAPTURE(throughSqlite, Insert, Statement::Insert)->Name("Insert/sqlite3")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(throughDataLayer, Insert, Statement::Insert)->Name("Insert/DataLayer")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(throughSqlite, SelectByNumber, Statement::SelectByNumber)->Name("SelectByNumber/sqlite3")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(throughDataLayer, SelectByNumber, Statement::SelectByNumber)->Name("SelectByNumber/DataLayer")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(throughSqlite, MaxSerial, Statement::MaxSerial)->Name("MaxSerial/sqlite3")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(throughDataLayer, MaxSerial, Statement::MaxSerial)->Name("MaxSerial/DataLayer")->Unit(benchmark::kMicrosecond);
