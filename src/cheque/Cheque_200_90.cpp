#include "cheque/Cheque_200_90.h"

#include "cheque/CHEQUECLASS.h"
#include "cheque/ChequeForm.h"
#include "cheque/ModuleData.h"
#include "data/Module1.h"
#include "platform/forms/ControlFont.h"
#include "platform/forms/DataGrid.h"
#include "platform/forms/Figures.h"
#include "platform/forms/FormControls.h"
#include "platform/forms/KeyFilter.h"
#include "platform/forms/MessageBox.h"
#include "platform/forms/Twips.h"
#include "platform/forms/TwipsLabel.h"
#include "platform/forms/WidgetControls.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/RuntimeError.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QRadioButton>
#include <QStatusBar>
#include <algorithm>

namespace {

constexpr double Step = 40;
// Two boxes to a field: its Left and its Top.
constexpr std::size_t PositionBoxes = 2 * ChequeFieldLabels::Count;

const QColor Grey(224, 224, 224);
const QColor Red(255, 0, 0);
const QColor LightGreen(128, 255, 128);

const QString ChequeListQuery = QStringLiteral(
    "Select CHEQUENUMBER as Ch_No,AMOUNT,CHEQUEISSUEDTO as Issued_To from chequetable");

const QStringList HelpLines = {
    QStringLiteral("Select Cheque No to Print"),
    QStringLiteral("Select Portrait / Landscape"),
    QStringLiteral("Click Set Default if you are satify with default alignment"),
    QStringLiteral("If not satisfy with default alignment then Shift Left / Right / Up / Down"),
    QStringLiteral("After adjustment Write some Custom Name"),
    QStringLiteral("Click Save customised"),
    QStringLiteral("Now Select Custom Name and click Adjust Distance"),
    QStringLiteral("If you are safisfy then at last click Print"),
};

QFont defaultFont()
{
    return forms::formFont(QStringLiteral("MS Sans Serif"), 8.25);
}

// The frames' captions, buttons and boxes are drawn in the form's bold face.
QLabel *label(QWidget *container, const char *name, const QString &caption, const QRect &twips,
              Qt::Alignment alignment = Qt::AlignLeft)
{
    return forms::FormControls::label(container, name, caption, twips, forms::controlFont(),
                                      alignment | Qt::AlignTop);
}

QPushButton *button(QWidget *container, const char *name, const QString &caption,
                    const QRect &twips, const QString &toolTip = QString())
{
    QPushButton *made =
        forms::FormControls::button(container, name, caption, twips, forms::controlFont());
    made->setToolTip(toolTip);
    return made;
}

// The downward buttons carry no caption; an arrow shows which way they move a field.
QPushButton *downwardButton(QWidget *container, const char *name, const QRect &twips,
                            const QString &toolTip = QString())
{
    QPushButton *down = button(container, name, QString(), twips, toolTip);
    down->setIcon(down->style()->standardIcon(QStyle::SP_ArrowDown));
    return down;
}

QLineEdit *positionBox(QWidget *container, const char *name, int left, int top)
{
    return forms::FormControls::textBox(container, name, QRect(left, top, 735, 285),
                                        forms::controlFont());
}

void refusePosition(int box)
{
    forms::MsgBox(QStringLiteral("The %1 box of \"%2\" must hold a number from -32768 to 32767")
                      .arg(box % 2 == 0 ? QStringLiteral("Left") : QStringLiteral("Top"),
                           ChequeFieldLabels::name(box / 2)),
                  forms::vbInformation, QStringLiteral("Wrong Entry"));
}

// The boxes as controls the profile copies read and write.
std::array<forms::TextBoxControl, PositionBoxes> controlsOf(
    const std::array<QLineEdit *, PositionBoxes> &boxes)
{
    return {forms::TextBoxControl(boxes[0]),  forms::TextBoxControl(boxes[1]),
            forms::TextBoxControl(boxes[2]),  forms::TextBoxControl(boxes[3]),
            forms::TextBoxControl(boxes[4]),  forms::TextBoxControl(boxes[5]),
            forms::TextBoxControl(boxes[6]),  forms::TextBoxControl(boxes[7]),
            forms::TextBoxControl(boxes[8]),  forms::TextBoxControl(boxes[9]),
            forms::TextBoxControl(boxes[10]), forms::TextBoxControl(boxes[11]),
            forms::TextBoxControl(boxes[12]), forms::TextBoxControl(boxes[13])};
}

// A control of the form by name and member.
template <class Control>
struct Named {
    const char *name;
    Control *Cheque_200_90::*member;
};

// The controls of one row of the alignment frame.
struct AlignmentRow {
    Named<QLabel> caption;
    Named<QLineEdit> left;
    Named<QPushButton> less;
    Named<QPushButton> more;
    Named<QLineEdit> top;
    Named<QPushButton> down;
    Named<QPushButton> up;
};

using F = Cheque_200_90;
const std::array<AlignmentRow, ChequeFieldLabels::Count> AlignmentRows = {{
    {{"Label3", &F::Label3}, {"xpay", &F::xpay}, {"Command15", &F::Command15},
     {"Command16", &F::Command16}, {"ypay", &F::ypay}, {"Command1", &F::Command1},
     {"Command2", &F::Command2}},
    {{"Label4", &F::Label4}, {"xdate", &F::xdate}, {"Command17", &F::Command17},
     {"Command18", &F::Command18}, {"ydate", &F::ydate}, {"Command3", &F::Command3},
     {"Command4", &F::Command4}},
    {{"Label5", &F::Label5}, {"xname", &F::xname}, {"Command19", &F::Command19},
     {"Command20", &F::Command20}, {"yname", &F::yname}, {"Command5", &F::Command5},
     {"Command6", &F::Command6}},
    {{"Label6", &F::Label6}, {"xrsword", &F::xrsword}, {"Command21", &F::Command21},
     {"Command22", &F::Command22}, {"yrsword", &F::yrsword}, {"Command7", &F::Command7},
     {"Command8", &F::Command8}},
    {{"Label7", &F::Label7}, {"xrsno", &F::xrsno}, {"Command23", &F::Command23},
     {"Command24", &F::Command24}, {"yrsno", &F::yrsno}, {"Command9", &F::Command9},
     {"Command10", &F::Command10}},
    {{"Label8", &F::Label8}, {"xacno", &F::xacno}, {"Command25", &F::Command25},
     {"Command26", &F::Command26}, {"yacno", &F::yacno}, {"Command11", &F::Command11},
     {"Command12", &F::Command12}},
    {{"Label9", &F::Label9}, {"xsign", &F::xsign}, {"Command27", &F::Command27},
     {"Command28", &F::Command28}, {"ysign", &F::ysign}, {"Command13", &F::Command13},
     {"Command14", &F::Command14}},
}};

} // namespace

