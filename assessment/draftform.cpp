#include "assessment/draftform.h"

#include "app/fieldreader.h"
#include "assessment/draft.h"
#include "help/infodialog.h"

draftForm::draftForm(QWidget *parent)
    : QWidget(parent)
{
    ui.setupUi(this);
    connect(ui.s_compButton, &QPushButton::clicked, this, &draftForm::computeSummerDraft);
    connect(ui.w_compButton, &QPushButton::clicked, this, &draftForm::computeWinterDraft);
}

void draftForm::on_w_checkMech_toggled(bool checked)
{
    ui.groupInputW->setEnabled(checked);
    ui.groupCompW->setEnabled(checked);
}

void draftForm::on_s_checkMech_toggled(bool checked)
{
    ui.groupInputS->setEnabled(checked);
    ui.groupCompS->setEnabled(checked);
}

// Window ventilation passes with full points, and unticking it shows them until the next
// computation too.
void draftForm::on_w_checkWindow_toggled(bool)
{
    ui.WinterPoints->setText(QStringLiteral("20"));
}

void draftForm::on_s_checkWindow_toggled(bool)
{
    ui.SummerPoints->setText(QStringLiteral("10"));
}

void draftForm::computeSummerDraft()
{
    computeDraft({ui.s_labelSeason, ui.s_inputTa, ui.s_inputVa, ui.s_inputTu, ui.s_labelTa, ui.s_labelVa,
                  ui.s_labelTu, ui.s_checkWindow, ui.s_outDr, ui.s_outQual, ui.SummerPoints, 0.5});
}

void draftForm::computeWinterDraft()
{
    computeDraft({ui.w_labelSeason, ui.w_inputTa, ui.w_inputVa, ui.w_inputTu, ui.w_labelTa, ui.w_labelVa,
                  ui.w_labelTu, ui.w_checkWindow, ui.w_outDr, ui.w_outQual, ui.WinterPoints, 1.0});
}

void draftForm::computeDraft(const Season &s)
{
    FieldReader in(this);
    const auto name = [&s](const QLabel *label) {
        return tr("%1: %2").arg(s.season->text(), FieldReader::fieldName(label->text()));
    };
    const double ta = in.number(s.ta, name(s.labelTa));
    const double va = in.number(s.va, name(s.labelVa));
    const double tu = in.number(s.tu, name(s.labelTu));
    if (!in.ok())
        return;
    const DraftResult r = computeDraftRate(ta, va, tu, s.window->isChecked());
    s.dr->setText(QString::number(r.dr, 'f', 2));
    s.verdict->setText(r.fulfilled ? tr("Pass") : tr("Fail"));
    s.points->setText(QString::number(r.points * s.pointsScale, 'f', 0));
}

void draftForm::on_InfoBuDR_clicked()
{
    InfoDialog::showPicture(tr("Info about ..."), QStringLiteral("InfoBuDR.png"), this);
}
