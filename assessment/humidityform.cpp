#include "assessment/humidityform.h"

#include "app/fieldreader.h"
#include "app/lastfolder.h"
#include "app/tabletext.h"
#include "report/assessmenttexts.h"
#include "help/infodialog.h"

#include <QDir>
#include <QHeaderView>
#include <QFontMetrics>
#include <QMessageBox>
#include <QSaveFile>
#include <QTextStream>

humidityForm::humidityForm(QWidget *parent)
    : QWidget(parent)
{
    ui.setupUi(this);
    // Columns as wide as their two-line header or their widest number, so that all ten fit
    // the page; measured once, not over 8,760 rows.
    const char *const widest[10] = {"-00.00", "100.00", "00.00", "0.00000", "000.00",
                                    "00.00",  "-00.00", "100.00", "0.0000000", "00.00"};
    QHeaderView *header = ui.tableWidget->horizontalHeader();
    const QFontMetrics metrics(ui.tableWidget->font());
    for (int c = 0; c < 10; ++c)
        header->resizeSection(c, std::max(header->sectionSizeHint(c),
                                          metrics.horizontalAdvance(QLatin1String(widest[c])) + 16));
}

bool humidityForm::readInput(HumidityInput &in)
{
    FieldReader reader(this);
    // The spring and autumn values are not asked for: their fields keep "-".
    const auto seasonal = [this, &reader](QLineEdit *field, const QLabel *row, const QLabel *season,
                                          const ValueRange &range) -> std::optional<double> {
        if (!field->isEnabled() && field->text().trimmed() == QLatin1String("-"))
            return std::nullopt;
        return reader.number(field, tr("%1: %2").arg(FieldReader::fieldName(row->text()),
                                                      FieldReader::fieldName(season->text())), range);
    };
    HumidityParameters &p = in.parameters;
    p.achWinter = *seasonal(ui.inputACH_oper_winter, ui.labelACH_oper, ui.labelWinter, RoomRange::kNonNegative);
    p.achSummer = *seasonal(ui.inputACH_oper_summer, ui.labelACH_oper, ui.labelSummer, RoomRange::kNonNegative);
    in.springAirChange = seasonal(ui.inputACH_oper_spring, ui.labelACH_oper, ui.labelSpring, RoomRange::kNonNegative);
    p.achInfil = reader.number(ui.inputACH_infil, ui.labelACH_infil, RoomRange::kNonNegative);
    p.persons = reader.number(ui.inputN_per, ui.labelN_per, RoomRange::kNonNegative);
    p.bigPlants = reader.number(ui.inputBigTree, ui.labelBigTree, RoomRange::kNonNegative);
    p.smallPlants = reader.number(ui.inputSmallTree, ui.labelSmallTree, RoomRange::kNonNegative);
    p.otherSource = reader.number(ui.InputOtherSource, ui.labelOtherSource);
    p.hrWinter = *seasonal(ui.inputHumidRecov_winter, ui.labelHumidRecov, ui.labelWinter, RoomRange::kRecovery);
    p.hrSummer = *seasonal(ui.inputHumidRecov_summer, ui.labelHumidRecov, ui.labelSummer, RoomRange::kRecovery);
    in.springRecovery = seasonal(ui.inputHumidRecov_spring, ui.labelHumidRecov, ui.labelSpring, RoomRange::kRecovery);
    // Both divide in every step of the moisture balance.
    p.pressure = reader.number(ui.inputPressure, ui.labelPressure, RoomRange::kPositive);
    p.volume = reader.number(ui.inputVol, ui.labelVol, RoomRange::kPositive);
    return reader.ok();
}

void humidityForm::setInput(const HumidityInput &in)
{
    const HumidityParameters &p = in.parameters;
    for (auto [field, value] :
         {std::pair(ui.inputVol, p.volume), {ui.inputPressure, p.pressure}, {ui.inputACH_infil, p.achInfil},
          {ui.inputN_per, p.persons}, {ui.inputSmallTree, p.smallPlants}, {ui.inputBigTree, p.bigPlants},
          {ui.InputOtherSource, p.otherSource}, {ui.inputACH_oper_winter, p.achWinter},
          {ui.inputACH_oper_summer, p.achSummer}, {ui.inputHumidRecov_winter, p.hrWinter},
          {ui.inputHumidRecov_summer, p.hrSummer}})
        field->setText(formatInputNumber(value));
    for (auto [field, value] : {std::pair(ui.inputACH_oper_spring, in.springAirChange),
                                {ui.inputHumidRecov_spring, in.springRecovery}})
        field->setText(value ? formatInputNumber(*value) : QStringLiteral("-"));
}

void humidityForm::showHourly(std::vector<QStringList> rows)
{
    hourlyRows = std::move(rows);
    fillTable(ui.tableWidget, hourlyRows);
    ui.writeButton->setEnabled(true);
}

// The assessment window computes on this click, after this slot. Write CSV is enabled by the
// first hourly table it shows, not by a click that computed nothing (no year data, bad field).
void humidityForm::on_computeHumid_clicked()
{
    emit getDataBNBtoHumid();
}

void humidityForm::on_writeButton_clicked()
{
    const QString fileName = askSaveFile(this, tr("Write CSV"), FileKind::Humidity,
                                         QStringLiteral("humidity_out.csv"),
                                         tr("CSV files (*.csv);;All files (*)"));
    if (fileName.isEmpty())
        return;
    writeCsv(fileName);
}

bool humidityForm::writeCsv(const QString &fileName)
{
    QSaveFile file(fileName);
    if (file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        QTextStream out(&file);
        writeHumidityCsv(out, hourlyRows);
        out.flush();
        if (out.status() == QTextStream::Ok && file.commit())
            return true;
    }
    QMessageBox::warning(this, tr("Write CSV"),
                         tr("Cannot write file %1:\n%2.")
                             .arg(QDir::toNativeSeparators(fileName), file.errorString()));
    return false;
}

void humidityForm::on_InfoBuHu1_clicked()
{
    //: Help picture in this language (resources/images/).
    const QString picture = tr("InfoBuHu1.png");
    InfoDialog::showPicture(tr("Info about ..."), picture, this);
}
