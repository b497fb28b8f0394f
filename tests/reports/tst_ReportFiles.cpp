#include "SocietyReportTest.h"

#include "cheque/CalculateClass.h"
#include "platform/forms/PlainControl.h"
#include "platform/report/ReportDefinition.h"
#include "platform/report/ReportDocument.h"
#include "platform/report/ReportLayout.h"
#include "reports/CRClass.h"
#include "support/PrintedPage.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <functional>

namespace {

using Launch = std::function<void(CRClass &, report::ReportControl &)>;

class ReportFilesTest : public SocietyReportTest {
protected:
    // Runs one launch afresh and gives the printed text, blanks run together and the
    // ligature the PDF's font makes of "fi" read as its letters.
    QString printedBy(const Launch &launch)
    {
        QFile::remove(pdfPath());
        CRClass launcher;
        launch(launcher, control);
        if (!QFile::exists(pdfPath()))
            return QString();
        return printedText(pdfPath()).simplified().replace(QChar(0xFB01), QStringLiteral("fi"));
    }

    // A launch with the texts it prints.
    struct PrintedBy {
        const char *name;
        Launch launch;
        QStringList printed;
    };

    // Runs each launch afresh: each of its texts stands in what it prints, `never` in none.
    void expectEachPrints(const QList<PrintedBy> &table, const QString &never)
    {
        for (const PrintedBy &row : table) {
            SCOPED_TRACE(row.name);
            const QString printed = printedBy(row.launch);
            for (const QString &text : row.printed)
                EXPECT_TRUE(printed.contains(text)) << text.toStdString() << "\n" << printed.toStdString();
            EXPECT_FALSE(printed.contains(never)) << printed.toStdString();
        }
    }

    forms::PlainControl lastJan1, jan1, march5, april1, april30, may1, may31, member1{QStringLiteral("1")}, wingA{QStringLiteral("A")},
        flat101{QStringLiteral("101")}, ravi{QStringLiteral("RAVI")},
        bMehta{QStringLiteral("B MEHTA")}, lift{QStringLiteral("LIFT")},
        voucher4{QStringLiteral("4")};

    void SetUp() override
    {
        SocietyReportTest::SetUp();
        lastJan1.setValue(QDate(2025, 1, 1));
        jan1.setValue(QDate(2026, 1, 1));
        march5.setValue(QDate(2026, 3, 5));
        april1.setValue(QDate(2026, 4, 1));
        april30.setValue(QDate(2026, 4, 30));
        may1.setValue(QDate(2026, 5, 1));
        may31.setValue(QDate(2026, 5, 31));
    }
};

} // namespace

