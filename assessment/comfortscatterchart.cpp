#include "assessment/comfortscatterchart.h"

#include <QAreaSeries>
#include <QChart>
#include <QGraphicsRectItem>
#include <QGraphicsSimpleTextItem>
#include <QLegend>
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

// The density grid: cells of about a third of a kelvin by a quarter over a summer's range,
// drawn as square markers in four shades from light (few hours) to full (most hours).
constexpr int kDensityCellsX = 60, kDensityCellsY = 40;
constexpr int kDensityShades = 4;
constexpr qreal kPointSize = 5.0;

QScatterSeries *pointSeries(const QString &name, const QColor &colour)
{
    auto *s = new QScatterSeries;
    s->setName(name);
    s->setColor(colour);
    s->setPen(Qt::NoPen);   // a border doubles the cost of painting thousands of markers
    s->setMarkerSize(kPointSize);
    return s;
}

}

ComfortScatterChart::ComfortScatterChart(QWidget *parent)
    : ChartView(parent)
{
    // Six entries do not fit under a half-page chart: the legend stands beside it.
    chart()->legend()->setAlignment(Qt::AlignRight);
    readOff = new QGraphicsRectItem(chart());
    readOff->setBrush(QColor(255, 255, 240));
    readOff->setPen(QPen(kLimitColour, 1));
    readOff->setZValue(100);   // over every series
    readOff->hide();
    readOffText = new QGraphicsSimpleTextItem(readOff);
    readOffText->setFont(chart()->legend()->font());
    connect(chart(), &QChart::plotAreaChanged, this, [this] {
        if (density)
            sizeDensityCells();
    });
}

void ComfortScatterChart::showAdaptive(const std::vector<ScatterPoint> &points, double dt)
{
    clearChart();
    readOff->hide();
    chart()->setTitle(tr("Adaptive model DIN EN 15251"));
    PlotRange r = scatterRange(points);
    r.x0 = std::min(r.x0, 10.0);
    r.y0 = std::min(r.y0, adaptiveComfortTemperature(r.x0) - 4.0);
    r.y1 = std::max(r.y1, adaptiveComfortTemperature(r.x1) + 4.0);
    r = setAxes(tr("Θrm (°C)"), r);
    // Category III, II, I drawn over each other: the narrower band the darker.
    const double widths[] = {4, 3, 2};
    const int alphas[] = {40, 50, 70};
    for (int i = 0; i < 3; ++i) {
        QAbstractSeries *band = addBand(adaptiveComfortLine(r.x0, r.x1, -widths[i]),
                                        adaptiveComfortLine(r.x0, r.x1, widths[i]),
                                        tr("Cat. I-III"), QColor(44, 160, 44, alphas[i]));
        if (i < 2)
            hideLegendMarker(band);
    }
    showPoints(points, dt, r, true);
    addLine(adaptiveComfortLine(r.x0, r.x1, 0), tr("Θc"), kComfortColour, Qt::SolidLine);
    // The upper edge of category II is the limit the model counts (25.1 °C up to Θrm = 10 °C).
    QLineSeries *limit = addLine(adaptiveLimitLine(r.x0, r.x1), tr("Limit Θc + 3 K"),
                                 kLimitColour, Qt::DashLine);
    connect(limit, &QLineSeries::hovered, this, [this](const QPointF &at, bool entered) {
        showLimitAt(entered, tr("Upper limit of category II at Θrm %1 °C: %2 °C"), at,
                    adaptiveLimit(at.x()));
    });
}

void ComfortScatterChart::showNationalAnnex(const std::vector<ScatterPoint> &points, double dt)
{
    clearChart();
    readOff->hide();
    chart()->setTitle(tr("National annex DIN EN 15251"));
    PlotRange r = scatterRange(points);
    r.y1 = std::max(r.y1, 29.0);
    r = setAxes(tr("Te (°C)"), r);
    showPoints(points, dt, r, false);
    QLineSeries *limit = addLine(nationalAnnexLimitLine(r.x0, r.x1), tr("Limit"), kLimitColour,
                                 Qt::DashLine);
    connect(limit, &QLineSeries::hovered, this, [this](const QPointF &at, bool entered) {
        showLimitAt(entered, tr("Limit of the national annex at Te %1 °C: %2 °C"), at,
                    nationalAnnexLimit(at.x()));
    });
}

