#pragma once

#include "platform/forms/DateEntry.h"

#include <QDateEdit>
#include <optional>

namespace forms {

// The date picker of the forms: one stop in the tab order (Tab leaves it, not its next
// part), Left and Right move between day, month and year, Up and Down change the part
// that is selected, and a click on a part selects it.
//
// What is typed is the date typed: the parts are held as typed until the last one is
// complete or the typing ends (focus leaves, Enter, an arrow, a click on the calendar
// button), and only then become the picker's date. A typed date that does not exist is
// refused with a message and the picker keeps the date it had; it is never fitted to
// the month that happened to be showing.
class DatePicker : public QDateEdit {
    Q_OBJECT
public:
    explicit DatePicker(QWidget *parent = nullptr);

protected:
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void stepBy(int steps) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool typing() const { return entry_.has_value(); }
    DateEntry newEntry() const;
    void beginEntry();
    void type(QChar character);
    void erase();
    void moveToPart(int part);
    void showEntry();
    bool endEntry();
    void selectPart(int part);
    int currentPart() const;

    std::optional<DateEntry> entry_;
};

} // namespace forms
