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
// A row of one line; each further line of a wrapped value adds less, so that the lines
// of one value read as one.
constexpr double LineHeight = 260;
constexpr double WrappedLineHeight = 220;
constexpr double HeadingHeight = 280;
constexpr double TextSize = 9;
constexpr double FooterSize = 8;
constexpr double Gap = 120;
constexpr double RuleThickness = 15;
// Space between neighbouring columns, split on both sides of each: a number that ends at
// its column's right edge stays clear of the text that begins the next one.
constexpr double ColumnPadding = 120;
const QString ReportFont = QStringLiteral("MS Sans Serif");
const QString Continued = QStringLiteral(" (continued)");

// Texts that differ only in letter case sort together in the database, so they make one
// group too.
bool sameGroup(const rt::Variant &value, const rt::Variant &group)
{
    if (value.type() == rt::Variant::Type::String && group.type() == rt::Variant::Type::String)
        return value.toString().compare(group.toString(), Qt::CaseInsensitive) == 0;
    return value == group;
}

QFont reportFont(bool bold)
{
    printer::PrintableLabel label;
    label.fontName = ReportFont;
    label.fontSize = TextSize;
    label.bold = bold;
    return printer::fontInTwips(label);
}

} // namespace

ReportLayout::ReportLayout(const ReportDefinition &definition, QStringList formulaTexts,
                           QString jobName, const AmountInWords &amountInWords)
    : definition_(definition), formulaTexts_(std::move(formulaTexts)), jobName_(std::move(jobName)),
      amountInWords_(amountInWords),
      paper_(definition.landscape ? QSizeF(PaperLongSide, PaperShortSide)
                                  : QSizeF(PaperShortSide, PaperLongSide)),
      bodyBottom_(paper_.height() - Margin - LineHeight - Gap), plain_(reportFont(false)),
      bold_(reportFont(true))
{
    double left = Margin;
    columnLefts_.append(left);
    for (const ReportColumn &column : definition_.columns)
        columnLefts_.append(left += column.widthTwips);
    for (qsizetype index = 0; index < definition_.columns.size(); ++index)
        columnHeadings_.append(columnText(definition_.columns[index].heading, index, false, true));
}

QList<ReportPage> ReportLayout::layOut(const QList<ReportRow> &rows)
{
    const int levels = static_cast<int>(definition_.groups.size());
    const QList<double> zeros(definition_.columns.size(), 0.0);
    groupTotals_ = QList<QList<double>>(levels, zeros);
    groupValues_ = QList<rt::Variant>(levels);
    headings_ = QList<Heading>(levels);
    grandTotals_ = zeros;
    runningTotals_ = zeros;
    startPage();
    int changed = 0;
    for (qsizetype index = 0; index < rows.size(); ++index) {
        const ReportRow &row = rows[index];
        if (index > 0) {
            for (int level = levels - 1; level >= changed; --level)
                closeGroup(level);
        }
        double height = 0;
        for (int level = changed; level < levels; ++level) {
            openGroup(level, row);
            height += headingHeight(headings_[level]);
        }
        const bool last = index + 1 == rows.size();
        const int closing = last ? 0 : firstChangedLevel(rows[index + 1]);
        const QList<Wrapped> cells = rowCells(row);
        const double closes = closingHeight(closing, last);
        keepTogether(height + tallest(cells) + closes, changed);
        for (int level = changed; level < levels; ++level)
            printHeading(headings_[level], false);
        printBodyRow(cells, closes);
        addTotals(row);
        changed = closing;
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
        return QString::number(printedAmount(value.toDouble(), column.decimals), 'f',
                               column.decimals);
    case ValueFormat::Words:
        return amountInWords_.of(printedAmount(value.toDouble(), column.decimals));
    case ValueFormat::Text:
        break;
    }
    return value.toString();
}

double ReportLayout::printedAmount(double amount, int decimals)
{
    const double rounded = rt::roundHalfEven(amount, decimals);
    return rounded == 0 ? 0.0 : rounded;
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
        printLine(wrap(labelled(definition_.formulas[index].label, value), Margin, width,
                       Qt::AlignHCenter, false));
    }
    y_ += Gap;
    printColumnHeadings();
    bodyTop_ = y_;
}

void ReportLayout::printColumnHeadings()
{
    printRow(columnHeadings_);
    y_ += HeadingHeight - LineHeight;
    rule(y_, Margin, tableWidth());
    y_ += Gap / 2;
}

void ReportLayout::keepTogether(double height, int level)
{
    if (y_ + height <= bodyBottom_ || y_ <= bodyTop_)
        return;
    continueOnNewPage(level);
}

