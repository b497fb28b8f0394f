#pragma once

// Every form that places controls in twips also names their font, so formFont comes too.
#include "platform/drawing/FormFont.h"

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

} // namespace forms
