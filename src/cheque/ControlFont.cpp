#include "cheque/ControlFont.h"

#include "platform/forms/Twips.h"

QFont controlFont()
{
    return forms::formFont(QStringLiteral("MS Sans Serif"), 9.75, true);
}
