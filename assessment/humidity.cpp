#include "assessment/humidity.h"

#include <algorithm>
#include <cmath>

namespace {

// Moisture production [g/h]
constexpr double kPerPerson = 59.0;
constexpr double kPerBigPlant = 3.6;
constexpr double kPerSmallPlant = 1.5;
constexpr double kGasRatio = 0.6222;      // R_air / R_vapour
constexpr double kRAir = 0.2871;          // gas constant of dry air [J/(g K)]
constexpr double kVapourFactor = 1.6078;  // R_vapour / R_air: specific volume of moist air
constexpr double kKelvin = 273.15;
constexpr int kSubSteps = 20;             // sub-steps per record

// Start state of the first record; it is not computed.
constexpr double kStartAh = 8.91;         // [g/m³]
constexpr double kStartX = 0.007513;      // [kg/kg]
constexpr double kStartRh = 50.9;         // [%]

inline bool isSet(const std::vector<bool> &mask, size_t h)
{
    return h < mask.size() && mask[h];
}

// Band upper edges; a value equal to an edge belongs to the band above. The relative
// humidity edges differ in their tolerance between winter and summer.
constexpr double kRhWinterEdges[9] = {10.0001, 20.0001, 30.0001, 40.0001, 50.0001,
                                      60.0001, 70.0001, 80.0001, 90.0001};
constexpr double kRhSummerEdges[9] = {10.001, 20.001, 30.001, 40.001, 50.001,
                                      60.001, 70.001, 80.001, 90.001};
constexpr double kXEdges[9] = {0.002001, 0.004001, 0.006001, 0.008001, 0.010001,
                               0.012001, 0.014001, 0.016001, 0.018001};
constexpr double kXUpperLimit = 0.012;    // [kg/kg], 12 g/kg
constexpr double kRhLowerLimit = 25.0;    // [%]

inline int band(double value, const double (&edges)[9])
{
    int i = 0;
    while (i < 9 && !(value < edges[i]))
        ++i;
    return i;
}

// One period: the bands and the counts above (x) and below (RH) the limits.
void assessPeriod(const std::vector<double> &rhIn, const std::vector<double> &xIn,
                  const std::vector<bool> &mask, const double (&rhEdges)[9],
                  HumidityDistribution &rh, HumidityDistribution &x, double &above, double &below)
{
    const size_t n = std::min({mask.size(), rhIn.size(), xIn.size()});
    for (size_t h = 0; h < n; ++h) {
        if (!mask[h])
            continue;
        rh[band(rhIn[h], rhEdges)] += 1.0;
        x[band(xIn[h], kXEdges)] += 1.0;
        if (xIn[h] > kXUpperLimit)
            above += 1.0;
        else if (rhIn[h] < kRhLowerLimit)
            below += 1.0;
    }
    rh[10] = 0.0;
    x[10] = 0.0;
    for (int i = 0; i < 10; ++i) {
        rh[10] += rh[i];
        x[10] += x[i];
    }
}

}

double saturationPressure(double t)
{
    return 610.78 * std::exp(17.08085 * t / (234.175 + t));
}

