// Saving one cheque through the entry form, into an empty register and into one that
// already holds 10,000 cheques. The form refills its serial and cheque-number lists
// after every save, so the second grows with the register.
// Run: build/benchmarks --benchmark_filter=ChequeSave
#include "cheque/FRM_BANK.h"
#include "cheque/ModuleData.h"
#include "data/DatabaseFile.h"
#include "data/Module1.h"
#include "platform/forms/ScriptedMessageBoxes.h"
#include "platform/runtime/App.h"
#include "support/ProgramFolderTest.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

namespace {

// The saved cheque takes a number above every stored one.
constexpr int SavedChequeNumber = 900000;

class RawDatabase {
public:
    explicit RawDatabase(const QString &path)
    {
        sqlite3_open_v2(path.toUtf8().constData(), &handle_, SQLITE_OPEN_READWRITE, nullptr);
    }
    ~RawDatabase() { sqlite3_close(handle_); }

    void exec(const QString &sql)
    {
        sqlite3_exec(handle_, sql.toUtf8().constData(), nullptr, nullptr, nullptr);
    }

private:
    sqlite3 *handle_ = nullptr;
};

void storeCheques(RawDatabase &database, int count)
{
    database.exec(QStringLiteral("begin"));
    for (int serial = 1; serial <= count; ++serial)
        database.exec(QStringLiteral("insert into CHEQUETABLE values(%1,'STATE BANK','FORT',"
                                     "'0012345','R SHARMA','2024-03-09',1500,'ONE THOUSAND, FIVE "
                                     "HUNDRED,  ONLY',%1,'09/03/2024','A KUMAR','R SHARMA','-',"
                                     "'YES','-','-','-',0,0,0,0,'2024-03-09','2024-03-09')")
                          .arg(serial));
    database.exec(QStringLiteral("commit"));
}

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
    ensureApplication();
    QTemporaryDir folder;
    rt::App::setPathForTesting(folder.path());
    const QString databasePath = folder.path() + QStringLiteral("/Cheque.mdb");
    DatabaseFile::createIfAbsent(databasePath);
    Module1::resetForTesting();
    ModuleData::resetForTesting();
    RawDatabase database(databasePath);
    storeCheques(database, storedCheques);
    forms::ScriptedMessageBoxes boxes;

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
    Module1::resetForTesting();
}

} // namespace

BENCHMARK_CAPTURE(BM_ChequeSave, EmptyRegister, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ChequeSave, TenThousandCheques, 10000)->Unit(benchmark::kMillisecond);
