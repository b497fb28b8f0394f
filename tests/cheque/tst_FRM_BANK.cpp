#include "cheque/FRM_BANK.h"
#include "cheque/ChequeTestPrinting.h"
#include "cheque/ModuleData.h"
#include "data/Module1.h"
#include "platform/runtime/App.h"
#include "support/FormDriving.h"
#include "support/ProgramFolderTest.h"

#include <QApplication>
#include <QAbstractItemView>
#include <QComboBox>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <cmath>
#include <functional>
#include <tuple>

using forms::MessageBoxRecord;

namespace {

const QString AppTitle = rt::App::Title();
const MessageBoxRecord Entered{QStringLiteral("ENTERED"), forms::vbOKCancel, 0,
                               QStringLiteral("Cheque Detail")};

MessageBoxRecord entryError(const char *message)
{
    return {QString::fromLatin1(message), forms::vbOKOnly, forms::vbInformation,
            QStringLiteral("Error in Entry")};
}

MessageBoxRecord notADate(const char *typed)
{
    return {QString::fromLatin1(typed)
                + QStringLiteral(" is not a date: the date stays 15/04/2025"),
            forms::vbOKOnly, forms::vbInformation, QStringLiteral("Error in Entry")};
}

MessageBoxRecord deleteQuestion(const QString &number)
{
    return {QStringLiteral("Do you need to Delete Data of Cheque No : ") + number, forms::vbYesNo,
            0, QStringLiteral("?")};
}

class FRM_BANKTest : public ProgramFolderTest {
protected:
    void TearDown() override
    {
        delete form_;
        ProgramFolderTest::TearDown();
    }

    FRM_BANK *openForm()
    {
        form_ = new FRM_BANK;
        form_->show();
        return form_;
    }

    // Stores a cheque straight into the register, as an earlier session left it; the
    // serial also gives its entry date, in January 2023.
    void storedCheque(int serial, double number, const QString &bank, const QString &account)
    {
        execRaw(QStringLiteral("insert into CHEQUETABLE values(%1,'%3','BRANCH %3','%4',"
                               "'HOLDER %3','2023-01-0%1',%2,'WORDS',%2,'0%1/01/2023',"
                               "'PAYEE %3','ISSUER','NOTE','NO','-','-','-',0,0,0,0,"
                               "'2023-01-01','2023-01-01')")
                    .arg(serial)
                    .arg(number)
                    .arg(bank, account));
    }

    void fillEntry(const QString &amount, const QString &chequeNumber)
    {
        form_->cmbBankname->setEditText(QStringLiteral("STATE BANK"));
        form_->cmbbankbranch->setEditText(QStringLiteral("FORT"));
        form_->cmbAccountnumber->setEditText(QStringLiteral("00123"));
        form_->cmbaccountholder->setEditText(QStringLiteral("R. MEHTA"));
        form_->TXTAMOUNT->setText(amount);
        form_->TXTCHNUMBER->setEditText(chequeNumber);
        form_->DTPCHEQUEDATE->setDate(QDate(2024, 3, 15));
        form_->TXTChequeIssuedto->setText(QStringLiteral("ACME"));
        form_->TXTIssuedBy->setText(QStringLiteral("R. MEHTA"));
        form_->TXTREMARK->setText(QStringLiteral("RENT"));
    }

    int rowCount() { return scalarRaw(QStringLiteral("select count(*) from CHEQUETABLE")).toInt(); }

    QPointer<FRM_BANK> form_;
};

} // namespace

TEST_F(FRM_BANKTest, LoadsAnEmptyRegisterWithEmptyListsAndToday)
{
    openForm();
    EXPECT_EQ(form_->windowTitle(), "Cheque Data");
    for (QComboBox *box : {form_->cmbBankname, form_->cmbbankbranch, form_->cmbAccountnumber,
                           form_->cmbaccountholder, form_->TXTCHNUMBER, form_->CmbDNumber}) {
        EXPECT_EQ(box->count(), 0) << box->objectName().toStdString();
        EXPECT_EQ(box->currentText(), "") << box->objectName().toStdString();
    }
    EXPECT_EQ(form_->CMBACPAy->currentText(), "YES");
    EXPECT_EQ(listOf(form_->CMBACPAy), (QStringList{"YES", "NO"}));
    EXPECT_EQ(form_->DTP->date(), QDate::currentDate());
    EXPECT_EQ(form_->DTPCHEQUEDATE->date(), QDate::currentDate());
    EXPECT_TRUE(boxes().shown().empty());
    EXPECT_EQ(Module1::SharedConnection().State(), ado::adStateOpen);
}

