#include "radiant/mrt.h"

#include <QtTest>

#include <algorithm>
#include <cmath>
#include <limits>

Q_DECLARE_METATYPE(RoomRadiantInput)

namespace {

constexpr double kKelvin = 273.15;

RoomRadiantInput room(double W, double D, double H, double Xp, double Yp, double Zp,
                      std::array<double, 6> T)
{
    RoomRadiantInput r;
    r.W = W;
    r.D = D;
    r.H = H;
    r.Xp = Xp;
    r.Yp = Yp;
    r.Zp = Zp;
    for (int s = 0; s < 6; ++s)
        r.surface[s].T = T[s];
    return r;
}

RoomRadiantInput withArea(RoomRadiantInput r, int side, double Tarea, double g1, double g2,
                          double z1, double z2)
{
    RoomSurfaceInput &s = r.surface[side];
    s.hasArea = true;
    s.Tarea = Tarea;
    s.g1 = g1;
    s.g2 = g2;
    s.z1 = z1;
    s.z2 = z2;
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

// ---- reference: direct numerical integration of the view factor -----------------------
//
// F = ∫ cosθ1 cosθ2 / (π r²) dA over the rectangle, θ1 at the plane element, θ2 at the
// surface. The rectangle is cut at the occupant's foot point so that each piece lies on one
// side of every element plane, and each axis is integrated in the angle α = atan(s / c),
// which spreads the peak under the occupant evenly: composite Gauss-Legendre, 12 panels of
// 8 points per axis.

struct Rect3 {
    int normal;             // axis of the surface normal
    double at;              // coordinate of the surface plane along it [m]
    int u, v;               // in-plane axes
    double u1, u2, v1, v2;  // rectangle in room coordinates [m]
};

// Gauss-Legendre nodes and weights on [-1, 1]: Newton's method on the Legendre polynomial.
struct GaussRule {
    std::vector<double> x, w;
};

GaussRule gaussLegendre(int n)
{
    GaussRule g;
    for (int i = 0; i < n; ++i) {
        double x = std::cos(M_PI * (i + 0.75) / (n + 0.5));
        double dp = 0;
        for (int it = 0; it < 100; ++it) {
            double p0 = 1, p1 = x;
            for (int k = 2; k <= n; ++k) {
                const double p2 = ((2 * k - 1) * x * p1 - (k - 1) * p0) / k;
                p0 = p1;
                p1 = p2;
            }
            dp = n * (x * p1 - p0) / (x * x - 1);
            const double dx = p1 / dp;
            x -= dx;
            if (std::fabs(dx) < 1e-16)
                break;
        }
        g.x.push_back(x);
        g.w.push_back(2 / ((1 - x * x) * dp * dp));
    }
    return g;
}

// Quadrature nodes for ∫ f(s) ds over [s1, s2] (offsets from the foot point), as
// (offset, weight) pairs in the angle variable.
std::vector<std::pair<double, double>> angleNodes(double s1, double s2, double c)
{
    std::vector<std::pair<double, double>> nodes;
    const double a1 = std::atan(s1 / c), a2 = std::atan(s2 / c);
    static const GaussRule rule = gaussLegendre(8);
    const int panels = 12;
    const double h = (a2 - a1) / panels;
    for (int p = 0; p < panels; ++p)
        for (int i = 0; i < 8; ++i) {
            const double a = a1 + h * (p + 0.5 + 0.5 * rule.x[i]);
            const double sec = 1.0 / std::cos(a);
            nodes.push_back({c * std::tan(a), 0.5 * h * rule.w[i] * c * sec * sec});
        }
    return nodes;
}

double referenceFactor(const double P[3], int planeAxis, double planeSign, const Rect3 &r)
{
    const double c = std::fabs(r.at - P[r.normal]);
    double total = 0.0;
    // Cut at the foot point.
    const double ucut = std::clamp(P[r.u], r.u1, r.u2), vcut = std::clamp(P[r.v], r.v1, r.v2);
    const double ub[3] = {r.u1, ucut, r.u2}, vb[3] = {r.v1, vcut, r.v2};
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 2; ++j) {
            if (ub[i + 1] <= ub[i] || vb[j + 1] <= vb[j])
                continue;
            const auto un = angleNodes(ub[i] - P[r.u], ub[i + 1] - P[r.u], c);
            const auto vn = angleNodes(vb[j] - P[r.v], vb[j + 1] - P[r.v], c);
            for (const auto &[du, wu] : un)
                for (const auto &[dv, wv] : vn) {
                    double d[3];
                    d[r.normal] = r.at - P[r.normal];
                    d[r.u] = du;
                    d[r.v] = dv;
                    const double r2 = d[0] * d[0] + d[1] * d[1] + d[2] * d[2];
                    const double cos1 = std::max(0.0, planeSign * d[planeAxis]);
                    total += wu * wv * cos1 * c / (M_PI * r2 * r2);
                }
        }
    return total;
}

// The surfaces and their areas in room coordinates, written out from the edge distances.
Rect3 wholeRect(const RoomRadiantInput &r, int side)
{
    switch (side) {
    case RoomSide::Front: return {1, 0.0, 0, 2, 0, r.W, 0, r.H};
    case RoomSide::Back: return {1, r.D, 0, 2, 0, r.W, 0, r.H};
    case RoomSide::Right: return {0, r.W, 1, 2, 0, r.D, 0, r.H};
    case RoomSide::Left: return {0, 0.0, 1, 2, 0, r.D, 0, r.H};
    case RoomSide::Floor: return {2, 0.0, 0, 1, 0, r.W, 0, r.D};
    default: return {2, r.H, 0, 1, 0, r.W, 0, r.D};
    }
}

Rect3 areaRect(const RoomRadiantInput &r, int side)
{
    const RoomSurfaceInput &s = r.surface[side];
    Rect3 a = wholeRect(r, side);
    switch (side) {
    case RoomSide::Front:   // g1 from the left wall, z1 from the ceiling
    case RoomSide::Right:   // g1 from the front wall
        a.u1 = s.g1, a.u2 = a.u2 - s.g2, a.v1 = s.z2, a.v2 = a.v2 - s.z1;
        break;
    case RoomSide::Back:    // g1 from the right wall
    case RoomSide::Left:    // g1 from the back wall
        a.u1 = s.g2, a.u2 = a.u2 - s.g1, a.v1 = s.z2, a.v2 = a.v2 - s.z1;
        break;
    default:                // floor, ceiling: g1 from the left wall, z1 from the front wall
        a.u1 = s.g1, a.u2 = a.u2 - s.g2, a.v1 = s.z1, a.v2 = a.v2 - s.z2;
        break;
    }
    return a;
}

// Plane element p faces -y, +y, +x, -x, -z, +z.
const int kPlaneAxis[6] = {1, 1, 0, 0, 2, 2};
const double kPlaneSign[6] = {-1, +1, +1, -1, -1, +1};

void referenceFactors(const RoomRadiantInput &r, int plane, std::array<double, 6> &whole,
                      std::array<double, 6> &area)
{
    const double P[3] = {r.Xp, r.Yp, r.Zp};
    for (int s = 0; s < 6; ++s) {
        whole[s] = referenceFactor(P, kPlaneAxis[plane], kPlaneSign[plane], wholeRect(r, s));
        area[s] = r.surface[s].hasArea
            ? referenceFactor(P, kPlaneAxis[plane], kPlaneSign[plane], areaRect(r, s))
            : 0.0;
    }
}

double referencePlaneTemperature(const RoomRadiantInput &r, int plane)
{
    std::array<double, 6> whole, area;
    referenceFactors(r, plane, whole, area);
    double sum = 0, weight = 0;
    for (int s = 0; s < 6; ++s) {
        sum += (whole[s] - area[s]) * std::pow(r.surface[s].T + kKelvin, 4)
            + area[s] * std::pow(r.surface[s].Tarea + kKelvin, 4);
        weight += whole[s];
    }
    return std::pow(sum / weight, 0.25);
}

// Extreme temperatures of what the computation uses: every surface, and the ticked areas.
void temperatureRange(const RoomRadiantInput &r, double &lo, double &hi)
{
    lo = std::numeric_limits<double>::infinity();
    hi = -lo;
    for (const RoomSurfaceInput &s : r.surface) {
        lo = std::min(lo, s.T);
        hi = std::max(hi, s.T);
        if (s.hasArea) {
            lo = std::min(lo, s.Tarea);
            hi = std::max(hi, s.Tarea);
        }
    }
}

void addRooms()
{
    QTest::addColumn<RoomRadiantInput>("input");
    const RoomRadiantInput office = room(5, 6, 3, 2, 2.5, 1.1, {20, 21, 22, 23, 24, 25});
    const RoomRadiantInput plain = uniform(20);
    QTest::newRow("office, six surface temperatures, no area") << office;
    QTest::newRow("front window around the foot point")
        << withArea(plain, RoomSide::Front, 10, 1, 1, 0.5, 0.8);
    QTest::newRow("front window wholly beside the foot point")
        << withArea(plain, RoomSide::Front, 8, 2.6, 0.4, 0.4, 0.9);
    QTest::newRow("front window left of the foot point, edge exactly on it")
        << withArea(plain, RoomSide::Front, 8, 0.5, 3.0, 0.4, 0.9);
    QTest::newRow("back window above head height")
        << withArea(plain, RoomSide::Back, 5, 0.3, 2.2, 0.2, 1.5);
    QTest::newRow("left-wall window beside, right-wall window around")
        << withArea(withArea(office, RoomSide::Left, 12, 3.5, 0.5, 0.6, 0.9),
                    RoomSide::Right, 14, 1.0, 2.0, 0.5, 0.5);
    QTest::newRow("heated floor area off to one corner")
        << withArea(plain, RoomSide::Floor, 29, 3.0, 0.5, 3.5, 0.5);
    QTest::newRow("heated floor area under the occupant")
        << withArea(plain, RoomSide::Floor, 27, 0.5, 0.5, 0.5, 0.5);
    QTest::newRow("cooled ceiling over the occupant")
        << withArea(room(5, 6, 3, 2, 2.5, 1.1, {26, 26, 27, 26, 25, 26}), RoomSide::Ceiling,
                    17, 0.5, 0.5, 0.5, 0.5);
    QTest::newRow("cooled ceiling strip beside the occupant")
        << withArea(room(5, 6, 3, 2, 2.5, 1.1, {26, 26, 27, 26, 25, 26}), RoomSide::Ceiling,
                    17, 3.2, 0.3, 0.5, 0.5);
    QTest::newRow("seated in a corner of a small room, every surface with an area")
        << withArea(withArea(withArea(withArea(withArea(withArea(
               room(3, 4, 2.5, 0.4, 0.3, 0.6, {18, 22, 21, 19, 23, 20}),
               RoomSide::Front, 6, 0.6, 0.6, 0.8, 0.9), RoomSide::Back, 24, 0.5, 1.5, 0.5, 1.0),
               RoomSide::Right, 11, 0.2, 3.0, 0.3, 0.3), RoomSide::Left, 9, 0.1, 3.2, 0.6, 0.9),
               RoomSide::Floor, 28, 1.0, 0.2, 1.0, 1.0), RoomSide::Ceiling, 30, 0.1, 2.5, 2.0, 0.5);
    QTest::newRow("standing in a tall hall with a glazed front")
        << withArea(room(20, 12, 8, 15, 2, 1.7, {19, 21, 21, 21, 22, 24}), RoomSide::Front,
                    4, 0.5, 0.5, 0.5, 0.5);
}

}

