#include "app/mainwindow.h"
#include "help/helpbrowser.h"
#include "help/infodialog.h"

#include "messagecatcher.h"
#include "widgetlookup.h"

#include <QtTest>

namespace {

QAction *action(MainWindow &window, const QString &name)
{
    for (QAction *a : window.findChildren<QAction *>())
        if (a->text() == name)
            return a;
    qFatal("action %s missing", qPrintable(name));
}

// Triggers the action and deletes the page it replaced.
void go(MainWindow &window, const QString &name)
{
    action(window, name)->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QString page(MainWindow &window)
{
    return window.centralWidget()->metaObject()->className();
}

QList<HelpBrowser *> browsers()
{
    QList<HelpBrowser *> found;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *b = qobject_cast<HelpBrowser *>(w))
            found << b;
    return found;
}

}

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void init() { QTest::failOnWarning(QRegularExpression("connectSlotsByName")); }
    void menusAndPages();
    void aboutAndInfoPictures();
    void documentationWindowIsReused();
};

void TestMainWindow::menusAndPages()
{
    // Each menu with its actions and their status tips; "-" is a separator.
    MainWindow window;
    QStringList menus;
    for (QAction *top : window.menuBar()->actions()) {
        QString entries = top->text() + ':';
        for (QAction *a : top->menu()->actions())
            entries += a->isSeparator() ? QString(" -") : ' ' + a->text() + " (" + a->statusTip() + ')';
        menus << entries;
    }
    QCOMPARE(menus, QStringList({"&File: - E&xit (Exit the application)",
                                 "&Tools: Main Menu (Return to main menu) PMV (PMV, MRT, Inverse PMV) "
                                 "BNB Assessment (BNB Assessment)",
                                 "&Help: &About (About Klimaro) Documentation (User documentation)"}));
    QCOMPARE(window.windowTitle(), "Klimaro v0.3");
    click(window, "infoButton");               // a pop-up that page switches leave alone
    go(window, "PMV");
    QPointer<QWidget> first = window.centralWidget();
    QCOMPARE(page(window), "pmvMenuForm");
    setText(*first, "inputTa", "30");
    go(window, "PMV");                         // the same tool again: fresh defaults
    QVERIFY(first.isNull());
    QCOMPARE(text(*window.centralWidget(), "inputTa"), "22");
    // At its smallest the window leaves every tab its minimum: nothing clips.
    window.show();
    window.resize(1, 1);
    QTest::qWait(10);
    const QTabWidget *tabs = window.findChild<QTabWidget *>();
    for (int i = 0; i < tabs->count(); ++i)   // each page gets the current page's size
        QVERIFY2(tabs->widget(i)->minimumSizeHint().boundedTo(tabs->currentWidget()->size())
                     == tabs->widget(i)->minimumSizeHint(), qPrintable(tabs->tabText(i)));
    go(window, "BNB Assessment");
    QCOMPARE(page(window), "bnbMenuForm");
    // The rebuilt main menu page's buttons are connected again.
    for (const char *button : {"startpmv pmvMenuForm", "startBNB bnbMenuForm"}) {
        go(window, "Main Menu");
        QCOMPARE(window.findChildren<QPushButton *>("startpmv").size(), 1);
        click(window, QString(button).section(' ', 0, 0));
        QCOMPARE(page(window), QString(button).section(' ', 1));
    }
    const QList<InfoDialog *> infos = window.findChildren<InfoDialog *>();
    QCOMPARE(infos.size(), 1);
    QVERIFY(infos.first()->isVisible() && !infos.first()->isModal());
    QVERIFY(child<QLabel>(*infos.first(), "label")->text().startsWith("<h2> Klimaro_V1 </h2> <br/>"));
}

void TestMainWindow::aboutAndInfoPictures()
{
    MainWindow window;
    MessageCatcher catcher;
    action(window, "&About")->trigger();
    QCOMPARE(catcher.count, 1);
    QCOMPARE(catcher.title, "About Klimaro");
    QVERIFY(catcher.text.startsWith("<center>Klimaro v0.3<hr>") && catcher.text.endsWith("</center>"));
    // A large picture is scaled down to fit a dialog that cannot grow beyond 531 × 470; a
    // help picture of 500 × 420 is shown whole and unscaled.
    InfoDialog *dialog = InfoDialog::showPicture("Info about ...", "title.png", &window);
    dialog->resize(900, 800);
    QCOMPARE(dialog->size().boundedTo(QSize(531, 470)), dialog->size());
    QCOMPARE(child<QLabel>(*dialog, "label")->pixmap().width(), 519);   // 600 × 120 scaled
    InfoDialog *help = InfoDialog::showPicture("Info about ...", "InfoBuPMV.png", &window);
    auto *label = child<QLabel>(*help, "label");
    QCOMPARE(label->pixmap().size(), QSize(500, 420));
    help->layout()->activate();
    QVERIFY(label->height() >= 420 && label->width() >= 500);
}

void TestMainWindow::documentationWindowIsReused()
{
    MainWindow window;
    click(window, "startDocumentation");
    QCOMPARE(browsers().size(), 1);
    HelpBrowser *browser = browsers().first();
    QVERIFY(browser->isVisible());
    QCOMPARE(browser->windowTitle(), "Klimaro v0.3 Documentation");
    auto *view = browser->findChild<QTextBrowser *>();
    QVERIFY(view && !view->toPlainText().isEmpty());    // found in the resources
    QTest::keyClick(browser, Qt::Key_Escape);
    QVERIFY(!browser->isVisible());
    action(window, "Documentation")->trigger();
    QCOMPARE(browsers(), QList<HelpBrowser *>{browser});
    QVERIFY(browser->isVisible());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
