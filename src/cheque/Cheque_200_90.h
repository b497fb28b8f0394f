#pragma once

#include "cheque/ChequeFace.h"
#include "cheque/ChequeFieldLabels.h"
#include "platform/forms/Form.h"
#include "platform/runtime/OnFirstUse.h"

#include <QStringList>
#include <array>
#include <initializer_list>
#include <memory>
#include <optional>

class CHEQUECLASS;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStatusBar;

namespace forms {
class ComboBoxControl;
class DataGrid;
class TwipsLabel;
}

// The layout and print form: lines the printed fields up with a bank's cheque leaf
// against a full-size preview, keeps named layout profiles and prints a cheque.
// The preview's controls (lblacpay ... lblBankName) come from ChequeFaceControls.
class Cheque_200_90 : public forms::Form, public ChequeFaceControls {
    Q_OBJECT
public:
    explicit Cheque_200_90(QWidget *parent = nullptr);
    ~Cheque_200_90() override;

    // The frame "Alignment".
    QGroupBox *Frame2;
    QLabel *Label2;
    QComboBox *cmbcustomname;
    QLabel *Label10;
    QLabel *Label11;
    QLabel *Label3;
    QLabel *Label4;
    QLabel *Label5;
    QLabel *Label6;
    QLabel *Label7;
    QLabel *Label8;
    QLabel *Label9;
    QLineEdit *xpay;
    QLineEdit *ypay;
    QLineEdit *xdate;
    QLineEdit *ydate;
    QLineEdit *xname;
    QLineEdit *yname;
    QLineEdit *xrsword;
    QLineEdit *yrsword;
    QLineEdit *xrsno;
    QLineEdit *yrsno;
    QLineEdit *xacno;
    QLineEdit *yacno;
    QLineEdit *xsign;
    QLineEdit *ysign;
    QPushButton *Command1;
    QPushButton *Command2;
    QPushButton *Command3;
    QPushButton *Command4;
    QPushButton *Command5;
    QPushButton *Command6;
    QPushButton *Command7;
    QPushButton *Command8;
    QPushButton *Command9;
    QPushButton *Command10;
    QPushButton *Command11;
    QPushButton *Command12;
    QPushButton *Command13;
    QPushButton *Command14;
    QPushButton *Command15;
    QPushButton *Command16;
    QPushButton *Command17;
    QPushButton *Command18;
    QPushButton *Command19;
    QPushButton *Command20;
    QPushButton *Command21;
    QPushButton *Command22;
    QPushButton *Command23;
    QPushButton *Command24;
    QPushButton *Command25;
    QPushButton *Command26;
    QPushButton *Command27;
    QPushButton *Command28;
    QPushButton *cmdAllleft;
    QPushButton *cmdAlRight;
    QPushButton *cmdAlDown;
    QPushButton *cmdAlUp;
    QPushButton *cmdadjust;
    QPushButton *cmdDefault;
    QPushButton *cmdCustom;
    QPushButton *cmdsave;
    QPushButton *Cmddelcustom;

    // The cheque frame.
    QGroupBox *Frame1;
    QLabel *Label1;
    QComboBox *cmbcheque;
    QRadioButton *OptP;
    QRadioButton *OptL;
    QPushButton *cmdPrint;
    forms::DataGrid *DG;

    QPushButton *cmdHelp;

    // Beneath the design's client area: where a cheque printed without a printer went.
    QStatusBar *statusLine;

    void Form_Load() override;
    // Places the seven field labels at the positions the boxes hold.
    void setDistance();
    void cmdCustom_Click();
    void cmdDefault_Click();
    // Top + 40 ("down", no caption) and "^" Top - 40, field by field.
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void Command9_Click();
    void Command10_Click();
    void Command11_Click();
    void Command12_Click();
    void Command13_Click();
    void Command14_Click();
    // "<" Left - 40 and ">" Left + 40, field by field.
    void Command15_Click();
    void Command16_Click();
    void Command17_Click();
    void Command18_Click();
    void Command19_Click();
    void Command20_Click();
    void Command21_Click();
    void Command22_Click();
    void Command23_Click();
    void Command24_Click();
    void Command25_Click();
    void Command26_Click();
    void Command27_Click();
    void Command28_Click();
    void cmdAllleft_Click();
    void cmdAlRight_Click();
    void cmdAlDown_Click();
    void cmdAlUp_Click();
    void cmdsave_Click();
    void cmdadjust_Click();
    void Cmddelcustom_Click();
    void cmbcheque_Click();
    void cmbcheque_Change();
    void cmdPrint_Click();
    void cmdHelp_Click();

    // The fourteen position boxes, two to a field (left, then top), in field order.
    std::array<QLineEdit *, 2 * ChequeFieldLabels::Count> positionBoxes() const;

protected:
    void Form_Unload() override;

private:
    using Positions = std::array<double, 2 * ChequeFieldLabels::Count>;

    void buildPreview();
    void buildAlignmentFrame();
    void buildChequeFrame();
    void buildStatusLine();
    void connectHandlers();

    void LoadChequeIntoPreview();
    bool loadChequeToPrint();
    std::optional<double> chequeNumberInBox();
    void showWherePdfWent(const QString &path);
    void nudge(std::initializer_list<QLineEdit *> boxes, double step);
    void writeDefaultPositions();
    QStringList positionTexts() const;
    std::optional<Positions> positionsIn(const QStringList &texts);
    void placeLabels(const Positions &positions);
    CHEQUECLASS &cheque();

    std::unique_ptr<ChequeFieldLabels> fields_;
    std::unique_ptr<forms::ComboBoxControl> chequeList_;
    std::unique_ptr<forms::ComboBoxControl> profileName_;
    rt::OnFirstUse<CHEQUECLASS> cheque_;
};