class TestMrt : public QObject
{
    Q_OBJECT
private slots:
    void viewFactorsMatchNumericalIntegration_data();
    void viewFactorsMatchNumericalIntegration();
    void planeRadiantTemperaturesMatchIntegration_data();
    void planeRadiantTemperaturesMatchIntegration();
    void factorsOfEachElementSumToOne_data();
    void factorsOfEachElementSumToOne();
    void resultsLieBetweenColdestAndWarmest_data();
    void resultsLieBetweenColdestAndWarmest();
    void publishedOffice();
    void publishedFrontWindow();
    void uniformRoomGivesItsTemperature_data();
    void uniformRoomGivesItsTemperature();
    void untickedAreaIsIgnored();
    void areaAtWallTemperatureChangesNothing();
    void centredWarmCeilingIsSymmetric();
    void surfaceMethodPostureThreshold_data();
    void surfaceMethodPostureThreshold();
    void planeMethodPostureWeights_data();
    void planeMethodPostureWeights();
    void geometryCheck_data();
    void geometryCheck();
    void areaEdgeOnFootPointGivesNumbers();
};

void TestMrt::viewFactorsMatchNumericalIntegration_data()
{
    addRooms();
}

void TestMrt::viewFactorsMatchNumericalIntegration()
{
    QFETCH(RoomRadiantInput, input);
    for (int plane = 0; plane < 6; ++plane) {
        std::array<double, 6> whole, area, refWhole, refArea;
        planeViewFactors(input, plane, whole, area);
        referenceFactors(input, plane, refWhole, refArea);
        for (int s = 0; s < 6; ++s) {
            const QByteArray where = QByteArray("plane ") + QByteArray::number(plane)
                + " surface " + QByteArray::number(s);
            QVERIFY2(std::fabs(whole[s] - refWhole[s]) < 1e-10, where + " " + QByteArray::number(whole[s], 'g', 15) + " " + QByteArray::number(refWhole[s], 'g', 15));
            QVERIFY2(std::fabs(area[s] - refArea[s]) < 1e-10, where);
        }
    }
}

