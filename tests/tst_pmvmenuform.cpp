// The PMV tool's tabs: the clothing list and the hand-overs into the calculator.
#include "comfort/clothingform.h"
#include "comfort/pmvform.h"
#include "comfort/pmvmenuform.h"

#include "comfort/numbertext.h"

#include "messagecatcher.h"
#include "widgetlookup.h"

#include <QtTest>

class TestPmvMenuForm : public QObject
{
    Q_OBJECT
private slots:
    void init() { QTest::failOnWarning(QRegularExpression("connectSlotsByName")); }
    void eachEnsembleWritesItsValue_data();
    void eachEnsembleWritesItsValue();
    void oneExclusiveGroupAcrossBothLists();
    void clothingHandOverOnlyWhileTicked();
    void handOverTexts_data();
    void handOverTexts();
    void mrtHandOverOnlyWhileTicked();
};

// The inverse page has widgets of the same names: look them up in the calculator.
static QWidget &calculator(pmvMenuForm &window)
{
    return *child<pmvForm>(window, "pmvForm");
}

void TestPmvMenuForm::eachEnsembleWritesItsValue_data()
{
    QTest::addColumn<QString>("radio");
    QTest::addColumn<QString>("clo");
    const QString rows = "radio1=0.7 radio2=0.8 radio3=0.9 radio4=1 radio5=1.2 radio6=1.4 radio7=2 radio8=2.55 "
                         "radio1_d=0.3 radio2_d=0.5 radio3_d=0.7 radio4_d=0.7 radio5_d=1 radio6_d=1.1 radio7_d=1.3 radio8_d=1.5";
    for (const QString &row : rows.split(' '))
        QTest::newRow(qPrintable(row)) << row.section('=', 0, 0) << row.section('=', 1);
}

void TestPmvMenuForm::eachEnsembleWritesItsValue()
{
    QFETCH(QString, radio);
    clothingForm form(nullptr);
    // Start from another pick: the unchecked ensemble writes first, the new one last.
    click(form, radio == "radio8" ? "radio1" : "radio8");
    click(form, radio);
    QTEST(text(form, "lineClo"), "clo");
}

void TestPmvMenuForm::oneExclusiveGroupAcrossBothLists()
{
    clothingForm form(nullptr);
    const QList<QRadioButton *> radios = form.findChildren<QRadioButton *>();
    QCOMPARE(radios.size(), 16);
    QCOMPARE(text(form, "lineClo"), "0.1");   // no pick yet
    click(form, "radio7");
    click(form, "radio2_d");
    QCOMPARE(text(form, "lineClo"), "0.5");
    QVERIFY(child<QRadioButton>(form, "radio2_d")->isChecked());
    QCOMPARE(std::count_if(radios.begin(), radios.end(), [](QRadioButton *r) { return r->isChecked(); }), 1);
}

void TestPmvMenuForm::clothingHandOverOnlyWhileTicked()
{
    pmvMenuForm window(nullptr);
    auto *icl = child<QLineEdit>(calculator(window), "inputIcl");
    click(window, "radio7");
    QCOMPARE(icl->text(), "0.5");          // not ticked: nothing copied
    setText(window, "lineClo", "0.96");
    click(calculator(window), "checkBoxRecvClo");   // ticking copies at once
    QCOMPARE(icl->text(), "0.96");
    click(window, "radio8");
    QCOMPARE(icl->text(), "2.55");         // every later change is copied
    click(calculator(window), "checkBoxRecvClo");   // unticking leaves the field
    click(window, "radio1");
    QCOMPARE(icl->text(), "2.55");
}

void TestPmvMenuForm::handOverTexts_data()
{
    // Ticking copies at once, in general format; the MRT is rounded in single precision.
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("copied");
    QTest::newRow("clothing: trailing zero dropped") << "lineClo" << "checkBoxRecvClo" << "inputIcl" << "0.50" << "0.5";
    QTest::newRow("clothing: not a number copied as it stands")
        << "lineClo" << "checkBoxRecvClo" << "inputIcl" << "0.5 clo" << "0.5 clo";
    QTest::newRow("MRT 21.005 half up") << "outputMRT" << "checkBoxRecvMrt" << "inputMRT" << "21.005" << "21.01";
    QTest::newRow("MRT not a number") << "outputMRT" << "checkBoxRecvMrt" << "inputMRT" << "N.A" << "N.A";
}

void TestPmvMenuForm::handOverTexts()
{
    QFETCH(QString, source);
    QFETCH(QString, box);
    QFETCH(QString, target);
    QFETCH(QString, typed);
    QFETCH(QString, copied);
    pmvMenuForm window(nullptr);
    click(calculator(window), "radioMRT");   // the MRT box is enabled in MRT mode only
    setText(window, source, typed);
    click(calculator(window), box);
    QCOMPARE(text(calculator(window), target), copied);
    // The calculator's Compute reads the copy: a text that is no number is named, not taken as 0.
    MessageCatcher catcher;
    click(calculator(window), "compute");
    double value = 0;
    QCOMPARE(catcher.count, parseFieldNumber(copied, value) ? 0 : 1);
    QVERIFY2(catcher.count == 0 || catcher.text.contains(": \"" + copied + '"'), qPrintable(catcher.text));
}

void TestPmvMenuForm::mrtHandOverOnlyWhileTicked()
{
    pmvMenuForm window(nullptr);
    auto *inputMRT = child<QLineEdit>(calculator(window), "inputMRT");
    inputMRT->setText("25");
    click(window, "computeMRT");                    // not ticked: the MRT form computes alone
    QCOMPARE(text(window, "outputMRT"), "20.00");   // the default room, all surfaces at 20 °C
    QCOMPARE(inputMRT->text(), "25");
    click(calculator(window), "radioMRT");
    click(calculator(window), "checkBoxRecvMrt");
    QCOMPARE(inputMRT->text(), "20");
    // A window of 10 °C in the front wall: Compute MRT recomputes, then the new MRT is copied.
    click(window, "checkBoxFW");
    setText(window, "inputFWT", "10");
    setText(window, "inputFWinL", "1");
    setText(window, "inputFWinR", "1");
    click(window, "computeMRT");
    double shown = 0;
    QVERIFY(parseFieldNumber(text(window, "outputMRT"), shown) && shown < 20);
    QCOMPARE(inputMRT->text(), formatGeneral(shown));
    click(calculator(window), "checkBoxRecvMrt");   // unticked: the calculator keeps its value
    inputMRT->setText("30");
    setText(window, "inputFWT", "15");
    click(window, "computeMRT");
    QCOMPARE(inputMRT->text(), "30");
}

QTEST_MAIN(TestPmvMenuForm)
#include "tst_pmvmenuform.moc"
