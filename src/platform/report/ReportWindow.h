#pragma once

#include "platform/report/ReportDocument.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QStatusBar;

namespace report {

// The window a report run shows: one page at a time, fitted to the window or zoomed, with
// "Print" (through the printer layer), "Save as PDF", the buttons to turn the pages and a
// box for the number of a page to go to. PageDown at the bottom of a page turns to the
// next, PageUp at its top to the one before. Esc closes the window; closed, it is deleted.
class ReportWindow : public QWidget {
    Q_OBJECT
public:
    explicit ReportWindow(ReportDocument document, QWidget *parent = nullptr);

    // Shows the window in that state. It opens large enough for a whole page width, or
    // maximised where the screen is narrower than that, at the top centre of the screen;
    // a window opened while other report windows are open goes a step below and to the
    // right of the lowest of them, so that it never hides one exactly.
    void open(Qt::WindowState state);

    int currentPage() const { return current_; }
    // Shows the page from its top.
    void showPage(int index);

    // Failures show their description in a message box; a report that went to a PDF file
    // says where in the status line.
    void printReport();
    void savePdf(const QString &path);

    QPushButton *printButton = nullptr;
    QPushButton *saveButton = nullptr;
    QPushButton *firstButton = nullptr;
    QPushButton *previousButton = nullptr;
    QLineEdit *pageBox = nullptr;
    QLabel *pageLabel = nullptr;
    QPushButton *nextButton = nullptr;
    QPushButton *lastButton = nullptr;
    QComboBox *zoomBox = nullptr;
    QScrollArea *pageArea = nullptr;
    // Where a report printed without a printer went.
    QStatusBar *statusLine = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void askAndSavePdf();
    void createControls();
    void connectControls();
    int lastPage() const;
    void goToTypedPage();
    void pageKey(bool down);
    void applyZoom();
    double zoom() const;
    QSize wholePageWidthSize() const;
    void place(const QRect &available);

    ReportDocument document_;
    QWidget *pageView_ = nullptr;
    int current_ = 0;
};

} // namespace report
