#pragma once

#include "platform/forms/ScriptedMessageBoxes.h"

#include <QString>
#include <QTemporaryDir>

// A program folder of a benchmark's own: a fresh register database holding the given
// number of cheques, numbered from 1 (serial and cheque number alike), scripted message
// boxes and prints that go to PDF files. A benchmark that ends the program cannot be
// measured: the run stops there with the boxes the program showed, and fails.
class BenchProgramFolder {
public:
    explicit BenchProgramFolder(int cheques);
    ~BenchProgramFolder();
    BenchProgramFolder(const BenchProgramFolder &) = delete;
    BenchProgramFolder &operator=(const BenchProgramFolder &) = delete;

    QString databasePath() const;
    // The boxes shown so far.
    forms::ScriptedMessageBoxes &boxes() { return boxes_; }

    // Forgets what the program keeps from one operation to the next, as a new start of
    // the program would find it, with this folder still its folder.
    void startAfresh();

private:
    void useAsProgramFolder();
    [[noreturn]] void endLoudly() const;
    void storeCheques(int count) const;

    QTemporaryDir folder_;
    forms::ScriptedMessageBoxes boxes_;
};
