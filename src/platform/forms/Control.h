#pragma once

#include "platform/runtime/Variant.h"

#include <QString>

namespace forms {

// A control handed to data classes by reference and reached by property name at run
// time. A property or method the control lacks raises error 438.
class Control {
public:
    virtual ~Control() = default;

    virtual rt::Variant Text() const;
    virtual void setText(const rt::Variant &text);
    virtual rt::Variant Value() const;
    virtual void setValue(const rt::Variant &value);
    // The default property: Text for text and combo boxes.
    virtual rt::Variant defaultProperty() const { return Text(); }

    // List operations of combo and list boxes. Setting ListIndex selects the item,
    // shows it as the text and raises the control's Click; an index outside the list
    // raises error 380 and selects nothing.
    virtual void Clear();
    virtual void AddItem(const QString &item);
    virtual int ListCount() const;
    virtual QString List(int index) const;
    virtual int ListIndex() const;
    virtual void setListIndex(int index);
};

} // namespace forms
