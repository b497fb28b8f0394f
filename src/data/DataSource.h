#pragma once

#include "platform/ado/OdbcRegistry.h"

#include <QString>

// The one data source of the program: the name, account and password that its
// registration writes and its connection string names.
namespace DataSource {

inline const QString Name = QStringLiteral("Cheque");
inline const QString User = QStringLiteral("Admin");
inline const QString Password = QStringLiteral("41maypol");

inline const QString ConnectionString =
    QStringLiteral("DSN=%1;userID=%2;Password=%3").arg(Name, User, Password);

// The data source's own key, and the key that lists every data source with its driver.
inline const QString Key = ado::OdbcIniKey + Name;
inline const QString ListKey = ado::OdbcIniKey + QStringLiteral("ODBC Data Sources");

} // namespace DataSource