Cheque_200_90::Cheque_200_90(QWidget *parent) : forms::Form(parent)
{
    setObjectName(QStringLiteral("Cheque_200_90"));
    setWindowTitle(QStringLiteral("Cheque"));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Grey);
    setPalette(colours);
    setAutoFillBackground(true);
    forms::setClientSizeTwips(this, 15270, 8550);

    buildPreview();
    buildAlignmentFrame();
    buildChequeFrame();
    cmdHelp = button(this, "cmdHelp", QStringLiteral("Help"), QRect(14640, 120, 615, 480),
                     QStringLiteral("To Shift Up"));
    forms::FormControls::setColours(cmdHelp, Qt::black, LightGreen);
    buildStatusLine();
    connectHandlers();
    new forms::KeyPreview(this);
}

Cheque_200_90::~Cheque_200_90() = default;

// Made from the bottom of the stacking order up; the frames and buttons made after the
// preview lie above it.
void Cheque_200_90::buildPreview()
{
    // The preview is made from the bank's name down, and a few of its parts are cut to
    // the narrower leaf the layout form shows.
    const ChequeFaceStyle preview{Grey,
                                  true,
                                  {{"lblBankName", QRectF(240, 3120, 5055, 1335)},
                                   {"Shape2", QRectF(8760, 1560, 2775, 495)},
                                   {"lblRupee1", QRectF(240, 1920, 8175, 255)},
                                   {"lblRupee", QRectF(2520, 1560, 5895, 375)},
                                   {"lblDMY", QRectF(9960, 240, 1695, 255)}}};
    buildChequeFace(this, *this, preview);

    fields_ = std::make_unique<ChequeFieldLabels>(fieldLabels());
}

