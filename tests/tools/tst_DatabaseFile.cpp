#include "support/ChequeDatabaseFile.h"
#include "support/LockHeldElsewhere.h"
#include "support/RawDatabase.h"


#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <vector>
#include <sqlite3.h>

namespace {

// A table's column names in table order, joined by ",".
QStringList columnsOf(RawDatabase &db, const QString &table)
{
    return db.rows(QStringLiteral("select group_concat(name, ',') from pragma_table_info('%1')")
                       .arg(table));
}

// The bytes of a file, empty when there is none.
QByteArray contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A register holding one cheque, issued to `payee`.
void registerWithCheque(const QString &path, const QString &payee)
{
    ASSERT_TRUE(chequeDatabaseFile().createIfAbsent(path));
    ASSERT_EQ(RawDatabase(path).exec(
                  QStringLiteral("insert into CHEQUETABLE (SN, CHEQUENUMBER, CHEQUEISSUEDTO) "
                                 "values(1, 100, '%1')")
                      .arg(payee)),
              SQLITE_OK);
}

class DatabaseFileTest : public ::testing::Test {
protected:
    QString path() const { return folder.filePath(QStringLiteral("Cheque.mdb")); }

    QTemporaryDir folder;
};

TEST_F(DatabaseFileTest, FreshFileHoldsEveryTableAndTheSeededRows)
{
    QString reason;
    ASSERT_TRUE(chequeDatabaseFile().createIfAbsent(path(), &reason)) << qPrintable(reason);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"Cheque.mdb"})
        << "no building file is left behind";

    const std::map<QString, int> columnCounts = {
        {"UserTable", 4},          {"gen", 5},          {"TYPEDEPOSITE", 3},
        {"TypeOfExpenditure", 1},  {"CHEQUETABLE", 23}, {"CHEQUE", 1},
        {"DATAX", 16},             {"BANK", 25},        {"BANKDETAIL", 4},
        {"RemAdvance", 1},         {"PERMANENTITEM", 1}, {"EXPENDITURE", 6},
        {"Memberx", 31},           {"FlatHistory", 31}, {"TYMEMBER", 8},
        {"MEMBERCHARGETYPE", 2},   {"DETAILSOFDEPOSITE", 26}, {"BILLX", 22},
        {"RECIEPT", 3},            {"EMPLOYEE", 8},     {"DOCUMENT", 6},
        {"complain", 9},           {"sharex", 7},       {"TENANT", 9},
        {"VEHICLE", 7},            {"INFORMATION", 9},
    };
    RawDatabase db(path());
    for (const auto &[table, count] : columnCounts) {
        const QString sql =
            QStringLiteral("select count(*) from pragma_table_info('%1')").arg(table);
        EXPECT_EQ(db.rows(sql), QStringList{QString::number(count)})
            << qPrintable(table);
    }

    // The positional inserts of the register and the profiles bind this order.
    EXPECT_EQ(columnsOf(db, "CHEQUETABLE"),
              QStringList{"SN,BANKNAME,BANKBRANCH,ACCOUNTNUMBER,ACCOUNTHOLDER,DATEOFENTRY,AMOUNT,"
                          "AMOUNTINWORD,CHEQUENUMBER,CHEQUEDATE,CHEQUEISSUEDTO,ISSUEDBY,REMARK,"
                          "ACPAYONLY,STRREM2,STRREM3,STRREM4,INTREM1,INTREM2,INTREM3,INTREM4,"
                          "DATEREM1,DATEREM2"});
    EXPECT_EQ(columnsOf(db, "DATAX"),
              QStringList{"SN,NAMEX,ACPAYLEFT,ACPAYTOP,DATELEFT,DATETOP,NAMELEFT,NAMETOP,"
                          "RUPEEWORDLEFT,RUPEEWORDTOP,RUPEENumberLEFT,RUPEENumberTOP,ACLEFT,"
                          "ACTOP,SIGNLEFT,SIGNTOP"});

    // So do the inserts of the society tables: each lists its values by position.
    EXPECT_EQ(columnsOf(db, "BANK"),
              QStringList{"SN,BANKNAME,BANKBRANCH,ACCOUNTNUMBER,ACCOUNTHOLDER,DATEOFENTRY,AMOUNT,"
                          "AMOUNTINWORD,CHEQUEORCASH,CHEQUENUMBER,CHEQUEDATE,CHEQUEBANKNAME,"
                          "CHEQUERECEIVEDFROM,DEPOSITEDBY,REMARK,STRREM1,STRREM2,STRREM3,STRREM4,"
                          "INTREM1,INTREM2,INTREM3,INTREM4,DATEREM1,DATEREM2"});
    EXPECT_EQ(columnsOf(db, "Memberx"),
              QStringList{"SN,NAMEX,WING,ACCO,GUARDIAN,GUARDIANADDRESS,MONTHLYINCOME,OCCUPATION,"
                          "DOB,PREADDRESS,PRECITY,PMTADDRESS,PMTCITY,PHONE,DOFJOINING,DOFLEAVING,"
                          "NOMINEENAME,NOMINEEADDRESS,NOMINEEAGE,NOMINEERELATION,DATEOFENTRY,"
                          "STRREM1,STRREM2,STRREM3,STRREM4,INTREM1,INTREM2,INTREM3,INTREM4,"
                          "DATEREM1,DATEREM2"});
    EXPECT_EQ(db.rows("select group_concat(type, ',') from pragma_table_info('FlatHistory')"),
              db.rows("select group_concat(type, ',') from pragma_table_info('Memberx')"));
    EXPECT_EQ(columnsOf(db, "DETAILSOFDEPOSITE"),
              QStringList{"SN,DATEOFDEPOSITE,BILLNUMBER,BILLDATE,BILLSERIALNUMBER,BILLMONTH,"
                          "BILLYEAR,MEMBERNUMBER,MEMBERNAME,FLATNUMBER,FEETYPE,FEEAMOUNT,"
                          "CHEQUEORCASH,CHEQUEN,BANKNAME,REMARK,STRREM1,STRREM2,STRREM3,STRREM4,"
                          "INTREM1,INTREM2,INTREM3,INTREM4,DATEREM1,DATEREM2"});
    EXPECT_EQ(columnsOf(db, "BILLX"),
              QStringList{"SN,DATEX,BILLSERIALNUMBER,BILLMONTH,BILLYEAR,MEMBERNUMBER,MEMBERNAME,"
                          "FLATNUMBER,FEETYPE,FEEAMOUNT,DUEAMOUNT,REMARK,STRREM1,STRREM2,STRREM3,"
                          "STRREM4,INTREM1,INTREM2,INTREM3,INTREM4,DATEREM1,DATEREM2"});
    EXPECT_EQ(db.rows("select group_concat(name || ' ' || type, ',') "
                      "from pragma_table_info('TYMEMBER') where cid < 3"),
              QStringList{"SN SMALLINT,MEMBERNUMBER SMALLINT,DATEX DATE"});
    EXPECT_EQ(columnsOf(db, "MEMBERCHARGETYPE"),
              QStringList{"MEMBERNUMBER,CHARGETYPE"});

    // Values come back as dates only from columns declared DATE; the dates kept as text
    // (the cheque date, the leaving date, the cheque date of a receipt) are not.
    EXPECT_EQ(db.rows("select group_concat(m.name || '.' || p.name, ',') from sqlite_schema m,"
                      " pragma_table_info(m.name) p where m.type = 'table' and p.type = 'DATE'"),
              QStringList{"CHEQUETABLE.DATEOFENTRY,CHEQUETABLE.DATEREM1,CHEQUETABLE.DATEREM2,"
                          "BANK.DATEOFENTRY,BANK.DATEREM1,BANK.DATEREM2,"
                          "EXPENDITURE.EXPENDITUREDATE,"
                          "Memberx.DOB,Memberx.DOFJOINING,Memberx.DATEOFENTRY,Memberx.DATEREM1,"
                          "Memberx.DATEREM2,FlatHistory.DOB,FlatHistory.DOFJOINING,"
                          "FlatHistory.DATEOFENTRY,FlatHistory.DATEREM1,FlatHistory.DATEREM2,"
                          "TYMEMBER.DATEX,"
                          "DETAILSOFDEPOSITE.DATEOFDEPOSITE,DETAILSOFDEPOSITE.BILLDATE,"
                          "DETAILSOFDEPOSITE.DATEREM1,DETAILSOFDEPOSITE.DATEREM2,"
                          "BILLX.DATEX,BILLX.DATEREM1,BILLX.DATEREM2,RECIEPT.DATEX,"
                          "EMPLOYEE.DATEOFJOINING,DOCUMENT.DATEOFDOCUMENT,"
                          "complain.DATEREM1,complain.DATEREM2,sharex.DATEOFISSUE,"
                          "TENANT.AGREEMENTFROM,TENANT.AGREEMENTTO,"
                          "INFORMATION.DATEOFREGISTRATION"});

    EXPECT_EQ(db.rows("select Userx, pwd, ROLE from UserTable"),
              QStringList{"Admin|ADMIN|Administrator"});
    EXPECT_EQ(db.rows("select * from gen"), QStringList{"0.0|0.0|0.0|0.0|0.0"});
    EXPECT_FALSE(db.rows("select TYPEOFDEPOSITE from TYPEDEPOSITE where DURATIONOFDEPOSITE = 0")
                     .isEmpty());
    EXPECT_FALSE(db.rows("select EXPENDITURE from TypeOfExpenditure").isEmpty());
    EXPECT_EQ(db.rows("select count(*) from BANKDETAIL"), QStringList{"1"});
    EXPECT_EQ(db.rows("select count(*) from CHEQUETABLE"), QStringList{"0"});
    EXPECT_EQ(db.rows("select count(*) from DATAX"), QStringList{"0"});
}

