#pragma once

#include "platform/forms/ScriptedMessageBoxes.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <initializer_list>
#include <utility>

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

// Picks a row of a combo box as a person does: a click on the box, Alt+Down to open its
// list, the arrows to the row and Enter.
inline void pickFromList(QComboBox *box, int row)
{
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::keyClick(box, Qt::Key_Down, Qt::AltModifier);
    QAbstractItemView *list = box->view();
    while (list->currentIndex().row() != row)
        QTest::keyClick(list, list->currentIndex().row() < row ? Qt::Key_Down : Qt::Key_Up);
    QTest::keyClick(list, Qt::Key_Return);
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

// A click (or a double click) with the mouse on a part of a date picker's text: 0 is
// the first part of its format.
inline void clickDatePart(QDateEdit *picker, int part, bool twice = false)
{
    auto *text = picker->findChild<QLineEdit *>();
    const QString shown = text->text();
    int start = 0;
    for (int separators = 0; separators < part; ++start)
        separators += shown.at(start).isLetterOrNumber() ? 0 : 1;
    // Over the middle of the part's first character.
    const int y = text->height() / 2;
    int x = 0;
    while (x < text->width() && text->cursorPositionAt(QPoint(x, y)) <= start)
        ++x;
    const QPoint point(x - 1, y);
    if (twice)
        QTest::mouseDClick(text, Qt::LeftButton, {}, point);
    else
        QTest::mouseClick(text, Qt::LeftButton, {}, point);
}

// A date typed from the day on, in the picker's own format (a month's name in small
// letters), after a click or a double click on the day; Tab then leaves the picker.
inline void typeDate(QDateEdit *picker, const QDate &date, bool doubleClick = false)
{
    clickDatePart(picker, 0, doubleClick);
    QTest::keyClicks(picker, QLocale().toString(date, picker->displayFormat()).toLower());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
}

// Types dates over dates of shorter months, of other years and of a leap day into each
// picker, after a click and after a double click on the day; gives every case in which
// the picker's date is not the date typed.
inline QStringList datesNotTakenAsTyped(std::initializer_list<QDateEdit *> pickers)
{
    const std::pair<QDate, QDate> typedOverShown[] = {
        {QDate(2026, 3, 31), QDate(2025, 4, 15)},  {QDate(2026, 1, 31), QDate(2026, 2, 10)},
        {QDate(2025, 12, 30), QDate(2026, 2, 10)}, {QDate(2028, 2, 29), QDate(2025, 6, 30)},
        {QDate(2026, 5, 31), QDate(2026, 4, 30)},
    };
    QStringList wrong;
    for (QDateEdit *picker : pickers) {
        for (const bool doubleClick : {false, true}) {
            for (const auto &[typed, shown] : typedOverShown) {
                picker->setDate(shown);
                typeDate(picker, typed, doubleClick);
                if (picker->date() != typed)
                    wrong << QStringLiteral("%1: %2 typed over %3%4 gave %5")
                                 .arg(picker->objectName(), typed.toString(Qt::ISODate),
                                      shown.toString(Qt::ISODate),
                                      doubleClick ? QStringLiteral(" after a double click")
                                                  : QString(),
                                      picker->date().toString(Qt::ISODate));
            }
        }
    }
    return wrong;
}

// The ways a person pastes into a date picker: Ctrl+V, Shift+Insert, and Paste in the
// menu that a right click on its text opens.
enum class PasteBy { CtrlV, ShiftInsert, Menu };

// Puts the text on the clipboard, clicks the picker's day, selects all (Ctrl+A) and
// pastes the text in that way.
inline void pasteDate(QDateEdit *picker, const QString &text, PasteBy way)
{
    QApplication::clipboard()->setText(text);
    clickDatePart(picker, 0);
    QTest::keyClick(picker, Qt::Key_A, Qt::ControlModifier);
    if (way == PasteBy::CtrlV) {
        QTest::keyClick(picker, Qt::Key_V, Qt::ControlModifier);
    } else if (way == PasteBy::ShiftInsert) {
        QTest::keyClick(picker, Qt::Key_Insert, Qt::ShiftModifier);
    } else {
        // Clicks Paste once the menu is open; the right click goes through the window,
        // as the mouse's does, so that the window opens the menu.
        QTimer::singleShot(0, [] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            for (QAction *action : menu ? menu->actions() : QList<QAction *>()) {
                if (action->text().startsWith(QStringLiteral("&Paste")))
                    QTest::mouseClick(menu, Qt::LeftButton, {},
                                      menu->actionGeometry(action).center());
            }
        });
        auto *text = picker->findChild<QLineEdit *>();
        QWindow *window = picker->window()->windowHandle();
        QTest::mouseClick(window, Qt::RightButton, {},
                          window->mapFromGlobal(text->mapToGlobal(text->rect().center())));
        // Offscreen, the window is not made active again when the menu closes.
        if (!QApplication::activeWindow())
            QApplication::setActiveWindow(picker->window());
    }
}

// Pastes dates, impossible dates and texts that are no date into each picker showing
// 15/04/2025, in each way; gives every case in which the picker does not take the text
// as it takes a typed one: a date that exists exactly, anything else refused with the
// typed date's message ("... is not a date: the date stays ...") and the date kept.
inline QStringList pastesNotTakenAsTyped(std::initializer_list<QDateEdit *> pickers,
                                         forms::ScriptedMessageBoxes &boxes)
{
    const QDate shown(2025, 4, 15);
    const std::pair<const char *, QDate> pastes[] = {
        {"31/03/2026", QDate(2026, 3, 31)}, {" 1/5/2026\n", QDate(2026, 5, 1)},
        {"31/04/2025", QDate()},            {"29/02/2025", QDate()},
        {"31 Apr 2025", QDate()},           {"next friday", QDate()},
        {"31/03/2026 10:30", QDate()},
    };
    const std::pair<PasteBy, const char *> ways[] = {
        {PasteBy::CtrlV, "Ctrl+V"}, {PasteBy::ShiftInsert, "Shift+Insert"}, {PasteBy::Menu, "menu"},
    };
    QStringList wrong;
    for (QDateEdit *picker : pickers) {
        const QString stays = QLocale().toString(shown, picker->displayFormat());
        for (const auto &[way, wayName] : ways) {
            for (const auto &[pasted, date] : pastes) {
                const QString text = QString::fromLatin1(pasted);
                boxes.clear();
                picker->setDate(shown);
                pasteDate(picker, text, way);
                QTest::keyClick(picker, Qt::Key_Tab);
                QStringList said;
                for (const forms::MessageBoxRecord &box : boxes.shown())
                    said << QStringLiteral("%1 (%2, %3)").arg(box.text).arg(box.icon).arg(
                        box.title);
                const QStringList expected =
                    date.isValid() ? QStringList()
                                   : QStringList{text.trimmed() + " is not a date: the date stays "
                                                 + stays + " (64, Error in Entry)"};
                if (picker->date() != (date.isValid() ? date : shown) || said != expected)
                    wrong << QStringLiteral("%1, %2 \"%3\": %4, said [%5]")
                                 .arg(picker->objectName(), QString::fromLatin1(wayName), text,
                                      picker->date().toString(Qt::ISODate), said.join(u'|'));
            }
        }
    }
    return wrong;
}
