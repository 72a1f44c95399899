#include "assessment/operativetemperature.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Winter band edges [°C] at x.999: every value falls into exactly one band and the upper edge
// belongs to its band, so 19.9995 already counts as 20 °C.
constexpr double kWinterEdges[kTemperatureBands - 1] = {18.999, 19.999, 20.999, 21.999,
                                                        22.999, 23.999, 24.999};
constexpr double kWinterLimit = 20.0;        // lower edge of category I [°C]
constexpr double kWinterLimitEdge = 19.999;  // rows at or below are outside category I
constexpr double kWinterPoints = 30.0;

// Summer band edges [°C] at x.001 so that a value on the published edge stays in the lower
// band; the first band closes at 24.001, the others open there.
constexpr double kSummerEdges[kTemperatureBands - 1] = {24.001, 25.001, 26.001, 27.001,
                                                        28.001, 29.001, 30.001};


// DIN EN 15251 adaptive model: comfort temperature Θc = 0.33 Θrm + 18.8 [°C], category II
// upper limit Θc + 3; below Θrm = 10 °C the limit stays at its value there, 25.1 °C.
constexpr double kAdaptiveSlope = 0.33;
constexpr double kComfortOffset = 18.8;
constexpr double kCategoryIIOffset = 21.8;
constexpr double kAdaptiveMinRm = 10.0;
constexpr double kAdaptiveFloorLimit = 25.1;

// Running mean of DIN EN 15251: fifteen previous days; no value before row 384 (sixteen days
// of hourly rows).
constexpr int kRunningMeanDays = 15;
constexpr size_t kRunningMeanFirstRow = 384;

// National annex to DIN EN 15251 [°C]: limit 24 up to Te = 16, 20 + 0.25 Te, 28 from 32.
constexpr double kNaLowTe = 16.001, kNaHighTe = 32.001;
constexpr double kNaLowLimit = 24.0, kNaHighLimit = 28.0, kNaBase = 20.0, kNaSlope = 0.25;

// BNB summer points: 70 up to 3 % degree-rows per summer row, linearly down to 10 at 10 %.
constexpr double kMaxPoints = 70.0, kPointsDrop = 60.0;
constexpr double kFullPointsShare = 0.03, kNoPointsShare = 0.1;
constexpr double kFullPointsEdge = 0.03001, kNoPointsEdge = 0.1001;

size_t commonRows(size_t a, size_t b)
{
    return std::min(a, b);
}

// Exceedance rows, degree-rows and points of a summer model; `limitOf(i)` gives row i's limit
// [°C] and `exceeds(to, limit)` compares with the model's tolerance. Rows 0...n-1 are walked;
// the caller makes sure that every vector read holds them.
template<class Limit, class Exceeds>
ResultArray evaluateSummerLimit(size_t n, const std::vector<double> &to,
                                const std::vector<bool> &mask, Limit limitOf, Exceeds exceeds,
                                bool withPoints)
{
    ResultArray r{};
    double rows = 0, exceeded = 0, degreeRows = 0;
    for (size_t i = 0; i < n; ++i) {
        if (!mask[i])
            continue;
        ++rows;
        const double limit = limitOf(i);
        if (exceeds(to[i], limit)) {
            ++exceeded;
            degreeRows += to[i] - limit;
        }
    }
    r[SummerSlot::Exceedance] = exceeded;
    r[SummerSlot::DegreeRows] = degreeRows;
    r[SummerSlot::Points] = withPoints ? summerPoints(degreeRows, rows) : kDinNoPoints;
    return r;
}

}

bool exceedsSummerLimit(double to, double limit)
{
    return !(to < limit + kSummerLimitTolerance);
}

bool exceedsAdaptiveLimit(double to, double limit)
{
    return !(to < limit + kAdaptiveLimitTolerance);
}

double adaptiveComfortTemperature(double runningMean)
{
    return kAdaptiveSlope * runningMean + kComfortOffset;
}

double adaptiveLimit(double runningMean)
{
    return runningMean > kAdaptiveMinRm ? kAdaptiveSlope * runningMean + kCategoryIIOffset
                                        : kAdaptiveFloorLimit;
}

double nationalAnnexLimit(double te)
{
    if (te <= kNaLowTe)
        return kNaLowLimit;
    if (te < kNaHighTe)
        return kNaBase + kNaSlope * te;
    return kNaHighLimit;
}

ComfortCategory adaptiveCategory(double to, double runningMean)
{
    if (runningMean > 998.0 || runningMean < kAdaptiveMinRm)
        return ComfortCategory::NotValid;
    const double comfort = adaptiveComfortTemperature(runningMean);
    if (comfort - 2.0 <= to && to <= comfort + 2.0)
        return ComfortCategory::I;
    if (comfort - 3.0 <= to && to <= comfort + 3.0)
        return ComfortCategory::II;
    if (comfort - 4.0 <= to && to <= comfort + 4.0)
        return ComfortCategory::III;
    return ComfortCategory::Outside;
}

