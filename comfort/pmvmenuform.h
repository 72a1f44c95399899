// The PMV tool: calculator, MRT, clothing and inverse PMV in four tabs. Its only
// logic hands the clothing value and the MRT over into the calculator while
// the calculator's matching box asks for them. Kept by the main window for the session;
// its work is unsaved once a field was edited or the calculator's table holds data.
#pragma once

#include "app/toolpage.h"
#include "ui_pmvmenuform.h"

class QTabWidget;
class clothingForm;
class mrtForm;
class pmvForm;

class pmvMenuForm : public ToolPage
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
