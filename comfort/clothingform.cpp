#include "comfort/clothingform.h"

#include "comfort/numbertext.h"
#include "help/infodialog.h"

clothingForm::clothingForm(QWidget *parent)
    : QWidget(parent)
{
    ui.setupUi(this);
}

void clothingForm::writeClo(double clo)
{
    ui.lineClo->setText(formatGeneral(clo));
}

// Work clothing [clo]
void clothingForm::on_radio1_toggled(bool) { writeClo(0.7); }
void clothingForm::on_radio2_toggled(bool) { writeClo(0.8); }
void clothingForm::on_radio3_toggled(bool) { writeClo(0.9); }
void clothingForm::on_radio4_toggled(bool) { writeClo(1.0); }
void clothingForm::on_radio5_toggled(bool) { writeClo(1.2); }
void clothingForm::on_radio6_toggled(bool) { writeClo(1.4); }
void clothingForm::on_radio7_toggled(bool) { writeClo(2.0); }
void clothingForm::on_radio8_toggled(bool) { writeClo(2.55); }

// Daily wear [clo]
void clothingForm::on_radio1_d_toggled(bool) { writeClo(0.3); }
void clothingForm::on_radio2_d_toggled(bool) { writeClo(0.5); }
void clothingForm::on_radio3_d_toggled(bool) { writeClo(0.7); }
void clothingForm::on_radio4_d_toggled(bool) { writeClo(0.7); }
void clothingForm::on_radio5_d_toggled(bool) { writeClo(1.0); }
void clothingForm::on_radio6_d_toggled(bool) { writeClo(1.1); }
void clothingForm::on_radio7_d_toggled(bool) { writeClo(1.3); }
void clothingForm::on_radio8_d_toggled(bool) { writeClo(1.5); }

void clothingForm::on_InfoBuClo_clicked()
{
    //: Help picture in this language (resources/images/).
    const QString picture = tr("InfoBuClo.png");
    InfoDialog::showPicture(tr("Info about ..."), picture, this);
}

void clothingForm::on_lineClo_textChanged(QString)
{
    // Typed values stay in the field as they are; the PMV tool reads it.
}
