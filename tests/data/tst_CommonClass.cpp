#include "data/CommonClass.h"

#include "data/Module1.h"
#include "platform/forms/PlainControl.h"
#include "support/ProgramFolderTest.h"

#include <limits>

namespace {

using forms::MessageBoxRecord;
using forms::PlainControl;

class CommonClassTest : public ProgramFolderTest {
protected:
    CommonClass common;
};

TEST_F(CommonClassTest, ConnectGivesFalseEvenWhenTheConnectionOpens)
{
    Module1::OpenConnection(); // registers the data source the connection goes through
    EXPECT_FALSE(common.connect());
    EXPECT_EQ(common.Con.State(), ado::adStateOpen);
    EXPECT_EQ(common.Con.ConnectionString,
              QStringLiteral("DSN=Cheque;userID=Admin;Password=41MAYPOL"));
    EXPECT_TRUE(boxes().shown().empty());
}

TEST_F(CommonClassTest, FillersListTheirColumnInOrderAndSelectTheFirstItem)
{
    Module1::OpenConnection();
    execRaw("delete from TYPEDEPOSITE; delete from TypeOfExpenditure;"
            "insert into TYPEDEPOSITE (TYPEOFDEPOSITE, DEPOSITEVALUE, DURATIONOFDEPOSITE) values"
            " ('WATER', 100, 0), ('PARKING', 50, 1), ('MAINTENANCE', 900, 0), ('WATER', 10, 0);"
            "insert into TypeOfExpenditure (EXPENDITURE) values ('SECURITY'), ('ELECTRICITY');");

    PlainControl deposits, general, expenditure, users;
    common.FillTypesofDeposit(deposits);
    common.FillGENERALTypesofDeposit(general);
    common.FillTypesofEXPENDITURE(expenditure);
    common.FillUID(users);

    auto items = [](const PlainControl &control) {
        QStringList list;
        for (int i = 0; i < control.ListCount(); ++i)
            list << control.List(i);
        return list;
    };
    EXPECT_EQ(items(deposits), (QStringList{"MAINTENANCE", "PARKING", "WATER"}));
    EXPECT_EQ(items(general), (QStringList{"MAINTENANCE", "WATER"}));
    EXPECT_EQ(items(expenditure), (QStringList{"ELECTRICITY", "SECURITY"}));
    EXPECT_EQ(items(users), QStringList{"Admin"});
    for (const PlainControl *control : {&deposits, &general, &expenditure, &users}) {
        EXPECT_EQ(control->ListIndex(), 0);
        EXPECT_EQ(control->clickCount(), 1);
    }
    EXPECT_EQ(deposits.Text().toString(), QStringLiteral("MAINTENANCE"));
    EXPECT_EQ(common.Con.State(), ado::adStateClosed);
    EXPECT_TRUE(boxes().shown().empty());
}

TEST_F(CommonClassTest, AnEmptyLookupLeavesTheListEmptyAndOnlyTheExpenditureListSaysSo)
{
    Module1::OpenConnection();
    execRaw("delete from TYPEDEPOSITE; delete from TypeOfExpenditure;");

    PlainControl deposits("old"), expenditure("old");
    deposits.AddItem("STALE");
    common.FillTypesofDeposit(deposits);
    EXPECT_EQ(deposits.ListCount(), 0);
    EXPECT_EQ(deposits.clickCount(), 0);
    EXPECT_TRUE(boxes().shown().empty());

    common.FillTypesofEXPENDITURE(expenditure);
    EXPECT_EQ(expenditure.ListCount(), 0);
    EXPECT_EQ(expenditure.ListIndex(), -1);
    ASSERT_EQ(boxes().shown().size(), 1u);
    EXPECT_EQ(boxes().shown()[0].text, QStringLiteral("Invalid property value"));
    EXPECT_EQ(boxes().shown()[0].title, QStringLiteral("Quilvane"));
}

TEST_F(CommonClassTest, ChangepasswordChangesOnlyTheNamedUser)
{
    Module1::OpenConnection();
    execRaw("insert into UserTable (Userx, pwd) values ('CLERK', 'OLD')");

    PlainControl user("CLERK"), password("NEW"), again("NEW");
    common.Changepassword(user, password, again);
    EXPECT_EQ(rowsRaw("select Userx, pwd from UserTable order by Userx"),
              (QStringList{"Admin|ADMIN", "CLERK|NEW"}));

    PlainControl nobody("NOBODY");
    common.Changepassword(nobody, password, again);
    EXPECT_EQ(rowsRaw("select Userx, pwd from UserTable order by Userx"),
              (QStringList{"Admin|ADMIN", "CLERK|NEW"}));

    const MessageBoxRecord changed{"Password changed", forms::vbOKOnly, 64, "Admin"};
    EXPECT_EQ(boxes().shown(), (std::vector<MessageBoxRecord>{changed, changed}));
    EXPECT_EQ(common.Con.State(), ado::adStateClosed);
}

TEST_F(CommonClassTest, ChangepasswordRefusesAMismatchAndIgnoresAnEmptyBox)
{
    PlainControl user("ADMIN"), password("ONE"), again("TWO"), empty("");
    common.Changepassword(user, password, empty);
    EXPECT_TRUE(boxes().shown().empty());

    common.Changepassword(user, password, again);
    EXPECT_EQ(boxes().shown(),
              (std::vector<MessageBoxRecord>{{"Both password not same. Please re-enter both password",
                                              forms::vbOKOnly, 64, "Admin"}}));
    EXPECT_EQ(user.Text().toString(), QString());
    EXPECT_EQ(password.Text().toString(), QString());
    EXPECT_EQ(again.Text().toString(), QStringLiteral("TWO"));
    EXPECT_EQ(rowsRaw("select Userx, pwd from UserTable"), QStringList{"Admin|ADMIN"});
}

TEST_F(CommonClassTest, GetLogMatchesTheUserInAnyCaseAndThePasswordExactly)
{
    Module1::OpenConnection();
    execRaw("update UserTable set pwd = 'Secret'");

    PlainControl user("ADMIN"), rightPassword("Secret"), wrongCase("SECRET"), wrong("nope");
    EXPECT_TRUE(common.GetLog(user, rightPassword));
    EXPECT_EQ(common.LogedPerson, QStringLiteral("ADMIN"));
    EXPECT_FALSE(common.rolrx.isEmpty());
    EXPECT_EQ(common.Con.State(), ado::adStateClosed);

    // The database finds the row whatever the case; only the exact comparison refuses.
    EXPECT_FALSE(common.GetLog(user, wrongCase));
    EXPECT_TRUE(boxes().shown().empty());

    EXPECT_FALSE(common.GetLog(user, wrong));
    PlainControl empty("");
    EXPECT_FALSE(common.GetLog(empty, rightPassword));
    EXPECT_EQ(boxes().shown(),
              (std::vector<MessageBoxRecord>{
                  {"Not Authorised", forms::vbOKOnly, 64, "Information"},
                  {"Fill Information", forms::vbOKOnly, 64, "Information"}}));
}

TEST_F(CommonClassTest, UpdatelatefeeLeavesExactlyOneGenRow)
{
    Module1::OpenConnection();
    double fee = 25.5;
    common.updatelatefee(fee);
    common.updatelatefee(fee);
    EXPECT_EQ(rowsRaw("select * from gen"), QStringList{"25.5|0.0|0.0|0.0|0.0"});
    const MessageBoxRecord saved{"Late Fee Value Saved", forms::vbOKOnly, 64, "Saved"};
    EXPECT_EQ(boxes().shown(), (std::vector<MessageBoxRecord>{saved, saved}));
    EXPECT_EQ(common.Con.State(), ado::adStateClosed);
}

TEST_F(CommonClassTest, AFailedStatementShowsItsDescriptionUnderTheOperationsTitle)
{
    Module1::OpenConnection();
    execRaw("CREATE TRIGGER refuse_fee BEFORE INSERT ON gen"
            " BEGIN SELECT RAISE(ABORT, 'fee refused'); END;"
            "CREATE TRIGGER refuse_user BEFORE UPDATE ON UserTable"
            " BEGIN SELECT RAISE(ABORT, 'user refused'); END;");

    const QStringList earlierFee = rowsRaw("select * from gen");
    ASSERT_EQ(earlierFee.size(), 1);
    // A refused insert, and a fee with no paise to write: the delete goes back with it.
    for (double fee : {30.0, std::numeric_limits<double>::infinity()})
        common.updatelatefee(fee);
    EXPECT_EQ(rowsRaw("select * from gen"), earlierFee);
    EXPECT_EQ(common.Con.State(), ado::adStateClosed);

    PlainControl user("ADMIN"), password("NEW"), again("NEW");
    common.Changepassword(user, password, again);
    EXPECT_EQ(rowsRaw("select Userx, pwd from UserTable"), QStringList{"Admin|ADMIN"});
    EXPECT_EQ(common.Con.State(), ado::adStateClosed);

    EXPECT_EQ(boxes().shown(),
              (std::vector<MessageBoxRecord>{{"fee refused", forms::vbOKOnly, 64, "Info"},
                                             {"Overflow", forms::vbOKOnly, 64, "Info"},
                                             {"user refused", forms::vbOKOnly, 0, "Quilvane"}}));
}

} // namespace
