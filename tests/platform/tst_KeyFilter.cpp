#include "platform/forms/Form.h"
#include "platform/forms/KeyFilter.h"
#include "support/IsolatedTest.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using forms::filterKeyAscii;

TEST(KeyFilterTest, dropsTheApostropheAndLowersCodesAbove96By32)
{
    EXPECT_EQ(filterKeyAscii('\''), 0);
    EXPECT_EQ(filterKeyAscii('a'), 'A');
    EXPECT_EQ(filterKeyAscii('z'), 'Z');
    EXPECT_EQ(filterKeyAscii('{'), '[');
    EXPECT_EQ(filterKeyAscii('~'), '^');
    EXPECT_EQ(filterKeyAscii(127), 95);
    EXPECT_EQ(filterKeyAscii(200), 168);
    EXPECT_EQ(filterKeyAscii(96), 96);
    EXPECT_EQ(filterKeyAscii('A'), 'A');
    EXPECT_EQ(filterKeyAscii('7'), '7');
    EXPECT_EQ(filterKeyAscii(27), 27);
    EXPECT_EQ(filterKeyAscii(8), 8);
}

class KeyPreviewTest : public IsolatedTest {
protected:
    static void SetUpTestSuite() { ensureApplication(); }

    void SetUp() override
    {
        IsolatedTest::SetUp();
        form = new forms::Form;
        box = new QLineEdit(form);
        form->show();
    }

    void TearDown() override
    {
        delete form;
        IsolatedTest::TearDown();
    }

    QPointer<forms::Form> form;
    QLineEdit *box = nullptr;
};

TEST_F(KeyPreviewTest, typedTextReachesTheBoxesFiltered)
{
    new forms::KeyPreview(form);
    auto *laterBox = new QLineEdit(form);

    QTest::keyClicks(box, QStringLiteral("ab{c'd 1"));
    QTest::keyClicks(laterBox, QStringLiteral("O'neil"));
    QTest::keyClick(laterBox, Qt::Key_Backspace);
    QTest::keyClick(laterBox, Qt::Key_Left);
    QTest::keyClick(laterBox, Qt::Key_Left);
    QTest::keyClicks(laterBox, QStringLiteral("x"));

    EXPECT_EQ(box->text(), QStringLiteral("AB[CD 1"));
    EXPECT_EQ(laterBox->text(), QStringLiteral("ONXEI"));
}

TEST_F(KeyPreviewTest, withoutPreviewBoxesTakeEveryCharacterAsTyped)
{
    QTest::keyClicks(box, QStringLiteral("o'neil{"));

    EXPECT_EQ(box->text(), QStringLiteral("o'neil{"));
}

TEST_F(KeyPreviewTest, escUnloadsTheFormOnce)
{
    new forms::KeyPreview(form);
    QSignalSpy unloaded(form, &forms::Form::unloaded);

    QTest::keyClick(box, Qt::Key_Escape);

    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(unloaded.count(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form.isNull());
}

TEST_F(KeyPreviewTest, escapeOnlyPreviewLeavesOtherKeysAlone)
{
    new forms::KeyPreview(form, forms::KeyPreview::Keys::EscapeOnly);

    QTest::keyClicks(box, QStringLiteral("o'k"));
    EXPECT_EQ(box->text(), QStringLiteral("o'k"));

    QTest::keyClick(box, Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(KeyPreviewTest, keysOfOtherWindowsAreNotFiltered)
{
    new forms::KeyPreview(form);
    auto other = std::make_unique<QLineEdit>();

    QTest::keyClicks(other.get(), QStringLiteral("o'k"));
    QTest::keyClick(other.get(), Qt::Key_Escape);

    EXPECT_EQ(other->text(), QStringLiteral("o'k"));
    EXPECT_TRUE(form->isVisible());
}