void TestMrt::planeRadiantTemperaturesMatchIntegration_data()
{
    addRooms();
}

void TestMrt::planeRadiantTemperaturesMatchIntegration()
{
    QFETCH(RoomRadiantInput, input);
    std::array<double, 6> tr;
    AsymmetryResult asym;
    computeMrtPlane(input, tr, asym);
    for (int plane = 0; plane < 6; ++plane)
        QVERIFY2(std::fabs(tr[plane] - referencePlaneTemperature(input, plane)) < 1e-8,
                 QByteArray::number(plane));
}

void TestMrt::factorsOfEachElementSumToOne_data()
{
    addRooms();
}

void TestMrt::factorsOfEachElementSumToOne()
{
    QFETCH(RoomRadiantInput, input);
    for (int plane = 0; plane < 6; ++plane) {
        std::array<double, 6> whole, area;
        planeViewFactors(input, plane, whole, area);
        double sum = 0;
        for (int s = 0; s < 6; ++s) {
            sum += whole[s];
            QVERIFY(area[s] >= 0.0);
            QVERIFY(area[s] <= whole[s] + 1e-15);
        }
        QVERIFY2(std::fabs(sum - 1.0) < 1e-12, QByteArray::number(plane));
        // The element facing away from a surface does not see it.
        const int opposite = plane ^ 1;
        QCOMPARE(whole[opposite], 0.0);
    }
}

