#pragma once

#include <QString>

// Lays out the register database: an SQLite file built from the schema and seed
// scripts. An existing file is the user's register and is never touched.
class DatabaseFile {
public:
    // Creates the file when it is absent; returns false with a reason when it cannot.
    static bool createIfAbsent(const QString &path, QString *error = nullptr);
};
