// The inverse PMV form: picks, enabling, search results and field reading.
#include "comfort/pmvinverseform.h"

#include "messagecatcher.h"
#include "widgetlookup.h"

#include <QtTest>

namespace {

const char *const kPicks[] = {"radioPickTo", "radioPickTa", "radioPickMRT", "radioPickTg",
                              "radioPickVa", "radioPickRh", "radioPickClo", "radioPickMet"};

void pick(QWidget &form, const QString &radio)
{
    child<QRadioButton>(form, radio.toLatin1())->click();
}

void search(QWidget &form)
{
    QTest::mouseClick(child<QPushButton>(form, "compute"), Qt::LeftButton);
}

void set(QWidget &form, const char *field, const QString &text)
{
    child<QLineEdit>(form, field)->setText(text);
}

QString out(QWidget &form, const char *name)
{
    return child<QLineEdit>(form, name)->text();
}

QString info(QWidget &form)
{
    return child<QPlainTextEdit>(form, "outputInfo")->toPlainText();
}

// Enabled states as a string of 0/1, in groups: mode selectors TaTg MRT To |
// rows Ta Tg MRT To | rh va clothing metabolic-rate unit | work target | the two check boxes.
QString enabling(QWidget &form)
{
    const QList<QStringList> groups = {
        {"radioTaTg", "radioMRT", "radioTo"},
        {"labelTa inputTa", "labelTg inputTg", "labelMRT inputMRT", "labelTo inputTo"},
        {"labelRh inputRh", "labelVa inputVa", "labelIcl inputIcl", "labelM inputM", "comboMetUnit"},
        {"labelW inputW", "labelPMV inputPMV"},
        {"checkBoxRecvMrt", "checkBoxRecvClo"},
    };
    QStringList parts;
    for (const QStringList &group : groups) {
        QString part;
        for (const QString &row : group) {
            // A label and its field always share their state.
            const QStringList names = row.split(' ');
            const bool first = child<QWidget>(form, names.first().toLatin1())->isEnabled();
            for (const QString &name : names)
                if (child<QWidget>(form, name.toLatin1())->isEnabled() != first)
                    return name + " differs from its label";
            part += first ? '1' : '0';
        }
        parts << part;
    }
    return parts.join(' ');
}

}

class TestPmvInverseForm : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void operativeTemperatureDefaults();
    void eachUnknownFindsItsDefault_data();
    void eachUnknownFindsItsDefault();
    void clothingFoundIsShownInClo();
    void notAvailable_data();
    void notAvailable();
    void initialState();
    void enablingAfterEachPick_data();
    void enablingAfterEachPick();
    void modeSelectorsWhileSearching_data();
    void modeSelectorsWhileSearching();
    void textsPerUnknown_data();
    void textsPerUnknown();
    void badFieldIsNamedAndNothingSearched();
    void unusedFieldsAreNotJudged_data();
    void unusedFieldsAreNotJudged();
    void infoButtonOpensPicture();
};

void TestPmvInverseForm::init()
{
    QTest::failOnWarning(QRegularExpression("connectSlotsByName"));
}

void TestPmvInverseForm::operativeTemperatureDefaults()
{
    pmvInverseForm form(nullptr);
    pick(form, "radioPickTo");
    search(form);
    QCOMPARE(out(form, "outputUnknown"), "22.00");
    QCOMPARE(out(form, "outputPMV"), "-0.76");
    QCOMPARE(out(form, "outputPPD"), "17.24");
    QCOMPARE(out(form, "outputPPDM"), "59.04");
    QCOMPARE(info(form).trimmed(), "Approx. Operative Temperature found for given PMV");
}

