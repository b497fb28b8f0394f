#include "platform/forms/TwipsLabel.h"

#include "platform/forms/FormControls.h"
#include "platform/forms/Twips.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <cmath>

namespace forms {

namespace {

// The steps by which a caption that does not fit is made smaller.
constexpr double SizeStep = 0.25;

int pixels(double twips)
{
    return static_cast<int>(std::lround(twips / TwipsPerPixel));
}

QFont screenFont(const TwipsLabel::Look &look)
{
    QFont font = formFont(look.fontName, look.fontSize, look.bold);
    font.setStretch(look.stretch);
    return font;
}

} // namespace

TwipsLabel::TwipsLabel(QWidget *parent, const char *name, const QString &caption,
                       const QRectF &twips, const Look &look)
    : QLabel(caption, parent), twips_(twips), design_(look), look_(look)
{
    setObjectName(QString::fromLatin1(name));
    setFont(screenFont(look));
    setAlignment(look.alignment | Qt::AlignTop);
    setWordWrap(true);
    FormControls::setColours(this, look.foreColor, look.backColor);
    placeOnScreen();
}

// The designed face first, then the condensed one from the designed size down: the
// first that shows the whole caption on screen and on paper is drawn.
void TwipsLabel::setWholeText(const QString &caption, double smallestPointSize)
{
    setText(caption);
    Look fitted = design_;
    if (!showsWhole(fitted)) {
        fitted.stretch = QFont::SemiCondensed;
        while (!showsWhole(fitted) && fitted.fontSize - SizeStep >= smallestPointSize)
            fitted.fontSize -= SizeStep;
    }
    drawIn(fitted);
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
    return {twips_,          text(),          look_.fontName,  look_.fontSize,
            look_.bold,      look_.foreColor, look_.backColor, look_.alignment,
            !isHidden(),     look_.stretch};
}

void TwipsLabel::drawIn(const Look &look)
{
    look_ = look;
    setFont(screenFont(look));
}

// On screen the caption wraps within the label's pixels, on paper within its twips.
bool TwipsLabel::showsWhole(const Look &look) const
{
    const int flags = look.alignment | Qt::AlignTop | Qt::TextWordWrap;
    const QRect screenBox(0, 0, pixels(twips_.width()), pixels(twips_.height()));
    const QRect onScreen = QFontMetrics(screenFont(look)).boundingRect(screenBox, flags, text());
    printer::PrintableLabel paper = printable();
    paper.fontSize = look.fontSize;
    paper.stretch = look.stretch;
    const QRectF paperBox(QPointF(0, 0), twips_.size());
    const QRectF onPaper =
        QFontMetricsF(printer::fontInTwips(paper)).boundingRect(paperBox, flags, text());
    return screenBox.contains(onScreen) && paperBox.contains(onPaper);
}

void TwipsLabel::placeOnScreen()
{
    setGeometry(pixels(twips_.left()), pixels(twips_.top()), pixels(twips_.width()),
                pixels(twips_.height()));
}

} // namespace forms
