#include "society/Kelvostran.h"

#include "platform/forms/Image.h"
#include "platform/forms/PlainControl.h"
#include "platform/forms/DataGrid.h"
#include "society/SocietyTest.h"

#include <QImage>
#include <functional>

namespace {

using forms::MessageBoxRecord;
using forms::PlainControl;

class KelvostranTest : public SocietyTest {
protected:
    // A member row with every column set, straight into the file.
    void storeMember(int serial, const QString &name, const QString &flat,
                     const QString &photo = QStringLiteral("-"))
    {
        execRaw(QStringLiteral("insert into Memberx values(%1,'%2','A','%3','G','GA',1000,'JOB',"
                               "'1980-01-02','P','PC','M','MC','99','2024-04-01','-','N','NA',30,"
                               "'SON','2024-04-02','%4','-','-','-',0,0,0,0,'1899-12-30',"
                               "'1899-12-30')")
                    .arg(serial)
                    .arg(QString(name).replace("'", "''"), flat, photo));
    }

    static QStringList items(const PlainControl &list)
    {
        QStringList texts;
        for (int i = 0; i < list.ListCount(); ++i)
            texts << list.List(i);
        return texts;
    }

    static PlainControl picker(const QDate &date)
    {
        PlainControl control;
        control.setValue(date);
        return control;
    }

