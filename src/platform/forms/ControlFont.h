#pragma once

#include <QFont>

namespace forms {

// The font of the forms' buttons, boxes and captions, one face for every form.
QFont controlFont();

} // namespace forms
