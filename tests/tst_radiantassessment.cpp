// Radiant core (MRT, asymmetry) and assessment core (time axis, summer and winter models, draught, humidity, charts).
#include "assessment/chartdata.h"
#include "assessment/draft.h"
#include "assessment/humidity.h"
#include "radiant/mrt.h"

#include <QtTest>

#include <cmath>
#include <numeric>

Q_DECLARE_METATYPE(RoomRadiantInput)
Q_DECLARE_METATYPE(TimeAxisInput)

namespace {

using namespace RoomSide;

RoomRadiantInput room(double W, double D, double H, double Xp, double Yp, double Zp, std::array<double, 6> T)
{
    return {W, D, H, Xp, Yp, Zp, {{{T[0]}, {T[1]}, {T[2]}, {T[3]}, {T[4]}, {T[5]}}}};
}

RoomRadiantInput withArea(RoomRadiantInput r, int side, double Tarea, double g1, double g2, double z1, double z2, bool ticked = true)
{
    r.surface[side] = {r.surface[side].T, Tarea, ticked, g1, g2, z1, z2};
    return r;
}

// 5 × 6 × 3 m, occupant at 2, 2.5, Zp m; surfaces front, back, right, left, floor, ceiling at T, or all at t.
RoomRadiantInput room(std::array<double, 6> T, double Zp = 1.1) { return room(5, 6, 3, 2, 2.5, Zp, T); }
RoomRadiantInput uniform(double t) { return room({t, t, t, t, t, t}); }
RoomRadiantInput window(int side, double Tarea, bool ticked = true) { return withArea(uniform(20), side, Tarea, 1, 1, 0.5, 0.5, ticked); }

// ISO 7730 PD curves [%] with their published coefficients.
double coolWall(double dt) { return 100.0 / (1.0 + std::exp(6.61 - 0.345 * dt)); }
double warmWall(double dt) { return 100.0 / (1.0 + std::exp(3.72 - 0.052 * dt)) - 3.5; }
double warmCeiling(double dt) { return 100.0 / (1.0 + std::exp(2.84 - 0.174 * dt)) - 5.5; }
double coolCeiling(double dt) { return 100.0 / (1.0 + std::exp(9.93 - 0.5 * dt)); }

QString bits(const std::vector<bool> &v)
{
    return std::accumulate(v.begin(), v.end(), QString(), [](const QString &s, bool b) { return s + (b ? '1' : '0'); });
}

template <typename T>
T fetch(const char *column) { return *static_cast<T *>(QTest::qData(column, qMetaTypeId<T>())); }

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

class TestRadiantAssessment : public QObject
{
    Q_OBJECT
private slots:
    void rooms_data()
    {
        // Plane values agree to 1e-8 K with numerically integrated view factors; office, window: the manual's examples.
        QTest::addColumn<RoomRadiantInput>("input");
        QTest::addColumn<QString>("results");   // plane, surface MRT; plane tr front, back, right, left, floor, ceiling; asymmetries
        const RoomRadiantInput plain = uniform(20), office = room({20, 21, 22, 23, 24, 25});
        const QString officeResults = "23.02 22.91 22.37 23.12 22.97 23.28 23.72 24.04 0.76 0.31 0.32";
        QTest::newRow("office, six surface temperatures") << office << officeResults;
        QTest::newRow("office, unticked impossible window") << withArea(office, Front, -40, -3, 9, 7, -1, false) << officeResults;
        QTest::newRow("front window around the foot point")
            << withArea(plain, Front, 10, 1, 1, 0.5, 0.8) << "19.44 19.40 18.29 20.00 19.64 19.88 19.98 19.65 1.71 0.23 0.33";
        QTest::newRow("front window wholly beside the foot point")
            << withArea(plain, Front, 8, 2.6, 0.4, 0.4, 0.9) << "19.66 19.67 19.10 20.00 19.50 20.00 20.00 19.79 0.90 0.50 0.21";
        QTest::newRow("window edges on the foot point, ceiling-area corner above it")
            << withArea(withArea(plain, Front, 10, 2.0, 1.0, 0.5, 1.1), Ceiling, 30, 2.0, 1.0, 2.5, 1.0)
            << "20.14 20.08 19.16 20.78 20.41 20.00 20.00 21.42 1.62 0.41 1.42";
        QTest::newRow("heated floor area under the occupant")
            << withArea(plain, Floor, 27, 0.5, 0.5, 0.5, 0.5) << "21.87 21.69 21.62 21.96 21.94 21.38 25.71 20.00 0.34 0.56 5.71";
        QTest::newRow("cooled ceiling over the occupant") << withArea(room({26, 26, 27, 26, 25, 26}), Ceiling, 17, 0.5, 0.5, 0.5, 0.5)
                                                          << "24.44 24.69 24.77 24.33 24.65 24.96 25.15 20.74 0.44 0.31 4.42";
        QTest::newRow("seated in a corner of a small room, every surface with an area")
            << withArea(withArea(withArea(withArea(withArea(withArea(room(3, 4, 2.5, 0.4, 0.3, 0.6, {18, 22, 21, 19, 23, 20}),
                   Front, 6, 0.6, 0.6, 0.8, 0.9), Back, 24, 0.5, 1.5, 0.5, 1.0), Right, 11, 0.2, 3.0, 0.3, 0.3),
                   Left, 9, 0.1, 3.2, 0.6, 0.9), Floor, 28, 1.0, 0.2, 1.0, 1.0), Ceiling, 30, 0.1, 2.5, 2.0, 0.5)
            << "19.47 19.45 17.91 21.16 19.26 19.08 21.17 18.32 3.25 0.18 2.86";
        // Far colder (warmer) areas beside the foot point: a mirror image added, not subtracted, would leave the range.
        QTest::newRow("cold window beside the foot point, surface method's worst case")
            << withArea(room(5, 6, 3, 0.5, 0.5, 0.6, {20, 20, 20, 20, 20, 20}), Front, -10, 1.5, 0.2, 0.2, 0.2)
            << "19.35 19.29 19.24 20.00 17.59 20.00 19.92 19.18 0.76 2.41 0.74";
        QTest::newRow("hot floor strip beside the occupant")
            << withArea(room(5, 6, 3, 0.5, 0.5, 1.1, {18, 18, 18, 18, 18, 18}), Floor, 60, 1.0, 0.1, 1.0, 0.1)
            << "20.75 20.49 18.00 23.72 23.53 18.00 22.35 18.00 5.72 5.53 4.35";
        QTest::newRow("uniform 21 °C, areas ticked at the room temperature")
            << withArea(withArea(uniform(21), Front, 21, 0.5, 3.0, 0.5, 0.5), Ceiling, 21, 1, 1, 1, 1)
            << "21.00 21.00 21.00 21.00 21.00 21.00 21.00 21.00 0.00 0.00 0.00";
        // Standing: ISO 7726 Annex B fit from Zp - 0.60001 >= 1e-6 (surface), weights 0.35/0.23/0.08 from 0.7 m (plane).
        const auto posture = [](double Zp) { return room({16, 21, 22, 23, 28, 25}, Zp); };
        const QString at06 = " 22.62 24.74 24.27 24.53 27.70 23.30 2.12 0.26 4.40", at07 = " 22.46 24.66 24.18 24.42 27.60 23.39 2.20 0.24 4.21";
        QTest::newRow("0.6000105, within the 1e-6 margin: seated") << posture(0.6000105) << "24.38 24.30" + at06;
        QTest::newRow("0.60002: standing fit, seated weights") << posture(0.60002) << "24.38 24.08" + at06;
        QTest::newRow("just below 0.7") << posture(0.6999999) << "24.29 23.95" + at07;
        QTest::newRow("0.7 itself standing") << posture(0.7) << "24.05 23.95" + at07;
        // Impossible rooms: the first failing check is named, an edge on the surface's edge is valid.
        using R = RoomRadiantInput;
        const auto set = [](R x, double R::*field, double v) { x.*field = v; return x; };
        const auto area = [&plain](int side, double g1, double g2, double z1, double z2) { return withArea(plain, side, 10, g1, g2, z1, z2); };
        QTest::newRow("zero width") << set(plain, &R::W, 0) << "dimension not positive";
        QTest::newRow("height not a number") << set(plain, &R::H, qQNaN()) << "dimension not positive";
        QTest::newRow("on the left wall") << set(plain, &R::Xp, 0) << "occupant not inside";
        QTest::newRow("on the floor") << set(plain, &R::Zp, 0) << "occupant not inside";
        QTest::newRow("front window filling the wall but a millimetre")
            << area(Front, 0, 0.001, 0, 0.001) << "18.66 18.67 16.15 20.00 19.09 19.41 19.68 19.25 3.85 0.32 0.43";
        QTest::newRow("front window g1 + g2 = width") << area(Front, 2, 3, 0.5, 0.5) << "area does not fit: front";
        QTest::newRow("back window z1 + z2 = height") << area(Back, 1, 1, 1.5, 1.5) << "area does not fit: back";
        QTest::newRow("left window fits the depth 6 m, wider than the width 5 m")
            << area(Left, 0.5, 0.4, 0.5, 0.5) << "18.89 18.68 19.32 19.08 20.00 16.40 19.83 19.27 0.23 3.60 0.56";
        QTest::newRow("left window negative edge distance") << area(Left, -0.1, 1, 0.5, 0.5) << "area does not fit: left";
        QTest::newRow("floor area 5.5 m deep fits the depth, exceeds the height")
            << area(Floor, 1, 1, 0.25, 0.25) << "17.77 18.02 17.95 17.63 17.67 18.81 12.67 20.00 0.31 1.14 7.33";
        QTest::newRow("ceiling area g1 + g2 beyond width") << area(Ceiling, 3, 2.5, 1, 1) << "area does not fit: ceiling";
        QTest::newRow("ceiling edge distance not a number") << area(Ceiling, qQNaN(), 1, 1, 1) << "area does not fit: ceiling";
        QTest::newRow("dimension reported before a bad area") << set(area(Front, -1, 1, 1, 1), &R::W, 0) << "dimension not positive";
    }
    void rooms()
    {
        QFETCH(RoomRadiantInput, input);
        const RoomGeometryCheck check = checkRoomGeometry(input);
        if (check.problem != RoomGeometryProblem::None) {
            const char *const problems[] = {"", "dimension not positive", "occupant not inside", "area does not fit"};
            const char *const sides[] = {"front", "back", "right", "left", "floor", "ceiling"};
            QTEST(QString(problems[int(check.problem)]) + (check.side < 0 ? QString() : QString(": ") + sides[check.side]), "results");
            return;
        }
        std::array<double, 6> tr;
        AsymmetryResult a;
        const double k = 273.15;   // the plane radiant temperatures are in kelvin
        const double mrt[8] = {computeMrtPlane(input, tr, a), computeMrtSurface(input), tr[0] - k, tr[1] - k, tr[2] - k,
                               tr[3] - k, tr[4] - k, tr[5] - k};
        QStringList texts;
        for (double t : mrt)
            texts << fixed(t, 2);
        QTEST((texts + QStringList{fixed(a.dtFrontBack, 2), fixed(a.dtLeftRight, 2), fixed(a.dtFloorCeiling, 2)}).join(' '), "results");
        // Results within the surface temperatures; view factors sum to 1, none to the back, an area part of its surface.
        std::vector<double> temperatures;
        for (const RoomSurfaceInput &s : input.surface)
            temperatures.insert(temperatures.end(), {s.T, s.hasArea ? s.Tarea : s.T});
        const auto [lo, hi] = std::minmax_element(temperatures.begin(), temperatures.end());
        for (double t : mrt)
            QVERIFY2(t >= *lo - 1e-9 && t <= *hi + 1e-9, qPrintable(QString::number(t)));
        for (int p = 0; p < 6; ++p) {
            std::array<double, 6> whole, area;
            planeViewFactors(input, p, whole, area);
            QCOMPARE(whole[p ^ 1], 0.0);
            QVERIFY(std::fabs(std::accumulate(whole.begin(), whole.end(), 0.0) - 1.0) < 1e-12);
            for (int s = 0; s < 6; ++s)
                QVERIFY(area[s] >= 0.0 && area[s] <= whole[s] + 1e-15);
        }
    }