void TestPmvInverseForm::eachUnknownFindsItsDefault_data()
{
    // The defaults give PMV -0.76, the default target: each search finds the
    // default value of its unknown again, to the grid's resolution.
    QTest::addColumn<QString>("radio");
    QTest::addColumn<QString>("found");
    QTest::addColumn<QString>("text");
    QTest::newRow("air temperature, with MRT") << "radioPickTa" << "22.00" << "Approx. Air Temperature";
    QTest::newRow("globe temperature") << "radioPickTg" << "22.00" << "Approx. Global Temperature";
    QTest::newRow("mean radiant temperature") << "radioPickMRT" << "22.00" << "Approx. MRT";
    QTest::newRow("relative humidity") << "radioPickRh" << "60.00" << "Approx. Relative Humidity";
    // Below about 0.1 m/s free convection governs, PMV does not change and the
    // smallest grid value wins the tie.
    QTest::newRow("air speed, free convection") << "radioPickVa" << "0.00" << "Approx. velocity";
    QTest::newRow("clothing in clo") << "radioPickClo" << "0.50" << "Approx. Clothing Insultaion";
    QTest::newRow("metabolic rate, grid step 4 W/m2") << "radioPickMet" << "70.00" << "Approx. Met";
}

void TestPmvInverseForm::eachUnknownFindsItsDefault()
{
    QFETCH(QString, radio);
    QFETCH(QString, text);
    pmvInverseForm form(nullptr);
    pick(form, radio);
    search(form);
    QTEST(out(form, "outputUnknown"), "found");
    QVERIFY2(std::fabs(out(form, "outputPMV").toDouble() + 0.76) < 0.05, qPrintable(out(form, "outputPMV")));
    QVERIFY2(info(form).contains(text), qPrintable(info(form)));
}

void TestPmvInverseForm::clothingFoundIsShownInClo()
{
    // Ta = Tg = 22 °C, 60 %, 0.1 m/s, 69.6 W/m², target 0: the grid point is
    // 0.9 clo (0.1395 m²K/W), shown in clo as the label says.
    pmvInverseForm form(nullptr);
    pick(form, "radioPickClo");
    set(form, "inputPMV", "0");
    search(form);
    QCOMPARE(out(form, "outputUnknown"), "0.90");
    QVERIFY(std::fabs(out(form, "outputPMV").toDouble()) < 0.05);
    // With the unit selector on met the metabolic rate is 1.2 × 58 = 69.6 W/m² again.
    set(form, "inputM", "1,2");
    child<QComboBox>(form, "comboMetUnit")->setCurrentIndex(1);
    search(form);
    QCOMPARE(out(form, "outputUnknown"), "0.90");
}

void TestPmvInverseForm::notAvailable_data()
{
    QTest::addColumn<QString>("radio");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("text");
    QTest::newRow("no unknown picked") << "" << "-0.76" << "";
    QTest::newRow("humidity for PMV 0: best point 99 % is 0.5 away")
        << "radioPickRh" << "0" << " For the given PMV, No appropriate rh found within the range  \n";
    QTest::newRow("operative temperature beyond 40 °C (PMV 5.03 there)")
        << "radioPickTo" << "6"
        << " For the given PMV, No appropriate To found within the range 10-40 degree C \n";
    QTest::newRow("metabolic rate above the grid's 226 W/m2")
        << "radioPickMet" << "3"
        << " For the given PMV, No appropriate Met found within the range 46 to 232 W/m2 \n";
}

void TestPmvInverseForm::notAvailable()
{
    QFETCH(QString, radio);
    QFETCH(QString, target);
    pmvInverseForm form(nullptr);
    if (!radio.isEmpty())
        pick(form, radio);
    set(form, "inputPMV", target);
    MessageCatcher catcher;
    search(form);
    QCOMPARE(catcher.count, 0);
    for (const char *name : {"outputUnknown", "outputPMV", "outputPPD", "outputPPDM"})
        QCOMPARE(out(form, name), "-NA-");
    QTEST(info(form), "text");
}

void TestPmvInverseForm::initialState()
{
    pmvInverseForm form(nullptr);
    for (const char *radio : kPicks)
        QVERIFY2(!child<QRadioButton>(form, radio)->isChecked(), radio);
    QVERIFY(child<QRadioButton>(form, "radioTaTg")->isChecked());
    QCOMPARE(enabling(form), "000 0000 11111 11 00");
    QCOMPARE(child<QPushButton>(form, "compute")->text(), "Find Operative Temperature");
    QCOMPARE(child<QLabel>(form, "labelResultPara")->text(), "Operative Temperature");
    QCOMPARE(child<QLineEdit>(form, "inputPMV")->text(), "-0.76");
}

