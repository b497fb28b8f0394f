#include "platform/forms/PlainControl.h"
#include "platform/forms/WidgetControls.h"
#include "platform/runtime/RuntimeError.h"
#include "support/IsolatedTest.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QLineEdit>
#include <functional>
#include <memory>
#include <gtest/gtest.h>

namespace {

// The number of the run-time error the call raises, or 0.
long errorOf(const std::function<void()> &call)
{
    try {
        call();
    } catch (const rt::RuntimeError &error) {
        return error.Number();
    }
    return 0;
}

} // namespace

class WidgetControlsTest : public IsolatedTest {
protected:
    static void SetUpTestSuite() { ensureApplication(); }
};

TEST_F(WidgetControlsTest, aPropertyTheControlLacksRaises438)
{
    QLineEdit box;
    forms::TextBoxControl text(&box);

    EXPECT_EQ(errorOf([&] { text.Value(); }), rt::errObjectDoesNotSupport);
    EXPECT_EQ(errorOf([&] { text.setValue(1); }), rt::errObjectDoesNotSupport);
    EXPECT_EQ(errorOf([&] { text.setListIndex(0); }), rt::errObjectDoesNotSupport);

    text.setText(1500.5);
    EXPECT_EQ(box.text(), QStringLiteral("1500.5"));
    EXPECT_EQ(text.Text().toString(), QStringLiteral("1500.5"));
}

TEST_F(WidgetControlsTest, aControlWhoseWidgetIsGoneRaises438)
{
    auto *box = new QLineEdit;
    forms::TextBoxControl text(box);
    text.setText(QStringLiteral("A"));
    delete box;

    EXPECT_EQ(errorOf([&] { text.Text(); }), rt::errObjectDoesNotSupport);
    EXPECT_EQ(errorOf([&] { text.setText(QStringLiteral("B")); }),
              rt::errObjectDoesNotSupport);
}

TEST_F(WidgetControlsTest, codeSelectingAComboItemRaisesClickOnceAtOnce)
{
    for (const bool editable : {true, false}) {
        SCOPED_TRACE(editable ? "editable" : "drop-down list");
        QComboBox box;
        box.setEditable(editable);
        int clicks = 0;
        QString textSeenByClick;
        forms::ComboBoxControl combo(&box, [&] {
            ++clicks;
            textSeenByClick = box.currentText();
        });

        combo.Clear();
        for (const char *number : {"7", "12.5", "1500"})
            combo.AddItem(QString::fromLatin1(number));
        EXPECT_EQ(combo.ListIndex(), -1);
        EXPECT_EQ(combo.Text().toString(), QString());
        EXPECT_EQ(clicks, 0);

        combo.setListIndex(0);
        EXPECT_EQ(clicks, 1);
        EXPECT_EQ(textSeenByClick, QStringLiteral("7"));
        EXPECT_EQ(combo.ListIndex(), 0);

        combo.setListIndex(2);
        EXPECT_EQ(clicks, 2);
        EXPECT_EQ(combo.Text().toString(), QStringLiteral("1500"));

        emit box.activated(1);
        EXPECT_EQ(clicks, 3);
    }
}

TEST_F(WidgetControlsTest, itemsAddedByCodeReachTheBoxWithNothingSelected)
{
    QComboBox box;
    box.setEditable(true);
    box.setEditText(QStringLiteral("typed"));
    int clicks = 0;
    auto combo = std::make_unique<forms::ComboBoxControl>(&box, [&] { ++clicks; });

    // A fill that stops before selecting: the items arrive once control returns to the
    // event loop, the text stays and no Click is raised.
    for (const char *bank : {"AXIS", "HDFC", "SBI"})
        combo->AddItem(QString::fromLatin1(bank));
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(box.count(), 3);
    EXPECT_EQ(box.itemText(2), QStringLiteral("SBI"));
    EXPECT_EQ(box.currentIndex(), -1);
    EXPECT_EQ(box.currentText(), QStringLiteral("typed"));

    // Read through the adapter at once, and before the box paints.
    combo->AddItem(QStringLiteral("UCO"));
    EXPECT_EQ(combo->ListCount(), 4);
    EXPECT_EQ(combo->List(3), QStringLiteral("UCO"));
    combo->AddItem(QStringLiteral("YES BANK"));
    QEvent paint(QEvent::Paint);
    QCoreApplication::sendEvent(&box, &paint);
    EXPECT_EQ(box.count(), 5);

    // Clearing drops what has not arrived yet; an adapter that goes hands over the rest.
    combo->AddItem(QStringLiteral("CANARA"));
    combo->Clear();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(box.count(), 0);
    combo->AddItem(QStringLiteral("IDBI"));
    combo.reset();
    EXPECT_EQ(box.count(), 1);
    EXPECT_EQ(box.currentIndex(), -1);
    EXPECT_EQ(clicks, 0);
}

