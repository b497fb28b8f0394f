#include "platform/report/ReportQuery.h"

#include "platform/ado/Connection.h"
#include "platform/ado/Database.h"
#include "platform/report/FormulaParser.h"
#include "platform/report/ReportDefinition.h"

#include <QStringList>

namespace report {

QString ReportQuery::statementText(const ReportDefinition &definition,
                                   const SqlCondition &condition)
{
    QStringList columns;
    for (const ReportField &field : definition.fields)
        columns << field.sql();
    QString text = QStringLiteral("SELECT ") + columns.join(QStringLiteral(", "))
                   + QStringLiteral(" FROM ") + definition.from;
    if (!condition.sql.isEmpty())
        text += QStringLiteral(" WHERE ") + condition.sql;
    QStringList order;
    for (const ReportGroup &group : definition.groups)
        order << definition.fields[group.field].sql();
    for (int field : definition.sort)
        order << definition.fields[field].sql();
    if (!order.isEmpty())
        text += QStringLiteral(" ORDER BY ") + order.join(QStringLiteral(", "));
    return text;
}

QList<ReportRow> ReportQuery::run(const ReportDefinition &definition, const SqlCondition &condition,
                                  const QString &connectionString)
{
    ado::Connection connection;
    connection.ConnectionString = connectionString.isEmpty()
                                      ? QStringLiteral("DSN=") + definition.dataSource
                                      : connectionString;
    connection.Open();
    ado::Statement statement =
        connection.database()->prepare(statementText(definition, condition));
    for (int i = 0; i < condition.parameters.size(); ++i)
        statement.bind(i + 1, condition.parameters[i]);
    QList<ReportRow> rows;
    const int columns = statement.columnCount();
    while (statement.next()) {
        ReportRow row(columns);
        for (int column = 0; column < columns; ++column)
            row[column] = statement.value(column);
        rows.append(std::move(row));
    }
    return rows;
}

} // namespace report
