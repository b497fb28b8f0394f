#include "data/Module1.h"

#include "platform/ado/Database.h"
#include "platform/registry/AtomicFileWriter.h"
#include "platform/registry/Registry.h"
#include "platform/runtime/App.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/TestReset.h"
#include "support/LockHeldElsewhere.h"
#include "support/ProgramFolderTest.h"

#include <QDir>
#include <QFile>
#include <sqlite3.h>
#include <functional>
#include <tuple>
#include <memory>

namespace {

struct Write {
    QString key;
    QString name;
    std::uint32_t type;
    QByteArray data;
    bool operator==(const Write &) const = default;
};

void PrintTo(const Write &write, std::ostream *out)
{
    *out << write.key.toStdString() << " / " << write.name.toStdString() << " type "
         << write.type << " bytes " << write.data.toHex(' ').toStdString();
}

QByteArray sz(const char *text)
{
    return QByteArray(text, int(qstrlen(text)) + 1);
}

QByteArray dword(std::uint32_t value)
{
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = char((value >> (8 * i)) & 0xff);
    return bytes;
}

class Module1Test : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        registry::setWriteObserver([this](const QString &key, const QString &name,
                                          const registry::RegistryValue &value) {
            writes.push_back({key, name, value.type, value.data});
        });
    }

    void TearDown() override
    {
        rt::runTestResets();
        ProgramFolderTest::TearDown();
    }

    std::vector<Write> expectedWrites() const
    {
        const QString source = QStringLiteral("SOFTWARE\\ODBC\\ODBC.INI\\Cheque");
        const QString jet = source + QStringLiteral("\\Engines\\Jet");
        const QString list = QStringLiteral("SOFTWARE\\ODBC\\ODBC.INI\\ODBC Data Sources");
        const QByteArray database = (rt::App::Path() + QStringLiteral("\\Cheque.mdb")).toUtf8() + '\0';
        return {
            {source, "Description", registry::REG_SZ, sz("Cheque")},
            {source, "FIL", registry::REG_SZ, sz("MS Access;")},
            {source, "Driver", registry::REG_SZ, sz("C:\\Winnt\\System32\\ODBCjt32.dll")},
            {source, "UID", registry::REG_SZ, sz("Admin")},
            {source, "PWD", registry::REG_SZ, sz("41maypol")},
            {source, "DBQ", registry::REG_SZ, database},
            {source, "SafeTransactions", registry::REG_DWORD, dword(0)},
            {source, "DriverId", registry::REG_DWORD, dword(25)},
            {jet, "ImplicitCommitSync", registry::REG_SZ, QByteArray(1, '\0')},
            {jet, "UserCommitSync", registry::REG_SZ, sz("Yes")},
            {jet, "MaxBufferSize", registry::REG_DWORD, dword(2048)},
            {jet, "PageTimeout", registry::REG_DWORD, dword(5)},
            {jet, "Threads", registry::REG_DWORD, dword(3)},
            {list, "Cheque", registry::REG_SZ, sz("Microsoft Access Driver (*.mdb)")},
        };
    }

    std::vector<Write> writes;
};

TEST_F(Module1Test, EveryOpeningWritesTheFourteenValuesInOrderAndOpensTheRegister)
{
    Module1::OpenConnection();
    Module1::OpenConnection();

    std::vector<Write> twice = expectedWrites();
    const std::vector<Write> once = expectedWrites();
    twice.insert(twice.end(), once.begin(), once.end());
    EXPECT_EQ(writes, twice);
    EXPECT_EQ(Module1::SharedConnection().State(), ado::adStateOpen);
    EXPECT_EQ(Module1::SharedConnection().ConnectionString,
              QStringLiteral("DSN=Cheque;userID=Admin;Password=41maypol"));
    EXPECT_TRUE(Module1::DsnResult().isEmpty());
    EXPECT_TRUE(boxes().shown().empty());
}

TEST_F(Module1Test, AMissingRegisterShowsTwoBoxesThenEndsTheProcess)
{
    ASSERT_TRUE(QFile::remove(databasePath()));

    EXPECT_THROW(Module1::OpenConnection(), rt::ProcessEnded);

    ASSERT_EQ(boxes().shown().size(), 2u);
    const forms::MessageBoxRecord &reason = boxes().shown()[0];
    EXPECT_TRUE(reason.text.contains(QStringLiteral("Cheque.mdb"))) << reason.text.toStdString();
    EXPECT_EQ(reason.buttons, forms::vbOKOnly);
    EXPECT_EQ(reason.icon, 0);
    EXPECT_EQ(reason.title, QStringLiteral("Quilvane"));
    EXPECT_EQ(boxes().shown()[1],
              (forms::MessageBoxRecord{"Please Re-start Application", forms::vbOKOnly, 0,
                                       "Quilvane"}));
    // The source was registered again before the end.
    EXPECT_EQ(writes.size(), 28u);
    EXPECT_FALSE(QFile::exists(databasePath()));
}