void TestPmvInverseForm::enablingAfterEachPick_data()
{
    QTest::addColumn<QString>("radio");
    QTest::addColumn<QString>("enabled");   // groups as in enabling()
    QTest::addColumn<QString>("checkedMode");
    QTest::newRow("4 operative: all temperatures off") << "radioPickTo" << "000 0000 11111 11 00" << "";
    QTest::newRow("1 air: MRT mode, radiant row only") << "radioPickTa" << "110 0010 11111 11 00" << "radioMRT";
    QTest::newRow("3 radiant: air row only") << "radioPickMRT" << "000 1000 11111 11 00" << "";
    QTest::newRow("2 globe: air row only") << "radioPickTg" << "000 1000 11111 11 00" << "radioTaTg";
    QTest::newRow("6 air speed") << "radioPickVa" << "111 1100 10111 11 00" << "radioTaTg";
    QTest::newRow("5 humidity") << "radioPickRh" << "111 1100 01111 11 00" << "radioTaTg";
    QTest::newRow("7 clothing") << "radioPickClo" << "111 1100 11011 11 00" << "radioTaTg";
    QTest::newRow("8 metabolic rate and its unit") << "radioPickMet" << "111 1100 11100 11 00" << "radioTaTg";
}

void TestPmvInverseForm::enablingAfterEachPick()
{
    QFETCH(QString, radio);
    QFETCH(QString, checkedMode);
    QFETCH(QString, enabled);
    // From the initial state and from every other pick: the last pick decides,
    // so leaving the metabolic rate re-enables its unit selector.
    for (const char *from : kPicks) {
        pmvInverseForm form(nullptr);
        pick(form, from);
        pick(form, radio);
        QVERIFY2(enabling(form) == enabled,
                 qPrintable(QString("after %1: %2").arg(from, enabling(form))));
        if (!checkedMode.isEmpty())
            QVERIFY2(child<QRadioButton>(form, checkedMode.toLatin1())->isChecked(), from);
    }
}

void TestPmvInverseForm::modeSelectorsWhileSearching_data()
{
    QTest::addColumn<QString>("radio");
    QTest::addColumn<QString>("selector");
    QTest::addColumn<QString>("rows");   // Ta Tg MRT To
    QTest::newRow("air unknown, globe chosen") << "radioPickTa" << "radioTaTg" << "0100";
    QTest::newRow("air unknown, MRT again") << "radioPickTa" << "radioMRT" << "0010";
    QTest::newRow("humidity, operative chosen") << "radioPickRh" << "radioTo" << "0001";
    QTest::newRow("humidity, MRT chosen") << "radioPickRh" << "radioMRT" << "1010";
    QTest::newRow("clothing, globe chosen") << "radioPickClo" << "radioTaTg" << "1100";
}

void TestPmvInverseForm::modeSelectorsWhileSearching()
{
    QFETCH(QString, radio);
    QFETCH(QString, selector);
    pmvInverseForm form(nullptr);
    pick(form, radio);
    for (const char *from : {"radioTaTg", "radioMRT", "radioTo"}) {
        auto *fromButton = child<QRadioButton>(form, from);
        if (fromButton->isEnabled())
            fromButton->click();
        child<QRadioButton>(form, selector.toLatin1())->click();
        QTEST(enabling(form).section(' ', 1, 1), "rows");
        QCOMPARE(enabling(form).section(' ', 4, 4), "00");
    }
    // Every search with the chosen mode finds the default again: all temperatures are 22 °C.
    search(form);
    QVERIFY2(info(form).contains("Approx."), qPrintable(info(form)));
}

void TestPmvInverseForm::textsPerUnknown_data()
{
    QTest::addColumn<QString>("radio");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("label");
    QTest::newRow("1") << "radioPickTa" << "Find Ambient Temperature" << "Ambient Temperature";
    QTest::newRow("2") << "radioPickTg" << "Find Global Temperature" << "Global Temperature";
    QTest::newRow("3") << "radioPickMRT" << "Find Mean Radiant Temperature" << "MRT";
    QTest::newRow("4") << "radioPickTo" << "Find Operative Temperature" << "Operative Temperature";
    QTest::newRow("5") << "radioPickRh" << "Find Relative Humidity" << "Relative Humidity";
    QTest::newRow("6") << "radioPickVa" << "Find Air Velocity" << "Air Velocity";
    QTest::newRow("7") << "radioPickClo" << "Find Clothing Insulation" << "Clothing Insulation";
    QTest::newRow("8") << "radioPickMet" << "Find Metabolic Rate" << "Metabolic Rate";
}

