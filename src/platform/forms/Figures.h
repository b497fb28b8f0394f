#pragma once

#include <QPoint>
#include <QRect>

class QFrame;
class QWidget;

namespace forms {

// A rectangle shape: a black outline of one pixel, transparent inside. Twips.
QFrame *newRectangleShape(QWidget *parent, const char *name, const QRect &twips);

// A straight line between two points in twips; the forms draw only vertical and
// horizontal ones.
QFrame *newLine(QWidget *parent, const char *name, const QPoint &from, const QPoint &to);

} // namespace forms
