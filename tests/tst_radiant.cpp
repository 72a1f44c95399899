#include "radiant/asymmetry.h"
#include "radiant/mrt.h"

#include <QtTest>

#include <cmath>
#include <limits>
#include <numeric>

Q_DECLARE_METATYPE(RoomRadiantInput)
Q_DECLARE_METATYPE(RoomGeometryProblem)

namespace {

RoomRadiantInput room(double W, double D, double H, double Xp, double Yp, double Zp,
                      std::array<double, 6> T)
{
    RoomRadiantInput r;
    r.W = W, r.D = D, r.H = H, r.Xp = Xp, r.Yp = Yp, r.Zp = Zp;
    for (int s = 0; s < 6; ++s)
        r.surface[s].T = T[s];
    return r;
}

RoomRadiantInput withArea(RoomRadiantInput r, int side, double Tarea, double g1, double g2,
                          double z1, double z2, bool ticked = true)
{
    r.surface[side] = {r.surface[side].T, Tarea, ticked, g1, g2, z1, z2};
    return r;
}

// 5 × 6 × 3 m, occupant at 2, 2.5, 1.1 m, every surface at t; an area on `side` at Tarea.
RoomRadiantInput uniform(double t) { return room(5, 6, 3, 2, 2.5, 1.1, {t, t, t, t, t, t}); }
RoomRadiantInput window(int side, double Tarea, bool ticked = true)
{
    return withArea(uniform(20), side, Tarea, 1, 1, 0.5, 0.5, ticked);
}

QString f2(double v) { return QString::number(v, 'f', 2); }

// The current row's value of a column read once.
template <typename T>
T fetch(const char *column)
{
    return *static_cast<T *>(QTest::qData(column, qMetaTypeId<T>()));
}

// ISO 7730 PD curves [%] with their published coefficients.
double coolWall(double dt) { return 100.0 / (1.0 + std::exp(6.61 - 0.345 * dt)); }
double warmWall(double dt) { return 100.0 / (1.0 + std::exp(3.72 - 0.052 * dt)) - 3.5; }
double warmCeiling(double dt) { return 100.0 / (1.0 + std::exp(2.84 - 0.174 * dt)) - 5.5; }
double coolCeiling(double dt) { return 100.0 / (1.0 + std::exp(9.93 - 0.5 * dt)); }

}

