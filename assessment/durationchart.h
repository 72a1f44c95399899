// The summer model's own picture for the fixed limits (26 °C, DIN 4108-2): the operative
// temperature of the summer working hours sorted from the warmest, the limit line and the
// degree hours above it shaded.
#pragma once

#include "app/chartview.h"
#include "assessment/chartdata.h"

class DurationChart : public ChartView
{
    Q_OBJECT

public:
    explicit DurationChart(QWidget *parent);

    // dt [h]: the width of one row on the hour axis.
    void showCurve(const DurationCurve &c, double dt);
};