void ReportLayout::continueOnNewPage(int levels)
{
    startPage();
    for (int open = 0; open < levels; ++open)
        printHeading(headings_[open], true);
}

// The lines that do not fit go on over the next pages, under their headings; the last
// part keeps at least one line with it for the totals that close after the row, so no
// page starts with a Total. Where not even that fits on a page of its own, the rest
// prints as it is: no later page would hold more of it.
void ReportLayout::printBodyRow(QList<Wrapped> cells, double closing)
{
    for (qsizetype lines = lineCount(cells); y_ + linesHeight(lines) + closing > bodyBottom_;) {
        const qsizetype here = std::min(linesFitting(), lines - 1);
        if (here < 1)
            break;
        printRow(takeLines(cells, here));
        lines -= here;
        continueOnNewPage(static_cast<int>(definition_.groups.size()));
    }
    printRow(cells);
}

void ReportLayout::openGroup(int level, const ReportRow &row)
{
    const ReportGroup &group = definition_.groups[level];
    groupValues_[level] = row[group.field];
    std::fill(groupTotals_[level].begin(), groupTotals_[level].end(), 0.0);
    std::fill(runningTotals_.begin(), runningTotals_.end(), 0.0);
    Heading &heading = headings_[level];
    heading.caption = labelled(group.label, groupText(level));
    heading.details.clear();
    for (const ReportLabelledField &detail : group.details) {
        const QString value = fieldText(detail.field, row[detail.field], detail.format);
        if (!value.isEmpty())
            heading.details.append(fullWidth(labelled(detail.label, value), false));
    }
}

double ReportLayout::headingHeight(const Heading &heading)
{
    double height = heightOf(fullWidth(heading.caption, true));
    for (const Wrapped &detail : heading.details)
        height += heightOf(detail);
    return height;
}

void ReportLayout::printHeading(const Heading &heading, bool continued)
{
    printLine(fullWidth(continued ? heading.caption + Continued : heading.caption, true));
    for (const Wrapped &detail : heading.details)
        printLine(detail);
}

void ReportLayout::closeGroup(int level)
{
    if (hasTotals())
        printTotals(QStringLiteral("Total ") + groupText(level), groupTotals_[level]);
    y_ += LineHeight / 2;
}

QList<ReportLayout::Wrapped> ReportLayout::rowCells(const ReportRow &row)
{
    QList<Wrapped> cells;
    for (qsizetype index = 0; index < definition_.columns.size(); ++index) {
        const ReportColumn &column = definition_.columns[index];
        const rt::Variant &value = row[column.field];
        if (column.running && !value.isNull())
            runningTotals_[index] += printedAmount(value.toDouble(), column.decimals);
        const rt::Variant shown = column.running ? rt::Variant(runningTotals_[index]) : value;
        cells.append(columnText(cellText(shown, column), index, isFigure(shown, column), false));
    }
    return cells;
}

// The label fills the columns before the first total; each total stands under its
// column with a rule above it.
void ReportLayout::printTotals(const QString &label, const QList<double> &totals)
{
    QList<Wrapped> texts{totalsLabel(label)};
    for (qsizetype index = 0; index < definition_.columns.size(); ++index) {
        const ReportColumn &column = definition_.columns[index];
        if (!column.total)
            continue;
        rule(y_, columnLeft(index), column.widthTwips);
        texts.append(columnText(cellText(totals[index], column), index, true, true));
    }
    y_ += Gap / 2;
    printRow(texts);
}

ReportLayout::Wrapped ReportLayout::totalsLabel(const QString &label)
{
    qsizetype firstTotal = 0;
    while (!definition_.columns[firstTotal].total)
        ++firstTotal;
    const double width =
        std::max(columnLeft(firstTotal) - Margin, double(definition_.columns[0].widthTwips));
    return wrap(label, Margin + ColumnPadding / 2, width - ColumnPadding, Qt::AlignLeft, true);
}

double ReportLayout::closingHeight(int level, bool last)
{
    if (!hasTotals())
        return 0;
    double height = 0;
    for (int open = static_cast<int>(definition_.groups.size()) - 1; open >= level; --open)
        height += Gap / 2 + heightOf(totalsLabel(QStringLiteral("Total ") + groupText(open)))
                  + LineHeight / 2;
    if (last)
        height += Gap / 2 + LineHeight;
    return height;
}

