// The bill lines of a society at the limit of its bill numbers against those of a
// society one year old: each member should cost about the same in both, except the
// list of every bill.
// Run: build/benchmarks --benchmark_filter="MakeBill|NextLine|MemberTotal|BillList"
// The receipts of the same two societies, every bill paid by a receipt of its own:
// build/benchmarks --benchmark_filter="TakePayment|LateCharge|CarryForward"
// The member statement over every year of the society against one year, and the sums
// and lists that read every receipt line:
// build/benchmarks --benchmark_filter="MemberStatement|CashInHand|UnpaidBills"
#include "BenchProgramFolder.h"
#include "BulkInsert.h"
#include "QuickPass.h"
#include "data/Module1.h"
#include "platform/forms/PlainControl.h"
#include "society/BANKCLASS.h"
#include "society/BILLCLASS.h"
#include "society/DEPOSITCLASS.h"
#include "society/Kelvostran.h"
#include "support/RawDatabase.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

namespace {

constexpr int Members = 250;
constexpr int LinesPerBill = 5;
constexpr int OneYearBills = Members * 12; // 3,000 bills
// Near the last bill number, 32767.
const int FullBills = QuickPass::rows(30000, OneYearBills);

const char *const ChargeTypes[LinesPerBill] = {"MAINTENANCE", "WATER", "PARKING", "SINKING FUND",
                                               "REPAIR FUND"};

// Bill b goes to member (b - 1) % 250 + 1 for one month, the months running on from
// January 2000; one row per line, straight into the file in one transaction. The
// statement binds ?1 the bill number, ?2 its date, ?3 the line, ?4 the month, ?5 the
// year, ?6 the member and ?7 the charge type.
void storeLines(const QString &databasePath, const char *insertLine, int bills)
{
    BulkInsert insert(databasePath, insertLine);
    for (int bill = 1; bill <= bills; ++bill) {
        const int month = (bill - 1) / Members;
        const QByteArray date = QDate(2000 + month / 12, month % 12 + 1, 28)
                                    .toString(Qt::ISODate)
                                    .toLatin1();
        for (int line = 1; line <= LinesPerBill; ++line) {
            sqlite3_stmt *row = insert.row();
            sqlite3_bind_int(row, 1, bill);
            sqlite3_bind_text(row, 2, date.constData(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_int(row, 3, line);
            sqlite3_bind_int(row, 4, month % 12 + 1);
            sqlite3_bind_int(row, 5, 2000 + month / 12);
            sqlite3_bind_int(row, 6, (bill - 1) % Members + 1);
            sqlite3_bind_text(row, 7, ChargeTypes[line - 1], -1, SQLITE_STATIC);
            insert.store();
        }
    }
}

void storeBills(const QString &databasePath, int bills)
{
    storeLines(databasePath,
               "insert into BILLX values(?1,?2,?3,?4,?5,?6,'MEMBER','101',?7,150,0,'-',"
               "'A','-','-','-',0,0,0,0,?2,?2)",
               bills);
}

// Bills 1 to `paid` paid on their own day, each by a receipt of the same number with
// one line per bill line.
void storeReceipts(const QString &databasePath, int paid)
{
    storeLines(databasePath,
               "insert into DETAILSOFDEPOSITE values(?1,?2,?1,?2,?3,?4,?5,?6,'MEMBER','101',?7,"
               "150,'CASH','-','-','-','-','-','-','-',0,0,0,0,?2,?2)",
               paid);
}

// A society's program folder with its data source registered, the period set to the
// year of its last bills, of which the first `paid` are paid.
class Society {
public:
    explicit Society(int bills, int paid = 0) : folder_(0)
    {
        storeBills(folder_.databasePath(), bills);
        storeReceipts(folder_.databasePath(), paid);
        Module1::OpenConnection();
        const int lastYear = 2000 + ((bills - 1) / Members) / 12;
        Module1::PeriodFromDate() = QDate(lastYear, 1, 1);
        Module1::PeriodToDate() = QDate(lastYear, 12, 31);
    }

protected:
    BenchProgramFolder folder_;
};

// One month's bill of five lines for one member: the next bill number, the test that
// the member has none for the month, then the lines.
void MakeBill(benchmark::State &state)
{
    Society society(static_cast<int>(state.range(0)));
    BILLCLASS bill;
    bill.MEMBERNUMBER_ = 17;
    bill.BILLMONTH_ = 6;
    bill.BILLYEAR_ = 2099;
    for (auto _ : state) {
        bill.SN_ = bill.FINDLAST();
        benchmark::DoNotOptimize(
            bill.FINDBILLAlreadymade(bill.BILLMONTH_, bill.BILLYEAR_, bill.MEMBERNUMBER_));
        for (const char *chargeType : ChargeTypes) {
            bill.FEETYPE_ = QString::fromLatin1(chargeType);
            bill.InsertIntoBILL();
        }
    }
}

void NextLine(benchmark::State &state)
{
    Society society(static_cast<int>(state.range(0)));
    BILLCLASS bill;
    bill.SN_ = static_cast<std::int16_t>(state.range(0) / 2);
    for (auto _ : state)
        benchmark::DoNotOptimize(bill.FINDLASTSERIALNUMBER());
}

void MemberTotal(benchmark::State &state)
{
    Society society(static_cast<int>(state.range(0)));
    BILLCLASS bill;
    forms::PlainControl member(QStringLiteral("17"));
    for (auto _ : state)
        benchmark::DoNotOptimize(bill.FindBILLAmountOfMember(member, QDate(), QDate()));
}

void BillList(benchmark::State &state)
{
    Society society(static_cast<int>(state.range(0)));
    BILLCLASS bill;
    forms::PlainControl list;
    for (auto _ : state)
        bill.FillBILLNum(list);
}

// Receipt b pays bill b, line for line, a month after it; the society's members are on
// the register.
void storeReceiptsAndMembers(const QString &databasePath)
{
    RawDatabase(databasePath)
        .exec(QStringLiteral(
            "begin;"
            "insert into DETAILSOFDEPOSITE select SN, date(DATEX, '+1 month'), SN, DATEX, "
            "BILLSERIALNUMBER, BILLMONTH, BILLYEAR, MEMBERNUMBER, MEMBERNAME, FLATNUMBER, "
            "FEETYPE, FEEAMOUNT, 'CASH', '-', '-', '-', '-', '-', '-', '-', 0, 0, 0, 0, "
            "DATEX, DATEX from BILLX order by SN, BILLSERIALNUMBER;"
            "insert into Memberx (SN, NAMEX, WING, ACCO, DOFLEAVING) "
            "select distinct MEMBERNUMBER, 'MEMBER', 'A', MEMBERNUMBER, '-' from BILLX;"
            "commit;"));
}

// Member 17's last bill and the two before it are left unpaid.
class PaidSociety : public Society {
public:
    explicit PaidSociety(int bills)
        : Society(bills), lastBill_(bills - (bills - 17) % Members)
    {
        storeReceiptsAndMembers(folder_.databasePath());
        RawDatabase(folder_.databasePath())
            .exec(QStringLiteral("delete from DETAILSOFDEPOSITE where SN in (%1, %2, %3)")
                      .arg(lastBill_)
                      .arg(lastBill_ - Members)
                      .arg(lastBill_ - 2 * Members));
    }

    QString databasePath() const { return folder_.databasePath(); }
    int lastBill() const { return lastBill_; }

private:
    int lastBill_;
};

// Member 17 pays the last bill and the two older ones on one receipt: the receipt
// number, the test that the bill is unpaid, its lines with their words, the older
// bills and the words of the receipt. The receipt is taken away again, untimed.
void TakePayment(benchmark::State &state)
{
    PaidSociety society(static_cast<int>(state.range(0)));
    DEPOSITCLASS deposit;
    forms::PlainControl date, kind(QStringLiteral("CHEQUE")), cheque(QStringLiteral("123456")),
        bank(QStringLiteral("SBI")), remark(QStringLiteral("-")),
        chequeDate(QStringLiteral("01/02/2026")), member(QStringLiteral("17"));
    date.setValue(QDate(2026, 2, 1));
    const QString billNumber = QString::number(society.lastBill());
    for (auto _ : state) {
        std::int16_t receipt = 0;
        deposit.GETLASTRECEIPT(receipt);
        forms::PlainControl bill(billNumber);
        benchmark::DoNotOptimize(deposit.FindRECEIPTEXIST(bill));
        deposit.InsertintoDepositNEW(static_cast<std::int16_t>(society.lastBill()), date, kind,
                                     cheque, bank, remark, chequeDate);
        deposit.DepositOldBill(member, bill, date, kind, cheque, bank, remark, chequeDate);
        deposit.InsertMoneyInWord(receipt);
        state.PauseTiming();
        RawDatabase(society.databasePath())
            .exec(QStringLiteral("delete from DETAILSOFDEPOSITE where SN = %1").arg(receipt));
        state.ResumeTiming();
    }
}

// The late charge for member 17's unpaid last bill, made before that bill was entered,
// so every step runs and no line is added.
void LateCharge(benchmark::State &state)
{
    PaidSociety society(static_cast<int>(state.range(0)));
    BILLCLASS bill;
    forms::PlainControl upTo(QString::number(society.lastBill())), member(QStringLiteral("17"));
    for (auto _ : state)
        benchmark::DoNotOptimize(bill.CHECKLASTBILLNumDeposited(upTo, member));
}

// The carry-forward of every member's balance of the last year.
void CarryForward(benchmark::State &state)
{
    PaidSociety society(static_cast<int>(state.range(0)));
    DEPOSITCLASS deposit;
    for (auto _ : state)
        deposit.InsertLastYeareData();
}

// Member 17's statement over the whole life of a society whose every bill is paid: 60
// bill lines and 60 receipt lines a year.
void MemberStatement(benchmark::State &state)
{
    const int bills = static_cast<int>(state.range(0));
    Society society(bills, bills);
    const int years = (bills / Members + 11) / 12;
    Kelvostran member;
    forms::PlainControl number(QStringLiteral("17")), from, to;
    from.setValue(QDate(2000, 1, 1));
    to.setValue(QDate(2000 + years - 1, 12, 31));
    for (auto _ : state) {
        member.DelTYMEMBER();
        member.GetBillDetailOfMember(number, from, to);
        member.GetDepositDetailOfMember(number, from, to);
    }
    state.counters["rows"] = member.FINDLASTTYMEMBER() - 1;
}

// The last month's bills unpaid, every other bill paid.
void CashInHand(benchmark::State &state)
{
    const int bills = static_cast<int>(state.range(0));
    Society society(bills, bills - Members);
    BANKCLASS bank;
    for (auto _ : state)
        benchmark::DoNotOptimize(bank.FINDCashinHand());
}

void UnpaidBills(benchmark::State &state)
{
    const int bills = static_cast<int>(state.range(0));
    Society society(bills, bills - Members);
    Kelvostran member;
    forms::PlainControl list;
    for (auto _ : state)
        member.FillBILLNumNotDeposited(list);
    state.counters["bills"] = list.ListCount();
}

} // namespace

// The one-year society first: the reporter compares each group with its first variant.
BENCHMARK(MakeBill)->Name("MakeBill/OneYear")->Arg(OneYearBills)->Iterations(QuickPass::iterations(300))->Unit(benchmark::kMicrosecond);
BENCHMARK(MakeBill)->Name("MakeBill/Full")->Arg(FullBills)->Iterations(QuickPass::iterations(300))->Unit(benchmark::kMicrosecond);
BENCHMARK(NextLine)->Name("NextLine/OneYear")->Arg(OneYearBills)->Unit(benchmark::kMicrosecond);
BENCHMARK(NextLine)->Name("NextLine/Full")->Arg(FullBills)->Unit(benchmark::kMicrosecond);
BENCHMARK(MemberTotal)->Name("MemberTotal/OneYear")->Arg(OneYearBills)->Unit(benchmark::kMicrosecond);
BENCHMARK(MemberTotal)->Name("MemberTotal/Full")->Arg(FullBills)->Unit(benchmark::kMicrosecond);
BENCHMARK(BillList)->Name("BillList/OneYear")->Arg(OneYearBills)->Unit(benchmark::kMillisecond);
BENCHMARK(BillList)->Name("BillList/Full")->Arg(FullBills)->Unit(benchmark::kMillisecond);
BENCHMARK(TakePayment)->Name("TakePayment/OneYear")->Arg(OneYearBills)->Iterations(QuickPass::iterations(200))->Unit(benchmark::kMillisecond);
BENCHMARK(TakePayment)->Name("TakePayment/Full")->Arg(FullBills)->Iterations(QuickPass::iterations(200))->Unit(benchmark::kMillisecond);
BENCHMARK(LateCharge)->Name("LateCharge/OneYear")->Arg(OneYearBills)->Unit(benchmark::kMicrosecond);
BENCHMARK(LateCharge)->Name("LateCharge/Full")->Arg(FullBills)->Unit(benchmark::kMicrosecond);
BENCHMARK(CarryForward)->Name("CarryForward/OneYear")->Arg(OneYearBills)->Iterations(QuickPass::iterations(10))->Unit(benchmark::kMillisecond);
BENCHMARK(CarryForward)->Name("CarryForward/Full")->Arg(FullBills)->Iterations(QuickPass::iterations(10))->Unit(benchmark::kMillisecond);
BENCHMARK(MemberStatement)->Name("MemberStatement/OneYear")->Arg(OneYearBills)->Unit(benchmark::kMillisecond);
BENCHMARK(MemberStatement)->Name("MemberStatement/Full")->Arg(FullBills)->Unit(benchmark::kMillisecond);
BENCHMARK(CashInHand)->Name("CashInHand/Full")->Arg(FullBills)->Unit(benchmark::kMillisecond);
BENCHMARK(UnpaidBills)->Name("UnpaidBills/Full")->Arg(FullBills)->Unit(benchmark::kMillisecond);
