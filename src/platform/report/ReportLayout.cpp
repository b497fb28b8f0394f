#include "platform/report/ReportLayout.h"

#include "platform/report/AmountInWords.h"
#include "platform/report/ReportDefinition.h"
#include "platform/runtime/Conversions.h"

#include <algorithm>

namespace report {

namespace {

// A4 in twips.
constexpr double PaperShortSide = 11906;
constexpr double PaperLongSide = 16838;
constexpr double Margin = 720;
constexpr double TitleHeight = 440;
constexpr double TitleSize = 14;
constexpr double LineHeight = 260;
constexpr double HeadingHeight = 280;
constexpr double TextSize = 9;
constexpr double FooterSize = 8;
constexpr double Gap = 120;
constexpr double RuleThickness = 15;
// Space between neighbouring columns, split on both sides of each.
constexpr double ColumnPadding = 60;
const QString ReportFont = QStringLiteral("MS Sans Serif");

// Texts that differ only in letter case sort together in the database, so they make one
// group too.
bool sameGroup(const rt::Variant &value, const rt::Variant &group)
{
    if (value.type() == rt::Variant::Type::String && group.type() == rt::Variant::Type::String)
        return value.toString().compare(group.toString(), Qt::CaseInsensitive) == 0;
    return value == group;
}

} // namespace

ReportLayout::ReportLayout(const ReportDefinition &definition, QStringList formulaTexts,
                           QString jobName, const AmountInWords &amountInWords)
    : definition_(definition), formulaTexts_(std::move(formulaTexts)), jobName_(std::move(jobName)),
      amountInWords_(amountInWords),
      paper_(definition.landscape ? QSizeF(PaperLongSide, PaperShortSide)
                                  : QSizeF(PaperShortSide, PaperLongSide)),
      bodyBottom_(paper_.height() - Margin - LineHeight - Gap)
{
    double left = Margin;
    columnLefts_.append(left);
    for (const ReportColumn &column : definition_.columns)
        columnLefts_.append(left += column.widthTwips);
}

QList<ReportPage> ReportLayout::layOut(const QList<ReportRow> &rows)
{
    const int levels = static_cast<int>(definition_.groups.size());
    const QList<double> zeros(definition_.columns.size(), 0.0);
    groupTotals_ = QList<QList<double>>(levels, zeros);
    groupValues_ = QList<rt::Variant>(levels);
    grandTotals_ = zeros;
    runningTotals_ = zeros;
    startPage();
    for (qsizetype index = 0; index < rows.size(); ++index) {
        const ReportRow &row = rows[index];
        int changed = 0;
        if (index > 0) {
            while (changed < levels
                   && sameGroup(row[definition_.groups[changed].field], groupValues_[changed]))
                ++changed;
            for (int level = levels - 1; level >= changed; --level)
                closeGroup(level);
        }
        for (int level = changed; level < levels; ++level)
            openGroup(level, row);
        printRow(row);
        addTotals(row);
    }
    if (!rows.isEmpty()) {
        for (int level = levels - 1; level >= 0; --level)
            closeGroup(level);
    }
    if (hasTotals())
        printTotals(QStringLiteral("Grand total"), grandTotals_);
    numberPages();
    return std::move(pages_);
}

QString ReportLayout::cellText(const rt::Variant &value, const ReportColumn &column) const
{
    if (value.isNull() || value.isEmpty())
        return QString();
    switch (column.format) {
    case ValueFormat::Date:
        if (value.type() == rt::Variant::Type::Date)
            return rt::shortDateText(value.toDate());
        // A date the statement computed comes as it is stored, without its column's type.
        if (const QDate stored = QDate::fromString(value.toString(), Qt::ISODate); stored.isValid())
            return rt::shortDateText(stored);
        break;
    case ValueFormat::Number:
        return QString::number(value.toDouble(), 'f', column.decimals);
    case ValueFormat::Words:
        return amountInWords_.of(value.toDouble());
    case ValueFormat::Text:
        break;
    }
    return value.toString();
}

void ReportLayout::startPage()
{
    pages_.append(ReportPage(paper_, jobName_));
    const double width = paper_.width() - 2 * Margin;
    y_ = Margin;
    text(definition_.title, QRectF(Margin, y_, width, TitleHeight), Qt::AlignHCenter, TitleSize, true);
    y_ += TitleHeight;
    for (qsizetype index = 0; index < definition_.formulas.size(); ++index) {
        const QString value = formulaTexts_.value(index);
        if (value.isEmpty())
            continue;
        text(labelled(definition_.formulas[index].label, value),
             QRectF(Margin, y_, width, LineHeight), Qt::AlignHCenter, TextSize, false);
        y_ += LineHeight;
    }
    y_ += Gap;
    for (qsizetype index = 0; index < definition_.columns.size(); ++index) {
        const ReportColumn &column = definition_.columns[index];
        text(column.heading,
             QRectF(columnLeft(index) + ColumnPadding / 2, y_, column.widthTwips - ColumnPadding,
                    HeadingHeight),
             column.alignment, TextSize, true);
    }
    y_ += HeadingHeight;
    rule(y_, Margin, columnLeft(definition_.columns.size()) - Margin);
    y_ += Gap / 2;
}

void ReportLayout::makeRoomFor(double height)
{
    if (y_ + height > bodyBottom_)
        startPage();
}

// A group's heading, and its details each on a line of its own, keep at least one of its
// rows with them.
void ReportLayout::openGroup(int level, const ReportRow &row)
{
    const ReportGroup &group = definition_.groups[level];
    makeRoomFor((2 + group.details.size()) * LineHeight);
    groupValues_[level] = row[group.field];
    std::fill(groupTotals_[level].begin(), groupTotals_[level].end(), 0.0);
    std::fill(runningTotals_.begin(), runningTotals_.end(), 0.0);
    groupLine(labelled(group.label, groupText(level)), true);
    for (const ReportLabelledField &detail : group.details)
        groupLine(labelled(detail.label, fieldText(detail.field, row[detail.field], detail.format)),
                  false);
}

void ReportLayout::groupLine(const QString &caption, bool bold)
{
    text(caption, QRectF(Margin, y_, columnLeft(definition_.columns.size()) - Margin, LineHeight),
         Qt::AlignLeft, TextSize, bold);
    y_ += LineHeight;
}

void ReportLayout::closeGroup(int level)
{
    if (hasTotals())
        printTotals(QStringLiteral("Total ") + groupText(level), groupTotals_[level]);
    y_ += LineHeight / 2;
}

void ReportLayout::printRow(const ReportRow &row)
{
    makeRoomFor(LineHeight);
    for (qsizetype index = 0; index < definition_.columns.size(); ++index) {
        const ReportColumn &column = definition_.columns[index];
        const rt::Variant &value = row[column.field];
        if (column.running && !value.isNull())
            runningTotals_[index] += value.toDouble();
        text(cellText(column.running ? rt::Variant(runningTotals_[index]) : value, column),
             QRectF(columnLeft(index) + ColumnPadding / 2, y_, column.widthTwips - ColumnPadding,
                    LineHeight),
             column.alignment, TextSize, false);
    }
    y_ += LineHeight;
}

// The label fills the columns before the first total; each total stands under its
// column with a rule above it.
void ReportLayout::printTotals(const QString &label, const QList<double> &totals)
{
    makeRoomFor(LineHeight + Gap / 2);
    qsizetype firstTotal = 0;
    while (!definition_.columns[firstTotal].total)
        ++firstTotal;
    for (qsizetype index = firstTotal; index < definition_.columns.size(); ++index) {
        const ReportColumn &column = definition_.columns[index];
        if (!column.total)
            continue;
        rule(y_, columnLeft(index), column.widthTwips);
        text(cellText(totals[index], column),
             QRectF(columnLeft(index) + ColumnPadding / 2, y_ + Gap / 2,
                    column.widthTwips - ColumnPadding, LineHeight),
             column.alignment, TextSize, true);
    }
    y_ += Gap / 2;
    text(label,
         QRectF(Margin + ColumnPadding / 2, y_,
                std::max(columnLeft(firstTotal) - Margin, double(definition_.columns[0].widthTwips))
                    - ColumnPadding,
                LineHeight),
         Qt::AlignLeft, TextSize, true);
    y_ += LineHeight;
}

void ReportLayout::addTotals(const ReportRow &row)
{
    for (qsizetype index = 0; index < definition_.columns.size(); ++index) {
        const ReportColumn &column = definition_.columns[index];
        const rt::Variant &value = row[column.field];
        if (!column.total || value.isNull())
            continue;
        const double amount = value.toDouble();
        grandTotals_[index] += amount;
        for (QList<double> &totals : groupTotals_)
            totals[index] += amount;
    }
}

void ReportLayout::rule(double top, double left, double width)
{
    printer::PrintableLabel line;
    line.twips = QRectF(left, top, width, RuleThickness);
    line.backColor = Qt::black;
    pages_.last().add(line);
}

void ReportLayout::text(const QString &caption, const QRectF &twips, Qt::Alignment alignment,
                        double size, bool bold)
{
    if (caption.isEmpty())
        return;
    printer::PrintableLabel label;
    label.twips = twips;
    label.caption = caption;
    label.fontName = ReportFont;
    label.fontSize = size;
    label.bold = bold;
    label.alignment = alignment;
    pages_.last().add(label);
}

void ReportLayout::numberPages()
{
    const qsizetype count = pages_.size();
    const QRectF foot(Margin, paper_.height() - Margin - LineHeight, paper_.width() - 2 * Margin,
                      LineHeight);
    for (qsizetype index = 0; index < count; ++index) {
        printer::PrintableLabel label;
        label.twips = foot;
        label.caption = QStringLiteral("Page %1 of %2").arg(index + 1).arg(count);
        label.fontName = ReportFont;
        label.fontSize = FooterSize;
        label.alignment = Qt::AlignHCenter;
        pages_[index].add(label);
    }
}

double ReportLayout::columnLeft(qsizetype column) const
{
    return columnLefts_[column];
}

QString ReportLayout::groupText(int level) const
{
    const ReportGroup &group = definition_.groups[level];
    return fieldText(group.field, groupValues_[level], group.format);
}

QString ReportLayout::fieldText(int field, const rt::Variant &value, ValueFormat format) const
{
    // A sum in words stays in words though a column shows the same field in figures.
    const bool ownFormat = format == ValueFormat::Words;
    for (const ReportColumn &column : definition_.columns) {
        if (column.field == field && !ownFormat)
            return cellText(value, column);
    }
    ReportColumn own;
    own.format = format;
    return cellText(value, own);
}

QString ReportLayout::labelled(const QString &label, const QString &value)
{
    return label.isEmpty() ? value : label + QStringLiteral(": ") + value;
}

bool ReportLayout::hasTotals() const
{
    return std::any_of(definition_.columns.begin(), definition_.columns.end(),
                       [](const ReportColumn &column) { return column.total; });
}

} // namespace report
