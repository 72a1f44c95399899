#include "report/bnbmenuform.h"

#include "assessment/bnbform.h"
#include "assessment/summerbnbform.h"
#include "assessment/winterbnbform.h"
#include "comfort/numbertext.h"
#include "radiant/mrtform.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

template<typename T>
T *requireChild(QObject *root, const char *name)
{
    T *c = root->findChild<T *>(QLatin1String(name));
    if (!c)
        qFatal("missing child %s", name);
    return c;
}

}

// The forms connect their own buttons by name while they are built, before the
// connections below: on a click on Compute the data page computes first, then
// winterUpdate and summerUpdate show what it has just produced.
bnbMenuForm::bnbMenuForm(QWidget *parent)
    : QWidget(parent)
{
    bnb = new bnbForm(nullptr);
    winterPage = new winterBNBForm(nullptr);
    summerPage = new summerBNBForm(nullptr);
    // Humidity: the calculator, then the summer and the winter assessment page.
    mrtSummer = new mrtForm(true, nullptr);
    mrtWinter = new mrtForm(false, nullptr);
    // Draft: the draft form.

    outerTabs = new QTabWidget(this);
    operativeTabs = new QTabWidget(this);
    radiationTabs = new QTabWidget(this);
    operativeTabs->addTab(winterPage, tr("Winter"));
    operativeTabs->addTab(summerPage, tr("Summer"));
    // Humidity: "Humidity Calculator", "Humidity Winter", "Humidity Summer".
    radiationTabs->addTab(mrtWinter, tr("Winter"));
    radiationTabs->addTab(mrtSummer, tr("Summer"));
    outerTabs->addTab(bnb, tr("Im/Export Data"));
    outerTabs->addTab(operativeTabs, tr("1. Operative Temperature"));
    // Draft: "2. Draft Risk" holding the draft form, here between the two.
    outerTabs->addTab(radiationTabs, tr("3. Radiation Asymmetry"));
    // Humidity: "4. Humidity".

    connect(requireChild<QCheckBox>(summerPage, "checkBoxJustify"), &QCheckBox::toggled, this,
            &bnbMenuForm::recompute);
    auto *layout = new QVBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(outerTabs);
    setLayout(layout);
    QPushButton *compute = requireChild<QPushButton>(bnb, "compButton");
    connect(compute, &QPushButton::clicked, this, &bnbMenuForm::winterUpdate);
    connect(compute, &QPushButton::clicked, this, &bnbMenuForm::summerUpdate);
    connect(compute, &QPushButton::clicked, this, &bnbMenuForm::summerChartsUpdate);
    // Humidity: computeHumid -> humidityUpdate; report: exportButton -> exportBNB.

    ui.setupUi(this);
}

void bnbMenuForm::recompute(bool v)
{
    if (v)
        summerUpdate();
}

double bnbMenuForm::dataInterval() const
{
    double dt = 0.0;
    return parseFieldNumber(requireChild<QLineEdit>(bnb, "dataIntervalHour")->text(), dt) ? dt : 0.0;
}

// A refused Compute leaves the pages showing the last results.
void bnbMenuForm::winterUpdate()
{
    if (!bnb->lastComputeOk())
        return;
    ResultArray w{};
    bnb->getWinterResults(w.data());
    winterPage->showResults(w, dataInterval());
}

void bnbMenuForm::summerUpdate()
{
    if (!bnb->lastComputeOk())
        return;
    ResultArray s{};
    bnb->getSummerResults(s.data());
    summerPage->showResults(s, dataInterval(), bnb->selectedModel() == SummerModel::Din4108);
}

void bnbMenuForm::summerChartsUpdate()
{
    if (!bnb->lastComputeOk())
        return;
    ResultArray s{};
    bnb->getSummerResults(s.data());
    std::vector<double> to, te, rh;
    std::vector<bool> working, winter, summer, winterHumid, summerHumid;
    bnb->getInputData(to, te, rh, working, winter, summer, winterHumid, summerHumid);
    summerPage->showCharts(s, dataInterval(), bnb->selectedModel(), bnb->selectedRegion(), to, te,
                           summer, bnb->runningMean());
}
