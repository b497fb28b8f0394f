#include "platform/forms/KeyFilter.h"

#include "platform/forms/Form.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

namespace forms {

namespace {

constexpr int Escape = 27;
constexpr int Apostrophe = 39;
constexpr int LastAscii = 127;
constexpr int LastLatin1 = 255;

// The capital of a character where it lies within Latin-1, as the system's codes do;
// else the character itself (the capitals of µ and ÿ are Greek and Latin Extended-A
// letters, which the keyboard that typed them does not type).
int latin1CapitalOf(int code)
{
    const char16_t capital = QChar(code).toUpper().unicode();
    return capital <= LastLatin1 ? capital : code;
}

// The code a key press types: 27 for Esc, the character of a key that types one
// character, else 0.
int keyAsciiOf(const QKeyEvent &key)
{
    if (key.key() == Qt::Key_Escape)
        return Escape;
    if (key.key() >= Qt::Key_Escape || key.text().size() != 1)
        return 0;
    return key.text().at(0).unicode();
}

} // namespace

// Lowering every code above 96 by 32 makes capitals of ASCII letters only: beyond
// ASCII it would turn é into © and lose £ or °, so there a letter becomes its capital
// where that lies within Latin-1, and anything else is kept as typed.
int filterKeyAscii(int keyAscii)
{
    if (keyAscii == Apostrophe)
        return 0;
    if (keyAscii > LastAscii)
        return latin1CapitalOf(keyAscii);
    if (keyAscii > 96)
        return keyAscii - 32;
    return keyAscii;
}

// An application-wide filter sees a key press before the receiver's own filters and
// handlers, and it sees widgets added to the form later without further set-up.
KeyPreview::KeyPreview(QWidget *form, Keys keys) : QObject(form), form_(form), keys_(keys)
{
    QCoreApplication::instance()->installEventFilter(this);
}

bool KeyPreview::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || event == replacement_ || !isInForm(watched))
        return false;
    const auto &key = static_cast<const QKeyEvent &>(*event);
    const int keyAscii = keyAsciiOf(key);
    if (keyAscii == 0)
        return false;
    if (keyAscii == Escape) {
        unloadForm();
        event->accept();
        return true;
    }
    if (keys_ == Keys::EscapeOnly)
        return false;
    const int filtered = filterKeyAscii(keyAscii);
    if (filtered == keyAscii)
        return false;
    if (filtered != 0)
        deliver(watched, key, filtered);
    // Accepted, the dropped or replaced key does not travel on to the parents.
    event->accept();
    return true;
}

bool KeyPreview::isInForm(QObject *object) const
{
    auto *widget = qobject_cast<QWidget *>(object);
    return widget && form_->isAncestorOf(widget);
}

void KeyPreview::unloadForm()
{
    if (auto *form = qobject_cast<Form *>(form_))
        form->Unload();
    else
        form_->close();
}

void KeyPreview::deliver(QObject *receiver, const QKeyEvent &key, int keyAscii)
{
    // Key codes of letters are those of their capitals.
    QKeyEvent replacement(QEvent::KeyPress, latin1CapitalOf(keyAscii), key.modifiers(),
                          QString(QChar(keyAscii)), key.isAutoRepeat(), key.count());
    const QPointer<KeyPreview> stillHere(this);
    replacement_ = &replacement;
    QCoreApplication::sendEvent(receiver, &replacement);
    if (stillHere)
        replacement_ = nullptr;
}

} // namespace forms