class TestRadiant : public QObject
{
    Q_OBJECT
private slots:
    void rooms_data()
    {
        // Plane and surface MRT, the six plane radiant temperatures (front, back, right, left,
        // floor, ceiling) and the three asymmetries. The plane values agree to 1e-8 K with view
        // factors integrated numerically; office and window are the manual's worked examples.
        QTest::addColumn<RoomRadiantInput>("input");
        QTest::addColumn<QString>("results");
        const RoomRadiantInput plain = uniform(20), office = room(5, 6, 3, 2, 2.5, 1.1, {20, 21, 22, 23, 24, 25});
        QTest::newRow("office, six surface temperatures") << office << "23.02 22.91 22.37 23.12 22.97 23.28 23.72 24.04 0.76 0.31 0.32";
        QTest::newRow("office, unticked impossible window")
            << withArea(office, RoomSide::Front, -40, -3, 9, 7, -1, false) << "23.02 22.91 22.37 23.12 22.97 23.28 23.72 24.04 0.76 0.31 0.32";
        QTest::newRow("front window around the foot point")
            << withArea(plain, RoomSide::Front, 10, 1, 1, 0.5, 0.8) << "19.44 19.40 18.29 20.00 19.64 19.88 19.98 19.65 1.71 0.23 0.33";
        QTest::newRow("front window wholly beside the foot point")
            << withArea(plain, RoomSide::Front, 8, 2.6, 0.4, 0.4, 0.9) << "19.66 19.67 19.10 20.00 19.50 20.00 20.00 19.79 0.90 0.50 0.21";
        QTest::newRow("window edges on the foot point, ceiling-area corner above it")
            << withArea(withArea(plain, RoomSide::Front, 10, 2.0, 1.0, 0.5, 1.1), RoomSide::Ceiling,
                        30, 2.0, 1.0, 2.5, 1.0) << "20.14 20.08 19.16 20.78 20.41 20.00 20.00 21.42 1.62 0.41 1.42";
        QTest::newRow("heated floor area under the occupant") << withArea(plain, RoomSide::Floor, 27, 0.5, 0.5, 0.5, 0.5) << "21.87 21.69 21.62 21.96 21.94 21.38 25.71 20.00 0.34 0.56 5.71";
        QTest::newRow("cooled ceiling over the occupant")
            << withArea(room(5, 6, 3, 2, 2.5, 1.1, {26, 26, 27, 26, 25, 26}), RoomSide::Ceiling, 17, 0.5, 0.5, 0.5, 0.5) << "24.44 24.69 24.77 24.33 24.65 24.96 25.15 20.74 0.44 0.31 4.42";
        QTest::newRow("seated in a corner of a small room, every surface with an area")
            << withArea(withArea(withArea(withArea(withArea(withArea(
                   room(3, 4, 2.5, 0.4, 0.3, 0.6, {18, 22, 21, 19, 23, 20}),
                   RoomSide::Front, 6, 0.6, 0.6, 0.8, 0.9), RoomSide::Back, 24, 0.5, 1.5, 0.5, 1.0),
                   RoomSide::Right, 11, 0.2, 3.0, 0.3, 0.3), RoomSide::Left, 9, 0.1, 3.2, 0.6, 0.9),
                   RoomSide::Floor, 28, 1.0, 0.2, 1.0, 1.0), RoomSide::Ceiling, 30, 0.1, 2.5, 2.0, 0.5) << "19.47 19.45 17.91 21.16 19.26 19.08 21.17 18.32 3.25 0.18 2.86";
        // Far colder (warmer) areas beside the foot point: a mirror image added instead of
        // subtracted would push the result out of the range of the temperatures.
        QTest::newRow("cold window beside the foot point, surface method's worst case")
            << withArea(room(5, 6, 3, 0.5, 0.5, 0.6, {20, 20, 20, 20, 20, 20}), RoomSide::Front, -10, 1.5, 0.2, 0.2, 0.2) << "19.35 19.29 19.24 20.00 17.59 20.00 19.92 19.18 0.76 2.41 0.74";
        QTest::newRow("hot floor strip beside the occupant")
            << withArea(room(5, 6, 3, 0.5, 0.5, 1.1, {18, 18, 18, 18, 18, 18}), RoomSide::Floor, 60, 1.0, 0.1, 1.0, 0.1) << "20.75 20.49 18.00 23.72 23.53 18.00 22.35 18.00 5.72 5.53 4.35";
        // A uniform room gives its temperature anywhere, by both methods (within 1e-9 K).
        QTest::newRow("uniform 35 °C, close under the ceiling") << room(8, 3, 2.6, 7.0, 1.0, 2.55, {35, 35, 35, 35, 35, 35}) << "35.00 35.00 35.00 35.00 35.00 35.00 35.00 35.00 0.00 0.00 0.00";
        QTest::newRow("uniform 21 °C, areas ticked at the room temperature")
            << withArea(withArea(uniform(21), RoomSide::Front, 21, 0.5, 3.0, 0.5, 0.5), RoomSide::Ceiling, 21, 1, 1, 1, 1) << "21.00 21.00 21.00 21.00 21.00 21.00 21.00 21.00 0.00 0.00 0.00";
        // Standing: ISO 7726 Annex B fit when Zp - 0.60001 >= 1e-6 (surface method), weights
        // 0.35/0.23/0.08 instead of 0.30/0.22/0.18 from Zp = 0.7 m (plane method).
        const auto posture = [](double Zp) { return room(5, 6, 3, 2, 2.5, Zp, {16, 21, 22, 23, 28, 25}); };
        QTest::newRow("0.60001, the seated radio's own value: both seated") << posture(0.60001) << "24.38 24.30 22.62 24.74 24.27 24.53 27.70 23.30 2.12 0.26 4.40";
        QTest::newRow("0.6000105, within the 1e-6 margin: seated") << posture(0.6000105) << "24.38 24.30 22.62 24.74 24.27 24.53 27.70 23.30 2.12 0.26 4.40";
        QTest::newRow("0.60002: standing fit, seated weights") << posture(0.60002) << "24.38 24.08 22.62 24.74 24.27 24.53 27.70 23.30 2.12 0.26 4.40";
        QTest::newRow("just below 0.7") << posture(0.6999999) << "24.29 23.95 22.46 24.66 24.18 24.42 27.60 23.39 2.20 0.24 4.21";
        QTest::newRow("0.7 itself standing") << posture(0.7) << "24.05 23.95 22.46 24.66 24.18 24.42 27.60 23.39 2.20 0.24 4.21";
    }
    void rooms()
    {
        QFETCH(RoomRadiantInput, input);
        std::array<double, 6> tr;
        AsymmetryResult a;
        const double plane = computeMrtPlane(input, tr, a), surface = computeMrtSurface(input);
        QStringList texts{f2(plane), f2(surface)};
        for (double t : tr)
            texts << f2(t - 273.15);
        QTEST((texts + QStringList{f2(a.dtFrontBack), f2(a.dtLeftRight), f2(a.dtFloorCeiling)}).join(' '), "results");
        // Every result lies between the coldest and the warmest surface; each element's view
        // factors sum to one, the surface behind it is not seen, an area is part of its surface.
        double lo = 1e9, hi = -1e9;
        for (const RoomSurfaceInput &s : input.surface) {
            lo = std::min({lo, s.T, s.hasArea ? s.Tarea : s.T});
            hi = std::max({hi, s.T, s.hasArea ? s.Tarea : s.T});
        }
        for (double t : {plane, surface, tr[0] - 273.15, tr[1] - 273.15, tr[2] - 273.15, tr[3] - 273.15,
                         tr[4] - 273.15, tr[5] - 273.15})
            QVERIFY2(t >= lo - 1e-9 && t <= hi + 1e-9, qPrintable(QString::number(t)));
        for (int p = 0; p < 6; ++p) {
            std::array<double, 6> whole, area;
            planeViewFactors(input, p, whole, area);
            QCOMPARE(whole[p ^ 1], 0.0);
            QVERIFY(std::fabs(std::accumulate(whole.begin(), whole.end(), 0.0) - 1.0) < 1e-12);
            for (int s = 0; s < 6; ++s)
                QVERIFY(area[s] >= 0.0 && area[s] <= whole[s] + 1e-15);
        }
    }

