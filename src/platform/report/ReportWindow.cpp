#include "platform/report/ReportWindow.h"

#include "platform/forms/MessageBox.h"
#include "platform/forms/Twips.h"
#include "platform/printer/LabelPainting.h"
#include "platform/runtime/App.h"
#include "platform/runtime/RuntimeError.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QVBoxLayout>

namespace report {

namespace {

// One page drawn on white paper, a screen pixel to fifteen twips.
class PageView : public QWidget {
public:
    explicit PageView(const ReportPage *page) : page_(page)
    {
        const QSizeF paper = page->clientSizeTwips();
        setFixedSize(forms::twipsToPixels(static_cast<int>(paper.width())),
                     forms::twipsToPixels(static_cast<int>(paper.height())));
    }

    void setPage(const ReportPage *page)
    {
        page_ = page;
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        painter.scale(1.0 / forms::TwipsPerPixel, 1.0 / forms::TwipsPerPixel);
        printer::paintLabels(painter, page_->printableLabels());
    }

private:
    const ReportPage *page_;
};

} // namespace

ReportWindow::ReportWindow(ReportDocument document, QWidget *parent)
    : QWidget(parent), document_(std::move(document))
{
    setWindowTitle(document_.title());
    printButton = new QPushButton(QStringLiteral("Print"), this);
    saveButton = new QPushButton(QStringLiteral("Save as PDF"), this);
    previousButton = new QPushButton(QStringLiteral("Previous page"), this);
    nextButton = new QPushButton(QStringLiteral("Next page"), this);
    pageLabel = new QLabel(this);

    auto *buttons = new QHBoxLayout;
    for (QWidget *widget : {static_cast<QWidget *>(printButton), static_cast<QWidget *>(saveButton),
                            static_cast<QWidget *>(previousButton),
                            static_cast<QWidget *>(nextButton), static_cast<QWidget *>(pageLabel)})
        buttons->addWidget(widget);
    buttons->addStretch();

    auto *view = new PageView(&document_.pages().first());
    pageView_ = view;
    auto *scroll = new QScrollArea(this);
    scroll->setWidget(view);
    scroll->setAlignment(Qt::AlignHCenter);
    scroll->setBackgroundRole(QPalette::Dark);

    statusLine = new QStatusBar(this);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(scroll);
    layout->addWidget(statusLine);

    connect(printButton, &QPushButton::clicked, this, &ReportWindow::printReport);
    connect(saveButton, &QPushButton::clicked, this, &ReportWindow::askAndSavePdf);
    connect(previousButton, &QPushButton::clicked, this, [this] { showPage(current_ - 1); });
    connect(nextButton, &QPushButton::clicked, this, [this] { showPage(current_ + 1); });
    showPage(0);
}

void ReportWindow::showPage(int index)
{
    const int count = static_cast<int>(document_.pages().size());
    current_ = std::clamp(index, 0, count - 1);
    static_cast<PageView *>(pageView_)->setPage(&document_.pages()[current_]);
    pageLabel->setText(QStringLiteral("Page %1 of %2").arg(current_ + 1).arg(count));
    previousButton->setEnabled(current_ > 0);
    nextButton->setEnabled(current_ < count - 1);
}

// A job sent to a printer needs no word; a failure shows its box.
void ReportWindow::printReport()
{
    statusLine->clearMessage();
    try {
        const QString pdf = document_.print();
        if (!pdf.isEmpty())
            statusLine->showMessage(QStringLiteral("No printer: the report went to %1").arg(pdf));
    } catch (const rt::RuntimeError &error) {
        forms::MsgBox(error.Description());
    }
}

void ReportWindow::savePdf(const QString &path)
{
    try {
        document_.writePdf(path);
    } catch (const rt::RuntimeError &error) {
        forms::MsgBox(error.Description());
    }
}

void ReportWindow::askAndSavePdf()
{
    const QString suggested = rt::App::Path() + u'/' + document_.name() + QStringLiteral(".pdf");
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Save as PDF"), suggested,
                                                      QStringLiteral("PDF files (*.pdf)"));
    if (!path.isEmpty())
        savePdf(path);
}

} // namespace report
