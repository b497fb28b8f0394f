#pragma once

#include "platform/report/ReportPage.h"

#include <QList>
#include <QString>

namespace report {

// The pages of one run, ready for the window, the printer or a PDF file.
class ReportDocument {
public:
    ReportDocument(QString name, QString title, bool landscape, QList<ReportPage> pages);

    // The report file's name without its folder and extension.
    const QString &name() const { return name_; }
    const QString &title() const { return title_; }
    const QList<ReportPage> &pages() const { return pages_; }

    // Sends every page to the printer layer as one document, in the report's orientation;
    // the printer's own orientation is kept for what it prints next. Gives the PDF file
    // the report went into, or the empty text when it went to a printer.
    QString print() const;
    // Writes every page into a PDF file; raises error 75 when the file cannot be written.
    void writePdf(const QString &path) const;

private:
    QString name_;
    QString title_;
    bool landscape_;
    QList<ReportPage> pages_;
};

} // namespace report