    void assignMember(Kelvostran &member, const QString &name, const QDate &joining)
    {
        member.Assignx(name, "B", "202", "GUARD", "G ADDR", 2500.5, "CLERK", QDate(1975, 5, 6),
                       "PRE", "PUNE", "PMT", "NASIK", "0201", joining, "-", "NOM", "N ADDR", 21,
                       "DAUGHTER", QDate(2026, 1, 15));
    }
};

TEST_F(KelvostranTest, SerialFindersGiveTheNextSerialOrTheirOwnValueOnFailure)
{
    struct Case {
        const char *name;
        int highest; // 0: an empty register
        std::function<std::int16_t(Kelvostran &)> finder;
        int expected;
    };
    const std::vector<Case> cases = {
        {"FINDLASTwithstart, empty", 0, [](Kelvostran &k) { return k.FINDLASTwithstart(); }, 0},
        {"FINDLAST after a connect, empty", 0,
         [](Kelvostran &k) { k.FINDLASTwithstart(); return k.FINDLAST(); }, 1},
        {"FINDLASTwithstart", 7, [](Kelvostran &k) { return k.FINDLASTwithstart(); }, 8},
        {"FINDLAST after a connect", 7,
         [](Kelvostran &k) { k.FINDLASTwithstart(); return k.FINDLAST(); }, 8},
        {"FINDLAST on a never-opened Con", 7, [](Kelvostran &k) { return k.FINDLAST(); }, 1},
        {"FINDLASTFlatHistory on a never-opened Con", 7,
         [](Kelvostran &k) { return k.FINDLASTFlatHistory(); }, 1},
    };
    for (const Case &c : cases) {
        execRaw("delete from Memberx");
        if (c.highest)
            storeMember(c.highest, "X", "101");
        Kelvostran member;
        EXPECT_EQ(c.finder(member), c.expected) << c.name;
    }
    EXPECT_TRUE(boxes().shown().empty());
}

TEST_F(KelvostranTest, InsertTakesTheNextSerialAndEachSpareFromItsOwnField)
{
    storeMember(7, "FIRST", "101");
    Kelvostran member;
    member.FindMember(7);
    assignMember(member, "SECOND", QDate(2025, 6, 1));
    member.INTREM2_ = 5;
    member.InsertIntoMember();

    EXPECT_EQ(member.SN_, 7) << "the object still names the member loaded before";
    EXPECT_EQ(rowsRaw("select * from Memberx where SN = 8"),
              QStringList{"8|SECOND|B|202|GUARD|G ADDR|2500.5|CLERK|1975-05-06|PRE|PUNE|PMT|NASIK|"
                          "0201|2025-06-01|-|NOM|N ADDR|21|DAUGHTER|2026-01-15|-|-|-|-|0.0|5.0|"
                          "0.0|0.0|1899-12-30|1899-12-30"});
    EXPECT_EQ(boxes().shown(),
              (std::vector<MessageBoxRecord>{{"Registered", forms::vbOKOnly, 0, "Registration"}}));

    member.InsertIntoFlatHistory();
    EXPECT_EQ(rowsRaw("select SN, NAMEX, INTREM2 from FlatHistory"), QStringList{"1|SECOND|5.0"});
    EXPECT_EQ(boxes().shown().size(), 1u) << "the copy says nothing";
}

TEST_F(KelvostranTest, ASecondMembershipOfOneFlatIsRefusedAndAFullRegisterStoresNothing)
{
    Kelvostran member;
    assignMember(member, "FIRST", QDate(2025, 6, 1));
    member.InsertIntoMember();
    boxes().clear();
    assignMember(member, "SECOND", QDate(2025, 6, 1));
    member.InsertIntoMember();

    ASSERT_EQ(boxes().shown().size(), 2u);
    EXPECT_EQ(boxes().shown()[0].text, QStringLiteral("Already exists"));
    EXPECT_FALSE(boxes().shown()[1].text.isEmpty()) << "then why";
    EXPECT_EQ(scalarRaw("select count(*) from Memberx"), QStringLiteral("1"));

    execRaw("update Memberx set SN = 32767");
    boxes().clear();
    assignMember(member, "THIRD", QDate(2026, 6, 1));
    member.InsertIntoMember();
    EXPECT_EQ(boxTexts(), QStringList{"Overflow"});
    EXPECT_EQ(scalarRaw("select count(*) from Memberx"), QStringLiteral("1"));
}

TEST_F(KelvostranTest, UpdateAndDeleteActOnTheMemberLastLoadedNotOnTheirArgument)
{
    storeMember(1, "ONE", "101");
    storeMember(2, "TWO", "102");
    Kelvostran member;
    member.FindMember(1);
    member.PHONE_ = "5555";
    member.UpdateMember(2);
    EXPECT_EQ(rowsRaw("select SN, PHONE from Memberx order by SN"),
              (QStringList{"1|5555", "2|99"}));

    member.UpdatePhotoAddress(2, "C:\\PHOTOS\\ONE.JPG");
    EXPECT_EQ(scalarRaw("select STRREM1 from Memberx where SN = 1"),
              QStringLiteral("C:\\PHOTOS\\ONE.JPG"));
    member.UpdateMember(2);
    EXPECT_EQ(scalarRaw("select STRREM1 from Memberx where SN = 1"),
              QStringLiteral("C:\\PHOTOS\\ONE.JPG")) << "an update keeps the photo";

    member.DELETEMember(2);
    EXPECT_EQ(rowsRaw("select SN from Memberx"), QStringList{"2"});

    Kelvostran fresh;
    fresh.UpdateMember(2);
    fresh.DELETEMember(2);
    EXPECT_EQ(rowsRaw("select SN, NAMEX from Memberx"), QStringList{"2|TWO"});
    const MessageBoxRecord updated{"UPDATED", forms::vbOKOnly, forms::vbInformation, "INFORMATION"};
    const MessageBoxRecord deleted{"DELETED", forms::vbOKOnly, forms::vbInformation, "INFORMATION"};
    EXPECT_EQ(boxes().shown(),
              (std::vector<MessageBoxRecord>{updated, updated, deleted, updated, deleted}));
}

TEST_F(KelvostranTest, ANameWithAnApostropheIsStoredFoundByNameAndUpdated)
{
    Kelvostran member;
    assignMember(member, "D'SOUZA", QDate(2025, 6, 1));
    member.InsertIntoMember();

    Kelvostran found;
    EXPECT_TRUE(found.FindMemberEXIST("d'souza"));
    found.FindMemberByName("d'souza");
    EXPECT_EQ(found.SN_, 1);
    EXPECT_EQ(found.NAMEX_, QStringLiteral("D'SOUZA"));
    EXPECT_EQ(found.FindMemberNAMEONLY(1), QStringLiteral("D'SOUZA"));
    found.NAMEX_ = "D'SOUZA-PINTO";
    found.UpdateMember(0);
    EXPECT_EQ(scalarRaw("select NAMEX from Memberx"), QStringLiteral("D'SOUZA-PINTO"));
    EXPECT_FALSE(found.FindMemberEXIST("D'SOUZA"));
    EXPECT_EQ(boxTexts(), (QStringList{"Registered", "UPDATED"}));
}

TEST_F(KelvostranTest, AMissingRowOrANullLeavesEveryFieldAsItWas)
{
    storeMember(1, "ONE", "101");
    storeMember(2, "TWO", "102");
    execRaw("update Memberx set NOMINEEAGE = NULL where SN = 2");
    Kelvostran member;
    member.FindMember(1);

    member.FindMember(9);
    member.FindMember(2);
    member.FindMemberByName("NOBODY");
    EXPECT_EQ(member.SN_, 1);
    EXPECT_EQ(member.NAMEX_, QStringLiteral("ONE"));
    EXPECT_EQ(member.ACCO_, QStringLiteral("101"));
    EXPECT_EQ(member.FindMemberNAMEONLY(9), QString());

    PlainControl name("kept"), wing("kept"), flat("kept");
    member.FindMemberNAME(9, name, wing, flat);
    EXPECT_EQ(name.Text().toString(), QStringLiteral("kept"));
    member.FindMemberNAME(2, name, wing, flat);
    EXPECT_EQ(QStringList({name.Text().toString(), wing.Text().toString(), flat.Text().toString()}),
              (QStringList{"TWO", "A", "102"}));
    EXPECT_TRUE(boxes().shown().empty());
}

TEST_F(KelvostranTest, AFlatIsAllottedOnlyForTheSameJoiningDate)
{
    storeMember(1, "ONE", "101");
    Kelvostran member;
    PlainControl joining;
    joining.setValue(QDate(2024, 4, 1));
    EXPECT_TRUE(member.FindFLATAlloted("a", "101", joining));
    joining.setValue(QDate(2024, 4, 2));
    EXPECT_FALSE(member.FindFLATAlloted("A", "101", joining));
    EXPECT_EQ(boxes().shown(),
              (std::vector<MessageBoxRecord>{{"Flat having Joining Date, Already Alloted.",
                                              forms::vbOKOnly, forms::vbInformation,
                                              "Duplicate Entry"}}));
}

TEST_F(KelvostranTest, AssignToObjectShowsTheRecordAndStopsAtTheFirstControlThatFails)
{
    storeMember(3, "THREE", "103");
    Kelvostran member;
    member.FindMember(3);
    std::vector<PlainControl> plain(21);
    forms::Control noProperties; // raises 438 for every property
    std::vector<forms::Control *> controls;
    for (PlainControl &control : plain)
        controls.push_back(&control);
    controls[13] = &noProperties; // PHONE
    member.AssignToObject(*controls[0], *controls[1], *controls[2], *controls[3], *controls[4],
                          *controls[5], *controls[6], *controls[7], *controls[8], *controls[9],
                          *controls[10], *controls[11], *controls[12], *controls[13],
                          *controls[14], *controls[15], *controls[16], *controls[17],
                          *controls[18], *controls[19], *controls[20]);
    EXPECT_EQ(plain[0].Text().toString(), QStringLiteral("3"));
    EXPECT_EQ(plain[6].Text().toString(), QStringLiteral("1000"));
    EXPECT_EQ(plain[8].Value().toDate(), QDate(1980, 1, 2)) << "a date goes to Value";
    EXPECT_TRUE(plain[8].Text().isEmpty());
    EXPECT_TRUE(plain[14].Value().isEmpty()) << "nothing after the failing control";
    EXPECT_TRUE(boxes().shown().empty());
}

TEST_F(KelvostranTest, GetPhotoShowsOnlyAStoredPictureFile)
{
    const QString picture = programFolder() + "/one.png";
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(picture));
    const QString notAPicture = programFolder() + "/note.png";
    execRaw("create table dummy(x)"); // any file that is not a picture will do
    QFile::copy(databasePath(), notAPicture);

