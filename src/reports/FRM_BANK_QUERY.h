#pragma once

#include "platform/forms/DatePicker.h"
#include "platform/forms/Form.h"
#include "platform/report/ReportControl.h"
#include "platform/runtime/OnFirstUse.h"

#include <memory>

class CRClass;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;

// The bank transaction query: runs the bank book report over a range of entry dates,
// for every entry or for one kind. Everything typed here passes the key filter.
class FRM_BANK_QUERY : public forms::Form {
    Q_OBJECT
public:
    // Every report of the form runs on the report control it is given; without one, on
    // the report engine's own control, which writes sums in the words of the cheques.
    explicit FRM_BANK_QUERY(std::unique_ptr<report::ReportControl> CR = {},
                            QWidget *parent = nullptr);
    ~FRM_BANK_QUERY() override;

    QFrame *Frame1;
    QLabel *Label1;
    forms::DatePicker *DTPfrom;
    QLabel *Label3;
    forms::DatePicker *DTPto;
    QFrame *Line1;
    QLabel *Label2;
    QComboBox *CMBCASHCASH;
    QPushButton *cmdasCashCheque;
    QPushButton *cmdall;
    QFrame *Line2;

public slots:
    void Form_Load() override;
    // "Show All"
    void cmdall_Click();
    // "Show": the kind chosen or typed, or none.
    void cmdasCashCheque_Click();

private:
    void createControls();
    bool typedDateRefused();
    CRClass &launcher();

    std::unique_ptr<report::ReportControl> CR;
    rt::OnFirstUse<CRClass> launcher_;
};
