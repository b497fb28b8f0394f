#include "data/Transaction.h"

#include "data/Module1.h"
#include "platform/ado/AdoError.h"
#include "platform/ado/Database.h"
#include "platform/runtime/RuntimeError.h"
#include "support/LockHeldElsewhere.h"
#include "support/ProgramFolderTest.h"
#include "support/RaisedError.h"

#include <memory>
#include <optional>

namespace {

class TransactionTest : public ProgramFolderTest {};

// Three rows written as one, the second passed over when it fails, as the member
// statement does. Whatever the fault, the rows end whole or absent, and the same
// connection takes the next transaction.
TEST_F(TransactionTest, RowsEndWholeOrAbsentAndTheConnectionTakesTheNextTransaction)
{
    struct Case {
        const char *name;
        std::optional<InsertFailure> secondRow; // how the second row fails, if it does
        bool readerAtCommit; // another program reads the register when the commit comes
        long raised;
        bool openAfterSecond;
        QStringList kept;
    };
    const Case cases[] = {
        {"a row refused", InsertFailure::Refused, false, 0, true, {"1.0", "3.0"}},
        {"the engine undoes the transaction", InsertFailure::UndoesTransaction, false,
         rt::errStatementRejected, false, {}},
        {"the commit fails", std::nullopt, true, ado::errResourceLocked, true, {}},
    };
    ado::Database::setBusyWaitForTesting(200);
    Module1::OpenConnection();
    ado::Connection &connection = Module1::SharedConnection();
    const auto write = [&](int fee) {
        connection.Execute(QStringLiteral("insert into gen values(%1,0,0,0,0)").arg(fee));
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        execRaw("delete from gen");
        if (c.secondRow)
            failInsertsWhen("gen", "NEW.LATEFEE = 2", *c.secondRow);
        std::unique_ptr<LockHeldElsewhere> reader;
        if (c.readerAtCommit)
            reader = std::make_unique<LockHeldElsewhere>(databasePath(), "select * from gen",
                                                         std::chrono::seconds(60),
                                                         LockHeldElsewhere::Lock::Read);
        bool openAfterSecond = false;
        const rt::RuntimeError error = raisedBy([&] {
            Transaction rows(connection);
            write(1);
            raisedBy([&] { write(2); });
            openAfterSecond = rows.isOpen();
            write(3);
            rows.commit();
        });
        reader.reset();
        EXPECT_EQ(error.Number(), c.raised) << error.Description().toStdString();
        EXPECT_EQ(openAfterSecond, c.openAfterSecond);
        EXPECT_EQ(rowsRaw("select LATEFEE from gen order by LATEFEE"), c.kept);

        execRaw("DROP TRIGGER IF EXISTS failing");
        Transaction next(connection);
        write(4);
        next.commit();
        EXPECT_EQ(scalarRaw("select count(*) from gen where LATEFEE = 4"), "1");
    }
}

} // namespace