    storeMember(1, "ONE", "101", picture);
    storeMember(2, "TWO", "102", "-");
    storeMember(3, "THREE", "103", programFolder() + "/missing.png");
    storeMember(4, "FOUR", "104", notAPicture);
    const std::vector<std::pair<const char *, bool>> cases = {
        {"1", true}, {"2", false}, {"3", false}, {"4", false}, {"9", false}, {"1 or 1=1", false}};
    for (const auto &[serial, shown] : cases) {
        Kelvostran member;
        forms::Image photo;
        photo.setPicture(QPixmap(2, 2)); // whatever was shown before
        PlainControl number(serial);
        member.GetPhoto(number, photo);
        EXPECT_EQ(!photo.Picture().isNull(), shown) << serial;
        member.GetPhotoOnfORM(number, photo);
    }
    EXPECT_TRUE(boxes().shown().empty());
}

TEST_F(KelvostranTest, TheStatementHoldsARowForEveryLineOfThePeriodInDateOrder)
{
    execRaw("insert into BILLX (SN, DATEX, MEMBERNUMBER, FEETYPE, FEEAMOUNT) values "
            "(6,'2026-03-31',12,'MAINTENANCE',260), (4,'2026-02-28',12,'WATER',40), "
            "(5,'2026-03-01',12,'MAINTENANCE',250), (5,'2026-03-01',12,'LIFT''S FUND',30), "
            "(7,'2026-04-01',12,'WATER',40), (8,'2026-03-15',13,'WATER',40)");
    execRaw("insert into DETAILSOFDEPOSITE (SN, DATEOFDEPOSITE, MEMBERNUMBER, FEETYPE, FEEAMOUNT) "
            "values (10,'2026-03-31',12,'ADVANCE',100), (9,'2026-03-10',12,'MAINTENANCE',250), "
            "(11,'2026-04-02',12,'WATER',40)");
    using Builder = std::int16_t (Kelvostran::*)(forms::Control &, forms::Control &,
                                                 forms::Control &);
    struct Case {
        Builder build;
        const char *member;
        QStringList rows;
        QString lastText; // what the member's str holds afterwards
    };
    const QString serial = "select max(sn) from TYMEMBER";
    const std::vector<Case> cases = {
        {&Kelvostran::GetBillDetailOfMember, "12",
         {"1|12|2026-03-01|MAINTENANCE|Bill|5|250.0|0.0", "2|12|2026-03-01|LIFT'S FUND|Bill|5|30.0|0.0",
          "3|12|2026-03-31|MAINTENANCE|Bill|6|260.0|0.0"},
         serial},
        {&Kelvostran::GetDepositDetailOfMember, "12",
         {"1|12|2026-03-10|MAINTENANCE|Receipt|9|0.0|250.0",
          "2|12|2026-03-31|ADVANCE|Receipt|10|0.0|100.0"},
         serial},
        {&Kelvostran::GetBillDetailOfMember, "14", {},
         "SELECT * FROM BILLX WHERE MEMBERNUMBER = 14 And Datex >= #01/03/2026# And "
         "Datex <= #31/03/2026# ORDER BY DATEX ASC"},
        {&Kelvostran::GetDepositDetailOfMember, "14", {},
         "SELECT * FROM DETAILSOFDEPOSITE WHERE MEMBERNUMBER = 14 And DATEOFDEPOSITE >= "
         "#01/03/2026# And DATEOFDEPOSITE <= #31/03/2026# ORDER BY DATEOFDEPOSITE ASC"},
        {&Kelvostran::GetDepositDetailOfMember, "12 or 1=1", {}, "DELETE * FROM TYMEMBER"},
    };
    PlainControl from = picker(QDate(2026, 3, 1)), to = picker(QDate(2026, 3, 31));
    for (const Case &c : cases) {
        Kelvostran member;
        member.DelTYMEMBER();
        PlainControl number(c.member);
        (member.*c.build)(number, from, to);
        EXPECT_EQ(rowsRaw("select * from TYMEMBER order by SN"), c.rows) << c.member;
        EXPECT_EQ(member.str, c.lastText) << c.member;
    }

    Kelvostran member;
    PlainControl twelve("12"), thirteen("13");
    member.GetBillDetailOfMember(twelve, from, to);
    member.GetBillDetailOfMember(twelve, from, to);
    member.GetBillDetailOfMember(thirteen, from, to);
    EXPECT_EQ(member.FINDLASTTYMEMBER(), 8) << "two fills hold a line twice";
    member.DelTYMEMBER();
    EXPECT_EQ(scalarRaw("select count(*) from TYMEMBER"), "0");
    EXPECT_EQ(member.FINDLASTTYMEMBER(), 1);
    EXPECT_TRUE(boxes().shown().empty());
}

