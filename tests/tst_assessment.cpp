#include "assessment/chartdata.h"
#include "assessment/draft.h"
#include "assessment/humidity.h"

#include <QtTest>

#include <cmath>
#include <numeric>

Q_DECLARE_METATYPE(TimeAxisInput)

namespace {

QString bits(const std::vector<bool> &v)
{
    QString s;
    for (bool b : v)
        s += b ? u'1' : u'0';
    return s;
}

// The current row's value of a column read once.
template <typename T>
T fetch(const char *column)
{
    return *static_cast<T *>(QTest::qData(column, qMetaTypeId<T>()));
}

QString fixed(double v, int decimals) { return QString::number(v, 'f', decimals); }
double sum(const std::vector<double> &v) { return std::accumulate(v.begin(), v.end(), 0.0); }
bool near(double a, double b) { return std::fabs(a - b) < 1e-9; }

enum Evaluation { Winter, Distribution, Fixed26, Adaptive, Annex, DinB };

// One summer (or winter) row at To [°C]; `second` is its running mean or outdoor temperature.
ResultArray evaluateOne(int evaluation, double to, double second)
{
    const std::vector<double> t{to, 40.0}, s{second, second};
    const std::vector<bool> mask{true, false};   // the second row lies outside the period
    switch (evaluation) {
    case Winter: return evaluateWinter(t, mask);
    case Distribution: return combineSummerResults(evaluateSummerDistribution(t, mask), {});
    case Fixed26: return evaluateFixed26(t, mask);
    case Adaptive: return evaluateAdaptiveEN(t, mask, s);
    case Annex: return evaluateNationalAnnex(t, mask, s);
    }
    return evaluateDin4108(t, mask, din4108Limit(SummerRegion::B));
}

// n records of one outdoor and indoor state; every record in the same masks.
IndoorHumidity sameRecords(size_t n, double to, double rho, double ti, bool working, bool winter,
                           bool summer, const HumidityParameters &p = HumidityParameters())
{
    return computeIndoorHumidity(std::vector<double>(n, to), std::vector<double>(n, ti),
                                 std::vector<double>(n, rho), std::vector<bool>(n, working),
                                 std::vector<bool>(n, winter), std::vector<bool>(n, summer), p);
}

// A year of hourly rows from 01.01.2011 (a Saturday) with a seasonal and daily swing: warm
// enough in summer to exceed every model's limit, cold enough in winter to fall below 20 °C.
OperativeAssessmentInput yearInput(SummerModel model, SummerRegion region)
{
    OperativeAssessmentInput in;
    in.axis.rows = 8760;
    in.axis.weekday = 7;
    in.model = model;
    in.region = region;
    for (int i = 0; i < in.axis.rows; ++i) {
        const double season = -std::cos(2 * M_PI * (i / 24.0 - 20) / 365);
        const double day = std::cos(2 * M_PI * (i % 24 - 15) / 24.0);
        in.outdoorTemp.push_back(10 + 10 * season + 5 * day + 3 * std::sin(i * 0.37));
        in.outdoorHumid.push_back(70);
        in.indoorTemp.push_back(22.5 + 3.5 * season + 1.5 * day + std::sin(i * 0.13));
    }
    return in;
}

}

