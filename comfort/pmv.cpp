#include "comfort/pmv.h"

#include "comfort/trace.h"

#include <cmath>
#include <limits>

namespace {

inline double pow4(double x)
{
    const double x2 = x * x;
    return x2 * x2;
}

}

double waterVapourPressure(double ta, double rh)
{
    return rh * 6.11 * std::exp(17.27 * ta / (ta + 237.3));
}

double radiantTemperature(unsigned mode, double ta, double t2, double va)
{
    switch (mode) {
    case PmvInputMode::TaTg:
        // ISO 7726 forced-convection globe equation, standard globe 0.15 m, ε = 0.95.
        // The fourth root as two square roots: faster than pow(…, 0.25), equal to the
        // last bits or so.
        return std::sqrt(std::sqrt(pow4(t2 + 273.0) + 2.5e8 * std::pow(va, 0.6) * (t2 - ta)))
               - 273.0;
    case PmvInputMode::To:
        return ta;
    case PmvInputMode::MRT:
        return t2;
    default:
        return std::numeric_limits<double>::quiet_NaN();
    }
}

void computePMV(unsigned mode, double ta, double t2, double rh, double va,
                double Icl, double M, double W,
                double &pmv, double &ppd, double &pmvLimited, double &ppdMayer)
{
    if (mode == PmvInputMode::NotSet)
        traceLine(QStringLiteral(" Error! Id not set."));
    if (mode < PmvInputMode::TaTg || mode > PmvInputMode::MRT)
        return;

    // Water vapour partial pressure [Pa]: Magnus saturation pressure in hPa
    // times the humidity in percent.
    const double pa = waterVapourPressure(ta, rh);

    // Clothing area factor; 0.078 m²K/W itself takes the first branch.
    const double fcl = Icl <= 0.078 ? 1.0 + 1.29 * Icl : 1.05 + 0.645 * Icl;

    const double tr = radiantTemperature(mode, ta, t2, va);

    // Kelvin with 273, not 273.15, as in ISO 7730's program listing.
    const double hcf = 12.1 * std::sqrt(va);
    const double taa = ta + 273.0;
    const double tra = tr + 273.0;
    const double tcla = taa + (35.5 - ta) / (3.5 * (6.45 * Icl + 0.1));

    const double mw = M - W;
    const double p1 = Icl * fcl;
    const double p2 = 3.96 * p1;
    const double p3 = 100.0 * p1;
    const double p4 = p1 * taa;
    const double p5 = 308.7 - 0.028 * mw + p2 * pow4(tra / 100.0);

    // Clothing surface temperature in units of 100 K, damped fixed-point iteration.
    // At most 151 passes; on the limit the last pass is used as if converged.
    // hc is the larger of the forced and the natural convection coefficient. The
    // natural one, 2.38 |Δt|^0.25, stays below hcf while |Δt| < (hcf / 2.38)^4; short
    // of that bound (with a margin far above rounding) its two square roots are
    // skipped. Forced convection rules in most rooms: its numerator term and the
    // reciprocal of its divisor are formed once (the quotient then differs from a
    // division in the last bit at most).
    const double forcedBound = pow4(hcf / 2.38) * (1.0 - 1e-9);
    const double forcedNumerator = p5 + p4 * hcf;
    const double forcedReciprocal = 1.0 / (100.0 + p3 * hcf);
    double xn = tcla / 100.0;
    double xf = xn;
    double hc = 0.0;
    for (int n = 0;;) {
        xf = (xf + xn) / 2.0;
        const double dt = std::fabs(100.0 * xf - taa);
        if (dt < forcedBound) {
            hc = hcf;
            xn = (forcedNumerator - p2 * pow4(xf)) * forcedReciprocal;
        } else {
            const double hcn = 2.38 * std::sqrt(std::sqrt(dt));
            hc = hcf > hcn ? hcf : hcn;
            xn = (p5 + p4 * hc - p2 * pow4(xf)) / (100.0 + p3 * hc);
        }
        if (std::fabs(xn - xf) < 0.00015)
            break;
        if (++n >= 151)
            break;
    }
    const double tcl = 100.0 * xn - 273.0;

    // Heat losses [W/m²]; respiration and sensitivity use M, not M − W.
    const double hl1 = 0.00305 * (5733.0 - 6.99 * mw - pa);              // skin diffusion
    const double hl2 = mw > 58.15 ? 0.42 * (mw - 58.15) : 0.0;           // sweating
    const double hl3 = 1.7e-5 * M * (5867.0 - pa);                       // latent respiration
    const double hl4 = 0.0014 * M * (34.0 - ta);                         // dry respiration
    const double hl5 = 3.96 * fcl * (pow4((tcl + 273.0) / 100.0) - pow4(tra * 0.01)); // radiation
    const double hl6 = fcl * hc * (tcl - ta);                            // convection

    const double ts = 0.303 * std::exp(-0.036 * M) + 0.028;
    pmv = ts * (mw - hl1 - hl2 - hl3 - hl4 - hl5 - hl6);

    ppd = ppdOfPmv(pmv);

    pmvLimited = pmv;
    if (pmvLimited > 3.0)
        pmvLimited = 3.0;
    if (pmvLimited < -3.0)
        pmvLimited = -3.0;

    ppdMayer = ppdMayerOfPmv(pmvLimited);
}

double ppdOfPmv(double pmv)
{
    const double pmv2 = pmv * pmv;
    return 100.0 - 95.0 * std::exp(-0.03353 * pmv2 * pmv2 - 0.2179 * pmv2);
}

// PPD after Mayer: minimum 15.7 % at a PMV of 0.4.
double ppdMayerOfPmv(double pmv)
{
    const double x = pmv - 0.4;
    const double x2 = x * x;
    return 100.0 - 84.3 * std::exp(0.01 * x2 * x2 - 0.5479 * x2);
}

double convertMetabolicRate(double value, int unitIndex)
{
    switch (unitIndex) {
    case 0:
        return value;
    case 1:
        return value * kWm2PerMet;
    default:
        traceLine(QStringLiteral(" ERROR with met covertor "));
        return value;
    }
}
