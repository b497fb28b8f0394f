#include "platform/ado/AccessSqlDialect.h"
#include "platform/runtime/RuntimeError.h"

#include <gtest/gtest.h>

using ado::AccessSqlDialect;

namespace {

QByteArray translated(const QString &statement)
{
    return AccessSqlDialect::toSqlite(statement);
}

} // namespace

TEST(AccessSqlDialectTest, DatesBetweenHashSignsReadDayFirst)
{
    EXPECT_EQ(translated("select * from BILLX where DATEX >= #01/02/2003# And DATEX <= #1/12/2003#"),
              "select * from BILLX where DATEX >= '2003-02-01' And DATEX <= '2003-12-01'");
    EXPECT_EQ(translated("insert into T values(1,#30/12/1899#)"),
              "insert into T values(1,'1899-12-30')");

    for (const char *notAShortDate : {"#31/02/2003#", "#2003-02-01#", "#01/02/03#", "##"}) {
        try {
            translated(QStringLiteral("select * from T where D = %1").arg(notAShortDate));
            ADD_FAILURE() << notAShortDate << " was accepted";
        } catch (const rt::RuntimeError &error) {
            EXPECT_EQ(error.Number(), rt::errStatementRejected) << notAShortDate;
        }
    }
}

TEST(AccessSqlDialectTest, DeleteStarLosesItsStar)
{
    EXPECT_EQ(translated("Delete * from gen"), "Delete  from gen");
    EXPECT_EQ(translated("DELETE * FROM Memberx WHERE SN = 3"), "DELETE  FROM Memberx WHERE SN = 3");
    EXPECT_EQ(translated("delete\t*\nfrom DATAX"), "delete\t\nfrom DATAX");
    EXPECT_EQ(translated("select * from Deleted"), "select * from Deleted");
    EXPECT_EQ(translated("select count(*) from undelete"), "select count(*) from undelete");
    EXPECT_EQ(translated("Delete from gen"), "Delete from gen");
}

TEST(AccessSqlDialectTest, QuotedTextsAndBracketedNamesAreCopiedUnchanged)
{
    const QString quoted =
        "insert into T values('#01/02/2003#','Delete * from gen','it''s #3/4/2005#','Müller')";
    EXPECT_EQ(translated(quoted), quoted.toUtf8());
    EXPECT_EQ(translated("select [a#b] from T where N = 'x''#' and D = #01/02/2003#"),
              "select [a#b] from T where N = 'x''#' and D = '2003-02-01'");
    EXPECT_EQ(translated("select \"#1/1/2000#\" from T"), "select \"#1/1/2000#\" from T");

    // A text that is never closed is left for the engine to refuse.
    EXPECT_EQ(translated("select * from T where N = 'open #1/1/2000#"),
              "select * from T where N = 'open #1/1/2000#");
}
