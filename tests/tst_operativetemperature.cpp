#include "assessment/operativetemperature.h"

#include <QtTest>

#include <cmath>

namespace {

bool near(double a, double b)
{
    return std::fabs(a - b) < 1e-9;
}

enum Evaluation { Winter, Distribution, Fixed26, Adaptive, Annex, DinB };

// One summer (or winter) row at To [°C]; `second` is its running mean or outdoor temperature.
ResultArray evaluateOne(int evaluation, double to, double second)
{
    const std::vector<double> t{to, 40.0}, s{second, second};
    const std::vector<bool> mask{true, false};   // the second row lies outside the period
    switch (evaluation) {
    case Winter:
        return evaluateWinter(t, mask);
    case Distribution:
        return combineSummerResults(evaluateSummerDistribution(t, mask), {});
    case Fixed26:
        return evaluateFixed26(t, mask);
    case Adaptive:
        return evaluateAdaptiveEN(t, mask, s);
    case Annex:
        return evaluateNationalAnnex(t, mask, s);
    }
    return evaluateDin4108(t, mask, din4108Limit(SummerRegion::B));
}

}

class TestOperativeTemperature : public QObject
{
    Q_OBJECT
private slots:
    void bands_data();
    void bands();
    void winterTotals();
    void modelLimits_data();
    void modelLimits();
    void points_data();
    void points();
    void runningMean_data();
    void runningMean();
    void adaptiveCategories();
    void wholeYear_data();
    void wholeYear();
};

void TestOperativeTemperature::bands_data()
{
    QTest::addColumn<int>("evaluation");
    QTest::addColumn<double>("to");
    QTest::addColumn<int>("band");
    QTest::newRow("winter 19.999 below 20 °C") << int(Winter) << 19.999 << 1;
    QTest::newRow("winter 19.9985 below 20 °C") << int(Winter) << 19.9985 << 1;
    QTest::newRow("winter 19.9995 counts as 20 °C") << int(Winter) << 19.9995 << 2;
    QTest::newRow("winter 24.999 in the 24 °C band") << int(Winter) << 24.999 << 6;
    QTest::newRow("winter 24.9991 in the top band") << int(Winter) << 24.9991 << 7;
    QTest::newRow("summer 24.001 in the first band") << int(Distribution) << 24.001 << 0;
    QTest::newRow("summer 24.0015 in the second") << int(Distribution) << 24.0015 << 1;
    QTest::newRow("summer 25.001 opens 25 °C") << int(Distribution) << 25.001 << 2;
    QTest::newRow("summer 30.0009 in 29 °C") << int(Distribution) << 30.0009 << 6;
    QTest::newRow("summer 30.001 opens the top band") << int(Distribution) << 30.001 << 7;
}

void TestOperativeTemperature::bands()
{
    QFETCH(int, evaluation);
    QFETCH(double, to);
    QFETCH(int, band);
    const ResultArray r = evaluateOne(evaluation, to, 0.0);
    QCOMPARE(r[band], 1.0);
    QCOMPARE(r[WinterSlot::Total], 1.0);
    if (evaluation == Winter) {
        const bool outside = band < 2;
        QCOMPARE(r[WinterSlot::Outside], outside ? 1.0 : 0.0);
        QVERIFY(near(r[WinterSlot::DegreeRows], outside ? 20.0 - to : 0.0));
        QCOMPARE(r[WinterSlot::Points], outside ? 0.0 : 30.0);
    }
}

void TestOperativeTemperature::winterTotals()
{
    // One working hour at 19.5 °C among three at 21 °C.
    const ResultArray r = evaluateWinter({21, 19.5, 21, 21}, std::vector<bool>(4, true));
    QCOMPARE(r[WinterSlot::Outside], 1.0);
    QCOMPARE(r[WinterSlot::OutsidePercent], 25.0);
    QCOMPARE(r[WinterSlot::DegreeRows], 0.5);
    const ResultArray empty = evaluateWinter({15}, {false});
    QVERIFY(std::isnan(empty[WinterSlot::OutsidePercent]));   // the page shows "N.A"
    QCOMPARE(empty[WinterSlot::Points], 30.0);
}

