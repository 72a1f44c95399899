// What the result charts of the assessment draw, taken from the same series, masks and result
// arrays as the result tables: band hours, the comfort scatter of the summer working hours with
// its comfort lines, the duration curve of the operative temperature and a binned density for
// large data sets. Counts are data rows; the chart functions scale them by the data interval.
#pragma once

#include "assessment/operativetemperature.h"

#include <QList>
#include <QPointF>

#include <array>
#include <vector>

// Hours per band [h] and the bands that lie wholly outside the criterion's limit (every hour
// in them fails it).
struct BandHours {
    std::vector<double> hours;
    std::vector<bool> outside;
};

// Winter bands 0-7 of the result array; outside: the two bands below 20 °C.
BandHours winterBandHours(const ResultArray &w, double dt);

// Summer bands 0-7 of the result array; outside: the bands whose every temperature reaches the
// exceedance threshold (the lowest To that exceeds the model's limit, summerExceedanceThreshold).
BandHours summerBandHours(const ResultArray &s, double dt, double threshold);

// The lowest To [°C] that exceeds the selected model's limit in every row of the summer mask:
// fixed and DIN 4108-2 limit + 0.001; national annex and adaptive model the highest limit that
// occurs among the mask's rows plus its tolerance (a row without running mean never exceeds, so
// then none is certain: +inf). +inf for an empty mask or DIN 4108-2 without a region.
double summerExceedanceThreshold(SummerModel model, SummerRegion region,
                                 const std::vector<bool> &summerMask, const std::vector<double> &te,
                                 const std::vector<double> &runningMean);

// Humidity bands 0-9 of an assessment distribution (index 10 the total). Relative humidity:
// outside are the bands wholly below the lower limit 25 %; humidity ratio: the bands wholly above
// the upper limit 12 g/kg.
enum class HumidityQuantity { RelativeHumidity, HumidityRatio };
BandHours humidityBandHours(const std::array<double, 11> &d, double dt, HumidityQuantity q);
// Position of the quantity's limit on the band axis: band i spans i - 0.5 ... i + 0.5.
double humidityLimitPosition(HumidityQuantity q);

// One working hour of the summer period in a comfort scatter: x the running mean outdoor
// temperature Θrm (adaptive model) or the outdoor temperature Te (national annex), y the
// operative temperature To [°C].
struct ScatterPoint {
    double x = 0, y = 0;
    ComfortCategory category = ComfortCategory::NotValid;
    bool aboveLimit = false;   // counted as an exceedance row by the model
};
// Θrm of the marker kNoRunningMean cannot be drawn.
inline bool isPlottable(const ScatterPoint &p) { return p.x < 998.0; }

// Rows of the summer mask in row order, categories of DIN EN 15251 as classifyAdaptiveCategories.
std::vector<ScatterPoint> adaptiveScatter(const std::vector<double> &to,
                                          const std::vector<bool> &summerMask,
                                          const std::vector<double> &runningMean);
// Rows of the summer mask in row order; the category stays NotValid (the annex has none).
std::vector<ScatterPoint> nationalAnnexScatter(const std::vector<double> &to,
                                               const std::vector<bool> &summerMask,
                                               const std::vector<double> &te);

// Lines over x0 ... x1 [°C]: the adaptive comfort temperature Θc + offset from Θrm = 10 °C up
// (empty below), the adaptive limit (25.1 °C up to Θrm = 10 °C, then Θc + 3) and the national
// annex limit (24 °C, 20 + 0.25 Te, 28 °C).
QList<QPointF> adaptiveComfortLine(double x0, double x1, double offset);
QList<QPointF> adaptiveLimitLine(double x0, double x1);
QList<QPointF> nationalAnnexLimitLine(double x0, double x1);

// The plotted range of the plottable points, widened to whole degrees; 0...1 for none.
struct PlotRange {
    double x0 = 0, x1 = 1, y0 = 0, y1 = 1;
};
PlotRange scatterRange(const std::vector<ScatterPoint> &points);

// Counts of plottable points per cell of an nx × ny grid over the range (row-major from y0),
// the points above the limit or the others; a point on the upper edge falls into the last cell.
// The two grids of one range together hold every plottable point once.
struct DensityGrid {
    PlotRange range;
    int nx = 0, ny = 0;
    std::vector<double> count;
    double at(int ix, int iy) const { return count[size_t(iy) * size_t(nx) + size_t(ix)]; }
};
DensityGrid binScatter(const std::vector<ScatterPoint> &points, const PlotRange &range, int nx,
                       int ny, bool aboveLimit);
// Beyond this many points the chart draws the density instead of single points.
constexpr size_t kDensityThreshold = 20000;

// Operative temperature of the summer mask's rows sorted from the warmest, with the limit [°C]
// and the degree-rows above it [K x rows], the same sum as the model's DegreeRows.
struct DurationCurve {
    std::vector<double> to;
    double limit = 0;
    double rowsAbove = 0;
    double degreeRowsAbove = 0;
};
DurationCurve durationCurve(const std::vector<double> &to, const std::vector<bool> &summerMask,
                            double limit);
// At most about maxPoints points (hours [h], To) of the steps of the curve, the first and the
// last step kept; a monotone curve loses nothing visible by the stride.
QList<QPointF> durationCurvePoints(const DurationCurve &c, double dt, int maxPoints);
