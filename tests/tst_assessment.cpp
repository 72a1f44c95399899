// Assessment core: time axis and season masks, the winter and summer models with their points, draught after
// ISO 7730, the hourly moisture balance and the humidity assessment, the result charts' data.
#include "assessment/chartdata.h"
#include "assessment/draft.h"
#include "assessment/humidity.h"

#include <QtTest>

#include <cmath>
#include <numeric>

Q_DECLARE_METATYPE(TimeAxisInput)

namespace {

template <typename T>
T fetch(const char *column) { return *static_cast<T *>(QTest::qData(column, qMetaTypeId<T>())); }

QString fixed(double v, int decimals) { return QString::number(v, 'f', decimals); }

QString bits(const std::vector<bool> &v)
{
    return std::accumulate(v.begin(), v.end(), QString(), [](const QString &s, bool b) { return s + (b ? '1' : '0'); });
}


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
IndoorHumidity sameRecords(size_t n, double to, double rho, double ti, bool working, bool winter, bool summer, const HumidityParameters &p = {})
{
    return computeIndoorHumidity(std::vector<double>(n, to), std::vector<double>(n, ti), std::vector<double>(n, rho),
                                 std::vector<bool>(n, working), std::vector<bool>(n, winter), std::vector<bool>(n, summer), p);
}

// Hourly year from Saturday 01.01.2011, swinging so that every model exceeds and winter falls below 20 °C.
OperativeAssessmentInput yearInput(SummerModel model, SummerRegion region)
{
    OperativeAssessmentInput in{{8760, {}, 0, 1.0, 7}, 0.8, model, region, {}, std::vector<double>(8760, 70), {}};
    for (int i = 0; i < 8760; ++i) {
        const double season = -std::cos(2 * M_PI * (i / 24.0 - 20) / 365), day = std::cos(2 * M_PI * (i % 24 - 15) / 24.0);
        in.outdoorTemp.push_back(10 + 10 * season + 5 * day + 3 * std::sin(i * 0.37));
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
        QTest::addColumn<TimeAxisInput>("in");   // rows, start, start hour, interval, weekday, work 8-18, weekends
        QTest::addColumn<int>("probe");
        QTest::addColumn<QString>("row");        // date, hour, weekday of the probe row
        QTest::addColumn<int>("working");        // working rows, -1 not checked
        using In = TimeAxisInput;
        const CalendarDate jan1 = parseDate("");   // an empty date text gives 01.01.2011
        QTest::newRow("start hour 5: 19 rows, then Tuesday 0:00") << In{30, parseDate("1.1"), 5, 1.0, 2} << 19 << "02.01.2011 0 3" << 13;
        QTest::newRow("half-hourly Monday: 8.0 ... 17.5 work") << In{48, jan1, 0, 0.5, 2} << 35 << "01.01.2011 17.5 2" << 20;
        QTest::newRow("6-minute data: 240 rows a day, 8.0 ... 17.9 work") << In{480, jan1, 0, 0.1, 2} << 240 << "02.01.2011 0 3" << 200;
        QTest::newRow("Sunday without weekends: no work") << In{24, jan1, 0, 1.0, 1} << 23 << "01.01.2011 23 1" << 0;
        QTest::newRow("Sunday with weekends: 8 ... 17 work") << In{24, jan1, 0, 1.0, 1, 8, 18, true} << 8 << "01.01.2011 8 1" << 10;
        QTest::newRow("28-day February: 01.03. is day 60") << In{1440, jan1, 0, 1.0, 7} << 1416 << "01.03.2011 0 3" << -1;
        QTest::newRow("turn of the year") << In{25, parseDate("31.12.2011"), 0, 1.0, 7} << 24 << "01.01.2012 0 1" << -1;
        QTest::newRow("negative row count") << In{-5, jan1, 0, 1.0, 1} << -1 << "" << 0;
    }

    void axis()
    {
        QFETCH(TimeAxisInput, in);
        QFETCH(int, probe);
        QFETCH(int, working);
        const TimeAxis a = generateTimeAxis(in);
        QCOMPARE(a.dates.size(), size_t(qMax(in.rows, 0)));
        if (probe >= 0)
            QTEST(QString("%1 %2 %3").arg(formatDate(a.dates[probe])).arg(a.hours[probe]).arg(a.weekdays[probe]), "row");
        if (working >= 0)
            QCOMPARE(int(std::count(a.workingTime.begin(), a.workingTime.end(), true)), working);
    }

    void periodMask()
    {
        // Within the year both end rows count; across the turn of the year the end row not; working time ANDed.
        const std::vector<bool> all(6, true), some{true, false, true, true, false, true};
        QCOMPARE(QStringList({bits(::periodMask(all, 1, 3)), bits(::periodMask(all, 4, 2)), bits(::periodMask(some, 4, 2))}),
                 QStringList({"011100", "110011", "100001"}));
    }

    // Winter, summer, winter- and summer-humidity flags of a row, or the first missing boundary (masks emptied).
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
        SeasonMasks m{std::vector<bool>(3, true), {}, {}, {}};   // a winter mask left from before
        PeriodBoundary missing;
        const TimeAxisInput in{fetch<int>("rows"), parseDate(fetch<QString>("start")), 0, 1.0, 1, 0, 25, true};
        QCOMPARE(buildSeasonMasks(generateTimeAxis(in), m, missing), row >= 0);
        if (row >= 0) {
            const auto winterRows = size_t(std::count(m.winter.begin(), m.winter.end(), true));
            QCOMPARE(QList<size_t>({m.summerStart, m.summerEnd, winterRows}), QList<size_t>({2160, 6551, 2160 + 2208}));
            QTEST(bits({m.winter[row], m.summer[row], m.winterHumid[row], m.summerHumid[row]}), "expected");
        } else {
            QVERIFY(m.winter.empty() && m.summer.empty());
            QTEST(formatDate(missing.date) + ' ' + QString::number(missing.hour), "expected");
        }
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

    void sharesAndPoints()
    {
        // Winter: one working hour at 19.5 °C among three at 21 °C; an empty mask shows "N.A", 30 points.
        const ResultArray r = evaluateWinter({21, 19.5, 21, 21}, std::vector<bool>(4, true)), empty = evaluateWinter({15}, {false});
        QCOMPARE(QList<double>({r[WinterSlot::OutsidePercent], r[WinterSlot::DegreeRows], empty[WinterSlot::Points]}),
                 QList<double>({25.0, 0.5, 30.0}));
        QVERIFY(std::isnan(empty[WinterSlot::OutsidePercent]));
        // Summer, degree rows of 1000 rows: 70 up to 3 % (30.01 just below), 10 at 10 %, none beyond or for no rows.
        QCOMPARE(QList<double>({summerPoints(29, 1000), summerPoints(30.01, 1000), summerPoints(65, 1000),
                                summerPoints(100, 1000), summerPoints(100.1, 1000), summerPoints(0, 0)}),
                 QList<double>({70, 70 - 60 * 0.01 / 70, 40, 10, 0, 0}));
        // Humidity share [%]: full below 7 %, none from 12 %; 12.0009 % lies under the line's zero.
        QCOMPARE(QList<double>({humidityPoints(7.0, 30), humidityPoints(9.5, 30), humidityPoints(12.0009, 30),
                                humidityPoints(12.001, 30), humidityPoints(9.5, 10)}),
                 QList<double>({30, 15, 0, 0, 5}));
    }

    void adaptiveModel()
    {
        // Θrm before the first row that has one (day 16), of that row, of the period's last row and after it.
        const auto means = [](double interval, double alpha, bool rising, size_t first) {
            const int rows = int(20 * 24 / interval);
            std::vector<double> te(size_t(rows), 20.0);   // daily mean = day number when rising
            for (int i = 0; rising && i < rows; ++i)
                te[size_t(i)] = int(i * interval / 24);
            const size_t end = size_t(rows) - 10;
            const std::vector<double> rm = computeRunningMeanEN(generateTimeAxis({rows, {}, 0, interval}), te, alpha, 0, end);
            return QList<double>({rm[first - 1], rm[first], rm[end], rm[end + 1]});
        };
        QCOMPARE(means(1.0, 0.8, false, 384), QList<double>({999, 20, 20, 999}));          // constant 20 °C gives 20
        QCOMPARE(means(1.0, 0.0, true, 384), QList<double>({999, 15, 18, 999}));           // α 0: yesterday's mean
        QCOMPARE(means(1 / 60.0, 0.8, false, 21600), QList<double>({999, 20, 20, 999}));   // 1-minute data
        // Θrm 20 °C: Θc 25.4 °C; I (just above Θc - 2), II (just below Θc + 3), III, outside, 2 not valid, Θrm 10 in I, 1 after.
        const AdaptiveCategories c = classifyAdaptiveCategories({23.41, 28.39, 29.0, 30.0, 25.0, 25.0, 22.1, 25.0},
                                                                std::vector<bool>(8, true), {20, 20, 20, 20, 999, 9.9, 10, 20}, 0, 6);
        QCOMPARE(QList<double>({c.c1, c.c2, c.c3, c.outside, c.notValid, c.total}), QList<double>({2, 1, 1, 1, 2, 7}));
        QVERIFY(near(c.fOut1, 300.0 / 7.0) && near(c.fOut3, 100.0 / 7.0));
    }

    // A year through each model: totals are the mask rows, the model's results, and the charts agree with them.
    void year_data()
    {
        QTest::addColumn<SummerModel>("model");
        QTest::addColumn<SummerRegion>("region");
        QTest::addColumn<QString>("results");   // points, exceedance rows, degree rows
        QTest::newRow("26 °C") << SummerModel::Fixed26 << SummerRegion::A << "0.00 580 511.90";
        QTest::newRow("adaptive") << SummerModel::AdaptiveEN << SummerRegion::A << "70.00 71 7.90";
        QTest::newRow("national annex") << SummerModel::NationalAnnex << SummerRegion::A << "0.00 900 1031.37";
        QTest::newRow("DIN 4108-2 region A, 25 °C") << SummerModel::Din4108 << SummerRegion::A << "999.00 857 1245.90";
        QTest::newRow("DIN 4108-2 without region") << SummerModel::Din4108 << SummerRegion::None << "0.00 0 0.00";
    }

    void year()
    {
        QFETCH(SummerModel, model);
        QFETCH(SummerRegion, region);
        const OperativeAssessmentInput in = yearInput(model, region);
        const OperativeAssessment a = assessOperativeTemperature(in);
        const double rows = a.summerDistribution[SummerSlot::Total], dt = 0.5;
        QVERIFY(a.ok && a.modelEvaluated == (region != SummerRegion::None));
        QCOMPARE(a.winter[WinterSlot::Total], double(std::count(a.masks.winter.begin(), a.masks.winter.end(), true)));
        QCOMPARE(rows, double(std::count(a.masks.summer.begin(), a.masks.summer.end(), true)));
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
            // Warmest first; above the limit the model's rows and degree rows (to rounding); first and last step drawn.
            const DurationCurve c = durationCurve(in.indoorTemp, a.masks.summer, model == SummerModel::Fixed26 ? 26.0 : din4108Limit(region));
            QVERIFY(double(c.to.size()) == rows && std::is_sorted(c.to.rbegin(), c.to.rend()));
            QCOMPARE(c.rowsAbove, a.model[SummerSlot::Exceedance]);
            QVERIFY(std::fabs(c.degreeRowsAbove - a.model[SummerSlot::DegreeRows]) < 1e-9 * c.degreeRowsAbove);
            const QList<QPointF> drawn = durationCurvePoints(c, 0.25, 100);
            QVERIFY(drawn.size() <= 102);
            QCOMPARE(QList<QPointF>({drawn.first(), drawn.last()}), QList<QPointF>({{0, c.to.front()}, {rows * 0.25, c.to.back()}}));
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
        QVERIFY(!adaptive || QList<double>(counts, counts + 5) == QList<double>({c.c1, c.c2, c.c3, c.outside, c.notValid}));
        // Density grids: every plottable point once, one on the upper range edges in the last cell.
        p.push_back({kNoRunningMean, 25, ComfortCategory::NotValid, false});
        const PlotRange r = scatterRange(p);
        p.push_back({r.x1, r.y1, ComfortCategory::Outside, true});
        const DensityGrid within = binScatter(p, r, 60, 40, false), high = binScatter(p, r, 60, 40, true);
        QVERIFY(r.x1 < 998 && sum(within.count) + sum(high.count) == double(p.size() - 1));
        QCOMPARE(sum(high.count), above + 1);
    }

    // Summer bands in the warning colour: from the highest limit among the mask rows (the rows at 0, 99 change nothing).
    void summerOutsideBands_data()
    {
        QTest::addColumn<SummerModel>("model");
        QTest::addColumn<SummerRegion>("region");
        QTest::addColumn<double>("value");   // Te (annex) or Θrm (adaptive) of the mask rows
        QTest::addColumn<QString>("outside");
        const SummerRegion none = SummerRegion::None;
        QTest::newRow("26 °C: from 26-27") << SummerModel::Fixed26 << none << 0.0 << "00011111";
        QTest::newRow("DIN A 25 °C: from 25-26") << SummerModel::Din4108 << SummerRegion::A << 0.0 << "00111111";
        QTest::newRow("DIN without region: none") << SummerModel::Din4108 << none << 0.0 << "00000000";
        QTest::newRow("annex Te 26: limit 26.5") << SummerModel::NationalAnnex << none << 26.0 << "00001111";
        QTest::newRow("adaptive Θrm 20: 28.4 °C") << SummerModel::AdaptiveEN << none << 20.0 << "00000011";
        QTest::newRow("adaptive, no running mean: none") << SummerModel::AdaptiveEN << none << kNoRunningMean << "00000000";
    }

    void summerOutsideBands()
    {
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
        QCOMPARE(sum(rh.hours), 110.0);
        QCOMPARE(bits(rh.outside) + ' ' + bits(humidityBandHours(d, 2.0, HumidityQuantity::HumidityRatio).outside),
                 "1100000000 0000001111");
        // Limit positions on the band axis: inside 20-30 %, between 10-12 and 12-14 g/kg.
        QCOMPARE(QList<double>({humidityLimitPosition(HumidityQuantity::RelativeHumidity),
                                humidityLimitPosition(HumidityQuantity::HumidityRatio)}), QList<double>({2.0, 5.5}));
        const std::vector<ScatterPoint> corners{{0, 0, ComfortCategory::I, false}, {1, 1, ComfortCategory::I, false}};
        QCOMPARE(binScatter(corners, PlotRange{0, 1, 0, 1}, 2, 2, false).count, std::vector<double>({1, 0, 0, 1}));
    }

    // Turbulence 40 %; DR, fulfilled, winter and summer points as shown.
    void draughtRate_data()
    {
        QTest::addColumn<double>("ta");
        QTest::addColumn<double>("va");
        QTest::addColumn<bool>("window");
        QTest::addColumn<QString>("expected");
        QTest::newRow("still air: 0.02 m/s raised to 0.05") << 26.0 << 0.02 << false << "0.00 1 20 10";
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

    void draughtRate()
    {
        const DraftResult r = computeDraftRate(fetch<double>("ta"), fetch<double>("va"), 40.0, fetch<bool>("window"));
        QTEST(QString("%1 %2 %3 %4").arg(fixed(r.dr, 2)).arg(int(r.fulfilled)).arg(fixed(r.points, 0), fixed(r.points * 0.5, 0)),
              "expected");
    }

    void humidityBalance()
    {
        // 0 °C and 80 % outside, 20 °C inside, two winter working hours, 3 persons, 1 small plant, 2 1/h. By hand: A = 3.8768 g/m³,
        // M = 178.5 g/h; each 1/20 h sub-step closes 2/20 of the gap to E = A + M / (V N) = 4.7032 g/m³, so AH_in = E + (8.91 − E)
        // × mean of 0.9^k (k 1..20: 0.39529) = 6.3661 g/m³ (first sub-step 8.4893), x_in 0.0053652 kg/kg, RH_in 36.50 %.
        const IndoorHumidity r = sameRecords(2, 0.0, 80.0, 20.0, true, true, false);
        QCOMPARE(QStringList({fixed(r.xOut[1], 7), fixed(r.ahOut[1], 4), fixed(r.mprod[1], 1), fixed(r.ahIn[0], 2), fixed(r.xIn[0], 6),
                              fixed(r.rhIn[0], 1), fixed(r.ahIn[1], 4), fixed(r.xIn[1], 7), fixed(r.rhIn[1], 2)}).join(' '),
                 "0.0030551 3.8768 178.5 8.91 0.007513 50.9 6.3661 0.0053652 36.50");
        // Night air change 0.2 1/h, no source: dries towards the outdoor air, 3.8768 + 5.0332 × mean of 0.99^k (0.90136) = 8.4135
        // in the first hour, each further hour from the mean before it: 7.9660 7.5627 7.1991 6.8714 6.5760 6.3097 (by hand).
        // At 30 1/h a sub-step overshoots: the first one's 8.91 − 1.5 × 5.0332 = 1.3601 lies below the outdoor air, the next
        // ones start from the floor 3.8768 and stay; the mean still sees it: 3.8768 − 0.5 × 5.0332 / 20 = 3.7509.
        HumidityParameters p;
        p.smallPlants = 0.0;
        const IndoorHumidity dry = sameRecords(8, 0.0, 80.0, 20.0, false, true, false, p);
        p.achInfil = 30.0;
        QCOMPARE(fixed(dry.ahIn[1], 4) + ' ' + fixed(dry.ahIn[7], 4) + ' ' + fixed(sameRecords(2, 0.0, 80.0, 20.0, false, true, false, p).ahIn[1], 4),
                 "8.4135 6.3097 3.7509");
        // Each record starts from the mean of the one before, so the gap to the outdoor air shrinks per hourly record by
        // 0.90136 (k = 1..20 as above). Records of 1 min act over a minute each (20 sub-steps of 1/6000 of the gap): per hour
        // 60 records × mean of (1 − 1/6000)^k = 0.998252^60 = 0.9003, the same drying per hour (60 hourly steps would empty it).
        p.achInfil = 0.2;
        p.recordHours = 1.0 / 60;
        const IndoorHumidity minutes = sameRecords(121, 0.0, 80.0, 20.0, false, true, false, p);
        const auto gapRatio = [](const IndoorHumidity &r, size_t from, size_t to) {
            return fixed((r.ahIn[to] - r.ahOut[to]) / (r.ahIn[from] - r.ahOut[from]), 4);
        };
        QCOMPARE(gapRatio(dry, 1, 2) + ' ' + gapRatio(minutes, 60, 120), "0.9014 0.9003");
        p.recordHours = 1.0;
        p.achInfil = 30.0;
        // Saturated warm air in a room at 5 °C: above 100 % is shown as 100.
        QCOMPARE(sameRecords(3, 25.0, 100.0, 5.0, false, true, false, p).rhIn[2], 100.0);
        // By season: N × (1 − HR) = 1 for the right pair only; then every sub-step closes 1/20 of the gap to E = outdoor + M / V,
        // AH_in = E + (8.91 − E) × mean of 0.95^k = 0.95 (1 − 0.95^20) / (20 × 0.05) (persons in working time).
        p = HumidityParameters();
        p.achWinter = 2.0, p.achSummer = 4.0, p.achSpring = 1.0, p.achInfil = 1.0;
        p.hrWinter = 0.5, p.hrSummer = 0.75, p.bigPlants = 2.0, p.otherSource = 5.0;
        const double mean = 0.95 * (1 - std::pow(0.95, 20)) / (20 * 0.05);
        const auto choice = [&](bool working, bool winter, bool summer) {
            const IndoorHumidity r = sameRecords(2, 10.0, 60.0, 22.0, working, winter, summer, p);
            const double e = r.ahOut[1] + r.mprod[1] / p.volume;
            const bool approach = fixed(r.ahIn[1], 9) == fixed(e + (8.91 - e) * mean, 9);
            return QString("%1 %2 %3").arg(r.ach[1]).arg(r.mprod[1]).arg(approach ? "N f = 1" : "off");
        };
        QCOMPARE(QStringList({choice(true, true, false), choice(true, false, true), choice(true, false, false), choice(false, true, false)}),
                 QStringList({"2 190.7 N f = 1", "4 190.7 N f = 1", "1 190.7 N f = 1", "1 8.7 N f = 1"}));
    }

    // One record in the period, one in none: RH and x band, hours above and below, share [%], points; the empty period N.A.
    void humidityBands_data()
    {
        QTest::addColumn<double>("rh");
        QTest::addColumn<double>("x");
        QTest::addColumn<bool>("summer");
        QTest::addColumn<QString>("expected");
        QTest::newRow("RH 10.0005 % in winter") << 10.0005 << 0.005 << false << "1 2 0 1 100 0";
        QTest::newRow("RH 10.0005 % in summer") << 10.0005 << 0.005 << true << "0 2 0 1 0 10";
        QTest::newRow("x 12 g/kg: not above") << 50.0 << 0.012 << false << "4 5 0 0 0 30";
        QTest::newRow("x 12.001 g/kg: band 12-14") << 50.0 << 0.012001 << true << "4 6 1 0 100 0";
        QTest::newRow("RH 24 %, x 13 g/kg: above only") << 24.0 << 0.013 << false << "2 6 1 0 0 30";
        QTest::newRow("RH 100 %, x 20 g/kg: top bands") << 100.0 << 0.02 << true << "9 9 1 0 100 0";
    }

    void humidityBands()
    {
        QFETCH(bool, summer);
        const std::vector<bool> in{true, false}, out{false, false};
        const HumidityAssessment a = assessIndoorHumidity({fetch<double>("rh"), 50.0}, {fetch<double>("x"), 0.005},
                                                          summer ? out : in, summer ? in : out);
        const HumidityDistribution &rhd = summer ? a.rhSummer : a.rhWinter, &xd = summer ? a.xSummer : a.xWinter;
        using namespace HumiditySlot;
        const int first = summer ? SummerAbove : WinterAbove, share = summer ? SummerAboveShare : WinterBelowShare;
        QCOMPARE(QList<double>({rhd[10], xd[10], a.summary[summer ? SummerRhTotal : WinterRhTotal], a.summary[summer ? SummerXTotal : WinterXTotal]}),
                 QList<double>({1, 1, 1, 1}));
        QVERIFY(std::isnan(a.summary[summer ? WinterBelowShare : SummerAboveShare]) && std::isnan(a.summary[summer ? WinterPoints : SummerPoints]));
        QTEST(QString("%1 %2 %3 %4 %5 %6").arg(std::find(rhd.begin(), rhd.end(), 1.0) - rhd.begin())
                  .arg(std::find(xd.begin(), xd.end(), 1.0) - xd.begin()).arg(a.summary[first]).arg(a.summary[first + 1])
                  .arg(a.summary[share]).arg(a.summary[summer ? SummerPoints : WinterPoints]),
              "expected");
    }
};

QTEST_GUILESS_MAIN(TestAssessment)
#include "tst_assessment.moc"
