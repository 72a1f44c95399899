#include "assessment/bnbform.h"

#include "app/fieldreader.h"
#include "app/lastfolder.h"
#include "app/resulttext.h"
#include "app/tabletext.h"
#include "assessment/simulationimportdialog.h"
#include "assessment/yeardata.h"
#include "comfort/delimitedtext.h"
#include "help/infodialog.h"
#include "report/assessmenttexts.h"

#include <QAbstractButton>
#include <QAbstractItemDelegate>
#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSaveFile>
#include <QTextStream>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kDefaultRows = 8760;   // a year of hourly rows

// "7:00", "23:30": an hour of day [h] as clock time.
QString clockTime(double hour)
{
    const long long minutes = qRound64(hour * 60.0);
    return QStringLiteral("%1:%2").arg(minutes / 60).arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString hoursText(double hours)
{
    return QLocale::c().toString(hours, 'f', hours == std::floor(hours) ? 0 : 2);
}

// The key acts while the page shows; the tool tip names it.
void setShortcutShown(QAbstractButton *button, const QKeySequence &keys)
{
    button->setShortcut(keys);
    const QString key = keys.toString(QKeySequence::NativeText);
    button->setToolTip(button->toolTip().isEmpty()
                           ? key
                           : QStringLiteral("%1 (%2)").arg(button->toolTip(), key));
}

}

bnbForm::bnbForm(QWidget *parent)
    : QWidget(parent)
    , separator(QStringLiteral(";"))
{
    ui.setupUi(this);
    // The models' names are the core's, as the report writes them.
    for (int m = 0; m < ui.modelSelectBox->count(); ++m)
        ui.modelSelectBox->setItemText(m, summerModelName(SummerModel(m), assessmentWords()));

    cutAct = new QAction(QIcon(QStringLiteral(":/images/cut.png")), tr("Cu&t"), this);
    cutAct->setShortcuts(QKeySequence::Cut);
    cutAct->setStatusTip(tr("Cut the current selection's contents to the clipboard"));
    connect(cutAct, &QAction::triggered, this, &bnbForm::cut);

    copyAct = new QAction(QIcon(QStringLiteral(":/images/copy.png")), tr("&Copy"), this);
    copyAct->setShortcuts(QKeySequence::Copy);
    copyAct->setStatusTip(tr("Copy the current selection's contents to the clipboard"));
    connect(copyAct, &QAction::triggered, this, &bnbForm::copy);

    pasteAct = new QAction(QIcon(QStringLiteral(":/images/paste.png")), tr("&Paste"), this);
    pasteAct->setShortcuts(QKeySequence::Paste);
    pasteAct->setStatusTip(tr("Paste the clipboard's contents into the current selection"));
    connect(pasteAct, &QAction::triggered, this, &bnbForm::paste);

    // The keys act while the focus is on this page, not on the window's other tabs.
    for (QAction *action : {copyAct, pasteAct, cutAct}) {
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(action);
    }
    setContextMenuPolicy(Qt::ActionsContextMenu);
    // A cell typed by the user (not one the program writes).
    connect(ui.tableWidget->itemDelegate(), &QAbstractItemDelegate::commitData, this, &bnbForm::markEdited);

    // Ctrl+S and Ctrl+O are left to saving and opening a room, Ctrl+C, V, X to the table.
    setShortcutShown(ui.readPreviewButton, QKeySequence(Qt::CTRL | Qt::Key_R));
    setShortcutShown(ui.compButton, QKeySequence(Qt::Key_F9));
    setShortcutShown(ui.exportButton, QKeySequence(Qt::CTRL | Qt::Key_E));
    setShortcutShown(ui.exportPdfButton, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E));
}

// The combo box's items stand in the order of SummerModel (26 °C, adaptive, national annex,
// DIN 4108-2), whatever language names them.
SummerModel bnbForm::selectedModel() const
{
    return SummerModel(std::clamp(ui.modelSelectBox->currentIndex(), 0, 3));
}

