#include "SocietyReportTest.h"

#include "platform/forms/PlainControl.h"
#include "platform/report/FormulaParser.h"
#include "platform/report/ReportDefinition.h"
#include "platform/report/ReportLayout.h"
#include "reports/CRClass.h"
#include "support/PrintedPage.h"

#include <QDate>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <functional>

namespace {

using Launch = std::function<void(CRClass &, report::ReportControl &)>;

constexpr double MarginTwips = 720;

const QString LongName =
    QStringLiteral("SRI VENKATA SATYANARAYANA MURTHY LAKSHMI NARASIMHA RAO CHENNAKESAVA PRASADA GARU");
const QString LongCharge =
    QStringLiteral("CONTRIBUTION TOWARDS REPAIR OF THE OVERHEAD WATER TANK AND TERRACE WATERPROOFING");
const QString LongHead =
    QStringLiteral("ANNUAL MAINTENANCE CONTRACT OF BOTH PASSENGER LIFTS WITH SPARES AND EMERGENCIES.");
const QString Treasurer = QStringLiteral("K. D''MELLO (TREASURER)");
const QString Continued = QStringLiteral(" (continued)");

// Runs launches on the engine and remembers what the last one asked for, so that a test
// can read the same rows the report was given.
class WatchedControl : public report::ReportControl {
public:
    explicit WatchedControl(report::ReportEngineControl &engine) : engine_(engine) {}

    void setReportFileName(const QString &fileName) override
    {
        fileName_ = fileName;
        engine_.setReportFileName(fileName);
    }
    void setSelectionFormula(const QString &formula) override
    {
        selection_ = formula;
        engine_.setSelectionFormula(formula);
    }
    void setFormulas(std::int16_t slot, const QString &entry) override
    {
        engine_.setFormulas(slot, entry);
    }
    void setConnect(const QString &connectionString) override
    {
        connect_ = connectionString;
        engine_.setConnect(connectionString);
    }
    void setDestination(std::int32_t destination) override { engine_.setDestination(destination); }
    void setWindowState(std::int32_t windowState) override { engine_.setWindowState(windowState); }
    void setAction(std::int16_t action) override { engine_.setAction(action); }

    report::ReportDefinition definition() const
    {
        return report::ReportDefinition::read(QString(fileName_).replace(u'\\', u'/'));
    }
    QList<report::ReportRow> rows() const
    {
        const report::ReportDefinition read = definition();
        return report::ReportQuery::run(
            read, report::FormulaParser::parseSelection(selection_, read), connect_);
    }

private:
    report::ReportEngineControl &engine_;
    QString fileName_;
    QString selection_;
    QString connect_;
};

// A year of a society whose names, payers, charges and heads run to 80 characters, on
// top of the small society: twelve members billed every month, most bills paid, advances,
// a hall-rent receipt from a caterer who is no member, fifty expenditures and 350 bank
// entries paid in by the treasurer.
class ReportPagesTest : public SocietyReportTest {
protected:
    void SetUp() override
    {
        SocietyReportTest::SetUp();
        seedLongMembers();
        seedYearOfBills();
        seedReceipts();
        seedExpenditureAndBank();
        seedLongReportOnlyRows();
        yearStart.setValue(QDate(2026, 4, 1));
        yearEnd.setValue(QDate(2027, 3, 31));
    }

