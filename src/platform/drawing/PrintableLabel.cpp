#include "platform/drawing/PrintableLabel.h"

#include "platform/drawing/FormFont.h"

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

} // namespace printer
