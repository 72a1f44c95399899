#include "assessment/chartdata.h"

#include <QtTest>

#include <cmath>
#include <numeric>

namespace {

// A year of hourly rows from 01.01.2011 (a Saturday) with a seasonal and daily swing: warm
// enough in summer to exceed every model's limit, cold enough in winter to fall below 20 °C.
OperativeAssessmentInput yearInput(SummerModel model, SummerRegion region = SummerRegion::B)
{
    OperativeAssessmentInput in;
    in.axis.rows = 8760;
    in.axis.weekday = 7;
    in.model = model;
    in.region = region;
    for (int i = 0; i < in.axis.rows; ++i) {
        const double season = -std::cos(2 * M_PI * (i / 24.0 - 20) / 365);
        const double day = std::cos(2 * M_PI * (i % 24 - 15) / 24.0);
        const double te = 10 + 10 * season + 5 * day + 3 * std::sin(i * 0.37);
        in.outdoorTemp.push_back(te);
        in.outdoorHumid.push_back(70);
        in.indoorTemp.push_back(22.5 + 3.5 * season + 1.5 * day + std::sin(i * 0.13));
    }
    return in;
}

double sum(const std::vector<double> &v)
{
    return std::accumulate(v.begin(), v.end(), 0.0);
}

}

class TestChartData : public QObject
{
    Q_OBJECT
private slots:
    void bandHoursEqualResults();
    void summerOutsideBands_data();
    void summerOutsideBands();
    void scatterFollowsRows_data();
    void scatterFollowsRows();
    void durationCurve_data();
    void durationCurve();
    void binningKeepsTotal();
    void limitLines();
};

void TestChartData::bandHoursEqualResults()
{
    const OperativeAssessment a = assessOperativeTemperature(yearInput(SummerModel::Fixed26));
    QVERIFY(a.ok);
    const double dt = 0.5;
    const BandHours w = winterBandHours(a.winter, dt);
    QCOMPARE(sum(w.hours), a.winter[WinterSlot::Total] * dt);
    QCOMPARE(w.hours[1], a.winter[1] * dt);
    QCOMPARE(w.outside, std::vector<bool>({true, true, false, false, false, false, false, false}));
    QVERIFY(a.winter[0] > 0 && a.winter[7] > 0);

    const BandHours s = summerBandHours(combineSummerResults(a.summerDistribution, a.model), dt,
                                        kFixedSummerLimit + kSummerLimitTolerance);
    QCOMPARE(sum(s.hours), a.summerDistribution[SummerSlot::Total] * dt);
    QCOMPARE(s.outside, std::vector<bool>({false, false, false, true, true, true, true, true}));

    std::array<double, 11> d{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 55};
    const BandHours rh = humidityBandHours(d, 2.0, HumidityQuantity::RelativeHumidity);
    const BandHours x = humidityBandHours(d, 2.0, HumidityQuantity::HumidityRatio);
    QCOMPARE(rh.hours.size(), size_t(10));
    QCOMPARE(sum(rh.hours), 110.0);
    QCOMPARE(rh.outside, std::vector<bool>({true, true, false, false, false, false, false, false, false, false}));
    QCOMPARE(x.outside, std::vector<bool>({false, false, false, false, false, false, true, true, true, true}));
    QCOMPARE(humidityLimitPosition(HumidityQuantity::RelativeHumidity), 2.0);   // inside 20-30 %
    QCOMPARE(humidityLimitPosition(HumidityQuantity::HumidityRatio), 5.5);      // 10-12 | 12-14
}

