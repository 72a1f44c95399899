#include "radiant/mrt.h"

#include <QtTest>

#include <algorithm>
#include <cmath>
#include <limits>

Q_DECLARE_METATYPE(RoomRadiantInput)
Q_DECLARE_METATYPE(RoomGeometryProblem)

namespace {

constexpr double kKelvin = 273.15;

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
                          double z1, double z2)
{
    r.surface[side] = {r.surface[side].T, Tarea, true, g1, g2, z1, z2};
    return r;
}

RoomRadiantInput uniform(double t)
{
    return room(5, 6, 3, 2, 2.5, 1.1, {t, t, t, t, t, t});
}

}

class TestMrt : public QObject
{
    Q_OBJECT
private slots:
    void rooms_data();
    void rooms();
    void postureThresholds_data();
    void postureThresholds();
    void geometryCheck_data();
    void geometryCheck();
};

void TestMrt::rooms_data()
{
    // Plane and surface MRT, the six plane radiant temperatures (elements facing front,
    // back, right, left, floor, ceiling) and the three asymmetries, in °C and K to two
    // decimals. The plane values agree to 1e-8 K with view factors integrated numerically
    // (8-point Gauss-Legendre over the angle from the foot point); office and window are
    // the worked examples of the user documentation.
    QTest::addColumn<RoomRadiantInput>("input");
    QTest::addColumn<QString>("results");
    const RoomRadiantInput plain = uniform(20), office = room(5, 6, 3, 2, 2.5, 1.1, {20, 21, 22, 23, 24, 25});
    RoomRadiantInput unticked = withArea(office, RoomSide::Front, -40, -3, 9, 7, -1);
    unticked.surface[RoomSide::Front].hasArea = false;   // impossible entries, not used
    QTest::newRow("office, six surface temperatures") << office << "23.02 22.91 22.37 23.12 22.97 23.28 23.72 24.04 0.76 0.31 0.32";
    QTest::newRow("office, unticked impossible window") << unticked << "23.02 22.91 22.37 23.12 22.97 23.28 23.72 24.04 0.76 0.31 0.32";
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
}

void TestMrt::rooms()
{
    QFETCH(RoomRadiantInput, input);
    std::array<double, 6> tr;
    AsymmetryResult a;
    const double mrt[8] = {computeMrtPlane(input, tr, a), computeMrtSurface(input), tr[0] - kKelvin,
                           tr[1] - kKelvin, tr[2] - kKelvin, tr[3] - kKelvin, tr[4] - kKelvin, tr[5] - kKelvin};
    QStringList texts;
    for (double t : mrt)
        texts << QString::number(t, 'f', 2);
    for (double t : {a.dtFrontBack, a.dtLeftRight, a.dtFloorCeiling})
        texts << QString::number(t, 'f', 2);
    QTEST(texts.join(' '), "results");
    // Every result lies between the coldest and the warmest surface.
    double lo = 1e9, hi = -1e9;
    for (const RoomSurfaceInput &s : input.surface)
        for (double t : {s.T, s.hasArea ? s.Tarea : s.T})
            lo = std::min(lo, t - 1e-9), hi = std::max(hi, t + 1e-9);
    for (double t : mrt)
        QVERIFY2(t >= lo && t <= hi, qPrintable(QString::number(t)));
    // Each element's view factors sum to one; the surface behind it is not seen; an area
    // is part of its surface.
    for (int p = 0; p < 6; ++p) {
        std::array<double, 6> whole, area;
        planeViewFactors(input, p, whole, area);
        double sum = 0;
        for (int s = 0; s < 6; ++s) {
            QVERIFY(area[s] >= 0.0 && area[s] <= whole[s] + 1e-15);
            sum += whole[s];
        }
        QVERIFY(std::fabs(sum - 1.0) < 1e-12);
        QCOMPARE(whole[p ^ 1], 0.0);
    }
}

void TestMrt::postureThresholds_data()
{
    // Surface method standing when Zp - 0.60001 >= 0.000001, plane method when Zp >= 0.7 m.
    // Seated and standing differ by more than 0.1 K in this room: the ISO 7726 Annex B fits
    // for seated and standing persons (surface), the plane weights 0.30/0.22/0.18 seated and
    // 0.35/0.23/0.08 standing (plane).
    QTest::addColumn<double>("Zp");
    QTest::addColumn<QString>("results");   // surface, plane
    QTest::newRow("0.60001, the seated radio's own value: both seated") << 0.60001 << "24.30 24.38";
    QTest::newRow("0.6000105, within the 1e-6 margin: seated") << 0.6000105 << "24.30 24.38";
    QTest::newRow("0.60002: standing fit, seated weights") << 0.60002 << "24.08 24.38";
    QTest::newRow("just below 0.7") << 0.6999999 << "23.95 24.29";
    QTest::newRow("0.7 itself standing") << 0.7 << "23.95 24.05";
}

