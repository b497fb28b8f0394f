#pragma once

#include "platform/drawing/PrintableLabel.h"

#include <QColor>
#include <QLabel>
#include <QRectF>

namespace forms {

// A label placed in twips that keeps the font, colours and alignment it is drawn
// with, so that a printer can put it on paper at its twip position, not through
// screen pixels.
class TwipsLabel : public QLabel {
    Q_OBJECT
public:
    struct Look {
        QString fontName;
        double fontSize = 8.25; // points
        bool bold = true;
        QColor foreColor = Qt::black;
        // An invalid colour leaves the label transparent.
        QColor backColor;
        Qt::Alignment alignment = Qt::AlignLeft;
    };

    TwipsLabel(QWidget *parent, const char *name, const QString &caption, const QRectF &twips,
               const Look &look);

    double Left() const { return twips_.left(); }
    void setLeft(double twips);
    double Top() const { return twips_.top(); }
    void setTop(double twips);

    printer::PrintableLabel printable() const;

private:
    void placeOnScreen();

    QRectF twips_;
    Look look_;
};

} // namespace forms
