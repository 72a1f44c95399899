// The command-line program klimaro-cli, run as a user runs it (QProcess, no display, no
// QT_QPA_PLATFORM): its files compared with the windows' own output for the same input.
#include "comfort/pmvform.h"
#include "report/bnbmenuform.h"

#include "messagecatcher.h"
#include "widgetlookup.h"

#include <QtTest>

namespace {

struct Run {
    int status = -1;
    QString out, err;
};

Run cli(const QStringList &arguments, const QString &folder = QString())
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(folder);
    p.start(KLIMARO_CLI, arguments);
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit)
        return {};
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

QByteArray contents(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool save(const QString &fileName, const QByteArray &bytes)
{
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A room file's text with "a.b.c=json" entries set.
QByteArray edited(const QByteArray &room, const QStringList &entries)
{
    QJsonObject top = QJsonDocument::fromJson(room).object();
    for (const QString &entry : entries) {
        const QStringList path = entry.section('=', 0, 0).split('.');
        const QJsonValue value = QJsonDocument::fromJson("[" + entry.section('=', 1).toUtf8() + "]").array().at(0);
        std::function<void(QJsonObject &, int)> set = [&](QJsonObject &o, int depth) {
            if (depth + 1 == path.size())
                return void(o[path[depth]] = value);
            QJsonObject inner = o[path[depth]].toObject();
            set(inner, depth + 1);
            o[path[depth]] = inner;
        };
        set(top, 0);
    }
    return QJsonDocument(top).toJson();
}

QStringList everyChapter()
{
    QStringList entries;
    for (const QString season : {"winter", "summer"})
        for (const QString c : {"operativeTemperature", "draught", "radiation", "humidity"})
            entries << QStringLiteral("report.%1.%2=true").arg(season, c);
    return entries;
}

class ReportWindow : public bnbMenuForm
{
public:
    ReportWindow() : bnbMenuForm(nullptr) {}
    QString askReportFileName(const QString &, const QString &) override { return fileName; }
    QString fileName;
};

class TableForm : public pmvForm
{
public:
    TableForm() : pmvForm(nullptr) { click(*this, "checkBoxReadData"); }
    QString answer;

protected:
    QString askOpenFileName() override { return answer; }
    QString askSaveFileName() override { return answer; }
};

}

class TestCli : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;
    QString year;

    QString path(const QString &name) const { return dir.filePath(name); }

private slots:
    void initTestCase()
    {
        year = path("years/sample.csv");
        QVERIFY(QDir(dir.path()).mkpath("years"));
        QVERIFY(QFile::copy(QFINDTESTDATA("../examples/sample_year.csv"), year));
    }

    void templateEditAssessAsTheWindow_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("summary");
        QTest::newRow("26 °C, defaults") << QStringList() << "26 °C;0.0;0;20;10;0;0;0.0;10.0;;;;;;ok";
        QTest::newRow("adaptive, hours per category")
            << QStringList{"summerModel.model=\"adaptive\"", "summerModel.alpha=0.7"}
            << "Adaptive model (DIN EN 15251);0.0;0;20;10;0;0;0.0;10.0;796.0;150.0;73.0;81.0;200.0;ok";
        QTest::newRow("national annex, compliance confirmed")
            << QStringList{"summerModel.model=\"nationalAnnex\"", "summerModel.dinCompliance=true",
                           "radiation.winter.floorTemperatureInRange=true"}
            << "National annex (DIN EN 15251);0.0;65.7;20;10;20;0;0.0;10.0;;;;;;ok";
        QTest::newRow("DIN 4108-2 region C, draught")
            << QStringList{"summerModel.model=\"din4108\"", "summerModel.region=\"C\"",
                           "draught.summer.mechanicalVentilation=true", "draught.summer.airTemperature=25",
                           "draught.summer.airVelocity=0.2", "draught.summer.turbulence=40"}
            << "DIN 4108-2;0.0;complied;20;10;0;0;0.0;10.0;;;;;;ok";
    }
    // template → edit → assess: the XML is the bytes the window exports when it opens the same room.
    void templateEditAssessAsTheWindow()
    {
        QFETCH(QStringList, entries);
        QFETCH(QString, summary);
        const Run t = cli({"template"});
        QCOMPARE(t.status, 0);
        QVERIFY(t.out.contains("\"data\": \"year.csv\""));
        QVERIFY(QDir(dir.path()).mkpath("rooms"));
        const QString room = path("rooms/office.json");
        QVERIFY(save(room, edited(t.out.toUtf8(), entries + everyChapter() + QStringList{"data=\"../years/sample.csv\""})));

        const Run a = cli({"assess", "--out", "reports", "rooms/office.json"}, dir.path());
        QCOMPARE(a.err, QString());
        QCOMPARE(a.status, 0);
        QCOMPARE(QString::fromUtf8(contents(path("reports/summary.csv"))).split('\n').at(1), "office;" + summary);

        MessageCatcher catcher;
        ReportWindow window;
        QVERIFY(window.openRoom(room));
        window.fileName = path("window.xml");
        click(window, "exportButton");
        QCOMPARE(catcher.count, 0);
        const QByteArray shown = contents(window.fileName);
        QCOMPARE(shown.count("<kapitel "), 8);
        QCOMPARE(QString::fromUtf8(contents(path("reports/office.xml"))).split('\n'), QString::fromUtf8(shown).split('\n'));
    }

    // Good and bad rooms together, in parallel or not: the same files, the summary in the order given, the bad
    // rooms named on standard error with their file, exit status 1. The PDF is printed without a display.
    void badRoomsAmongGoodOnesAnyJobs()
    {
        QVERIFY(QDir(dir.path()).mkpath("set/a") && QDir(dir.path()).mkpath("set/b"));
        const QByteArray room = edited(contents(QFINDTESTDATA("../examples/office_room.json")),
                                       {"data=\"../../years/sample.csv\""});
        QByteArray shortYear = contents(year);
        shortYear.truncate(shortYear.indexOf("\n", 60000));
        QVERIFY(save(path("years/short.csv"), shortYear));
        const QList<std::pair<QString, QByteArray>> rooms = {
            {"set/a/office.json", room},
            {"set/a/missing year.json", edited(room, {"data=\"../none.csv\""})},
            {"set/b/refused.json", edited(room, {"timeAxis.interval=0"})},
            {"set/b/ends in summer.json", edited(room, {"data=\"../../years/short.csv\""})},
            {"set/b/din;c.json", edited(room, {"summerModel.model=\"din4108\"", "summerModel.region=\"C\""})}};
        QStringList files;
        for (const auto &[name, text] : rooms) {
            QVERIFY(save(path(name), text));
            files << name;
        }
        QVERIFY(QDir(dir.path()).mkpath("jobs2"));
        QVERIFY(save(path("jobs2/BNB-Assessment.xsl"), "edited"));
        const Run one = cli(QStringList{"assess", "--jobs", "1", "--out", "jobs1"} + files, dir.path());
        const Run two = cli(QStringList{"assess", "-j", "2", "--pdf", "--quiet", "--out", "jobs2"} + files, dir.path());
        QCOMPARE(one.status, 1);
        QCOMPARE(two.status, 1);
        const QStringList errors = one.err.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(errors, two.err.split('\n', Qt::SkipEmptyParts).filter(".json: "));
        QCOMPARE(errors, QStringList({
            "set/a/missing year.json: " + path("set/none.csv") + " cannot be read: No such file or directory",
            "set/b/refused.json: timeAxis.interval: 0 lies outside the allowed range > 0, ≤ 24.",
            "set/b/ends in summer.json: " + path("years/short.csv")
                + ": data: the year data hold no record for the season boundary 01.10.2011 0:00."}));
        const QStringList summary = QString::fromUtf8(contents(path("jobs1/summary.csv"))).split('\n');
        QCOMPARE(summary.mid(1), QStringList({
            "office;Adaptive model (DIN EN 15251);0.0;0;20;10;20;10;30.0;10.0;756.0;159.0;84.0;121.0;180.0;ok",
            "missing year;Adaptive model (DIN EN 15251);;;;;;;;;;;;;;" + errors[0].section(".json: ", 1),
            "refused;;;;;;;;;;;;;;;" + errors[1].section(".json: ", 1),
            "ends in summer;Adaptive model (DIN EN 15251);;;;;;;;;;;;;;" + errors[2].section(".json: ", 1),
            "\"din;c\";DIN 4108-2;0.0;complied;20;10;20;10;30.0;10.0;;;;;;ok", ""}));
        for (const QString name : {"summary.csv", "office.xml", "din;c.xml"})
            QCOMPARE(contents(path("jobs2/" + name)), contents(path("jobs1/" + name)));
        QCOMPARE(QDir(path("jobs1")).entryList(QDir::Files),
                 QStringList({"BNB-Assessment.xsl", "din;c.xml", "office.xml", "summary.csv"}));
        QCOMPARE(contents(path("jobs1/BNB-Assessment.xsl")).left(5), "<?xml");
        QCOMPARE(contents(path("jobs2/BNB-Assessment.xsl")), "edited");   // an existing stylesheet kept
        for (const QString name : {"office.pdf", "din;c.pdf"})
            QVERIFY(contents(path("jobs2/" + name)).startsWith("%PDF-"));
    }

    void usageErrors_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("no command") << QStringList() << "Usage: klimaro-cli COMMAND";
        QTest::newRow("unknown command") << QStringList{"asses"} << "unknown command \"asses\"";
        QTest::newRow("unknown option") << QStringList{"assess", "--job", "2", "a.json"} << "Unknown option 'job'";
        QTest::newRow("no room") << QStringList{"assess", "--jobs", "2"} << "no room file given";
        QTest::newRow("jobs 0") << QStringList{"assess", "--jobs", "0", "a.json"} << "--jobs: \"0\" is no whole number";
        QTest::newRow("same name in two folders")
            << QStringList{"assess", "--out", "written", "set/a/office.json", "office.json"}
            << "set/a/office.json and office.json have the same name office";
        QTest::newRow("pmv mode") << QStringList{"pmv", "--mode", "tg", "in", "out.csv"} << "--mode: \"tg\" is none of";
        QTest::newRow("pmv one file") << QStringList{"pmv", "in"} << "an input file and an output file are needed";
        QTest::newRow("check separator") << QStringList{"check", "--separator", "|", "y.csv"} << "--separator: \"|\"";
        QTest::newRow("year without source") << QStringList{"year", "--out", "y.csv"} << "--weather or --simulation";
    }
    // A usage error: exit status 2, the message and where to find help, nothing written.
    void usageErrors()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const Run r = cli(arguments, dir.path());
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QVERIFY(arguments.isEmpty() || r.err.contains("Try 'klimaro-cli"));
        QCOMPARE(r.out, QString());
        QVERIFY(!QFileInfo::exists(path("written")));
    }

    void pmvAsTheTool_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("radio");
        QTest::newRow("mrt") << "mrt" << "radioTableMRT";
        QTest::newRow("globe") << "globe" << "radioTableTaTg";
        QTest::newRow("operative") << "operative" << "radioTableTo";
    }
    // The PMV tool's table mode and the pmv command on the same file: the same CSV, the same gaps named.
    void pmvAsTheTool()
    {
        QFETCH(QString, mode);
        QFETCH(QString, radio);
        const QString in = path("states.txt");
        QVERIFY(save(in, "Ta,Tr,rH,Va,clo\n22,22,60,0.1,0.5\n35,35,60,-0.1,0.5\n26,x,50,0.15\n24,25,55,0.2,1.0,9\n"
                         "24,,55,0.2,1.0,\n"));
        TableForm form;
        click(form, radio);
        form.answer = in;
        enter(form, {"csvcomboBox=1"});
        click(form, "readPreviewButton");
        MessageCatcher catcher;
        click(form, "compute");
        form.answer = path("tool.csv");
        click(form, "CsvWriteButton");
        QCOMPARE(catcher.count, 1);

        const Run r = cli({"pmv", "--mode", mode, "--separator", "comma", "--header-lines", "1", in, "cli.csv"}, dir.path());
        QCOMPARE(r.status, 0);
        QCOMPARE(contents(path("cli.csv")), contents(path("tool.csv")));
        QVERIFY(contents(path("cli.csv")).contains(",N.A,N.A,N.A\n"));
        QString warning = catcher.text.replace('\n', ' ');
        warning[0] = warning[0].toLower();
        QCOMPARE(r.err, "warning: " + in + ": " + warning + "\n");
    }

    void pmvRefusesAsTheTool_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x10", 20);
        QTest::newRow("header line only") << QByteArray("Ta;Tr;rH;Va;clo\n");
    }
    // What the PMV tool's import refuses, the pmv command refuses with the same reason and writes nothing.
    void pmvRefusesAsTheTool()
    {
        QFETCH(QByteArray, bytes);
        const QString in = path("refused.txt");
        QVERIFY(save(in, bytes));
        TableForm form;
        form.answer = in;
        MessageCatcher catcher;
        click(form, "readPreviewButton");
        QCOMPARE(catcher.count, 1);
        const Run r = cli({"pmv", in, "refused.csv"}, dir.path());
        QCOMPARE(r.status, 1);
        QCOMPARE(r.err, catcher.text.replace(":\n", ": ") + "\n");
        QVERIFY(!QFileInfo::exists(path("refused.csv")));
    }

    // Year and room files from a weather file and simulation output, and the validity report.
    void yearRoomsAndCheck()
    {
        const QString epw = QFINDTESTDATA("../examples/weather_july.epw");
        const QString csv = QFINDTESTDATA("../examples/eplusout_july.csv");
        // Told apart by content: a CSV named .sql is read as CSV.
        QVERIFY(QFile::copy(csv, path("eplusout.sql")));
        const Run rooms = cli({"rooms", "--simulation", "eplusout.sql", "--weather", epw, "--out", "zones", "--quiet"}, dir.path());
        QCOMPARE(rooms.status, 0);
        QCOMPARE(rooms.err, QString());
        QCOMPARE(QDir(path("zones")).entryList(QDir::Files),
                 QStringList({"OFFICE_NORTH.csv", "OFFICE_NORTH.json", "OFFICE_SOUTH.csv", "OFFICE_SOUTH.json",
                              "OFFICE_WEST.csv", "OFFICE_WEST.json"}));
        // A zone that reports the variable only per time step is left out, and named.
        QByteArray timeStep = contents(csv);
        timeStep.replace("OFFICE SOUTH:Zone Operative Temperature [C](Hourly)", "OFFICE SOUTH:Zone Operative Temperature [C](TimeStep)");
        QVERIFY(save(path("timestep.csv"), timeStep));
        const Run two = cli({"rooms", "--simulation", "timestep.csv", "--out", "two"}, dir.path());
        QCOMPARE(two.err.split('\n').first(), "warning: timestep.csv: OFFICE SOUTH:Zone Operative Temperature [C](TimeStep) is not hourly: left out");
        QCOMPARE(QDir(path("two")).entryList({"*.json"}), QStringList({"OFFICE_NORTH.json", "OFFICE_WEST.json"}));
        const QByteArray room = contents(path("zones/OFFICE_WEST.json"));
        for (const char *key : {"\"data\": \"OFFICE_WEST.csv\"", "\"startDate\": \"01.07.2011\"", "\"firstWeekday\": \"Wednesday\""})
            QVERIFY2(room.contains(key), key);
        const Run west = cli({"year", "--weather", epw, "--simulation", csv, "--column", "OFFICE WEST:Zone Operative Temperature",
                              "--out", "west.csv"}, dir.path());
        QCOMPARE(west.status, 0);
        QCOMPARE(contents(path("west.csv")), contents(path("zones/OFFICE_WEST.csv")));
        QCOMPARE(west.err.split('\n').first(), "west.csv: error: 96 rows where a year holds 8760");

        const Run check = cli({"check", "zones/OFFICE_WEST.json"}, dir.path());
        QCOMPARE(check.status, 1);
        const QStringList lines = check.out.split('\n');
        QCOMPARE(lines.first(), path("zones/OFFICE_WEST.csv") + ": 96 rows, 2 errors, 0 warnings");
        QVERIFY(lines.at(1).startsWith("error: 96 rows where a year holds "));
        QCOMPARE(lines.at(2), "error: no row for the season boundary 01.10.2011 00:00");
        QCOMPARE(cli({"check", year}).out, year + ": 8760 rows, 0 errors, 0 warnings\n");   // the sample year
        // A gap passes the validity report as a warning; the room cannot be assessed with it.
        QByteArray gap = contents(this->year);
        gap.replace("\n-1,2;97;19,77\n", "\n-1,2;97;\n");
        QVERIFY(save(path("years/gap.csv"), gap));
        QVERIFY(save(path("gap.json"), edited(contents(QFINDTESTDATA("../examples/office_room.json")),
                                              {"data=\"years/gap.csv\""})));
        QCOMPARE(cli({"check", "gap.json"}, dir.path()).out.split('\n').mid(1, 2), QStringList({
            "error: data: 1 cells of the year data hold no number, the first in record 2, column 3.",
            "warning: indoor operative temperature: 1 missing value: row 2 (01.01.2011 01:00)"}));

        // A truncated weather file: the file and line named, nothing written.
        QByteArray cut = contents(epw);
        QVERIFY(save(path("cut.epw"), cut.left(cut.lastIndexOf('\n', cut.size() - 2) + 1)));
        const Run bad = cli({"year", "--weather", "cut.epw", "--out", "cut.csv"}, dir.path());
        QCOMPARE(bad.status, 1);
        QCOMPARE(bad.err, "cut.epw: line 103: the file ends after 95 of the data period's 96 records\n");
        QVERIFY(!QFileInfo::exists(path("cut.csv")));
    }
};

QTEST_MAIN(TestCli)
#include "tst_cli.moc"
