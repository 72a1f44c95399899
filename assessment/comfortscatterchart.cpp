#include "assessment/comfortscatterchart.h"

#include <QAreaSeries>
#include <QChart>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

const QColor kWithinColour(78, 121, 167);
const QColor kAboveColour(214, 39, 40);
const QColor kNotValidColour(150, 150, 150);
const QColor kLimitColour(120, 0, 0);
const QColor kComfortColour(44, 110, 44);

// The density grid: cells of about one kelvin by half a kelvin over a summer's range, drawn
// as square markers in four shades from light (few hours) to full (most hours).
constexpr int kDensityCellsX = 60, kDensityCellsY = 40;
constexpr int kDensityShades = 4;
constexpr qreal kPointSize = 5.0;

QScatterSeries *pointSeries(const QString &name, const QColor &colour)
{
    auto *s = new QScatterSeries;
    s->setName(name);
    s->setColor(colour);
    s->setBorderColor(colour);
    s->setMarkerSize(kPointSize);
    return s;
}

}

ComfortScatterChart::ComfortScatterChart(QWidget *parent)
    : ChartView(parent)
{
    connect(chart(), &QChart::plotAreaChanged, this, [this] {
        if (density)
            sizeDensityCells();
    });
}

void ComfortScatterChart::showAdaptive(const std::vector<ScatterPoint> &points, double dt)
{
    clearChart();
    chart()->setTitle(tr("Adaptive model (DIN EN 15251): working hours in summer"));
    PlotRange r = scatterRange(points);
    r.x0 = std::min(r.x0, 10.0);
    r.y0 = std::min(r.y0, adaptiveComfortTemperature(r.x0) - 4.0);
    r.y1 = std::max(r.y1, adaptiveComfortTemperature(r.x1) + 4.0);
    setAxes(tr("Running mean outdoor temperature \u0398rm (\u00b0C)"), r);
    addBand(adaptiveComfortLine(r.x0, r.x1, -4), adaptiveComfortLine(r.x0, r.x1, 4),
            tr("Category III (\u00b14 K)"), QColor(44, 160, 44, 40));
    addBand(adaptiveComfortLine(r.x0, r.x1, -3), adaptiveComfortLine(r.x0, r.x1, 3),
            tr("Category II (\u00b13 K)"), QColor(44, 160, 44, 50));
    addBand(adaptiveComfortLine(r.x0, r.x1, -2), adaptiveComfortLine(r.x0, r.x1, 2),
            tr("Category I (\u00b12 K)"), QColor(44, 160, 44, 70));
    showPoints(points, dt, r, true);
    addLine(adaptiveComfortLine(r.x0, r.x1, 0), tr("Comfort temperature \u0398c"), kComfortColour,
            Qt::SolidLine);
    addLine(adaptiveLimitLine(r.x0, r.x1), tr("Limit (upper edge of category II)"), kLimitColour,
            Qt::DashLine);
}

void ComfortScatterChart::showNationalAnnex(const std::vector<ScatterPoint> &points, double dt)
{
    clearChart();
    chart()->setTitle(tr("National annex (DIN EN 15251): working hours in summer"));
    PlotRange r = scatterRange(points);
    r.y1 = std::max(r.y1, 29.0);
    setAxes(tr("Outdoor temperature Te (\u00b0C)"), r);
    showPoints(points, dt, r, false);
    addLine(nationalAnnexLimitLine(r.x0, r.x1), tr("Limit (24 \u00b0C, 20 + 0.25\u00b7Te, 28 \u00b0C)"),
            kLimitColour, Qt::DashLine);
}

void ComfortScatterChart::setAxes(const QString &xTitle, const PlotRange &r)
{
    xAxis = addValueAxis(Qt::AlignBottom, xTitle, r.x0, r.x1);
    yAxis = addValueAxis(Qt::AlignLeft, tr("Operative temperature To (\u00b0C)"), r.y0, r.y1);
}

