#include "society/DEPOSITCLASS.h"

#include "cheque/CalculateClass.h"
#include "platform/forms/PlainControl.h"
#include "society/BILLCLASS.h"
#include "society/AccountTest.h"
#include "support/RaisedError.h"

namespace {

using forms::MessageBoxRecord;
using forms::PlainControl;

const QDate January(2026, 1, 31);

QString words(const char *rupees)
{
    return CalculateClass().Calculate(QString::fromLatin1(rupees));
}

// The controls of a receipt window, as a cashier fills them in.
struct Payment {
    PlainControl date, kind{"CHEQUE"}, cheque{"004711"}, bank{"S'BANK"}, remark{"JAN"},
        chequeDate{"5/1/26"};
    Payment() { date.setValue(QDate(2026, 2, 3)); }
};

class DEPOSITCLASSTest : public AccountTest {
protected:
    void payBill(DEPOSITCLASS &receipt, int bill, Payment &p)
    {
        receipt.InsertintoDeposit(bill, p.date, p.kind, p.cheque, p.bank, p.remark, p.chequeDate);
    }
    void payBillWithWords(DEPOSITCLASS &receipt, int bill, Payment &p)
    {
        receipt.InsertintoDepositNEW(bill, p.date, p.kind, p.cheque, p.bank, p.remark,
                                     p.chequeDate);
    }
    void payOldBills(DEPOSITCLASS &receipt, PlainControl &member, PlainControl &bill, Payment &p)
    {
        receipt.DepositOldBill(member, bill, p.date, p.kind, p.cheque, p.bank, p.remark,
                               p.chequeDate);
    }
    QString receiptLines() { return scalarRaw("select count(*) from DETAILSOFDEPOSITE"); }
};

TEST_F(DEPOSITCLASSTest, ABillsLinesArePaidUnderTheReceiptInLineOrderWithThePaymentAsTyped)
{
    storeBillLine(7, 3, 5, January, "PARKING", 300);
    storeBillLine(7, 1, 5, January, "MAINTENANCE", 1500);
    storeBillLine(7, 2, 5, January, "WATER", 200.5);
    DEPOSITCLASS receipt;
    receipt.SN_ = 12;
    PlainControl unread;
    Payment p;
    ASSERT_FALSE(receipt.AssignToVariable(unread, p.date, p.kind, p.cheque, p.bank, p.remark));
    receipt.INTREM3_ = 4;
    payBill(receipt, 7, p);

    EXPECT_EQ(rowsRaw("select SN, BILLNUMBER, BILLSERIALNUMBER, FEETYPE, FEEAMOUNT, MEMBERNUMBER, "
                      "DATEOFDEPOSITE, BILLDATE, CHEQUEORCASH, CHEQUEN, BANKNAME, REMARK, STRREM1, "
                      "STRREM2, STRREM3, INTREM1, INTREM3, DATEREM1 = date('now', 'localtime') "
                      "from DETAILSOFDEPOSITE order by rowid"),
              (QStringList{
                  "12|7|1|MAINTENANCE|1500.0|5|2026-02-03|2026-01-31|CHEQUE|004711|S'BANK|JAN|-|5/1/26|LINE 1|0.0|4.0|1",
                  "12|7|2|WATER|200.5|5|2026-02-03|2026-01-31|CHEQUE|004711|S'BANK|JAN|-|5/1/26|LINE 2|0.0|4.0|1",
                  "12|7|3|PARKING|300.0|5|2026-02-03|2026-01-31|CHEQUE|004711|S'BANK|JAN|-|5/1/26|LINE 3|0.0|4.0|1"}));
    EXPECT_EQ(receipt.SN_, 12);
    EXPECT_EQ(receipt.FEETYPE_, QStringLiteral("PARKING")) << "the fields hold the last line";

    PlainControl bill("7"), unpaid("8");
    EXPECT_TRUE(receipt.FindRECEIPTEXIST(bill));
    EXPECT_FALSE(receipt.FindRECEIPTEXIST(unpaid));
    PlainControl notANumber("7 or 1=1");
    EXPECT_FALSE(receipt.FindRECEIPTEXIST(notANumber));
    EXPECT_EQ(boxes().shown(), (std::vector<MessageBoxRecord>{
                                   {"Bill already Deposited", forms::vbOKOnly,
                                    forms::vbInformation, "Information"}}));
}

// A total not above 0, a member who paid ahead (a negative balance), carries no words.
TEST_F(DEPOSITCLASSTest, ABillsTotalWithItsBalanceIsRoundedToRupeesInWordsOnEveryLine)
{
    struct Case {
        double line1, line2, due;
        double rupees;
        const char *inWords; // nullptr: the empty text
    };
    const std::vector<Case> cases = {
        {1000, 234.5, 0, 1234, "1234"},
        {1000, 235.5, 0, 1236, "1236"},
        {1000, 200, -100.5, 1100, "1100"},
        {1000, 1000, -3500, -1500, nullptr},
        {1000, 1000, -198000, -196000, nullptr},
        {1000, 1000, -2005, -5, nullptr},
        {1000, 1000, -2000, 0, nullptr},
        {1000, 1000, -1999.5, 0, nullptr},
    };
    for (const Case &c : cases) {
        execRaw("delete from BILLX; delete from DETAILSOFDEPOSITE");
        storeBillLine(4, 1, 5, January, "MAINTENANCE", c.line1);
        storeBillLine(4, 2, 5, January, "WATER", c.line2);
        execRaw(QStringLiteral("update BILLX set DUEAMOUNT = %1").arg(c.due));
        storeReceiptLine(2, 4, 5, January, 10); // an earlier part payment of the bill
        storeReceiptLine(2, 0, 5, January, 10);
        DEPOSITCLASS receipt;
        receipt.SN_ = 3;
        Payment p;
        payBillWithWords(receipt, 4, p);
        const QString inWords = c.inWords ? words(c.inWords) : QString();
        EXPECT_EQ(receipt.FEEAMOUNT_, c.rupees) << c.due;
        EXPECT_EQ(rowsRaw("select SN, STRREM1 from DETAILSOFDEPOSITE order by rowid"),
                  (QStringList{"2|" + inWords, "2|-", "3|" + inWords, "3|" + inWords}))
            << c.due;
    }
}

TEST_F(DEPOSITCLASSTest, AReceiptsTotalIsRoundedHalfToEvenInWordsOnEachOfItsLines)
{
    storeReceiptLine(5, 1, 2, January, 2000);
    storeReceiptLine(5, 1, 2, January, 500.5);
    storeReceiptLine(6, 2, 2, January, 99);
    storeReceiptLine(7, 2, 2, January, -300); // a balance carried forward in credit
    storeReceiptLine(8, 2, 2, January, 0.5);
    DEPOSITCLASS receipt;
    for (const std::int16_t number : {5, 7, 8, 9}) // 9 has no line: nothing to write
        receipt.InsertMoneyInWord(number);
    EXPECT_EQ(rowsRaw("select SN, STRREM1 from DETAILSOFDEPOSITE order by rowid"),
              (QStringList{"5|" + words("2500"), "5|" + words("2500"), "6|-", "7|", "8|"}));
    EXPECT_TRUE(boxes().shown().empty());
}

TEST_F(DEPOSITCLASSTest, OlderUnpaidBillsOfTheMemberGoOnTheSameReceipt)
{
    for (const int bill : {3, 4, 7, 9, 10})
        for (const int line : {1, 2})
            storeBillLine(bill, line, 5, January, line == 1 ? "MAINTENANCE" : "WATER", 100 * bill);
    storeBillLine(6, 1, 8, January, "MAINTENANCE", 50); // another member's
    storeReceiptLine(1, 4, 5, January, 400);
    DEPOSITCLASS receipt;
    receipt.SN_ = 2;
    PlainControl member("5"), bill("9");
    Payment p;
    payOldBills(receipt, member, bill, p);

    EXPECT_EQ(rowsRaw("select BILLNUMBER, BILLSERIALNUMBER, CHEQUEN, BANKNAME, STRREM2 from "
                      "DETAILSOFDEPOSITE where SN = 2 order by BILLNUMBER, BILLSERIALNUMBER"),
              (QStringList{"3|1|004711|S'BANK|5/1/26", "3|2|004711|S'BANK|5/1/26",
                           "7|1|004711|S'BANK|5/1/26", "7|2|004711|S'BANK|5/1/26"}));
    EXPECT_TRUE(QStringList({"3", "7"}).contains(bill.Text().toString()));
    EXPECT_EQ(receiptLines(), QStringLiteral("5"));
    EXPECT_TRUE(boxes().shown().empty());
}

// Each way of writing several lines, failing at a line after the first: none of its
// lines is left, and the caller hears of it unless the member is silent.
TEST_F(DEPOSITCLASSTest, AFailurePartWayLeavesNoLineOfTheReceipt)
{
    struct Case {
        const char *name;
        const char *failWhen;
        std::function<void(DEPOSITCLASS &, Payment &)> write;
        const char *raised;
    };
    const std::vector<Case> cases = {
        {"bill lines", "NEW.BILLSERIALNUMBER = 2",
         [&](DEPOSITCLASS &r, Payment &p) { payBill(r, 7, p); },
         "-2147217900 disk I/O error"},
        {"bill lines with words", "NEW.BILLSERIALNUMBER = 3",
         [&](DEPOSITCLASS &r, Payment &p) { payBillWithWords(r, 7, p); },
         "-2147217900 disk I/O error"},
        {"older bills", "NEW.BILLNUMBER = 7",
         [&](DEPOSITCLASS &r, Payment &p) {
             PlainControl member("5"), bill("9");
             payOldBills(r, member, bill, p);
         },
         "none"},
        {"carry-forward", "NEW.MEMBERNUMBER = 3",
         [&](DEPOSITCLASS &r, Payment &) { r.InsertLastYeareData(); },
         "-2147217900 disk I/O error"},
    };
    for (const int bill : {3, 7})
        for (const int line : {1, 2, 3})
            storeBillLine(bill, line, 5, January, "MAINTENANCE", 100);
    for (const int member : {1, 2, 3})
        storeMember(member, QStringLiteral("MEMBER %1").arg(member), "101");
    for (const Case &c : cases) {
        failInsertsWhen("DETAILSOFDEPOSITE", c.failWhen);
        DEPOSITCLASS receipt;
        receipt.SN_ = 1;
        Payment p;
        EXPECT_EQ(raisedError([&] { c.write(receipt, p); }), c.raised) << c.name;
        EXPECT_EQ(receiptLines(), QStringLiteral("0")) << c.name;
        execRaw("DROP TRIGGER failing");
    }
    EXPECT_TRUE(boxes().shown().empty());

    // Run again once the fault is gone, the carry-forward writes each member once.
    DEPOSITCLASS receipt;
    receipt.InsertLastYeareData();
    EXPECT_EQ(receiptLines(), QStringLiteral("3"));
}

TEST_F(DEPOSITCLASSTest, ANewReceiptNumberIsTheHighestPlusOneAndStopsAt32767)
{
    struct Case {
        int highest; // 0: no receipt yet
        std::int16_t next;
        const char *raised;
    };
    const std::vector<Case> cases = {{0, 1, "none"}, {9, 10, "none"}, {32767, 40, "6 Overflow"}};
    for (const Case &c : cases) {
        execRaw("delete from DETAILSOFDEPOSITE");
        if (c.highest)
            storeReceiptLine(c.highest, 1, 2, January, 10);
        DEPOSITCLASS receipt;
        receipt.SN_ = 40;
        std::int16_t number = 40;
        EXPECT_EQ(raisedError([&] { receipt.GETLASTRECEIPT(number); }), c.raised) << c.highest;
        EXPECT_EQ(number, c.next) << c.highest;
        EXPECT_EQ(receipt.SN_, c.next) << c.highest;
    }
}

TEST_F(DEPOSITCLASSTest, ALineFromTheFieldsTakesTheNextNumberAndLeavesTheCurrentOne)
{
    struct Case {
        int highest;
        const char *stored; // the new line's number and cheque date, or nothing
        MessageBoxRecord box;
    };
    const std::vector<Case> cases = {
        {9, "10|O'BRIEN", {"ENTERED", forms::vbOKOnly, 0, "Flat Detail"}},
        {32767, nullptr, {"Overflow", forms::vbOKOnly, 0, "Quilvane"}},
    };
    for (const Case &c : cases) {
        execRaw("delete from DETAILSOFDEPOSITE");
        storeReceiptLine(c.highest, 1, 2, January, 10);
        DEPOSITCLASS receipt;
        receipt.SN_ = 3;
        receipt.STRREM2_ = QStringLiteral("O'BRIEN");
        receipt.InsertIntoDETAILSOFDEPOSITE();
        EXPECT_EQ(receipt.SN_, 3);
        EXPECT_EQ(rowsRaw("select SN, STRREM2 from DETAILSOFDEPOSITE where SN <> "
                          + QString::number(c.highest)),
                  c.stored ? QStringList{c.stored} : QStringList{})
            << c.highest;
        ASSERT_FALSE(boxes().shown().empty());
        EXPECT_EQ(boxes().shown().back().text, c.box.text);
        EXPECT_EQ(boxes().shown().back().title, c.box.title);
    }
}

TEST_F(DEPOSITCLASSTest, TheBalanceOnABillIsBillsMinusReceiptsAndStaysWhenASumFails)
{
    struct Case {
        const char *name;
        const char *member;
        bool receipts;
        const char *due;
    };
    const std::vector<Case> cases = {
        {"paid ahead", "5", true, "-200.0"},
        {"no receipts", "5", false, "1000.0"},
        {"unreadable member", "five", true, "77.0"},
    };
    Module1::PeriodFromDate() = QDate(2026, 1, 1);
    Module1::PeriodToDate() = QDate(2026, 12, 31);
    for (const Case &c : cases) {
        execRaw("delete from BILLX; delete from DETAILSOFDEPOSITE");
        storeBillLine(1, 1, 5, QDate(2026, 1, 31), "MAINTENANCE", 600);
        storeBillLine(2, 1, 5, QDate(2026, 2, 28), "MAINTENANCE", 400);
        storeBillLine(9, 1, 5, QDate(2027, 1, 31), "MAINTENANCE", 650); // bill BillN
        execRaw("update BILLX set DUEAMOUNT = 77");
        if (c.receipts) {
            storeReceiptLine(1, 1, 5, QDate(2026, 2, 1), 700);
            storeReceiptLine(2, 2, 5, QDate(2026, 12, 31), 500);
            storeReceiptLine(3, 2, 5, QDate(2027, 1, 1), 999); // after the period
        }
        DEPOSITCLASS deposit;
        PlainControl member(c.member);
        deposit.GetBalanceOfMemberAndUpdate(9, member, Module1::PeriodFromDate(),
                                            Module1::PeriodToDate());
        EXPECT_EQ(scalarRaw("select DUEAMOUNT from BILLX where SN = 9"), c.due) << c.name;
        EXPECT_EQ(scalarRaw("select count(*) from BILLX where DUEAMOUNT <> 77"),
                  c.due == QStringLiteral("77.0") ? "0" : "1")
            << c.name;
    }

    // The advance of the same member is the other side of the account.
    BILLCLASS bill;
    PlainControl member("5");
    bill.UpdateAdvanceAmount(member, 9);
    EXPECT_EQ(scalarRaw("select INTREM1 from BILLX where SN = 9"), QStringLiteral("200.0"));
    EXPECT_EQ(Module1::SharedConnection().State(), ado::adStateClosed);
    EXPECT_TRUE(boxes().shown().empty());
}

TEST_F(DEPOSITCLASSTest, TheCarryForwardGivesEachMemberAReceiptOfTheYearsBalance)
{
    struct Member {
        int sn;
        double paid, billed;
        const char *carried;
    };
    const std::vector<Member> members = {
        {2, 500, 800, "-300.0"}, {4, 100.5, 100, "0.0"}, {7, 101.5, 100, "2.0"}};
    Module1::PeriodFromDate() = QDate(2025, 4, 1);
    Module1::PeriodToDate() = QDate(2026, 3, 31);
    storeReceiptLine(20, 0, 9, QDate(2024, 1, 1), 5); // the highest receipt so far
    for (const Member &m : members) {
        storeMember(m.sn, QStringLiteral("D'SOUZA %1").arg(m.sn), QStringLiteral("10%1").arg(m.sn));
        storeBillLine(m.sn, 1, m.sn, QDate(2025, 6, 30), "MAINTENANCE", m.billed);
        storeReceiptLine(m.sn, m.sn, m.sn, QDate(2026, 3, 31), m.paid);
    }
    DEPOSITCLASS deposit;
    deposit.InsertLastYeareData();

    const QString today = QDate::currentDate().toString(Qt::ISODate);
    QStringList expected;
    int receipt = 21;
    for (const Member &m : members)
        expected << QStringLiteral("%1|%2|0|%2|0|3|2026|%3|D'SOUZA %3|10%3|LAST YEAR BALANCE OF "
                                   "MEMBER|%4|-|-|-|LAST YEAR BALANCE OF MEMBER|-|-")
                        .arg(receipt++)
                        .arg(today)
                        .arg(m.sn)
                        .arg(m.carried);
    EXPECT_EQ(rowsRaw("select SN, DATEOFDEPOSITE, BILLNUMBER, BILLDATE, BILLSERIALNUMBER, "
                      "BILLMONTH, BILLYEAR, MEMBERNUMBER, MEMBERNAME, FLATNUMBER, FEETYPE, "
                      "FEEAMOUNT, CHEQUEORCASH, CHEQUEN, BANKNAME, REMARK, STRREM2, STRREM3 "
                      "from DETAILSOFDEPOSITE where SN > 20 order by SN"),
              expected);
    EXPECT_EQ(deposit.SN_, 23);
}

} // namespace

