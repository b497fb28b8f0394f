#include "AdoTestFolder.h"

#include "platform/ado/AdoError.h"
#include "platform/ado/Recordset.h"

using rt::Variant;

class RecordsetTest : public AdoTestFolder {
protected:
    void SetUp() override
    {
        AdoTestFolder::SetUp();
        connection = openConnection();
    }

    // How every statement of the program runs: keyset cursor, read-only, closed first.
    void run(const QString &sql)
    {
        if (rows.State() == ado::adStateOpen)
            rows.Close();
        rows.Open(sql, connection, ado::adOpenKeyset, ado::adLockReadOnly, ado::adCmdUnspecified);
    }

    void insertCheque(int sn, const char *bank, const char *date, double number)
    {
        run(QStringLiteral("insert into CHEQUETABLE values(%1,'%2',#%3#,1500.5,%4,'-',0)")
                .arg(sn)
                .arg(QLatin1String(bank), QLatin1String(date))
                .arg(number));
    }

    ado::Connection connection;
    ado::Recordset rows;
};

TEST_F(RecordsetTest, RowlessStatementsMakeTheirChangeAndLeaveTheRecordsetClosed)
{
    insertCheque(1, "SBI", "01/02/2003", 100);
    EXPECT_EQ(rows.State(), ado::adStateClosed);
    EXPECT_EQ(scalarRaw("select count(*) from CHEQUETABLE"), "1");

    run("Update chequetable set REMARK = 'done' where CHEQUENUMBER = 100");
    EXPECT_EQ(rows.State(), ado::adStateClosed);
    EXPECT_EQ(scalarRaw("select REMARK from CHEQUETABLE"), "done");

    run("Delete * from CHEQUETABLE WHERE CHEQUENUMBER = 100");
    EXPECT_EQ(rows.State(), ado::adStateClosed);
    EXPECT_EQ(scalarRaw("select count(*) from CHEQUETABLE"), "0");

    const rt::RuntimeError error = raisedBy([&] { rows.Fields("SN"); });
    EXPECT_EQ(error.Number(), rt::errObjectClosed);
    EXPECT_EQ(error.Description(),
              QStringLiteral("Operation is not allowed when the object is closed."));
    EXPECT_EQ(raisedBy([&] { rows.Close(); }).Number(), rt::errObjectClosed);
}

TEST_F(RecordsetTest, SelectFetchesEveryRowAndWalksThem)
{
    insertCheque(1, "SBI", "01/02/2003", 300);
    insertCheque(2, "PNB", "02/02/2003", 100);
    insertCheque(3, "SBI", "03/02/2003", 200);

    run("Select CHEQUENUMBER from CHEQUETABLE ORDER BY CHEQUENUMBER asc");
    ASSERT_EQ(rows.State(), ado::adStateOpen);
    EXPECT_EQ(rows.RecordCount(), 3);
    QList<double> numbers;
    while (!rows.Eof()) {
        numbers << rows.Fields(0).Value().toDouble();
        rows.MoveNext();
    }
    EXPECT_EQ(numbers, (QList<double>{100, 200, 300}));

    const rt::RuntimeError error = raisedBy([&] { rows.Fields("CHEQUENUMBER"); });
    EXPECT_EQ(error.Number(), rt::errNoCurrentRecord);
    EXPECT_EQ(error.Description(),
              QStringLiteral("Either BOF or EOF is True, or the current record has been "
                             "deleted. Requested operation requires a current record."));
    EXPECT_EQ(raisedBy([&] { rows.MoveNext(); }).Number(), rt::errNoCurrentRecord);

    rows.MoveLast();
    EXPECT_EQ(rows.Fields(0).Value().toDouble(), 300);
    rows.MoveFirst();
    EXPECT_EQ(rows.Fields(0).Value().toDouble(), 100);

    run("select * from CHEQUETABLE where CHEQUENUMBER = 999");
    ASSERT_EQ(rows.State(), ado::adStateOpen);
    EXPECT_EQ(rows.RecordCount(), 0);
    EXPECT_TRUE(rows.Eof());
    EXPECT_TRUE(rows.Bof());
    EXPECT_EQ(raisedBy([&] { rows.Fields(0); }).Number(), rt::errNoCurrentRecord);
    EXPECT_EQ(raisedBy([&] { rows.MoveLast(); }).Number(), rt::errNoCurrentRecord);
}

