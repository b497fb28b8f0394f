#pragma once

#include "platform/ado/AdoConstants.h"
#include "platform/ado/Field.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

namespace ado {

class Connection;

// The rows of one statement, fetched in full when it is opened. A statement that
// returns no rows (insert, update, delete) makes its change and leaves the recordset
// closed. Copies share one recordset, as object references do.
class Recordset {
public:
    Recordset();

    // Client-side cursor for recordsets handed to a data grid.
    void setCursorLocation(int location);
    int CursorLocation() const;
    // Clears the recordset's active connection before a client-side open.
    void clearActiveConnection();

    // Raises a run-time error when the statement is rejected: 0x80040E21 for a second
    // row in a unique index on one column, 0x80004005 for a second row in a unique
    // index over several columns, 0x80040E14 for any other rejected statement.
    void Open(const QString &source, const Connection &connection,
              int cursorType = adOpenUnspecified, int lockType = adLockUnspecified,
              long options = adCmdUnspecified);
    void Close();
    int State() const;

    // Columns by name (ignoring letter case) or by zero-based position, on the current
    // row; with no current row the read raises error 3021.
    Field Fields(const QString &name) const;
    Field Fields(int index) const;
    int FieldCount() const;
    QStringList FieldNames() const;

    bool Eof() const;
    bool Bof() const;
    void MoveNext();
    void MoveFirst();
    void MoveLast();
    long RecordCount() const;
    // The current row's position, 0-based; for grids.
    long AbsolutePosition() const;
    // Any row by position, for grids that show every row.
    rt::Variant valueAt(long row, int column) const;

private:
    struct Shared;
    std::shared_ptr<Shared> shared_;
};

} // namespace ado
