// The summer page of the operative temperature assessment: working hours of the
// summer period in temperature bands, the hours above the selected model's limit
// and the points or the DIN 4108-2 verdict.
#pragma once

#include "assessment/operativetemperature.h"
#include "ui_summerbnbform.h"

#include <QWidget>

#include <vector>

class BandChart;
class ComfortScatterChart;
class DurationChart;
class QStackedWidget;
class QTableWidget;

class summerBNBForm : public QWidget
{
    Q_OBJECT

public:
    explicit summerBNBForm(QWidget *parent);

    // Shows the summer result array (distribution and the model's slots); counts
    // are scaled by the data interval dt [h]. din4108: the model gives no points
    // but a verdict on the degree hours above the region's limit.
    void showResults(const ResultArray &s, double dt, bool din4108);

    // The band chart of the same array with the bands wholly above the model's limit marked,
    // and the model's picture: adaptive scatter (Θrm, To), national annex scatter (Te, To),
    // or the duration curve for 26 °C and DIN 4108-2; under the adaptive scatter its hours per
    // comfort category. The series of the last Compute: To and Te [°C], the summer mask and,
    // for the adaptive model, the running mean Θrm [°C].
    void showCharts(const ResultArray &s, double dt, SummerModel model, SummerRegion region,
                    const std::vector<double> &to, const std::vector<double> &te,
                    const std::vector<bool> &summerMask, const std::vector<double> &runningMean);

private slots:
    void on_checkBoxJustify_toggled(bool checked);
    void on_InfoBuToS_clicked();

private:
    // Hours of categories I, II, III, beyond III, not valid and their total.
    void showCategories(const AdaptiveCategories &c, double dt);

    Ui::summerBNBForm ui;
    BandChart *bandChart;
    QWidget *pictureColumn;   // the picture and, for the adaptive model, its categories
    QStackedWidget *pictures;
    QTableWidget *categoryTable;
    ComfortScatterChart *scatterChart;
    DurationChart *durationChart;
};
