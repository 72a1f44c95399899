#include "assessment/durationchart.h"

#include <QAreaSeries>
#include <QChart>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

const QColor kCurveColour(78, 121, 167);
const QColor kLimitColour(120, 0, 0);
const QColor kAboveColour(214, 39, 40, 110);

// A year of 1-minute data has over 100,000 summer working rows; the drawn curve keeps about
// two points per pixel of a wide chart.
constexpr int kCurvePoints = 2000;

}

DurationChart::DurationChart(QWidget *parent)
    : ChartView(parent)
{
}

void DurationChart::showCurve(const DurationCurve &c, double dt)
{
    clearChart();
    chart()->setTitle(tr("Duration curve, summer working hours"));
    const QList<QPointF> curve = durationCurvePoints(c, dt, kCurvePoints);
    const double hours = double(c.to.size()) * dt;
    const double lo = c.to.empty() ? c.limit - 1 : std::min(c.to.back(), c.limit);
    const double hi = c.to.empty() ? c.limit + 1 : std::max(c.to.front(), c.limit);
    QValueAxis *x = addValueAxis(Qt::AlignBottom, tr("Hours (h)"), 0,
                                 hours > 0 ? hours : 1);
    QValueAxis *y = addValueAxis(Qt::AlignLeft, tr("To (°C)"),
                                 std::floor(lo) - 1, std::ceil(hi) + 1);

    // The shaded area: the curve down to the limit over the hours above it.
    const double aboveHours = c.rowsAbove * dt;
    auto *upper = new QLineSeries;
    auto *lower = new QLineSeries;
    for (const QPointF &p : curve)
        if (p.x() < aboveHours)
            upper->append(p);
    if (aboveHours > 0) {
        upper->append(aboveHours, c.to[size_t(c.rowsAbove) - 1]);
        upper->append(aboveHours, c.limit);
    }
    lower->append(0, c.limit);
    lower->append(aboveHours, c.limit);
    auto *area = new QAreaSeries(upper, lower);
    upper->setParent(area);   // the area series does not own its edges
    lower->setParent(area);
    area->setName(tr("%1 K·h above").arg(c.degreeRowsAbove * dt, 0, 'f', 1));
    area->setColor(kAboveColour);
    area->setBorderColor(Qt::transparent);
    addSeries(area, x, y);

    auto *line = new QLineSeries;
    line->setName(tr("To"));
    line->replace(curve);
    line->setPen(QPen(kCurveColour, 2));
    addSeries(line, x, y);

    auto *limit = new QLineSeries;
    limit->setName(tr("Limit %1 °C").arg(c.limit, 0, 'f', 0));
    limit->append(0, c.limit);
    limit->append(x->max(), c.limit);
    limit->setPen(QPen(kLimitColour, 2, Qt::DashLine));
    addSeries(limit, x, y);
}
