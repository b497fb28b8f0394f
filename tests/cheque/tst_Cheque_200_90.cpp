#include "cheque/Cheque_200_90.h"
#include "cheque/FRM_BANK.h"
#include "cheque/ModuleData.h"
#include "cheque/PrintingTest.h"
#include "data/Module1.h"
#include "platform/forms/DataGrid.h"
#include "platform/forms/FormsRegistry.h"
#include "platform/forms/TwipsLabel.h"
#include "platform/runtime/App.h"
#include "support/FormDriving.h"
#include "support/RefusingPrinter.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDateEdit>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>
#include <cmath>
#include <functional>

using forms::MessageBoxRecord;

namespace {

const QString AppTitle = rt::App::Title();

MessageBoxRecord positionRefusal(const char *box, const char *field)
{
    return {QStringLiteral("The %1 box of \"%2\" must hold a number from -32768 to 32767")
                .arg(QLatin1String(box), QLatin1String(field)),
            forms::vbOKOnly, forms::vbInformation, QStringLiteral("Wrong Entry")};
}

class Cheque_200_90Test : public PrintingTest {
protected:
    // The form goes first, with the popups of its combo boxes, which are windows of
    // their own.
    void TearDown() override
    {
        delete form_;
        PrintingTest::TearDown();
    }

    Cheque_200_90 *openForm()
    {
        form_ = new Cheque_200_90;
        form_->show();
        return form_;
    }

    std::array<QLineEdit *, 14> positionBoxes() const { return form_->positionBoxes(); }

    QStringList boxTexts() const
    {
        QStringList texts;
        for (QLineEdit *box : positionBoxes())
            texts << box->text();
        return texts;
    }

    void writeBoxes(const QStringList &texts)
    {
        const auto boxes = positionBoxes();
        for (int i = 0; i < 14; ++i)
            boxes[i]->setText(texts[i]);
    }

    // Each field label's Left and Top, in twips, in field order.
    QStringList labelPositions() const
    {
        QStringList positions;
        for (const forms::TwipsLabel *label :
             {form_->lblacpay, form_->lblDMY, form_->lblName, form_->lblRupee, form_->lblRs,
              form_->lblaccountN, form_->lblSign})
            positions << QString::number(label->Left()) << QString::number(label->Top());
        return positions;
    }

    static QStringList texts(const Positions &positions)
    {
        QStringList made;
        for (int position : positions)
            made << QString::number(position);
        return made;
    }

    QStringList profileRow(const QString &name)
    {
        return rowsRaw(QStringLiteral("select * from DATAX where NAMEX = '%1'").arg(name));
    }

