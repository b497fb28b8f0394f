#include "platform/forms/Control.h"

#include "platform/runtime/RuntimeError.h"

namespace forms {

rt::Variant Control::Text() const
{
    throw rt::RuntimeError::objectDoesNotSupport();
}

void Control::setText(const rt::Variant &)
{
    throw rt::RuntimeError::objectDoesNotSupport();
}

rt::Variant Control::Value() const
{
    throw rt::RuntimeError::objectDoesNotSupport();
}

void Control::setValue(const rt::Variant &)
{
    throw rt::RuntimeError::objectDoesNotSupport();
}

void Control::Clear()
{
    throw rt::RuntimeError::objectDoesNotSupport();
}

void Control::AddItem(const QString &)
{
    throw rt::RuntimeError::objectDoesNotSupport();
}

int Control::ListCount() const
{
    throw rt::RuntimeError::objectDoesNotSupport();
}

QString Control::List(int) const
{
    throw rt::RuntimeError::objectDoesNotSupport();
}

int Control::ListIndex() const
{
    throw rt::RuntimeError::objectDoesNotSupport();
}

void Control::setListIndex(int)
{
    throw rt::RuntimeError::objectDoesNotSupport();
}

} // namespace forms
