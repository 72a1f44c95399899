#include "assessment/chartdata.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

// Lowest temperature of summer band k >= 1 [°C]: band 1 holds To > 24.001, band k >= 2 holds
// To >= 23.001 + k. Band 0 is open downwards.
double summerBandFloor(int band)
{
    return 23.001 + band;
}

// Winter bands 0 (To <= 18.999) and 1 (up to 19.999) lie below the category I limit 20 °C.
constexpr int kWinterBandsBelow = 2;

// Humidity bands: relative humidity 10 % wide, humidity ratio 2 g/kg wide. Bands 0 and 1 end
// below 25 % RH; bands 6-9 start above 12 g/kg (band 6 at 12.001 g/kg).
constexpr int kHumidityBands = 10;
constexpr int kRhBandsBelow = 2;
constexpr int kXFirstBandAbove = 6;
constexpr double kRhLowerLimit = 25.0, kRhBandWidth = 10.0;   // [%]
constexpr double kXUpperLimit = 12.0, kXBandWidth = 2.0;      // [g/kg]

BandHours bandHours(const double *rows, int bands, double dt, const std::function<bool(int)> &outside)
{
    BandHours b;
    b.hours.reserve(size_t(bands));
    b.outside.reserve(size_t(bands));
    for (int i = 0; i < bands; ++i) {
        b.hours.push_back(rows[i] * dt);
        b.outside.push_back(outside(i));
    }
    return b;
}

// Samples of f over x0 ... x1 at both ends and at the breakpoints between.
QList<QPointF> polyline(double x0, double x1, std::initializer_list<double> breaks,
                        const std::function<double(double)> &f)
{
    QList<QPointF> line;
    line.append(QPointF(x0, f(x0)));
    for (double b : breaks)
        if (b > x0 && b < x1)
            line.append(QPointF(b, f(b)));
    line.append(QPointF(x1, f(x1)));
    return line;
}

constexpr double kAdaptiveMinRm = 10.0;   // [°C] the adaptive comfort band starts here

}

BandHours winterBandHours(const ResultArray &w, double dt)
{
    return bandHours(&w[WinterSlot::FirstBand], kTemperatureBands, dt,
                     [](int band) { return band < kWinterBandsBelow; });
}

BandHours summerBandHours(const ResultArray &s, double dt, double threshold)
{
    return bandHours(&s[SummerSlot::FirstBand], kTemperatureBands, dt, [threshold](int band) {
        // The floors are x.001 sums; 1e-9 keeps 26.001 >= 26 + 0.001 true.
        return band > 0 && summerBandFloor(band) >= threshold - 1e-9;
    });
}

double summerExceedanceThreshold(SummerModel model, SummerRegion region,
                                 const std::vector<bool> &summerMask, const std::vector<double> &te,
                                 const std::vector<double> &runningMean)
{
    const auto highest = [&](const std::vector<double> &v, double (*limitOf)(double)) {
        double h = -kInf;
        const size_t n = std::min(summerMask.size(), v.size());
        for (size_t i = 0; i < n; ++i)
            if (summerMask[i])
                h = std::max(h, limitOf(v[i]));
        if (std::find(summerMask.begin() + std::ptrdiff_t(n), summerMask.end(), true)
            != summerMask.end())
            return kInf;   // rows without a value: the model never counts them
        return h;
    };
    switch (model) {
    case SummerModel::Fixed26:
        return kFixedSummerLimit + kSummerLimitTolerance;
    case SummerModel::Din4108:
        return region == SummerRegion::None ? kInf : din4108Limit(region) + kSummerLimitTolerance;
    case SummerModel::NationalAnnex: {
        const double h = highest(te, nationalAnnexLimit);
        return h == -kInf ? kInf : h + kSummerLimitTolerance;
    }
    case SummerModel::AdaptiveEN: {
        const double h = highest(runningMean, adaptiveLimit);
        return h == -kInf ? kInf : h + kAdaptiveLimitTolerance;
    }
    }
    return kInf;
}

BandHours humidityBandHours(const std::array<double, 11> &d, double dt, HumidityQuantity q)
{
    return bandHours(d.data(), kHumidityBands, dt, [q](int band) {
        return q == HumidityQuantity::RelativeHumidity ? band < kRhBandsBelow
                                                       : band >= kXFirstBandAbove;
    });
}

double humidityLimitPosition(HumidityQuantity q)
{
    // Band i covers i·w ... (i+1)·w and is centred on position i.
    return q == HumidityQuantity::RelativeHumidity ? kRhLowerLimit / kRhBandWidth - 0.5
                                                   : kXUpperLimit / kXBandWidth - 0.5;
}

