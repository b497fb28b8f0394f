#include "platform/drawing/FormFont.h"

#include <QStringList>

namespace forms {

QFont formFont(const QString &face, double pointSize, bool bold)
{
    static const QStringList windowsSansFaces{QStringLiteral("MS Sans Serif"),
                                              QStringLiteral("Verdana")};
    const bool substituted = windowsSansFaces.contains(face, Qt::CaseInsensitive);
    QFont font(substituted ? QStringLiteral("DejaVu Sans") : face);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

} // namespace forms
