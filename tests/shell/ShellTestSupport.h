#pragma once

#include "platform/forms/FormsRegistry.h"
#include "support/FormDriving.h"
#include "support/ProgramFolderTest.h"

#include <QApplication>

// Runs the deletions of forms that have been closed.
inline void deleteClosedForms()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The names of the widgets the focus passes through, from where it stands, over so
// many presses of Tab in the active window.
inline QStringList focusWalk(QWidget *window, int stops)
{
    QApplication::setActiveWindow(window);
    QStringList visited;
    for (int stop = 0; stop < stops; ++stop) {
        QWidget *focus = QApplication::focusWidget();
        if (!focus)
            break;
        visited << focus->objectName();
        pressKey(focus, Qt::Key_Tab);
    }
    return visited;
}

// A shell test ends by closing the program's own windows it opened, as a user leaving the
// program would: the splash, the login and the main window with its children.
class ShellFormsTest : public ProgramFolderTest {
protected:
    void TearDown() override
    {
        for (const char *name : {"Stratform", "frm_MainMain", "MDI"})
            delete forms::FormsRegistry::find(QString::fromLatin1(name));
        ProgramFolderTest::TearDown();
    }
};
