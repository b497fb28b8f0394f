#include "platform/forms/Form.h"
#include "platform/forms/ScriptedMessageBoxes.h"
#include "platform/runtime/RuntimeError.h"
#include "support/ProgramFolderTest.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>

namespace {

// A form whose handlers fail as a step that passes its failure to the caller does.
class FailingForm : public forms::Form {
public:
    void Form_Load() override { throw rt::RuntimeError(3704, "Operation is not allowed when the object is closed."); }

    QPushButton *button = new QPushButton(QStringLiteral("Save"), this);

protected:
    void keyPressEvent(QKeyEvent *) override { throw rt::RuntimeError::typeMismatch(); }
};

TEST(GuardedApplicationTest, anErrorEscapingAHandlerIsShownAndTheProgramGoesOn)
{
    ensureApplication();
    forms::ScriptedMessageBoxes boxes;
    FailingForm form;
    int clicks = 0;
    QObject::connect(form.button, &QPushButton::clicked, [&clicks] {
        if (++clicks == 1)
            throw rt::RuntimeError::overflow();
    });

    struct Case {
        const char *name;
        std::function<void()> event;
        QString description;
    };
    const Case cases[] = {
        {"form load", [&] { form.show(); }, "Operation is not allowed when the object is closed."},
        {"click", [&] { QTest::mouseClick(form.button, Qt::LeftButton); }, "Overflow"},
        {"key press", [&] { QTest::keyClick(&form, Qt::Key_A); }, "Type mismatch"},
    };
    for (const Case &row : cases) {
        SCOPED_TRACE(row.name);
        boxes.clear();
        ASSERT_NO_THROW(row.event());
        EXPECT_EQ(boxes.shown(), (std::vector<forms::MessageBoxRecord>{
                                     {row.description, forms::vbOKOnly, 0, "Quilvane"}}));
    }

    // The form and its handlers still work.
    boxes.clear();
    QTest::mouseClick(form.button, Qt::LeftButton);
    EXPECT_EQ(clicks, 2);
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(boxes.shown().empty());
}

} // namespace