void TestOperativeTemperature::modelLimits_data()
{
    QTest::addColumn<int>("evaluation");
    QTest::addColumn<double>("to");
    QTest::addColumn<double>("second");   // running mean or outdoor temperature [°C]
    QTest::addColumn<double>("degrees");  // -1: compliant
    QTest::newRow("26 °C: 26.0005 complies") << int(Fixed26) << 26.0005 << 0.0 << -1.0;
    QTest::newRow("26 °C: 26.001 adds 0.001") << int(Fixed26) << 26.001 << 0.0 << 0.001;
    QTest::newRow("adaptive Θrm 20: 28.4 complies") << int(Adaptive) << 28.4 << 20.0 << -1.0;
    QTest::newRow("adaptive Θrm 20: 28.4005 exceeds") << int(Adaptive) << 28.4005 << 20.0 << 0.0005;
    QTest::newRow("adaptive Θrm 20: 28.5 adds 0.1") << int(Adaptive) << 28.5 << 20.0 << 0.1;
    QTest::newRow("adaptive Θrm 10: limit 25.1") << int(Adaptive) << 25.2 << 10.0 << 0.1;
    QTest::newRow("adaptive Θrm 8: limit 25.1") << int(Adaptive) << 25.1 << 8.0 << -1.0;
    QTest::newRow("adaptive Θrm 10.5: 25.265") << int(Adaptive) << 25.3 << 10.5 << 0.035;
    QTest::newRow("adaptive marker 999 never exceeds") << int(Adaptive) << 45.0 << 999.0 << -1.0;
    QTest::newRow("annex Te 10: 24.0009 complies") << int(Annex) << 24.0009 << 10.0 << -1.0;
    QTest::newRow("annex Te 10: limit 24") << int(Annex) << 24.001 << 10.0 << 0.001;
    QTest::newRow("annex Te 16.001: still 24") << int(Annex) << 24.1 << 16.001 << 0.1;
    QTest::newRow("annex Te 24: limit 26") << int(Annex) << 26.5 << 24.0 << 0.5;
    QTest::newRow("annex Te 32.001: 28") << int(Annex) << 28.1 << 32.001 << 0.1;
    QTest::newRow("annex Te 40: 28") << int(Annex) << 28.5 << 40.0 << 0.5;
    QTest::newRow("DIN region B: 26.0009 complies") << int(DinB) << 26.0009 << 0.0 << -1.0;
    QTest::newRow("DIN region B: 26.001 adds 0.001") << int(DinB) << 26.001 << 0.0 << 0.001;
}

void TestOperativeTemperature::modelLimits()
{
    QFETCH(int, evaluation);
    QFETCH(double, degrees);
    QFETCH(double, to);
    QFETCH(double, second);
    const ResultArray r = evaluateOne(evaluation, to, second);
    QCOMPARE(r[SummerSlot::Exceedance], degrees < 0 ? 0.0 : 1.0);
    QVERIFY(near(r[SummerSlot::DegreeRows], qMax(degrees, 0.0)));
    QCOMPARE(r[SummerSlot::Points],
             evaluation == DinB ? kDinNoPoints : summerPoints(r[SummerSlot::DegreeRows], 1.0));
}

void TestOperativeTemperature::points_data()
{
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("w");
    QTest::addColumn<double>("points");
    QTest::newRow("W 1000, a 29: full points") << 29.0 << 1000.0 << 70.0;
    QTest::newRow("W 1000, a 30.01: just below 70") << 30.01 << 1000.0 << 70.0 - 60.0 * 0.01 / 70.0;
    QTest::newRow("W 1000, a 65: halfway") << 65.0 << 1000.0 << 40.0;
    QTest::newRow("W 1000, a 100: ten") << 100.0 << 1000.0 << 10.0;
    QTest::newRow("W 1000, a 100.1: none") << 100.1 << 1000.0 << 0.0;
    QTest::newRow("empty summer: none") << 0.0 << 0.0 << 0.0;
}

void TestOperativeTemperature::points()
{
    QFETCH(double, a);
    QFETCH(double, w);
    QFETCH(double, points);
    QVERIFY(near(summerPoints(a, w), points));
}

void TestOperativeTemperature::runningMean_data()
{
    QTest::addColumn<double>("interval");   // [h]
    QTest::addColumn<double>("alpha");
    QTest::addColumn<bool>("rising");       // daily mean = day number, else 20 °C throughout
    QTest::addColumn<int>("firstValid");    // first row with a running mean
    QTest::addColumn<double>("value");      // its running mean [°C]
    QTest::newRow("hourly, constant 20 °C gives 20") << 1.0 << 0.8 << false << 384 << 20.0;
    QTest::newRow("hourly, α 0: yesterday's mean") << 1.0 << 0.0 << true << 384 << 15.0;
    QTest::newRow("1-minute data: none before day 15") << 1 / 60.0 << 0.8 << false << 21600 << 20.0;
}

