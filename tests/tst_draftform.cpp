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
    void emptyFieldNamed();
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

// An empty field is named with its season; nothing is computed.
void TestDraftForm::emptyFieldNamed()
{
    draftForm form;
    click(form, "s_checkMech");
    MessageCatcher messages;
    click(form, "s_compButton");
    QVERIFY2(messages.text.contains("Summer: Air Temperature [°C]: empty"), qPrintable(messages.text));
    QCOMPARE(text(form, "s_outDr") + text(form, "SummerPoints"), "10");
}

QTEST_MAIN(TestDraftForm)
#include "tst_draftform.moc"
