#include "reports/FormulaText.h"

#include "platform/forms/Control.h"

#include <QDate>

namespace FormulaText {

QString date(const forms::Control &picker)
{
    const QDate value = picker.Value().toDate();
    return QStringLiteral("date(%1,%2,%3)").arg(value.year()).arg(value.month()).arg(value.day());
}

QString dateRange(const QString &field, const forms::Control &DTP1, const forms::Control &DTP2)
{
    const QString from = date(DTP1);
    const QString to = date(DTP2);
    return field + QStringLiteral(" >= ") + from + QStringLiteral(" and ") + field
           + QStringLiteral(" <= ") + to;
}

QString equalsText(const QString &field, const QString &value)
{
    return field + QStringLiteral(" = '") + value + u'\'';
}

QString equalsNumber(const QString &field, const QString &number)
{
    return field + QStringLiteral(" = ") + number;
}

} // namespace FormulaText
