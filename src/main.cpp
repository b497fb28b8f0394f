#include "platform/forms/FormsRegistry.h"
#include "shell/ShellPictures.h"
#include "shell/frm_MainMain.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setWindowIcon(ShellPictures::windowIcon());
    forms::FormsRegistry::show(QStringLiteral("frm_MainMain"), [] { return new frm_MainMain; });
    return application.exec();
}