TEST_F(FRM_BANKTest, LoadShowsTheLowestChequeAndTheHighestSerial)
{
    storedCheque(1, 30, QStringLiteral("AXIS"), QStringLiteral("20"));
    storedCheque(2, 4, QStringLiteral("HDFC"), QStringLiteral("100"));
    openForm();

    EXPECT_EQ(listOf(form_->TXTCHNUMBER), (QStringList{"4", "30"}));
    EXPECT_EQ(listOf(form_->cmbAccountnumber), (QStringList{"100", "20"}));
    EXPECT_EQ(form_->CmbDNumber->currentText(), "2");
    EXPECT_EQ(form_->TXTCHNUMBER->currentText(), "4");
    EXPECT_EQ(form_->cmbBankname->currentText(), "HDFC");
    EXPECT_EQ(form_->TXTChequeIssuedto->text(), "PAYEE HDFC");
    EXPECT_EQ(form_->CMBACPAy->currentText(), "NO");
    EXPECT_EQ(form_->DTP->date(), QDate::currentDate());

    // Picking another number from the list loads that cheque, entry date included.
    form_->TXTCHNUMBER->setCurrentIndex(1);
    emit form_->TXTCHNUMBER->activated(1);
    EXPECT_EQ(form_->cmbBankname->currentText(), "AXIS");
    EXPECT_EQ(form_->TXTAMOUNT->text(), "30");
    EXPECT_EQ(form_->DTP->date(), QDate(2023, 1, 1));
    EXPECT_TRUE(boxes().shown().empty());
}

TEST_F(FRM_BANKTest, SavesACheque)
{
    openForm();
    fillEntry(QStringLiteral("1500.00"), QStringLiteral("007"));
    form_->TXTREMARK->clear();
    form_->cmdlogin->click();

    EXPECT_EQ(boxes().shown(), std::vector<MessageBoxRecord>{Entered});
    EXPECT_EQ(rowsRaw(QStringLiteral("select SN, BANKNAME, ACCOUNTNUMBER, AMOUNT, AMOUNTINWORD, "
                                     "CHEQUENUMBER, CHEQUEDATE, CHEQUEISSUEDTO, REMARK, "
                                     "ACPAYONLY from CHEQUETABLE")),
              QStringList{QStringLiteral("1|STATE BANK|00123|1500.0|ONE THOUSAND, FIVE HUNDRED,  "
                                         "ONLY|7.0|15/03/2024|ACME|-|YES")});

    // Refilled, the stored cheque shown again, and the entry boxes cleared.
    EXPECT_EQ(listOf(form_->TXTCHNUMBER), QStringList{"7"});
    EXPECT_EQ(listOf(form_->CmbDNumber), QStringList{"1"});
    EXPECT_EQ(form_->CmbDNumber->currentText(), "1");
    EXPECT_EQ(form_->cmbBankname->currentText(), "STATE BANK");
    EXPECT_EQ(form_->TXTWORD->text(), "ONE THOUSAND, FIVE HUNDRED,  ONLY");
    EXPECT_EQ(form_->TXTAMOUNT->text(), "");
    EXPECT_EQ(form_->TXTCHNUMBER->currentText(), "");
    EXPECT_EQ(form_->TXTREMARK->text(), "");
    EXPECT_EQ(form_->TXTCHEQUEDATE->text(), "");
    EXPECT_EQ(form_->TXTChequeIssuedto->text(), "ACME");
}

TEST_F(FRM_BANKTest, KeepsTheWholeWordsOfACroreAmount)
{
    const std::pair<const char *, const char *> amounts[] = {
        {" 12345678",
         "ONE CRORE, TWENTYTHREE  LAKH, FORTYFIVE THOUSAND, SIX HUNDRED, SEVENTYEIGHT ONLY"},
        {"999999999", "NINETYNINE CRORE, NINETYNINE  LAKH, NINETYNINE THOUSAND, NINE HUNDRED, "
                      "NINETYNINE ONLY"},
    };
    openForm();
    for (const auto &[amount, words] : amounts) {
        boxes().clear();
        execRaw(QStringLiteral("delete from CHEQUETABLE"));
        fillEntry(QString::fromLatin1(amount), QStringLiteral("9"));
        form_->cmdlogin->click();
        EXPECT_EQ(boxes().shown(), std::vector<MessageBoxRecord>{Entered}) << amount;
        EXPECT_EQ(scalarRaw(QStringLiteral("select AMOUNTINWORD from CHEQUETABLE")),
                  QString::fromLatin1(words));
    }
}

