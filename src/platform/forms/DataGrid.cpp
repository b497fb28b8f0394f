#include "platform/forms/DataGrid.h"

#include "platform/runtime/RuntimeError.h"

#include <QAbstractTableModel>
#include <QItemSelectionModel>

namespace forms {

namespace {

// The rows of a recordset as a read-only table; a Null shows as an empty cell.
class RecordsetModel : public QAbstractTableModel {
public:
    RecordsetModel(const ado::Recordset &recordset, QObject *parent)
        : QAbstractTableModel(parent), recordset_(recordset),
          open_(recordset.State() == ado::adStateOpen)
    {
    }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override
    {
        return parent.isValid() || !open_ ? 0 : static_cast<int>(recordset_.RecordCount());
    }

    int columnCount(const QModelIndex &parent = QModelIndex()) const override
    {
        return parent.isValid() || !open_ ? 0 : recordset_.FieldCount();
    }

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override
    {
        if (role != Qt::DisplayRole || !index.isValid())
            return QVariant();
        try {
            return recordset_.valueAt(index.row(), index.column()).toString();
        } catch (const rt::RuntimeError &) {
            return QString();
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override
    {
        if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
            return QAbstractTableModel::headerData(section, orientation, role);
        return recordset_.FieldNames().value(section);
    }

private:
    ado::Recordset recordset_;
    bool open_;
};

} // namespace

DataGrid::DataGrid(QWidget *parent) : QTableView(parent)
{
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
}

void DataGrid::setDataSource(const ado::Recordset &recordset)
{
    // The view makes a selection model for every model it is given and keeps the old
    // one: both go with the rows they served.
    QAbstractItemModel *previousModel = model();
    QItemSelectionModel *previousSelection = selectionModel();
    setModel(new RecordsetModel(recordset, this));
    delete previousSelection;
    delete previousModel;
}

} // namespace forms
