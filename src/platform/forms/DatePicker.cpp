#include "platform/forms/DatePicker.h"

#include "platform/forms/MessageBox.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QSignalBlocker>
#include <QTimer>

namespace forms {

namespace {

// A key that types a character into the picker, not a shortcut or a movement.
bool typesCharacter(const QKeyEvent &event)
{
    const auto commands = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    return event.text().size() == 1 && event.text().front().isPrint()
           && !(event.modifiers() & commands);
}

// Left or Right, alone or with Ctrl (the date edit would spend Ctrl on leaving the picker).
bool movesBetweenParts(const QKeyEvent &event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    return (event.key() == Qt::Key_Left || event.key() == Qt::Key_Right)
           && (modifiers == Qt::NoModifier || modifiers == Qt::ControlModifier);
}

// Shift, Ctrl and their kin pressed alone, as they are before the key they modify: the
// typing goes on over them.
bool isModifierKey(int key)
{
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
        return true;
    default:
        return false;
    }
}

// The parts a pasted text holds: its runs of letters and digits.
int partsIn(const QString &text)
{
    int parts = 0;
    for (int at = 0; at < text.size(); ++at) {
        if (text.at(at).isLetterOrNumber() && (at == 0 || !text.at(at - 1).isLetterOrNumber()))
            ++parts;
    }
    return parts;
}

// Swallows the one mouse press being delivered now: the press whose focus change ended a
// refused typing. A button it reached would act on the date refused; and where the
// refusal's box was modal, the box took the release, which would leave the button down.
class PressInFlight : public QObject {
public:
    PressInFlight()
    {
        QCoreApplication::instance()->installEventFilter(this);
        // Gone by the next turn of the event loop, whether or not a press came.
        QTimer::singleShot(0, this, &QObject::deleteLater);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::MouseButtonPress
            && event->type() != QEvent::MouseButtonDblClick)
            return false;
        QCoreApplication::instance()->removeEventFilter(this);
        deleteLater();
        event->accept();
        return true;
    }
};

} // namespace

DatePicker::DatePicker(QWidget *parent) : QDateEdit(parent)
{
    lineEdit()->installEventFilter(this);
}

bool DatePicker::typedDateRefused()
{
    return typing() && !endEntry();
}

QValidator::State DatePicker::validate(QString &input, int &position) const
{
    return showingEntry_ ? QValidator::Acceptable : QDateEdit::validate(input, position);
}

// A date edit would spend Tab on its own parts first; the form's tab order goes on.
bool DatePicker::focusNextPrevChild(bool next)
{
    return QWidget::focusNextPrevChild(next);
}

void DatePicker::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (movesBetweenParts(*event)) {
        moveToPart(currentPart() + (key == Qt::Key_Left ? -1 : 1));
    } else if (event->matches(QKeySequence::Paste)) {
        paste(QGuiApplication::clipboard()->text());
    } else if (key == Qt::Key_Backspace || key == Qt::Key_Delete) {
        erase();
    } else if (typesCharacter(*event)) {
        type(event->text().front());
    } else {
        // Enter on a date that is refused goes no further: the form does not act on it.
        if (!isModifierKey(key) && typedDateRefused()) {
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
    if (typedDateRefused() && event->reason() == Qt::MouseFocusReason)
        new PressInFlight;
    QDateEdit::focusOutEvent(event);
}

// The calendar button; a click on the text itself reaches eventFilter.
void DatePicker::mousePressEvent(QMouseEvent *event)
{
    if (typedDateRefused()) {
        event->accept();
        return;
    }
    QDateEdit::mousePressEvent(event);
}

// The date edit's menu, but for Paste, which goes the typed road. Like the calendar
// button, the menu ends a typing under way first.
void DatePicker::contextMenuEvent(QContextMenuEvent *event)
{
    event->accept();
    if (typedDateRefused())
        return;
    const QPointer<QMenu> menu = lineEdit()->createStandardContextMenu();
    if (!menu)
        return;
    const QString pasteCaption = QLineEdit::tr("&Paste");
    for (QAction *action : menu->actions()) {
        if (action->text().section(QLatin1Char('\t'), 0, 0) != pasteCaption)
            continue;
        disconnect(action, &QAction::triggered, nullptr, nullptr);
        connect(action, &QAction::triggered, this,
                [this] { paste(QGuiApplication::clipboard()->text()); });
    }
    menu->addSeparator();
    QAction *up = menu->addAction(QAbstractSpinBox::tr("&Step up"));
    up->setEnabled(stepEnabled() & StepUpEnabled);
    QAction *down = menu->addAction(QAbstractSpinBox::tr("Step &down"));
    down->setEnabled(stepEnabled() & StepDownEnabled);

    const QPointer<DatePicker> stillHere(this);
    const QPoint at = event->reason() == QContextMenuEvent::Mouse
                          ? event->globalPos()
                          : mapToGlobal(QPoint(width() / 2, height() / 2));
    const QAction *chosen = menu->exec(at);
    delete menu.data();
    if (stillHere && chosen == up)
        stepBy(1);
    else if (stillHere && chosen == down)
        stepBy(-1);
}

void DatePicker::stepBy(int steps)
{
    if (typedDateRefused())
        return;
    QDateEdit::stepBy(steps);
}

// A click on the text selects the part under it, so that what is typed next replaces it;
// the middle button pastes the selection, as it does in every text box.
//
// While a date is typed, the picker also sees its form close (Esc, the close button): the
// date was never finished, and the typing is dropped without a word before the focus
// leaves.
bool DatePicker::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != lineEdit()) {
        if (event->type() == QEvent::Close && typing())
            dropEntry(date());
        return QDateEdit::eventFilter(watched, event);
    }
    const bool click = event->type() == QEvent::MouseButtonPress
                       || event->type() == QEvent::MouseButtonDblClick;
    const bool release = event->type() == QEvent::MouseButtonRelease;
    if (!click && !release)
        return QDateEdit::eventFilter(watched, event);
    const auto *mouse = static_cast<QMouseEvent *>(event);
    if (release && mouse->button() == Qt::MiddleButton) {
        QClipboard *clipboard = QGuiApplication::clipboard();
        if (clipboard->supportsSelection())
            paste(clipboard->text(QClipboard::Selection));
        return true;
    }
    if (!click || mouse->button() != Qt::LeftButton)
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

