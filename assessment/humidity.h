// Hourly indoor moisture balance of a ventilated room and its BNB humidity assessment.
#pragma once

#include <array>
#include <vector>

// The room and moisture sources. Air change rates [1/h]; recovery effectiveness as a
// fraction (1 = 100 %); other source [g/h], added in working time; p [Pa]; volume [m³]; the
// record length [h] over which each record's production and air change act.
struct HumidityParameters {
    double achWinter = 2.0, achSummer = 2.0, achSpring = 0.0, achInfil = 0.2;
    double persons = 3.0, bigPlants = 0.0, smallPlants = 1.0, otherSource = 0.0;
    double hrWinter = 0.0, hrSummer = 0.0, hrSpring = 0.0;
    double pressure = 100000.0, volume = 108.0;
    double recordHours = 1.0;   // the length of one record [h]: the data interval
};

// One value per record (hour) each.
struct IndoorHumidity {
    std::vector<double> ahOut;   // outdoor absolute humidity [g/m³]
    std::vector<double> xOut;    // outdoor humidity ratio [kg/kg]
    std::vector<double> mprod;   // moisture production [g/h]
    std::vector<double> ach;     // air change rate [1/h]
    std::vector<double> rhIn;    // indoor relative humidity [%], at most 100
    std::vector<double> xIn;     // indoor humidity ratio [kg/kg]
    std::vector<double> ahIn;    // indoor absolute humidity [g/m³]
};

// Saturation vapour pressure over water [Pa] of a temperature t [°C] (Magnus form).
double saturationPressure(double t);

// to outdoor and ti indoor temperature [°C], rho outdoor relative humidity [%]; the masks
// mark working time and working time in the winter and summer humidity periods. All of
// length N. The first record holds a fixed start state (8.91 g/m³, 0.007513 kg/kg, 50.9 %);
// N = 0 gives empty series. pressure and volume must be > 0.
IndoorHumidity computeIndoorHumidity(const std::vector<double> &to, const std::vector<double> &ti,
                                     const std::vector<double> &rho,
                                     const std::vector<bool> &workingTime,
                                     const std::vector<bool> &winterHumidMask,
                                     const std::vector<bool> &summerHumidMask,
                                     const HumidityParameters &p);

// Slots of HumidityAssessment::summary.
namespace HumiditySlot {
enum : int {
    WinterAbove = 0, WinterBelow = 1, SummerAbove = 2, SummerBelow = 3,
    WinterRhTotal = 4, WinterXTotal = 5, SummerRhTotal = 6, SummerXTotal = 7,
    WinterBelowShare = 9, SummerAboveShare = 10, WinterPoints = 12, SummerPoints = 13
};
}

// Hours (records) per band; index 10 is the total of bands 0-9.
using HumidityDistribution = std::array<double, 11>;

struct HumidityAssessment {
    HumidityDistribution rhWinter{}, rhSummer{};   // relative humidity bands of 10 %
    HumidityDistribution xWinter{}, xSummer{};     // humidity ratio bands of 2 g/kg
    std::array<double, 14> summary{};              // see HumiditySlot; slots 8 and 11 stay 0
};

// Counts the records set in each mask. Above the upper limit (x > 12 g/kg) is counted
// first, else below the lower limit (RH < 25 %). Shares in %; winter points 0..30 from the
// share below, summer points 0..10 from the share above. An empty period gives a share and
// points that are not a number.
HumidityAssessment assessIndoorHumidity(const std::vector<double> &rhIn,
                                        const std::vector<double> &xIn,
                                        const std::vector<bool> &winterMask,
                                        const std::vector<bool> &summerMask);

// Points of a share [%] outside the limit: full below 7 %, none from 12 % on (limits 7.001
// and 12.001 so that the published values count in full), linear between, never negative.
double humidityPoints(double share, double fullPoints);
