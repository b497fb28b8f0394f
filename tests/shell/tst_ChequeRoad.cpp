#include "cheque/Cheque_200_90.h"
#include "cheque/FRM_BANK.h"
#include "cheque/PrintingTest.h"
#include "platform/forms/FormsRegistry.h"
#include "platform/forms/TwipsLabel.h"
#include "shell/MDI.h"
#include "shell/frm_MainMain.h"
#include "support/FormDriving.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

// The road of one cheque through the program's own windows: log in, enter the
// cheque, line it up, save the profile, print, and read the paper.
class ChequeRoadTest : public PrintingTest {
protected:
    void TearDown() override
    {
        delete forms::FormsRegistry::find(QStringLiteral("MDI"));
        PrintingTest::TearDown();
    }

    template <class Form>
    static Form *openForm(const char *name)
    {
        return qobject_cast<Form *>(forms::FormsRegistry::find(QString::fromLatin1(name)));
    }

    static void pick(QComboBox *box, const QString &item)
    {
        const int index = box->findText(item);
        ASSERT_GE(index, 0) << item.toStdString();
        box->setCurrentIndex(index);
        emit box->activated(index);
    }

    static MDI *loggedIn()
    {
        auto *login = static_cast<frm_MainMain *>(forms::FormsRegistry::show(
            QStringLiteral("frm_MainMain"), [] { return new frm_MainMain; }));
        login->txtUser->setText(QStringLiteral("Admin"));
        login->txtPwd->setText(QStringLiteral("ADMIN"));
        login->Command3->click();
        return openForm<MDI>("MDI");
    }

    // Cheques 101 and 202 and the profile AXIS, and the layout form opened after login.
    Cheque_200_90 *layoutOverTwoCheques()
    {
        storedCheque(101, QStringLiteral("FIRST PAYEE"));
        storedCheque(202, QStringLiteral("PICKED PAYEE"));
        storedProfile(QStringLiteral("AXIS"), Axis);
        mainWindow_ = loggedIn();
        if (!mainWindow_)
            return nullptr;
        mainWindow_->mnuPrint_Cheque->trigger();
        return openForm<Cheque_200_90>("Cheque_200_90");
    }

    MDI *mainWindow_ = nullptr;
};

// Closing "Cheque Data" closes the shared connection under the layout form: the next
// pick opens it again, so the picked cheque is the one previewed and printed.
TEST_F(ChequeRoadTest, AChequePickedAfterTheEntryFormClosedIsTheOnePrinted)
{
    Cheque_200_90 *layout = layoutOverTwoCheques();
    ASSERT_NE(layout, nullptr);
    mainWindow_->mnuEnter_Data->trigger();
    FRM_BANK *entry = openForm<FRM_BANK>("FRM_BANK");
    ASSERT_NE(entry, nullptr);
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(entry->TXTAMOUNT, &escape);
    deleteClosedForms();
    ASSERT_FALSE(openForm<FRM_BANK>("FRM_BANK"));

    pick(layout->cmbcheque, QStringLiteral("202"));
    EXPECT_EQ(layout->lblName->text(), QStringLiteral("PICKED PAYEE"));
    layout->cmdPrint->click();

    EXPECT_TRUE(boxes().shown().empty()) << boxes().shown()[0].text.toStdString();
    EXPECT_TRUE(printedFiles(programFolder()).value(0).contains(QStringLiteral("/Cheque_202_")));
    const PrintedPage page = onlyPrint();
    expectAt(page, QStringLiteral("PICKED PAYEE"), Axis[4], Axis[5]);
    EXPECT_FALSE(page.find(QStringLiteral("FIRST PAYEE")));
}

