#include "platform/forms/MessageBox.h"

#include "platform/runtime/App.h"

#include <QApplication>
#include <QMessageBox>

namespace forms {

namespace {

constexpr int ButtonsMask = 0x0F;
constexpr int IconMask = 0x70;

QMessageBox::Icon qtIcon(int icon)
{
    switch (icon) {
    case vbCritical:
        return QMessageBox::Critical;
    case vbQuestion:
        return QMessageBox::Question;
    case vbExclamation:
        return QMessageBox::Warning;
    case vbInformation:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

QMessageBox::StandardButtons qtButtons(int buttons)
{
    switch (buttons) {
    case vbOKCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case vbYesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case vbYesNo:
        return QMessageBox::Yes | QMessageBox::No;
    default:
        return QMessageBox::Ok;
    }
}

int answerOf(QMessageBox::StandardButton button)
{
    switch (button) {
    case QMessageBox::Cancel:
        return vbCancel;
    case QMessageBox::Yes:
        return vbYes;
    case QMessageBox::No:
        return vbNo;
    default:
        return vbOK;
    }
}

class ModalMessageBoxes : public MessageBoxPresenter {
public:
    int present(const MessageBoxRecord &box) override
    {
        QMessageBox dialog(qtIcon(box.icon), box.title, box.text, qtButtons(box.buttons),
                           QApplication::activeWindow());
        dialog.exec();
        return answerOf(dialog.standardButton(dialog.clickedButton()));
    }
};

MessageBoxPresenter *&installedPresenter()
{
    static MessageBoxPresenter *presenter = nullptr;
    return presenter;
}

MessageBoxPresenter &currentPresenter()
{
    static ModalMessageBoxes modal;
    MessageBoxPresenter *installed = installedPresenter();
    return installed ? *installed : modal;
}

} // namespace

int MsgBox(const QString &prompt, int style, const QString &title)
{
    MessageBoxRecord box;
    box.text = prompt;
    box.buttons = style & ButtonsMask;
    box.icon = style & IconMask;
    box.title = title.isNull() ? rt::App::Title() : title;
    return currentPresenter().present(box);
}

MessageBoxPresenter *setMessageBoxPresenter(MessageBoxPresenter *presenter)
{
    MessageBoxPresenter *previous = installedPresenter();
    installedPresenter() = presenter;
    return previous;
}

} // namespace forms
