#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

namespace printer {

// Forms describe their labels so and the printer draws them, hence it lives beside both.
// What the printer needs to draw one label of a form on paper: its place and size in
// twips from the form's top-left corner, its caption, font, colours and alignment.
struct PrintableLabel {
    QRectF twips;
    QString caption;
    QString fontName;
    double fontSize = 8.25; // points
    bool bold = false;
    QColor foreColor = Qt::black;
    // An invalid colour leaves what lies beneath the label showing through.
    QColor backColor;
    Qt::Alignment alignment = Qt::AlignLeft;
    bool visible = true;
    // QFont's stretch: 100 as designed, less for a condensed face.
    int stretch = 100;
    // The caption is one line already broken to fit the box's width: it is drawn as it
    // stands, neither measured nor wrapped again, which long documents would pay for on
    // every label.
    bool fitted = false;
};

// The label's font for a painter that draws in twips (a point is 20 of them).
QFont fontInTwips(const PrintableLabel &label);

// How the caption is laid out in the label's box: aligned, from the top, wrapped at word
// breaks unless it is fitted already.
int textFlags(const PrintableLabel &label);

// Where the caption's ink stands on paper, in twips (a wrapped caption's whole lines):
// within the label's box, which cuts whatever of a wrapped caption overflows it.
QRectF textTwips(const PrintableLabel &label);

} // namespace printer
