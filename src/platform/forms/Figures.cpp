#include "platform/forms/Figures.h"

#include "platform/forms/Twips.h"

#include <QFrame>
#include <algorithm>

namespace forms {

namespace {

QFrame *newFigure(QWidget *parent, const char *name, QFrame::Shape shape)
{
    auto *figure = new QFrame(parent);
    figure->setObjectName(QString::fromLatin1(name));
    figure->setFrameShape(shape);
    figure->setFrameShadow(QFrame::Plain);
    figure->setLineWidth(1);
    figure->setAttribute(Qt::WA_TransparentForMouseEvents);
    return figure;
}

} // namespace

QFrame *newRectangleShape(QWidget *parent, const char *name, const QRect &twips)
{
    QFrame *shape = newFigure(parent, name, QFrame::Box);
    setTwipsGeometry(shape, twips.left(), twips.top(), twips.width(), twips.height());
    return shape;
}

QFrame *newLine(QWidget *parent, const char *name, const QPoint &from, const QPoint &to)
{
    const bool vertical = from.x() == to.x();
    QFrame *line = newFigure(parent, name, vertical ? QFrame::VLine : QFrame::HLine);
    const int left = std::min(from.x(), to.x());
    const int top = std::min(from.y(), to.y());
    if (vertical)
        line->setGeometry(twipsToPixels(left), twipsToPixels(top), 1,
                          twipsToPixels(std::abs(to.y() - from.y())));
    else
        line->setGeometry(twipsToPixels(left), twipsToPixels(top),
                          twipsToPixels(std::abs(to.x() - from.x())), 1);
    return line;
}

} // namespace forms
