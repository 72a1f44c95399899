#include "report/bnbmenuform.h"

#include "app/lastfolder.h"
#include "assessment/bnbform.h"
#include "assessment/draftform.h"
#include "assessment/humidity.h"
#include "assessment/humidityassmtform.h"
#include "assessment/humidityform.h"
#include "assessment/summerbnbform.h"
#include "assessment/winterbnbform.h"
#include "comfort/numbertext.h"
#include "comfort/trace.h"
#include "radiant/mrtform.h"
#include "report/drafttab.h"
#include "report/reportpdf.h"

#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QXmlStreamWriter>

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
    humidityCalc = new humidityForm(nullptr);
    humiditySummer = new humidityAssmtForm(nullptr);
    humiditySummer->setSummerLabels(true);
    humidityWinter = new humidityAssmtForm(nullptr);
    mrtSummer = new mrtForm(true, nullptr);
    mrtWinter = new mrtForm(false, nullptr);
    draft = new draftForm(nullptr);

    outerTabs = new QTabWidget(this);
    operativeTabs = new QTabWidget(this);
    radiationTabs = new QTabWidget(this);
    humidityTabs = new QTabWidget(this);
    operativeTabs->addTab(winterPage, tr("Winter"));
    operativeTabs->addTab(summerPage, tr("Summer"));
    humidityTabs->addTab(humidityCalc, tr("Humidity Calculator"));
    humidityTabs->addTab(humidityWinter, tr("Humidity Winter"));
    humidityTabs->addTab(humiditySummer, tr("Humidity Summer"));
    radiationTabs->addTab(mrtWinter, tr("Winter"));
    radiationTabs->addTab(mrtSummer, tr("Summer"));
    outerTabs->addTab(bnb, tr("Im/Export Data"));
    outerTabs->addTab(operativeTabs, tr("1. Operative Temperature"));
    outerTabs->addTab(new drafttab(draft, this), tr("2. Draft Risk"));
    outerTabs->addTab(radiationTabs, tr("3. Radiation Asymmetry"));
    outerTabs->addTab(humidityTabs, tr("4. Humidity"));

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
    connect(requireChild<QPushButton>(humidityCalc, "computeHumid"), &QPushButton::clicked, this,
            &bnbMenuForm::humidityUpdate);
    connect(requireChild<QPushButton>(bnb, "exportButton"), &QPushButton::clicked, this,
            &bnbMenuForm::exportBNB);
    connect(requireChild<QPushButton>(bnb, "exportPdfButton"), &QPushButton::clicked, this,
            &bnbMenuForm::exportPDF);

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

// The humidity calculation on the data page's last Compute; the hourly table, then both pages.
void bnbMenuForm::humidityUpdate()
{
    std::vector<double> indoorTemp, outdoorTemp, outdoorHumid;
    std::vector<bool> working, winter, summer, winterHumid, summerHumid;
    bnb->getInputData(indoorTemp, outdoorTemp, outdoorHumid, working, winter, summer, winterHumid,
                      summerHumid);
    if (outdoorTemp.empty()) {
        QMessageBox::information(this, tr("Humidity"),
                                 tr("The year data must be computed first: read them on the page "
                                    "\"Im/Export Data\" and press Compute there."));
        return;
    }
    HumidityParameters p;
    if (!humidityCalc->readParameters(p))
        return;
    traceLine(QStringLiteral(" Humidity Compute : %1 %2 %3")
                  .arg(outdoorTemp.size()).arg(indoorTemp.size()).arg(outdoorHumid.size()));
    const IndoorHumidity h = computeIndoorHumidity(outdoorTemp, indoorTemp, outdoorHumid, working,
                                                   winterHumid, summerHumid, p);
    humidityCalc->showHourly(outdoorTemp, outdoorHumid, indoorTemp, h);
    const double dt = dataInterval();
    const HumidityAssessment a = assessIndoorHumidity(h.rhIn, h.xIn, winter, summer);
    humidityWinter->showResults(a, false, dt);
    humiditySummer->showResults(a, true, dt);
}

