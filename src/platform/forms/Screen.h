#pragma once

#include <QRect>

namespace forms {

// The screen the program's windows open on, in pixels. Tests may stand in a screen of
// another size, as the offscreen platform has only one.
class Screen {
public:
    static QRect geometry();
    // What the desktop's panels and docks leave free.
    static QRect availableGeometry();

    static void setForTesting(const QRect &geometry, const QRect &availableGeometry);
};

} // namespace forms
