#include "platform/report/TextWrapper.h"

#include <QRegularExpression>

namespace report {

TextWrapper::TextWrapper(const QFont &font) : font_(font), metrics_(font) {}

QStringList TextWrapper::lines(const QString &text, double width)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    if (!text.contains(u'\n') && !text.contains(u'\r'))
        return paragraphLines(text, width);
    QStringList lines;
    for (const QString &paragraph : text.split(lineBreak))
        lines += paragraphLines(paragraph, width);
    return lines;
}

// Starts from the size at which the text would fit if its width grew in proportion to
// the size, and steps down a pixel (a twip on paper) while it is still too wide: glyph
// widths are rounded at each size.
double TextWrapper::scaleToOneLine(const QString &text, double width)
{
    const double natural = widthOf(text);
    if (natural <= width)
        return 1;
    const int full = font_.pixelSize();
    QFont smaller = font_;
    int pixels = static_cast<int>(full * width / natural);
    for (; pixels > 1; --pixels) {
        smaller.setPixelSize(pixels);
        if (QFontMetricsF(smaller).horizontalAdvance(text) <= width)
            break;
    }
    return double(pixels) / full;
}

QStringList TextWrapper::paragraphLines(const QString &paragraph, double width)
{
    if (widthOf(paragraph) <= width)
        return {paragraph};
    QStringList lines;
    QString line;
    for (QString &word : paragraph.simplified().split(u' ')) {
        const QString longer = line.isEmpty() ? word : line + u' ' + word;
        if (widthOf(longer) <= width) {
            line = longer;
            continue;
        }
        if (!line.isEmpty())
            lines.append(line);
        breakWord(word, width, lines);
        line = word;
    }
    lines.append(line);
    return lines;
}

double TextWrapper::widthOf(const QString &text)
{
    auto known = widths_.constFind(text);
    if (known == widths_.constEnd())
        known = widths_.insert(text, metrics_.horizontalAdvance(text));
    return *known;
}

// A piece keeps at least one letter, so a column narrower than a letter still ends.
void TextWrapper::breakWord(QString &word, double width, QStringList &lines)
{
    while (widthOf(word) > width && word.size() > 1) {
        qsizetype length = 1;
        while (length + 1 < word.size() && metrics_.horizontalAdvance(word.left(length + 1)) <= width)
            ++length;
        lines.append(word.left(length));
        word.remove(0, length);
    }
}

} // namespace report