void Cheque_200_90::buildAlignmentFrame()
{
    Frame2 = forms::FormControls::place(new QGroupBox(QStringLiteral("Alignment"), this),
                                        "Frame2", QRect(6720, 4560, 8415, 3975), defaultFont());

    Label2 = label(Frame2, "Label2", QStringLiteral("Custom Name :"), QRect(120, 300, 1815, 255),
                   Qt::AlignRight);
    cmbcustomname = forms::FormControls::comboBox(Frame2, "cmbcustomname",
                                                  QRect(2040, 240, 3615, 360),
                                                  forms::controlFont());
    cmbcustomname->setToolTip(
        QStringLiteral("Select Custome Alignment Name and then clcik Adjust Distance"));
    Label10 = label(Frame2, "Label10", QStringLiteral("Left :"), QRect(2160, 600, 495, 255));
    Label11 = label(Frame2, "Label11", QStringLiteral("Top :"), QRect(4080, 600, 495, 255));

    // One row per field, 360 twips apart: its caption, the Left box with "<" and ">",
    // the Top box with the downward button (no caption) and "^".
    for (std::size_t field = 0; field < AlignmentRows.size(); ++field) {
        const AlignmentRow &row = AlignmentRows[field];
        const int top = 960 + 360 * static_cast<int>(field);
        const QString caption = QString::fromLatin1(ChequeFieldLabels::RowCaptions[field]);
        this->*row.caption.member =
            label(Frame2, row.caption.name, caption, QRect(120, top, 1815, 255), Qt::AlignRight);
        this->*row.left.member = positionBox(Frame2, row.left.name, 2040, top);
        this->*row.less.member =
            button(Frame2, row.less.name, QStringLiteral("<"), QRect(2880, top, 375, 255));
        this->*row.more.member =
            button(Frame2, row.more.name, QStringLiteral(">"), QRect(3360, top, 375, 255));
        this->*row.top.member = positionBox(Frame2, row.top.name, 3960, top);
        this->*row.down.member = downwardButton(Frame2, row.down.name, QRect(4800, top, 375, 255));
        this->*row.up.member =
            button(Frame2, row.up.name, QStringLiteral("^"), QRect(5280, top, 375, 255));
    }
    forms::setTwipsGeometry(yrsno, 3960, 2400, 735, 360);
    writeDefaultPositions();

    cmdAllleft = button(Frame2, "cmdAllleft", QStringLiteral("<"), QRect(2880, 3480, 375, 255),
                        QStringLiteral("To Shift Left"));
    cmdAlRight = button(Frame2, "cmdAlRight", QStringLiteral(">"), QRect(3360, 3480, 375, 255),
                        QStringLiteral("To Shift Right"));
    cmdAlDown = downwardButton(Frame2, "cmdAlDown", QRect(4800, 3480, 375, 255),
                               QStringLiteral("To Shift Down"));
    cmdAlUp = button(Frame2, "cmdAlUp", QStringLiteral("^"), QRect(5280, 3480, 375, 255),
                     QStringLiteral("To Shift Up"));
    // Graphical buttons, each drawn in a colour of its own.
    for (QPushButton *allFields : {cmdAllleft, cmdAlRight, cmdAlDown, cmdAlUp})
        forms::FormControls::setColours(allFields, Qt::black, Red);

    cmdadjust = button(Frame2, "cmdadjust", QStringLiteral("Adjust Distance"),
                       QRect(5880, 233, 2415, 375),
                       QStringLiteral("Select Custome Name Like SBI, PNB, AXIS, ICICI etc"));
    cmdDefault = button(Frame2, "cmdDefault", QStringLiteral("Set Default"),
                        QRect(5880, 960, 2415, 495),
                        QStringLiteral("Click to adjust Default Alignment"));
    cmdCustom = button(Frame2, "cmdCustom", QStringLiteral("Set Customised"),
                       QRect(5880, 1560, 2415, 495), QStringLiteral("Adjust values and click"));
    cmdsave = button(Frame2, "cmdsave", QStringLiteral("Save Customised"),
                     QRect(5880, 2160, 2415, 495),
                     QStringLiteral("Write Custom name of Alignment, Adjust alignment values "
                                    "and clcik to save values"));
    Cmddelcustom = button(Frame2, "Cmddelcustom", QStringLiteral("Delete Custom Name"),
                          QRect(5880, 2760, 2415, 495),
                          QStringLiteral("Select Custom Name and click to delete custom values"));

    // Picking a profile name applies nothing: "Adjust Distance" does.
    profileName_ = std::make_unique<forms::ComboBoxControl>(cmbcustomname);
}

