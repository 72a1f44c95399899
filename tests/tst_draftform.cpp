#include "assessment/draftform.h"

#include "messagecatcher.h"
#include "widgetlookup.h"

#include <QtTest>

class TestDraftForm : public QObject
{
    Q_OBJECT
private slots:
    void init() { QTest::failOnWarning(QRegularExpression("connectSlotsByName")); }
    void enabling();
    void compute_data();
    void compute();
};

// Mechanical ventilation opens the season's groups; the window box shows full points again.
void TestDraftForm::enabling()
{
    draftForm form;
    QVERIFY(!enabled(form, "groupInputW") && !enabled(form, "groupCompS"));
    click(form, "w_checkMech");
    QVERIFY(enabled(form, "groupInputW") && enabled(form, "groupCompW") && !enabled(form, "groupInputS"));
    click(form, "s_checkMech");
    click(form, "w_checkMech");
    QVERIFY(!enabled(form, "groupCompW") && enabled(form, "groupInputS") && enabled(form, "groupCompS"));
    setText(form, "WinterPoints", "3");
    setText(form, "SummerPoints", "1");
    click(form, "w_checkWindow");
    click(form, "s_checkWindow");
    QCOMPARE(text(form, "WinterPoints") + text(form, "SummerPoints"), "2010");
}

void TestDraftForm::compute_data()
{
    QTest::addColumn<QString>("season");
    QTest::addColumn<QString>("ta");
    QTest::addColumn<QString>("expected");   // DR, verdict, points; or the message
    QTest::newRow("winter 21 °C, 0.15 m/s") << "w_" << "21" << "16.72 Fail 13";
    QTest::newRow("summer 21 °C, 0.15 m/s: half points") << "s_" << "21" << "16.72 Fail 7";
    QTest::newRow("summer, temperature empty") << "s_" << "" << "Summer: Air Temperature [°C]: empty";
}

// Mechanical and window ventilation, 0,15 m/s, 40 %.
void TestDraftForm::compute()
{
    QFETCH(QString, season);
    QFETCH(QString, ta);
    QFETCH(QString, expected);
    draftForm form;
    click(form, season + "checkMech");
    click(form, season + "checkWindow");
    setText(form, season + "inputTa", ta);
    setText(form, season + "inputVa", "0,15");
    setText(form, season + "inputTu", "40");
    MessageCatcher messages;
    click(form, season + "compButton");
    const QString shown = text(form, season + "outDr") + ' ' + text(form, season + "outQual") + ' '
                          + text(form, season == "w_" ? "WinterPoints" : "SummerPoints");
    QVERIFY2(ta.isEmpty() ? messages.text.contains(expected) && shown == "  10" : shown == expected,
             qPrintable(shown + messages.text));
}

QTEST_MAIN(TestDraftForm)
#include "tst_draftform.moc"