class TestAssessment : public QObject
{
    Q_OBJECT
private slots:
    void axis_data()
    {
        QTest::addColumn<TimeAxisInput>("in");   // rows, start, start hour, interval, weekday, 8-18, weekends
        QTest::addColumn<int>("probe");
        QTest::addColumn<QString>("row");        // date, hour, weekday of the probe row
        QTest::addColumn<int>("working");        // working rows, -1 not checked
        const CalendarDate jan1;
        QTest::newRow("start hour 5: 19 rows, then Tuesday 0:00")
            << TimeAxisInput{30, parseDate("1.1"), 5, 1.0, 2, 8, 18, false} << 19 << "02.01.2011 0 3" << 13;
        QTest::newRow("half-hourly Monday: 8.0 ... 17.5 work")
            << TimeAxisInput{48, jan1, 0, 0.5, 2, 8, 18, false} << 35 << "01.01.2011 17.5 2" << 20;
        QTest::newRow("6-minute data: 240 rows a day, 8.0 ... 17.9 work")
            << TimeAxisInput{480, jan1, 0, 0.1, 2, 8, 18, false} << 240 << "02.01.2011 0 3" << 200;
        QTest::newRow("1-minute data: 1440 rows a day")
            << TimeAxisInput{525600, jan1, 0, 1 / 60.0, 7, 8, 18, false} << 1440 << "02.01.2011 0 1" << -1;
        QTest::newRow("Sunday without weekends: no work")
            << TimeAxisInput{24, jan1, 0, 1.0, 1, 8, 18, false} << 23 << "01.01.2011 23 1" << 0;
        QTest::newRow("Sunday with weekends: 8 ... 17 work")
            << TimeAxisInput{24, jan1, 0, 1.0, 1, 8, 18, true} << 8 << "01.01.2011 8 1" << 10;
        QTest::newRow("28-day February: 01.03. is day 60")
            << TimeAxisInput{1440, jan1, 0, 1.0, 7, 8, 18, false} << 1416 << "01.03.2011 0 3" << -1;
        QTest::newRow("turn of the year")
            << TimeAxisInput{25, parseDate("31.12.2011"), 0, 1.0, 7, 8, 18, false} << 24 << "01.01.2012 0 1" << -1;
        QTest::newRow("negative row count") << TimeAxisInput{-5, parseDate(""), 0, 1.0, 1, 8, 18, false} << -1 << "" << 0;
    }
    void axis()
    {
        QFETCH(TimeAxisInput, in);
        QFETCH(int, probe);
        QFETCH(int, working);
        const TimeAxis a = generateTimeAxis(in);
        QCOMPARE(a.dates.size(), size_t(qMax(in.rows, 0)));
        QCOMPARE(a.workingTime.size(), a.dates.size());
        if (probe >= 0)
            QTEST(QString("%1 %2 %3").arg(formatDate(a.dates[probe])).arg(a.hours[probe]).arg(a.weekdays[probe]), "row");
        if (working >= 0)
            QCOMPARE(int(std::count(a.workingTime.begin(), a.workingTime.end(), true)), working);
    }

    void periodMask_data()
    {
        QTest::addColumn<std::vector<bool>>("working");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("end");
        QTest::addColumn<QString>("mask");
        const std::vector<bool> all(6, true), some{true, false, true, true, false, true};
        QTest::newRow("within the year: both ends included") << all << 1 << 3 << "011100";
        QTest::newRow("turn of the year: end row excluded") << all << 4 << 2 << "110011";
        QTest::newRow("ANDed with working time") << some << 4 << 2 << "100001";
    }
    void periodMask()
    {
        QTEST(bits(::periodMask(fetch<std::vector<bool>>("working"), fetch<int>("start"), fetch<int>("end"))), "mask");
    }