void Cheque_200_90::buildChequeFrame()
{
    Frame1 = forms::FormControls::place(new QGroupBox(this), "Frame1",
                                        QRect(0, 4560, 6615, 3975), defaultFont());

    Label1 = label(Frame1, "Label1", QStringLiteral("Select Cheque No :"),
                   QRect(120, 120, 2175, 375));
    cmbcheque = forms::FormControls::comboBox(Frame1, "cmbcheque", QRect(2160, 120, 1335, 360),
                                              forms::controlFont());
    chequeList_ =
        std::make_unique<forms::ComboBoxControl>(cmbcheque, [this] { cmbcheque_Click(); });

    OptP = forms::FormControls::optionButton(Frame1, "OptP", QStringLiteral("Portrait"),
                                             QRect(3600, 120, 855, 195), defaultFont());
    OptL = forms::FormControls::optionButton(Frame1, "OptL", QStringLiteral("Landscape"),
                                             QRect(3600, 360, 1335, 195), defaultFont());
    OptP->setChecked(true);

    cmdPrint = button(Frame1, "cmdPrint", QStringLiteral("Print"), QRect(5040, 120, 1455, 375),
                      QStringLiteral("Select Cheque Number, Select Custom alignment Name, Select "
                                     "Portrait or Landscape then click Print to print Cheque"));
    DG = forms::FormControls::place(new forms::DataGrid(Frame1), "DG",
                                    QRect(120, 600, 6375, 3015), forms::controlFont());
}

// The client area keeps the design's size; the form grows by the status line.
void Cheque_200_90::buildStatusLine()
{
    statusLine = new QStatusBar(this);
    statusLine->setObjectName(QStringLiteral("statusLine"));
    statusLine->setSizeGripEnabled(false);
    const int designHeight = height();
    statusLine->setGeometry(0, designHeight, width(), statusLine->sizeHint().height());
    setFixedSize(width(), designHeight + statusLine->height());
}

void Cheque_200_90::connectHandlers()
{
    const std::pair<QPushButton *, void (Cheque_200_90::*)()> handlers[] = {
        {Command1, &Cheque_200_90::Command1_Click},
        {Command2, &Cheque_200_90::Command2_Click},
        {Command3, &Cheque_200_90::Command3_Click},
        {Command4, &Cheque_200_90::Command4_Click},
        {Command5, &Cheque_200_90::Command5_Click},
        {Command6, &Cheque_200_90::Command6_Click},
        {Command7, &Cheque_200_90::Command7_Click},
        {Command8, &Cheque_200_90::Command8_Click},
        {Command9, &Cheque_200_90::Command9_Click},
        {Command10, &Cheque_200_90::Command10_Click},
        {Command11, &Cheque_200_90::Command11_Click},
        {Command12, &Cheque_200_90::Command12_Click},
        {Command13, &Cheque_200_90::Command13_Click},
        {Command14, &Cheque_200_90::Command14_Click},
        {Command15, &Cheque_200_90::Command15_Click},
        {Command16, &Cheque_200_90::Command16_Click},
        {Command17, &Cheque_200_90::Command17_Click},
        {Command18, &Cheque_200_90::Command18_Click},
        {Command19, &Cheque_200_90::Command19_Click},
        {Command20, &Cheque_200_90::Command20_Click},
        {Command21, &Cheque_200_90::Command21_Click},
        {Command22, &Cheque_200_90::Command22_Click},
        {Command23, &Cheque_200_90::Command23_Click},
        {Command24, &Cheque_200_90::Command24_Click},
        {Command25, &Cheque_200_90::Command25_Click},
        {Command26, &Cheque_200_90::Command26_Click},
        {Command27, &Cheque_200_90::Command27_Click},
        {Command28, &Cheque_200_90::Command28_Click},
        {cmdAllleft, &Cheque_200_90::cmdAllleft_Click},
        {cmdAlRight, &Cheque_200_90::cmdAlRight_Click},
        {cmdAlDown, &Cheque_200_90::cmdAlDown_Click},
        {cmdAlUp, &Cheque_200_90::cmdAlUp_Click},
        {cmdadjust, &Cheque_200_90::cmdadjust_Click},
        {cmdDefault, &Cheque_200_90::cmdDefault_Click},
        {cmdCustom, &Cheque_200_90::cmdCustom_Click},
        {cmdsave, &Cheque_200_90::cmdsave_Click},
        {Cmddelcustom, &Cheque_200_90::Cmddelcustom_Click},
        {cmdPrint, &Cheque_200_90::cmdPrint_Click},
        {cmdHelp, &Cheque_200_90::cmdHelp_Click},
    };
    for (const auto &[control, handler] : handlers)
        connect(control, &QPushButton::clicked, this, handler);
    // Typing in the cheque box; a pick from its list is its Click.
    connect(cmbcheque->lineEdit(), &QLineEdit::textEdited, this, &Cheque_200_90::cmbcheque_Change);
}

