#pragma once

#include <QCoreApplication>
#include <QKeyEvent>
#include <QString>
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