TEST_F(WidgetControlsTest, aListClearedAndFilledAgainHoldsExactlyTheNewItems)
{
    const QList<QPair<QStringList, QStringList>> fills = {
        {{"3", "2", "1"}, {"4", "3", "2", "1"}},
        {{"1", "2", "3"}, {"1", "2", "3", "900000"}},
        {{"1", "2", "3", "4"}, {"1", "9", "4"}},
        {{"1", "2", "2"}, {"2", "2"}},
        {{"1", "2"}, {"1", "2"}},
        {{"1", "2"}, {}},
        {{}, {"7", "8"}},
    };
    for (const auto &[before, after] : fills) {
        SCOPED_TRACE((before.join(',') + " -> " + after.join(',')).toStdString());
        QComboBox box;
        box.setEditable(true);
        forms::ComboBoxControl combo(&box);
        box.addItems(before);
        if (!before.isEmpty())
            combo.setListIndex(0);

        combo.Clear();
        EXPECT_EQ(box.currentIndex(), -1);
        EXPECT_EQ(box.currentText(), QString());
        for (const QString &item : after)
            combo.AddItem(item);

        ASSERT_EQ(combo.ListCount(), after.size());
        for (int i = 0; i < after.size(); ++i)
            EXPECT_EQ(box.itemText(i), after[i]);
        EXPECT_EQ(combo.ListIndex(), -1);
        EXPECT_EQ(box.currentText(), QString());
    }
}

TEST_F(WidgetControlsTest, selectingInAnEmptyComboRaises380AndNoClick)
{
    QComboBox box;
    box.setEditable(true);
    box.addItem(QStringLiteral("SBI"));
    int clicks = 0;
    forms::ComboBoxControl combo(&box, [&] { ++clicks; });

    combo.Clear();

    EXPECT_EQ(combo.Text().toString(), QString());
    EXPECT_EQ(errorOf([&] { combo.setListIndex(0); }), rt::errInvalidPropertyValue);
    EXPECT_EQ(combo.ListIndex(), -1);
    EXPECT_EQ(combo.ListCount(), 0);
    EXPECT_EQ(clicks, 0);
}

TEST_F(WidgetControlsTest, userPicksRaiseClickOnlyWhileTheAdapterLives)
{
    QComboBox box;
    box.addItems({QStringLiteral("YES"), QStringLiteral("NO")});
    int clicks = 0;
    {
        forms::ComboBoxControl combo(&box, [&] { ++clicks; });
        emit box.activated(1);
    }
    emit box.activated(0);

    EXPECT_EQ(clicks, 1);
}

TEST_F(WidgetControlsTest, datePickerValueIsItsDateAndTextTheShortDate)
{
    QDateEdit picker;
    forms::DatePickerControl date(&picker);

    date.setValue(QDate(2024, 3, 5));
    EXPECT_EQ(date.Value(), rt::Variant(QDate(2024, 3, 5)));
    EXPECT_EQ(date.Text().toString(), QStringLiteral("05/03/2024"));

    date.setValue(QStringLiteral("07/08/2023"));
    EXPECT_EQ(picker.date(), QDate(2023, 8, 7));

    EXPECT_EQ(errorOf([&] { date.setValue(QStringLiteral("tomorrow")); }),
              rt::errTypeMismatch);
    EXPECT_EQ(picker.date(), QDate(2023, 8, 7));
}

TEST(PlainControlTest, selectsLikeACombo)
{
    forms::PlainControl list(QStringLiteral("old"));
    EXPECT_EQ(errorOf([&] { list.setListIndex(0); }), rt::errInvalidPropertyValue);
    EXPECT_EQ(list.Text().toString(), QStringLiteral("old"));

    list.AddItem(QStringLiteral("HDFC"));
    list.AddItem(QStringLiteral("SBI"));
    list.setListIndex(1);
    EXPECT_EQ(list.Text().toString(), QStringLiteral("SBI"));
    EXPECT_EQ(list.clickCount(), 1);
    EXPECT_EQ(errorOf([&] { list.setListIndex(2); }), rt::errInvalidPropertyValue);
    EXPECT_EQ(list.ListIndex(), 1);

    list.Clear();
    EXPECT_EQ(list.ListCount(), 0);
    EXPECT_EQ(list.ListIndex(), -1);
    EXPECT_EQ(list.Text().toString(), QString());
    EXPECT_EQ(list.clickCount(), 1);
}
