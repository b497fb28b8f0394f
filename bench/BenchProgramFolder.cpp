#include "BenchProgramFolder.h"

#include "BulkInsert.h"
#include "platform/printer/Printer.h"
#include "platform/runtime/App.h"
#include "platform/runtime/TestReset.h"
#include "support/ChequeDatabaseFile.h"
#include "support/IsolatedTest.h"

#include <cstdio>
#include <cstdlib>
#include <sqlite3.h>

BenchProgramFolder::BenchProgramFolder(int cheques)
{
    ensureApplication();
    startAfresh();
    chequeDatabaseFile().createIfAbsent(databasePath());
    storeCheques(cheques);
}

BenchProgramFolder::~BenchProgramFolder()
{
    rt::runTestResets();
}

QString BenchProgramFolder::databasePath() const
{
    return folder_.path() + QStringLiteral("/Cheque.mdb");
}

void BenchProgramFolder::startAfresh()
{
    rt::runTestResets();
    useAsProgramFolder();
}

// The resets forget these too.
void BenchProgramFolder::useAsProgramFolder()
{
    rt::App::setPathForTesting(folder_.path());
    printer::Printer::setSystemPrinterIgnoredForTesting(true);
    rt::setEndHandler([this] { endLoudly(); });
}

void BenchProgramFolder::endLoudly() const
{
    std::fprintf(stderr, "The program ended in the middle of a benchmark. Its messages:\n");
    for (const forms::MessageBoxRecord &box : boxes_.shown())
        std::fprintf(stderr, "  %s\n", qPrintable(box.text));
    std::fflush(nullptr);
    std::_Exit(EXIT_FAILURE);
}

// Straight into the file in one transaction, outside the program's layers.
void BenchProgramFolder::storeCheques(int count) const
{
    BulkInsert insert(databasePath(),
                      "insert into CHEQUETABLE values(?1,'STATE BANK','FORT','0012345',"
                      "'R SHARMA','2024-03-09',1500.5,'ONE THOUSAND FIVE HUNDRED ONLY',?1,"
                      "'09/03/2024','A KUMAR','R SHARMA','-','YES','-','-','-',0,0,0,0,"
                      "'2024-03-09','2024-03-09')");
    for (int serial = 1; serial <= count; ++serial) {
        sqlite3_bind_int(insert.row(), 1, serial);
        insert.store();
    }
}