SummerRegion bnbForm::selectedRegion() const
{
    if (ui.regionCheckA->isChecked())
        return SummerRegion::A;
    if (ui.regionCheckB->isChecked())
        return SummerRegion::B;
    if (ui.regionCheckC->isChecked())
        return SummerRegion::C;
    return SummerRegion::None;
}

const std::vector<double> &bnbForm::runningMean() const
{
    static const std::vector<double> none;
    return last ? last->result.runningMean : none;
}

void bnbForm::markEdited()
{
    edited = true;
    emit yearDataChanged();
}

void bnbForm::on_writeButton_clicked()
{
    if (!last)
        return;
    const QString fileName = askSaveFileName();
    if (fileName.isEmpty())
        return;
    QSaveFile file(fileName);
    bool written = file.open(QIODevice::WriteOnly);
    if (written) {
        QTextStream out(&file);
        writeCsvRows(out, yearTableRows(lastSeries, last->result.runningMean));
        out.flush();
        written = out.status() == QTextStream::Ok && file.commit();
    }
    if (!written)
        QMessageBox::warning(this, tr("Write CSV"), tr("Cannot write file %1:\n%2.")
                                                        .arg(QDir::toNativeSeparators(fileName), file.errorString()));
}

bool bnbForm::readDataPage(DataPageInput &in)
{
    FieldReader reader(this);
    in.startHour = reader.wholeNumber(ui.dataStartTime, tr("Start Date at Hour"), RoomRange::kStartHour);
    in.interval = reader.number(ui.dataIntervalHour, ui.labelInterval, RoomRange::kInterval);
    in.alpha = reader.number(ui.inputAlphaEN, ui.labelAlpha, RoomRange::kAlpha);
    in.workFrom = reader.wholeNumber(ui.modelWorkStart, tr("Working hours from"), RoomRange::kWorkingHour);
    in.workTo = reader.wholeNumber(ui.modelWorkEnd, tr("Working hours to"), RoomRange::kWorkingHour);
    if (!reader.ok())
        return false;
    in.startDate = parseDate(ui.dataStartDate->text());
    in.firstWeekday = ui.dataStartDay->currentIndex() + 1;
    in.withWeekends = ui.checkIgnoreWeekend->isChecked();
    in.model = selectedModel();
    in.region = selectedRegion();
    in.dinCompliance = false;   // the summer page's box
    if (auto problem = checkDataPage(in)) {
        // Named by the field's label, not by the room file's key.
        const bool working = problem->key.startsWith(QLatin1String("workingTime"));
        problem->key = FieldReader::fieldName((working ? ui.labelWorkingHours : ui.labelStartDate)->text());
        (working ? ui.modelWorkEnd : ui.dataStartTime)->setFocus();
        QMessageBox::warning(this, tr("Compute"),
                             problem->message(roomWords()) + QLatin1Char('\n') + tr("Nothing was computed."));
        return false;
    }
    return true;
}

void bnbForm::reportMissingBoundary(const OperativeAssessment &a)
{
    QString text = tr("The data hold no row for the season boundary %1 %2, so nothing was computed.")
                       .arg(formatDate(a.missing.date), clockTime(a.missing.hour));
    if (a.axis.dates.empty())
        text += QLatin1String("\n\n") + tr("The table holds no rows.");
    else
        text += QLatin1String("\n\n")
                + tr("The data reach from %1 %2 to %3 %4.")
                      .arg(formatDate(a.axis.dates.front()), clockTime(a.axis.hours.front()),
                           formatDate(a.axis.dates.back()), clockTime(a.axis.hours.back()));
    QMessageBox::warning(this, tr("Compute"), text);
}

