#include "society/Kelvostran.h"

#include "platform/forms/Image.h"
#include "platform/forms/PlainControl.h"
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

} // namespace
