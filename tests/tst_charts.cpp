// The result charts: what they hold after a Compute and the pictures they save.
#include "assessment/bandchart.h"
#include "assessment/comfortscatterchart.h"
#include "assessment/durationchart.h"
#include "app/tabletext.h"
#include "assessment/humidityassmtform.h"
#include "comfort/pmvform.h"
#include "comfort/ppdchart.h"
#include "messagecatcher.h"
#include "report/bnbmenuform.h"
#include "widgetlookup.h"

#include <QtTest>
#include <QtCharts>

namespace {

QAbstractSeries *seriesNamed(QChartView *view, const QString &prefix)
{
    const QList<QAbstractSeries *> all = view->chart()->series();
    for (QAbstractSeries *s : all)
        if (s->name().startsWith(prefix))
            return s;
    return nullptr;
}

QList<QPointF> pointsOf(QChartView *view, const QString &prefix)
{
    auto *s = qobject_cast<QXYSeries *>(seriesNamed(view, prefix));
    return s ? s->points() : QList<QPointF>();
}

// Hours of each bar (within + outside) and the bars drawn in the warning colour.
struct Bars {
    QList<double> hours;
    QList<int> outside;
};
Bars barsOf(QChartView *view)
{
    Bars b;
    auto *stacked = qobject_cast<QAbstractBarSeries *>(view->chart()->series().first());
    const QBarSet *in = stacked->barSets().at(0), *out = stacked->barSets().at(1);
    for (qsizetype i = 0; i < in->count(); ++i) {
        b.hours << in->at(i) + out->at(i);
        if (out->at(i) > 0)
            b.outside << int(i);
    }
    return b;
}

double cellNumber(QObject &page, const QString &table, int column)
{
    return child<QTableWidget>(page, table)->item(0, column)->text().toDouble();
}

// The assessment window with the sample year (Semicolon, one header line) in its table.
void loadSampleYear(bnbMenuForm &window)
{
    QWidget *data = child<QWidget>(window, "bnbForm");
    QVERIFY(importDelimitedFile(data, child<QTableWidget>(*data, "tableWidget"),
                                QFINDTESTDATA("../examples/sample_year.csv"), 1, ";"));
}

void compute(bnbMenuForm &window, int model, const QString &region = QString())
{
    auto *box = child<QComboBox>(window, "modelSelectBox");
    box->setCurrentIndex(model);
    emit box->textActivated(box->currentText());
    if (!region.isEmpty())
        click(window, region);
    child<QPushButton>(window, "compButton")->setEnabled(true);
    click(window, "compButton");
}

}

class TestCharts : public QObject
{
    Q_OBJECT
private slots:
    void savesPictures();
    void densityBeyondThreshold();
    void operativeCharts_data();
    void operativeCharts();
    void humidityCharts();
    void pmvChart();
};

void TestCharts::savesPictures()
{
    ComfortScatterChart chart(nullptr);
    chart.resize(500, 350);
    const std::vector<ScatterPoint> points{{12, 24, ComfortCategory::I, false},
                                           {20, 29, ComfortCategory::Outside, true}};
    chart.showAdaptive(points, 1.0);
    QTemporaryDir dir;
    for (const QString &name : {QStringLiteral("chart.png"), QStringLiteral("chart.svg")}) {
        const QString file = dir.filePath(name);
        QVERIFY(name.endsWith("png") ? chart.saveAsPng(file) : chart.saveAsSvg(file));
        QVERIFY(QFileInfo(file).size() > 1000);
    }
    QImage png(dir.filePath("chart.png"));
    QCOMPARE(png.size(), chart.size());
    QFile svg(dir.filePath("chart.svg"));
    QVERIFY(svg.open(QIODevice::ReadOnly));
    QVERIFY(svg.readAll().contains("<svg"));

    MessageCatcher catcher;
    QVERIFY(!chart.saveAsPng(dir.filePath("missing/chart.png")));
    QVERIFY(!chart.saveAsSvg(dir.filePath("missing/chart.svg")));
    QCOMPARE(catcher.count, 2);
    QVERIFY(catcher.text.startsWith("Cannot write file"));
}

void TestCharts::densityBeyondThreshold()
{
    std::vector<ScatterPoint> points;
    for (size_t i = 0; i <= kDensityThreshold; ++i)
        points.push_back({12.0 + (i % 100) * 0.1, 22.0 + (i % 77) * 0.1, ComfortCategory::I, i % 10 == 0});
    ComfortScatterChart chart(nullptr);
    chart.showNationalAnnex(points, 1.0);
    QVERIFY(chart.showsDensity());
    points.pop_back();
    chart.showNationalAnnex(points, 1.0);
    QVERIFY(!chart.showsDensity());
    QCOMPARE(pointsOf(&chart, "Above").size(), int(kDensityThreshold / 10));
}

