#include "radiant/mrt.h"

#include <cmath>

// Every surface piece is a rectangle in the plane of its surface. It is described by its
// extent along the surface's two in-plane axes u and v, relative to the foot point of the
// perpendicular from the occupant, and by the occupant's distance c from the surface. The
// closed-form factors below hold for a rectangle with one corner at the foot point and
// non-negative extents ("corner rectangle"). Any other rectangle is cut at the foot point
// into at most four pieces, one per quadrant, each folded onto non-negative extents, and
// each piece [a1, a2] x [b1, b2] is built from corner rectangles:
//   F = F(a2, b2) - F(a1, b2) - F(a2, b1) + F(a1, b1).
// This holds for every corner formula, whatever its symmetry.

namespace {

constexpr double kKelvin = 273.15;
constexpr double kOneOverTwoPi = 0.15915494309188485;

enum Axis { AxisX = 0, AxisY = 1, AxisZ = 2 };

struct SideFrame {
    int normal;   // axis perpendicular to the surface
    int u, v;     // in-plane axes: for walls u is horizontal and v vertical, else u = x, v = y
};

constexpr SideFrame kFrame[RoomSide::Count] = {
    {AxisY, AxisX, AxisZ},   // Front
    {AxisY, AxisX, AxisZ},   // Back
    {AxisX, AxisY, AxisZ},   // Right
    {AxisX, AxisY, AxisZ},   // Left
    {AxisZ, AxisX, AxisY},   // Floor
    {AxisZ, AxisX, AxisY},   // Ceiling
};

// Direction of the plane element facing each surface, along the surface's normal axis.
constexpr double kFacing[RoomSide::Count] = {-1.0, +1.0, +1.0, -1.0, -1.0, +1.0};

struct Range {
    double lo, hi;
};

// A rectangle on a surface, coordinates relative to the foot point [m].
struct Piece {
    Range u, v;
    double c;     // occupant distance from the surface [m], > 0
};

// The part of a signed range on the positive side of the foot point, and the part on the
// negative side folded over; either may be empty (lo == hi).
Range positivePart(Range r)
{
    return {std::fmax(r.lo, 0.0), std::fmax(r.hi, 0.0)};
}

Range negativePart(Range r)
{
    return {std::fmax(-r.hi, 0.0), std::fmax(-r.lo, 0.0)};
}

template<typename Corner>
double fromCorners(Corner corner, Range a, Range b)
{
    if (!(a.hi > a.lo) || !(b.hi > b.lo))
        return 0.0;
    return corner(a.hi, b.hi) - corner(a.lo, b.hi) - corner(a.hi, b.lo) + corner(a.lo, b.lo);
}

// Sum over the four quadrants of a piece.
template<typename Corner>
double overQuadrants(Corner corner, Range a, Range b)
{
    const Range ap = positivePart(a), an = negativePart(a);
    const Range bp = positivePart(b), bn = negativePart(b);
    return fromCorners(corner, ap, bp) + fromCorners(corner, an, bp)
        + fromCorners(corner, ap, bn) + fromCorners(corner, an, bn);
}

// View factor from a small plane element to a parallel corner rectangle a x b straight in
// front of it at distance c (one corner of the rectangle on the element's normal).
double parallelCorner(double a, double b, double c)
{
    const double x = a / c, y = b / c;
    const double sx = std::sqrt(1.0 + x * x), sy = std::sqrt(1.0 + y * y);
    return kOneOverTwoPi * (x / sx * std::atan(y / sx) + y / sy * std::atan(x / sy));
}

// View factor from a small plane element to a corner rectangle in a perpendicular plane at
// distance c: `along` is the rectangle's extent in the direction of the element's normal,
// `lateral` its extent parallel to the element. With X = along / lateral and
// Y = c / lateral this is the textbook form (1/2π)(atan(1/Y) - Y/√(X²+Y²) atan(1/√(X²+Y²))),
// multiplied through by `lateral` so that a zero extent gives 0 instead of 0/0.
double perpendicularCorner(double along, double lateral, double c)
{
    const double r = std::sqrt(along * along + c * c);
    return kOneOverTwoPi * (std::atan(lateral / c) - c / r * std::atan(lateral / r));
}

// ISO 7726 Annex B: angle factor between a person and a corner rectangle a x b at distance c.
struct AngleFactorFit {
    double fmax, A, B, C, D, E;
};

constexpr AngleFactorFit kStandingWall = {0.120, 1.242, 0.167, 0.616, 0.082, 0.051};
constexpr AngleFactorFit kStandingFloorCeiling = {0.116, 1.595, 0.128, 1.226, 0.046, 0.044};
constexpr AngleFactorFit kSeatedWall = {0.118, 1.216, 0.169, 0.717, 0.087, 0.052};
constexpr AngleFactorFit kSeatedFloorCeiling = {0.116, 1.396, 0.130, 0.951, 0.080, 0.055};

double angleFactorCorner(const AngleFactorFit &k, double a, double b, double c)
{
    const double x = a / c, y = b / c;
    const double tau = k.A + k.B * x;
    const double gamma = k.C + k.D * y + k.E * x;
    return k.fmax * (1.0 - std::exp(-x / tau)) * (1.0 - std::exp(-y / gamma));
}

double pow4(double t)
{
    const double t2 = t * t;
    return t2 * t2;
}

struct Point {
    double p[3];
};

double extent(const RoomRadiantInput &room, int axis)
{
    return axis == AxisX ? room.W : axis == AxisY ? room.D : room.H;
}

Point occupant(const RoomRadiantInput &room)
{
    return {{room.Xp, room.Yp, room.Zp}};
}

// Area rectangle in room coordinates [m] along the surface's u and v axes.
void areaBounds(const RoomRadiantInput &room, int side, Range &u, Range &v)
{
    const RoomSurfaceInput &s = room.surface[side];
    const double width = extent(room, kFrame[side].u);
    const double height = extent(room, kFrame[side].v);
    switch (side) {
    case RoomSide::Back:
    case RoomSide::Left:
        u = {s.g2, width - s.g1};
        break;
    default:
        u = {s.g1, width - s.g2};
        break;
    }
    if (side == RoomSide::Floor || side == RoomSide::Ceiling)
        v = {s.z1, height - s.z2};
    else
        v = {s.z2, height - s.z1};
}

// The whole surface and its area as pieces relative to the occupant's foot point.
void sidePieces(const RoomRadiantInput &room, int side, Piece &whole, Piece &area)
{
    const SideFrame &f = kFrame[side];
    const Point o = occupant(room);
    const double ou = o.p[f.u], ov = o.p[f.v];
    const double wall = kFacing[side] > 0 ? extent(room, f.normal) : 0.0;
    const double c = std::fabs(wall - o.p[f.normal]);

    whole = {{-ou, extent(room, f.u) - ou}, {-ov, extent(room, f.v) - ov}, c};
    area = {{0.0, 0.0}, {0.0, 0.0}, c};   // empty: an unticked area is not placed at all
    if (room.surface[side].hasArea) {
        Range u, v;
        areaBounds(room, side, u, v);
        area.u = {u.lo - ou, u.hi - ou};
        area.v = {v.lo - ov, v.hi - ov};
    }
}

int planeAxis(int plane)
{
    return kFrame[plane].normal;
}

// View factor from plane element `plane` at the occupant to a piece of surface `side`.
double planeFactor(int plane, int side, const Piece &piece)
{
    const SideFrame &f = kFrame[side];
    const double c = piece.c;
    if (planeAxis(plane) == f.normal) {
        if (plane != side)
            return 0.0;   // the element faces away from this surface
        return overQuadrants([c](double a, double b) { return parallelCorner(a, b, c); },
                             piece.u, piece.v);
    }
    // Perpendicular: the element sees the part of the piece on its side of its own plane.
    const bool alongU = planeAxis(plane) == f.u;
    const Range along = alongU ? piece.u : piece.v;
    const Range lateral = alongU ? piece.v : piece.u;
    const Range seen = kFacing[plane] > 0 ? positivePart(along) : negativePart(along);
    const auto corner = [c](double a, double l) { return perpendicularCorner(a, l, c); };
    return fromCorners(corner, seen, positivePart(lateral))
        + fromCorners(corner, seen, negativePart(lateral));
}

}

