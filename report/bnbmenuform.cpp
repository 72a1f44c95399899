#include "report/bnbmenuform.h"

#include "app/fieldreader.h"
#include "app/lastfolder.h"
#include "app/requirechild.h"
#include "app/resulttext.h"
#include "assessment/bnbform.h"
#include "assessment/draftform.h"
#include "assessment/humidityassmtform.h"
#include "assessment/humidityform.h"
#include "assessment/summerbnbform.h"
#include "assessment/winterbnbform.h"
#include "comfort/trace.h"
#include "radiant/mrtform.h"
#include "report/assessmenttexts.h"
#include "report/drafttab.h"
#include "report/reportpdf.h"
#include "report/roomfile.h"

#include <QAction>
#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
#include <QSettings>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <QXmlStreamWriter>

namespace {

const char *const kRecentRoomsKey = "recentRooms";
constexpr int kRecentRooms = 8;

}

// The forms connect their own buttons by name while they are built, before the
// connections below: on a click on Compute the data page computes first, then
// winterUpdate and summerUpdate show what it has just produced.
bnbMenuForm::bnbMenuForm(QWidget *parent)
    : ToolPage(parent)
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

    // Room files: the buttons on the data page, the keys on the whole window.
    connect(requireChild<QPushButton>(bnb, "openRoomButton"), &QPushButton::clicked, this,
            &bnbMenuForm::openRoomClicked);
    connect(requireChild<QPushButton>(bnb, "saveRoomButton"), &QPushButton::clicked, this,
            &bnbMenuForm::saveRoomClicked);
    auto *openAct = new QAction(tr("Open Room…"), this);
    openAct->setShortcut(QKeySequence::Open);
    connect(openAct, &QAction::triggered, this, &bnbMenuForm::openRoomClicked);
    auto *saveAct = new QAction(tr("Save Room…"), this);
    saveAct->setShortcut(QKeySequence::Save);
    connect(saveAct, &QAction::triggered, this, &bnbMenuForm::saveRoomClicked);
    for (QAction *action : {openAct, saveAct}) {
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(action);
    }
    recentMenu = new QMenu(this);
    requireChild<QToolButton>(bnb, "recentRoomsButton")->setMenu(recentMenu);
    updateRecentRooms(QString());

    // Every change the user makes to a field, a box, a choice or the year data.
    for (QLineEdit *field : findChildren<QLineEdit *>())
        connect(field, &QLineEdit::textEdited, this, &bnbMenuForm::markModified);
    for (QAbstractButton *box : findChildren<QAbstractButton *>())
        if (box->isCheckable())
            connect(box, &QAbstractButton::toggled, this, &bnbMenuForm::markModified);
    for (QComboBox *combo : findChildren<QComboBox *>())
        connect(combo, &QComboBox::currentIndexChanged, this, &bnbMenuForm::markModified);
    connect(bnb, &bnbForm::yearDataChanged, this, &bnbMenuForm::markModified);

    ui.setupUi(this);
    watchForWork({requireChild<QTableWidget>(bnb, "tableWidget")});
}

void bnbMenuForm::recompute(bool)
{
    summerUpdate();
}

// A refused Compute leaves the pages showing the last results.
void bnbMenuForm::winterUpdate()
{
    if (!bnb->lastComputeOk())
        return;
    const OperativeOutcome &o = *bnb->lastOutcome();
    winterPage->showResults(o.winter(), o.input.interval);
}

void bnbMenuForm::summerUpdate()
{
    if (!bnb->lastComputeOk())
        return;
    const OperativeOutcome &o = *bnb->lastOutcome();
    summerPage->showResults(o.summer(), o.input);
}

// The charts of the same Compute; the humidity computed before is computed again on its series,
// so that no page shows the results of other year data.
void bnbMenuForm::summerChartsUpdate()
{
    if (!bnb->lastComputeOk())
        return;
    const OperativeOutcome &o = *bnb->lastOutcome();
    const YearSeries &year = bnb->lastYear();
    summerPage->showCharts(o.summer(), o.input.interval, o.input.model, o.input.region, year.indoorTemp,
                           year.outdoorTemp, o.result.masks.summer, o.result.runningMean, o.result.categories);
    if (humidity) {
        humidity = assessHumidity(humidity->input, year, o);
        showHumidity();
    }
}

