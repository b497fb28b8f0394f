#pragma once

#include "platform/forms/Control.h"

#include <QStringList>

namespace forms {

// A control with no window, holding its text, value and list: for data classes called
// by code alone, and for tests.
class PlainControl : public Control {
public:
    PlainControl() = default;
    explicit PlainControl(const rt::Variant &text) : text_(text) {}

    rt::Variant Text() const override { return text_; }
    void setText(const rt::Variant &text) override { text_ = text; }
    rt::Variant Value() const override { return value_; }
    void setValue(const rt::Variant &value) override { value_ = value; }

    void Clear() override;
    void AddItem(const QString &item) override { items_.append(item); }
    int ListCount() const override { return items_.size(); }
    QString List(int index) const override;
    int ListIndex() const override { return index_; }
    void setListIndex(int index) override;

    int clickCount() const { return clicks_; }

private:
    rt::Variant text_;
    rt::Variant value_;
    QStringList items_;
    int index_ = -1;
    int clicks_ = 0;
};

} // namespace forms
