#pragma once

#include <QDate>
#include <QString>

// How values are written into statement texts. Every statement builder goes through
// these, so a value is written the same way everywhere.
class SqlText {
public:
    // 'text', with each apostrophe doubled so the text is stored and found as typed.
    static QString quoted(const QString &text);
    // #dd/MM/yyyy#
    static QString date(const QDate &date);
    // A number bare, in the general form (1500, 1500.5). A number that is not finite,
    // or whose paise are not (1e308, the largest double), raises Overflow: it never
    // reaches the database.
    static QString number(double value);
    // A control's text that goes bare into a statement: it must be a number (blanks
    // around it allowed), written as number() writes it; anything else raises the error
    // of a rejected statement and never reaches the database.
    static QString bareNumber(const QString &text);
};
