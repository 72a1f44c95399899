// "Import from simulation…": a year of room data from a weather file (EPW) and a building
// simulation's output (EnergyPlus CSV or SQLite), or from the simulation output alone when it
// holds the site's outdoor air. Shows what each file holds and where they disagree, and hands
// the combined year to the data page.
#pragma once

#include "assessment/energyplus.h"
#include "assessment/yearcheck.h"
#include "assessment/yearimport.h"
#include "ui_simulationimportdialog.h"

#include <QDialog>

class simulationImportDialog : public QDialog
{
    Q_OBJECT

public:
    explicit simulationImportDialog(QWidget *parent);

    // Reads the files as if chosen (an empty name clears the choice).
    void setWeatherFile(const QString &fileName);
    void setSimulationFile(const QString &fileName);
    // The year once the dialog was accepted; Ok is offered only for a year without errors.
    const YearImport &year() const { return imported; }
    const YearReport &report() const { return checked; }

protected:
    // The file chosen with the desktop's open dialog; empty when cancelled.
    virtual QString askFileName(bool weather);

private slots:
    void on_weatherBrowse_clicked();
    void on_simulationBrowse_clicked();
    void on_weatherFile_editingFinished();
    void on_simulationFile_editingFinished();
    void on_zoneColumn_currentIndexChanged(int index);
    void on_outdoorFromSimulation_toggled(bool checked);
    void on_buttonBox_accepted();

private:
    void readSimulation();
    void combine();
    QString sourceText(const SourceInfo &info) const;

    Ui::simulationImportDialog ui;
    QString weatherName, simulationName;
    SourceSeries weather, simulation;
    EnergyPlusListing listing;
    int siteDryBulb = -1, siteHumidity = -1;   // indices into listing.variables
    YearImport imported;
    YearReport checked;
};