// Whatever refuses the row, the user is told why and the typed cheque stays on the
// form; only a stored row says "ENTERED" and clears it.
TEST_F(FRM_BANKTest, ARefusedChequeIsToldAndStaysOnTheForm)
{
    struct Case {
        const char *refusal;
        const char *setUp;
        const char *message;
    };
    const Case cases[] = {
        {"a duplicate number", "select 1", "Duplicate Cheque No Entry"},
        {"a full disk",
         "create trigger full before insert on CHEQUETABLE "
         "begin select raise(abort, 'database or disk is full'); end",
         "database or disk is full"},
        {"a read-only disk",
         "create trigger readonly before insert on CHEQUETABLE "
         "begin select raise(abort, 'attempt to write a readonly database'); end",
         "attempt to write a readonly database"},
    };
    for (const Case &c : cases) {
        // Each refusal in a program folder of its own.
        TearDown();
        SetUp();
        storedCheque(1, 7, QStringLiteral("AXIS"), QStringLiteral("20"));
        execRaw(QString::fromLatin1(c.setUp));
        openForm();
        fillEntry(QStringLiteral("2500"), QStringLiteral("7"));
        form_->cmdlogin->click();

        EXPECT_EQ(boxes().shown(),
                  (std::vector<MessageBoxRecord>{
                      {QString::fromLatin1(c.message), forms::vbOKOnly, 0, AppTitle}}))
            << c.refusal;
        EXPECT_EQ(rowCount(), 1) << c.refusal;
        EXPECT_EQ(form_->cmbBankname->currentText(), "STATE BANK") << c.refusal;
        EXPECT_EQ(form_->TXTAMOUNT->text(), "2500") << c.refusal;
        EXPECT_EQ(form_->TXTCHNUMBER->currentText(), "7") << c.refusal;
        EXPECT_EQ(form_->TXTREMARK->text(), "RENT") << c.refusal;
        EXPECT_EQ(form_->TXTChequeIssuedto->text(), "ACME") << c.refusal;
    }
}

TEST_F(FRM_BANKTest, EnterSavesUnlessTheFocusIsOnAnotherButton)
{
    storedCheque(1, 4, QStringLiteral("HDFC"), QStringLiteral("100"));
    openForm();
    form_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_));

    form_->cmdDELET->setFocus();
    boxes().queueAnswer(forms::vbNo);
    QTest::keyClick(form_->cmdDELET, Qt::Key_Return);
    EXPECT_EQ(boxes().shown(), std::vector<MessageBoxRecord>{deleteQuestion("4")});

    boxes().clear();
    fillEntry(QStringLiteral("250"), QStringLiteral("8"));
    form_->TXTAMOUNT->setFocus();
    QTest::keyClick(form_->TXTAMOUNT, Qt::Key_Enter);
    EXPECT_EQ(boxes().shown(), std::vector<MessageBoxRecord>{Entered});
    EXPECT_EQ(rowCount(), 2);
}

TEST_F(FRM_BANKTest, RefusesAnEntryInTheOrderOfItsChecks)
{
    openForm();
    const auto save = [this] {
        boxes().clear();
        form_->cmdlogin->click();
        return boxes().shown();
    };
    using Boxes = std::vector<MessageBoxRecord>;
    EXPECT_EQ(save(), Boxes{entryError("Please write Bank Name")});
    form_->cmbBankname->setEditText(QStringLiteral("SBI"));
    EXPECT_EQ(save(), Boxes{entryError("Please write  Bank Branch")});
    form_->cmbbankbranch->setEditText(QStringLiteral(" "));
    EXPECT_EQ(save(), Boxes{entryError("Please write Account Number")});
    form_->cmbAccountnumber->setEditText(QStringLiteral("1"));
    EXPECT_EQ(save(), Boxes{entryError("Please write Account Holder")});
    form_->cmbaccountholder->setEditText(QStringLiteral("ME"));
    // An amount that is a number but cannot be written on a cheque says why.
    const char *notNumeric = "Please write AMOUNT IN NUMERIC";
    const char *paise = "Please write the AMOUNT in whole rupees: a cheque carries no paise";
    const char *tooLarge = "Please write an AMOUNT of at most 99,99,99,999";
    const std::pair<const char *, const char *> amounts[] = {
        {"", notNumeric},          {"ABC", notNumeric},
        {"150000.50", paise},      {"1500.75", paise},
        {"1000000000", tooLarge},  {"1e22", tooLarge},
        {"1e400", tooLarge},       {"0", "Please write an AMOUNT above 0"},
        {"-5", "Please write an AMOUNT above 0"},
    };
    for (const auto &[amount, message] : amounts) {
        form_->TXTAMOUNT->setText(QString::fromLatin1(amount));
        EXPECT_EQ(save(), Boxes{entryError(message)}) << amount;
    }
    EXPECT_EQ(form_->TXTChequeIssuedto->text(), "");
    EXPECT_EQ(rowCount(), 0);
}

// A cheque number that is no number is refused by name, however SAVE is pressed, and
// the typed cheque stays on the form as it was typed.
TEST_F(FRM_BANKTest, ASaveWithoutAChequeNumberInFiguresIsRefused)
{
    const std::pair<const char *, std::function<void(FRM_BANK &)>> presses[] = {
        {"a click on SAVE", [](FRM_BANK &f) { QTest::mouseClick(f.cmdlogin, Qt::LeftButton); }},
        {"Enter", [](FRM_BANK &f) { QTest::keyClick(f.TXTCHNUMBER, Qt::Key_Return); }},
    };
    openForm();
    QApplication::setActiveWindow(form_);
    for (const char *number : {"", "12ab", "abc"}) {
        for (const auto &[pressName, press] : presses) {
            const std::string what = std::string(number) + ", " + pressName;
            boxes().clear();
            fillEntry(QString(), QString());
            form_->TXTAMOUNT->clear();
            form_->TXTIssuedBy->clear();
            QTest::keyClicks(form_->TXTAMOUNT, QStringLiteral("250"));
            form_->TXTCHNUMBER->setFocus();
            QTest::keyClicks(form_->TXTCHNUMBER, QString::fromLatin1(number));
            press(*form_);

            EXPECT_EQ(boxes().shown(), std::vector<MessageBoxRecord>{entryError(
                                           "Please write the CHEQUE No in figures")})
                << what;
            EXPECT_EQ(rowCount(), 0) << what;
            EXPECT_EQ(form_->TXTAMOUNT->text(), "250") << what;
            EXPECT_EQ(form_->TXTCHNUMBER->currentText(), QString::fromLatin1(number).toUpper())
                << what;
            EXPECT_EQ(form_->TXTIssuedBy->text(), "") << what;
        }
    }
}

