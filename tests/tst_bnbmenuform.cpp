// The BNB assessment window: tab tree, and Compute carried into the winter and summer pages.
#include "report/bnbmenuform.h"

#include "app/resulttext.h"
#include "assessment/bnbform.h"
#include "assessment/summerbnbform.h"
#include "assessment/winterbnbform.h"
#include "comfort/delimitedtext.h"
#include "messagecatcher.h"
#include "widgetlookup.h"
#include "yeardata.h"

#include <QtTest>

namespace {

// The fields of examples/sample_year.csv, the year a new user tries first.
std::vector<QStringList> sampleYear()
{
    QFile file(QFINDTESTDATA("../examples/sample_year.csv"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("examples/sample_year.csv missing");
    QTextStream in(&file);
    return readDelimitedRows(in, 1, ";").rows;
}

// Pastes the rows at the first cell: the table becomes exactly these rows.
void pasteRows(bnbMenuForm &window, const std::vector<QStringList> &rows)
{
    QStringList lines;
    for (const QStringList &row : rows)
        lines << row.join('\t');
    QApplication::clipboard()->setText(lines.join('\n'));
    auto *form = child<bnbForm>(window, "bnbForm");
    auto *table = child<QTableWidget>(*form, "tableWidget");
    table->clearSelection();
    table->setRangeSelected(QTableWidgetSelectionRange(0, 0, 0, 0), true);
    form->actions().at(1)->trigger();
    QCOMPARE(table->rowCount(), int(rows.size()));
}

void chooseModel(bnbMenuForm &window, int index, const QString &region = "regionCheckA")
{
    auto *box = child<QComboBox>(window, "modelSelectBox");
    box->setCurrentIndex(index);
    emit box->textActivated(box->currentText());
    if (index == 3)
        click(window, region);
}

// Every cell of the page's two tables, then its points.
QStringList page(QWidget &form)
{
    QStringList texts;
    for (QTableWidget *t : form.findChildren<QTableWidget *>())
        for (int c = 0; c < t->columnCount(); ++c)
            texts << (t->item(0, c) ? t->item(0, c)->text() : "<none>");
    return texts << text(form, "pointsField");
}

// The page's cells as the core's arrays give them at data interval dt.
QStringList expectedCells(const ResultArray &r, double dt)
{
    QStringList texts;
    for (int c = 0; c <= 8; ++c)
        texts << resultText(r[c] * dt, 1);
    return texts << resultText(r[9] * dt, 1) << resultText(r[9] / r[8] * 100, 1) << resultText(r[11] * dt, 1);
}

}

class TestBnbMenuForm : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void tabTree();
    void everyModelReachesBothPages_data();
    void everyModelReachesBothPages();
    void halfHourlyDataGiveTheSameHours();
    void summerPointsRule_data();
    void summerPointsRule();
    void refusedComputeKeepsPages();
};

void TestBnbMenuForm::init()
{
    QTest::failOnWarning(QRegularExpression("connectSlotsByName"));
}

void TestBnbMenuForm::tabTree()
{
    bnbMenuForm window(nullptr);
    QCOMPARE(window.objectName(), "bnbMenuForm");
    QCOMPARE(window.size(), QSize(810, 610));
    const auto tabs = [](QTabWidget *t) {
        QStringList texts;
        for (int i = 0; i < t->count(); ++i)
            texts << t->tabText(i) + '=' + t->widget(i)->metaObject()->className();
        return texts;
    };
    auto *outer = qobject_cast<QTabWidget *>(window.layout()->itemAt(0)->widget());
    QVERIFY(outer);
    QCOMPARE(tabs(outer), QStringList({"Im/Export Data=bnbForm", "1. Operative Temperature=QTabWidget",
                                       "2. Draft Risk=drafttab", "3. Radiation Asymmetry=QTabWidget",
                                       "4. Humidity=QTabWidget"}));
    QCOMPARE(tabs(qobject_cast<QTabWidget *>(outer->widget(1))),
             QStringList({"Winter=winterBNBForm", "Summer=summerBNBForm"}));
    QCOMPARE(tabs(qobject_cast<QTabWidget *>(outer->widget(3))), QStringList({"Winter=mrtForm", "Summer=mrtForm"}));
    QCOMPARE(tabs(qobject_cast<QTabWidget *>(outer->widget(4))),
             QStringList({"Humidity Calculator=humidityForm", "Humidity Winter=humidityAssmtForm",
                          "Humidity Summer=humidityAssmtForm"}));
    QCOMPARE(outer->widget(2)->findChild<QWidget *>("draftForm")->parent(), outer->widget(2));
    QCOMPARE(page(*child<winterBNBForm>(window, "winterBNBForm")), QStringList(12, "<none>") << "");
}

void TestBnbMenuForm::everyModelReachesBothPages_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<QString>("region");
    QTest::addColumn<int>("coreRegion");   // SummerRegion
    QTest::newRow("26 °C") << 0 << "" << 0;
    QTest::newRow("adaptive DIN EN 15251") << 1 << "" << 0;
    QTest::newRow("national annex") << 2 << "" << 0;
    QTest::newRow("DIN 4108-2 region A") << 3 << "regionCheckA" << int(SummerRegion::A);
    QTest::newRow("DIN 4108-2 region B") << 3 << "regionCheckB" << int(SummerRegion::B);
    QTest::newRow("DIN 4108-2 region C") << 3 << "regionCheckC" << int(SummerRegion::C);
}

