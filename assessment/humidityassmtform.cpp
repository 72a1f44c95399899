#include "assessment/humidityassmtform.h"

#include "app/resulttext.h"
#include "assessment/bandchart.h"
#include "assessment/chartdata.h"
#include "assessment/humidity.h"
#include "help/infodialog.h"

#include <QChart>
#include <QHBoxLayout>
#include <QHeaderView>

humidityAssmtForm::humidityAssmtForm(QWidget *parent)
    : QWidget(parent)
{
    ui.setupUi(this);
    // One row of eleven columns: shown whole, without scroll bars.
    for (QTableWidget *t : {ui.tableRHin, ui.tableAHin}) {
        t->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
        t->setFixedHeight(t->horizontalHeader()->sizeHint().height() + t->rowHeight(0)
                          + 2 * t->frameWidth());
    }
    rhChart = new BandChart(this, tr("Relative humidity in winter"), tr("RH (%)"),
                            {"10", "20", "30", "40", "50", "60", "70", "80", "90"},
                            tr("Within"), tr("Below 25 %"));
    rhChart->setObjectName(QStringLiteral("rhChart"));
    rhChart->setLimitMarker(humidityLimitPosition(HumidityQuantity::RelativeHumidity),
                            tr("Lower limit 25 %"));
    xChart = new BandChart(this, tr("Humidity ratio in winter"), tr("x (g/kg)"),
                           {"2", "4", "6", "8", "10", "12", "14", "16", "18"},
                           tr("Within"), tr("Above 12 g/kg"));
    xChart->setObjectName(QStringLiteral("xChart"));
    xChart->setLimitMarker(humidityLimitPosition(HumidityQuantity::HumidityRatio),
                           tr("Upper limit 12 g/kg"));
    auto *charts = new QWidget(this);
    auto *row = new QHBoxLayout(charts);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(rhChart);
    row->addWidget(xChart);
    insertBelow(ui.tableAHin, charts, 1);
}

void humidityAssmtForm::setSummerLabels(bool summer)
{
    if (!summer)
        return;
    ui.labelAHDistribution->setText(
        tr("- Distribution of Absolute Humidity (g/kg) in Summer (01. Apr. - 30. Sept.)"));
    ui.labelRHDistribution->setText(
        tr("- Distribution of Relative Humidity (%) in Summer ( 01. Apr. - 30.Sept.)"));
    ui.labelIndoorHumidity->setText(tr("Indoor  Humidity: Summer"));
    rhChart->chart()->setTitle(tr("Relative humidity in summer"));
    xChart->chart()->setTitle(tr("Humidity ratio in summer"));
}

void humidityAssmtForm::showResults(const HumidityAssessment &a, bool summer, double dt)
{
    using namespace HumiditySlot;
    const HumidityDistribution &rh = summer ? a.rhSummer : a.rhWinter;
    const HumidityDistribution &x = summer ? a.xSummer : a.xWinter;
    for (int c = 0; c < ui.tableRHin->columnCount() && c < int(rh.size()); ++c)
        ui.tableRHin->setItem(0, c, resultItem(rh[c] * dt, 1));
    for (int c = 0; c < ui.tableAHin->columnCount() && c < int(x.size()); ++c)
        ui.tableAHin->setItem(0, c, resultItem(x[c] * dt, 1));
    rhChart->setBands(humidityBandHours(rh, dt, HumidityQuantity::RelativeHumidity));
    xChart->setBands(humidityBandHours(x, dt, HumidityQuantity::HumidityRatio));

    const auto &s = a.summary;
    const double above = s[summer ? SummerAbove : WinterAbove];
    const double below = s[summer ? SummerBelow : WinterBelow];
    const double total = s[summer ? SummerRhTotal : WinterRhTotal];
    ui.FreqUp->setText(resultText(above, 1));
    ui.FreqLow->setText(resultText(below, 1));
    ui.FreqUpPercent->setText(resultText(above / total * 100.0, 1));
    ui.FreqLowPercent->setText(resultText(below / total * 100.0, 1));
    ui.PointHumid->setText(resultText(s[summer ? SummerPoints : WinterPoints], 1));
}

void humidityAssmtForm::on_InfoBuHu2_clicked()
{
    InfoDialog::showPicture(tr("Info about ..."), QStringLiteral("InfoBuHu2.png"), this);
}
