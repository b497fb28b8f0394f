#include "shell/MDI.h"

#include "cheque/Cheque_200_90.h"
#include "cheque/FRM_BANK.h"
#include "platform/forms/FormControls.h"
#include "platform/forms/FormsRegistry.h"
#include "platform/runtime/App.h"
#include "shell/About.h"
#include "shell/Frm_Admin.h"
#include "shell/ShellPictures.h"

#include <QAction>
#include <QEvent>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

MDI::MDI(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MDI"));
    setWindowTitle(rt::App::Title());
    // The full screen also where no window manager maximises the window.
    setGeometry(screen()->availableGeometry());
    setWindowState(Qt::WindowMaximized);

    mdiArea = new QMdiArea(this);
    mdiArea->setObjectName(QStringLiteral("mdiArea"));
    mdiArea->setBackground(forms::FormControls::fromBgr(0xC00000));
    // Closing a child brings back the one used before it, not the oldest.
    mdiArea->setActivationOrder(QMdiArea::ActivationHistoryOrder);
    mdiArea->viewport()->installEventFilter(this);
    // A form larger than the window (the layout form is wider than a 1024-pixel screen)
    // is scrolled to, not cut off out of reach.
    mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdiArea);

    mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuExit = menuItem(mnuFile->addAction(QStringLiteral("&Exit")), "mnuExit", &MDI::mnuExit_Click);
    mnuEnter_Data = menuItem(menuBar()->addAction(QStringLiteral("&Enter Data")), "mnuEnter_Data",
                             &MDI::mnuEnter_Data_Click);
    mnuPrint_Cheque = menuItem(menuBar()->addAction(QStringLiteral("&Print Cheque")),
                               "mnuPrint_Cheque", &MDI::mnuPrint_Cheque_Click);
    mnuAdmin = menuItem(menuBar()->addAction(QStringLiteral("&Admin")), "mnuAdmin",
                        &MDI::mnuAdmin_Click);
    mnuAbout = menuItem(menuBar()->addAction(QStringLiteral("&About")), "mnuAbout",
                        &MDI::mnuAbout_Click);
}

QAction *MDI::menuItem(QAction *item, const char *name, void (MDI::*handler)())
{
    item->setObjectName(QString::fromLatin1(name));
    connect(item, &QAction::triggered, this, handler);
    return item;
}

void MDI::showChild(const QString &formName, const std::function<QWidget *()> &factory)
{
    forms::FormsRegistry::show(formName, factory, mdiArea);
}

void MDI::mnuExit_Click()
{
    rt::End();
}

void MDI::mnuEnter_Data_Click()
{
    showChild(QStringLiteral("FRM_BANK"), [] { return new FRM_BANK; });
}

void MDI::mnuPrint_Cheque_Click()
{
    showChild(QStringLiteral("Cheque_200_90"), [] { return new Cheque_200_90; });
}

void MDI::mnuAdmin_Click()
{
    showChild(QStringLiteral("Frm_Admin"), [] { return new Frm_Admin; });
}

void MDI::mnuAbout_Click()
{
    showChild(QStringLiteral("About"), [] { return new About; });
}

void MDI::MDIForm_Unload()
{
    rt::End();
}

void MDI::closeEvent(QCloseEvent *)
{
    MDIForm_Unload();
}

// The picture is drawn for the workspace's size so that it is never tiled.
bool MDI::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == mdiArea->viewport() && event->type() == QEvent::Resize)
        mdiArea->setBackground(ShellPictures::mainBackground(mdiArea->viewport()->size()));
    return QMainWindow::eventFilter(watched, event);
}
