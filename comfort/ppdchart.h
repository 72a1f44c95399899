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

    // Marks the state on both curves; a PMV beyond ±3 on the edge of the chart, where
    // computePMV takes PPD-Mayer.
    void showResult(double pmv, double ppd, double ppdMayer);

private:
    QScatterSeries *currentPpd;
    QScatterSeries *currentMayer;
};
