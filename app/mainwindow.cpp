#include "app/mainwindow.h"

#include "comfort/pmvmenuform.h"
#include "comfort/trace.h"
#include "help/helpbrowser.h"
#include "help/infodialog.h"
#include "report/bnbmenuform.h"
#include "ui_mainwindow.h"

#include <QAction>
#include <QLayout>
#include <QCoreApplication>
#include <QMenuBar>
#include <QMessageBox>

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
{
    createActions();
    createMenus();
    mainMenu_clicked();
    // The window never gets smaller than its page needs, whatever page it shows:
    // no tab clips (the PMV tool's pages need about 780 × 640 px).
    layout()->setSizeConstraint(QLayout::SetMinimumSize);
}

MainWindow::~MainWindow()
{
    delete helpBrowser;
    delete ui;
}

void MainWindow::createActions()
{
    exitAct = new QAction(tr("E&xit"), this);
    exitAct->setShortcuts(QKeySequence::Quit);
    exitAct->setStatusTip(tr("Exit the application"));
    connect(exitAct, &QAction::triggered, this, &QWidget::close);

    aboutAct = new QAction(tr("&About"), this);
    aboutAct->setStatusTip(tr("About Klimaro"));
    connect(aboutAct, &QAction::triggered, this, &MainWindow::about);

    mainMenuAct = new QAction(tr("Main Menu"), this);
    mainMenuAct->setStatusTip(tr("Return to main menu"));
    connect(mainMenuAct, &QAction::triggered, this, &MainWindow::mainMenu_clicked);

    pmvAct = new QAction(tr("PMV"), this);
    pmvAct->setStatusTip(tr("PMV, MRT, Inverse PMV"));
    connect(pmvAct, &QAction::triggered, this, &MainWindow::on_startpmv_clicked);

    bnbAct = new QAction(tr("BNB Assessment"), this);
    bnbAct->setStatusTip(tr("BNB Assessment"));
    connect(bnbAct, &QAction::triggered, this, &MainWindow::on_startBNB_clicked);

    documentationAct = new QAction(tr("Documentation"), this);
    documentationAct->setStatusTip(tr("User documentation"));
    connect(documentationAct, &QAction::triggered, this, &MainWindow::on_startDocumentation_clicked);
}

void MainWindow::createMenus()
{
    fileMenu = menuBar()->addMenu(tr("&File"));
    fileMenu->addSeparator();
    fileMenu->addAction(exitAct);

    toolsMenu = menuBar()->addMenu(tr("&Tools"));
    toolsMenu->addAction(mainMenuAct);
    toolsMenu->addAction(pmvAct);
    toolsMenu->addAction(bnbAct);

    helpMenu = menuBar()->addMenu(tr("&Help"));
    helpMenu->addAction(aboutAct);
    helpMenu->addAction(documentationAct);
}

void MainWindow::about()
{
    QMessageBox::about(this, tr("About Klimaro"),
                       tr("<center>Klimaro v0.3"
                          "<hr>Thermal comfort of rooms after ISO 7730 and BNB, developed by the "
                          "Klimaro team, <a href=\"https://klimaro.example.org\">klimaro.example.org</a>, 2026"
                          "</center>"));
}

// A new central page destroys the previous one with all it holds. The old page
// leaves the window at once (it may be the sender, so it is deleted later):
// a main menu page built next must not find its buttons when connecting by name.
void MainWindow::replacePage(QWidget *page)
{
    if (QWidget *old = takeCentralWidget()) {
        old->setParent(nullptr);
        old->deleteLater();
    }
    if (page)
        setCentralWidget(page);
}

void MainWindow::on_startpmv_clicked()
{
    replacePage(new pmvMenuForm(this));
}

void MainWindow::mainMenu_clicked()
{
    replacePage(nullptr);
    ui->setupUi(this);   // new central page and status bar, page buttons connected by name
    setWindowTitle(tr("Klimaro v0.3"));
    ui->startpmv->setStyleSheet(QStringLiteral("Text-align:left"));
    ui->startBNB->setStyleSheet(QStringLiteral("Text-align:left"));
    ui->startDocumentation->setStyleSheet(QStringLiteral("Text-align:left"));
}

void MainWindow::on_startBNB_clicked()
{
    replacePage(new bnbMenuForm(this));
}

void MainWindow::on_startDocumentation_clicked()
{
    if (!helpBrowser) {
        const QString path = QCoreApplication::applicationDirPath() + QStringLiteral("/../");
        traceLine(QStringLiteral("Path ") + path);
        helpBrowser = new HelpBrowser(path, QStringLiteral("Dokumentation_Hilfe.html"), nullptr);
        // An open documentation window does not keep the program running.
        helpBrowser->setAttribute(Qt::WA_QuitOnClose, false);
        helpBrowser->resize(800, 600);
    }
    helpBrowser->show();
    helpBrowser->raise();
    helpBrowser->activateWindow();
}

void MainWindow::on_infoButton_clicked()
{
    const QString text = QStringLiteral(
        "<h2> Klimaro_V1 </h2> <br/>"
        "<h4>Entwickelt im Forschungsvorhaben „Thermische Behaglichkeit in Büroräumen – "
        "ein Werkzeug für die Bewertung nach ISO 7730 und BNB“. <br/><br/>"
        "Die Verantwortung für den Inhalt des Tools liegt beim Autor. <br/><br/>"
        "Das Klimaro-Entwicklerteam <br/><br/>"
        "Klimaro – Bauphysik und Raumklima: "
        "<a href=\"https://klimaro.example.org\">klimaro.example.org</a>, "
        "Arbeitsgruppe Behaglichkeit: "
        "<a href=\"https://klimaro.example.org/behaglichkeit\">klimaro.example.org/behaglichkeit</a>"
        " <br/><br/>© 2026 Klimaro</h4>");
    auto *dialog = new InfoDialog(tr("Info about ..."), text, true, this);
    dialog->show();
}
