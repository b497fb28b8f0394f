#include "platform/forms/Form.h"
#include "platform/forms/KeyFilter.h"
#include "support/IsolatedTest.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using forms::filterKeyAscii;

// ASCII letters and the four signs after them turn into capitals and their neighbours;
// beyond ASCII only letters change, to their capitals, and only to capitals within
// Latin-1 (those of µ, ÿ and ğ lie beyond it).
TEST(KeyFilterTest, dropsTheApostropheAndMakesCapitalsOfLetters)
{
    const std::pair<char16_t, char16_t> codes[] = {
        {u'\'', 0},  {u'a', u'A'}, {u'z', u'Z'},   {u'{', u'['},   {u'~', u'^'},
        {127, 95},   {96, 96},     {u'A', u'A'},   {u'7', u'7'},   {27, 27},
        {8, 8},      {u'é', u'É'}, {u'ÿ', u'ÿ'},   {u'ğ', u'ğ'},   {u'É', u'É'},
        {u'£', u'£'}, {u'½', u'½'}, {u'°', u'°'},  {u'€', u'€'},   {u'ß', u'ß'},
        {u'µ', u'µ'},
    };
    for (const auto &[typed, received] : codes)
        EXPECT_EQ(filterKeyAscii(typed), received) << "code " << int(typed);
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

    QTest::keyClicks(box, QStringLiteral("ab{c'd 1 "));
    // Keys of a keyboard beyond ASCII, which QTest cannot type.
    for (const QChar character : QStringLiteral("µÿé£½°")) {
        QKeyEvent press(QEvent::KeyPress, character.toUpper().unicode(), Qt::NoModifier,
                        QString(character));
        QApplication::sendEvent(box, &press);
    }
    QTest::keyClicks(laterBox, QStringLiteral("O'neil"));
    QTest::keyClick(laterBox, Qt::Key_Backspace);
    QTest::keyClick(laterBox, Qt::Key_Left);
    QTest::keyClick(laterBox, Qt::Key_Left);
    QTest::keyClicks(laterBox, QStringLiteral("x"));

    EXPECT_EQ(box->text(), QStringLiteral("AB[CD 1 µÿÉ£½°"));
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
