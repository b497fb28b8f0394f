#pragma once

#include "platform/forms/Form.h"

class QLabel;
class QLineEdit;
class QPushButton;

// The login form, the first window of the program: a user name and password checked
// against the user table open the main window.
class frm_MainMain : public forms::Form {
    Q_OBJECT
public:
    explicit frm_MainMain(QWidget *parent = nullptr);

    QLabel *Image3;
    QLabel *Label3;
    QLabel *Label1;
    QLineEdit *txtUser;
    QLabel *Label2;
    QLineEdit *txtPwd;
    QPushButton *Command3;
    QPushButton *Command2;
    QLabel *Label5;
    QLabel *Label4;

public slots:
    void Form_Load() override;
    // "Login"
    void Command3_Click();
    // "X"
    void Command2_Click();

private:
    bool isAuthorised();
    void openMainWindow();
    static void refuse();
};
