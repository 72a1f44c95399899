// One season's BNB humidity assessment: hours per band of relative humidity and of humidity
// ratio, hours and shares outside the limits, points.
#pragma once

#include "ui_humidityassmtform.h"

#include <QWidget>

class BandChart;
struct HumidityOutcome;

class humidityAssmtForm : public QWidget
{
    Q_OBJECT

public:
    explicit humidityAssmtForm(QWidget *parent = nullptr);

    // true: the summer period's captions; false changes nothing.
    void setSummerLabels(bool summer);

    // The season's part of the assessment (report/assessmenttexts.h: humidityPageTexts): hours,
    // one decimal; "N.A" for the share and points of an empty period.
    void showResults(const HumidityOutcome &o, bool summer);

private slots:
    void on_InfoBuHu2_clicked();

private:
    Ui::humidityAssmtForm ui;
    BandChart *rhChart;   // relative humidity bands, lower limit 25 %
    BandChart *xChart;    // humidity ratio bands, upper limit 12 g/kg
};
