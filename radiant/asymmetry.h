// Radiation asymmetry after ISO 7730: percentage dissatisfied (PD) per asymmetry, verdicts
// against the BNB thermal-comfort limits and the points of the radiation criterion.
#pragma once

#include <array>

struct RoomRadiantInput;

// Marks an asymmetry beyond the range of its PD curve.
constexpr double kPdOutOfRange = 999.0;

struct AsymmetryResult {
    double dtFrontBack = 0.0;      // |tpr front-facing - tpr back-facing| [K]
    double dtLeftRight = 0.0;      // |tpr right-facing - tpr left-facing| [K]
    double dtFloorCeiling = 0.0;   // |tpr down-facing - tpr up-facing| [K]
    double pdFrontBack = 0.0;      // [%], >= 0, or kPdOutOfRange
    double pdLeftRight = 0.0;
    double pdFloorCeiling = 0.0;
};

// PD [%] of a wall pair with asymmetry dt [K]. coldArea: either wall of the pair has an area
// colder than the wall; warmArea: either has one warmer than the wall. A cold area is judged
// first (cool wall, 0 < dt < 15.01 K, 999 from 15.01 K), then a warm one (warm wall,
// 0 < dt < 35.01 K, 999 from 35.01 K); no area or dt = 0 gives 0. Never negative.
double wallPairPd(double dt, bool coldArea, bool warmArea);

// PD [%] of the floor/ceiling pair from the plane radiant temperatures of the down- and
// up-facing elements [K]. Only a ceiling with an area is judged: warm ceiling when the
// up-facing side is warmer, cool ceiling otherwise, for 0 < dt < 23.01 K; dt > 23.01 K gives
// 999 whatever the ceiling; dt = 0 and dt = 23.01 exactly give 0. Never negative.
double floorCeilingPd(double trDown, double trUp, bool ceilingHasArea);

// The three asymmetries and PD values from the plane radiant temperatures [K] (indexed by
// RoomSide) and the entered surface and area temperatures and area flags.
AsymmetryResult computeAsymmetry(const std::array<double, 6> &trSpc, const RoomRadiantInput &room);

// BNB verdicts, true = pass: PD < 1.01 % for each pair (1 % with a tolerance of 0.01); the
// floor/ceiling pair also passes with PD < 5.01 % when the ceiling is warm, meaning that the
// ceiling area is ticked and its temperature is above the ceiling temperature.
struct AsymmetryVerdicts {
    bool frontBack = false;
    bool leftRight = false;
    bool floorCeiling = false;
};

AsymmetryVerdicts judgeAsymmetry(const AsymmetryResult &asymmetry, const RoomRadiantInput &room);

// Points of the radiation asymmetry and floor temperature criterion: 20 (winter) or 10
// (summerInstance) when the user confirms 19 °C <= floor temperature <= 29 °C and all three
// verdicts pass, else 0.
int radiationPoints(const AsymmetryVerdicts &verdicts, bool floorTemperatureInRange,
                    bool summerInstance);
