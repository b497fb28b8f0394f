#pragma once

#include "platform/ado/Recordset.h"

#include <QTableView>

namespace forms {

// A read-only grid bound to a recordset: one row per record, the columns headed by
// the recordset's field names (a query's aliases).
class DataGrid : public QTableView {
    Q_OBJECT
public:
    explicit DataGrid(QWidget *parent = nullptr);

    // Shows the rows the recordset holds; the grid keeps the recordset as long as it
    // shows it. A closed recordset shows an empty grid.
    void setDataSource(const ado::Recordset &recordset);
};

} // namespace forms
