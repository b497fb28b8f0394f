#include "platform/report/TextWrapper.h"

#include <QRegularExpression>

namespace report {

TextWrapper::TextWrapper(const QFont &font) : metrics_(font) {}

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
