// Lays the register database into a program folder, leaving an existing one alone; given
// the register of the folder the program ran from before, copies that one instead.
// Usage: make_database <schema.sql> <seed.sql> <path of Cheque.mdb> [<earlier Cheque.mdb>]

#include "tools/DatabaseFile.h"

#include <QDir>
#include <QFileInfo>
#include <QString>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr, "usage: make_database <schema script> <seed script> <database file>"
                             " [<earlier database file>]\n");
        return 1;
    }
    const DatabaseFile database(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]));
    const QString path = QString::fromLocal8Bit(argv[3]);
    const QString earlier = argc == 5 ? QString::fromLocal8Bit(argv[4]) : QString();
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "make_database: cannot create %s\n", qPrintable(folder));
        return 1;
    }
    QString reason;
    if (!database.copyOrCreateIfAbsent(path, earlier, &reason)) {
        std::fprintf(stderr, "make_database: %s\n", qPrintable(reason));
        return 1;
    }
    return 0;
}
