// The inverse PMV form: picks, enabling, search results and field reading.
#include "comfort/pmvinverseform.h"

#include "messagecatcher.h"
#include "widgetlookup.h"

#include <QtTest>

namespace {

const char *const kPicks[] = {"radioPickTo", "radioPickTa", "radioPickMRT", "radioPickTg",
                              "radioPickVa", "radioPickRh", "radioPickClo", "radioPickMet"};

QString info(QWidget &form)
{
    return child<QPlainTextEdit>(form, "outputInfo")->toPlainText();
}

QString results(QWidget &form)
{
    return texts(form, {"outputUnknown", "outputPMV", "outputPPD", "outputPPDM"});
}

// Enabled states as 0/1, in the groups named below; a label shares its field's state.
QString enabling(QWidget &form)
{
    const QString names = "radioTaTg radioMRT radioTo | inputTa inputTg inputMRT inputTo | inputRh inputVa "
                          "inputIcl inputM comboMetUnit | inputW inputPMV | checkBoxRecvMrt checkBoxRecvClo";
    QString states;
    for (const QString &name : names.split(' ')) {
        if (name.startsWith("input") && enabled(form, "label" + name.mid(5)) != enabled(form, name))
            return name + " differs from its label";
        states += name == "|" ? " " : enabled(form, name) ? "1" : "0";
    }
    return states;
}

}

class TestPmvInverseForm : public QObject
{
    Q_OBJECT
private slots:
    void init() { QTest::failOnWarning(QRegularExpression("connectSlotsByName")); }
    void initialStateAndOperativeTemperatureDefaults();
    void eachPick_data();
    void eachPick();
    void clothingFoundIsShownInClo();
    void notAvailable_data();
    void notAvailable();
    void badFieldIsNamedAndResultsCleared();
};

void TestPmvInverseForm::initialStateAndOperativeTemperatureDefaults()
{
    pmvInverseForm form(nullptr);
    for (const char *radio : kPicks)
        QVERIFY2(!child<QRadioButton>(form, radio)->isChecked(), radio);
    QVERIFY(child<QRadioButton>(form, "radioTaTg")->isChecked());
    QCOMPARE(enabling(form), "000 0000 11111 11 00");
    QCOMPARE(child<QPushButton>(form, "compute")->text(), "Find Operative Temperature");
    click(form, "radioPickTo");
    click(form, "compute");
    QCOMPARE(results(form), "22.00 -0.76 17.24 59.04");
    QCOMPARE(info(form).trimmed(), "Approx. Operative Temperature found for given PMV");
}

void TestPmvInverseForm::eachPick_data()
{
    QTest::addColumn<QString>("radio");
    QTest::addColumn<QString>("enabled");   // groups as in enabling()
    QTest::addColumn<QString>("mode");      // the mode selector checked, if it matters
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("unused");   // fields the search does not judge
    QTest::addColumn<QString>("found");
    QTest::addColumn<QString>("chosen");   // a mode chosen while searching, and its rows Ta Tg MRT To
    // The defaults give PMV -0.76, the default target: each search finds the default
    // value of its unknown again, to the grid's resolution.
    QTest::newRow("4 operative: all temperatures off") << "radioPickTo" << "000 0000 11111 11 00" << ""
        << "Find Operative Temperature" << QStringList{"inputTa", "inputTg", "inputMRT", "inputTo"} << "22.00" << "";
    QTest::newRow("1 air: MRT mode, radiant row only") << "radioPickTa" << "110 0010 11111 11 00" << "radioMRT"
        << "Find Ambient Temperature" << QStringList{"inputTa", "inputTg", "inputTo"} << "22.00" << "radioTaTg 0100";
    QTest::newRow("3 radiant: air row only") << "radioPickMRT" << "000 1000 11111 11 00" << ""
        << "Find Mean Radiant Temperature" << QStringList{"inputTg", "inputMRT", "inputTo"} << "22.00" << "";
    QTest::newRow("2 globe: air row only") << "radioPickTg" << "000 1000 11111 11 00" << "radioTaTg"
        << "Find Global Temperature" << QStringList{"inputTg", "inputMRT", "inputTo"} << "22.00" << "";
    // Below about 0.1 m/s free convection governs, PMV does not change and the
    // smallest grid value wins the tie.
    QTest::newRow("6 air speed, free convection") << "radioPickVa" << "111 1100 10111 11 00" << "radioTaTg"
        << "Find Air Velocity" << QStringList{"inputVa", "inputMRT", "inputTo"} << "0.00" << "radioTo 0001";
    QTest::newRow("5 humidity") << "radioPickRh" << "111 1100 01111 11 00" << "radioTaTg"
        << "Find Relative Humidity" << QStringList{"inputRh", "inputMRT", "inputTo"} << "60.00" << "radioMRT 1010";
    QTest::newRow("7 clothing") << "radioPickClo" << "111 1100 11011 11 00" << "radioTaTg"
        << "Find Clothing Insulation" << QStringList{"inputIcl"} << "0.50" << "radioTaTg 1100";
    QTest::newRow("8 metabolic rate and its unit, grid step 4 W/m2") << "radioPickMet" << "111 1100 11100 11 00"
        << "radioTaTg" << "Find Metabolic Rate" << QStringList{"inputM"} << "70.00" << "radioMRT 1010";
}

