#include "platform/forms/WidgetControls.h"

#include "platform/runtime/Conversions.h"
#include "platform/runtime/RuntimeError.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>

namespace forms {

namespace {

// The adapted widget; one that was deleted behind the adapter's back has no property.
template <typename Widget>
Widget &alive(const QPointer<Widget> &widget)
{
    if (!widget)
        throw rt::RuntimeError::objectDoesNotSupport();
    return *widget;
}

} // namespace

rt::Variant TextBoxControl::Text() const
{
    return alive(box_).text();
}

void TextBoxControl::setText(const rt::Variant &text)
{
    alive(box_).setText(text.toString());
}

rt::Variant LabelControl::Text() const
{
    return alive(label_).text();
}

void LabelControl::setText(const rt::Variant &text)
{
    alive(label_).setText(text.toString());
}

ComboBoxControl::ComboBoxControl(QComboBox *box, std::function<void()> click)
    : box_(box), click_(std::move(click))
{
    if (box_ && click_)
        userPicks_ = QObject::connect(box_, &QComboBox::activated, box_, [this] { click_(); });
}

ComboBoxControl::~ComboBoxControl()
{
    QObject::disconnect(userPicks_);
}

rt::Variant ComboBoxControl::Text() const
{
    return alive(box_).currentText();
}

void ComboBoxControl::setText(const rt::Variant &text)
{
    QComboBox &box = alive(box_);
    if (box.isEditable())
        box.setEditText(text.toString());
    else
        box.setCurrentText(text.toString());
}

void ComboBoxControl::Clear()
{
    QComboBox &box = alive(box_);
    box.clear();
    box.clearEditText();
}

// A combo box selects the first item added to an empty list by itself; a list filled
// by code keeps its selection and text until code sets ListIndex.
void ComboBoxControl::AddItem(const QString &item)
{
    QComboBox &box = alive(box_);
    const int index = box.currentIndex();
    const QString text = box.currentText();
    box.addItem(item);
    if (box.currentIndex() != index) {
        box.setCurrentIndex(index);
        if (box.isEditable())
            box.setEditText(text);
    }
}

int ComboBoxControl::ListCount() const
{
    return alive(box_).count();
}

QString ComboBoxControl::List(int index) const
{
    return alive(box_).itemText(index);
}

int ComboBoxControl::ListIndex() const
{
    return alive(box_).currentIndex();
}

void ComboBoxControl::setListIndex(int index)
{
    QComboBox &box = alive(box_);
    if (index < 0 || index >= box.count())
        throw rt::RuntimeError::invalidPropertyValue();
    box.setCurrentIndex(index);
    if (box.isEditable())
        box.setEditText(box.itemText(index));
    if (click_)
        click_();
}

rt::Variant DatePickerControl::Text() const
{
    return rt::shortDateText(alive(picker_).date());
}

rt::Variant DatePickerControl::Value() const
{
    return alive(picker_).date();
}

void DatePickerControl::setValue(const rt::Variant &value)
{
    alive(picker_).setDate(value.toDate());
}

} // namespace forms