    void seedLongMembers()
    {
        const QString names[] = {
            QStringLiteral("CHANDRASHEKHAR VENKATARAMANAN SUBRAMANIAM"), QStringLiteral("K. D''MELLO"),
            LongName, QStringLiteral("FATHIMA BEEVI ABDUL RAHMAN KUNJU"),
            QStringLiteral("P. O''BRIEN"), QStringLiteral("GURPREET SINGH DHILLON"),
            QStringLiteral("ANNAPURNA SUBBALAKSHMI VENKATESWARAN IYENGAR"),
            QStringLiteral("R JOSHI"), QStringLiteral("MARIA FERNANDES"),
            QStringLiteral("BALASUBRAMANIAN RAMAKRISHNAN"), QStringLiteral("S KULKARNI"),
            QStringLiteral("THE ESTATE OF LATE SHRI HARIHARAN"), QStringLiteral("D PATEL")};
        int serial = 4;
        for (const QString &name : names) {
            execRaw(QStringLiteral(
                        "INSERT INTO Memberx (SN, NAMEX, WING, ACCO, GUARDIAN, MONTHLYINCOME, "
                        "OCCUPATION, DOB, PREADDRESS, PRECITY, PMTADDRESS, PMTCITY, PHONE, "
                        "DOFJOINING, DOFLEAVING, NOMINEENAME, NOMINEERELATION) VALUES (%1, '%2', 'C', "
                        "'%3', 'SHRI GOPALAKRISHNA RAMACHANDRA DESHPANDE', 1234567.5, 'CHARTERED "
                        "ACCOUNTANT', '1975-05-05', 'FLAT C-%3, GREEN PARK, BANER ROAD NEAR THE "
                        "OLD WATER TANK', 'PUNE', '14 SECOND CROSS, MALLESWARAM WEST', "
                        "'BENGALURU', '9822000%1', '2019-04-01', '%4', 'SAROJINI RAO', 'WIFE')")
                        .arg(serial)
                        .arg(name)
                        .arg(300 + serial)
                        .arg(serial == 16 ? QStringLiteral("31/03/2026") : QStringLiteral("-")));
            ++serial;
        }
        execRaw(QStringLiteral("INSERT INTO MEMBERCHARGETYPE VALUES (6, 'NON OCCUPANCY CHARGES'), "
                               "(4, '%1')")
                    .arg(LongCharge));
        execRaw(QStringLiteral("INSERT INTO TYPEDEPOSITE VALUES ('%1', 250, 1)").arg(LongCharge));
    }

    // Bills 100 to 243: members 4 to 15, April 2026 to March 2027; even members also pay
    // the long charge, every fifth member's maintenance has paise.
    void seedYearOfBills()
    {
        execRaw(QStringLiteral(
                    "WITH RECURSIVE month(n) AS (SELECT 0 UNION ALL SELECT n + 1 FROM month WHERE "
                    "n < 11), charge(line, feetype, amount) AS (VALUES (1, 'MAINTENANCE', 1500), "
                    "(2, 'NON OCCUPANCY CHARGES', 500), (3, '%1', 250)) "
                    "INSERT INTO BILLX (SN, DATEX, BILLSERIALNUMBER, BILLMONTH, BILLYEAR, "
                    "MEMBERNUMBER, MEMBERNAME, FLATNUMBER, FEETYPE, FEEAMOUNT, DUEAMOUNT, STRREM1) "
                    "SELECT 100 + month.n * 12 + Memberx.SN - 4, date('2026-04-05', '+' || month.n "
                    "|| ' months'), charge.line, (month.n + 3) % 12 + 1, 2026 + (month.n >= 9), "
                    "Memberx.SN, Memberx.NAMEX, Memberx.ACCO, charge.feetype, charge.amount + "
                    "(charge.line = 1 AND Memberx.SN % 5 = 0) * 0.5, (Memberx.SN % 3 = 0) * 250, "
                    "Memberx.WING FROM month, Memberx, charge WHERE Memberx.SN BETWEEN 4 AND 15 AND "
                    "(charge.line < 3 OR Memberx.SN % 2 = 0)")
                    .arg(LongCharge));
        execRaw(QStringLiteral(
            "INSERT INTO TYMEMBER SELECT 100 + SN, MEMBERNUMBER, DATEX, FEETYPE, 'BILL', SN, "
            "FEEAMOUNT, 0 FROM BILLX WHERE MEMBERNUMBER = 6"));
    }

