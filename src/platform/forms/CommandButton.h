#pragma once

#include <QPushButton>

namespace forms {

// A button whose caption wraps onto further lines, centred, when it is wider than the
// button, as the forms' buttons show long captions.
class CommandButton : public QPushButton {
    Q_OBJECT
public:
    CommandButton(const QString &caption, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace forms
