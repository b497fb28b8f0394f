#include "platform/forms/FormsRegistry.h"
#include "platform/forms/GuardedApplication.h"
#include "shell/ShellPictures.h"
#include "shell/frm_MainMain.h"

int main(int argc, char *argv[])
{
    forms::GuardedApplication application(argc, argv);
    QApplication::setWindowIcon(ShellPictures::windowIcon());
    forms::FormsRegistry::show(QStringLiteral("frm_MainMain"), [] { return new frm_MainMain; });
    return application.exec();
}