// Every report file, run as its operation runs it, prints its title, its headings and
// the rows its formula selects, and none of the rows it leaves out.
TEST_F(ReportFilesTest, EveryReportPrintsTheRowsItsOperationSelects)
{
    const QString sharma = QStringLiteral("A SHARMA");
    const struct {
        const char *name;
        Launch launch;
        QString title;
        QStringList headings;
        QStringList printed;
        QStringList left;
    } table[] = {
        {"NeedToDeposit: a member's unpaid bills of a period",
         [&](auto &l, auto &CR) { l.NeedToDeposit(CR, sharma, april1, may31); },
         "BILLS AWAITING PAYMENT", {"Bill No.", "Bill Date", "Particulars", "Outstanding"},
         {"Member: A SHARMA", "9 05/05/2026 5 2026 LATE CHARGE 50.00 0.00", "Total A SHARMA 1550.00"},
         {"B MEHTA", "SINKING FUND"}},
        {"BILLREPORT: every unpaid bill", [&](auto &l, auto &CR) { l.BILLREPORT(CR); },
         "BILLS AWAITING PAYMENT", {"Bill No.", "Amount"},
         {"9 05/05/2026 5 2026 MAINTENANCE 1500.00", "Grand total 1550.00"}, {"PARKING"}},
        {"BillShort: one line per bill of a member",
         [&](auto &l, auto &CR) { l.BillShort(CR, sharma, april1, may31); },
         "BILLS OF MEMBER IN SHORT", {"Bill Amount", "Outstanding", "Paid"},
         {"7 05/04/2026 4 2026 2300.00 250.00 PAID", "9 05/05/2026 5 2026 1550.00 0.00 UNPAID",
          "Total A SHARMA 3850.00"},
         {"B MEHTA"}},
        {"DepositDetail: a member's receipt lines of a period",
         [&](auto &l, auto &CR) { l.DepositDetail(CR, bMehta.Text().toString(), april1, may31); },
         "RECEIPTS OF MEMBER IN DETAIL", {"Receipt No.", "Paid by", "Cheque No."},
         {"Member: B MEHTA", "22/04/2026 13 0 ADVANCE CASH - 3000.00",
          "02/05/2026 14 8 MAINTENANCE CASH - 1500.00", "Total B MEHTA 4500.00"},
         {"A SHARMA"}},
        {"All: every receipt line of a period",
         [&](auto &l, auto &CR) { l.All(CR, april1, april1); }, "RECEIPTS OF MEMBER IN DETAIL",
         {"Date", "Amount"}, {"Grand total 0.00"}, {"ADVANCE"}},
        {"MemberDepositDetail: a member's receipts, receipt by receipt",
         [&](auto &l, auto &CR) { l.MemberDepositDetail(CR, sharma, april1, may31); },
         "RECEIPTS BY MEMBER", {"Bill No.", "Particulars", "Paid by"},
         {"Member: A SHARMA", "Receipt No.: 12", "Date: 20/04/2026",
          "7 4 2026 SINKING FUND CHEQUE 000123 500.00", "Total 12 2300.00"},
         {"B MEHTA", "ADVANCE"}},
        {"MemberDepositDetailALL: every member's receipts",
         [&](auto &l, auto &CR) { l.MemberDepositDetailALL(CR); }, "RECEIPTS BY MEMBER",
         {"Amount"}, {"Member: A SHARMA", "Member: B MEHTA", "Grand total 6800.00"}, {}},
        {"MemberDepositDetailShort: one line per receipt of a member",
         [&](auto &l, auto &CR) { l.MemberDepositDetailShort(CR, sharma, april1, may31); },
         "RECEIPTS OF MEMBER", {"Receipt No.", "Bank"},
         {"12 20/04/2026 CHEQUE 000123 UNION BANK 2300.00"}, {"B MEHTA", "3000.00"}},
        {"AsDate: receipts of a period by date",
         [&](auto &l, auto &CR) { l.AsDate(CR, april1, april30); },
         "RECEIPTS BY DATE", {"Receipt No.", "Member"},
         {"Date: 20/04/2026", "Total 20/04/2026 2300.00", "Date: 22/04/2026",
          "13 B MEHTA 102 ADVANCE CASH 3000.00"},
         {"02/05/2026"}},
        {"MemberList: every member", [&](auto &l, auto &CR) { l.MemberList(CR); },
         "LIST OF MEMBERS", {"Name", "Wing", "Flat", "Joined", "Left"},
         {"1 A SHARMA A 101 9822000001 10/01/2020 -", "3 C IYER B 201 9822000003 01/04/2019 31/03/2025"},
         {}},
        {"MemberDetail: one member", [&](auto &l, auto &CR) { l.MemberDetail(CR, "B MEHTA"); },
         "MEMBER DETAIL", {"Father/Husband", "Present Address", "Nominee"},
         {"Member: B MEHTA", "Permanent address: 4 PARK STREET", "K MEHTA"}, {"A SHARMA", "C IYER"}},
        {"OldMemberDetail: members who have left",
         [&](auto &l, auto &CR) { l.OldMemberDetail(CR); }, "MEMBER DETAIL", {"Left"},
         {"Member: C IYER", "31/03/2025"}, {"A SHARMA", "B MEHTA"}},
        {"ShowMemerReport: a member's statement of a period",
         [&](auto &l, auto &CR) { l.ShowMemerReport(CR, member1, april1, may31); },
         "MEMBER ACCOUNT STATEMENT", {"Billed", "Received", "Balance"},
         {"From: 01/04/2026", "To: 31/05/2026", "Name: A SHARMA",
          "05/05/2026 BILL 9 BILL OF MAY 1550.00 0.00 -1300.00"},
         {"BILL OF JUNE", "B MEHTA"}},
        {"ShowBillAsMember: a member's bills with their lines",
         [&](auto &l, auto &CR) { l.ShowBillAsMember(CR, "B MEHTA"); }, "BILLS OF MEMBER",
         {"Bill Date", "Particulars"}, {"Bill No.: 8", "1 05/04/2026 4 2026 MAINTENANCE 1500.00"},
         {"A SHARMA"}},
        {"ShowBillAsMemberNotDeposited: one bill of a member",
         [&](auto &l, auto &CR) { l.ShowBillAsMemberNotDeposited(CR, sharma, 9); },
         "BILLS OF MEMBER", {"Amount"}, {"Bill No.: 9", "LATE CHARGE 50.00", "Total 9 1550.00"},
         {"Bill No.: 7"}},
        {"ShowBillAsMemberDeposited: every bill of the member",
         [&](auto &l, auto &CR) { l.ShowBillAsMemberDeposited(CR, sharma, 9); },
         "BILLS OF MEMBER", {"Amount"}, {"Bill No.: 7", "Bill No.: 9"}, {"B MEHTA"}},
        {"ShowBillAsNumber: one bill", [&](auto &l, auto &CR) { l.ShowBillAsNumber(CR, 7); },
         "MAINTENANCE BILL", {"No.", "Month", "Year", "Particulars", "Amount"},
         {"Bill No.: 7", "4 4 2026 OUTSTANDING AMOUNT 250.00", "Total 7 2550.00"}, {"B MEHTA"}},
        {"ShowBill: every bill", [&](auto &l, auto &CR) { l.ShowBill(CR); }, "MAINTENANCE BILL",
         {"Particulars"}, {"Bill No.: 8", "Member: B MEHTA", "Grand total 5600.00"}, {}},
        {"ShowReceiptNumberASPERNUMBER: a receipt against a bill, with the sum in words",
         [&](auto &l, auto &CR) { l.ShowReceiptNumberASPERNUMBER(CR, 12); }, "RECEIPT",
         {"Bill No.", "Particulars", "Amount"},
         {"Received from: A SHARMA", "Cheque/Draft No.: 000123",
          "The sum of Rupees: TWO THOUSAND THREE HUNDRED ONLY", "7 4 2026 PARKING 300.00"},
         {"B MEHTA"}},
        {"ShowReceiptNumberASPERNUMBER: an advance, not against a bill",
         [&](auto &l, auto &CR) { l.ShowReceiptNumberASPERNUMBER(CR, 13); },
         "ADVANCE RECEIPT", {"Particulars", "Amount"},
         {"Received from: B MEHTA", "The sum of Rupees: THREE THOUSAND ONLY", "ADVANCE 3000.00"},
         {"A SHARMA"}},
        {"ShowReceiptNumber: every receipt", [&](auto &l, auto &CR) { l.ShowReceiptNumber(CR); },
         "RECEIPTS", {"Member", "Bill No.", "Paid by"},
         {"Receipt No.: 14", "02/05/2026 B MEHTA 102 8 MAINTENANCE CASH 1500.00",
          "Grand total 6800.00"},
         {}},
        {"ShowReceiptNumberAsDate: receipts of a period",
         [&](auto &l, auto &CR) { l.ShowReceiptNumberAsDate(CR, may1, may31); },
         "RECEIPTS", {"Amount"}, {"Receipt No.: 14", "Grand total 1500.00"}, {"Receipt No.: 12"}},
        {"ShowExpenditure: one head, credits left out",
         [&](auto &l, auto &CR) { l.ShowExpenditure(CR, "REPAIRS"); }, "EXPENDITURE",
         {"Voucher No.", "Date", "Expenditure", "Amount"},
         {"Expenditure: REPAIRS", "1 10/04/2026 REPAIRS 1200.00", "Grand total 1200.00"},
         {"ELECTRICITY", "15/05/2026"}},
        {"ShowExpenditureAll: every head but the credits",
         [&](auto &l, auto &CR) { l.ShowExpenditureAll(CR, "REPAIRS"); }, "EXPENDITURE",
         {"Amount"}, {"Total ELECTRICITY 800.00", "Grand total 2900.00"}, {"15/05/2026"}},
        {"ShowExpenditureASDate: a period, credits included",
         [&](auto &l, auto &CR) { l.ShowExpenditureASDate(CR, may1, may31); },
         "EXPENDITURE", {"Amount"}, {"3 15/05/2026 REPAIRS 0.00", "4 31/05/2026 SECURITY 900.00"},
         {"ELECTRICITY"}},
        {"ShowExpenditureCREDIT: the credits",
         [&](auto &l, auto &CR) { l.ShowExpenditureCREDIT(CR); }, "EXPENDITURE ON CREDIT",
         {"Credit Amount"}, {"3 15/05/2026 REPAIRS 600.00", "Grand total 600.00"},
         {"ELECTRICITY", "SECURITY"}},
        {"ShowDepositAsDate: each day's receipts by charge",
         [&](auto &l, auto &CR) { l.ShowDepositAsDate(CR); }, "RECEIPTS DATE-WISE",
         {"Particulars", "Lines", "Amount"},
         {"20/04/2026 SINKING FUND 1 500.00", "Total 20/04/2026 2300.00", "Grand total 6800.00"},
         {}},
        {"ShowFLAT: the flats wing by wing", [&](auto &l, auto &CR) { l.ShowFLAT(CR); }, "FLATS",
         {"Flat", "Member", "Joined"}, {"Wing: A", "101 A SHARMA", "Wing: B", "201 C IYER"}, {}},
        {"ShowFLATrecord: who has held one flat",
         [&](auto &l, auto &CR) { l.ShowFLATrecord(CR, wingA, flat101); }, "FLAT RECORD",
         {"Member", "Father/Husband"}, {"Wing: A", "Flat: 101", "A SHARMA R SHARMA"},
         {"B MEHTA", "C IYER"}},
        {"ShowEMPLOYEE: the employees", [&](auto &l, auto &CR) { l.ShowEMPLOYEE(CR); },
         "EMPLOYEES", {"Designation", "Salary"},
         {"1 RAVI WATCHMAN", "2 SUNITA SWEEPER", "Grand total 21000.00"}, {}},
        {"ShowEMPLOYEEASPERNAME: one employee",
         [&](auto &l, auto &CR) { l.ShowEMPLOYEEASPERNAME(CR, ravi); }, "EMPLOYEE DETAIL",
         {"Address"}, {"Employee: RAVI", "WATCHMAN GATE HOUSE 9822100001 01/03/2022 12000.00"},
         {"SUNITA"}},
        {"ShowDOCUMENTasperTOPIC: one topic's documents",
         [&](auto &l, auto &CR) { l.ShowDOCUMENTasperTOPIC(CR, lift); }, "DOCUMENTS",
         {"Document", "Kept At"}, {"Topic: LIFT", "1 LIFT AMC AGREEMENT 15/01/2026 OFFICE FILE 3"},
         {"CONVEYANCE DEED"}},
        {"ShowDOCUMENTALL: every document", [&](auto &l, auto &CR) { l.ShowDOCUMENTALL(CR); },
         "DOCUMENTS", {"Dated"}, {"Topic: LAND", "Topic: LIFT"}, {}},
        {"ShowBankTransactionCORCASH: the bank book",
         [&](auto &l, auto &CR) { l.ShowBankTransactionCORCASH(CR, "CASH", april1, may31); },
         "BANK TRANSACTIONS", {"Received From"}, {"03/05/2026", "B MEHTA", "Grand total 1000.00"},
         {"A SHARMA"}},
        {"ShowDAILY: the day book", [&](auto &l, auto &CR) { l.ShowDAILY(CR); }, "DAILY REPORT",
         {"Entry", "Particulars", "Received", "Paid", "Into Bank"},
         {"Date: 10/04/2026", "EXPENDITURE 1 REPAIRS 1200.00",
          "RECEIPT 13 B MEHTA - ADVANCE 3000.00", "Total 21/04/2026 0.00 0.00 2000.00",
          "Grand total 6800.00 2900.00 3000.00"},
         {"15/05/2026"}},
        {"BalanceSheet: the society's sums",
         [&](auto &l, auto &CR) { l.BalanceSheet(CR); }, "BALANCE SHEET",
         {"Particulars", "Liabilities", "Assets"},
         {"ADVANCE RECEIVED FROM MEMBERS 3000.00", "CASH IN HAND 400.00",
          "Grand total 3900.00 3900.00"},
         {}},
        {"BalanceSheetbOTH: the sheet with its heads",
         [&](auto &l, auto &CR) { l.BalanceSheetbOTH(CR); },
         "BALANCE SHEET WITH RECEIPTS AND EXPENDITURE", {"Liabilities", "Assets"},
         {"RECEIPTS: MAINTENANCE 3000.00", "LESS EXPENDITURE: REPAIRS -1200.00",
          "BANK: STATE BANK OF INDIA 00012345678 3000.00", "Grand total 3900.00 3900.00"},
         {}},
        {"RECANDEXACCOUNT: receipts against expenditure",
         [&](auto &l, auto &CR) { l.RECANDEXACCOUNT(CR); }, "RECEIPTS AND EXPENDITURE ACCOUNT",
         {"Receipts", "Expenditure"},
         {"ADVANCE 3000.00", "SECURITY 900.00", "EXCESS OF RECEIPTS OVER EXPENDITURE 3900.00",
          "Grand total 6800.00 6800.00"},
         {}},
        {"ShowTenant: every tenant", [&](auto &l, auto &CR) { l.ShowTenant(CR); }, "TENANTS",
         {"Tenant", "Agreement From"}, {"A 102 B MEHTA D KHAN 9822200001 3 01/01/2026 31/12/2026"},
         {}},
        {"ShowTENANTASPERFLAT: the tenants of a member's flat",
         [&](auto &l, auto &CR) { l.ShowTENANTASPERFLAT(CR, bMehta); }, "TENANTS OF MEMBER'S FLAT",
         {"Permanent Address"}, {"Member: B MEHTA", "D KHAN"}, {}},
        {"ShowTENANTASPERFLAT: a member without tenants",
         [&](auto &l, auto &CR) { l.ShowTENANTASPERFLAT(CR, ravi); }, "TENANTS OF MEMBER'S FLAT",
         {"Tenant"}, {}, {"D KHAN"}},
        {"ShowVehicle: the vehicles wing by wing", [&](auto &l, auto &CR) { l.ShowVehicle(CR); },
         "VEHICLES", {"Vehicle No.", "Parking"},
         {"Wing: A", "101 A SHARMA MH12AB1234 CAR MARUTI P-4", "Wing: B", "MH12CD5678"}, {}},
        {"ShowCOMPLAINASPerGroup: one group's complaints of a period",
         [&](auto &l, auto &CR) {
             l.ShowCOMPLAINASPerGroup(CR, "PLUMBING", jan1, may31);
         },
         "COMPLAINTS", {"Complaint", "Position", "Settled On"},
         {"Group: PLUMBING", "1 02/03/2026 A SHARMA 101 KITCHEN TAP LEAKS OPEN"},
         {"DRAIN BLOCKED", "STAIR LIGHT OUT"}},
        {"ShowCOMPLAINASPerPosition: the closed complaints of a period",
         [&](auto &l, auto &CR) {
             l.ShowCOMPLAINASPerPosition(CR, "CLOSED", lastJan1, may31);
         },
         "COMPLAINTS", {"Remark"}, {"DRAIN BLOCKED", "STAIR LIGHT OUT"}, {"KITCHEN TAP LEAKS"}},
        {"ShowAllComplainAsPerDate: complaints of a period",
         [&](auto &l, auto &CR) {
             l.ShowAllComplainAsPerDate(CR, march5, may31);
         },
         "COMPLAINTS", {"Made On"}, {"Group: ELECTRICAL", "STAIR LIGHT OUT"},
         {"KITCHEN TAP LEAKS", "DRAIN BLOCKED"}},
        {"ShowDatabase: the society", [&](auto &l, auto &CR) { l.ShowDatabase(CR); },
         "THE SOCIETY", {"Registration No.", "Chairman", "Secretary", "Treasurer"},
         {"GREEN PARK CO-OP HOUSING SOCIETY", "PNA/HSG/1234 01/05/2012"}, {}},
        {"ShowCHARGESTYPE: charges assigned to members",
         [&](auto &l, auto &CR) { l.ShowCHARGESTYPE(CR); }, "CHARGES ASSIGNED TO MEMBERS",
         {"Member No.", "Monthly Amount"},
         {"Charge: NON OCCUPANCY CHARGES", "2 B MEHTA A 102 250.00", "Total WATER CHARGES 400.00"},
         {}},
        {"ShowEXPENDITUREVOUCHER: one voucher",
         [&](auto &l, auto &CR) { l.ShowEXPENDITUREVOUCHER(CR, voucher4); },
         "EXPENDITURE VOUCHER", {"Paid towards", "Amount"},
         {"Voucher No.: 4", "Date: 31/05/2026", "Amount in words: NINE HUNDRED, ONLY",
          "SECURITY - 900.00"},
         {"REPAIRS"}},
        {"ShowShareCertificate: one certificate with its share numbers",
         [&](auto &l, auto &CR) { l.ShowShareCertificate(CR, 5, 1, 10); }, "SHARE CERTIFICATE",
         {"Name of Holder", "Shares"},
         {"Distinctive numbers from: 1", "to: 10", "Certificate No.: 5", "A SHARMA 101 10 50.00"},
         {"B MEHTA"}},
    };
    for (const auto &row : table) {
        SCOPED_TRACE(row.name);
        boxes().clear();
        const QString printed = printedBy(row.launch);
        EXPECT_EQ(boxes().shown(), std::vector<forms::MessageBoxRecord>{});
        ASSERT_FALSE(printed.isEmpty());
        EXPECT_TRUE(printed.startsWith(row.title + u' ')) << printed.toStdString();
        for (const QString &text : row.headings + row.printed)
            EXPECT_TRUE(printed.contains(text)) << text.toStdString() << "\n" << printed.toStdString();
        for (const QString &text : row.left)
            EXPECT_FALSE(printed.contains(text)) << text.toStdString() << "\n" << printed.toStdString();
    }
}

