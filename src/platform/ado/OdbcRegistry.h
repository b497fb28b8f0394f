#pragma once

#include <QString>

namespace ado {

// Where the driver manager keeps data sources in the local machine's registry: one key
// per source under this one, named after the source.
inline const QString OdbcIniKey = QStringLiteral("SOFTWARE\\ODBC\\ODBC.INI\\");

} // namespace ado