    QPointer<Cheque_200_90> form_;
};

TEST_F(Cheque_200_90Test, LoadShowsTheLowestChequeAtTheDefaultsAndNamesTheFirstProfile)
{
    storedCheque(20, QStringLiteral("SECOND PAYEE"), QStringLiteral("NO"));
    storedCheque(10, QStringLiteral("FIRST PAYEE"), QStringLiteral("YES"));
    storedProfile(QStringLiteral("SBI"), Axis);
    storedProfile(QStringLiteral("AXIS"), Axis);
    openForm();

    EXPECT_EQ(form_->windowTitle(), "Cheque");
    EXPECT_EQ(listOf(form_->cmbcheque), (QStringList{"10", "20"}));
    EXPECT_EQ(form_->cmbcheque->currentText(), "10");
    EXPECT_EQ(form_->lblacpay->text(), "A/c Pay Only");
    EXPECT_EQ(form_->lblDMY->text(), "09/03/2024");
    EXPECT_EQ(form_->lblName->text(), "FIRST PAYEE");
    EXPECT_EQ(form_->lblRupee->text(), "ONE THOUSAND FIVE HUNDRED ONLY");
    EXPECT_EQ(form_->lblRs->text(), "1500.5");
    EXPECT_EQ(form_->lblaccountN->text(), "00123");
    EXPECT_EQ(form_->lblSign->text(), "R. MEHTA");
    // The preprinted captions stay on the preview.
    EXPECT_EQ(form_->lblPay->text(), "Pay");
    EXPECT_EQ(form_->lblR->text(), "Rs.");

    // The profile box names the first profile without applying it.
    EXPECT_EQ(listOf(form_->cmbcustomname), (QStringList{"AXIS", "SBI"}));
    EXPECT_EQ(form_->cmbcustomname->currentText(), "AXIS");
    EXPECT_EQ(boxTexts(), texts(Defaults));
    EXPECT_EQ(labelPositions(), texts(Defaults));
    EXPECT_EQ(form_->lblName->pos(), QPoint(3240 / 15, 720 / 15));

    const QAbstractItemModel *grid = form_->DG->model();
    ASSERT_TRUE(grid);
    EXPECT_EQ(grid->rowCount(), 2);
    EXPECT_EQ(grid->headerData(0, Qt::Horizontal).toString(), "Ch_No");
    EXPECT_EQ(grid->headerData(1, Qt::Horizontal).toString(), "AMOUNT");
    EXPECT_EQ(grid->headerData(2, Qt::Horizontal).toString(), "Issued_To");
    EXPECT_TRUE(boxes().shown().empty());
    EXPECT_EQ(Module1::SharedConnection().State(), ado::adStateOpen);
}

// The preview shows the words of any accepted amount whole inside the label's width,
// at the profile's corner; short words keep the design face.
TEST_F(Cheque_200_90Test, ThePreviewShowsTheWordsOfTheLargestAmountsWhole)
{
    const std::pair<QString, bool> amounts[] = {{widestWordsAmount(), false},
                                                {QStringLiteral("999999999"), false},
                                                {QStringLiteral("1500"), true}};
    for (const auto &[amount, designFace] : amounts) {
        execRaw(QStringLiteral("delete from CHEQUETABLE"));
        storedAmount(7, amount);
        openForm();
        forms::TwipsLabel *words = form_->lblRupee;

        EXPECT_EQ(words->text(), CalculateClass().Calculate(amount));
        const QRect box = words->contentsRect();
        const QRect drawn = words->fontMetrics().boundingRect(
            box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, words->text());
        EXPECT_TRUE(box.contains(drawn)) << amount.toStdString();
        EXPECT_GE(words->font().pointSizeF(), 7) << amount.toStdString();
        EXPECT_EQ(words->font().pointSizeF() == 9.75, designFace) << amount.toStdString();
        EXPECT_EQ(QPointF(words->Left(), words->Top()), QPointF(2520, 1560));
        delete form_;
    }
}

TEST_F(Cheque_200_90Test, AnEmptyRegisterLeavesTheDesignCaptions)
{
    openForm();
    EXPECT_EQ(form_->cmbcheque->count(), 0);
    EXPECT_EQ(form_->lblacpay->text(), "A\\C Pay Only");
    EXPECT_EQ(form_->lblDMY->text(), "Date");
    // Nothing placed them: the amount in figures keeps its design Left, short of its
    // default.
    EXPECT_EQ(form_->lblRs->Left(), 9360);
    EXPECT_EQ(form_->xrsno->text(), "9960");
    EXPECT_TRUE(boxes().shown().empty());
}

TEST_F(Cheque_200_90Test, PlacesEveryControlAsDesigned)
{
    openForm(); // an empty register: nothing moves the preview's labels
    const auto pixels = [](const QRect &twips) {
        const auto pixel = [](int twip) { return static_cast<int>(std::lround(twip / 15.0)); };
        return QRect(pixel(twips.left()), pixel(twips.top()), pixel(twips.width()),
                     pixel(twips.height()));
    };
    const struct {
        QWidget *control;
        QWidget *container;
        QRect twips;
        QString caption;
        QString toolTip;
    } table[] = {
        {form_->Frame2, form_, {6720, 4560, 8415, 3975}, "Alignment", ""},
        {form_->Label2, form_->Frame2, {120, 300, 1815, 255}, "Custom Name :", ""},
        {form_->Label10, form_->Frame2, {2160, 600, 495, 255}, "Left :", ""},
        {form_->Label11, form_->Frame2, {4080, 600, 495, 255}, "Top :", ""},
        {form_->Label3, form_->Frame2, {120, 960, 1815, 255}, "A/C Pay Only :", ""},
        {form_->Label7, form_->Frame2, {120, 2400, 1815, 255}, "Ruppe in No :", ""},
        {form_->Label9, form_->Frame2, {120, 3120, 1815, 255}, "Sign :", ""},
        {form_->xdate, form_->Frame2, {2040, 1320, 735, 285}, "9960", ""},
        {form_->yrsno, form_->Frame2, {3960, 2400, 735, 360}, "1680", ""},
        {form_->Command19, form_->Frame2, {2880, 1680, 375, 255}, "<", ""},
        {form_->Command20, form_->Frame2, {3360, 1680, 375, 255}, ">", ""},
        {form_->Command11, form_->Frame2, {4800, 2760, 375, 255}, "", ""},
        {form_->Command12, form_->Frame2, {5280, 2760, 375, 255}, "^", ""},
        {form_->cmdAllleft, form_->Frame2, {2880, 3480, 375, 255}, "<", "To Shift Left"},
        {form_->cmdAlRight, form_->Frame2, {3360, 3480, 375, 255}, ">", "To Shift Right"},
        {form_->cmdAlDown, form_->Frame2, {4800, 3480, 375, 255}, "", "To Shift Down"},
        {form_->cmdAlUp, form_->Frame2, {5280, 3480, 375, 255}, "^", "To Shift Up"},
        {form_->cmdadjust, form_->Frame2, {5880, 233, 2415, 375}, "Adjust Distance",
         "Select Custome Name Like SBI, PNB, AXIS, ICICI etc"},
        {form_->cmdDefault, form_->Frame2, {5880, 960, 2415, 495}, "Set Default",
         "Click to adjust Default Alignment"},
        {form_->cmdCustom, form_->Frame2, {5880, 1560, 2415, 495}, "Set Customised",
         "Adjust values and click"},
        {form_->cmdsave, form_->Frame2, {5880, 2160, 2415, 495}, "Save Customised",
         "Write Custom name of Alignment, Adjust alignment values and clcik to save values"},
        {form_->Cmddelcustom, form_->Frame2, {5880, 2760, 2415, 495}, "Delete Custom Name",
         "Select Custom Name and click to delete custom values"},
        {form_->Frame1, form_, {0, 4560, 6615, 3975}, "", ""},
        {form_->Label1, form_->Frame1, {120, 120, 2175, 375}, "Select Cheque No :", ""},
        {form_->OptP, form_->Frame1, {3600, 120, 855, 195}, "Portrait", ""},
        {form_->OptL, form_->Frame1, {3600, 360, 1335, 195}, "Landscape", ""},
        {form_->cmdPrint, form_->Frame1, {5040, 120, 1455, 375}, "Print",
         "Select Cheque Number, Select Custom alignment Name, Select Portrait or Landscape "
         "then click Print to print Cheque"},
        {form_->DG, form_->Frame1, {120, 600, 6375, 3015}, "", ""},
        {form_->cmdHelp, form_, {14640, 120, 615, 480}, "Help", "To Shift Up"},
        {form_->lblacpay, form_, {120, 120, 1455, 255}, "A\\C Pay Only", ""},
        {form_->lblDMY, form_, {9960, 240, 1695, 255}, "Date", ""},
        {form_->lblName1, form_, {240, 1080, 9255, 255}, QString(77, '_'), ""},
        {form_->lblRupee, form_, {2520, 1560, 5895, 375}, QString(51, '_'), ""},
        {form_->lblRupee1, form_, {240, 1920, 8175, 255}, QString(70, '_'), ""},
        {form_->Shape2, form_, {8760, 1560, 2775, 495}, "", ""},
        {form_->Line1, form_, {1200, 2280, 15, 360}, "", ""},
        {form_->lblaccountN, form_, {1440, 2340, 2295, 255}, "A/c. No.", ""},
        {form_->lblSign, form_, {5760, 3960, 5655, 255}, "Sign", ""},
        {form_->lblBankName, form_, {240, 3120, 5055, 1335}, "Bank  Name", ""},
    };
    for (const auto &row : table) {
        const std::string name = row.control->objectName().toStdString();
        EXPECT_EQ(row.control->geometry(), pixels(row.twips)) << name;
        EXPECT_EQ(row.control->parentWidget(), row.container) << name;
        QString caption = row.control->property("text").toString();
        if (auto *frame = qobject_cast<QGroupBox *>(row.control))
            caption = frame->title();
        EXPECT_EQ(caption, row.caption) << name;
        EXPECT_EQ(row.control->toolTip(), row.toolTip) << name;
    }
    EXPECT_EQ(form_->cmbcustomname->geometry().topLeft(), QPoint(136, 16));
    EXPECT_EQ(form_->cmbcustomname->width(), 241);
    EXPECT_EQ(form_->cmbcustomname->toolTip(),
              "Select Custome Alignment Name and then clcik Adjust Distance");
    EXPECT_EQ(form_->cmbcheque->geometry().topLeft(), QPoint(144, 8));
    EXPECT_EQ(form_->cmbcheque->width(), 89);
    // The design's client area, and the status line beneath it.
    EXPECT_EQ(form_->statusLine->geometry(),
              QRect(0, 570, 1018, form_->statusLine->sizeHint().height()));
    EXPECT_EQ(form_->size(), QSize(1018, 570 + form_->statusLine->height()));

    // Fonts and colours as the user sees them.
    EXPECT_EQ(form_->palette().color(QPalette::Window), QColor(224, 224, 224));
    EXPECT_EQ(form_->cmdHelp->palette().color(QPalette::Button), QColor(128, 255, 128));
    EXPECT_EQ(form_->cmdAlDown->palette().color(QPalette::Button), QColor(255, 0, 0));
    EXPECT_EQ(form_->lblacpay->palette().color(QPalette::WindowText), QColor(192, 0, 0));
    EXPECT_EQ(form_->lblName->palette().color(QPalette::Window), QColor(224, 224, 224));
    for (QWidget *bold : QList<QWidget *>{form_->cmdPrint, form_->xpay, form_->cmbcheque,
                                          form_->Label5, form_->lblRs}) {
        EXPECT_TRUE(bold->font().bold()) << bold->objectName().toStdString();
        EXPECT_EQ(bold->font().pointSizeF(), 9.75) << bold->objectName().toStdString();
    }
    for (QWidget *plain : QList<QWidget *>{form_->Frame1, form_->Frame2, form_->OptL}) {
        EXPECT_FALSE(plain->font().bold()) << plain->objectName().toStdString();
        EXPECT_EQ(plain->font().pointSizeF(), 8.25) << plain->objectName().toStdString();
    }
    EXPECT_EQ(form_->lblaccountN->font().pointSizeF(), 8.25);
    EXPECT_EQ(form_->lblBankName->font().pointSizeF(), 12);
    EXPECT_EQ(form_->lblSign->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_FALSE(form_->Label1->autoFillBackground());
    EXPECT_TRUE(form_->OptP->isChecked());
    EXPECT_FALSE(form_->OptL->isChecked());
}

TEST_F(Cheque_200_90Test, SavingThenAdjustDistanceGivesBackAllFourteenPositions)
{
    openForm();
    const QStringList saved{"11",  "22",  "33",  "44",  "55",  "66",  "77",
                            "88",  "99",  "111", "122", "133", "144", "155"};
    writeBoxes(saved);
    form_->cmdCustom->click();
    EXPECT_EQ(labelPositions(), saved);
    EXPECT_EQ(ModuleData::LayoutProfile().ACPAYLEFT, Defaults[0]);
    form_->cmbcustomname->setEditText(QStringLiteral("PNB"));
    form_->cmdsave->click();

    EXPECT_EQ(boxes().shown(), (std::vector<MessageBoxRecord>{
                                   {QStringLiteral("ENTERED"), forms::vbOKCancel, 0,
                                    QStringLiteral("Data")}}));
    EXPECT_EQ(profileRow(QStringLiteral("PNB")),
              QStringList{"1|PNB|11|22|33|44|55|66|77|88|99|111|122|133|144|155"});
    EXPECT_EQ(listOf(form_->cmbcustomname), QStringList{"PNB"});

    form_->cmdDefault->click();
    EXPECT_EQ(boxTexts(), texts(Defaults));
    EXPECT_EQ(labelPositions(), texts(Defaults));
    form_->cmdadjust->click();
    EXPECT_EQ(boxTexts(), saved);
    EXPECT_EQ(labelPositions(), saved);
}

TEST_F(Cheque_200_90Test, ASecondProfileOfTheSameNameIsRefused)
{
    storedProfile(QStringLiteral("PNB"), Axis);
    openForm();
    form_->cmbcustomname->setEditText(QStringLiteral("PNB"));
    form_->cmdsave->click();

    EXPECT_EQ(boxes().shown(), (std::vector<MessageBoxRecord>{
                                   {QStringLiteral("Custom Name already Entered"), forms::vbOKOnly,
                                    0, AppTitle}}));
    EXPECT_EQ(profileRow(QStringLiteral("PNB")).size(), 1);
    EXPECT_EQ(scalarRaw(QStringLiteral("select ACPAYLEFT from DATAX")), "600");
}

TEST_F(Cheque_200_90Test, SavingRoundsHalvesToTheEvenTwip)
{
    openForm();
    form_->xpay->setText(QStringLiteral("1000.5"));
    form_->ypay->setText(QStringLiteral("1001.5"));
    form_->cmbcustomname->setEditText(QStringLiteral("HALF"));
    form_->cmdsave->click();

    EXPECT_EQ(rowsRaw(QStringLiteral("select ACPAYLEFT, ACPAYTOP from DATAX")),
              QStringList{"1000|1002"});
}

TEST_F(Cheque_200_90Test, SavingWithoutANameAsksForOne)
{
    openForm();
    form_->cmbcustomname->setEditText(QString());
    form_->cmdsave->click();

    EXPECT_EQ(boxes().shown(), (std::vector<MessageBoxRecord>{
                                   {QStringLiteral("Please write Custom Name"), forms::vbOKCancel,
                                    0, QStringLiteral("Wrong Entry")}}));
    EXPECT_EQ(scalarRaw(QStringLiteral("select count(*) from DATAX")), "0");
}

TEST_F(Cheque_200_90Test, LoadingAnUnknownNameChangesNothingAndShowsNothing)
{
    openForm();
    QTest::mouseClick(form_->cmdAlDown, Qt::LeftButton);
    QTest::keyClicks(form_->cmbcustomname->lineEdit(), QStringLiteral("nobody"));
    QTest::mouseClick(form_->cmdadjust, Qt::LeftButton);

    // No profile loaded since the start: the boxes receive the defaults it starts with.
    EXPECT_TRUE(boxes().shown().empty());
    EXPECT_EQ(boxTexts(), texts(Defaults));
    EXPECT_EQ(labelPositions(), texts(Defaults));
    EXPECT_EQ(ModuleData::LayoutProfile().NAMEX, "");
}

TEST_F(Cheque_200_90Test, NudgesMoveByFortyTwipsWithNoBound)
{
    openForm();
    for (int press = 0; press < 3; ++press)
        form_->Command15->click();
    EXPECT_EQ(form_->xpay->text(), "0");
    EXPECT_EQ(form_->lblacpay->Left(), 0);
    form_->Command15->click();
    EXPECT_EQ(form_->xpay->text(), "-40");
    EXPECT_EQ(form_->lblacpay->Left(), -40);
    EXPECT_LT(form_->lblacpay->x(), 0);

    form_->Command1->click(); // down
    EXPECT_EQ(form_->ypay->text(), "160");
    form_->Command14->click(); // the signature up
    EXPECT_EQ(form_->ysign->text(), "3920");
    EXPECT_EQ(form_->lblSign->Top(), 3920);
    form_->xrsno->setText(QStringLiteral("12.5"));
    form_->Command24->click(); // the amount in figures right
    EXPECT_EQ(form_->xrsno->text(), "52.5");
    EXPECT_EQ(form_->lblRs->Left(), 52.5);

    form_->cmdAllleft->click();
    EXPECT_EQ(boxTexts(), (QStringList{"-80", "160", "9920", "240", "3200", "720", "2480", "1560",
                                       "12.5", "1680", "1400", "2340", "5720", "3920"}));
    form_->cmdAlUp->click();
    EXPECT_EQ(boxTexts(), (QStringList{"-80", "120", "9920", "200", "3200", "680", "2480", "1520",
                                       "12.5", "1640", "1400", "2300", "5720", "3880"}));
    EXPECT_EQ(labelPositions(), boxTexts());
    EXPECT_TRUE(boxes().shown().empty());
}

// A box that holds no position refuses the action and leaves everything as it was.
TEST_F(Cheque_200_90Test, APositionBoxThatHoldsNoPositionIsRefused)
{
    storedProfile(QStringLiteral("AXIS"), Axis);
    openForm();
    form_->cmdadjust->click();
    const QStringList loaded = boxTexts();

    form_->ydate->setText(QStringLiteral("ABC"));
    form_->cmdCustom->click();
    form_->Command16->click();
    form_->cmdAllleft->click();
    form_->cmbcustomname->setEditText(QStringLiteral("NEW"));
    form_->cmdsave->click();
    EXPECT_EQ(boxes().shown(), std::vector<MessageBoxRecord>(4, positionRefusal("Top", "Date")));
    EXPECT_EQ(form_->xpay->text(), "600");
    EXPECT_EQ(labelPositions(), texts(Axis));

    boxes().clear();
    form_->ydate->setText(QStringLiteral("400"));
    form_->xsign->setText(QStringLiteral("40000"));
    form_->cmdsave->click();
    form_->xsign->setText(QStringLiteral("32767"));
    form_->Command28->click(); // right, past the largest position
    EXPECT_EQ(boxes().shown(), (std::vector<MessageBoxRecord>{positionRefusal("Left", "Sign"),
                                                              positionRefusal("Left", "Sign")}));
    EXPECT_EQ(form_->xsign->text(), "32767");
    EXPECT_EQ(form_->lblSign->Left(), 5000);
    EXPECT_EQ(scalarRaw(QStringLiteral("select count(*) from DATAX")), "1");
    EXPECT_EQ(ModuleData::LayoutProfile().NAMEX, "AXIS");
    EXPECT_EQ(ModuleData::LayoutProfile().SIGNLEFT, 5000);
    EXPECT_EQ(boxTexts().mid(0, 12), loaded.mid(0, 12));
}

TEST_F(Cheque_200_90Test, PrintUsesTheProfileSavedUnderTheNameNotThePreview)
{
    storedCheque(10, QStringLiteral("ACME TRADERS"));
    storedProfile(QStringLiteral("AXIS"), Axis);
    openForm();
    form_->Command16->click(); // the preview moves; the saved profile does not

    form_->cmdPrint->click();

    EXPECT_EQ(ModuleData::PrintOrientation(), 1);
    const PrintedPage page = onlyPrint();
    EXPECT_LT(page.sizeTwips().width(), page.sizeTwips().height());
    expectChequeAt(page, Axis, QStringLiteral("ACME TRADERS"));
    EXPECT_TRUE(boxes().shown().empty());
}

// Without a printer the cheque goes to a PDF file and the status line says where. A queue
// that refuses the job says so in a box; the form stays as it was, and nothing claims
// that the cheque printed.
TEST_F(Cheque_200_90Test, PrintSaysWhereThePdfWentOrShowsThePrinterThatRefusedTheJob)
{
    storedCheque(10, QStringLiteral("ACME TRADERS"));
    storedProfile(QStringLiteral("AXIS"), Axis);
    openForm();

    QTest::mouseClick(form_->cmdPrint, Qt::LeftButton);

    const QStringList printed = printedFiles(programFolder());
    ASSERT_EQ(printed.size(), 1);
    EXPECT_EQ(form_->statusLine->currentMessage(), "No printer: the cheque went to " + printed[0]);
    EXPECT_TRUE(boxes().shown().empty());

    printer::Printer::setDeviceForTesting(
        [] { return std::make_unique<RefusingPrinter>(QStringLiteral("OFFICE-LASER")); });
    const QStringList positions = boxTexts();
    const QStringList preview = labelPositions();

    QTest::mouseClick(form_->cmdPrint, Qt::LeftButton);

    EXPECT_EQ(boxes().shown(),
              (std::vector<MessageBoxRecord>{
                  {"Printer error: the document Cheque_10 did not reach OFFICE-LASER",
                   forms::vbOKOnly, 0, AppTitle}}));
    EXPECT_EQ(printedFiles(programFolder()), printed);
    EXPECT_EQ(form_->statusLine->currentMessage(), QString());
    EXPECT_TRUE(form_->isVisible());
    EXPECT_EQ(form_->cmbcheque->currentText(), "10");
    EXPECT_EQ(form_->cmbcustomname->currentText(), "AXIS");
    EXPECT_EQ(boxTexts(), positions);
    EXPECT_EQ(labelPositions(), preview);
}

// "Print" prints the cheque the box names, looked up afresh. When the register holds no
// such cheque, the message says why and nothing prints; an earlier print's word on the
// status line does not stand for this one.
TEST_F(Cheque_200_90Test, PrintPrintsNothingWhenTheChequeBoxNamesNoStoredCheque)
{
    const auto printOnce = [this] {
        QTest::mouseClick(form_->cmdPrint, Qt::LeftButton);
        ASSERT_EQ(printedFiles(programFolder()).size(), 1);
        ASSERT_FALSE(form_->statusLine->currentMessage().isEmpty());
    };
    const struct {
        const char *road;
        bool stored;
        std::function<void()> meanwhile;
        QString says;
        int icon;
        QString title;
    } cases[] = {
        {"an empty register", false, [] {}, "Select Cheque No to Print", forms::vbInformation,
         "Wrong Entry"},
        {"the cheque deleted meanwhile", true,
         [&] {
             printOnce();
             execRaw(QStringLiteral("delete from CHEQUETABLE"));
         },
         "Either BOF or EOF is True", 0, AppTitle},
        {"a box that holds no number", true,
         [&] {
             printOnce();
             typeInto(form_->cmbcheque->lineEdit(), QStringLiteral("x"));
         },
         "Write the cheque number in figures", forms::vbInformation, "Wrong Entry"},
    };
    for (const auto &c : cases) {
        execRaw(QStringLiteral("delete from CHEQUETABLE"));
        QDir(programFolder() + QStringLiteral("/Printed")).removeRecursively();
        if (c.stored)
            storedCheque(10, QStringLiteral("ACME"));
        openForm();
        c.meanwhile();
        boxes().clear();
        const QString previewed = form_->lblName->text();

        QTest::mouseClick(form_->cmdPrint, Qt::LeftButton);

        ASSERT_EQ(boxes().shown().size(), 1u) << c.road;
        const MessageBoxRecord &box = boxes().shown()[0];
        EXPECT_TRUE(box.text.startsWith(c.says)) << c.road << ": " << box.text.toStdString();
        EXPECT_EQ(box.icon, c.icon) << c.road;
        EXPECT_EQ(box.title, c.title) << c.road;
        EXPECT_EQ(printedFiles(programFolder()).size(), c.stored ? 1 : 0) << c.road;
        EXPECT_EQ(form_->statusLine->currentMessage(), QString()) << c.road;
        EXPECT_EQ(form_->lblName->text(), previewed) << c.road;
        delete form_;
    }
}

// The face is wider than a portrait A4 sheet: a date nudged to Left 10840 would print
// as "09/03/202". The print is refused, naming the field, and no page is spent on it.
TEST_F(Cheque_200_90Test, ADateNudgedPastThePortraitPageIsRefusedNotCut)
{
    storedCheque(10, QStringLiteral("ACME"));
    openForm();
    for (int press = 0; press < 22; ++press)
        QTest::mouseClick(form_->Command18, Qt::LeftButton); // the date right
    ASSERT_EQ(form_->xdate->text(), "10840");
    QTest::keyClicks(form_->cmbcustomname->lineEdit(), QStringLiteral("leaf"));
    QTest::mouseClick(form_->cmdsave, Qt::LeftButton);
    boxes().clear();

    QTest::keyClick(form_->cmdPrint, Qt::Key_Space);

    ASSERT_EQ(boxes().shown().size(), 1u);
    const MessageBoxRecord &box = boxes().shown()[0];
    EXPECT_TRUE(box.text.startsWith(
        "\"Date\" would be cut at the right edge of the portrait page: move it"))
        << box.text.toStdString();
    EXPECT_EQ(box.icon, forms::vbInformation);
    EXPECT_EQ(box.title, "Wrong Entry");
    EXPECT_EQ(printedFiles(programFolder()), QStringList());
    EXPECT_EQ(form_->statusLine->currentMessage(), QString());
}

TEST_F(Cheque_200_90Test, AProfileSavedUnderANewNameIsNotTheOneThatPrints)
{
    storedCheque(10, QStringLiteral("ACME TRADERS"));
    storedProfile(QStringLiteral("AXIS"), Axis);
    openForm();
    form_->cmbcustomname->setEditText(QStringLiteral("ZED"));
    form_->cmdsave->click();
    EXPECT_EQ(form_->cmbcustomname->currentText(), "AXIS");

    form_->OptL->setChecked(true);
    form_->cmdPrint->click();

    EXPECT_EQ(ModuleData::PrintOrientation(), 2);
    const PrintedPage page = onlyPrint();
    EXPECT_GT(page.sizeTwips().width(), page.sizeTwips().height());
    expectChequeAt(page, Axis, QStringLiteral("ACME TRADERS"));
}

// As "Help" says: "Set Default" when the default alignment suits, then "Print". Before
// any profile was loaded or saved, the texts print at the default positions; an unsaved
// edit of the boxes does not print.
TEST_F(Cheque_200_90Test, BeforeAnyProfileSetDefaultThenPrintPrintsAtTheDefaults)
{
    storedCheque(10, QStringLiteral("ACME"));
    openForm();
    ASSERT_EQ(form_->cmbcustomname->currentText(), QString());
    QTest::mouseClick(form_->cmdDefault, Qt::LeftButton);
    QTest::mouseClick(form_->Command18, Qt::LeftButton); // the date right, not saved
    QTest::mouseClick(form_->cmdPrint, Qt::LeftButton);

    expectChequeAt(onlyPrint(), Defaults, QStringLiteral("ACME"));
    EXPECT_TRUE(boxes().shown().empty());
}

TEST_F(Cheque_200_90Test, TypingAChequeNumberLooksUpEachText)
{
    storedCheque(10, QStringLiteral("TEN"));
    storedCheque(25, QStringLiteral("TWENTY FIVE"));
    openForm();
    form_->cmbcheque->lineEdit()->clear();

    typeInto(form_->cmbcheque->lineEdit(), QStringLiteral("25"));
    // "2" is no stored cheque: the lookup says so and the preview stays on cheque 10.
    ASSERT_EQ(boxes().shown().size(), 1u);
    EXPECT_EQ(boxes().shown()[0].title, AppTitle);
    EXPECT_EQ(form_->lblName->text(), "TWENTY FIVE");
    EXPECT_EQ(ModuleData::ChequeRecord().CHEQUENUMBER, 25);

    boxes().clear();
    typeInto(form_->cmbcheque->lineEdit(), QStringLiteral("x"));
    EXPECT_EQ(form_->cmbcheque->currentText(), "25X");
    EXPECT_EQ(boxes().shown(), (std::vector<MessageBoxRecord>{
                                   {QStringLiteral("Write the cheque number in figures"),
                                    forms::vbOKOnly, forms::vbInformation,
                                    QStringLiteral("Wrong Entry")}}));
    EXPECT_EQ(form_->lblName->text(), "TWENTY FIVE");
}

TEST_F(Cheque_200_90Test, DeleteCustomNameAsksFirst)
{
    storedProfile(QStringLiteral("AXIS"), Axis);
    storedProfile(QStringLiteral("SBI"), Axis);
    openForm();
    const MessageBoxRecord question{QStringLiteral("Do you need to Delete data"), forms::vbYesNo,
                                    0, QStringLiteral("?")};
    const MessageBoxRecord deleted{QStringLiteral("Deleted"), forms::vbOKOnly, 0,
                                   QStringLiteral("Delete")};

    boxes().queueAnswer(forms::vbNo);
    form_->Cmddelcustom->click();
    EXPECT_EQ(boxes().shown(), std::vector<MessageBoxRecord>{question});
    EXPECT_EQ(scalarRaw(QStringLiteral("select count(*) from DATAX")), "2");

    boxes().clear();
    boxes().queueAnswer(forms::vbYes);
    form_->Cmddelcustom->click();
    EXPECT_EQ(boxes().shown(), (std::vector<MessageBoxRecord>{question, deleted}));
    EXPECT_EQ(listOf(form_->cmbcustomname), QStringList{"SBI"});

    // A name no profile has is still reported deleted.
    boxes().clear();
    form_->cmbcustomname->setEditText(QStringLiteral("NOBODY"));
    form_->Cmddelcustom->click();
    EXPECT_EQ(boxes().shown(), (std::vector<MessageBoxRecord>{question, deleted}));
    EXPECT_EQ(listOf(form_->cmbcustomname), QStringList{"SBI"});
}

TEST_F(Cheque_200_90Test, HelpShowsItsEightLines)
{
    openForm();
    form_->cmdHelp->click();
    EXPECT_EQ(boxes().shown(),
              (std::vector<MessageBoxRecord>{
                  {QStringLiteral("Select Cheque No to Print\r\n"
                                  "Select Portrait / Landscape\r\n"
                                  "Click Set Default if you are satify with default alignment\r\n"
                                  "If not satisfy with default alignment then Shift Left / Right "
                                  "/ Up / Down\r\n"
                                  "After adjustment Write some Custom Name\r\n"
                                  "Click Save customised\r\n"
                                  "Now Select Custom Name and click Adjust Distance\r\n"
                                  "If you are safisfy then at last click Print"),
                   forms::vbOKOnly, 0, AppTitle}}));
}

TEST_F(Cheque_200_90Test, EscClosesTheFormAndItsConnection)
{
    openForm();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(form_->xpay, &escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    EXPECT_FALSE(form_);
    EXPECT_EQ(Module1::SharedConnection().State(), ado::adStateClosed);
}

} // namespace
