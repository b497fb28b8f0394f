#pragma once

#include "platform/forms/Form.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The credentials form: replaces the user name and password of every row of the
// user table. Everything typed here passes the key filter.
class Frm_Admin : public forms::Form {
    Q_OBJECT
public:
    explicit Frm_Admin(QWidget *parent = nullptr);

    QLabel *Label1;
    QGroupBox *Frame1;
    QLabel *Label3;
    QLineEdit *txtUID;
    QLabel *Label4;
    QLineEdit *txtPwd;
    QLabel *Label5;
    QLineEdit *txtReenter;
    QPushButton *CmdPass;

public slots:
    void Form_Load() override;
    // "Change Password"
    void CmdPass_Click();

private:
    void changeEveryUser();
};