// A day's cheques typed one after another keep the cheque date typed for the first,
// through SAVE and DELETE, though the lowest cheque shown again carries another.
TEST_F(FRM_BANKTest, TheTypedChequeDateStaysForTheDaysNextCheques)
{
    storedCheque(1, 100001, QStringLiteral("AXIS"), QStringLiteral("20"));
    execRaw(QStringLiteral("update CHEQUETABLE set CHEQUEDATE = '15/03/2025'"));
    openForm();
    QApplication::setActiveWindow(form_);
    const auto typeCheque = [this](const QString &number) {
        form_->TXTAMOUNT->clear();
        QTest::keyClicks(form_->TXTAMOUNT, QStringLiteral("4000"));
        form_->TXTCHNUMBER->clearEditText();
        form_->TXTCHNUMBER->setFocus();
        QTest::keyClicks(form_->TXTCHNUMBER, number);
    };
    fillEntry(QString(), QString());
    clickDatePart(form_->DTPCHEQUEDATE, 0);
    QTest::keyClicks(form_->DTPCHEQUEDATE, QStringLiteral("01/12/2026"));
    typeCheque(QStringLiteral("100007"));
    QTest::mouseClick(form_->cmdlogin, Qt::LeftButton);
    EXPECT_EQ(form_->DTPCHEQUEDATE->text(), "01/12/2026");
    EXPECT_EQ(form_->TXTCHNUMBER->currentText(), "");

    typeCheque(QStringLiteral("100008"));
    QTest::keyClick(form_->TXTCHNUMBER, Qt::Key_Return);
    EXPECT_EQ(boxes().shown(), (std::vector<MessageBoxRecord>{Entered, Entered}));
    EXPECT_EQ(rowsRaw(QStringLiteral("select CHEQUENUMBER, CHEQUEDATE from CHEQUETABLE "
                                     "order by CHEQUENUMBER")),
              (QStringList{"100001.0|15/03/2025", "100007.0|01/12/2026", "100008.0|01/12/2026"}));
    EXPECT_EQ(form_->DTPCHEQUEDATE->text(), "01/12/2026");

    form_->TXTCHNUMBER->setFocus();
    QTest::keyClicks(form_->TXTCHNUMBER, QStringLiteral("100008"));
    QTest::mouseClick(form_->cmdDELET, Qt::LeftButton);
    EXPECT_EQ(rowCount(), 2);
    EXPECT_EQ(form_->cmbBankname->currentText(), "AXIS");
    EXPECT_EQ(form_->DTPCHEQUEDATE->text(), "01/12/2026");

    // Only a cheque picked from the list shows its own date there.
    pickFromList(form_->TXTCHNUMBER, 0);
    EXPECT_EQ(form_->DTPCHEQUEDATE->text(), "15/03/2025");
}

TEST_F(FRM_BANKTest, DeletesTheChosenNumberAfterAskingYes)
{
    storedCheque(1, 4, QStringLiteral("HDFC"), QStringLiteral("100"));
    storedCheque(2, 30, QStringLiteral("AXIS"), QStringLiteral("20"));
    openForm();

    boxes().queueAnswer(forms::vbNo);
    form_->cmdDELET->click();
    EXPECT_EQ(boxes().shown(), std::vector<MessageBoxRecord>{deleteQuestion("4")});
    EXPECT_EQ(rowCount(), 2);

    boxes().clear();
    form_->cmdDELET->click();
    const MessageBoxRecord deleted{QStringLiteral("Deleted"), forms::vbOKOnly, 0,
                                   QStringLiteral("Delete")};
    EXPECT_EQ(boxes().shown(), (std::vector<MessageBoxRecord>{deleteQuestion("4"), deleted}));
    EXPECT_EQ(rowsRaw(QStringLiteral("select CHEQUENUMBER from CHEQUETABLE")),
              QStringList{"30.0"});
    EXPECT_EQ(listOf(form_->TXTCHNUMBER), QStringList{"30"});
    EXPECT_EQ(form_->cmbBankname->currentText(), "AXIS");
    EXPECT_EQ(form_->TXTCHNUMBER->currentText(), "");

    boxes().clear();
    form_->TXTCHNUMBER->setEditText(QStringLiteral("55"));
    form_->cmdDELET->click();
    EXPECT_EQ(boxes().shown(), (std::vector<MessageBoxRecord>{deleteQuestion("55"), deleted}));
    EXPECT_EQ(rowCount(), 1);
}

