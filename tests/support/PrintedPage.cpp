#include "support/PrintedPage.h"

#include <QDir>
#include <QHash>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace {

constexpr double TwipsPerPoint = 20;
// Words further apart than this on one line belong to different texts.
constexpr double LargestGapTwips = 200;
// pdftohtml gives font sizes at its default zoom.
constexpr double PdfToHtmlZoom = 1.5;

QByteArray run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString() << " failed on " << arguments.join(' ').toStdString()
                      << ": " << process.readAllStandardError().toStdString();
        return {};
    }
    return process.readAllStandardOutput();
}

double attribute(const QXmlStreamReader &xml, const char *name)
{
    return xml.attributes().value(QLatin1String(name)).toDouble();
}

// The pages pdftotext -bbox reads with these arguments, the file's path last.
QList<PrintedWords> wordBoxes(const QStringList &arguments)
{
    QXmlStreamReader words(
        run(QStringLiteral("pdftotext"),
            QStringList{QStringLiteral("-bbox")} + arguments + QStringList{QStringLiteral("-")}));
    QList<PrintedWords> pages;
    while (!words.atEnd()) {
        if (words.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (words.name() == QLatin1String("page")) {
            pages.append({QSizeF(attribute(words, "width"), attribute(words, "height")) * TwipsPerPoint,
                          {}});
        } else if (words.name() == QLatin1String("word")) {
            PrintedText word;
            word.left = attribute(words, "xMin") * TwipsPerPoint;
            word.top = attribute(words, "yMin") * TwipsPerPoint;
            word.right = attribute(words, "xMax") * TwipsPerPoint;
            word.bottom = attribute(words, "yMax") * TwipsPerPoint;
            word.text = words.readElementText();
            pages.last().words.append(word);
        }
    }
    return pages;
}

} // namespace

PrintedPage::PrintedPage(const QString &pdfPath) : path_(pdfPath)
{
    const QList<PrintedWords> first =
        wordBoxes({QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                   QStringLiteral("1"), pdfPath});
    if (!first.isEmpty()) {
        size_ = first[0].sizeTwips;
        words_ = first[0].words;
    }

    // pdftohtml names the font and colour of each run of text.
    QXmlStreamReader styles(run(QStringLiteral("pdftohtml"),
                                {QStringLiteral("-xml"), QStringLiteral("-i"),
                                 QStringLiteral("-stdout"), QStringLiteral("-q"),
                                 QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                                 QStringLiteral("1"), pdfPath}));
    QHash<QString, Styled> fonts;
    while (!styles.atEnd()) {
        if (styles.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (styles.name() == QLatin1String("fontspec")) {
            const QXmlStreamAttributes spec = styles.attributes();
            fonts.insert(spec.value(QLatin1String("id")).toString(),
                         {QString(), QColor(spec.value(QLatin1String("color")).toString()),
                          spec.value(QLatin1String("family")).toString(), false,
                          spec.value(QLatin1String("size")).toDouble() / PdfToHtmlZoom});
        } else if (styles.name() == QLatin1String("text")) {
            Styled run = fonts.value(styles.attributes().value(QLatin1String("font")).toString());
            while (!(styles.readNext() == QXmlStreamReader::EndElement
                     && styles.name() == QLatin1String("text"))
                   && !styles.atEnd()) {
                if (styles.isStartElement() && styles.name() == QLatin1String("b"))
                    run.bold = true;
                else if (styles.isCharacters())
                    run.text += styles.text();
            }
            run.text = run.text.trimmed();
            styled_.append(run);
        }
    }
}

QList<PrintedText> PrintedPage::texts() const
{
    QList<PrintedText> sorted = words_;
    std::sort(sorted.begin(), sorted.end(), [](const PrintedText &a, const PrintedText &b) {
        return std::abs(a.top - b.top) > 10 ? a.top < b.top : a.left < b.left;
    });
    QList<PrintedText> texts;
    for (const PrintedText &word : sorted) {
        if (!texts.isEmpty()) {
            PrintedText &last = texts.last();
            if (std::abs(word.top - last.top) <= 10 && word.left - last.right <= LargestGapTwips) {
                last.text += QLatin1Char(' ') + word.text;
                last.right = word.right;
                last.bottom = std::max(last.bottom, word.bottom);
                continue;
            }
        }
        texts.append(word);
    }
    return texts;
}

std::optional<PrintedText> PrintedPage::find(const QString &text) const
{
    for (const PrintedText &candidate : texts())
        if (candidate.text == text)
            return candidate;
    return std::nullopt;
}

QColor PrintedPage::colourOf(const QString &text) const
{
    for (const Styled &run : styled_)
        if (run.text == text)
            return run.colour;
    return QColor();
}

QString PrintedPage::fontOf(const QString &text) const
{
    for (const Styled &run : styled_)
        if (run.text == text)
            return run.font;
    return QString();
}

bool PrintedPage::isBold(const QString &text) const
{
    for (const Styled &run : styled_)
        if (run.text == text)
            return run.bold;
    return false;
}

double PrintedPage::fontSizeOf(const QString &text) const
{
    for (const Styled &run : styled_)
        if (run.text == text)
            return run.size;
    return 0;
}

int PrintedPage::inkWithin(const QRect &twips) const
{
    constexpr int TwipsPerDot = 10;
    QTemporaryDir folder;
    const QString stem = folder.filePath(QStringLiteral("page"));
    run(QStringLiteral("pdftoppm"),
        {QStringLiteral("-png"), QStringLiteral("-singlefile"), QStringLiteral("-f"),
         QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"), QStringLiteral("-r"),
         QString::number(1440 / TwipsPerDot), path_, stem});
    const QImage page(stem + QStringLiteral(".png"));
    // Dots off the paper carry no ink.
    const int top = std::max(twips.top() / TwipsPerDot, 0);
    const int bottom = std::min(twips.bottom() / TwipsPerDot, page.height());
    const int left = std::max(twips.left() / TwipsPerDot, 0);
    const int right = std::min(twips.right() / TwipsPerDot, page.width());
    int ink = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            if (qGray(page.pixel(x, y)) < 128)
                ++ink;
    return ink;
}

QString printedText(const QString &pdfPath)
{
    return QString::fromUtf8(
        run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdfPath, QStringLiteral("-")}));
}

QStringList printedFiles(const QString &programFolder)
{
    const QDir printed(programFolder + QStringLiteral("/Printed"));
    QStringList files;
    const QStringList names = printed.entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
    for (const QString &name : names)
        files.append(printed.filePath(name));
    return files;
}

QList<PrintedWords> printedWords(const QString &pdfPath)
{
    return wordBoxes({pdfPath});
}
