// Clothing insulation of typical garment ensembles (ISO 7730, table of typical
// combinations): picking one writes its clo value into lineClo.
#pragma once

#include "ui_clothingform.h"

#include <QWidget>

class clothingForm : public QWidget
{
    Q_OBJECT

public:
    explicit clothingForm(QWidget *parent);

private slots:
    void on_radio1_toggled(bool checked);
    void on_radio2_toggled(bool checked);
    void on_radio3_toggled(bool checked);
    void on_radio4_toggled(bool checked);
    void on_radio5_toggled(bool checked);
    void on_radio6_toggled(bool checked);
    void on_radio7_toggled(bool checked);
    void on_radio8_toggled(bool checked);
    void on_radio1_d_toggled(bool checked);
    void on_radio2_d_toggled(bool checked);
    void on_radio3_d_toggled(bool checked);
    void on_radio4_d_toggled(bool checked);
    void on_radio5_d_toggled(bool checked);
    void on_radio6_d_toggled(bool checked);
    void on_radio7_d_toggled(bool checked);
    void on_radio8_d_toggled(bool checked);
    void on_InfoBuClo_clicked();
    void on_lineClo_textChanged(QString arg1);

private:
    // Writes an ensemble's clo value; a toggle in either direction writes, so
    // after a change of pick the newly checked ensemble's value stays.
    void writeClo(double clo);

    Ui::clothingForm ui;
};
