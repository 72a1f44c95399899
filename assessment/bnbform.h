// The "Im/Export Data" page of the BNB assessment: a year of room data read into a table, the time
// axis and working hours, the summer model, and Compute, which evaluates the operative temperature
// of the winter and summer periods (report/roomassessment.h).
#pragma once

#include "assessment/yearcheck.h"
#include "assessment/yeardata.h"
#include "report/roomassessment.h"
#include "ui_bnbform.h"

#include <QString>
#include <QWidget>

#include <optional>
#include <vector>

class QAction;
class QCheckBox;

class bnbForm : public QWidget
{
    Q_OBJECT

public:
    explicit bnbForm(QWidget *parent);

    // True when the last click on Compute computed; false before the first Compute and after one
    // that was refused (bad field, gap in the data, missing period boundary). The assessment
    // window then leaves its result pages alone.
    bool lastComputeOk() const { return computeOk; }
    // The summer model and DIN 4108-2 region chosen now.
    SummerModel selectedModel() const;
    SummerRegion selectedRegion() const;
    // The last Compute that computed, with the inputs it used (interval, model, region); the
    // series it computed on. Empty before the first.
    const std::optional<OperativeOutcome> &lastOutcome() const { return last; }
    const YearSeries &lastYear() const { return lastSeries; }
    // Θrm [°C] per row of the last Compute with the adaptive model (kNoRunningMean: none); else empty.
    const std::vector<double> &runningMean() const;

    // The page's fields as a room holds them; false (after naming the fields in a message) when a
    // field holds no number or a value outside its range. The year file is the one read last.
    bool readRoomFields(YearDataInput &year, DataPageInput &data, std::array<bool, kReportChapters> &chapters);
    // Fills the fields from a room (the year file is read separately).
    void setRoomFields(const YearDataInput &year, const DataPageInput &data,
                       const std::array<bool, kReportChapters> &chapters);
    // Reads a year file into the table with the page's separator and header lines; a file that
    // holds no year data is named in a message and the table stays as it was.
    bool importYearFile(const QString &fileName);
    // The rows of a year read from fileName into the table (Compute enabled when there are rows).
    void setYearRows(const std::vector<QStringList> &rows, const QString &fileName);
    // What is wrong with a year file read with headerLines, in a sentence naming it.
    QString yearProblemText(const YearFileRead &read, const QString &fileName, int headerLines) const;
    // The file last read into the table, empty after a paste into an empty table or Clear;
    // tableEdited: cells were pasted, cut or edited since.
    QString yearFileName() const { return yearFile; }
    bool tableEdited() const { return edited; }

    // A year imported from simulation files: the table and the time axis fields (start date,
    // hour, interval, weekday when a file names it) from the import; no year file.
    void applyImport(const YearImport &year);

    // Writes the table's year as a year file the page reads with its defaults (";", one header
    // line) and takes it as the year file read; false after a message naming the file.
    bool saveYearFile(const QString &fileName);

    // The export box of a report chapter.
    QCheckBox *chapterBox(ReportChapter chapter) const;

signals:
    // The table's data changed by the user: read, pasted, cut, deleted, cleared or edited.
    void yearDataChanged();

private slots:
    void on_writeButton_clicked();
    void on_compButton_clicked();
    void on_readPreviewButton_clicked();
    void on_simulationButton_clicked();
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
    // All 20 winter slots of the last Compute, counted in rows.
    void getWinterResults(double *winterResults) const;
    // Slots 0-8 of the summer distribution, then 9-19 of the model of the last Compute.
    void getSummerResults(double *summerResults) const;
    // The series and masks of the last Compute; empty before the first.
    void getInputData(std::vector<double> &indoorTemp1, std::vector<double> &outdoorTemp1,
                      std::vector<double> &outdoorHumid1, std::vector<bool> &workingTime1,
                      std::vector<bool> &workingTimeWinter1, std::vector<bool> &workingTimeSummer1,
                      std::vector<bool> &workingTimeWinterHumid1,
                      std::vector<bool> &workingTimeSummerHumid1) const;

protected:
    // The file names of the import and the export, asked with the desktop's file dialogs; empty
    // when the user cancels. Tests and benchmarks replace them to choose a file without a modal
    // dialog.
    virtual QString askOpenFileName();
    virtual QString askSaveFileName();
    // The simulation import dialog; empty when cancelled.
    virtual std::optional<YearImport> askSimulationImport();

private:
    // The fields of the time axis, working time and summer model; false with one message naming
    // every bad field, or the first rule the values break.
    bool readDataPage(DataPageInput &in);
    void reportMissingBoundary(const OperativeAssessment &a);
    void markEdited();
    // The validity report of the year in the table on the axis of the fields, on the page.
    void showValidity(const YearReport &report);
    void checkTableYear();

    Ui::bnbForm ui;
    QAction *cutAct;
    QAction *copyAct;
    QAction *pasteAct;
    std::optional<OperativeOutcome> last;
    YearSeries lastSeries;
    QString separator;   // column separator of the file import
    QString yearFile;
    bool edited = false;
    bool computeOk = false;
};
