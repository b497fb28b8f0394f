#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QStringList>

namespace report {

// Breaks a text into lines no wider than a column: at its own line breaks, at blanks, and
// inside a word that is too long for a line of its own. Each text's width is measured
// once per wrapper, as a report repeats its values many times over.
class TextWrapper {
public:
    explicit TextWrapper(const QFont &font);

    // At least one line; an empty text gives one empty line.
    QStringList lines(const QString &text, double width);
    // A text that must stay whole on one line (a figure): the share of the font's size
    // at which it fits the width; 1 when it fits as it is.
    double scaleToOneLine(const QString &text, double width);

private:
    QStringList paragraphLines(const QString &paragraph, double width);
    double widthOf(const QString &text);
    // Breaks a word wider than the line into pieces that fit, but for the last one,
    // which is left in `word`.
    void breakWord(QString &word, double width, QStringList &lines);

    QFont font_;
    QFontMetricsF metrics_;
    QHash<QString, double> widths_;
};

} // namespace report