// firstOutside: the lowest summer band drawn in the warning colour; 8 for none.
void TestChartData::summerOutsideBands_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<int>("region");
    QTest::addColumn<double>("value");   // Te (annex) or Θrm (adaptive) of every mask row
    QTest::addColumn<int>("firstOutside");
    QTest::newRow("26 °C: from 26-27") << int(SummerModel::Fixed26) << 0 << 0.0 << 3;
    QTest::newRow("DIN A 25 °C: from 25-26") << int(SummerModel::Din4108) << int(SummerRegion::A) << 0.0 << 2;
    QTest::newRow("DIN C 27 °C: from 27-28") << int(SummerModel::Din4108) << int(SummerRegion::C) << 0.0 << 4;
    QTest::newRow("DIN without region: none") << int(SummerModel::Din4108) << int(SummerRegion::None) << 0.0 << 8;
    QTest::newRow("annex Te 10: limit 24, from 24-25") << int(SummerModel::NationalAnnex) << 0 << 10.0 << 1;
    QTest::newRow("annex Te 24: limit 26") << int(SummerModel::NationalAnnex) << 0 << 24.0 << 3;
    QTest::newRow("annex Te 26: limit 26.5") << int(SummerModel::NationalAnnex) << 0 << 26.0 << 4;
    QTest::newRow("adaptive Θrm 8: 25.1 °C") << int(SummerModel::AdaptiveEN) << 0 << 8.0 << 3;
    QTest::newRow("adaptive Θrm 20: 28.4 °C") << int(SummerModel::AdaptiveEN) << 0 << 20.0 << 6;
    QTest::newRow("adaptive, no running mean: none") << int(SummerModel::AdaptiveEN) << 0 << kNoRunningMean << 8;
}

void TestChartData::summerOutsideBands()
{
    QFETCH(int, model);
    QFETCH(int, region);
    QFETCH(double, value);
    QFETCH(int, firstOutside);
    // The highest limit among the rows counts: a lower one in another row changes nothing.
    const std::vector<bool> mask{true, false, true};
    const std::vector<double> values{value, 99.0, 0.0};
    const double threshold = summerExceedanceThreshold(SummerModel(model), SummerRegion(region),
                                                       mask, values, values);
    const BandHours b = summerBandHours(ResultArray{}, 1.0, threshold);
    const auto first = std::find(b.outside.begin(), b.outside.end(), true) - b.outside.begin();
    QCOMPARE(int(first), firstOutside);
    QVERIFY(std::all_of(b.outside.begin() + first, b.outside.end(), [](bool o) { return o; }));
}

void TestChartData::scatterFollowsRows_data()
{
    QTest::addColumn<bool>("adaptive");
    QTest::newRow("adaptive: (Θrm, To)") << true;
    QTest::newRow("national annex: (Te, To)") << false;
}

void TestChartData::scatterFollowsRows()
{
    QFETCH(bool, adaptive);
    const OperativeAssessmentInput in =
        yearInput(adaptive ? SummerModel::AdaptiveEN : SummerModel::NationalAnnex);
    const OperativeAssessment a = assessOperativeTemperature(in);
    const std::vector<double> &x = adaptive ? a.runningMean : in.outdoorTemp;
    const std::vector<ScatterPoint> p = adaptive ? adaptiveScatter(in.indoorTemp, a.masks.summer, x)
                                                 : nationalAnnexScatter(in.indoorTemp, a.masks.summer, x);
    QCOMPARE(double(p.size()), a.summerDistribution[SummerSlot::Total]);
    size_t k = 0;
    double above = 0, counts[5] = {};
    for (size_t i = 0; i < in.indoorTemp.size(); ++i) {
        if (!a.masks.summer[i])
            continue;
        QCOMPARE(p[k].x, x[i]);
        QCOMPARE(p[k].y, in.indoorTemp[i]);
        above += p[k].aboveLimit;
        ++counts[int(p[k].category)];
        ++k;
    }
    QCOMPARE(above, a.model[SummerSlot::Exceedance]);
    QVERIFY(above > 0);
    if (adaptive) {
        const AdaptiveCategories &c = a.categories;
        QCOMPARE(counts[int(ComfortCategory::I)], c.c1);
        QCOMPARE(counts[int(ComfortCategory::II)], c.c2);
        QCOMPARE(counts[int(ComfortCategory::III)], c.c3);
        QCOMPARE(counts[int(ComfortCategory::Outside)], c.outside);
        QCOMPARE(counts[int(ComfortCategory::NotValid)], c.notValid);
    }
}

