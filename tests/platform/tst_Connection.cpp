#include "AdoTestFolder.h"

#include "platform/ado/AdoError.h"
#include "platform/ado/Database.h"
#include "platform/ado/Recordset.h"
#include "platform/runtime/TestReset.h"
#include "support/LockHeldElsewhere.h"

#include <QFile>
#include <functional>
#include <vector>

using namespace std::chrono_literals;

using ConnectionTest = AdoTestFolder;

TEST_F(ConnectionTest, OpensTheFileTheDataSourceNamesAndExecutesStatements)
{
    ado::Connection connection = openConnection();
    EXPECT_EQ(connection.State(), ado::adStateOpen);

    EXPECT_EQ(connection.Execute("insert into ChequeTable values(1,'SBI',#01/02/2003#,10,100,'-',0)"), 1);
    EXPECT_EQ(connection.Execute("insert into ChequeTable values(2,'SBI',#01/02/2003#,20,200,'-',0)"), 1);
    EXPECT_EQ(connection.Execute("Update CHEQUETABLE set REMARK = 'paid'"), 2);
    EXPECT_EQ(connection.Execute("Update CHEQUETABLE set REMARK = 'x' where SN = 9"), 0);
    EXPECT_EQ(scalarRaw("select count(*) from CHEQUETABLE where REMARK = 'paid'"), "2");

    // Copies are one connection, as object references are.
    ado::Connection copy = connection;
    copy.Close();
    EXPECT_EQ(connection.State(), ado::adStateClosed);
    EXPECT_EQ(raisedBy([&] { connection.Close(); }).Number(), rt::errObjectClosed);
}

TEST_F(ConnectionTest, ReadsTheBackslashOfTheRegisteredPathAsASeparator)
{
    // A program folder at the root of a drive doubles the separator.
    registerDatabase(folder() + QStringLiteral("\\\\Cheque.mdb"));
    EXPECT_EQ(openConnection().State(), ado::adStateOpen);
}

TEST_F(ConnectionTest, UnregisteredDataSourceFailsWithItsName)
{
    ado::Connection connection;
    connection.ConnectionString = QStringLiteral("DSN=Ledger;userID=Admin;Password=x");
    const rt::RuntimeError error = raisedBy([&] { connection.Open(); });
    EXPECT_EQ(error.Number(), rt::errProviderFailure);
    EXPECT_EQ(error.Description(), QStringLiteral("Data source name not found: Ledger"));
    EXPECT_EQ(connection.State(), ado::adStateClosed);

    connection.ConnectionString = QStringLiteral("userID=Admin;Password=x");
    EXPECT_EQ(raisedBy([&] { connection.Open(); }).Number(), rt::errProviderFailure);
}

TEST_F(ConnectionTest, MissingFileFailsAndIsNotCreated)
{
    registerDatabase(folder() + QStringLiteral("\\Missing.mdb"));
    ado::Connection connection;
    connection.ConnectionString = ConnectionString;
    const rt::RuntimeError error = raisedBy([&] { connection.Open(); });
    EXPECT_EQ(error.Number(), rt::errProviderFailure);
    EXPECT_EQ(error.Description(),
              QStringLiteral("Could not find file '%1/Missing.mdb'.").arg(folder()));
    EXPECT_FALSE(QFile::exists(folder() + QStringLiteral("/Missing.mdb")));
    EXPECT_EQ(connection.State(), ado::adStateClosed);
}

