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

QString f2(double v)
{
    return QString::number(v, 'f', 2);
}

double pow4(double t)
{
    return t * t * t * t;
}

// Reference view factor by direct numerical integration:
// F = ∫ cosθ1 cosθ2 / (π r²) dA, θ1 at the plane element, θ2 at the surface. The
// rectangle is cut at the occupant's foot point, and each axis is integrated in the angle
// α = atan(s / c), which spreads the peak under the occupant evenly: 12 panels of 8-point
// Gauss-Legendre.
struct Rect3 {
    int normal;             // axis of the surface normal
    double at;              // coordinate of the surface plane along it [m]
    int u, v;               // in-plane axes
    double u1, u2, v1, v2;  // rectangle in room coordinates [m]
};

std::vector<std::pair<double, double>> angleNodes(double s1, double s2, double c)
{
    static const double x[4] = {0.1834346424956498, 0.5255324099163290, 0.7966664774136267,
                                0.9602898564975363};
    static const double w[4] = {0.3626837833783620, 0.3137066458778873, 0.2223810344533745,
                                0.1012285362903763};
    std::vector<std::pair<double, double>> nodes;   // (offset from the foot point, weight)
    const double a1 = std::atan(s1 / c), h = (std::atan(s2 / c) - a1) / 12;
    for (int p = 0; p < 12; ++p)
        for (int i = 0; i < 8; ++i) {
            const double a = a1 + h * (p + 0.5 + 0.5 * (i < 4 ? -x[i] : x[i - 4]));
            const double sec = 1.0 / std::cos(a);
            nodes.push_back({c * std::tan(a), 0.5 * h * w[i % 4] * c * sec * sec});
        }
    return nodes;
}

double referenceFactor(const double P[3], int planeAxis, double planeSign, const Rect3 &r)
{
    const double c = std::fabs(r.at - P[r.normal]);
    const double ucut = std::clamp(P[r.u], r.u1, r.u2), vcut = std::clamp(P[r.v], r.v1, r.v2);
    const double ub[3] = {r.u1, ucut, r.u2}, vb[3] = {r.v1, vcut, r.v2};
    double total = 0.0;
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 2; ++j) {
            if (ub[i + 1] <= ub[i] || vb[j + 1] <= vb[j])
                continue;
            for (const auto &[du, wu] : angleNodes(ub[i] - P[r.u], ub[i + 1] - P[r.u], c))
                for (const auto &[dv, wv] : angleNodes(vb[j] - P[r.v], vb[j + 1] - P[r.v], c)) {
                    double d[3];
                    d[r.normal] = r.at - P[r.normal];
                    d[r.u] = du;
                    d[r.v] = dv;
                    const double r2 = d[0] * d[0] + d[1] * d[1] + d[2] * d[2];
                    total += wu * wv * std::max(0.0, planeSign * d[planeAxis]) * c
                        / (M_PI * r2 * r2);
                }
        }
    return total;
}

// A surface, or its area written out from the edge distances, in room coordinates.
Rect3 rect(const RoomRadiantInput &r, int side, bool area)
{
    const RoomSurfaceInput s = area ? r.surface[side] : RoomSurfaceInput{};   // whole: all 0
    switch (side) {
    case RoomSide::Front: return {1, 0, 0, 2, s.g1, r.W - s.g2, s.z2, r.H - s.z1};
    case RoomSide::Back: return {1, r.D, 0, 2, s.g2, r.W - s.g1, s.z2, r.H - s.z1};
    case RoomSide::Right: return {0, r.W, 1, 2, s.g1, r.D - s.g2, s.z2, r.H - s.z1};
    case RoomSide::Left: return {0, 0, 1, 2, s.g2, r.D - s.g1, s.z2, r.H - s.z1};
    default: return {2, side == RoomSide::Floor ? 0 : r.H, 0, 1,
                     s.g1, r.W - s.g2, s.z1, r.D - s.z2};
    }
}

void referenceFactors(const RoomRadiantInput &r, int plane, std::array<double, 6> &whole,
                      std::array<double, 6> &area)
{
    static const int axis[6] = {1, 1, 0, 0, 2, 2};   // element faces -y, +y, +x, -x, -z, +z
    static const double sign[6] = {-1, +1, +1, -1, -1, +1};
    const double P[3] = {r.Xp, r.Yp, r.Zp};
    for (int s = 0; s < 6; ++s) {
        whole[s] = referenceFactor(P, axis[plane], sign[plane], rect(r, s, false));
        area[s] = r.surface[s].hasArea
            ? referenceFactor(P, axis[plane], sign[plane], rect(r, s, true)) : 0.0;
    }
}