    // PD of each pair from the differences [K] front - back, right - left, ceiling - floor and the room's areas:
    // a colder area takes the cool-wall curve, else a warmer one the warm-wall curve; only a ceiling area a ceiling curve.
    void asymmetry_data()
    {
        QTest::addColumn<RoomRadiantInput>("input");
        QTest::addColumn<QList<double>>("dt");
        QTest::addColumn<QList<double>>("pd");   // front/back, left/right, floor/ceiling
        using L = QList<double>;
        QTest::newRow("cold front window, 10 K") << window(Front, 5) << L{10, 4, 0} << L{coolWall(10), 0, 0};
        QTest::newRow("cold back window, just below 15.01 K") << window(Back, 5) << L{15.0099, 0, 0} << L{coolWall(15.0099), 0, 0};
        QTest::newRow("cold back window, 15.01 K is out of range") << window(Back, 5) << L{15.01, 0, 0} << L{999, 0, 0};
        QTest::newRow("cold left window, 4 K") << window(Left, 5) << L{10, 4, 0} << L{0, coolWall(4), 0};
        QTest::newRow("cold right window, 4 K") << window(Right, 5) << L{10, 4, 0} << L{0, coolWall(4), 0};
        QTest::newRow("unticked cold window is no window") << window(Front, 5, false) << L{10, 4, 4} << L{0, 0, 0};
        QTest::newRow("warm front window, 20 K") << window(Front, 40) << L{20, 0, 0} << L{warmWall(20), 0, 0};
        QTest::newRow("warm back window, just below 35.01 K") << window(Back, 40) << L{35.0099, 0, 0} << L{warmWall(35.0099), 0, 0};
        QTest::newRow("warm back window, 35.01 K is out of range") << window(Back, 40) << L{35.01, 0, 0} << L{999, 0, 0};
        QTest::newRow("warm window, 7.7 K: curve below 0 clamps") << window(Front, 40) << L{7.7, 0, 0} << L{0, 0, 0};
        QTest::newRow("cold and warm window: cool-wall curve") << withArea(window(Front, 5), Back, 40, 1, 1, 0.5, 0.5) << L{20, 0, 0} << L{999, 0, 0};
        QTest::newRow("cooled ceiling area, up-facing side warmer: warm curve") << window(Ceiling, 5) << L{0, 0, 4} << L{0, 0, warmCeiling(4)};
        QTest::newRow("heated floor under a ceiling area: cool-ceiling curve") << window(Ceiling, 40) << L{0, 0, -15} << L{0, 0, coolCeiling(15)};
        QTest::newRow("heated floor area is not a ceiling area") << window(Floor, 28) << L{0, 0, -10} << L{0, 0, 0};
        QTest::newRow("cold front window and ceiling area, no asymmetry")
            << withArea(window(Front, 5), Ceiling, 40, 1, 1, 0.5, 0.5) << L{0, 0, 0} << L{0, 0, 0};
        QTest::newRow("exactly 23.01 K gives 0") << window(Ceiling, 40) << L{0, 0, 23.01} << L{0, 0, 0};
        QTest::newRow("just below 23.01 K on the curve") << window(Ceiling, 40) << L{0, 0, 23.0099} << L{0, 0, warmCeiling(23.0099)};
        QTest::newRow("above 23.01 K out of range") << window(Ceiling, 40) << L{0, 0, 23.02} << L{0, 0, 999};
        QTest::newRow("plain walls 50 K apart: 0; floor/ceiling above 23.01 K even without area: out of range")
            << uniform(20) << L{50, 50, -30} << L{0, 0, 999};
    }
    void asymmetry()
    {
        QFETCH(QList<double>, dt);
        const AsymmetryResult r = computeAsymmetry({dt[0], 0, dt[1], 0, 0, dt[2]}, fetch<RoomRadiantInput>("input"));
        QTEST(QList<double>({r.pdFrontBack, r.pdLeftRight, r.pdFloorCeiling}), "pd");
    }