// A refused Compute changes nothing: table, series and results stay as the last Compute left them.
void bnbForm::on_compButton_clicked()
{
    computeOk = false;
    DataPageInput in;
    if (!readDataPage(in))
        return;

    YearSeries year = yearSeriesFromRows(tableRows(ui.tableWidget, kYearColumns));
    const CellGaps gaps = yearSeriesGaps(year);
    if (gaps.count > 0) {
        QMessageBox::warning(this, tr("Cells without a number"),
                             tr("%1 cells of the year data hold no number (empty, or text without a "
                                "numeric prefix), so nothing was computed.")
                                     .arg(gaps.count)
                                 + QLatin1Char('\n') + cellGapPlaces(ui.tableWidget, gaps));
        return;
    }
    OperativeOutcome outcome = assessOperative(in, year);
    if (!outcome.result.ok) {
        reportMissingBoundary(outcome.result);
        return;
    }
    last = std::move(outcome);
    lastSeries = std::move(year);

    // The converted numbers, and for the adaptive model a fourth column "Mean (EN)".
    const bool withMean = !last->result.runningMean.empty();
    QTableWidget *table = ui.tableWidget;
    const int columns = withMean ? kYearColumns + 1 : kYearColumns;
    if (table->columnCount() != columns) {
        table->setRowCount(0);   // every cell is written anew: no need to keep them
        table->setColumnCount(columns);
    }
    if (withMean)
        table->setHorizontalHeaderItem(kYearColumns, new QTableWidgetItem(tr("Mean (EN)")));
    fillTable(table, yearTableRows(lastSeries, last->result.runningMean));
    ui.writeButton->setEnabled(true);
    computeOk = true;
    checkTableYear();

    const double hours = yearSpanHours(lastSeries.size(), in.interval);
    if (!isOneYear(hours)) {
        const TimeAxis &axis = last->result.axis;
        QMessageBox::warning(this, tr("Compute"),
                             tr("The data cover %1 h (%2 records of %3 h) from %4 %5 to %6 %7, not one "
                                "year of 8,760 h (8,784 h in a leap year). The results count these hours.")
                                 .arg(hoursText(hours), QString::number(lastSeries.size()),
                                      formatInputNumber(in.interval), formatDate(axis.dates.front()),
                                      clockTime(axis.hours.front()), formatDate(axis.dates.back()),
                                      clockTime(axis.hours.back())));
    }
}

QString bnbForm::askOpenFileName()
{
    return askOpenFile(this, tr("Open Spreadsheet"), FileKind::YearData,
                       tr("Spreadsheet files (*.*)"));
}

QString bnbForm::askSaveFileName()
{
    return askSaveFile(this, tr("Choose output filename"), FileKind::YearData,
                       QStringLiteral("bnbout.csv"), tr("Spreadsheet files (*.csv*)"));
}

QString bnbForm::yearProblemText(const YearFileRead &read, const QString &fileName, int headerLines) const
{
    const QString name = QDir::toNativeSeparators(fileName);
    switch (read.problem) {
    case YearReadProblem::None:
        break;
    case YearReadProblem::CannotRead:
        return tr("Cannot read file %1:\n%2.").arg(name, read.reason);
    case YearReadProblem::Empty:
        return tr("The file %1 is empty.").arg(name);
    case YearReadProblem::NotText:
        return tr("The file %1 is no text file: year data are read from delimited text (CSV).").arg(name);
    case YearReadProblem::ShorterThanHeader:
        return tr("The file %1 holds %2 lines, fewer than the %3 header lines to skip.")
            .arg(name).arg(read.lineCount).arg(headerLines);
    case YearReadProblem::NoRecord:
        return tr("The file %1 holds no line with a number after its %2 header lines.").arg(name).arg(headerLines);
    case YearReadProblem::HeaderAsRecord:
        return tr("The first line read from %1 holds no number in any cell: it looks like a header. "
                  "Set \"%2\" to skip it (now %3).")
            .arg(name, FieldReader::fieldName(ui.skipLabel->text()))
            .arg(headerLines);
    }
    return QString();
}

