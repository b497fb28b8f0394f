#pragma once

#include "platform/forms/FormsRegistry.h"
#include "support/FormDriving.h"
#include "support/ProgramFolderTest.h"

#include <QApplication>

// A shell test ends by closing the program's own windows it opened, as a user leaving the
// program would: the splash, the login and the main window with its children.
class ShellFormsTest : public ProgramFolderTest {
protected:
    void TearDown() override
    {
        for (const char *name : {"Stratform", "frm_MainMain", "MDI"})
            delete forms::FormsRegistry::find(QString::fromLatin1(name));
        ProgramFolderTest::TearDown();
    }
};
