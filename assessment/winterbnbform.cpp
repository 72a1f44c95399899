#include "assessment/winterbnbform.h"

#include "app/resulttext.h"
#include "assessment/resultpage.h"
#include "help/infodialog.h"

winterBNBForm::winterBNBForm(QWidget *parent)
    : QWidget(parent)
{
    ui.setupUi(this);
    stretchResultTable(ui.winterDistribution);
    stretchResultTable(ui.winterQuality);
}

void winterBNBForm::showResults(const ResultArray &w, double dt)
{
    showOperativeCells(ui.winterDistribution, ui.winterQuality, w, dt);
    ui.pointsField->setText(resultText(w[WinterSlot::Points], 1));
}

void winterBNBForm::on_InfoBuToW_clicked()
{
    InfoDialog::showPicture(tr("Info about ..."), QStringLiteral("InfoBuToW.png"), this);
}
