#include "assessment/operativetemperature.h"

#include <QtTest>

#include <cmath>

namespace {

bool near(double a, double b)
{
    return std::fabs(a - b) < 1e-9;
}

const std::vector<bool> kOneRow{true};

enum Model { Fixed26, Adaptive, Annex, DinB };

ResultArray evaluateOne(int model, double to, double second)
{
    const std::vector<double> t{to}, s{second};
    switch (model) {
    case Fixed26:
        return evaluateFixed26(t, kOneRow);
    case Adaptive:
        return evaluateAdaptiveEN(t, kOneRow, s);
    case Annex:
        return evaluateNationalAnnex(t, kOneRow, s);
    default:
        return evaluateDin4108(t, kOneRow, din4108Limit(SummerRegion::B));
    }
}

// Hourly rows from 01.01.2011, a Saturday, with the given interval and outdoor temperature.
TimeAxis axisOf(int rows, double interval)
{
    TimeAxisInput in;
    in.rows = rows;
    in.interval = interval;
    in.weekday = 7;
    return generateTimeAxis(in);
}

}

class TestOperativeTemperature : public QObject
{
    Q_OBJECT
private slots:
    void winterBands_data();
    void winterBands();
    void winterTotals();
    void summerBands_data();
    void summerBands();
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

void TestOperativeTemperature::winterBands_data()
{
    QTest::addColumn<double>("to");
    QTest::addColumn<int>("band");
    QTest::addColumn<bool>("outside");
    QTest::newRow("18.999 in the lowest band") << 18.999 << 0 << true;
    QTest::newRow("19.999 below 20 °C") << 19.999 << 1 << true;
    QTest::newRow("19.9985: 19 °C band, below 20 °C") << 19.9985 << 1 << true;
    QTest::newRow("19.9995 counts as 20 °C") << 19.9995 << 2 << false;
    QTest::newRow("24.999 in the 24 °C band") << 24.999 << 6 << false;
    QTest::newRow("24.9991 in the top band") << 24.9991 << 7 << false;
}

void TestOperativeTemperature::winterBands()
{
    QFETCH(double, to);
    QFETCH(int, band);
    QFETCH(bool, outside);
    const ResultArray r = evaluateWinter({to}, kOneRow);
    QCOMPARE(r[band], 1.0);
    QCOMPARE(r[WinterSlot::Total], 1.0);
    QCOMPARE(r[WinterSlot::Outside], outside ? 1.0 : 0.0);
    QVERIFY(near(r[WinterSlot::DegreeRows], outside ? 20.0 - to : 0.0));
    QCOMPARE(r[WinterSlot::Points], outside ? 0.0 : 30.0);
}

void TestOperativeTemperature::winterTotals()
{
    // One working hour at 19.5 °C among three at 21 °C; the cold row outside the mask is ignored.
    const ResultArray r = evaluateWinter({21, 19.5, 21, 21, 10}, {true, true, true, true, false});
    QCOMPARE(r[WinterSlot::Total], 4.0);
    QCOMPARE(r[WinterSlot::Outside], 1.0);
    QCOMPARE(r[WinterSlot::OutsidePercent], 25.0);
    QCOMPARE(r[WinterSlot::DegreeRows], 0.5);
    QCOMPARE(r[WinterSlot::Points], 0.0);

    const ResultArray empty = evaluateWinter({15}, {false});
    QVERIFY(std::isnan(empty[WinterSlot::OutsidePercent]));   // the page shows "N.A"
    QCOMPARE(empty[WinterSlot::Points], 30.0);
}

void TestOperativeTemperature::summerBands_data()
{
    QTest::addColumn<double>("to");
    QTest::addColumn<int>("band");
    QTest::newRow("24.001 stays in the first band") << 24.001 << 0;
    QTest::newRow("24.0015 in the second") << 24.0015 << 1;
    QTest::newRow("25.001 opens the 25 °C band") << 25.001 << 2;
    QTest::newRow("26.0009 still 25 °C band") << 26.0009 << 2;
    QTest::newRow("30.0009 in the 29 °C band") << 30.0009 << 6;
    QTest::newRow("30.001 opens the top band") << 30.001 << 7;
}

void TestOperativeTemperature::summerBands()
{
    QFETCH(double, to);
    QFETCH(int, band);
    const DistributionArray d = evaluateSummerDistribution({to, 40.0}, {true, false});
    QCOMPARE(d[band], 1.0);
    QCOMPARE(d[SummerSlot::Total], 1.0);
}

void TestOperativeTemperature::modelLimits_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<double>("to");
    QTest::addColumn<double>("second");   // running mean or outdoor temperature [°C]
    QTest::addColumn<double>("degrees");  // -1: compliant
    QTest::newRow("26 °C: 26.0005 complies") << int(Fixed26) << 26.0005 << 0.0 << -1.0;
    QTest::newRow("26 °C: 26.001 adds 0.001") << int(Fixed26) << 26.001 << 0.0 << 0.001;
    QTest::newRow("adaptive Θrm 20: 28.4 complies") << int(Adaptive) << 28.4 << 20.0 << -1.0;
    QTest::newRow("adaptive Θrm 20: 28.5 adds 0.1") << int(Adaptive) << 28.5 << 20.0 << 0.1;
    QTest::newRow("adaptive Θrm 20: 28.4005 beyond the 0.0001 K tolerance")
        << int(Adaptive) << 28.4005 << 20.0 << 0.0005;
    QTest::newRow("adaptive Θrm 10: limit 25.1") << int(Adaptive) << 25.2 << 10.0 << 0.1;
    QTest::newRow("adaptive Θrm 8: limit 25.1") << int(Adaptive) << 25.1 << 8.0 << -1.0;
    QTest::newRow("adaptive Θrm 10.5: limit 25.265") << int(Adaptive) << 25.3 << 10.5 << 0.035;
    QTest::newRow("adaptive no running mean: never exceeds") << int(Adaptive) << 45.0 << 999.0
                                                             << -1.0;
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
    QFETCH(int, model);
    QFETCH(double, to);
    QFETCH(double, second);
    QFETCH(double, degrees);
    const ResultArray r = evaluateOne(model, to, second);
    QCOMPARE(r[SummerSlot::Exceedance], degrees < 0 ? 0.0 : 1.0);
    QVERIFY2(near(r[SummerSlot::DegreeRows], qMax(degrees, 0.0)),
             qPrintable(QString::number(r[SummerSlot::DegreeRows], 'g', 17)));
    QCOMPARE(r[SummerSlot::Points],
             model == DinB ? kDinNoPoints : summerPoints(r[SummerSlot::DegreeRows], 1.0));
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
    QVERIFY2(near(summerPoints(a, w), points), qPrintable(QString::number(summerPoints(a, w))));
}

