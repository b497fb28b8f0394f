#include "society/BILLCLASS.h"

#include "platform/forms/DataGrid.h"
#include "platform/forms/PlainControl.h"
#include "society/AccountTest.h"
#include "support/RaisedError.h"

namespace {

using forms::MessageBoxRecord;
using forms::PlainControl;

class BILLCLASSTest : public SocietyTest {
protected:
    // One bill line with every column set, straight into the file.
    void storeLine(int bill, int line, int member = 1, const QString &date = "2026-01-31",
                   const QString &feeType = "MAINTENANCE", double amount = 100, int month = 1,
                   int year = 2026)
    {
        execRaw(QStringLiteral("insert into BILLX values(%1,'%2',%3,%4,%5,%6,'NAME','101','%7',%8,"
                               "0,'-','A','-','-','-',0,0,0,0,'%2','%2')")
                    .arg(bill)
                    .arg(date)
                    .arg(line)
                    .arg(month)
                    .arg(year)
                    .arg(member)
                    .arg(feeType)
                    .arg(amount));
    }

    QStringList items(const PlainControl &control)
    {
        QStringList list;
        for (int i = 0; i < control.ListCount(); ++i)
            list << control.List(i);
        return list;
    }

    bool assign(BILLCLASS &bill, const QString &amount)
    {
        PlainControl sn("7"), month("1"), year("2026"), member("3"), name("R'DSOUZA"),
            flat("101"), wing("B"), feeType("WATER"), fee(amount), due("10"), remark("-");
        PlainControl date;
        date.setValue(QDate(2026, 1, 31));
        return bill.AssignToVariable(sn, date, month, year, member, name, flat, wing, feeType, fee,
                                     due, remark);
    }
};

TEST_F(BILLCLASSTest, AnEmptyTableGivesTheFirstNumbersAndNoBills)
{
    BILLCLASS bill;
    EXPECT_EQ(bill.FINDLAST(), 1);
    EXPECT_EQ(bill.FINDLASTwithstart(), 1);
    EXPECT_EQ(bill.FINDLASTSERIALNUMBER(), 1);
    EXPECT_FALSE(bill.FINDBILLEXIXST(rt::Variant(std::int16_t(1))));
    PlainControl list;
    bill.FillBILLNum(list);
    EXPECT_EQ(list.ListCount(), 0);
    EXPECT_EQ(list.clickCount(), 0);
    EXPECT_TRUE(boxes().shown().empty());
}

TEST_F(BILLCLASSTest, ALineTakesTheNextLineNumberOfItsBillAndDeletesRenumberNothing)
{
    storeLine(7, 1);
    storeLine(7, 2);
    storeLine(7, 4);
    storeLine(8, 1);
    BILLCLASS bill;
    ASSERT_FALSE(assign(bill, "50"));
    bill.INTREM2_ = 5;
    bill.InsertIntoBILL();
    EXPECT_EQ(rowsRaw("select BILLSERIALNUMBER, STRREM1, STRREM2, STRREM3, STRREM4, INTREM1, "
                      "INTREM2, INTREM3, INTREM4, DATEREM1 = date('now', 'localtime'), "
                      "DATEREM2 = DATEREM1, MEMBERNAME from BILLX where SN = 7 and FEETYPE = 'WATER'"),
              QStringList{"5|B|-|-|-|0.0|5.0|0.0|0.0|1|1|R'DSOUZA"});
    EXPECT_EQ(bill.FINDLAST(), 9);
    EXPECT_TRUE(bill.FINDBILLEXIXST(rt::Variant(QStringLiteral("7"))));

    bill.DELETEBILLSERIAL(7, 2);
    EXPECT_EQ(rowsRaw("select BILLSERIALNUMBER from BILLX where SN = 7 order by 1"),
              (QStringList{"1", "4", "5"}));
    bill.DELETEBILLDetail(99);
    bill.DELETEBILLDetail(8);
    EXPECT_EQ(scalarRaw("select count(*) from BILLX where SN = 8"), QStringLiteral("0"));
    const MessageBoxRecord deleted{"Deleted", forms::vbOKOnly, 0, "Delete"};
    EXPECT_EQ(boxes().shown(), (std::vector<MessageBoxRecord>{deleted, deleted, deleted}));
}

TEST_F(BILLCLASSTest, AmountsAreRoundedToCentsHalvesToEven)
{
    const std::vector<std::pair<QString, double>> cases = {
        {"0.125", 0.12}, {"0.375", 0.38}, {"12.5", 12.5}, {" 99.999 ", 100},
        {"8.345", 8.34}, {"2.675", 2.68}, {"0.005", 0}, {"-2.675", -2.68}, {"9.995", 10}};
    for (const auto &[text, cents] : cases) {
        BILLCLASS bill;
        EXPECT_FALSE(assign(bill, text));
        EXPECT_DOUBLE_EQ(bill.FEEAMOUNT_, cents) << qPrintable(text);
    }
    EXPECT_TRUE(boxes().shown().empty());
}

TEST_F(BILLCLASSTest, ACopyThatFailsSaysWhyAndKeepsWhatCameBefore)
{
    BILLCLASS bill;
    bill.FEEAMOUNT_ = 42;
    EXPECT_TRUE(assign(bill, "ABC"));
    EXPECT_EQ(bill.SN_, 7);
    EXPECT_EQ(bill.FEETYPE_, QStringLiteral("WATER"));
    EXPECT_EQ(bill.FEEAMOUNT_, 42);
    EXPECT_TRUE(bill.REMARK_.isEmpty());
    EXPECT_EQ(boxes().shown(), (std::vector<MessageBoxRecord>{
                                   {"Type mismatch", forms::vbOKOnly, forms::vbCritical,
                                    "ENTRY ERROR"}}));

    PlainControl sn, date, month, year, member, name, flat, feeType, fee, due;
    forms::Control noProperties;
    bill.AssigntToOBJECT(sn, date, month, year, member, name, flat, feeType, fee, due,
                         noProperties);
    EXPECT_EQ(QStringList({sn.Text().toString(), feeType.Text().toString(), fee.Text().toString()}),
              (QStringList{"7", "WATER", "42"}));
    EXPECT_EQ(date.Value().toDate(), QDate(2026, 1, 31));
}

TEST_F(BILLCLASSTest, FindBILLLoadsAWholeLineOrNothing)
{
    storeLine(7, 3, 2, "2026-02-28", "WATER", 75);
    storeLine(8, 1);
    execRaw("update BILLX set DUEAMOUNT = NULL where SN = 8");
    BILLCLASS bill;
    bill.BILLSERIALNUMBER_ = 9;
    bill.FindBILL(7);
    EXPECT_EQ(bill.SN_, 7);
    EXPECT_EQ(bill.DATEX_, QDate(2026, 2, 28));
    EXPECT_EQ(bill.FEEAMOUNT_, 75);
    EXPECT_EQ(bill.BILLSERIALNUMBER_, 9) << "a bill is loaded without a line number";

    bill.FindBILL(8);
    bill.FindBILL(99);
    EXPECT_EQ(bill.SN_, 7);
    EXPECT_EQ(bill.FEETYPE_, QStringLiteral("WATER"));

    PlainControl sn("7"), date, member, name, flat("kept");
    bill.FindBILLNAMEFLAT(sn, date, member, name, flat);
    EXPECT_EQ(date.Value().toDate(), QDate(2026, 2, 28));
    EXPECT_EQ(member.Text().toString(), QStringLiteral("2"));
    EXPECT_EQ(flat.Text().toString(), QStringLiteral("101"));
    EXPECT_TRUE(boxes().shown().empty());
}

TEST_F(BILLCLASSTest, AMemberIsBilledForAMonthOnlyByALineOfThatMonthAndYear)
{
    storeLine(1, 1, 3, "2026-01-31", "WATER", 10, 1, 2026);
    storeLine(2, 1, 3, "2025-01-31", "PARKING", 10, 1, 2025);
    struct Case {
        int month, year, member;
        const char *feeType;
        bool made, madeForAuto;
    };
    const std::vector<Case> cases = {
        {1, 2026, 3, "water", true, true}, {1, 2026, 3, "PARKING", true, false},
        {1, 2025, 3, "PARKING", true, true}, {2, 2026, 3, "WATER", false, false},
        {1, 2024, 3, "WATER", false, false}, {1, 2026, 4, "WATER", false, false}};
    BILLCLASS bill;
    for (const Case &c : cases) {
        EXPECT_EQ(bill.FINDBILLAlreadymade(c.month, c.year, c.member), c.made)
            << c.month << "/" << c.year << " " << c.feeType;
        EXPECT_EQ(bill.FINDBILLAlreadymadeFORAuto(c.month, c.year, c.member, c.feeType),
                  c.madeForAuto)
            << c.month << "/" << c.year << " " << c.feeType;
    }
}

TEST_F(BILLCLASSTest, SumsReadTheirPeriodWithBothEndsIncluded)
{
    storeLine(1, 1, 3, "2026-01-01", "WATER", 10);
    storeLine(1, 2, 3, "2026-01-01", "MAINTENANCE", 20);
    storeLine(2, 1, 3, "2026-01-31", "WATER", 40);
    storeLine(3, 1, 3, "2026-02-01", "WATER", 80);
    storeLine(4, 1, 5, "2026-01-15", "WATER", 160);
    Module1::PeriodFromDate() = QDate(2026, 1, 1);
    Module1::PeriodToDate() = QDate(2026, 1, 31);
    const QDate notRead(2000, 1, 1);
    const QDate from(2026, 1, 1), to(2026, 2, 1);

    struct Case {
        const char *member;
        std::function<double(BILLCLASS &, PlainControl &)> sum;
        double expected;
    };
    const std::vector<Case> cases = {
        {"3", [&](BILLCLASS &b, PlainControl &m) { return b.FindBILLAmountOfMember(m, notRead, notRead); }, 70},
        {"9", [&](BILLCLASS &b, PlainControl &m) { return b.FindBILLAmountOfMember(m, notRead, notRead); }, 0},
        {"3 or 1=1", [&](BILLCLASS &b, PlainControl &m) { return b.FindBILLAmountOfMember(m, notRead, notRead); }, 0},
        {"3", [&](BILLCLASS &b, PlainControl &m) { return b.FindBILLAmountOfMemberExceptThisBill(2, m, from, to); }, 110},
        {"3", [&](BILLCLASS &b, PlainControl &m) { return b.FindBILLAmountOfMemberExceptThisBill(9, m, from, to); }, 150},
        {"5", [&](BILLCLASS &b, PlainControl &m) { return b.FindBILLAmountOfMemberExceptThisBill(4, m, from, to); }, 0},
    };
    for (const Case &c : cases) {
        BILLCLASS bill;
        PlainControl member(c.member);
        EXPECT_DOUBLE_EQ(c.sum(bill, member), c.expected) << c.member;
    }
    EXPECT_TRUE(boxes().shown().empty());
}

TEST_F(BILLCLASSTest, TheBillListAndTheGridShowWhatIsStored)
{
    storeLine(2, 1);
    storeLine(10, 1, 1, "2026-01-31", "WATER", 12.5);
    storeLine(10, 2, 1, "2026-01-31", "PARKING", 30);
    BILLCLASS bill;
    PlainControl list;
    bill.FillBILLNum(list);
    EXPECT_EQ(items(list), (QStringList{"10", "2"}));
    EXPECT_EQ(list.Text().toString(), QStringLiteral("10"));

    forms::DataGrid grid;
    PlainControl number("10");
    bill.ShowBILLData(grid, number);
    bill.FINDLAST(); // a later statement leaves the grid as it is
    const QAbstractItemModel &rows = *grid.model();
    ASSERT_EQ(rows.rowCount(), 2);
    EXPECT_EQ(rows.headerData(0, Qt::Horizontal).toString() + ","
                  + rows.headerData(1, Qt::Horizontal).toString() + ","
                  + rows.headerData(2, Qt::Horizontal).toString(),
              QStringLiteral("SERIAL,CHARGE_TYPE,AMOUNT"));
    EXPECT_EQ(rows.index(0, 2).data().toString(), QStringLiteral("12.5"));

    number.setText("11");
    bill.ShowBILLData(grid, number);
    EXPECT_EQ(grid.model()->rowCount(), 0) << "a bill with no line shows no other bill's";
}

// Member 3 owes bill 2 (10) and bill 5 (1.5 and 1), entered on their dates; bill 9 is
// beyond the bill the charge is made for (8); member 4 has bill 6; the late fee is 1%.
class BILLCLASSLateChargeTest : public AccountTest {
protected:
    void SetUp() override
    {
        AccountTest::SetUp();
        Module1::PeriodFromDate() = QDate(2026, 1, 1);
        Module1::PeriodToDate() = QDate(2026, 12, 31);
        storeBillLine(2, 1, 3, QDate(2026, 1, 31), "MAINTENANCE", 10);
        storeBillLine(5, 1, 3, QDate(2026, 2, 28), "MAINTENANCE", 1.5);
        storeBillLine(5, 2, 3, QDate(2026, 2, 28), "WATER", 1);
        storeBillLine(6, 1, 4, QDate(2026, 2, 28), "MAINTENANCE", 100);
        storeBillLine(6, 2, 4, QDate(2026, 2, 28), "WATER", 50);
        storeBillLine(9, 1, 3, QDate(2026, 3, 31), "MAINTENANCE", 40);
        execRaw("update gen set LATEFEE = 1");
    }

