#include "comfort/pmvform.h"

#include "comfort/pmv.h"
#include "messagecatcher.h"

#include <QtTest>

class TestPmvForm : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void defaultsGiveReference_data();
    void defaultsGiveReference();
    void enablingAfterEachRadio_data();
    void enablingAfterEachRadio();
    void eachModeUsesItsTemperatures_data();
    void eachModeUsesItsTemperatures();
    void metUnitScalesOnlyMetabolicRate();
    void decimalCommaIsAccepted();
    void badFieldsAreNamedAndNothingIsComputed_data();
    void badFieldsAreNamedAndNothingIsComputed();
    void disabledFieldOfOtherModeIsNotJudged();
    void tableModeEnablesImportGroup();
    void tableStartsInModeOne();
    void infoButtonsOpenPictures();

private:
    template<typename T>
    static T *get(QWidget &form, const char *name)
    {
        T *w = form.findChild<T *>(QLatin1String(name));
        if (!w)
            qFatal("widget %s missing", name);
        return w;
    }
    static void set(QWidget &form, const char *name, const QString &text)
    {
        get<QLineEdit>(form, name)->setText(text);
    }
    static void compute(QWidget &form)
    {
        QTest::mouseClick(get<QPushButton>(form, "compute"), Qt::LeftButton);
    }
    static QString out(QWidget &form, const char *name) { return get<QLineEdit>(form, name)->text(); }
};

void TestPmvForm::init()
{
    QTest::failOnWarning(QRegularExpression("connectSlotsByName"));
}

void TestPmvForm::defaultsGiveReference_data()
{
    QTest::addColumn<QString>("radio");
    QTest::newRow("air and globe temperature") << "radioTaTg";
    QTest::newRow("air and mean radiant temperature") << "radioMRT";
    QTest::newRow("operative temperature") << "radioTo";
}

void TestPmvForm::defaultsGiveReference()
{
    // Every temperature field defaults to 22 °C: all three modes give the reference state.
    QFETCH(QString, radio);
    pmvForm form(nullptr);
    get<QRadioButton>(form, radio.toLatin1())->click();
    compute(form);
    QCOMPARE(out(form, "outputPMV"), "-0.76");
    QCOMPARE(out(form, "outputPPD"), "17.24");
    QCOMPARE(out(form, "outputPPDM"), "59.04");
}

void TestPmvForm::enablingAfterEachRadio_data()
{
    QTest::addColumn<QString>("radio");
    QTest::addColumn<QString>("enabled");   // the nine widgets' states: Tg Ta MRT RecvMrt To
    QTest::newRow("globe") << "radioTaTg" << "11000";
    QTest::newRow("mean radiant") << "radioMRT" << "01110";
    QTest::newRow("operative") << "radioTo" << "00001";
}

void TestPmvForm::enablingAfterEachRadio()
{
    QFETCH(QString, radio);
    QFETCH(QString, enabled);
    pmvForm form(nullptr);
    // Reach each state from each other one: the final state is the checked selector's row.
    for (const char *from : {"radioTaTg", "radioMRT", "radioTo"}) {
        get<QRadioButton>(form, from)->click();
        get<QRadioButton>(form, radio.toLatin1())->click();
        const QList<QList<QWidget *>> rows = {
            {get<QWidget>(form, "labelTg"), get<QWidget>(form, "inputTg")},
            {get<QWidget>(form, "labelTa"), get<QWidget>(form, "inputTa")},
            {get<QWidget>(form, "labelMRT"), get<QWidget>(form, "inputMRT")},
            {get<QWidget>(form, "checkBoxRecvMrt")},
            {get<QWidget>(form, "labelTo"), get<QWidget>(form, "inputTo")},
        };
        for (int i = 0; i < rows.size(); ++i)
            for (QWidget *w : rows[i])
                QVERIFY2(w->isEnabled() == (enabled[i] == '1'),
                         qPrintable(QString("%1 after %2 -> %3").arg(w->objectName(), from, radio)));
    }
}

