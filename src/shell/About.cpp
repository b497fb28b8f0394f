#include "shell/About.h"

#include "platform/forms/FormControls.h"
#include "platform/forms/KeyFilter.h"
#include "platform/forms/Twips.h"
#include "platform/runtime/App.h"
#include "shell/ShellPictures.h"

#include <QFrame>
#include <QLabel>

namespace {

const QColor Gold(212, 175, 55);
const QColor Ivory(245, 240, 225);

} // namespace

About::About(QWidget *parent) : forms::Form(parent)
{
    using namespace forms::FormControls;
    setObjectName(QStringLiteral("About"));
    setWindowTitle(QStringLiteral("About"));
    const QFont font = forms::formFont(QStringLiteral("Verdana"), 12);
    setFont(font);
    setColours(this, Ivory, Qt::black);
    forms::setClientSizeTwips(this, 9000, 6720);

    Image1 = label(this, "Image1", QString(), QRect(0, 0, 9000, 6750), font);
    Image1->setScaledContents(true);
    Image1->setPixmap(ShellPictures::aboutPicture(Image1->size()));

    Shape3 = new QFrame(this);
    Shape3->setObjectName(QStringLiteral("Shape3"));
    Shape3->setStyleSheet(QStringLiteral("#Shape3 { border: 3px solid #FF0000; background: transparent; }"));
    forms::setTwipsGeometry(Shape3, 480, 480, 8175, 5775);

    Label1 = label(this, "Label1", rt::App::Title().toUpper(), QRect(720, 1200, 7695, 735),
                   forms::formFont(QStringLiteral("Verdana"), 24, true));
    Label2 = label(this, "Label2", QStringLiteral("Cheque Register and Printing"),
                   QRect(720, 2160, 7695, 495), font);
    Label3 = paragraph(this, "Label3",
                       QStringLiteral("Keeps the register of the cheques you write and "
                                      "prints them on the leaves of your bank, each field "
                                      "where your bank's leaf wants it."),
                       QRect(1200, 3240, 6735, 1455), font);
    for (QLabel *text : {Label1, Label2, Label3})
        text->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setColours(Label1, Gold);

    // With no control that takes the focus, the form itself must, or Esc reaches nothing.
    setFocusPolicy(Qt::StrongFocus);
    new forms::KeyPreview(this, forms::KeyPreview::Keys::EscapeOnly);
}

void About::Form_Load()
{
    forms::placeTopCentre(this);
}
