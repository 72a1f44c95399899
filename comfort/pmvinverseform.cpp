#include "comfort/pmvinverseform.h"

#include "app/fieldreader.h"
#include "comfort/iso7730note.h"
#include "comfort/numbertext.h"
#include "comfort/pmv.h"
#include "comfort/pmvinverse.h"
#include "comfort/trace.h"
#include "help/infodialog.h"
#include "ui_pmvinverseform.h"

pmvInverseForm::pmvInverseForm(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::pmvInverseForm)
{
    ui->setupUi(this);
    // No unknown yet: the temperatures wait for the pick that decides which
    // of them the search uses.
    setModeSelectorsEnabled(false);
    setTaRow(false);
    setTgRow(false);
    setMrtRow(false);
    setToRow(false);
    ui->checkBoxRecvMrt->setEnabled(false);
    ui->checkBoxRecvClo->setEnabled(false);
}

pmvInverseForm::~pmvInverseForm()
{
    delete ui;
}

int pmvInverseForm::pickedUnknown() const
{
    if (ui->radioPickTa->isChecked())
        return InverseUnknown::AirTemperature;
    if (ui->radioPickTg->isChecked())
        return InverseUnknown::GlobeTemperature;
    if (ui->radioPickMRT->isChecked())
        return InverseUnknown::MeanRadiantTemperature;
    if (ui->radioPickTo->isChecked())
        return InverseUnknown::OperativeTemperature;
    if (ui->radioPickRh->isChecked())
        return InverseUnknown::RelativeHumidity;
    if (ui->radioPickVa->isChecked())
        return InverseUnknown::AirSpeed;
    if (ui->radioPickClo->isChecked())
        return InverseUnknown::Clothing;
    if (ui->radioPickMet->isChecked())
        return InverseUnknown::MetabolicRate;
    return InverseUnknown::None;
}

// Reads only the fields the chosen search uses (the unknown's own field and
// the temperatures of other modes are neither used nor judged), then scans the
// unknown's grid for the PMV nearest to the target.
void pmvInverseForm::showNotAvailable()
{
    for (QLineEdit *out : {ui->outputUnknown, ui->outputPMV, ui->outputPPD, ui->outputPPDM})
        out->setText(QStringLiteral("-NA-"));
}