    // Receipts pay three bills in four, under the bill's own number; then an advance from
    // every member and the caterer's hall rent, who has no member number.
    void seedReceipts()
    {
        execRaw(QStringLiteral(
            "INSERT INTO DETAILSOFDEPOSITE (SN, DATEOFDEPOSITE, BILLNUMBER, BILLDATE, "
            "BILLSERIALNUMBER, BILLMONTH, BILLYEAR, MEMBERNUMBER, MEMBERNAME, FLATNUMBER, FEETYPE, "
            "FEEAMOUNT, CHEQUEORCASH, CHEQUEN, BANKNAME, REMARK, STRREM1, STRREM2) SELECT SN, "
            "date(DATEX, '+10 days'), SN, DATEX, BILLSERIALNUMBER, BILLMONTH, BILLYEAR, "
            "MEMBERNUMBER, MEMBERNAME, FLATNUMBER, FEETYPE, FEEAMOUNT, CASE SN % 2 WHEN 0 THEN "
            "'CHEQUE' ELSE 'CASH' END, printf('%06d', SN), 'THE SARASWAT CO-OPERATIVE BANK "
            "LIMITED', '-', 'TWO THOUSAND ONLY', '-' FROM BILLX WHERE SN >= 100 AND "
            "(MEMBERNUMBER + BILLMONTH) % 4 <> 0"));
        execRaw(QStringLiteral(
            "INSERT INTO DETAILSOFDEPOSITE (SN, DATEOFDEPOSITE, BILLNUMBER, BILLDATE, "
            "BILLSERIALNUMBER, BILLMONTH, BILLYEAR, MEMBERNUMBER, MEMBERNAME, FLATNUMBER, FEETYPE, "
            "FEEAMOUNT, CHEQUEORCASH, CHEQUEN, BANKNAME, REMARK, STRREM1, STRREM2) SELECT 300 + SN, "
            "'2026-06-15', 0, '2026-06-15', 0, 6, 2026, SN, NAMEX, ACCO, 'ADVANCE', 1000, 'CASH', "
            "'-', '-', '-', 'ONE THOUSAND ONLY', '-' FROM Memberx WHERE SN BETWEEN 4 AND 15 "
            "UNION ALL SELECT 330, '2026-08-14', 0, '2026-08-14', 0, 8, 2026, 0, 'SUNRISE "
            "CATERERS', '-', 'HALL RENT', 5000, 'CHEQUE', '004411', 'CANARA BANK', '-', 'FIVE "
            "THOUSAND ONLY', '12/08/2026'"));
    }

    void seedExpenditureAndBank()
    {
        execRaw(QStringLiteral(
                    "WITH RECURSIVE n(i) AS (SELECT 10 UNION ALL SELECT i + 1 FROM n WHERE i < 59) "
                    "INSERT INTO EXPENDITURE SELECT i, CASE i % 4 WHEN 0 THEN '%1' WHEN 1 THEN "
                    "'%2' WHEN 2 THEN 'ELECTRICITY' ELSE 'SECURITY' END, date('2026-04-03', '+' || "
                    "(i * 7) || ' days'), CASE WHEN i % 7 = 0 THEN 0 ELSE 100 * i + 0.25 END, CASE "
                    "WHEN i % 7 = 0 THEN 'CREDIT' ELSE '-' END, CASE WHEN i % 7 = 0 THEN 999 ELSE "
                    "0 END FROM n")
                    .arg(LongHead, LongCharge));
        execRaw(QStringLiteral(
                    "WITH RECURSIVE n(i) AS (SELECT 10 UNION ALL SELECT i + 1 FROM n WHERE i < 359) "
                    "INSERT INTO BANK (SN, BANKNAME, BANKBRANCH, ACCOUNTNUMBER, ACCOUNTHOLDER, "
                    "DATEOFENTRY, AMOUNT, CHEQUEORCASH, CHEQUENUMBER, CHEQUEDATE, "
                    "CHEQUERECEIVEDFROM, DEPOSITEDBY) SELECT i, CASE i % 2 WHEN 0 THEN 'STATE BANK "
                    "OF INDIA' ELSE 'THE SARASWAT CO-OPERATIVE BANK LIMITED' END, 'MAIN BRANCH', "
                    "'00012345678', 'HOUSING SOCIETY', date('2026-04-01', '+' || (i %% 365) || ' "
                    "days'), 1000 + i + 0.1, CASE i % 3 WHEN 0 THEN 'CASH' WHEN 1 THEN 'CHEQUE' "
                    "ELSE 'DRAFT' END, printf('%06d', i), '28/03/2026', (SELECT NAMEX FROM "
                    "Memberx WHERE SN = 4 + i % 12), '%1' FROM n")
                    .arg(Treasurer)
                    .replace(QStringLiteral("%%"), QStringLiteral("%")));
    }