TEST_F(FRM_BANKTest, TypedLettersArriveAsCapitalsAndEscClosesTheConnection)
{
    openForm();
    typeInto(form_->TXTChequeIssuedto, QStringLiteral("d'souza{µÿé"));
    EXPECT_EQ(form_->TXTChequeIssuedto->text(), QStringLiteral("DSOUZA[µÿÉ"));

    pressKey(form_->TXTREMARK, Qt::Key_Escape, QString(QChar(27)));
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form_.isNull());
    EXPECT_EQ(Module1::SharedConnection().State(), ado::adStateClosed);
}

TEST_F(FRM_BANKTest, PlacesEveryControlAtItsTwipPosition)
{
    openForm();
    const struct {
        QWidget *control;
        QRect twips;
    } table[] = {
        {form_->CmbDNumber, {3960, 240, 1215, 360}},
        {form_->DTP, {6120, 240, 1845, 360}},
        {form_->cmbBankname, {3960, 713, 4000, 360}},
        {form_->TXTAMOUNT, {3960, 2605, 4000, 375}},
        {form_->TXTCHNUMBER, {3960, 3120, 3975, 360}},
        {form_->DTPCHEQUEDATE, {3960, 3570, 1845, 360}},
        {form_->TXTREMARK, {3960, 5040, 4000, 375}},
        {form_->CMBACPAy, {3960, 5520, 1815, 360}},
        {form_->cmdlogin, {3960, 6480, 1455, 1095}},
        {form_->cmdDELET, {6480, 6480, 1455, 1095}},
    };
    for (const auto &row : table) {
        const auto pixels = [](int twips) { return static_cast<int>(std::lround(twips / 15.0)); };
        const QRect expected(pixels(row.twips.left()), pixels(row.twips.top()),
                             pixels(row.twips.width()), pixels(row.twips.height()));
        EXPECT_EQ(row.control->geometry(), expected) << row.control->objectName().toStdString();
        EXPECT_EQ(row.control->parentWidget(), form_->Frame1);
    }
    EXPECT_EQ(form_->Frame1->geometry(), QRect(8, 8, 545, 513));
    EXPECT_EQ(form_->size(), QSize(560, 527));
    EXPECT_EQ(form_->TXTAMOUNT->maxLength(), 50);
    EXPECT_EQ(form_->TXTREMARK->maxLength(), 50);
    EXPECT_FALSE(form_->TXTWORD->isVisible());
    EXPECT_FALSE(form_->TXTCHEQUEDATE->isVisible());
    EXPECT_EQ(form_->cmdDELET->text(), "DELETE CHEQUE No");

    // Tab runs bank name, branch, account, holder, amount, cheque date, payee, issuer,
    // remark, delete, save, serial, entry date, the flag, the cheque number.
    const QList<QWidget *> expectedOrder = {
        form_->cmbBankname,   form_->cmbbankbranch,     form_->cmbAccountnumber,
        form_->cmbaccountholder, form_->TXTAMOUNT,      form_->DTPCHEQUEDATE,
        form_->TXTChequeIssuedto, form_->TXTIssuedBy,   form_->TXTREMARK,
        form_->cmdDELET,      form_->cmdlogin,          form_->CmbDNumber,
        form_->DTP,           form_->CMBACPAy,          form_->TXTCHNUMBER};
    QList<QWidget *> order;
    QWidget *current = form_->cmbBankname;
    do {
        if (current->parentWidget() == form_->Frame1 && current->isVisible()
            && (current->focusPolicy() & Qt::TabFocus))
            order << current;
        current = current->nextInFocusChain();
    } while (current != form_->cmbBankname);
    EXPECT_EQ(order, expectedOrder);
}

