#include "cheque/ChequeForm.h"

#include "cheque/CHEQUECLASS.h"
#include "cheque/ModuleData.h"
#include "platform/forms/Figures.h"
#include "platform/forms/KeyFilter.h"
#include "platform/forms/MessageBox.h"
#include "platform/forms/Twips.h"
#include "platform/forms/TwipsLabel.h"
#include "platform/printer/Printer.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/RuntimeError.h"

#include <QFrame>

namespace {

using Look = forms::TwipsLabel::Look;

const QColor White(255, 255, 255);
const QColor Red192(192, 0, 0);

Look look(const char *fontName, double fontSize, const QColor &foreColor = Qt::black,
          Qt::Alignment alignment = Qt::AlignLeft)
{
    return {QString::fromLatin1(fontName), fontSize, true, foreColor, White, alignment};
}

const Look SansSmall = look("MS Sans Serif", 8.25);
const Look Sans = look("MS Sans Serif", 9.75);
const Look Verdana = look("Verdana", 9.75);

QString underscores(int count)
{
    return QString(count, QLatin1Char('_'));
}

} // namespace

// Made from the bottom of the stacking order up, so that each label lies above the
// ones made before it.
ChequeForm::ChequeForm(QWidget *parent) : forms::Form(parent)
{
    setObjectName(QStringLiteral("ChequeForm"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, White);
    setPalette(colours);
    setAutoFillBackground(true);
    forms::setClientSizeTwips(this, 12060, 5490);

    auto label = [this](const char *name, const QString &caption, const QRectF &twips,
                        const Look &look) {
        auto *made = new forms::TwipsLabel(this, name, caption, twips, look);
        stack_.append(made);
        return made;
    };
    // The white picture of the design: a white area beneath every label.
    Image1 = label("Image1", QString(), QRectF(480, 480, 8505, 3825), Sans);
    lblacpay = label("lblacpay", QStringLiteral("A\\C Pay Only"), QRectF(120, 120, 1455, 255),
                     look("MS Sans Serif", 8.25, Red192));
    lblDate = label("lblDate", QStringLiteral("Date :"), QRectF(9360, 240, 495, 255), Verdana);
    lblDMY = label("lblDMY", QStringLiteral("Date"), QRectF(9960, 240, 1455, 255), Verdana);
    lblPay = label("lblPay", QStringLiteral("Pay"), QRectF(2640, 720, 495, 255), Sans);
    lblName = label("lblName", underscores(68), QRectF(3240, 720, 8415, 255), Sans);
    lblName1 = label("lblName1", underscores(77), QRectF(240, 1080, 9255, 255), Sans);
    lblOrBearer = label("lblOrBearer", QStringLiteral("Or Bearer"),
                        QRectF(9600, 1080, 2055, 255), Sans);
    lblRu = label("lblRu", QStringLiteral("Rupees"), QRectF(240, 1560, 1095, 375), Sans);
    lblRupee = label("lblRupee", underscores(51), QRectF(2520, 1560, 6255, 375), Sans);
    lblRupee1 = label("lblRupee1", underscores(70), QRectF(240, 1920, 8895, 255), Sans);
    Shape1 = forms::newRectangleShape(this, "Shape1", QRect(240, 2280, 3735, 375));
    Line1 = forms::newLine(this, "Line1", QPoint(1200, 2280), QPoint(1200, 2640));
    lblac = label("lblac", QStringLiteral("A/c. No."), QRectF(285, 2340, 855, 255), SansSmall);
    lblaccountN = label("lblaccountN", QStringLiteral("A/c. No."), QRectF(1440, 2340, 2295, 255),
                        SansSmall);
    Shape2 = forms::newRectangleShape(this, "Shape2", QRect(8760, 1560, 3015, 495));
    lblR = label("lblR", QStringLiteral("Rs."), QRectF(8880, 1680, 375, 255), Verdana);
    lblRs = label("lblRs", QStringLiteral("Rs."), QRectF(9360, 1680, 1815, 255), Verdana);
    lblSign = label("lblSign", QStringLiteral("Sign"), QRectF(5760, 3960, 5655, 255),
                    look("MS Sans Serif", 8.25, Qt::black, Qt::AlignRight));
    lblBankName = label("lblBankName", QStringLiteral("Bank  Name"), QRectF(240, 3120, 5055, 1455),
                        look("MS Sans Serif", 12));
    lblBankName->hide();

    fields_ = std::make_unique<ChequeFieldLabels>(std::array<forms::TwipsLabel *, 7>{
        lblacpay, lblDMY, lblName, lblRupee, lblRs, lblaccountN, lblSign});
    new forms::KeyPreview(this);
}

ChequeForm::~ChequeForm() = default;

void ChequeForm::Form_Load()
{
    try {
        forms::placeTopCentre(this);
        FillChequeFace();
        setDistance();
        clearPreprintedParts();
        printer::Printer &printer = printer::Printer::instance();
        printer.setOrientation(ModuleData::PrintOrientation());
        printer.PrintForm(*this);
        printer.EndDoc();
        Unload();
    } catch (const rt::RuntimeError &error) {
        forms::MsgBox(error.Description());
        Unload();
    }
}

// The profile's positions are whole twips; the labels take them as single-precision
// numbers.
void ChequeForm::setDistance()
{
    const LayoutProfileData &profile = ModuleData::LayoutProfile();
    ChequeFieldLabels::Positions positions;
    for (std::size_t position = 0; position < positions.size(); ++position)
        positions[position] = profile.*LayoutProfilePositions[position].field;
    fields_->place(positions);
}

QList<printer::PrintableLabel> ChequeForm::printableLabels() const
{
    QList<printer::PrintableLabel> labels;
    for (const forms::TwipsLabel *label : stack_)
        labels.append(label->printable());
    return labels;
}

QSizeF ChequeForm::clientSizeTwips() const
{
    return QSizeF(forms::pixelsToTwips(width()), forms::pixelsToTwips(height()));
}

QString ChequeForm::printJobName() const
{
    const double chequeNumber = ModuleData::ChequeRecord().CHEQUENUMBER;
    return QStringLiteral("Cheque_") + rt::generalNumberText(chequeNumber);
}

// The register's row for the current cheque; when the lookup fails (and reports it),
// the face prints what the current cheque holds.
void ChequeForm::FillChequeFace()
{
    const double chequeNumber = ModuleData::ChequeRecord().CHEQUENUMBER;
    cheque().FindChequeDETAIL(chequeNumber);
    fields_->showCheque(ModuleData::ChequeRecord());
}

// The leaf carries its own captions, boxes and line; the face prints only the fields.
void ChequeForm::clearPreprintedParts()
{
    for (forms::TwipsLabel *caption : {lblDate, lblName1, lblOrBearer, lblPay, lblRu, lblRupee1})
        caption->clear();
    Shape1->hide();
    for (forms::TwipsLabel *caption : {lblR, lblac, lblBankName})
        caption->clear();
    lblSign->hide();
    Shape2->hide();
    Line1->hide();
}

CHEQUECLASS &ChequeForm::cheque()
{
    return cheque_.get();
}