    void geometryCheck_data()
    {
        QTest::addColumn<RoomRadiantInput>("input");
        QTest::addColumn<RoomGeometryProblem>("problem");
        QTest::addColumn<int>("side");
        using R = RoomRadiantInput;
        using P = RoomGeometryProblem;
        const R r = uniform(20);
        const double nan = std::numeric_limits<double>::quiet_NaN();
        const auto set = [](R x, double R::*field, double v) {
            x.*field = v;
            return x;
        };
        const int front = RoomSide::Front, back = RoomSide::Back, left = RoomSide::Left, ceiling = RoomSide::Ceiling;
        const auto area = [&r](int side, double g1, double g2, double z1, double z2) {
            return withArea(r, side, 10, g1, g2, z1, z2);
        };
        QTest::newRow("plain room") << r << P::None << -1;
        QTest::newRow("zero width") << set(r, &R::W, 0) << P::NonPositiveDimension << -1;
        QTest::newRow("height not a number") << set(r, &R::H, nan) << P::NonPositiveDimension << -1;
        QTest::newRow("on the left wall") << set(r, &R::Xp, 0) << P::OccupantNotInside << -1;
        QTest::newRow("on the floor") << set(r, &R::Zp, 0) << P::OccupantNotInside << -1;
        QTest::newRow("front window filling the wall but a millimetre") << area(front, 0, 0.001, 0, 0.001) << P::None << -1;
        QTest::newRow("front window g1 + g2 = width") << area(front, 2, 3, 0.5, 0.5) << P::AreaDoesNotFit << front;
        QTest::newRow("back window z1 + z2 = height") << area(back, 1, 1, 1.5, 1.5) << P::AreaDoesNotFit << back;
        QTest::newRow("left window fits the depth 6 m, wider than the width 5 m") << area(left, 0.5, 0.4, 0.5, 0.5) << P::None << -1;
        QTest::newRow("left window negative edge distance") << area(left, -0.1, 1, 0.5, 0.5) << P::AreaDoesNotFit << left;
        QTest::newRow("floor area 5.5 m deep fits the depth, exceeds the height") << area(RoomSide::Floor, 1, 1, 0.25, 0.25) << P::None << -1;
        QTest::newRow("ceiling area g1 + g2 beyond width") << area(ceiling, 3, 2.5, 1, 1) << P::AreaDoesNotFit << ceiling;
        QTest::newRow("ceiling edge distance not a number") << area(ceiling, nan, 1, 1, 1) << P::AreaDoesNotFit << ceiling;
        QTest::newRow("dimension reported before a bad area") << set(area(front, -1, 1, 1, 1), &R::W, 0) << P::NonPositiveDimension << -1;
    }
    void geometryCheck()
    {
        QFETCH(RoomRadiantInput, input);
        const RoomGeometryCheck check = checkRoomGeometry(input);
        QTEST(check.problem, "problem");
        QTEST(check.side, "side");
        std::array<double, 6> tr;
        AsymmetryResult asym;
        if (check.problem == RoomGeometryProblem::None)
            QVERIFY(std::isfinite(computeMrtPlane(input, tr, asym)) && std::isfinite(computeMrtSurface(input)));
    }