IndoorHumidity computeIndoorHumidity(const std::vector<double> &to, const std::vector<double> &ti,
                                     const std::vector<double> &rho,
                                     const std::vector<bool> &workingTime,
                                     const std::vector<bool> &winterHumidMask,
                                     const std::vector<bool> &summerHumidMask,
                                     const HumidityParameters &p)
{
    const size_t n = std::min({to.size(), ti.size(), rho.size()});
    IndoorHumidity r;
    for (std::vector<double> *s : {&r.ahOut, &r.xOut, &r.mprod, &r.ach, &r.rhIn, &r.xIn, &r.ahIn})
        s->assign(n, 0.0);
    if (n == 0)
        return r;

    const double plants = kPerBigPlant * p.bigPlants + kPerSmallPlant * p.smallPlants;
    for (size_t h = 0; h < n; ++h) {
        // Persons and the other source only in working time; plants always.
        if (isSet(workingTime, h)) {
            r.ach[h] = isSet(winterHumidMask, h)   ? p.achWinter
                       : isSet(summerHumidMask, h) ? p.achSummer
                                                   : p.achSpring;
            r.mprod[h] = (kPerPerson * p.persons + plants) + p.otherSource;
        } else {
            r.ach[h] = p.achInfil;
            r.mprod[h] = plants;
        }
        // Outdoor state: vapour pressure [Pa], humidity ratio [kg/kg], specific volume of
        // the moist air [m³/g] with p in Pa, so that x / v is in g/m³.
        const double pv = rho[h] * 0.01 * saturationPressure(to[h]);
        r.xOut[h] = kGasRatio * pv / (p.pressure - pv);
        const double v = (1.0 + kVapourFactor * r.xOut[h]) * (kRAir * (to[h] + kKelvin)) / p.pressure;
        r.ahOut[h] = r.xOut[h] / v;
    }

    r.ahIn[0] = kStartAh;
    r.xIn[0] = kStartX;
    r.rhIn[0] = kStartRh;
    for (size_t h = 1; h < n; ++h) {
        double hr = 0.0;   // humidity recovery of the ventilation, working time only
        if (isSet(workingTime, h))
            hr = isSet(winterHumidMask, h)   ? p.hrWinter
                 : isSet(summerHumidMask, h) ? p.hrSummer
                                             : p.hrSpring;
        const double f = 1.0 - hr;

        // Moisture balance of the room air [g/m³], dc/dt = M / V - (c - A) N f [1/h],
        // explicit (Euler) in kSubSteps sub-steps of 1/kSubSteps of the record each, interpolating M, A
        // and N linearly from the previous record. The state never drops below the outdoor
        // value (a step overshoots only beyond N f dt = kSubSteps), but the mean takes each
        // step's value before that floor.
        const double m0 = r.mprod[h - 1], dm = r.mprod[h] - m0;
        const double a0 = r.ahOut[h - 1], da = r.ahOut[h] - a0;
        const double n0 = r.ach[h - 1], dn = r.ach[h] - n0;
        double s = r.ahIn[h - 1];
        double sum = 0.0;
        for (int k = 1; k <= kSubSteps; ++k) {
            const double mk = m0 + k * dm / kSubSteps;
            const double ak = a0 + k * da / kSubSteps;
            const double nk = n0 + k * dn / kSubSteps;
            const double c = s + (mk / p.volume - (s - ak) * nk * f) * p.recordHours / kSubSteps;
            sum = sum + c;
            s = c < ak ? ak : c;   // c - ak < 0, as one max instruction
        }
        r.ahIn[h] = sum / kSubSteps;

        // Specific volume [m³/g] from the previous record's indoor temperature.
        const double a = kRAir * (ti[h - 1] + kKelvin);
        const double v = a / (p.pressure - kVapourFactor * a);
        r.xIn[h] = v * r.ahIn[h];
        const double pv = p.pressure * r.xIn[h] / (r.xIn[h] + kGasRatio);
        const double ratio = pv / saturationPressure(ti[h]);
        r.rhIn[h] = ratio <= 1.0 ? 100.0 * ratio : 100.0;
    }
    return r;
}

double humidityPoints(double share, double fullPoints)
{
    if (std::isnan(share))
        return share;
    if (share < 7.001)
        return fullPoints;
    if (share >= 12.001)
        return 0.0;
    // Just below 12.001 % the line passes under 0.
    return std::max(0.0, (share - 7.0) * (-fullPoints) / 5.0 + fullPoints);
}

HumidityAssessment assessIndoorHumidity(const std::vector<double> &rhIn,
                                        const std::vector<double> &xIn,
                                        const std::vector<bool> &winterMask,
                                        const std::vector<bool> &summerMask)
{
    using namespace HumiditySlot;
    HumidityAssessment r;
    auto &s = r.summary;
    assessPeriod(rhIn, xIn, winterMask, kRhWinterEdges, r.rhWinter, r.xWinter, s[WinterAbove],
                 s[WinterBelow]);
    assessPeriod(rhIn, xIn, summerMask, kRhSummerEdges, r.rhSummer, r.xSummer, s[SummerAbove],
                 s[SummerBelow]);
    s[WinterRhTotal] = r.rhWinter[10];
    s[WinterXTotal] = r.xWinter[10];
    s[SummerRhTotal] = r.rhSummer[10];
    s[SummerXTotal] = r.xSummer[10];
    // Only the share below the lower limit is scored in winter, only the share above the
    // upper limit in summer. 0/0 of an empty period stays not a number.
    s[WinterBelowShare] = s[WinterBelow] / s[WinterRhTotal] * 100.0;
    s[SummerAboveShare] = s[SummerAbove] / s[SummerRhTotal] * 100.0;
    s[WinterPoints] = humidityPoints(s[WinterBelowShare], 30.0);
    s[SummerPoints] = humidityPoints(s[SummerAboveShare], 10.0);
    return r;
}