    QStringList lateCharges()
    {
        return rowsRaw("select SN, BILLSERIALNUMBER, DATEX = date('now', 'localtime'), "
                       "MEMBERNUMBER, FEEAMOUNT from BILLX where FEETYPE = 'LATE CHARGE' "
                       "and DATEX <> '2026-02-28'");
    }
};

TEST_F(BILLCLASSLateChargeTest, TheLateChargeEndsOrChargesTheLastBillUpToTheOneMade)
{
    const QString added = QStringLiteral("5|3|1|3|0.12"); // 12.5 at 1%, half to even
    struct Case {
        const char *name;
        const char *member;
        QDate billDate;
        std::function<void()> setUp;
        bool covered;
        QStringList charged;
    };
    const QDate march(2026, 3, 31);
    const std::vector<Case> cases = {
        {"nothing paid", "3", march, [] {}, false, {added}},
        {"already charged", "3", march,
         [&] { storeBillLine(5, 3, 3, QDate(2026, 2, 28), "LATE CHARGE", 0.5); }, false, {}},
        {"last bill paid", "3", march, [&] { storeReceiptLine(1, 5, 3, march, 1); }, false, {}},
        {"paid more than owed", "3", march, [&] { storeReceiptLine(1, 0, 3, march, 12.51); },
         true, {}},
        {"paid as much as owed", "3", march, [&] { storeReceiptLine(1, 0, 3, march, 12.5); },
         false, {added}},
        {"no bill yet", "7", march, [&] { storeReceiptLine(1, 0, 9, march, 1); }, false, {}},
        {"made before the last bill was entered", "3", QDate(2026, 2, 28), [] {}, false, {}},
        {"a late fee on the bill", "3", march,
         [&] { storeBillLine(5, 3, 3, QDate(2026, 2, 28), "LATE FEE", 0.5); }, false, {}},
    };
    for (const Case &c : cases) {
        execRaw("delete from DETAILSOFDEPOSITE; delete from BILLX where BILLSERIALNUMBER = 3");
        c.setUp();
        BILLCLASS bill;
        bill.DATEX_ = c.billDate;
        PlainControl upTo("8"), member(c.member);
        EXPECT_EQ(bill.CHECKLASTBILLNumDeposited(upTo, member), c.covered) << c.name;
        EXPECT_EQ(lateCharges(), c.charged) << c.name;
    }
    EXPECT_TRUE(boxes().shown().empty());
}

TEST_F(BILLCLASSLateChargeTest, TheLateFeeOfABillIsTheNextBillsTotalAtTheSetPercentage)
{
    execRaw("update gen set LATEFEE = 2");
    struct Case {
        std::int16_t bill;
        const char *raised;
        double fee;
    };
    const std::vector<Case> cases = {{5, "none", 3}, {32767, "6 Overflow", 7}, {9, "94", 7}};
    for (const Case &c : cases) {
        BILLCLASS bill;
        double fee = 7;
        EXPECT_TRUE(raisedError([&] { fee = bill.GETLATEFEE(c.bill); }).startsWith(c.raised))
            << c.bill;
        EXPECT_EQ(fee, c.fee) << c.bill;
        if (c.fee != 7) { // done: the shared connection it read on is closed
            EXPECT_EQ(Module1::SharedConnection().State(), ado::adStateClosed);
        }

        bill.FEEAMOUNT_ = 7;
        bill.AssignToVariableWithLateFee(c.bill);
        EXPECT_EQ(bill.SN_, c.bill);
        EXPECT_EQ(bill.FEETYPE_, QStringLiteral("LATE CHARGE"));
        EXPECT_EQ(bill.FEEAMOUNT_, c.fee) << c.bill;
    }

    BILLCLASS bill;
    PlainControl member("3"), noBills("8");
    EXPECT_EQ(bill.GetLastBillOfMember(member), 9);
    EXPECT_EQ(bill.GetLastBillOfMember(noBills), 0);
}

} // namespace