TEST_F(Module1Test, ADamagedRegistryIsKeptAsideAndTheStartGoesOn)
{
    const QList<QByteArray> damagedHives = {QByteArray(), QByteArray("\x01\x02 not a hive \xff")};
    for (const QByteArray &damaged : damagedHives) {
        QFile hive(registry::hivePath());
        ASSERT_TRUE(hive.open(QIODevice::WriteOnly));
        hive.write(damaged);
        hive.close();
        writes.clear();

        Module1::OpenConnection();

        EXPECT_TRUE(boxes().shown().empty());
        EXPECT_EQ(writes, expectedWrites());
        EXPECT_EQ(Module1::SharedConnection().State(), ado::adStateOpen);
        const QStringList aside =
            QDir(programFolder()).entryList({"Registry.hive.damaged-*"}, QDir::Files);
        ASSERT_EQ(aside.size(), 1);
        QFile kept(programFolder() + u'/' + aside.first());
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_EQ(kept.readAll(), damaged);
        ASSERT_TRUE(kept.remove());
    }
}

// The stored data source differs from what an opening writes (a value changed since), so
// the opening must rewrite the hive, and the disk is full.
TEST_F(Module1Test, AFullDiskKeepsTheEarlierDataSourceAndTheNextStartIsClean)
{
    const QString jet = QStringLiteral("SOFTWARE\\ODBC\\ODBC.INI\\Cheque\\Engines\\Jet");
    Module1::OpenConnection();
    registry::HKEY key = 0;
    ASSERT_EQ(
        registry::RegCreateKeyExA(registry::HKEY_LOCAL_MACHINE, jet, 0, 0, 6, &key, nullptr),
        registry::ERROR_SUCCESS);
    ASSERT_EQ(registry::RegSetValueExA(key, QStringLiteral("Threads"), 0, registry::REG_DWORD,
                                       dword(4)),
              registry::ERROR_SUCCESS);
    registry::RegCloseKey(key);
    registry::AtomicFileWriter::failStepForTesting(registry::AtomicFileWriter::Step::Flush);

    Module1::OpenConnection();

    EXPECT_EQ(boxes().shown(), (std::vector<forms::MessageBoxRecord>{
                                   {"Unable to create DSN", forms::vbOKOnly, 16, "Error"}}));
    EXPECT_EQ(Module1::SharedConnection().State(), ado::adStateOpen);

    registry::AtomicFileWriter::failStepForTesting(std::nullopt);
    boxes().clear();
    Module1::OpenConnection();
    EXPECT_TRUE(boxes().shown().empty());
    EXPECT_EQ(Module1::SharedConnection().State(), ado::adStateOpen);
    EXPECT_EQ(registry::queryLocalMachineValue(jet, QStringLiteral("Threads"))->data, dword(3));
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A process killed while the hive was being rewritten left the temporary copy, password and
// all. The next opening finds the data source as it would write it: it clears the copies
// away and leaves the hive as it is, so a full disk goes unnoticed.
TEST_F(Module1Test, AnOpeningRemovesInterruptedHiveWritesAndRewritesNoUnchangedHive)
{
    Module1::OpenConnection();
    const QByteArray hive = fileBytes(registry::hivePath());
    const QStringList left = {QStringLiteral("Registry.hive.new-aB3xZ9"),
                              QStringLiteral("Registry.hive.new-000000")};
    for (const QString &name : left) {
        QFile copy(programFolder() + u'/' + name);
        ASSERT_TRUE(copy.open(QIODevice::WriteOnly));
        copy.write(hive);
    }
    const QString kept = QStringLiteral("Registry.hive.damaged-20260101-101010");
    ASSERT_TRUE(QFile::copy(registry::hivePath(), programFolder() + u'/' + kept));
    registry::AtomicFileWriter::failStepForTesting(registry::AtomicFileWriter::Step::Write);
    writes.clear();

    Module1::OpenConnection();

    EXPECT_TRUE(boxes().shown().empty());
    EXPECT_EQ(writes, expectedWrites());
    EXPECT_EQ(Module1::SharedConnection().State(), ado::adStateOpen);
    EXPECT_EQ(QDir(programFolder()).entryList({QStringLiteral("Registry.hive*")}, QDir::Files),
              (QStringList{QStringLiteral("Registry.hive"), kept}));
    EXPECT_EQ(fileBytes(registry::hivePath()), hive);
}

// Runs statements straight on a file, creating it when absent.
void execOn(const QString &path, const char *sql)
{
    sqlite3 *database = nullptr;
    sqlite3_open(path.toUtf8().constData(), &database);
    ASSERT_EQ(sqlite3_exec(database, sql, nullptr, nullptr, nullptr), SQLITE_OK)
        << sqlite3_errmsg(database);
    sqlite3_close(database);
}

// Garbles the root page of the register's cheque table; the file's first page, with the
// list of tables, stays whole.
void damageChequeTablePage(const QString &path)
{
    sqlite3 *database = nullptr;
    sqlite3_open(path.toUtf8().constData(), &database);
    sqlite3_stmt *query = nullptr;
    sqlite3_prepare_v2(database,
                       "select rootpage, (select page_size from pragma_page_size) from "
                       "sqlite_master where name = 'CHEQUETABLE'",
                       -1, &query, nullptr);
    ASSERT_EQ(sqlite3_step(query), SQLITE_ROW);
    const qint64 page = sqlite3_column_int64(query, 0);
    const qint64 pageSize = sqlite3_column_int64(query, 1);
    sqlite3_finalize(query);
    sqlite3_close(database);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.seek((page - 1) * pageSize);
    file.write(QByteArray(int(pageSize), '\x5a'));
}

TEST_F(Module1Test, ARegisterThatCannotBeUsedTakesTheRoadOfAMissingOne)
{
    struct Case {
        const char *name;
        // Readies the register file; what it gives back is held until the opening failed.
        std::function<std::shared_ptr<void>(const QString &)> prepare;
        QString description;
    };
    const Case cases[] = {
        {"locked past the wait",
         [](const QString &path) -> std::shared_ptr<void> {
             ado::Database::setBusyWaitForTesting(200);
             return std::make_shared<LockHeldElsewhere>(path, "delete from gen",
                                                        std::chrono::seconds(60));
         },
         QStringLiteral("The register '%1' is in use by another program. Close that program "
                        "or wait until it has finished, then try again.")},
        {"empty",
         [](const QString &path) -> std::shared_ptr<void> {
             QFile(path).resize(0);
             return nullptr;
         },
         QStringLiteral("The database file '%1' is empty: it holds no register.")},
        {"none of the system's tables",
         [](const QString &path) -> std::shared_ptr<void> {
             QFile::remove(path);
             execOn(path, "CREATE TABLE Notes (LINE TEXT); INSERT INTO Notes VALUES ('x');");
             return nullptr;
         },
         QStringLiteral("The database file '%1' holds none of the program's tables: it is not "
                        "a register.")},
        {"a damaged page",
         [](const QString &path) -> std::shared_ptr<void> {
             damageChequeTablePage(path);
             return nullptr;
         },
         QStringLiteral("The database file '%1' is damaged (")},
    };
    for (const Case &row : cases) {
        SCOPED_TRACE(row.name);
        TearDown();
        SetUp();
        const std::shared_ptr<void> held = row.prepare(databasePath());
        const QByteArray before = fileBytes(databasePath());

        EXPECT_THROW(Module1::OpenConnection(), rt::ProcessEnded);

        // The engine words what it found on a damaged page: only the start is ours.
        ASSERT_EQ(boxes().shown().size(), 2u);
        const forms::MessageBoxRecord &reason = boxes().shown()[0];
        EXPECT_TRUE(reason.text.startsWith(row.description.arg(databasePath())))
            << reason.text.toStdString();
        EXPECT_EQ((std::tuple{reason.buttons, reason.icon, reason.title}),
                  (std::tuple{int(forms::vbOKOnly), 0, QStringLiteral("Quilvane")}));
        EXPECT_EQ(boxes().shown()[1], (forms::MessageBoxRecord{"Please Re-start Application",
                                                               forms::vbOKOnly, 0, "Quilvane"}));
        EXPECT_EQ(Module1::SharedConnection().State(), ado::adStateClosed);
        EXPECT_EQ(fileBytes(databasePath()), before);
    }
}

TEST_F(Module1Test, ARegisterHoldingAnyOneOfTheSystemsTablesOpens)
{
    const QStringList tables = rowsRaw("select name from sqlite_master where type = 'table'");
    ASSERT_FALSE(tables.isEmpty());
    for (const QString &kept : tables) {
        SCOPED_TRACE(kept.toStdString());
        TearDown();
        SetUp();
        for (const QString &table : tables)
            if (table != kept)
                execRaw(QStringLiteral("DROP TABLE %1").arg(table));

        Module1::OpenConnection();

        EXPECT_TRUE(boxes().shown().empty());
        EXPECT_EQ(Module1::SharedConnection().State(), ado::adStateOpen);
    }
}

TEST_F(Module1Test, StatementsRunOnTheSharedConnectionFollowTheRegisterRules)
{
    Module1::OpenConnection();
    ado::Recordset &rows = Module1::SharedRecordset();

    // An aggregate over no rows is Null, not 0: the serial rule depends on it failing.
    rows.Open("select max(sn) from CHEQUETABLE", Module1::SharedConnection(), ado::adOpenKeyset,
              ado::adLockReadOnly);
    EXPECT_TRUE(rows.Fields(0).Value().isNull());
    EXPECT_THROW(rows.Fields(0).Value().toInteger(), rt::RuntimeError);
    Module1::CloseIfOpen(rows);
    rows.Open("select sum(AMOUNT) from CHEQUETABLE", Module1::SharedConnection(),
              ado::adOpenKeyset, ado::adLockReadOnly);
    EXPECT_THROW(rows.Fields(0).Value().toDouble(), rt::RuntimeError);

    // A row-less statement leaves the recordset closed.
    Module1::CloseIfOpen(rows);
    rows.Open("Delete * from gen", Module1::SharedConnection(), ado::adOpenKeyset,
              ado::adLockReadOnly);
    EXPECT_EQ(rows.State(), ado::adStateClosed);
    EXPECT_EQ(scalarRaw("select count(*) from gen"), QStringLiteral("0"));
}

} // namespace