TEST_F(RecordsetTest, ValuesComeBackAsTheColumnIsDeclared)
{
    insertCheque(7, "SBI", "01/02/2003", 123456);
    run("select * from CHEQUETABLE");
    EXPECT_EQ(rows.Fields("SN").Value(), Variant(std::int16_t(7)));
    EXPECT_EQ(rows.Fields("BANKNAME").Value(), Variant(QStringLiteral("SBI")));
    EXPECT_EQ(rows.Fields("DATEOFENTRY").Value(), Variant(QDate(2003, 2, 1)));
    EXPECT_EQ(rows.Fields("AMOUNT").Value(), Variant(1500.5));
    EXPECT_EQ(rows.Fields("CHEQUENUMBER").Value(), Variant(123456.0));
    EXPECT_EQ(rows.Fields("INTREM1").Value(), Variant(std::int32_t(0)));

    run("select max(sn), sum(AMOUNT), count(*), 'x', max(DATEOFENTRY), NULL from CHEQUETABLE");
    EXPECT_EQ(rows.Fields(0).Value(), Variant(std::int32_t(7)));
    EXPECT_EQ(rows.Fields(1).Value(), Variant(1500.5));
    EXPECT_EQ(rows.Fields(2).Value(), Variant(std::int32_t(1)));
    EXPECT_EQ(rows.Fields(3).Value(), Variant(QStringLiteral("x")));
    EXPECT_EQ(rows.Fields(4).Value(), Variant(QStringLiteral("2003-02-01")));
    EXPECT_TRUE(rows.Fields(5).Value().isNull());

    // A whole number beyond 32 bits still comes back whole.
    run("select 4000000000");
    EXPECT_EQ(rows.Fields(0).Value(), Variant(4000000000.0));
}

TEST_F(RecordsetTest, AggregateOverNoRowsIsNullAndFailsConversion)
{
    run("select max(sn) from CHEQUETable");
    ASSERT_EQ(rows.RecordCount(), 1);
    EXPECT_TRUE(rows.Fields(0).Value().isNull());
    EXPECT_EQ(raisedBy([&] { rows.Fields(0).Value().toInteger(); }).Number(),
              rt::errInvalidUseOfNull);

    run("select SUM(AMOUNT) from CHEQUETABLE");
    EXPECT_EQ(raisedBy([&] { rows.Fields(0).Value().toDouble(); }).Number(),
              rt::errInvalidUseOfNull);

    // The serial rule: the maximum plus 1 as a 16-bit integer.
    insertCheque(41, "SBI", "01/02/2003", 1);
    run("select max(sn) from CHEQUETable");
    EXPECT_EQ(rows.Fields(0).Value().toInteger() + 1, 42);
}

TEST_F(RecordsetTest, FieldsAreFoundByNameInAnyCaseAndByPosition)
{
    insertCheque(1, "SBI", "01/02/2003", 100);
    run("Select CHEQUENUMBER as Ch_No,AMOUNT,BANKNAME as Issued_To from chequetable");
    EXPECT_EQ(rows.FieldCount(), 3);
    EXPECT_EQ(rows.FieldNames(), (QStringList{"Ch_No", "AMOUNT", "Issued_To"}));
    EXPECT_EQ(rows.Fields("ch_no").Value().toDouble(), 100);
    EXPECT_EQ(rows.Fields("CH_NO").Name(), QStringLiteral("Ch_No"));
    EXPECT_EQ(rows.Fields("amount").Value(), rows.Fields(1).Value());
    EXPECT_EQ(rows.Fields(2).Value().toString(), QStringLiteral("SBI"));

    EXPECT_EQ(raisedBy([&] { rows.Fields("REMARK"); }).Number(), ado::errItemNotFound);
    EXPECT_EQ(raisedBy([&] { rows.Fields(3); }).Number(), ado::errItemNotFound);
}

TEST_F(RecordsetTest, DistinctColumnIsFoundByTheColumnName)
{
    insertCheque(1, "SBI", "01/02/2003", 100);
    insertCheque(2, "PNB", "01/02/2003", 200);
    insertCheque(3, "sbi", "01/02/2003", 300);

    run("Select DISTINCT(BANKNAME) from CHEQUETABLE ORDER BY BANKNAME ASC");
    ASSERT_EQ(rows.RecordCount(), 2);
    EXPECT_EQ(rows.Fields("BANKNAME").Value().toString(), QStringLiteral("PNB"));
    rows.MoveNext();
    EXPECT_EQ(rows.Fields("bankname").Value().toString().toUpper(), QStringLiteral("SBI"));

    run("Select Distinct(SN) as Bill_No,BANKNAME as Member from CHEQUETABLE ORDER BY SN DESC");
    EXPECT_EQ(rows.Fields("Bill_No").Value(), Variant(std::int16_t(3)));
    EXPECT_EQ(rows.Fields("Member").Value().toString(), QStringLiteral("sbi"));
}

TEST_F(RecordsetTest, DuplicatesInAUniqueIndexAreTold)
{
    insertCheque(1, "SBI", "01/02/2003", 100);
    const rt::RuntimeError cheque = raisedBy([&] { insertCheque(2, "PNB", "05/05/2005", 100); });
    EXPECT_EQ(cheque.Number(), -2147217887);
    EXPECT_EQ(scalarRaw("select count(*) from CHEQUETABLE"), "1");

    run("insert into Memberx values(1,'Ann','A','101',#01/04/2001#)");
    run("insert into Memberx values(2,'Bob','A','101',#01/04/2002#)");
    const rt::RuntimeError member =
        raisedBy([&] { run("insert into Memberx values(3,'Cy','a','101',#01/04/2002#)"); });
    EXPECT_EQ(member.Number(), -2147467259);
    EXPECT_EQ(scalarRaw("select count(*) from Memberx"), "2");
    EXPECT_EQ(rows.State(), ado::adStateClosed);
}