// A bill, a receipt, a member's statement and the balance sheet stand on paper as their
// reference texts read.
TEST_F(ReportFilesTest, BillReceiptStatementAndBalanceSheetPrintAsTheirReferencesRead)
{
    const struct {
        Launch launch;
        const char *reference;
    } table[] = {
        {[&](auto &l, auto &CR) { l.ShowBillAsNumber(CR, 7); }, "bill_7.txt"},
        {[&](auto &l, auto &CR) { l.ShowReceiptNumberASPERNUMBER(CR, 12); },
         "receipt_12.txt"},
        {[&](auto &l, auto &CR) { l.ShowMemerReport(CR, member1, april1, may31); },
         "statement_member_1_2026-04-01_2026-05-31.txt"},
        {[&](auto &l, auto &CR) { l.BalanceSheet(CR); }, "balance_sheet.txt"},
    };
    for (const auto &row : table) {
        SCOPED_TRACE(row.reference);
        QFile::remove(pdfPath());
        CRClass launcher;
        row.launch(launcher, control);
        EXPECT_EQ(printedText(pdfPath()).toStdString(),
                  referenceText(QString::fromUtf8(row.reference)).toStdString());
    }
}

// A bill says its total, outstanding amount included, in the words a cheque of that
// amount carries, once the total is rounded to paise; a total with paise, or below zero,
// gets no words rather than words without the paise, and no empty label either.
TEST_F(ReportFilesTest, ABillSaysItsTotalInTheWordsOfACheque)
{
    const struct {
        const char *name;
        const char *lines; // FEEAMOUNT of each line of bill 20
        const char *due;   // its outstanding amount
        const char *words; // the digits a cheque of the total is written from, or none
    } table[] = {
        {"lines and an outstanding amount", "1500, 500", "250", "2250"},
        {"a lakh and more", "100000, 2345", "0", "102345"},
        {"crores", "12000000", "5", "12000005"},
        {"lines whose binary sum misses the whole rupee", "0.1, 0.2, 2.7", "0", "3"},
        {"paise in the total", "1500.50", "0", nullptr},
        {"a total below zero", "-1500", "0", nullptr},
    };
    for (const auto &row : table) {
        SCOPED_TRACE(row.name);
        execRaw(QStringLiteral("DELETE FROM BILLX WHERE SN = 20"));
        int line = 0;
        for (const QString &amount : QString::fromUtf8(row.lines).split(QStringLiteral(", ")))
            execRaw(QStringLiteral("INSERT INTO BILLX (SN, DATEX, BILLSERIALNUMBER, MEMBERNAME, "
                                   "FEETYPE, FEEAMOUNT, DUEAMOUNT) VALUES (20, '2026-06-05', "
                                   "%1, 'A SHARMA', 'MAINTENANCE', %2, %3)")
                        .arg(++line)
                        .arg(amount, QString::fromUtf8(row.due)));
        const QString words =
            row.words ? CalculateClass().Calculate(QString::fromUtf8(row.words)) : QString();
        ASSERT_TRUE(!row.words || !words.isEmpty());

        const QString printed = printedBy([](auto &l, auto &CR) { l.ShowBillAsNumber(CR, 20); });

        const QString heading = row.words ? QStringLiteral("Amount in words: ") + words
                                          : QStringLiteral("Member: A SHARMA");
        EXPECT_TRUE(printed.contains((heading + QStringLiteral(" 1 MAINTENANCE")).simplified()))
            << printed.toStdString();
        EXPECT_EQ(printed.contains(QStringLiteral("Amount in words")), row.words != nullptr);
    }
}