// A line the engine refuses is passed over; a failure after which the engine undoes the
// whole write (a full disk) leaves the statement as it was before the call. Either way
// the next call writes the statement whole.
TEST_F(KelvostranTest, AStatementIsWrittenWithoutTheLinesRefusedOrNotAtAll)
{
    struct Case {
        InsertFailure billFive; // how the row of bill 5's line fails
        QStringList bills;
    };
    const Case cases[] = {
        {InsertFailure::Refused, {"1", "4", "6"}},
        {InsertFailure::UndoesTransaction, {"1"}},
    };
    execRaw("insert into BILLX (SN, DATEX, MEMBERNUMBER, FEETYPE, FEEAMOUNT) values "
            "(4,'2026-03-02',12,'WATER',40), (5,'2026-03-03',12,'LIFT',30), "
            "(6,'2026-03-04',12,'MAINTENANCE',250)");
    PlainControl member("12"), from = picker(QDate(2026, 3, 1)), to = picker(QDate(2026, 3, 31));
    for (const Case &c : cases) {
        execRaw("delete from TYMEMBER");
        execRaw("insert into TYMEMBER values(1,13,'2026-01-05','WATER','Bill',1,40,0)");
        failInsertsWhen("TYMEMBER", "NEW.DOCUMENTNUMBER = 5", c.billFive);
        Kelvostran statement;
        statement.GetBillDetailOfMember(member, from, to);
        EXPECT_EQ(rowsRaw("select DOCUMENTNUMBER from TYMEMBER order by SN"), c.bills);

        execRaw("DROP TRIGGER failing");
        statement.GetBillDetailOfMember(member, from, to);
        EXPECT_EQ(rowsRaw("select DOCUMENTNUMBER from TYMEMBER order by SN").mid(c.bills.size()),
                  (QStringList{"4", "5", "6"}));
    }
    EXPECT_TRUE(boxes().shown().empty());
}

