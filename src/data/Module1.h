#pragma once

#include "data/DataSource.h"
#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"
#include "platform/runtime/Variant.h"

#include <QDate>
#include <QString>

// The objects most of the program shares: one connection, four recordsets and the text
// of the statement being built, each created on first use and living until the end (or
// until a test reset drops them all).
namespace Module1 {

ado::Connection &SharedConnection();
ado::Recordset &SharedRecordset();
ado::Recordset &SharedRecordset2();
ado::Recordset &SharedRecordset3();
ado::Recordset &SharedRecordset4();
QString &SharedSql();
rt::Variant &DsnResult();
QDate &PeriodFromDate();
QDate &PeriodToDate();

// The connection string of the shared connection.
inline const QString SharedConnectionString = DataSource::ConnectionString;

// Registers the data source and (re)opens the shared connection. Returns with the
// connection open, or reports the failure, says "Please Re-start Application" and
// ends the process.
void OpenConnection();

// The shared connection, opened through OpenConnection first when it is closed (the login
// and the forms' unloads close it). Every statement that runs on the shared connection
// reaches it through here.
ado::Connection &OpenSharedConnectionIfClosed();

// Closes the shared connection when it is open.
void CloseSharedConnection();

// Closes a recordset when it is open, as every statement does before reusing one.
void CloseIfOpen(ado::Recordset &recordset);

} // namespace Module1