void TestOperativeTemperature::runningMean()
{
    QFETCH(double, interval);
    QFETCH(double, alpha);
    QFETCH(bool, rising);
    QFETCH(int, firstValid);
    const int rows = int(20 * 24 / interval);
    TimeAxisInput in;
    in.rows = rows;
    in.interval = interval;
    std::vector<double> te(size_t(rows), 20.0);
    for (int i = 0; rising && i < rows; ++i)
        te[size_t(i)] = int(i * interval / 24);
    const size_t end = size_t(rows) - 10;
    const std::vector<double> rm = computeRunningMeanEN(generateTimeAxis(in), te, alpha, 0, end);
    QCOMPARE(rm[size_t(firstValid) - 1], kNoRunningMean);
    QTEST(rm[size_t(firstValid)], "value");
    QVERIFY(rm[end] < kNoRunningMean);
    QCOMPARE(rm[end + 1], kNoRunningMean);
}

void TestOperativeTemperature::adaptiveCategories()
{
    // Θrm 20 °C: Θc = 25.4 °C; rows in I, II, III, outside, two not valid, Θrm 10 °C in I,
    // one row after the period.
    const AdaptiveCategories c = classifyAdaptiveCategories(
        {25.4, 27.9, 29.0, 30.0, 25.0, 25.0, 22.1, 25.0}, std::vector<bool>(8, true),
        {20, 20, 20, 20, 999, 9.9, 10, 20}, 0, 6);
    QCOMPARE(QList<double>({c.c1, c.c2, c.c3, c.outside, c.notValid, c.total}),
             QList<double>({2, 1, 1, 1, 2, 7}));
    QVERIFY(near(c.fOut1, 300.0 / 7.0));
    QVERIFY(near(c.fOut3, 100.0 / 7.0));
}

void TestOperativeTemperature::wholeYear_data()
{
    QTest::addColumn<SummerModel>("model");
    QTest::addColumn<SummerRegion>("region");
    QTest::addColumn<double>("points");
    QTest::newRow("26 °C") << SummerModel::Fixed26 << SummerRegion::A << 70.0;
    QTest::newRow("adaptive") << SummerModel::AdaptiveEN << SummerRegion::A << 70.0;
    QTest::newRow("national annex") << SummerModel::NationalAnnex << SummerRegion::A << 70.0;
    QTest::newRow("DIN 4108-2 region C") << SummerModel::Din4108 << SummerRegion::C << 999.0;
    QTest::newRow("DIN 4108-2 without region") << SummerModel::Din4108 << SummerRegion::None << 0.0;
}

// A year at 22 °C indoors and 20 °C outdoors: every row of a mask counts, no model exceeds.
void TestOperativeTemperature::wholeYear()
{
    OperativeAssessmentInput in;
    in.axis.rows = 8760;
    QFETCH(SummerModel, model);
    QFETCH(SummerRegion, region);
    in.model = model;
    in.region = region;
    in.indoorTemp.assign(8760, 22.0);
    in.outdoorTemp.assign(8760, 20.0);
    const OperativeAssessment r = assessOperativeTemperature(in);
    QVERIFY(r.ok);
    const auto rows = [](const std::vector<bool> &m) {
        return double(std::count(m.begin(), m.end(), true));
    };
    QCOMPARE(r.winter[4], rows(r.masks.winter));
    QCOMPARE(r.summerDistribution[SummerSlot::Total], rows(r.masks.summer));
    QCOMPARE(r.modelEvaluated, region != SummerRegion::None);
    QTEST(r.model[SummerSlot::Points], "points");
    QCOMPARE(r.runningMean.size(), model == SummerModel::AdaptiveEN ? size_t(8760) : size_t(0));

    in.axis.rows = 6000;   // data end before 01.10.: nothing computed
    const OperativeAssessment cut = assessOperativeTemperature(in);
    QVERIFY(!cut.ok);
    QCOMPARE(formatDate(cut.missing.date), QString("01.10.2011"));
}

QTEST_GUILESS_MAIN(TestOperativeTemperature)
#include "tst_operativetemperature.moc"
