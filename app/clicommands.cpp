#include "app/clicommands.h"

#include "assessment/energyplus.h"
#include "assessment/weatherfile.h"
#include "assessment/yearcheck.h"
#include "assessment/yeardata.h"
#include "comfort/delimitedtext.h"
#include "comfort/pmvtable.h"
#include "report/assessmenttexts.h"
#include "report/reportpdf.h"
#include "report/roomfile.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QTextStream>
#include <QThread>
#include <QXmlStreamWriter>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

namespace {

const QString kProgram = QStringLiteral("klimaro-cli");
// summary.csv: ";" between the fields, numbers with a decimal point as the pages show them.
constexpr char kSummarySeparator = ';';

struct Command {
    const char *name;
    const char *synopsis;
    const char *description;
    int (*run)(QCommandLineParser &parser, CliStreams &io);
    void (*addOptions)(QCommandLineParser &parser);
};

int usageError(CliStreams &io, const QString &command, const QString &message)
{
    io.err << kProgram << ": " << message << '\n'
           << "Try '" << kProgram << (command.isEmpty() ? QString() : QLatin1Char(' ') + command)
           << " --help'.\n";
    io.err.flush();
    return CliExit::Usage;
}

int failure(CliStreams &io, const QString &message)
{
    io.err << message << '\n';
    io.err.flush();
    return CliExit::Failed;
}

QString shown(const QString &fileName)
{
    return QDir::toNativeSeparators(fileName);
}

QString writeErrorText(const QString &fileName, const QString &reason)
{
    return QStringLiteral("Cannot write file %1: %2.").arg(shown(fileName), reason);
}

// Writes the bytes through QSaveFile: an existing file stays whole until the new one is
// complete. Empty on success, else the message.
QString saveBytes(const QString &fileName, const QByteArray &bytes)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return writeErrorText(fileName, file.errorString());
    return QString();
}

// "semicolon", "comma", "space", "tab" or the character itself.
bool parseSeparator(const QString &text, QString &separator)
{
    const QStringList names = {QStringLiteral("semicolon"), QStringLiteral("comma"), QStringLiteral("space"),
                               QStringLiteral("tab")};
    const QStringList characters = {QStringLiteral(";"), QStringLiteral(","), QStringLiteral(" "),
                                    QStringLiteral("\t")};
    qsizetype i = names.indexOf(text.toLower());
    if (i < 0)
        i = characters.indexOf(text);
    if (i < 0)
        return false;
    separator = characters.at(i);
    return true;
}

bool parseCount(const QString &text, int minimum, int &value)
{
    bool ok = false;
    const int v = text.toInt(&ok);
    if (!ok || v < minimum)
        return false;
    value = v;
    return true;
}

const QCommandLineOption kQuiet(QStringLiteral("quiet"), QStringLiteral("Print nothing but errors."));
const QCommandLineOption kSeparator(QStringList{QStringLiteral("separator")},
                                    QStringLiteral("Column separator of the input: semicolon (default), comma, "
                                                   "space or tab."),
                                    QStringLiteral("separator"), QStringLiteral("semicolon"));
const QCommandLineOption kHeaderLines(QStringList{QStringLiteral("header-lines")},
                                      QStringLiteral("Lines at the top of the input that hold no data (default 1)."),
                                      QStringLiteral("N"), QStringLiteral("1"));

// Reads --separator and --header-lines; false after a usage error.
bool delimitedOptions(QCommandLineParser &p, const char *command, CliStreams &io, QString &separator,
                      int &headerLines)
{
    if (!parseSeparator(p.value(kSeparator), separator)) {
        usageError(io, QLatin1String(command), QStringLiteral("--separator: \"%1\" is none of semicolon, comma, "
                                                              "space, tab.").arg(p.value(kSeparator)));
        return false;
    }
    if (!parseCount(p.value(kHeaderLines), 0, headerLines)) {
        usageError(io, QLatin1String(command),
                   QStringLiteral("--header-lines: \"%1\" is no whole number of 0 or more.").arg(p.value(kHeaderLines)));
        return false;
    }
    return true;
}