// Opening "Enter Data" makes its lowest cheque the current one of the whole program;
// "Print" still prints the cheque that the layout form's box names and its preview shows.
TEST_F(ChequeRoadTest, PrintPrintsTheChequePickedInTheLayoutFormWhateverTheEntryFormLoaded)
{
    Cheque_200_90 *layout = layoutOverTwoCheques();
    ASSERT_NE(layout, nullptr);
    pickFromList(layout->cmbcheque, 1);
    ASSERT_EQ(layout->lblName->text(), QStringLiteral("PICKED PAYEE"));
    mainWindow_->mnuEnter_Data->trigger();
    FRM_BANK *entry = openForm<FRM_BANK>("FRM_BANK");
    ASSERT_NE(entry, nullptr);
    ASSERT_EQ(entry->TXTChequeIssuedto->text(), QStringLiteral("FIRST PAYEE"));

    mainWindow_->mnuPrint_Cheque->trigger();
    QTest::mouseClick(layout->cmdPrint, Qt::LeftButton);

    EXPECT_TRUE(boxes().shown().empty());
    EXPECT_TRUE(printedFiles(programFolder()).value(0).contains(QStringLiteral("/Cheque_202_")));
    const PrintedPage page = onlyPrint();
    expectAt(page, QStringLiteral("PICKED PAYEE"), Axis[4], Axis[5]);
    EXPECT_FALSE(page.find(QStringLiteral("FIRST PAYEE")));
    EXPECT_EQ(layout->lblName->text(), QStringLiteral("PICKED PAYEE"));
}

TEST_F(ChequeRoadTest, AChequeEnteredAfterLoginPrintsAtItsSavedProfile)
{
    MDI *mainWindow = loggedIn();
    ASSERT_NE(mainWindow, nullptr);

    mainWindow->mnuEnter_Data->trigger();
    FRM_BANK *entry = openForm<FRM_BANK>("FRM_BANK");
    ASSERT_NE(entry, nullptr);
    entry->cmbBankname->setEditText(QStringLiteral("STATE BANK"));
    entry->cmbbankbranch->setEditText(QStringLiteral("FORT"));
    entry->cmbAccountnumber->setEditText(QStringLiteral("00123"));
    entry->cmbaccountholder->setEditText(QStringLiteral("R. MEHTA"));
    entry->TXTAMOUNT->setText(QStringLiteral("2000"));
    entry->TXTCHNUMBER->setEditText(QStringLiteral("555"));
    entry->DTPCHEQUEDATE->setDate(QDate(2024, 3, 15));
    entry->TXTChequeIssuedto->setText(QStringLiteral("ACME TRADERS"));
    entry->TXTIssuedBy->setText(QStringLiteral("R. MEHTA"));
    entry->TXTREMARK->setText(QStringLiteral("RENT"));
    pick(entry->CMBACPAy, QStringLiteral("YES"));
    entry->cmdlogin->click();
    ASSERT_EQ(boxes().shown().size(), 1u);
    ASSERT_EQ(boxes().shown()[0].text, "ENTERED");
    const QString words = scalarRaw(QStringLiteral("select AMOUNTINWORD from CHEQUETABLE"));

    mainWindow->mnuPrint_Cheque->trigger();
    Cheque_200_90 *layout = openForm<Cheque_200_90>("Cheque_200_90");
    ASSERT_NE(layout, nullptr);
    pick(layout->cmbcheque, QStringLiteral("555"));
    const auto positionBoxes = layout->positionBoxes();
    for (std::size_t box = 0; box < positionBoxes.size(); ++box)
        positionBoxes[box]->setText(QString::number(Axis[box]));
    layout->cmbcustomname->setEditText(QStringLiteral("MY BANK"));
    layout->cmdsave->click();
    layout->cmdDefault->click();
    pick(layout->cmbcustomname, QStringLiteral("MY BANK"));
    layout->cmdPrint->click();

    const PrintedPage page = onlyPrint();
    EXPECT_EQ(textsOn(page), (QStringList{"00123", "15/03/2024", "2000", "A/c Pay Only",
                                          "ACME TRADERS", words.simplified()}));
    expectAt(page, QStringLiteral("A/c Pay Only"), Axis[0], Axis[1]);
    expectAt(page, QStringLiteral("15/03/2024"), Axis[2], Axis[3]);
    expectAt(page, QStringLiteral("ACME TRADERS"), Axis[4], Axis[5]);
    expectAt(page, words.simplified(), Axis[6], Axis[7]);
    expectAt(page, QStringLiteral("2000"), Axis[8], Axis[9]);
    expectAt(page, QStringLiteral("00123"), Axis[10], Axis[11]);
    EXPECT_EQ(page.colourOf(QStringLiteral("A/c Pay Only")), QColor(192, 0, 0));
}

} // namespace
