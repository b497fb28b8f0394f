#include "platform/forms/FormControls.h"
#include "platform/forms/ScriptedMessageBoxes.h"
#include "support/FormDriving.h"
#include "support/IsolatedTest.h"

#include <QApplication>
#include <QClipboard>
#include <QDateEdit>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

class DatePickerTest : public IsolatedTest {
protected:
    static void SetUpTestSuite() { ensureApplication(); }

    void SetUp() override
    {
        IsolatedTest::SetUp();
        window = std::make_unique<QWidget>();
        next = new QLineEdit(window.get());
        next->move(0, 40);
        window->show();
        QApplication::setActiveWindow(window.get());
    }

    void TearDown() override
    {
        window.reset();
        IsolatedTest::TearDown();
    }

    QDateEdit *picker(const char *format)
    {
        delete picker_;
        picker_ = forms::FormControls::datePicker(window.get(), "picker", QRect(0, 0, 1845, 360),
                                                  QFont(), QString::fromLatin1(format));
        picker_->show();
        return picker_;
    }

    std::unique_ptr<QWidget> window;
    QLineEdit *next = nullptr;
    forms::ScriptedMessageBoxes boxes;

private:
    QDateEdit *picker_ = nullptr;
};

} // namespace

// Keys typed into one part after a click on it, then Tab: what the picker holds, and
// what it says when the typed parts make no date.
TEST_F(DatePickerTest, PartsAreTakenAsTyped)
{
    struct Case {
        const char *format;
        int part;
        const char *keys;
        QDate date;
        const char *refusal;
    };
    const QDate shown(2025, 4, 15);
    const Case cases[] = {
        // A part that can take no further digit finishes itself; the separator typed
        // after it is its own.
        {"dd/MM/yyyy", 0, "4/5/2026", QDate(2026, 5, 4), nullptr},
        {"dd/MM/yyyy", 0, "3/3/2026", QDate(2026, 3, 3), nullptr},
        {"dd/MM/yyyy", 0, "31032026", QDate(2026, 3, 31), nullptr},
        {"dd/MM/yyyy", 0, "3\b28/02/2026", QDate(2026, 2, 28), nullptr},
        {"dd/MM/yyyy", 1, "2", QDate(2025, 2, 15), nullptr},
        {"dd/MM/yyyy", 2, "20", shown, "15/04/20 is not a date: the date stays 15/04/2025"},
        {"dd/MM/yyyy", 0, "31", shown, "31/04/2025 is not a date: the date stays 15/04/2025"},
        {"dd/MM/yyyy", 0, "01011700", shown,
         "01/01/1700 is before 14/09/1752, the earliest date the program takes: the date stays "
         "15/04/2025"},
        {"dd MMM yyyy", 0, "31 may 2026", QDate(2026, 5, 31), nullptr},
        {"dd MMM yyyy", 1, "12", QDate(2025, 12, 15), nullptr},
        {"dd MMM yyyy", 1, "x", shown, nullptr},
        {"dd MMM yyyy", 1, "ma", shown, "15 ma 2025 is not a date: the date stays 15 Apr 2025"},
    };
    for (const Case &c : cases) {
        boxes.clear();
        QDateEdit *box = picker(c.format);
        box->setDate(shown);
        clickDatePart(box, c.part);
        QTest::keyClicks(box, QString::fromLatin1(c.keys));
        QTest::keyClick(box, Qt::Key_Tab);

        EXPECT_EQ(box->date().toString(Qt::ISODate), c.date.toString(Qt::ISODate)) << c.keys;
        EXPECT_EQ(box->text().toStdString(),
                  QLocale().toString(c.date, box->displayFormat()).toStdString())
            << c.keys;
        const auto shownBoxes = boxes.shown();
        ASSERT_EQ(shownBoxes.size(), c.refusal ? 1u : 0u) << c.keys;
        if (c.refusal) {
            EXPECT_EQ(shownBoxes.front(), (forms::MessageBoxRecord{
                                              QString::fromLatin1(c.refusal), forms::vbOKOnly,
                                              forms::vbInformation, "Error in Entry"}));
        }
    }
}

// Pasted text (Ctrl+V) after a click on a part, and maybe a digit typed: what the picker
// holds after Tab, and what it says. A single part goes into the part clicked, or the one
// being typed; a text of more parts is a whole date, typed from the first part.
TEST_F(DatePickerTest, PastedTextGoesTheTypedRoad)
{
    struct Case {
        const char *format;
        int part;
        const char *typed;
        const char *pasted;
        QDate date;
        const char *refusal;
    };
    const QDate shown(2025, 4, 15);
    const Case cases[] = {
        {"dd/MM/yyyy", 1, "", "12", QDate(2025, 12, 15), nullptr},
        {"dd MMM yyyy", 1, "", "may", QDate(2025, 5, 15), nullptr},
        {"dd MMM yyyy", 1, "", "31 03 2026", QDate(2026, 3, 31), nullptr},
        {"dd/MM/yyyy", 0, "3", "1", shown, "31/04/2025 is not a date: the date stays 15/04/2025"},
        {"dd/MM/yyyy", 0, "", "1/1/1700", shown,
         "1/1/1700 is before 14/09/1752, the earliest date the program takes: the date stays "
         "15/04/2025"},
        {"dd/MM/yyyy", 0, "", "31/12/2025/", QDate(2025, 12, 31), nullptr},
        {"dd/MM/yyyy", 0, "", "", shown, nullptr},
    };
    for (const Case &c : cases) {
        boxes.clear();
        QDateEdit *box = picker(c.format);
        box->setDate(shown);
        clickDatePart(box, c.part);
        QTest::keyClicks(box, QString::fromLatin1(c.typed));
        QApplication::clipboard()->setText(QString::fromLatin1(c.pasted));
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Tab);

        EXPECT_EQ(box->date().toString(Qt::ISODate), c.date.toString(Qt::ISODate)) << c.pasted;
        std::vector<forms::MessageBoxRecord> refusals;
        if (c.refusal)
            refusals.push_back({QString::fromLatin1(c.refusal), forms::vbOKOnly,
                                forms::vbInformation, "Error in Entry"});
        EXPECT_EQ(boxes.shown(), refusals) << c.pasted;
    }
}
