#include "assessment/bandchart.h"

#include <QBarCategoryAxis>
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

BandChart::BandChart(QWidget *parent)
    : ChartView(parent)
{
}

void BandChart::setTexts(const QString &title_, const QString &bandAxisTitle_,
                         const QStringList &bands_, const QString &insideName_,
                         const QString &outsideName_)
{
    title = title_;
    bandAxisTitle = bandAxisTitle_;
    // Chart labels are rich text: "<19" would vanish as a tag.
    bands.clear();
    for (const QString &b : bands_)
        bands.append(b.toHtmlEscaped());
    insideName = insideName_;
    outsideName = outsideName_;
    setBands(BandHours{std::vector<double>(size_t(bands.size()), 0.0),
                       std::vector<bool>(size_t(bands.size()), false)});
}

void BandChart::setLimitMarker(double position, const QString &name)
{
    limitPosition = position;
    limitName = name;
}

// Every band holds its hours in exactly one of the two stacked sets, so each bar shows one colour.
void BandChart::setBands(const BandHours &b)
{
    clearChart();
    chart()->setTitle(title);
    auto *inside = new QBarSet(insideName);
    auto *outside = new QBarSet(outsideName);
    inside->setColor(kInsideColour);
    outside->setColor(kOutsideColour);
    double highest = 0;
    for (size_t i = 0; i < b.hours.size(); ++i) {
        *inside << (b.outside[i] ? 0.0 : b.hours[i]);
        *outside << (b.outside[i] ? b.hours[i] : 0.0);
        highest = std::max(highest, b.hours[i]);
    }
    auto *series = new QStackedBarSeries;
    series->append(inside);
    series->append(outside);
    series->setBarWidth(0.8);

    auto *x = new QBarCategoryAxis;
    x->append(bands);
    x->setTitleText(bandAxisTitle);
    x->setTitleFont(chart()->legend()->font());
    x->setLabelsFont(chart()->legend()->font());
    chart()->addAxis(x, Qt::AlignBottom);
    QValueAxis *y = addValueAxis(Qt::AlignLeft, tr("Hours (h)"), 0, highest > 0 ? highest * 1.05 : 1);
    addSeries(series, x, y);

    if (limitPosition >= 0) {
        auto *limit = new QLineSeries;
        limit->setName(limitName);
        limit->append(limitPosition, 0);
        limit->append(limitPosition, y->max());
        limit->setPen(QPen(kLimitColour, 2, Qt::DashLine));
        addSeries(limit, x, y);
    }
}