// A receipt of someone the register does not hold, the caterer's hall rent under member
// number 0, prints under the payer's own name as a group of its own, without empty labels.
TEST_F(ReportFilesTest, ANonMembersReceiptPrintsUnderThePayersOwnName)
{
    execRaw(QStringLiteral(
        "INSERT INTO DETAILSOFDEPOSITE (SN, DATEOFDEPOSITE, BILLNUMBER, BILLDATE, "
        "BILLSERIALNUMBER, BILLMONTH, BILLYEAR, MEMBERNUMBER, MEMBERNAME, FLATNUMBER, FEETYPE, "
        "FEEAMOUNT, CHEQUEORCASH, CHEQUEN, BANKNAME) VALUES (20, '2026-05-10', 0, '2026-05-10', 0, "
        "5, 2026, 0, 'SUNRISE CATERERS', '-', 'HALL RENT', 5000, 'CASH', '-', 'NONE')"));
    const QString caterers = QStringLiteral("SUNRISE CATERERS");
    const QList<PrintedBy> table = {
        {"the payer's receipt lines",
         [&](auto &l, auto &CR) { l.DepositDetail(CR, caterers, april1, may31); },
         {"Member: SUNRISE CATERERS Flat: - 10/05/2026 20 0 HALL RENT CASH - 5000.00",
          "Total SUNRISE CATERERS 5000.00"}},
        {"every member's receipts", [&](auto &l, auto &CR) { l.MemberDepositDetailALL(CR); },
         {"Member: SUNRISE CATERERS Flat: - Receipt No.: 20", "Total SUNRISE CATERERS 5000.00",
          "Grand total 11800.00"}},
        {"the payer's receipts in short",
         [&](auto &l, auto &CR) { l.MemberDepositDetailShort(CR, caterers, april1, may31); },
         {"Member: SUNRISE CATERERS Flat: - 20 10/05/2026 CASH - NONE 5000.00"}},
    };
    expectEachPrints(table, QStringLiteral("Wing: Flat"));
}

