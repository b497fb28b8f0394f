#pragma once

#include "platform/drawing/PrintableLabel.h"

#include <QList>
#include <QString>
#include <memory>

class QPainter;
class QPrinter;

namespace printer {

constexpr double TwipsPerInch = 1440;

// Draws labels whose places are twips on a painter whose unit is one twip, the bottom
// of the stacking order first.
void paintLabels(QPainter &painter, const QList<PrintableLabel> &labels);

// Makes one painter unit one twip of the device's paper.
void scaleToTwips(QPainter &painter, const QPrinter &device);

// A PDF file of A4 sheets at a twip to the dot, drawn from the paper's top-left corner.
std::unique_ptr<QPrinter> newPdfDevice(const QString &path, const QString &documentName);

} // namespace printer
