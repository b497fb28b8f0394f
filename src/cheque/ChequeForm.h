#pragma once

#include "cheque/ChequeFieldLabels.h"
#include "platform/forms/Form.h"
#include "platform/printer/PrintableForm.h"
#include "platform/runtime/OnFirstUse.h"

#include <memory>

class CHEQUECLASS;
class QFrame;

namespace forms {
class TwipsLabel;
}

// The printed cheque face: while it loads it puts the current cheque on paper at the
// positions of the current layout profile, then unloads itself.
class ChequeForm : public forms::Form, public printer::PrintableForm {
    Q_OBJECT
public:
    explicit ChequeForm(QWidget *parent = nullptr);
    ~ChequeForm() override;

    forms::TwipsLabel *Image1;
    forms::TwipsLabel *lblacpay;
    forms::TwipsLabel *lblDate;
    forms::TwipsLabel *lblDMY;
    forms::TwipsLabel *lblPay;
    forms::TwipsLabel *lblName;
    forms::TwipsLabel *lblName1;
    forms::TwipsLabel *lblOrBearer;
    forms::TwipsLabel *lblRu;
    forms::TwipsLabel *lblRupee;
    forms::TwipsLabel *lblRupee1;
    QFrame *Shape1;
    QFrame *Line1;
    forms::TwipsLabel *lblac;
    forms::TwipsLabel *lblaccountN;
    QFrame *Shape2;
    forms::TwipsLabel *lblR;
    forms::TwipsLabel *lblRs;
    forms::TwipsLabel *lblSign;
    forms::TwipsLabel *lblBankName;

    // Prints the face and unloads it; a failure is shown and the face unloads too.
    void Form_Load() override;
    // Places the seven field labels at the positions of the current layout profile.
    void setDistance();

    QList<printer::PrintableLabel> printableLabels() const override;
    QSizeF clientSizeTwips() const override;
    QString printJobName() const override;

private:
    void FillChequeFace();
    void clearPreprintedParts();
    CHEQUECLASS &cheque();

    std::unique_ptr<ChequeFieldLabels> fields_;
    // The labels from the bottom of the stacking order up.
    QList<forms::TwipsLabel *> stack_;
    rt::OnFirstUse<CHEQUECLASS> cheque_;
};