TEST_F(DatabaseFileTest, ExistingFileIsLeftByteForByteUntouched)
{
    ASSERT_TRUE(chequeDatabaseFile().createIfAbsent(path()));
    {
        RawDatabase db(path());
        ASSERT_EQ(db.exec("insert into UserTable values(2, 'CLERK', 'SECRET', 'Clerk')"),
                  SQLITE_OK);
    }
    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    const QDateTime modified = QFileInfo(path()).lastModified();
    file.close();

    ASSERT_TRUE(chequeDatabaseFile().createIfAbsent(path()));

    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
    EXPECT_EQ(QFileInfo(path()).lastModified(), modified);
    EXPECT_EQ(RawDatabase(path()).rows("select Userx from UserTable where ID = 2"),
              QStringList{"CLERK"});
}

TEST_F(DatabaseFileTest, AnEarlierRegisterIsCopiedOnlyWhereThereIsNoneAndNeverChanged)
{
    enum class Earlier { None, Register, HeldByAWriter, NoDatabase };
    struct Case {
        const char *name;
        bool ownRegister;
        Earlier earlier;
        bool laidOut;
        QStringList cheques;
    };
    const Case cases[] = {
        {"no register anywhere: a new one", false, Earlier::None, true, {}},
        {"an earlier register only: its copy", false, Earlier::Register, true, {"EARLIER"}},
        {"a register of its own: kept", true, Earlier::Register, true, {"OWN"}},
        {"an earlier register another program writes: refused", false, Earlier::HeldByAWriter,
         false, {}},
        {"an earlier file that is no register: refused", false, Earlier::NoDatabase, false, {}},
    };
    for (const Case &row : cases) {
        SCOPED_TRACE(row.name);
        QTemporaryDir top;
        ASSERT_TRUE(QDir(top.path()).mkdir(QStringLiteral("home")));
        const QString home = top.filePath(QStringLiteral("home"));
        const QString path = home + QStringLiteral("/Cheque.mdb");
        const QString earlier = top.filePath(QStringLiteral("Cheque.mdb"));
        if (row.ownRegister)
            registerWithCheque(path, QStringLiteral("OWN"));
        if (row.earlier == Earlier::NoDatabase) {
            QFile file(earlier);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("not a database");
        } else if (row.earlier != Earlier::None) {
            registerWithCheque(earlier, QStringLiteral("EARLIER"));
        }
        std::optional<LockHeldElsewhere> writer;
        if (row.earlier == Earlier::HeldByAWriter)
            writer.emplace(earlier, QString(), std::chrono::seconds(30));
        const QByteArray earlierBefore = contentsOf(earlier);
        const QByteArray ownBefore = contentsOf(path);

        QString reason;
        EXPECT_EQ(chequeDatabaseFile().copyOrCreateIfAbsent(path, earlier, &reason), row.laidOut)
            << qPrintable(reason);

        EXPECT_EQ(reason.isEmpty(), row.laidOut) << qPrintable(reason);
        EXPECT_EQ(contentsOf(earlier), earlierBefore);
        if (row.ownRegister) {
            EXPECT_EQ(contentsOf(path), ownBefore);
        }
        EXPECT_EQ(QDir(home).entryList(QDir::Files),
                  row.laidOut ? QStringList{"Cheque.mdb"} : QStringList{})
            << "no building file is left behind";
        if (row.laidOut) {
            RawDatabase db(path);
            EXPECT_EQ(db.rows("select CHEQUEISSUEDTO from CHEQUETABLE"), row.cheques);
            EXPECT_EQ(db.rows("select Userx from UserTable"), QStringList{"Admin"});
        }
    }
}