// The humidity calculation on the data page's last Compute; the hourly table, then both pages.
void bnbMenuForm::humidityUpdate()
{
    const std::optional<OperativeOutcome> &operative = bnb->lastOutcome();
    if (!operative) {
        QMessageBox::information(this, tr("Humidity"),
                                 tr("The year data must be computed first: read them on the page "
                                    "\"Im/Export Data\" and press Compute there."));
        return;
    }
    HumidityInput in;
    if (!humidityCalc->readInput(in))
        return;
    const YearSeries &year = bnb->lastYear();
    traceLine(QStringLiteral(" Humidity Compute : %1 %2 %3")
                  .arg(year.outdoorTemp.size()).arg(year.indoorTemp.size()).arg(year.outdoorHumid.size()));
    humidity = assessHumidity(in, year, *operative);
    showHumidity();
}

void bnbMenuForm::showHumidity()
{
    humidityCalc->showHourly(humidityHourlyRows(bnb->lastYear(), humidity->hourly));
    humidityWinter->showResults(*humidity, false);
    humiditySummer->showResults(*humidity, true);
}

// ---- what the pages computed ----------------------------------------------------------

std::optional<ReportRows> bnbMenuForm::chapterRowsShown(ReportChapter chapter) const
{
    // Only the criterion of the chapter: the year's series are not copied for a draught chapter.
    RoomAssessment a;
    a.room.data.dinCompliance = summerPage->dinCompliance();
    const Season season = chapterSeason(chapter);
    switch (chapter) {
    case ReportChapter::WinterOperativeTemperature:
    case ReportChapter::SummerOperativeTemperature:
        a.operative = bnb->lastOutcome();
        break;
    case ReportChapter::WinterDraught:
    case ReportChapter::SummerDraught:
        a.draught[season] = draft->outcome(season);
        break;
    case ReportChapter::WinterRadiation:
    case ReportChapter::SummerRadiation:
        a.radiation[season] = (season == Winter ? mrtWinter : mrtSummer)->outcome();
        break;
    case ReportChapter::WinterHumidity:
    case ReportChapter::SummerHumidity:
        a.humidity = humidity;
        break;
    }
    return chapterRows(a, chapter, assessmentWords());
}

bool bnbMenuForm::appendChapter(ReportChapter chapter, std::initializer_list<vstring *> lists) const
{
    const std::optional<ReportRows> rows = chapterRowsShown(chapter);
    if (!rows)
        return false;
    size_t row = 0;
    for (vstring *list : lists) {
        const vstring &values = rows->at(row++);
        list->insert(list->end(), values.begin(), values.end());
    }
    return true;
}

bool bnbMenuForm::getSummerOperativeTemperatureAssessment(vstring &model_selection,
                                                          vstring &operation_time,
                                                          vstring &operative_temperature_distribution,
                                                          vstring &times_niveau,
                                                          vstring &points_discrete)
{
    return appendChapter(ReportChapter::SummerOperativeTemperature,
                         {&model_selection, &operation_time, &operative_temperature_distribution,
                          &times_niveau, &points_discrete});
}

bool bnbMenuForm::getSummerDraftAssessment(vstring &mechanical_ventilation,
                                           vstring &window_ventilation,
                                           vstring &boundary_conditions, vstring &draft_rate,
                                           vstring &points_interpolated)
{
    return appendChapter(ReportChapter::SummerDraught, {&mechanical_ventilation, &window_ventilation,
                                                        &boundary_conditions, &draft_rate, &points_interpolated});
}

bool bnbMenuForm::getMRTAssessment(mrtForm *mrt, lvstring &position, lvstring &boundary_conditions,
                                   lvstring &results, vstring &points_discrete)
{
    RoomAssessment a;
    a.radiation[Summer] = mrt->outcome();
    const std::optional<ReportRows> rows = chapterRows(a, ReportChapter::SummerRadiation, assessmentWords());
    if (!rows)
        return false;
    // Room and position, the six surfaces, the three asymmetries, the points.
    auto row = rows->begin();
    for (const auto &[list, count] : {std::pair(&position, 2), {&boundary_conditions, 6}, {&results, 3}})
        for (int i = 0; i < count; ++i)
            list->push_back(*row++);
    points_discrete.insert(points_discrete.end(), row->begin(), row->end());
    return true;
}

