#include "assessment/simulationimportdialog.h"

#include "app/lastfolder.h"
#include "app/resulttext.h"
#include "assessment/weatherfile.h"

#include <QDir>
#include <QPushButton>

namespace {

QString hourOfDay(int hour)
{
    return QStringLiteral("%1:00").arg(hour);
}

void showProblem(QLabel *label, const QString &text)
{
    label->setStyleSheet(text.isEmpty() ? QString() : QStringLiteral("color: rgb(170, 0, 0);"));
    label->setText(text);
}

}

simulationImportDialog::simulationImportDialog(QWidget *parent)
    : QDialog(parent)
{
    ui.setupUi(this);
    ui.buttonBox->button(QDialogButtonBox::Ok)->setText(tr("Fill Table"));
    ui.buttonBox->button(QDialogButtonBox::Ok)->setEnabled(false);
}

QString simulationImportDialog::askFileName(bool weatherFile)
{
    return askOpenFile(this, weatherFile ? tr("Weather file") : tr("Simulation output"), FileKind::Simulation,
                       weatherFile ? tr("Weather files (*.epw);;All files (*)")
                                   : tr("EnergyPlus output (*.csv *.sql);;All files (*)"));
}

QString simulationImportDialog::sourceText(const SourceInfo &info) const
{
    QString text = tr("%1 hourly records from %2 %3").arg(QString::number(info.records))
                       .arg(formatDate(info.start), hourOfDay(info.startHour));
    if (info.interval != 1.0)
        text = tr("%1 records of %2 h from %3 %4").arg(QString::number(info.records), formatInputNumber(info.interval),
                                                       formatDate(info.start), hourOfDay(info.startHour));
    if (info.sourceYear > 0)
        text += QLatin1Char(' ') + tr("(the file's year %1)").arg(info.sourceYear);
    if (!info.place.isEmpty())
        text = info.place + QStringLiteral(": ") + text;
    if (info.otherRecords > 0)
        text += QStringLiteral("; ") + tr("%1 records of design days skipped").arg(info.otherRecords);
    if (info.leapDayRecords > 0)
        text += QStringLiteral("; ") + tr("%1 records of 29 February dropped").arg(info.leapDayRecords);
    return text + QLatin1Char('.');
}

void simulationImportDialog::setWeatherFile(const QString &fileName)
{
    ui.weatherFile->setText(QDir::toNativeSeparators(fileName));
    weatherName = fileName;
    weather = fileName.isEmpty() ? SourceSeries() : readWeatherFile(fileName);
    if (fileName.isEmpty())
        showProblem(ui.weatherInfo, QString());
    else if (!weather.ok())
        showProblem(ui.weatherInfo, formatReadError(weather.error, yearCheckWords()));
    else {
        showProblem(ui.weatherInfo, QString());
        ui.weatherInfo->setText(sourceText(weather.info));
    }
    combine();
}

void simulationImportDialog::setSimulationFile(const QString &fileName)
{
    ui.simulationFile->setText(QDir::toNativeSeparators(fileName));
    simulationName = fileName;
    listing = fileName.isEmpty() ? EnergyPlusListing() : listEnergyPlus(fileName);
    const QSignalBlocker block(ui.zoneColumn);
    ui.zoneColumn->clear();
    siteDryBulb = siteHumidity = -1;
    if (listing.ok() && !fileName.isEmpty()) {
        for (const EnergyPlusVariable &v : listing.variables)
            ui.zoneColumn->addItem(v.header);
        ui.zoneColumn->setCurrentIndex(std::max(0, preselectEnergyPlusVariable(listing.variables, kOperativeTemperature)));
        siteDryBulb = preselectEnergyPlusVariable(listing.variables, kSiteDryBulb);
        siteHumidity = preselectEnergyPlusVariable(listing.variables, kSiteHumidity);
    }
    ui.zoneColumn->setEnabled(ui.zoneColumn->count() > 0);
    const bool site = siteDryBulb >= 0 && siteHumidity >= 0;
    ui.outdoorFromSimulation->setEnabled(site);
    {
        const QSignalBlocker blockBox(ui.outdoorFromSimulation);
        ui.outdoorFromSimulation->setChecked(site && weatherName.isEmpty());
    }
    readSimulation();
}