    // PD of each pair from the plane radiant temperature differences [K] front - back, right - left
    // and ceiling - floor, with the areas of the room: a wall pair with a colder area takes the cool-wall
    // curve, else with a warmer one the warm-wall curve; only a ceiling area brings a ceiling curve.
    void asymmetry_data()
    {
        QTest::addColumn<RoomRadiantInput>("input");
        QTest::addColumn<QList<double>>("dt");
        QTest::addColumn<QList<double>>("pd");   // front/back, left/right, floor/ceiling
        using L = QList<double>;
        const int front = RoomSide::Front, back = RoomSide::Back, ceiling = RoomSide::Ceiling;
        QTest::newRow("cold front window, 10 K") << window(front, 5) << L{10, 4, 0} << L{coolWall(10), 0, 0};
        QTest::newRow("cold back window, just below 15.01 K") << window(back, 5) << L{15.0099, 0, 0} << L{coolWall(15.0099), 0, 0};
        QTest::newRow("cold back window, 15.01 K is out of range") << window(back, 5) << L{15.01, 0, 0} << L{999, 0, 0};
        QTest::newRow("cold left window, 4 K") << window(RoomSide::Left, 5) << L{10, 4, 0} << L{0, coolWall(4), 0};
        QTest::newRow("cold right window, 4 K") << window(RoomSide::Right, 5) << L{10, 4, 0} << L{0, coolWall(4), 0};
        QTest::newRow("cold front window, no asymmetry") << window(front, 5) << L{0, 0, 0} << L{0, 0, 0};
        QTest::newRow("unticked cold window is no window") << window(front, 5, false) << L{10, 4, 4} << L{0, 0, 0};
        QTest::newRow("warm front window, 20 K") << window(front, 40) << L{20, 0, 0} << L{warmWall(20), 0, 0};
        QTest::newRow("warm back window, just below 35.01 K") << window(back, 40) << L{35.0099, 0, 0} << L{warmWall(35.0099), 0, 0};
        QTest::newRow("warm back window, 35.01 K is out of range") << window(back, 40) << L{35.01, 0, 0} << L{999, 0, 0};
        QTest::newRow("warm window, 7.7 K: curve below 0 clamps") << window(front, 40) << L{7.7, 0, 0} << L{0, 0, 0};
        QTest::newRow("cold and warm window: judged as cool wall")
            << withArea(window(front, 5), back, 40, 1, 1, 0.5, 0.5) << L{20, 0, 0} << L{999, 0, 0};
        QTest::newRow("no window, large asymmetry from plain walls") << uniform(20) << L{50, 50, 0} << L{0, 0, 0};
        QTest::newRow("warm ceiling area, 20 K") << window(ceiling, 40) << L{0, 0, 20} << L{0, 0, warmCeiling(20)};
        QTest::newRow("cooled ceiling area, up-facing side warmer: warm-ceiling curve")
            << window(ceiling, 5) << L{0, 0, 4} << L{0, 0, warmCeiling(4)};
        QTest::newRow("heated floor under a ceiling area: cool-ceiling curve") << window(ceiling, 40) << L{0, 0, -15} << L{0, 0, coolCeiling(15)};
        QTest::newRow("heated floor area is not a ceiling area") << window(RoomSide::Floor, 28) << L{0, 0, -10} << L{0, 0, 0};
        QTest::newRow("no floor/ceiling asymmetry") << window(ceiling, 40) << L{0, 0, 0} << L{0, 0, 0};
        QTest::newRow("exactly 23.01 K gives 0") << window(ceiling, 40) << L{0, 0, 23.01} << L{0, 0, 0};
        QTest::newRow("just below 23.01 K on the curve") << window(ceiling, 40) << L{0, 0, 23.0099} << L{0, 0, warmCeiling(23.0099)};
        QTest::newRow("above 23.01 K out of range") << window(ceiling, 40) << L{0, 0, 23.02} << L{0, 0, 999};
        QTest::newRow("above 23.01 K out of range even without area") << uniform(20) << L{0, 0, -30} << L{0, 0, 999};
    }
    void asymmetry()
    {
        QFETCH(QList<double>, dt);
        const AsymmetryResult r = computeAsymmetry({dt[0], 0, dt[1], 0, 0, dt[2]}, fetch<RoomRadiantInput>("input"));
        QTEST(QList<double>({r.pdFrontBack, r.pdLeftRight, r.pdFloorCeiling}), "pd");
    }

