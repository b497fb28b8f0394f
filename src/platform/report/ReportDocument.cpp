#include "platform/report/ReportDocument.h"

#include "platform/printer/LabelPainting.h"
#include "platform/printer/Printer.h"
#include "platform/runtime/RuntimeError.h"

#include <QPainter>
#include <QPrinter>
#include <QScopeGuard>

namespace report {

namespace {

constexpr long errPathFileAccess = 75;
constexpr std::int16_t Portrait = 1;
constexpr std::int16_t Landscape = 2;

// Ends the document a page that could not be printed left open; that page's failure is
// the one to report, so the end's own is not heard of.
void endAfterFailure(printer::Printer &printer)
{
    try {
        printer.EndDoc();
    } catch (const rt::RuntimeError &) {
    }
}

} // namespace

ReportDocument::ReportDocument(QString name, QString title, bool landscape, QList<ReportPage> pages)
    : name_(std::move(name)), title_(std::move(title)), landscape_(landscape),
      pages_(std::move(pages))
{
}

QString ReportDocument::print() const
{
    printer::Printer &printer = printer::Printer::instance();
    const std::int16_t before = printer.Orientation();
    const auto restoreOrientation = qScopeGuard([&] { printer.setOrientation(before); });
    printer.setOrientation(landscape_ ? Landscape : Portrait);
    try {
        for (const ReportPage &page : pages_)
            printer.PrintForm(page);
    } catch (...) {
        endAfterFailure(printer);
        throw;
    }
    return printer.EndDoc();
}

void ReportDocument::writePdf(const QString &path) const
{
    const auto device = printer::newPdfDevice(path, name_);
    device->setPageOrientation(landscape_ ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPainter painter;
    if (!painter.begin(device.get()))
        throw rt::RuntimeError(errPathFileAccess,
                               QStringLiteral("Path/File access error: cannot write %1").arg(path));
    for (qsizetype index = 0; index < pages_.size(); ++index) {
        if (index > 0)
            device->newPage();
        printer::scaleToTwips(painter, *device);
        printer::paintLabels(painter, pages_[index].printableLabels());
    }
    painter.end();
}

} // namespace report