TEST_F(RecordsetTest, RejectedStatementsCarryTheEngineDescription)
{
    const rt::RuntimeError missing = raisedBy([&] { run("select * from CHEQUES"); });
    EXPECT_EQ(missing.Number(), -2147217900);
    EXPECT_EQ(missing.Description(), QStringLiteral("no such table: CHEQUES"));

    // An apostrophe left single in a text ends the text early.
    EXPECT_EQ(raisedBy([&] { insertCheque(1, "O'Brien", "01/02/2003", 1); }).Number(),
              -2147217900);

    // An incomplete statement, as an empty bare number leaves it.
    EXPECT_EQ(raisedBy([&] { run("Delete * from CHEQUETABLE WHERE CHEQUENUMBER = "); }).Number(),
              -2147217900);

    // Only one statement runs per text.
    insertCheque(1, "SBI", "01/02/2003", 100);
    EXPECT_EQ(raisedBy([&] { run("select * from CHEQUETABLE; Delete * from CHEQUETABLE"); })
                  .Number(),
              -2147217900);
    EXPECT_EQ(scalarRaw("select count(*) from CHEQUETABLE"), "1");
    EXPECT_EQ(rows.State(), ado::adStateClosed);
}

TEST_F(RecordsetTest, DatesGoInAndOutWithoutSwappingDayAndMonth)
{
    insertCheque(1, "SBI", "01/02/2003", 100);
    insertCheque(2, "SBI", "13/01/2003", 200);
    EXPECT_EQ(scalarRaw("select DATEOFENTRY from CHEQUETABLE where SN = 1"), "2003-02-01");

    run("select CHEQUENUMBER, DATEOFENTRY from CHEQUETABLE where DATEOFENTRY >= #15/01/2003# "
        "And DATEOFENTRY <= #28/02/2003#");
    ASSERT_EQ(rows.RecordCount(), 1);
    EXPECT_EQ(rows.Fields("DATEOFENTRY").Value().toDate(), QDate(2003, 2, 1));

    run("select SN from CHEQUETABLE where DATEOFENTRY < #20/1/2003# order by SN");
    ASSERT_EQ(rows.RecordCount(), 1);
    EXPECT_EQ(rows.Fields("SN").Value().toInteger(), 2);
}

TEST_F(RecordsetTest, QuotedTextsAreStoredAsTyped)
{
    run("insert into CHEQUETABLE values(1,'#01/02/2003#',#01/02/2003#,1,1,'Delete * from gen',0)");
    run("insert into CHEQUETABLE values(2,'O''Brien',#01/02/2003#,1,2,'it''s #3/4/2005#',0)");
    EXPECT_EQ(scalarRaw("select BANKNAME from CHEQUETABLE where SN = 1"), "#01/02/2003#");
    EXPECT_EQ(scalarRaw("select REMARK from CHEQUETABLE where SN = 1"), "Delete * from gen");
    EXPECT_EQ(scalarRaw("select BANKNAME from CHEQUETABLE where SN = 2"), "O'Brien");
    EXPECT_EQ(scalarRaw("select REMARK from CHEQUETABLE where SN = 2"), "it's #3/4/2005#");

    run("select SN from CHEQUETABLE where BANKNAME = 'o''brien'");
    ASSERT_EQ(rows.RecordCount(), 1);
    EXPECT_EQ(rows.Fields(0).Value().toInteger(), 2);
}

TEST_F(RecordsetTest, ClientCursorGivesEveryRowByPosition)
{
    insertCheque(1, "SBI", "01/02/2003", 100);
    insertCheque(2, "PNB", "01/02/2003", 200);

    ado::Recordset grid;
    grid.setCursorLocation(ado::adUseClient);
    grid.clearActiveConnection();
    grid.Open("Select CHEQUENUMBER as Ch_No,BANKNAME from chequetable order by SN", connection,
              ado::adOpenKeyset, ado::adLockReadOnly);
    EXPECT_EQ(grid.CursorLocation(), ado::adUseClient);
    EXPECT_EQ(grid.valueAt(1, 1).toString(), QStringLiteral("PNB"));
    EXPECT_EQ(grid.valueAt(0, 0).toDouble(), 100);
    EXPECT_EQ(raisedBy([&] { grid.valueAt(2, 0); }).Number(), rt::errNoCurrentRecord);

    // Copies are one recordset, as object references are.
    ado::Recordset copy = grid;
    copy.MoveNext();
    EXPECT_EQ(grid.AbsolutePosition(), 1);
    grid.Close();
    EXPECT_EQ(copy.State(), ado::adStateClosed);
}
