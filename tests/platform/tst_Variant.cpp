#include "platform/runtime/Variant.h"
#include "support/RaisedError.h"

#include <gtest/gtest.h>

TEST(VariantTest, reportsTheTypeItHolds)
{
    using Type = rt::Variant::Type;
    EXPECT_EQ(rt::Variant().type(), Type::Empty);
    EXPECT_EQ(rt::Variant::null().type(), Type::Null);
    EXPECT_EQ(rt::Variant(std::int16_t(5)).type(), Type::Integer);
    EXPECT_EQ(rt::Variant(5).type(), Type::Long);
    EXPECT_EQ(rt::Variant(5.0).type(), Type::Double);
    EXPECT_EQ(rt::Variant("5").type(), Type::String);
    EXPECT_EQ(rt::Variant(QDate(2024, 1, 1)).type(), Type::Date);
    EXPECT_EQ(rt::Variant(true).type(), Type::Boolean);
    EXPECT_NE(rt::Variant(), rt::Variant::null());
    EXPECT_NE(rt::Variant(std::int16_t(5)), rt::Variant(5));
}

TEST(VariantTest, emptyConvertsToZeroBlankAndFalse)
{
    const rt::Variant empty;
    EXPECT_EQ(empty.toInteger(), 0);
    EXPECT_EQ(empty.toLong(), 0);
    EXPECT_EQ(empty.toDouble(), 0);
    EXPECT_EQ(empty.toString(), "");
    EXPECT_FALSE(empty.toBool());
    EXPECT_EQ(empty.toDate(), QDate(1899, 12, 30));
}

TEST(VariantTest, nullFailsEveryConversion)
{
    const rt::Variant null = rt::Variant::null();
    EXPECT_EQ(raisedError([&] { null.toInteger(); }), "94 Invalid use of Null");
    EXPECT_EQ(raisedError([&] { null.toLong(); }), "94 Invalid use of Null");
    EXPECT_EQ(raisedError([&] { null.toDouble(); }), "94 Invalid use of Null");
    EXPECT_EQ(raisedError([&] { null.toString(); }), "94 Invalid use of Null");
    EXPECT_EQ(raisedError([&] { null.toDate(); }), "94 Invalid use of Null");
    EXPECT_EQ(raisedError([&] { null.toBool(); }), "94 Invalid use of Null");
}

TEST(VariantTest, textConvertsThroughTheRuntimeConversions)
{
    EXPECT_EQ(rt::Variant(" 1500").toDouble(), 1500);
    EXPECT_EQ(rt::Variant("12.5").toInteger(), 12);
    EXPECT_EQ(rt::Variant("13.5").toLong(), 14);
    EXPECT_EQ(rt::Variant("1/2/2024").toDate(), QDate(2024, 2, 1));
    EXPECT_TRUE(rt::Variant("true").toBool());
    EXPECT_FALSE(rt::Variant("False").toBool());
    EXPECT_TRUE(rt::Variant("-1").toBool());
    EXPECT_EQ(raisedError([] { rt::Variant("abc").toDouble(); }), "13 Type mismatch");
    EXPECT_EQ(raisedError([] { rt::Variant("").toInteger(); }), "13 Type mismatch");
    EXPECT_EQ(raisedError([] { rt::Variant("2024-02-01").toDate(); }), "13 Type mismatch");
    EXPECT_EQ(raisedError([] { rt::Variant("maybe").toBool(); }), "13 Type mismatch");
    EXPECT_EQ(raisedError([] { rt::Variant("40000").toInteger(); }), "6 Overflow");
}

TEST(VariantTest, valuesConvertToTheirTextForms)
{
    EXPECT_EQ(rt::Variant(1500.5).toString(), "1500.5");
    EXPECT_EQ(rt::Variant(1500.0).toString(), "1500");
    EXPECT_EQ(rt::Variant(std::int16_t(-3)).toString(), "-3");
    EXPECT_EQ(rt::Variant(2147483647).toString(), "2147483647");
    EXPECT_EQ(rt::Variant(QDate(2024, 2, 1)).toString(), "01/02/2024");
    EXPECT_EQ(rt::Variant(true).toString(), "True");
    EXPECT_EQ(rt::Variant(false).toString(), "False");
}

TEST(VariantTest, numbersBooleansAndDatesConvertAmongThemselves)
{
    EXPECT_EQ(rt::Variant(true).toInteger(), -1);
    EXPECT_EQ(rt::Variant(false).toDouble(), 0);
    EXPECT_TRUE(rt::Variant(0.5).toBool());
    EXPECT_EQ(rt::Variant(2.5).toInteger(), 2);
    EXPECT_EQ(raisedError([] { rt::Variant(40000).toInteger(); }), "6 Overflow");
    // Dates count days from 30/12/1899.
    EXPECT_EQ(rt::Variant(QDate(2024, 1, 1)).toDouble(), 45292);
    EXPECT_EQ(rt::Variant(45292.75).toDate(), QDate(2024, 1, 1));
    EXPECT_EQ(rt::Variant(-1).toDate(), QDate(1899, 12, 29));
    EXPECT_EQ(raisedError([] { rt::Variant(1e9).toDate(); }), "6 Overflow");
}
