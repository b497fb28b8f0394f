#include "support/IsolatedTest.h"

#include "platform/forms/GuardedApplication.h"
#include "platform/runtime/TestReset.h"
#include "support/FormDriving.h"

#include <QApplication>
#include <QPointer>
#include <QStringList>
#include <QWidget>

namespace {

QString describe(const QWidget *window)
{
    return QStringLiteral("%1 \"%2\"")
        .arg(QString::fromLatin1(window->metaObject()->className()), window->objectName());
}

// Deleting one window can delete others (a main window takes its menus), hence the
// guarded pointers.
void deleteAll(const QWidgetList &windows)
{
    QList<QPointer<QWidget>> guarded;
    for (QWidget *window : windows)
        guarded << window;
    for (const QPointer<QWidget> &window : guarded)
        delete window.data();
}

} // namespace

void ensureApplication()
{
    if (QApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "tests";
    static char *argv[] = {name, nullptr};
    // The program's own application object, so that tests meet its event guard too.
    new forms::GuardedApplication(argc, argv);
}

void IsolatedTest::SetUp()
{
    rt::runTestResets();
}

void IsolatedTest::TearDown()
{
    if (QApplication::instance()) {
        deleteClosedForms();
        // A window with an owner (a combo box's popup) goes with its owner.
        QWidgetList windows;
        QStringList names;
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (!window->parentWidget()) {
                windows << window;
                names << describe(window);
            }
        }
        EXPECT_TRUE(names.isEmpty()) << "left open: " << names.join(QStringLiteral(", ")).toStdString();
        deleteAll(windows);
    }
    rt::runTestResets();
}
