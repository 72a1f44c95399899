#include "radiant/asymmetry.h"

#include "radiant/mrt.h"

#include <cmath>

namespace {

// ISO 7730 PD curves [%] of the radiant temperature asymmetry dt [K].
double coolWallPd(double dt)
{
    return 100.0 / (1.0 + std::exp(6.61 - 0.345 * dt));
}

double warmWallPd(double dt)
{
    return 100.0 / (1.0 + std::exp(3.72 - 0.052 * dt)) - 3.5;
}

double warmCeilingPd(double dt)
{
    return 100.0 / (1.0 + std::exp(2.84 - 0.174 * dt)) - 5.5;
}

double coolCeilingPd(double dt)
{
    return 100.0 / (1.0 + std::exp(9.93 - 0.5 * dt));
}

// The warm-wall curve is shifted down by 3.5 % and lies below 0 up to about 7.75 K.
double clampAtZero(double pd)
{
    return pd < 0.0 ? 0.0 : pd;
}

// Range ends of the curves [K], each 0.01 above the published limit so that the limit
// itself is still computed.
constexpr double kCoolWallEnd = 15.01;
constexpr double kWarmWallEnd = 35.01;
constexpr double kCeilingEnd = 23.01;

bool areaColder(const RoomSurfaceInput &s)
{
    return s.hasArea && s.Tarea < s.T;
}

bool areaWarmer(const RoomSurfaceInput &s)
{
    return s.hasArea && s.Tarea > s.T;
}

}

double wallPairPd(double dt, bool coldArea, bool warmArea)
{
    if (coldArea && dt > 0.0)
        return dt < kCoolWallEnd ? coolWallPd(dt) : kPdOutOfRange;
    if (warmArea && dt > 0.0)
        return dt < kWarmWallEnd ? clampAtZero(warmWallPd(dt)) : kPdOutOfRange;
    return 0.0;
}

double floorCeilingPd(double trDown, double trUp, bool ceilingHasArea)
{
    const double dt = std::fabs(trDown - trUp);
    if (dt > kCeilingEnd)
        return kPdOutOfRange;
    if (dt > 0.0 && dt < kCeilingEnd && ceilingHasArea)
        return clampAtZero(trDown < trUp ? warmCeilingPd(dt) : coolCeilingPd(dt));
    return 0.0;
}

AsymmetryResult computeAsymmetry(const std::array<double, 6> &trSpc, const RoomRadiantInput &room)
{
    const auto &s = room.surface;
    AsymmetryResult r;
    r.dtFrontBack = std::fabs(trSpc[RoomSide::Front] - trSpc[RoomSide::Back]);
    r.dtLeftRight = std::fabs(trSpc[RoomSide::Right] - trSpc[RoomSide::Left]);
    r.dtFloorCeiling = std::fabs(trSpc[RoomSide::Floor] - trSpc[RoomSide::Ceiling]);
    r.pdFrontBack = wallPairPd(r.dtFrontBack,
                               areaColder(s[RoomSide::Front]) || areaColder(s[RoomSide::Back]),
                               areaWarmer(s[RoomSide::Front]) || areaWarmer(s[RoomSide::Back]));
    r.pdLeftRight = wallPairPd(r.dtLeftRight,
                               areaColder(s[RoomSide::Left]) || areaColder(s[RoomSide::Right]),
                               areaWarmer(s[RoomSide::Left]) || areaWarmer(s[RoomSide::Right]));
    r.pdFloorCeiling = floorCeilingPd(trSpc[RoomSide::Floor], trSpc[RoomSide::Ceiling],
                                      s[RoomSide::Ceiling].hasArea);
    return r;
}

AsymmetryVerdicts judgeAsymmetry(const AsymmetryResult &asymmetry, const RoomRadiantInput &room)
{
    // BNB: PD <= 1 % (walls, cool ceiling), PD <= 5 % (warm ceiling), tolerance 0.01.
    constexpr double kWallLimit = 1.01;
    constexpr double kWarmCeilingLimit = 5.01;
    // An unticked ceiling area keeps its entries but is no area: the ceiling is then plain.
    const bool warmCeiling = areaWarmer(room.surface[RoomSide::Ceiling]);

    AsymmetryVerdicts v;
    v.frontBack = asymmetry.pdFrontBack < kWallLimit;
    v.leftRight = asymmetry.pdLeftRight < kWallLimit;
    v.floorCeiling = asymmetry.pdFloorCeiling < kWallLimit
        || (warmCeiling && asymmetry.pdFloorCeiling < kWarmCeilingLimit);
    return v;
}

int radiationPoints(const AsymmetryVerdicts &verdicts, bool floorTemperatureInRange,
                    bool summerInstance)
{
    if (!floorTemperatureInRange)
        return 0;
    if (!(verdicts.frontBack && verdicts.leftRight && verdicts.floorCeiling))
        return 0;
    return summerInstance ? 10 : 20;
}
