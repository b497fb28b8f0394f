#include "platform/forms/Form.h"
#include "platform/forms/Twips.h"
#include "support/IsolatedTest.h"

#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <gtest/gtest.h>

class TwipsTest : public IsolatedTest {
protected:
    static void SetUpTestSuite() { ensureApplication(); }
};

TEST_F(TwipsTest, fifteenTwipsMakeAPixelRoundedToTheNearest)
{
    EXPECT_EQ(forms::twipsToPixels(7470), 498);
    EXPECT_EQ(forms::twipsToPixels(7), 0);
    EXPECT_EQ(forms::twipsToPixels(8), 1);
    EXPECT_EQ(forms::twipsToPixels(-8), -1);

    QWidget form;
    forms::setClientSizeTwips(&form, 7470, 5400);
    EXPECT_EQ(form.size(), QSize(498, 360));
    QWidget label(&form);
    forms::setTwipsGeometry(&label, 120, 480, 7215, 375);
    EXPECT_EQ(label.geometry(), QRect(8, 32, 481, 25));
}

TEST_F(TwipsTest, placesTheFormAtTheTopCentreOfTheScreen)
{
    ASSERT_EQ(QGuiApplication::primaryScreen()->geometry().width(), 800);
    QWidget window;
    window.setFixedSize(301, 200);

    forms::placeTopCentre(&window);

    // 12000 / 2 - 4515 / 2 = 3742.5 twips, 249.5 pixels.
    EXPECT_EQ(window.pos(), QPoint(250, 0));
}

TEST_F(TwipsTest, aFormInsideAnAreaMovesItsSubWindow)
{
    QMdiArea area;
    area.resize(1200, 800);
    auto *form = new QWidget;
    form->setFixedSize(300, 200);
    QMdiSubWindow *subWindow = area.addSubWindow(form);
    subWindow->resize(310, 230);
    subWindow->move(50, 60);

    forms::placeTopCentre(form);

    const int screenTwips = QGuiApplication::primaryScreen()->geometry().width() * 15;
    const float left = float(screenTwips) / 2.0f - float(310 * 15) / 2.0f;
    EXPECT_EQ(subWindow->pos(), QPoint(qRound(left / 15.0f), 0));
}

TEST_F(TwipsTest, windowsFacesAreDrawnInDejaVu)
{
    const QFont title = forms::formFont(QStringLiteral("MS Sans Serif"), 13.5, true);
    EXPECT_EQ(title.family(), QStringLiteral("DejaVu Sans"));
    EXPECT_DOUBLE_EQ(title.pointSizeF(), 13.5);
    EXPECT_TRUE(title.bold());

    const QFont about = forms::formFont(QStringLiteral("Verdana"), 12);
    EXPECT_EQ(about.family(), QStringLiteral("DejaVu Sans"));
    EXPECT_FALSE(about.bold());
}
