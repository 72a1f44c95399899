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
    // A heat resistance or U-value below 0 does not exist.
    const ValueRange nonNegative{0.0};
    FieldReader in(this);
    const double tin = in.number(ui.inputTsTin, ui.labelTsTin, kPhysicalTemperature);
    const double tout = in.number(ui.inputTsTout, ui.labelTsTout, kPhysicalTemperature);
    const double rsi = in.number(ui.inputTsRsi, ui.labelTsRsi, nonNegative);
    const double u = in.number(ui.inputTsUval, ui.labelTsUval, nonNegative);
    if (!in.ok()) {
        ui.outputTs->clear();   // no old result beside the new inputs
        return;
    }
    ui.outputTs->setText(formatFixed(surfaceTemperature(tin, tout, rsi, u)));
}
