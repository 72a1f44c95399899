// Estimates the inner surface temperature of a window or an outer wall, for the user to
// type into the MRT form.
#pragma once

#include "ui_tsurfcalcdialog.h"

#include <QDialog>

class TsurfCalcDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TsurfCalcDialog(QWidget *parent);

private slots:
    void on_computeSurfaceT_clicked();

private:
    Ui::TsurfCalcDialog ui;
};
