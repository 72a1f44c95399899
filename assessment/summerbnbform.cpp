#include "assessment/summerbnbform.h"

#include "app/resulttext.h"
#include "assessment/resultpage.h"
#include "help/infodialog.h"

namespace {

// DIN 4108-2: at most 500 K·h above the region's limit temperature.
constexpr double kDinDegreeHourLimit = 500.0;
// A justified summer compliance scores at least 10 points (10 less a small
// tolerance, as the rating system's other limits).
constexpr double kJustifiedFloor = 9.9991;

}

summerBNBForm::summerBNBForm(QWidget *parent)
    : QWidget(parent)
{
    ui.setupUi(this);
    stretchResultTable(ui.summerDistribution);
    stretchResultTable(ui.summerQuality);
}

void summerBNBForm::showResults(const ResultArray &s, double dt, bool din4108)
{
    showOperativeCells(ui.summerDistribution, ui.summerQuality, s, dt);
    const double points = s[SummerSlot::Points];
    QString text;
    if (din4108)
        text = s[SummerSlot::DegreeRows] * dt < kDinDegreeHourLimit ? tr("complied") : tr("not complied");
    else if (ui.checkBoxJustify->isChecked())
        text = points < kJustifiedFloor ? QStringLiteral("10") : resultText(points, 1);
    else
        text = QStringLiteral("0");
    ui.pointsField->setText(text);
}

// The window shows the page again right after this: the rule above then decides.
void summerBNBForm::on_checkBoxJustify_toggled(bool checked)
{
    if (checked)
        ui.pointsField->setText(ui.pointsField->text().toDouble() < 10.0 ? QStringLiteral("10")
                                                                          : QStringLiteral("0"));
}

void summerBNBForm::on_InfoBuToS_clicked()
{
    InfoDialog::showPicture(tr("Info about ..."), QStringLiteral("InfoBuToS.png"), this);
}
