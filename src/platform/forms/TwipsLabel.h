#pragma once

#include "platform/drawing/PrintableLabel.h"

#include <QColor>
#include <QFont>
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
        // QFont's stretch: 100 as designed, less for a condensed face.
        int stretch = QFont::Unstretched;
    };

    TwipsLabel(QWidget *parent, const char *name, const QString &caption, const QRectF &twips,
               const Look &look);

    double Left() const { return twips_.left(); }
    void setLeft(double twips);
    double Top() const { return twips_.top(); }
    void setTop(double twips);

    printer::PrintableLabel printable() const;

    // Shows a caption whole, on screen and on paper, within the label's place and size:
    // one that the designed face would cut is drawn condensed and, where still needed,
    // smaller, down to the smallest size given, wrapping at word breaks.
    void setWholeText(const QString &caption, double smallestPointSize);

private:
    void placeOnScreen();
    void drawIn(const Look &look);
    bool showsWhole(const Look &look) const;

    QRectF twips_;
    const Look design_;
    Look look_;
};

} // namespace forms
