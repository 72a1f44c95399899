// Operative temperature assessment of a year of room data after the BNB thermal-comfort
// criterion: winter temperature bands, the summer distribution and four summer models
// (fixed 26 °C, adaptive model of DIN EN 15251, its German national annex, DIN 4108-2).
// Counts are counts of data rows; a caller multiplies by the data interval to get hours.
#pragma once

#include "assessment/timeaxis.h"

#include <array>
#include <cstddef>
#include <vector>

using ResultArray = std::array<double, 20>;
using DistributionArray = std::array<double, 9>;

// Winter array: slots 0-7 rows per band (To <= 18.999, then (x.999, x+1.999] up to 24.999,
// then To > 24.999) [rows].
namespace WinterSlot {
enum : int {
    FirstBand = 0,
    Total = 8,            // rows of the winter mask
    Outside = 9,          // rows with To <= 19.999 (below 20 °C, outside category I)
    OutsidePercent = 10,  // Outside / Total x 100 [%]; NaN for an empty winter mask
    DegreeRows = 11,      // sum of (20 - To) over the Outside rows [K x rows]
    Points = 12           // 30 when no row is outside, else 0
};
}

// Summer array as handed to the result page: slots 0-8 the distribution (bands To <= 24.001,
// (24.001, 25.001), then [x.001, x+1.001) up to 30.001, then To >= 30.001; total), slots
// 9-19 from the model. Slots 10, 12-14 and 16-19 stay 0.
namespace SummerSlot {
enum : int {
    FirstBand = 0,
    Total = 8,        // rows of the summer mask
    Exceedance = 9,   // rows at or above the model's limit
    DegreeRows = 11,  // sum of (To - limit) over the exceedance rows [K x rows]
    Points = 15       // summerPoints, or kDinNoPoints for DIN 4108-2
};
}

constexpr int kTemperatureBands = 8;
constexpr double kNoRunningMean = 999.0;   // running mean marker: none defined for the row
constexpr double kDinNoPoints = 999.0;     // DIN 4108-2 gives a verdict, no points

enum class SummerModel { Fixed26, AdaptiveEN, NationalAnnex, Din4108 };
enum class SummerRegion { None, A, B, C };

// Per-row rules of the summer models, shared by the evaluations and the result charts.
constexpr double kFixedSummerLimit = 26.0;          // [°C]
// Tolerances [K] above a summer limit that still comply: 26.0005 passes the 26 °C limit; the
// adaptive limit allows only 0.0001 K.
constexpr double kSummerLimitTolerance = 0.001;
constexpr double kAdaptiveLimitTolerance = 0.0001;
// A row exceeds a limit [°C] when To is not below limit + tolerance (fixed, national annex,
// DIN 4108-2), or limit + the adaptive tolerance (adaptive model).
bool exceedsSummerLimit(double to, double limit);
bool exceedsAdaptiveLimit(double to, double limit);
// DIN EN 15251: comfort temperature Θc = 0.33 Θrm + 18.8 [°C]; the adaptive limit (upper edge
// of category II) Θc + 3 for Θrm > 10 °C, 25.1 °C below (351.47 °C for the marker 999).
double adaptiveComfortTemperature(double runningMean);
double adaptiveLimit(double runningMean);
// National annex limit [°C] of the outdoor temperature te [°C] of the same row.
double nationalAnnexLimit(double te);
// Comfort category of one row around Θc (I: ±2 K, II: ±3 K, III: ±4 K, edges inclusive); a
// running mean above 998 or below 10 °C makes the row not valid.
enum class ComfortCategory { I, II, III, Outside, NotValid };
ComfortCategory adaptiveCategory(double to, double runningMean);

// Each evaluation walks the rows both vectors hold and uses a row when its mask flag is set.
ResultArray evaluateWinter(const std::vector<double> &to, const std::vector<bool> &winterMask);
DistributionArray evaluateSummerDistribution(const std::vector<double> &to,
                                             const std::vector<bool> &summerMask);

// BNB points from the degree-rows a [K x rows] above the limit and the summer rows W:
// 70 below 3 % of W (3.001 %), falling linearly to 10 at 10 % (10.01 %), 0 beyond; 0 for W = 0.
double summerPoints(double degreeRows, double maskRows);