// The pages show the core's evaluation of the same rows; the compliance box
// recomputes the summer page at once, unticking it changes nothing.
void TestBnbMenuForm::everyModelReachesBothPages()
{
    QFETCH(int, model);
    QFETCH(QString, region);
    QFETCH(int, coreRegion);
    const SummerModel core = SummerModel(model);   // the combo's order
    const std::vector<QStringList> rows = sampleYear();
    bnbMenuForm window(nullptr);
    pasteRows(window, rows);
    chooseModel(window, model, region);
    MessageCatcher catcher;
    click(window, "compButton");
    QCOMPARE(catcher.count, 0);

    OperativeAssessmentInput in;
    in.axis.rows = int(rows.size());
    in.model = core;
    in.region = SummerRegion(coreRegion);
    for (const QStringList &row : rows) {
        in.outdoorTemp.push_back(parseCellNumber(row.at(0)));
        in.outdoorHumid.push_back(parseCellNumber(row.at(1)));
        in.indoorTemp.push_back(parseCellNumber(row.at(2)));
    }
    const OperativeAssessment a = assessOperativeTemperature(in);
    QVERIFY(a.ok);
    const ResultArray s = combineSummerResults(a.summerDistribution, a.model);
    auto &winter = *child<winterBNBForm>(window, "winterBNBForm");
    auto &summer = *child<summerBNBForm>(window, "summerBNBForm");
    QCOMPARE(page(winter), expectedCells(a.winter, 1.0) << resultText(a.winter[12], 1));
    const bool din = core == SummerModel::Din4108;
    const QString verdict = s[11] < 500 ? "complied" : "not complied";
    QCOMPARE(page(summer), expectedCells(s, 1.0) << (din ? verdict : "0"));
    const QString justified = s[15] < 9.9991 ? "10" : resultText(s[15], 1);
    child<QCheckBox>(summer, "checkBoxJustify")->setChecked(true);
    QCOMPARE(text(summer, "pointsField"), din ? verdict : justified);
    child<QCheckBox>(summer, "checkBoxJustify")->setChecked(false);
    QCOMPARE(text(summer, "pointsField"), din ? verdict : justified);
}

// The same year at half-hourly rows: twice the rows, each counting half an hour.
void TestBnbMenuForm::halfHourlyDataGiveTheSameHours()
{
    const std::vector<YearRow> year = simulatedYear(8760);
    QList<QStringList> shown;
    for (int times : {1, 2}) {
        bnbMenuForm window(nullptr);
        pasteRows(window, yearCells(repeatedRows(year, times)));
        setText(window, "dataIntervalHour", times == 1 ? "1" : "0,5");
        chooseModel(window, 3, "regionCheckB");
        click(window, "compButton");
        shown << (page(*child<winterBNBForm>(window, "winterBNBForm"))
                  + page(*child<summerBNBForm>(window, "summerBNBForm")));
    }
    QVERIFY(shown[0][8].toDouble() > 1000);   // winter working hours
    QCOMPARE(shown[1], shown[0]);
}

void TestBnbMenuForm::summerPointsRule_data()
{
    QTest::addColumn<bool>("din");
    QTest::addColumn<bool>("justified");
    QTest::addColumn<double>("degreeRows");
    QTest::addColumn<double>("dt");
    QTest::addColumn<double>("points");
    QTest::addColumn<QString>("shown");
    QTest::newRow("DIN 499.9 K·h") << true << false << 499.9 << 1.0 << 999.0 << "complied";
    QTest::newRow("DIN 500 K·h") << true << true << 500.0 << 1.0 << 999.0 << "not complied";
    QTest::newRow("DIN 250 rows of two hours") << true << false << 250.0 << 2.0 << 999.0 << "not complied";
    QTest::newRow("box unticked: no points") << false << false << 0.0 << 1.0 << 45.3 << "0";
    QTest::newRow("box ticked keeps 45.3") << false << true << 0.0 << 1.0 << 45.3 << "45.3";
    QTest::newRow("box ticked lifts 5 to 10") << false << true << 0.0 << 1.0 << 5.0 << "10";
    QTest::newRow("box ticked lifts 0 to 10") << false << true << 0.0 << 1.0 << 0.0 << "10";
    QTest::newRow("box ticked keeps 9.9991") << false << true << 0.0 << 1.0 << 9.9991 << "10.0";
}

void TestBnbMenuForm::summerPointsRule()
{
    QFETCH(bool, din);
    QFETCH(bool, justified);
    QFETCH(double, degreeRows);
    QFETCH(double, dt);
    QFETCH(double, points);
    QFETCH(QString, shown);
    summerBNBForm summer(nullptr);
    child<QCheckBox>(summer, "checkBoxJustify")->setChecked(justified);
    ResultArray s{};
    s[SummerSlot::DegreeRows] = degreeRows;
    s[SummerSlot::Points] = points;
    summer.showResults(s, dt, din);
    QCOMPARE(text(summer, "pointsField"), shown);
    QCOMPARE(child<QTableWidget>(summer, "summerQuality")->item(0, 1)->text(), "N.A");   // 0 / 0
}

void TestBnbMenuForm::refusedComputeKeepsPages()
{
    bnbMenuForm window(nullptr);
    pasteRows(window, sampleYear());
    click(window, "compButton");
    const QStringList winter = page(*child<winterBNBForm>(window, "winterBNBForm"));
    const QStringList summer = page(*child<summerBNBForm>(window, "summerBNBForm"));
    QVERIFY(!winter.contains("<none>") && winter != summer);
    setText(window, "dataIntervalHour", "0");   // read by the pages' updates too
    MessageCatcher catcher;
    click(window, "compButton");
    QCOMPARE(catcher.count, 1);
    QCOMPARE(page(*child<winterBNBForm>(window, "winterBNBForm")), winter);
    QCOMPARE(page(*child<summerBNBForm>(window, "summerBNBForm")), summer);
}

QTEST_MAIN(TestBnbMenuForm)
#include "tst_bnbmenuform.moc"