ResultArray evaluateWinter(const std::vector<double> &to, const std::vector<bool> &winterMask)
{
    ResultArray r{};
    double outside = 0, degreeRows = 0;
    const size_t n = commonRows(to.size(), winterMask.size());
    for (size_t i = 0; i < n; ++i) {
        if (!winterMask[i])
            continue;
        const double t = to[i];
        int band = 0;
        while (band < kTemperatureBands - 1 && t > kWinterEdges[band])
            ++band;
        ++r[WinterSlot::FirstBand + band];
        if (!(t > kWinterLimitEdge)) {
            ++outside;
            degreeRows += kWinterLimit - t;
        }
    }
    double total = 0;
    for (int b = 0; b < kTemperatureBands; ++b)
        total += r[WinterSlot::FirstBand + b];
    r[WinterSlot::Total] = total;
    r[WinterSlot::Outside] = outside;
    r[WinterSlot::OutsidePercent] = outside / total * 100.0;   // 0/0 stays NaN: "N.A"
    r[WinterSlot::DegreeRows] = degreeRows;
    r[WinterSlot::Points] = outside == 0 ? kWinterPoints : 0.0;
    return r;
}

DistributionArray evaluateSummerDistribution(const std::vector<double> &to,
                                             const std::vector<bool> &summerMask)
{
    DistributionArray d{};
    const size_t n = commonRows(to.size(), summerMask.size());
    for (size_t i = 0; i < n; ++i) {
        if (!summerMask[i])
            continue;
        const double t = to[i];
        int band = 0;
        if (t > kSummerEdges[0]) {   // the first band holds its upper edge 24.001
            band = 1;
            while (band < kTemperatureBands - 1 && t >= kSummerEdges[band])
                ++band;
        }
        ++d[SummerSlot::FirstBand + band];
    }
    double total = 0;
    for (int b = 0; b < kTemperatureBands; ++b)
        total += d[SummerSlot::FirstBand + b];
    d[SummerSlot::Total] = total;
    return d;
}

double summerPoints(double degreeRows, double maskRows)
{
    const double a = degreeRows, w = maskRows;
    if (a < kFullPointsEdge * w)
        return kMaxPoints;
    if (a < kNoPointsEdge * w)
        return kMaxPoints - kPointsDrop * (a - kFullPointsShare * w)
                                / ((kNoPointsShare - kFullPointsShare) * w);
    return 0.0;
}

ResultArray evaluateFixed26(const std::vector<double> &to, const std::vector<bool> &summerMask)
{
    return evaluateSummerLimit(commonRows(to.size(), summerMask.size()), to, summerMask,
                               [](size_t) { return kFixedSummerLimit; }, exceedsSummerLimit, true);
}

std::vector<double> computeRunningMeanEN(const TimeAxis &axis, const std::vector<double> &te,
                                         double alpha, size_t periodStart, size_t periodEnd)
{
    const size_t n = axis.dates.size();
    std::vector<double> rm(n, kNoRunningMean);
    const size_t withTe = commonRows(n, te.size());
    if (withTe == 0)
        return rm;

    // Daily means of Te, one day per run of equal dates.
    std::vector<int> dayOfRow(withTe);
    std::vector<double> dayMean;
    double sum = 0;
    int count = 0;
    for (size_t i = 0; i < withTe; ++i) {
        if (i > 0 && axis.dates[i] != axis.dates[i - 1]) {
            dayMean.push_back(sum / count);
            sum = 0;
            count = 0;
        }
        sum += te[i];
        ++count;
        dayOfRow[i] = int(dayMean.size());
    }
    dayMean.push_back(sum / count);

    // Weights α^k of the fifteen previous days. Their sum normalises the mean: the weights
    // (1 - α) α^k of DIN EN 15251 cut after fifteen days sum to 1 - α^15 only, which would
    // give 0.965 T for a constant outdoor temperature T at α = 0.8.
    double weight[kRunningMeanDays];
    double weightSum = 0;
    for (int k = 0; k < kRunningMeanDays; ++k) {
        weight[k] = k == 0 ? 1.0 : weight[k - 1] * alpha;
        weightSum += weight[k];
    }
    std::vector<double> dayRm(dayMean.size(), kNoRunningMean);
    for (size_t d = kRunningMeanDays; d < dayMean.size(); ++d) {
        double s = 0;
        for (int k = 0; k < kRunningMeanDays; ++k)
            s += weight[k] * dayMean[d - 1 - k];
        dayRm[d] = s / weightSum;
    }

    const size_t first = std::max(periodStart, kRunningMeanFirstRow);
    const size_t last = std::min(periodEnd, withTe - 1);
    for (size_t i = first; i <= last && i < withTe; ++i)
        rm[i] = dayRm[dayOfRow[i]];
    return rm;
}