void Cheque_200_90::Form_Load()
{
    forms::placeTopCentre(this);
    Module1::OpenConnection();
    cheque().FillChequeNUMBER(*chequeList_);
    cheque().FillDataName(*profileName_);
    cheque().ShowData(ChequeListQuery, *this, QStringLiteral("DG"));
}

void Cheque_200_90::Form_Unload()
{
    Module1::CloseSharedConnection();
}

void Cheque_200_90::setDistance()
{
    if (const std::optional<Positions> positions = positionsIn(positionTexts()))
        placeLabels(*positions);
}

void Cheque_200_90::cmdCustom_Click()
{
    setDistance();
}

void Cheque_200_90::cmdDefault_Click()
{
    writeDefaultPositions();
    setDistance();
}

void Cheque_200_90::Command1_Click() { nudge({ypay}, Step); }
void Cheque_200_90::Command2_Click() { nudge({ypay}, -Step); }
void Cheque_200_90::Command3_Click() { nudge({ydate}, Step); }
void Cheque_200_90::Command4_Click() { nudge({ydate}, -Step); }
void Cheque_200_90::Command5_Click() { nudge({yname}, Step); }
void Cheque_200_90::Command6_Click() { nudge({yname}, -Step); }
void Cheque_200_90::Command7_Click() { nudge({yrsword}, Step); }
void Cheque_200_90::Command8_Click() { nudge({yrsword}, -Step); }
void Cheque_200_90::Command9_Click() { nudge({yrsno}, Step); }
void Cheque_200_90::Command10_Click() { nudge({yrsno}, -Step); }
void Cheque_200_90::Command11_Click() { nudge({yacno}, Step); }
void Cheque_200_90::Command12_Click() { nudge({yacno}, -Step); }
void Cheque_200_90::Command13_Click() { nudge({ysign}, Step); }
void Cheque_200_90::Command14_Click() { nudge({ysign}, -Step); }
void Cheque_200_90::Command15_Click() { nudge({xpay}, -Step); }
void Cheque_200_90::Command16_Click() { nudge({xpay}, Step); }
void Cheque_200_90::Command17_Click() { nudge({xdate}, -Step); }
void Cheque_200_90::Command18_Click() { nudge({xdate}, Step); }
void Cheque_200_90::Command19_Click() { nudge({xname}, -Step); }
void Cheque_200_90::Command20_Click() { nudge({xname}, Step); }
void Cheque_200_90::Command21_Click() { nudge({xrsword}, -Step); }
void Cheque_200_90::Command22_Click() { nudge({xrsword}, Step); }
void Cheque_200_90::Command23_Click() { nudge({xrsno}, -Step); }
void Cheque_200_90::Command24_Click() { nudge({xrsno}, Step); }
void Cheque_200_90::Command25_Click() { nudge({xacno}, -Step); }
void Cheque_200_90::Command26_Click() { nudge({xacno}, Step); }
void Cheque_200_90::Command27_Click() { nudge({xsign}, -Step); }
void Cheque_200_90::Command28_Click() { nudge({xsign}, Step); }