// A field of summary.csv: in quotes (quotes doubled) when it holds the separator, a quote or a
// line break; line breaks become blanks, so that every room stays one line.
QString csvField(QString text)
{
    text.replace(QLatin1Char('\n'), QLatin1Char(' ')).remove(QLatin1Char('\r'));
    if (!text.contains(QLatin1Char(kSummarySeparator)) && !text.contains(QLatin1Char('"')))
        return text;
    text.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// ---- template ---------------------------------------------------------------------------

void templateOptions(QCommandLineParser &) {}

int runTemplate(QCommandLineParser &p, CliStreams &io)
{
    if (!p.positionalArguments().isEmpty())
        return usageError(io, QStringLiteral("template"), QStringLiteral("template takes no file."));
    Room room;
    room.year.file = QStringLiteral("year.csv");
    io.out << QString::fromUtf8(roomFileText(room));
    io.out.flush();
    return CliExit::Ok;
}

// ---- assess -----------------------------------------------------------------------------

const QCommandLineOption kJobs(QStringList{QStringLiteral("j"), QStringLiteral("jobs")},
                               QStringLiteral("Rooms assessed at the same time (default: the number of cores)."),
                               QStringLiteral("N"));
const QCommandLineOption kPdf(QStringLiteral("pdf"), QStringLiteral("Print each report as PDF too."));
const QCommandLineOption kOutDir(QStringList{QStringLiteral("o"), QStringLiteral("out")},
                                 QStringLiteral("Folder of the reports and summary.csv (default: the current folder)."),
                                 QStringLiteral("DIR"), QStringLiteral("."));

void assessOptions(QCommandLineParser &p)
{
    p.addOptions({kJobs, kPdf, kOutDir, kQuiet});
    p.addPositionalArgument(QStringLiteral("rooms"), QStringLiteral("Room files (.json)."),
                            QStringLiteral("ROOM.json..."));
}

// The summary's columns after the room and the summer model: the points of the criteria in
// the order of the report's chapters by season, then the adaptive model's hours per category.
const char *const kSummaryHeader[] = {
    "room", "summer model",
    "winter operative temperature", "summer operative temperature", "winter draught", "summer draught",
    "winter radiation", "summer radiation", "winter humidity", "summer humidity",
    "category I [h]", "category II [h]", "category III [h]", "beyond category III [h]", "not valid [h]",
    "status"};
constexpr int kSummaryValues = 13;   // between the summer model and the status

struct RoomRun {
    QString path, name;
    QString model;
    QStringList values;   // kSummaryValues texts
    QString error;        // empty: assessed and written
    QStringList warnings;
    QByteArray xml;       // kept for the PDF only
};

// Room name of a room file: its file name without ".json".
QString roomName(const QString &path)
{
    QString name = QFileInfo(path).fileName();
    if (name.endsWith(QLatin1String(".json"), Qt::CaseInsensitive))
        name.chop(5);
    return name;
}

QStringList summaryValues(const RoomAssessment &a)
{
    const OperativeOutcome &o = *a.operative;
    QStringList v;
    v << winterPageTexts(o.winter(), o.input.interval).points
      << summerPageTexts(o.summer(), o.input, a.room.data.dinCompliance).points;
    for (Season s : {Winter, Summer})
        v << draughtTexts(*a.draught[s]).points;
    for (Season s : {Winter, Summer})
        v << radiationTexts(*a.radiation[s]).points;
    for (Season s : {Winter, Summer})
        v << humidityPageTexts(*a.humidity, s).points;
    if (o.input.model == SummerModel::AdaptiveEN) {
        const AdaptiveCategories &c = o.result.categories;
        for (double rows : {c.c1, c.c2, c.c3, c.outside, c.notValid})
            v << shownNumber(rows * o.input.interval, 1);
    } else {
        for (int i = 0; i < 5; ++i)
            v << QString();
    }
    return v;
}

// One room from its file to its report: read, its year read, assessed, the XML written.
// Touches nothing shared: runs on any thread.
void runRoom(RoomRun &run, const QDir &outDir, bool keepXml)
{
    const RoomFileRead read = readRoomFile(run.path);
    if (!read.room) {
        run.error = read.error.message();
        return;
    }
    if (!read.unknownKeys.isEmpty())
        run.warnings << QStringLiteral("keys this program does not know were left out: %1")
                            .arg(read.unknownKeys.join(QStringLiteral(", ")));
    const Room &room = *read.room;
    run.model = summerModelName(room.data.model);
    const QString dataPath = roomDataPath(run.path, room);
    if (dataPath.isEmpty()) {
        run.error = QStringLiteral("It names no year data file (key \"data\").");
        return;
    }
    const YearFileRead year =
        readYearFile(dataPath, room.year.headerLines, separatorText(room.year.separator), YearKeep::Numbers);
    if (year.problem != YearReadProblem::None) {
        run.error = shown(dataPath) + QLatin1Char(' ') + yearReadProblemText(year);
        return;
    }
    const RoomAssessment a = assessRoom(room, year.series);
    if (a.problem) {
        run.error = (a.problem->key == QLatin1String("data") ? shown(dataPath) + QStringLiteral(": ") : QString())
                    + a.problem->message();
        return;
    }
    QByteArray xml;
    QXmlStreamWriter writer(&xml);
    writeRoomReport(writer, a);
    run.error = saveBytes(outDir.filePath(run.name + QStringLiteral(".xml")), xml);
    if (!run.error.isEmpty())
        return;
    run.values = summaryValues(a);
    if (keepXml)
        run.xml = std::move(xml);
}

QByteArray summaryText(const std::vector<RoomRun> &runs)
{
    const QString sep = QString(QLatin1Char(kSummarySeparator));
    QStringList header;
    for (const char *title : kSummaryHeader)
        header << QLatin1String(title);
    QString text = header.join(sep) + QLatin1Char('\n');
    for (const RoomRun &r : runs) {
        QStringList fields{csvField(r.name), csvField(r.model)};
        for (int i = 0; i < kSummaryValues; ++i)
            fields << (i < r.values.size() ? r.values.at(i) : QString());
        fields << csvField(r.error.isEmpty() ? QStringLiteral("ok") : r.error);
        text += fields.join(sep) + QLatin1Char('\n');
    }
    return text.toUtf8();
}

int runAssess(QCommandLineParser &p, CliStreams &io)
{
    const QString command = QStringLiteral("assess");
    const QStringList paths = p.positionalArguments();
    if (paths.isEmpty())
        return usageError(io, command, QStringLiteral("no room file given."));
    int jobs = std::max(1, QThread::idealThreadCount());
    if (p.isSet(kJobs) && !parseCount(p.value(kJobs), 1, jobs))
        return usageError(io, command, QStringLiteral("--jobs: \"%1\" is no whole number of 1 or more.").arg(p.value(kJobs)));

    std::vector<RoomRun> runs(size_t(paths.size()));
    QHash<QString, QString> pathOfName;
    for (size_t i = 0; i < runs.size(); ++i) {
        runs[i].path = paths.at(qsizetype(i));
        runs[i].name = roomName(runs[i].path);
        const auto same = pathOfName.constFind(runs[i].name);
        if (same != pathOfName.cend())
            return usageError(io, command, QStringLiteral("%1 and %2 have the same name %3: their reports would "
                                                          "overwrite each other.")
                                               .arg(shown(*same), shown(runs[i].path), runs[i].name));
        pathOfName.insert(runs[i].name, runs[i].path);
    }

    const QDir outDir(p.value(kOutDir));
    if (!QDir().mkpath(outDir.path()))
        return failure(io, QStringLiteral("Cannot create the folder %1.").arg(shown(outDir.path())));
    const QString xslName = outDir.filePath(QLatin1String(kReportStylesheetName));
    if (!QFileInfo::exists(xslName)) {
        const QString error = saveBytes(xslName, reportStylesheet());
        if (!error.isEmpty())
            return failure(io, error);
    }

    const bool pdf = p.isSet(kPdf);
    const bool progress = io.errIsTerminal && !p.isSet(kQuiet);
    QElapsedTimer clock;
    clock.start();
    std::atomic<size_t> next{0};
    size_t finished = 0;
    std::mutex progressLock;
    const auto work = [&] {
        for (size_t i; (i = next++) < runs.size();) {
            runRoom(runs[i], outDir, pdf);
            if (!progress)
                continue;
            const std::lock_guard<std::mutex> lock(progressLock);
            io.err << QStringLiteral("[%1/%2] %3: %4 (%5 s)\n")
                          .arg(++finished).arg(runs.size()).arg(runs[i].name,
                               runs[i].error.isEmpty() ? QStringLiteral("ok") : QStringLiteral("error"))
                          .arg(clock.elapsed() / 1000.0, 0, 'f', 1);
            io.err.flush();
        }
    };
    std::vector<std::thread> workers;
    for (int t = 1; t < std::min<qsizetype>(jobs, paths.size()); ++t)
        workers.emplace_back(work);
    work();
    for (std::thread &w : workers)
        w.join();

    // Qt's rich text and the stylesheet's error callbacks are not for several threads at once:
    // the PDFs are printed here, one after the other.
    for (RoomRun &r : runs) {
        if (!pdf || !r.error.isEmpty())
            continue;
        const QString pdfName = outDir.filePath(r.name + QStringLiteral(".pdf"));
        QString error;
        if (!writeReportPdf(r.xml, pdfName, error))
            r.error = writeErrorText(pdfName, error);
        r.xml.clear();
    }

    int status = CliExit::Ok;
    for (const RoomRun &r : runs) {
        if (!p.isSet(kQuiet))
            for (const QString &w : r.warnings)
                io.err << "warning: " << shown(r.path) << ": " << w << '\n';
        if (!r.error.isEmpty()) {
            io.err << shown(r.path) << ": " << r.error << '\n';
            status = CliExit::Failed;
        }
    }
    const QString error = saveBytes(outDir.filePath(QStringLiteral("summary.csv")), summaryText(runs));
    if (!error.isEmpty()) {
        io.err << error << '\n';
        status = CliExit::Failed;
    }
    io.err.flush();
    return status;
}

// ---- pmv --------------------------------------------------------------------------------

const QCommandLineOption kMode(QStringList{QStringLiteral("mode")},
                               QStringLiteral("Input columns: mrt (Ta, Tr, rH, Va, clo), globe (Ta, Tg, rH, Va, "
                                              "clo; default, as the PMV tool) or operative (To, rH, Va, clo)."),
                               QStringLiteral("mode"), QStringLiteral("globe"));
const QCommandLineOption kMetabolic(QStringList{QStringLiteral("metabolic-rate")},
                                    QStringLiteral("Metabolic rate M of every row [W/m²] (default 69.6)."),
                                    QStringLiteral("M"), QStringLiteral("69.6"));
const QCommandLineOption kWork(QStringList{QStringLiteral("work")},
                               QStringLiteral("External work W of every row [W/m²] (default 0)."),
                               QStringLiteral("W"), QStringLiteral("0"));

void pmvOptions(QCommandLineParser &p)
{
    p.addOptions({kMode, kSeparator, kHeaderLines, kMetabolic, kWork});
    p.addPositionalArgument(QStringLiteral("in"), QStringLiteral("Delimited text, one state per line."), QStringLiteral("IN"));
    p.addPositionalArgument(QStringLiteral("out"), QStringLiteral("CSV written: the inputs, PMV, PPD, PPD-M."),
                            QStringLiteral("OUT.csv"));
}

int runPmv(QCommandLineParser &p, CliStreams &io)
{
    const QString command = QStringLiteral("pmv");
    const QStringList files = p.positionalArguments();
    if (files.size() != 2)
        return usageError(io, command, QStringLiteral("an input file and an output file are needed."));
    const QStringList modes = {QStringLiteral("globe"), QStringLiteral("operative"), QStringLiteral("mrt")};
    const int mode = int(modes.indexOf(p.value(kMode).toLower())) + PmvTableMode::TaTg;
    if (mode < PmvTableMode::TaTg)
        return usageError(io, command, QStringLiteral("--mode: \"%1\" is none of mrt, globe, operative.").arg(p.value(kMode)));
    QString separator;
    int headerLines = 0;
    if (!delimitedOptions(p, "pmv", io, separator, headerLines))
        return CliExit::Usage;
    double m = 0, w = 0;
    if (!parseFieldNumber(p.value(kMetabolic), m) || !PmvPhysical::kMetabolicRate.contains(m))
        return usageError(io, command, QStringLiteral("--metabolic-rate: \"%1\" is no number > 0.").arg(p.value(kMetabolic)));
    if (!parseFieldNumber(p.value(kWork), w))
        return usageError(io, command, QStringLiteral("--work: \"%1\" is no number.").arg(p.value(kWork)));

    // The PMV tool's import refuses the same files with the same reasons.
    QFile in(files.at(0));
    DelimitedRows read;
    QString refused;
    if (in.open(QIODevice::ReadOnly | QIODevice::Text)) {
        if (!looksLikeText(in.peek(kTextSampleBytes))) {
            refused = QStringLiteral("The file is not a text file (it holds binary data)");
        } else {
            QTextStream stream(&in);
            read = readDelimitedRows(stream, headerLines, separator);
        }
    }
    if (in.error() != QFileDevice::NoError)
        refused = in.errorString();
    else if (refused.isEmpty() && holdsNoLine(read))
        refused = QStringLiteral("The file is empty");
    else if (refused.isEmpty() && !anyCellHoldsNumber(read.rows))
        refused = QStringLiteral("No line holds a number (header lines skipped: %1)").arg(headerLines);
    if (!refused.isEmpty())
        return failure(io, QStringLiteral("Cannot read file %1: %2.").arg(shown(files.at(0)), refused));

    const PmvTableBatch batch = computePmvTable(mode, read.rows, m, w);
    const std::vector<QStringList> rows = pmvTableTexts(batch, read.rows);
    QByteArray csv;
    {
        QTextStream out(&csv);
        writeCsvRows(out, rows);
    }
    const QString error = saveBytes(files.at(1), csv);
    if (!error.isEmpty())
        return failure(io, error);

    const std::vector<const char *> headers = pmvTableInputHeaders(mode);
    const CellGaps gaps = findCellGaps(read.rows, int(headers.size()));
    if (gaps.count > 0) {
        QStringList cells;
        for (const auto &[row, column] : gaps.first)
            cells << QStringLiteral("row %1, %2").arg(row + 1).arg(QLatin1String(headers[size_t(column)]));
        io.err << QStringLiteral("warning: %1: input cells without a number (empty, or text without a numeric "
                                 "prefix): %2. Their rows were not computed (N.A). First: %3.\n")
                      .arg(shown(files.at(0))).arg(gaps.count).arg(cells.join(QStringLiteral("; ")));
        io.err.flush();
    }
    return CliExit::Ok;
}

// ---- year data from weather files and simulations -----------------------------------------

const QCommandLineOption kWeather(QStringList{QStringLiteral("weather")},
                                  QStringLiteral("EPW weather file: outdoor temperature and humidity."),
                                  QStringLiteral("FILE.epw"));
const QCommandLineOption kSimulation(QStringList{QStringLiteral("simulation")},
                                     QStringLiteral("EnergyPlus output, eplusout.csv or eplusout.sql."),
                                     QStringLiteral("FILE"));

// A simulation file (CSV or SQLite, told apart by content) and the variables it lists.
struct Simulation {
    QString fileName;
    EnergyPlusListing listing;
};

bool isHourly(const EnergyPlusVariable &v)
{
    return v.frequency.compare(QLatin1String("Hourly"), Qt::CaseInsensitive) == 0;
}

// A variable by its whole header, by "KEY:Variable Name" or by the name alone, the hourly one
// first; -1 when none matches.
int findVariable(const std::vector<EnergyPlusVariable> &variables, const QString &name)
{
    const auto keyName = [](const EnergyPlusVariable &v) { return v.key + QLatin1Char(':') + v.name; };
    for (const auto &text : {std::function<QString(const EnergyPlusVariable &)>(&EnergyPlusVariable::header),
                             std::function<QString(const EnergyPlusVariable &)>(keyName),
                             std::function<QString(const EnergyPlusVariable &)>(&EnergyPlusVariable::name)}) {
        int found = -1;
        for (size_t i = 0; i < variables.size(); ++i) {
            if (text(variables[i]).compare(name, Qt::CaseInsensitive) != 0)
                continue;
            if (found < 0 || (isHourly(variables[i]) && !isHourly(variables[size_t(found)])))
                found = int(i);
        }
        if (found >= 0)
            return found;
    }
    return -1;
}

// The outdoor series: from the weather file when one is given, else the site variables of the
// simulation (appended to `variables`, their columns in `outdoor`).
struct Outdoor {
    SourceSeries weather;
    bool fromWeather = false;
    int temperature = 0, humidity = 0;   // columns of the weather file, or of the simulation's read
};

// Reads the weather file or chooses the simulation's site variables; a message when neither works.
QString readOutdoor(QCommandLineParser &p, const Simulation *simulation, std::vector<int> &variables, Outdoor &o)
{
    if (p.isSet(kWeather)) {
        o.weather = readWeatherFile(p.value(kWeather));
        if (!o.weather.ok())
            return formatReadError(o.weather.error);
        o.fromWeather = true;
        o.temperature = WeatherColumn::DryBulb;
        o.humidity = WeatherColumn::RelativeHumidity;
        return QString();
    }
    const int t = simulation ? findVariable(simulation->listing.variables, QLatin1String("Environment:") + kSiteDryBulb) : -1;
    const int h = simulation ? findVariable(simulation->listing.variables, QLatin1String("Environment:") + kSiteHumidity) : -1;
    if (t < 0 || h < 0)
        return QStringLiteral("The outdoor temperature and humidity are needed: give --weather FILE.epw, or a "
                              "simulation that reports \"Environment:%1\" and \"Environment:%2\".")
            .arg(kSiteDryBulb, kSiteHumidity);
    o.temperature = int(variables.size());
    o.humidity = o.temperature + 1;
    variables.push_back(t);
    variables.push_back(h);
    return QString();
}

// The year's picks: outdoor from the weather file or the simulation's columns, indoor column.
YearImport combined(const Outdoor &o, const SourceSeries *simulation, const SourceSeries *indoorSource, int indoor)
{
    const SourceSeries *outdoor = o.fromWeather ? &o.weather : simulation;
    return combineYear({outdoor, o.temperature}, {outdoor, o.humidity}, {indoorSource, indoor});
}

void printReport(CliStreams &io, bool quiet, const QString &prefix, const YearImport &year)
{
    if (quiet)
        return;
    for (const QString &line : formatYearReport(checkYear(year)))
        io.err << prefix << line << '\n';
    io.err.flush();
}

const QCommandLineOption kOutFile(QStringList{QStringLiteral("o"), QStringLiteral("out")},
                                  QStringLiteral("The year file written."), QStringLiteral("YEAR.csv"));

void yearOptions(QCommandLineParser &p)
{
    p.addOptions({kWeather, kSimulation,
                  QCommandLineOption(QStringList{QStringLiteral("column")},
                                     QStringLiteral("The simulation's indoor column: its header, KEY:Variable or "
                                                    "the variable (default \"Zone Operative Temperature\", the "
                                                    "first zone)."),
                                     QStringLiteral("NAME")),
                  kOutFile, kQuiet});
}

int runYear(QCommandLineParser &p, CliStreams &io)
{
    const QString command = QStringLiteral("year");
    if (!p.positionalArguments().isEmpty())
        return usageError(io, command, QStringLiteral("unexpected argument %1.").arg(p.positionalArguments().first()));
    if (!p.isSet(kOutFile))
        return usageError(io, command, QStringLiteral("--out YEAR.csv is needed."));
    if (!p.isSet(kWeather) && !p.isSet(kSimulation))
        return usageError(io, command, QStringLiteral("--weather or --simulation is needed."));
    const QString column = p.value(QStringLiteral("column"));
    if (!column.isEmpty() && !p.isSet(kSimulation))
        return usageError(io, command, QStringLiteral("--column names a column of the --simulation file."));

    std::optional<Simulation> simulation;
    std::vector<int> variables;
    if (p.isSet(kSimulation)) {
        simulation = Simulation{p.value(kSimulation), listEnergyPlus(p.value(kSimulation))};
        if (!simulation->listing.ok())
            return failure(io, formatReadError(simulation->listing.error));
    }
    Outdoor outdoor;
    const QString outdoorError = readOutdoor(p, simulation ? &*simulation : nullptr, variables, outdoor);
    if (!outdoorError.isEmpty())
        return failure(io, outdoorError);

    SourceSeries read;
    YearImport year;
    if (simulation) {
        const QString name = column.isEmpty() ? kOperativeTemperature : column;
        const int indoor = findVariable(simulation->listing.variables, name);
        if (indoor < 0)
            return failure(io, QStringLiteral("%1: no variable \"%2\".").arg(shown(simulation->fileName), name));
        variables.push_back(indoor);
        read = readEnergyPlus(simulation->fileName, variables);
        if (!read.ok())
            return failure(io, formatReadError(read.error));
        year = combined(outdoor, &read, &read, int(variables.size()) - 1);
    } else {
        // Outdoor data only: the indoor column is left for the user, every value a gap.
        SourceSeries &w = outdoor.weather;
        w.names << QStringLiteral("indoor operative temperature");
        w.columns.emplace_back(w.columns.front().size(), std::nan(""));
        year = combined(outdoor, nullptr, &w, int(w.columns.size()) - 1);
    }
    if (!year.ok())
        return failure(io, formatReadError(year.error));

    QByteArray bytes;
    {
        QTextStream out(&bytes);
        writeYearFile(out, year.series);
    }
    const QString error = saveBytes(p.value(kOutFile), bytes);
    if (!error.isEmpty())
        return failure(io, error);
    printReport(io, p.isSet(kQuiet), shown(p.value(kOutFile)) + QStringLiteral(": "), year);
    return CliExit::Ok;
}

// ---- rooms ------------------------------------------------------------------------------

const QCommandLineOption kVariable(QStringList{QStringLiteral("variable")},
                                   QStringLiteral("The indoor variable each zone reports (default \"Zone "
                                                  "Operative Temperature\")."),
                                   QStringLiteral("NAME"), kOperativeTemperature);
const QCommandLineOption kTemplate(QStringList{QStringLiteral("template")},
                                   QStringLiteral("Room file whose keys every room takes (default: the "
                                                  "assessment window's defaults)."),
                                   QStringLiteral("ROOM.json"));

const QCommandLineOption kRoomsDir(QStringList{QStringLiteral("o"), QStringLiteral("out")},
                                   QStringLiteral("Folder of the year and room files written."), QStringLiteral("DIR"));

void roomsOptions(QCommandLineParser &p)
{
    p.addOptions({kWeather, kSimulation, kVariable, kTemplate, kRoomsDir, kQuiet});
}

// A zone's name as a file name: letters, digits, "-", "_" and "." kept, anything else "_".
QString zoneFileName(const QString &zone)
{
    QString name;
    for (const QChar c : zone)
        name += c.isLetterOrNumber() || c == u'-' || c == u'_' || (c == u'.' && !name.isEmpty()) ? c : QChar(u'_');
    return name.isEmpty() ? QStringLiteral("zone") : name;
}

int runRooms(QCommandLineParser &p, CliStreams &io)
{
    const QString command = QStringLiteral("rooms");
    if (!p.positionalArguments().isEmpty())
        return usageError(io, command, QStringLiteral("unexpected argument %1.").arg(p.positionalArguments().first()));
    if (!p.isSet(kSimulation) || !p.isSet(kRoomsDir))
        return usageError(io, command, QStringLiteral("--simulation FILE and --out DIR are needed."));

    Room templateRoom;
    if (p.isSet(kTemplate)) {
        const RoomFileRead read = readRoomFile(p.value(kTemplate));
        if (!read.room)
            return failure(io, shown(p.value(kTemplate)) + QStringLiteral(": ") + read.error.message());
        templateRoom = *read.room;
    }
    const Simulation simulation = Simulation{p.value(kSimulation), listEnergyPlus(p.value(kSimulation))};
    if (!simulation.listing.ok())
        return failure(io, formatReadError(simulation.listing.error));
    std::vector<int> variables;
    Outdoor outdoor;
    const QString outdoorError = readOutdoor(p, &simulation, variables, outdoor);
    if (!outdoorError.isEmpty())
        return failure(io, outdoorError);

    // One hourly variable per zone, zones in the order of the file.
    const std::vector<EnergyPlusVariable> &listed = simulation.listing.variables;
    struct Zone {
        QString key, name;
        int column = 0;
    };
    std::vector<Zone> zones;
    QHash<QString, QString> zoneOfName;
    const std::vector<int> found = findEnergyPlusVariables(listed, p.value(kVariable));
    for (int i : found) {
        const EnergyPlusVariable &v = listed[size_t(i)];
        if (!isHourly(v) || std::any_of(zones.begin(), zones.end(), [&](const Zone &z) { return z.key == v.key; }))
            continue;
        const QString name = zoneFileName(v.key);
        if (zoneOfName.contains(name))
            return failure(io, QStringLiteral("The zones \"%1\" and \"%2\" both give the file name %3.")
                                   .arg(zoneOfName.value(name), v.key, name));
        zoneOfName.insert(name, v.key);
        zones.push_back({v.key, name, int(variables.size())});
        variables.push_back(i);
    }
    for (int i : found) {
        const EnergyPlusVariable &v = listed[size_t(i)];
        if (!p.isSet(kQuiet) && std::none_of(zones.begin(), zones.end(), [&](const Zone &z) { return z.key == v.key; }))
            io.err << "warning: " << shown(simulation.fileName) << ": " << v.header << " is not hourly: left out\n";
    }
    if (zones.empty())
        return failure(io, QStringLiteral("%1: no zone reports \"%2\" hourly.")
                               .arg(shown(simulation.fileName), p.value(kVariable)));

    const SourceSeries read = readEnergyPlus(simulation.fileName, variables);
    if (!read.ok())
        return failure(io, formatReadError(read.error));
    std::vector<YearImport> years;
    for (const Zone &z : zones) {
        years.push_back(combined(outdoor, &read, &read, z.column));
        if (!years.back().ok())
            return failure(io, formatReadError(years.back().error));
    }

    const QDir outDir(p.value(kRoomsDir));
    if (!QDir().mkpath(outDir.path()))
        return failure(io, QStringLiteral("Cannot create the folder %1.").arg(shown(outDir.path())));
    for (size_t k = 0; k < zones.size(); ++k) {
        const YearImport &year = years[k];
        const QString yearFile = outDir.filePath(zones[k].name + QStringLiteral(".csv"));
        const QString roomFile = outDir.filePath(zones[k].name + QStringLiteral(".json"));
        QByteArray bytes;
        {
            QTextStream out(&bytes);
            writeYearFile(out, year.series);
        }
        Room room = templateRoom;
        room.year = {relativeDataPath(roomFile, yearFile), ColumnSeparator::Semicolon, 1};
        room.data.interval = year.interval;
        room.data.startDate = year.start;
        room.data.startHour = year.startHour;
        if (year.firstWeekday > 0)
            room.data.firstWeekday = year.firstWeekday;
        QString error = saveBytes(yearFile, bytes);
        if (error.isEmpty())
            error = saveBytes(roomFile, roomFileText(room));
        if (!error.isEmpty())
            return failure(io, error);
        printReport(io, p.isSet(kQuiet), shown(roomFile) + QStringLiteral(": "), year);
    }
    return CliExit::Ok;
}

// ---- check ------------------------------------------------------------------------------

void checkOptions(QCommandLineParser &p)
{
    p.addOptions({kSeparator, kHeaderLines});
    p.addPositionalArgument(QStringLiteral("file"),
                            QStringLiteral("A year file (read with --separator and --header-lines, hourly from "
                                           "01.01.2011) or a room file (its year file as the room reads it)."),
                            QStringLiteral("YEAR.csv|ROOM.json"));
}

// A room file is a JSON object: its first character that is no blank is "{".
bool looksLikeRoomFile(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(4096).trimmed();
    return head.startsWith('{');
}

int runCheck(QCommandLineParser &p, CliStreams &io)
{
    const QString command = QStringLiteral("check");
    if (p.positionalArguments().size() != 1)
        return usageError(io, command, QStringLiteral("one year or room file is needed."));
    const QString fileName = p.positionalArguments().first();
    QString separator;
    int headerLines = 0;
    if (!delimitedOptions(p, "check", io, separator, headerLines))
        return CliExit::Usage;

    std::optional<Room> room;
    QString yearFile = fileName;
    if (looksLikeRoomFile(fileName)) {
        const RoomFileRead read = readRoomFile(fileName);
        if (!read.room)
            return failure(io, shown(fileName) + QStringLiteral(": ") + read.error.message());
        room = read.room;
        yearFile = roomDataPath(fileName, *room);
        if (yearFile.isEmpty())
            return failure(io, shown(fileName) + QStringLiteral(": It names no year data file (key \"data\")."));
        separator = separatorText(room->year.separator);
        headerLines = room->year.headerLines;
    }
    const YearFileRead read = readYearFile(yearFile, headerLines, separator, YearKeep::Numbers);
    if (read.problem != YearReadProblem::None)
        return failure(io, shown(yearFile) + QLatin1Char(' ') + yearReadProblemText(read));
    const YearSeries &series = read.series;
    const DataPageInput data = room ? room->data : DataPageInput();
    TimeAxisInput axis;
    axis.start = data.startDate;
    axis.startHour = data.startHour;
    axis.interval = data.interval;
    const YearReport report = checkYear(series, axis);
    QStringList lines = formatYearReport(report);
    // What else keeps the room from being assessed (a gap, an input the assessment needs).
    bool error = report.hasErrors();
    if (room && !error) {
        std::optional<RoomProblem> problem = checkRoomValues(*room, true);
        if (!problem)
            problem = checkYearData(room->data, series);
        if (problem) {
            lines.prepend(QStringLiteral("error: ") + problem->message());
            error = true;
        }
    }
    const qsizetype errors = std::count_if(lines.cbegin(), lines.cend(),
                                           [](const QString &l) { return l.startsWith(QLatin1String("error: ")); });
    io.out << QStringLiteral("%1: %2 rows, %3 errors, %4 warnings\n")
                  .arg(shown(yearFile)).arg(series.size()).arg(errors).arg(lines.size() - errors);
    for (const QString &line : lines)
        io.out << line << '\n';
    io.out.flush();
    return error ? CliExit::Failed : CliExit::Ok;
}

// ---- the program ------------------------------------------------------------------------

const Command kCommands[] = {
    {"template", "", "Prints a room file with every key at its default and \"data\": \"year.csv\".",
     runTemplate, templateOptions},
    {"assess", "[--jobs N] [--pdf] [--out DIR] ROOM.json...",
     "Assesses every room: DIR/<room>.xml (and .pdf), BNB-Assessment.xsl and summary.csv.", runAssess, assessOptions},
    {"pmv", "[--mode mrt|globe|operative] [--separator S] [--header-lines N] IN OUT.csv",
     "PMV, PPD and PPD-Mayer of every line, as the PMV tool's table.", runPmv, pmvOptions},
    {"year", "[--weather FILE.epw] [--simulation FILE [--column NAME]] --out YEAR.csv",
     "Writes a year file as the assessment's data page reads it.", runYear, yearOptions},
    {"rooms", "[--weather FILE.epw] --simulation FILE [--variable NAME] [--template ROOM.json] --out DIR",
     "Writes a year file and a room file per zone of a simulation.", runRooms, roomsOptions},
    {"check", "YEAR.csv|ROOM.json", "Prints the validity report of a year file or of a room's year.", runCheck,
     checkOptions},
};

QString programHelp()
{
    QString text = QStringLiteral("Usage: %1 COMMAND [options] [files]\n"
                                  "The BNB thermal-comfort assessment and PMV tables without a window.\n\n"
                                  "Commands:\n").arg(kProgram);
    for (const Command &c : kCommands)
        text += QStringLiteral("  %1%2\n      %3\n")
                    .arg(QLatin1String(c.name), *c.synopsis ? QLatin1Char(' ') + QLatin1String(c.synopsis) : QString(),
                         QLatin1String(c.description));
    text += QStringLiteral("\nOptions:\n  -h, --help     This help; COMMAND --help: the command's own.\n"
                           "  -v, --version  The program's version.\n\n"
                           "Exit status: 0 every input passed through, 1 an input failed, 2 a usage error.\n");
    return text;
}

}

