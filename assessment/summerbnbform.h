// The summer page of the operative temperature assessment: working hours of the
// summer period in temperature bands, the hours above the selected model's limit
// and the points or the DIN 4108-2 verdict.
#pragma once

#include "assessment/operativetemperature.h"
#include "ui_summerbnbform.h"

#include <QWidget>

class summerBNBForm : public QWidget
{
    Q_OBJECT

public:
    explicit summerBNBForm(QWidget *parent);

    // Shows the summer result array (distribution and the model's slots); counts
    // are scaled by the data interval dt [h]. din4108: the model gives no points
    // but a verdict on the degree hours above the region's limit.
    void showResults(const ResultArray &s, double dt, bool din4108);

private slots:
    void on_checkBoxJustify_toggled(bool checked);
    void on_InfoBuToS_clicked();

private:
    Ui::summerBNBForm ui;
};
