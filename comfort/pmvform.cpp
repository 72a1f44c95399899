#include "comfort/pmvform.h"

#include "app/fieldreader.h"
#include "app/tabletext.h"
#include "comfort/numbertext.h"
#include "comfort/pmv.h"
#include "comfort/trace.h"
#include "help/infodialog.h"

#include <QFileDialog>

#include <algorithm>

pmvForm::pmvForm(QWidget *parent)
    : QWidget(parent)
    , separator(QStringLiteral(";"))
{
    ui.setupUi(this);
    on_radioTaTg_toggled(true);   // the checked selector's state, before any toggle
    layoutTable(PmvTableMode::TaTg);
}

unsigned pmvForm::checkedMode() const
{
    if (ui.radioTaTg->isChecked())
        return PmvInputMode::TaTg;
    if (ui.radioTo->isChecked())
        return PmvInputMode::To;
    if (ui.radioMRT->isChecked())
        return PmvInputMode::MRT;
    return PmvInputMode::NotSet;
}

void pmvForm::on_compute_clicked()
{
    // Only the fields of the current choice are read: a disabled field of
    // another temperature mode is neither used nor judged.
    FieldReader in(this);
    const bool table = ui.checkBoxReadData->isChecked();
    const unsigned mode = checkedMode();
    double ta = 0, tg = 0, to = 0, mrt = 0, rh = 0, va = 0, icl = 0;
    if (!table) {
        if (mode == PmvInputMode::TaTg)
            tg = in.number(ui.inputTg, ui.labelTg);
        if (mode == PmvInputMode::TaTg || mode == PmvInputMode::MRT)
            ta = in.number(ui.inputTa, ui.labelTa);
        if (mode == PmvInputMode::MRT)
            mrt = in.number(ui.inputMRT, ui.labelMRT);
        if (mode == PmvInputMode::To)
            to = in.number(ui.inputTo, ui.labelTo);
        rh = in.number(ui.inputRh, ui.labelRh);
        va = in.number(ui.inputVa, ui.labelVa);
        icl = in.number(ui.inputIcl, ui.labelIcl) * kCloToM2KW;
    }
    // The table batch takes metabolic rate and external work from the input group.
    const double m = convertMetabolicRate(in.number(ui.inputM, ui.labelM),
                                          ui.comboMetUnit->currentIndex());
    const double w = in.number(ui.inputW, ui.labelW);
    if (!in.ok())
        return;

    double pmv = 0, ppd = 0, limited = 0, mayer = 0;
    if (table) {
        computeTable(m, w, pmv, ppd, mayer);
    } else if (mode == PmvInputMode::TaTg) {
        computePMV(mode, ta, tg, rh, va, icl, m, w, pmv, ppd, limited, mayer);
    } else if (mode == PmvInputMode::To) {
        computePMV(mode, to, to, rh, va, icl, m, w, pmv, ppd, limited, mayer);
    } else if (mode == PmvInputMode::MRT) {
        computePMV(mode, ta, mrt, rh, va, icl, m, w, pmv, ppd, limited, mayer);
    }
    ui.outputPMV->setText(formatFixed(pmv));
    ui.outputPPD->setText(formatFixed(ppd));
    ui.outputPPDM->setText(formatFixed(mayer));
}

void pmvForm::setTemperatureRows(bool ta, bool tg, bool mrt, bool to)
{
    ui.labelTa->setEnabled(ta);
    ui.inputTa->setEnabled(ta);
    ui.labelTg->setEnabled(tg);
    ui.inputTg->setEnabled(tg);
    ui.labelMRT->setEnabled(mrt);
    ui.inputMRT->setEnabled(mrt);
    ui.checkBoxRecvMrt->setEnabled(mrt);
    ui.labelTo->setEnabled(to);
    ui.inputTo->setEnabled(to);
}

// Each selector applies its own row with its new state; on a change the
// unchecked selector runs first, so the newly checked one decides.
void pmvForm::on_radioTo_toggled(bool checked)
{
    setTemperatureRows(!checked, !checked, !checked, checked);
}

void pmvForm::on_radioMRT_toggled(bool checked)
{
    setTemperatureRows(checked, !checked, checked, !checked);
}

void pmvForm::on_radioTaTg_toggled(bool checked)
{
    setTemperatureRows(checked, checked, !checked, !checked);
}

void pmvForm::on_csvcomboBox_currentIndexChanged(int index)
{
    separator = separatorForIndex(index, separator);
}

QString pmvForm::askOpenFileName()
{
    return QFileDialog::getOpenFileName(this, tr("Open Spreadsheet"), QStringLiteral("."),
                                        tr("Spreadsheet files (*.*)"));
}

QString pmvForm::askSaveFileName()
{
    return QFileDialog::getSaveFileName(this, tr("Choose output filename"),
                                        QStringLiteral("pmvout.csv"),
                                        tr("Spreadsheet files (*.csv*)"));
}

