#include "assessment/humidityform.h"

#include "app/fieldreader.h"
#include "app/lastfolder.h"
#include "app/tabletext.h"
#include "assessment/humidity.h"
#include "comfort/trace.h"
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

bool humidityForm::readParameters(HumidityParameters &p)
{
    FieldReader in(this);
    const auto seasonal = [this, &in](QLineEdit *field, const QLabel *row, const QLabel *season) {
        // The spring and autumn values are not asked for: their fields keep "-".
        if (!field->isEnabled() && field->text().trimmed() == QLatin1String("-"))
            return 0.0;
        return in.number(field, tr("%1: %2").arg(FieldReader::fieldName(row->text()),
                                                  FieldReader::fieldName(season->text())));
    };
    p.achWinter = seasonal(ui.inputACH_oper_winter, ui.labelACH_oper, ui.labelWinter);
    p.achSummer = seasonal(ui.inputACH_oper_summer, ui.labelACH_oper, ui.labelSummer);
    p.achSpring = seasonal(ui.inputACH_oper_spring, ui.labelACH_oper, ui.labelSpring);
    p.achInfil = in.number(ui.inputACH_infil, ui.labelACH_infil);
    p.persons = in.number(ui.inputN_per, ui.labelN_per);
    p.bigPlants = in.number(ui.inputBigTree, ui.labelBigTree);
    p.smallPlants = in.number(ui.inputSmallTree, ui.labelSmallTree);
    p.otherSource = in.number(ui.InputOtherSource, ui.labelOtherSource);
    p.hrWinter = seasonal(ui.inputHumidRecov_winter, ui.labelHumidRecov, ui.labelWinter);
    p.hrSummer = seasonal(ui.inputHumidRecov_summer, ui.labelHumidRecov, ui.labelSummer);
    p.hrSpring = seasonal(ui.inputHumidRecov_spring, ui.labelHumidRecov, ui.labelSpring);
    p.pressure = in.number(ui.inputPressure, ui.labelPressure);
    p.volume = in.number(ui.inputVol, ui.labelVol);
    if (!in.ok())
        return false;
    // Both divide in every step of the moisture balance.
    for (auto [value, field, label] : {std::tuple(p.volume, ui.inputVol, ui.labelVol),
                                       std::tuple(p.pressure, ui.inputPressure, ui.labelPressure)}) {
        if (value > 0.0)
            continue;
        field->setFocus();
        QMessageBox::warning(this, tr("Invalid input"),
                             tr("%1 must be greater than 0, so nothing was computed.")
                                 .arg(FieldReader::fieldName(label->text())));
        return false;
    }
    return true;
}

void humidityForm::showHourly(const std::vector<double> &to, const std::vector<double> &rho,
                              const std::vector<double> &ti, const IndoorHumidity &h)
{
    struct Column {
        const std::vector<double> &values;
        int decimals;
    };
    const Column columns[10] = {{to, 2},      {rho, 2},    {h.ahOut, 2}, {h.xOut, 5},
                                {h.mprod, 2}, {h.ach, 2},  {ti, 2},      {h.rhIn, 2},
                                {h.xIn, 7},   {h.ahIn, 2}};
    std::vector<QStringList> rows(to.size());
    for (size_t r = 0; r < rows.size(); ++r) {
        QStringList &row = rows[r];
        row.reserve(10);
        for (const Column &col : columns)
            row << (r < col.values.size() ? QString::number(col.values[r], 'f', col.decimals) : QString());
    }
    fillTable(ui.tableWidget, rows);
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
    const QTableWidget *t = ui.tableWidget;
    QSaveFile file(fileName);
    if (file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        QTextStream out(&file);
        out << tr("Humidity output generated by ") << tr("Klimaro v0.3") << '\n';
        traceLine(QStringLiteral("Write rows %1 columns %2").arg(t->rowCount()).arg(t->columnCount()));
        for (int c = 0; c < t->columnCount(); ++c) {
            const QTableWidgetItem *head = t->horizontalHeaderItem(c);
            out << (head ? head->text().remove(QLatin1Char('\n')) : QString()) << ';';
        }
        out << '\n';
        for (const QStringList &row : tableRows(t, t->columnCount())) {
            for (const QString &cell : row)
                out << cell << ';';
            out << '\n';
        }
        out.flush();
        if (file.commit())
            return true;
    }
    QMessageBox::warning(this, tr("Write CSV"),
                         tr("Cannot write file %1:\n%2.")
                             .arg(QDir::toNativeSeparators(fileName), file.errorString()));
    return false;
}

void humidityForm::on_InfoBuHu1_clicked()
{
    InfoDialog::showPicture(tr("Info about ..."), QStringLiteral("InfoBuHu1.png"), this);
}