void pmvInverseForm::on_compute_clicked()
{
    const int unknown = pickedUnknown();
    if (unknown == InverseUnknown::None) {
        showNotAvailable();
        ui->outputInfo->clear();
        ui->labelValidity->clear();
        return;
    }

    // The form's temperature mode: a selector counts only while it is enabled.
    unsigned chosen = PmvInputMode::NotSet;
    if (ui->radioTaTg->isEnabled() && ui->radioTaTg->isChecked())
        chosen = PmvInputMode::TaTg;
    else if (ui->radioTo->isEnabled() && ui->radioTo->isChecked())
        chosen = PmvInputMode::To;
    else if (ui->radioMRT->isEnabled() && ui->radioMRT->isChecked())
        chosen = PmvInputMode::MRT;

    // ta is replaced by the grid for air and operative temperature, t2 for the
    // globe, radiant and operative temperature.
    const bool usesTa = unknown != InverseUnknown::AirTemperature
                        && unknown != InverseUnknown::OperativeTemperature;
    const bool usesT2 = unknown == InverseUnknown::AirTemperature
                        || unknown >= InverseUnknown::RelativeHumidity;

    FieldReader in(this);
    const ValueRange &t = PmvPhysical::kTemperature;
    double ta = 0, t2 = 0, rh = 0, va = 0, icl = 0, m = 0;
    if (chosen == PmvInputMode::To) {
        if (usesTa || usesT2)
            ta = t2 = in.number(ui->inputTo, ui->labelTo, t);
    } else {
        if (usesTa)
            ta = in.number(ui->inputTa, ui->labelTa, t);
        if (usesT2 && chosen == PmvInputMode::MRT)
            t2 = in.number(ui->inputMRT, ui->labelMRT, t);
        else if (usesT2)
            t2 = in.number(ui->inputTg, ui->labelTg, t);
    }
    if (unknown != InverseUnknown::RelativeHumidity)
        rh = in.number(ui->inputRh, ui->labelRh, PmvPhysical::kRelativeHumidity);
    if (unknown != InverseUnknown::AirSpeed)
        va = in.number(ui->inputVa, ui->labelVa, PmvPhysical::kAirSpeed);
    if (unknown != InverseUnknown::Clothing)
        icl = in.number(ui->inputIcl, ui->labelIcl, PmvPhysical::kClothing) * kCloToM2KW;
    if (unknown != InverseUnknown::MetabolicRate) {
        const int unit = ui->comboMetUnit->currentIndex();
        m = convertMetabolicRate(in.number(ui->inputM, ui->labelM, PmvPhysical::kMetabolicRate), unit);
        traceLine(unit == 1 ? QStringLiteral(" Met ") + formatGeneral(m) : QStringLiteral(" Watt "));
    }
    const double w = in.number(ui->inputW, ui->labelW);
    const double target = in.number(ui->inputPMV, ui->labelPMV);
    if (!in.ok()) {
        // Refused: no earlier result may stand beside the new inputs.
        for (QLineEdit *out : {ui->outputUnknown, ui->outputPMV, ui->outputPPD, ui->outputPPDM})
            out->clear();
        ui->outputInfo->clear();
        ui->labelValidity->clear();
        return;
    }

    if (unknown == InverseUnknown::MeanRadiantTemperature
        || unknown == InverseUnknown::OperativeTemperature)
        traceLine(QStringLiteral(" Hit #######"));

    double value = 999.9;
    double pmv = target, ppd = 0, limited = 0, mayer = 0;
    const unsigned mode = inverseSearchMode(unknown, chosen);
    const bool found = findNearestPMV(unknown, value, mode, ta, t2, rh, va, icl, m, w, pmv, ppd,
                                      limited, mayer)
                       == InverseOutcome::Found;
    ui->labelValidity->setText(
        found ? iso7730NoteText(checkIso7730AtValue(unknown, value, mode, ta, t2, rh, va, icl, m, pmv))
              : QString());
    if (found) {
        // Clothing is found as Icl in m²K/W and shown in clo, as its label says.
        ui->outputUnknown->setText(formatFixed(inverseDisplayValue(unknown, value)));
        ui->outputPMV->setText(formatFixed(pmv));
        ui->outputPPD->setText(formatFixed(ppd));
        ui->outputPPDM->setText(formatFixed(mayer));
    } else {
        showNotAvailable();
    }
    const InverseUnknownTexts texts = inverseUnknownTexts(unknown);
    ui->outputInfo->setPlainText(tr(found ? texts.found : texts.notFound) + QLatin1Char('\n'));
}

void pmvInverseForm::setModeSelectorsEnabled(bool enabled)
{
    ui->radioTaTg->setEnabled(enabled);
    ui->radioMRT->setEnabled(enabled);
    ui->radioTo->setEnabled(enabled);
}

void pmvInverseForm::setTaRow(bool enabled)
{
    ui->labelTa->setEnabled(enabled);
    ui->inputTa->setEnabled(enabled);
}

void pmvInverseForm::setTgRow(bool enabled)
{
    ui->labelTg->setEnabled(enabled);
    ui->inputTg->setEnabled(enabled);
}

void pmvInverseForm::setMrtRow(bool enabled)
{
    ui->labelMRT->setEnabled(enabled);
    ui->inputMRT->setEnabled(enabled);
}

void pmvInverseForm::setToRow(bool enabled)
{
    ui->labelTo->setEnabled(enabled);
    ui->inputTo->setEnabled(enabled);
}

bool pmvInverseForm::taRowFor(bool selectorChecked) const
{
    return ui->radioPickTa->isChecked() ? !selectorChecked : selectorChecked;
}

// The mode selectors: each applies its own row with its new state; the one
// being unchecked runs first, so the newly checked one decides.
void pmvInverseForm::on_radioTo_toggled(bool checked)
{
    setToRow(checked);
    setMrtRow(!checked);
    setTaRow(!checked);
    setTgRow(!checked);
    ui->checkBoxRecvMrt->setEnabled(!checked);
}

void pmvInverseForm::on_radioMRT_toggled(bool checked)
{
    setMrtRow(checked);
    setTaRow(taRowFor(checked));
    setToRow(!checked);
    setTgRow(!checked);
    ui->checkBoxRecvMrt->setEnabled(!checked);
}

void pmvInverseForm::on_radioTaTg_toggled(bool checked)
{
    setTaRow(taRowFor(checked));
    setTgRow(checked);
    setMrtRow(!checked);
    setToRow(!checked);
    ui->checkBoxRecvMrt->setEnabled(!checked);
}

