#pragma once

#include <QString>

namespace printer {

// The CUPS print system, as far as the printer needs it beyond Qt: Qt's print support
// hands a finished document to CUPS and drops CUPS's answer.
class CupsQueue {
public:
    // Why CUPS refused the last job handed to it on this thread, or the empty text when it
    // took the job or no CUPS library is there to ask.
    static QString refusalOfLastJob();
};

} // namespace printer
