#pragma once

#include "platform/forms/ScriptedMessageBoxes.h"

#include <QString>
#include <QTemporaryDir>

// A program folder of a benchmark's own: a fresh register database holding the given
// number of cheques, numbered from 1 (serial and cheque number alike), scripted message
// boxes and prints that go to PDF files.
class BenchProgramFolder {
public:
    explicit BenchProgramFolder(int cheques);
    ~BenchProgramFolder();
    BenchProgramFolder(const BenchProgramFolder &) = delete;
    BenchProgramFolder &operator=(const BenchProgramFolder &) = delete;

    QString databasePath() const;
    // The boxes shown so far.
    forms::ScriptedMessageBoxes &boxes() { return boxes_; }

private:
    void storeCheques(int count) const;

    QTemporaryDir folder_;
    forms::ScriptedMessageBoxes boxes_;
};