void pmvInverseForm::resetForUnknown(int unknown)
{
    const InverseUnknownTexts texts = inverseUnknownTexts(unknown);
    ui->compute->setText(tr(texts.button));
    ui->labelResultPara->setText(tr(texts.resultLabel));

    ui->checkBoxRecvMrt->setEnabled(false);
    ui->checkBoxRecvClo->setEnabled(false);
    setModeSelectorsEnabled(true);
    setTaRow(true);
    setTgRow(true);
    setMrtRow(true);
    setToRow(true);
    for (QWidget *w : {static_cast<QWidget *>(ui->labelRh), static_cast<QWidget *>(ui->inputRh),
                       static_cast<QWidget *>(ui->labelVa), static_cast<QWidget *>(ui->inputVa),
                       static_cast<QWidget *>(ui->labelIcl), static_cast<QWidget *>(ui->inputIcl),
                       static_cast<QWidget *>(ui->labelM), static_cast<QWidget *>(ui->inputM)})
        w->setEnabled(true);
}

void pmvInverseForm::chooseAirAndGlobe()
{
    ui->radioTaTg->setChecked(true);
    setToRow(false);
    setMrtRow(false);
}

// Each pick slot runs for the radio being unchecked (checked false) before the
// one for the radio being checked, so the new unknown's state stands at the end.
void pmvInverseForm::on_radioPickTo_toggled(bool checked)
{
    resetForUnknown(InverseUnknown::OperativeTemperature);
    setModeSelectorsEnabled(!checked);
    setTaRow(!checked);
    setTgRow(!checked);
    setMrtRow(!checked);
    setToRow(!checked);
    ui->checkBoxRecvMrt->setEnabled(!checked);
}

void pmvInverseForm::on_radioPickTa_toggled(bool checked)
{
    resetForUnknown(InverseUnknown::AirTemperature);
    ui->radioMRT->setChecked(true);
    setTgRow(!checked);
    ui->radioTo->setEnabled(!checked);
    setToRow(!checked);
    setTaRow(!checked);
    ui->checkBoxRecvMrt->setEnabled(!checked);
}

void pmvInverseForm::on_radioPickTg_toggled(bool checked)
{
    resetForUnknown(InverseUnknown::GlobeTemperature);
    setTaRow(checked);
    ui->radioTaTg->setChecked(true);
    setModeSelectorsEnabled(!checked);
    setToRow(!checked);
    setMrtRow(!checked);
    setTgRow(!checked);
    ui->checkBoxRecvMrt->setEnabled(!checked);
}

void pmvInverseForm::on_radioPickMRT_toggled(bool checked)
{
    resetForUnknown(InverseUnknown::MeanRadiantTemperature);
    setModeSelectorsEnabled(!checked);
    setToRow(!checked);
    setMrtRow(!checked);
    setTgRow(!checked);
    ui->checkBoxRecvMrt->setEnabled(!checked);
}

void pmvInverseForm::on_radioPickRh_toggled(bool checked)
{
    resetForUnknown(InverseUnknown::RelativeHumidity);
    chooseAirAndGlobe();
    ui->labelRh->setEnabled(!checked);
    ui->inputRh->setEnabled(!checked);
}

void pmvInverseForm::on_radioPickVa_toggled(bool checked)
{
    resetForUnknown(InverseUnknown::AirSpeed);
    chooseAirAndGlobe();
    ui->labelVa->setEnabled(!checked);
    ui->inputVa->setEnabled(!checked);
}

void pmvInverseForm::on_radioPickClo_toggled(bool checked)
{
    resetForUnknown(InverseUnknown::Clothing);
    chooseAirAndGlobe();
    ui->labelIcl->setEnabled(!checked);
    ui->inputIcl->setEnabled(!checked);
    ui->checkBoxRecvClo->setEnabled(!checked);
}

void pmvInverseForm::on_radioPickMet_toggled(bool checked)
{
    resetForUnknown(InverseUnknown::MetabolicRate);
    chooseAirAndGlobe();
    ui->labelM->setEnabled(!checked);
    ui->inputM->setEnabled(!checked);
    ui->comboMetUnit->setEnabled(!checked);
}

void pmvInverseForm::on_InfoBuPMVInvers_clicked()
{
    //: Help picture in this language (resources/images/).
    const QString picture = tr("InfoBuPMVInvers.png");
    InfoDialog::showPicture(tr("Info about ..."), picture, this);
}