void TestMrt::resultsLieBetweenColdestAndWarmest_data()
{
    addRooms();
    // A window beside the foot point far colder (warmer) than its room: a mirror image
    // added instead of subtracted would push the result out of the range.
    QTest::newRow("cold window beside the foot point, surface method's worst case")
        << withArea(room(5, 6, 3, 0.5, 0.5, 0.6, {20, 20, 20, 20, 20, 20}), RoomSide::Front,
                    -10, 1.5, 0.2, 0.2, 0.2);
    QTest::newRow("hot floor strip beside the occupant")
        << withArea(room(5, 6, 3, 0.5, 0.5, 1.1, {18, 18, 18, 18, 18, 18}), RoomSide::Floor,
                    60, 1.0, 0.1, 1.0, 0.1);
}

void TestMrt::resultsLieBetweenColdestAndWarmest()
{
    QFETCH(RoomRadiantInput, input);
    double lo, hi;
    temperatureRange(input, lo, hi);
    const double eps = 1e-9;
    std::array<double, 6> tr;
    AsymmetryResult asym;
    const double plane = computeMrtPlane(input, tr, asym);
    const double surface = computeMrtSurface(input);
    QVERIFY2(plane >= lo - eps && plane <= hi + eps, qPrintable(f2(plane)));
    QVERIFY2(surface >= lo - eps && surface <= hi + eps, qPrintable(f2(surface)));
    for (double t : tr)
        QVERIFY2(t - kKelvin >= lo - eps && t - kKelvin <= hi + eps, qPrintable(f2(t - kKelvin)));
}

