#pragma once

#include <QMainWindow>
#include <functional>

class QAction;
class QMdiArea;
class QMenu;

// The main window: a workspace for the working forms and the menus that open them.
class MDI : public QMainWindow {
    Q_OBJECT
public:
    explicit MDI(QWidget *parent = nullptr);

    QMdiArea *mdiArea;
    QMenu *mnuFile;
    QAction *mnuExit;
    QAction *mnuEnter_Data;
    QAction *mnuPrint_Cheque;
    QAction *mnuAdmin;
    QAction *mnuAbout;

public slots:
    void mnuExit_Click();
    void mnuEnter_Data_Click();
    void mnuPrint_Cheque_Click();
    void mnuAdmin_Click();
    void mnuAbout_Click();
    void MDIForm_Unload();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAction *menuItem(QAction *item, const char *name, void (MDI::*handler)());
    void showChild(const QString &formName, const std::function<QWidget *()> &factory);
};
