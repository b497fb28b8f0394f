#pragma once

#include "platform/report/ReportPage.h"
#include "platform/report/ReportQuery.h"

#include <QList>
#include <QStringList>

namespace report {

class AmountInWords;
struct ReportColumn;
struct ReportDefinition;
enum class ValueFormat;

// Lays a report's rows out on pages: on every page the title, the formula texts and the
// column headings; then the rows with a heading and totals for every group, the grand
// totals at the end, and "Page n of m" at the foot. One pass over the rows.
class ReportLayout {
public:
    // formulaTexts holds the text of each formula field of the definition, in its order.
    ReportLayout(const ReportDefinition &definition, QStringList formulaTexts, QString jobName,
                 const AmountInWords &amountInWords);

    QList<ReportPage> layOut(const QList<ReportRow> &rows);

    // A value as a column prints it.
    QString cellText(const rt::Variant &value, const ReportColumn &column) const;

private:
    void startPage();
    void makeRoomFor(double height);
    void openGroup(int level, const ReportRow &row);
    void groupLine(const QString &caption, bool bold);
    void closeGroup(int level);
    void printRow(const ReportRow &row);
    void printTotals(const QString &label, const QList<double> &totals);
    void addTotals(const ReportRow &row);
    void rule(double top, double left, double width);
    void text(const QString &caption, const QRectF &twips, Qt::Alignment alignment, double size,
              bool bold);
    void numberPages();
    // The left edge of a column; of the table's right edge for one past the last.
    double columnLeft(qsizetype column) const;
    QString groupText(int level) const;
    // A field's value in words when the format says so; else as the column showing it
    // prints it, if one does, else in the format.
    QString fieldText(int field, const rt::Variant &value, ValueFormat format) const;
    static QString labelled(const QString &label, const QString &value);
    bool hasTotals() const;

    const ReportDefinition &definition_;
    QStringList formulaTexts_;
    QString jobName_;
    const AmountInWords &amountInWords_;
    QSizeF paper_;
    double bodyBottom_ = 0;
    QList<double> columnLefts_;
    double y_ = 0;
    QList<ReportPage> pages_;
    // Totals of each open group, then of the whole report, one per column.
    QList<QList<double>> groupTotals_;
    QList<double> grandTotals_;
    // The running balance of each column so far in the current group.
    QList<double> runningTotals_;
    QList<rt::Variant> groupValues_;
};

} // namespace report
