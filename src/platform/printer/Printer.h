#pragma once

#include <QSizeF>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

class QPainter;
class QPrinter;

namespace printer {

class PrintableForm;

// The one printer of the program. Pages go to the default system printer; where the
// system has none, every document becomes a new PDF file under Printed/ in the
// program folder, named with the document's name and the time of printing.
class Printer {
public:
    static Printer &instance();

    // 1 portrait, 2 landscape.
    std::int16_t Orientation() const { return orientation_; }
    // Any other value raises error 380 and keeps the orientation.
    void setOrientation(const std::int16_t &orientation);
    // The paper the next page goes on, in twips, in the current orientation: all of it
    // prints, from its top-left corner. Width and height come together: each asking
    // makes a device like the next one.
    QSizeF paperTwips() const;

    // Draws the form's visible labels, cut at the edges of its client area, as one
    // page, starting a document when none is open. A printer that cannot start raises
    // error 482 and prints nothing.
    void PrintForm(const PrintableForm &form);
    // Ends the document: its pages go to the printer, or its PDF file is complete. Gives
    // the PDF file the document went into, or the empty text when it went to a printer.
    // A printer that does not take the job raises error 482 with the printer's reason.
    QString EndDoc();

    // Tests print to PDF files even on a system that has a default printer.
    static void setSystemPrinterIgnoredForTesting(bool ignored);
    // Tests hand in the device every document goes to; an empty function puts the
    // system printer or the PDF files back.
    using Device = std::function<std::unique_ptr<QPrinter>()>;
    static void setDeviceForTesting(Device device);

private:
    Printer();
    ~Printer();

    void startDocument(const QString &jobName);
    void startPage(const QString &jobName);

    std::unique_ptr<QPrinter> device_;
    std::unique_ptr<QPainter> painter_;
    std::int16_t orientation_ = 1;
};

} // namespace printer