// The chapter writes the season's limit pair; both pairs are gathered, as the page shows them.
bool bnbMenuForm::appendHumidity(Season season, vstring &conditions1, vstring &conditions2, vstring &distribution,
                                 vstring &upper, vstring &lower, vstring &points) const
{
    const auto rows = chapterRowsShown(season == Winter ? ReportChapter::WinterHumidity : ReportChapter::SummerHumidity);
    if (!rows)
        return false;
    const HumidityPageTexts t = humidityPageTexts(*humidity, season, assessmentWords());
    const vstring pairs[2] = {{t.above.toStdString(), t.aboveShare.toStdString()},
                              {t.below.toStdString(), t.belowShare.toStdString()}};
    const std::pair<vstring *, const vstring *> order[] = {{&conditions1, &(*rows)[0]}, {&conditions2, &(*rows)[1]},
        {&distribution, &(*rows)[2]}, {&upper, &pairs[0]}, {&lower, &pairs[1]}, {&points, &(*rows)[4]}};
    for (const auto &[list, values] : order)
        list->insert(list->end(), values->begin(), values->end());
    return true;
}

bool bnbMenuForm::getSummerHumidityAssessment(vstring &boundary_conditions_1,
                                              vstring &boundary_conditions_2,
                                              vstring &distribution_AH, vstring &times_upper_limit,
                                              vstring &times_lower_limit, vstring &points_discrete)
{
    return appendHumidity(Summer, boundary_conditions_1, boundary_conditions_2, distribution_AH,
                          times_upper_limit, times_lower_limit, points_discrete);
}

bool bnbMenuForm::getWinterOperativeTemperatureAssessment(vstring &operative_temperature_distribution,
                                                          vstring &times_niveau,
                                                          vstring &points_discrete)
{
    return appendChapter(ReportChapter::WinterOperativeTemperature,
                         {&operative_temperature_distribution, &times_niveau, &points_discrete});
}

bool bnbMenuForm::getWinterDraftAssessment(vstring &mechanical_ventilation,
                                           vstring &window_ventilation,
                                           vstring &boundary_conditions, vstring &draft_rate,
                                           vstring &points_interpolated)
{
    return appendChapter(ReportChapter::WinterDraught, {&mechanical_ventilation, &window_ventilation,
                                                        &boundary_conditions, &draft_rate, &points_interpolated});
}

bool bnbMenuForm::getWinterHumidityAssessment(vstring &boundary_conditions_1,
                                              vstring &boundary_conditions_2,
                                              vstring &distribution_AH, vstring &times_upper_limit,
                                              vstring &times_lower_limit, vstring &points_discrete)
{
    return appendHumidity(Winter, boundary_conditions_1, boundary_conditions_2, distribution_AH,
                          times_upper_limit, times_lower_limit, points_discrete);
}

// ---- the report ---------------------------------------------------------------

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
    QXmlStreamWriter xml(device);
    beginReport(xml);
    for (int c = 0; c < kReportChapters; ++c)
        if (bnb->chapterBox(ReportChapter(c))->isChecked())
            exportChapter(xml, ReportChapter(c));
    endReport(xml);
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
    if (const auto c = chapterOfErrorCode(chapter); c && answer != QMessageBox::Ignore)
        bnb->chapterBox(*c)->setChecked(false);
    return true;
}

QString bnbMenuForm::reportText(const char *source)
{
    return tr(source);
}

// Gathers again while Retry is answered, then writes the chapter; a chapter given up writes
// nothing.
void bnbMenuForm::exportChapter(QXmlStreamWriter &xml, ReportChapter chapter)
{
    std::optional<ReportRows> rows;
    while (!(rows = chapterRowsShown(chapter)))
        if (exportErrorDialog(reportText(chapterFailureText(chapter)), chapterErrorCode(chapter)))
            return;
    writeChapter(xml, chapter, *rows, reportText);
}

void bnbMenuForm::exportWinterOperativeTemperature(QXmlStreamWriter &xml_stream)
{
    exportChapter(xml_stream, ReportChapter::WinterOperativeTemperature);
}

void bnbMenuForm::exportWinterDraft(QXmlStreamWriter &xml_stream)
{
    exportChapter(xml_stream, ReportChapter::WinterDraught);
}

void bnbMenuForm::exportWinterMRT(QXmlStreamWriter &xml_stream)
{
    exportChapter(xml_stream, ReportChapter::WinterRadiation);
}

void bnbMenuForm::exportWinterHumidity(QXmlStreamWriter &xml_stream)
{
    exportChapter(xml_stream, ReportChapter::WinterHumidity);
}

void bnbMenuForm::exportSummerOperativeTemperature(QXmlStreamWriter &xml_stream)
{
    exportChapter(xml_stream, ReportChapter::SummerOperativeTemperature);
}

