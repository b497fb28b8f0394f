#include "platform/forms/ControlFont.h"

#include "platform/forms/Twips.h"

namespace forms {

QFont controlFont()
{
    return formFont(QStringLiteral("MS Sans Serif"), 9.75, true);
}

} // namespace forms