std::vector<ScatterPoint> adaptiveScatter(const std::vector<double> &to,
                                          const std::vector<bool> &summerMask,
                                          const std::vector<double> &runningMean)
{
    std::vector<ScatterPoint> points;
    const size_t n = std::min({to.size(), summerMask.size(), runningMean.size()});
    for (size_t i = 0; i < n; ++i) {
        if (!summerMask[i])
            continue;
        const double rm = runningMean[i];
        points.push_back({rm, to[i], adaptiveCategory(to[i], rm),
                          exceedsAdaptiveLimit(to[i], adaptiveLimit(rm))});
    }
    return points;
}

std::vector<ScatterPoint> nationalAnnexScatter(const std::vector<double> &to,
                                               const std::vector<bool> &summerMask,
                                               const std::vector<double> &te)
{
    std::vector<ScatterPoint> points;
    const size_t n = std::min({to.size(), summerMask.size(), te.size()});
    for (size_t i = 0; i < n; ++i)
        if (summerMask[i])
            points.push_back({te[i], to[i], ComfortCategory::NotValid,
                              exceedsSummerLimit(to[i], nationalAnnexLimit(te[i]))});
    return points;
}

QList<QPointF> adaptiveComfortLine(double x0, double x1, double offset)
{
    const double from = std::max(x0, kAdaptiveMinRm);
    if (from >= x1)
        return {};
    return polyline(from, x1, {},
                    [offset](double rm) { return adaptiveComfortTemperature(rm) + offset; });
}

QList<QPointF> adaptiveLimitLine(double x0, double x1)
{
    return polyline(x0, x1, {kAdaptiveMinRm}, adaptiveLimit);
}

QList<QPointF> nationalAnnexLimitLine(double x0, double x1)
{
    // The annex's own breakpoints lie at 16.001 and 32.001 °C; the line bends at 16 and 32.
    return polyline(x0, x1, {16.0, 32.0}, nationalAnnexLimit);
}

PlotRange scatterRange(const std::vector<ScatterPoint> &points)
{
    double x0 = kInf, x1 = -kInf, y0 = kInf, y1 = -kInf;
    for (const ScatterPoint &p : points) {
        if (!isPlottable(p))
            continue;
        x0 = std::min(x0, p.x);
        x1 = std::max(x1, p.x);
        y0 = std::min(y0, p.y);
        y1 = std::max(y1, p.y);
    }
    if (x0 > x1)
        return {};
    PlotRange r{std::floor(x0), std::ceil(x1), std::floor(y0), std::ceil(y1)};
    if (r.x1 <= r.x0)
        r.x1 = r.x0 + 1;
    if (r.y1 <= r.y0)
        r.y1 = r.y0 + 1;
    return r;
}

DensityGrid binScatter(const std::vector<ScatterPoint> &points, const PlotRange &range, int nx,
                       int ny, bool aboveLimit)
{
    DensityGrid g;
    g.range = range;
    g.nx = std::max(nx, 1);
    g.ny = std::max(ny, 1);
    g.count.assign(size_t(g.nx) * size_t(g.ny), 0.0);
    const double sx = g.nx / (range.x1 - range.x0), sy = g.ny / (range.y1 - range.y0);
    const auto cell = [](double v, double scale, int cells) {
        return std::clamp(int(std::floor(v * scale)), 0, cells - 1);
    };
    for (const ScatterPoint &p : points) {
        if (!isPlottable(p) || p.aboveLimit != aboveLimit)
            continue;
        const int ix = cell(p.x - range.x0, sx, g.nx), iy = cell(p.y - range.y0, sy, g.ny);
        ++g.count[size_t(iy) * size_t(g.nx) + size_t(ix)];
    }
    return g;
}

DurationCurve durationCurve(const std::vector<double> &to, const std::vector<bool> &summerMask,
                            double limit)
{
    DurationCurve c;
    c.limit = limit;
    const size_t n = std::min(to.size(), summerMask.size());
    for (size_t i = 0; i < n; ++i)
        if (summerMask[i])
            c.to.push_back(to[i]);
    std::sort(c.to.begin(), c.to.end(), std::greater<double>());
    for (double t : c.to) {
        if (!exceedsSummerLimit(t, limit))
            break;
        ++c.rowsAbove;
        c.degreeRowsAbove += t - limit;
    }
    return c;
}

QList<QPointF> durationCurvePoints(const DurationCurve &c, double dt, int maxPoints)
{
    QList<QPointF> points;
    const size_t n = c.to.size();
    if (n == 0)
        return points;
    const size_t stride = std::max<size_t>(1, n / size_t(std::max(maxPoints, 2)));
    points.reserve(qsizetype(n / stride + 2));
    for (size_t k = 0; k < n; k += stride)
        points.append(QPointF(double(k) * dt, c.to[k]));
    points.append(QPointF(double(n) * dt, c.to[n - 1]));
    return points;
}
