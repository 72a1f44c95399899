// The PMV tool: calculator, MRT, clothing and inverse PMV in four tabs. Its only
// logic hands the clothing value and the MRT over into the calculator while
// the calculator's matching box asks for them.
#pragma once

#include "ui_pmvmenuform.h"

#include <QWidget>

class QTabWidget;
class clothingForm;
class mrtForm;
class pmvForm;

class pmvMenuForm : public QWidget
{
    Q_OBJECT

public:
    explicit pmvMenuForm(QWidget *parent);

private slots:
    void cloModified();
    void mrtModified();

private:
    Ui::pmvMenuForm ui;
    QTabWidget *tabWidget;
    pmvForm *pmv;
    mrtForm *mrt;
    clothingForm *clothing;
};