// Amounts print rounded to paise, a half to the even paisa; totals and balances add the
// amounts as printed, so sums of binary fractions that miss zero print 0.00, never -0.00.
TEST_F(ReportFilesTest, AmountsPrintRoundedToPaiseAndNeverAsMinusZero)
{
    for (const char *table : {"DETAILSOFDEPOSITE", "BANK", "EXPENDITURE", "PERMANENTITEM", "TYMEMBER"})
        execRaw(QStringLiteral("DELETE FROM %1").arg(QLatin1String(table)));
    execRaw(QStringLiteral(
        "INSERT INTO TYMEMBER VALUES (1, 1, '2026-04-05', 'WATER', 'BILL', 7, 0.1, 0), "
        "(2, 1, '2026-04-06', 'LIFT', 'BILL', 8, 0.2, 0), "
        "(3, 1, '2026-04-20', 'RECEIPT', 'RECEIPT', 12, 0, 0.3), "
        "(4, 2, '2026-04-05', 'WATER', 'BILL', 9, 0.125, 0), "
        "(5, 2, '2026-04-06', 'LIFT', 'BILL', 10, 0.375, 0)"));
    execRaw(QStringLiteral(
        "INSERT INTO DETAILSOFDEPOSITE (SN, DATEOFDEPOSITE, BILLNUMBER, MEMBERNUMBER, FLATNUMBER, "
        "FEETYPE, FEEAMOUNT) VALUES (12, '2026-04-20', 7, 1, '101', 'WATER', 0.3)"));
    execRaw(QStringLiteral(
        "INSERT INTO BANK (SN, BANKNAME, DATEOFENTRY, AMOUNT, CHEQUEORCASH) VALUES "
        "(1, 'SBI', '2026-04-21', 0.1, 'CASH'), (2, 'SBI', '2026-04-22', 0.2, 'CASH')"));
    forms::PlainControl member2{QStringLiteral("2")};
    const QList<PrintedBy> table = {
        {"a statement whose bills the receipt clears",
         [&](auto &l, auto &CR) { l.ShowMemerReport(CR, member1, april1, may31); },
         {"LIFT 0.20 0.00 -0.30", "RECEIPT 0.00 0.30 0.00"}},
        {"cash in hand of a receipt banked in parts", [&](auto &l, auto &CR) { l.BalanceSheet(CR); },
         {"BALANCE AT BANK 0.30", "CASH IN HAND 0.00", "Grand total 0.30 0.30"}},
        {"halves of a paisa",
         [&](auto &l, auto &CR) { l.ShowMemerReport(CR, member2, april1, may31); },
         {"WATER 0.12 0.00 -0.12", "LIFT 0.38 0.00 -0.50", "Total 2 0.50 0.00"}},
    };
    expectEachPrints(table, QStringLiteral("-0.00"));
}