void TestOperativeTemperature::runningMean_data()
{
    QTest::addColumn<double>("interval");   // [h]
    QTest::addColumn<double>("alpha");
    QTest::addColumn<bool>("rising");       // daily mean = day number, else 20 °C throughout
    QTest::addColumn<int>("firstValid");    // first row carrying a running mean
    QTest::addColumn<double>("value");      // its running mean [°C]
    QTest::newRow("hourly, constant 20 °C gives 20 from row 384")
        << 1.0 << 0.8 << false << 384 << 20.0;
    QTest::newRow("hourly, α 0: yesterday's mean") << 1.0 << 0.0 << true << 384 << 15.0;
    QTest::newRow("1-minute data: none before day 15")
        << 1.0 / 60.0 << 0.8 << false << 15 * 1440 << 20.0;
}

void TestOperativeTemperature::runningMean()
{
    QFETCH(double, interval);
    QFETCH(double, alpha);
    QFETCH(bool, rising);
    QFETCH(int, firstValid);
    QFETCH(double, value);
    const int rows = int(20 * 24 / interval);
    const TimeAxis axis = axisOf(rows, interval);
    std::vector<double> te(size_t(rows), 20.0);
    if (rising)
        for (int i = 0; i < rows; ++i)
            te[size_t(i)] = int(i * interval / 24);
    const size_t end = size_t(rows) - 10;
    const std::vector<double> rm = computeRunningMeanEN(axis, te, alpha, 0, end);
    QCOMPARE(rm.size(), size_t(rows));
    QCOMPARE(rm[size_t(firstValid) - 1], kNoRunningMean);
    QVERIFY2(near(rm[size_t(firstValid)], value), qPrintable(QString::number(rm[firstValid])));
    QCOMPARE(rm[end + 1], kNoRunningMean);
    QVERIFY(near(rm[end], rising ? 18.0 : value));   // row 470 lies on day 19
}

