#pragma once

#include <QString>

// Lays out the register database: an SQLite file built from the schema and seed
// scripts. An existing file is the user's register and is never touched.
class DatabaseFile {
public:
    // The scripts are read from where the caller names them, when a file is built.
    DatabaseFile(QString schemaPath, QString seedPath);

    // Creates the file when it is absent; returns false with a reason when it cannot.
    bool createIfAbsent(const QString &path, QString *error = nullptr) const;
    // As createIfAbsent, but a register the user kept at `earlier` (the folder the program
    // ran from before) is copied in its place when there is one, so no cheque is lost.
    bool copyOrCreateIfAbsent(const QString &path, const QString &earlier,
                              QString *error = nullptr) const;

private:
    QString schemaPath_;
    QString seedPath_;
};