// A date picker takes one press of Tab, forwards or back; within it the arrows move
// between day, month and year and change the part they stand on.
TEST_F(FRM_BANKTest, EachDatePickerIsOneTabStop)
{
    openForm();
    form_->TXTAMOUNT->setFocus();
    EXPECT_EQ(focusWalk(form_, 3),
              (QStringList{"TXTAMOUNT", "DTPCHEQUEDATE", "TXTChequeIssuedto"}));
    QStringList back;
    for (int stop = 0; stop < 3; ++stop) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        back << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(back, (QStringList{"TXTChequeIssuedto", "DTPCHEQUEDATE", "TXTAMOUNT"}));

    // Ctrl+Left and Ctrl+Right move as Left and Right do, and the focus stays.
    QDateEdit *picker = form_->DTPCHEQUEDATE;
    picker->setDate(QDate(2024, 3, 15));
    picker->setFocus();
    picker->setCurrentSection(QDateTimeEdit::DaySection);
    const Qt::KeyboardModifiers none = Qt::NoModifier, ctrl = Qt::ControlModifier;
    const std::tuple<Qt::Key, Qt::KeyboardModifiers, QDate> keys[] = {
        {Qt::Key_Up, none, QDate(2024, 3, 16)},    {Qt::Key_Right, none, QDate(2024, 3, 16)},
        {Qt::Key_Up, none, QDate(2024, 4, 16)},    {Qt::Key_Right, none, QDate(2024, 4, 16)},
        {Qt::Key_Right, none, QDate(2024, 4, 16)}, {Qt::Key_Down, none, QDate(2023, 4, 16)},
        {Qt::Key_Left, none, QDate(2023, 4, 16)},  {Qt::Key_Left, none, QDate(2023, 4, 16)},
        {Qt::Key_Left, none, QDate(2023, 4, 16)},  {Qt::Key_Down, none, QDate(2023, 4, 15)},
        {Qt::Key_Right, ctrl, QDate(2023, 4, 15)}, {Qt::Key_Up, none, QDate(2023, 5, 15)},
        {Qt::Key_Right, ctrl, QDate(2023, 5, 15)}, {Qt::Key_Right, ctrl, QDate(2023, 5, 15)},
        {Qt::Key_Up, none, QDate(2024, 5, 15)},    {Qt::Key_Left, ctrl, QDate(2024, 5, 15)},
        {Qt::Key_Left, ctrl, QDate(2024, 5, 15)},  {Qt::Key_Left, ctrl, QDate(2024, 5, 15)},
        {Qt::Key_Up, none, QDate(2024, 5, 16)},
    };
    for (const auto &[key, modifiers, date] : keys) {
        QTest::keyClick(picker, key, modifiers);
        EXPECT_EQ(picker->date(), date) << "key " << int(key) << " with " << int(modifiers);
        EXPECT_TRUE(picker->hasFocus()) << "key " << int(key) << " with " << int(modifiers);
    }
}

// Each picker takes the date typed into it, after a click or a double click on the day,
// whatever month it showed.
TEST_F(FRM_BANKTest, APickerTakesTheDateTypedIntoIt)
{
    openForm();
    QApplication::setActiveWindow(form_);
    EXPECT_EQ(datesNotTakenAsTyped({form_->DTP, form_->DTPCHEQUEDATE}).join(u'\n').toStdString(),
              "");
    EXPECT_TRUE(boxes().shown().empty());

    // A date that does not exist is refused once it is whole, or when Enter ends the
    // typing; that Enter saves nothing.
    fillEntry(QStringLiteral("250"), QStringLiteral("8"));
    QDateEdit *picker = form_->DTPCHEQUEDATE;
    picker->setDate(QDate(2025, 4, 15));
    clickDatePart(picker, 0);
    QTest::keyClicks(picker, QStringLiteral("31/04/2026"));
    EXPECT_EQ(boxes().shown(), std::vector<MessageBoxRecord>{notADate("31/04/2026")});
    EXPECT_EQ(picker->date(), QDate(2025, 4, 15));

    boxes().clear();
    clickDatePart(picker, 0);
    QTest::keyClicks(picker, QStringLiteral("31"));
    QTest::keyClick(picker, Qt::Key_Return);
    EXPECT_EQ(boxes().shown(), std::vector<MessageBoxRecord>{notADate("31/04/2025")});
    EXPECT_EQ(picker->date(), QDate(2025, 4, 15));
    EXPECT_EQ(rowCount(), 0);
}

// Each picker takes a pasted date as it takes a typed one: by Ctrl+V, Shift+Insert and
// the menu's Paste, a date that exists exactly, anything else refused with its message.
TEST_F(FRM_BANKTest, APickerTakesAPastedDateAsATypedOne)
{
    openForm();
    QApplication::setActiveWindow(form_);
    EXPECT_EQ(pastesNotTakenAsTyped({form_->DTP, form_->DTPCHEQUEDATE}, boxes())
                  .join(u'\n')
                  .toStdString(),
              "");
}

// However SAVE is pressed over a typed date that is refused, the date's message is all
// that happens: nothing is stored, the typed cheque stays and SAVE is not left down.
TEST_F(FRM_BANKTest, ARefusedTypedDateStopsTheSave)
{
    struct Press {
        const char *name;
        std::function<void(QPushButton *save, QDateEdit *picker)> press;
    };
    const Press presses[] = {
        {"a click on SAVE",
         [](QPushButton *save, QDateEdit *) { QTest::mouseClick(save, Qt::LeftButton); }},
        {"Space on SAVE",
         [](QPushButton *save, QDateEdit *) { QTest::keyClick(save, Qt::Key_Space); }},
        {"Enter on SAVE",
         [](QPushButton *save, QDateEdit *) { QTest::keyClick(save, Qt::Key_Return); }},
        {"Enter in the picker",
         [](QPushButton *, QDateEdit *picker) { QTest::keyClick(picker, Qt::Key_Return); }},
    };
    openForm();
    QApplication::setActiveWindow(form_);
    for (QDateEdit *picker : {form_->DTP, form_->DTPCHEQUEDATE}) {
        for (const Press &press : presses) {
            const std::string what = picker->objectName().toStdString() + ", " + press.name;
            boxes().clear();
            fillEntry(QStringLiteral("250"), QStringLiteral("8"));
            picker->setDate(QDate(2025, 4, 15));
            clickDatePart(picker, 0);
            QTest::keyClicks(picker, QStringLiteral("31"));
            press.press(form_->cmdlogin, picker);

            EXPECT_EQ(boxes().shown(), std::vector<MessageBoxRecord>{notADate("31/04/2025")})
                << what;
            EXPECT_EQ(picker->date(), QDate(2025, 4, 15)) << what;
            EXPECT_EQ(rowCount(), 0) << what;
            EXPECT_EQ(form_->TXTAMOUNT->text(), "250") << what;
            EXPECT_EQ(form_->TXTCHNUMBER->currentText(), "8") << what;
            EXPECT_FALSE(form_->cmdlogin->isDown()) << what;
        }
    }
}

