// The PMV calculator: one typed indoor state, or a whole table from a text file.
#pragma once

#include "comfort/pmvtable.h"
#include "ui_pmvform.h"

#include <QString>
#include <QWidget>

#include <vector>

class PpdChart;

class pmvForm : public QWidget
{
    Q_OBJECT

public:
    explicit pmvForm(QWidget *parent);

private slots:
    void on_compute_clicked();
    void on_radioTo_toggled(bool checked);
    void on_radioMRT_toggled(bool checked);
    void on_radioTaTg_toggled(bool checked);
    void on_csvcomboBox_currentIndexChanged(int index);
    void on_readPreviewButton_clicked();
    void on_checkBoxReadData_toggled(bool checked);
    void on_radioTableTaTg_toggled(bool checked);
    void on_radioTableMRT_toggled(bool checked);
    void on_radioTableTo_toggled(bool checked);
    void on_InfoBuPMV_clicked();
    void on_InfoBuPMV2_clicked();
    void on_InfoBuPMV3_clicked();
    void on_CsvWriteButton_clicked();

protected:
    // The file names of the import and the export, asked with the desktop's
    // file dialogs; empty when the user cancels. Tests and benchmarks replace
    // them to choose a file without a modal dialog.
    virtual QString askOpenFileName();
    virtual QString askSaveFileName();

private:
    // Radiant-temperature input chosen by the three selectors (PmvInputMode).
    unsigned checkedMode() const;
    // Column count and header texts of a table mode (1 Ta/Tg, 2 To, 3 Ta/Tr);
    // rows and the cells of the remaining columns are kept.
    void layoutTable(int tableMode);
    // Applies one selector's row of the enabling table.
    void setTemperatureRows(bool ta, bool tg, bool mrt, bool to);
    // The table mode of the checked import radio (PmvTableMode).
    int checkedTableMode() const;
    // Appends three result columns and computes every row with the metabolic
    // rate M and external work W [W/m²]; the last row's results are returned
    // (0 for an empty table).
    void computeTable(double M, double W, double &pmv, double &ppd, double &ppdMayer);

    Ui::pmvForm ui;
    PpdChart *ppdChart;   // PPD and PPD-Mayer against PMV, the last result marked
    QString separator;   // column separator of the file import
    PmvTableBatch batch;   // column vectors of the last batch run, inputs and results
};
