#include "assessment/bnbform.h"

#include "app/fieldreader.h"
#include "app/lastfolder.h"
#include "app/tabletext.h"
#include "comfort/delimitedtext.h"
#include "help/infodialog.h"

#include <QAbstractButton>
#include <QAction>
#include <QMessageBox>

#include <algorithm>

namespace {

constexpr int kInputColumns = 3;     // outdoor temperature, outdoor humidity, indoor temperature
constexpr int kDefaultRows = 8760;   // a year of hourly rows

// The summer period handed to the period routines after the season masks are built.
const char *const kSummerStart = "01.04.2011";
const char *const kSummerEnd = "30.09.2011";

// "7:00", "23:30": an hour of day [h] as clock time.
QString clockTime(double hour)
{
    const long long minutes = qRound64(hour * 60.0);
    return QStringLiteral("%1:%2").arg(minutes / 60).arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

// The integer part of an hour entry [h]; far outside a day it is held at
// ±1000 h, which the time axis treats alike, so the conversion stays defined.
int wholeHours(double hours)
{
    return int(std::clamp(hours, -1000.0, 1000.0));
}

QString twoDecimals(double value)
{
    return QString::number(value, 'f', 2);
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

    // Ctrl+S and Ctrl+O are left to saving and opening a room, Ctrl+C, V, X to the table.
    setShortcutShown(ui.readPreviewButton, QKeySequence(Qt::CTRL | Qt::Key_R));
    setShortcutShown(ui.compButton, QKeySequence(Qt::Key_F9));
    setShortcutShown(ui.exportButton, QKeySequence(Qt::CTRL | Qt::Key_E));
    setShortcutShown(ui.exportPdfButton, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E));
}

SummerModel bnbForm::selectedModel() const
{
    const QString model = ui.modelSelectBox->currentText();
    if (model == tr("Adaptives Modell(DIN EN 15251)"))
        return SummerModel::AdaptiveEN;
    if (model == tr("Nationaler Anhang(DIN EN 15251)"))
        return SummerModel::NationalAnnex;
    if (model == tr("DIN 4108-2"))
        return SummerModel::Din4108;
    return SummerModel::Fixed26;
}

SummerRegion bnbForm::checkedRegion() const
{
    if (ui.regionCheckA->isChecked())
        return SummerRegion::A;
    if (ui.regionCheckB->isChecked())
        return SummerRegion::B;
    if (ui.regionCheckC->isChecked())
        return SummerRegion::C;
    return SummerRegion::None;
}

const ResultArray *bnbForm::selectedModelArray() const
{
    switch (selectedModel()) {
    case SummerModel::Fixed26:
        return &resultsSummer26;
    case SummerModel::AdaptiveEN:
        return &resultsSummerEN;
    case SummerModel::NationalAnnex:
        return &resultsSummerNA;
    case SummerModel::Din4108:
        switch (checkedRegion()) {
        case SummerRegion::A:
            return &resultsSummerDinA;
        case SummerRegion::B:
            return &resultsSummerDinB;
        case SummerRegion::C:
            return &resultsSummerDinC;
        case SummerRegion::None:
            break;
        }
        break;
    }
    return nullptr;
}

void bnbForm::on_writeButton_clicked()
{
    const QString fileName = askSaveFileName();
    if (!fileName.isEmpty())
        saveTableAsCsv(this, ui.tableWidget, fileName);
}

bool bnbForm::readAssessmentInput(OperativeAssessmentInput &in, QStringList &parameters)
{
    FieldReader reader(this);
    const double startHour = reader.number(ui.dataStartTime, tr("Start Date at Hour"));
    const double interval = reader.number(ui.dataIntervalHour, ui.labelInterval);
    const double alpha = reader.number(ui.inputAlphaEN, ui.labelAlpha);
    const double workStart = reader.number(ui.modelWorkStart, tr("Working hours from"));
    const double workEnd = reader.number(ui.modelWorkEnd, tr("Working hours to"));
    if (!reader.ok())
        return false;
    // The time axis would never advance; the running mean divides by 1 - α^15.
    const auto refuse = [this](QLineEdit *field, const QString &text) {
        field->setFocus();
        QMessageBox::warning(this, tr("Compute"), text + QLatin1Char('\n') + tr("Nothing was computed."));
        return false;
    };
    if (!(interval > 0.0))
        return refuse(ui.dataIntervalHour,
                      tr("%1 must be greater than 0.").arg(FieldReader::fieldName(ui.labelInterval->text())));
    if (!(alpha >= 0.0 && alpha < 1.0))
        return refuse(ui.inputAlphaEN, tr("%1 must lie between 0 and 1 (0 ≤ α < 1).")
                                           .arg(FieldReader::fieldName(ui.labelAlpha->text())));

    const int rows = ui.tableWidget->rowCount();
    parameters = QStringList{QString::number(rows),
                             ui.dataStartDate->text(),
                             ui.dataStartTime->text(),
                             ui.dataIntervalHour->text(),
                             QLatin1String(kSummerStart),
                             QStringLiteral("0"),
                             QLatin1String(kSummerEnd),
                             QStringLiteral("23"),
                             ui.inputAlphaEN->text(),
                             QString::number(ui.dataStartDay->currentIndex() + 1),
                             ui.modelWorkStart->text(),
                             ui.modelWorkEnd->text()};

    in.axis.rows = rows;
    in.axis.start = parseDate(parameters.at(1));
    in.axis.startHour = wholeHours(startHour);
    in.axis.interval = interval;
    in.axis.weekday = ui.dataStartDay->currentIndex() + 1;
    in.axis.workStart = wholeHours(workStart);
    in.axis.workEnd = wholeHours(workEnd);
    in.axis.withWeekends = ui.checkIgnoreWeekend->isChecked();
    in.alpha = alpha;
    in.model = selectedModel();
    in.region = checkedRegion();
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

// A refused Compute changes nothing: table, series, masks and results stay as
// the last Compute left them.
void bnbForm::on_compButton_clicked()
{
    computeOk = false;
    OperativeAssessmentInput in;
    QStringList parameters;
    if (!readAssessmentInput(in, parameters))
        return;

    const std::vector<QStringList> rows = tableRows(ui.tableWidget, kInputColumns);
    const CellGaps gaps = findCellGaps(rows, kInputColumns);
    in.outdoorTemp.reserve(rows.size());
    in.outdoorHumid.reserve(rows.size());
    in.indoorTemp.reserve(rows.size());
    for (const QStringList &row : rows) {
        in.outdoorTemp.push_back(parseCellNumber(row.at(0)));
        in.outdoorHumid.push_back(parseCellNumber(row.at(1)));
        in.indoorTemp.push_back(parseCellNumber(row.at(2)));
    }

    OperativeAssessment a = assessOperativeTemperature(in);
    if (!a.ok) {
        reportMissingBoundary(a);
        return;
    }

    modelParameters = std::move(parameters);
    outdoorTemp = std::move(in.outdoorTemp);
    outdoorHumid = std::move(in.outdoorHumid);
    indoorTemp = std::move(in.indoorTemp);
    timeDates = std::move(a.axis.dates);
    timeHours = std::move(a.axis.hours);
    timeWeekdays = std::move(a.axis.weekdays);
    workingTime = std::move(a.axis.workingTime);
    workingTimeWinterHumid = std::move(a.masks.winterHumid);
    workingTimeSummerHumid = std::move(a.masks.summerHumid);
    workingTimeWinter = std::move(a.masks.winter);
    workingTimeSummer = std::move(a.masks.summer);

    winterResults = a.winter;
    resultsSummerDistribution = a.summerDistribution;
    if (a.modelEvaluated) {
        switch (in.model) {
        case SummerModel::Fixed26:
            resultsSummer26 = a.model;
            break;
        case SummerModel::AdaptiveEN:
            resultsSummerEN = a.model;
            runningMeanEN = std::move(a.runningMean);
            break;
        case SummerModel::NationalAnnex:
            resultsSummerNA = a.model;
            break;
        case SummerModel::Din4108:
            if (in.region == SummerRegion::A)
                resultsSummerDinA = a.model;
            else if (in.region == SummerRegion::B)
                resultsSummerDinB = a.model;
            else
                resultsSummerDinC = a.model;
            break;
        }
    }

    showConvertedTable(in.model == SummerModel::AdaptiveEN);
    ui.writeButton->setEnabled(true);
    computeOk = true;
    warnCellGaps(this, ui.tableWidget, gaps);
}

void bnbForm::showConvertedTable(bool withRunningMean)
{
    const int columns = withRunningMean ? kInputColumns + 1 : kInputColumns;
    std::vector<QStringList> rows(indoorTemp.size());
    for (size_t r = 0; r < rows.size(); ++r) {
        rows[r].reserve(columns);
        rows[r] << twoDecimals(outdoorTemp[r]) << twoDecimals(outdoorHumid[r]) << twoDecimals(indoorTemp[r]);
        if (withRunningMean)
            rows[r] << twoDecimals(runningMeanEN[r]);
    }
    QTableWidget *table = ui.tableWidget;
    if (table->columnCount() != columns) {
        table->setRowCount(0);   // every cell is written anew: no need to keep them
        table->setColumnCount(columns);
    }
    if (withRunningMean)
        table->setHorizontalHeaderItem(kInputColumns, new QTableWidgetItem(tr("Mean (EN)")));
    fillTable(table, rows);
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

// Compute is offered after every import, also one that read nothing.
void bnbForm::on_readPreviewButton_clicked()
{
    const int headerLines = ui.dataSkipLines->text().trimmed().toInt();
    const QString fileName = askOpenFileName();
    if (!fileName.isEmpty())
        importDelimitedFile(this, ui.tableWidget, fileName, headerLines, separator);
    ui.compButton->setEnabled(true);
}

void bnbForm::on_modelSelectBox_textActivated(const QString &text)
{
    const bool din = text == tr("DIN 4108-2");
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
    if (pasteClipboard(this, ui.tableWidget))
        ui.compButton->setEnabled(true);
}

void bnbForm::del()
{
    deleteSelection(ui.tableWidget);
}

void bnbForm::on_clearButton_clicked()
{
    ui.compButton->setEnabled(false);
    QTableWidget *table = ui.tableWidget;
    table->setRowCount(0);   // emptied first: the column change is then cheap
    table->clear();
    table->setColumnCount(kInputColumns);
    for (int c = 0; c < kInputColumns; ++c)
        table->setColumnHidden(c, false);
    table->setRowCount(kDefaultRows);
    table->setHorizontalHeaderLabels({tr("Outdoor\nTa"), tr("Outdoor\nR.H"), tr("Indoor\n To")});
}

void bnbForm::on_csvcomboBox_currentIndexChanged(int index)
{
    separator = separatorForIndex(index, separator);
}

void bnbForm::on_InfoBu1_clicked()
{
    InfoDialog::showPicture(tr("Info about ..."), QStringLiteral("InfoBu1.png"), this);
}

void bnbForm::on_InfoBu2_clicked()
{
    InfoDialog::showPicture(tr("Info about ..."), QStringLiteral("InfoBu2.png"), this);
}

void bnbForm::on_InfoBu3_clicked()
{
    InfoDialog::showPicture(tr("Info about ..."), QStringLiteral("InfoBu3.png"), this);
}

void bnbForm::on_InfoBu4_clicked()
{
    InfoDialog::showPicture(tr("Info about ..."), QStringLiteral("InfoBu4.png"), this);
}

void bnbForm::on_InfoBu5_clicked()
{
    InfoDialog::showPicture(tr("Info about ..."), QStringLiteral("InfoBu5.png"), this);
}

void bnbForm::on_InfoBu6_clicked()
{
    InfoDialog::showPicture(tr("Info about ..."), QStringLiteral("InfoBu6.png"), this);
}

void bnbForm::on_InfoBu7_clicked()
{
    InfoDialog::showPicture(tr("Info about ..."), QStringLiteral("InfoBu7.png"), this);
}

void bnbForm::on_InfoBu8_clicked()
{
    InfoDialog::showPicture(tr("Info about ..."), QStringLiteral("InfoBu8.png"), this);
}

void bnbForm::on_InfoBu9_clicked()
{
    InfoDialog::showPicture(tr("Info about ..."), QStringLiteral("InfoBu9.png"), this);
}

void bnbForm::getWinterResults(double *results) const
{
    std::copy(winterResults.begin(), winterResults.end(), results);
}

void bnbForm::getSummerResults(double *results) const
{
    std::copy(resultsSummerDistribution.begin(), resultsSummerDistribution.end(), results);
    if (const ResultArray *model = selectedModelArray())
        std::copy(model->begin() + SummerSlot::Total + 1, model->end(), results + SummerSlot::Total + 1);
}

void bnbForm::getInputData(std::vector<double> &indoorTemp1, std::vector<double> &outdoorTemp1,
                           std::vector<double> &outdoorHumid1, std::vector<bool> &workingTime1,
                           std::vector<bool> &workingTimeWinter1, std::vector<bool> &workingTimeSummer1,
                           std::vector<bool> &workingTimeWinterHumid1,
                           std::vector<bool> &workingTimeSummerHumid1) const
{
    indoorTemp1 = indoorTemp;
    outdoorTemp1 = outdoorTemp;
    outdoorHumid1 = outdoorHumid;
    workingTime1 = workingTime;
    workingTimeWinter1 = workingTimeWinter;
    workingTimeSummer1 = workingTimeSummer;
    workingTimeWinterHumid1 = workingTimeWinterHumid;
    workingTimeSummerHumid1 = workingTimeSummerHumid;
}
