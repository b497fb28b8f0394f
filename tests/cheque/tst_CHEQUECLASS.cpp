#include "cheque/CHEQUECLASS.h"
#include "cheque/ChequeTestPrinting.h"
#include "cheque/ModuleData.h"
#include "data/Module1.h"
#include "platform/forms/DataGrid.h"
#include "platform/forms/PlainControl.h"
#include "platform/runtime/App.h"
#include "platform/runtime/Err.h"
#include "platform/runtime/RuntimeError.h"
#include "support/ProgramFolderTest.h"
#include "support/RaisedError.h"

#include <QWidget>
#include <array>
#include <functional>

using forms::MessageBoxRecord;
using forms::PlainControl;

namespace {

const QString AppTitle = rt::App::Title();
const MessageBoxRecord Entered{QStringLiteral("ENTERED"), forms::vbOKCancel, 0,
                               QStringLiteral("Cheque Detail")};
const MessageBoxRecord Duplicate{QStringLiteral("Duplicate Cheque No Entry"), forms::vbOKOnly, 0,
                                 AppTitle};
const MessageBoxRecord Deleted{QStringLiteral("Deleted"), forms::vbOKOnly, 0,
                               QStringLiteral("Delete")};

// A cheque as the entry form would hand it over.
ChequeRecordData cheque(double number, const QString &accountNumber = QStringLiteral("00123"))
{
    ChequeRecordData record;
    record.BANKNAME = QStringLiteral("STATE BANK");
    record.BANKBRANCH = QStringLiteral("FORT");
    record.ACCOUNTNUMBER = accountNumber;
    record.ACCOUNTHOLDER = QStringLiteral("R. MEHTA");
    record.DATEOFENTRY = QDate(2024, 3, 9);
    record.AMOUNT = 1500;
    record.AMOUNTINWORD = QStringLiteral("ONE THOUSAND, FIVE HUNDRED,  ONLY");
    record.CHEQUENUMBER = number;
    record.CHEQUEDATE = QStringLiteral("09/03/2024");
    record.CHEQUEISSUEDTO = QStringLiteral("D'SOUZA TRADERS");
    record.ISSUEDBY = QStringLiteral("R. MEHTA");
    record.REMARK = QStringLiteral("-");
    record.ACPAYONLY = QStringLiteral("YES");
    record.STRREM2 = record.STRREM3 = record.STRREM4 = QStringLiteral("-");
    record.DATEREM1 = record.DATEREM2 = QDate(2024, 3, 10);
    return record;
}

// The fourteen controls of the entry form, as plain controls.
struct EntryControls {
    std::array<PlainControl, 14> c;

    bool assignToVariable(CHEQUECLASS &store)
    {
        return store.AssignToVariable(c[0], c[1], c[2], c[3], c[4], c[5], c[6], c[7], c[8],
                                      c[9], c[10], c[11], c[12], c[13]);
    }
};

class CHEQUECLASSTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        Module1::OpenConnection();
    }

    void store(const ChequeRecordData &record)
    {
        ModuleData::ChequeRecord() = record;
        register_.InsertIntoCheque();
    }

    int rowCount() { return scalarRaw(QStringLiteral("select count(*) from CHEQUETABLE")).toInt(); }

    CHEQUECLASS register_;
};

} // namespace

TEST_F(CHEQUECLASSTest, AnEmptyRegisterGivesSerialOneAndEmptyListsWithoutClick)
{
    EXPECT_EQ(register_.FINDLAST(), 1);
    PlainControl serials(QStringLiteral("old"));
    PlainControl numbers;
    register_.FillSN(serials);
    register_.FillChequeNUMBER(numbers);
    EXPECT_EQ(serials.ListCount(), 0);
    EXPECT_EQ(serials.ListIndex(), -1);
    EXPECT_EQ(serials.Text().toString(), QString());
    EXPECT_EQ(serials.clickCount(), 0);
    EXPECT_EQ(numbers.clickCount(), 0);

    store(cheque(501));
    EXPECT_EQ(boxes().shown(), std::vector<MessageBoxRecord>{Entered});
    EXPECT_EQ(rowsRaw(QStringLiteral("select SN, CHEQUENUMBER from CHEQUETABLE")),
              QStringList{QStringLiteral("1|501.0")});
    EXPECT_EQ(register_.FINDLAST(), 2);
}

