#include "assessment/winterbnbform.h"

#include "app/resulttext.h"
#include "assessment/bandchart.h"
#include "assessment/resultpage.h"
#include "help/infodialog.h"

winterBNBForm::winterBNBForm(QWidget *parent)
    : QWidget(parent)
{
    ui.setupUi(this);
    stretchResultTable(ui.winterDistribution);
    stretchResultTable(ui.winterQuality);
    bandChart = new BandChart(this, tr("Winter: working hours per band"), tr("To (°C)"),
                              {"19", "20", "21", "22", "23", "24", "25"},
                              tr("Category I"), tr("Below 20 °C"));
    bandChart->setObjectName(QStringLiteral("winterBandChart"));
    insertBelow(ui.winterDistribution, bandChart, 1);
}

void winterBNBForm::showResults(const ResultArray &w, double dt)
{
    const OperativePageTexts t = winterPageTexts(w, dt, assessmentWords());
    showOperativeCells(ui.winterDistribution, ui.winterQuality, t);
    ui.pointsField->setText(t.points);
    bandChart->setBands(winterBandHours(w, dt));
}

void winterBNBForm::on_InfoBuToW_clicked()
{
    //: Help picture in this language (resources/images/).
    const QString picture = tr("InfoBuToW.png");
    InfoDialog::showPicture(tr("Info about ..."), picture, this);
}