// limit: the picture's limit line at its right end (duration curve: the fixed limit).
void TestCharts::operativeCharts_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<QString>("region");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QList<int>>("outsideBands");
    QTest::addColumn<double>("limit");
    QTest::newRow("26 °C: duration curve") << 0 << QString() << "summerDurationChart"
                                           << QList<int>{3, 4, 5, 6, 7} << 26.0;
    // Highest running mean of the sample summer above 21.8 °C: limit over 29 °C.
    QTest::newRow("adaptive: scatter over Θrm") << 1 << QString() << "summerScatterChart"
                                                << QList<int>{7} << -1.0;
    // Outdoor temperatures of 32 °C and more: the limit reaches 28 °C.
    QTest::newRow("national annex: scatter over Te") << 2 << QString() << "summerScatterChart"
                                                     << QList<int>{5, 6, 7} << 28.0;
    QTest::newRow("DIN 4108-2 A: duration curve") << 3 << "regionCheckA" << "summerDurationChart"
                                                  << QList<int>{2, 3, 4, 5, 6, 7} << 25.0;
}

void TestCharts::operativeCharts()
{
    QFETCH(int, model);
    QFETCH(QString, region);
    QFETCH(QString, picture);
    QFETCH(QList<int>, outsideBands);
    QFETCH(double, limit);
    bnbMenuForm window(nullptr);
    loadSampleYear(window);
    compute(window, model == 0 ? 1 : 0);   // the next Compute replaces the other model's picture
    compute(window, model, region);

    QWidget &winter = *child<QWidget>(window, "winterBNBForm");
    QWidget &summer = *child<QWidget>(window, "summerBNBForm");
    const Bars w = barsOf(child<QChartView>(winter, "winterBandChart"));
    const Bars s = barsOf(child<QChartView>(summer, "summerBandChart"));
    QCOMPARE(w.hours.size(), 8);
    for (int c = 0; c < 8; ++c) {
        QCOMPARE(QString::number(w.hours[c], 'f', 1), QString::number(cellNumber(winter, "winterDistribution", c), 'f', 1));
        QCOMPARE(QString::number(s.hours[c], 'f', 1), QString::number(cellNumber(summer, "summerDistribution", c), 'f', 1));
    }
    QCOMPARE(w.outside, QList<int>({1}));   // 0 h below 19 °C, 13 h in 19-20 °C
    QList<int> expectedOutside;
    for (int b : outsideBands)
        if (s.hours[b] > 0)
            expectedOutside << b;
    QCOMPARE(s.outside, expectedOutside);

    auto *shown = qobject_cast<QChartView *>(child<QStackedWidget>(summer, "")->currentWidget());
    QVERIFY(shown && shown->isVisibleTo(&summer));
    QCOMPARE(shown->objectName(), picture);
    const double hoursAbove = cellNumber(summer, "summerQuality", 0);
    const QList<QPointF> line = pointsOf(shown, "Limit");
    if (limit > 0)
        QCOMPARE(line.last().y(), limit);
    if (picture == "summerScatterChart") {
        const int points = int(pointsOf(shown, "Within").size() + pointsOf(shown, "Above").size()
                               + pointsOf(shown, "Not valid").size());
        QCOMPARE(points, int(cellNumber(summer, "summerDistribution", 8)));
        QCOMPARE(double(pointsOf(shown, "Above").size()), hoursAbove);
        if (model == 1)
            QCOMPARE(line.first(), QPointF(line.first().x(), 25.1));   // Θrm below 10 °C
    } else {
        QCOMPARE(double(pointsOf(shown, "To").size()), cellNumber(summer, "summerDistribution", 8) + 1);
        QCOMPARE(seriesNamed(shown, "")->name(),
                 QString("%1 Kh above").arg(cellNumber(summer, "summerQuality", 2), 0, 'f', 1));
    }
}

void TestCharts::humidityCharts()
{
    bnbMenuForm window(nullptr);
    loadSampleYear(window);
    compute(window, 0);
    click(window, "computeHumid");
    const QList<humidityAssmtForm *> pages = window.findChildren<humidityAssmtForm *>();
    QCOMPARE(pages.size(), 2);
    for (humidityAssmtForm *page : pages) {
        for (const char *name : {"rhChart", "xChart"}) {
            auto *chart = child<QChartView>(*page, name);
            const Bars b = barsOf(chart);
            QCOMPARE(b.hours.size(), 10);
            const QString table = name == QString("rhChart") ? "tableRHin" : "tableAHin";
            double total = 0;
            for (double h : b.hours)
                total += h;
            QCOMPARE(total, cellNumber(*page, table, 10));
            const double position = pointsOf(chart, name == QString("rhChart") ? "Lower limit" : "Upper limit").first().x();
            QCOMPARE(position, name == QString("rhChart") ? 2.0 : 5.5);
        }
    }
}

void TestCharts::pmvChart()
{
    pmvForm form(nullptr);
    click(form, "compute");   // defaults: PMV -0.76, PPD 17.24, PPD-Mayer 59.04
    auto *chart = child<QChartView>(form, "ppdChart");
    QCOMPARE(pointsOf(chart, "PPD").size(), 121);
    const QList<QAbstractSeries *> all = chart->chart()->series();
    QList<QPointF> marked;
    for (QAbstractSeries *series : all)
        if (series->name() == "Computed state")
            marked << qobject_cast<QXYSeries *>(series)->points();
    QCOMPARE(marked.size(), 2);
    QCOMPARE(QString::number(marked[0].x(), 'f', 2), text(form, "outputPMV"));
    QCOMPARE(QString::number(marked[0].y(), 'f', 2), text(form, "outputPPD"));
    QCOMPARE(QString::number(marked[1].y(), 'f', 2), text(form, "outputPPDM"));
}

QTEST_MAIN(TestCharts)
#include "tst_charts.moc"