bool bnbForm::importYearFile(const QString &fileName)
{
    FieldReader reader(this);
    const int headerLines = reader.wholeNumber(ui.dataSkipLines, FieldReader::fieldName(ui.skipLabel->text()), RoomRange::kHeaderLines);
    if (!reader.ok())
        return false;
    const YearFileRead read = readYearFile(fileName, headerLines, separator);
    if (read.problem != YearReadProblem::None) {
        QMessageBox::warning(this, tr("Import"), yearProblemText(read, fileName, headerLines) + QLatin1Char('\n')
                                                     + tr("The table was left as it was."));
        return false;
    }
    setYearRows(read.rows, fileName);
    return true;
}

void bnbForm::setYearRows(const std::vector<QStringList> &rows, const QString &fileName)
{
    // A new year: the running mean column of an earlier adaptive Compute goes.
    QTableWidget *table = ui.tableWidget;
    if (table->columnCount() != kYearColumns) {
        table->setRowCount(0);
        table->setColumnCount(kYearColumns);
    }
    fillTable(table, rows);
    yearFile = fileName.isEmpty() ? QString() : QFileInfo(fileName).absoluteFilePath();
    edited = false;
    ui.compButton->setEnabled(!rows.empty());
    emit yearDataChanged();
}

void bnbForm::on_readPreviewButton_clicked()
{
    const QString fileName = askOpenFileName();
    if (!fileName.isEmpty() && importYearFile(fileName))
        checkTableYear();
}

std::optional<YearImport> bnbForm::askSimulationImport()
{
    simulationImportDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.year();
}

void bnbForm::on_simulationButton_clicked()
{
    if (const std::optional<YearImport> year = askSimulationImport())
        applyImport(*year);
}

void bnbForm::applyImport(const YearImport &year)
{
    const YearSeries &s = year.series;
    const auto cell = [](double v) { return std::isfinite(v) ? formatInputNumber(v) : QString(); };
    std::vector<QStringList> rows(s.size());
    for (size_t r = 0; r < rows.size(); ++r)
        rows[r] = {cell(s.outdoorTemp[r]), cell(s.outdoorHumid[r]), cell(s.indoorTemp[r])};
    setYearRows(rows, QString());
    ui.dataStartDate->setText(formatDate(year.start));
    ui.dataStartTime->setText(QString::number(year.startHour));
    ui.dataIntervalHour->setText(formatInputNumber(year.interval));
    if (year.firstWeekday >= 1 && year.firstWeekday <= 7)
        ui.dataStartDay->setCurrentIndex(year.firstWeekday - 1);
    showValidity(checkYear(year));
}

// The axis as far as the fields give it: a field without a number keeps the axis's default.
void bnbForm::checkTableYear()
{
    TimeAxisInput axis;
    axis.start = parseDate(ui.dataStartDate->text());
    double v = 0.0;
    if (parseFieldNumber(ui.dataStartTime->text(), v))
        axis.startHour = int(std::clamp(v, 0.0, 23.0));
    if (parseFieldNumber(ui.dataIntervalHour->text(), v) && RoomRange::kInterval.contains(v))
        axis.interval = v;
    showValidity(checkYear(yearSeriesFromRows(tableRows(ui.tableWidget, kYearColumns)), axis));
}

void bnbForm::showValidity(const YearReport &report)
{
    QStringList lines = formatYearReport(report, yearCheckWords());
    if (lines.isEmpty())
        lines << tr("No findings: the year is complete and plausible.");
    ui.validityReport->setText(lines.join(QLatin1Char('\n')));
    ui.validityReport->setStyleSheet(report.hasErrors() ? QStringLiteral("color: rgb(170, 0, 0);") : QString());
    ui.validityBox->setVisible(true);
}

bool bnbForm::saveYearFile(const QString &fileName)
{
    QSaveFile file(fileName);
    bool written = file.open(QIODevice::WriteOnly);
    if (written) {
        QTextStream out(&file);
        writeYearFile(out, yearSeriesFromRows(tableRows(ui.tableWidget, kYearColumns)));
        out.flush();
        written = out.status() == QTextStream::Ok && file.commit();
    }
    if (!written) {
        QMessageBox::warning(this, tr("Write CSV"), tr("Cannot write file %1:\n%2.")
                                                        .arg(QDir::toNativeSeparators(fileName), file.errorString()));
        return false;
    }
    ui.csvcomboBox->setCurrentIndex(int(ColumnSeparator::Semicolon));
    ui.dataSkipLines->setText(QStringLiteral("1"));
    yearFile = QFileInfo(fileName).absoluteFilePath();
    edited = false;
    return true;
}

