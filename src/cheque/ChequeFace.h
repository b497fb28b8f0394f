#pragma once

#include "cheque/ChequeFieldLabels.h"

#include <QColor>
#include <QList>
#include <QRectF>
#include <array>
#include <map>
#include <string>

class QFrame;
class QWidget;

namespace forms {
class TwipsLabel;
}

// The controls of a cheque's face, named as the design names them: the print form puts
// them on paper and the layout form previews them.
struct ChequeFaceControls {
    forms::TwipsLabel *lblacpay = nullptr;
    forms::TwipsLabel *lblDate = nullptr;
    forms::TwipsLabel *lblDMY = nullptr;
    forms::TwipsLabel *lblPay = nullptr;
    forms::TwipsLabel *lblName = nullptr;
    forms::TwipsLabel *lblName1 = nullptr;
    forms::TwipsLabel *lblOrBearer = nullptr;
    forms::TwipsLabel *lblRu = nullptr;
    forms::TwipsLabel *lblRupee = nullptr;
    forms::TwipsLabel *lblRupee1 = nullptr;
    QFrame *Shape1 = nullptr;
    QFrame *Line1 = nullptr;
    forms::TwipsLabel *lblac = nullptr;
    forms::TwipsLabel *lblaccountN = nullptr;
    QFrame *Shape2 = nullptr;
    forms::TwipsLabel *lblR = nullptr;
    forms::TwipsLabel *lblRs = nullptr;
    forms::TwipsLabel *lblSign = nullptr;
    forms::TwipsLabel *lblBankName = nullptr;

    // The labels that show a cheque's fields, in field order.
    std::array<forms::TwipsLabel *, ChequeFieldLabels::Count> fieldLabels() const
    {
        return {lblacpay, lblDMY, lblName, lblRupee, lblRs, lblaccountN, lblSign};
    }
};

// Where one form's face departs from the design.
struct ChequeFaceStyle {
    // Behind every label of the face.
    QColor labelBackground;
    // The design stacks the face from "A\C Pay Only" up to the bank's name; a face built
    // the other way round stacks its overlapping labels the other way too.
    bool stackedFromBankName = false;
    // The twips of controls whose size differs from the design's, by control name.
    std::map<std::string, QRectF> resized;
};

// Makes the face's controls on the form and returns its labels from the bottom of the
// stacking order up.
QList<forms::TwipsLabel *> buildChequeFace(QWidget *form, ChequeFaceControls &controls,
                                           const ChequeFaceStyle &style);
