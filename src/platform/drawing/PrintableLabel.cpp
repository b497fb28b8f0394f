#include "platform/drawing/PrintableLabel.h"

#include "platform/drawing/FormFont.h"

#include <QFontMetricsF>

namespace printer {

namespace {

constexpr double TwipsPerPoint = 20;

} // namespace

QFont fontInTwips(const PrintableLabel &label)
{
    QFont font = forms::formFont(label.fontName, label.fontSize, label.bold);
    font.setPixelSize(qRound(label.fontSize * TwipsPerPoint));
    font.setStretch(label.stretch);
    return font;
}

int textFlags(const PrintableLabel &label)
{
    return label.alignment | Qt::AlignTop | (label.fitted ? 0 : Qt::TextWordWrap);
}

// A caption of one line is its ink: the characters' boxes run a few twips past it on
// either side, and only ink can be cut. Wrapped lines are taken whole.
QRectF textTwips(const PrintableLabel &label)
{
    const QFontMetricsF metrics(fontInTwips(label));
    QRectF text = metrics.boundingRect(label.twips, textFlags(label), label.caption);
    if (text.height() <= metrics.height())
        text = metrics.tightBoundingRect(label.caption)
                   .translated(text.left(), text.top() + metrics.ascent());
    return label.fitted ? text : text.intersected(label.twips);
}

} // namespace printer
