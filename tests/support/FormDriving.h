#pragma once

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QString>
#include <QStringList>
#include <QWidget>

// Drives forms as a user does and reads what they show.

// A key as the keyboard sends it to a widget, pressed and released, passing every
// application-wide filter.
inline void pressKey(QWidget *widget, int key, const QString &text = QString())
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(widget, &release);
}

// Characters typed one key at a time; a letter is sent with its capital's key code.
inline void typeInto(QWidget *widget, const QString &text)
{
    for (const QChar character : text)
        pressKey(widget, character.toUpper().unicode(), QString(character));
}

// The items of a combo box's list, in order.
inline QStringList listOf(const QComboBox *box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
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

// Runs the deletions of forms that have been closed.
inline void deleteClosedForms()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
