#include "comfort/pmvform.h"

#include "app/fieldreader.h"
#include "comfort/numbertext.h"
#include "comfort/pmv.h"
#include "help/infodialog.h"

pmvForm::pmvForm(QWidget *parent)
    : QWidget(parent)
    , separator(QStringLiteral(";"))
{
    ui.setupUi(this);
    on_radioTaTg_toggled(true);   // the checked selector's state, before any toggle
    layoutTable(1);
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
        // Table input is read and computed by the batch of the table import.
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
    static const char *const separators[] = {";", ",", " ", "\t"};
    if (index >= 0 && index < 4)
        separator = QLatin1String(separators[index]);
}

void pmvForm::on_readPreviewButton_clicked()
{
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
    switch (tableMode) {
    case 2:
        headers = {QStringLiteral("To"), QStringLiteral("rH"), QStringLiteral("Va"), QStringLiteral("clo")};
        break;
    case 3:
        headers = {QStringLiteral("Ta"), QStringLiteral("Tr"), QStringLiteral("rH"), QStringLiteral("Va"),
                   QStringLiteral("clo")};
        break;
    default:
        headers = {QStringLiteral("Ta"), QStringLiteral("Tg"), QStringLiteral("rH"), QStringLiteral("Va"),
                   QStringLiteral("clo")};
        break;
    }
    ui.tableWidget->setColumnCount(int(headers.size()));
    ui.tableWidget->setHorizontalHeaderLabels(headers);
    ui.tableWidget->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    ui.tableWidget->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
}

void pmvForm::on_radioTableTaTg_toggled(bool checked)
{
    if (checked)
        layoutTable(1);
}

void pmvForm::on_radioTableMRT_toggled(bool checked)
{
    if (checked)
        layoutTable(3);
}

void pmvForm::on_radioTableTo_toggled(bool checked)
{
    if (checked)
        layoutTable(2);
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

void pmvForm::on_CsvWriteButton_clicked()
{
}
