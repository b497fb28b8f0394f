#include "cheque/FRM_BANK.h"

#include "cheque/CHEQUECLASS.h"
#include "cheque/CalculateClass.h"
#include "cheque/ModuleData.h"
#include "data/Module1.h"
#include "platform/forms/CommandButton.h"
#include "platform/forms/ControlFont.h"
#include "platform/forms/FormControls.h"
#include "platform/forms/KeyFilter.h"
#include "platform/forms/MessageBox.h"
#include "platform/forms/Twips.h"
#include "platform/forms/WidgetControls.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/RuntimeError.h"

#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <cmath>
#include <optional>
#include <QKeyEvent>

namespace {

const QColor Black(0, 0, 0);
const QColor Grey(0xC0, 0xC0, 0xC0);      // &H00C0C0C0&
const QColor LightGrey(0xE0, 0xE0, 0xE0); // &H00E0E0E0&, behind what the user types

constexpr int TextLimit = 50;
constexpr int LeftColumnCaptionWidth = 3840;
const QString ErrorInEntry = QStringLiteral("Error in Entry");

// Black text on a background of the control's own.
void setColours(QWidget *control, const QColor &background)
{
    forms::FormControls::setColours(control, Black, background);
}

QLineEdit *textBox(QWidget *frame, const char *name, const QRect &twips)
{
    QLineEdit *box = forms::FormControls::textBox(frame, name, twips, forms::controlFont());
    box->setMaxLength(TextLimit);
    setColours(box, LightGrey);
    return box;
}

QComboBox *comboBox(QWidget *frame, const char *name, const QRect &twips)
{
    QComboBox *box = forms::FormControls::comboBox(frame, name, twips, forms::controlFont());
    setColours(box, LightGrey);
    return box;
}

forms::DatePicker *datePicker(QWidget *frame, const char *name, const QRect &twips)
{
    forms::DatePicker *picker = forms::FormControls::datePicker(
        frame, name, twips, forms::controlFont(), QStringLiteral("dd/MM/yyyy"));
    setColours(picker, LightGrey);
    return picker;
}

// Its caption wraps, centred, where it is wider than the button.
QPushButton *button(QWidget *frame, const char *name, const QString &caption, const QRect &twips)
{
    auto *pushButton = forms::FormControls::place(new forms::CommandButton(caption, frame), name,
                                                  twips, forms::controlFont());
    setColours(pushButton, Grey);
    return pushButton;
}

// A blank cheque leaf with a written line, the form's own icon.
QIcon chequeIcon()
{
    QPixmap picture(32, 32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setPen(QPen(QColor(0x20, 0x40, 0x80), 2));
    painter.setBrush(QColor(0xE8, 0xF4, 0xE0));
    painter.drawRect(2, 7, 28, 18);
    painter.drawLine(6, 16, 22, 16);
    painter.drawLine(6, 21, 16, 21);
    return QIcon(picture);
}

// Why a typed amount cannot be written on a cheque, or nothing when it can: cheques are
// written for whole rupees above 0 (the words carry no paise), up to the largest amount
// whose words can be written.
QString amountRefusal(const QString &amount)
{
    const QString tooLarge = QStringLiteral("Please write an AMOUNT of at most 99,99,99,999");
    double rupees = 0;
    try {
        rupees = rt::textToDouble(amount);
    } catch (const rt::RuntimeError &error) {
        return error.Number() == rt::errOverflow ? tooLarge
                                                 : QStringLiteral("Please write AMOUNT IN NUMERIC");
    }
    if (rupees > CalculateClass::LargestAmount)
        return tooLarge;
    if (rupees != std::floor(rupees))
        return QStringLiteral("Please write the AMOUNT in whole rupees: a cheque carries no paise");
    if (rupees <= 0)
        return QStringLiteral("Please write an AMOUNT above 0");
    return QString();
}

// The cheque number a text holds, or nothing when it holds none: a cheque number is
// stored and looked up as a number.
std::optional<double> chequeNumberIn(const QString &text)
{
    try {
        return rt::textToDouble(text);
    } catch (const rt::RuntimeError &) {
        return std::nullopt;
    }
}

// The digits of the whole amount, whatever way it was typed ("1500.00", " 1500").
QString wholeRupeeDigits(const QString &amount)
{
    return QString::number(rt::textToDouble(amount), 'f', 0);
}

} // namespace

// The adapters through which the cheque class reaches the form's controls, in the
// order of the cheque record.
struct FRM_BANK::Controls {
    explicit Controls(FRM_BANK &form)
        : CmbDNumber(form.CmbDNumber), cmbBankname(form.cmbBankname),
          cmbbankbranch(form.cmbbankbranch), cmbAccountnumber(form.cmbAccountnumber),
          cmbaccountholder(form.cmbaccountholder), DTP(form.DTP), TXTAMOUNT(form.TXTAMOUNT),
          TXTWORD(form.TXTWORD),
          TXTCHNUMBER(form.TXTCHNUMBER, [&form] { form.TXTCHNUMBER_Click(); }),
          TXTCHEQUEDATE(form.TXTCHEQUEDATE), TXTChequeIssuedto(form.TXTChequeIssuedto),
          TXTIssuedBy(form.TXTIssuedBy), TXTREMARK(form.TXTREMARK), CMBACPAy(form.CMBACPAy)
    {
    }

