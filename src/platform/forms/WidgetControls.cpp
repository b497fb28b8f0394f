#include "platform/forms/WidgetControls.h"

#include "platform/runtime/Conversions.h"
#include "platform/runtime/RuntimeError.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <utility>

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

TextBoxControl::TextBoxControl(QLineEdit *box) : box_(box) {}

rt::Variant TextBoxControl::Text() const
{
    return alive(box_).text();
}

void TextBoxControl::setText(const rt::Variant &text)
{
    alive(box_).setText(text.toString());
}

// A combo box lays out its list again for every row it gains or
// loses: a list of thousands cleared and filled again one item at a time spends most
// of its time there. Code's changes to the list therefore wait here and reach the box
// in one step, and a list filled again with mostly the same items keeps the rows it
// shares with the new one at its start and end.
class ComboBoxControl::PendingList : public QObject {
public:
    explicit PendingList(QComboBox *box) : box_(box)
    {
        if (box_)
            box_->installEventFilter(this);
    }

    ~PendingList() override { apply(); }

    void clear()
    {
        schedule();
        cleared_ = true;
        items_.clear();
    }

    void add(const QString &item)
    {
        schedule();
        items_.append(item);
    }

    // A combo box selects the first item added to an empty list by itself; a list
    // filled by code keeps its selection and text until code sets ListIndex.
    void apply()
    {
        if (!box_ || !pending())
            return;
        const bool replace = std::exchange(cleared_, false);
        const QStringList items = std::exchange(items_, {});
        QComboBox &box = *box_;
        const int index = box.currentIndex();
        const QString text = box.currentText();
        if (replace)
            replaceRows(box, items);
        else
            box.addItems(items);
        if (box.currentIndex() != index) {
            box.setCurrentIndex(index);
            if (box.isEditable())
                box.setEditText(text);
        }
    }

protected:
    bool eventFilter(QObject *, QEvent *) override
    {
        apply();
        return false;
    }

private:
    bool pending() const { return cleared_ || !items_.isEmpty(); }

    // At the latest when control returns to the event loop.
    void schedule()
    {
        if (!pending())
            QMetaObject::invokeMethod(this, &PendingList::apply, Qt::QueuedConnection);
    }

    static void replaceRows(QComboBox &box, const QStringList &items)
    {
        const int rows = box.count();
        const int count = static_cast<int>(items.size());
        int head = 0;
        while (head < rows && head < count && box.itemText(head) == items[head])
            ++head;
        int tail = 0;
        while (tail < rows - head && tail < count - head
               && box.itemText(rows - 1 - tail) == items[count - 1 - tail])
            ++tail;
        if (rows - head - tail > 0)
            box.model()->removeRows(head, rows - head - tail, box.rootModelIndex());
        box.insertItems(head, items.mid(head, count - head - tail));
    }

    QPointer<QComboBox> box_;
    bool cleared_ = false;
    QStringList items_;
};

ComboBoxControl::ComboBoxControl(QComboBox *box, std::function<void()> click)
    : box_(box), click_(std::move(click)), pending_(std::make_unique<PendingList>(box))
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
    pending_->apply();
    return alive(box_).currentText();
}

void ComboBoxControl::setText(const rt::Variant &text)
{
    pending_->apply();
    QComboBox &box = alive(box_);
    if (box.isEditable())
        box.setEditText(text.toString());
    else
        box.setCurrentText(text.toString());
}

// The box shows no selection and no text at once; its rows go when the list is next
// read, selected or shown.
void ComboBoxControl::Clear()
{
    QComboBox &box = alive(box_);
    pending_->clear();
    box.setCurrentIndex(-1);
    box.clearEditText();
}

void ComboBoxControl::AddItem(const QString &item)
{
    alive(box_);
    pending_->add(item);
}

int ComboBoxControl::ListCount() const
{
    pending_->apply();
    return alive(box_).count();
}

QString ComboBoxControl::List(int index) const
{
    pending_->apply();
    return alive(box_).itemText(index);
}

int ComboBoxControl::ListIndex() const
{
    pending_->apply();
    return alive(box_).currentIndex();
}

void ComboBoxControl::setListIndex(int index)
{
    pending_->apply();
    QComboBox &box = alive(box_);
    if (index < 0 || index >= box.count())
        throw rt::RuntimeError::invalidPropertyValue();
    box.setCurrentIndex(index);
    if (box.isEditable())
        box.setEditText(box.itemText(index));
    if (click_)
        click_();
}

DatePickerControl::DatePickerControl(QDateEdit *picker) : picker_(picker) {}

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