bool cliPrintsPdf(const QStringList &arguments)
{
    return arguments.size() > 1 && arguments.at(1) == QLatin1String("assess")
           && arguments.mid(2).contains(QStringLiteral("--pdf"));
}

int runCli(const QStringList &arguments, CliStreams &io)
{
    const QString first = arguments.value(1);
    if (first == QLatin1String("-h") || first == QLatin1String("--help")) {
        io.out << programHelp();
        return CliExit::Ok;
    }
    if (first == QLatin1String("-v") || first == QLatin1String("--version")) {
        io.out << kProgram << ' ' << QCoreApplication::applicationVersion() << '\n';
        return CliExit::Ok;
    }
    if (first.isEmpty()) {
        io.err << programHelp();
        return CliExit::Usage;
    }
    const Command *command = nullptr;
    for (const Command &c : kCommands)
        if (first == QLatin1String(c.name))
            command = &c;
    if (!command)
        return usageError(io, QString(), QStringLiteral("unknown command \"%1\".").arg(first));

    QCommandLineParser parser;
    parser.setApplicationDescription(QLatin1String(command->description));
    const QCommandLineOption help = parser.addHelpOption();
    command->addOptions(parser);
    if (!parser.parse(arguments.mid(1)))   // the first is taken for the program's name
        return usageError(io, first, parser.errorText());
    if (parser.isSet(help)) {
        // The usage line names the program as started; here it names the command.
        QString text = parser.helpText();
        const qsizetype end = text.indexOf(QLatin1Char('\n'));
        const QString usage = text.left(end);
        const qsizetype options = usage.indexOf(QLatin1String(" ["));
        text.replace(0, options < 0 ? end : options, QStringLiteral("Usage: %1 %2").arg(kProgram, first));
        io.out << text;
        return CliExit::Ok;
    }
    return command->run(parser, io);
}