void Cheque_200_90::cmdAllleft_Click()
{
    nudge({xpay, xdate, xname, xrsword, xrsno, xacno, xsign}, -Step);
}

void Cheque_200_90::cmdAlRight_Click()
{
    nudge({xpay, xdate, xname, xrsword, xrsno, xacno, xsign}, Step);
}

void Cheque_200_90::cmdAlDown_Click()
{
    nudge({ypay, ydate, yname, yrsword, yrsno, yacno, ysign}, Step);
}

void Cheque_200_90::cmdAlUp_Click()
{
    nudge({ypay, ydate, yname, yrsword, yrsno, yacno, ysign}, -Step);
}

// Positions that could not be stored are refused before anything is copied, so the
// boxes, the preview and both records stay as they were.
void Cheque_200_90::cmdsave_Click()
{
    if (cmbcustomname->currentText().isEmpty()) {
        forms::MsgBox(QStringLiteral("Please write Custom Name"), forms::vbOKCancel,
                      QStringLiteral("Wrong Entry"));
        return;
    }
    if (!positionsIn(positionTexts()))
        return;
    std::array<forms::TextBoxControl, PositionBoxes> boxes = controlsOf(positionBoxes());
    cheque().AssignToVariableDATA(*profileName_, boxes[0], boxes[1], boxes[2], boxes[3], boxes[4],
                                  boxes[5], boxes[6], boxes[7], boxes[8], boxes[9], boxes[10],
                                  boxes[11], boxes[12], boxes[13]);
    cheque().InsertIntoDATAX();
    cheque().FillDataName(*profileName_);
}

void Cheque_200_90::cmdadjust_Click()
{
    cheque().FindDataDETAIL(cmbcustomname->currentText());
    std::array<forms::TextBoxControl, PositionBoxes> boxes = controlsOf(positionBoxes());
    cheque().AssigntToOBJECTDATA(boxes[0], boxes[1], boxes[2], boxes[3], boxes[4], boxes[5],
                                 boxes[6], boxes[7], boxes[8], boxes[9], boxes[10], boxes[11],
                                 boxes[12], boxes[13]);
    setDistance();
}

void Cheque_200_90::Cmddelcustom_Click()
{
    try {
        if (forms::MsgBox(QStringLiteral("Do you need to Delete data"), forms::vbYesNo,
                          QStringLiteral("?"))
            == forms::vbNo)
            return;
        cheque().DELETEDataDetail(cmbcustomname->currentText());
        cheque().FillDataName(*profileName_);
    } catch (const rt::RuntimeError &) {
        // Deliberately silent: the delete reports its own failures to the user.
    }
}

void Cheque_200_90::cmbcheque_Click()
{
    LoadChequeIntoPreview();
}

void Cheque_200_90::cmbcheque_Change()
{
    LoadChequeIntoPreview();
}

// Prints the profile saved under the name in the profile box (or, when there is none,
// the profile loaded or saved last), not what the boxes show. The cheque is the one the
// cheque box names and the preview shows, not whichever another window made current.
void Cheque_200_90::cmdPrint_Click()
{
    statusLine->clearMessage();
    ModuleData::PrintOrientation() = OptP->isChecked() ? 1 : 2;
    cheque().FindDataDETAIL(cmbcustomname->currentText());
    if (!loadChequeToPrint())
        return;
    try {
        // The face prints and unloads itself while it loads: the modal show ends there.
        QPointer<ChequeForm> face = new ChequeForm;
        connect(face, &ChequeForm::printedToPdf, this, &Cheque_200_90::showWherePdfWent);
        face->Form_Load();
        delete face;
    } catch (const rt::RuntimeError &) {
        // Deliberately silent: the face reports its own failures to the user.
    }
}

// A job sent to a printer needs no word, and a failure has shown its own box.
void Cheque_200_90::showWherePdfWent(const QString &path)
{
    statusLine->showMessage(QStringLiteral("No printer: the cheque went to %1").arg(path));
}

