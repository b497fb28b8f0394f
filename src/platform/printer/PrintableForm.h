#pragma once

#include "platform/drawing/PrintableLabel.h"

#include <QList>
#include <QSizeF>
#include <QString>

namespace printer {

// A form the printer can put on paper.
class PrintableForm {
public:
    virtual ~PrintableForm() = default;

    // Every label of the form, the bottom of the stacking order first.
    virtual QList<PrintableLabel> printableLabels() const = 0;
    // The form's client area in twips: the image that goes to paper, so nothing that
    // lies beyond it prints.
    virtual QSizeF clientSizeTwips() const = 0;
    // Names the document, and the file when the page goes to a PDF.
    virtual QString printJobName() const = 0;
};

} // namespace printer