void bnbMenuForm::exportSummerDraft(QXmlStreamWriter &xml_stream)
{
    exportChapter(xml_stream, ReportChapter::SummerDraught);
}

void bnbMenuForm::exportSummerMRT(QXmlStreamWriter &xml_stream)
{
    exportChapter(xml_stream, ReportChapter::SummerRadiation);
}

void bnbMenuForm::exportSummerHumidity(QXmlStreamWriter &xml_stream)
{
    exportChapter(xml_stream, ReportChapter::SummerHumidity);
}

// ---- room files -------------------------------------------------------------------------

QString bnbMenuForm::askRoomFileName(bool save)
{
    const QString filter = tr("Room files (*.json);;All files (*)");
    if (save)
        return askSaveFile(this, tr("Save Room"), FileKind::Room, QFileInfo(roomFile).fileName(), filter);
    return askOpenFile(this, tr("Open Room"), FileKind::Room, filter);
}

void bnbMenuForm::markModified()
{
    if (!loading)
        setModified(true);
}

void bnbMenuForm::setModified(bool on)
{
    modified = on;
    const QString name = QFileInfo(roomFile).fileName();
    emit roomTitleChanged(name.isEmpty() && !modified ? QString()
                          : (name.isEmpty() ? tr("New room") : name) + (modified ? QStringLiteral("*") : QString()));
}

bool bnbMenuForm::currentRoom(Room &room)
{
    if (!bnb->readRoomFields(room.year, room.data, room.chapters))
        return false;
    room.data.dinCompliance = summerPage->dinCompliance();
    for (Season s : {Winter, Summer})
        if (!draft->readInput(s, room.draught[s]))
            return false;
    if (!mrtWinter->readInput(room.radiation[Winter]) || !mrtSummer->readInput(room.radiation[Summer])
        || !humidityCalc->readInput(room.humidity))
        return false;
    if (const auto problem = checkRoomValues(room)) {
        QMessageBox::warning(this, tr("Save Room"),
                             tr("The room cannot be saved as it is:\n%1").arg(problem->message(roomWords())));
        return false;
    }
    return true;
}

bool bnbMenuForm::saveRoomAs(const QString &fileName)
{
    Room room;
    if (!currentRoom(room))
        return false;
    room.year.file = relativeDataPath(fileName, bnb->yearFileName());
    QSaveFile file(fileName);
    const QByteArray text = roomFileText(room);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        QMessageBox::warning(this, tr("Save Room"), tr("Cannot write file %1:\n%2.")
                                                         .arg(QDir::toNativeSeparators(fileName), file.errorString()));
        return false;
    }
    roomFile = QFileInfo(fileName).absoluteFilePath();
    setModified(false);
    updateRecentRooms(roomFile);
    return true;
}

void bnbMenuForm::saveRoomClicked()
{
    saveRoom();
}

bool bnbMenuForm::saveRoom()
{
    // The room names its year data file: data that do not come from one (imported from
    // simulation files, pasted) are written beside the room; a file's data changed in the table
    // are not in the room.
    const QString yearFile = bnb->yearFileName();
    if (!yearFile.isEmpty() && bnb->tableEdited()
        && QMessageBox::question(this, tr("Save Room"),
                                 tr("Cells of the table were changed after reading %1; the room names that file as "
                                    "it is and not the changes.").arg(QDir::toNativeSeparators(yearFile))
                                     + QStringLiteral("\n\n") + tr("Save the room anyway?"))
               != QMessageBox::Yes)
        return false;
    const QString fileName = askRoomFileName(true);
    if (fileName.isEmpty())
        return false;
    if (yearFile.isEmpty()) {
        const QFileInfo room(fileName);
        const QString year = room.dir().filePath(room.completeBaseName() + QStringLiteral("_year.csv"));
        if (QMessageBox::question(this, tr("Save Room"),
                                  tr("A room names the file of its year data, and the data in the table were not "
                                     "read from a file. Save them beside the room as %1?")
                                      .arg(QDir::toNativeSeparators(year)))
                != QMessageBox::Yes
            || (QFileInfo::exists(year)
                && QMessageBox::question(this, tr("Save Room"), tr("%1 exists. Replace it?").arg(QDir::toNativeSeparators(year)))
                       != QMessageBox::Yes)
            || !bnb->saveYearFile(year))
            return false;
    }
    return saveRoomAs(fileName);
}

