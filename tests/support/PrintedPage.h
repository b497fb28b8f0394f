#pragma once

#include <QColor>
#include <QRect>
#include <QList>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <optional>

// A printed page read back from its PDF file with poppler's command-line tools, the
// way a reader of the paper would: texts, where they stand, in which font and colour.
// Positions are in twips from the page's top-left corner.
struct PrintedText {
    QString text;
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

class PrintedPage {
public:
    // Reads the first page; a file poppler cannot read fails the current test.
    explicit PrintedPage(const QString &pdfPath);

    QSizeF sizeTwips() const { return size_; }
    // The words on the page, in reading order.
    const QList<PrintedText> &words() const { return words_; }
    // Words joined into texts: neighbours on one line with no more than a blank
    // between them.
    QList<PrintedText> texts() const;
    // The text that reads exactly so, if the page carries it.
    std::optional<PrintedText> find(const QString &text) const;

    // The colour and font family (as the PDF names it) of the text that reads so.
    QColor colourOf(const QString &text) const;
    QString fontOf(const QString &text) const;
    bool isBold(const QString &text) const;
    // The font size in points of the text that reads so, to about half a point.
    double fontSizeOf(const QString &text) const;

    // How many dots of the page, drawn at ten twips to the dot, are darker than paper
    // within a rectangle of twips.
    int inkWithin(const QRect &twips) const;

private:
    struct Styled {
        QString text;
        QColor colour;
        QString font;
        bool bold = false;
        double size = 0;
    };

    QString path_;
    QSizeF size_;
    QList<PrintedText> words_;
    QList<Styled> styled_;
};

// The text of every page of a PDF file as it stands on the paper (pdftotext -layout),
// pages parted by a form feed.
QString printedText(const QString &pdfPath);

// The words of one page of a PDF file with the size of its paper, in twips.
struct PrintedWords {
    QSizeF sizeTwips;
    QList<PrintedText> words;
};

// The words of every page of a PDF file, in page order.
QList<PrintedWords> printedWords(const QString &pdfPath);

// The PDF files printed into the program folder, oldest name first.
QStringList printedFiles(const QString &programFolder);