void addRooms()
{
    QTest::addColumn<RoomRadiantInput>("input");
    const RoomRadiantInput plain = uniform(20);
    const RoomRadiantInput warm = room(5, 6, 3, 2, 2.5, 1.1, {26, 26, 27, 26, 25, 26});
    QTest::newRow("office, six surface temperatures, no area")
        << room(5, 6, 3, 2, 2.5, 1.1, {20, 21, 22, 23, 24, 25});
    QTest::newRow("front window around the foot point")
        << withArea(plain, RoomSide::Front, 10, 1, 1, 0.5, 0.8);
    QTest::newRow("front window wholly beside the foot point")
        << withArea(plain, RoomSide::Front, 8, 2.6, 0.4, 0.4, 0.9);
    QTest::newRow("window edges on the foot point, ceiling-area corner above it")
        << withArea(withArea(plain, RoomSide::Front, 10, 2.0, 1.0, 0.5, 1.1), RoomSide::Ceiling,
                    30, 2.0, 1.0, 2.5, 1.0);
    QTest::newRow("heated floor area under the occupant")
        << withArea(plain, RoomSide::Floor, 27, 0.5, 0.5, 0.5, 0.5);
    QTest::newRow("cooled ceiling over the occupant")
        << withArea(warm, RoomSide::Ceiling, 17, 0.5, 0.5, 0.5, 0.5);
    QTest::newRow("seated in a corner of a small room, every surface with an area")
        << withArea(withArea(withArea(withArea(withArea(withArea(
               room(3, 4, 2.5, 0.4, 0.3, 0.6, {18, 22, 21, 19, 23, 20}),
               RoomSide::Front, 6, 0.6, 0.6, 0.8, 0.9), RoomSide::Back, 24, 0.5, 1.5, 0.5, 1.0),
               RoomSide::Right, 11, 0.2, 3.0, 0.3, 0.3), RoomSide::Left, 9, 0.1, 3.2, 0.6, 0.9),
               RoomSide::Floor, 28, 1.0, 0.2, 1.0, 1.0), RoomSide::Ceiling, 30, 0.1, 2.5, 2.0, 0.5);
}

// ISO 7726 Annex B angle factors for a room without areas: four corner rectangles per
// surface, with the published coefficients fmax, A, B, C, D, E.
double isoRoomMrt(const RoomRadiantInput &r, bool standing)
{
    static const double fit[4][6] = {{0.120, 1.242, 0.167, 0.616, 0.082, 0.051},   // stand, wall
                                     {0.116, 1.595, 0.128, 1.226, 0.046, 0.044},   // stand, flat
                                     {0.118, 1.216, 0.169, 0.717, 0.087, 0.052},   // sit, wall
                                     {0.116, 1.396, 0.130, 0.951, 0.080, 0.055}};  // sit, flat
    const double c[6] = {r.Yp, r.D - r.Yp, r.W - r.Xp, r.Xp, r.Zp, r.H - r.Zp};
    double sum = 0, weight = 0;
    for (int s = 0; s < 6; ++s) {
        const bool flat = s >= RoomSide::Floor, alongX = flat || s <= RoomSide::Back;
        const double *k = fit[(standing ? 0 : 2) + flat];
        const double a[2] = {alongX ? r.Xp : r.Yp, alongX ? r.W - r.Xp : r.D - r.Yp};
        const double b[2] = {flat ? r.Yp : r.Zp, flat ? r.D - r.Yp : r.H - r.Zp};
        double f = 0;
        for (double ai : a)
            for (double bi : b) {
                const double x = ai / c[s], y = bi / c[s];
                f += k[0] * (1 - std::exp(-x / (k[1] + k[2] * x)))
                    * (1 - std::exp(-y / (k[3] + k[4] * y + k[5] * x)));
            }
        sum += f * pow4(r.surface[s].T + kKelvin);
        weight += f;
    }
    return std::pow(sum / weight, 0.25) - kKelvin;
}

}

class TestMrt : public QObject
{
    Q_OBJECT
private slots:
    void viewFactorsMatchNumericalIntegration_data() { addRooms(); }
    void viewFactorsMatchNumericalIntegration();
    void resultsLieBetweenColdestAndWarmest_data();
    void resultsLieBetweenColdestAndWarmest();
    void publishedExamples();
    void untickedAreaIsIgnored();
    void postureThresholds_data();
    void postureThresholds();
    void geometryCheck_data();
    void geometryCheck();
};