namespace {

// Appends the texts of row 0, columns 0 to columns - 1; false at the first cell without text.
bool appendCells(const QTableWidget *t, int columns, vstring &out)
{
    for (int c = 0; c < columns; ++c) {
        const QTableWidgetItem *cell = t->item(0, c);
        if (!cell || cell->text().isEmpty())
            return false;
        out.push_back(cell->text().toStdString());
    }
    return true;
}

// Appends the field's text; an empty field appends nothing and gives false.
bool appendRequired(const QLineEdit *field, vstring &out)
{
    if (field->text().isEmpty())
        return false;
    out.push_back(field->text().toStdString());
    return true;
}

std::string fieldText(QObject *form, const char *name)
{
    return requireChild<QLineEdit>(form, name)->text().toStdString();
}

// An operative temperature page: row 0 of its distribution (9 cells) and quality (3 cells)
// tables, then its points.
bool appendResultPage(QWidget *page, const char *distributionTable, const char *qualityTable,
                      vstring &distribution, vstring &quality, vstring &points)
{
    if (!appendCells(requireChild<QTableWidget>(page, distributionTable), 9, distribution)
        || !appendCells(requireChild<QTableWidget>(page, qualityTable), 3, quality))
        return false;
    points.push_back(fieldText(page, "pointsField"));
    return true;
}

}

bool bnbMenuForm::getSummerOperativeTemperatureAssessment(vstring &model_selection,
                                                          vstring &operation_time,
                                                          vstring &operative_temperature_distribution,
                                                          vstring &times_niveau,
                                                          vstring &points_discrete)
{
    model_selection.push_back(requireChild<QComboBox>(bnb, "modelSelectBox")->currentText().toStdString());
    // A summer climate region belongs to DIN 4108-2 only.
    if (bnb->selectedModel() == SummerModel::Din4108) {
        const std::pair<const char *, QString> regions[] = {{"regionCheckA", tr("Summer Region A")},
                                                            {"regionCheckB", tr("Summer Region B")},
                                                            {"regionCheckC", tr("Summer Region C")}};
        for (const auto &[button, text] : regions)
            if (requireChild<QRadioButton>(bnb, button)->isChecked()) {
                model_selection.push_back(text.toStdString());
                break;
            }
    } else {
        model_selection.push_back(tr("N/A").toStdString());
    }
    operation_time.push_back(fieldText(bnb, "modelWorkStart") + ":00 h");
    operation_time.push_back(fieldText(bnb, "modelWorkEnd") + ":00 h");
    operation_time.push_back(requireChild<QCheckBox>(bnb, "checkIgnoreWeekend")->isChecked() ? "yes" : "no");
    return appendResultPage(summerPage, "summerDistribution", "summerQuality",
                            operative_temperature_distribution, times_niveau, points_discrete);
}

bool bnbMenuForm::getSummerDraftAssessment(vstring &mechanical_ventilation,
                                           vstring &window_ventilation,
                                           vstring &boundary_conditions, vstring &draft_rate,
                                           vstring &points_interpolated)
{
    return draftAssessment("s_", "SummerPoints", mechanical_ventilation, window_ventilation,
                           boundary_conditions, draft_rate, points_interpolated);
}

bool bnbMenuForm::getMRTAssessment(mrtForm *mrt, lvstring &position, lvstring &boundary_conditions,
                                   lvstring &results, vstring &points_discrete)
{
    const auto text = [mrt](const char *name) { return fieldText(mrt, name); };
    position.push_back({text("inputWidth"), text("inputDepth"), text("inputHeight")});
    position.push_back({text("inputXp"), text("inputYp"), text("inputZp")});
    // Front, back, right, left wall, floor, ceiling: the surface, and its window or heated
    // or cooled area when there is one.
    const char *const surfaces[6][3] = {{"inputFT", "checkBoxFW", "inputFWT"},
                                        {"inputBT", "checkBoxBW", "inputBWT"},
                                        {"inputRT", "checkBoxRW", "inputRWT"},
                                        {"inputLT", "checkBoxLW", "inputLWT"},
                                        {"inputFloorT", "checkBoxFloor", "inputFloorHC"},
                                        {"inputCeilT", "checkBoxCeil", "inputCeilHC"}};
    for (const auto &s : surfaces)
        boundary_conditions.push_back({text(s[0]), requireChild<QCheckBox>(mrt, s[1])->isChecked()
                                                       ? text(s[2])
                                                       : tr("Not defined").toStdString()});
    const char *const pairs[3][2] = {{"outputPdFrBk", "outputFrBkQuality"},
                                     {"outputPdLeRt", "outputLeRtQuality"},
                                     {"outputPdClFlr", "outputClFlrQuality"}};
    for (const auto &pair : pairs)
        if (text(pair[0]).empty())
            return false;
    for (const auto &pair : pairs)
        results.push_back({text(pair[0]), text(pair[1])});
    return appendRequired(requireChild<QLineEdit>(mrt, "RadiationPoints"), points_discrete);
}

