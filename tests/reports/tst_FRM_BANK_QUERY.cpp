#include "reports/RecordingReportControl.h"
#include "support/FormDriving.h"
#include "support/ProgramFolderTest.h"

#include "platform/forms/FormsRegistry.h"
#include "reports/FRM_BANK_QUERY.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <cmath>

namespace {

QRect pixels(const QRect &twips)
{
    const auto pixel = [](int value) { return static_cast<int>(std::lround(value / 15.0)); };
    return {pixel(twips.left()), pixel(twips.top()), pixel(twips.width()), pixel(twips.height())};
}

class FRM_BANK_QUERYTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        workspace = new QMdiArea;
        workspace->resize(1200, 800);
        workspace->show();
        auto recording = std::make_unique<RecordingReportControl>();
        CR = recording.get();
        form = static_cast<FRM_BANK_QUERY *>(forms::FormsRegistry::show(
            QStringLiteral("FRM_BANK_QUERY"),
            [&recording] { return new FRM_BANK_QUERY(std::move(recording)); }, workspace));
    }

    void TearDown() override
    {
        delete workspace;
        ProgramFolderTest::TearDown();
    }

    QStringList selectionFormulas() const
    {
        return CR->writes().filter(QStringLiteral("SelectionFormula = {"));
    }

    QMdiArea *workspace = nullptr;
    RecordingReportControl *CR = nullptr;
    QPointer<FRM_BANK_QUERY> form;
};

} // namespace

TEST_F(FRM_BANK_QUERYTest, LaidOutAsDesigned)
{
    EXPECT_EQ(form->windowTitle(), "BANK TRANSACTION");
    EXPECT_EQ(form->size(), QSize(453, 155));
    EXPECT_EQ(form->parentWidget()->y(), 0) << "placed at the top of the workspace";
    EXPECT_EQ(form->palette().color(QPalette::Window), QColor(0, 0, 0));
    const struct {
        QWidget *control;
        QWidget *container;
        QRect twips;
        QString caption;
        QColor background;
    } table[] = {
        {form->Frame1, form, {120, 120, 6495, 2055}, "", QColor(192, 192, 192)},
        {form->Label1, form->Frame1, {600, 120, 975, 375}, "From :", QColor(192, 192, 192)},
        {form->DTPfrom, form->Frame1, {1440, 120, 1845, 360}, "", QColor()},
        {form->Label3, form->Frame1, {3600, 120, 1815, 375}, "To :", QColor(192, 192, 192)},
        {form->DTPto, form->Frame1, {4080, 120, 1845, 360}, "", QColor()},
        {form->Line1, form->Frame1, {0, 600, 6480, 15}, "", QColor()},
        {form->Label2, form->Frame1, {120, 720, 2775, 375}, "Select Transaction Type:",
         QColor(192, 192, 192)},
        {form->CMBCASHCASH, form->Frame1, {2760, 720, 2205, 360}, "", QColor(224, 224, 224)},
        {form->cmdasCashCheque, form->Frame1, {5160, 720, 975, 375}, "Show",
         QColor(192, 192, 192)},
        {form->cmdall, form->Frame1, {5160, 1200, 975, 615}, "Show All", QColor(192, 192, 192)},
        {form->Line2, form->Frame1, {0, 1920, 6480, 15}, "", QColor()},
    };
    for (const auto &row : table) {
        const std::string name = row.control->objectName().toStdString();
        EXPECT_EQ(row.control->geometry(), pixels(row.twips)) << name;
        EXPECT_EQ(row.control->parentWidget(), row.container) << name;
        if (qobject_cast<QLabel *>(row.control) || qobject_cast<QPushButton *>(row.control)) {
            EXPECT_EQ(row.control->property("text").toString(), row.caption) << name;
        }
        if (row.background.isValid()) {
            EXPECT_EQ(row.control->palette().color(QPalette::Button), row.background) << name;
        }
    }
    for (QWidget *lettered : QList<QWidget *>{form->Label1, form->DTPfrom, form->Label3,
                                               form->DTPto, form->Label2, form->CMBCASHCASH,
                                               form->cmdasCashCheque, form->cmdall}) {
        EXPECT_EQ(lettered->font().pointSizeF(), 9.75) << lettered->objectName().toStdString();
        EXPECT_TRUE(lettered->font().bold()) << lettered->objectName().toStdString();
    }
    EXPECT_EQ(form->DTPfrom->displayFormat(), "dd MMM yyyy");
    EXPECT_EQ(form->DTPto->displayFormat(), "dd MMM yyyy");
    EXPECT_EQ(focusWalk(workspace, 6), (QStringList{"cmdasCashCheque", "DTPfrom", "DTPto",
                                                    "cmdall", "CMBCASHCASH", "cmdasCashCheque"}));
}

