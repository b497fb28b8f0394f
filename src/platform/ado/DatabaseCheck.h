#pragma once

#include <QString>
#include <QStringList>

struct sqlite3;

namespace ado {

// Tells a file that only looks like the program's database before anything is read from
// it or written into it: an empty file, one holding none of the system's tables, or one
// whose pages are damaged.
class DatabaseCheck {
public:
    // The tables of which the program's database holds at least one. The data layer names
    // them: this layer knows no table of the system. With none named, any file passes
    // this part of the check.
    static void setSystemTables(const QStringList &names);

    // Before the file is opened: an empty file is no database, though the engine would
    // take it for a new one and write into it.
    static void verifyNotEmpty(const QString &path);

    // On the open file: the system's tables, and, on the file's first opening of the run,
    // the engine's quick integrity check. Raises the provider failure with a clear
    // description when the file fails either.
    static void verifyContents(sqlite3 *handle, const QString &path);
};

} // namespace ado