bool bnbMenuForm::getSummerHumidityAssessment(vstring &boundary_conditions_1,
                                              vstring &boundary_conditions_2,
                                              vstring &distribution_AH, vstring &times_upper_limit,
                                              vstring &times_lower_limit, vstring &points_discrete)
{
    return humidityAssessment(true, boundary_conditions_1, boundary_conditions_2, distribution_AH,
                              times_upper_limit, times_lower_limit, points_discrete);
}

bool bnbMenuForm::getWinterOperativeTemperatureAssessment(vstring &operative_temperature_distribution,
                                                          vstring &times_niveau,
                                                          vstring &points_discrete)
{
    return appendResultPage(winterPage, "winterDistribution", "winterQuality",
                            operative_temperature_distribution, times_niveau, points_discrete);
}

bool bnbMenuForm::getWinterDraftAssessment(vstring &mechanical_ventilation,
                                           vstring &window_ventilation,
                                           vstring &boundary_conditions, vstring &draft_rate,
                                           vstring &points_interpolated)
{
    return draftAssessment("w_", "WinterPoints", mechanical_ventilation, window_ventilation,
                           boundary_conditions, draft_rate, points_interpolated);
}

bool bnbMenuForm::getWinterHumidityAssessment(vstring &boundary_conditions_1,
                                              vstring &boundary_conditions_2,
                                              vstring &distribution_AH, vstring &times_upper_limit,
                                              vstring &times_lower_limit, vstring &points_discrete)
{
    return humidityAssessment(false, boundary_conditions_1, boundary_conditions_2, distribution_AH,
                              times_upper_limit, times_lower_limit, points_discrete);
}

bool bnbMenuForm::draftAssessment(const char *season, const char *pointsField,
                                  vstring &mechanical, vstring &window, vstring &conditions,
                                  vstring &draftRate, vstring &points)
{
    const auto name = [season](const char *widget) { return std::string(season) + widget; };
    const auto yesNo = [this, &name](const char *box) {
        const bool checked = requireChild<QCheckBox>(draft, name(box).c_str())->isChecked();
        return (checked ? tr("Yes") : tr("No")).toStdString();
    };
    const auto text = [this, &name](const char *field) { return fieldText(draft, name(field).c_str()); };
    mechanical.push_back(yesNo("checkMech"));
    window.push_back(yesNo("checkWindow"));
    for (const char *field : {"inputTa", "inputVa", "inputTu"})
        conditions.push_back(text(field));
    draftRate.push_back(text("outDr"));
    draftRate.push_back(text("outQual"));
    return appendRequired(requireChild<QLineEdit>(draft, pointsField), points);
}

// The room data are the same for both seasons; the winter chapter shows the relative, the
// summer chapter the absolute humidity distribution.
bool bnbMenuForm::humidityAssessment(bool summer, vstring &conditions1, vstring &conditions2,
                                     vstring &distribution, vstring &upper, vstring &lower,
                                     vstring &points)
{
    for (const char *field : {"inputVol", "inputACH_infil", "inputACH_oper_winter",
                              "inputACH_oper_spring", "inputACH_oper_summer", "inputN_per",
                              "InputOtherSource"})
        conditions1.push_back(fieldText(humidityCalc, field));
    for (const char *field : {"inputBigTree", "inputSmallTree", "inputHumidRecov_winter",
                              "inputHumidRecov_spring", "inputHumidRecov_summer", "inputPressure"})
        conditions2.push_back(fieldText(humidityCalc, field));
    humidityAssmtForm *page = summer ? humiditySummer : humidityWinter;
    if (!appendCells(requireChild<QTableWidget>(page, summer ? "tableAHin" : "tableRHin"), 11,
                     distribution))
        return false;
    const auto field = [page](const char *name) { return requireChild<QLineEdit>(page, name); };
    return appendRequired(field("FreqUp"), upper) && appendRequired(field("FreqUpPercent"), upper)
           && appendRequired(field("FreqLow"), lower) && appendRequired(field("FreqLowPercent"), lower)
           && appendRequired(field("PointHumid"), points);
}

// ---- the report ---------------------------------------------------------------

namespace {

// The chapters in the order of the report, with the box that selects each.
struct ReportChapter {
    const char *box;
    void (bnbMenuForm::*exporter)(QXmlStreamWriter &);
};

// Chapter codes of the Export Error box and the box that Abort unticks.
const char *const kChapterBoxes[] = {nullptr, "summerOperativeTemperaturCheck", "summerDraftCheck",
    "summerHumidityCheck", "summerRadiationCheck", "winterOperativeTemperaturCheck", "winterDraftCheck",
    "winterHumidityCheck", "winterRadiationCheck"};

}