    void seedLongReportOnlyRows()
    {
        execRaw(QStringLiteral(
                    "INSERT INTO EMPLOYEE VALUES (3, '%1', 'ASSISTANT SECRETARY AND ACCOUNTS "
                    "CLERK', 'ROOM 4, SOCIETY OFFICE BUILDING, NEAR THE MAIN GATE', '9822100003', "
                    "'2024-01-01', 18000.75, 'WORKS ON ALTERNATE SATURDAYS')")
                    .arg(LongName));
        execRaw(QStringLiteral("INSERT INTO DOCUMENT VALUES (3, 'LIFT', '%1', '2026-02-01', "
                               "'STEEL CUPBOARD IN THE SOCIETY OFFICE', '%2')")
                    .arg(LongHead, LongCharge));
        execRaw(QStringLiteral(
                    "INSERT INTO complain VALUES (4, '%1', '303', 'PLUMBING', 'OPEN', '%2', "
                    "'PLUMBER VISITED TWICE, AWAITING SPARES FROM THE MANUFACTURER', NULL, "
                    "'2026-05-20')")
                    .arg(LongName, LongCharge));
        execRaw(QStringLiteral("INSERT INTO sharex VALUES (7, 6, '%1', '306', 10, 50, '2020-02-01')")
                    .arg(LongName));
        execRaw(QStringLiteral(
                    "INSERT INTO TENANT VALUES (2, 6, 'CHANDRASHEKHAR VENKATARAMANAN SUBRAMANIAM', "
                    "'9822200002', '%1', 4, '2026-01-01', '2026-12-31', 'POLICE VERIFICATION "
                    "PENDING')")
                    .arg(LongCharge));
        execRaw(QStringLiteral("INSERT INTO VEHICLE VALUES (3, 6, 'MH12EF9012', 'SPORT UTILITY "
                               "VEHICLE', 'MAHINDRA AND MAHINDRA LIMITED', 'BASEMENT-2', '%1')")
                    .arg(LongHead));
    }

    // Bill 20 of A SHARMA with these particulars and amounts, nothing outstanding.
    void storeBill(const QList<std::pair<QString, double>> &lines)
    {
        int serial = 0;
        for (const auto &[particular, amount] : lines)
            execRaw(QStringLiteral("INSERT INTO BILLX (SN, DATEX, BILLSERIALNUMBER, MEMBERNAME, "
                                   "FEETYPE, FEEAMOUNT, DUEAMOUNT) VALUES (20, '2026-06-05', %1, "
                                   "'A SHARMA', '%2', %3, 0)")
                        .arg(++serial)
                        .arg(particular)
                        .arg(amount, 0, 'f', 3));
    }

    // Runs a launch into a fresh PDF file through the watched control.
    void launch(const Launch &run)
    {
        QFile::remove(pdfPath());
        CRClass launcher;
        run(launcher, watched);
    }

    WatchedControl watched{control};
    forms::PlainControl yearStart, yearEnd, member6{QStringLiteral("6")}, wingC{QStringLiteral("C")},
        flat306{QStringLiteral("306")}, longEmployee{LongName},
        longMember{LongName}, voucher12{QStringLiteral("12")};
};

QStringList wordsOf(const QString &text)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    return text.split(blanks, Qt::SkipEmptyParts);
}