void TestOperativeTemperature::adaptiveCategories()
{
    // Θrm 20 °C: Θc = 25.4 °C. Rows: I, II, III, outside, two not valid, one beyond the period.
    const std::vector<double> to{25.4, 27.9, 29.0, 30.0, 25.0, 25.0, 25.0};
    const std::vector<double> rm{20, 20, 20, 20, 999, 9.9, 20};
    const AdaptiveCategories c =
        classifyAdaptiveCategories(to, std::vector<bool>(7, true), rm, 0, 5);
    QCOMPARE(c.c1, 1.0);
    QCOMPARE(c.c2, 1.0);
    QCOMPARE(c.c3, 1.0);
    QCOMPARE(c.outside, 1.0);
    QCOMPARE(c.notValid, 2.0);
    QCOMPARE(c.total, 6.0);
    QCOMPARE(c.fOut1, 50.0);
    QVERIFY(near(c.fOut3, 100.0 / 6.0));
}

void TestOperativeTemperature::wholeYear_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<int>("region");
    QTest::newRow("26 °C") << int(SummerModel::Fixed26) << int(SummerRegion::A);
    QTest::newRow("adaptive") << int(SummerModel::AdaptiveEN) << int(SummerRegion::A);
    QTest::newRow("national annex") << int(SummerModel::NationalAnnex) << int(SummerRegion::A);
    QTest::newRow("DIN 4108-2 region C") << int(SummerModel::Din4108) << int(SummerRegion::C);
    QTest::newRow("DIN 4108-2 without region") << int(SummerModel::Din4108)
                                               << int(SummerRegion::None);
}

// A year at 22 °C indoors and 20 °C outdoors: every summer model complies, every row counts.
void TestOperativeTemperature::wholeYear()
{
    QFETCH(int, model);
    QFETCH(int, region);
    OperativeAssessmentInput in;
    in.axis.rows = 8760;
    in.axis.weekday = 7;
    in.model = SummerModel(model);
    in.region = SummerRegion(region);
    in.indoorTemp.assign(8760, 22.0);
    in.outdoorTemp.assign(8760, 20.0);
    in.outdoorHumid.assign(8760, 70.0);
    const OperativeAssessment r = assessOperativeTemperature(in);
    QVERIFY(r.ok);
    const double summerRows = double(std::count(r.masks.summer.begin(), r.masks.summer.end(), true));
    QCOMPARE(r.winter[WinterSlot::Total],
             double(std::count(r.masks.winter.begin(), r.masks.winter.end(), true)));
    QCOMPARE(r.winter[4], r.winter[WinterSlot::Total]);
    QCOMPARE(r.summerDistribution[SummerSlot::Total], summerRows);
    QCOMPARE(r.modelEvaluated, in.region != SummerRegion::None);
    QCOMPARE(r.model[SummerSlot::Exceedance], 0.0);
    const double points = !r.modelEvaluated ? 0.0 : model == int(SummerModel::Din4108) ? 999.0 : 70.0;
    QCOMPARE(r.model[SummerSlot::Points], points);
    QCOMPARE(r.runningMean.size(), in.model == SummerModel::AdaptiveEN ? size_t(8760) : size_t(0));
    const ResultArray s = combineSummerResults(r.summerDistribution, r.model);
    QCOMPARE(s[SummerSlot::Total], summerRows);
    QCOMPARE(s[SummerSlot::Points], points);

    in.indoorTemp.resize(6000);   // ends before 01.10.: nothing computed
    in.axis.rows = 6000;
    const OperativeAssessment cut = assessOperativeTemperature(in);
    QVERIFY(!cut.ok);
    QCOMPARE(formatDate(cut.missing.date), QString("01.10.2011"));
}

QTEST_GUILESS_MAIN(TestOperativeTemperature)
#include "tst_operativetemperature.moc"
