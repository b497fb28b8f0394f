#include "data/SqlText.h"

#include "data/CommonClass.h"
#include "data/DataAccess.h"
#include "data/Module1.h"
#include "platform/runtime/RuntimeError.h"
#include "support/ProgramFolderTest.h"
#include "support/RaisedError.h"

#include <cmath>
#include <limits>

namespace {

class SqlTextTest : public ProgramFolderTest {
protected:
    void run(const QString &sql) { DataAccess(common, common.str).runOnSharedConnection(sql); }
    long errorNumberOf(const QString &sql)
    {
        try {
            run(sql);
        } catch (const rt::RuntimeError &error) {
            return error.Number();
        }
        return 0;
    }

    CommonClass common;
};

TEST_F(SqlTextTest, ValuesAreWrittenIntoStatementsAsTheRegisterReadsThem)
{
    EXPECT_EQ(SqlText::quoted("D'SOUZA"), QStringLiteral("'D''SOUZA'"));
    EXPECT_EQ(SqlText::date(QDate(2026, 3, 4)), QStringLiteral("#04/03/2026#"));
    EXPECT_EQ(SqlText::number(1500), QStringLiteral("1500"));
    EXPECT_EQ(SqlText::number(1500.5), QStringLiteral("1500.5"));
    EXPECT_EQ(SqlText::bareNumber(" 007 "), QStringLiteral("7"));
}

TEST_F(SqlTextTest, AnApostropheIsStoredAndFoundAsTyped)
{
    Module1::OpenConnection();
    run("insert into DATAX values(1," + SqlText::quoted("O'NEIL'S BANK")
        + ",0,0,0,0,0,0,0,0,0,0,0,0,0,0)");
    EXPECT_EQ(scalarRaw("select NAMEX from DATAX"), QStringLiteral("O'NEIL'S BANK"));

    run("select * from DATAX where namex = " + SqlText::quoted("o'neil's bank"));
    EXPECT_EQ(common.Rs.RecordCount(), 1);
    EXPECT_EQ(common.Rs.Fields("NAMEX").Value().toString(), QStringLiteral("O'NEIL'S BANK"));
}

TEST_F(SqlTextTest, ATextThatIsNotANumberNeverReachesTheDatabase)
{
    Module1::OpenConnection();
    execRaw("insert into DATAX (SN, NAMEX) values (1, 'KEEP')");
    for (const char *text : {"", "1 or 1=1", "7; Delete * from DATAX", "12abc"}) {
        try {
            run("Delete * from DATAX WHERE SN = " + SqlText::bareNumber(text));
            ADD_FAILURE() << "accepted " << text;
        } catch (const rt::RuntimeError &error) {
            EXPECT_EQ(error.Number(), rt::errStatementRejected) << text;
            EXPECT_FALSE(error.Description().isEmpty());
        }
    }
    EXPECT_EQ(scalarRaw("select count(*) from DATAX"), QStringLiteral("1"));
}

TEST_F(SqlTextTest, ANumberWhosePaiseAreNotFiniteIsRefusedWithOverflow)
{
    const double largest = std::numeric_limits<double>::max();
    const double infinity = std::numeric_limits<double>::infinity();
    for (const double value : {1e308, largest, -largest, infinity, -infinity, std::nan("")})
        EXPECT_EQ(raisedError([&] { SqlText::number(value); }), "6 Overflow") << value;
    EXPECT_EQ(raisedError([] { SqlText::bareNumber("1e400"); }), "6 Overflow");
    EXPECT_EQ(SqlText::number(-1e306), QStringLiteral("-1E+306"));
}

TEST_F(SqlTextTest, TheDatabaseRefusesSecondRowsWithTheirOwnNumbers)
{
    Module1::OpenConnection();
    const QString cheque = "insert into ChequeTable values(%1,'B','BR','1','H',#01/02/2026#,10,"
                           "'TEN ONLY',77,'01/02/2026','P','I','-','NO','-','-','-',0,0,0,0,"
                           "#01/02/2026#,#01/02/2026#)";
    run(cheque.arg(1));
    EXPECT_EQ(errorNumberOf(cheque.arg(2)), rt::errDuplicateKey);
    EXPECT_EQ(scalarRaw("select count(*) from CHEQUETABLE"), QStringLiteral("1"));
    EXPECT_EQ(scalarRaw("select DATEOFENTRY from CHEQUETABLE"), QStringLiteral("2026-02-01"));

    const QString membership =
        "insert into Memberx (SN, WING, ACCO, DOFJOINING) values (%1, 'A', '101', #01/04/2025#)";
    run(membership.arg(1));
    EXPECT_EQ(errorNumberOf(membership.arg(2)), rt::errProviderFailure);
    EXPECT_EQ(scalarRaw("select count(*) from Memberx"), QStringLiteral("1"));
}

} // namespace