// Typing starts in a part, over the date the picker shows.
void DatePicker::beginEntry(int part)
{
    if (typing())
        return;
    entry_ = newEntry();
    entry_->begin(date(), part);
    for (QWidget *holder = parentWidget(); holder; holder = holder->parentWidget())
        holder->installEventFilter(this);
}

void DatePicker::type(QChar character)
{
    beginEntry(currentSectionIndex());
    if (entry_->type(character) == DateEntry::Typed::Finished)
        endEntry();
    else
        showEntry();
}

// A text of more than one part is a whole date, typed from the first part over the date
// shown; a single part is typed into the part selected, or the one being typed. What
// follows a date once it is whole may only separate.
void DatePicker::paste(const QString &pasted)
{
    const QString text = pasted.trimmed();
    if (text.isEmpty())
        return;
    const bool wholeDate = partsIn(text) > 1;
    if (wholeDate && typing())
        dropEntry(date());
    beginEntry(wholeDate ? 0 : selectedPart());
    for (int at = 0; at < text.size(); ++at) {
        const DateEntry::Typed typed = entry_->type(text.at(at));
        if (typed == DateEntry::Typed::Finished && partsIn(text.mid(at + 1)) == 0) {
            endEntry(text);
            return;
        }
        if (typed != DateEntry::Typed::Taken) {
            dropEntry(date());
            refuse(text + QStringLiteral(" is not a date"));
            return;
        }
    }
    showEntry();
}

void DatePicker::erase()
{
    beginEntry(currentSectionIndex());
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
    showingEntry_ = true;
    edit->setText(entry_->text());
    showingEntry_ = false;
    if (entry_->selectionLength() > 0)
        edit->setSelection(entry_->selectionStart(), entry_->selectionLength());
    else
        edit->setCursorPosition(entry_->selectionStart());
}

// The typed date becomes the picker's date, or is refused and the date stays; either
// way the box shows the picker's date again. A refusal names what was given: the text
// pasted, or else the parts as typed.
bool DatePicker::endEntry(const QString &given)
{
    const QDate typed = entry_->date();
    const QString refusal = refusalOf(typed, given.isEmpty() ? entry_->text() : given);
    dropEntry(refusal.isEmpty() ? typed : date());
    if (!refusal.isEmpty())
        refuse(refusal);
    return refusal.isEmpty();
}

// The typing ends with the picker showing that date, on the part that was being typed.
void DatePicker::dropEntry(const QDate &shown)
{
    for (QWidget *holder = parentWidget(); holder; holder = holder->parentWidget())
        holder->removeEventFilter(this);
    const int part = entry_->part();
    entry_.reset();
    setDate(shown);
    if (hasFocus())
        selectPart(part);
}

// Why a typed date cannot be the picker's; empty when it can.
QString DatePicker::refusalOf(const QDate &typed, const QString &typedText) const
{
    if (!typed.isValid())
        return typedText + QStringLiteral(" is not a date");
    if (typed < minimumDate())
        return typedText + QStringLiteral(" is before ")
               + textFromDateTime(QDateTime(minimumDate(), QTime()))
               + QStringLiteral(", the earliest date the program takes");
    if (typed > maximumDate())
        return typedText + QStringLiteral(" is after ")
               + textFromDateTime(QDateTime(maximumDate(), QTime()))
               + QStringLiteral(", the latest date the program takes");
    return QString();
}

void DatePicker::refuse(const QString &refusal)
{
    MsgBox(refusal + QStringLiteral(": the date stays ") + textFromDateTime(dateTime()),
           vbInformation, QStringLiteral("Error in Entry"));
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

// Where a paste goes in when nothing is being typed: the part the selection starts in
// (the first one when all is selected), else the current part.
int DatePicker::selectedPart() const
{
    const QLineEdit *edit = lineEdit();
    if (!edit->hasSelectedText())
        return currentSectionIndex();
    return newEntry().partAt(edit->text(), edit->selectionStart());
}

} // namespace forms
