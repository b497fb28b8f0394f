#pragma once

#include "platform/report/ReportPage.h"
#include "platform/report/ReportQuery.h"
#include "platform/report/TextWrapper.h"

#include <QList>
#include <QStringList>

namespace report {

class AmountInWords;
struct ReportColumn;
struct ReportDefinition;
enum class ValueFormat;

// Lays a report's rows out on pages: on every page the title, the formula texts and the
// column headings; then the rows with a heading and totals for every group, the grand
// totals at the end, and "Page n of m" at the foot. A value wider than its column wraps
// and its row grows to hold it; a figure stays whole on one line. A heading keeps the
// headings nested in it and a row with it, a row keeps the totals that follow it, a row
// taller than the rest of the page goes on over the next, and a group that goes on over
// a page break repeats its headings, marked as continued. One pass over the rows.
class ReportLayout {
public:
    // formulaTexts holds the text of each formula field of the definition, in its order.
    ReportLayout(const ReportDefinition &definition, QStringList formulaTexts, QString jobName,
                 const AmountInWords &amountInWords);

    QList<ReportPage> layOut(const QList<ReportRow> &rows);

    // A value as a column prints it; an amount rounded as printedAmount says.
    QString cellText(const rt::Variant &value, const ReportColumn &column) const;
    // An amount as it prints with that many decimals, and as totals and balances count
    // it: rounded, halves to the even neighbour, and never a negative zero.
    static double printedAmount(double amount, int decimals);

private:
    // A text broken into the lines that fit its width.
    struct Wrapped {
        QStringList lines;
        double left = 0;
        double width = 0;
        Qt::Alignment alignment = Qt::AlignLeft;
        bool bold = false;
        double size = 0; // points
    };
    // A group's heading and details as its first row gave them.
    struct Heading {
        QString caption;
        QList<Wrapped> details;
    };

    void startPage();
    void printColumnHeadings();
    // Starts a new page when the height does not fit below what the page holds; the
    // groups open above `level` then go on under their headings, marked as continued.
    void keepTogether(double height, int level);
    // A new page, going on with the groups open above `levels` under their headings.
    void continueOnNewPage(int levels);
    // A row of the body, over as many pages as it needs; `closing` is the height of the
    // totals that follow it.
    void printBodyRow(QList<Wrapped> cells, double closing);
    // Takes the group's value and heading from its first row; printed later, once it is
    // known to fit with what it keeps.
    void openGroup(int level, const ReportRow &row);
    double headingHeight(const Heading &heading);
    void printHeading(const Heading &heading, bool continued);
    void closeGroup(int level);
    QList<Wrapped> rowCells(const ReportRow &row);
    void printTotals(const QString &label, const QList<double> &totals);
    Wrapped totalsLabel(const QString &label);
    // The height of the totals that close the groups from `level` inwards, and of the
    // grand totals when the rows end there.
    double closingHeight(int level, bool last);
    void addTotals(const ReportRow &row);
    // The first group level whose value the row does not share; the number of levels
    // when it shares them all.
    int firstChangedLevel(const ReportRow &row) const;
    Wrapped wrap(const QString &caption, double left, double width, Qt::Alignment alignment,
                 bool bold);
    // A text within a column, as a figure or wrapped.
    Wrapped columnText(const QString &caption, qsizetype column, bool figure, bool bold);
    // An amount, or a value that is a number, whatever its column's format.
    static bool isFigure(const rt::Variant &value, const ReportColumn &column);
    Wrapped fullWidth(const QString &caption, bool bold);
    static double heightOf(const Wrapped &text);
    static double tallest(const QList<Wrapped> &texts);
    static double linesHeight(qsizetype lines);
    static qsizetype lineCount(const QList<Wrapped> &texts);
    // How many lines fit between the current line and the foot of the body.
    qsizetype linesFitting() const;
    // The first lines of each text, taken off it.
    static QList<Wrapped> takeLines(QList<Wrapped> &texts, qsizetype lines);
    // Places the lines from the current line down; the current line stays.
    void place(const Wrapped &text);
    // Place below what the page holds, and move below them.
    void printLine(const Wrapped &text);
    void printRow(const QList<Wrapped> &texts);
    void rule(double top, double left, double width);
    // A fitted caption is one line that the layout broke to the box's width.
    void text(const QString &caption, const QRectF &twips, Qt::Alignment alignment, double size,
              bool bold, bool fitted = false);
    void numberPages();
    // The left edge of a column; of the table's right edge for one past the last.
    double columnLeft(qsizetype column) const;
    double tableWidth() const;
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
    // Where the rows of the current page begin.
    double bodyTop_ = 0;
    QList<double> columnLefts_;
    TextWrapper plain_;
    TextWrapper bold_;
    double y_ = 0;
    QList<ReportPage> pages_;
    QList<Wrapped> columnHeadings_;
    // Totals of each open group, then of the whole report, one per column.
    QList<QList<double>> groupTotals_;
    QList<double> grandTotals_;
    // The running balance of each column so far in the current group.
    QList<double> runningTotals_;
    QList<rt::Variant> groupValues_;
    QList<Heading> headings_;
};

} // namespace report