void TestPmvInverseForm::eachPick()
{
    QFETCH(QString, radio);
    QFETCH(QString, enabled);
    QFETCH(QString, mode);
    QFETCH(QStringList, unused);
    QFETCH(QString, chosen);
    // From the initial state and from every other pick: the last pick decides,
    // so leaving the metabolic rate re-enables its unit selector.
    for (const char *from : kPicks) {
        pmvInverseForm form(nullptr);
        click(form, from);
        click(form, radio);
        QVERIFY2(enabling(form) == enabled, qPrintable(QString("after %1: %2").arg(from, enabling(form))));
        QVERIFY2(mode.isEmpty() || child<QRadioButton>(form, mode)->isChecked(), from);
        QTEST(child<QPushButton>(form, "compute")->text(), "button");
        if (qstrcmp(from, "radioPickMet") != 0)
            continue;
        for (const QString &field : unused)
            setText(form, field, "junk");
        MessageCatcher catcher;
        click(form, "compute");
        QCOMPARE(catcher.count, 0);
        QTEST(text(form, "outputUnknown"), "found");
        QVERIFY2(std::fabs(text(form, "outputPMV").toDouble() + 0.76) < 0.05, qPrintable(text(form, "outputPMV")));
        QVERIFY2(info(form).contains("Approx."), qPrintable(info(form)));
        if (chosen.isEmpty())
            continue;
        for (const char *mode : {"radioTaTg", "radioMRT", "radioTo"}) {
            click(form, mode);   // a disabled selector ignores the click
            click(form, chosen.section(' ', 0, 0));
            QCOMPARE(enabling(form).section(' ', 1, 1), chosen.section(' ', 1));
        }
        for (const QString &field : unused)
            setText(form, field, "22");
        setText(form, "outputUnknown", "");
        click(form, "compute");   // all temperatures are 22 °C: the default is found again
        QCOMPARE(catcher.count, 0);
        QTEST(text(form, "outputUnknown"), "found");
    }
}

void TestPmvInverseForm::clothingFoundIsShownInClo()
{
    // Ta = Tg = 22 °C, 60 %, 0.1 m/s, 69.6 W/m², target 0: the grid point is
    // 0.9 clo (0.1395 m²K/W), shown in clo as the label says.
    pmvInverseForm form(nullptr);
    click(form, "radioPickClo");
    setText(form, "inputPMV", "0");
    click(form, "compute");
    QCOMPARE(text(form, "outputUnknown"), "0.90");
    QVERIFY(std::fabs(text(form, "outputPMV").toDouble()) < 0.05);
    // With the unit selector on met the metabolic rate is 1.2 × 58 = 69.6 W/m² again.
    setText(form, "inputM", "1,2");
    child<QComboBox>(form, "comboMetUnit")->setCurrentIndex(1);
    setText(form, "outputUnknown", "");
    click(form, "compute");
    QCOMPARE(text(form, "outputUnknown"), "0.90");
}

void TestPmvInverseForm::notAvailable_data()
{
    QTest::addColumn<QString>("radio");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("infoText");
    QTest::newRow("no unknown picked") << "" << "-0.76" << "";
    QTest::newRow("humidity for PMV 0: best point 99 % is 0.5 away")
        << "radioPickRh" << "0" << " For the given PMV, No appropriate rh found within the range  \n";
}

void TestPmvInverseForm::notAvailable()
{
    QFETCH(QString, radio);
    QFETCH(QString, target);
    pmvInverseForm form(nullptr);
    if (!radio.isEmpty())
        click(form, radio);
    setText(form, "inputPMV", target);
    MessageCatcher catcher;
    click(form, "compute");
    QCOMPARE(catcher.count, 0);
    QCOMPARE(results(form), "-NA- -NA- -NA- -NA-");
    QTEST(info(form), "infoText");
}

void TestPmvInverseForm::badFieldIsNamedAndResultsCleared()
{
    pmvInverseForm form(nullptr);
    click(form, "radioPickTo");
    setText(form, "inputPMV", "2.5");   // found, but outside ISO 7730: noted
    click(form, "compute");
    QCOMPARE(child<QLabel>(form, "labelValidity")->text(),
             "Outside the range of ISO 7730, which does not cover these results: air temperature "
             "32.50 °C (10 to 30 °C); water vapour pressure 2935 Pa (0 to 2700 Pa); PMV 2.50 (-2 to 2).");
    setText(form, "inputVa", "-0.1");
    setText(form, "inputPMV", "");
    MessageCatcher catcher;
    click(form, "compute");
    QCOMPARE(catcher.count, 1);
    QVERIFY2(catcher.text.contains("Air Velocity [m/s]: -0.1 lies outside the allowed range ≥ 0"),
             qPrintable(catcher.text));
    QVERIFY2(catcher.text.contains("PMV: empty"), qPrintable(catcher.text));
    QCOMPARE(results(form) + info(form) + child<QLabel>(form, "labelValidity")->text(), "   ");
    QCOMPARE(text(form, "inputVa"), "-0.1");
    setText(form, "inputVa", "0,1");   // a decimal comma is a number
    setText(form, "inputPMV", "-0,76");
    click(form, "compute");
    QCOMPARE(catcher.count, 1);
    QCOMPARE(text(form, "outputUnknown"), "22.00");
    QCOMPARE(child<QLabel>(form, "labelValidity")->text(), "");
}

QTEST_MAIN(TestPmvInverseForm)
#include "tst_pmvinverseform.moc"
