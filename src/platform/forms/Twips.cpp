#include "platform/forms/Twips.h"

#include "platform/forms/Screen.h"

#include <QMdiSubWindow>
#include <QWidget>
#include <cmath>

namespace forms {

namespace {

int pixelsFromSingle(float twips)
{
    return static_cast<int>(std::lround(twips / static_cast<float>(TwipsPerPixel)));
}

int screenWidthTwips()
{
    return pixelsToTwips(Screen::geometry().width());
}

// Inside an MDI area the sub-window's frame is what moves, as the outer frame of a
// window does on the screen.
QWidget *movedFrame(QWidget *form)
{
    if (auto *subWindow = qobject_cast<QMdiSubWindow *>(form->parentWidget()))
        return subWindow;
    return form;
}

int frameWidthTwips(QWidget *frame)
{
    return pixelsToTwips(frame->isWindow() ? frame->frameGeometry().width() : frame->width());
}

} // namespace

int twipsToPixels(int twips)
{
    return static_cast<int>(std::lround(twips / static_cast<double>(TwipsPerPixel)));
}

int pixelsToTwips(int pixels)
{
    return pixels * TwipsPerPixel;
}

void setTwipsGeometry(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                        twipsToPixels(height));
}

void setClientSizeTwips(QWidget *form, int width, int height)
{
    form->setFixedSize(twipsToPixels(width), twipsToPixels(height));
}

void placeTopCentre(QWidget *form)
{
    QWidget *frame = movedFrame(form);
    const float left = static_cast<float>(screenWidthTwips()) / 2.0f
                       - static_cast<float>(frameWidthTwips(frame)) / 2.0f;
    frame->move(pixelsFromSingle(left), 0);
}

} // namespace forms
