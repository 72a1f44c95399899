#include "assessment/summerbnbform.h"

#include "app/resulttext.h"
#include "assessment/bandchart.h"
#include "assessment/chartdata.h"
#include "assessment/comfortscatterchart.h"
#include "assessment/durationchart.h"
#include "assessment/resultpage.h"
#include "report/assessmenttexts.h"
#include "help/infodialog.h"

#include <QHBoxLayout>
#include <QStackedWidget>

#include <cmath>


summerBNBForm::summerBNBForm(QWidget *parent)
    : QWidget(parent)
{
    ui.setupUi(this);
    stretchResultTable(ui.summerDistribution);
    stretchResultTable(ui.summerQuality);

    bandChart = new BandChart(this, tr("Summer: working hours per band"), tr("To (°C)"),
                              {"24", "25", "26", "27", "28", "29", "30"},
                              tr("Within limit"), tr("Above limit"));
    bandChart->setObjectName(QStringLiteral("summerBandChart"));
    scatterChart = new ComfortScatterChart(this);
    scatterChart->setObjectName(QStringLiteral("summerScatterChart"));
    durationChart = new DurationChart(this);
    durationChart->setObjectName(QStringLiteral("summerDurationChart"));
    pictures = new QStackedWidget(this);
    pictures->addWidget(durationChart);
    pictures->addWidget(scatterChart);
    pictures->hide();   // until a Compute
    auto *charts = new QWidget(this);
    auto *row = new QHBoxLayout(charts);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(bandChart, 1);
    row->addWidget(pictures, 1);
    insertBelow(ui.summerDistribution, charts, 1);
}

void summerBNBForm::showResults(const ResultArray &s, const DataPageInput &in)
{
    shown.emplace(s, in);
    showShown();
}

void summerBNBForm::showShown()
{
    const OperativePageTexts t = summerPageTexts(shown->first, shown->second, dinCompliance(), assessmentWords());
    showOperativeCells(ui.summerDistribution, ui.summerQuality, t);
    ui.pointsField->setText(t.points);
}

void summerBNBForm::showCharts(const ResultArray &s, double dt, SummerModel model,
                               SummerRegion region, const std::vector<double> &to,
                               const std::vector<double> &te, const std::vector<bool> &summerMask,
                               const std::vector<double> &runningMean)
{
    bandChart->setBands(summerBandHours(
        s, dt, summerExceedanceThreshold(model, region, summerMask, te, runningMean)));
    pictures->show();
    switch (model) {
    case SummerModel::AdaptiveEN:
        scatterChart->showAdaptive(adaptiveScatter(to, summerMask, runningMean), dt);
        pictures->setCurrentWidget(scatterChart);
        break;
    case SummerModel::NationalAnnex:
        scatterChart->showNationalAnnex(nationalAnnexScatter(to, summerMask, te), dt);
        pictures->setCurrentWidget(scatterChart);
        break;
    case SummerModel::Fixed26:
    case SummerModel::Din4108: {
        const double limit = model == SummerModel::Fixed26 ? kFixedSummerLimit : din4108Limit(region);
        if (std::isnan(limit)) {   // DIN 4108-2 without a region: no limit, no picture
            pictures->hide();
            break;
        }
        durationChart->showCurve(durationCurve(to, summerMask, limit), dt);
        pictures->setCurrentWidget(durationChart);
        break;
    }
    }
}

// The points follow the box in both directions, from the results shown (a refused Compute
// leaves them), so that the page, a saved room and its report agree.
void summerBNBForm::on_checkBoxJustify_toggled(bool)
{
    if (shown)
        showShown();
}

void summerBNBForm::on_InfoBuToS_clicked()
{
    InfoDialog::showPicture(tr("Info about ..."), QStringLiteral("InfoBuToS.png"), this);
}
