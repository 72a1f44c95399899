#include "assessment/draft.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kMinVelocity = 0.05;   // [m/s]: below this ISO 7730 counts no draught
constexpr double kDrLimit = 15.01;      // [%]: BNB limit 15 %, tolerance so that 15.00 passes
constexpr double kDrZeroPoints = 20.01; // [%]: no points from 20 % on, same tolerance
constexpr double kMaxPoints = 20.0;

}

DraftResult computeDraftRate(double ta, double va, double tu, bool windowVentilation)
{
    DraftResult r;
    if (va < kMinVelocity)
        va = kMinVelocity;
    // ISO 7730: DR = (34 - ta) (va - 0.05)^0.62 (0.37 va Tu + 3.14), evaluated power first.
    double dr = std::pow(va - kMinVelocity, 0.62);
    dr = dr * (34.0 - ta);
    dr = dr * (0.37 * va * tu + 3.14);
    // Air warmer than 34 °C makes the model negative: nobody feels a draught then.
    if (dr < 0.0)
        dr = 0.0;
    if (dr > 100.0)
        dr = 100.0;
    else if (dr < kDrLimit)
        r.fulfilled = true;
    if (windowVentilation)
        r.fulfilled = true;
    r.dr = dr;

    if (dr < kDrLimit || windowVentilation)
        r.points = kMaxPoints;
    else if (dr >= kDrZeroPoints)
        r.points = 0.0;
    else   // linear from 20 points at 15 % to 0 at 20 %; just below 20.01 % the line dips under 0
        r.points = std::max(0.0, (dr - 15.0) * (-20.0) / 5.0 + 20.0);
    return r;
}
