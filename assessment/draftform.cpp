#include "assessment/draftform.h"

#include "app/fieldreader.h"
#include "app/resulttext.h"
#include "help/infodialog.h"
#include "report/assessmenttexts.h"

draftForm::draftForm(QWidget *parent)
    : QWidget(parent)
{
    ui.setupUi(this);
    connect(ui.s_compButton, &QPushButton::clicked, this, &draftForm::computeSummerDraft);
    connect(ui.w_compButton, &QPushButton::clicked, this, &draftForm::computeWinterDraft);
    for (Season s : {Winter, Summer})
        ventilationChanged(s);
}

draftForm::SeasonWidgets draftForm::widgets(Season s) const
{
    if (s == Winter)
        return {ui.w_labelSeason, ui.w_checkMech, ui.w_checkWindow, ui.w_inputTa, ui.w_inputVa, ui.w_inputTu,
                ui.w_labelTa, ui.w_labelVa, ui.w_labelTu, ui.groupInputW, ui.groupCompW,
                ui.w_outDr, ui.w_outQual, ui.WinterPoints};
    return {ui.s_labelSeason, ui.s_checkMech, ui.s_checkWindow, ui.s_inputTa, ui.s_inputVa, ui.s_inputTu,
            ui.s_labelTa, ui.s_labelVa, ui.s_labelTu, ui.groupInputS, ui.groupCompS,
            ui.s_outDr, ui.s_outQual, ui.SummerPoints};
}

void draftForm::on_w_checkMech_toggled(bool checked)
{
    ui.groupInputW->setEnabled(checked);
    ui.groupCompW->setEnabled(checked);
    ventilationChanged(Winter);
}

void draftForm::on_s_checkMech_toggled(bool checked)
{
    ui.groupInputS->setEnabled(checked);
    ui.groupCompS->setEnabled(checked);
    ventilationChanged(Summer);
}

void draftForm::on_w_checkWindow_toggled(bool)
{
    ventilationChanged(Winter);
}

void draftForm::on_s_checkWindow_toggled(bool)
{
    ventilationChanged(Summer);
}

void draftForm::ventilationChanged(Season s)
{
    const SeasonWidgets w = widgets(s);
    DraughtInput in;
    if (last[s] && last[s]->computed)
        in = last[s]->input;
    in.mechanical = w.mechanical->isChecked();
    in.window = w.window->isChecked();
    if (!in.mechanical || (last[s] && last[s]->computed))
        last[s] = assessDraught(in, s);
    else
        last[s].reset();
    show(s);
}

void draftForm::show(Season s)
{
    const SeasonWidgets w = widgets(s);
    const DraughtTexts t = last[s] ? draughtTexts(*last[s], assessmentWords()) : DraughtTexts();
    w.dr->setText(t.rate);
    w.verdict->setText(t.verdict);
    w.points->setText(t.points);
}

void draftForm::computeSummerDraft()
{
    computeDraft(Summer);
}

void draftForm::computeWinterDraft()
{
    computeDraft(Winter);
}

bool draftForm::readInput(Season s, DraughtInput &in)
{
    return readFields(s, in, false);
}

bool draftForm::readFields(Season s, DraughtInput &in, bool complete)
{
    const SeasonWidgets w = widgets(s);
    FieldReader reader(this);
    const auto name = [&w](const QLabel *label) {
        return tr("%1: %2").arg(w.season->text(), FieldReader::fieldName(label->text()));
    };
    const std::tuple<QLineEdit *, QLabel *, std::optional<double> *, ValueRange> fields[] = {
        {w.ta, w.labelTa, &in.airTemperature, kPhysicalTemperature},
        {w.va, w.labelVa, &in.airVelocity, RoomRange::kAirVelocity},
        {w.tu, w.labelTu, &in.turbulence, RoomRange::kTurbulence}};
    for (const auto &[field, label, value, range] : fields) {
        if (!complete && field->text().trimmed().isEmpty())
            value->reset();
        else
            *value = reader.number(field, name(label), range);
    }
    in.mechanical = w.mechanical->isChecked();
    in.window = w.window->isChecked();
    return reader.ok();
}

// A refused computation clears the season's results: none may stand beside the new inputs.
void draftForm::computeDraft(Season s)
{
    DraughtInput in;
    if (readFields(s, in, true))
        last[s] = assessDraught(in, s);
    else
        last[s].reset();
    show(s);
}

void draftForm::setInput(Season s, const DraughtInput &in)
{
    const SeasonWidgets w = widgets(s);
    for (auto [field, value] : {std::pair(w.ta, in.airTemperature), {w.va, in.airVelocity}, {w.tu, in.turbulence}})
        field->setText(value ? formatInputNumber(*value) : QString());
    last[s].reset();
    const QSignalBlocker blockMechanical(w.mechanical), blockWindow(w.window);
    w.mechanical->setChecked(in.mechanical);
    w.window->setChecked(in.window);
    w.input->setEnabled(in.mechanical);
    w.compute->setEnabled(in.mechanical);
    if (!in.mechanical || !checkDraught(in, s, true))
        last[s] = assessDraught(in, s);
    show(s);
}

void draftForm::on_InfoBuDR_clicked()
{
    //: Help picture in this language (resources/images/).
    const QString picture = tr("InfoBuDR.png");
    InfoDialog::showPicture(tr("Info about ..."), picture, this);
}
