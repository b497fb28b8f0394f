#include "platform/forms/TwipsLabel.h"

#include "platform/forms/Twips.h"

#include <QPalette>
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
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, look.foreColor);
    if (look.backColor.isValid()) {
        colours.setColor(QPalette::Window, look.backColor);
        setAutoFillBackground(true);
    }
    setPalette(colours);
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
