#include "shell/Stratform.h"

#include "platform/forms/FormControls.h"
#include "platform/forms/FormsRegistry.h"
#include "platform/forms/Twips.h"
#include "platform/runtime/App.h"
#include "shell/ShellPictures.h"
#include "shell/frm_MainMain.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

Stratform::Stratform(QWidget *parent) : forms::Form(parent)
{
    using namespace forms::FormControls;
    setObjectName(QStringLiteral("Stratform"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(rt::App::Title());
    forms::setClientSizeTwips(this, 5280, 3585);

    const QFont font = forms::formFont(QStringLiteral("MS Sans Serif"), 9.75, true);
    Image1 = label(this, "Image1", QString(), QRect(0, 0, 5280, 3585), font);
    Image1->setScaledContents(true);
    Image1->setPixmap(ShellPictures::splashPicture(Image1->size()));

    Label1 = label(this, "Label1", rt::App::Title().toUpper(), QRect(2700, 720, 2400, 495),
                   forms::formFont(QStringLiteral("MS Sans Serif"), 18, true));
    Label2 = paragraph(this, "Label2", QStringLiteral("Cheque Register and Printing"),
                       QRect(2700, 1320, 2400, 735), font);
    Label3 = paragraph(this, "Label3", QStringLiteral("Cheques printed on your bank's own leaves"),
                       QRect(2700, 2640, 2400, 735), font);
    setColours(Label1, QColor(212, 175, 55));
    setColours(Label2, Qt::white);
    setColours(Label3, QColor(190, 215, 230));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &Stratform::Timer1_Timer);
}

void Stratform::Form_Load()
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    move(screen.center() - rect().center());
    ticks_ = 1;
    Timer1->start();
}

void Stratform::Timer1_Timer()
{
    ticks_ += 1;
    if (ticks_ == 2)
        moveOn();
}

void Stratform::Form_Unload()
{
    moveOn();
}

void Stratform::moveOn()
{
    forms::FormsRegistry::show(QStringLiteral("frm_MainMain"), [] { return new frm_MainMain; });
    hide();
    Timer1->stop();
}
