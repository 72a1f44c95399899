// The result charts alone (chart data from the core, the widgets' update, one paint) for a year
// of hourly and of 1-minute rows, and Compute through the assessment window with its charts.
#include "app/tabletext.h"
#include "assessment/bandchart.h"
#include "assessment/chartdata.h"
#include "assessment/comfortscatterchart.h"
#include "assessment/durationchart.h"
#include "report/bnbmenuform.h"

#include "yeardata.h"

#include <QtTest>
#include <QtWidgets>

class BenchCharts : public QObject
{
    Q_OBJECT
private slots:
    void chartsAlone_data();
    void chartsAlone();
    void computeThroughWindow();
};

void BenchCharts::chartsAlone_data()
{
    QTest::addColumn<int>("rowsPerHour");
    QTest::addColumn<int>("model");
    for (int perHour : {1, 60})
        for (int model : {0, 1, 2})
            QTest::addRow("%d rows, %s", 8760 * perHour,
                          model == 0 ? "26 °C" : model == 1 ? "adaptive" : "national annex")
                << perHour << model;
}

void BenchCharts::chartsAlone()
{
    QFETCH(int, rowsPerHour);
    QFETCH(int, model);
    const double dt = 1.0 / rowsPerHour;
    OperativeAssessmentInput in;
    in.axis.rows = 8760 * rowsPerHour;
    in.axis.interval = dt;
    in.model = SummerModel(model);
    for (const YearRow &r : simulatedYear(in.axis.rows, dt)) {
        in.outdoorTemp.push_back(r.te);
        in.outdoorHumid.push_back(r.rh);
        in.indoorTemp.push_back(r.to);
    }
    const OperativeAssessment a = assessOperativeTemperature(in);
    QVERIFY(a.ok);
    const ResultArray s = combineSummerResults(a.summerDistribution, a.model);

    BandChart bands(nullptr, "Summer", "To (°C)", {"24", "25", "26", "27", "28", "29", "30"},
                    "Within", "Above");
    ComfortScatterChart scatter(nullptr);
    DurationChart duration(nullptr);
    for (QWidget *w : {static_cast<QWidget *>(&bands), static_cast<QWidget *>(&scatter),
                       static_cast<QWidget *>(&duration)})
        w->resize(390, 220);
    QImage canvas(390, 220, QImage::Format_ARGB32_Premultiplied);
    qint64 dataNs = 0, widgetNs = 0, paintNs = 0;
    int passes = 0;
    QBENCHMARK {
        QElapsedTimer t;
        t.start();
        const double threshold = summerExceedanceThreshold(in.model, in.region, a.masks.summer,
                                                           in.outdoorTemp, a.runningMean);
        const BandHours b = summerBandHours(s, dt, threshold);
        std::vector<ScatterPoint> points;
        DurationCurve curve;
        if (model == 1)
            points = adaptiveScatter(in.indoorTemp, a.masks.summer, a.runningMean);
        else if (model == 2)
            points = nationalAnnexScatter(in.indoorTemp, a.masks.summer, in.outdoorTemp);
        else
            curve = durationCurve(in.indoorTemp, a.masks.summer, kFixedSummerLimit);
        dataNs += t.nsecsElapsed();
        t.restart();
        bands.setBands(b);
        if (model == 0)
            duration.showCurve(curve, dt);
        else if (model == 1)
            scatter.showAdaptive(points, dt);
        else
            scatter.showNationalAnnex(points, dt);
        widgetNs += t.nsecsElapsed();
        t.restart();
        QPainter painter(&canvas);
        bands.render(&painter);
        (model == 0 ? static_cast<QWidget &>(duration) : static_cast<QWidget &>(scatter)).render(&painter);
        paintNs += t.nsecsElapsed();
        ++passes;
    }
    qInfo("per pass: chart data %.2f ms, widgets %.2f ms, paint %.2f ms%s", dataNs / 1e6 / passes,
          widgetNs / 1e6 / passes, paintNs / 1e6 / passes,
          model != 0 && scatter.showsDensity() ? " (density)" : "");
}

// The sample year, adaptive model (scatter with running mean): the click on Compute runs the
// data page, both result pages and the charts; then the summer page is painted.
void BenchCharts::computeThroughWindow()
{
    bnbMenuForm window(nullptr);
    window.resize(810, 650);
    window.show();
    QWidget *data = window.findChild<QWidget *>("bnbForm");
    QVERIFY(importDelimitedFile(data, data->findChild<QTableWidget *>("tableWidget"),
                                QFINDTESTDATA("../examples/sample_year.csv"), 1, ";"));
    auto *box = data->findChild<QComboBox *>("modelSelectBox");
    box->setCurrentIndex(1);
    emit box->textActivated(box->currentText());
    auto *compute = data->findChild<QPushButton *>("compButton");
    compute->setEnabled(true);
    QWidget *summer = window.findChild<QWidget *>("summerBNBForm");
    QImage canvas(summer->size(), QImage::Format_ARGB32_Premultiplied);
    qint64 clickNs = 0, paintNs = 0;
    int passes = 0;
    QBENCHMARK {
        QElapsedTimer t;
        t.start();
        compute->click();
        clickNs += t.nsecsElapsed();
        t.restart();
        QPainter painter(&canvas);
        summer->render(&painter);
        paintNs += t.nsecsElapsed();
        ++passes;
    }
    qInfo("per pass: Compute %.1f ms, summer page painted %.1f ms", clickNs / 1e6 / passes,
          paintNs / 1e6 / passes);
    for (QWidget *w : summer->findChildren<QChartView *>()) {
        QElapsedTimer t;
        t.start();
        QPainter painter(&canvas);
        w->render(&painter);
        qInfo("  %s painted %.1f ms", qPrintable(w->objectName()), t.nsecsElapsed() / 1e6);
    }
}

QTEST_MAIN(BenchCharts)
#include "bench_charts.moc"