    // Verdicts (walls front/back, swapped left/right); points 20 winter, 10 summer with all passing and the floor confirmed.
    void verdicts_data()
    {
        QTest::addColumn<double>("pdWalls");
        QTest::addColumn<double>("pdFloorCeiling");
        QTest::addColumn<double>("ceilingAreaT");   // the ceiling itself is at 20 °C
        QTest::addColumn<bool>("ticked");           // the ceiling area
        QTest::addColumn<QString>("passes");        // walls, floor/ceiling
        QTest::newRow("just below 1.01 % passes") << 1.0099 << 1.0099 << 0.0 << true << "11";
        QTest::newRow("1.01 % fails") << 1.01 << 1.01 << 0.0 << true << "00";
        QTest::newRow("walls 1.01 % alone fail") << 1.01 << 0.0 << 0.0 << true << "01";
        QTest::newRow("warm ceiling, just below 5.01 % passes") << 0.0 << 5.0099 << 35.0 << true << "11";
        QTest::newRow("warm ceiling, 5.01 % fails") << 0.0 << 5.01 << 35.0 << true << "10";
        QTest::newRow("area as warm as the ceiling is not warm") << 0.0 << 3.0 << 20.0 << true << "10";
        QTest::newRow("unticked warm ceiling area is no warm ceiling") << 0.0 << 3.0 << 35.0 << false << "10";
    }
    void verdicts()
    {
        const RoomRadiantInput r = window(Ceiling, fetch<double>("ceilingAreaT"), fetch<bool>("ticked"));
        AsymmetryResult a{0, 0, 0, fetch<double>("pdWalls"), 0, fetch<double>("pdFloorCeiling")};
        const AsymmetryVerdicts v = judgeAsymmetry(a, r);
        std::swap(a.pdFrontBack, a.pdLeftRight);
        const AsymmetryVerdicts s = judgeAsymmetry(a, r);
        QVERIFY(v.leftRight && s.frontBack && s.leftRight == v.frontBack && s.floorCeiling == v.floorCeiling);
        QTEST(bits({v.frontBack, v.floorCeiling}), "passes");
        const int winter = v.frontBack && v.floorCeiling ? 20 : 0;
        QCOMPARE(QList<int>({radiationPoints(v, true, false), radiationPoints(s, true, true), radiationPoints(v, false, false)}),
                 QList<int>({winter, winter / 2, 0}));
    }

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

QTEST_GUILESS_MAIN(TestRadiantAssessment)
#include "tst_radiantassessment.moc"
