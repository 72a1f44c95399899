// Which PMV inputs are physically possible, and which lie inside the range for
// which ISO 7730 (section 4) says PMV and PPD apply. Pure, allocation-free.
#pragma once

#include "comfort/numbertext.h"

#include <array>

// Physically possible inputs; the forms refuse others. The clothing and metabolic
// rate ranges hold in either unit (clo or m²K/W, met or W/m²).
namespace PmvPhysical {
constexpr ValueRange kTemperature = kPhysicalTemperature;         // °C
constexpr ValueRange kRelativeHumidity{0.0, 100.0};                  // %
constexpr ValueRange kAirSpeed{0.0};                                 // m/s
constexpr ValueRange kClothing{0.0};
constexpr ValueRange kMetabolicRate{0.0, std::numeric_limits<double>::infinity(), false};
}

// True when every input of one state is finite and physically possible:
// ta, t2 [°C], rh [%], va [m/s], Icl [m²K/W], M [W/m²].
bool pmvStateIsPhysical(double ta, double t2, double rh, double va, double Icl, double M);

// Quantities of the ISO 7730 validity check, in the order a note names them.
namespace Iso7730Quantity {
enum : int {
    MetabolicRate,        // M [W/m²]
    Clothing,             // Icl [m²K/W]
    AirTemperature,       // ta [°C] (the operative temperature in mode 2)
    RadiantTemperature,   // tr [°C] as computePMV forms it
    AirSpeed,             // va [m/s]
    VapourPressure,       // pa [Pa] as computePMV forms it
    Pmv,                  // PMV [-]
    Count
};
}

// ISO 7730 ranges: M 46-232 W/m² (0.8-4 met), Icl 0-0.310 m²K/W (0-2 clo),
// ta 10-30 °C, tr 10-40 °C, va 0-1 m/s, pa 0-2700 Pa, PMV -2 to +2.
constexpr std::array<ValueRange, Iso7730Quantity::Count> kIso7730Ranges{{
    {46.0, 232.0},
    {0.0, 0.310},
    {10.0, 30.0},
    {10.0, 40.0},
    {0.0, 1.0},
    {0.0, 2700.0},
    {-2.0, 2.0},
}};

struct Iso7730Check {
    std::array<double, Iso7730Quantity::Count> value{};   // indexed by Iso7730Quantity
    unsigned outside = 0;                                 // bit 1 << quantity when outside

    bool any() const { return outside != 0; }
    bool isOutside(int quantity) const { return outside & (1u << quantity); }
};

// The check of one computed state, with computePMV's arguments and its PMV.
Iso7730Check checkIso7730(unsigned mode, double ta, double t2, double rh, double va,
                          double Icl, double M, double pmv);
