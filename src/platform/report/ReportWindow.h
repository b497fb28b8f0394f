#pragma once

#include "platform/report/ReportDocument.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QStatusBar;

namespace report {

// The window a report run shows: one page at a time at screen size, with "Print" (through
// the printer layer), "Save as PDF" and the buttons to turn the pages.
class ReportWindow : public QWidget {
    Q_OBJECT
public:
    explicit ReportWindow(ReportDocument document, QWidget *parent = nullptr);

    int currentPage() const { return current_; }
    void showPage(int index);

    // Failures show their description in a message box; a report that went to a PDF file
    // says where in the status line.
    void printReport();
    void savePdf(const QString &path);

    QPushButton *printButton = nullptr;
    QPushButton *saveButton = nullptr;
    QPushButton *previousButton = nullptr;
    QPushButton *nextButton = nullptr;
    QLabel *pageLabel = nullptr;
    // Where a report printed without a printer went.
    QStatusBar *statusLine = nullptr;

private:
    void askAndSavePdf();

    ReportDocument document_;
    QWidget *pageView_ = nullptr;
    int current_ = 0;
};

} // namespace report
