// Inverse PMV: the value of one unknown comfort parameter, on a fixed grid,
// whose PMV lies nearest to a wanted PMV.
#pragma once

#include "comfort/pmvrange.h"

// Unknown codes and their grids (scanned in increasing order):
//   1 air temperature         10.0 … 30.0 °C, step 0.1   (201 points)
//   2 globe temperature       10.0 … 40.0 °C, step 0.1   (301 points, computePMV mode 1)
//   3 mean radiant temperature 10.0 … 40.0 °C, step 0.1  (301 points, mode 3)
//   4 operative temperature   10.0 … 40.0 °C, step 0.1   (301 points, mode 2, ta = t2)
//   5 relative humidity       0 … 99 %, step 1           (100 points)
//   6 air speed               0.00 … 1.00 m/s, step 0.01 (101 points)
//   7 clothing                0 … 1.98 clo as Icl = 0.155 × 0.02 i m²K/W (100 points)
//   8 metabolic rate          46 … 226 W/m², step 4      (46 points)
namespace InverseUnknown {
enum : int {
    None = 0,
    AirTemperature = 1,
    GlobeTemperature = 2,
    MeanRadiantTemperature = 3,
    OperativeTemperature = 4,
    RelativeHumidity = 5,
    AirSpeed = 6,
    Clothing = 7,
    MetabolicRate = 8
};
}

// A grid point counts as a solution only if its PMV lies strictly within this
// distance of the wanted PMV.
constexpr double kInversePmvTolerance = 0.05;

// What a search found; the form words it with the unknown's texts.
enum class InverseOutcome {
    NoUnknown,   // a code outside 1–8: nothing searched
    Found,       // a grid point strictly within kInversePmvTolerance
    NotFound     // no grid point close enough
};

// Nearest-point scan, not a root finder. On entry pmv holds the wanted PMV.
// mode is the computePMV mode for codes 1, 5–8 (codes 2, 3, 4 use 1, 3, 2);
// ta, t2 [°C], rh [%], va [m/s], Icl [m²K/W], M, W [W/m²]; the unknown's own
// argument is replaced by the grid value.
// On return value holds the grid value of the nearest point (in the grid's
// unit: m²K/W for clothing); only when Found do pmv, ppd, pmvLimited and
// ppdMayer hold the results at that point.
// On equal distances the smaller grid value wins; non-number PMVs never do.
// For a code outside 1–8 nothing but a trace line happens.
InverseOutcome findNearestPMV(int unknown, double &value, unsigned mode, double ta, double t2,
                              double rh, double va, double Icl, double M, double W,
                              double &pmv, double &ppd, double &pmvLimited, double &ppdMayer);

// The computePMV mode a search for the unknown runs in, given the mode chosen
// on the form: globe temperature always 1, mean radiant 3, operative 2;
// no unknown 0; the other codes keep the chosen mode.
unsigned inverseSearchMode(int unknown, unsigned chosenMode);

// The value found as the form shows it: clothing in clo (0.1395 m²K/W -> 0.9),
// all others in the grid's unit.
double inverseDisplayValue(int unknown, double value);

// Texts of the form per unknown code, untranslated (context "pmvInverseForm"):
// the search button, the label of the value found, and the information after a
// search that found a value and after one that found none. Empty for other codes.
struct InverseUnknownTexts {
    const char *button;
    const char *resultLabel;
    const char *found;
    const char *notFound;
};
InverseUnknownTexts inverseUnknownTexts(int unknown);

// The ISO 7730 check of the state at a grid value (value in the unknown's place,
// in the grid's unit) with its PMV; the other arguments as for findNearestPMV.
Iso7730Check checkIso7730AtValue(int unknown, double value, unsigned mode, double ta, double t2,
                                 double rh, double va, double Icl, double M, double pmv);