bool bnbForm::readRoomFields(YearDataInput &year, DataPageInput &data,
                             std::array<bool, kReportChapters> &chapters)
{
    FieldReader reader(this);
    year.headerLines = reader.wholeNumber(ui.dataSkipLines, FieldReader::fieldName(ui.skipLabel->text()), RoomRange::kHeaderLines);
    if (!reader.ok() || !readDataPage(data))
        return false;
    year.file = yearFile;
    year.separator = ColumnSeparator(std::clamp(ui.csvcomboBox->currentIndex(), 0, 3));
    for (int c = 0; c < kReportChapters; ++c)
        chapters[size_t(c)] = chapterBox(ReportChapter(c))->isChecked();
    return true;
}

void bnbForm::setRoomFields(const YearDataInput &year, const DataPageInput &data,
                            const std::array<bool, kReportChapters> &chapters)
{
    ui.csvcomboBox->setCurrentIndex(int(year.separator));
    ui.dataSkipLines->setText(QString::number(year.headerLines));
    ui.dataStartDate->setText(formatDate(data.startDate));
    ui.dataStartTime->setText(QString::number(data.startHour));
    ui.dataStartDay->setCurrentIndex(data.firstWeekday - 1);
    ui.dataIntervalHour->setText(formatInputNumber(data.interval));
    ui.modelWorkStart->setText(QString::number(data.workFrom));
    ui.modelWorkEnd->setText(QString::number(data.workTo));
    ui.checkIgnoreWeekend->setChecked(data.withWeekends);
    ui.modelSelectBox->setCurrentIndex(int(data.model));
    on_modelSelectBox_textActivated(ui.modelSelectBox->currentText());
    QRadioButton *regions[] = {ui.regionCheckA, ui.regionCheckB, ui.regionCheckC};
    regions[std::clamp(int(data.region), 1, 3) - 1]->setChecked(true);
    ui.inputAlphaEN->setText(formatInputNumber(data.alpha));
    for (int c = 0; c < kReportChapters; ++c)
        chapterBox(ReportChapter(c))->setChecked(chapters[size_t(c)]);
}

QCheckBox *bnbForm::chapterBox(ReportChapter chapter) const
{
    QCheckBox *const boxes[kReportChapters] = {
        ui.winterOperativeTemperaturCheck, ui.winterDraftCheck, ui.winterRadiationCheck, ui.winterHumidityCheck,
        ui.summerOperativeTemperaturCheck, ui.summerDraftCheck, ui.summerRadiationCheck, ui.summerHumidityCheck};
    return boxes[std::clamp(int(chapter), 0, kReportChapters - 1)];
}

void bnbForm::on_modelSelectBox_textActivated(const QString &)
{
    const bool din = selectedModel() == SummerModel::Din4108;
    ui.regionCheckA->setEnabled(din);
    ui.regionCheckB->setEnabled(din);
    ui.regionCheckC->setEnabled(din);
}

void bnbForm::cut()
{
    copy();
    del();
}

void bnbForm::copy()
{
    copySelection(ui.tableWidget);
}

void bnbForm::paste()
{
    if (pasteClipboard(this, ui.tableWidget)) {
        ui.compButton->setEnabled(true);
        markEdited();
    }
}

void bnbForm::del()
{
    deleteSelection(ui.tableWidget);
    markEdited();
}

