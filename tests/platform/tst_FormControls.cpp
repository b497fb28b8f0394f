#include "platform/forms/FormControls.h"
#include "support/IsolatedTest.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

const QFont Sans = forms::formFont(QStringLiteral("MS Sans Serif"), 8.25);
const QFont SansBold = forms::formFont(QStringLiteral("MS Sans Serif"), 9.75, true);

bool condensed(const QWidget *control)
{
    return control->font().stretch() == QFont::SemiCondensed;
}

int captionAdvance(const QWidget *control, const QString &caption)
{
    return control->fontMetrics().horizontalAdvance(caption);
}

// The room the style leaves a button's caption.
int captionRoom(const QAbstractButton *button, QStyle::SubElement contents)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    return button->style()->subElementRect(contents, &option, button).width();
}

} // namespace

class FormControlsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ensureApplication(); }
    QWidget form;
};

TEST_F(FormControlsTest, ACaptionCutOffAtItsEdgeIsDrawnCondensedAndThenFits)
{
    using namespace forms::FormControls;
    QRadioButton *portrait =
        optionButton(&form, "OptP", QStringLiteral("Portrait"), QRect(3600, 120, 855, 195), Sans);
    QRadioButton *landscape = optionButton(&form, "OptL", QStringLiteral("Landscape"),
                                           QRect(3600, 360, 1335, 195), Sans);
    EXPECT_TRUE(condensed(portrait));
    EXPECT_LE(captionAdvance(portrait, portrait->text()),
              captionRoom(portrait, QStyle::SE_RadioButtonContents));
    EXPECT_FALSE(condensed(landscape));
    EXPECT_EQ(portrait->objectName(), QStringLiteral("OptP"));
    EXPECT_EQ(portrait->geometry(), QRect(240, 8, 57, 13));

    QLabel *narrow = label(&form, "Label5", QStringLiteral("Re enterPassword"),
                           QRect(240, 1440, 1845, 375), SansBold);
    QLabel *wide = label(&form, "Label3", QStringLiteral("User ID"), QRect(240, 480, 1215, 375),
                         SansBold);
    EXPECT_TRUE(condensed(narrow));
    EXPECT_LE(captionAdvance(narrow, narrow->text()), narrow->width());
    EXPECT_FALSE(condensed(wide));
    EXPECT_EQ(wide->alignment(), Qt::AlignLeft | Qt::AlignTop);

    QPushButton *cut = button(&form, "cmdsave", QStringLiteral("Save Customised"),
                              QRect(0, 0, 1800, 495), SansBold);
    QPushButton *whole = button(&form, "cmdadjust", QStringLiteral("Adjust Distance"),
                                QRect(0, 600, 2415, 375), SansBold);
    EXPECT_TRUE(condensed(cut));
    EXPECT_LE(captionAdvance(cut, cut->text()), captionRoom(cut, QStyle::SE_PushButtonContents));
    EXPECT_FALSE(condensed(whole));
}

TEST_F(FormControlsTest, AWrappingLabelIsNeverCondensed)
{
    QLabel *text = forms::FormControls::paragraph(
        &form, "Label3", QStringLiteral("Cheques printed on your bank's own leaves"),
        QRect(2700, 2640, 2400, 735), SansBold);
    EXPECT_TRUE(text->wordWrap());
    EXPECT_FALSE(condensed(text));
}

TEST_F(FormControlsTest, ColoursWrittenAsBgrKeepTheirChannels)
{
    EXPECT_EQ(forms::FormControls::fromBgr(0x000080), QColor(128, 0, 0));
    EXPECT_EQ(forms::FormControls::fromBgr(0x80FFFF), QColor(255, 255, 128));
    EXPECT_EQ(forms::FormControls::fromBgr(0xC00000), QColor(0, 0, 192));
}
