// The "Im/Export Data" page of the BNB assessment: a year of room data read
// into a table, the time axis and working hours, the summer model, and Compute,
// which evaluates the operative temperature of the winter and summer periods.
#pragma once

#include "assessment/operativetemperature.h"
#include "ui_bnbform.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <vector>

class QAction;

class bnbForm : public QWidget
{
    Q_OBJECT

public:
    explicit bnbForm(QWidget *parent);

    // True when the last click on Compute computed; false before the first
    // Compute and after one that was refused (bad field, missing period
    // boundary). The assessment window then leaves its result pages alone.
    bool lastComputeOk() const { return computeOk; }
    // The summer model of modelSelectBox's current item (by its index, not its text).
    SummerModel selectedModel() const;
    // The checked DIN 4108-2 region; None when no region button is checked.
    SummerRegion selectedRegion() const { return checkedRegion(); }
    // Θrm [°C] per row of the last adaptive Compute (kNoRunningMean: none); empty before.
    const std::vector<double> &runningMean() const { return runningMeanEN; }

private slots:
    void on_writeButton_clicked();
    void on_compButton_clicked();
    void on_readPreviewButton_clicked();
    void on_modelSelectBox_textActivated(const QString &text);
    void cut();
    void copy();
    void paste();
    void del();
    void on_clearButton_clicked();
    void on_csvcomboBox_currentIndexChanged(int index);
    void on_InfoBu1_clicked();
    void on_InfoBu2_clicked();
    void on_InfoBu3_clicked();
    void on_InfoBu4_clicked();
    void on_InfoBu5_clicked();
    void on_InfoBu6_clicked();
    void on_InfoBu7_clicked();
    void on_InfoBu8_clicked();
    void on_InfoBu9_clicked();

public slots:
    // All 20 winter slots, counted in rows.
    void getWinterResults(double *winterResults) const;
    // Slots 0-8 of the summer distribution, then 9-19 of the array of the
    // model (and region) selected now; with no region those stay unwritten.
    void getSummerResults(double *summerResults) const;
    // The series and masks of the last Compute; empty before the first.
    void getInputData(std::vector<double> &indoorTemp1, std::vector<double> &outdoorTemp1,
                      std::vector<double> &outdoorHumid1, std::vector<bool> &workingTime1,
                      std::vector<bool> &workingTimeWinter1, std::vector<bool> &workingTimeSummer1,
                      std::vector<bool> &workingTimeWinterHumid1,
                      std::vector<bool> &workingTimeSummerHumid1) const;

protected:
    // The file names of the import and the export, asked with the desktop's
    // file dialogs; empty when the user cancels. Tests and benchmarks replace
    // them to choose a file without a modal dialog.
    virtual QString askOpenFileName();
    virtual QString askSaveFileName();

private:
    SummerRegion checkedRegion() const;
    // The array of the model and region selected now, or nullptr.
    const ResultArray *selectedModelArray() const;
    // The fields as the twelve texts of modelParameters and as the core's
    // input; false (with one message naming the field) when a field holds no
    // number or a value the assessment cannot use.
    bool readAssessmentInput(OperativeAssessmentInput &in, QStringList &parameters);
    // Rewrites the table's cells from the series with two decimals; for the
    // adaptive model a fourth column "Mean (EN)" shows the running mean.
    void showConvertedTable(bool withRunningMean);
    void reportMissingBoundary(const OperativeAssessment &a);

    Ui::bnbForm ui;
    ResultArray winterResults{};
    ResultArray resultsSummer26{}, resultsSummerEN{};
    DistributionArray resultsSummerDistribution{};
    ResultArray resultsSummerDinA{}, resultsSummerDinB{}, resultsSummerDinC{}, resultsSummerNA{};
    QAction *cutAct;
    QAction *copyAct;
    QAction *pasteAct;
    std::vector<double> indoorTemp;     // To [°C], table column 2
    std::vector<double> outdoorTemp;    // Te [°C], table column 0
    std::vector<double> outdoorHumid;   // [%], table column 1
    std::vector<double> runningMeanEN;  // Θrm [°C] of the last adaptive Compute, 999: none
    std::vector<double> timeHours;      // hour of day [h]
    std::vector<CalendarDate> timeDates;
    // Rows, start date, start hour, interval, period start date and hour,
    // period end date and hour, α, weekday, working hours from and to: the
    // texts of the last Compute.
    QStringList modelParameters;
    std::vector<int> timeWeekdays;      // 1 = Sunday ... 7 = Saturday
    std::vector<bool> workingTime;
    std::vector<bool> workingTimeSummer;
    std::vector<bool> workingTimeWinter;
    std::vector<bool> workingTimeSummerHumid;
    std::vector<bool> workingTimeWinterHumid;
    QString separator;   // column separator of the file import
    bool computeOk = false;
};
