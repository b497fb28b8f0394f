#pragma once

#include "platform/report/ReportDocument.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;

namespace report {

// The window a report run shows: one page at a time, fitted to the window or zoomed, with
// "Print" (through the printer layer), "Save as PDF" and the buttons to turn the pages.
// Closed, it is deleted.
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
    void showPage(int index);

    // Failures show their description in a message box.
    void printReport();
    void savePdf(const QString &path);

    QPushButton *printButton = nullptr;
    QPushButton *saveButton = nullptr;
    QPushButton *previousButton = nullptr;
    QPushButton *nextButton = nullptr;
    QLabel *pageLabel = nullptr;
    QComboBox *zoomBox = nullptr;
    QScrollArea *pageArea = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void askAndSavePdf();
    void createControls();
    void connectControls();
    int lastPage() const;
    void applyZoom();
    double zoom() const;
    QSize wholePageWidthSize() const;
    void place(const QRect &available);

    ReportDocument document_;
    QWidget *pageView_ = nullptr;
    int current_ = 0;
};

} // namespace report
