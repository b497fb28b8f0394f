#include "platform/runtime/App.h"

#include "platform/runtime/OnFirstUse.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>

namespace rt {

namespace {

QString &pathForTesting()
{
    static OnFirstUse<QString> folder;
    return folder.get();
}

std::function<void()> &endHandler()
{
    static OnFirstUse<std::function<void()>> handler;
    return handler.get();
}

// Without an application object (tools, some tests) the executable is found through
// the process's own link.
QString executableFolder()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).absolutePath();
}

} // namespace

QString App::Path()
{
    return pathForTesting().isEmpty() ? executableFolder() : pathForTesting();
}

void App::setPathForTesting(const QString &folder)
{
    pathForTesting() = folder;
}

QString App::Title()
{
    return QStringLiteral("Quilvane");
}

void End()
{
    if (endHandler())
        endHandler()();
    // Output already produced must not be lost, but nothing else may run: no
    // destructors, no atexit handlers, no pending events.
    std::fflush(nullptr);
    std::_Exit(0);
}

void setEndHandler(std::function<void()> handler)
{
    endHandler() = std::move(handler);
}

} // namespace rt
