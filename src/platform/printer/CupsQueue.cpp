#include "platform/printer/CupsQueue.h"

#include <QLibrary>

namespace printer {

namespace {

// IPP status codes up to 0x00FF are the successful ones.
constexpr int LastSuccessfulStatus = 0x00ff;

using LastError = int (*)();
using LastErrorString = const char *(*)();

} // namespace

// Asked through the library Qt's print support has loaded: the program does not link the
// print system itself, and where there is none, there is nothing to ask.
QString CupsQueue::refusalOfLastJob()
{
    QLibrary cups(QStringLiteral("cups"), 2);
    const auto lastError = reinterpret_cast<LastError>(cups.resolve("cupsLastError"));
    const auto lastErrorString =
        reinterpret_cast<LastErrorString>(cups.resolve("cupsLastErrorString"));
    if (!lastError || !lastErrorString || lastError() <= LastSuccessfulStatus)
        return QString();
    return QString::fromLocal8Bit(lastErrorString());
}

} // namespace printer
