#pragma once

#include "platform/forms/DatePicker.h"
#include "platform/forms/Form.h"
#include "platform/runtime/OnFirstUse.h"

#include <memory>

class CHEQUECLASS;
class CalculateClass;
class QComboBox;
class QFrame;
class QLineEdit;
class QPushButton;

// The cheque entry form: enters cheques into the register, reloads one by its number
// and deletes one. Everything typed here passes the key filter.
class FRM_BANK : public forms::Form {
    Q_OBJECT
public:
    explicit FRM_BANK(QWidget *parent = nullptr);
    ~FRM_BANK() override;

    QFrame *Frame1;
    QComboBox *CmbDNumber;
    forms::DatePicker *DTP;
    QComboBox *cmbBankname;
    QComboBox *cmbbankbranch;
    QComboBox *cmbAccountnumber;
    QComboBox *cmbaccountholder;
    QLineEdit *TXTAMOUNT;
    QComboBox *TXTCHNUMBER;
    forms::DatePicker *DTPCHEQUEDATE;
    QLineEdit *TXTChequeIssuedto;
    QLineEdit *TXTIssuedBy;
    QLineEdit *TXTREMARK;
    QComboBox *CMBACPAy;
    QLineEdit *TXTWORD;
    QLineEdit *TXTCHEQUEDATE;
    QPushButton *cmdlogin;
    QPushButton *cmdDELET;

public slots:
    void Form_Load() override;
    // "SAVE", also the Enter key.
    void cmdlogin_Click();
    // "DELETE CHEQUE No"
    void cmdDELET_Click();
    // A cheque number picked from the list, by the user or by the filler.
    void TXTCHNUMBER_Click();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void Form_Unload() override;

private:
    struct Controls;

    void createControls();
    void captionFor(QWidget *control, const QString &caption, int left, int width);
    bool CheckChequeEntry();
    void ClearChequeEntry();
    void refillNumbers();
    CHEQUECLASS &cheque();
    CalculateClass &calculator();

    std::unique_ptr<Controls> controls_;
    rt::OnFirstUse<CHEQUECLASS> cheque_;
    rt::OnFirstUse<CalculateClass> calculator_;
};
