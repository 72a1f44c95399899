#include "assessment/humidityassmtform.h"

#include "app/resulttext.h"
#include "assessment/bandchart.h"
#include "assessment/chartdata.h"
#include "report/assessmenttexts.h"
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

void humidityAssmtForm::showResults(const HumidityOutcome &o, bool summer)
{
    const HumidityPageTexts t = humidityPageTexts(o, summer ? Summer : Winter, assessmentWords());
    for (int c = 0; c < ui.tableRHin->columnCount() && c < t.relativeHumidity.size(); ++c)
        ui.tableRHin->setItem(0, c, resultItem(t.relativeHumidity[c]));
    for (int c = 0; c < ui.tableAHin->columnCount() && c < t.humidityRatio.size(); ++c)
        ui.tableAHin->setItem(0, c, resultItem(t.humidityRatio[c]));
    const HumidityAssessment &a = o.assessment;
    rhChart->setBands(humidityBandHours(summer ? a.rhSummer : a.rhWinter, o.interval, HumidityQuantity::RelativeHumidity));
    xChart->setBands(humidityBandHours(summer ? a.xSummer : a.xWinter, o.interval, HumidityQuantity::HumidityRatio));
    ui.FreqUp->setText(t.above);
    ui.FreqLow->setText(t.below);
    ui.FreqUpPercent->setText(t.aboveShare);
    ui.FreqLowPercent->setText(t.belowShare);
    ui.PointHumid->setText(t.points);
}

void humidityAssmtForm::on_InfoBuHu2_clicked()
{
    //: Help picture in this language (resources/images/).
    const QString picture = tr("InfoBuHu2.png");
    InfoDialog::showPicture(tr("Info about ..."), picture, this);
}
