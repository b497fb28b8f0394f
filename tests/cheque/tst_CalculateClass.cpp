#include "cheque/CalculateClass.h"

#include <gtest/gtest.h>

namespace {

QString words(const char *digits)
{
    return CalculateClass().Calculate(QString::fromLatin1(digits));
}

} // namespace

TEST(CalculateClassTest, WritesTheWorkedExamples)
{
    EXPECT_EQ(words("1234567"),
              "TWELVE  LAKH, THIRTYFOUR THOUSAND, FIVE HUNDRED, SIXTYSEVEN ONLY");
    EXPECT_EQ(words("9999999"),
              "NINETYNINE  LAKH, NINETYNINE THOUSAND, NINE HUNDRED, NINETYNINE ONLY");
    EXPECT_EQ(words("110000"), "ONE  LAKH, TEN THOUSAND,  ONLY");
    EXPECT_EQ(words("2500"), "TWO THOUSAND, FIVE HUNDRED,  ONLY");
    EXPECT_EQ(words("1000"), "ONE THOUSAND,  ONLY");
    EXPECT_EQ(words("250"), "TWO HUNDRED, FIFTY ONLY");
    EXPECT_EQ(words("105"), "ONE HUNDRED, FIVE ONLY");
    EXPECT_EQ(words("100"), "ONE HUNDRED,  ONLY");
    EXPECT_EQ(words("31"), "THIRTY ONE ONLY");
    EXPECT_EQ(words("0"), " ONLY");
    EXPECT_EQ(words(""), " ONLY");
}

TEST(CalculateClassTest, JoinsTensAndUnitsWithoutBlankButForThirtyOneToThirtyThree)
{
    EXPECT_EQ(words("21"), "TWENTYONE ONLY");
    EXPECT_EQ(words("32"), "THIRTY TWO ONLY");
    EXPECT_EQ(words("33"), "THIRTY THREE ONLY");
    EXPECT_EQ(words("34"), "THIRTYFOUR ONLY");
    EXPECT_EQ(words("30"), "THIRTY ONLY");
    EXPECT_EQ(words("19"), "NINETEEN ONLY");
    EXPECT_EQ(words("31000"), "THIRTY ONE THOUSAND,  ONLY");
    EXPECT_EQ(words("3200000"), "THIRTY TWO  LAKH,  ONLY");
    EXPECT_EQ(words("100000"), "ONE  LAKH,  ONLY");
    EXPECT_EQ(words("007"), "SEVEN ONLY");
}

TEST(CalculateClassTest, CountsTheDigitsLeftOfTheLakhGroupInCrores)
{
    EXPECT_EQ(words("12345678"),
              "ONE CRORE, TWENTYTHREE  LAKH, FORTYFIVE THOUSAND, SIX HUNDRED, SEVENTYEIGHT ONLY");
    EXPECT_EQ(words("10000000"), "ONE CRORE,  ONLY");
    EXPECT_EQ(words("3100000000"), "THREE HUNDRED, TEN CRORE,  ONLY");
    EXPECT_EQ(words("00000001234567"),
              "TWELVE  LAKH, THIRTYFOUR THOUSAND, FIVE HUNDRED, SIXTYSEVEN ONLY");
    // A crore count of a crore or more is itself written with crores.
    EXPECT_EQ(words("100000000000000"), "ONE CRORE,  CRORE,  ONLY");
}

TEST(CalculateClassTest, GivesTheEmptyTextWhenAWindowIsNotANumber)
{
    EXPECT_EQ(words("1500.75"), "");
    EXPECT_EQ(words("12A4"), "");
    EXPECT_EQ(words("X0000000"), "");
}
