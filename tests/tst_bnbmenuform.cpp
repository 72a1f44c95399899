// The BNB assessment window: its tabs, Compute carried into every page, and the gathering of
// what the pages show for the report.
#include "report/bnbmenuform.h"

#include "app/resulttext.h"
#include "assessment/bnbform.h"
#include "assessment/humidity.h"
#include "assessment/humidityform.h"
#include "assessment/summerbnbform.h"
#include "comfort/delimitedtext.h"
#include "radiant/mrtform.h"
#include "messagecatcher.h"
#include "widgetlookup.h"

#include <QtTest>

#include <memory>

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

// Row 0 of the page's tables (of all when `table` is empty), then the fields, as shown.
QStringList shown(QWidget &page, const QStringList &fields = {"pointsField"}, const QString &table = {})
{
    QStringList texts;
    for (QTableWidget *t : page.findChildren<QTableWidget *>(table))
        for (int c = 0; c < t->columnCount(); ++c)
            texts << (t->item(0, c) ? t->item(0, c)->text() : "<none>");
    for (const QString &f : fields)
        texts << text(page, f);
    return texts;
}

// A winter or summer page's cells as the core's array gives them at data interval dt.
QStringList expectedCells(const ResultArray &r, double dt)
{
    QStringList texts;
    for (int c = 0; c <= 8; ++c)
        texts << resultText(r[c] * dt, 1);
    return texts << resultText(r[9] * dt, 1) << resultText(r[9] / r[8] * 100, 1) << resultText(r[11] * dt, 1);
}

// Tab `inner` of the outer tab `outer`; -1: the outer tab itself.
QWidget &tab(QWidget &window, int outer, int inner = -1)
{
    auto *tabs = qobject_cast<QTabWidget *>(window.layout()->itemAt(0)->widget());
    return inner < 0 ? *tabs->widget(outer) : *qobject_cast<QTabWidget *>(tabs->widget(outer))->widget(inner);
}

}

class TestBnbMenuForm : public QObject
{
    Q_OBJECT
    // One window on examples/sample_year.csv, the year a new user tries first, each record
    // twice as half-hour records; computed once and shared by the tests.
    std::unique_ptr<bnbMenuForm> window;
    std::vector<QStringList> rows;

    void chooseModel(int index, const QString &region)
    {
        auto *box = child<QComboBox>(*window, "modelSelectBox");
        box->setCurrentIndex(index);
        emit box->textActivated(box->currentText());
        if (!region.isEmpty())
            click(*window, region);
    }
    QStringList pages() { return shown(tab(*window, 1, 0)) + shown(tab(*window, 1, 1)); }

private slots:
    void initTestCase()
    {
        QFile file(QFINDTESTDATA("../examples/sample_year.csv"));
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        QTextStream in(&file);
        QStringList lines;
        for (const QStringList &row : readDelimitedRows(in, 1, ";").rows) {
            rows.insert(rows.end(), 2, row);
            lines << row.join('\t') << row.join('\t');
        }
        window = std::make_unique<bnbMenuForm>(nullptr);
        QApplication::clipboard()->setText(lines.join('\n'));
        auto *data = child<bnbForm>(*window, "bnbForm");
        child<QTableWidget>(*data, "tableWidget")->setRangeSelected(QTableWidgetSelectionRange(0, 0, 0, 0), true);
        data->actions().at(1)->trigger();   // paste
        QCOMPARE(child<QTableWidget>(*data, "tableWidget")->rowCount(), 17520);
        setText(*window, "dataIntervalHour", "0,5");
        MessageCatcher catcher;
        click(*window, "compButton");
        QCOMPARE(catcher.count, 0);
    }
    void init() { QTest::failOnWarning(QRegularExpression("connectSlotsByName")); }

