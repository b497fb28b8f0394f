#pragma once

#include "platform/runtime/Variant.h"

#include <QList>
#include <QString>
#include <QVector>

namespace report {

struct ReportDefinition;
struct SqlCondition;

// One row of a report: the values of its declared fields, in declared order.
using ReportRow = QVector<rt::Variant>;

// Reads a report's rows: its declared fields from its tables, filtered by the condition
// with its values bound, grouped and sorted as the file says.
class ReportQuery {
public:
    // The connection string when one is given, else the report's own data source.
    // Raises the data-access layer's errors.
    static QList<ReportRow> run(const ReportDefinition &definition, const SqlCondition &condition,
                                const QString &connectionString);

    // The statement text, "?" standing for each value of the condition.
    static QString statementText(const ReportDefinition &definition, const SqlCondition &condition);
};

} // namespace report
