// Small chart of the PMV calculator: PPD and PPD-Mayer against PMV (-3 ... +3) with the last
// computed state marked on both curves.
#pragma once

#include "app/chartview.h"

class QScatterSeries;

class PpdChart : public ChartView
{
    Q_OBJECT

public:
    explicit PpdChart(QWidget *parent);

    // Marks the state: PPD at pmv, PPD-Mayer at pmvLimited (as computePMV evaluates them);
    // a PMV beyond ±3 is marked on the edge of the chart.
    void showResult(double pmv, double ppd, double pmvLimited, double ppdMayer);

private:
    QScatterSeries *currentPpd;
    QScatterSeries *currentMayer;
};