// A tool tip would not do: the chart's scene hides every tip when the pointer rests on an
// item without one.
void ComfortScatterChart::showLimitAt(bool entered, const QString &text, const QPointF &at,
                                      double limit)
{
    readOff->setVisible(entered);
    if (!entered)
        return;
    readOffText->setText(text.arg(at.x(), 0, 'f', 1).arg(limit, 0, 'f', 2));
    const QRectF box = readOffText->boundingRect().adjusted(-3, -2, 3, 2);
    readOff->setRect(box);
    // Above and right of the pointer, kept inside the plot.
    const QRectF plot = chart()->plotArea();
    QPointF p = chart()->mapToPosition(at) + QPointF(8, -box.height() - 6);
    p.setX(std::min(p.x(), plot.right() - box.width()));
    p.setY(std::max(p.y(), plot.top()));
    readOff->setPos(p);
}

PlotRange ComfortScatterChart::setAxes(const QString &xTitle, const PlotRange &r)
{
    xAxis = addValueAxis(Qt::AlignBottom, xTitle, r.x0, r.x1);
    yAxis = addValueAxis(Qt::AlignLeft, tr("To (°C)"), r.y0, r.y1);
    return {xAxis->min(), xAxis->max(), yAxis->min(), yAxis->max()};
}

void ComfortScatterChart::showPoints(const std::vector<ScatterPoint> &points, double dt,
                                     const PlotRange &r, bool markNotValid)
{
    cellSeries.clear();
    const auto plottable = size_t(std::count_if(points.begin(), points.end(), isPlottable));
    density = plottable > kDensityThreshold;
    setToolTip(QString());
    if (density) {
        chart()->setTitle(tr("%1 (density)").arg(chart()->title()));
        const double within = addDensity(binScatter(points, r, kDensityCellsX, kDensityCellsY, false),
                                         dt, kWithinColour, tr("Within"));
        const double above = addDensity(binScatter(points, r, kDensityCellsX, kDensityCellsY, true),
                                        dt, kAboveColour, tr("Above"));
        setToolTip(tr("Darkest cells: %1 h within, %2 h above the limit")
                       .arg(within, 0, 'f', 0)
                       .arg(above, 0, 'f', 0));
        sizeDensityCells();
        return;
    }
    QScatterSeries *within = pointSeries(tr("Within"), kWithinColour);
    QScatterSeries *above = pointSeries(tr("Above"), kAboveColour);
    QScatterSeries *notValid = pointSeries(tr("Not valid"), kNotValidColour);
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
double ComfortScatterChart::addDensity(const DensityGrid &g, double dt, const QColor &colour,
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
        s->setName(name);
        QColor c = colour;
        c.setAlphaF(0.25f + 0.75f * float(level + 1) / kDensityShades);
        s->setColor(c);
        s->setBorderColor(Qt::transparent);
        s->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
        s->replace(shade[level]);
        addSeries(s, xAxis, yAxis);
        if (level != kDensityShades - 1)
            hideLegendMarker(s);
        cellSeries.append(s);
    }
    return fullest * dt;
}

QLineSeries *ComfortScatterChart::addLine(const QList<QPointF> &line, const QString &name,
                                          const QColor &colour, Qt::PenStyle style)
{
    auto *s = new QLineSeries;
    s->setName(name);
    s->replace(line);
    s->setPen(QPen(colour, 2, style));
    addSeries(s, xAxis, yAxis);
    return s;
}

QAbstractSeries *ComfortScatterChart::addBand(const QList<QPointF> &lower,
                                              const QList<QPointF> &upper, const QString &name,
                                              const QColor &colour)
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
    return band;
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

QString ComfortScatterChart::limitReadOff() const
{
    return readOff->isVisible() ? readOffText->text() : QString();
}
