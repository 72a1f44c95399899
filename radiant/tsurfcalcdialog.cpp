#include "radiant/tsurfcalcdialog.h"

#include "app/fieldreader.h"
#include "comfort/numbertext.h"
#include "radiant/surfacetemperature.h"

TsurfCalcDialog::TsurfCalcDialog(QWidget *parent)
    : QDialog(parent)
{
    ui.setupUi(this);
}

void TsurfCalcDialog::on_computeSurfaceT_clicked()
{
    FieldReader in(this);
    const double tin = in.number(ui.inputTsTin, ui.labelTsTin);
    const double tout = in.number(ui.inputTsTout, ui.labelTsTout);
    const double rsi = in.number(ui.inputTsRsi, ui.labelTsRsi);
    const double u = in.number(ui.inputTsUval, ui.labelTsUval);
    if (!in.ok())
        return;
    ui.outputTs->setText(formatFixed(surfaceTemperature(tin, tout, rsi, u)));
}
