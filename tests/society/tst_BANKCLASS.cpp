#include "society/BANKCLASS.h"

#include "platform/forms/PlainControl.h"
#include "society/SocietyTest.h"

#include <array>
#include <functional>

namespace {

using forms::MessageBoxRecord;
using forms::PlainControl;

class BANKCLASSTest : public SocietyTest {
protected:
    // The 15 controls of the copy pair, SN first; the entry date is a picker.
    struct EntryControls {
        std::array<PlainControl, 15> at;

        bool assignTo(BANKCLASS &bank)
        {
            return bank.AssignToVariable(at[0], at[1], at[2], at[3], at[4], at[5], at[6], at[7],
                                         at[8], at[9], at[10], at[11], at[12], at[13], at[14]);
        }
        void showFrom(BANKCLASS &bank)
        {
            bank.AssigntToOBJECT(at[0], at[1], at[2], at[3], at[4], at[5], at[6], at[7], at[8],
                                 at[9], at[10], at[11], at[12], at[13], at[14]);
        }
        QStringList texts() const
        {
            QStringList result;
            for (const PlainControl &control : at)
                result << control.Text().toString();
            return result;
        }
    };

    static EntryControls entry(const QString &amount)
    {
        EntryControls controls;
        const QStringList texts = {"99", "SBI", "MAIN", "00012345678", "SOCIETY", "", amount,
                                   "TEN", "CHEQUE", "000123", "05/03/2026", "HDFC", "D'SOUZA",
                                   "SECRETARY", "OWNER'S CHEQUE"};
        for (int i = 0; i < texts.size(); ++i)
            controls.at[i].setText(texts[i]);
        controls.at[5].setValue(QDate(2026, 3, 6));
        return controls;
    }
};

TEST_F(BANKCLASSTest, EntriesTakeTheNextSerialAndAreReadBackWhole)
{
    BANKCLASS bank;
    EXPECT_EQ(bank.FINDLAST(), 1);
    EXPECT_EQ(bank.FINDBANKBALANCE(), 0);
    EntryControls typed = entry("10.125");
    ASSERT_FALSE(typed.assignTo(bank));
    bank.SN_ = 7;
    bank.InsertIntoBANK();
    bank.InsertIntoBANK();
    EXPECT_EQ(rowsRaw("select SN, CHEQUENUMBER, CHEQUEDATE, REMARK, STRREM1, INTREM4, "
                      "DATEREM2 = date('now', 'localtime') from BANK"),
              (QStringList{"1|000123|05/03/2026|OWNER'S CHEQUE|-|0.0|1",
                           "2|000123|05/03/2026|OWNER'S CHEQUE|-|0.0|1"}));
    const MessageBoxRecord entered{"ENTERED", forms::vbOKCancel, 0, "BANK Detail"};
    EXPECT_EQ(boxes().shown(), (std::vector<MessageBoxRecord>{entered, entered}));

    BANKCLASS loaded;
    loaded.FindBANKDETAIL(2);
    EntryControls shown;
    shown.showFrom(loaded);
    QStringList expected = typed.texts();
    expected[0] = expected[5] = "";
    expected[6] = "10.125";
    EXPECT_EQ(shown.texts(), expected);
    EXPECT_EQ(shown.at[5].Value().toDate(), QDate(2026, 3, 6));

    boxes().clear();
    execRaw("update BANK set REMARK = NULL where SN = 1");
    loaded.FindBANKDETAIL(1);
    loaded.FindBANKDETAIL(99);
    EXPECT_EQ(loaded.SN_, 2) << "a Null or a missing entry leaves the fields as they were";
    EXPECT_EQ(loaded.REMARK_, QStringLiteral("OWNER'S CHEQUE"));
    ASSERT_EQ(boxTexts().size(), 2);
    EXPECT_EQ(boxTexts()[0], QStringLiteral("Invalid use of Null"));
    EXPECT_TRUE(boxTexts()[1].startsWith("Either BOF or EOF is True")) << qPrintable(boxTexts()[1]);

    boxes().clear();
    EXPECT_TRUE(entry("ABC").assignTo(loaded));
    EXPECT_EQ(boxes().shown(), (std::vector<MessageBoxRecord>{
                                   {"Type mismatch", forms::vbOKOnly, forms::vbCritical,
                                    "ENTRY ERROR"}}));
}

TEST_F(BANKCLASSTest, ListsAndDeletesGoByTheStoredTexts)
{
    execRaw("insert into RemAdvance values('ZED'),('D''SOUZA'),('ZED')");
    BANKCLASS bank;
    entry("100").assignTo(bank);
    for (const char *number : {"000123", "123", "000123"}) {
        bank.CHEQUENUMBER_ = number;
        bank.InsertIntoBANK();
    }
    using Fill = void (BANKCLASS::*)(forms::Control &);
    const std::vector<std::pair<Fill, QStringList>> fills = {
        {&BANKCLASS::FillBANKNAME, {"STATE BANK OF INDIA"}},
        {&BANKCLASS::FillACCOUNTNUMBER, {"00012345678"}},
        {&BANKCLASS::FillName, {"D'SOUZA", "ZED"}},
        {&BANKCLASS::FillBANKNUMBER, {"3", "2", "1"}},
    };
    for (const auto &[fill, items] : fills) {
        PlainControl list;
        (bank.*fill)(list);
        QStringList shown;
        for (int i = 0; i < list.ListCount(); ++i)
            shown << list.List(i);
        EXPECT_EQ(shown, items);
        EXPECT_EQ(list.Text().toString(), items.first());
    }

    boxes().clear();
    PlainControl number("000123");
    bank.DELETEChequeNumber(number);
    EXPECT_EQ(rowsRaw("select SN, CHEQUENUMBER from BANK"), QStringList{"2|123"});
    EXPECT_TRUE(boxes().shown().empty());
    bank.DELETEBANKDetail(99);
    EXPECT_EQ(boxes().shown(), (std::vector<MessageBoxRecord>{{"Deleted", forms::vbOKOnly, 0, "Delete"}}));
}

TEST_F(BANKCLASSTest, SocietySumsRoundHalvesToEvenAndCountOnlyTheirOwnLines)
{
    const auto billsOfMarch = [](BANKCLASS &bank) {
        PlainControl from, to;
        from.setValue(QDate(2026, 3, 1));
        to.setValue(QDate(2026, 3, 31));
        return bank.FINDDEPOSITBymemberBill(from, to);
    };
    const auto creditOfMarch = [](BANKCLASS &bank) {
        Module1::PeriodFromDate() = QDate(2026, 3, 1);
        Module1::PeriodToDate() = QDate(2026, 3, 31);
        return bank.FINDCREDITToprovidemoney();
    };
    const QString receipts =
        "insert into DETAILSOFDEPOSITE (BILLNUMBER, FEETYPE, FLATNUMBER, BILLDATE, FEEAMOUNT) values ";
    const QString credits = "insert into EXPENDITURE (STRREM1, EXPENDITUREDATE, INTREM1) values ";
    struct Case {
        QStringList seed;
        std::function<double(BANKCLASS &)> sum;
        double expected;
    };
    const std::vector<Case> cases = {
        {{}, &BANKCLASS::FINDCashinHand, 0},
        {{"insert into BANK (AMOUNT) values (10), (0.125)"}, &BANKCLASS::FINDBANKBALANCE, 10.12},
        {{"insert into BANK (AMOUNT) values (2.675)"}, &BANKCLASS::FINDBANKBALANCE, 2.68},
        {{"insert into EXPENDITURE (EXPENDITUREVALUE) values (8.345)"}, &BANKCLASS::FINDExpenditure,
         8.34},
        {{credits + "('CREDIT',null,2), ('CREDIT',null,0.5), ('DEBIT',null,7)"},
         &BANKCLASS::FindTotalCreditEXPENDITURE, 2},
        {{credits + "('CREDIT',null,3.5)"}, &BANKCLASS::FindTotalCreditEXPENDITURE, 4},
        {{receipts + "(0,'WATER','101',null,100), (3,'WATER','101',null,10), "
                     "(0,'SINKING FUND','101',null,20), (0,'WATER','-',null,40)"},
         &BANKCLASS::FINDCREDITTAdvanceMoney, 100},
        {{receipts + "(0,'ADVANCE','101',null,100), (3,'WATER','101',null,800)",
          "insert into BANK (AMOUNT) values (600)", "insert into PERMANENTITEM values (100), (50)",
          "insert into EXPENDITURE (EXPENDITUREVALUE, STRREM1, INTREM1) values (50,'CREDIT',1000)"},
         &BANKCLASS::FINDCashinHand, 200},
        {{receipts + "(3,'W','1','2026-02-28',1), (3,'W','1','2026-03-01',2), "
                     "(3,'W','1','2026-03-31',4), (0,'W','1','2026-03-15',8), "
                     "(3,'W','1','2026-04-01',16)"},
         billsOfMarch, 6},
        {{credits + "('CREDIT','2026-02-28',1), ('CREDIT','2026-03-01',2), "
                    "('CREDIT','2026-03-31',4), ('DEBIT','2026-03-15',8)"},
         creditOfMarch, 6},
    };
    for (const Case &c : cases) {
        for (const char *table : {"BANK", "EXPENDITURE", "PERMANENTITEM", "DETAILSOFDEPOSITE"})
            execRaw(QStringLiteral("delete from %1").arg(table));
        for (const QString &sql : c.seed)
            execRaw(sql);
        BANKCLASS bank;
        EXPECT_DOUBLE_EQ(c.sum(bank), c.expected) << qPrintable(c.seed.join(';'));
    }
    EXPECT_TRUE(boxes().shown().empty());
}

// The login closes the shared connection behind it; the bank book opens it again.
TEST_F(BANKCLASSTest, ABalanceAskedForRightAfterTheLoginIsTheRealOne)
{
    execRaw("insert into BANK (SN, AMOUNT) values (1, 1500.5)");
    ASSERT_NE(Module1::SharedConnection().State(), ado::adStateOpen);
    BANKCLASS bank;
    EXPECT_DOUBLE_EQ(bank.FINDBANKBALANCE(), 1500.5);
}

} // namespace
