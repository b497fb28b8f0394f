#pragma once

#include <QDateEdit>

namespace forms {

// The date picker of the forms: one stop in the tab order (Tab leaves it, not its next
// part), Left and Right move between day, month and year, Up and Down change the part
// that is selected.
class DatePicker : public QDateEdit {
    Q_OBJECT
public:
    explicit DatePicker(QWidget *parent = nullptr);

protected:
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace forms
