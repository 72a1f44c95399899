// The one top-level window: the main menu page or one of the two tool pages as its
// central page. The tool pages are made on first use and kept for the session, so that
// switching tools keeps what the user entered and computed; closing the window asks
// first while a kept page has unsaved work.
#pragma once

#include <QMainWindow>
#include <QPointer>

class HelpBrowser;
class bnbMenuForm;
class QAction;
class QMenu;
class ToolPage;

namespace Ui {
class MainWindow;
}

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // True while a kept tool page has unsaved work (ToolPage::hasUnsavedWork).
    bool hasUnsavedWork() const;

protected:
    // Ctrl+Q, File → Exit and the window's close button: with unsaved work the user
    // chooses between "Quit" and "Cancel" first.
    void closeEvent(QCloseEvent *event) override;

private slots:
    void about();
    void on_startpmv_clicked();
    void mainMenu_clicked();
    void on_startBNB_clicked();
    void on_startDocumentation_clicked();
    void on_infoButton_clicked();
    // Stores the language ("en" or "de") for the next start.
    void chooseLanguage(QAction *language);

private:
    void createActions();
    void createMenus();
    void showPage(QWidget *page);
    void updateTitle();

    Ui::MainWindow *ui;
    QMenu *fileMenu;
    QMenu *toolsMenu;
    QMenu *settingsMenu;
    QMenu *languageMenu;
    QMenu *helpMenu;
    QAction *exitAct;
    QAction *aboutAct;
    QAction *mainMenuAct;
    QAction *pmvAct;
    QAction *bnbAct;
    QAction *documentationAct;
    QAction *englishAct;
    QAction *germanAct;
    // The pages, children of the window for the session; the one not shown is hidden.
    QWidget *menuPage = nullptr;
    QPointer<ToolPage> pmvPage;
    QPointer<bnbMenuForm> bnbPage;
    QString roomTitle;   // the assessment's room as its page names it
    // Created on first use, without parent; kept so that its history survives.
    QPointer<HelpBrowser> helpBrowser;
};
