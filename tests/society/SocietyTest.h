#pragma once

#include "data/Module1.h"
#include "support/ProgramFolderTest.h"

// A program folder whose data source is registered, so that the society classes'
// own connections open.
class SocietyTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        Module1::OpenConnection();
        Module1::CloseSharedConnection();
    }

    // The texts of the boxes shown so far, in order.
    QStringList boxTexts()
    {
        QStringList texts;
        for (const forms::MessageBoxRecord &box : boxes().shown())
            texts << box.text;
        return texts;
    }
};
