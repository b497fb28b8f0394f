#pragma once

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QString>
#include <QStringList>
#include <QWidget>

// Keys as the keyboard sends them to a widget, passing every application-wide filter.
inline void pressKey(QWidget *widget, int key, const QString &text = QString())
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(widget, &release);
}

inline void typeInto(QWidget *widget, const QString &text)
{
    for (const QChar character : text) {
        const QChar capital = character.toUpper();
        const int key = capital.isLetter() ? Qt::Key_A + (capital.unicode() - u'A')
                                           : character.unicode();
        pressKey(widget, key, QString(character));
    }
}

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
