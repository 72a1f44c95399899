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
#include <QHeaderView>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

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

    // Under the adaptive model's picture: its working hours per comfort category.
    categoryTable = new QTableWidget(1, 6, this);
    categoryTable->setObjectName(QStringLiteral("adaptiveCategories"));
    categoryTable->setHorizontalHeaderLabels({tr("Cat. I"), tr("Cat. II"), tr("Cat. III"),
                                              tr("Beyond III"), tr("Not valid"), tr("Total")});
    categoryTable->setVerticalHeaderLabels({QStringLiteral("h")});
    categoryTable->setToolTip(tr("Summer working hours per comfort category of DIN EN 15251\n"
                                 "around Θc: I ±2 K, II ±3 K, III ±4 K.\n"
                                 "Not valid: no running mean or Θrm below 10 °C."));
    QFont font = ui.summerQuality->font();
    font.setPointSize(font.pointSize() - 1);   // six columns in half the page's width
    categoryTable->setFont(font);
    categoryTable->setStyleSheet(ui.summerQuality->styleSheet());
    categoryTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    categoryTable->setSelectionMode(QAbstractItemView::NoSelection);
    categoryTable->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    categoryTable->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    stretchResultTable(categoryTable);   // captions of two lines, one row of numbers
    categoryTable->setFixedHeight(categoryTable->horizontalHeader()->minimumHeight()
                                  + categoryTable->fontMetrics().lineSpacing() + 10
                                  + 2 * categoryTable->frameWidth());
    categoryTable->hide();

    pictureColumn = new QWidget(this);
    auto *column = new QVBoxLayout(pictureColumn);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    column->addWidget(pictures, 1);
    column->addWidget(categoryTable);
    pictureColumn->hide();   // until a Compute
    auto *charts = new QWidget(this);
    auto *row = new QHBoxLayout(charts);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(bandChart, 1);
    row->addWidget(pictureColumn, 1);
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
                               const std::vector<double> &runningMean,
                               const AdaptiveCategories &categories)
{
    bandChart->setBands(summerBandHours(
        s, dt, summerExceedanceThreshold(model, region, summerMask, te, runningMean)));
    pictureColumn->show();
    categoryTable->setVisible(model == SummerModel::AdaptiveEN);
    categoryTable->clearContents();
    switch (model) {
    case SummerModel::AdaptiveEN:
        scatterChart->showAdaptive(adaptiveScatter(to, summerMask, runningMean), dt);
        pictures->setCurrentWidget(scatterChart);
        showCategories(categories, dt);
        break;
    case SummerModel::NationalAnnex:
        scatterChart->showNationalAnnex(nationalAnnexScatter(to, summerMask, te), dt);
        pictures->setCurrentWidget(scatterChart);
        break;
    case SummerModel::Fixed26:
    case SummerModel::Din4108: {
        const double limit = model == SummerModel::Fixed26 ? kFixedSummerLimit : din4108Limit(region);
        if (std::isnan(limit)) {   // DIN 4108-2 without a region: no limit, no picture
            pictureColumn->hide();
            break;
        }
        durationChart->showCurve(durationCurve(to, summerMask, limit), dt);
        pictures->setCurrentWidget(durationChart);
        break;
    }
    }
}

void summerBNBForm::showCategories(const AdaptiveCategories &c, double dt)
{
    const double rows[] = {c.c1, c.c2, c.c3, c.outside, c.notValid, c.total};
    for (int i = 0; i < 6; ++i)
        categoryTable->setItem(0, i, resultItem(rows[i] * dt, 1));
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
    //: Help picture in this language (resources/images/).
    const QString picture = tr("InfoBuToS.png");
    InfoDialog::showPicture(tr("Info about ..."), picture, this);
}
