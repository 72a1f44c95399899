#include "comfort/pmvrange.h"

#include "comfort/pmv.h"

#include <cmath>

bool pmvStateIsPhysical(double ta, double t2, double rh, double va, double Icl, double M)
{
    // contains() is false for a non-number; the infinities lie outside every finite end.
    return std::isfinite(ta) && std::isfinite(t2) && std::isfinite(va) && std::isfinite(Icl)
           && std::isfinite(M) && PmvPhysical::kTemperature.contains(ta)
           && PmvPhysical::kTemperature.contains(t2) && PmvPhysical::kRelativeHumidity.contains(rh)
           && PmvPhysical::kAirSpeed.contains(va) && PmvPhysical::kClothing.contains(Icl)
           && PmvPhysical::kMetabolicRate.contains(M);
}

Iso7730Check checkIso7730(unsigned mode, double ta, double t2, double rh, double va,
                          double Icl, double M, double pmv)
{
    Iso7730Check check;
    check.value = {M, Icl, ta, radiantTemperature(mode, ta, t2, va), va,
                   waterVapourPressure(ta, rh), pmv};
    for (int q = 0; q < Iso7730Quantity::Count; ++q)
        if (!kIso7730Ranges[q].contains(check.value[q]))
            check.outside |= 1u << q;
    return check;
}
