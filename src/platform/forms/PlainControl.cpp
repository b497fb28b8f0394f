#include "platform/forms/PlainControl.h"

#include "platform/runtime/RuntimeError.h"

namespace forms {

void PlainControl::Clear()
{
    items_.clear();
    index_ = -1;
    text_ = QString();
}

QString PlainControl::List(int index) const
{
    return items_.value(index);
}

void PlainControl::setListIndex(int index)
{
    if (index < 0 || index >= items_.size())
        throw rt::RuntimeError::invalidPropertyValue();
    index_ = index;
    text_ = items_.at(index);
    ++clicks_;
}

} // namespace forms