    using Copy = bool (CHEQUECLASS::*)(
        forms::Control &, forms::Control &, forms::Control &, forms::Control &,
        forms::Control &, forms::Control &, forms::Control &, forms::Control &,
        forms::Control &, forms::Control &, forms::Control &, forms::Control &,
        forms::Control &, forms::Control &);

    // Calls AssignToVariable or AssigntToOBJECT with the fourteen controls.
    bool copy(CHEQUECLASS &cheque, Copy member)
    {
        return (cheque.*member)(CmbDNumber, cmbBankname, cmbbankbranch, cmbAccountnumber,
                                cmbaccountholder, DTP, TXTAMOUNT, TXTWORD, TXTCHNUMBER,
                                TXTCHEQUEDATE, TXTChequeIssuedto, TXTIssuedBy, TXTREMARK,
                                CMBACPAy);
    }

    forms::ComboBoxControl CmbDNumber;
    forms::ComboBoxControl cmbBankname;
    forms::ComboBoxControl cmbbankbranch;
    forms::ComboBoxControl cmbAccountnumber;
    forms::ComboBoxControl cmbaccountholder;
    forms::DatePickerControl DTP;
    forms::TextBoxControl TXTAMOUNT;
    forms::TextBoxControl TXTWORD;
    forms::ComboBoxControl TXTCHNUMBER;
    forms::TextBoxControl TXTCHEQUEDATE;
    forms::TextBoxControl TXTChequeIssuedto;
    forms::TextBoxControl TXTIssuedBy;
    forms::TextBoxControl TXTREMARK;
    forms::ComboBoxControl CMBACPAy;
};

FRM_BANK::FRM_BANK(QWidget *parent) : forms::Form(parent)
{
    setObjectName(QStringLiteral("FRM_BANK"));
    setWindowTitle(QStringLiteral("Cheque Data"));
    setWindowIcon(chequeIcon());
    setColours(this, Black);
    forms::setClientSizeTwips(this, 8400, 7905);
    createControls();
    controls_ = std::make_unique<Controls>(*this);

    connect(cmdlogin, &QPushButton::clicked, this, &FRM_BANK::cmdlogin_Click);
    connect(cmdDELET, &QPushButton::clicked, this, &FRM_BANK::cmdDELET_Click);
    new forms::KeyPreview(this);
}

FRM_BANK::~FRM_BANK() = default;

void FRM_BANK::createControls()
{
    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameStyle(QFrame::Box | QFrame::Sunken); // the etched edge of a frame
    forms::setTwipsGeometry(Frame1, 120, 120, 8175, 7695);
    setColours(Frame1, Grey);

    QWidget *f = Frame1;
    CmbDNumber = forms::FormControls::place(new QComboBox(f), "CmbDNumber",
                                            QRect(3960, 240, 1215, 360),
                                            forms::controlFont());
    setColours(CmbDNumber, LightGrey);
    DTP = datePicker(f, "DTP", QRect(6120, 240, 1845, 360));
    cmbBankname = comboBox(f, "cmbBankname", QRect(3960, 713, 4000, 360));
    cmbbankbranch = comboBox(f, "cmbbankbranch", QRect(3960, 1186, 4000, 360));
    cmbAccountnumber = comboBox(f, "cmbAccountnumber", QRect(3960, 1659, 4000, 360));
    cmbaccountholder = comboBox(f, "cmbaccountholder", QRect(3960, 2132, 4000, 360));
    TXTAMOUNT = textBox(f, "TXTAMOUNT", QRect(3960, 2605, 4000, 375));
    TXTCHNUMBER = comboBox(f, "TXTCHNUMBER", QRect(3960, 3120, 3975, 360));
    DTPCHEQUEDATE = datePicker(f, "DTPCHEQUEDATE", QRect(3960, 3570, 1845, 360));
    TXTChequeIssuedto = textBox(f, "TXTChequeIssuedto", QRect(3960, 4050, 4000, 375));
    TXTIssuedBy = textBox(f, "TXTIssuedBy", QRect(3960, 4530, 4000, 375));
    TXTREMARK = textBox(f, "TXTREMARK", QRect(3960, 5040, 4000, 375));
    CMBACPAy = comboBox(f, "CMBACPAy", QRect(3960, 5520, 1815, 360));
    CMBACPAy->addItems({QStringLiteral("YES"), QStringLiteral("NO")});
    CMBACPAy->setEditText(QStringLiteral("YES"));

    // Written only by code, never typed into: the words of a large amount are longer
    // than the typing limit and must not be cut by it.
    TXTWORD = forms::FormControls::textBox(f, "TXTWORD", QRect(120, 4800, 1200, 375),
                                           forms::controlFont());
    TXTWORD->setText(QStringLiteral("-"));
    TXTWORD->hide();
    TXTCHEQUEDATE = textBox(f, "TXTCHEQUEDATE", QRect(120, 3960, 1200, 375));
    TXTCHEQUEDATE->hide();

    cmdlogin = button(f, "cmdlogin", QStringLiteral("SAVE"), QRect(3960, 6480, 1455, 1095));
    cmdDELET = button(f, "cmdDELET", QStringLiteral("DELETE CHEQUE No"),
                      QRect(6480, 6480, 1455, 1095));

    captionFor(CmbDNumber, QStringLiteral("SN:"), 0, LeftColumnCaptionWidth);
    captionFor(DTP, QStringLiteral("DATE :"), 5280, 780);
    captionFor(cmbBankname, QStringLiteral("BANK NAME :"), 0, LeftColumnCaptionWidth);
    captionFor(cmbbankbranch, QStringLiteral("BANK BRANCH :"), 0, LeftColumnCaptionWidth);
    captionFor(cmbAccountnumber, QStringLiteral("ACCOUNTNUMBER :"), 0, LeftColumnCaptionWidth);
    captionFor(cmbaccountholder, QStringLiteral(" ACCOUNTHOLDER :"), 0, LeftColumnCaptionWidth);
    captionFor(TXTAMOUNT, QStringLiteral("AMOUNT :"), 0, LeftColumnCaptionWidth);
    captionFor(TXTCHNUMBER, QStringLiteral(" CHEQUE NUMBER :"), 0, LeftColumnCaptionWidth);
    captionFor(DTPCHEQUEDATE, QStringLiteral(" CHEQUE DATE :"), 0, LeftColumnCaptionWidth);
    captionFor(TXTChequeIssuedto, QStringLiteral("CHEQUE ISSUED TO :"), 0,
               LeftColumnCaptionWidth);
    captionFor(TXTIssuedBy, QStringLiteral("CHEQUE ISSUED BY :"), 0, LeftColumnCaptionWidth);
    captionFor(TXTREMARK, QStringLiteral("REMARK :"), 0, LeftColumnCaptionWidth);
    captionFor(CMBACPAy, QStringLiteral("A/c PAY ONLY :"), 0, LeftColumnCaptionWidth);

    forms::FormControls::setTabSequence(
        {cmbBankname, cmbbankbranch, cmbAccountnumber, cmbaccountholder, TXTAMOUNT,
         DTPCHEQUEDATE, TXTChequeIssuedto, TXTIssuedBy, TXTREMARK, cmdDELET, cmdlogin,
         TXTCHEQUEDATE, CmbDNumber, DTP, TXTWORD, CMBACPAy, TXTCHNUMBER});
    cmbBankname->setFocus();
}

// A caption, right-aligned, on the control's line and ending to the left of it.
void FRM_BANK::captionFor(QWidget *control, const QString &caption, int left, int width)
{
    const QRect line = control->geometry();
    const QByteArray name = "Label_" + control->objectName().toLatin1();
    QLabel *label = forms::FormControls::label(
        Frame1, name.constData(), caption,
        QRect(left, forms::pixelsToTwips(line.top()), width, forms::pixelsToTwips(line.height())),
        control->font(), Qt::AlignRight | Qt::AlignVCenter);
    // Grey on the frame's own grey: drawn transparent, so the frame's edge stays whole
    // where a caption starts at its left side.
    forms::FormControls::setColours(label, Black);
}

CHEQUECLASS &FRM_BANK::cheque()
{
    return cheque_.get();
}

CalculateClass &FRM_BANK::calculator()
{
    return calculator_.get();
}

// Every step handles its own failures, so one that fails never stops the next.
void FRM_BANK::Form_Load()
{
    forms::placeTopCentre(this);
    Module1::OpenConnection();
    cheque().FillBANKNAME(controls_->cmbBankname);
    cheque().FillBANKBRANCH(controls_->cmbbankbranch);
    cheque().FillACCOUNTNUMBER(controls_->cmbAccountnumber);
    cheque().FillACCOUNTHOLDER(controls_->cmbaccountholder);
    // Selecting the lowest number loads that cheque into the controls.
    cheque().FillChequeNUMBER(controls_->TXTCHNUMBER);
    DTP->setDate(QDate::currentDate());
    DTPCHEQUEDATE->setDate(QDate::currentDate());
    cheque().FillSN(controls_->CmbDNumber);
}

void FRM_BANK::cmdlogin_Click()
{
    // A date still being typed ends here; one that is refused stops the save, whether
    // SAVE was clicked, pressed with Space or reached by Enter.
    if (DTP->typedDateRefused() || DTPCHEQUEDATE->typedDateRefused())
        return;
    TXTCHEQUEDATE->setText(rt::shortDateText(DTPCHEQUEDATE->date()));
    if (CheckChequeEntry())
        return;
    try {
        TXTWORD->setText(calculator().Calculate(wholeRupeeDigits(TXTAMOUNT->text())));
        if (controls_->copy(cheque(), &CHEQUECLASS::AssignToVariable))
            return;
        // A refused cheque stays on the form, so only what was wrong needs changing.
        if (!cheque().InsertIntoCheque())
            return;
        refillNumbers();
        ClearChequeEntry();
    } catch (const rt::RuntimeError &) {
        // Any other failure of the copy stores nothing and leaves the cheque typed.
    }
}

bool FRM_BANK::CheckChequeEntry()
{
    const auto refuse = [](const QString &message) {
        forms::MsgBox(message, forms::vbInformation, ErrorInEntry);
        return true;
    };
    if (cmbBankname->currentText().isEmpty())
        return refuse(QStringLiteral("Please write Bank Name"));
    if (cmbbankbranch->currentText().isEmpty())
        return refuse(QStringLiteral("Please write  Bank Branch"));
    if (cmbAccountnumber->currentText().isEmpty())
        return refuse(QStringLiteral("Please write Account Number"));
    if (cmbaccountholder->currentText().isEmpty())
        return refuse(QStringLiteral("Please write Account Holder"));
    if (const QString refusal = amountRefusal(TXTAMOUNT->text()); !refusal.isEmpty())
        return refuse(refusal);
    if (!chequeNumberIn(TXTCHNUMBER->currentText()))
        return refuse(QStringLiteral("Please write the CHEQUE No in figures"));
    for (QLineEdit *box : {TXTChequeIssuedto, TXTIssuedBy, TXTREMARK}) {
        if (box->text().isEmpty())
            box->setText(QStringLiteral("-"));
    }
    return false;
}

void FRM_BANK::ClearChequeEntry()
{
    TXTAMOUNT->clear();
    TXTCHNUMBER->clearEditText();
    TXTCHEQUEDATE->clear();
    TXTREMARK->clear();
}

// The serials and the cheque numbers after a change of the register; the lowest
// cheque is loaded again by the number list's selection. The cheque date stays as it
// was: the day's next cheque is typed under it, and the lowest cheque's date, months
// old, must not slip onto it unseen.
void FRM_BANK::refillNumbers()
{
    const QDate chequeDate = DTPCHEQUEDATE->date();
    cheque().FillSN(controls_->CmbDNumber);
    cheque().FillChequeNUMBER(controls_->TXTCHNUMBER);
    DTPCHEQUEDATE->setDate(chequeDate);
}

void FRM_BANK::cmdDELET_Click()
{
    const int answer =
        forms::MsgBox(QStringLiteral("Do you need to Delete Data of Cheque No : ")
                          + TXTCHNUMBER->currentText(),
                      forms::vbYesNo, QStringLiteral("?"));
    if (answer == forms::vbNo)
        return;
    cheque().DELETEChequeNumber(controls_->TXTCHNUMBER);
    refillNumbers();
    ClearChequeEntry();
}

void FRM_BANK::TXTCHNUMBER_Click()
{
    // The list holds only numbers; a failure here must not escape into the event loop.
    const std::optional<double> chequeNumber = chequeNumberIn(TXTCHNUMBER->currentText());
    if (!chequeNumber)
        return;
    cheque().FindChequeDETAILAsPerChNo(*chequeNumber);
    controls_->copy(cheque(), &CHEQUECLASS::AssigntToOBJECT);
    // The save takes the cheque date from " CHEQUE DATE :", so a cheque picked from the
    // list shows its own there; a stored text that is no date leaves the picker as it was.
    try {
        DTPCHEQUEDATE->setDate(rt::dateFromShortText(ModuleData::ChequeRecord().CHEQUEDATE));
    } catch (const rt::RuntimeError &) {
    }
}

// SAVE is the default button: Enter presses it, unless the focus is on another button,
// which Enter then presses instead. The key arrives here when the control that has the
// focus leaves it alone: an open list keeps its Enter to pick an item.
void FRM_BANK::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        forms::Form::keyPressEvent(event);
        return;
    }
    auto *focusedButton = qobject_cast<QPushButton *>(focusWidget());
    (focusedButton ? focusedButton : cmdlogin)->click();
}

void FRM_BANK::Form_Unload()
{
    Module1::CloseSharedConnection();
}