TEST_F(KelvostranTest, AChargeTypeIsAssignedAsSelectedAndRemovedWithItsMemberOnly)
{
    struct Case {
        const char *member, *choice;
        QStringList rows, boxes;
    };
    const std::vector<Case> cases = {
        {"12", "PARKING", {"12|PARKING"}, {}},
        {"12", nullptr, {"12|PARKING", "12|"}, {}}, // nothing selected
        {"13", "OWNER'S FUND", {"12|PARKING", "12|", "13|OWNER'S FUND"}, {}},
        {"12A", "WATER", {"12|PARKING", "12|", "13|OWNER'S FUND"},
         {"Syntax error in query expression: '12A' is not a number."}},
    };
    Kelvostran member;
    for (const Case &c : cases) {
        boxes().clear();
        PlainControl number(c.member), list;
        list.AddItem("WATER");
        if (c.choice) {
            list.AddItem(c.choice);
            list.setListIndex(1);
        }
        member.InsertIntoAssign(number, list);
        EXPECT_EQ(rowsRaw("select * from MEMBERCHARGETYPE order by rowid"), c.rows) << c.member;
        EXPECT_EQ(boxTexts(), c.boxes) << c.member;
    }

    boxes().clear();
    PlainControl twelve("12"), notANumber("x");
    member.DelAssigncharges(twelve);
    member.DelAssigncharges(notANumber);
    EXPECT_EQ(rowsRaw("select * from MEMBERCHARGETYPE"), QStringList{"13|OWNER'S FUND"});
    EXPECT_TRUE(boxes().shown().empty());
}