RoomGeometryCheck checkRoomGeometry(const RoomRadiantInput &room)
{
    RoomGeometryCheck check;
    if (!(room.W > 0.0 && room.D > 0.0 && room.H > 0.0)) {
        check.problem = RoomGeometryProblem::NonPositiveDimension;
        return check;
    }
    if (!(room.Xp > 0.0 && room.Xp < room.W && room.Yp > 0.0 && room.Yp < room.D
          && room.Zp > 0.0 && room.Zp < room.H)) {
        check.problem = RoomGeometryProblem::OccupantNotInside;
        return check;
    }
    for (int side = 0; side < RoomSide::Count; ++side) {
        const RoomSurfaceInput &s = room.surface[side];
        if (!s.hasArea)
            continue;
        const double width = extent(room, kFrame[side].u);
        const double height = extent(room, kFrame[side].v);
        const bool fits = s.g1 >= 0.0 && s.g2 >= 0.0 && s.z1 >= 0.0 && s.z2 >= 0.0
            && s.g1 + s.g2 < width && s.z1 + s.z2 < height;
        if (!fits) {
            check.problem = RoomGeometryProblem::AreaDoesNotFit;
            check.side = side;
            return check;
        }
    }
    return check;
}

void planeViewFactors(const RoomRadiantInput &room, int plane,
                      std::array<double, RoomSide::Count> &whole,
                      std::array<double, RoomSide::Count> &area)
{
    for (int side = 0; side < RoomSide::Count; ++side) {
        Piece w, a;
        sidePieces(room, side, w, a);
        whole[side] = planeFactor(plane, side, w);
        area[side] = room.surface[side].hasArea ? planeFactor(plane, side, a) : 0.0;
    }
}