void TestMrt::viewFactorsMatchNumericalIntegration()
{
    // Also: the factors of each element sum to one.
    QFETCH(RoomRadiantInput, input);
    std::array<double, 6> tr;
    AsymmetryResult asym;
    computeMrtPlane(input, tr, asym);
    for (int plane = 0; plane < 6; ++plane) {
        std::array<double, 6> whole, area, refWhole, refArea;
        planeViewFactors(input, plane, whole, area);
        referenceFactors(input, plane, refWhole, refArea);
        const QByteArray element = "plane " + QByteArray::number(plane);
        double sum = 0, refSum = 0, ref4 = 0;
        for (int s = 0; s < 6; ++s) {
            const QByteArray where = element + " surface " + QByteArray::number(s);
            QVERIFY2(std::fabs(whole[s] - refWhole[s]) < 1e-10, where);
            QVERIFY2(std::fabs(area[s] - refArea[s]) < 1e-10, where);
            QVERIFY2(area[s] >= 0.0 && area[s] <= whole[s] + 1e-15, where);
            sum += whole[s];
            refSum += refWhole[s];
            ref4 += (refWhole[s] - refArea[s]) * pow4(input.surface[s].T + kKelvin)
                + refArea[s] * pow4(input.surface[s].Tarea + kKelvin);
        }
        QVERIFY2(std::fabs(sum - 1.0) < 1e-12, element);
        QCOMPARE(whole[plane ^ 1], 0.0);   // the element facing away does not see it
        QVERIFY2(std::fabs(tr[plane] - std::pow(ref4 / refSum, 0.25)) < 1e-8, element);
    }
}

void TestMrt::resultsLieBetweenColdestAndWarmest_data()
{
    addRooms();
    // Far colder (warmer) areas beside the foot point: a mirror image added instead of
    // subtracted would push the result out of the range of the temperatures.
    QTest::newRow("cold window beside the foot point, surface method's worst case")
        << withArea(room(5, 6, 3, 0.5, 0.5, 0.6, {20, 20, 20, 20, 20, 20}), RoomSide::Front,
                    -10, 1.5, 0.2, 0.2, 0.2);
    QTest::newRow("hot floor strip beside the occupant")
        << withArea(room(5, 6, 3, 0.5, 0.5, 1.1, {18, 18, 18, 18, 18, 18}), RoomSide::Floor,
                    60, 1.0, 0.1, 1.0, 0.1);
    // A uniform room gives its temperature anywhere, by both methods (within 1e-9 K).
    QTest::newRow("uniform 22 °C, centre, standing")
        << room(4, 4, 3, 2, 2, 1.0, {22, 22, 22, 22, 22, 22});
    QTest::newRow("uniform 35 °C, close under the ceiling")
        << room(8, 3, 2.6, 7.0, 1.0, 2.55, {35, 35, 35, 35, 35, 35});
    QTest::newRow("uniform 21 °C, areas ticked at the room temperature")
        << withArea(withArea(uniform(21), RoomSide::Front, 21, 0.5, 3.0, 0.5, 0.5),
                    RoomSide::Ceiling, 21, 1, 1, 1, 1);
}

void TestMrt::resultsLieBetweenColdestAndWarmest()
{
    QFETCH(RoomRadiantInput, input);
    double lo = std::numeric_limits<double>::infinity(), hi = -lo;
    for (const RoomSurfaceInput &s : input.surface)
        for (double t : {s.T, s.hasArea ? s.Tarea : s.T}) {
            lo = std::min(lo, t - 1e-9);
            hi = std::max(hi, t + 1e-9);
        }
    std::array<double, 6> tr;
    AsymmetryResult asym;
    for (double t : {computeMrtPlane(input, tr, asym), computeMrtSurface(input), tr[0] - kKelvin,
                     tr[1] - kKelvin, tr[2] - kKelvin, tr[3] - kKelvin, tr[4] - kKelvin,
                     tr[5] - kKelvin})
        QVERIFY2(t >= lo && t <= hi, qPrintable(f2(t)));
}

