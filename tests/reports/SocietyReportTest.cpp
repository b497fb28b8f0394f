#include "SocietyReportTest.h"

#include "data/Module1.h"
#include "platform/printer/Printer.h"
#include "platform/runtime/App.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString referenceText(const QString &name)
{
    QFile file(QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/reference/")
               + name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void SocietyReportTest::SetUp()
{
    ProgramFolderTest::SetUp();
    printer::Printer::setSystemPrinterIgnoredForTesting(true);
    copyReportFiles();
    Module1::OpenConnection();
    seedMembers();
    seedBillsAndReceipts();
    seedAccounts();
    seedReportOnlyTables();
    control.setPrintFileName(pdfPath());
}

void SocietyReportTest::copyReportFiles()
{
    const QDir reports(QStringLiteral(QUILVANE_REPORTS_DIR));
    for (const QString &file : reports.entryList({QStringLiteral("*.rpt")}, QDir::Files))
        ASSERT_TRUE(QFile::copy(reports.filePath(file), programFolder() + u'/' + file)) << file.toStdString();
}

// Two members of wing A, one who has left wing B.
void SocietyReportTest::seedMembers()
{
    execRaw(QStringLiteral(
        "INSERT INTO Memberx (SN, NAMEX, WING, ACCO, GUARDIAN, MONTHLYINCOME, OCCUPATION, DOB, "
        "PREADDRESS, PRECITY, PMTADDRESS, PMTCITY, PHONE, DOFJOINING, DOFLEAVING, NOMINEENAME, "
        "NOMINEERELATION) VALUES "
        "(1, 'A SHARMA', 'A', '101', 'R SHARMA', 60000, 'ENGINEER', '1980-02-14', 'FLAT A-101', "
        "'PUNE', '12 MG ROAD', 'NAGPUR', '9822000001', '2020-01-10', '-', 'S SHARMA', 'WIFE'), "
        "(2, 'B MEHTA', 'A', '102', 'K MEHTA', 45000, 'TEACHER', '1975-07-01', 'FLAT A-102', "
        "'PUNE', '4 PARK STREET', 'SURAT', '9822000002', '2021-06-01', '-', 'P MEHTA', 'SON'), "
        "(3, 'C IYER', 'B', '201', 'V IYER', 50000, 'DOCTOR', '1970-11-30', 'FLAT B-201', "
        "'PUNE', '9 LAKE ROAD', 'CHENNAI', '9822000003', '2019-04-01', '31/03/2025', "
        "'M IYER', 'WIFE')"));
}

// Bill 7 of A SHARMA carries 250 outstanding and is paid by receipt 12 by cheque; bill 8
// of B MEHTA is paid by receipt 14; bill 9 of A SHARMA is unpaid. Receipt 13 is B MEHTA's
// advance, not against a bill. The statement of member 1 runs over April and May.
void SocietyReportTest::seedBillsAndReceipts()
{
    execRaw(QStringLiteral(
        "INSERT INTO BILLX (SN, DATEX, BILLSERIALNUMBER, BILLMONTH, BILLYEAR, MEMBERNUMBER, "
        "MEMBERNAME, FLATNUMBER, FEETYPE, FEEAMOUNT, DUEAMOUNT, STRREM1) VALUES "
        "(7, '2026-04-05', 1, 4, 2026, 1, 'A SHARMA', '101', 'MAINTENANCE', 1500, 250, 'A'), "
        "(7, '2026-04-05', 2, 4, 2026, 1, 'A SHARMA', '101', 'SINKING FUND', 500, 250, 'A'), "
        "(7, '2026-04-05', 3, 4, 2026, 1, 'A SHARMA', '101', 'PARKING', 300, 250, 'A'), "
        "(8, '2026-04-05', 1, 4, 2026, 2, 'B MEHTA', '102', 'MAINTENANCE', 1500, 0, 'A'), "
        "(9, '2026-05-05', 1, 5, 2026, 1, 'A SHARMA', '101', 'MAINTENANCE', 1500, 0, 'A'), "
        "(9, '2026-05-05', 2, 5, 2026, 1, 'A SHARMA', '101', 'LATE CHARGE', 50, 0, 'A')"));
    execRaw(QStringLiteral(
        "INSERT INTO DETAILSOFDEPOSITE (SN, DATEOFDEPOSITE, BILLNUMBER, BILLDATE, "
        "BILLSERIALNUMBER, BILLMONTH, BILLYEAR, MEMBERNUMBER, MEMBERNAME, FLATNUMBER, FEETYPE, "
        "FEEAMOUNT, CHEQUEORCASH, CHEQUEN, BANKNAME, REMARK, STRREM1, STRREM2) VALUES "
        "(12, '2026-04-20', 7, '2026-04-05', 1, 4, 2026, 1, 'A SHARMA', '101', 'MAINTENANCE', "
        "1500, 'CHEQUE', '000123', 'UNION BANK', '-', 'TWO THOUSAND THREE HUNDRED ONLY', "
        "'18/04/2026'), "
        "(12, '2026-04-20', 7, '2026-04-05', 2, 4, 2026, 1, 'A SHARMA', '101', 'SINKING FUND', "
        "500, 'CHEQUE', '000123', 'UNION BANK', '-', 'TWO THOUSAND THREE HUNDRED ONLY', "
        "'18/04/2026'), "
        "(12, '2026-04-20', 7, '2026-04-05', 3, 4, 2026, 1, 'A SHARMA', '101', 'PARKING', "
        "300, 'CHEQUE', '000123', 'UNION BANK', '-', 'TWO THOUSAND THREE HUNDRED ONLY', "
        "'18/04/2026'), "
        "(13, '2026-04-22', 0, '2026-04-22', 0, 4, 2026, 2, 'B MEHTA', '102', 'ADVANCE', 3000, "
        "'CASH', '-', '-', '-', 'THREE THOUSAND ONLY', '-'), "
        "(14, '2026-05-02', 8, '2026-04-05', 1, 4, 2026, 2, 'B MEHTA', '102', 'MAINTENANCE', "
        "1500, 'CASH', '-', '-', '-', 'ONE THOUSAND FIVE HUNDRED ONLY', '-')"));
    execRaw(QStringLiteral(
        "INSERT INTO TYMEMBER VALUES "
        "(1, 1, '2026-04-05', 'BILL OF APRIL', 'BILL', 7, 2300, 0), "
        "(2, 1, '2026-04-20', 'RECEIPT', 'RECEIPT', 12, 0, 2550), "
        "(3, 1, '2026-05-05', 'BILL OF MAY', 'BILL', 9, 1550, 0), "
        "(4, 2, '2026-04-05', 'BILL OF APRIL', 'BILL', 8, 1500, 0), "
        "(5, 1, '2026-06-05', 'BILL OF JUNE', 'BILL', 10, 1500, 0)"));
    execRaw(QStringLiteral("INSERT INTO MEMBERCHARGETYPE VALUES (1, 'WATER CHARGES'), "
                           "(2, 'WATER CHARGES'), (2, 'NON OCCUPANCY CHARGES')"));
}

// Receipts 6800 (3000 of them advance), expenditure 2900 paid and 600 on credit, 3000
// in the bank and 500 in permanent items: 400 cash in hand.
void SocietyReportTest::seedAccounts()
{
    execRaw(QStringLiteral(
        "INSERT INTO EXPENDITURE VALUES (1, 'REPAIRS', '2026-04-10', 1200, '-', 0), "
        "(2, 'ELECTRICITY', '2026-04-30', 800, '-', 0), "
        "(3, 'REPAIRS', '2026-05-15', 0, 'CREDIT', 600), "
        "(4, 'SECURITY', '2026-05-31', 900, '-', 0)"));
    execRaw(QStringLiteral(
        "INSERT INTO BANK (SN, BANKNAME, BANKBRANCH, ACCOUNTNUMBER, ACCOUNTHOLDER, DATEOFENTRY, "
        "AMOUNT, CHEQUEORCASH, CHEQUENUMBER, CHEQUEDATE, CHEQUERECEIVEDFROM, DEPOSITEDBY) VALUES "
        "(1, 'STATE BANK OF INDIA', 'MAIN BRANCH', '00012345678', 'HOUSING SOCIETY', "
        "'2026-04-21', 2000, 'CHEQUE', '000123', '18/04/2026', 'A SHARMA', 'TREASURER'), "
        "(2, 'STATE BANK OF INDIA', 'MAIN BRANCH', '00012345678', 'HOUSING SOCIETY', "
        "'2026-05-03', 1000, 'CASH', '-', '-', 'B MEHTA', 'TREASURER')"));
    execRaw(QStringLiteral("INSERT INTO PERMANENTITEM VALUES (500)"));
}

void SocietyReportTest::seedReportOnlyTables()
{
    execRaw(QStringLiteral(
        "INSERT INTO EMPLOYEE VALUES "
        "(1, 'RAVI', 'WATCHMAN', 'GATE HOUSE', '9822100001', '2022-03-01', 12000, 'NIGHT'), "
        "(2, 'SUNITA', 'SWEEPER', 'BLOCK C', '9822100002', '2023-08-15', 9000, 'MORNING')"));
    execRaw(QStringLiteral(
        "INSERT INTO DOCUMENT VALUES "
        "(1, 'LIFT', 'LIFT AMC AGREEMENT', '2026-01-15', 'OFFICE FILE 3', 'RENEW YEARLY'), "
        "(2, 'LAND', 'CONVEYANCE DEED', '2015-06-30', 'BANK LOCKER', '-')"));
    execRaw(QStringLiteral(
        "INSERT INTO complain VALUES "
        "(1, 'A SHARMA', '101', 'PLUMBING', 'OPEN', 'KITCHEN TAP LEAKS', '-', NULL, '2026-03-02'), "
        "(2, 'B MEHTA', '102', 'ELECTRICAL', 'CLOSED', 'STAIR LIGHT OUT', 'BULB CHANGED', "
        "'2026-03-06', '2026-03-05'), "
        "(3, 'A SHARMA', '101', 'PLUMBING', 'CLOSED', 'DRAIN BLOCKED', 'CLEARED', "
        "'2025-12-12', '2025-12-10')"));
    execRaw(QStringLiteral("INSERT INTO sharex VALUES (5, 1, 'A SHARMA', '101', 10, 50, "
                           "'2020-02-01'), (6, 2, 'B MEHTA', '102', 10, 50, '2021-07-01')"));
    execRaw(QStringLiteral("INSERT INTO TENANT VALUES (1, 2, 'D KHAN', '9822200001', "
                           "'7 HILL ROAD, BHOPAL', 3, '2026-01-01', '2026-12-31', 'POLICE VERIFIED')"));
    execRaw(QStringLiteral("INSERT INTO VEHICLE VALUES (1, 1, 'MH12AB1234', 'CAR', 'MARUTI', "
                           "'P-4', '-'), (2, 3, 'MH12CD5678', 'SCOOTER', 'HONDA', 'S-9', '-')"));
    execRaw(QStringLiteral(
        "INSERT INTO INFORMATION VALUES ('GREEN PARK CO-OP HOUSING SOCIETY', 'PNA/HSG/1234', "
        "'2012-05-01', 'GREEN PARK, BANER', 'PUNE', '020-2555000', 'M DESAI', 'A SHARMA', "
        "'B MEHTA')"));
}