// The words a report's rows print: every column's text but a running balance's, and the text of every group
// heading and detail that no column shows and that prints as it is stored.
QStringList printedWordsOfRows(const report::ReportDefinition &definition,
                               const QList<report::ReportRow> &rows)
{
    QSet<int> shown;
    for (const report::ReportColumn &column : definition.columns)
        shown.insert(column.field);
    QList<int> textFields;
    for (const report::ReportGroup &group : definition.groups) {
        QList<report::ReportLabelledField> fields{{group.field, group.label, group.format}};
        fields += group.details;
        for (const report::ReportLabelledField &field : fields)
            if (!shown.contains(field.field) && field.format == report::ValueFormat::Text)
                textFields.append(field.field);
    }
    const report::ReportLayout layout(definition, {}, {},
                                      report::AmountInWords(CalculateClass::SumInWords));
    QStringList words;
    for (const report::ReportRow &row : rows) {
        for (const report::ReportColumn &column : definition.columns) {
            if (!column.running)
                words += wordsOf(layout.cellText(row[column.field], column));
        }
        for (int field : textFields)
            words += wordsOf(row[field].isNull() ? QString() : row[field].toString());
    }
    return words;
}

bool overlap(const PrintedText &a, const PrintedText &b)
{
    constexpr double Tolerance = 0.5;
    return a.left < b.right - Tolerance && b.left < a.right - Tolerance
           && a.top < b.bottom - Tolerance && b.top < a.bottom - Tolerance;
}

bool withinMargins(const PrintedText &word, const QSizeF &paper)
{
    return word.left >= MarginTwips && word.top >= MarginTwips
           && word.right <= paper.width() - MarginTwips
           && word.bottom <= paper.height() - MarginTwips;
}

QString describe(const PrintedText &word, int page)
{
    return QStringLiteral("\"%1\" on page %2 at (%3, %4)-(%5, %6)")
        .arg(word.text)
        .arg(page)
        .arg(word.left)
        .arg(word.top)
        .arg(word.right)
        .arg(word.bottom);
}

// The words of every page, each checked to lie within the margins and clear of every other
// word of its page.
QSet<QString> wordsApartWithinMargins(const QList<PrintedWords> &pages)
{
    QSet<QString> printed;
    for (qsizetype page = 0; page < pages.size(); ++page) {
        const QList<PrintedText> &words = pages[page].words;
        for (qsizetype index = 0; index < words.size(); ++index) {
            printed.insert(words[index].text);
            EXPECT_TRUE(withinMargins(words[index], pages[page].sizeTwips))
                << describe(words[index], page + 1).toStdString();
            for (qsizetype other = index + 1; other < words.size(); ++other)
                EXPECT_FALSE(overlap(words[index], words[other]))
                    << describe(words[index], page + 1).toStdString() << " and "
                    << describe(words[other], page + 1).toStdString();
        }
    }
    return printed;
}

} // namespace

