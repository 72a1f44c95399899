#include "comfort/ppdchart.h"

#include "comfort/pmv.h"

#include <QChart>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

const QColor kPpdColour(78, 121, 167);
const QColor kMayerColour(242, 142, 43);
constexpr double kPmvRange = 3.0;
constexpr int kCurveSteps = 120;   // 0.05 PMV apart

QLineSeries *curve(const QString &name, const QColor &colour, double (*ppdOf)(double))
{
    auto *s = new QLineSeries;
    s->setName(name);
    s->setPen(QPen(colour, 2));
    for (int i = 0; i <= kCurveSteps; ++i) {
        const double pmv = -kPmvRange + 2.0 * kPmvRange * i / kCurveSteps;
        s->append(pmv, ppdOf(pmv));
    }
    return s;
}

QScatterSeries *marker(const QString &name, const QColor &colour)
{
    auto *s = new QScatterSeries;
    s->setName(name);
    s->setColor(colour);
    s->setBorderColor(Qt::black);
    s->setMarkerSize(10);
    return s;
}

}

PpdChart::PpdChart(QWidget *parent)
    : ChartView(parent)
{
    // No title and the legend beside the plot: the calculator leaves the chart little height.
    chart()->legend()->setAlignment(Qt::AlignRight);
    QValueAxis *x = addValueAxis(Qt::AlignBottom, tr("PMV"), -kPmvRange, kPmvRange);
    x->setRange(-kPmvRange, kPmvRange);   // whole PMV steps, not the nice numbers' ±4
    x->setTickCount(7);
    x->setLabelFormat(QStringLiteral("%.0f"));
    QValueAxis *y = addValueAxis(Qt::AlignLeft, tr("PPD (%)"), 0, 100);
    y->setRange(0, 100);
    y->setTickCount(5);
    addSeries(curve(tr("PPD"), kPpdColour, ppdOfPmv), x, y);
    addSeries(curve(tr("PPD-Mayer"), kMayerColour, ppdMayerOfPmv), x, y);
    currentPpd = marker(tr("Computed state"), kPpdColour);
    currentMayer = marker(tr("Computed state"), kMayerColour);
    addSeries(currentPpd, x, y);
    addSeries(currentMayer, x, y);
    hideLegendMarker(currentMayer);
}

void PpdChart::showResult(double pmv, double ppd, double ppdMayer)
{
    if (!std::isfinite(pmv) || !std::isfinite(ppd) || !std::isfinite(ppdMayer)) {
        currentPpd->clear();
        currentMayer->clear();
        return;
    }
    const double x = std::clamp(pmv, -kPmvRange, kPmvRange);
    currentPpd->replace({QPointF(x, ppd)});
    currentMayer->replace({QPointF(x, ppdMayer)});
}
