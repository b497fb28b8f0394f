#pragma once

#include "platform/forms/Control.h"

#include <QMetaObject>
#include <QPointer>
#include <functional>
#include <memory>

class QLineEdit;
class QComboBox;
class QDateEdit;

namespace forms {

// Adapters that let data classes reach Qt widgets as controls. An adapter whose widget
// is gone raises error 438 like a property the widget lacks. The widgets are only
// declared here: whatever needs their classes whole lives in WidgetControls.cpp.

class TextBoxControl : public Control {
public:
    explicit TextBoxControl(QLineEdit *box);
    rt::Variant Text() const override;
    void setText(const rt::Variant &text) override;

private:
    QPointer<QLineEdit> box_;
};

// A combo box whose Click handler runs when the user picks an item (while this adapter
// lives) and, at once, when code sets ListIndex; code selecting an item by other means
// raises nothing, so each selection raises Click once. The list that code clears and
// fills reaches the box in one step: before the next read or selection through the
// adapter, before the box handles an event of its own (a paint, a click, a key) and at
// the latest when control returns to the event loop.
class ComboBoxControl : public Control {
public:
    explicit ComboBoxControl(QComboBox *box, std::function<void()> click = {});
    ~ComboBoxControl() override;
    ComboBoxControl(const ComboBoxControl &) = delete;
    ComboBoxControl &operator=(const ComboBoxControl &) = delete;

    rt::Variant Text() const override;
    void setText(const rt::Variant &text) override;
    void Clear() override;
    void AddItem(const QString &item) override;
    int ListCount() const override;
    QString List(int index) const override;
    int ListIndex() const override;
    void setListIndex(int index) override;

private:
    class PendingList;

    QPointer<QComboBox> box_;
    std::function<void()> click_;
    QMetaObject::Connection userPicks_;
    std::unique_ptr<PendingList> pending_;
};

// A date picker: Value is its date; Text its date in the short-date form.
class DatePickerControl : public Control {
public:
    explicit DatePickerControl(QDateEdit *picker);
    rt::Variant Text() const override;
    rt::Variant Value() const override;
    void setValue(const rt::Variant &value) override;

private:
    QPointer<QDateEdit> picker_;
};

} // namespace forms
