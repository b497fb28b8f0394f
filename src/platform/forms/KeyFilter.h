#pragma once

#include <QObject>

class QKeyEvent;
class QWidget;

namespace forms {

// The key filter of forms that preview keys: returns the code the focused control
// receives (0 drops the key). Esc (27) is returned unchanged; the form unloads on it.
int filterKeyAscii(int keyAscii);

// Sees every key pressed in a form before the focused control does: unloads the form
// on Esc (the key goes no further) and applies filterKeyAscii to every typed character,
// unless the form handles Esc alone. Keys that type no character (arrows, Tab,
// Backspace, Enter, Delete) pass untouched.
class KeyPreview : public QObject {
    Q_OBJECT
public:
    enum class Keys { Filtered, EscapeOnly };

    // Watches the form and every widget it holds now or later; lives as the form's child.
    explicit KeyPreview(QWidget *form, Keys keys = Keys::Filtered);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool isInForm(QObject *object) const;
    void unloadForm();
    void deliver(QObject *receiver, const QKeyEvent &key, int keyAscii);

    QWidget *form_;
    Keys keys_;
    const QEvent *replacement_ = nullptr;
};

} // namespace forms
