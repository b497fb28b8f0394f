#pragma once

#include <QApplication>

namespace forms {

// The application object with one guard at the top of event handling: a run-time error
// that no handler caught is shown with its description (OK, the application's title) and
// the program goes on with its next event, instead of ending with no word.
class GuardedApplication : public QApplication {
public:
    GuardedApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;
};

} // namespace forms
