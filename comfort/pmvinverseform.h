// Inverse PMV: which value of one parameter gives a wanted PMV.
#pragma once

#include <QWidget>

namespace Ui {
class pmvInverseForm;
}

class pmvInverseForm : public QWidget
{
    Q_OBJECT

public:
    explicit pmvInverseForm(QWidget *parent);
    ~pmvInverseForm() override;

private slots:
    void on_compute_clicked();
    void on_radioTo_toggled(bool checked);
    void on_radioMRT_toggled(bool checked);
    void on_radioTaTg_toggled(bool checked);
    void on_radioPickTo_toggled(bool checked);
    void on_radioPickTa_toggled(bool checked);
    void on_radioPickTg_toggled(bool checked);
    void on_radioPickMRT_toggled(bool checked);
    void on_radioPickRh_toggled(bool checked);
    void on_radioPickVa_toggled(bool checked);
    void on_radioPickClo_toggled(bool checked);
    void on_radioPickMet_toggled(bool checked);
    void on_InfoBuPMVInvers_clicked();

private:
    // "-NA-" in the value found and the three results.
    void showNotAvailable();
    // The unknown of the checked pick radio (InverseUnknown), None if none is.
    int pickedUnknown() const;
    // Texts of the unknown, then every input enabled but the two check boxes.
    void resetForUnknown(int unknown);
    // For an unknown whose search keeps the form's temperature mode (codes 5-8):
    // air and globe temperature chosen, To and MRT rows disabled.
    void chooseAirAndGlobe();
    void setModeSelectorsEnabled(bool enabled);
    void setTaRow(bool enabled);
    void setTgRow(bool enabled);
    void setMrtRow(bool enabled);
    void setToRow(bool enabled);
    // The air temperature row follows a mode selector, except while the air
    // temperature is the unknown, when it is the other way round.
    bool taRowFor(bool selectorChecked) const;

    Ui::pmvInverseForm *ui;
};
