#include "platform/forms/DatePicker.h"

#include "platform/forms/MessageBox.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalBlocker>

namespace forms {

namespace {

// A key that types a character into the picker, not a shortcut or a movement.
bool typesCharacter(const QKeyEvent &event)
{
    const auto commands = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    return event.text().size() == 1 && event.text().front().isPrint()
           && !(event.modifiers() & commands);
}

} // namespace

DatePicker::DatePicker(QWidget *parent) : QDateEdit(parent)
{
    lineEdit()->installEventFilter(this);
}

// A date edit would spend Tab on its own parts first; the form's tab order goes on.
bool DatePicker::focusNextPrevChild(bool next)
{
    return QWidget::focusNextPrevChild(next);
}

void DatePicker::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    const bool plain = event->modifiers() == Qt::NoModifier;
    if (plain && (key == Qt::Key_Left || key == Qt::Key_Right)) {
        moveToPart(currentPart() + (key == Qt::Key_Left ? -1 : 1));
    } else if (key == Qt::Key_Backspace || key == Qt::Key_Delete) {
        erase();
    } else if (typesCharacter(*event)) {
        type(event->text().front());
    } else {
        // Enter on a date that is refused goes no further: the form does not act on it.
        if (typing() && !endEntry()) {
            event->accept();
            return;
        }
        QDateEdit::keyPressEvent(event);
        return;
    }
    event->accept();
}

void DatePicker::focusOutEvent(QFocusEvent *event)
{
    if (typing())
        endEntry();
    QDateEdit::focusOutEvent(event);
}

// The calendar button; a click on the text itself reaches eventFilter.
void DatePicker::mousePressEvent(QMouseEvent *event)
{
    if (typing() && !endEntry()) {
        event->accept();
        return;
    }
    QDateEdit::mousePressEvent(event);
}

void DatePicker::stepBy(int steps)
{
    if (typing() && !endEntry())
        return;
    QDateEdit::stepBy(steps);
}

// A click on the text selects the part under it, so that what is typed next replaces it.
bool DatePicker::eventFilter(QObject *watched, QEvent *event)
{
    const bool click = event->type() == QEvent::MouseButtonPress
                       || event->type() == QEvent::MouseButtonDblClick;
    if (watched != lineEdit() || !click)
        return QDateEdit::eventFilter(watched, event);
    const auto *mouse = static_cast<QMouseEvent *>(event);
    if (mouse->button() != Qt::LeftButton)
        return QDateEdit::eventFilter(watched, event);
    const int position = lineEdit()->cursorPositionAt(mouse->position().toPoint());
    moveToPart(newEntry().partAt(lineEdit()->text(), position));
    return true;
}

DateEntry DatePicker::newEntry() const
{
    QStringList months;
    for (int month = 1; month <= 12; ++month)
        months << locale().monthName(month, QLocale::ShortFormat);
    return DateEntry(displayFormat(), months);
}

// Typing starts in the part that is selected, over the date the picker shows.
void DatePicker::beginEntry()
{
    if (typing())
        return;
    const int part = currentSectionIndex();
    entry_ = newEntry();
    entry_->begin(date(), part);
}

void DatePicker::type(QChar character)
{
    beginEntry();
    if (entry_->type(character) == DateEntry::Typed::Finished)
        endEntry();
    else
        showEntry();
}

void DatePicker::erase()
{
    beginEntry();
    entry_->erase();
    showEntry();
}

void DatePicker::moveToPart(int part)
{
    if (!typing()) {
        selectPart(part);
        return;
    }
    entry_->moveTo(part);
    showEntry();
}

// The typed text stands in the box without the date edit reading it: it would fit a
// day to the month it shows.
void DatePicker::showEntry()
{
    QLineEdit *edit = lineEdit();
    const QSignalBlocker quiet(edit);
    edit->setText(entry_->text());
    if (entry_->selectionLength() > 0)
        edit->setSelection(entry_->selectionStart(), entry_->selectionLength());
    else
        edit->setCursorPosition(entry_->selectionStart());
}

// The typed date becomes the picker's date, or is refused and the date stays; either
// way the box shows the picker's date again.
bool DatePicker::endEntry()
{
    const QDate typed = entry_->date();
    const QString typedText = entry_->text();
    const int part = entry_->part();
    entry_.reset();
    const bool accepted = typed.isValid() && typed >= minimumDate() && typed <= maximumDate();
    setDate(accepted ? typed : date());
    if (hasFocus())
        selectPart(part);
    if (!accepted)
        MsgBox(typedText + QStringLiteral(" is not a date: the date stays ")
                   + textFromDateTime(dateTime()),
               vbInformation, QStringLiteral("Error in Entry"));
    return accepted;
}

void DatePicker::selectPart(int part)
{
    const int index = std::clamp(part, 0, sectionCount() - 1);
    setCurrentSectionIndex(index);
    setSelectedSection(sectionAt(index));
}

int DatePicker::currentPart() const
{
    return typing() ? entry_->part() : currentSectionIndex();
}

} // namespace forms
