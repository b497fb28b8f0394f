#pragma once

#include "platform/ado/Statement.h"

#include <QString>

struct sqlite3;

namespace ado {

// An open database file and the engine's errors turned into the run-time errors the
// program looks for.
class Database {
public:
    // Opens an existing file for reading and writing; never creates one. Raises the
    // provider failure when the file cannot be opened or is not one of the program's
    // databases (see DatabaseCheck), and the in-use error when another program holds
    // it for longer than the busy wait, which every statement of the connection waits
    // too.
    explicit Database(const QString &path);
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    // One statement of the program's dialect, ready to run. Raises the rejected-
    // statement error for a text the engine refuses, an empty text, or a text that
    // goes on after its statement.
    Statement prepare(const QString &statementText);

    // A transaction. The engine ends one itself on some failures (a full disk, an I/O
    // error, a trigger's RAISE(ROLLBACK)); from then until rollBackTransaction every
    // statement, begin and commit is refused, since each would otherwise be kept on its
    // own while the caller takes it for part of the transaction. A commit that fails
    // leaves the transaction to rollBackTransaction as well.
    void beginTransaction();
    void commitTransaction();
    // Ends the transaction, undoing what is left of it; nothing to undo does nothing.
    void rollBackTransaction();
    // True from beginTransaction until the transaction ends, by a commit, a rollback or
    // the engine.
    bool inTransaction() const;

    // Rows inserted, updated or deleted since the database was opened.
    long long totalChanges() const;

    // The engine's last failure as a run-time error: a second row in a unique index
    // over one column is 0x80040E21, over several columns 0x80004005; a lock another
    // program held past the busy wait is the in-use error; anything else is 0x80040E14
    // with the engine's description.
    [[noreturn]] void raiseLastError() const;

    // Shortens the busy wait so that tests of a held lock stay quick.
    static void setBusyWaitForTesting(int milliseconds);

private:
    // Runs one of the engine's own commands (begin, commit, rollback) as it is written.
    void runCommand(const char *command);
    // Raises while the engine has ended a transaction that was not rolled back yet.
    void refuseWhileTransactionUndone() const;
    // The last failure was another program's lock outlasting the busy wait.
    bool inUse() const;
    [[noreturn]] void raiseOpeningError() const;

    QString path_;
    sqlite3 *handle_ = nullptr;
    bool transactionBegun_ = false;
};

} // namespace ado
