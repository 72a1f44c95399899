// The one top-level window: main menu page or one tool window as its central page.
#pragma once

#include <QMainWindow>
#include <QPointer>

class HelpBrowser;
class QAction;
class QMenu;

namespace Ui {
class MainWindow;
}

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

private slots:
    void about();
    void on_startpmv_clicked();
    void mainMenu_clicked();
    void on_startBNB_clicked();
    void on_startDocumentation_clicked();
    void on_infoButton_clicked();

private:
    void createActions();
    void createMenus();
    void replacePage(QWidget *page);

    Ui::MainWindow *ui;
    QMenu *fileMenu;
    QMenu *toolsMenu;
    QMenu *helpMenu;
    QAction *exitAct;
    QAction *aboutAct;
    QAction *mainMenuAct;
    QAction *pmvAct;
    QAction *bnbAct;
    QAction *documentationAct;
    // Created on first use, without parent; kept so that its history survives.
    QPointer<HelpBrowser> helpBrowser;
};
