// The assessment window's humidity Compute and its gathering of what the pages show.
#include "report/bnbmenuform.h"

#include "app/resulttext.h"
#include "assessment/bnbform.h"
#include "assessment/humidity.h"
#include "radiant/mrtform.h"
#include "messagecatcher.h"
#include "widgetlookup.h"
#include "yeardata.h"

#include <QtTest>

namespace {

QString joined(const vstring &v)
{
    QStringList texts;
    for (const std::string &s : v)
        texts << QString::fromStdString(s);
    return texts.join('|');
}

QString joined(const lvstring &rows)
{
    QStringList texts;
    for (const vstring &row : rows)
        texts << joined(row);
    return texts.join(" / ");
}

// Row 0 of a page's table and the fields, as shown.
QString shown(QWidget &page, const QString &table, const QStringList &fields)
{
    QStringList texts;
    QTableWidget *t = child<QTableWidget>(page, table);
    for (int c = 0; c < t->columnCount(); ++c)
        texts << (t->item(0, c) ? t->item(0, c)->text() : "<none>");
    for (const QString &f : fields)
        texts << text(page, f);
    return texts.join('|');
}

}

class TestGathering : public QObject
{
    Q_OBJECT
private slots:
    void init() { QTest::failOnWarning(QRegularExpression("connectSlotsByName")); }
    void humidityNeedsYearData();
    void humidityAtHalfHours();
    void draftAndRadiation();
    void summerModel_data();
    void summerModel();
};

void TestGathering::humidityNeedsYearData()
{
    bnbMenuForm window(nullptr);
    MessageCatcher messages;
    click(window, "computeHumid");
    QVERIFY2(messages.text.contains("computed first"), qPrintable(messages.text));
    QWidget &calculator = *child<QWidget>(window, "humidityForm");
    QVERIFY(!child<QTableWidget>(calculator, "tableWidget")->item(0, 0) && !enabled(calculator, "writeButton"));
    vstring c1{"kept"}, c2, distribution, upper, lower, points;
    QVERIFY(!window.getWinterHumidityAssessment(c1, c2, distribution, upper, lower, points));
    QCOMPARE(joined(c1) + " / " + joined(c2) + " / " + joined(distribution), "kept|108|0.2|2|-|2|3|0 / 0|1|0|-|0|100000 / ");
    QVERIFY(!window.getWinterOperativeTemperatureAssessment(c1, c1, c1));
}

// A year in half-hour records: the distributions in hours, the counts outside the limits as
// counted; the gathered lists are the texts shown.
void TestGathering::humidityAtHalfHours()
{
    bnbMenuForm window(nullptr);
    auto *data = child<bnbForm>(window, "bnbForm");
    QStringList lines;   // pasted as from a spreadsheet: the data page's Compute is enabled then
    for (const QStringList &row : yearCells(repeatedRows(simulatedYear(8760), 2)))
        lines << row.join('\t');
    QApplication::clipboard()->setText(lines.join('\n'));
    child<QTableWidget>(*data, "tableWidget")->setRangeSelected(QTableWidgetSelectionRange(0, 0, 0, 0), true);
    data->actions().at(1)->trigger();
    setText(*data, "dataIntervalHour", "0.5");
    click(*data, "compButton");
    click(window, "computeHumid");

    std::vector<double> ti, to, rho;
    std::vector<bool> working, winter, summer, winterHumid, summerHumid;
    data->getInputData(ti, to, rho, working, winter, summer, winterHumid, summerHumid);
    QCOMPARE(to.size(), size_t(17520));
    const IndoorHumidity h = computeIndoorHumidity(to, ti, rho, working, winterHumid, summerHumid, HumidityParameters());
    const HumidityAssessment a = assessIndoorHumidity(h.rhIn, h.xIn, winter, summer);
    auto *hourly = child<QTableWidget>(*child<QWidget>(window, "humidityForm"), "tableWidget");
    QStringList decimals;
    for (int c = 0; c < 10; ++c)
        decimals << QString::number(hourly->item(17519, c)->text().section('.', 1).size());
    QCOMPARE(decimals.join(' '), "2 2 2 5 2 2 2 2 7 2");
    QCOMPARE(hourly->item(17519, 9)->text(), resultText(h.ahIn.back(), 2));

    auto *pages = qobject_cast<QTabWidget *>(hourly->parentWidget()->parentWidget()->parentWidget());
    QWidget &winterPage = *pages->widget(1), &summerPage = *pages->widget(2);
    using namespace HumiditySlot;
    QCOMPARE(text(winterPage, "FreqLow") + ' ' + text(summerPage, "FreqUp") + ' '
                 + child<QTableWidget>(winterPage, "tableRHin")->item(0, 10)->text() + ' '
                 + child<QTableWidget>(summerPage, "tableAHin")->item(0, 10)->text(),
             resultText(a.summary[WinterBelow], 1) + ' ' + resultText(a.summary[SummerAbove], 1) + ' '
                 + resultText(a.rhWinter[10] * 0.5, 1) + ' ' + resultText(a.xSummer[10] * 0.5, 1));
    QCOMPARE(child<QLabel>(summerPage, "labelIndoorHumidity")->text(), "Indoor  Humidity: Summer");
    const QStringList fields{"FreqUp", "FreqUpPercent", "FreqLow", "FreqLowPercent", "PointHumid"};
    for (bool inSummer : {false, true}) {
        vstring c1, c2, all{"kept"};
        QVERIFY(inSummer ? window.getSummerHumidityAssessment(c1, c2, all, all, all, all)
                         : window.getWinterHumidityAssessment(c1, c2, all, all, all, all));
        QCOMPARE(joined(all), "kept|" + shown(inSummer ? summerPage : winterPage,
                                              inSummer ? "tableAHin" : "tableRHin", fields));
    }
    vstring operative;
    QVERIFY(window.getWinterOperativeTemperatureAssessment(operative, operative, operative));
    QCOMPARE(joined(operative).section('|', 0, 8), shown(*child<QWidget>(window, "winterBNBForm"), "winterDistribution", {}));
}

