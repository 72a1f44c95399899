#include "app/mainwindow.h"

#include "app/language.h"
#include "comfort/pmvmenuform.h"
#include "comfort/trace.h"
#include "help/helpbrowser.h"
#include "help/infodialog.h"
#include "report/bnbmenuform.h"
#include "ui_mainwindow.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLayout>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
{
    createActions();
    createMenus();
    ui->setupUi(this);   // the main menu page and the status bar, page buttons connected by name
    menuPage = ui->centralWidget;
    setWindowTitle(tr("Klimaro v0.3"));
    //: Title picture in this language (resources/images/).
    ui->title->setPixmap(QPixmap(QStringLiteral(":/images/") + tr("title.png")));
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

    auto *languages = new QActionGroup(this);   // exclusive
    englishAct = languages->addAction(tr("English"));
    englishAct->setData(QStringLiteral("en"));
    germanAct = languages->addAction(tr("German"));
    germanAct->setData(QStringLiteral("de"));
    const QString language = interfaceLanguage(QSettings(), QLocale::system());
    for (QAction *a : languages->actions()) {
        a->setCheckable(true);
        a->setChecked(a->data().toString() == language);
    }
    connect(languages, &QActionGroup::triggered, this, &MainWindow::chooseLanguage);
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

    settingsMenu = menuBar()->addMenu(tr("&Settings"));
    languageMenu = settingsMenu->addMenu(tr("&Language"));
    languageMenu->menuAction()->setStatusTip(tr("Language of the interface, applied at the next start"));
    languageMenu->addAction(englishAct);
    languageMenu->addAction(germanAct);

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

bool MainWindow::hasUnsavedWork() const
{
    return (pmvPage && pmvPage->hasUnsavedWork()) || (bnbPage && bnbPage->hasUnsavedWork());
}

// The assessment's room may be saved first (Save, Discard, Cancel); the PMV tool's work cannot
// be saved: it asks Quit or Cancel.
void MainWindow::closeEvent(QCloseEvent *event)
{
    if (bnbPage && bnbPage->hasUnsavedWork()) {
        on_startBNB_clicked();
        if (!bnbPage->maybeSave())
            return event->ignore();
    }
    if (pmvPage && pmvPage->hasUnsavedWork()) {
        QMessageBox box(QMessageBox::Warning, tr("Quit Klimaro"),
                        tr("Quit Klimaro? Entered data and results are not saved."),
                        QMessageBox::Discard | QMessageBox::Cancel, this);
        box.button(QMessageBox::Discard)->setText(tr("&Quit"));
        box.setDefaultButton(QMessageBox::Cancel);
        if (box.exec() != QMessageBox::Discard)
            return event->ignore();
    }
    event->accept();
}

void MainWindow::chooseLanguage(QAction *language)
{
    QSettings settings;
    const QString code = language->data().toString();
    if (settings.value(QLatin1String(kLanguageKey)).toString() == code)
        return;
    settings.setValue(QLatin1String(kLanguageKey), code);
    QMessageBox::information(this, tr("Language"),
                             tr("Klimaro shows the chosen language from its next start on."));
}

// The page shown leaves the window's layout but stays its (hidden) child:
// takeCentralWidget alone would leave it a window of its own.
void MainWindow::showPage(QWidget *page)
{
    if (centralWidget() == page)
        return;
    if (QWidget *shown = takeCentralWidget()) {
        shown->setParent(this);
        shown->hide();
    }
    setCentralWidget(page);
    page->show();
    updateTitle();
}

// "Klimaro v0.3", with the assessment's room ("office_room.json*") while its page is shown.
void MainWindow::updateTitle()
{
    const QString room = bnbPage && centralWidget() == bnbPage ? roomTitle : QString();
    setWindowTitle(room.isEmpty() ? tr("Klimaro v0.3") : tr("%1 – Klimaro v0.3").arg(room));
}

void MainWindow::on_startpmv_clicked()
{
    if (!pmvPage)
        pmvPage = new pmvMenuForm(this);
    showPage(pmvPage);
}

void MainWindow::mainMenu_clicked()
{
    showPage(menuPage);
}

void MainWindow::on_startBNB_clicked()
{
    if (!bnbPage) {
        bnbPage = new bnbMenuForm(this);
        connect(bnbPage, &bnbMenuForm::roomTitleChanged, this, [this](const QString &title) {
            roomTitle = title;
            updateTitle();
        });
    }
    showPage(bnbPage);
}

void MainWindow::on_startDocumentation_clicked()
{
    if (!helpBrowser) {
        const QString path = QCoreApplication::applicationDirPath() + QStringLiteral("/../");
        traceLine(QStringLiteral("Path ") + path);
        //: File name of the user documentation in this language (resources/doc/).
        helpBrowser = new HelpBrowser(path, tr("Dokumentation_Hilfe.html"), nullptr);
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
