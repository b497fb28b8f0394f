#pragma once

#include <QString>
#include <QStringList>

struct sqlite3;

// A connection straight to a database file, outside the program's layers, for laying
// out what a test starts from and reading back what the program stored. The file is
// created when absent.
class RawDatabase {
public:
    explicit RawDatabase(const QString &path);
    ~RawDatabase();
    RawDatabase(const RawDatabase &) = delete;
    RawDatabase &operator=(const RawDatabase &) = delete;

    // The engine's result code of statements that return no rows; a failure's message
    // goes to *message.
    int exec(const QString &sql, QString *message = nullptr);
    // Every row of a query, each as its columns joined by "|" ("NULL" for a null); a
    // query the engine refuses fails the current test.
    QStringList rows(const QString &sql);
    // The first column of the first row ("" for none).
    QString scalar(const QString &sql);

private:
    sqlite3 *handle_ = nullptr;
};