void TestMrt::postureThresholds()
{
    QFETCH(double, Zp);
    const RoomRadiantInput r = room(5, 6, 3, 2, 2.5, Zp, {16, 21, 22, 23, 28, 25});
    std::array<double, 6> t;
    AsymmetryResult asym;
    QTEST(QString::number(computeMrtSurface(r), 'f', 2) + ' ' + QString::number(computeMrtPlane(r, t, asym), 'f', 2), "results");
}

void TestMrt::geometryCheck_data()
{
    QTest::addColumn<RoomRadiantInput>("input");
    QTest::addColumn<RoomGeometryProblem>("problem");
    QTest::addColumn<int>("side");
    using R = RoomRadiantInput;
    using P = RoomGeometryProblem;
    const P none = P::None, dim = P::NonPositiveDimension, out = P::OccupantNotInside,
            fit = P::AreaDoesNotFit;
    const R r = uniform(20);   // 5 × 6 × 3 m, occupant at 2, 2.5, 1.1
    const double nan = std::numeric_limits<double>::quiet_NaN();
    auto set = [](R x, double R::*field, double v) {
        x.*field = v;
        return x;
    };
    QTest::newRow("plain room") << r << none << -1;
    QTest::newRow("zero width") << set(r, &R::W, 0) << dim << -1;
    QTest::newRow("height not a number") << set(r, &R::H, nan) << dim << -1;
    QTest::newRow("on the left wall") << set(r, &R::Xp, 0) << out << -1;
    QTest::newRow("on the floor") << set(r, &R::Zp, 0) << out << -1;
    QTest::newRow("front window filling the wall but a millimetre")
        << withArea(r, RoomSide::Front, 10, 0, 0.001, 0, 0.001) << none << -1;
    QTest::newRow("front window g1 + g2 = width")
        << withArea(r, RoomSide::Front, 10, 2, 3, 0.5, 0.5) << fit << int(RoomSide::Front);
    QTest::newRow("back window z1 + z2 = height")
        << withArea(r, RoomSide::Back, 10, 1, 1, 1.5, 1.5) << fit << int(RoomSide::Back);
    QTest::newRow("left window fits the depth 6 m, wider than the width 5 m")
        << withArea(r, RoomSide::Left, 10, 0.5, 0.4, 0.5, 0.5) << none << -1;
    QTest::newRow("left window negative edge distance")
        << withArea(r, RoomSide::Left, 10, -0.1, 1, 0.5, 0.5) << fit << int(RoomSide::Left);
    QTest::newRow("floor area 5.5 m deep fits the depth, exceeds the height")
        << withArea(r, RoomSide::Floor, 28, 1, 1, 0.25, 0.25) << none << -1;
    QTest::newRow("ceiling area g1 + g2 beyond width")
        << withArea(r, RoomSide::Ceiling, 28, 3, 2.5, 1, 1) << fit << int(RoomSide::Ceiling);
    QTest::newRow("ceiling edge distance not a number")
        << withArea(r, RoomSide::Ceiling, 28, nan, 1, 1, 1) << fit << int(RoomSide::Ceiling);
    QTest::newRow("dimension reported before a bad area")
        << set(withArea(r, RoomSide::Front, 10, -1, 1, 1, 1), &R::W, 0) << dim << -1;
}

void TestMrt::geometryCheck()
{
    QFETCH(RoomRadiantInput, input);
    const RoomGeometryCheck check = checkRoomGeometry(input);
    QTEST(check.problem, "problem");
    QTEST(check.side, "side");
    if (check.problem == RoomGeometryProblem::None) {
        std::array<double, 6> tr;
        AsymmetryResult asym;
        QVERIFY(std::isfinite(computeMrtPlane(input, tr, asym)));
        QVERIFY(std::isfinite(computeMrtSurface(input)));
    }
}

QTEST_GUILESS_MAIN(TestMrt)
#include "tst_mrt.moc"