TEST_F(DatabaseFileTest, FileThatIsNoDatabaseIsLeftAlone)
{
    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a database");
    file.close();

    EXPECT_TRUE(chequeDatabaseFile().createIfAbsent(path()));

    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("not a database"));
}

TEST_F(DatabaseFileTest, MissingFolderGivesAReasonAndNoFile)
{
    const QString inMissingFolder = folder.filePath(QStringLiteral("missing/Cheque.mdb"));
    QString reason;

    EXPECT_FALSE(chequeDatabaseFile().createIfAbsent(inMissingFolder, &reason));

    EXPECT_FALSE(reason.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(inMissingFolder));
}

TEST_F(DatabaseFileTest, UniqueIndexesRefuseDuplicatesAndSerialsMayRepeat)
{
    ASSERT_TRUE(chequeDatabaseFile().createIfAbsent(path()));
    RawDatabase db(path());

    const char *cheque = "insert into CHEQUETABLE (SN, CHEQUENUMBER) values(1, 100)";
    ASSERT_EQ(db.exec(cheque), SQLITE_OK);
    EXPECT_EQ(db.exec(cheque), SQLITE_CONSTRAINT) << "a second cheque with number 100";
    EXPECT_EQ(db.exec("insert into CHEQUETABLE (SN, CHEQUENUMBER) values(1, 101)"), SQLITE_OK)
        << "two cheques may share a serial";

    ASSERT_EQ(db.exec("insert into DATAX (SN, NAMEX) values(1, 'SBI')"), SQLITE_OK);
    EXPECT_EQ(db.exec("insert into DATAX (SN, NAMEX) values(2, 'sbi')"), SQLITE_CONSTRAINT)
        << "profile names are compared without regard to case";

    ASSERT_EQ(db.exec("insert into Memberx (SN, WING, ACCO, DOFJOINING) "
                      "values(1, 'A', '101', '2024-04-01')"),
              SQLITE_OK);
    EXPECT_EQ(db.exec("insert into Memberx (SN, WING, ACCO, DOFJOINING) "
                      "values(2, 'A', '101', '2024-04-01')"),
              SQLITE_CONSTRAINT);
    EXPECT_EQ(db.exec("insert into Memberx (SN, WING, ACCO, DOFJOINING) "
                      "values(2, 'A', '101', '2025-06-01')"),
              SQLITE_OK)
        << "a flat takes a later member";

    // The data layer tells the two kinds of duplicate apart by the number of columns of
    // the index, so the member index must be the only one over several columns.
    EXPECT_EQ(db.rows("select m.name, group_concat(ii.name, ',') from sqlite_schema m, "
                      "pragma_index_list(m.name) il, pragma_index_info(il.name) ii "
                      "where m.type = 'table' and il.[unique] = 1 "
                      "group by m.name, il.name order by m.name"),
              (QStringList{"CHEQUETABLE|CHEQUENUMBER", "DATAX|NAMEX",
                           "Memberx|WING,ACCO,DOFJOINING"}));
}

TEST_F(DatabaseFileTest, TextComparisonIgnoresLetterCase)
{
    ASSERT_TRUE(chequeDatabaseFile().createIfAbsent(path()));
    RawDatabase db(path());

    EXPECT_EQ(db.rows("select Userx from UserTable where Userx = 'admin' and pwd = 'admin'"),
              QStringList{"Admin"});
    EXPECT_EQ(db.rows("select TYPEOFDEPOSITE from TYPEDEPOSITE where TYPEOFDEPOSITE = 'Parking'"),
              QStringList{"PARKING"});
}

} // namespace
