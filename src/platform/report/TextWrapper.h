#pragma once

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

private:
    QStringList paragraphLines(const QString &paragraph, double width);
    double widthOf(const QString &text);
    // Breaks a word wider than the line into pieces that fit, but for the last one,
    // which is left in `word`.
    void breakWord(QString &word, double width, QStringList &lines);

    QFontMetricsF metrics_;
    QHash<QString, double> widths_;
};

} // namespace report