namespace {

// A stored line loaded by its receipt number and shown again: every control but the one
// that has no text gets its field, and the copy back answers False like every other.
TEST_F(DEPOSITCLASSTest, AReceiptLineIsShownInItsControlsPastOneThatFails)
{
    storeReceiptLine(3, 7, 5, January, 1500.5);
    DEPOSITCLASS receipt;
    receipt.DATEOFDEPOSITE_ = QDate(2026, 2, 3); // not loaded: the caller's
    receipt.FindDETAILSOFDEPOSIT(3);

    std::array<PlainControl, 13> shown;
    forms::Control noProperties;
    auto &[deposited, bill, billDate, month, year, member, name, flat, feeType, fee, kind,
           cheque, bank] = shown;
    EXPECT_FALSE(receipt.AssigntToOBJECT(deposited, bill, billDate, month, year, member, name,
                                         flat, feeType, fee, kind, cheque, bank,
                                         noProperties));
    EXPECT_EQ(deposited.Value().toDate(), QDate(2026, 2, 3));
    EXPECT_EQ(billDate.Value().toDate(), January);
    QStringList texts;
    for (PlainControl *control : {&bill, &month, &year, &member, &name, &flat, &feeType, &fee,
                                  &kind, &cheque, &bank})
        texts << control->Text().toString();
    EXPECT_EQ(texts, (QStringList{"7", "1", "2026", "5", "MEMBER 5", "F5", "MAINTENANCE", "1500.5",
                                  "CASH", "-", "-"}));
    EXPECT_TRUE(boxes().shown().empty());
}

} // namespace
