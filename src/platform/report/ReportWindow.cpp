#include "platform/report/ReportWindow.h"

#include "platform/forms/KeyFilter.h"
#include "platform/forms/MessageBox.h"
#include "platform/forms/Screen.h"
#include "platform/forms/Twips.h"
#include "platform/printer/LabelPainting.h"
#include "platform/runtime/App.h"
#include "platform/runtime/RuntimeError.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QStatusBar>
#include <QVBoxLayout>

namespace report {

namespace {

// The zoom choices carry a percentage, or one of these for the fits.
constexpr int FitWidth = 0;
constexpr int FitPage = -1;

// How far a further report window stands from the one before it, across and down.
constexpr int CascadeStep = 30;

// One page drawn on white paper, at its own size a screen pixel to fifteen twips.
class PageView : public QWidget {
public:
    explicit PageView(const ReportPage *page) : page_(page) {}

    QSize ownSize() const
    {
        const QSizeF paper = page_->clientSizeTwips();
        return {forms::twipsToPixels(static_cast<int>(paper.width())),
                forms::twipsToPixels(static_cast<int>(paper.height()))};
    }

    void setPage(const ReportPage *page)
    {
        page_ = page;
        update();
    }

    void setZoom(double zoom)
    {
        zoom_ = zoom;
        const QSize own = ownSize();
        setFixedSize(qRound(own.width() * zoom), qRound(own.height() * zoom));
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        const double scale = zoom_ / forms::TwipsPerPixel;
        painter.scale(scale, scale);
        printer::paintLabels(painter, page_->printableLabels());
    }

private:
    const ReportPage *page_;
    double zoom_ = 1;
};

PageView *pageViewOf(QWidget *view)
{
    return static_cast<PageView *>(view);
}

// Of the other report windows open, the one that stands lowest on the screen.
const QWidget *lowestOpenReportWindow(const QWidget *self)
{
    const QWidget *lowest = nullptr;
    for (const QWidget *window : QApplication::topLevelWidgets()) {
        if (window == self || !qobject_cast<const ReportWindow *>(window))
            continue;
        if (!lowest || window->y() > lowest->y())
            lowest = window;
    }
    return lowest;
}

} // namespace

ReportWindow::ReportWindow(ReportDocument document, QWidget *parent)
    : QWidget(parent), document_(std::move(document))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(document_.title());
    createControls();
    connectControls();
    new forms::KeyPreview(this, forms::KeyPreview::Keys::EscapeOnly);
    pageArea->setFocus();
    showPage(0);
}

void ReportWindow::createControls()
{
    printButton = new QPushButton(QStringLiteral("Print"), this);
    saveButton = new QPushButton(QStringLiteral("Save as PDF"), this);
    firstButton = new QPushButton(QStringLiteral("First page"), this);
    previousButton = new QPushButton(QStringLiteral("Previous page"), this);
    pageBox = new QLineEdit(this);
    pageBox->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), pageBox));
    // Six digits and the box's own margins.
    pageBox->setMaximumWidth(pageBox->fontMetrics().horizontalAdvance(QStringLiteral("0000000")));
    pageLabel = new QLabel(QStringLiteral("of %1").arg(document_.pages().size()), this);
    nextButton = new QPushButton(QStringLiteral("Next page"), this);
    lastButton = new QPushButton(QStringLiteral("Last page"), this);
    zoomBox = new QComboBox(this);
    zoomBox->addItem(QStringLiteral("Fit width"), FitWidth);
    zoomBox->addItem(QStringLiteral("Fit page"), FitPage);
    for (int percent : {50, 75, 100, 125, 150, 200})
        zoomBox->addItem(QStringLiteral("%1%").arg(percent), percent);

    auto *buttons = new QHBoxLayout;
    for (QWidget *widget : QList<QWidget *>{printButton, saveButton, firstButton, previousButton,
                                            new QLabel(QStringLiteral("Page"), this), pageBox,
                                            pageLabel, nextButton, lastButton})
        buttons->addWidget(widget);
    buttons->addStretch();
    buttons->addWidget(zoomBox);

    pageView_ = new PageView(&document_.pages().first());
    pageArea = new QScrollArea(this);
    pageArea->setWidget(pageView_);
    pageArea->setAlignment(Qt::AlignHCenter);
    pageArea->setBackgroundRole(QPalette::Dark);
    // A fitted page never makes the bar come and go, which would change the fit again.
    pageArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    statusLine = new QStatusBar(this);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(pageArea);
    layout->addWidget(statusLine);
}