// Each of these statements takes SharedRecordset over from whoever left it open, even
// when its own text cannot be built.
TEST_F(KelvostranTest, AMemberNumberThatIsNotANumberStillFreesTheModuleRecordset)
{
    execRaw("insert into MEMBERCHARGETYPE values(12,'WATER')");
    PlainControl from = picker(QDate(2026, 3, 1)), to = picker(QDate(2026, 3, 31)), list;
    const std::vector<std::pair<const char *, std::function<void(Kelvostran &, forms::Control &)>>>
        cases = {
            {"GetBillDetailOfMember",
             [&](Kelvostran &k, forms::Control &n) { k.GetBillDetailOfMember(n, from, to); }},
            {"GetDepositDetailOfMember",
             [&](Kelvostran &k, forms::Control &n) { k.GetDepositDetailOfMember(n, from, to); }},
            {"InsertIntoAssign", [&](Kelvostran &k, forms::Control &n) { k.InsertIntoAssign(n, list); }},
            {"DelAssigncharges", [](Kelvostran &k, forms::Control &n) { k.DelAssigncharges(n); }},
        };
    for (const auto &[name, run] : cases) {
        DataAccess::runOnModuleRecordset("select * from MEMBERCHARGETYPE");
        ASSERT_EQ(Module1::SharedRecordset().State(), ado::adStateOpen);
        Kelvostran member;
        PlainControl number("12A");
        run(member, number);
        EXPECT_EQ(Module1::SharedRecordset().State(), ado::adStateClosed) << name;
    }
    EXPECT_EQ(rowsRaw("select * from MEMBERCHARGETYPE"), QStringList{"12|WATER"});
    EXPECT_EQ(scalarRaw("select count(*) from TYMEMBER"), "0");
}

TEST_F(KelvostranTest, ListsOfferCurrentMembersAssignedMembersAndUnpaidBills)
{
    storeMember(3, "RAO", "101");
    storeMember(7, "DAS", "102");
    storeMember(5, "RAO", "103");
    storeMember(9, "ZED", "104");
    execRaw("update Memberx set DOFLEAVING = '01/01/2025' where SN = 9");
    execRaw("insert into MEMBERCHARGETYPE values(7,'WATER'),(3,'WATER'),(7,'PARKING')");
    execRaw("insert into BILLX (SN) values (1), (2), (2), (3)");
    // Bill 2 is paid; a receipt against no bill pays none.
    execRaw("insert into DETAILSOFDEPOSITE (SN, BILLNUMBER) values (1, 2), (2, 0)");
    using Fill = void (Kelvostran::*)(forms::Control &);
    struct Case {
        const char *name;
        Fill fill;
        QStringList items;
        bool selectsFirst;
    };
    const std::vector<Case> cases = {
        {"FillMemberName", &Kelvostran::FillMemberName, {"DAS", "RAO"}, false},
        {"FillMemberNum", &Kelvostran::FillMemberNum, {"7", "5", "3"}, true},
        {"FillMemberNumAsAssigned", &Kelvostran::FillMemberNumAsAssigned, {"3", "7"}, true},
        {"FillBILLNumNotDeposited", &Kelvostran::FillBILLNumNotDeposited, {"1", "3"}, true},
        {"FillReceiptNumber", &Kelvostran::FillReceiptNumber, {"1", "2"}, true},
        {"FillBillNumber", &Kelvostran::FillBillNumber, {"1", "2", "3"}, true},
    };
    for (const bool empty : {false, true}) {
        if (empty)
            for (const char *table : {"Memberx", "MEMBERCHARGETYPE", "BILLX", "DETAILSOFDEPOSITE"})
                execRaw(QStringLiteral("delete from %1").arg(table));
        for (const Case &c : cases) {
            Kelvostran member;
            member.str = "kept";
            PlainControl list;
            list.AddItem("left over");
            (member.*c.fill)(list);
            EXPECT_EQ(items(list), empty ? QStringList() : c.items) << c.name;
            EXPECT_EQ(member.str, QStringLiteral("kept")) << c.name << ": the query is not kept";
            const bool selected = c.selectsFirst && !empty;
            EXPECT_EQ(list.ListIndex(), selected ? 0 : -1) << c.name;
            EXPECT_EQ(list.clickCount(), selected ? 1 : 0) << c.name;
        }
    }
    EXPECT_TRUE(boxes().shown().empty());
}

