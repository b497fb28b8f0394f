#include "platform/ado/Recordset.h"

#include "platform/ado/AdoError.h"
#include "platform/ado/Connection.h"
#include "platform/ado/Database.h"

namespace ado {

// The rows of the last statement, row after row in one block.
struct Recordset::Shared {
    int cursorLocation = adUseServer;
    bool open = false;
    QStringList names;
    std::vector<rt::Variant> values;
    long rowCount = 0;
    long position = 0;

    void clear()
    {
        open = false;
        names.clear();
        values.clear();
        rowCount = 0;
        position = 0;
    }

    void requireOpen() const
    {
        if (!open)
            throw AdoError::objectClosed();
    }

    void requireCurrentRow() const
    {
        if (position >= rowCount)
            throw AdoError::noCurrentRecord();
    }

    // Callers mostly spell a column as the statement does: the plain comparison spares
    // the case-blind one on every row they read.
    int columnOf(const QString &name) const
    {
        for (int column = 0; column < names.size(); ++column) {
            if (names[column] == name || names[column].compare(name, Qt::CaseInsensitive) == 0)
                return column;
        }
        throw AdoError::itemNotFound();
    }

    void requireColumn(int column) const
    {
        if (column < 0 || column >= names.size())
            throw AdoError::itemNotFound();
    }

    const rt::Variant &valueAt(long row, int column) const
    {
        return values[static_cast<std::size_t>(row) * names.size() + column];
    }
};

Recordset::Recordset() : shared_(std::make_shared<Shared>()) {}

void Recordset::setCursorLocation(int location)
{
    shared_->cursorLocation = location;
}

int Recordset::CursorLocation() const
{
    return shared_->cursorLocation;
}

// Every open names its connection and every row is fetched at once, so the recordset
// holds no connection that could be cleared.
void Recordset::clearActiveConnection() {}

void Recordset::Open(const QString &source, const Connection &connection, int, int, long)
{
    const std::shared_ptr<Database> database = connection.database();
    shared_->clear();

    Statement statement = database->prepare(source);
    const int columns = statement.columnCount();
    if (columns == 0) {
        statement.runToEnd();
        return;
    }
    std::vector<rt::Variant> values;
    long rowCount = 0;
    while (statement.next()) {
        for (int column = 0; column < columns; ++column)
            values.push_back(statement.value(column));
        ++rowCount;
    }
    for (int column = 0; column < columns; ++column)
        shared_->names.append(statement.columnName(column));
    shared_->values = std::move(values);
    shared_->rowCount = rowCount;
    shared_->open = true;
}

void Recordset::Close()
{
    shared_->requireOpen();
    shared_->clear();
}

int Recordset::State() const
{
    return shared_->open ? adStateOpen : adStateClosed;
}

Field Recordset::Fields(const QString &name) const
{
    shared_->requireOpen();
    const int column = shared_->columnOf(name);
    shared_->requireCurrentRow();
    return Field(shared_->names[column], shared_->valueAt(shared_->position, column));
}

Field Recordset::Fields(int index) const
{
    shared_->requireOpen();
    shared_->requireColumn(index);
    shared_->requireCurrentRow();
    return Field(shared_->names[index], shared_->valueAt(shared_->position, index));
}

int Recordset::FieldCount() const
{
    shared_->requireOpen();
    return static_cast<int>(shared_->names.size());
}

QStringList Recordset::FieldNames() const
{
    shared_->requireOpen();
    return shared_->names;
}

bool Recordset::Eof() const
{
    shared_->requireOpen();
    return shared_->position >= shared_->rowCount;
}

// Rows are only walked forward, so the recordset is before its first row only when
// it has none.
bool Recordset::Bof() const
{
    shared_->requireOpen();
    return shared_->rowCount == 0;
}

void Recordset::MoveNext()
{
    shared_->requireOpen();
    shared_->requireCurrentRow();
    ++shared_->position;
}

void Recordset::MoveFirst()
{
    shared_->requireOpen();
    if (shared_->rowCount == 0)
        throw AdoError::noCurrentRecord();
    shared_->position = 0;
}

void Recordset::MoveLast()
{
    shared_->requireOpen();
    if (shared_->rowCount == 0)
        throw AdoError::noCurrentRecord();
    shared_->position = shared_->rowCount - 1;
}

long Recordset::RecordCount() const
{
    shared_->requireOpen();
    return shared_->rowCount;
}

long Recordset::AbsolutePosition() const
{
    shared_->requireOpen();
    return shared_->position;
}

rt::Variant Recordset::valueAt(long row, int column) const
{
    shared_->requireOpen();
    shared_->requireColumn(column);
    if (row < 0 || row >= shared_->rowCount)
        throw AdoError::noCurrentRecord();
    return shared_->valueAt(row, column);
}

} // namespace ado
