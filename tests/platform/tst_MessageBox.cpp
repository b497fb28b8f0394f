#include "platform/forms/MessageBox.h"
#include "platform/forms/ScriptedMessageBoxes.h"

#include <gtest/gtest.h>

using forms::MessageBoxRecord;
using forms::MsgBox;

TEST(MessageBoxTest, boxWithoutTitleOrButtonsShowsTheApplicationTitleAnOkButtonAndNoIcon)
{
    forms::ScriptedMessageBoxes boxes;

    EXPECT_EQ(MsgBox(QStringLiteral("Fill Information")), forms::vbOK);

    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0],
              (MessageBoxRecord{QStringLiteral("Fill Information"), forms::vbOKOnly, 0,
                                QStringLiteral("Quilvane")}));
}

TEST(MessageBoxTest, styleSplitsIntoButtonsAndIconAndTheScriptAnswers)
{
    forms::ScriptedMessageBoxes boxes;
    boxes.queueAnswer(forms::vbNo);

    EXPECT_EQ(MsgBox(QStringLiteral("Delete?"), forms::vbYesNo + forms::vbQuestion,
                     QStringLiteral("?")),
              forms::vbNo);
    EXPECT_EQ(MsgBox(QStringLiteral("Again?"), forms::vbYesNoCancel + forms::vbExclamation,
                     QStringLiteral("?")),
              forms::vbYes);
    EXPECT_EQ(MsgBox(QStringLiteral("ENTERED"), forms::vbOKCancel,
                     QStringLiteral("Cheque Detail")),
              forms::vbOK);
    MsgBox(QStringLiteral("You are nor authorised"), forms::vbCritical,
           QStringLiteral("Authorisation"));
    MsgBox(QStringLiteral("Password changed"), forms::vbInformation, QStringLiteral("Admin"));

    const std::vector<MessageBoxRecord> expected{
        {QStringLiteral("Delete?"), forms::vbYesNo, forms::vbQuestion, QStringLiteral("?")},
        {QStringLiteral("Again?"), forms::vbYesNoCancel, forms::vbExclamation,
         QStringLiteral("?")},
        {QStringLiteral("ENTERED"), forms::vbOKCancel, 0, QStringLiteral("Cheque Detail")},
        {QStringLiteral("You are nor authorised"), forms::vbOKOnly, forms::vbCritical,
         QStringLiteral("Authorisation")},
        {QStringLiteral("Password changed"), forms::vbOKOnly, forms::vbInformation,
         QStringLiteral("Admin")},
    };
    EXPECT_EQ(boxes.shown(), expected);
}

TEST(MessageBoxTest, scriptedBoxesGiveBackThePresenterTheyReplaced)
{
    forms::ScriptedMessageBoxes outer;
    {
        forms::ScriptedMessageBoxes inner;
        MsgBox(QStringLiteral("inner"));
        EXPECT_EQ(inner.shown().size(), 1u);
    }
    MsgBox(QStringLiteral("outer"));

    ASSERT_EQ(outer.shown().size(), 1u);
    EXPECT_EQ(outer.shown()[0].text, QStringLiteral("outer"));
}