    // Tabs, empty pages, and every gathering refused before the data page has computed.
    void newWindow()
    {
        bnbMenuForm fresh(nullptr);
        const auto tabs = [](QWidget &w) {
            auto *t = qobject_cast<QTabWidget *>(&w);
            QStringList texts;
            for (int i = 0; i < t->count(); ++i)
                texts << t->tabText(i) + '=' + t->widget(i)->metaObject()->className();
            return texts.join(", ");
        };
        QCOMPARE(tabs(*fresh.layout()->itemAt(0)->widget()),
                 "Im/Export Data=bnbForm, 1. Operative Temperature=QTabWidget, 2. Draft Risk=drafttab, "
                 "3. Radiation Asymmetry=QTabWidget, 4. Humidity=QTabWidget");
        QCOMPARE(QStringList({tabs(tab(fresh, 1)), tabs(tab(fresh, 3)), tabs(tab(fresh, 4))}),
                 QStringList({"Winter=winterBNBForm, Summer=summerBNBForm", "Winter=mrtForm, Summer=mrtForm",
                              "Humidity Calculator=humidityForm, Humidity Winter=humidityAssmtForm, "
                              "Humidity Summer=humidityAssmtForm"}));
        QVERIFY(tab(fresh, 2).findChild<QWidget *>("draftForm"));
        QCOMPARE(shown(tab(fresh, 1, 0)), QStringList(12, "<none>") << "");

        MessageCatcher messages;
        click(fresh, "computeHumid");
        QVERIFY2(messages.text.contains("computed first"), qPrintable(messages.text));
        QVERIFY(!child<QTableWidget>(tab(fresh, 4, 0), "tableWidget")->item(0, 0) && !enabled(tab(fresh, 4, 0), "writeButton"));
        vstring c1{"kept"}, c2, distribution, rest;
        QVERIFY(!fresh.getWinterHumidityAssessment(c1, c2, distribution, rest, rest, rest));
        QCOMPARE(joined(c1) + " / " + joined(c2) + " / " + joined(distribution),
                 "kept|108|0.2|2|-|2|3|0 / 0|1|0|-|0|100000 / ");
        QVERIFY(!fresh.getWinterOperativeTemperatureAssessment(rest, rest, rest));
        QVERIFY(!fresh.getSummerOperativeTemperatureAssessment(rest, rest, rest, rest, rest));
    }

