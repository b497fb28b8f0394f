#include "reports/FRM_BANK_QUERY.h"

#include "cheque/CalculateClass.h"
#include "platform/forms/CommandButton.h"
#include "platform/forms/ControlFont.h"
#include "platform/forms/Figures.h"
#include "platform/forms/FormControls.h"
#include "platform/forms/KeyFilter.h"
#include "platform/forms/Twips.h"
#include "platform/forms/WidgetControls.h"
#include "platform/report/ReportEngineControl.h"
#include "reports/CRClass.h"

#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QFrame>
#include <QLabel>

namespace {

const QColor Black(0, 0, 0);
const QColor Grey = forms::FormControls::fromBgr(0xC0C0C0);
const QColor LightGrey = forms::FormControls::fromBgr(0xE0E0E0);
const QString PickerFormat = QStringLiteral("dd MMM yyyy");

QLabel *label(QWidget *frame, const char *name, const QString &caption, const QRect &twips)
{
    QLabel *control =
        forms::FormControls::label(frame, name, caption, twips, forms::controlFont());
    forms::FormControls::setColours(control, Black, Grey);
    return control;
}

forms::DatePicker *datePicker(QWidget *frame, const char *name, const QRect &twips)
{
    return forms::FormControls::datePicker(frame, name, twips, forms::controlFont(),
                                           PickerFormat);
}

// A grey face; a caption wider than the button wraps onto a second line.
QPushButton *button(QWidget *frame, const char *name, const QString &caption, const QRect &twips)
{
    auto *control = forms::FormControls::place(new forms::CommandButton(caption, frame), name,
                                               twips, forms::controlFont());
    forms::FormControls::setColours(control, Black, Grey);
    control->setAutoDefault(true); // Enter presses the button that has the focus
    return control;
}

} // namespace

FRM_BANK_QUERY::FRM_BANK_QUERY(std::unique_ptr<report::ReportControl> CR, QWidget *parent)
    : forms::Form(parent),
      CR(CR ? std::move(CR)
            : std::make_unique<report::ReportEngineControl>(CalculateClass::SumInWords))
{
    setObjectName(QStringLiteral("FRM_BANK_QUERY"));
    setWindowTitle(QStringLiteral("BANK TRANSACTION"));
    forms::FormControls::setColours(this, Black, Black);
    forms::setClientSizeTwips(this, 6795, 2325);
    createControls();
    connect(cmdall, &QPushButton::clicked, this, &FRM_BANK_QUERY::cmdall_Click);
    connect(cmdasCashCheque, &QPushButton::clicked, this, &FRM_BANK_QUERY::cmdasCashCheque_Click);
    new forms::KeyPreview(this);
}

FRM_BANK_QUERY::~FRM_BANK_QUERY() = default;

void FRM_BANK_QUERY::createControls()
{
    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameStyle(QFrame::Box | QFrame::Sunken); // the etched edge of a frame
    forms::setTwipsGeometry(Frame1, 120, 120, 6495, 2055);
    forms::FormControls::setColours(Frame1, Black, Grey);

    QWidget *f = Frame1;
    Label1 = label(f, "Label1", QStringLiteral("From :"), QRect(600, 120, 975, 375));
    DTPfrom = datePicker(f, "DTPfrom", QRect(1440, 120, 1845, 360));
    Label3 = label(f, "Label3", QStringLiteral("To :"), QRect(3600, 120, 1815, 375));
    DTPto = datePicker(f, "DTPto", QRect(4080, 120, 1845, 360));
    Line1 = forms::newLine(f, "Line1", QPoint(0, 600), QPoint(6480, 600));
    Label2 = label(f, "Label2", QStringLiteral("Select Transaction Type:"),
                   QRect(120, 720, 2775, 375));
    CMBCASHCASH = forms::FormControls::comboBox(f, "CMBCASHCASH", QRect(2760, 720, 2205, 360),
                                                forms::controlFont());
    forms::FormControls::setColours(CMBCASHCASH, Black, LightGrey);
    cmdasCashCheque = button(f, "cmdasCashCheque", QStringLiteral("Show"),
                             QRect(5160, 720, 975, 375));
    cmdall = button(f, "cmdall", QStringLiteral("Show All"), QRect(5160, 1200, 975, 615));
    Line2 = forms::newLine(f, "Line2", QPoint(0, 1920), QPoint(6480, 1920));

    forms::FormControls::setTabSequence({cmdasCashCheque, DTPfrom, DTPto, cmdall, CMBCASHCASH});
    cmdasCashCheque->setFocus();
}

void FRM_BANK_QUERY::Form_Load()
{
    forms::placeTopCentre(this);
    CMBCASHCASH->addItems(
        {QStringLiteral("CASH"), QStringLiteral("CHEQUE"), QStringLiteral("DRAFT")});
    // Filling an empty list selects its first item; the kind starts empty all the same.
    CMBCASHCASH->setCurrentIndex(-1);
    DTPfrom->setDate(QDate::currentDate());
    DTPto->setDate(QDate::currentDate());
}

// A date still being typed ends first; a refused one runs no report.
bool FRM_BANK_QUERY::typedDateRefused()
{
    return DTPfrom->typedDateRefused() || DTPto->typedDateRefused();
}

// The launcher shows its own failures; nothing comes back to the form.
void FRM_BANK_QUERY::cmdall_Click()
{
    if (typedDateRefused())
        return;
    forms::DatePickerControl from(DTPfrom);
    forms::DatePickerControl to(DTPto);
    launcher().ShowBankTransactionALL(*CR, from, to);
}

void FRM_BANK_QUERY::cmdasCashCheque_Click()
{
    if (typedDateRefused())
        return;
    const QString kind = CMBCASHCASH->currentText();
    forms::DatePickerControl from(DTPfrom);
    forms::DatePickerControl to(DTPto);
    launcher().ShowBankTransactionCORCASH(*CR, kind, from, to);
}

CRClass &FRM_BANK_QUERY::launcher()
{
    return launcher_.get();
}