void TestPmvInverseForm::textsPerUnknown()
{
    QFETCH(QString, radio);
    pmvInverseForm form(nullptr);
    for (const char *from : kPicks) {
        pick(form, from);
        pick(form, radio);
        QTEST(child<QPushButton>(form, "compute")->text(), "button");
        QTEST(child<QLabel>(form, "labelResultPara")->text(), "label");
        QCOMPARE(child<QGroupBox>(form, "groupBoxInverse")->title(), "Inverse-PMV - Operative Temperature");
    }
}

void TestPmvInverseForm::badFieldIsNamedAndNothingSearched()
{
    pmvInverseForm form(nullptr);
    pick(form, "radioPickTo");
    search(form);
    QCOMPARE(out(form, "outputUnknown"), "22.00");
    set(form, "outputUnknown", "kept");
    set(form, "inputVa", "0.1 m/s");
    set(form, "inputPMV", "");
    MessageCatcher catcher;
    search(form);
    QCOMPARE(catcher.count, 1);
    QVERIFY2(catcher.text.contains("Air Velocity [m/s]: \"0.1 m/s\""), qPrintable(catcher.text));
    QVERIFY2(catcher.text.contains("PMV: empty"), qPrintable(catcher.text));
    QCOMPARE(out(form, "outputUnknown"), "kept");
    QCOMPARE(out(form, "inputVa"), "0.1 m/s");
    // A decimal comma is a number.
    set(form, "inputVa", "0,1");
    set(form, "inputPMV", "-0,76");
    search(form);
    QCOMPARE(catcher.count, 1);
    QCOMPARE(out(form, "outputUnknown"), "22.00");
}

void TestPmvInverseForm::unusedFieldsAreNotJudged_data()
{
    // The unknown's own field and the temperatures the search does not use
    // may hold anything.
    QTest::addColumn<QString>("radio");
    QTest::addColumn<QStringList>("junk");
    QTest::newRow("operative: all four temperature fields")
        << "radioPickTo" << QStringList{"inputTa", "inputTg", "inputMRT", "inputTo"};
    QTest::newRow("radiant: globe, radiant and operative fields")
        << "radioPickMRT" << QStringList{"inputTg", "inputMRT", "inputTo"};
    QTest::newRow("globe: globe, radiant and operative fields")
        << "radioPickTg" << QStringList{"inputTg", "inputMRT", "inputTo"};
    QTest::newRow("air with MRT: air, globe, operative fields")
        << "radioPickTa" << QStringList{"inputTa", "inputTg", "inputTo"};
    QTest::newRow("humidity field") << "radioPickRh" << QStringList{"inputRh", "inputMRT", "inputTo"};
    QTest::newRow("air speed field") << "radioPickVa" << QStringList{"inputVa"};
    QTest::newRow("clothing field") << "radioPickClo" << QStringList{"inputIcl"};
    QTest::newRow("metabolic rate field") << "radioPickMet" << QStringList{"inputM"};
}

void TestPmvInverseForm::unusedFieldsAreNotJudged()
{
    QFETCH(QString, radio);
    QFETCH(QStringList, junk);
    pmvInverseForm form(nullptr);
    pick(form, radio);
    for (const QString &field : junk)
        set(form, field.toLatin1(), "junk");
    MessageCatcher catcher;
    search(form);
    QCOMPARE(catcher.count, 0);
    QVERIFY2(info(form).contains("Approx."), qPrintable(info(form)));
}

void TestPmvInverseForm::infoButtonOpensPicture()
{
    pmvInverseForm form(nullptr);
    QTest::mouseClick(child<QPushButton>(form, "InfoBuPMVInvers"), Qt::LeftButton);
    const QList<QDialog *> dialogs = form.findChildren<QDialog *>();
    QCOMPARE(dialogs.size(), 1);
    QVERIFY(!dialogs.first()->isModal());
    QCOMPARE(dialogs.first()->windowTitle(), "Info about ...");
}

QTEST_MAIN(TestPmvInverseForm)
#include "tst_pmvinverseform.moc"
