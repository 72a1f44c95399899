// Radiant core: MRT by the surface and the plane method, radiation asymmetry after ISO 7730, the BNB verdicts.
#include "radiant/mrt.h"

#include <QtTest>

#include <cmath>
#include <numeric>

Q_DECLARE_METATYPE(RoomRadiantInput)

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

template <typename T>
T fetch(const char *column) { return *static_cast<T *>(QTest::qData(column, qMetaTypeId<T>())); }

QString fixed(double v, int decimals) { return QString::number(v, 'f', decimals); }

QString bits(const std::vector<bool> &v)
{
    return std::accumulate(v.begin(), v.end(), QString(), [](const QString &s, bool b) { return s + (b ? '1' : '0'); });
}

}

class TestRadiant : public QObject
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
};

QTEST_GUILESS_MAIN(TestRadiant)
#include "tst_radiant.moc"
