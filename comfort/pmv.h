// PMV/PPD after Fanger (ISO 7730) with the PPD-Mayer curve. Pure, allocation-free.
#pragma once

namespace PmvInputMode {
// How the second temperature argument of computePMV is meant.
enum : unsigned {
    NotSet = 0,
    TaTg = 1,   // air and globe temperature
    To = 2,     // operative temperature (air = radiant)
    MRT = 3     // air and mean radiant temperature
};
}

constexpr double kCloToM2KW = 0.155;   // clothing: clo -> m²K/W
constexpr double kWm2PerMet = 58.0;    // metabolic-rate unit selector: 1 met = 58.0 W/m²

// ta, t2 [°C]  rh [%]  va [m/s]  Icl [m²K/W]  M, W [W/m²]
// pmv unlimited, ppd [%] from it, pmvLimited to ±3, ppdMayer [%] from the limited value.
// For an unknown mode the outputs are left untouched.
void computePMV(unsigned mode, double ta, double t2, double rh, double va,
                double Icl, double M, double W,
                double &pmv, double &ppd, double &pmvLimited, double &ppdMayer);

// Water vapour partial pressure [Pa] as computePMV takes it: Magnus saturation
// pressure in hPa at ta [°C] (the operative temperature in mode 2) times rh [%].
double waterVapourPressure(double ta, double rh);

// The radiant temperature [°C] computePMV uses: from the globe temperature t2 in
// mode 1 (ISO 7726 forced convection, standard globe), ta in mode 2, t2 in mode 3;
// not a number for another mode.
double radiantTemperature(unsigned mode, double ta, double t2, double va);

// The two dissatisfaction curves of computePMV [%]: PPD of ISO 7730 and PPD-Mayer, which
// computePMV evaluates at the PMV limited to ±3.
double ppdOfPmv(double pmv);
double ppdMayerOfPmv(double pmv);

// Metabolic-rate unit selector: index 0 = W/m², index 1 = met (× 58.0).
// Any other index keeps the value and writes a trace line.
double convertMetabolicRate(double value, int unitIndex);
