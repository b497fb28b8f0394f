#include "data/Transaction.h"

#include "platform/runtime/RuntimeError.h"

Transaction::Transaction(ado::Connection &connection) : connection_(connection)
{
    connection_.BeginTrans();
}

Transaction::~Transaction()
{
    // A connection closed meanwhile has undone the transaction itself.
    if (committed_ || connection_.State() != ado::adStateOpen)
        return;
    // The failure that ended the scope is the one the caller hears of; a rollback that
    // fails as well leaves the transaction to the closing of the connection, which
    // undoes it.
    try {
        connection_.RollbackTrans();
    } catch (const rt::RuntimeError &) {
    }
}

bool Transaction::isOpen() const
{
    return connection_.inTransaction();
}

void Transaction::commit()
{
    connection_.CommitTrans();
    committed_ = true;
}
