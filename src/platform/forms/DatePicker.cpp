#include "platform/forms/DatePicker.h"

#include <QKeyEvent>
#include <algorithm>

namespace forms {

DatePicker::DatePicker(QWidget *parent) : QDateEdit(parent) {}

// A date edit would spend Tab on its own parts first; the form's tab order goes on.
bool DatePicker::focusNextPrevChild(bool next)
{
    return QWidget::focusNextPrevChild(next);
}

void DatePicker::keyPressEvent(QKeyEvent *event)
{
    const bool plain = event->modifiers() == Qt::NoModifier;
    const int step = !plain                            ? 0
                     : event->key() == Qt::Key_Left  ? -1
                     : event->key() == Qt::Key_Right ? 1
                                                     : 0;
    if (step == 0) {
        QDateEdit::keyPressEvent(event);
        return;
    }
    const int part = std::clamp(currentSectionIndex() + step, 0, sectionCount() - 1);
    setCurrentSectionIndex(part);
    setSelectedSection(sectionAt(part));
    event->accept();
}

} // namespace forms
