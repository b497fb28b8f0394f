#include "platform/runtime/Conversions.h"
#include "support/RaisedError.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(ConversionsTest, toIntegerRoundsHalvesToEven)
{
    EXPECT_EQ(rt::toInteger(2.5), 2);
    EXPECT_EQ(rt::toInteger(3.5), 4);
    EXPECT_EQ(rt::toInteger(0.5), 0);
    EXPECT_EQ(rt::toInteger(-2.5), -2);
    EXPECT_EQ(rt::toInteger(-3.5), -4);
    EXPECT_EQ(rt::toInteger(2.4999), 2);
    EXPECT_EQ(rt::toInteger(2.5001), 3);
    EXPECT_EQ(rt::toInteger(-0.4), 0);
    EXPECT_EQ(rt::roundHalfEven(12345.5), 12346);
    EXPECT_EQ(rt::roundHalfEven(12344.5), 12344);
}

TEST(ConversionsTest, toIntegerOverflowsOutsideSixteenBits)
{
    EXPECT_EQ(rt::toInteger(32767.4), 32767);
    EXPECT_EQ(rt::toInteger(32766.5), 32766);
    EXPECT_EQ(rt::toInteger(-32768.5), -32768);
    EXPECT_EQ(raisedError([] { rt::toInteger(32767.5); }), "6 Overflow");
    EXPECT_EQ(raisedError([] { rt::toInteger(32768); }), "6 Overflow");
    EXPECT_EQ(raisedError([] { rt::toInteger(-32769); }), "6 Overflow");
    EXPECT_EQ(raisedError([] { rt::toInteger(-32769.5); }), "6 Overflow");
    EXPECT_EQ(raisedError([] { rt::toInteger(std::nan("")); }), "6 Overflow");
}

TEST(ConversionsTest, toLongOverflowsOutsideThirtyTwoBits)
{
    EXPECT_EQ(rt::toLong(2147483646.5), 2147483646);
    EXPECT_EQ(rt::toLong(-2147483648.5), -2147483647 - 1);
    EXPECT_EQ(raisedError([] { rt::toLong(2147483647.5); }), "6 Overflow");
    EXPECT_EQ(raisedError([] { rt::toLong(-2147483649.0); }), "6 Overflow");
}

TEST(ConversionsTest, textToDoubleReadsPlainNumbersWithBlanksAround)
{
    EXPECT_EQ(rt::textToDouble("007"), 7);
    EXPECT_EQ(rt::textToDouble("12.5"), 12.5);
    EXPECT_EQ(rt::textToDouble("-3"), -3);
    EXPECT_EQ(rt::textToDouble(" 1500"), 1500);
    EXPECT_EQ(rt::textToDouble("1500.75  "), 1500.75);
    EXPECT_EQ(rt::textToDouble("+.5"), 0.5);
    EXPECT_EQ(rt::textToDouble("12."), 12);
}

TEST(ConversionsTest, textToDoubleRefusesWhatIsNotANumber)
{
    for (const char *text : {"", "   ", "abc", "12abc", "1,500", "12,5", "12.5.1", "- 3",
                             "inf", "nan", "0x10", "$15", "\u0661\u0662"}) {
        EXPECT_EQ(raisedError([text] { rt::textToDouble(QString::fromUtf8(text)); }),
                  "13 Type mismatch")
            << text;
    }
    EXPECT_EQ(raisedError([] { rt::textToDouble("1e999"); }), "6 Overflow");
}

TEST(ConversionsTest, generalNumberTextHasNoGroupingAndFifteenDigits)
{
    EXPECT_EQ(rt::generalNumberText(1500), "1500");
    EXPECT_EQ(rt::generalNumberText(1500.5), "1500.5");
    EXPECT_EQ(rt::generalNumberText(12.5), "12.5");
    EXPECT_EQ(rt::generalNumberText(-3), "-3");
    EXPECT_EQ(rt::generalNumberText(0.25), "0.25");
    EXPECT_EQ(rt::generalNumberText(-0.0), "0");
    EXPECT_EQ(rt::generalNumberText(1234567.89), "1234567.89");
    EXPECT_EQ(rt::generalNumberText(0.1 + 0.2), "0.3");
    EXPECT_EQ(rt::generalNumberText(2.0 / 3), "0.666666666666667");
    EXPECT_EQ(rt::generalNumberText(123456789012345.0), "123456789012345");
    EXPECT_EQ(rt::generalNumberText(1e15), "1E+15");
    EXPECT_EQ(rt::generalNumberText(999999999999999.0), "999999999999999");
    EXPECT_EQ(rt::generalNumberText(-999999999999999.0), "-999999999999999");
    EXPECT_EQ(rt::generalNumberText(-1e15), "-1E+15");
    EXPECT_EQ(rt::generalNumberText(4294967296.0), "4294967296");
    EXPECT_EQ(rt::generalNumberText(1e20), "1E+20");
    EXPECT_EQ(rt::generalNumberText(999999999999999.5), "1E+15");
}

TEST(ConversionsTest, shortDateTextRoundTrips)
{
    EXPECT_EQ(rt::shortDateText(QDate(2024, 2, 1)), "01/02/2024");
    EXPECT_EQ(rt::shortDateText(QDate(1899, 12, 30)), "30/12/1899");
    EXPECT_EQ(rt::dateFromShortText("01/02/2024"), QDate(2024, 2, 1));
    EXPECT_EQ(rt::dateFromShortText("1/2/2024"), QDate(2024, 2, 1));
    EXPECT_EQ(rt::dateFromShortText(" 29/02/2024 "), QDate(2024, 2, 29));
    for (const QDate &date : {QDate(2000, 1, 31), QDate(2023, 12, 9), QDate(1999, 7, 4)})
        EXPECT_EQ(rt::dateFromShortText(rt::shortDateText(date)), date);
}

TEST(ConversionsTest, dateFromShortTextRefusesOtherForms)
{
    for (const char *text : {"", "31/02/2024", "29/02/2023", "13/13/2024", "2024-02-01",
                             "01/02/24", "01-02-2024", "1/2/2024x", "00/01/2024"}) {
        EXPECT_EQ(raisedError([text] { rt::dateFromShortText(text); }), "13 Type mismatch")
            << text;
    }
}