namespace {

// Fourth-power mean [K] of the surface and area temperatures with the given factors,
// normalised by the factor sum. The rest of a surface is the whole less its area.
double radiantMean(const RoomRadiantInput &room,
                   const std::array<double, RoomSide::Count> &whole,
                   const std::array<double, RoomSide::Count> &area)
{
    double sum = 0.0, weight = 0.0;
    for (int side = 0; side < RoomSide::Count; ++side) {
        const RoomSurfaceInput &s = room.surface[side];
        const double rest = whole[side] - area[side];
        sum += rest * pow4(s.T + kKelvin) + area[side] * pow4(s.Tarea + kKelvin);
        weight += rest + area[side];
    }
    return std::pow(sum / weight, 0.25);
}

}

double computeMrtSurface(const RoomRadiantInput &room)
{
    const bool standing = room.Zp - 0.60001 >= 0.000001;
    const AngleFactorFit &wallFit = standing ? kStandingWall : kSeatedWall;
    const AngleFactorFit &flatFit = standing ? kStandingFloorCeiling : kSeatedFloorCeiling;

    std::array<double, RoomSide::Count> whole{}, area{};
    for (int side = 0; side < RoomSide::Count; ++side) {
        const AngleFactorFit &fit =
            (side == RoomSide::Floor || side == RoomSide::Ceiling) ? flatFit : wallFit;
        Piece w, a;
        sidePieces(room, side, w, a);
        const double c = w.c;
        const auto corner = [&fit, c](double x, double y) {
            return angleFactorCorner(fit, x, y, c);
        };
        whole[side] = overQuadrants(corner, w.u, w.v);
        area[side] = room.surface[side].hasArea ? overQuadrants(corner, a.u, a.v) : 0.0;
    }
    return radiantMean(room, whole, area) - kKelvin;
}

double computeMrtPlane(const RoomRadiantInput &room,
                       std::array<double, RoomSide::Count> &trSpc,
                       AsymmetryResult &asymmetry)
{
    std::array<Piece, RoomSide::Count> whole, area;
    for (int side = 0; side < RoomSide::Count; ++side)
        sidePieces(room, side, whole[side], area[side]);

    for (int plane = 0; plane < RoomSide::Count; ++plane) {
        std::array<double, RoomSide::Count> fw{}, fa{};
        for (int side = 0; side < RoomSide::Count; ++side) {
            fw[side] = planeFactor(plane, side, whole[side]);
            fa[side] = room.surface[side].hasArea ? planeFactor(plane, side, area[side]) : 0.0;
        }
        trSpc[plane] = radiantMean(room, fw, fa);
    }

    // ISO 7726 weights of the plane radiant temperatures per axis pair: front/back,
    // right/left, floor/ceiling. The standing divisor is the double sum
    // 2 × (0.35 + 0.23 + 0.08) = 1.3199999999999998, one unit in the last place below 1.32.
    constexpr double kStandingDivisor = 2.0 * (0.35 + 0.23 + 0.08);
    const double pairFB = trSpc[RoomSide::Front] + trSpc[RoomSide::Back];
    const double pairRL = trSpc[RoomSide::Right] + trSpc[RoomSide::Left];
    const double pairFC = trSpc[RoomSide::Floor] + trSpc[RoomSide::Ceiling];
    const double mrtK = room.Zp >= 0.7
        ? (0.35 * pairFB + 0.23 * pairRL + 0.08 * pairFC) / kStandingDivisor
        : (0.30 * pairFB + 0.22 * pairRL + 0.18 * pairFC) / 1.4;

    asymmetry = computeAsymmetry(trSpc, room);
    return mrtK - kKelvin;
}