void TestMrt::publishedOffice()
{
    // Seated-height point 1.1 m (standing weights: Zp >= 0.7) in a 5 × 6 × 3 m room.
    const RoomRadiantInput office = room(5, 6, 3, 2, 2.5, 1.1, {20, 21, 22, 23, 24, 25});
    std::array<double, 6> tr;
    AsymmetryResult asym;
    QCOMPARE(f2(computeMrtPlane(office, tr, asym)), "23.02");
    const char *expected[6] = {"22.37", "23.12", "22.97", "23.28", "23.72", "24.04"};
    for (int p = 0; p < 6; ++p)
        QCOMPARE(f2(tr[p] - kKelvin), expected[p]);
    QCOMPARE(f2(computeMrtSurface(office)), "22.91");
}

void TestMrt::publishedFrontWindow()
{
    const RoomRadiantInput r = withArea(uniform(20), RoomSide::Front, 10, 1, 1, 0.5, 0.8);
    std::array<double, 6> tr;
    AsymmetryResult asym;
    QCOMPARE(f2(computeMrtPlane(r, tr, asym)), "19.44");
    QCOMPARE(f2(asym.dtFrontBack), "1.71");
    QCOMPARE(f2(asym.dtLeftRight), "0.23");
    QCOMPARE(f2(asym.dtFloorCeiling), "0.33");
    QCOMPARE(f2(asym.pdFrontBack), "0.24");
    QCOMPARE(f2(asym.pdLeftRight), "0.00");
    QCOMPARE(f2(asym.pdFloorCeiling), "0.00");
    const AsymmetryVerdicts v = judgeAsymmetry(asym, r);
    QVERIFY(v.frontBack && v.leftRight && v.floorCeiling);
    QCOMPARE(radiationPoints(v, true, false), 20);
    QCOMPARE(f2(computeMrtSurface(r)), "19.40");
}

void TestMrt::uniformRoomGivesItsTemperature_data()
{
    QTest::addColumn<RoomRadiantInput>("input");
    QTest::addColumn<double>("t");
    QTest::newRow("22 °C, centre, standing") << room(4, 4, 3, 2, 2, 1.0, {22, 22, 22, 22, 22, 22})
                                            << 22.0;
    QTest::newRow("-5 °C, near a corner, seated")
        << room(5, 6, 3, 0.1, 5.9, 0.6, {-5, -5, -5, -5, -5, -5}) << -5.0;
    QTest::newRow("35 °C, close under the ceiling")
        << room(8, 3, 2.6, 7.0, 1.0, 2.55, {35, 35, 35, 35, 35, 35}) << 35.0;
    QTest::newRow("areas ticked at the room temperature")
        << withArea(withArea(room(5, 6, 3, 2, 2.5, 1.1, {21, 21, 21, 21, 21, 21}),
                             RoomSide::Front, 21, 0.5, 3.0, 0.5, 0.5),
                    RoomSide::Ceiling, 21, 1, 1, 1, 1)
        << 21.0;
}