    void everyModelReachesBothPages_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<QString>("region");
        QTest::addColumn<int>("coreRegion");   // SummerRegion
        QTest::addColumn<QString>("selection");   // gathered for the report
        QTest::newRow("26 °C") << 0 << "" << 0 << "26 °C|N/A";
        QTest::newRow("adaptive DIN EN 15251") << 1 << "" << 0 << "Adaptives Modell(DIN EN 15251)|N/A";
        QTest::newRow("national annex") << 2 << "" << 0 << "Nationaler Anhang(DIN EN 15251)|N/A";
        QTest::newRow("DIN 4108-2 region A") << 3 << "regionCheckA" << int(SummerRegion::A) << "DIN 4108-2|Summer Region A";
        QTest::newRow("DIN 4108-2 region B") << 3 << "regionCheckB" << int(SummerRegion::B) << "DIN 4108-2|Summer Region B";
        QTest::newRow("DIN 4108-2 region C") << 3 << "regionCheckC" << int(SummerRegion::C) << "DIN 4108-2|Summer Region C";
    }
    // The pages show the core's evaluation of the same rows in hours; the compliance box
    // recomputes the summer page at once, unticking it changes nothing.
    void everyModelReachesBothPages()
    {
        QFETCH(int, model);
        QFETCH(QString, region);
        QFETCH(int, coreRegion);
        chooseModel(model, region);
        click(*window, "compButton");

        OperativeAssessmentInput in;
        in.axis.rows = int(rows.size());
        in.axis.interval = 0.5;
        in.model = SummerModel(model);   // the combo's order
        in.region = SummerRegion(coreRegion);
        for (const QStringList &row : rows) {
            in.outdoorTemp.push_back(parseCellNumber(row.at(0)));
            in.outdoorHumid.push_back(parseCellNumber(row.at(1)));
            in.indoorTemp.push_back(parseCellNumber(row.at(2)));
        }
        const OperativeAssessment a = assessOperativeTemperature(in);
        QVERIFY(a.ok);
        const ResultArray s = combineSummerResults(a.summerDistribution, a.model);
        QWidget &summer = tab(*window, 1, 1);
        QCOMPARE(shown(tab(*window, 1, 0)), expectedCells(a.winter, 0.5) << resultText(a.winter[12], 1));
        const bool din = in.model == SummerModel::Din4108;
        const QString verdict = s[11] * 0.5 < 500 ? "complied" : "not complied";
        QCOMPARE(shown(summer), expectedCells(s, 0.5) << (din ? verdict : "0"));
        const QString justified = s[15] < 9.9991 ? "10" : resultText(s[15], 1);
        for (bool ticked : {true, false}) {
            child<QCheckBox>(summer, "checkBoxJustify")->setChecked(ticked);
            QCOMPARE(text(summer, "pointsField"), din ? verdict : justified);
        }

        vstring selection, time, rest, operative;
        QVERIFY(window->getSummerOperativeTemperatureAssessment(selection, time, rest, rest, rest));
        QTEST(joined(selection), "selection");
        QCOMPARE(joined(time), "8:00 h|18:00 h|no");
        QVERIFY(window->getWinterOperativeTemperatureAssessment(operative, operative, operative));
        QCOMPARE(joined(operative).section('|', 0, 8), shown(tab(*window, 1, 0), {}).mid(0, 9).join('|'));
    }

    void summerPointsRule_data()
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
        QTest::newRow("box ticked lifts 5 to 10") << false << true << 0.0 << 1.0 << 5.0 << "10";
        QTest::newRow("box ticked keeps 9.9991") << false << true << 0.0 << 1.0 << 9.9991 << "10.0";
    }
    void summerPointsRule()
    {
        QFETCH(bool, din);
        QFETCH(bool, justified);
        QFETCH(double, degreeRows);
        QFETCH(double, dt);
        QFETCH(double, points);
        summerBNBForm summer(nullptr);
        child<QCheckBox>(summer, "checkBoxJustify")->setChecked(justified);
        ResultArray s{};
        s[SummerSlot::DegreeRows] = degreeRows;
        s[SummerSlot::Points] = points;
        summer.showResults(s, dt, din);
        QTEST(text(summer, "pointsField"), "shown");
        QCOMPARE(child<QTableWidget>(summer, "summerQuality")->item(0, 1)->text(), "N.A");   // 0 / 0
    }

    void refusedComputeKeepsPages()
    {
        const QStringList before = pages();
        QVERIFY(!before.contains("<none>"));
        setText(*window, "dataIntervalHour", "0");   // read by the pages' updates too
        MessageCatcher catcher;
        click(*window, "compButton");
        QCOMPARE(catcher.count, 1);
        QCOMPARE(pages(), before);
        setText(*window, "dataIntervalHour", "0,5");
    }

    void humidityParameters_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("message");   // part of the message; empty: accepted
        QTest::newRow("defaults") << "inputVol" << "108" << "";
        QTest::newRow("volume 0") << "inputVol" << "0" << "Room Volume (m³) must be greater than 0";
        QTest::newRow("winter air change not a number")
            << "inputACH_oper_winter" << "x" << "Air Change Rate during Operation (1/h): Winter: \"x\"";
    }
    void humidityParameters()
    {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QString, message);
        auto &calculator = static_cast<humidityForm &>(tab(*window, 4, 0));
        const QString before = text(calculator, field);
        setText(calculator, field, value);
        MessageCatcher messages;
        HumidityParameters p;
        p.achSpring = p.hrSpring = 9.0;
        QCOMPARE(calculator.readParameters(p), message.isEmpty());
        setText(calculator, field, before);
        QVERIFY2(messages.text.contains(message), qPrintable(messages.text));
        if (message.isEmpty())   // the disabled spring fields keep "-" and read as 0
            QCOMPARE(QList<double>({p.achSpring, p.hrSpring}), QList<double>({0.0, 0.0}));
    }

    // The hourly table and the two assessment pages show the core's numbers of the data page's
    // series, distributions in hours; the gathered lists and the CSV file are the texts shown.
    void humidity()
    {
        click(*window, "computeHumid");
        std::vector<double> ti, to, rho;
        std::vector<bool> working, winter, summer, winterHumid, summerHumid;
        child<bnbForm>(*window, "bnbForm")->getInputData(ti, to, rho, working, winter, summer, winterHumid, summerHumid);
        const IndoorHumidity h = computeIndoorHumidity(to, ti, rho, working, winterHumid, summerHumid, HumidityParameters());
        const HumidityAssessment a = assessIndoorHumidity(h.rhIn, h.xIn, winter, summer);
        auto &calculator = static_cast<humidityForm &>(tab(*window, 4, 0));
        auto *hourly = child<QTableWidget>(calculator, "tableWidget");
        QStringList decimals, firstRow;
        for (int c = 0; c < 10; ++c) {
            decimals << QString::number(hourly->item(17519, c)->text().section('.', 1).size());
            firstRow << hourly->item(0, c)->text();
        }
        QCOMPARE(decimals.join(' '), "2 2 2 5 2 2 2 2 7 2");
        QCOMPARE(hourly->item(17519, 9)->text(), resultText(h.ahIn.back(), 2));

        QWidget &winterPage = tab(*window, 4, 1), &summerPage = tab(*window, 4, 2);
        QCOMPARE(child<QLabel>(summerPage, "labelIndoorHumidity")->text(), "Indoor  Humidity: Summer");
        using namespace HumiditySlot;
        for (bool inSummer : {false, true}) {
            const double above = a.summary[inSummer ? SummerAbove : WinterAbove];
            const double below = a.summary[inSummer ? SummerBelow : WinterBelow];
            const double total = a.summary[inSummer ? SummerRhTotal : WinterRhTotal];
            const QStringList cells = shown(inSummer ? summerPage : winterPage,
                                            {"FreqUp", "FreqUpPercent", "FreqLow", "FreqLowPercent", "PointHumid"},
                                            inSummer ? "tableAHin" : "tableRHin");
            QCOMPARE(cells.mid(cells.size() - 6),
                     QStringList({resultText((inSummer ? a.xSummer : a.rhWinter)[10] * 0.5, 1), resultText(above, 1),
                                  resultText(above / total * 100, 1), resultText(below, 1),
                                  resultText(below / total * 100, 1),
                                  resultText(a.summary[inSummer ? SummerPoints : WinterPoints], 1)}));
            vstring c1, c2, all{"kept"};
            QVERIFY(inSummer ? window->getSummerHumidityAssessment(c1, c2, all, all, all, all)
                             : window->getWinterHumidityAssessment(c1, c2, all, all, all, all));
            QCOMPARE(joined(all), "kept|" + cells.join('|'));
        }

        QTemporaryDir dir;
        const QString name = dir.filePath("humidity_out.csv");
        QVERIFY(calculator.writeCsv(name));
        QFile file(name);
        const QStringList lines = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).split('\n') : QStringList();
        QCOMPARE(lines.size(), 17523);
        QCOMPARE(lines[0], "Humidity output generated by Klimaro v0.3");
        QCOMPARE(lines[1], "Ta_out(°C);RH_out(%);AH_out[g/m³];AH_ratio_out[kg/kg];Mprod[g/h];ACH(1/h);"
                           "Ta_in(°C);RH_in(%);AH_ratio_in[kg/kg];AH_in[g/m³];");
        QCOMPARE(lines[2], firstRow.join(';') + ';');
        MessageCatcher messages;
        QVERIFY(!calculator.writeCsv(dir.filePath("missing/humidity_out.csv")));
        QVERIFY2(messages.text.startsWith("Cannot write file " + QDir::toNativeSeparators(dir.filePath("missing"))),
                 qPrintable(messages.text));
    }

    // Mechanical ventilation opens a season's groups; an empty field is named with its season;
    // winter on mechanical ventilation only, summer with window ventilation too.
    void draft()
    {
        QVERIFY(!enabled(*window, "groupInputW") && !enabled(*window, "groupCompS"));
        click(*window, "s_checkMech");
        QVERIFY(enabled(*window, "groupInputS") && enabled(*window, "groupCompS") && !enabled(*window, "groupInputW"));
        {
            MessageCatcher messages;
            click(*window, "s_compButton");
            QVERIFY2(messages.text.contains("Summer: Air Temperature [°C]: empty"), qPrintable(messages.text));
            QCOMPARE(text(*window, "s_outDr") + text(*window, "SummerPoints"), "10");
        }
        click(*window, "w_checkMech");
        click(*window, "w_checkWindow");
        for (const QString season : {"w_", "s_"}) {
            setText(*window, season + "inputTa", "21");
            setText(*window, season + "inputVa", "0.15");
            setText(*window, season + "inputTu", "40");
            click(*window, season + "compButton");
        }
        vstring mech, win, conditions, dr, points;
        QVERIFY(window->getWinterDraftAssessment(mech, win, conditions, dr, points));
        QVERIFY(window->getSummerDraftAssessment(mech, win, conditions, dr, points));
        QCOMPARE(QStringList({joined(mech), joined(win), joined(conditions), joined(dr), joined(points)}).join(" / "),
                 "Yes|Yes / No|Yes / 21|0.15|40|21|0.15|40 / 16.72|Fail|16.72|Pass / 13|10");
        click(*window, "w_checkWindow");   // window ventilation: full points again
        QCOMPARE(text(*window, "WinterPoints"), "20");
        setText(*window, "WinterPoints", "");
        QVERIFY(!window->getWinterDraftAssessment(mech, win, conditions, dr, points) && points.size() == 2);
        click(*window, "w_checkMech");
        QVERIFY(!enabled(*window, "groupCompW") && enabled(*window, "groupCompS"));
    }

    // A window in the front wall of the summer radiation page only.
    void radiation()
    {
        auto *mrt = static_cast<mrtForm *>(&tab(*window, 3, 1));
        lvstring position, boundaries, results;
        vstring points;
        QVERIFY(!window->getMRTAssessment(mrt, position, boundaries, results, points));
        QVERIFY(position.size() == 2 && boundaries.size() == 6 && results.empty());
        child<QCheckBox>(*mrt, "checkBoxFW")->setChecked(true);
        click(*mrt, "computeMRT");
        boundaries.clear();
        QVERIFY(window->getMRTAssessment(mrt, position, boundaries, results, points));
        QCOMPARE(joined(boundaries.front()) + ' ' + QString::number(joined(boundaries).count("|Not defined")),
                 text(*mrt, "inputFT") + '|' + text(*mrt, "inputFWT") + " 5");
        QCOMPARE(joined(results) + ' ' + QString::fromStdString(points.back()),
                 text(*mrt, "outputPdFrBk") + '|' + text(*mrt, "outputFrBkQuality") + " / " + text(*mrt, "outputPdLeRt")
                     + '|' + text(*mrt, "outputLeRtQuality") + " / " + text(*mrt, "outputPdClFlr") + '|'
                     + text(*mrt, "outputClFlrQuality") + ' ' + text(*mrt, "RadiationPoints"));
    }
};

QTEST_MAIN(TestBnbMenuForm)
#include "tst_bnbmenuform.moc"