void TestPmvForm::eachModeUsesItsTemperatures_data()
{
    QTest::addColumn<QString>("radio");
    QTest::addColumn<unsigned>("mode");
    QTest::addColumn<double>("ta");
    QTest::addColumn<double>("t2");
    // Fields: Ta 20, Tg 26, MRT 24, To 25; air speed 0.2 so the globe correction counts.
    QTest::newRow("globe: air 20, globe 26") << "radioTaTg" << 1u << 20.0 << 26.0;
    QTest::newRow("MRT: air 20, radiant 24") << "radioMRT" << 3u << 20.0 << 24.0;
    QTest::newRow("operative 25 for both") << "radioTo" << 2u << 25.0 << 25.0;
}

void TestPmvForm::eachModeUsesItsTemperatures()
{
    QFETCH(QString, radio);
    pmvForm form(nullptr);
    set(form, "inputTa", "20");
    set(form, "inputTg", "26");
    set(form, "inputMRT", "24");
    set(form, "inputTo", "25");
    set(form, "inputVa", "0.2");
    get<QRadioButton>(form, radio.toLatin1())->click();
    compute(form);
    QFETCH(unsigned, mode);
    QFETCH(double, ta);
    QFETCH(double, t2);
    double pmv = 0, ppd = 0, limited = 0, mayer = 0;
    computePMV(mode, ta, t2, 60, 0.2, 0.5 * kCloToM2KW, 69.6, 0, pmv, ppd, limited, mayer);
    QCOMPARE(out(form, "outputPMV"), QString::number(pmv, 'f', 2));
    QCOMPARE(out(form, "outputPPD"), QString::number(ppd, 'f', 2));
    QCOMPARE(out(form, "outputPPDM"), QString::number(mayer, 'f', 2));
}

void TestPmvForm::metUnitScalesOnlyMetabolicRate()
{
    pmvForm form(nullptr);
    set(form, "inputM", "1.2");
    get<QComboBox>(form, "comboMetUnit")->setCurrentIndex(1);
    compute(form);
    QCOMPARE(out(form, "outputPMV"), "-0.76");
    QCOMPARE(get<QLineEdit>(form, "inputM")->text(), "1.2");   // the field is not converted
    // The external work is never scaled: 1 W/m² stays 1 W/m², not 58.
    set(form, "inputW", "1");
    compute(form);
    const QString withWork = out(form, "outputPMV");
    get<QComboBox>(form, "comboMetUnit")->setCurrentIndex(0);
    set(form, "inputM", "69.6");
    compute(form);
    QCOMPARE(out(form, "outputPMV"), withWork);
}

void TestPmvForm::decimalCommaIsAccepted()
{
    pmvForm form(nullptr);
    set(form, "inputIcl", "0,5");
    set(form, "inputVa", "0,1");
    compute(form);
    QCOMPARE(out(form, "outputPMV"), "-0.76");
}

void TestPmvForm::badFieldsAreNamedAndNothingIsComputed_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("named");
    QTest::newRow("clothing word") << "inputIcl" << "half" << "Clothing Insulation [clo]: \"half\"";
    QTest::newRow("empty air speed") << "inputVa" << "" << "Air Velocity [m/s]: empty";
    QTest::newRow("two commas") << "inputRh" << "6,0,0" << "Relative Humidity [%]";
    QTest::newRow("unit typed in") << "inputTg" << "22 °C" << "Globe Temperature [°C]";
    QTest::newRow("metabolic rate") << "inputM" << "x" << "Metabolic Rate";
}