TEST_F(CHEQUECLASSTest, StoresEveryColumnInTableOrderAndLoadsItBack)
{
    store(cheque(12.5));
    EXPECT_EQ(rowsRaw(QStringLiteral("select * from CHEQUETABLE")),
              QStringList{QStringLiteral(
                  "1|STATE BANK|FORT|00123|R. MEHTA|2024-03-09|1500.0|ONE THOUSAND, FIVE "
                  "HUNDRED,  ONLY|12.5|09/03/2024|D'SOUZA TRADERS|R. MEHTA|-|YES|-|-|-|0.0|0.0|"
                  "0.0|0.0|2024-03-10|2024-03-10")});

    ModuleData::ChequeRecord() = ChequeRecordData();
    register_.FindChequeDETAIL(12.5);
    const ChequeRecordData &loaded = ModuleData::ChequeRecord();
    EXPECT_EQ(loaded.SN, 1);
    EXPECT_EQ(loaded.ACCOUNTNUMBER, "00123");
    EXPECT_EQ(loaded.DATEOFENTRY, QDate(2024, 3, 9));
    EXPECT_EQ(loaded.CHEQUEISSUEDTO, "D'SOUZA TRADERS");
    EXPECT_EQ(loaded.DATEREM2, QDate(2024, 3, 10));
    EXPECT_EQ(loaded.CHEQUENUMBER, 12.5);
}

TEST_F(CHEQUECLASSTest, ADuplicateChequeNumberIsRefusedAndNothingIsStored)
{
    store(cheque(7));
    boxes().clear();
    store(cheque(7, QStringLiteral("999")));
    EXPECT_EQ(boxes().shown(), std::vector<MessageBoxRecord>{Duplicate});
    EXPECT_EQ(rowCount(), 1);
}

TEST_F(CHEQUECLASSTest, ARegisterAtSerial32767TakesNoFurtherCheque)
{
    store(cheque(1));
    execRaw(QStringLiteral("update CHEQUETABLE set SN = 32767"));
    boxes().clear();

    EXPECT_EQ(raisedError([this] { register_.FINDLAST(); }), "6 Overflow");
    store(cheque(2));
    ASSERT_EQ(boxes().shown().size(), 1u);
    EXPECT_EQ(boxes().shown()[0].text, rt::RuntimeError::overflow().Description());
    EXPECT_EQ(rowCount(), 1);
}

TEST_F(CHEQUECLASSTest, LoadingANumberNotInTheRegisterKeepsTheCurrentCheque)
{
    store(cheque(7));
    register_.FindChequeDETAIL(7);
    boxes().clear();

    register_.FindChequeDETAILAsPerChNo(8);
    ASSERT_EQ(boxes().shown().size(), 1u);
    EXPECT_FALSE(boxes().shown()[0].text.isEmpty());
    EXPECT_EQ(boxes().shown()[0].buttons, forms::vbOKOnly);
    EXPECT_EQ(boxes().shown()[0].title, AppTitle);
    EXPECT_EQ(ModuleData::ChequeRecord().CHEQUENUMBER, 7);
    EXPECT_EQ(ModuleData::ChequeRecord().SN, 1);
}

TEST_F(CHEQUECLASSTest, ARowThatFailsPartWayNeverMixesTwoRecords)
{
    store(cheque(7));
    register_.FindChequeDETAIL(7);
    // A stored cheque whose payee is missing fails when the payee is read.
    execRaw(QStringLiteral("insert into CHEQUETABLE (SN, BANKNAME, AMOUNT, CHEQUENUMBER) "
                           "values (2, 'OTHER BANK', 99, 8)"));
    boxes().clear();

    register_.FindChequeDETAIL(8);
    EXPECT_EQ(boxes().shown().size(), 1u);
    EXPECT_EQ(ModuleData::ChequeRecord().CHEQUENUMBER, 7);
    EXPECT_EQ(ModuleData::ChequeRecord().BANKNAME, QStringLiteral("STATE BANK"));
    EXPECT_EQ(ModuleData::ChequeRecord().AMOUNT, 1500);

    execRaw(QStringLiteral("insert into DATAX values (1, 'GOOD', 1,2,3,4,5,6,7,8,9,10,11,12,13,14);"
                           "insert into DATAX (SN, NAMEX, ACPAYLEFT) values (2, 'BAD', 500)"));
    register_.FindDataDETAIL(QStringLiteral("GOOD"));
    register_.FindDataDETAIL(QStringLiteral("BAD"));
    EXPECT_EQ(ModuleData::LayoutProfile().NAMEX, QStringLiteral("GOOD"));
    EXPECT_EQ(ModuleData::LayoutProfile().ACPAYLEFT, 1);
    EXPECT_EQ(ModuleData::LayoutProfile().SIGNTOP, 14);
}