QString bnbMenuForm::askReportFileName(const QString &caption, const QString &filter)
{
    return askSaveFile(this, caption, FileKind::Report, QString(), filter);
}

void bnbMenuForm::showWriteError(const QString &fileName, const QString &reason)
{
    QMessageBox::warning(this, tr("Export"), tr("Cannot write file %1:\n%2.")
                                                 .arg(QDir::toNativeSeparators(fileName), reason));
}

// The report through QSaveFile: an existing file stays whole until the new one
// is complete. The stylesheet the report names goes beside it unless a file of
// that name is already there (it may be the user's own edit).
void bnbMenuForm::exportBNB()
{
    const QString fileName = askReportFileName(tr("Open Output File"), tr("XML File (*.xml)"));
    if (fileName.isEmpty())
        return;
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return showWriteError(fileName, file.errorString());
    writeReport(&file);
    if (!file.commit())
        return showWriteError(fileName, file.errorString());

    const QString xslName = QFileInfo(fileName).dir().filePath(QLatin1String(kReportStylesheetName));
    if (QFileInfo::exists(xslName))
        return;
    QSaveFile xsl(xslName);
    const QByteArray stylesheet = reportStylesheet();
    if (!xsl.open(QIODevice::WriteOnly) || xsl.write(stylesheet) != stylesheet.size() || !xsl.commit())
        showWriteError(xslName, xsl.errorString());
}

// The same report, laid out by the shipped stylesheet, printed on A4.
void bnbMenuForm::exportPDF()
{
    const QString fileName = askReportFileName(tr("Export PDF"), tr("PDF File (*.pdf)"));
    if (fileName.isEmpty())
        return;
    QBuffer xml;
    xml.open(QIODevice::WriteOnly);
    writeReport(&xml);
    QString error;
    if (!writeReportPdf(xml.data(), fileName, error))
        showWriteError(fileName, error);
}

void bnbMenuForm::writeReport(QIODevice *device)
{
    static const ReportChapter chapters[] = {
        {"winterOperativeTemperaturCheck", &bnbMenuForm::exportWinterOperativeTemperature},
        {"winterDraftCheck", &bnbMenuForm::exportWinterDraft},
        {"winterRadiationCheck", &bnbMenuForm::exportWinterMRT},
        {"winterHumidityCheck", &bnbMenuForm::exportWinterHumidity},
        {"summerOperativeTemperaturCheck", &bnbMenuForm::exportSummerOperativeTemperature},
        {"summerDraftCheck", &bnbMenuForm::exportSummerDraft},
        {"summerRadiationCheck", &bnbMenuForm::exportSummerMRT},
        {"summerHumidityCheck", &bnbMenuForm::exportSummerHumidity}};
    QXmlStreamWriter xml(device);
    beginReport(xml);
    for (const ReportChapter &chapter : chapters) {
        if (requireChild<QCheckBox>(bnb, chapter.box)->isChecked())
            (this->*chapter.exporter)(xml);
    }
    endReport(xml);
}

void bnbMenuForm::bnbExportXMLRow(int nr, QString title, vstring &row_items, QXmlStreamWriter &xml_stream,
                                  int sp)
{
    writeXmlRow(xml_stream, nr, title, row_items, sp);
}

void bnbMenuForm::bnbExportXMLRow(int nr, QString title, vstring &row_items, QXmlStreamWriter &xml_stream)
{
    writeXmlRow(xml_stream, nr, title, row_items);
}

// Abort unticks the chapter's box and gives the chapter up, Ignore gives it up
// and keeps the box, Retry (false) gathers again. Closing the box counts as Abort.
bool bnbMenuForm::exportErrorDialog(const QString &message, int chapter)
{
    const auto answer = QMessageBox::critical(this, tr("Export Error"), message,
                                              QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore,
                                              QMessageBox::NoButton);
    if (answer == QMessageBox::Retry)
        return false;
    if (answer != QMessageBox::Ignore && chapter >= 1 && chapter <= 8)
        requireChild<QCheckBox>(bnb, kChapterBoxes[chapter])->setChecked(false);
    return true;
}

QString bnbMenuForm::reportText(const char *source)
{
    return tr(source);
}

