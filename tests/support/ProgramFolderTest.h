#pragma once

#include "platform/forms/ScriptedMessageBoxes.h"
#include "support/IsolatedTest.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

// Gives every test a fresh program folder with its own register database and registry
// hive, scripted message boxes and an end of the process that throws
// rt::ProcessEnded instead of ending the test run.
class ProgramFolderTest : public IsolatedTest {
protected:
    void SetUp() override;
    void TearDown() override;

    QString programFolder() const { return folder_->path(); }
    QString databasePath() const;

    // The boxes shown so far.
    forms::ScriptedMessageBoxes &boxes() { return *boxes_; }

    // Runs a statement straight on the database file, outside the program's layers.
    void execRaw(const QString &sql);
    // The first column of the first row of a query run straight on the file, as text
    // ("" for none, "NULL" for a null).
    QString scalarRaw(const QString &sql);
    // Every row of a query, each as its columns joined by "|".
    QStringList rowsRaw(const QString &sql);

    // Makes every insert into `table` whose `condition` holds on the new row fail, as a
    // full disk or a broken file would: refused on its own, or undoing the whole
    // transaction it is part of. The trigger doing it is named "failing".
    enum class InsertFailure { Refused, UndoesTransaction };
    void failInsertsWhen(const QString &table, const QString &condition,
                         InsertFailure failure = InsertFailure::Refused);

private:
    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<forms::ScriptedMessageBoxes> boxes_;
};