TEST_F(CHEQUECLASSTest, DeletesByNumberAndRefusesWhatIsNoNumber)
{
    store(cheque(7));
    store(cheque(8));
    boxes().clear();

    PlainControl number(QStringLiteral("9"));
    register_.DELETEChequeNumber(number);
    EXPECT_EQ(boxes().shown(), std::vector<MessageBoxRecord>{Deleted});

    boxes().clear();
    for (const char *notANumber : {"", "7 OR 1=1"}) {
        PlainControl text{QString::fromLatin1(notANumber)};
        register_.DELETEChequeNumber(text);
    }
    ASSERT_EQ(boxes().shown().size(), 2u);
    for (const MessageBoxRecord &box : boxes().shown()) {
        EXPECT_NE(box.text, "Deleted");
        EXPECT_EQ(box.title, AppTitle);
    }
    EXPECT_EQ(rowCount(), 2);

    number.setText(QStringLiteral("007"));
    register_.DELETEChequeNumber(number);
    EXPECT_EQ(rowsRaw(QStringLiteral("select CHEQUENUMBER from CHEQUETABLE")),
              QStringList{QStringLiteral("8.0")});
}

TEST_F(CHEQUECLASSTest, ListsAccountNumbersAsTextAndChequeNumbersAsNumbers)
{
    store(cheque(100, QStringLiteral("20")));
    store(cheque(20, QStringLiteral("100")));
    store(cheque(3, QStringLiteral("20")));

    PlainControl accounts;
    register_.FillACCOUNTNUMBER(accounts);
    EXPECT_EQ(accounts.ListCount(), 2);
    EXPECT_EQ(accounts.List(0), "100");
    EXPECT_EQ(accounts.List(1), "20");
    EXPECT_EQ(accounts.Text().toString(), "100");
    EXPECT_EQ(accounts.clickCount(), 1);

    PlainControl numbers;
    register_.FillChequeNUMBER(numbers);
    EXPECT_EQ(numbers.ListCount(), 3);
    EXPECT_EQ(numbers.List(0), "3");
    EXPECT_EQ(numbers.List(1), "20");
    EXPECT_EQ(numbers.List(2), "100");

    PlainControl serials;
    register_.FillSN(serials);
    EXPECT_EQ(serials.Text().toString(), "3");
}

TEST_F(CHEQUECLASSTest, CopiesBetweenControlsAndTheCurrentCheque)
{
    EntryControls entry;
    const char *texts[] = {"", "HDFC", "ANDHERI", "0042", "A. SHAH", "", "2500", "WORDS",
                           "007", "11/03/2024", "PAYEE", "ISSUER", "NOTE", "NO"};
    for (int i = 0; i < 14; ++i)
        entry.c[i].setText(QString::fromLatin1(texts[i]));
    entry.c[5].setValue(QDate(2024, 3, 11));
    EXPECT_FALSE(entry.assignToVariable(register_));
    const ChequeRecordData &record = ModuleData::ChequeRecord();
    EXPECT_EQ(record.ACCOUNTNUMBER, "0042");
    EXPECT_EQ(record.DATEOFENTRY, QDate(2024, 3, 11));
    EXPECT_EQ(record.AMOUNT, 2500);
    EXPECT_EQ(record.CHEQUENUMBER, 7);
    EXPECT_EQ(record.ACPAYONLY, "NO");
    EXPECT_EQ(record.STRREM4, "-");
    EXPECT_EQ(record.DATEREM1, QDate::currentDate());

    // A failed conversion stops the copy there; the fields before it keep their values.
    entry.c[1].setText(QStringLiteral("AXIS"));
    entry.c[6].setText(QStringLiteral("TWO"));
    EXPECT_THROW(entry.assignToVariable(register_), rt::RuntimeError);
    EXPECT_EQ(record.BANKNAME, "AXIS");
    EXPECT_EQ(record.AMOUNT, 2500);

    // Back into controls: the cheque date is not written, and a control that lacks the
    // property is passed over.
    std::array<PlainControl, 14> shown;
    forms::Control noText;
    shown[9].setText(QStringLiteral("kept"));
    register_.AssigntToOBJECT(shown[0], shown[1], noText, shown[3], shown[4], shown[5],
                              shown[6], shown[7], shown[8], shown[9], shown[10], shown[11],
                              shown[12], shown[13]);
    EXPECT_EQ(shown[1].Text().toString(), "AXIS");
    EXPECT_EQ(shown[5].Value().toDate(), QDate(2024, 3, 11));
    EXPECT_EQ(shown[6].Text().toString(), "2500");
    EXPECT_EQ(shown[8].Text().toString(), "7");
    EXPECT_EQ(shown[9].Text().toString(), "kept");
    EXPECT_EQ(shown[13].Text().toString(), "NO");
}

