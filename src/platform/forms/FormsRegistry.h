#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

class QMdiArea;

namespace forms {

// Forms exist once: showing a form that is already open brings the same window
// forward instead of loading a second one. Children of the main window are shown
// modeless inside its MDI area.
class FormsRegistry {
public:
    // Returns the open form of that name, or creates it with the factory, shows it
    // inside the area (or as a top-level window when the area is null) and brings it
    // forward. The form is deleted when it is closed.
    static QWidget *show(const QString &formName, const std::function<QWidget *()> &factory,
                         QMdiArea *area = nullptr);

    // The open form of that name, or null.
    static QWidget *find(const QString &formName);
};

} // namespace forms
