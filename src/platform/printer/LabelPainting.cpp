#include "platform/printer/LabelPainting.h"

#include <QPageSize>
#include <QPainter>
#include <QPrinter>

namespace printer {

namespace {

// The background covers whatever lower labels drew there; the caption wraps at word
// breaks and is cut at the label's edges, as on screen. Only a caption that overflows is
// clipped: a clip for every label would weigh down long documents.
void paintLabel(QPainter &painter, const PrintableLabel &label)
{
    if (!label.visible)
        return;
    if (label.backColor.isValid())
        painter.fillRect(label.twips, label.backColor);
    if (label.caption.isEmpty())
        return;
    const int flags = textFlags(label);
    painter.setFont(fontInTwips(label));
    painter.setPen(label.foreColor);
    const bool overflows =
        !label.fitted
        && !label.twips.contains(painter.boundingRect(label.twips, flags, label.caption));
    if (overflows) {
        painter.save();
        painter.setClipRect(label.twips, Qt::IntersectClip);
    }
    painter.drawText(label.twips, flags, label.caption);
    if (overflows)
        painter.restore();
}

} // namespace

void paintLabels(QPainter &painter, const QList<PrintableLabel> &labels)
{
    for (const PrintableLabel &label : labels)
        paintLabel(painter, label);
}

void scaleToTwips(QPainter &painter, const QPrinter &device)
{
    const double scale = device.resolution() / TwipsPerInch;
    painter.resetTransform();
    painter.scale(scale, scale);
}

std::unique_ptr<QPrinter> newPdfDevice(const QString &path, const QString &documentName)
{
    auto device = std::make_unique<QPrinter>(QPrinter::HighResolution);
    device->setOutputFormat(QPrinter::PdfFormat);
    device->setResolution(static_cast<int>(TwipsPerInch));
    device->setPageSize(QPageSize(QPageSize::A4));
    device->setOutputFileName(path);
    device->setDocName(documentName);
    device->setFullPage(true);
    return device;
}

} // namespace printer
