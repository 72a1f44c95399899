#include "assessment/bandchart.h"

#include <QCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QLineSeries>
#include <QPen>
#include <QStackedBarSeries>
#include <QValueAxis>

#include <algorithm>

namespace {

const QColor kInsideColour(78, 121, 167);
const QColor kOutsideColour(214, 39, 40);
const QColor kLimitColour(120, 0, 0);

}

// The series and axes live as long as the chart; a Compute only replaces the values.
BandChart::BandChart(QWidget *parent, const QString &title, const QString &bandAxisTitle,
                     const QStringList &edges, const QString &insideName,
                     const QString &outsideName)
    : ChartView(parent)
    , inside(new QBarSet(insideName))
    , outside(new QBarSet(outsideName))
{
    chart()->setTitle(title);
    inside->setColor(kInsideColour);
    outside->setColor(kOutsideColour);
    for (qsizetype i = 0; i <= edges.size(); ++i) {
        *inside << 0.0;
        *outside << 0.0;
    }
    auto *series = new QStackedBarSeries;
    series->append(inside);
    series->append(outside);
    series->setBarWidth(0.8);

    // Band i is centred on i; the edges are labelled where they lie, as on a histogram, which
    // keeps the labels short enough for ten bands on half the page.
    auto *x = new QCategoryAxis;
    x->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    x->setStartValue(-0.5);
    for (qsizetype i = 0; i < edges.size(); ++i)
        x->append(edges[i].toHtmlEscaped(), double(i) + 0.5);   // labels are rich text
    x->setRange(-0.5, double(edges.size()) + 0.5);
    x->setGridLineVisible(false);
    x->setTitleText(bandAxisTitle);
    x->setTitleFont(chart()->legend()->font());
    x->setLabelsFont(chart()->legend()->font());
    chart()->addAxis(x, Qt::AlignBottom);
    hoursAxis = addValueAxis(Qt::AlignLeft, tr("h"), 0, 1);
    addSeries(series, x, hoursAxis);
}

void BandChart::setLimitMarker(double position, const QString &name)
{
    if (!limit) {
        limit = new QLineSeries;
        limit->setPen(QPen(kLimitColour, 2, Qt::DashLine));
        addSeries(limit, chart()->axes(Qt::Horizontal).first(), hoursAxis);
    }
    limit->setName(name);
    limit->replace({QPointF(position, 0), QPointF(position, hoursAxis->max())});
}

// Every band holds its hours in exactly one of the two stacked sets, so each bar shows one colour.
void BandChart::setBands(const BandHours &b)
{
    double highest = 0;
    for (size_t i = 0; i < b.hours.size() && qsizetype(i) < inside->count(); ++i) {
        inside->replace(qsizetype(i), b.outside[i] ? 0.0 : b.hours[i]);
        outside->replace(qsizetype(i), b.outside[i] ? b.hours[i] : 0.0);
        highest = std::max(highest, b.hours[i]);
    }
    hoursAxis->setRange(0, highest > 0 ? highest * 1.05 : 1);
    hoursAxis->applyNiceNumbers();
    if (limit)
        setLimitMarker(limit->at(0).x(), limit->name());
}