TEST_F(FRM_BANK_QUERYTest, LoadsTheKindsWithNoneChosenAndTodayAtBothEnds)
{
    EXPECT_EQ(form->CMBCASHCASH->count(), 3);
    EXPECT_EQ(form->CMBCASHCASH->itemText(0), "CASH");
    EXPECT_EQ(form->CMBCASHCASH->itemText(1), "CHEQUE");
    EXPECT_EQ(form->CMBCASHCASH->itemText(2), "DRAFT");
    EXPECT_EQ(form->CMBCASHCASH->currentText(), "");
    EXPECT_EQ(form->DTPfrom->date(), QDate::currentDate());
    EXPECT_EQ(form->DTPto->date(), QDate::currentDate());
    EXPECT_TRUE(CR->writes().isEmpty());
}

TEST_F(FRM_BANK_QUERYTest, TypedKindArrivesInCapitalsAndShowAllDropsIt)
{
    form->DTPfrom->setDate(QDate(2026, 4, 1));
    form->DTPto->setDate(QDate(2027, 3, 31));
    typeInto(form->CMBCASHCASH->lineEdit(), QStringLiteral("ca'sh"));
    form->cmdasCashCheque->click();
    form->cmdall->click();

    EXPECT_EQ(selectionFormulas(),
              (QStringList{"SelectionFormula = {BANK.CHEQUEORCASH} = 'CASH' AND "
                           "{BANK.DATEOFENTRY} >= date(2026,4,1) and "
                           "{BANK.DATEOFENTRY} <= date(2027,3,31)",
                           "SelectionFormula = {BANK.DATEOFENTRY} >= date(2026,4,1) and "
                           "{BANK.DATEOFENTRY} <= date(2027,3,31)"}));
    EXPECT_EQ(CR->writes().filter(QStringLiteral("Action")).size(), 2);
    EXPECT_TRUE(boxes().shown().empty());

    pressKey(form->CMBCASHCASH->lineEdit(), Qt::Key_Escape);
    deleteClosedForms();
    EXPECT_TRUE(form.isNull());
}

// Each picker takes the date typed into it, the month by its name, whatever month it
// showed; the report asks for exactly the typed days.
TEST_F(FRM_BANK_QUERYTest, APickerTakesTheDateTypedIntoIt)
{
    QApplication::setActiveWindow(workspace);
    EXPECT_EQ(datesNotTakenAsTyped({form->DTPfrom, form->DTPto}).join(u'\n').toStdString(),
              "");
    form->DTPfrom->setDate(QDate(2025, 4, 15));
    form->DTPto->setDate(QDate(2025, 4, 15));
    typeDate(form->DTPto, QDate(2026, 3, 31));
    form->cmdall->click();
    EXPECT_EQ(selectionFormulas(),
              QStringList{"SelectionFormula = {BANK.DATEOFENTRY} >= date(2025,4,15) and "
                          "{BANK.DATEOFENTRY} <= date(2026,3,31)"});
    EXPECT_TRUE(boxes().shown().empty());
}

// Each picker takes a pasted date as it takes a typed one: by Ctrl+V, Shift+Insert and
// the menu's Paste, a date that exists exactly, anything else refused with its message.
TEST_F(FRM_BANK_QUERYTest, APickerTakesAPastedDateAsATypedOne)
{
    QApplication::setActiveWindow(workspace);
    EXPECT_EQ(
        pastesNotTakenAsTyped({form->DTPfrom, form->DTPto}, boxes()).join(u'\n').toStdString(), "");
    EXPECT_TRUE(CR->writes().isEmpty());
}

// A report button clicked or pressed with Space over a typed date that is refused runs
// no report: the date's message is all that happens. Esc over such a date closes the
// window without a word.
TEST_F(FRM_BANK_QUERYTest, ARefusedTypedDateRunsNoReport)
{
    QApplication::setActiveWindow(workspace);
    const forms::MessageBoxRecord refusal{
        QStringLiteral("31 Apr 2025 is not a date: the date stays 15 Apr 2025"), forms::vbOKOnly,
        forms::vbInformation, QStringLiteral("Error in Entry")};
    for (QDateEdit *picker : {form->DTPfrom, form->DTPto}) {
        for (QPushButton *button : {form->cmdasCashCheque, form->cmdall}) {
            for (const bool space : {false, true}) {
                const std::string what = picker->objectName().toStdString() + ", "
                                         + button->objectName().toStdString()
                                         + (space ? " by Space" : " by a click");
                boxes().clear();
                picker->setDate(QDate(2025, 4, 15));
                clickDatePart(picker, 0);
                QTest::keyClicks(picker, QStringLiteral("31"));
                if (space)
                    QTest::keyClick(button, Qt::Key_Space);
                else
                    QTest::mouseClick(button, Qt::LeftButton);
                EXPECT_EQ(boxes().shown(), std::vector<forms::MessageBoxRecord>{refusal}) << what;
                EXPECT_EQ(picker->date(), QDate(2025, 4, 15)) << what;
                EXPECT_FALSE(button->isDown()) << what;
            }
        }
    }
    EXPECT_TRUE(CR->writes().isEmpty());

    boxes().clear();
    clickDatePart(form->DTPto, 0);
    QTest::keyClicks(form->DTPto, QStringLiteral("31"));
    QTest::keyClick(form->DTPto, Qt::Key_Escape);
    deleteClosedForms();
    EXPECT_TRUE(form.isNull());
    EXPECT_TRUE(boxes().shown().empty());
}
