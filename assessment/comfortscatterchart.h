// The summer model's own picture for the adaptive model and the national annex: the working
// hours of the summer period as operative temperature against the (running mean) outdoor
// temperature with the comfort lines, bands and the limit; hours above the limit highlighted.
// Beyond kDensityThreshold points the chart draws the binned density instead of single points.
#pragma once

#include "app/chartview.h"
#include "assessment/chartdata.h"

class QGraphicsRectItem;
class QGraphicsSimpleTextItem;
class QLineSeries;
class QScatterSeries;
class QValueAxis;

class ComfortScatterChart : public ChartView
{
    Q_OBJECT

public:
    explicit ComfortScatterChart(QWidget *parent);

    // dt [h] turns the counts of the density into hours.
    void showAdaptive(const std::vector<ScatterPoint> &points, double dt);
    void showNationalAnnex(const std::vector<ScatterPoint> &points, double dt);

    bool showsDensity() const { return density; }
    // The text of the limit's read-off box while it shows, else empty.
    QString limitReadOff() const;

private:
    // markNotValid: adaptive rows below Θrm = 10 °C get their own colour.
    void showPoints(const std::vector<ScatterPoint> &points, double dt, const PlotRange &r,
                    bool markNotValid);
    // Returns the hours of the fullest cell.
    double addDensity(const DensityGrid &g, double dt, const QColor &colour, const QString &name);
    QLineSeries *addLine(const QList<QPointF> &line, const QString &name, const QColor &colour,
                         Qt::PenStyle style);
    // The limit read off the line where the pointer rests, in a box beside it: text holds %1
    // for x, %2 for the limit [°C]; leaving the line hides it.
    void showLimitAt(bool entered, const QString &text, const QPointF &at, double limit);
    QAbstractSeries *addBand(const QList<QPointF> &lower, const QList<QPointF> &upper,
                             const QString &name, const QColor &colour);
    // Both axes over the range widened to nice numbers; returns the widened range.
    PlotRange setAxes(const QString &xTitle, const PlotRange &r);
    void sizeDensityCells();

    QValueAxis *xAxis = nullptr;
    QValueAxis *yAxis = nullptr;
    bool density = false;
    int cellsX = 0, cellsY = 0;
    QList<QScatterSeries *> cellSeries;
    QGraphicsRectItem *readOff = nullptr;
    QGraphicsSimpleTextItem *readOffText = nullptr;
};