void simulationImportDialog::readSimulation()
{
    simulation = SourceSeries();
    if (simulationName.isEmpty()) {
        showProblem(ui.simulationInfo, QString());
    } else if (!listing.ok()) {
        showProblem(ui.simulationInfo, formatReadError(listing.error, yearCheckWords()));
    } else if (ui.zoneColumn->currentIndex() >= 0) {
        std::vector<int> variables{ui.zoneColumn->currentIndex()};
        if (ui.outdoorFromSimulation->isChecked())
            variables.insert(variables.end(), {siteDryBulb, siteHumidity});
        simulation = readEnergyPlus(simulationName, variables);
        if (simulation.ok()) {
            showProblem(ui.simulationInfo, QString());
            ui.simulationInfo->setText(sourceText(simulation.info));
        } else {
            showProblem(ui.simulationInfo, formatReadError(simulation.error, yearCheckWords()));
        }
    }
    combine();
}

// The year of the choices, its validity report, and Ok only for a year without errors.
void simulationImportDialog::combine()
{
    imported = YearImport();
    checked = YearReport();
    QPushButton *ok = ui.buttonBox->button(QDialogButtonBox::Ok);
    ok->setEnabled(false);
    const bool site = ui.outdoorFromSimulation->isChecked();
    if (!simulation.ok() || simulation.columns.empty() || (!site && (weatherName.isEmpty() || !weather.ok()))) {
        showProblem(ui.yearInfo, QString());
        ui.yearInfo->setText(site || !weatherName.isEmpty() ? QString()
                                                            : tr("Choose a weather file, or take the outdoor air from the simulation output."));
        return;
    }
    const SeriesPick outdoor = site ? SeriesPick{&simulation, 1} : SeriesPick{&weather, WeatherColumn::DryBulb};
    const SeriesPick humidity = site ? SeriesPick{&simulation, 2} : SeriesPick{&weather, WeatherColumn::RelativeHumidity};
    imported = combineYear(outdoor, humidity, {&simulation, 0});
    if (!imported.ok()) {
        showProblem(ui.yearInfo, formatReadError(imported.error, yearCheckWords()));
        return;
    }
    checked = checkYear(imported);
    QStringList lines = formatYearReport(checked, yearCheckWords());
    if (lines.isEmpty())
        lines << tr("No findings: the year is complete and plausible.");
    showProblem(ui.yearInfo, checked.hasErrors() ? lines.join(QLatin1Char('\n')) : QString());
    if (!checked.hasErrors())
        ui.yearInfo->setText(lines.join(QLatin1Char('\n')));
    ok->setEnabled(!checked.hasErrors());
}

void simulationImportDialog::on_weatherBrowse_clicked()
{
    const QString name = askFileName(true);
    if (!name.isEmpty())
        setWeatherFile(name);
}

void simulationImportDialog::on_simulationBrowse_clicked()
{
    const QString name = askFileName(false);
    if (!name.isEmpty())
        setSimulationFile(name);
}

void simulationImportDialog::on_weatherFile_editingFinished()
{
    const QString name = QDir::fromNativeSeparators(ui.weatherFile->text().trimmed());
    if (name != weatherName)
        setWeatherFile(name);
}

void simulationImportDialog::on_simulationFile_editingFinished()
{
    const QString name = QDir::fromNativeSeparators(ui.simulationFile->text().trimmed());
    if (name != simulationName)
        setSimulationFile(name);
}

void simulationImportDialog::on_zoneColumn_currentIndexChanged(int)
{
    readSimulation();
}

void simulationImportDialog::on_outdoorFromSimulation_toggled(bool)
{
    readSimulation();
}

void simulationImportDialog::on_buttonBox_accepted()
{
    if (imported.ok() && !checked.hasErrors() && !imported.series.indoorTemp.empty())
        accept();
}