    // Front/back (swapped: left/right) and floor/ceiling verdicts; points winter 20, summer 10
    // with every pair passing and the floor confirmed. A warm ceiling needs no ticked area.
    void verdicts_data()
    {
        QTest::addColumn<double>("pdWalls");
        QTest::addColumn<double>("pdFloorCeiling");
        QTest::addColumn<double>("ceilingAreaT");   // the ceiling itself is at 20 °C
        QTest::addColumn<bool>("wallsPass");
        QTest::addColumn<bool>("floorCeilingPasses");
        QTest::newRow("just below 1.01 % passes") << 1.0099 << 1.0099 << 0.0 << true << true;
        QTest::newRow("1.01 % fails") << 1.01 << 1.01 << 0.0 << false << false;
        QTest::newRow("walls 1.01 % alone fail") << 1.01 << 0.0 << 0.0 << false << true;
        QTest::newRow("warm ceiling, just below 5.01 % passes") << 0.0 << 5.0099 << 35.0 << true << true;
        QTest::newRow("warm ceiling, 5.01 % fails") << 0.0 << 5.01 << 35.0 << true << false;
        QTest::newRow("area as warm as the ceiling is not warm") << 0.0 << 3.0 << 20.0 << true << false;
    }
    void verdicts()
    {
        QFETCH(bool, wallsPass);
        QFETCH(bool, floorCeilingPasses);
        const RoomRadiantInput r = window(RoomSide::Ceiling, fetch<double>("ceilingAreaT"), false);
        AsymmetryResult a;
        a.pdFrontBack = fetch<double>("pdWalls");
        a.pdFloorCeiling = fetch<double>("pdFloorCeiling");
        const AsymmetryVerdicts v = judgeAsymmetry(a, r);
        std::swap(a.pdFrontBack, a.pdLeftRight);
        const AsymmetryVerdicts s = judgeAsymmetry(a, r);
        QCOMPARE(QList<bool>({v.frontBack, v.leftRight, s.frontBack, s.leftRight, v.floorCeiling}),
                 QList<bool>({wallsPass, true, true, wallsPass, floorCeilingPasses}));
        const int winter = wallsPass && floorCeilingPasses ? 20 : 0;
        QCOMPARE(QList<int>({radiationPoints(v, true, false), radiationPoints(s, true, true), radiationPoints(v, false, false)}),
                 QList<int>({winter, winter / 2, 0}));
    }
};

QTEST_GUILESS_MAIN(TestRadiant)
#include "tst_radiant.moc"