TEST_F(CHEQUECLASSTest, ShowDataHeadsTheGridWithTheQueryAliases)
{
    store(cheque(20));
    store(cheque(3));
    QWidget form;
    auto *grid = new forms::DataGrid(&form);
    grid->setObjectName(QStringLiteral("DG"));

    register_.ShowData(QStringLiteral("Select CHEQUENUMBER as Ch_No,AMOUNT,CHEQUEISSUEDTO as "
                                      "Issued_To from chequetable"),
                       form, QStringLiteral("DG"));
    const QAbstractItemModel *model = grid->model();
    ASSERT_NE(model, nullptr);
    ASSERT_EQ(model->columnCount(), 3);
    EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), "Ch_No");
    EXPECT_EQ(model->headerData(1, Qt::Horizontal).toString(), "AMOUNT");
    EXPECT_EQ(model->headerData(2, Qt::Horizontal).toString(), "Issued_To");
    ASSERT_EQ(model->rowCount(), 2);
    EXPECT_EQ(model->index(1, 0).data().toString(), "3");
    EXPECT_EQ(model->index(1, 2).data().toString(), "D'SOUZA TRADERS");
    EXPECT_EQ(grid->editTriggers(), QAbstractItemView::NoEditTriggers);

    EXPECT_THROW(register_.ShowData(QStringLiteral("Select * from chequetable"), form,
                                    QStringLiteral("NoGrid")),
                 rt::RuntimeError);
}

// Layout profiles.

namespace {

struct ProfileBoxes {
    std::array<PlainControl, 15> c; // the name, then the 14 positions

    bool assignToVariable(CHEQUECLASS &store)
    {
        return store.AssignToVariableDATA(c[0], c[1], c[2], c[3], c[4], c[5], c[6], c[7], c[8],
                                          c[9], c[10], c[11], c[12], c[13], c[14]);
    }
    void assignToObject(CHEQUECLASS &store)
    {
        store.AssigntToOBJECTDATA(c[1], c[2], c[3], c[4], c[5], c[6], c[7], c[8], c[9], c[10],
                                  c[11], c[12], c[13], c[14]);
    }
};

} // namespace

TEST_F(CHEQUECLASSTest, StoresLoadsAndDeletesLayoutProfiles)
{
    ProfileBoxes boxesOfForm;
    boxesOfForm.c[0].setText(QStringLiteral("SBI"));
    for (int i = 1; i < 15; ++i)
        boxesOfForm.c[i].setText(QString::number(100 * i));
    boxesOfForm.c[1].setText(QStringLiteral("1000.5"));
    boxesOfForm.c[2].setText(QStringLiteral("1001.5"));
    EXPECT_FALSE(boxesOfForm.assignToVariable(register_));
    register_.InsertIntoDATAX();
    EXPECT_EQ(boxes().shown(), (std::vector<MessageBoxRecord>{
                                   {QStringLiteral("ENTERED"), forms::vbOKCancel, 0,
                                    QStringLiteral("Data")}}));
    EXPECT_EQ(rowsRaw(QStringLiteral("select * from DATAX")),
              QStringList{QStringLiteral(
                  "1|SBI|1000|1002|300|400|500|600|700|800|900|1000|1100|1200|1300|1400")});

    boxes().clear();
    register_.InsertIntoDATAX();
    EXPECT_EQ(boxes().shown(),
              (std::vector<MessageBoxRecord>{
                  {QStringLiteral("Custom Name already Entered"), forms::vbOKOnly, 0, AppTitle}}));

    ModuleData::LayoutProfile() = LayoutProfileData();
    register_.FindDataDETAIL(QStringLiteral("sbi"));
    ProfileBoxes loaded;
    loaded.assignToObject(register_);
    EXPECT_EQ(ModuleData::LayoutProfile().NAMEX, "SBI");
    EXPECT_EQ(loaded.c[1].Text().toString(), "1000");
    EXPECT_EQ(loaded.c[10].Text().toString(), "1000");
    EXPECT_EQ(loaded.c[14].Text().toString(), "1400");

    boxes().clear();
    register_.FindDataDETAIL(QStringLiteral("NONE"));
    EXPECT_EQ(ModuleData::LayoutProfile().NAMEX, "SBI");
    EXPECT_TRUE(boxes().shown().empty());

    PlainControl names;
    register_.FillDataName(names);
    EXPECT_EQ(names.Text().toString(), "SBI");
    register_.DELETEDataDetail(QStringLiteral("NONE"));
    register_.DELETEDataDetail(QStringLiteral("SBI"));
    EXPECT_EQ(boxes().shown(), (std::vector<MessageBoxRecord>{Deleted, Deleted}));
    EXPECT_EQ(scalarRaw(QStringLiteral("select count(*) from DATAX")), "0");
}