// Fixed limit 26 °C: a row exceeds when To >= 26.001 and adds To - 26.
ResultArray evaluateFixed26(const std::vector<double> &to, const std::vector<bool> &summerMask);

// Running mean outdoor temperature Θrm [°C] of each row's day after DIN EN 15251:
// Σ α^k T̄(d-1-k) / Σ α^k over the fifteen days before the row's day d (k = 0...14, the most
// recent with α^0), normalised so that a constant outdoor temperature T gives T. Rows outside
// periodStart...periodEnd, rows below 384 and rows whose day has fewer than fifteen earlier
// days carry kNoRunningMean. te [°C] per row; days follow the axis dates.
std::vector<double> computeRunningMeanEN(const TimeAxis &axis, const std::vector<double> &te,
                                         double alpha, size_t periodStart, size_t periodEnd);

// Adaptive model (DIN EN 15251, upper limit of category II): Θmax = 0.33 Θrm + 21.8 for
// Θrm > 10 °C, 25.1 °C otherwise; a row exceeds when To >= Θmax + 0.0001 and adds To - Θmax.
// The marker 999 gives Θmax = 351.47 °C: such a row never exceeds.
ResultArray evaluateAdaptiveEN(const std::vector<double> &to, const std::vector<bool> &summerMask,
                               const std::vector<double> &runningMean);

// German national annex to DIN EN 15251: limit 24 °C for Te <= 16.001, 20 + 0.25 Te between,
// 28 °C for Te >= 32.001, Te the outdoor temperature of the same row [°C]; a row exceeds at
// To >= limit + 0.001 and adds To - limit.
ResultArray evaluateNationalAnnex(const std::vector<double> &to,
                                  const std::vector<bool> &summerMask, const std::vector<double> &te);

// DIN 4108-2 summer limit of the climate region [°C]: A 25, B 26, C 27; None gives NaN.
double din4108Limit(SummerRegion region);
// A row exceeds at To >= limit + 0.001 and adds To - limit; Points = kDinNoPoints.
ResultArray evaluateDin4108(const std::vector<double> &to, const std::vector<bool> &summerMask,
                            double limit);

// Slots 0-8 of the distribution, 9-19 of the model array.
ResultArray combineSummerResults(const DistributionArray &d, const ResultArray &model);

// Rows of the summer mask within start...end in the comfort categories of DIN EN 15251 around
// Θc = 0.33 Θrm + 18.8 (I: ±2 K, II: ±3 K, III: ±4 K); a running mean above 998 or below 10 °C
// makes a row not valid. fOut1-3 [%] = rows outside category I (II, III), not-valid rows
// excluded, per mask row of the period; NaN for an empty period.
struct AdaptiveCategories {
    double notValid = 0, outside = 0, c1 = 0, c2 = 0, c3 = 0, total = 0;
    double fOut1 = 0, fOut2 = 0, fOut3 = 0;
    double start = 0, end = 0;
};
AdaptiveCategories classifyAdaptiveCategories(const std::vector<double> &to,
                                              const std::vector<bool> &summerMask,
                                              const std::vector<double> &runningMean,
                                              size_t start, size_t end);

// The whole evaluation of one Compute for a command-line tool and the form alike. The series
// hold one value per row (axis.rows values each).
struct OperativeAssessmentInput {
    TimeAxisInput axis;
    double alpha = 0.8;   // running mean weight, 0 <= α < 1
    SummerModel model = SummerModel::Fixed26;
    SummerRegion region = SummerRegion::A;
    std::vector<double> outdoorTemp;    // Te [°C]
    std::vector<double> outdoorHumid;   // [%]
    std::vector<double> indoorTemp;     // To [°C]
};

struct OperativeAssessment {
    bool ok = false;              // false: `missing` names the absent period boundary
    PeriodBoundary missing;
    TimeAxis axis;
    SeasonMasks masks;
    ResultArray winter{};
    DistributionArray summerDistribution{};
    ResultArray model{};          // the selected model's array
    bool modelEvaluated = false;  // false for DIN 4108-2 without a region
    std::vector<double> runningMean;      // adaptive model only
    AdaptiveCategories categories;        // adaptive model only
};
OperativeAssessment assessOperativeTemperature(const OperativeAssessmentInput &in);
