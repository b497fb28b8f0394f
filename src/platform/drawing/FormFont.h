#pragma once

#include <QFont>
#include <QString>

// Shared by the forms, which show it on screen, and the printer, which puts it on paper,
// so that neither needs the other.
namespace forms {

// The font the forms name, with DejaVu standing in for the Windows faces.
QFont formFont(const QString &face, double pointSize, bool bold = false);

} // namespace forms
