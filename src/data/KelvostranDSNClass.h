#pragma once

#include "platform/runtime/Variant.h"

#include <QString>

// Registers the ODBC data source "Cheque" in the local machine's registry.
class KelvostranDSNClass {
public:
    // Removes what interrupted hive writes left behind, then writes the fourteen fixed
    // values of the data source, in order, on every call; the five arguments are not
    // read. On a registry failure shows "Unable to create DSN" and stops writing. The
    // result is never set.
    rt::Variant KelvostranDSN(QString &DataSourceNamex, QString &Descriptionx,
                              QString &Databasex, QString &UserNamex, QString &Passwordx);
};