ResultArray evaluateAdaptiveEN(const std::vector<double> &to, const std::vector<bool> &summerMask,
                               const std::vector<double> &runningMean)
{
    return evaluateSummerLimit(
        commonRows(to.size(), summerMask.size()), to, summerMask,
        [&](size_t i) {
            return adaptiveLimit(i < runningMean.size() ? runningMean[i] : kNoRunningMean);
        },
        exceedsAdaptiveLimit, true);
}

ResultArray evaluateNationalAnnex(const std::vector<double> &to,
                                  const std::vector<bool> &summerMask, const std::vector<double> &te)
{
    const size_t n = std::min({to.size(), summerMask.size(), te.size()});
    return evaluateSummerLimit(
        n, to, summerMask,
        [&](size_t i) { return nationalAnnexLimit(te[i]); }, exceedsSummerLimit, true);
}

double din4108Limit(SummerRegion region)
{
    switch (region) {
    case SummerRegion::A:
        return 25.0;
    case SummerRegion::B:
        return 26.0;
    case SummerRegion::C:
        return 27.0;
    case SummerRegion::None:
        break;
    }
    return std::numeric_limits<double>::quiet_NaN();
}

ResultArray evaluateDin4108(const std::vector<double> &to, const std::vector<bool> &summerMask,
                            double limit)
{
    return evaluateSummerLimit(commonRows(to.size(), summerMask.size()), to, summerMask,
                               [limit](size_t) { return limit; }, exceedsSummerLimit, false);
}

ResultArray combineSummerResults(const DistributionArray &d, const ResultArray &model)
{
    ResultArray r = model;
    std::copy(d.begin(), d.end(), r.begin());
    return r;
}

AdaptiveCategories classifyAdaptiveCategories(const std::vector<double> &to,
                                              const std::vector<bool> &summerMask,
                                              const std::vector<double> &runningMean,
                                              size_t start, size_t end)
{
    AdaptiveCategories c;
    c.start = double(start);
    c.end = double(end);
    const size_t n = std::min({to.size(), summerMask.size(), runningMean.size()});
    double rows = 0;
    for (size_t i = start; i <= end && i < n; ++i) {
        if (!summerMask[i])
            continue;
        ++rows;
        switch (adaptiveCategory(to[i], runningMean[i])) {
        case ComfortCategory::NotValid:
            ++c.notValid;
            break;
        case ComfortCategory::I:
            ++c.c1;
            break;
        case ComfortCategory::II:
            ++c.c2;
            break;
        case ComfortCategory::III:
            ++c.c3;
            break;
        case ComfortCategory::Outside:
            ++c.outside;
            break;
        }
    }
    c.total = c.notValid + c.outside + c.c1 + c.c2 + c.c3;
    c.fOut1 = 100.0 * (rows - c.c1 - c.notValid) / rows;
    c.fOut2 = 100.0 * (rows - c.c1 - c.c2 - c.notValid) / rows;
    c.fOut3 = 100.0 * (rows - c.c1 - c.c2 - c.c3 - c.notValid) / rows;
    return c;
}

OperativeAssessment assessOperativeTemperature(const OperativeAssessmentInput &in)
{
    OperativeAssessment r;
    r.axis = generateTimeAxis(in.axis);
    if (!buildSeasonMasks(r.axis, r.masks, r.missing))
        return r;
    r.ok = true;
    r.winter = evaluateWinter(in.indoorTemp, r.masks.winter);
    r.summerDistribution = evaluateSummerDistribution(in.indoorTemp, r.masks.summer);
    r.modelEvaluated = true;
    switch (in.model) {
    case SummerModel::Fixed26:
        r.model = evaluateFixed26(in.indoorTemp, r.masks.summer);
        break;
    case SummerModel::AdaptiveEN:
        r.runningMean = computeRunningMeanEN(r.axis, in.outdoorTemp, in.alpha, r.masks.summerStart,
                                             r.masks.summerEnd);
        r.model = evaluateAdaptiveEN(in.indoorTemp, r.masks.summer, r.runningMean);
        r.categories = classifyAdaptiveCategories(in.indoorTemp, r.masks.summer, r.runningMean,
                                                  r.masks.summerStart, r.masks.summerEnd);
        break;
    case SummerModel::NationalAnnex:
        r.model = evaluateNationalAnnex(in.indoorTemp, r.masks.summer, in.outdoorTemp);
        break;
    case SummerModel::Din4108:
        r.modelEvaluated = in.region != SummerRegion::None;
        if (r.modelEvaluated)
            r.model = evaluateDin4108(in.indoorTemp, r.masks.summer, din4108Limit(in.region));
        break;
    }
    return r;
}
