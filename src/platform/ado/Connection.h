#pragma once

#include "platform/ado/AdoConstants.h"

#include <QString>
#include <memory>

struct sqlite3;

namespace ado {

class Database;

// A database connection. The connection string names a data source ("DSN=name;...")
// whose "DBQ" value in the local machine's registry gives the database file; the
// file is never created by opening. Copies share one connection, as object
// references do.
class Connection {
public:
    Connection();

    QString ConnectionString;

    // Raises a run-time error with a clear description when the data source is not
    // registered, its file is missing or cannot be opened.
    void Open(const QString &user = QString(), const QString &password = QString(),
              long options = adCmdUnspecified);
    void Close();
    int State() const;

    // Runs a statement that returns no rows; gives the number of rows changed.
    long Execute(const QString &commandText, long options = adCmdUnspecified);

    // A transaction: what the statements on this connection change after BeginTrans is
    // kept by CommitTrans, or undone whole by RollbackTrans. Transactions do not nest:
    // a second BeginTrans before the end of the first raises the rejected-statement
    // error. Closing the connection undoes a transaction still open. A CommitTrans that
    // fails leaves the transaction to RollbackTrans. The engine undoes a transaction
    // itself on some failures (a full disk, an I/O error, a trigger's RAISE(ROLLBACK)):
    // every statement and CommitTrans is then refused until RollbackTrans, which has
    // nothing left to undo, ends it.
    long BeginTrans();
    void CommitTrans();
    void RollbackTrans();
    // True from BeginTrans until the transaction ends: by CommitTrans, RollbackTrans,
    // closing, or the engine.
    bool inTransaction() const;

    // The open database; raises "connection closed" when the connection is not open.
    std::shared_ptr<Database> database() const;

private:
    struct Shared;
    std::shared_ptr<Shared> shared_;
};

} // namespace ado