void bnbForm::on_clearButton_clicked()
{
    ui.compButton->setEnabled(false);
    QTableWidget *table = ui.tableWidget;
    table->setRowCount(0);   // emptied first: the column change is then cheap
    table->clear();
    table->setColumnCount(kYearColumns);
    for (int c = 0; c < kYearColumns; ++c)
        table->setColumnHidden(c, false);
    table->setRowCount(kDefaultRows);
    // The headers of the form file.
    table->setHorizontalHeaderLabels({tr("Outdoor\ntemperature\nTa (°C)"), tr("Outdoor\nhumidity\nRH (%)"),
                                      tr("Indoor\ntemperature\nTo (°C)")});
    yearFile.clear();
    markEdited();
}

void bnbForm::on_csvcomboBox_currentIndexChanged(int index)
{
    separator = separatorForIndex(index, separator);
}

void bnbForm::on_InfoBu1_clicked()
{
    //: Help picture in this language (resources/images/).
    const QString picture = tr("InfoBu1.png");
    InfoDialog::showPicture(tr("Info about ..."), picture, this);
}

void bnbForm::on_InfoBu2_clicked()
{
    //: Help picture in this language (resources/images/).
    const QString picture = tr("InfoBu2.png");
    InfoDialog::showPicture(tr("Info about ..."), picture, this);
}

void bnbForm::on_InfoBu3_clicked()
{
    //: Help picture in this language (resources/images/).
    const QString picture = tr("InfoBu3.png");
    InfoDialog::showPicture(tr("Info about ..."), picture, this);
}

void bnbForm::on_InfoBu4_clicked()
{
    //: Help picture in this language (resources/images/).
    const QString picture = tr("InfoBu4.png");
    InfoDialog::showPicture(tr("Info about ..."), picture, this);
}

void bnbForm::on_InfoBu5_clicked()
{
    //: Help picture in this language (resources/images/).
    const QString picture = tr("InfoBu5.png");
    InfoDialog::showPicture(tr("Info about ..."), picture, this);
}

void bnbForm::on_InfoBu6_clicked()
{
    //: Help picture in this language (resources/images/).
    const QString picture = tr("InfoBu6.png");
    InfoDialog::showPicture(tr("Info about ..."), picture, this);
}

void bnbForm::on_InfoBu7_clicked()
{
    //: Help picture in this language (resources/images/).
    const QString picture = tr("InfoBu7.png");
    InfoDialog::showPicture(tr("Info about ..."), picture, this);
}

void bnbForm::on_InfoBu8_clicked()
{
    //: Help picture in this language (resources/images/).
    const QString picture = tr("InfoBu8.png");
    InfoDialog::showPicture(tr("Info about ..."), picture, this);
}

void bnbForm::on_InfoBu9_clicked()
{
    //: Help picture in this language (resources/images/).
    const QString picture = tr("InfoBu9.png");
    InfoDialog::showPicture(tr("Info about ..."), picture, this);
}

void bnbForm::getWinterResults(double *results) const
{
    const ResultArray w = last ? last->winter() : ResultArray{};
    std::copy(w.begin(), w.end(), results);
}

void bnbForm::getSummerResults(double *results) const
{
    const ResultArray s = last ? last->summer() : ResultArray{};
    std::copy(s.begin(), s.end(), results);
}

void bnbForm::getInputData(std::vector<double> &indoorTemp1, std::vector<double> &outdoorTemp1,
                           std::vector<double> &outdoorHumid1, std::vector<bool> &workingTime1,
                           std::vector<bool> &workingTimeWinter1, std::vector<bool> &workingTimeSummer1,
                           std::vector<bool> &workingTimeWinterHumid1,
                           std::vector<bool> &workingTimeSummerHumid1) const
{
    indoorTemp1 = lastSeries.indoorTemp;
    outdoorTemp1 = lastSeries.outdoorTemp;
    outdoorHumid1 = lastSeries.outdoorHumid;
    const SeasonMasks none;
    const SeasonMasks &m = last ? last->result.masks : none;
    workingTime1 = last ? last->result.axis.workingTime : std::vector<bool>();
    workingTimeWinter1 = m.winter;
    workingTimeSummer1 = m.summer;
    workingTimeWinterHumid1 = m.winterHumid;
    workingTimeSummerHumid1 = m.summerHumid;
}
