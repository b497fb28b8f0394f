#include "platform/forms/TwipsLabel.h"

#include "platform/forms/FormControls.h"
#include "platform/forms/Twips.h"

#include <cmath>

namespace forms {

namespace {

int pixels(double twips)
{
    return static_cast<int>(std::lround(twips / TwipsPerPixel));
}

} // namespace

TwipsLabel::TwipsLabel(QWidget *parent, const char *name, const QString &caption,
                       const QRectF &twips, const Look &look)
    : QLabel(caption, parent), twips_(twips), look_(look)
{
    setObjectName(QString::fromLatin1(name));
    setFont(formFont(look.fontName, look.fontSize, look.bold));
    setAlignment(look.alignment | Qt::AlignTop);
    setWordWrap(true);
    FormControls::setColours(this, look.foreColor, look.backColor);
    placeOnScreen();
}

void TwipsLabel::setLeft(double twips)
{
    twips_.moveLeft(twips);
    placeOnScreen();
}

void TwipsLabel::setTop(double twips)
{
    twips_.moveTop(twips);
    placeOnScreen();
}

printer::PrintableLabel TwipsLabel::printable() const
{
    return {twips_,          text(),          look_.fontName,  look_.fontSize, look_.bold,
            look_.foreColor, look_.backColor, look_.alignment, !isHidden()};
}

void TwipsLabel::placeOnScreen()
{
    setGeometry(pixels(twips_.left()), pixels(twips_.top()), pixels(twips_.width()),
                pixels(twips_.height()));
}

} // namespace forms