// Every report file, over values as long as the register holds: each word of each value
// the report selects is printed, inside the margins, with no word drawn over another.
TEST_F(ReportPagesTest, EveryReportPrintsEveryWordOfItsValuesApartAndWithinTheMargins)
{
    const QString longName = LongName;
    const QString longHead = LongHead;
    const struct {
        const char *file;
        Launch launch;
    } table[] = {
        {"BillOfMember", [&](auto &l, auto &CR) { l.BILLREPORT(CR); }},
        {"BillOfMemberDetail",
         [&](auto &l, auto &CR) { l.BillShort(CR, longName, yearStart, yearEnd); }},
        {"DEPOSITEDETAIL", [&](auto &l, auto &CR) { l.All(CR, yearStart, yearEnd); }},
        {"MemberDepositReport", [&](auto &l, auto &CR) { l.MemberDepositDetailALL(CR); }},
        {"DEPOSIT",
         [&](auto &l, auto &CR) { l.MemberDepositDetailShort(CR, longName, yearStart, yearEnd); }},
        {"DepositReport", [&](auto &l, auto &CR) { l.AsDate(CR, yearStart, yearEnd); }},
        {"member", [&](auto &l, auto &CR) { l.MemberList(CR); }},
        {"MEMBERDETAIL", [&](auto &l, auto &CR) { l.MemberDetail(CR, longName); }},
        {"MEMBERACCOUNT",
         [&](auto &l, auto &CR) { l.ShowMemerReport(CR, member6, yearStart, yearEnd); }},
        {"Billall", [&](auto &l, auto &CR) { l.ShowBillAsMember(CR, longName); }},
        {"Bill", [&](auto &l, auto &CR) { l.ShowBill(CR); }},
        {"Receipt", [&](auto &l, auto &CR) { l.ShowReceiptNumberASPERNUMBER(CR, 102); }},
        {"ReceiptAdvance", [&](auto &l, auto &CR) { l.ShowReceiptNumberASPERNUMBER(CR, 330); }},
        {"ReceiptALL", [&](auto &l, auto &CR) { l.ShowReceiptNumber(CR); }},
        {"EXPENDITURE", [&](auto &l, auto &CR) { l.ShowExpenditureAll(CR, longHead); }},
        {"EXPENDITURE_Credit", [&](auto &l, auto &CR) { l.ShowExpenditureCREDIT(CR); }},
        {"DEPOSITAsDate", [&](auto &l, auto &CR) { l.ShowDepositAsDate(CR); }},
        {"FLAT", [&](auto &l, auto &CR) { l.ShowFLAT(CR); }},
        {"FLATRECORD", [&](auto &l, auto &CR) { l.ShowFLATrecord(CR, wingC, flat306); }},
        {"EMPLOYEE", [&](auto &l, auto &CR) { l.ShowEMPLOYEE(CR); }},
        {"EMPLOYEEDETAIL", [&](auto &l, auto &CR) { l.ShowEMPLOYEEASPERNAME(CR, longEmployee); }},
        {"DOCUMENTREPORT", [&](auto &l, auto &CR) { l.ShowDOCUMENTALL(CR); }},
        {"BANKREPORT", [&](auto &l, auto &CR) { l.ShowBankTransactionALL(CR, yearStart, yearEnd); }},
        {"DailyReport", [&](auto &l, auto &CR) { l.ShowDAILY(CR); }},
        {"BalanceSheetNew", [&](auto &l, auto &CR) { l.BalanceSheet(CR); }},
        {"BALANCESHEETBoth", [&](auto &l, auto &CR) { l.BalanceSheetbOTH(CR); }},
        {"RecAndEx", [&](auto &l, auto &CR) { l.RECANDEXACCOUNT(CR); }},
        {"TENANT", [&](auto &l, auto &CR) { l.ShowTenant(CR); }},
        {"TENANTASPERFLAT", [&](auto &l, auto &CR) { l.ShowTENANTASPERFLAT(CR, longMember); }},
        {"Vehicle", [&](auto &l, auto &CR) { l.ShowVehicle(CR); }},
        {"complain", [&](auto &l, auto &CR) { l.ShowAllComplainAsPerDate(CR, yearStart, yearEnd); }},
        {"Information", [&](auto &l, auto &CR) { l.ShowDatabase(CR); }},
        {"MEMBERCHARGES", [&](auto &l, auto &CR) { l.ShowCHARGESTYPE(CR); }},
        {"EXPENDITUREVOUCHERGROUP", [&](auto &l, auto &CR) { l.ShowEXPENDITUREVOUCHER(CR, voucher12); }},
        {"Sharex", [&](auto &l, auto &CR) { l.ShowShareCertificate(CR, 7, 61, 70); }},
    };
    for (const auto &row : table) {
        SCOPED_TRACE(row.file);
        launch(row.launch);
        ASSERT_EQ(boxes().shown(), std::vector<forms::MessageBoxRecord>{});
        const QList<report::ReportRow> rows = watched.rows();
        ASSERT_FALSE(rows.isEmpty());
        const QSet<QString> printed = wordsApartWithinMargins(printedWords(pdfPath()));
        for (const QString &word : printedWordsOfRows(watched.definition(), rows))
            EXPECT_TRUE(printed.contains(word)) << word.toStdString();
    }
}

