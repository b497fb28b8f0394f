#include "cheque/ChequeForm.h"
#include "cheque/Cheque_200_90.h"
#include "cheque/ChequeTestPrinting.h"
#include "platform/forms/TwipsLabel.h"
#include "support/ProgramFolderTest.h"

#include <QFrame>
#include <memory>

namespace {

// A face control as the user sees it: its name, caption and place in screen pixels.
QString seen(const QWidget *control)
{
    const auto *label = qobject_cast<const QLabel *>(control);
    const QRect place = control->geometry();
    return QStringLiteral("%1 \"%2\" %3,%4 %5x%6")
        .arg(control->objectName(), label ? label->text() : QString())
        .arg(place.x())
        .arg(place.y())
        .arg(place.width())
        .arg(place.height());
}

// The face's controls in the order they stack, bottom first.
QStringList faceOf(const QWidget *form, const ChequeFaceControls &face)
{
    const QList<const QWidget *> controls = {
        face.lblacpay, face.lblDate,    face.lblDMY, face.lblPay,     face.lblName,
        face.lblName1, face.lblOrBearer, face.lblRu,  face.lblRupee,   face.lblRupee1,
        face.Shape1,   face.Line1,      face.lblac,  face.lblaccountN, face.Shape2,
        face.lblR,     face.lblRs,      face.lblSign, face.lblBankName};
    QStringList stacked;
    for (const QObject *child : form->children()) {
        const auto *widget = qobject_cast<const QWidget *>(child);
        if (controls.contains(widget))
            stacked << seen(widget);
    }
    return stacked;
}

class ChequeFaceTest : public ProgramFolderTest {};

TEST_F(ChequeFaceTest, ThePreviewShowsThePrintedFaceReversedWithItsNarrowerParts)
{
    const auto printed = std::make_unique<ChequeForm>();
    const auto preview = std::make_unique<Cheque_200_90>();
    QStringList expected = faceOf(printed.get(), *printed);
    std::reverse(expected.begin(), expected.end());

    // Where the layout form's narrower leaf departs from the printed face, in pixels.
    const std::map<QString, QString> narrower = {
        {"lblBankName", "lblBankName \"Bank  Name\" 16,208 337x89"},
        {"Shape2", "Shape2 \"\" 584,104 185x33"},
        {"lblRupee1", QStringLiteral("lblRupee1 \"%1\" 16,128 545x17").arg(QString(70, '_'))},
        {"lblRupee", QStringLiteral("lblRupee \"%1\" 168,104 393x25").arg(QString(51, '_'))},
        {"lblDMY", "lblDMY \"Date\" 664,16 113x17"},
    };
    for (QString &control : expected) {
        const auto differs = narrower.find(control.section(' ', 0, 0));
        if (differs != narrower.end())
            control = differs->second;
    }
    EXPECT_EQ(faceOf(preview.get(), *preview), expected);
    EXPECT_EQ(expected.size(), 19);
}

} // namespace