// Winter on mechanical ventilation only, summer with window ventilation too.
void TestGathering::draftAndRadiation()
{
    bnbMenuForm window(nullptr);
    click(window, "w_checkWindow");
    for (const QString season : {"w_", "s_"}) {
        setText(window, season + "inputTa", "21");
        setText(window, season + "inputVa", "0.15");
        setText(window, season + "inputTu", "40");
        click(window, season + "checkMech");
        click(window, season + "compButton");
    }
    vstring mech, win, conditions, dr, points;
    QVERIFY(window.getWinterDraftAssessment(mech, win, conditions, dr, points));
    QVERIFY(window.getSummerDraftAssessment(mech, win, conditions, dr, points));
    QCOMPARE(QStringList({joined(mech), joined(win), joined(conditions), joined(dr), joined(points)}).join(" / "),
             "Yes|Yes / No|Yes / 21|0.15|40|21|0.15|40 / 16.72|Fail|16.72|Pass / 13|10");
    setText(window, "WinterPoints", "");
    QVERIFY(!window.getWinterDraftAssessment(mech, win, conditions, dr, points) && points.size() == 2);

    // A window in the front wall of the winter page only.
    mrtForm *mrt = window.findChildren<mrtForm *>().at(1);
    lvstring position, boundaries, results;
    QVERIFY(!window.getMRTAssessment(mrt, position, boundaries, results, points));
    QVERIFY(position.size() == 2 && boundaries.size() == 6 && results.empty());
    child<QCheckBox>(*mrt, "checkBoxFW")->setChecked(true);
    click(*mrt, "computeMRT");
    boundaries.clear();
    QVERIFY(window.getMRTAssessment(mrt, position, boundaries, results, points));
    QCOMPARE(joined(boundaries.front()) + ' ' + QString::number(joined(boundaries).count("|Not defined")),
             text(*mrt, "inputFT") + '|' + text(*mrt, "inputFWT") + " 5");
    QCOMPARE(joined(results) + ' ' + QString::fromStdString(points.back()),
             text(*mrt, "outputPdFrBk") + '|' + text(*mrt, "outputFrBkQuality") + " / " + text(*mrt, "outputPdLeRt")
                 + '|' + text(*mrt, "outputLeRtQuality") + " / " + text(*mrt, "outputPdClFlr") + '|'
                 + text(*mrt, "outputClFlrQuality") + ' ' + text(*mrt, "RadiationPoints"));
}

// A summer climate region belongs to DIN 4108-2 only, though the two DIN EN 15251 models'
// names contain "DIN" too.
void TestGathering::summerModel_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<QString>("expected");
    QTest::newRow("26 °C") << 0 << "26 °C|N/A";
    QTest::newRow("adaptive DIN EN 15251") << 1 << "Adaptives Modell(DIN EN 15251)|N/A";
    QTest::newRow("national annex DIN EN 15251") << 2 << "Nationaler Anhang(DIN EN 15251)|N/A";
    QTest::newRow("DIN 4108-2, region B") << 3 << "DIN 4108-2|Summer Region B";
}

void TestGathering::summerModel()
{
    QFETCH(int, model);
    QFETCH(QString, expected);
    bnbMenuForm window(nullptr);
    auto *box = child<QComboBox>(window, "modelSelectBox");
    box->setCurrentIndex(model);
    emit box->textActivated(box->currentText());
    child<QRadioButton>(window, "regionCheckB")->setChecked(true);
    vstring selection, time, rest;
    QVERIFY(!window.getSummerOperativeTemperatureAssessment(selection, time, rest, rest, rest));
    QCOMPARE(joined(selection) + " / " + joined(time), expected + " / 8:00 h|18:00 h|no");
}

QTEST_MAIN(TestGathering)
#include "tst_gathering.moc"