void TestMrt::uniformRoomGivesItsTemperature()
{
    QFETCH(RoomRadiantInput, input);
    QFETCH(double, t);
    std::array<double, 6> tr;
    AsymmetryResult asym;
    QVERIFY(std::fabs(computeMrtPlane(input, tr, asym) - t) < 1e-9);
    QVERIFY(std::fabs(computeMrtSurface(input) - t) < 1e-9);
    for (double x : tr)
        QVERIFY(std::fabs(x - kKelvin - t) < 1e-9);
    QCOMPARE(asym.pdFrontBack, 0.0);
    QCOMPARE(asym.pdLeftRight, 0.0);
    QCOMPARE(asym.pdFloorCeiling, 0.0);
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

void TestMrt::areaAtWallTemperatureChangesNothing()
{
    // Rest plus area must rebuild the whole surface, wherever the area lies.
    const RoomRadiantInput plain = room(5, 6, 3, 2, 2.5, 1.1, {20, 21, 22, 23, 24, 25});
    const RoomRadiantInput r = withArea(withArea(plain, RoomSide::Front, 20, 2.5, 0.5, 0.5, 2.0),
                                        RoomSide::Floor, 24, 0.2, 3.5, 4.0, 0.5);
    std::array<double, 6> a, b;
    AsymmetryResult x, y;
    QVERIFY(std::fabs(computeMrtPlane(r, a, x) - computeMrtPlane(plain, b, y)) < 1e-12);
    QVERIFY(std::fabs(computeMrtSurface(r) - computeMrtSurface(plain)) < 1e-12);
}

void TestMrt::centredWarmCeilingIsSymmetric()
{
    const RoomRadiantInput cube = withArea(room(4, 4, 4, 2, 2, 2, {20, 20, 20, 20, 20, 20}),
                                           RoomSide::Ceiling, 35, 1, 1, 1, 1);
    std::array<double, 6> tr;
    AsymmetryResult asym;
    computeMrtPlane(cube, tr, asym);
    QVERIFY(tr[RoomSide::Ceiling] > tr[RoomSide::Floor] + 1.0);
    QVERIFY(std::fabs(tr[RoomSide::Front] - tr[RoomSide::Back]) < 1e-12);
    QVERIFY(std::fabs(tr[RoomSide::Right] - tr[RoomSide::Left]) < 1e-12);
    QVERIFY(std::fabs(tr[RoomSide::Front] - tr[RoomSide::Right]) < 1e-12);
}

namespace {

// ISO 7726 Annex B fit for a room without areas: four corner rectangles per surface.
struct Fit {
    double fmax, A, B, C, D, E;
};

double isoRoomMrt(const RoomRadiantInput &r, const Fit &wall, const Fit &flat)
{
    auto corner = [](const Fit &k, double a, double b, double c) {
        const double x = a / c, y = b / c;
        return k.fmax * (1 - std::exp(-x / (k.A + k.B * x)))
            * (1 - std::exp(-y / (k.C + k.D * y + k.E * x)));
    };
    struct S { double c, a1, a2, b1, b2; bool flat; };
    const S s[6] = {{r.Yp, r.Xp, r.W - r.Xp, r.Zp, r.H - r.Zp, false},
                    {r.D - r.Yp, r.Xp, r.W - r.Xp, r.Zp, r.H - r.Zp, false},
                    {r.W - r.Xp, r.Yp, r.D - r.Yp, r.Zp, r.H - r.Zp, false},
                    {r.Xp, r.Yp, r.D - r.Yp, r.Zp, r.H - r.Zp, false},
                    {r.Zp, r.Xp, r.W - r.Xp, r.Yp, r.D - r.Yp, true},
                    {r.H - r.Zp, r.Xp, r.W - r.Xp, r.Yp, r.D - r.Yp, true}};
    double sum = 0, weight = 0;
    for (int i = 0; i < 6; ++i) {
        const Fit &k = s[i].flat ? flat : wall;
        double f = 0;
        for (double a : {s[i].a1, s[i].a2})
            for (double b : {s[i].b1, s[i].b2})
                f += corner(k, a, b, s[i].c);
        sum += f * std::pow(r.surface[i].T + kKelvin, 4);
        weight += f;
    }
    return std::pow(sum / weight, 0.25) - kKelvin;
}

const Fit kStandWall = {0.120, 1.242, 0.167, 0.616, 0.082, 0.051};
const Fit kStandFlat = {0.116, 1.595, 0.128, 1.226, 0.046, 0.044};
const Fit kSitWall = {0.118, 1.216, 0.169, 0.717, 0.087, 0.052};
const Fit kSitFlat = {0.116, 1.396, 0.130, 0.951, 0.080, 0.055};

}

void TestMrt::surfaceMethodPostureThreshold_data()
{
    // Standing coefficients when Zp - 0.60001 >= 0.000001, i.e. from about 0.600011 m.
    QTest::addColumn<double>("Zp");
    QTest::addColumn<bool>("standing");
    QTest::newRow("seated preset 0.6") << 0.6 << false;
    QTest::newRow("0.60001 (the seated radio's own value) still seated") << 0.60001 << false;
    QTest::newRow("0.60002 standing") << 0.60002 << true;
    QTest::newRow("0.65 standing set") << 0.65 << true;
    QTest::newRow("standing preset 1.0") << 1.0 << true;
    QTest::newRow("low 0.3 seated") << 0.3 << false;
}

void TestMrt::surfaceMethodPostureThreshold()
{
    QFETCH(double, Zp);
    QFETCH(bool, standing);
    const RoomRadiantInput r = room(5, 6, 3, 2, 2.5, Zp, {16, 21, 22, 23, 28, 25});
    const double got = computeMrtSurface(r);
    const double stand = isoRoomMrt(r, kStandWall, kStandFlat);
    const double sit = isoRoomMrt(r, kSitWall, kSitFlat);
    QVERIFY(std::fabs(stand - sit) > 0.01);   // the two sets are told apart
    QVERIFY(std::fabs(got - (standing ? stand : sit)) < 1e-9);
}

void TestMrt::planeMethodPostureWeights_data()
{
    // Standing weights when Zp >= 0.7 m: a different threshold from the surface method.
    QTest::addColumn<double>("Zp");
    QTest::addColumn<bool>("standing");
    QTest::newRow("seated preset 0.6") << 0.6 << false;
    QTest::newRow("0.65: standing coefficients, seated weights") << 0.65 << false;
    QTest::newRow("just below 0.7") << 0.6999999 << false;
    QTest::newRow("0.7 itself standing") << 0.7 << true;
    QTest::newRow("standing preset 1.0") << 1.0 << true;
}

void TestMrt::planeMethodPostureWeights()
{
    QFETCH(double, Zp);
    QFETCH(bool, standing);
    const RoomRadiantInput r = room(5, 6, 3, 2, 2.5, Zp, {16, 21, 22, 23, 28, 25});
    std::array<double, 6> t;
    AsymmetryResult asym;
    const double mrt = computeMrtPlane(r, t, asym);
    const double fb = t[0] + t[1], rl = t[2] + t[3], fc = t[4] + t[5];
    // The standing divisor is the double 2 × (0.35 + 0.23 + 0.08), just below 1.32.
    const double expected = standing
        ? (0.35 * fb + 0.23 * rl + 0.08 * fc) / 1.3199999999999998 - kKelvin
        : (0.30 * fb + 0.22 * rl + 0.18 * fc) / 1.4 - kKelvin;
    const double other = standing
        ? (0.30 * fb + 0.22 * rl + 0.18 * fc) / 1.4 - kKelvin
        : (0.35 * fb + 0.23 * rl + 0.08 * fc) / 1.32 - kKelvin;
    QVERIFY(std::fabs(expected - other) > 0.01);
    QVERIFY(mrt == expected);
}

void TestMrt::geometryCheck_data()
{
    QTest::addColumn<RoomRadiantInput>("input");
    QTest::addColumn<int>("problem");
    QTest::addColumn<int>("side");
    const int none = int(RoomGeometryProblem::None);
    const int dim = int(RoomGeometryProblem::NonPositiveDimension);
    const int inside = int(RoomGeometryProblem::OccupantNotInside);
    const int fit = int(RoomGeometryProblem::AreaDoesNotFit);
    const RoomRadiantInput r = uniform(20);   // 5 × 6 × 3 m, occupant at 2, 2.5, 1.1
    const double nan = std::numeric_limits<double>::quiet_NaN();

    auto set = [](RoomRadiantInput x, double RoomRadiantInput::*field, double v) {
        x.*field = v;
        return x;
    };
    QTest::newRow("plain room") << r << none << -1;
    QTest::newRow("zero width") << set(r, &RoomRadiantInput::W, 0) << dim << -1;
    QTest::newRow("negative depth") << set(r, &RoomRadiantInput::D, -6) << dim << -1;
    QTest::newRow("height not a number") << set(r, &RoomRadiantInput::H, nan) << dim << -1;
    QTest::newRow("on the left wall") << set(r, &RoomRadiantInput::Xp, 0) << inside << -1;
    QTest::newRow("on the right wall") << set(r, &RoomRadiantInput::Xp, 5) << inside << -1;
    QTest::newRow("outside behind the back wall")
        << set(r, &RoomRadiantInput::Yp, 6.5) << inside << -1;
    QTest::newRow("on the floor") << set(r, &RoomRadiantInput::Zp, 0) << inside << -1;
    QTest::newRow("at the ceiling") << set(r, &RoomRadiantInput::Zp, 3) << inside << -1;
    QTest::newRow("a hair inside the ceiling")
        << set(r, &RoomRadiantInput::Zp, 2.999) << none << -1;
    QTest::newRow("front window filling the wall but a millimetre")
        << withArea(r, RoomSide::Front, 10, 0, 0.001, 0, 0.001) << none << -1;
    QTest::newRow("front window g1 + g2 = width")
        << withArea(r, RoomSide::Front, 10, 2, 3, 0.5, 0.5) << fit << int(RoomSide::Front);
    QTest::newRow("back window z1 + z2 = height")
        << withArea(r, RoomSide::Back, 10, 1, 1, 1.5, 1.5) << fit << int(RoomSide::Back);
    QTest::newRow("right window wider than the depth 6 m")
        << withArea(r, RoomSide::Right, 10, 3, 3, 0.5, 0.5) << fit << int(RoomSide::Right);
    QTest::newRow("left window fits the depth 6 m, wider than the width 5 m")
        << withArea(r, RoomSide::Left, 10, 0.5, 0.4, 0.5, 0.5) << none << -1;
    QTest::newRow("left window negative edge distance")
        << withArea(r, RoomSide::Left, 10, -0.1, 1, 0.5, 0.5) << fit << int(RoomSide::Left);
    QTest::newRow("floor area z1 + z2 = depth 6 m")
        << withArea(r, RoomSide::Floor, 28, 1, 1, 4, 2) << fit << int(RoomSide::Floor);
    QTest::newRow("floor area 5.5 m deep fits the depth, exceeds the height")
        << withArea(r, RoomSide::Floor, 28, 1, 1, 0.25, 0.25) << none << -1;
    QTest::newRow("ceiling area g1 + g2 beyond width")
        << withArea(r, RoomSide::Ceiling, 28, 3, 2.5, 1, 1) << fit << int(RoomSide::Ceiling);
    QTest::newRow("ceiling edge distance not a number")
        << withArea(r, RoomSide::Ceiling, 28, nan, 1, 1, 1) << fit << int(RoomSide::Ceiling);
    QTest::newRow("dimension reported before a bad area")
        << set(withArea(r, RoomSide::Front, 10, -1, 1, 1, 1), &RoomRadiantInput::W, 0)
        << dim << -1;
}

void TestMrt::geometryCheck()
{
    QFETCH(RoomRadiantInput, input);
    QFETCH(int, problem);
    QFETCH(int, side);
    const RoomGeometryCheck check = checkRoomGeometry(input);
    QCOMPARE(int(check.problem), problem);
    QCOMPARE(check.side, side);
    if (check.problem == RoomGeometryProblem::None) {
        std::array<double, 6> tr;
        AsymmetryResult asym;
        QVERIFY(std::isfinite(computeMrtPlane(input, tr, asym)));
        QVERIFY(std::isfinite(computeMrtSurface(input)));
    }
}

void TestMrt::areaEdgeOnFootPointGivesNumbers()
{
    // Window edges on the foot point's vertical and horizontal lines (Xp = 2, Zp = 1.1) and
    // a ceiling area with its corner right above the occupant (Xp = 2, Yp = 2.5).
    const RoomRadiantInput r = withArea(
        withArea(uniform(20), RoomSide::Front, 10, 2.0, 1.0, 0.5, 1.1), RoomSide::Ceiling,
        30, 2.0, 1.0, 2.5, 1.0);
    QCOMPARE(checkRoomGeometry(r).problem, RoomGeometryProblem::None);
    std::array<double, 6> tr;
    AsymmetryResult asym;
    const double plane = computeMrtPlane(r, tr, asym);
    QVERIFY(std::isfinite(plane));
    QVERIFY(std::isfinite(computeMrtSurface(r)));
    for (int p = 0; p < 6; ++p)
        QVERIFY(std::fabs(tr[p] - referencePlaneTemperature(r, p)) < 1e-8);
    QVERIFY(std::isfinite(asym.pdFrontBack) && std::isfinite(asym.pdFloorCeiling));
}

QTEST_GUILESS_MAIN(TestMrt)
#include "tst_mrt.moc"
