#pragma once

#include <QString>

namespace forms {

// Buttons and icons of a message box, combined by adding them.
enum MsgBoxStyle {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
};

enum MsgBoxResult { vbOK = 1, vbCancel = 2, vbYes = 6, vbNo = 7 };

// What one box showed: its text, its buttons (the low bits of the style), its icon
// (16, 32, 48, 64 or 0) and its title.
struct MessageBoxRecord {
    QString text;
    int buttons = vbOKOnly;
    int icon = 0;
    QString title;

    bool operator==(const MessageBoxRecord &other) const = default;
};

// Shows the box the program asks for and returns the pressed button.
class MessageBoxPresenter {
public:
    virtual ~MessageBoxPresenter() = default;
    virtual int present(const MessageBoxRecord &box) = 0;
};

// Every message the program shows goes through here. A null title shows the
// application's title.
int MsgBox(const QString &prompt, int style = vbOKOnly, const QString &title = QString());

// Replaces the presenter (tests install a scripted one) and returns the one it
// replaces; nullptr stands for the modal Qt box.
MessageBoxPresenter *setMessageBoxPresenter(MessageBoxPresenter *presenter);

} // namespace forms
