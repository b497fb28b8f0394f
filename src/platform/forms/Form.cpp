#include "platform/forms/Form.h"

#include <QCloseEvent>
#include <QMdiSubWindow>

namespace forms {

Form::Form(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
}

// Closing the sub-window closes the form inside it first.
void Form::Unload()
{
    if (auto *subWindow = qobject_cast<QMdiSubWindow *>(parentWidget()))
        subWindow->close();
    else
        close();
}

void Form::showEvent(QShowEvent *event)
{
    if (!loaded_) {
        loaded_ = true;
        Form_Load();
    }
    QWidget::showEvent(event);
}

void Form::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (unloaded_)
        return;
    unloaded_ = true;
    Form_Unload();
    emit unloaded();
}

} // namespace forms
