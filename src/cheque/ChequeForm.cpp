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

const QColor White(255, 255, 255);

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

    // The white picture of the design: a white area beneath every label.
    Image1 = new forms::TwipsLabel(this, "Image1", QString(), QRectF(480, 480, 8505, 3825),
                                   {QStringLiteral("MS Sans Serif"), 9.75, true, Qt::black, White});
    stack_ = {Image1};
    stack_.append(buildChequeFace(this, *this, {White, false, {}}));
    lblBankName->hide();

    fields_ = std::make_unique<ChequeFieldLabels>(fieldLabels());
    new forms::KeyPreview(this);
}

ChequeForm::~ChequeForm() = default;

void ChequeForm::Form_Load()
{
    try {
        forms::placeTopCentre(this);
        if (!FillChequeFace()) {
            Unload();
            return;
        }
        setDistance();
        clearPreprintedParts();
        printer::Printer &printer = printer::Printer::instance();
        printer.setOrientation(ModuleData::PrintOrientation());
        printer.PrintForm(*this);
        const QString pdf = printer.EndDoc();
        if (!pdf.isEmpty())
            emit printedToPdf(pdf);
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

// The register's row for the current cheque. A cheque the register does not hold (none
// loaded yet, or deleted meanwhile) is not filled in: after the lookup has said why, no
// leaf is spent on empty or stale values.
bool ChequeForm::FillChequeFace()
{
    const double chequeNumber = ModuleData::ChequeRecord().CHEQUENUMBER;
    if (!cheque().FindChequeDETAIL(chequeNumber))
        return false;
    fields_->showCheque(ModuleData::ChequeRecord());
    return true;
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
