#pragma once

#include <QWidget>

namespace forms {

// A window of the program: loads when it is first shown and knows how to unload itself
// (close and be deleted, also when it sits inside an MDI sub-window). A form deletes
// itself once closed, so hold it by QPointer, not on the stack or in an owning pointer.
class Form : public QWidget {
    Q_OBJECT
public:
    explicit Form(QWidget *parent = nullptr);

    // Runs once, when the form is first shown: only then does an MDI child sit in the
    // sub-window that its placement moves.
    virtual void Form_Load() {}

    // Closes the form and the sub-window that holds it.
    void Unload();

signals:
    // After Form_Unload, once per form.
    void unloaded();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    // Runs once when the form is closed, whatever closes it.
    virtual void Form_Unload() {}

private:
    bool loaded_ = false;
    bool unloaded_ = false;
};

} // namespace forms