bool bnbMenuForm::maybeSave()
{
    if (!modified)
        return true;
    const auto answer = QMessageBox::warning(
        this, tr("Assessment"), tr("The room has unsaved changes. Save them as a room file?"),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Cancel)
        return false;
    if (answer == QMessageBox::Discard)
        return true;
    return saveRoom();
}

void bnbMenuForm::openRoomClicked()
{
    if (!maybeSave())
        return;
    const QString fileName = askRoomFileName(false);
    if (!fileName.isEmpty())
        openRoom(fileName);
}

bool bnbMenuForm::openRoom(const QString &fileName)
{
    const QString shownName = QDir::toNativeSeparators(fileName);
    const RoomFileRead read = readRoomFile(fileName);
    if (!read.room) {
        QMessageBox::warning(this, tr("Open Room"), tr("Cannot open the room file %1:\n%2")
                                                        .arg(shownName, read.error.message(roomWords())));
        return false;
    }
    const Room &room = *read.room;
    // The year data must be usable before anything changes: read, without gaps, with the season
    // boundaries of the room's time axis.
    const QString dataPath = roomDataPath(fileName, room);
    QString problem;
    YearFileRead year;
    if (dataPath.isEmpty()) {
        problem = tr("It names no year data file (key \"data\").");
    } else {
        year = readYearFile(dataPath, room.year.headerLines, separatorText(room.year.separator));
        if (year.problem != YearReadProblem::None)
            problem = bnb->yearProblemText(year, dataPath, room.year.headerLines);
    }
    if (problem.isEmpty()) {
        if (const auto yearProblem = checkYearData(room.data, yearSeriesFromRows(year.rows)))
            problem = QDir::toNativeSeparators(dataPath) + QStringLiteral(": ") + yearProblem->message(roomWords());
    }
    if (!problem.isEmpty()) {
        QMessageBox::warning(this, tr("Open Room"), tr("Cannot open the room file %1:\n%2").arg(shownName, problem));
        return false;
    }

    loading = true;
    bnb->setRoomFields(room.year, room.data, room.chapters);
    summerPage->setDinCompliance(room.data.dinCompliance);
    for (Season s : {Winter, Summer})
        draft->setInput(s, room.draught[s]);
    mrtWinter->setInput(room.radiation[Winter]);
    mrtSummer->setInput(room.radiation[Summer]);
    humidityCalc->setInput(room.humidity);
    humidity.reset();
    bnb->setYearRows(year.rows, dataPath);
    // Every page computed as a report of the room would be: the data page, both radiation
    // pages and the humidity (the draught is shown by its fields already).
    requireChild<QPushButton>(bnb, "compButton")->click();
    for (mrtForm *page : {mrtWinter, mrtSummer})
        requireChild<QPushButton>(page, "computeMRT")->click();
    if (bnb->lastComputeOk())
        requireChild<QPushButton>(humidityCalc, "computeHumid")->click();
    loading = false;

    roomFile = QFileInfo(fileName).absoluteFilePath();
    setModified(false);
    updateRecentRooms(roomFile);
    if (!read.unknownKeys.isEmpty())
        QMessageBox::information(this, tr("Open Room"),
                                 tr("The room file %1 holds keys this program does not know; they were "
                                    "left out:\n%2").arg(shownName, read.unknownKeys.join(QLatin1Char('\n'))));
    return true;
}

// The list of the last rooms, the newest first, kept with QSettings; a room no longer there is
// dropped when it is offered.
void bnbMenuForm::updateRecentRooms(const QString &added)
{
    QSettings settings;
    QStringList rooms = settings.value(QLatin1String(kRecentRoomsKey)).toStringList();
    if (!added.isEmpty()) {
        rooms.removeAll(added);
        rooms.prepend(added);
    }
    rooms.erase(std::remove_if(rooms.begin(), rooms.end(), [](const QString &f) { return !QFileInfo::exists(f); }),
                rooms.end());
    while (rooms.size() > kRecentRooms)
        rooms.removeLast();
    settings.setValue(QLatin1String(kRecentRoomsKey), rooms);
    recentMenu->clear();
    for (const QString &room : rooms)
        connect(recentMenu->addAction(QDir::toNativeSeparators(room)), &QAction::triggered, this, [this, room] {
            if (maybeSave())
                openRoom(room);
        });
    requireChild<QToolButton>(bnb, "recentRoomsButton")->setEnabled(!rooms.isEmpty());
}
