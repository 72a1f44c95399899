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
    void init();
    void fourTabsInOrder();
    void clothingHandOverOnlyWhileTicked();
    void clothingHandOverKeepsText_data();
    void clothingHandOverKeepsText();
    void mrtHandOverRoundsInSinglePrecision_data();
    void mrtHandOverRoundsInSinglePrecision();
    void mrtHandOverOnlyWhileTicked();
    void notANumberIsNamedByCompute();
};

// The inverse page has widgets of the same names: look them up in the calculator.
static QWidget &calculator(pmvMenuForm &window)
{
    return *child<pmvForm>(window, "pmvForm");
}

void TestPmvMenuForm::init()
{
    QTest::failOnWarning(QRegularExpression("connectSlotsByName"));
}

void TestPmvMenuForm::fourTabsInOrder()
{
    pmvMenuForm window(nullptr);
    auto *tabs = window.findChild<QTabWidget *>();
    QVERIFY(tabs);
    QCOMPARE(tabs->count(), 4);
    const QStringList titles = {"Predicted Mean Vote", "Mean Radiant Temperature", "Clothing ", "PMV Inverse"};
    const QStringList classes = {"PMVtab", "MRTtab", "CLOtab", "inversetab"};
    const QStringList forms = {"pmvForm", "mrtForm", "clothingForm", "pmvInverseForm"};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(tabs->tabText(i), titles[i]);
        QCOMPARE(tabs->widget(i)->metaObject()->className(), classes[i]);
        bool found = false;
        for (QWidget *w : tabs->widget(i)->findChildren<QWidget *>())
            found = found || forms[i] == w->metaObject()->className();
        QVERIFY2(found, qPrintable(forms[i]));
    }
    QCOMPARE(window.objectName(), "pmvMenuForm");
    QCOMPARE(window.font().family(), "Frutiger 45 Light");
}

void TestPmvMenuForm::clothingHandOverOnlyWhileTicked()
{
    pmvMenuForm window(nullptr);
    auto *icl = child<QLineEdit>(calculator(window), "inputIcl");
    auto *lineClo = child<QLineEdit>(window, "lineClo");
    auto *recv = child<QCheckBox>(calculator(window), "checkBoxRecvClo");
    child<QRadioButton>(window, "radio7")->click();
    QCOMPARE(icl->text(), "0.5");          // not ticked: nothing copied
    lineClo->setText("0.96");
    recv->click();                         // ticking copies at once
    QCOMPARE(icl->text(), "0.96");
    child<QRadioButton>(window, "radio8")->click();
    QCOMPARE(icl->text(), "2.55");         // every later change is copied
    recv->click();                         // unticking leaves the field
    QCOMPARE(icl->text(), "2.55");
    child<QRadioButton>(window, "radio1")->click();
    QCOMPARE(icl->text(), "2.55");
}

void TestPmvMenuForm::clothingHandOverKeepsText_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("copied");
    QTest::newRow("trailing zero dropped") << "0.50" << "0.5";
    QTest::newRow("decimal comma") << "0,75" << "0.75";
    QTest::newRow("not a number copied as it stands") << "abc" << "abc";
    QTest::newRow("empty copied as empty") << "" << "";
}

void TestPmvMenuForm::clothingHandOverKeepsText()
{
    QFETCH(QString, source);
    pmvMenuForm window(nullptr);
    child<QCheckBox>(calculator(window), "checkBoxRecvClo")->click();
    child<QLineEdit>(window, "lineClo")->setText(source);
    QTEST(child<QLineEdit>(calculator(window), "inputIcl")->text(), "copied");
}

void TestPmvMenuForm::mrtHandOverRoundsInSinglePrecision_data()
{
    QTest::addColumn<QString>("mrt");
    QTest::addColumn<QString>("copied");
    QTest::newRow("21.005 half up") << "21.005" << "21.01";
    QTest::newRow("21.004 down") << "21.004" << "21";
    QTest::newRow("decimal comma") << "19,43" << "19.43";
}

void TestPmvMenuForm::mrtHandOverRoundsInSinglePrecision()
{
    QFETCH(QString, mrt);
    pmvMenuForm window(nullptr);
    child<QLineEdit>(window, "outputMRT")->setText(mrt);
    child<QRadioButton>(calculator(window), "radioMRT")->click();   // the box is enabled in MRT mode only
    child<QCheckBox>(calculator(window), "checkBoxRecvMrt")->click();   // ticking copies at once
    QTEST(child<QLineEdit>(calculator(window), "inputMRT")->text(), "copied");
}

void TestPmvMenuForm::mrtHandOverOnlyWhileTicked()
{
    pmvMenuForm window(nullptr);
    auto *inputMRT = child<QLineEdit>(calculator(window), "inputMRT");
    auto *outputMRT = child<QLineEdit>(window, "outputMRT");
    auto *compute = child<QPushButton>(window, "computeMRT");
    auto *recv = child<QCheckBox>(calculator(window), "checkBoxRecvMrt");
    const QString before = inputMRT->text();
    QTest::mouseClick(compute, Qt::LeftButton);     // not ticked: the MRT form computes alone
    QCOMPARE(outputMRT->text(), "20.00");           // the default room, all surfaces at 20 °C
    QCOMPARE(inputMRT->text(), before);
    child<QRadioButton>(calculator(window), "radioMRT")->click();
    recv->click();                                   // ticking copies at once
    QCOMPARE(inputMRT->text(), "20");

    // A window of 10 °C in the front wall: Compute MRT recomputes, then the new MRT is copied.
    child<QCheckBox>(window, "checkBoxFW")->click();
    child<QLineEdit>(window, "inputFWT")->setText("10");
    child<QLineEdit>(window, "inputFWinL")->setText("1");
    child<QLineEdit>(window, "inputFWinR")->setText("1");
    QTest::mouseClick(compute, Qt::LeftButton);
    QVERIFY(outputMRT->text() != "20.00");
    double shown = 0;
    QVERIFY(parseFieldNumber(outputMRT->text(), shown));
    QCOMPARE(inputMRT->text(), formatGeneral(shown));

    recv->click();                                   // unticked: the calculator keeps its value
    inputMRT->setText("30");
    child<QLineEdit>(window, "inputFWT")->setText("15");
    QTest::mouseClick(compute, Qt::LeftButton);
    QCOMPARE(inputMRT->text(), "30");
}

void TestPmvMenuForm::notANumberIsNamedByCompute()
{
    pmvMenuForm window(nullptr);
    child<QCheckBox>(calculator(window), "checkBoxRecvClo")->click();
    child<QLineEdit>(window, "lineClo")->setText("0.5 clo");
    MessageCatcher catcher;
    QTest::mouseClick(child<QPushButton>(calculator(window), "compute"), Qt::LeftButton);
    QCOMPARE(catcher.count, 1);
    QVERIFY(catcher.text.contains("Clothing Insulation [clo]: \"0.5 clo\""));
}

QTEST_MAIN(TestPmvMenuForm)
#include "tst_pmvmenuform.moc"
