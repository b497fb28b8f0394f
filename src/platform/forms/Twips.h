#pragma once

#include <QFont>
#include <QString>

class QWidget;

namespace forms {

// 15 twips make one screen pixel.
constexpr int TwipsPerPixel = 15;
int twipsToPixels(int twips);
int pixelsToTwips(int pixels);

// Places a widget at a position and size in twips within its parent.
void setTwipsGeometry(QWidget *widget, int left, int top, int width, int height);

// Sets a form's client area in twips.
void setClientSizeTwips(QWidget *form, int width, int height);

// Moves a form to the top of the screen, centred across it (single-precision
// arithmetic in twips, as the forms runtime did).
void placeTopCentre(QWidget *form);

// The font the forms name, with DejaVu standing in for the Windows faces.
QFont formFont(const QString &face, double pointSize, bool bold = false);

} // namespace forms
