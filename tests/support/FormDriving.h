#pragma once

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QWidget>
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