namespace {

// The lines of each page between the column headings and the page number, blanks
// squeezed.
QList<QStringList> bodiesOfPages(const QString &pdfPath, const QString &firstHeading)
{
    QList<QStringList> bodies;
    for (const QString &page : printedText(pdfPath).split(u'\f', Qt::SkipEmptyParts)) {
        QStringList lines;
        for (const QString &line : page.split(u'\n')) {
            if (!line.simplified().isEmpty())
                lines << line.simplified();
        }
        qsizetype first = 0;
        while (first < lines.size() && !lines[first].startsWith(firstHeading))
            ++first;
        if (!lines.isEmpty())
            lines.removeLast(); // "Page n of m"
        bodies << lines.mid(first + 1);
    }
    return bodies;
}

bool startsWithAny(const QString &line, const QStringList &labels)
{
    return std::any_of(labels.begin(), labels.end(),
                       [&](const QString &label) { return line.startsWith(label + u':'); });
}

// A heading with the lines it wrapped onto: those up to the next heading or row.
QString headingText(QStringList::const_iterator heading, QStringList::const_iterator end,
                    const QStringList &labels)
{
    QString text = *heading;
    for (auto line = heading + 1; line != end && !line->front().isDigit() && !startsWithAny(*line, labels);
         ++line)
        text += u' ' + *line;
    return text;
}

} // namespace

// A long grouped report breaks its pages between whole pieces: no page ends with a
// heading or begins with a total, and a page that goes on with a group begins with the
// headings of every group it is in, those carried over from the page before marked as
// continued.
TEST_F(ReportPagesTest, PageBreaksKeepEveryRowUnderItsHeadingsAndItsTotals)
{
    const struct {
        const char *name;
        Launch launch;
        QString firstHeading;
        QStringList groupLabels;   // outermost first
        QStringList detailLabels;
    } table[] = {
        {"the bank book of 350 entries",
         [&](auto &l, auto &CR) { l.ShowBankTransactionALL(CR, yearStart, yearEnd); },
         "Date", {"Kind"}, {}},
        {"every bill", [&](auto &l, auto &CR) { l.ShowBill(CR); }, "No.", {"Bill No."},
         {"Date", "Member", "Wing", "Flat", "Amount in words"}},
        {"receipts by date", [&](auto &l, auto &CR) { l.AsDate(CR, yearStart, yearEnd); },
         "Receipt No.", {"Date"}, {}},
        {"the deposits of every member",
         [&](auto &l, auto &CR) { l.MemberDepositDetailALL(CR); }, "Bill No.",
         {"Member", "Receipt No."}, {"Wing", "Flat", "Date"}},
    };
    for (const auto &row : table) {
        SCOPED_TRACE(row.name);
        launch(row.launch);
        const QList<QStringList> pages = bodiesOfPages(pdfPath(), row.firstHeading);
        ASSERT_GT(pages.size(), 2);
        const QStringList labels = row.groupLabels + row.detailLabels;
        QStringList lastHeadings(row.groupLabels.size());
        for (qsizetype page = 0; page < pages.size(); ++page) {
            const QStringList &lines = pages[page];
            SCOPED_TRACE(QStringLiteral("page %1:\n%2").arg(page + 1).arg(lines.join(u'\n')).toStdString());
            ASSERT_FALSE(lines.isEmpty());
            EXPECT_FALSE(lines.first().startsWith(QStringLiteral("Total ")));
            EXPECT_FALSE(lines.first().startsWith(QStringLiteral("Grand total")));
            EXPECT_FALSE(startsWithAny(lines.last(), labels));
            // Every row of these reports begins with a number or a date; headings, details
            // and the lines they wrap onto begin with a letter.
            const auto firstRow = std::find_if(lines.begin(), lines.end(), [](const QString &line) {
                return line.front().isDigit();
            });
            if (page > 0) {
                EXPECT_TRUE(lines.first().startsWith(row.groupLabels.first() + u':'));
            }
            for (qsizetype level = 0; level < row.groupLabels.size(); ++level) {
                const QString label = row.groupLabels[level] + u':';
                const auto heading = std::find_if(lines.begin(), firstRow, [&](const QString &line) {
                    return line.startsWith(label);
                });
                if (heading == firstRow) {
                    EXPECT_EQ(page, 0) << label.toStdString();
                    continue;
                }
                const QString whole = headingText(heading, firstRow, labels);
                const bool continued = whole.endsWith(Continued);
                const QString caption = continued ? whole.chopped(Continued.size()) : whole;
                EXPECT_EQ(continued, page > 0 && caption == lastHeadings[level]) << heading->toStdString();
            }
            for (auto line = lines.begin(); line != lines.end(); ++line) {
                for (qsizetype level = 0; level < row.groupLabels.size(); ++level) {
                    if (line->startsWith(row.groupLabels[level] + u':'))
                        lastHeadings[level] = headingText(line, lines.end(), labels).remove(Continued);
                }
            }
        }
    }
}

