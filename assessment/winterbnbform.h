// The winter page of the operative temperature assessment: working hours of the
// winter period in temperature bands, the hours below quality category I and the points.
#pragma once

#include "assessment/operativetemperature.h"
#include "ui_winterbnbform.h"

#include <QWidget>

class BandChart;

class winterBNBForm : public QWidget
{
    Q_OBJECT

public:
    explicit winterBNBForm(QWidget *parent);

    // Shows the winter result array and its band chart; counts of rows and degree-rows are
    // scaled by the data interval dt [h] to hours and degree hours.
    void showResults(const ResultArray &w, double dt);

private slots:
    void on_InfoBuToW_clicked();

private:
    Ui::winterBNBForm ui;
    BandChart *bandChart;
};
