#pragma once

#include "platform/ado/Connection.h"

// Rows that belong together, written in one transaction of the connection they run on:
// the guard begins it, commit() keeps the statements' changes, and leaving the scope
// without a commit that succeeded (a failure on the way, or the commit's own) undoes
// them, so the connection is ready for its next transaction either way.
//
// The engine ends a transaction itself on some failures (a full disk, an I/O error, a
// trigger's RAISE(ROLLBACK)); the connection then refuses every further statement and
// the commit, so the rows end whole or absent. A caller that passes over a failing
// statement asks isOpen() before going on.
class Transaction {
public:
    explicit Transaction(ado::Connection &connection);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    // False once the engine has undone the transaction.
    bool isOpen() const;
    // Keeps the changes; raises, keeping none, when the commit fails or the engine has
    // undone the transaction already.
    void commit();

private:
    ado::Connection connection_; // a copy shares the caller's connection
    bool committed_ = false;
};