// A particular as long or as broken as a remark can be prints every word inside the
// margins, none over another: its own line breaks start new lines of its cell, and what
// a page cannot hold goes on over the next.
TEST_F(ReportPagesTest, ALongOrBrokenParticularPrintsEveryWordOnItsOwnLines)
{
    QStringList complaint;
    for (int word = 1; word <= 900; ++word)
        complaint << QStringLiteral("LEAK%1").arg(word, 3, 10, QLatin1Char('0'));
    const struct {
        const char *name;
        QString particular;
    } table[] = {
        {"a line break", QStringLiteral("WATER\nCHARGES")},
        {"900 words", complaint.join(u' ')},
    };
    for (const auto &row : table) {
        SCOPED_TRACE(row.name);
        execRaw(QStringLiteral("DELETE FROM BILLX WHERE SN = 20"));
        storeBill({{row.particular, 1500}, {QStringLiteral("PARKING CHARGES"), 300}});
        launch([](auto &l, auto &CR) { l.ShowBillAsNumber(CR, 20); });
        const QList<PrintedWords> pages = printedWords(pdfPath());
        const QSet<QString> printed = wordsApartWithinMargins(pages);
        for (const QString &word : wordsOf(row.particular))
            EXPECT_TRUE(printed.contains(word)) << word.toStdString();
        for (qsizetype page = 1; page < pages.size(); ++page) // under the bill's heading
            EXPECT_TRUE(std::any_of(pages[page].words.begin(), pages[page].words.end(),
                                    [](const PrintedText &word) { return word.text == "(continued)"; }))
                << page + 1;
    }
}

// A figure prints whole on one line within its column: an amount rounded as written, a
// half to the even paisa, crores, and a total wider than its column (in a smaller size).
TEST_F(ReportPagesTest, BillFiguresPrintWholeWithinTheirColumn)
{
    const struct {
        const char *name;
        QList<double> amounts;
        QStringList figures; // the lines' amounts, then the total
    } table[] = {
        {"halves of a paisa", {8.345, 2.675, 0.005, 10.125}, {"8.34", "2.68", "0.00", "10.12", "21.14"}},
        {"crores", {9876543210.55, 9876543210.55}, {"9876543210.55", "19753086421.10"}},
        {"beyond the largest total", {99999999999.99, 99999999999.99}, {"199999999999.98"}},
    };
    for (const auto &row : table) {
        SCOPED_TRACE(row.name);
        execRaw(QStringLiteral("DELETE FROM BILLX WHERE SN = 20"));
        QList<std::pair<QString, double>> lines;
        for (double amount : row.amounts)
            lines.append({QStringLiteral("MAINTENANCE"), amount});
        storeBill(lines);
        launch([](auto &l, auto &CR) { l.ShowBillAsNumber(CR, 20); });
        double amountRight = MarginTwips; // the last column's
        for (const report::ReportColumn &column : watched.definition().columns)
            amountRight += column.widthTwips;
        const double amountLeft = amountRight - watched.definition().columns.last().widthTwips;
        QSet<QString> printed;
        for (const PrintedText &word : printedWords(pdfPath()).value(0).words) {
            if (!row.figures.contains(word.text))
                continue;
            printed.insert(word.text);
            EXPECT_GE(word.left, amountLeft) << word.text.toStdString();
            EXPECT_LE(word.right, amountRight) << word.text.toStdString();
        }
        EXPECT_EQ(printed, QSet<QString>(row.figures.begin(), row.figures.end()));
    }
}