    // Winter, summer, winter-humidity and summer-humidity flags of one row of a year (every
    // hour working time), or the first boundary that is not among the rows (masks emptied).
    void seasonMasks_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("expected");
        QTest::newRow("31.03. 23:00") << 8760 << "01.01.2011" << 2159 << "1010";
        QTest::newRow("01.04. 0:00") << 8760 << "01.01.2011" << 2160 << "0111";
        QTest::newRow("01.04. 22:00: last winter-humidity row") << 8760 << "01.01.2011" << 2182 << "0111";
        QTest::newRow("01.04. 23:00") << 8760 << "01.01.2011" << 2183 << "0101";
        QTest::newRow("01.10. 0:00") << 8760 << "01.01.2011" << 6552 << "1010";
        QTest::newRow("empty table") << 0 << "01.01.2011" << -1 << "01.10.2011 0";
        QTest::newRow("data end on 30.09. 23:00") << 6552 << "01.01.2011" << -1 << "01.10.2011 0";
        QTest::newRow("data begin on 02.04.") << 8760 << "02.04.2011" << -1 << "01.04.2011 23";
    }
    void seasonMasks()
    {
        QFETCH(int, row);
        SeasonMasks m;
        m.winter.assign(3, true);
        PeriodBoundary missing;
        const TimeAxisInput in{fetch<int>("rows"), parseDate(fetch<QString>("start")), 0, 1.0, 1, 0, 25, true};
        QCOMPARE(buildSeasonMasks(generateTimeAxis(in), m, missing), row >= 0);
        if (row < 0) {
            QVERIFY(m.winter.empty() && m.summer.empty());
            QTEST(formatDate(missing.date) + ' ' + QString::number(missing.hour), "expected");
            return;
        }
        QCOMPARE(QList<size_t>({m.summerStart, m.summerEnd, size_t(std::count(m.winter.begin(), m.winter.end(), true))}),
                 QList<size_t>({2160, 6551, 2160 + 2208}));
        QTEST(bits({m.winter[row], m.summer[row], m.winterHumid[row], m.summerHumid[row]}), "expected");
    }

    // The band a row falls in, and the degrees it lies outside the limit (-1: inside).
    void limits_data()
    {
        QTest::addColumn<int>("evaluation");
        QTest::addColumn<double>("to");
        QTest::addColumn<double>("second");   // running mean or outdoor temperature [°C]
        QTest::addColumn<int>("band");        // -1: not checked
        QTest::addColumn<double>("degrees");
        QTest::newRow("winter 19.999 below 20 °C") << int(Winter) << 19.999 << 0.0 << 1 << 0.001;
        QTest::newRow("winter 19.9985 below 20 °C") << int(Winter) << 19.9985 << 0.0 << 1 << 0.0015;
        QTest::newRow("winter 19.9995 counts as 20 °C") << int(Winter) << 19.9995 << 0.0 << 2 << -1.0;
        QTest::newRow("winter 24.999 in the 24 °C band") << int(Winter) << 24.999 << 0.0 << 6 << -1.0;
        QTest::newRow("winter 24.9991 in the top band") << int(Winter) << 24.9991 << 0.0 << 7 << -1.0;
        QTest::newRow("summer 24.001 in the first band") << int(Distribution) << 24.001 << 0.0 << 0 << -1.0;
        QTest::newRow("summer 24.0015 in the second") << int(Distribution) << 24.0015 << 0.0 << 1 << -1.0;
        QTest::newRow("summer 25.001 opens 25 °C") << int(Distribution) << 25.001 << 0.0 << 2 << -1.0;
        QTest::newRow("summer 30.0009 in 29 °C") << int(Distribution) << 30.0009 << 0.0 << 6 << -1.0;
        QTest::newRow("summer 30.001 opens the top band") << int(Distribution) << 30.001 << 0.0 << 7 << -1.0;
        QTest::newRow("26 °C: 26.0005 complies") << int(Fixed26) << 26.0005 << 0.0 << -1 << -1.0;
        QTest::newRow("26 °C: 26.001 adds 0.001") << int(Fixed26) << 26.001 << 0.0 << -1 << 0.001;
        QTest::newRow("adaptive Θrm 20: 28.4 complies") << int(Adaptive) << 28.4 << 20.0 << -1 << -1.0;
        QTest::newRow("adaptive Θrm 20: 28.4005 exceeds") << int(Adaptive) << 28.4005 << 20.0 << -1 << 0.0005;
        QTest::newRow("adaptive Θrm 10: limit 25.1") << int(Adaptive) << 25.2 << 10.0 << -1 << 0.1;
        QTest::newRow("adaptive Θrm 8: limit 25.1") << int(Adaptive) << 25.1 << 8.0 << -1 << -1.0;
        QTest::newRow("adaptive Θrm 10.5: 25.265") << int(Adaptive) << 25.3 << 10.5 << -1 << 0.035;
        QTest::newRow("adaptive marker 999 never exceeds") << int(Adaptive) << 45.0 << 999.0 << -1 << -1.0;
        QTest::newRow("annex Te 10: 24.0009 complies") << int(Annex) << 24.0009 << 10.0 << -1 << -1.0;
        QTest::newRow("annex Te 10: limit 24") << int(Annex) << 24.001 << 10.0 << -1 << 0.001;
        QTest::newRow("annex Te 16.001: still 24") << int(Annex) << 24.1 << 16.001 << -1 << 0.1;
        QTest::newRow("annex Te 24: limit 26") << int(Annex) << 26.5 << 24.0 << -1 << 0.5;
        QTest::newRow("annex Te 32.001: 28") << int(Annex) << 28.1 << 32.001 << -1 << 0.1;
        QTest::newRow("DIN region B: 26.0009 complies") << int(DinB) << 26.0009 << 0.0 << -1 << -1.0;
        QTest::newRow("DIN region B: 26.001 adds 0.001") << int(DinB) << 26.001 << 0.0 << -1 << 0.001;
    }
    void limits()
    {
        QFETCH(int, evaluation);
        QFETCH(int, band);
        QFETCH(double, degrees);
        const ResultArray r = evaluateOne(evaluation, fetch<double>("to"), fetch<double>("second"));
        if (band >= 0)   // winter and summer distributions
            QCOMPARE(QList<double>({r[band], r[WinterSlot::Total]}), QList<double>({1, 1}));
        // Winter's Outside and degree slots are the summer models' Exceedance and degree slots.
        QCOMPARE(r[SummerSlot::Exceedance], degrees < 0 ? 0.0 : 1.0);
        QVERIFY(near(r[SummerSlot::DegreeRows], qMax(degrees, 0.0)));
        if (evaluation == Winter)
            QCOMPARE(r[WinterSlot::Points], degrees < 0 ? 30.0 : 0.0);
        else if (evaluation != Distribution)
            QCOMPARE(r[SummerSlot::Points],
                     evaluation == DinB ? kDinNoPoints : summerPoints(r[SummerSlot::DegreeRows], 1.0));
    }

    void winterTotals()
    {
        // One working hour at 19.5 °C among three at 21 °C; an empty mask shows "N.A", 30 points.
        const ResultArray r = evaluateWinter({21, 19.5, 21, 21}, std::vector<bool>(4, true));
        const ResultArray empty = evaluateWinter({15}, {false});
        QCOMPARE(QList<double>({r[WinterSlot::OutsidePercent], r[WinterSlot::DegreeRows], empty[WinterSlot::Points]}),
                 QList<double>({25.0, 0.5, 30.0}));
        QVERIFY(std::isnan(empty[WinterSlot::OutsidePercent]));
    }

    void points_data()
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
    void points()
    {
        QFETCH(double, points);
        QVERIFY(near(summerPoints(fetch<double>("a"), fetch<double>("w")), points));
    }

    void runningMean_data()
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
    void runningMean()
    {
        QFETCH(double, interval);
        QFETCH(bool, rising);
        QFETCH(int, firstValid);
        const int rows = int(20 * 24 / interval);
        std::vector<double> te(size_t(rows), 20.0);
        for (int i = 0; rising && i < rows; ++i)
            te[size_t(i)] = int(i * interval / 24);
        const size_t end = size_t(rows) - 10;
        const TimeAxis axis = generateTimeAxis({rows, {}, 0, interval});
        const std::vector<double> rm = computeRunningMeanEN(axis, te, fetch<double>("alpha"), 0, end);
        QCOMPARE(rm[size_t(firstValid) - 1], kNoRunningMean);
        QTEST(rm[size_t(firstValid)], "value");
        QVERIFY(rm[end] < kNoRunningMean);
        QCOMPARE(rm[end + 1], kNoRunningMean);
    }

    void adaptiveCategories()
    {
        // Θrm 20 °C: Θc = 25.4 °C; rows in I (just above Θc - 2), II (just below Θc + 3), III,
        // outside, two not valid, Θrm 10 °C in I, one row after the period.
        const AdaptiveCategories c = classifyAdaptiveCategories(
            {23.41, 28.39, 29.0, 30.0, 25.0, 25.0, 22.1, 25.0}, std::vector<bool>(8, true),
            {20, 20, 20, 20, 999, 9.9, 10, 20}, 0, 6);
        QCOMPARE(QList<double>({c.c1, c.c2, c.c3, c.outside, c.notValid, c.total}),
                 QList<double>({2, 1, 1, 1, 2, 7}));
        QVERIFY(near(c.fOut1, 300.0 / 7.0));
        QVERIFY(near(c.fOut3, 100.0 / 7.0));
    }

    // A swinging year through each model: the totals are the mask rows, the model's results
    // as shown, and the charts drawn from the same rows agree with them.
    void year_data()
    {
        QTest::addColumn<SummerModel>("model");
        QTest::addColumn<SummerRegion>("region");
        QTest::addColumn<QString>("results");   // points, exceedance rows, degree rows
        QTest::newRow("26 °C") << SummerModel::Fixed26 << SummerRegion::A << "0.00 580 511.90";
        QTest::newRow("adaptive") << SummerModel::AdaptiveEN << SummerRegion::A << "70.00 71 7.90";
        QTest::newRow("national annex") << SummerModel::NationalAnnex << SummerRegion::A << "0.00 900 1031.37";
        QTest::newRow("DIN 4108-2 region A, 25 °C") << SummerModel::Din4108 << SummerRegion::A << "999.00 857 1245.90";
        QTest::newRow("DIN 4108-2 region C, 27 °C") << SummerModel::Din4108 << SummerRegion::C << "999.00 199 123.04";
        QTest::newRow("DIN 4108-2 without region") << SummerModel::Din4108 << SummerRegion::None << "0.00 0 0.00";
    }
    void year()
    {
        QFETCH(SummerModel, model);
        QFETCH(SummerRegion, region);
        const OperativeAssessmentInput in = yearInput(model, region);
        const OperativeAssessment a = assessOperativeTemperature(in);
        const double rows = a.summerDistribution[SummerSlot::Total], dt = 0.5;
        QVERIFY(a.ok);
        QCOMPARE(a.winter[WinterSlot::Total], double(std::count(a.masks.winter.begin(), a.masks.winter.end(), true)));
        QCOMPARE(rows, double(std::count(a.masks.summer.begin(), a.masks.summer.end(), true)));
        QCOMPARE(a.modelEvaluated, region != SummerRegion::None);
        QCOMPARE(a.runningMean.size(), model == SummerModel::AdaptiveEN ? size_t(8760) : size_t(0));
        QTEST(fixed(a.model[SummerSlot::Points], 2) + ' ' + fixed(a.model[SummerSlot::Exceedance], 0) + ' '
                  + fixed(a.model[SummerSlot::DegreeRows], 2), "results");
        // Band hours are band rows × interval; the year fills both winter bands below 20 °C.
        const BandHours w = winterBandHours(a.winter, dt);
        QCOMPARE(QList<double>({sum(w.hours), w.hours[1]}), QList<double>({a.winter[WinterSlot::Total] * dt, a.winter[1] * dt}));
        QVERIFY(bits(w.outside) == "11000000" && a.winter[0] > 0 && a.winter[7] > 0);
        QCOMPARE(sum(summerBandHours(combineSummerResults(a.summerDistribution, a.model), dt, 26.001).hours), rows * dt);
        if (model == SummerModel::Fixed26 || model == SummerModel::Din4108) {
            if (!a.modelEvaluated)
                return;   // no limit, no duration curve
            // Warmest first; above the limit the model's rows and degree rows (summed in
            // another order: equal to rounding).
            const DurationCurve c = durationCurve(in.indoorTemp, a.masks.summer, model == SummerModel::Din4108 ? din4108Limit(region) : 26.0);
            QVERIFY(double(c.to.size()) == rows && std::is_sorted(c.to.rbegin(), c.to.rend()));
            QCOMPARE(c.rowsAbove, a.model[SummerSlot::Exceedance]);
            QVERIFY(std::fabs(c.degreeRowsAbove - a.model[SummerSlot::DegreeRows]) < 1e-9 * c.degreeRowsAbove);
            const QList<QPointF> drawn = durationCurvePoints(c, 0.25, 100);
            QVERIFY(drawn.size() <= 102);
            QCOMPARE(drawn.first(), QPointF(0, c.to.front()));
            QCOMPARE(drawn.last(), QPointF(c.to.size() * 0.25, c.to.back()));
            return;
        }
        // The comfort scatter: one point (Θrm or Te, To) per summer row in row order.
        const bool adaptive = model == SummerModel::AdaptiveEN;
        const std::vector<double> &x = adaptive ? a.runningMean : in.outdoorTemp;
        std::vector<ScatterPoint> p = adaptive ? adaptiveScatter(in.indoorTemp, a.masks.summer, x)
                                               : nationalAnnexScatter(in.indoorTemp, a.masks.summer, x);
        QCOMPARE(double(p.size()), rows);
        double above = 0, counts[5] = {};
        for (size_t i = 0, k = 0; i < x.size(); ++i) {
            if (!a.masks.summer[i])
                continue;
            QCOMPARE(QPointF(p[k].x, p[k].y), QPointF(x[i], in.indoorTemp[i]));
            above += p[k].aboveLimit;
            ++counts[int(p[k++].category)];
        }
        QCOMPARE(above, a.model[SummerSlot::Exceedance]);
        const AdaptiveCategories &c = a.categories;
        if (adaptive)
            QCOMPARE(QList<double>(counts, counts + 5), QList<double>({c.c1, c.c2, c.c3, c.outside, c.notValid}));
        // The density grids hold every plottable point once; one without running mean is
        // not drawn, one on the upper range edges falls into the last cell.
        p.push_back({kNoRunningMean, 25, ComfortCategory::NotValid, false});
        const PlotRange r = scatterRange(p);
        p.push_back({r.x1, r.y1, ComfortCategory::Outside, true});
        const DensityGrid within = binScatter(p, r, 60, 40, false), high = binScatter(p, r, 60, 40, true);
        QVERIFY(r.x1 < 998 && sum(within.count) + sum(high.count) == double(p.size() - 1));
        QCOMPARE(sum(high.count), above + 1);
    }

    // The summer bands drawn in the warning colour: those at or above the exceedance threshold.
    void summerOutsideBands_data()
    {
        QTest::addColumn<SummerModel>("model");
        QTest::addColumn<SummerRegion>("region");
        QTest::addColumn<double>("value");   // Te (annex) or Θrm (adaptive) of every mask row
        QTest::addColumn<QString>("outside");
        using M = SummerModel;
        const SummerRegion none = SummerRegion::None;
        QTest::newRow("26 °C: from 26-27") << M::Fixed26 << none << 0.0 << "00011111";
        QTest::newRow("DIN A 25 °C: from 25-26") << M::Din4108 << SummerRegion::A << 0.0 << "00111111";
        QTest::newRow("DIN C 27 °C: from 27-28") << M::Din4108 << SummerRegion::C << 0.0 << "00001111";
        QTest::newRow("DIN without region: none") << M::Din4108 << none << 0.0 << "00000000";
        QTest::newRow("annex Te 10: limit 24, from 24-25") << M::NationalAnnex << none << 10.0 << "01111111";
        QTest::newRow("annex Te 24: limit 26") << M::NationalAnnex << none << 24.0 << "00011111";
        QTest::newRow("annex Te 26: limit 26.5") << M::NationalAnnex << none << 26.0 << "00001111";
        QTest::newRow("adaptive Θrm 8: 25.1 °C") << M::AdaptiveEN << none << 8.0 << "00011111";
        QTest::newRow("adaptive Θrm 20: 28.4 °C") << M::AdaptiveEN << none << 20.0 << "00000011";
        QTest::newRow("adaptive, no running mean: none") << M::AdaptiveEN << none << kNoRunningMean << "00000000";
    }
    void summerOutsideBands()
    {
        // The highest limit among the mask rows counts: a lower one in another row changes nothing.
        const std::vector<double> values{fetch<double>("value"), 99.0, 0.0};
        const double threshold = summerExceedanceThreshold(fetch<SummerModel>("model"), fetch<SummerRegion>("region"),
                                                           {true, false, true}, values, values);
        QTEST(bits(summerBandHours(ResultArray{}, 1.0, threshold).outside), "outside");
    }

    // What the charts draw whatever the data: limit lines, humidity bands, the density cells.
    void fixedChartParts()
    {
        QCOMPARE(nationalAnnexLimitLine(10, 40), QList<QPointF>({{10, 24}, {16, 24}, {32, 28}, {40, 28}}));
        QCOMPARE(adaptiveLimitLine(5, 20), QList<QPointF>({{5, 25.1}, {10, 25.1}, {20, 28.4}}));
        QCOMPARE(adaptiveComfortLine(5, 20, 4), QList<QPointF>({{10, 0.33 * 10 + 18.8 + 4}, {20, 0.33 * 20 + 18.8 + 4}}));
        QVERIFY(adaptiveComfortLine(5, 9, 0).isEmpty());
        // Humidity: the total slot is not drawn; below 25 % RH and above 12 g/kg lie outside.
        const std::array<double, 11> d{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 55};
        const BandHours rh = humidityBandHours(d, 2.0, HumidityQuantity::RelativeHumidity);
        QCOMPARE(rh.hours, std::vector<double>({2, 4, 6, 8, 10, 12, 14, 16, 18, 20}));
        QCOMPARE(bits(rh.outside) + ' ' + bits(humidityBandHours(d, 2.0, HumidityQuantity::HumidityRatio).outside),
                 "1100000000 0000001111");
        QCOMPARE(humidityLimitPosition(HumidityQuantity::RelativeHumidity), 2.0);   // inside 20-30 %
        QCOMPARE(humidityLimitPosition(HumidityQuantity::HumidityRatio), 5.5);      // 10-12 | 12-14
        const std::vector<ScatterPoint> corners{{0, 0, ComfortCategory::I, false}, {1, 1, ComfortCategory::I, false}};
        QCOMPARE(binScatter(corners, PlotRange{0, 1, 0, 1}, 2, 2, false).count, std::vector<double>({1, 0, 0, 1}));
    }

    void draughtRate_data()
    {
        QTest::addColumn<double>("ta");
        QTest::addColumn<double>("va");
        QTest::addColumn<bool>("window");
        QTest::addColumn<QString>("expected");   // DR, fulfilled, winter and summer points as shown
        QTest::newRow("still air: 0.02 m/s raised to 0.05") << 26.0 << 0.02 << false << "0.00 1 20 10";
        QTest::newRow("26 °C, 0.1 m/s") << 26.0 << 0.1 << false << "5.77 1 20 10";
        QTest::newRow("26 °C, 0.2 m/s: just over 15 %") << 26.0 << 0.2 << false << "15.05 0 20 10";
        QTest::newRow("21 °C, 0.15 m/s: interpolated") << 21.0 << 0.15 << false << "16.72 0 13 7";
        QTest::newRow("21 °C, 0.3 m/s: no points") << 21.0 << 0.3 << false << "41.72 0 0 0";
        QTest::newRow("21 °C, 0.3 m/s, window ventilation") << 21.0 << 0.3 << true << "41.72 1 20 10";
        QTest::newRow("0 °C, 3 m/s: capped at 100") << 0.0 << 3.0 << false << "100.00 0 0 0";
        QTest::newRow("air above 34 °C: no draught") << 36.0 << 0.3 << false << "0.00 1 20 10";
        // DR a hair above 15 % still passes; a hair below 20.01 %, the interpolation line lies under 0.
        const double perKelvin = std::pow(0.15, 0.62) * (0.37 * 0.2 * 40.0 + 3.14);
        QTest::newRow("DR 15.004 %: passes") << 34.0 - 15.004 / perKelvin << 0.2 << false << "15.00 1 20 10";
        QTest::newRow("DR just below 20.01 %") << 34.0 - 20.008 / perKelvin << 0.2 << false << "20.01 0 0 0";
    }
    // Turbulence 40 % throughout.
    void draughtRate()
    {
        const DraftResult r = computeDraftRate(fetch<double>("ta"), fetch<double>("va"), 40.0, fetch<bool>("window"));
        QVERIFY(r.points >= 0.0 && r.points <= 20.0);
        QTEST(QString("%1 %2 %3 %4").arg(fixed(r.dr, 2)).arg(int(r.fulfilled)).arg(fixed(r.points, 0), fixed(r.points * 0.5, 0)),
              "expected");
    }

    void humidityBalance()
    {
        // 0 °C and 80 % outside, 20 °C inside, two winter working hours, 3 persons, 1 small plant.
        // The first sub-step's 0.4963 lies below the outdoor 3.8768; the mean still sees it.
        const IndoorHumidity r = sameRecords(2, 0.0, 80.0, 20.0, true, true, false);
        QCOMPARE(QStringList({fixed(r.xOut[1], 7), fixed(r.ahOut[1], 4), fixed(r.mprod[1], 1), fixed(r.ahIn[0], 2),
                              fixed(r.xIn[0], 6), fixed(r.rhIn[0], 1), fixed(r.ahIn[1], 4), fixed(r.xIn[1], 7),
                              fixed(r.rhIn[1], 2)}).join(' '),
                 "0.0030551 3.8768 178.5 8.91 0.007513 50.9 4.5341 0.0038212 26.06");
        // Night air change only, no source: the room dries towards the outdoor air, never under it;
        // 3.8768 + (8.91 - 3.8768) × mean of 0.8^k, k = 1..20, in the first hour.
        HumidityParameters p;
        p.smallPlants = 0.0;
        const IndoorHumidity dry = sameRecords(8, 0.0, 80.0, 20.0, false, true, false, p);
        QCOMPARE(fixed(dry.ahIn[1], 4) + ' ' + fixed(dry.ahIn[7], 4), "4.8718 3.8768");
        QVERIFY(*std::min_element(dry.ahIn.begin(), dry.ahIn.end()) >= dry.ahOut[0]);
        // Saturated warm air in a room at 5 °C: above 100 % is shown as 100.
        QCOMPARE(sameRecords(3, 25.0, 100.0, 5.0, false, true, false, p).rhIn[2], 100.0);
    }

    // Air change and recovery chosen so that N × (1 − HR) = 1 for the right pair only: then every
    // sub-step lands on outdoor + M / V, and so does the mean.
    void humiditySeasonChoice_data()
    {
        QTest::addColumn<bool>("working");
        QTest::addColumn<bool>("winter");
        QTest::addColumn<bool>("summer");
        QTest::addColumn<QString>("expected");   // ACH, Mprod
        QTest::newRow("working hour, winter") << true << true << false << "2 190.7";
        QTest::newRow("working hour, summer") << true << false << true << "4 190.7";
        QTest::newRow("working hour, spring") << true << false << false << "1 190.7";
        QTest::newRow("outside working time, winter") << false << true << false << "1 8.7";
    }
    void humiditySeasonChoice()
    {
        HumidityParameters p;
        p.achWinter = 2.0, p.achSummer = 4.0, p.achSpring = 1.0, p.achInfil = 1.0;
        p.hrWinter = 0.5, p.hrSummer = 0.75, p.bigPlants = 2.0, p.otherSource = 5.0;
        const IndoorHumidity r = sameRecords(2, 10.0, 60.0, 22.0, fetch<bool>("working"), fetch<bool>("winter"),
                                             fetch<bool>("summer"), p);
        QTEST(QString::number(r.ach[1]) + ' ' + QString::number(r.mprod[1]), "expected");
        QCOMPARE(fixed(r.ahIn[1], 9), fixed(r.ahOut[1] + r.mprod[1] / p.volume, 9));
    }

    void humidityBands_data()
    {
        QTest::addColumn<double>("rh");
        QTest::addColumn<double>("x");
        QTest::addColumn<bool>("summer");
        QTest::addColumn<QString>("expected");   // RH band, x band, hours above, hours below
        QTest::newRow("RH 10.0005 % in winter") << 10.0005 << 0.005 << false << "1 2 0 1";
        QTest::newRow("RH 10.0005 % in summer") << 10.0005 << 0.005 << true << "0 2 0 1";
        QTest::newRow("x 12 g/kg: not above") << 50.0 << 0.012 << false << "4 5 0 0";
        QTest::newRow("x 12.001 g/kg: band 12-14") << 50.0 << 0.012001 << true << "4 6 1 0";
        QTest::newRow("RH 24 %, x 13 g/kg: above only") << 24.0 << 0.013 << false << "2 6 1 0";
        QTest::newRow("RH 100 %, x 20 g/kg: top bands") << 100.0 << 0.02 << true << "9 9 1 0";
    }
    // One record in the period, a second in none.
    void humidityBands()
    {
        QFETCH(bool, summer);
        const std::vector<bool> in{true, false}, out{false, false};
        const HumidityAssessment a = assessIndoorHumidity({fetch<double>("rh"), 50.0}, {fetch<double>("x"), 0.005},
                                                          summer ? out : in, summer ? in : out);
        const HumidityDistribution &rhd = summer ? a.rhSummer : a.rhWinter, &xd = summer ? a.xSummer : a.xWinter;
        QCOMPARE(rhd[10] + xd[10], 2.0);
        const int first = summer ? HumiditySlot::SummerAbove : HumiditySlot::WinterAbove;
        QTEST(QString("%1 %2 %3 %4").arg(std::find(rhd.begin(), rhd.end(), 1.0) - rhd.begin())
                  .arg(std::find(xd.begin(), xd.end(), 1.0) - xd.begin()).arg(a.summary[first])
                  .arg(a.summary[first + 1]), "expected");
    }

    void humiditySharesAndPoints()
    {
        // 10 winter hours, one of them dry: 10 %, 12 points; no summer hour: share and points N.A.
        std::vector<double> rh(12, 40.0), x(12, 0.007);
        rh[3] = 20.0;
        std::vector<bool> winter(12, true);
        winter[0] = winter[11] = false;
        const HumidityAssessment a = assessIndoorHumidity(rh, x, winter, std::vector<bool>(12, false));
        using namespace HumiditySlot;
        QCOMPARE(QList<double>({a.summary[WinterRhTotal], a.summary[WinterXTotal], a.summary[WinterBelowShare]}),
                 QList<double>({10.0, 10.0, 10.0}));
        QCOMPARE(fixed(a.summary[WinterPoints], 9), "12.000000000");
        QVERIFY(std::isnan(a.summary[SummerAboveShare]) && std::isnan(a.summary[SummerPoints]));
        // 12.0009 % lies under the line's zero at 12 %: no negative points.
        QCOMPARE(QList<double>({humidityPoints(7.0, 30), humidityPoints(9.5, 30), humidityPoints(12.0009, 30),
                                humidityPoints(12.001, 30), humidityPoints(9.5, 10)}),
                 QList<double>({30, 15, 0, 0, 5}));
    }
};

QTEST_GUILESS_MAIN(TestAssessment)
#include "tst_assessment.moc"