TEST_F(KelvostranTest, AMembersSumsCoverThePeriodWithBothEnds)
{
    execRaw("insert into BILLX (MEMBERNAME, DATEX, FEEAMOUNT) values ('D''SOUZA','2026-03-01',100),"
            "('D''SOUZA','2026-03-31',50), ('DAS','2026-03-15',70)");
    execRaw("insert into RECIEPT values('D''SOUZA','2026-03-31',80),('DAS','2026-03-02',5)");
    using Sum = double (Kelvostran::*)(const QString &, const QDate &, const QDate &);
    struct Case {
        Sum sum;
        const char *name;
        QDate from, to;
        double expected;
        QStringList boxes;
    };
    const QDate first(2026, 3, 1), last(2026, 3, 31);
    const QStringList none{"Invalid use of Null"};
    const std::vector<Case> cases = {
        {&Kelvostran::FindRequiredAsPerDate, "D'SOUZA", first, last, 150, {}},
        {&Kelvostran::FindRequiredAsPerDate, "D'SOUZA", first, first, 100, {}},
        {&Kelvostran::FindRequiredAsPerDate, "D'SOUZA", last, first, 0, none},
        {&Kelvostran::FindDepositAsPerDate, "D'SOUZA", first, last, 80, {}},
        {&Kelvostran::FindDepositAsPerDate, "RAO", first, last, 0, none},
    };
    for (const Case &c : cases) {
        boxes().clear();
        Kelvostran member;
        member.str = "kept";
        EXPECT_DOUBLE_EQ((member.*c.sum)(c.name, c.from, c.to), c.expected) << c.name;
        EXPECT_EQ(boxTexts(), c.boxes) << c.name;
        EXPECT_EQ(member.str, QStringLiteral("kept")) << c.name << ": the query is not kept";
    }
}

TEST_F(KelvostranTest, TheUnpaidBillGridHasItsHeadingsAndKeepsItsRows)
{
    execRaw("insert into BILLX (SN, MEMBERNAME, FLATNUMBER) values (1, 'RAO', '101')");
    execRaw("insert into DETAILSOFDEPOSITE (SN, BILLNUMBER) values (1, 1)");
    Kelvostran member;
    forms::DataGrid grid;
    member.FillBILLNumNotDepositedDATA(grid);
    const QAbstractItemModel &rows = *grid.model();
    ASSERT_EQ(rows.columnCount(), 3);
    EXPECT_EQ(rows.headerData(0, Qt::Horizontal).toString() + ","
                  + rows.headerData(1, Qt::Horizontal).toString() + ","
                  + rows.headerData(2, Qt::Horizontal).toString(),
              QStringLiteral("Bill_No,Member,Flat_No"));
    EXPECT_EQ(rows.rowCount(), 0);

    execRaw("insert into BILLX (SN, MEMBERNAME, FLATNUMBER) values (2, 'DAS', '105')");
    member.FillBILLNumNotDepositedDATA(grid);
    PlainControl list;
    member.FillMemberNum(list); // a later statement leaves the grid as it is
    ASSERT_EQ(grid.model()->rowCount(), 1);
    EXPECT_EQ(grid.model()->index(0, 1).data().toString(), QStringLiteral("DAS"));
}

} // namespace
