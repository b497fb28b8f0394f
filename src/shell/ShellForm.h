#pragma once

#include "platform/forms/Form.h"

// A form of the shell whose Form_Load runs when it is first shown: only then does an
// MDI child sit in the sub-window that its placement moves.
class ShellForm : public forms::Form {
    Q_OBJECT
public:
    using forms::Form::Form;

    virtual void Form_Load() = 0;

protected:
    void showEvent(QShowEvent *event) override;

private:
    bool loaded_ = false;
};