void TestMrt::publishedExamples()
{
    // Point at 1.1 m (standing weights: Zp >= 0.7) in a 5 × 6 × 3 m room.
    const RoomRadiantInput office = room(5, 6, 3, 2, 2.5, 1.1, {20, 21, 22, 23, 24, 25});
    std::array<double, 6> tr;
    AsymmetryResult a;
    QCOMPARE(f2(computeMrtPlane(office, tr, a)), "23.02");
    const char *expected[6] = {"22.37", "23.12", "22.97", "23.28", "23.72", "24.04"};
    for (int p = 0; p < 6; ++p)
        QCOMPARE(f2(tr[p] - kKelvin), expected[p]);
    QCOMPARE(f2(computeMrtSurface(office)), "22.91");

    const RoomRadiantInput window = withArea(uniform(20), RoomSide::Front, 10, 1, 1, 0.5, 0.8);
    QCOMPARE(f2(computeMrtPlane(window, tr, a)), "19.44");
    QCOMPARE(f2(computeMrtSurface(window)), "19.40");
    QCOMPARE(QStringList({f2(a.dtFrontBack), f2(a.dtLeftRight), f2(a.dtFloorCeiling)}),
             QStringList({"1.71", "0.23", "0.33"}));
    QCOMPARE(QStringList({f2(a.pdFrontBack), f2(a.pdLeftRight), f2(a.pdFloorCeiling)}),
             QStringList({"0.24", "0.00", "0.00"}));
    const AsymmetryVerdicts v = judgeAsymmetry(a, window);
    QVERIFY(v.frontBack && v.leftRight && v.floorCeiling);
    QCOMPARE(radiationPoints(v, true, false), 20);
}

void TestMrt::untickedAreaIsIgnored()
{
    // An unticked area keeps whatever the user typed, even impossible edge distances.
    const RoomRadiantInput plain = room(5, 6, 3, 2, 2.5, 1.1, {20, 21, 22, 23, 24, 25});
    RoomRadiantInput r = withArea(plain, RoomSide::Front, -40, -3, 9, 7, -1);
    r.surface[RoomSide::Front].hasArea = false;
    QCOMPARE(checkRoomGeometry(r).problem, RoomGeometryProblem::None);
    std::array<double, 6> a, b;
    AsymmetryResult x, y;
    QCOMPARE(computeMrtPlane(r, a, x), computeMrtPlane(plain, b, y));
    QCOMPARE(a, b);
    QCOMPARE(computeMrtSurface(r), computeMrtSurface(plain));
}

void TestMrt::postureThresholds_data()
{
    // Surface method standing when Zp - 0.60001 >= 0.000001, plane method when Zp >= 0.7 m.
    QTest::addColumn<double>("Zp");
    QTest::addColumn<bool>("surfaceStanding");
    QTest::addColumn<bool>("planeStanding");
    QTest::newRow("0.60001, the seated radio's own value") << 0.60001 << false << false;
    QTest::newRow("0.6000105, within the 1e-6 margin: seated") << 0.6000105 << false << false;
    QTest::newRow("0.60002: standing fit, seated weights") << 0.60002 << true << false;
    QTest::newRow("just below 0.7") << 0.6999999 << true << false;
    QTest::newRow("0.7 itself standing") << 0.7 << true << true;
}

void TestMrt::postureThresholds()
{
    QFETCH(double, Zp);
    QFETCH(bool, surfaceStanding);
    QFETCH(bool, planeStanding);
    const RoomRadiantInput r = room(5, 6, 3, 2, 2.5, Zp, {16, 21, 22, 23, 28, 25});
    const double stand = isoRoomMrt(r, true), sit = isoRoomMrt(r, false);
    QVERIFY(std::fabs(stand - sit) > 0.01);   // the two fits are told apart
    QVERIFY(std::fabs(computeMrtSurface(r) - (surfaceStanding ? stand : sit)) < 1e-9);

    std::array<double, 6> t;
    AsymmetryResult asym;
    const double mrt = computeMrtPlane(r, t, asym);
    const double fb = t[0] + t[1], rl = t[2] + t[3], fc = t[4] + t[5];
    // ISO 7726 weights; the standing divisor is the double 2 × (0.35 + 0.23 + 0.08) < 1.32.
    const double standW = (0.35 * fb + 0.23 * rl + 0.08 * fc) / 1.3199999999999998 - kKelvin;
    const double sitW = (0.30 * fb + 0.22 * rl + 0.18 * fc) / 1.4 - kKelvin;
    QVERIFY(std::fabs(standW - sitW) > 0.01);
    QCOMPARE_EQ(mrt, planeStanding ? standW : sitW);
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
