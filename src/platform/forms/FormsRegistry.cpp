#include "platform/forms/FormsRegistry.h"

#include <QHash>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace forms {

namespace {

// Entries of deleted forms read as null, so a closed form is forgotten by itself.
QHash<QString, QPointer<QWidget>> &openForms()
{
    static QHash<QString, QPointer<QWidget>> forms;
    return forms;
}

void bringForward(QWidget *form)
{
    if (auto *subWindow = qobject_cast<QMdiSubWindow *>(form->parentWidget())) {
        subWindow->show();
        subWindow->mdiArea()->setActiveSubWindow(subWindow);
        return;
    }
    form->show();
    form->raise();
    form->activateWindow();
}

QWidget *load(const std::function<QWidget *()> &factory, QMdiArea *area)
{
    QWidget *form = factory();
    form->setAttribute(Qt::WA_DeleteOnClose);
    if (area) {
        // The program's child windows have fixed borders: a close box, nothing to
        // minimise or maximise, and no edge to drag; a bigger frame would only leave
        // an empty band around the form's fixed-size content.
        QMdiSubWindow *subWindow = area->addSubWindow(
            form, Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                      | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
        subWindow->setAttribute(Qt::WA_DeleteOnClose);
    }
    bringForward(form);
    return form;
}

} // namespace

QWidget *FormsRegistry::show(const QString &formName, const std::function<QWidget *()> &factory,
                             QMdiArea *area)
{
    if (QWidget *open = find(formName)) {
        bringForward(open);
        return open;
    }
    QWidget *form = load(factory, area);
    openForms().insert(formName, form);
    return form;
}

QWidget *FormsRegistry::find(const QString &formName)
{
    return openForms().value(formName);
}

} // namespace forms