// The mouse under the modal box of a real run: its press takes the focus from the picker
// and the box opens before the press reaches SAVE; its release comes while the box is
// open and goes nowhere. The press does not press SAVE either, so SAVE is not left down
// and its next click saves the date that stayed.
TEST_F(FRM_BANKTest, AClickOnSaveOverARefusedDateUnderTheModalBox)
{
    openForm();
    QApplication::setActiveWindow(form_);
    fillEntry(QStringLiteral("250"), QStringLiteral("8"));
    form_->DTPCHEQUEDATE->setDate(QDate(2025, 4, 15));
    clickDatePart(form_->DTPCHEQUEDATE, 0);
    QTest::keyClicks(form_->DTPCHEQUEDATE, QStringLiteral("31"));

    QWindow *window = form_->windowHandle();
    const QPoint save =
        window->mapFromGlobal(form_->cmdlogin->mapToGlobal(form_->cmdlogin->rect().center()));
    QString said;
    QTimer::singleShot(0, form_, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        said = box->text();
        QTest::mouseRelease(window, Qt::LeftButton, {}, save);
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
    forms::MessageBoxPresenter *scripted = forms::setMessageBoxPresenter(nullptr);
    QTest::mousePress(window, Qt::LeftButton, {}, save);
    forms::setMessageBoxPresenter(scripted);

    EXPECT_EQ(said, "31/04/2025 is not a date: the date stays 15/04/2025");
    EXPECT_FALSE(form_->cmdlogin->isDown());
    EXPECT_EQ(rowCount(), 0);
    EXPECT_EQ(form_->TXTAMOUNT->text(), "250");

    QTest::mouseClick(form_->cmdlogin, Qt::LeftButton);
    EXPECT_EQ(boxes().shown(), std::vector<MessageBoxRecord>{Entered});
    EXPECT_EQ(scalarRaw(QStringLiteral("select CHEQUEDATE from CHEQUETABLE")), "15/04/2025");
}

// Esc closes the form over a half-typed date as always, with no word about the date.
TEST_F(FRM_BANKTest, EscOverAHalfTypedDateClosesTheFormWithoutAWord)
{
    openForm();
    QApplication::setActiveWindow(form_);
    form_->DTPCHEQUEDATE->setDate(QDate(2025, 4, 15));
    clickDatePart(form_->DTPCHEQUEDATE, 0);
    QTest::keyClicks(form_->DTPCHEQUEDATE, QStringLiteral("31"));
    QTest::keyClick(form_->DTPCHEQUEDATE, Qt::Key_Escape);
    deleteClosedForms();

    EXPECT_TRUE(form_.isNull());
    EXPECT_TRUE(boxes().shown().empty());
}

// A cheque picked from the number list shows its own cheque date in " CHEQUE DATE :" (the
// date the save takes) and its entry date in "DATE :"; the load shows today in both.
TEST_F(FRM_BANKTest, APickedChequeShowsItsOwnChequeDate)
{
    storedCheque(1, 101, QStringLiteral("AXIS"), QStringLiteral("20"));
    storedCheque(2, 102, QStringLiteral("HDFC"), QStringLiteral("30"));
    storedCheque(3, 103, QStringLiteral("SBI"), QStringLiteral("40"));
    execRaw(QStringLiteral("update CHEQUETABLE set CHEQUEDATE = case SN when 1 then "
                           "'10/12/2026' when 2 then '-' else '9/3/2024' end"));
    openForm();
    QApplication::setActiveWindow(form_);
    EXPECT_EQ(form_->DTPCHEQUEDATE->date(), QDate::currentDate());
    EXPECT_EQ(form_->DTP->date(), QDate::currentDate());

    // 102 holds no date as its cheque date: the picker keeps the one it shows.
    const std::tuple<int, QDate, QDate> picks[] = {
        {2, QDate(2024, 3, 9), QDate(2023, 1, 3)},
        {1, QDate(2024, 3, 9), QDate(2023, 1, 2)},
        {0, QDate(2026, 12, 10), QDate(2023, 1, 1)},
    };
    for (const auto &[row, chequeDate, entryDate] : picks) {
        pickFromList(form_->TXTCHNUMBER, row);

        EXPECT_EQ(form_->DTPCHEQUEDATE->date(), chequeDate) << "row " << row;
        EXPECT_EQ(form_->DTP->date(), entryDate) << "row " << row;
    }
    EXPECT_TRUE(boxes().shown().empty());
}

// A cheque number typed by hand is the new cheque's: however the typing ends, it loads
// no stored cheque, and a stored one is refused at SAVE with the typed cheque kept.
// Typed names are not completed from the lists.
TEST_F(FRM_BANKTest, TypingNeverLoadsAStoredChequeNorCompletesANameOfTheList)
{
    storedCheque(1, 100201, QStringLiteral("STATE BANK OF INDIA"), QStringLiteral("20"));
    storedCheque(2, 100202, QStringLiteral("AXIS"), QStringLiteral("30"));
    storedCheque(3, 100203, QStringLiteral("HDFC"), QStringLiteral("40"));
    const MessageBoxRecord duplicate{QStringLiteral("Duplicate Cheque No Entry"),
                                     forms::vbOKOnly, 0, AppTitle};
    struct Ending {
        const char *name;
        std::function<void(FRM_BANK &)> end;
        std::vector<MessageBoxRecord> says;
    };
    const Ending endings[] = {
        {"Tab", [](FRM_BANK &f) { QTest::keyClick(f.TXTCHNUMBER, Qt::Key_Tab); }, {}},
        {"Enter", [](FRM_BANK &f) { QTest::keyClick(f.TXTCHNUMBER, Qt::Key_Return); },
         {duplicate}},
        {"SAVE", [](FRM_BANK &f) { QTest::mouseClick(f.cmdlogin, Qt::LeftButton); },
         {duplicate}},
    };
    openForm();
    QApplication::setActiveWindow(form_);
    for (const Ending &ending : endings) {
        boxes().clear();
        for (QComboBox *box : {form_->cmbBankname, form_->TXTCHNUMBER})
            box->clearEditText();
        QTest::keyClicks(form_->cmbBankname, QStringLiteral("state bank"));
        QTest::keyClick(form_->cmbBankname, Qt::Key_Tab);
        for (QLineEdit *box : {form_->TXTAMOUNT, form_->TXTChequeIssuedto, form_->TXTREMARK})
            box->clear();
        QTest::keyClicks(form_->TXTAMOUNT, QStringLiteral("12500"));
        QTest::keyClicks(form_->TXTChequeIssuedto, QStringLiteral("green leaf gardeners"));
        QTest::keyClicks(form_->TXTREMARK, QStringLiteral("garden upkeep"));
        form_->TXTCHNUMBER->setFocus();
        QTest::keyClicks(form_->TXTCHNUMBER, QStringLiteral("10020"));
        EXPECT_EQ(form_->TXTCHNUMBER->currentText(), "10020") << ending.name;
        QTest::keyClicks(form_->TXTCHNUMBER, QStringLiteral("2"));
        ending.end(*form_);

        EXPECT_EQ(boxes().shown(), ending.says) << ending.name;
        EXPECT_EQ(form_->cmbBankname->currentText(), "STATE BANK") << ending.name;
        EXPECT_EQ(form_->TXTCHNUMBER->currentText(), "100202") << ending.name;
        EXPECT_EQ(form_->TXTAMOUNT->text(), "12500") << ending.name;
        EXPECT_EQ(form_->TXTChequeIssuedto->text(), "GREEN LEAF GARDENERS") << ending.name;
        EXPECT_EQ(form_->TXTREMARK->text(), "GARDEN UPKEEP") << ending.name;
        EXPECT_EQ(rowCount(), 3) << ending.name;
    }
}

// Enter in the open list of cheque numbers picks the number and loads its cheque, and
// does nothing else; with the list closed, Enter is SAVE's.
TEST_F(FRM_BANKTest, EnterInTheOpenListOnlyPicks)
{
    storedCheque(1, 100201, QStringLiteral("AXIS"), QStringLiteral("20"));
    storedCheque(2, 100202, QStringLiteral("HDFC"), QStringLiteral("30"));
    openForm();
    QApplication::setActiveWindow(form_);
    QTest::mouseClick(form_->TXTCHNUMBER, Qt::LeftButton);
    QTest::keyClick(form_->TXTCHNUMBER, Qt::Key_Down, Qt::AltModifier);
    QAbstractItemView *list = form_->TXTCHNUMBER->view();
    ASSERT_TRUE(list->isVisible());
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);

    EXPECT_FALSE(list->isVisible());
    EXPECT_TRUE(boxes().shown().empty());
    EXPECT_EQ(form_->TXTCHNUMBER->currentText(), "100202");
    EXPECT_EQ(form_->cmbBankname->currentText(), "HDFC");
    EXPECT_EQ(rowCount(), 2);

    QTest::keyClick(form_->TXTCHNUMBER, Qt::Key_Return);
    EXPECT_EQ(boxes().shown(), (std::vector<MessageBoxRecord>{
                                   {QStringLiteral("Duplicate Cheque No Entry"),
                                    forms::vbOKOnly, 0, AppTitle}}));
}
