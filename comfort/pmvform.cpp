#include "comfort/pmvform.h"

#include "app/fieldreader.h"
#include "app/lastfolder.h"
#include "app/resulttext.h"
#include "app/tabletext.h"
#include "comfort/iso7730note.h"
#include "comfort/numbertext.h"
#include "comfort/pmv.h"
#include "comfort/ppdchart.h"
#include "comfort/pmvrange.h"
#include "comfort/trace.h"
#include "help/infodialog.h"


#include <algorithm>
#include <cmath>

pmvForm::pmvForm(QWidget *parent)
    : QWidget(parent)
    , separator(QStringLiteral(";"))
{
    ui.setupUi(this);
    on_radioTaTg_toggled(true);   // the checked selector's state, before any toggle
    // A column fitted to its contents stays narrow even for a huge number's digits.
    QHeaderView *header = ui.tableWidget->horizontalHeader();
    header->setMaximumSectionSize(2 * header->defaultSectionSize());
    layoutTable(PmvTableMode::TaTg);
    ppdChart = new PpdChart(this);
    ppdChart->setObjectName(QStringLiteral("ppdChart"));
    insertBelow(ui.groupBoxreadFile, ppdChart, 1);
    ui.verticalLayoutRight->setStretchFactor(ui.tableWidget, 1);   // chart and table share the height
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

// Only the fields of the current choice are read: a disabled field of another
// temperature mode is neither used nor judged. A refused computation clears the
// results, so that no old result stands beside the new inputs.
void pmvForm::on_compute_clicked()
{
    FieldReader in(this);
    const bool table = ui.checkBoxReadData->isChecked();
    const unsigned mode = checkedMode();
    double ta = 0, tg = 0, to = 0, mrt = 0, rh = 0, va = 0, icl = 0;
    if (!table) {
        const ValueRange &t = PmvPhysical::kTemperature;
        if (mode == PmvInputMode::TaTg)
            tg = in.number(ui.inputTg, ui.labelTg, t);
        if (mode == PmvInputMode::TaTg || mode == PmvInputMode::MRT)
            ta = in.number(ui.inputTa, ui.labelTa, t);
        if (mode == PmvInputMode::MRT)
            mrt = in.number(ui.inputMRT, ui.labelMRT, t);
        if (mode == PmvInputMode::To)
            to = in.number(ui.inputTo, ui.labelTo, t);
        rh = in.number(ui.inputRh, ui.labelRh, PmvPhysical::kRelativeHumidity);
        va = in.number(ui.inputVa, ui.labelVa, PmvPhysical::kAirSpeed);
        icl = in.number(ui.inputIcl, ui.labelIcl, PmvPhysical::kClothing) * kCloToM2KW;
    }
    // The table batch takes metabolic rate and external work from the input group.
    const double m = convertMetabolicRate(
        in.number(ui.inputM, ui.labelM, PmvPhysical::kMetabolicRate), ui.comboMetUnit->currentIndex());
    const double w = in.number(ui.inputW, ui.labelW);
    if (!in.ok()) {
        for (QLineEdit *out : {ui.outputPMV, ui.outputPPD, ui.outputPPDM})
            out->clear();
        ui.labelValidity->clear();
        ppdChart->showResult(qQNaN(), qQNaN(), qQNaN());
        return;
    }

    double pmv = 0, ppd = 0, limited = 0, mayer = 0;
    if (table) {
        computeTable(m, w, pmv, ppd, mayer);
    } else {
        const double t1 = mode == PmvInputMode::To ? to : ta;
        const double t2 = mode == PmvInputMode::TaTg ? tg : mode == PmvInputMode::MRT ? mrt : to;
        computePMV(mode, t1, t2, rh, va, icl, m, w, pmv, ppd, limited, mayer);
        ui.labelValidity->setText(iso7730NoteText(checkIso7730(mode, t1, t2, rh, va, icl, m, pmv)));
    }
    ui.outputPMV->setText(resultText(pmv, 2));
    ui.outputPPD->setText(resultText(ppd, 2));
    ui.outputPPDM->setText(resultText(mayer, 2));
    ppdChart->showResult(pmv, ppd, mayer);
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
    return askOpenFile(this, tr("Open Spreadsheet"), FileKind::PmvTable,
                       tr("Spreadsheet files (*.*)"));
}

QString pmvForm::askSaveFileName()
{
    return askSaveFile(this, tr("Choose output filename"), FileKind::PmvTable,
                       QStringLiteral("pmvout.csv"), tr("Spreadsheet files (*.csv*)"));
}

// The file replaces the table's rows line by line after the header lines. A
// file that is no text, holds no line or no number after its header lines is
// refused with a message; the table stays as it was.
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
    if (!importDelimitedFile(this, ui.tableWidget, fileName, headerLines, separator, &lineCount,
                             ImportRefusal::All)) {
        traceLine(QStringLiteral(" error "));
        return;
    }
    // Only the mode's input columns remain: results of an earlier batch belong
    // to the old rows.
    layoutTable(checkedTableMode());
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
// again from their texts, which the previous run left with two decimals. A row
// with an impossible value or an input cell without a number reads "N.A"; the
// cells without a number are named in one warning after the table is shown.
void pmvForm::computeTable(double M, double W, double &pmv, double &ppd, double &ppdMayer)
{
    QTableWidget *table = ui.tableWidget;
    const int mode = checkedTableMode();
    const int inputs = int(pmvTableInputHeaders(mode).size());
    const int rowCount = table->rowCount();

    const std::vector<QStringList> rows = tableRows(table, inputs);
    batch = computePmvTable(mode, rows, M, W);

    const int first = table->columnCount();
    table->setUpdatesEnabled(false);
    setColumnCountKeepingCells(table, first + 3);
    const std::vector<const char *> resultHeaders = pmvTableResultHeaders();
    for (int i = 0; i < 3; ++i)
        table->setHorizontalHeaderItem(first + i, new QTableWidgetItem(tr(resultHeaders[i])));
    // New items throughout: QTableWidget looks an item changed in place up by a
    // linear search once columns were added. A cell without a number keeps its
    // text, so that the user sees what made the row N.A.
    const std::vector<QStringList> texts = pmvTableTexts(batch, rows, resultText(qQNaN(), 2));
    for (int r = 0; r < rowCount; ++r) {
        const QStringList &row = texts[size_t(r)];
        for (int c = 0; c < inputs; ++c)
            table->setItem(r, c, new QTableWidgetItem(row.at(c)));
        for (int i = 0; i < 3; ++i)
            table->setItem(r, first + i, resultItem(row.at(inputs + i)));
    }
    // Columns as wide as their two-decimal numbers (Qt looks at the first 1000
    // rows), so that the inputs and one batch's results fit the table at the
    // window's start size.
    table->resizeColumnsToContents();
    table->setUpdatesEnabled(true);
    ui.labelValidity->setText(iso7730TableNoteText(batch.rowsOutside, batch.rowsComputed,
                                                   batch.firstOutsideRow + 1, batch.firstOutside));

    if (rowCount > 0) {
        pmv = batch.pmv.back();
        ppd = batch.ppd.back();
        ppdMayer = batch.ppdMayer.back();
    }
    warnCellGaps(this, table, findCellGaps(rows, inputs), CellGapRows::NotComputed);
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
    QHeaderView *header = ui.tableWidget->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Fixed);
    for (int c = 0; c < headers.size(); ++c)   // a batch fitted them to its numbers
        header->resizeSection(c, header->defaultSectionSize());
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
    //: Help picture in this language (resources/images/).
    const QString picture = tr("InfoBuPMV.png");
    InfoDialog::showPicture(tr("Info about ..."), picture, this);
}

void pmvForm::on_InfoBuPMV2_clicked()
{
    //: Help picture in this language (resources/images/).
    const QString picture = tr("InfoBuPMV2.png");
    InfoDialog::showPicture(tr("Info about ..."), picture, this);
}

void pmvForm::on_InfoBuPMV3_clicked()
{
    //: Help picture in this language (resources/images/).
    const QString picture = tr("InfoBuPMV3.png");
    InfoDialog::showPicture(tr("Info about ..."), picture, this);
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