void TestChartData::durationCurve_data()
{
    QTest::addColumn<int>("region");
    QTest::newRow("fixed 26 °C") << int(SummerRegion::None);
    QTest::newRow("DIN 4108-2 region A, 25 °C") << int(SummerRegion::A);
    QTest::newRow("DIN 4108-2 region C, 27 °C") << int(SummerRegion::C);
}

void TestChartData::durationCurve()
{
    QFETCH(int, region);
    const bool din = SummerRegion(region) != SummerRegion::None;
    const OperativeAssessmentInput in =
        yearInput(din ? SummerModel::Din4108 : SummerModel::Fixed26, SummerRegion(region));
    const OperativeAssessment a = assessOperativeTemperature(in);
    const double limit = din ? din4108Limit(SummerRegion(region)) : kFixedSummerLimit;
    const DurationCurve c = ::durationCurve(in.indoorTemp, a.masks.summer, limit);
    QCOMPARE(double(c.to.size()), a.summerDistribution[SummerSlot::Total]);
    QVERIFY(std::is_sorted(c.to.rbegin(), c.to.rend()));
    QCOMPARE(c.rowsAbove, a.model[SummerSlot::Exceedance]);
    // Summed in another order than the model's: equal to rounding.
    QVERIFY(std::fabs(c.degreeRowsAbove - a.model[SummerSlot::DegreeRows])
            < 1e-9 * a.model[SummerSlot::DegreeRows]);
    QVERIFY(c.degreeRowsAbove > 0);

    const QList<QPointF> drawn = durationCurvePoints(c, 0.25, 100);
    QVERIFY(drawn.size() <= 102);
    QCOMPARE(drawn.first(), QPointF(0, c.to.front()));
    QCOMPARE(drawn.last(), QPointF(c.to.size() * 0.25, c.to.back()));
}

void TestChartData::binningKeepsTotal()
{
    const OperativeAssessmentInput in = yearInput(SummerModel::AdaptiveEN);
    const OperativeAssessment a = assessOperativeTemperature(in);
    std::vector<ScatterPoint> p = adaptiveScatter(in.indoorTemp, a.masks.summer, a.runningMean);
    p.push_back({kNoRunningMean, 25, ComfortCategory::NotValid, false});   // not drawn
    const PlotRange r = scatterRange(p);
    p.push_back({r.x1, r.y1, ComfortCategory::Outside, true});   // on the upper edges
    const DensityGrid within = binScatter(p, r, 60, 40, false);
    const DensityGrid above = binScatter(p, r, 60, 40, true);
    QCOMPARE(sum(within.count) + sum(above.count), double(p.size() - 1));
    QCOMPARE(sum(above.count), a.model[SummerSlot::Exceedance] + 1);
    QVERIFY(r.x1 < 998);

    const std::vector<ScatterPoint> corners{{0, 0, ComfortCategory::I, false},
                                            {1, 1, ComfortCategory::I, false}};
    QCOMPARE(binScatter(corners, PlotRange{0, 1, 0, 1}, 2, 2, false).count,
             std::vector<double>({1, 0, 0, 1}));
}

void TestChartData::limitLines()
{
    QCOMPARE(nationalAnnexLimitLine(10, 40),
             QList<QPointF>({{10, 24}, {16, 24}, {32, 28}, {40, 28}}));
    QCOMPARE(adaptiveLimitLine(5, 20), QList<QPointF>({{5, 25.1}, {10, 25.1}, {20, 28.4}}));
    const QList<QPointF> upperIII = adaptiveComfortLine(5, 20, 4);
    QCOMPARE(upperIII.size(), 2);
    QCOMPARE(upperIII.first().x(), 10.0);
    QCOMPARE(upperIII.last().y(), 0.33 * 20 + 18.8 + 4);
    QVERIFY(adaptiveComfortLine(5, 9, 0).isEmpty());
}

QTEST_GUILESS_MAIN(TestChartData)
#include "tst_chartdata.moc"
