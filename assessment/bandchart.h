// Bar chart of the hours per band of a result table: bands outside the criterion's limit in a
// warning colour, optionally a limit marked as a vertical line between the bands.
#pragma once

#include "app/chartview.h"
#include "assessment/chartdata.h"

#include <QStringList>

class QBarSet;
class QLineSeries;
class QValueAxis;

class BandChart : public ChartView
{
    Q_OBJECT

public:
    // The chart's title, the band axis title, the labels of the edges between the bands (one
    // band more than edges; the outer bands may be open), the legend names of the bars within
    // and outside the limit; no hours until setBands.
    BandChart(QWidget *parent, const QString &title, const QString &bandAxisTitle,
              const QStringList &edges, const QString &insideName, const QString &outsideName);

    // A vertical line at a position on the band axis (band i spans i - 0.5 ... i + 0.5).
    void setLimitMarker(double position, const QString &name);

    void setBands(const BandHours &b);

private:
    QBarSet *inside;
    QBarSet *outside;
    QValueAxis *hoursAxis;
    QLineSeries *limit = nullptr;
};
