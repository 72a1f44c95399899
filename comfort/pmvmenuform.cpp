#include "comfort/pmvmenuform.h"

#include "app/requirechild.h"
#include "comfort/clotab.h"
#include "comfort/clothingform.h"
#include "comfort/inversetab.h"
#include "comfort/mrttab.h"
#include "comfort/numbertext.h"
#include "comfort/pmvform.h"
#include "comfort/pmvtab.h"
#include "radiant/mrtform.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

pmvMenuForm::pmvMenuForm(QWidget *parent)
    : ToolPage(parent)
{
    pmv = new pmvForm(nullptr);
    mrt = new mrtForm(true, nullptr);   // the PMV tool's variant: summer points scale
    clothing = new clothingForm(nullptr);

    // The forms' own slots are connected by name when they are built, so on a
    // click the MRT form computes first and this window copies the new result.
    connect(requireChild<QLineEdit>(clothing, "lineClo"), &QLineEdit::textChanged, this,
            &pmvMenuForm::cloModified);
    connect(requireChild<QCheckBox>(pmv, "checkBoxRecvClo"), &QCheckBox::clicked, this,
            &pmvMenuForm::cloModified);
    connect(requireChild<QPushButton>(mrt, "computeMRT"), &QPushButton::clicked, this,
            &pmvMenuForm::mrtModified);
    connect(requireChild<QCheckBox>(pmv, "checkBoxRecvMrt"), &QCheckBox::clicked, this,
            &pmvMenuForm::mrtModified);

    tabWidget = new QTabWidget;
    tabWidget->addTab(new PMVtab(pmv, nullptr), tr("Predicted Mean Vote"));
    tabWidget->addTab(new MRTtab(mrt, nullptr), tr("Mean Radiant Temperature"));
    tabWidget->addTab(new CLOtab(clothing, nullptr), tr("Clothing "));
    tabWidget->addTab(new inversetab(nullptr), tr("PMV Inverse"));

    auto *layout = new QVBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tabWidget);
    setLayout(layout);

    ui.setupUi(this);
    watchForWork({requireChild<QTableWidget>(pmv, "tableWidget")});
}

// A source that is still not a number is copied as it stands, so that the
// calculator's Compute names it instead of computing silently with 0.
void pmvMenuForm::cloModified()
{
    if (!requireChild<QCheckBox>(pmv, "checkBoxRecvClo")->isChecked())
        return;
    const QString text = requireChild<QLineEdit>(clothing, "lineClo")->text();
    double clo = 0;
    requireChild<QLineEdit>(pmv, "inputIcl")->setText(parseFieldNumber(text, clo) ? formatGeneral(clo) : text);
}

// The MRT is rounded half up to two decimals in single precision: 21.005 -> 21.01.
void pmvMenuForm::mrtModified()
{
    if (!requireChild<QCheckBox>(pmv, "checkBoxRecvMrt")->isChecked())
        return;
    const QString text = requireChild<QLineEdit>(mrt, "outputMRT")->text();
    double x = 0;
    requireChild<QLineEdit>(pmv, "inputMRT")
        ->setText(parseFieldNumber(text, x) ? formatGeneral(roundHalfUpTwoDecimalsSingle(x)) : text);
}
