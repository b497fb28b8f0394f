#include "cheque/CHEQUECLASS.h"
#include "cheque/ChequeForm.h"
#include "cheque/ModuleData.h"
#include "cheque/PrintingTest.h"
#include "data/Module1.h"
#include "platform/runtime/App.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <functional>

namespace {

class ChequeFormTest : public PrintingTest {
protected:
    void SetUp() override
    {
        PrintingTest::SetUp();
        Module1::OpenConnection();
        ModuleData::PrintOrientation() = 1;
    }

    void useProfile(const Positions &p)
    {
        LayoutProfileData &profile = ModuleData::LayoutProfile();
        profile = {QStringLiteral("TEST"), std::int16_t(p[0]),  std::int16_t(p[1]),
                   std::int16_t(p[2]),     std::int16_t(p[3]),  std::int16_t(p[4]),
                   std::int16_t(p[5]),     std::int16_t(p[6]),  std::int16_t(p[7]),
                   std::int16_t(p[8]),     std::int16_t(p[9]),  std::int16_t(p[10]),
                   std::int16_t(p[11]),    std::int16_t(p[12]), std::int16_t(p[13])};
    }

    // Shows the face as "Print" does: it prints while it loads and is gone afterwards.
    void printFace()
    {
        QPointer<ChequeForm> face = new ChequeForm;
        face->Form_Load();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_FALSE(face) << "the face stayed loaded";
    }
};

TEST_F(ChequeFormTest, PrintsTheSixFieldsOfTheStoredChequeAtTheProfilePositions)
{
    storedCheque(101, QStringLiteral("ACME TRADERS"));
    // The current cheque holds an older copy: the face prints the register's row.
    ModuleData::ChequeRecord().CHEQUENUMBER = 101;
    ModuleData::ChequeRecord().CHEQUEISSUEDTO = QStringLiteral("STALE COPY");
    useProfile(Axis);

    printFace();

    const PrintedPage page = onlyPrint();
    EXPECT_TRUE(printedFiles(programFolder()).value(0).contains(QStringLiteral("/Cheque_101_")));
    // No signature, no preprinted caption, no underscores: the fields alone.
    EXPECT_EQ(textsOn(page), (QStringList{"00123", "09/03/2024", "1500.5", "A/c Pay Only",
                                          "ACME TRADERS", "ONE THOUSAND FIVE HUNDRED ONLY"}));
    expectChequeAt(page, Axis, QStringLiteral("ACME TRADERS"));
    EXPECT_EQ(page.colourOf(QStringLiteral("A/c Pay Only")), QColor(192, 0, 0));
    EXPECT_NEAR(page.fontSizeOf(QStringLiteral("A/c Pay Only")), 8.25, 0.5);
    EXPECT_NEAR(page.fontSizeOf(QStringLiteral("1500.5")), 9.75, 0.5);
    for (const QString &text : textsOn(page)) {
        EXPECT_TRUE(page.isBold(text)) << text.toStdString();
        if (text != QStringLiteral("A/c Pay Only")) {
            EXPECT_EQ(page.colourOf(text), QColor(Qt::black)) << text.toStdString();
        }
    }
    EXPECT_TRUE(boxes().shown().empty());
}

// However long the amount, its words print whole, every word within the label that
// the profile places: nothing wraps past its bottom or runs past its right edge.
TEST_F(ChequeFormTest, TheWordsOfTheLargestAmountsPrintWholeWithinTheirLabel)
{
    const QString amounts[] = {widestWordsAmount(), QStringLiteral("999999999"),
                               QStringLiteral("1234567"), QStringLiteral("1500")};
    useProfile(Defaults);
    // The label's box, give or take the rounding of the positions read back.
    const QRectF label = QRectF(Defaults[6], Defaults[7], 6255, 375).adjusted(-1, -1, 1, 1);
    // A line of 7 pt text in this face stands more than 7 * 20 * 1.1 twips tall.
    const double legibleLineHeight = 7 * 20 * 1.1;
    for (const QString &amount : amounts) {
        QDir(programFolder() + QStringLiteral("/Printed")).removeRecursively();
        execRaw(QStringLiteral("delete from CHEQUETABLE"));
        storedAmount(7, amount);
        ModuleData::ChequeRecord().CHEQUENUMBER = 7;

        printFace();

        const PrintedPage page = onlyPrint();
        QStringList within;
        for (const PrintedText &line : page.texts()) {
            if (!label.contains(QRectF(QPointF(line.left, line.top),
                                       QPointF(line.right, line.bottom))))
                continue;
            within << line.text;
            EXPECT_GT(line.bottom - line.top, legibleLineHeight) << line.text.toStdString();
        }
        const QString words = CalculateClass().Calculate(amount);
        EXPECT_EQ(within.join(' '), words.simplified()) << amount.toStdString();
    }
}

TEST_F(ChequeFormTest, StampsOnlyAFlagOfExactlyYes)
{
    storedCheque(1, QStringLiteral("LOWER"), QStringLiteral("yes"));
    storedCheque(2, QStringLiteral("NO FLAG"), QStringLiteral("NO"));
    storedCheque(3, QStringLiteral("EMPTY FLAG"), QString());
    useProfile(Axis);
    for (double number : {1, 2, 3}) {
        ModuleData::ChequeRecord().CHEQUENUMBER = number;
        printFace();
    }

    const QStringList files = printedFiles(programFolder());
    ASSERT_EQ(files.size(), 3);
    for (const QString &file : files) {
        const PrintedPage page(file);
        EXPECT_EQ(textsOn(page).size(), 5) << textsOn(page).join('|').toStdString();
        EXPECT_FALSE(page.find(QStringLiteral("A/c Pay Only")));
    }
}

// The lookup says why the register holds no such cheque, and then no leaf is spent: not
// on the amount 0 of no cheque, nor on the stale values of one deleted meanwhile.
TEST_F(ChequeFormTest, ACurrentChequeTheRegisterDoesNotHoldPrintsNothing)
{
    const struct {
        const char *road;
        std::function<void()> makeCurrent;
    } cases[] = {
        {"no cheque loaded yet", [] {}},
        {"the current cheque deleted meanwhile",
         [this] {
             storedCheque(5, QStringLiteral("ACME"));
             CHEQUECLASS().FindChequeDETAIL(5);
             execRaw(QStringLiteral("delete from CHEQUETABLE"));
         }},
    };
    useProfile(Axis);
    for (const auto &c : cases) {
        ModuleData::ChequeRecord() = ChequeRecordData();
        c.makeCurrent();
        boxes().clear();

        printFace();

        ASSERT_EQ(boxes().shown().size(), 1u) << c.road;
        const forms::MessageBoxRecord &box = boxes().shown()[0];
        EXPECT_TRUE(box.text.startsWith(QStringLiteral("Either BOF or EOF is True")))
            << c.road << ": " << box.text.toStdString();
        EXPECT_EQ(box.title, rt::App::Title()) << c.road;
        EXPECT_EQ(printedFiles(programFolder()), QStringList()) << c.road;
    }
}

TEST_F(ChequeFormTest, ABlankedCaptionCoversAFieldMovedBeneathIt)
{
    storedCheque(5, QStringLiteral("ACME TRADERS"));
    ModuleData::ChequeRecord().CHEQUENUMBER = 5;
    Positions onRupeeRow = Axis;
    onRupeeRow[5] = 1920; // the payee onto the row of the blanked underscores
    useProfile(onRupeeRow);

    printFace();

    const PrintedPage page = onlyPrint();
    EXPECT_TRUE(page.find(QStringLiteral("ACME TRADERS")));
    EXPECT_EQ(page.inkWithin(QRect(3300, 1920, 1500, 255)), 0);
    // The stamp, beneath no caption, prints.
    EXPECT_GT(page.inkWithin(QRect(600, 300, 1455, 255)), 0);
}

// What prints is the face, 12060 by 5490 twips, on the paper, a portrait A4 sheet 11906
// wide: a text that either edge would cut is refused with a word and nothing prints;
// everything else prints whole where the profile puts it.
TEST_F(ChequeFormTest, ATextThePaperOrTheFaceWouldCutIsRefusedAndNothingPrints)
{
    const auto cut = [](const char *field, const char *edge, const char *of,
                        const char *help = "") {
        return QStringLiteral("\"%1\" would be cut at the %2 edge of the %3: move it%4")
            .arg(QLatin1String(field), QLatin1String(edge), QLatin1String(of),
                 QLatin1String(help));
    };
    const struct {
        const char *road;
        int position;
        int twips;
        std::int16_t orientation;
        QString refusal; // empty: the cheque prints
    } cases[] = {
        {"the date past the portrait page", 2, 10840, 1,
         cut("Date", "right", "portrait page", ", or choose Landscape")},
        {"the same date on a landscape page, its ink within the face", 2, 10840, 2, {}},
        {"the date past the face", 2, 11500, 2, cut("Date", "right", "cheque")},
        {"the account number across the face's bottom", 11, 5400, 2,
         cut("A/c No", "bottom", "cheque")},
        {"the payee wholly below the face", 5, 6000, 1, cut("Name", "bottom", "cheque")},
        {"the stamp past the left edge", 0, -40, 1, cut("A/C Pay Only", "left", "cheque")},
        {"the signature, which never prints, past the page", 12, 11500, 1, {}},
    };
    storedCheque(5, QStringLiteral("ACME TRADERS"));
    const auto dateArea = [](const Positions &p) { return QRect(p[2], p[3] - 60, 1700, 420); };
    ModuleData::ChequeRecord().CHEQUENUMBER = 5;
    useProfile(Axis);
    printFace();
    const int wholeDateInk = onlyPrint().inkWithin(dateArea(Axis));
    ASSERT_GT(wholeDateInk, 0);
    for (const auto &c : cases) {
        QDir(programFolder() + QStringLiteral("/Printed")).removeRecursively();
        boxes().clear();
        ModuleData::ChequeRecord().CHEQUENUMBER = 5;
        ModuleData::PrintOrientation() = c.orientation;
        Positions moved = Axis;
        moved[c.position] = c.twips;
        useProfile(moved);

        printFace();

        if (!c.refusal.isEmpty()) {
            EXPECT_EQ(boxes().shown(),
                      (std::vector<forms::MessageBoxRecord>{
                          {c.refusal, forms::vbOKOnly, forms::vbInformation, "Wrong Entry"}}))
                << c.road;
            EXPECT_EQ(printedFiles(programFolder()), QStringList()) << c.road;
            continue;
        }
        EXPECT_TRUE(boxes().shown().empty()) << c.road;
        const PrintedPage page = onlyPrint();
        expectChequeAt(page, moved, QStringLiteral("ACME TRADERS"));
        // Whole: a date cut at the face's or the paper's edge has less ink than one
        // printed where nothing cuts it.
        EXPECT_EQ(page.inkWithin(dateArea(moved)), wholeDateInk) << c.road;
    }
}

TEST_F(ChequeFormTest, APrinterFailureIsShownAndNothingPrints)
{
    storedCheque(5, QStringLiteral("ACME"));
    ModuleData::ChequeRecord().CHEQUENUMBER = 5;
    QFile blocker(programFolder() + QStringLiteral("/Printed"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    printFace();

    ASSERT_EQ(boxes().shown().size(), 1u);
    const forms::MessageBoxRecord &box = boxes().shown()[0];
    EXPECT_TRUE(box.text.startsWith(QStringLiteral("Printer error"))) << box.text.toStdString();
    EXPECT_EQ(box.buttons, forms::vbOKOnly);
    EXPECT_EQ(box.icon, 0);
    EXPECT_EQ(box.title, rt::App::Title());
    EXPECT_TRUE(QFileInfo(blocker.fileName()).isFile());
}

} // namespace