// Every number column of every report file holds the largest amount its totals are made
// for, -99999999999.99, whole at the size of the column headings: in its rows and in the
// bold of its totals (a figure too wide for its column would print smaller).
TEST_F(ReportFilesTest, EveryNumberColumnHoldsTheLargestAmountAtFullSize)
{
    const double largest = -99999999999.99;
    const QDir reports(QStringLiteral(QUILVANE_REPORTS_DIR));
    for (const QString &file : reports.entryList({QStringLiteral("*.rpt")}, QDir::Files)) {
        SCOPED_TRACE(file.toStdString());
        const report::ReportDefinition definition = report::ReportDefinition::read(reports.filePath(file));
        report::ReportLayout layout(definition, {}, file,
                                    report::AmountInWords(CalculateClass::SumInWords));
        report::ReportRow row(definition.fields.size());
        QSet<QString> figures;
        for (const report::ReportColumn &column : definition.columns) {
            if (column.format == report::ValueFormat::Number) {
                row[column.field] = largest;
                figures.insert(layout.cellText(largest, column));
            }
        }
        report::ReportDocument(file, definition.title, definition.landscape, layout.layOut({row}))
            .writePdf(pdfPath());
        const QList<PrintedText> words = printedWords(pdfPath()).value(0).words;
        const auto heading = std::find_if(words.begin(), words.end(), [&](const PrintedText &word) {
            return definition.columns.first().heading.startsWith(word.text);
        });
        ASSERT_NE(heading, words.end());
        int printed = 0;
        for (const PrintedText &word : words) {
            if (figures.contains(word.text)) {
                ++printed;
                EXPECT_NEAR(word.bottom - word.top, heading->bottom - heading->top, 0.5)
                    << word.text.toStdString();
            }
        }
        EXPECT_EQ(printed > 0, !figures.isEmpty());
    }
}
