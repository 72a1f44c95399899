// The summer page of the operative temperature assessment: working hours of the
// summer period in temperature bands, the hours above the selected model's limit
// and the points or the DIN 4108-2 verdict.
#pragma once

#include "report/room.h"
#include "ui_summerbnbform.h"

#include <QWidget>

#include <optional>
#include <utility>
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

    // Shows the summer result array (distribution and the model's slots) of a Compute with the
    // inputs `in` (interval, model); the points follow the compliance box from then on.
    void showResults(const ResultArray &s, const DataPageInput &in);
    bool dinCompliance() const { return ui.checkBoxJustify->isChecked(); }
    void setDinCompliance(bool checked) { ui.checkBoxJustify->setChecked(checked); }

    // The band chart of the same array with the bands wholly above the model's limit marked,
    // and the model's picture: adaptive scatter (Θrm, To), national annex scatter (Te, To),
    // or the duration curve for 26 °C and DIN 4108-2; under the adaptive scatter its hours per
    // comfort category. The series of the last Compute: To and Te [°C], the summer mask and,
    // for the adaptive model, the running mean Θrm [°C].
    void showCharts(const ResultArray &s, double dt, SummerModel model, SummerRegion region,
                    const std::vector<double> &to, const std::vector<double> &te,
                    const std::vector<bool> &summerMask, const std::vector<double> &runningMean,
                    const AdaptiveCategories &categories);

private slots:
    void on_checkBoxJustify_toggled(bool checked);
    void on_InfoBuToS_clicked();

private:
    void showShown();
    // Hours of categories I, II, III, beyond III, not valid and their total.
    void showCategories(const AdaptiveCategories &c, double dt);

    Ui::summerBNBForm ui;
    std::optional<std::pair<ResultArray, DataPageInput>> shown;   // of the last showResults
    BandChart *bandChart;
    QWidget *pictureColumn;   // the picture and, for the adaptive model, its categories
    QStackedWidget *pictures;
    QTableWidget *categoryTable;
    ComfortScatterChart *scatterChart;
    DurationChart *durationChart;
};
