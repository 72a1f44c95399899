// Mean radiant temperature at one occupant point in a box-shaped room, by two methods:
// the ISO 7726 (Annex B) angle-factor fit for a person, and exact view factors of six
// small plane elements at the occupant point (plane radiant temperatures). Pure functions,
// no state, no allocation.
//
// Coordinates in m, origin where the left wall, the front wall and the floor meet:
// x from the left wall (x = 0) to the right wall (x = W), y from the front wall (y = 0) to
// the back wall (y = D), z from the floor (z = 0) to the ceiling (z = H).
#pragma once

#include "radiant/asymmetry.h"

#include <array>

// Index of a room surface in RoomRadiantInput::surface, and of the plane element at the
// occupant point that faces it (the order of the plane radiant temperatures).
namespace RoomSide {
enum : int {
    Front = 0,    // y = 0, plane element facing -y
    Back = 1,     // y = D, facing +y
    Right = 2,    // x = W, facing +x
    Left = 3,     // x = 0, facing -x
    Floor = 4,    // z = 0, facing down
    Ceiling = 5,  // z = H, facing up
    Count = 6
};
}

// One surface with its optional rectangular cold or hot area (a window in a wall, a heated
// or cooled area in floor or ceiling). The edge distances g1, g2, z1, z2 [m] place the area:
//   Front (y = 0):   x from g1 to W - g2,  z from z2 to H - z1
//   Back  (y = D):   x from g2 to W - g1,  z from z2 to H - z1
//   Right (x = W):   y from g1 to D - g2,  z from z2 to H - z1
//   Left  (x = 0):   y from g2 to D - g1,  z from z2 to H - z1
//   Floor, Ceiling:  x from g1 to W - g2,  y from z1 to D - z2
// On walls z1 is the distance from the ceiling and z2 from the floor.
struct RoomSurfaceInput {
    double T = 20.0;        // surface temperature [°C]
    double Tarea = 0.0;     // temperature of the cold/hot area [°C]
    bool hasArea = false;   // without it Tarea and the edge distances are not used
    double g1 = 0.0, g2 = 0.0, z1 = 0.0, z2 = 0.0;   // [m]
};

struct RoomRadiantInput {
    double W = 0.0, D = 0.0, H = 0.0;     // room width, depth, height [m]
    double Xp = 0.0, Yp = 0.0, Zp = 0.0;  // occupant point [m]; Zp also selects the posture
    std::array<RoomSurfaceInput, RoomSide::Count> surface;   // indexed by RoomSide
};

// What makes a room impossible to compute. The checks run in this order and the first
// failing one is reported.
enum class RoomGeometryProblem {
    None,
    NonPositiveDimension,   // W, D or H not > 0 (or not a number)
    OccupantNotInside,      // not 0 < Xp < W, 0 < Yp < D, 0 < Zp < H: on or outside a surface
    AreaDoesNotFit          // a ticked area with a negative edge distance, or g1 + g2 (z1 + z2)
                            // not smaller than its surface's width (height, depth)
};

struct RoomGeometryCheck {
    RoomGeometryProblem problem = RoomGeometryProblem::None;
    int side = -1;          // RoomSide of the area for AreaDoesNotFit, else -1
};

// Areas whose hasArea is false are not judged. An area edge exactly at the occupant's foot
// point, or exactly on the surface's edge, is valid.
RoomGeometryCheck checkRoomGeometry(const RoomRadiantInput &room);

// Both methods need a room that passes checkRoomGeometry; otherwise the results are not
// meaningful (divisions by a zero distance).

// Surface method: MRT [°C]. ISO 7726 Annex B angle factors per surface piece, normalised by
// their sum, fourth-power mean of the temperatures in kelvin. Standing coefficients when
// Zp - 0.60001 >= 0.000001 (so 0.6 m is seated, 1.0 m standing), seated otherwise.
double computeMrtSurface(const RoomRadiantInput &room);

// Plane method: returns the MRT [°C]; trSpc receives the six plane radiant temperatures [K]
// (indexed by RoomSide: the element facing that surface), asymmetry the radiation
// asymmetries and their PD (see asymmetry.h). MRT weights per ISO 7726: standing
// (0.35, 0.23, 0.08 per axis pair) when Zp >= 0.7 m, seated (0.30, 0.22, 0.18) otherwise.
double computeMrtPlane(const RoomRadiantInput &room,
                       std::array<double, RoomSide::Count> &trSpc,
                       AsymmetryResult &asymmetry);

// View factors [-] from the small plane element `plane` (a RoomSide) at the occupant point
// to each surface: `whole` to the whole surface including its area, `area` to the cold/hot
// area alone (0 where hasArea is false). The `whole` factors of one element add up to 1.
void planeViewFactors(const RoomRadiantInput &room, int plane,
                      std::array<double, RoomSide::Count> &whole,
                      std::array<double, RoomSide::Count> &area);
