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

// The edge of an area that a text runs past, the right and bottom ones first.
QString edgeCrossed(const QRectF &text, const QRectF &area)
{
    if (text.right() > area.right())
        return QStringLiteral("right");
    if (text.bottom() > area.bottom())
        return QStringLiteral("bottom");
    if (text.left() < area.left())
        return QStringLiteral("left");
    return QStringLiteral("top");
}

QRectF fromCorner(const QSizeF &size)
{
    return QRectF(QPointF(0, 0), size);
}

// Names the field and the edge that would cut it, the paper's or the face's, and says
// what helps: moving the field, or turning the paper when the face then holds it whole.
QString cutMessage(const QString &field, const QRectF &text, const QSizeF &face,
                   const QSizeF &paper, bool portrait)
{
    const QRectF printed = fromCorner(face).intersected(fromCorner(paper));
    const QString edge = edgeCrossed(text, printed);
    const bool paperEdge = (edge == QStringLiteral("right") && paper.width() < face.width())
                           || (edge == QStringLiteral("bottom") && paper.height() < face.height());
    const QString page =
        portrait ? QStringLiteral("portrait page") : QStringLiteral("landscape page");
    const bool turnedHoldsIt =
        fromCorner(face).intersected(fromCorner(paper.transposed())).contains(text);
    const QString turn = portrait ? QStringLiteral(", or choose Landscape")
                                  : QStringLiteral(", or choose Portrait");
    return QStringLiteral("\"%1\" would be cut at the %2 edge of the %3: move it%4")
        .arg(field, edge, paperEdge ? page : QStringLiteral("cheque"),
             turnedHoldsIt ? turn : QString());
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
        if (refusesATextCut(printer)) {
            Unload();
            return;
        }
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

// What reaches the paper is the face's image on the sheet, both from their top-left
// corners: a text that the edge of either would cut is refused with a word rather than
// printed short ("09/03/202" reads as another year).
bool ChequeForm::refusesATextCut(const printer::Printer &printer)
{
    const QSizeF face = clientSizeTwips();
    const QSizeF paper = printer.paperTwips();
    const auto outside =
        fields_->firstTextOutside(fromCorner(face).intersected(fromCorner(paper)));
    if (!outside)
        return false;
    forms::MsgBox(cutMessage(ChequeFieldLabels::name(outside->field), outside->text, face, paper,
                             printer.Orientation() == 1),
                  forms::vbInformation, QStringLiteral("Wrong Entry"));
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
