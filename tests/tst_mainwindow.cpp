#include "app/mainwindow.h"
#include "help/helpbrowser.h"
#include "help/infodialog.h"

#include "messagecatcher.h"
#include "widgetlookup.h"

#include <QtTest>

namespace {

QAction *action(MainWindow &window, const QString &text)
{
    for (QAction *a : window.findChildren<QAction *>())
        if (a->text() == text)
            return a;
    qFatal("action %s missing", qPrintable(text));
    return nullptr;
}

}

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void actionsAndMenus_data();
    void actionsAndMenus();
    void mainMenuPage();
    void pageSwitchesRebuildPages();
    void pageButtonsOpenTools();
    void aboutBox();
    void infoPopUpsAreIndependent();
    void infoDialogCannotGrow();
    void documentationWindowIsReused();
};

void TestMainWindow::init()
{
    QTest::failOnWarning(QRegularExpression("connectSlotsByName"));
}

void TestMainWindow::actionsAndMenus_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("tip");
    QTest::addColumn<QString>("menu");
    QTest::newRow("exit") << "E&xit" << "Exit the application" << "&File";
    QTest::newRow("about") << "&About" << "About Klimaro" << "&Help";
    QTest::newRow("main menu") << "Main Menu" << "Return to main menu" << "&Tools";
    QTest::newRow("pmv") << "PMV" << "PMV, MRT, Inverse PMV" << "&Tools";
    QTest::newRow("bnb") << "BNB Assessment" << "BNB Assessment" << "&Tools";
    QTest::newRow("documentation") << "Documentation" << "User documentation" << "&Help";
}

void TestMainWindow::actionsAndMenus()
{
    QFETCH(QString, text);
    QFETCH(QString, menu);
    MainWindow window;
    QAction *a = action(window, text);
    QTEST(a->statusTip(), "tip");
    bool inMenu = false;
    for (QMenu *m : window.findChildren<QMenu *>())
        if (m->title() == menu)
            inMenu = inMenu || m->actions().contains(a);
    QVERIFY(inMenu);
    const QStringList menus = {"&File", "&Tools", "&Help"};
    QStringList titles;
    for (QAction *top : window.menuBar()->actions())
        titles << top->text();
    QCOMPARE(titles, menus);
}

void TestMainWindow::mainMenuPage()
{
    MainWindow window;
    QCOMPARE(window.windowTitle(), "Klimaro v0.3");
    for (const char *name : {"startpmv", "startBNB", "startDocumentation"})
        QCOMPARE(child<QPushButton>(window, name)->styleSheet(), "Text-align:left");
    QCOMPARE(child<QPushButton>(window, "infoButton")->text(), "?");
    QVERIFY(!child<QLabel>(window, "title")->pixmap().isNull());
    QVERIFY(child<QPushButton>(window, "startpmv")->text().startsWith("PMV Tool\n\n- Predicted Mean Vote"));
}

void TestMainWindow::pageSwitchesRebuildPages()
{
    MainWindow window;
    action(window, "PMV")->trigger();
    QPointer<QWidget> first = window.centralWidget();
    QCOMPARE(first->metaObject()->className(), "pmvMenuForm");
    child<QLineEdit>(*first, "inputTa")->setText("30");

    action(window, "PMV")->trigger();          // the same tool again: fresh defaults
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull());
    QCOMPARE(child<QLineEdit>(*window.centralWidget(), "inputTa")->text(), "22");

    action(window, "BNB Assessment")->trigger();
    QCOMPARE(window.centralWidget()->metaObject()->className(), "bnbMenuForm");

    action(window, "Main Menu")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(window.findChild<QWidget *>("pmvMenuForm") == nullptr);
    QCOMPARE(window.findChildren<QPushButton *>("startpmv").size(), 1);
    QCOMPARE(window.windowTitle(), "Klimaro v0.3");
    QCOMPARE(window.centralWidget()->objectName(), "centralWidget");
}

