#pragma once

#include "platform/forms/DateEntry.h"

#include <QDateEdit>
#include <optional>

namespace forms {

// The date picker of the forms: one stop in the tab order (Tab leaves it, not its next
// part), Left and Right (also with Ctrl) move between day, month and year, Up and Down
// change the part that is selected, and a click on a part selects it.
//
// What is typed is the date typed: the parts are held as typed until the last one is
// complete or the typing ends (focus leaves, Enter, an arrow, a click on the calendar
// button), and only then become the picker's date. A typed date that does not exist, or
// lies outside the dates the picker takes, is refused with a message and the picker keeps
// the date it had; it is never fitted to the month that happened to be showing. Pasted
// text (Ctrl+V, Shift+Insert, the menu's Paste, the middle button) goes the same road,
// character by character; a character that no part takes refuses the whole text.
//
// A click that ends a refused typing by taking the focus elsewhere does nothing else, so
// a button clicked over a refused date is not pressed. A typing that its form closes over
// (Esc) is dropped without a word.
class DatePicker : public QDateEdit {
    Q_OBJECT
public:
    explicit DatePicker(QWidget *parent = nullptr);

    // Ends a typing still under way, as leaving the picker does, and says whether the
    // date typed was refused (the message has then been shown and the picker keeps its
    // date). A form asks before it acts on the date; false when nothing was being typed.
    bool typedDateRefused();

    // The typed text that the picker shows meanwhile stands as typed (the date edit
    // would show 31 typed over April as 30).
    QValidator::State validate(QString &input, int &position) const override;

protected:
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void stepBy(int steps) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool typing() const { return entry_.has_value(); }
    DateEntry newEntry() const;
    void beginEntry(int part);
    void type(QChar character);
    void paste(const QString &pasted);
    void erase();
    void moveToPart(int part);
    void showEntry();
    bool endEntry(const QString &given = QString());
    void dropEntry(const QDate &shown);
    QString refusalOf(const QDate &typed, const QString &typedText) const;
    void refuse(const QString &refusal);
    void selectPart(int part);
    int currentPart() const;
    int selectedPart() const;

    std::optional<DateEntry> entry_;
    bool showingEntry_ = false;
};

} // namespace forms
