// The result charts: what they hold after a Compute and the pictures they save.
#include "assessment/bandchart.h"
#include "assessment/comfortscatterchart.h"
#include "assessment/durationchart.h"
#include "comfort/ppdchart.h"
#include "messagecatcher.h"

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

}

class TestCharts : public QObject
{
    Q_OBJECT
private slots:
    void savesPictures();
    void densityBeyondThreshold();
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

QTEST_MAIN(TestCharts)
#include "tst_charts.moc"