TEST_F(CHEQUECLASSTest, AProfilePositionOutsideSixteenBitsStopsTheCopy)
{
    ProfileBoxes boxesOfForm;
    boxesOfForm.c[0].setText(QStringLiteral("WIDE"));
    for (int i = 1; i < 15; ++i)
        boxesOfForm.c[i].setText(QStringLiteral("10"));
    boxesOfForm.c[3].setText(QStringLiteral("40000"));
    EXPECT_THROW(boxesOfForm.assignToVariable(register_), rt::RuntimeError);
    EXPECT_EQ(ModuleData::LayoutProfile().NAMEX, "WIDE");
    EXPECT_EQ(ModuleData::LayoutProfile().ACPAYTOP, 10);
    EXPECT_EQ(ModuleData::LayoutProfile().DATELEFT, LayoutProfileData().DATELEFT);
}

TEST_F(CHEQUECLASSTest, ACopyEndingOnAPendingErrorReportsItAndRefusesTheEntry)
{
    rt::Err::set(rt::RuntimeError::typeMismatch());
    const MessageBoxRecord entryError{rt::RuntimeError::typeMismatch().Description(),
                                      forms::vbOKOnly, forms::vbCritical,
                                      QStringLiteral("ENTRY ERROR")};
    EntryControls entry;
    for (PlainControl &control : entry.c)
        control.setText(QStringLiteral("1"));
    entry.c[5].setValue(QDate(2024, 3, 11));
    EXPECT_TRUE(entry.assignToVariable(register_));
    ProfileBoxes profile;
    for (PlainControl &control : profile.c)
        control.setText(QStringLiteral("1"));
    EXPECT_TRUE(profile.assignToVariable(register_));

    EXPECT_EQ(boxes().shown(), (std::vector<MessageBoxRecord>{entryError, entryError}));
    EXPECT_EQ(ModuleData::ChequeRecord().CHEQUENUMBER, 1);
    EXPECT_EQ(ModuleData::LayoutProfile().SIGNTOP, 1);
}

// A window's unload closes the shared connection that the other windows still use: each
// kind of statement opens it again rather than failing.
TEST_F(CHEQUECLASSTest, EveryStatementOpensTheSharedConnectionAWindowClosed)
{
    struct Case {
        const char *statement;
        std::function<QString()> run;
        QString seen;
        std::vector<MessageBoxRecord> boxes;
    };
    const auto count = [this](const char *table) {
        return scalarRaw(QStringLiteral("select count(*) from %1").arg(QLatin1String(table)));
    };
    const Case cases[] = {
        {"a fill",
         [&] {
             PlainControl numbers;
             register_.FillChequeNUMBER(numbers);
             return numbers.Text().toString();
         },
         QStringLiteral("7"), {}},
        {"a load",
         [&] {
             register_.FindChequeDETAIL(7);
             return ModuleData::ChequeRecord().CHEQUEISSUEDTO;
         },
         QStringLiteral("D'SOUZA TRADERS"), {}},
        {"an insert",
         [&] {
             store(cheque(8));
             return count("CHEQUETABLE");
         },
         QStringLiteral("2"), {Entered}},
        {"a serial", [&] { return QString::number(register_.FINDLAST()); }, QStringLiteral("2"),
         {}},
        {"a delete",
         [&] {
             PlainControl number(QStringLiteral("7"));
             register_.DELETEChequeNumber(number);
             return count("CHEQUETABLE");
         },
         QStringLiteral("0"), {Deleted}},
        {"a profile insert",
         [&] {
             ModuleData::LayoutProfile().NAMEX = QStringLiteral("SBI");
             register_.InsertIntoDATAX();
             return count("DATAX");
         },
         QStringLiteral("1"),
         {{QStringLiteral("ENTERED"), forms::vbOKCancel, 0, QStringLiteral("Data")}}},
    };
    for (const Case &c : cases) {
        execRaw(QStringLiteral("delete from CHEQUETABLE"));
        execRaw(QStringLiteral("delete from DATAX"));
        store(cheque(7));
        boxes().clear();
        Module1::CloseSharedConnection();

        EXPECT_EQ(c.run(), c.seen) << c.statement;
        EXPECT_EQ(boxes().shown(), c.boxes) << c.statement;
    }
}
