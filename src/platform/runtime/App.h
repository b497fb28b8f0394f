#pragma once

#include <QString>
#include <functional>

namespace rt {

// The application object: its folder and title.
class App {
public:
    // The folder of the running executable, without a trailing separator.
    static QString Path();
    // Tests point the program at a folder of their own; an empty folder restores the
    // executable's.
    static void setPathForTesting(const QString &folder);

    // The title message boxes show when they are given none.
    static QString Title();
};

// Ends the process at once: no form is unloaded and no further event runs.
[[noreturn]] void End();

// Replaces what End() does; tests install a handler that throws ProcessEnded so the
// road up to the end can be asserted. The handler must not return: if it does, End()
// still ends the process. An empty handler restores the default.
void setEndHandler(std::function<void()> handler);

// Thrown by the end handler that tests install.
struct ProcessEnded {};

} // namespace rt
