#include "platform/forms/GuardedApplication.h"

#include "platform/forms/MessageBox.h"
#include "platform/runtime/RuntimeError.h"

namespace forms {

GuardedApplication::GuardedApplication(int &argc, char **argv) : QApplication(argc, argv) {}

// Qt cannot carry an exception through its event loop: this is the last place where an
// escaped error can still be caught. The event counts as handled, so nothing else acts
// on it half-done.
bool GuardedApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const rt::RuntimeError &error) {
        MsgBox(error.Description());
        return true;
    }
}

} // namespace forms