void TestMainWindow::pageButtonsOpenTools()
{
    // The rebuilt main menu page's buttons are connected again.
    MainWindow window;
    action(window, "Main Menu")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QTest::mouseClick(child<QPushButton>(window, "startpmv"), Qt::LeftButton);
    QCOMPARE(window.centralWidget()->metaObject()->className(), "pmvMenuForm");
    action(window, "Main Menu")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QTest::mouseClick(child<QPushButton>(window, "startBNB"), Qt::LeftButton);
    QCOMPARE(window.centralWidget()->metaObject()->className(), "bnbMenuForm");
}

void TestMainWindow::aboutBox()
{
    MainWindow window;
    MessageCatcher catcher;
    action(window, "&About")->trigger();
    QCOMPARE(catcher.count, 1);
    QCOMPARE(catcher.title, "About Klimaro");
    QVERIFY(catcher.text.startsWith("<center>Klimaro v0.3<hr>"));
    QVERIFY(catcher.text.endsWith("</center>"));
}

void TestMainWindow::infoPopUpsAreIndependent()
{
    MainWindow window;
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(child<QPushButton>(window, "infoButton"), Qt::LeftButton);
    const QList<InfoDialog *> dialogs = window.findChildren<InfoDialog *>();
    QCOMPARE(dialogs.size(), 3);
    for (InfoDialog *dialog : dialogs) {
        QVERIFY(dialog->isVisible());
        QVERIFY(!dialog->isModal());
        QCOMPARE(dialog->windowTitle(), "Info about ...");
        auto *label = child<QLabel>(*dialog, "label");
        QVERIFY(label->text().startsWith("<h2> Klimaro_V1 </h2> <br/>"));
        QVERIFY(label->text().contains("Die Verantwortung für den Inhalt des Tools liegt beim Autor. <br/><br/>"));
        QVERIFY(label->openExternalLinks());
    }
    action(window, "Main Menu")->trigger();      // page switches leave pop-ups alone
    QCOMPARE(window.findChildren<InfoDialog *>().size(), 3);
}

void TestMainWindow::infoDialogCannotGrow()
{
    QWidget form;
    InfoDialog *dialog = InfoDialog::showPicture("Info about ...", "title.png", &form);
    QCOMPARE(dialog->maximumSize(), QSize(531, 470));
    dialog->resize(900, 800);
    QCOMPARE(dialog->size().boundedTo(QSize(531, 470)), dialog->size());
    auto *label = child<QLabel>(*dialog, "label");
    QVERIFY(!label->pixmap().isNull());
    QCOMPARE(label->pixmap().width(), 519);   // 600 × 120 scaled down to fit
    // A help picture of 500 × 420 is shown whole and unscaled.
    InfoDialog *help = InfoDialog::showPicture("Info about ...", "InfoBuPMV.png", &form);
    auto *helpLabel = child<QLabel>(*help, "label");
    QCOMPARE(helpLabel->pixmap().size(), QSize(500, 420));
    help->layout()->activate();
    QVERIFY(helpLabel->height() >= 420);
    QVERIFY(helpLabel->width() >= 500);
    QVERIFY(dialog->styleSheet().contains("background-color: rgb(255, 255, 127)"));
    // A picture missing from the resources leaves the label empty.
    InfoDialog missing("Info about ...", QString("nosuchpicture.png"), &form);
    QVERIFY(child<QLabel>(missing, "label")->pixmap().isNull());
}

void TestMainWindow::documentationWindowIsReused()
{
    MainWindow window;
    QTest::mouseClick(child<QPushButton>(window, "startDocumentation"), Qt::LeftButton);
    HelpBrowser *browser = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *b = qobject_cast<HelpBrowser *>(w))
            browser = b;
    QVERIFY(browser);
    QVERIFY(browser->isVisible());
    QCOMPARE(browser->windowTitle(), "Klimaro v0.3 Documentation");
    auto *view = browser->findChild<QTextBrowser *>();
    QVERIFY(view && !view->toPlainText().isEmpty());    // found in the resources
    QTest::keyClick(browser, Qt::Key_Escape);
    QVERIFY(!browser->isVisible());
    action(window, "Documentation")->trigger();
    int browsers = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        browsers += qobject_cast<HelpBrowser *>(w) != nullptr;
    QCOMPARE(browsers, 1);
    QVERIFY(browser->isVisible());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
