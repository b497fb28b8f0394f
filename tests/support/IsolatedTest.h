#pragma once

#include <gtest/gtest.h>

// Gives every test the module-level state of a fresh start, before and after it, and
// fails a test that leaves a top-level window behind; such windows are then deleted so
// that the next test starts clean all the same.
class IsolatedTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

// Makes sure a QApplication exists for tests that build widgets.
void ensureApplication();