// Gathers with fresh lists while Retry is answered (the gathering slots
// append), then writes the chapter; a chapter given up writes nothing.
template<typename Lists, typename Gather>
void bnbMenuForm::exportChapter(QXmlStreamWriter &xml, Gather gather, const QString &message, int chapter,
                                void (*write)(QXmlStreamWriter &, const Lists &, const ReportTranslator &))
{
    Lists lists;
    while (!gather(lists)) {
        if (exportErrorDialog(message, chapter))
            return;
        lists = Lists{};
    }
    write(xml, lists, reportText);
}

void bnbMenuForm::exportWinterOperativeTemperature(QXmlStreamWriter &xml_stream)
{
    const auto gather = [this](WinterOperativeTemperatureLists &g) {
        return getWinterOperativeTemperatureAssessment(g.operative_temperature_distribution,
                                                       g.times_niveau, g.points_discrete);
    };
    exportChapter(xml_stream, gather,
                  tr("Failed to export Winter Operative Temperature Assessment. "
                     "Please check availability of results."),
                  5, writeWinterOperativeTemperature);
}

void bnbMenuForm::exportWinterDraft(QXmlStreamWriter &xml_stream)
{
    const auto gather = [this](DraftLists &g) {
        return getWinterDraftAssessment(g.mechanical_ventilation, g.window_ventilation,
                                        g.boundary_conditions, g.draft_rate, g.points_interpolated);
    };
    exportChapter(xml_stream, gather,
                  tr("Failed to export Winter Draft Assessment. Please check availability of results."),
                  6, writeWinterDraft);
}

void bnbMenuForm::exportWinterMRT(QXmlStreamWriter &xml_stream)
{
    const auto gather = [this](MrtLists &g) {
        return getMRTAssessment(mrtWinter, g.position, g.boundary_conditions, g.results, g.points_discrete);
    };
    exportChapter(xml_stream, gather,
                  tr("Failed to export Winter Mean Radiant Temperatures Assessment. "
                     "Please check availability of results."),
                  8, writeWinterMrt);
}

void bnbMenuForm::exportWinterHumidity(QXmlStreamWriter &xml_stream)
{
    const auto gather = [this](HumidityLists &g) {
        return getWinterHumidityAssessment(g.boundary_conditions_1, g.boundary_conditions_2,
                                           g.distribution_AH, g.times_upper_limit, g.times_lower_limit,
                                           g.points_discrete);
    };
    exportChapter(xml_stream, gather,
                  tr("Failed to export Winter Humidity Assessment. Please check availability of results."),
                  7, writeWinterHumidity);
}

void bnbMenuForm::exportSummerOperativeTemperature(QXmlStreamWriter &xml_stream)
{
    const auto gather = [this](SummerOperativeTemperatureLists &g) {
        return getSummerOperativeTemperatureAssessment(g.model_selection, g.operation_time,
                                                       g.operative_temperature_distribution,
                                                       g.times_niveau, g.points_discrete);
    };
    exportChapter(xml_stream, gather,
                  tr("Failed to export Summer Operative Temperature Assessment. "
                     "Please check availability of results."),
                  1, writeSummerOperativeTemperature);
}

void bnbMenuForm::exportSummerDraft(QXmlStreamWriter &xml_stream)
{
    const auto gather = [this](DraftLists &g) {
        return getSummerDraftAssessment(g.mechanical_ventilation, g.window_ventilation,
                                        g.boundary_conditions, g.draft_rate, g.points_interpolated);
    };
    exportChapter(xml_stream, gather,
                  tr("Failed to export Summer Draft Assessment. Please check availability of results."),
                  2, writeSummerDraft);
}

void bnbMenuForm::exportSummerMRT(QXmlStreamWriter &xml_stream)
{
    const auto gather = [this](MrtLists &g) {
        return getMRTAssessment(mrtSummer, g.position, g.boundary_conditions, g.results, g.points_discrete);
    };
    exportChapter(xml_stream, gather,
                  tr("Failed to export Summer Mean Radiant Temperatures Assessment. "
                     "Please check availability of results."),
                  4, writeSummerMrt);
}

void bnbMenuForm::exportSummerHumidity(QXmlStreamWriter &xml_stream)
{
    const auto gather = [this](HumidityLists &g) {
        return getSummerHumidityAssessment(g.boundary_conditions_1, g.boundary_conditions_2,
                                           g.distribution_AH, g.times_upper_limit, g.times_lower_limit,
                                           g.points_discrete);
    };
    exportChapter(xml_stream, gather,
                  tr("Failed to export Summer Humidity Assessment. Please check availability of results."),
                  3, writeSummerHumidity);
}
