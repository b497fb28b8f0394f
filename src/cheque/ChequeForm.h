#pragma once

#include "cheque/ChequeFace.h"
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
namespace printer {
class Printer;
}

// The printed cheque face: while it loads it puts the current cheque on paper at the
// positions of the current layout profile, then unloads itself.
// The face's own controls (lblacpay ... lblBankName) come from ChequeFaceControls.
class ChequeForm : public forms::Form, public printer::PrintableForm, public ChequeFaceControls {
    Q_OBJECT
public:
    explicit ChequeForm(QWidget *parent = nullptr);
    ~ChequeForm() override;

    forms::TwipsLabel *Image1;

    // Prints the face and unloads it; a failure, a printer that does not take the job
    // or a cheque the register does not hold included, is shown and the face unloads
    // too, having printed nothing.
    void Form_Load() override;
    // Places the seven field labels at the positions of the current layout profile.
    void setDistance();

    QList<printer::PrintableLabel> printableLabels() const override;
    QSizeF clientSizeTwips() const override;
    QString printJobName() const override;

signals:
    // The face went to a PDF file, there being no printer.
    void printedToPdf(const QString &path);

private:
    bool FillChequeFace();
    void clearPreprintedParts();
    bool refusesATextCut(const printer::Printer &printer);
    CHEQUECLASS &cheque();

    std::unique_ptr<ChequeFieldLabels> fields_;
    // The labels from the bottom of the stacking order up.
    QList<forms::TwipsLabel *> stack_;
    rt::OnFirstUse<CHEQUECLASS> cheque_;
};