void TestPmvForm::badFieldsAreNamedAndNothingIsComputed()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, named);
    pmvForm form(nullptr);
    compute(form);
    QCOMPARE(out(form, "outputPMV"), "-0.76");
    set(form, field.toLatin1(), text);
    {
        MessageCatcher catcher;
        compute(form);
        QCOMPARE(catcher.count, 1);
        QVERIFY2(catcher.text.contains(named), qPrintable(catcher.text));
    }
    // The old results stay, the entry is kept and marked.
    QCOMPARE(out(form, "outputPMV"), "-0.76");
    QCOMPARE(get<QLineEdit>(form, field.toLatin1())->text(), text);
    QVERIFY(!get<QLineEdit>(form, field.toLatin1())->styleSheet().isEmpty());
    // Mended, the field computes again and loses its mark.
    set(form, field.toLatin1(), field == "inputM" ? "69.6" : field == "inputRh" ? "60"
                                  : field == "inputVa"  ? "0.1" : field == "inputIcl" ? "0.5" : "22");
    MessageCatcher none;
    compute(form);
    QCOMPARE(none.count, 0);
    QCOMPARE(out(form, "outputPMV"), "-0.76");
    QVERIFY(get<QLineEdit>(form, field.toLatin1())->styleSheet().isEmpty());
}

void TestPmvForm::disabledFieldOfOtherModeIsNotJudged()
{
    pmvForm form(nullptr);
    set(form, "inputMRT", "junk");
    set(form, "inputTo", "");
    MessageCatcher catcher;
    compute(form);   // globe mode reads Ta and Tg only
    QCOMPARE(catcher.count, 0);
    QCOMPARE(out(form, "outputPMV"), "-0.76");
    set(form, "inputTg", "junk");
    get<QRadioButton>(form, "radioTo")->click();
    set(form, "inputTo", "22");
    compute(form);
    QCOMPARE(catcher.count, 0);
    QCOMPARE(out(form, "outputPMV"), "-0.76");
}

void TestPmvForm::tableModeEnablesImportGroup()
{
    pmvForm form(nullptr);
    const QList<const char *> tableWidgets = {"tableWidget", "groupBoxreadFile", "csvcomboBox",
                                              "labelColSep", "readPreviewButton", "skipLabel",
                                              "dataSkipLines", "CsvWriteButton"};
    for (const char *name : tableWidgets)
        QVERIFY2(!get<QWidget>(form, name)->isEnabled(), name);
    QVERIFY(get<QWidget>(form, "groupBoxInput")->isEnabled());
    get<QCheckBox>(form, "checkBoxReadData")->click();
    for (const char *name : tableWidgets)
        QVERIFY2(get<QWidget>(form, name)->isEnabled(), name);
    QVERIFY(!get<QWidget>(form, "groupBoxInput")->isEnabled());
    get<QCheckBox>(form, "checkBoxReadData")->click();
    for (const char *name : tableWidgets)
        QVERIFY2(!get<QWidget>(form, name)->isEnabled(), name);
    QCOMPARE(get<QLineEdit>(form, "inputTa")->text(), "22");   // values kept
}

void TestPmvForm::tableStartsInModeOne()
{
    pmvForm form(nullptr);
    auto *table = get<QTableWidget>(form, "tableWidget");
    QCOMPARE(table->rowCount(), 10);
    QCOMPARE(table->columnCount(), 5);
    QStringList headers;
    for (int c = 0; c < table->columnCount(); ++c)
        headers << table->horizontalHeaderItem(c)->text();
    QCOMPARE(headers, QStringList({"Ta", "Tg", "rH", "Va", "clo"}));
}

void TestPmvForm::infoButtonsOpenPictures()
{
    pmvForm form(nullptr);
    for (const char *name : {"InfoBuPMV", "InfoBuPMV2", "InfoBuPMV3"}) {
        const int before = form.findChildren<QDialog *>().size();
        QTest::mouseClick(get<QPushButton>(form, name), Qt::LeftButton);
        QTest::mouseClick(get<QPushButton>(form, name), Qt::LeftButton);
        const QList<QDialog *> dialogs = form.findChildren<QDialog *>();
        QCOMPARE(dialogs.size(), before + 2);   // a new pop-up per click
        QVERIFY(!dialogs.last()->isModal());
        QCOMPARE(dialogs.last()->windowTitle(), "Info about ...");
    }
}

QTEST_MAIN(TestPmvForm)
#include "tst_pmvform.moc"
