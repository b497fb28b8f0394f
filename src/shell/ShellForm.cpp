#include "shell/ShellForm.h"

void ShellForm::showEvent(QShowEvent *event)
{
    if (!loaded_) {
        loaded_ = true;
        Form_Load();
    }
    forms::Form::showEvent(event);
}
