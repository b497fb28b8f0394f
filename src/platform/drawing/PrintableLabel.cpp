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

QRectF textTwips(const PrintableLabel &label)
{
    const QRectF lines = QFontMetricsF(fontInTwips(label))
                             .boundingRect(label.twips, textFlags(label), label.caption);
    return label.fitted ? lines : lines.intersected(label.twips);
}

} // namespace printer