void ComfortScatterChart::showPoints(const std::vector<ScatterPoint> &points, double dt,
                                     const PlotRange &r, bool markNotValid)
{
    cellSeries.clear();
    const auto plottable = size_t(std::count_if(points.begin(), points.end(), isPlottable));
    density = plottable > kDensityThreshold;
    if (density) {
        addDensity(binScatter(points, r, kDensityCellsX, kDensityCellsY, false), dt, kWithinColour,
                   tr("Hours within the limit (density)"));
        addDensity(binScatter(points, r, kDensityCellsX, kDensityCellsY, true), dt, kAboveColour,
                   tr("Hours above the limit (density)"));
        sizeDensityCells();
        return;
    }
    QScatterSeries *within = pointSeries(tr("Hours within the limit"), kWithinColour);
    QScatterSeries *above = pointSeries(tr("Hours above the limit"), kAboveColour);
    QScatterSeries *notValid = pointSeries(tr("Running mean below 10 \u00b0C (not valid)"),
                                           kNotValidColour);
    QList<QPointF> w, a, n;
    for (const ScatterPoint &p : points) {
        if (!isPlottable(p))
            continue;
        QList<QPointF> &to = p.aboveLimit                                               ? a
                             : markNotValid && p.category == ComfortCategory::NotValid ? n
                                                                                       : w;
        to.append(QPointF(p.x, p.y));
    }
    within->replace(w);
    above->replace(a);
    notValid->replace(n);
    for (QScatterSeries *s : {within, above, notValid})
        addSeries(s, xAxis, yAxis);
    if (n.isEmpty())
        hideLegendMarker(notValid);
}

// One series per shade; the shade follows the cell's share of the fullest cell on a square-root
// scale so that sparse cells stay visible.
void ComfortScatterChart::addDensity(const DensityGrid &g, double dt, const QColor &colour,
                                     const QString &name)
{
    cellsX = g.nx;
    cellsY = g.ny;
    const double fullest = *std::max_element(g.count.begin(), g.count.end());
    QList<QPointF> shade[kDensityShades];
    const double cw = (g.range.x1 - g.range.x0) / g.nx, ch = (g.range.y1 - g.range.y0) / g.ny;
    for (int iy = 0; iy < g.ny; ++iy)
        for (int ix = 0; ix < g.nx; ++ix) {
            const double c = g.at(ix, iy);
            if (c <= 0)
                continue;
            const int level = std::min(kDensityShades - 1,
                                       int(std::sqrt(c / fullest) * kDensityShades));
            shade[level].append(QPointF(g.range.x0 + (ix + 0.5) * cw, g.range.y0 + (iy + 0.5) * ch));
        }
    for (int level = 0; level < kDensityShades; ++level) {
        auto *s = new QScatterSeries;
        const double upper = fullest * std::pow(double(level + 1) / kDensityShades, 2) * dt;
        s->setName(level == kDensityShades - 1
                       ? tr("%1, up to %2 h per cell").arg(name).arg(upper, 0, 'f', 0)
                       : name);
        QColor c = colour;
        c.setAlphaF(0.25 + 0.75 * (level + 1) / kDensityShades);
        s->setColor(c);
        s->setBorderColor(Qt::transparent);
        s->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
        s->replace(shade[level]);
        addSeries(s, xAxis, yAxis);
        if (level != kDensityShades - 1)
            hideLegendMarker(s);
        cellSeries.append(s);
    }
}

void ComfortScatterChart::addLine(const QList<QPointF> &line, const QString &name,
                                  const QColor &colour, Qt::PenStyle style)
{
    auto *s = new QLineSeries;
    s->setName(name);
    s->replace(line);
    s->setPen(QPen(colour, 2, style));
    addSeries(s, xAxis, yAxis);
}

void ComfortScatterChart::addBand(const QList<QPointF> &lower, const QList<QPointF> &upper,
                                  const QString &name, const QColor &colour)
{
    auto *lo = new QLineSeries;
    auto *up = new QLineSeries;
    lo->replace(lower);
    up->replace(upper);
    auto *band = new QAreaSeries(up, lo);
    lo->setParent(band);   // the area series does not own its edges
    up->setParent(band);
    band->setName(name);
    band->setColor(colour);
    band->setBorderColor(Qt::transparent);
    addSeries(band, xAxis, yAxis);
}

// Markers are sized in pixels: one cell of the grid on the plot area as it is now.
void ComfortScatterChart::sizeDensityCells()
{
    const QRectF plot = chart()->plotArea();
    if (cellsX <= 0 || cellsY <= 0)
        return;
    const qreal size = std::max<qreal>(2.0, std::min(plot.width() / cellsX, plot.height() / cellsY));
    for (QScatterSeries *s : std::as_const(cellSeries))
        s->setMarkerSize(size);
}