void ReportWindow::connectControls()
{
    connect(printButton, &QPushButton::clicked, this, &ReportWindow::printReport);
    connect(saveButton, &QPushButton::clicked, this, &ReportWindow::askAndSavePdf);
    connect(firstButton, &QPushButton::clicked, this, [this] { showPage(0); });
    connect(previousButton, &QPushButton::clicked, this, [this] { showPage(current_ - 1); });
    connect(nextButton, &QPushButton::clicked, this, [this] { showPage(current_ + 1); });
    connect(lastButton, &QPushButton::clicked, this, [this] { showPage(lastPage()); });
    connect(pageBox, &QLineEdit::returnPressed, this, &ReportWindow::goToTypedPage);
    connect(zoomBox, &QComboBox::currentIndexChanged, this, &ReportWindow::applyZoom);
    // Shortcuts, so that the keys reach the page wherever the focus stands in the window.
    connect(new QShortcut(Qt::Key_PageDown, this), &QShortcut::activated, this,
            [this] { pageKey(true); });
    connect(new QShortcut(Qt::Key_PageUp, this), &QShortcut::activated, this,
            [this] { pageKey(false); });
    pageArea->viewport()->installEventFilter(this);
}

void ReportWindow::open(Qt::WindowState state)
{
    const QRect available = forms::Screen::availableGeometry();
    const QSize wanted = wholePageWidthSize();
    if (state == Qt::WindowNoState && wanted.width() > available.width())
        state = Qt::WindowMaximized;
    resize(wanted);
    setWindowState(state);
    show();
    if (state == Qt::WindowNoState)
        place(available);
}

// The page at its own size beside the vertical scroll bar, below the rows of controls.
QSize ReportWindow::wholePageWidthSize() const
{
    const QSize page = pageViewOf(pageView_)->ownSize();
    const int frame = 2 * pageArea->frameWidth();
    const QMargins margins = layout()->contentsMargins();
    int height = margins.top() + frame + page.height() + margins.bottom();
    for (int index = 0; index < layout()->count(); ++index) {
        if (layout()->itemAt(index)->widget() != pageArea)
            height += layout()->itemAt(index)->sizeHint().height() + layout()->spacing();
    }
    return {margins.left() + frame + page.width() + pageArea->verticalScrollBar()->sizeHint().width()
                + margins.right(),
            height};
}

// Placed once shown, when the window knows its frame, which must stay on the screen's
// free area: a window cut to its height, and a further one cut where the step pushes it
// off.
void ReportWindow::place(const QRect &available)
{
    const QMargins frame(geometry().left() - frameGeometry().left(),
                         geometry().top() - frameGeometry().top(),
                         frameGeometry().right() - geometry().right(),
                         frameGeometry().bottom() - geometry().bottom());
    resize(size().boundedTo(available.size().shrunkBy(frame)));
    forms::placeTopCentre(this);
    if (const QWidget *lowest = lowestOpenReportWindow(this)) {
        const QRect stepped =
            QRect(lowest->pos() + QPoint(CascadeStep, CascadeStep), frameGeometry().size())
                .intersected(available);
        move(stepped.topLeft());
        resize(stepped.size().shrunkBy(frame));
    }
}

void ReportWindow::showPage(int index)
{
    current_ = std::clamp(index, 0, lastPage());
    pageViewOf(pageView_)->setPage(&document_.pages()[current_]);
    pageArea->verticalScrollBar()->setValue(0);
    pageBox->setText(QString::number(current_ + 1));
    firstButton->setEnabled(current_ > 0);
    previousButton->setEnabled(current_ > 0);
    nextButton->setEnabled(current_ < lastPage());
    lastButton->setEnabled(current_ < lastPage());
}

int ReportWindow::lastPage() const
{
    return static_cast<int>(document_.pages().size()) - 1;
}

// A number beyond the pages goes to the nearest page; anything else stays where it is.
void ReportWindow::goToTypedPage()
{
    bool isNumber = false;
    const int number = pageBox->text().toInt(&isNumber);
    showPage(isNumber ? number - 1 : current_);
}

// At a page's end the key turns the page; elsewhere it scrolls.
void ReportWindow::pageKey(bool down)
{
    QScrollBar *bar = pageArea->verticalScrollBar();
    const bool atEnd = bar->value() == (down ? bar->maximum() : bar->minimum());
    const int turned = current_ + (down ? 1 : -1);
    if (!atEnd)
        bar->triggerAction(down ? QAbstractSlider::SliderPageStepAdd
                                : QAbstractSlider::SliderPageStepSub);
    else if (turned >= 0 && turned <= lastPage())
        showPage(turned);
}

bool ReportWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == pageArea->viewport() && event->type() == QEvent::Resize)
        applyZoom();
    return QWidget::eventFilter(watched, event);
}

void ReportWindow::applyZoom()
{
    pageViewOf(pageView_)->setZoom(zoom());
}

double ReportWindow::zoom() const
{
    const QSize own = pageViewOf(pageView_)->ownSize();
    const QSize room = pageArea->viewport()->size();
    const double toWidth = static_cast<double>(room.width()) / own.width();
    switch (const int chosen = zoomBox->currentData().toInt()) {
    case FitWidth:
        return toWidth;
    case FitPage:
        return std::min(toWidth, static_cast<double>(room.height()) / own.height());
    default:
        return chosen / 100.0;
    }
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
