#include "cheque/ChequeFieldLabels.h"

#include "platform/drawing/PrintableLabel.h"
#include "platform/forms/TwipsLabel.h"
#include "platform/runtime/Conversions.h"

const std::array<const char *, ChequeFieldLabels::Count> ChequeFieldLabels::RowCaptions = {
    "A/C Pay Only :", "Date :", "Name :", "Rupee in Word :", "Ruppe in No :", "A/c No :",
    "Sign :"};

ChequeFieldLabels::ChequeFieldLabels(const std::array<forms::TwipsLabel *, Count> &labels)
    : labels_(labels)
{
}

QString ChequeFieldLabels::name(int field)
{
    return QString::fromLatin1(RowCaptions[field]).chopped(2);
}

namespace {

constexpr int AmountInWords = 3;
// The smallest size at which the amount in words stays legible on a cheque.
constexpr double SmallestWordsPointSize = 7;

} // namespace

// A bank refuses a cheque whose amount in words is cut, so those words always show
// whole, made smaller where they must be; the other fields keep their design face.
void ChequeFieldLabels::showCheque(const ChequeRecordData &cheque)
{
    const QString stamp = cheque.ACPAYONLY == QStringLiteral("YES") ? QStringLiteral("A/c Pay Only")
                                                                    : QString();
    const std::array<QString, Count> captions = {
        stamp,
        cheque.CHEQUEDATE,
        cheque.CHEQUEISSUEDTO,
        cheque.AMOUNTINWORD,
        rt::generalNumberText(cheque.AMOUNT),
        cheque.ACCOUNTNUMBER,
        cheque.ISSUEDBY,
    };
    for (int field = 0; field < Count; ++field) {
        if (field == AmountInWords)
            labels_[field]->setWholeText(captions[field], SmallestWordsPointSize);
        else
            labels_[field]->setText(captions[field]);
    }
}

void ChequeFieldLabels::place(const Positions &positions)
{
    for (int field = 0; field < Count; ++field) {
        labels_[field]->setLeft(positions[2 * field]);
        labels_[field]->setTop(positions[2 * field + 1]);
    }
}

std::optional<ChequeFieldLabels::TextOutside> ChequeFieldLabels::firstTextOutside(
    const QRectF &area) const
{
    for (int field = 0; field < Count; ++field) {
        const printer::PrintableLabel label = labels_[field]->printable();
        if (!label.visible || label.caption.isEmpty())
            continue;
        const QRectF text = printer::textTwips(label);
        if (!area.contains(text))
            return TextOutside{field, text};
    }
    return std::nullopt;
}