void ReportLayout::addTotals(const ReportRow &row)
{
    for (qsizetype index = 0; index < definition_.columns.size(); ++index) {
        const ReportColumn &column = definition_.columns[index];
        const rt::Variant &value = row[column.field];
        if (!column.total || value.isNull())
            continue;
        const double amount = printedAmount(value.toDouble(), column.decimals);
        grandTotals_[index] += amount;
        for (QList<double> &totals : groupTotals_)
            totals[index] += amount;
    }
}

int ReportLayout::firstChangedLevel(const ReportRow &row) const
{
    int level = 0;
    while (level < definition_.groups.size()
           && sameGroup(row[definition_.groups[level].field], groupValues_[level]))
        ++level;
    return level;
}

ReportLayout::Wrapped ReportLayout::wrap(const QString &caption, double left, double width,
                                         Qt::Alignment alignment, bool bold)
{
    return {(bold ? bold_ : plain_).lines(caption, width), left, width, alignment, bold, TextSize};
}

// A figure stays whole on its one line, in a smaller size where it is wider than its
// column: a number broken in two reads as two numbers.
ReportLayout::Wrapped ReportLayout::columnText(const QString &caption, qsizetype column,
                                               bool figure, bool bold)
{
    const double left = columnLeft(column) + ColumnPadding / 2;
    const double width = definition_.columns[column].widthTwips - ColumnPadding;
    const Qt::Alignment alignment = definition_.columns[column].alignment;
    if (!figure)
        return wrap(caption, left, width, alignment, bold);
    const double scale = (bold ? bold_ : plain_).scaleToOneLine(caption, width);
    return {{caption}, left, width, alignment, bold, TextSize * scale};
}

bool ReportLayout::isFigure(const rt::Variant &value, const ReportColumn &column)
{
    using Type = rt::Variant::Type;
    const Type type = value.type();
    return column.format == ValueFormat::Number || type == Type::Integer || type == Type::Long
           || type == Type::Double;
}

ReportLayout::Wrapped ReportLayout::fullWidth(const QString &caption, bool bold)
{
    return wrap(caption, Margin, tableWidth(), Qt::AlignLeft, bold);
}

double ReportLayout::heightOf(const Wrapped &text)
{
    return linesHeight(text.lines.size());
}

double ReportLayout::tallest(const QList<Wrapped> &texts)
{
    return linesHeight(std::max<qsizetype>(lineCount(texts), 1));
}

double ReportLayout::linesHeight(qsizetype lines)
{
    return LineHeight + (lines - 1) * WrappedLineHeight;
}

qsizetype ReportLayout::lineCount(const QList<Wrapped> &texts)
{
    qsizetype lines = 0;
    for (const Wrapped &text : texts)
        lines = std::max(lines, text.lines.size());
    return lines;
}

qsizetype ReportLayout::linesFitting() const
{
    const double room = bodyBottom_ - y_;
    return room < LineHeight ? 0 : 1 + static_cast<qsizetype>((room - LineHeight) / WrappedLineHeight);
}

QList<ReportLayout::Wrapped> ReportLayout::takeLines(QList<Wrapped> &texts, qsizetype lines)
{
    QList<Wrapped> taken = texts;
    for (qsizetype index = 0; index < texts.size(); ++index) {
        const qsizetype count = std::min(lines, texts[index].lines.size());
        taken[index].lines = texts[index].lines.first(count);
        texts[index].lines.remove(0, count);
    }
    return taken;
}

void ReportLayout::place(const Wrapped &wrapped)
{
    for (qsizetype line = 0; line < wrapped.lines.size(); ++line)
        text(wrapped.lines[line],
             QRectF(wrapped.left, y_ + line * WrappedLineHeight, wrapped.width, LineHeight),
             wrapped.alignment, wrapped.size, wrapped.bold, true);
}

void ReportLayout::printLine(const Wrapped &text)
{
    place(text);
    y_ += heightOf(text);
}

// Texts side by side, the row as tall as the tallest of them.
void ReportLayout::printRow(const QList<Wrapped> &texts)
{
    for (const Wrapped &wrapped : texts)
        place(wrapped);
    y_ += tallest(texts);
}

void ReportLayout::rule(double top, double left, double width)
{
    printer::PrintableLabel line;
    line.twips = QRectF(left, top, width, RuleThickness);
    line.backColor = Qt::black;
    pages_.last().add(line);
}

void ReportLayout::text(const QString &caption, const QRectF &twips, Qt::Alignment alignment,
                        double size, bool bold, bool fitted)
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
    label.fitted = fitted;
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

double ReportLayout::tableWidth() const
{
    return columnLeft(definition_.columns.size()) - Margin;
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