void Cheque_200_90::cmdHelp_Click()
{
    forms::MsgBox(HelpLines.join(QStringLiteral("\r\n")));
}

// An empty box is not yet a number to look up.
void Cheque_200_90::LoadChequeIntoPreview()
{
    if (cmbcheque->currentText().isEmpty())
        return;
    const std::optional<double> chequeNumber = chequeNumberInBox();
    if (!chequeNumber)
        return;
    cheque().FindChequeDETAIL(*chequeNumber);
    fields_->showCheque(ModuleData::ChequeRecord());
    setDistance();
}

// The cheque of the box, read afresh from the register, becomes the current one and the
// preview shows it. When there is none to print, the preview is left as it was.
bool Cheque_200_90::loadChequeToPrint()
{
    if (cmbcheque->currentText().isEmpty()) {
        forms::MsgBox(QStringLiteral("Select Cheque No to Print"), forms::vbInformation,
                      QStringLiteral("Wrong Entry"));
        return false;
    }
    const std::optional<double> chequeNumber = chequeNumberInBox();
    if (!chequeNumber || !cheque().FindChequeDETAIL(*chequeNumber))
        return false;
    fields_->showCheque(ModuleData::ChequeRecord());
    return true;
}

// A box that holds no number is refused with a message.
std::optional<double> Cheque_200_90::chequeNumberInBox()
{
    try {
        return rt::textToDouble(cmbcheque->currentText());
    } catch (const rt::RuntimeError &) {
        forms::MsgBox(QStringLiteral("Write the cheque number in figures"), forms::vbInformation,
                      QStringLiteral("Wrong Entry"));
        return std::nullopt;
    }
}

// Moves the given boxes by a step and places the labels, unless a box would then not
// hold a position: nothing moves then.
void Cheque_200_90::nudge(std::initializer_list<QLineEdit *> boxes, double step)
{
    QStringList texts = positionTexts();
    const std::optional<Positions> current = positionsIn(texts);
    if (!current)
        return;
    const auto all = positionBoxes();
    for (QLineEdit *box : boxes) {
        const auto index = std::find(all.begin(), all.end(), box) - all.begin();
        texts[index] = rt::generalNumberText((*current)[index] + step);
    }
    const std::optional<Positions> moved = positionsIn(texts);
    if (!moved)
        return;
    for (std::size_t box = 0; box < all.size(); ++box)
        all[box]->setText(texts[box]);
    placeLabels(*moved);
}

// The boxes' design texts are the defaults too: those a profile starts with.
void Cheque_200_90::writeDefaultPositions()
{
    const LayoutProfileData defaults;
    const auto boxes = positionBoxes();
    for (std::size_t box = 0; box < boxes.size(); ++box)
        boxes[box]->setText(QString::number(defaults.*LayoutProfilePositions[box].field));
}

std::array<QLineEdit *, 2 * ChequeFieldLabels::Count> Cheque_200_90::positionBoxes() const
{
    return {xpay, ypay, xdate, ydate, xname, yname, xrsword, yrsword,
            xrsno, yrsno, xacno, yacno, xsign, ysign};
}

QStringList Cheque_200_90::positionTexts() const
{
    QStringList texts;
    for (const QLineEdit *box : positionBoxes())
        texts.append(box->text());
    return texts;
}

// A position is a number that a layout profile can store: within -32768..32767 once
// rounded to whole twips. The first box that holds none is named to the user.
std::optional<Cheque_200_90::Positions> Cheque_200_90::positionsIn(const QStringList &texts)
{
    Positions positions;
    for (int box = 0; box < texts.size(); ++box) {
        try {
            positions[box] = rt::textToDouble(texts[box]);
            rt::toInteger(positions[box]);
        } catch (const rt::RuntimeError &) {
            refusePosition(box);
            return std::nullopt;
        }
    }
    return positions;
}

// The labels take the positions as single-precision numbers of twips, unclamped.
void Cheque_200_90::placeLabels(const Positions &positions)
{
    ChequeFieldLabels::Positions single;
    for (std::size_t position = 0; position < positions.size(); ++position)
        single[position] = static_cast<float>(positions[position]);
    fields_->place(single);
}

CHEQUECLASS &Cheque_200_90::cheque()
{
    return cheque_.get();
}
