#include "comfort/clothingform.h"

#include "widgetlookup.h"

#include <QtTest>

class TestClothingForm : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void startsWithoutPick();
    void eachEnsembleWritesItsValue_data();
    void eachEnsembleWritesItsValue();
    void oneExclusiveGroupAcrossBothLists();
    void typedValueStays();
};

void TestClothingForm::init()
{
    QTest::failOnWarning(QRegularExpression("connectSlotsByName"));
}

void TestClothingForm::startsWithoutPick()
{
    clothingForm form(nullptr);
    QCOMPARE(child<QLineEdit>(form, "lineClo")->text(), "0.1");
    for (QRadioButton *radio : form.findChildren<QRadioButton *>())
        QVERIFY(!radio->isChecked());
    QCOMPARE(form.findChildren<QRadioButton *>().size(), 16);
}

void TestClothingForm::eachEnsembleWritesItsValue_data()
{
    QTest::addColumn<QString>("radio");
    QTest::addColumn<QString>("clo");
    const QList<QPair<const char *, const char *>> rows = {
        {"radio1", "0.7"},   {"radio2", "0.8"},   {"radio3", "0.9"},   {"radio4", "1"},
        {"radio5", "1.2"},   {"radio6", "1.4"},   {"radio7", "2"},     {"radio8", "2.55"},
        {"radio1_d", "0.3"}, {"radio2_d", "0.5"}, {"radio3_d", "0.7"}, {"radio4_d", "0.7"},
        {"radio5_d", "1"},   {"radio6_d", "1.1"}, {"radio7_d", "1.3"}, {"radio8_d", "1.5"}};
    for (const auto &row : rows)
        QTest::newRow(row.first) << row.first << row.second;
}

void TestClothingForm::eachEnsembleWritesItsValue()
{
    QFETCH(QString, radio);
    QFETCH(QString, clo);
    clothingForm form(nullptr);
    // Start from another pick: the unchecked ensemble writes first, the new one last.
    child<QRadioButton>(form, radio == "radio8" ? "radio1" : "radio8")->click();
    child<QRadioButton>(form, radio.toLatin1())->click();
    QCOMPARE(child<QLineEdit>(form, "lineClo")->text(), clo);
}

void TestClothingForm::oneExclusiveGroupAcrossBothLists()
{
    clothingForm form(nullptr);
    auto *work = child<QRadioButton>(form, "radio7");
    auto *daily = child<QRadioButton>(form, "radio2_d");
    work->click();
    QCOMPARE(child<QLineEdit>(form, "lineClo")->text(), "2");
    daily->click();
    QVERIFY(!work->isChecked());
    QVERIFY(daily->isChecked());
    QCOMPARE(child<QLineEdit>(form, "lineClo")->text(), "0.5");
    int checked = 0;
    for (QRadioButton *radio : form.findChildren<QRadioButton *>())
        checked += radio->isChecked();
    QCOMPARE(checked, 1);
}

void TestClothingForm::typedValueStays()
{
    clothingForm form(nullptr);
    child<QRadioButton>(form, "radio3")->click();
    child<QLineEdit>(form, "lineClo")->setText("0.65");
    QCOMPARE(child<QLineEdit>(form, "lineClo")->text(), "0.65");
    QVERIFY(child<QRadioButton>(form, "radio3")->isChecked());
}

QTEST_MAIN(TestClothingForm)
#include "tst_clothingform.moc"
