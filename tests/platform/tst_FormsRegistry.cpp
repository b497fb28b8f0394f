#include "platform/forms/Form.h"
#include "platform/forms/FormsRegistry.h"
#include "support/IsolatedTest.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QSignalSpy>
#include <gtest/gtest.h>

using forms::FormsRegistry;

namespace {

class CountingForm : public forms::Form {
public:
    int formLoads = 0;
    bool loadedInSubWindow = false;
    int unloads = 0;

    void Form_Load() override
    {
        ++formLoads;
        loadedInSubWindow = qobject_cast<QMdiSubWindow *>(parentWidget()) != nullptr;
    }

protected:
    void Form_Unload() override { ++unloads; }
};

void runDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class FormsRegistryTest : public IsolatedTest {
protected:
    static void SetUpTestSuite() { ensureApplication(); }

    void SetUp() override
    {
        IsolatedTest::SetUp();
        area = new QMdiArea;
        area->show();
    }

    void TearDown() override
    {
        delete area;
        IsolatedTest::TearDown();
    }

    // Shows a form of that name in the area, counting the forms loaded.
    QWidget *show(const QString &name)
    {
        return FormsRegistry::show(
            name,
            [this] {
                ++loads;
                return new CountingForm;
            },
            area);
    }

    QPointer<QMdiArea> area;
    int loads = 0;
};

TEST_F(FormsRegistryTest, showingAnOpenFormBringsItForwardWithoutASecondCopy)
{
    QWidget *entry = show(QStringLiteral("FRM_BANK"));
    QWidget *layout = show(QStringLiteral("Cheque_200_90"));
    EXPECT_EQ(area->activeSubWindow()->widget(), layout);

    EXPECT_EQ(show(QStringLiteral("FRM_BANK")), entry);

    EXPECT_EQ(loads, 2);
    EXPECT_EQ(area->subWindowList().size(), 2);
    EXPECT_EQ(area->activeSubWindow()->widget(), entry);
    EXPECT_TRUE(entry->isVisible());
    EXPECT_EQ(FormsRegistry::find(QStringLiteral("FRM_BANK")), entry);
}

TEST_F(FormsRegistryTest, aFormLoadsOnceWhenFirstShownInItsSubWindow)
{
    auto *entry = static_cast<CountingForm *>(show(QStringLiteral("FRM_BANK")));
    EXPECT_EQ(entry->formLoads, 1);
    EXPECT_TRUE(entry->loadedInSubWindow);

    // A child window has a fixed border: it closes, but neither minimises nor maximises.
    const Qt::WindowFlags flags = area->activeSubWindow()->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);

    area->activeSubWindow()->hide();
    show(QStringLiteral("FRM_BANK"));
    EXPECT_TRUE(entry->isVisible());
    EXPECT_EQ(entry->formLoads, 1);
}

TEST_F(FormsRegistryTest, unloadingClosesTheSubWindowAndForgetsTheForm)
{
    auto *entry = static_cast<CountingForm *>(show(QStringLiteral("FRM_BANK")));
    QPointer<QMdiSubWindow> subWindow = area->activeSubWindow();
    QSignalSpy unloaded(entry, &forms::Form::unloaded);

    entry->Unload();
    EXPECT_EQ(entry->unloads, 1);
    EXPECT_EQ(unloaded.count(), 1);
    runDeferredDeletes();

    EXPECT_TRUE(subWindow.isNull());
    EXPECT_EQ(FormsRegistry::find(QStringLiteral("FRM_BANK")), nullptr);
    show(QStringLiteral("FRM_BANK"));
    EXPECT_EQ(loads, 2);
}

TEST_F(FormsRegistryTest, aFormShownWithoutAreaIsItsOwnWindow)
{
    QPointer<QWidget> login = FormsRegistry::show(QStringLiteral("frm_MainMain"),
                                                  [] { return new CountingForm; });

    EXPECT_TRUE(login->isWindow());
    EXPECT_TRUE(login->isVisible());
    login->close();
    runDeferredDeletes();
    EXPECT_TRUE(login.isNull());
}