// The file replaces the table's rows line by line after the header lines; a
// file shorter than its header leaves the table as it was.
void pmvForm::on_readPreviewButton_clicked()
{
    traceLine(QStringLiteral(" readPreviewButton Clicked "));
    const int headerLines = ui.dataSkipLines->text().trimmed().toInt();
    const QString fileName = askOpenFileName();
    if (fileName.isEmpty()) {
        traceLine(QStringLiteral(" error "));
        return;
    }
    qint64 lineCount = 0;
    if (!importDelimitedFile(this, ui.tableWidget, fileName, headerLines, separator, &lineCount)) {
        traceLine(QStringLiteral(" error "));
        return;
    }
    traceLine(QStringLiteral(" \nRow: ") + QString::number(lineCount - std::max(headerLines, 0))
              + QLatin1Char(' ') + QString::number(ui.tableWidget->rowCount()));
}

int pmvForm::checkedTableMode() const
{
    if (ui.radioTableTaTg->isChecked())
        return PmvTableMode::TaTg;
    if (ui.radioTableTo->isChecked())
        return PmvTableMode::To;
    if (ui.radioTableMRT->isChecked())
        return PmvTableMode::MRT;
    return PmvTableMode::TaTg;
}

// Each run appends its own three result columns; the input columns are read
// again from their texts, which the previous run left with two decimals.
void pmvForm::computeTable(double M, double W, double &pmv, double &ppd, double &ppdMayer)
{
    QTableWidget *table = ui.tableWidget;
    const int mode = checkedTableMode();
    const int inputs = int(pmvTableInputHeaders(mode).size());
    const int rowCount = table->rowCount();

    batch = computePmvTable(mode, tableRows(table, inputs), M, W);

    const int first = table->columnCount();
    table->setUpdatesEnabled(false);
    setColumnCountKeepingCells(table, first + 3);
    const std::vector<const char *> resultHeaders = pmvTableResultHeaders();
    for (int i = 0; i < 3; ++i)
        table->setHorizontalHeaderItem(first + i, new QTableWidgetItem(tr(resultHeaders[i])));
    // New items throughout: QTableWidget looks an item changed in place up by a
    // linear search once columns were added.
    for (int r = 0; r < rowCount; ++r) {
        for (int c = 0; c < inputs; ++c)
            table->setItem(r, c, new QTableWidgetItem(formatFixed(batch.inputs[c][r])));
        table->setItem(r, first, new QTableWidgetItem(formatFixed(batch.pmv[r])));
        table->setItem(r, first + 1, new QTableWidgetItem(formatFixed(batch.ppd[r])));
        table->setItem(r, first + 2, new QTableWidgetItem(formatFixed(batch.ppdMayer[r])));
    }
    table->setUpdatesEnabled(true);

    if (rowCount > 0) {
        pmv = batch.pmv.back();
        ppd = batch.ppd.back();
        ppdMayer = batch.ppdMayer.back();
    }
}

void pmvForm::on_checkBoxReadData_toggled(bool checked)
{
    ui.groupBoxInput->setEnabled(!checked);
    for (QWidget *widget : {static_cast<QWidget *>(ui.tableWidget),
                            static_cast<QWidget *>(ui.groupBoxreadFile),
                            static_cast<QWidget *>(ui.csvcomboBox),
                            static_cast<QWidget *>(ui.labelColSep),
                            static_cast<QWidget *>(ui.readPreviewButton),
                            static_cast<QWidget *>(ui.skipLabel),
                            static_cast<QWidget *>(ui.dataSkipLines),
                            static_cast<QWidget *>(ui.CsvWriteButton)})
        widget->setEnabled(checked);
}

void pmvForm::layoutTable(int tableMode)
{
    QStringList headers;
    for (const char *header : pmvTableInputHeaders(tableMode))
        headers << tr(header);
    setColumnCountKeepingCells(ui.tableWidget, int(headers.size()));
    ui.tableWidget->setHorizontalHeaderLabels(headers);
    ui.tableWidget->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    ui.tableWidget->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
}

void pmvForm::on_radioTableTaTg_toggled(bool checked)
{
    if (checked)
        layoutTable(PmvTableMode::TaTg);
}

void pmvForm::on_radioTableMRT_toggled(bool checked)
{
    if (checked)
        layoutTable(PmvTableMode::MRT);
}

void pmvForm::on_radioTableTo_toggled(bool checked)
{
    if (checked)
        layoutTable(PmvTableMode::To);
}

void pmvForm::on_InfoBuPMV_clicked()
{
    InfoDialog::showPicture(tr("Info about ..."), QStringLiteral("InfoBuPMV.png"), this);
}

void pmvForm::on_InfoBuPMV2_clicked()
{
    InfoDialog::showPicture(tr("Info about ..."), QStringLiteral("InfoBuPMV2.png"), this);
}

void pmvForm::on_InfoBuPMV3_clicked()
{
    InfoDialog::showPicture(tr("Info about ..."), QStringLiteral("InfoBuPMV3.png"), this);
}

// The table as shown, comma-separated, no header; a cell never filled is an
// empty field.
void pmvForm::on_CsvWriteButton_clicked()
{
    const QString fileName = askSaveFileName();
    if (fileName.isEmpty())
        return;
    saveTableAsCsv(this, ui.tableWidget, fileName);
}