TEST_F(ConnectionTest, FileThatIsNoDatabaseFailsOnOpen)
{
    QFile file(folder() + QStringLiteral("/Notes.mdb"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(2048, 'x'));
    file.close();
    registerDatabase(folder() + QStringLiteral("\\Notes.mdb"));

    ado::Connection connection;
    connection.ConnectionString = ConnectionString;
    const rt::RuntimeError error = raisedBy([&] { connection.Open(); });
    EXPECT_EQ(error.Number(), rt::errProviderFailure);
    EXPECT_TRUE(error.Description().contains(QStringLiteral("Notes.mdb")));
    EXPECT_EQ(connection.State(), ado::adStateClosed);
}

TEST_F(ConnectionTest, ClosedConnectionCannotRunStatements)
{
    ado::Connection connection;
    connection.ConnectionString = ConnectionString;
    EXPECT_EQ(raisedBy([&] { connection.Execute("Delete * from CHEQUETABLE"); }).Number(),
              rt::errConnectionUnusable);

    ado::Recordset rows;
    const rt::RuntimeError error = raisedBy([&] {
        rows.Open("select * from CHEQUETABLE", connection, ado::adOpenKeyset, ado::adLockReadOnly);
    });
    EXPECT_EQ(error.Number(), rt::errConnectionUnusable);
    EXPECT_EQ(error.Description(),
              QStringLiteral("The connection cannot be used to perform this operation. It is "
                             "either closed or invalid in this context."));
    EXPECT_EQ(rows.State(), ado::adStateClosed);
}

TEST_F(ConnectionTest, ALockHeldElsewhereIsWaitedForFromTheFirstStatementUpToTheBusyWait)
{
    struct Case {
        const char *name;
        bool openFirst; // the lock comes while the connection is open, at a statement
        std::chrono::milliseconds lockHeldFor;
        int busyWait;
        long error;
    };
    const Case cases[] = {
        {"opening, lock released within the wait", false, 150ms, 10000, 0},
        {"opening, lock held past the wait", false, 60s, 200, ado::errResourceLocked},
        {"insert, lock released within the wait", true, 150ms, 10000, 0},
        {"insert, lock held past the wait", true, 60s, 200, ado::errResourceLocked},
    };
    const QString path = folder() + QStringLiteral("/Cheque.mdb");
    int otherRows = 0;
    for (const Case &row : cases) {
        SCOPED_TRACE(row.name);
        const QString before = scalarRaw("select count(*) from CHEQUETABLE where SN = 1");
        ado::Database::setBusyWaitForTesting(row.busyWait);
        ado::Connection connection;
        connection.ConnectionString = ConnectionString;
        if (row.openFirst)
            connection.Open();
        LockHeldElsewhere other(path, "insert into CHEQUETABLE (SN) values (2)", row.lockHeldFor);

        const rt::RuntimeError error = raisedBy([&] {
            if (!row.openFirst)
                connection.Open();
            connection.Execute("insert into ChequeTable values(1,'SBI',#01/02/2003#,10,"
                               + QString::number(otherRows + 100) + ",'-',0)");
        });
        other.release();
        ++otherRows;

        EXPECT_EQ(error.Number(), row.error);
        if (row.error) {
            EXPECT_EQ(error.Description(),
                      QStringLiteral("The register '%1' is in use by another program. Close "
                                     "that program or wait until it has finished, then try "
                                     "again.")
                          .arg(path));
            EXPECT_EQ(scalarRaw("select count(*) from CHEQUETABLE where SN = 1"), before);
        } else {
            EXPECT_EQ(scalarRaw("select count(*) from CHEQUETABLE where SN = 1").toInt(),
                      before.toInt() + 1);
        }
        // The other program's own write is kept either way.
        EXPECT_EQ(scalarRaw("select count(*) from CHEQUETABLE where SN = 2").toInt(), otherRows);
    }
    rt::runTestResets();
}

TEST_F(ConnectionTest, ATransactionKeepsOrUndoesItsStatementsWhole)
{
    struct Case {
        const char *name;
        std::function<void(ado::Connection &)> end;
        const char *rowsAfter;
    };
    const std::vector<Case> cases = {
        {"commit", [](ado::Connection &c) { c.CommitTrans(); }, "2"},
        {"roll back", [](ado::Connection &c) { c.RollbackTrans(); }, "0"},
        {"close", [](ado::Connection &c) { c.Close(); }, "0"},
    };
    for (const Case &c : cases) {
        execRaw("delete from CHEQUETABLE");
        ado::Connection connection = openConnection();
        EXPECT_EQ(connection.BeginTrans(), 1);
        connection.Execute("insert into ChequeTable values(1,'SBI',#01/02/2003#,10,100,'-',0)");
        connection.Execute("insert into ChequeTable values(2,'SBI',#01/02/2003#,20,200,'-',0)");
        ado::Recordset rows;
        rows.Open("select * from CHEQUETABLE", connection, ado::adOpenKeyset, ado::adLockReadOnly);
        EXPECT_EQ(rows.RecordCount(), 2) << c.name << ": the connection sees its own changes";
        c.end(connection);
        EXPECT_EQ(scalarRaw("select count(*) from CHEQUETABLE"), c.rowsAfter) << c.name;
    }
}

TEST_F(ConnectionTest, TransactionsDoNotNestAndNeedAnOpenConnection)
{
    ado::Connection connection = openConnection();
    connection.BeginTrans();
    EXPECT_EQ(raisedBy([&] { connection.BeginTrans(); }).Number(), rt::errStatementRejected);
    connection.RollbackTrans();
    connection.RollbackTrans(); // nothing left to undo
    EXPECT_EQ(raisedBy([&] { connection.CommitTrans(); }).Number(), rt::errStatementRejected);

    connection.Close();
    EXPECT_EQ(raisedBy([&] { connection.BeginTrans(); }).Number(), rt::errConnectionUnusable);
    EXPECT_EQ(raisedBy([&] { connection.RollbackTrans(); }).Number(), rt::errConnectionUnusable);
}
