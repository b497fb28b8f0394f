#include "platform/printer/Printer.h"

#include "platform/printer/CupsQueue.h"
#include "platform/printer/LabelPainting.h"
#include "platform/printer/PrintableForm.h"
#include "platform/runtime/App.h"
#include "platform/runtime/OnFirstUse.h"
#include "platform/runtime/RuntimeError.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace printer {

namespace {

constexpr long errPrinterError = 482;

bool &systemPrinterIgnored()
{
    static rt::OnFirstUse<bool> ignored;
    return ignored.get();
}

Printer::Device &deviceForTesting()
{
    static rt::OnFirstUse<Printer::Device> device;
    return device.get();
}

rt::RuntimeError printerError(const QString &reason)
{
    return rt::RuntimeError(errPrinterError, QStringLiteral("Printer error: ") + reason);
}

bool hasSystemPrinter()
{
    return !systemPrinterIgnored() && !QPrinterInfo::defaultPrinter().isNull();
}

// A file of its own for every document: an earlier print is never overwritten, even
// within the same millisecond.
QString newPdfPath(const QString &jobName)
{
    QDir folder(rt::App::Path());
    const QString printed = QStringLiteral("Printed");
    if (!folder.mkpath(printed) || !folder.cd(printed))
        throw printerError(
            QStringLiteral("cannot create the folder %1").arg(folder.filePath(printed)));
    const QString time =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss-zzz"));
    const QString stem = jobName + QLatin1Char('_') + time;
    QString path = folder.filePath(stem + QStringLiteral(".pdf"));
    for (int suffix = 2; QFileInfo::exists(path); ++suffix)
        path = folder.filePath(QStringLiteral("%1_%2.pdf").arg(stem).arg(suffix));
    return path;
}

// The whole sheet from its top-left corner: the form's twip positions are measured
// from the paper's edge, not from a printable margin. A PDF file's path is made only
// when the pages go to one.
std::unique_ptr<QPrinter> newDevice(const QString &jobName,
                                    const std::function<QString()> &pdfPath)
{
    if (!deviceForTesting() && !hasSystemPrinter())
        return newPdfDevice(pdfPath(), jobName);
    auto device = deviceForTesting() ? deviceForTesting()()
                                     : std::make_unique<QPrinter>(QPrinterInfo::defaultPrinter(),
                                                                  QPrinter::HighResolution);
    device->setDocName(jobName);
    device->setFullPage(true);
    return device;
}

// The printer's name, or the PDF file's.
QString destinationOf(const QPrinter &device)
{
    return device.outputFileName().isEmpty() ? device.printerName() : device.outputFileName();
}

// Why the ended job did not reach its destination, or the empty text when it did. A
// CUPS queue that refuses a job leaves the painter and the printer's state as if it had
// taken it, so a job sent to a system printer also asks the print system.
QString jobRefusal(const QPrinter &device, bool painterEnded)
{
    const QString refused = QStringLiteral("the document %1 did not reach %2")
                                .arg(device.docName(), destinationOf(device));
    const QPrinter::PrinterState state = device.printerState();
    if (!painterEnded || state == QPrinter::Error || state == QPrinter::Aborted)
        return refused;
    if (device.outputFormat() == QPrinter::NativeFormat) {
        if (const QString reason = CupsQueue::refusalOfLastJob(); !reason.isEmpty())
            return refused + QStringLiteral(": ") + reason;
    }
    return QString();
}

QPageLayout::Orientation pageOrientation(std::int16_t orientation)
{
    return orientation == 2 ? QPageLayout::Landscape : QPageLayout::Portrait;
}

} // namespace

Printer &Printer::instance()
{
    // Never destroyed: a document must not be ended after the application is gone.
    static Printer *printer = new Printer;
    return *printer;
}

Printer::Printer() = default;
Printer::~Printer() = default;

void Printer::setOrientation(const std::int16_t &orientation)
{
    if (orientation != 1 && orientation != 2)
        throw rt::RuntimeError::invalidPropertyValue();
    orientation_ = orientation;
}

// Asked of a device like the one the next document goes to, which is never begun: no
// file is made and nothing reaches a printer.
QSizeF Printer::paperTwips() const
{
    const auto device = newDevice(QString(), [] { return QString(); });
    device->setPageOrientation(pageOrientation(orientation_));
    return QSizeF(device->width(), device->height()) * (TwipsPerInch / device->resolution());
}

void Printer::PrintForm(const PrintableForm &form)
{
    if (painter_)
        startPage(form.printJobName());
    else
        startDocument(form.printJobName());
    painter_->save();
    painter_->setClipRect(QRectF(QPointF(0, 0), form.clientSizeTwips()));
    paintLabels(*painter_, form.printableLabels());
    painter_->restore();
}

QString Printer::EndDoc()
{
    if (!painter_)
        return QString();
    const bool ended = painter_->end();
    painter_.reset();
    const std::unique_ptr<QPrinter> device = std::move(device_);
    if (const QString refusal = jobRefusal(*device, ended); !refusal.isEmpty())
        throw printerError(refusal);
    return device->outputFileName();
}

void Printer::setSystemPrinterIgnoredForTesting(bool ignored)
{
    systemPrinterIgnored() = ignored;
}

void Printer::setDeviceForTesting(Device device)
{
    deviceForTesting() = std::move(device);
}

void Printer::startDocument(const QString &jobName)
{
    auto device = newDevice(jobName, [&] { return newPdfPath(jobName); });
    device->setPageOrientation(pageOrientation(orientation_));
    auto painter = std::make_unique<QPainter>();
    if (!painter->begin(device.get()))
        throw printerError(QStringLiteral("cannot print to %1").arg(destinationOf(*device)));
    scaleToTwips(*painter, *device);
    device_ = std::move(device);
    painter_ = std::move(painter);
}

void Printer::startPage(const QString &jobName)
{
    device_->setPageOrientation(pageOrientation(orientation_));
    if (!device_->newPage())
        throw printerError(QStringLiteral("cannot start a new page of %1").arg(jobName));
    scaleToTwips(*painter_, *device_);
}

} // namespace printer
