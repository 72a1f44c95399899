// Every window and dialog opened and closed 100 times through the main window
// leaves nothing behind: the top-level widgets and the main window's descendants
// return to their counts. The sanitizer build's LeakSanitizer then checks that
// no memory stays behind either. The tool pages are made once and kept: each stays one
// hidden child of the window, never a window of its own.
#include "app/mainwindow.h"
#include "app/toolpage.h"

#include "messagecatcher.h"
#include "widgetlookup.h"

#include <QtTest>

namespace {

constexpr int kRounds = 100;

enum Round { PmvTool, AssessmentTool, Documentation, AboutBox, InfoPopUp, PopUpsOfOpenTool };

// Also the layout and paint requests a shown window posts: left in the queue
// they pile up and make each further post slower.
void deleteLaterNow()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void trigger(MainWindow &window, const QString &text)
{
    for (QAction *a : window.findChildren<QAction *>())
        if (a->text() == text)
            return a->trigger();
    qFatal("action %s missing", qPrintable(text));
}

// Clicks every "?" button of the page and every button that opens the surface
// temperature dialog; more than ten on each tool page.
void openPopUps(QWidget *page)
{
    int clicked = 0;
    for (QAbstractButton *b : page->findChildren<QAbstractButton *>())
        if (b->objectName().startsWith("InfoBu") || b->objectName() == "TsurfCalcButton") {
            b->click();
            ++clicked;
        }
    QVERIFY(clicked > 10);
}

// One round opens its window or dialogs and closes the new windows again.
void runRound(MainWindow &window, int round)
{
    const QWidgetList before = QApplication::topLevelWidgets();
    MessageCatcher catcher;
    if (round == PmvTool || round == AssessmentTool) {   // the kept page's pop-ups closed below
        click(window, round == PmvTool ? "startpmv" : "startBNB");
        openPopUps(window.centralWidget());
        trigger(window, "Main Menu");
    } else if (round == AboutBox) {
        trigger(window, "&About");
    } else if (round == PopUpsOfOpenTool) {
        openPopUps(window.centralWidget());
    } else {
        click(window, round == Documentation ? "startDocumentation" : "infoButton");
    }
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && !before.contains(w))
            w->close();
    deleteLaterNow();
    QCOMPARE(catcher.count, round == AboutBox ? 1 : 0);   // the About box only, answered
}

}

class TestWindowLeaks : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // Room for every help picture, decoded once: the rounds then cost the
        // windows, not 2,000 PNG decodings.
        QPixmapCache::setCacheLimit(64 * 1024);
        // The offscreen platform says so at every pop-up shown: thousands of lines.
        static const QtMessageHandler testLog = qInstallMessageHandler(nullptr);
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &text) {
            if (!text.startsWith("This plugin does not support"))
                testLog(type, context, text);
        });
    }

    void openAndCloseLeavesNothing_data()
    {
        QTest::addColumn<int>("round");
        const char *rounds[] = {"PMV tool with every ? pop-up and the Tsurf dialog", "assessment tool with its pop-ups",
                                "documentation window", "About box", "info pop-up of the main menu",
                                "pop-ups closed while the PMV tool stays open"};
        for (int round = PmvTool; round <= PopUpsOfOpenTool; ++round)
            QTest::newRow(rounds[round]) << round;
    }

    void openAndCloseLeavesNothing()
    {
        QFETCH(int, round);
        MainWindow window;
        window.show();
        if (round == PopUpsOfOpenTool) {
            trigger(window, "PMV");
            deleteLaterNow();
        }
        // Counted after a first round, which makes what is made once and reused: the
        // documentation window, the tool page, the surface temperature dialog of a tool.
        runRound(window, round);
        const qsizetype topLevels = QApplication::topLevelWidgets().size();
        const qsizetype descendants = window.findChildren<QObject *>().size();
        for (int i = 1; i < kRounds; ++i) {
            runRound(window, round);
            if (QTest::currentTestFailed())
                return;
        }
        QCOMPARE(QApplication::topLevelWidgets().size(), topLevels);
        QCOMPARE(window.findChildren<QObject *>().size(), descendants);
        const QList<ToolPage *> pages = window.findChildren<ToolPage *>();
        QCOMPARE(pages.size(), round == PmvTool || round == AssessmentTool || round == PopUpsOfOpenTool ? 1 : 0);
        for (ToolPage *page : pages)
            QVERIFY(!page->isWindow() && page->isHidden() == (round != PopUpsOfOpenTool));
    }
};

QTEST_MAIN(TestWindowLeaks)
#include "tst_windowleaks.moc"
