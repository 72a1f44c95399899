// Report core: room files (keys, defaults, refusals), the rules the pages and the report show
// (summer points, draught points, radiation with the surface method, humidity hours), the whole
// assessment of a room, and the report's XML, stylesheet and PDF.
#include "assessment/yeardata.h"
#include "report/assessmenttexts.h"
#include "report/reportpdf.h"
#include "report/roomfile.h"

#include <QtTest>

#include <cmath>

namespace {

QByteArray contents(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A room file's text with the keys given as "a.b.c=json" entries replaced or added.
QByteArray edited(const Room &room, const QStringList &entries)
{
    QJsonObject top = QJsonDocument::fromJson(roomFileText(room)).object();
    for (const QString &entry : entries) {
        const QStringList path = entry.section('=', 0, 0).split('.');
        const QByteArray json = "[" + entry.section('=', 1).toUtf8() + "]";
        const QJsonArray parsed = QJsonDocument::fromJson(json).array();
        // a value the JSON reader refuses (NaN, 1e999) goes in as text and is spliced below
        const QJsonValue value = parsed.isEmpty() ? QJsonValue(QStringLiteral("\x01") + entry.section('=', 1)) : parsed.at(0);
        std::function<void(QJsonObject &, int)> set = [&](QJsonObject &o, int depth) {
            if (depth + 1 == path.size()) {
                o[path[depth]] = value;
                return;
            }
            QJsonObject inner = o[path[depth]].toObject();
            set(inner, depth + 1);
            o[path[depth]] = inner;
        };
        set(top, 0);
    }
    QByteArray text = QJsonDocument(top).toJson();
    const int raw = text.indexOf("\"\\u0001");
    if (raw >= 0) {
        const int end = text.indexOf('"', raw + 7);
        text = text.left(raw) + text.mid(raw + 7, end - raw - 7) + text.mid(end + 1);
    }
    return text;
}

// The sample year of the examples, hourly from 01.01.2011, a Sunday.
YearSeries sampleYear()
{
    const YearFileRead read = readYearFile(QFINDTESTDATA("../examples/sample_year.csv"), 1, ";");
    return yearSeriesFromRows(read.rows);
}

OperativeOutcome operative(int rows, double to, double dt, SummerModel model, double points = 0)
{
    OperativeOutcome o;
    o.input.interval = dt;
    o.input.model = model;
    o.result.summerDistribution[8] = rows;
    o.result.winter[8] = rows;
    o.result.model[SummerSlot::DegreeRows] = to;
    o.result.model[SummerSlot::Points] = points;
    return o;
}

// The sample document; its values outside Latin-1 ("–", "≤", "€") and inside it ("°", "³") must arrive unchanged.
QByteArray sampleReport()
{
    const auto values = [](const char *prefix, int n) {
        vstring v;
        for (int i = 1; i <= n; ++i)
            v.push_back(prefix + std::to_string(i));
        return v;
    };
    ReportRows mrt{values("room", 3), values("pos", 3)};
    for (int i = 1; i <= 6; ++i)
        mrt.push_back({"T" + std::to_string(i), "Not defined"});
    for (int i = 1; i <= 3; ++i)
        mrt.push_back({"PD" + std::to_string(i), "Pass"});
    mrt.push_back({"5"});
    ReportRows humidity{values("b", 7), values("c", 6), values("rh", 11), {"low", "low%"}, {"2"}};
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    beginReport(xml);
    writeChapter(xml, ReportChapter::WinterOperativeTemperature, {values("wd", 9), values("wq", 3), {"8.0"}});
    writeChapter(xml, ReportChapter::WinterDraught, {{"Yes"}, {"No"}, values("wb", 3), {"12.3", "erfüllt – DR ≤ 15 %"}, {"20"}});
    writeChapter(xml, ReportChapter::WinterRadiation, mrt);
    writeChapter(xml, ReportChapter::WinterHumidity, humidity);
    writeChapter(xml, ReportChapter::SummerOperativeTemperature,
                 {{"DIN 4108-2", "Sommer-Klimaregion B (€, m³, °C)"}, {"8:00 h", "18:00 h", "no"}, values("sd", 9),
                  values("sq", 3), {"complied"}});
    writeChapter(xml, ReportChapter::SummerDraught, {{"No"}, {"Yes"}, values("sb", 3), {"9.5", "Pass"}, {"18"}});
    writeChapter(xml, ReportChapter::SummerRadiation, mrt);
    humidity[2] = values("ah", 11);
    humidity[3] = {"up", "up%"};
    writeChapter(xml, ReportChapter::SummerHumidity, humidity);
    endReport(xml);
    return bytes;
}

}

class TestReport : public QObject
{
    Q_OBJECT

private slots:
    // Every key written, in the documented order, and read back to the same text; a room away
    // from every default too. A key left out takes the default; unknown keys are listed.
    void roomFileRoundTrip()
    {
        const Room defaults;
        const QByteArray text = roomFileText(defaults);
        QVERIFY(text.startsWith("{\n    \"format\": \"klimaro-room\",\n    \"version\": 1,\n    \"data\": \"\""));
        QCOMPARE(roomFileText(*parseRoomFile(text).room), text);
        QCOMPARE(roomFileText(*parseRoomFile("{\"format\": \"klimaro-room\", \"version\": 1}").room), text);

        Room room;
        room.year = {"../years/office.csv", ColumnSeparator::Tab, 3};
        room.data = {0.25, {1, 1, 2011}, 6, 3, 7, 19, true, SummerModel::Din4108, SummerRegion::C, 0.6, true};
        room.draught[Summer] = {true, false, 26.5, 0.15, 35.0};
        room.radiation[Winter].posture = Posture::Other;
        room.radiation[Winter].room.Zp = 1.35;
        room.radiation[Winter].room.surface[RoomSide::Ceiling] = {18.5, 31.0, true, 1, 1.5, 0.5, 2};
        room.radiation[Summer].method = MrtMethod::Surface;
        room.radiation[Summer].floorTemperatureInRange = true;
        room.humidity.parameters.pressure = 101325;
        room.humidity.springAirChange = 1.5;
        room.chapters[3] = room.chapters[6] = true;
        const QByteArray away = roomFileText(room);
        const RoomFileRead read = parseRoomFile(edited(room, {"comment=\"office 2\"", "draught.summer.colour=1"}));
        QVERIFY(read.room);
        QCOMPARE(roomFileText(*read.room), away);
        QCOMPARE(read.unknownKeys, QStringList({"draught.summer.colour", "comment"}));
    }

    void badRoomFiles_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("message");
        const Room r;
        QTest::newRow("not JSON") << QByteArray("format: klimaro-room") << "line 1, column 2: this is no JSON text (illegal value).";
        QTest::newRow("truncated") << roomFileText(r).left(300) << "line 15, column 11: this is no JSON text (unterminated string).";
        QTest::newRow("an array") << QByteArray("[1]") << "line 1: a room file is one JSON object";
        QTest::newRow("no format") << QByteArray("{\"version\": 1}") << "format: \"klimaro-room\" is expected";
        QTest::newRow("version 2") << edited(r, {"version=2"}) << "version: version 2 cannot be read";
        QTest::newRow("text for a number") << edited(r, {"timeAxis.interval=\"1\""}) << "timeAxis.interval: a number is expected, not \"1\".";
        QTest::newRow("NaN") << edited(r, {"humidity.volume=NaN"}) << "line 37, column 19: this is no JSON text (illegal number).";
        QTest::newRow("1e999") << edited(r, {"humidity.volume=1e999"}) << "line 37, column 24: this is no JSON text (illegal number).";
        QTest::newRow("negative interval") << edited(r, {"timeAxis.interval=-1"}) << "timeAxis.interval: -1 lies outside the allowed range > 0, ≤ 24.";
        QTest::newRow("31.02.2011") << edited(r, {"timeAxis.startDate=\"31.02.2011\""}) << "timeAxis.startDate: 31.02.2011 is no date";
        QTest::newRow("no date") << edited(r, {"timeAxis.startDate=\"1st of May\""}) << "timeAxis.startDate: \"1st of May\" is no date dd.mm.yyyy.";
        QTest::newRow("half a line") << edited(r, {"yearFile.headerLines=1.5"}) << "yearFile.headerLines: a whole number is expected, not 1.5.";
        QTest::newRow("working time backwards") << edited(r, {"workingTime.from=20"}) << "workingTime.to: the working time from 20 to 18 h holds no record";
        QTest::newRow("alpha 1") << edited(r, {"summerModel.alpha=1"}) << "summerModel.alpha: 1 lies outside the allowed range ≥ 0, < 1.";
        QTest::newRow("unknown model") << edited(r, {"summerModel.model=\"26\""}) << "summerModel.model: \"26\" is not one of \"fixed26\"";
        QTest::newRow("an object for a flag") << edited(r, {"draught.winter.windowVentilation={}"}) << "draught.winter.windowVentilation: true or false is expected, not { ... }.";
        QTest::newRow("air velocity -1") << edited(r, {"draught.winter.airVelocity=-1"}) << "draught.winter.airVelocity: -1 lies outside the allowed range ≥ 0.";
        QTest::newRow("turbulence 1e308") << edited(r, {"draught.summer.turbulence=1e308"}) << "draught.summer.turbulence: 1e+308 lies outside the allowed range 0–100.";
        QTest::newRow("occupant outside") << edited(r, {"radiation.summer.position.x=6"}) << "radiation.summer.position: the occupant must stand inside";
        QTest::newRow("window too wide") << edited(r, {"radiation.winter.surfaces.left.area.present=true", "radiation.winter.surfaces.left.area.g1=6"})
                                         << "radiation.winter.surfaces.left.area: the area does not fit";
        QTest::newRow("no volume") << edited(r, {"humidity.volume=0"}) << "humidity.volume: 0 lies outside the allowed range > 0.";
        QTest::newRow("recovery 120 %") << edited(r, {"humidity.humidityRecovery.spring=1.2"}) << "humidity.humidityRecovery.spring: 1.2 lies outside the allowed range 0–1.";
    }
    // Refused with the key (or line) and what is wrong; nothing of a room comes back.
    void badRoomFiles()
    {
        QFETCH(QByteArray, text);
        const RoomFileRead read = parseRoomFile(text);
        QVERIFY(!read.room);
        QFETCH(QString, message);
        QVERIFY2(read.error.message().contains(message), qPrintable(read.error.message()));
    }

    // A file too big to be a room is not read; a missing one is named with the system's reason. The
    // data path is relative to the room file's folder both ways; a room with mechanical ventilation
    // but no draught numbers is a valid file, but cannot be assessed.
    void roomFilesOnDisk()
    {
        QTemporaryDir dir;
        QFile big(dir.filePath("big.json"));
        QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(kRoomFileMaxBytes + 1));
        big.close();
        QCOMPARE(readRoomFile(big.fileName()).error.message(),
                 "The file holds 1048577 bytes; a room file holds at most 1048576: this is no room file.");
        QVERIFY(readRoomFile(dir.filePath("none.json")).error.message().startsWith("The file cannot be read: "));

        const QString roomPath = dir.filePath("rooms/office.json");
        const QString yearPath = dir.filePath("years/2011.csv");
        QCOMPARE(relativeDataPath(roomPath, yearPath), "../years/2011.csv");
        Room room;
        room.year.file = "../years/2011.csv";
        QCOMPARE(roomDataPath(roomPath, room), QDir::cleanPath(yearPath));
        room.draught[Winter].mechanical = true;
        QVERIFY(parseRoomFile(roomFileText(room)).room);
        QCOMPARE(assessRoom(room, sampleYear()).problem->message(),
                 "draught.winter.airTemperature: a number is needed with mechanical ventilation.");
    }

    void summerPoints_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<bool>("compliance");
        QTest::addColumn<double>("value");   // DIN 4108-2: degree rows, else the model's points
        QTest::addColumn<double>("dt");
        QTest::addColumn<QString>("shown");
        QTest::newRow("DIN 499.9 K·h") << 3 << false << 499.9 << 1.0 << "complied";
        QTest::newRow("DIN 500 K·h, the box does not count") << 3 << true << 500.0 << 1.0 << "not complied";
        QTest::newRow("DIN 250 rows of two hours") << 3 << false << 250.0 << 2.0 << "not complied";
        QTest::newRow("26 °C without the box: 0") << 0 << false << 45.3 << 1.0 << "0";
        QTest::newRow("box lifts 5 to 10") << 1 << true << 5.0 << 1.0 << "10";
        QTest::newRow("box keeps 9.9991") << 2 << true << 9.9991 << 1.0 << "10.0";
        QTest::newRow("box keeps 45.3") << 0 << true << 45.3 << 0.5 << "45.3";
    }
    // The summer page's points by model and compliance box; a period without working hours has none,
    // in winter too (not 30, not 10).
    void summerPoints()
    {
        QFETCH(int, model);
        QFETCH(bool, compliance);
        QFETCH(double, value);
        QFETCH(double, dt);
        const OperativeOutcome o = operative(100, model == 3 ? value : 0, dt, SummerModel(model), value);
        QTEST(summerPageTexts(o.summer(), o.input, compliance).points, "shown");
        const OperativeOutcome none = operative(0, 0, dt, SummerModel(model), value);
        QCOMPARE(summerPageTexts(none.summer(), none.input, compliance).points, "N.A");
        QCOMPARE(summerPageTexts(none.summer(), none.input, compliance).outside[1], "N.A");   // 0 / 0
        QCOMPARE(winterPageTexts(none.winter(), dt).points, "N.A");
    }

    void draughtAndRadiation_data()
    {
        QTest::addColumn<int>("season");
        QTest::addColumn<bool>("mechanical");
        QTest::addColumn<bool>("window");
        QTest::addColumn<double>("ta");
        QTest::addColumn<double>("va");
        QTest::addColumn<QString>("shown");   // DR, verdict, points
        QTest::newRow("no mechanical ventilation: full points, nothing computed") << 0 << false << false << 21.0 << 0.3 << "||20";
        QTest::newRow("winter 16.72 %: 13.14 shown as 13") << 0 << true << false << 21.0 << 0.15 << "16.72|Fail|13";
        QTest::newRow("summer half scale: 9.90 shown as 10") << 1 << true << false << 26.0 << 0.2 << "15.05|Fail|10";
        QTest::newRow("summer 0 points from 20.01 %") << 1 << true << false << 21.0 << 0.3 << "41.72|Fail|0";
        QTest::newRow("window ventilation passes") << 1 << true << true << 21.0 << 0.3 << "41.72|Pass|10";
    }
    // Draught points of both seasons; the radiation page judges nothing by the surface method.
    void draughtAndRadiation()
    {
        QFETCH(int, season);
        QFETCH(bool, mechanical);
        QFETCH(bool, window);
        QFETCH(double, ta);
        QFETCH(double, va);
        const DraughtTexts t = draughtTexts(assessDraught({mechanical, window, ta, va, 40.0}, Season(season)));
        QTEST(QStringList({t.rate, t.verdict, t.points}).join('|'), "shown");

        RadiationInput r = defaultRadiationInput();
        r.floorTemperatureInRange = true;
        QCOMPARE(radiationTexts(assessRadiation(r, season == Summer)).points, season == Summer ? "10" : "20");
        r.method = MrtMethod::Surface;
        const RadiationTexts surface = radiationTexts(assessRadiation(r, true));
        QCOMPARE(QStringList({surface.mrt, surface.pd[0], surface.verdict[2], surface.points}).join('|'), "20.00|N.A|N.A|N.A");
    }

    // Hours outside the humidity limits are records × interval, as the distributions; shares and
    // points stay ratios of records.
    void humidityHours()
    {
        using namespace HumiditySlot;
        HumidityOutcome o;
        o.interval = 0.5;
        o.assessment.rhSummer[10] = 2600;
        o.assessment.summary[SummerAbove] = 147;
        o.assessment.summary[SummerBelow] = 3;
        o.assessment.summary[SummerRhTotal] = 2600;
        o.assessment.summary[SummerPoints] = 10;
        const HumidityPageTexts t = humidityPageTexts(o, Summer);
        QCOMPARE(QStringList({t.relativeHumidity.last(), t.above, t.aboveShare, t.below, t.belowShare, t.points}).join(' '),
                 "1300.0 73.5 5.7 1.5 0.1 10.0");
    }

    // The whole room: every criterion computed from one room and its year (the example office room); a
    // year that cannot be assessed is named with the key "data". The report holds the ticked chapters in
    // their order.
    void wholeRoom()
    {
        const QString example = QFINDTESTDATA("../examples/office_room.json");
        const RoomFileRead read = readRoomFile(example);
        QVERIFY(read.room && read.unknownKeys.isEmpty());
        QCOMPARE(roomFileText(*read.room), contents(example));
        Room room = *read.room;
        QCOMPARE(roomDataPath(example, room), QDir::cleanPath(QFINDTESTDATA("../examples/sample_year.csv")));
        room.chapters[1] = false;
        YearSeries year = sampleYear();
        const RoomAssessment a = assessRoom(room, year);
        QVERIFY(!a.problem && a.operative && a.humidity && a.draught[Summer] && a.radiation[Winter]);
        QByteArray xml;
        QXmlStreamWriter writer(&xml);
        writeRoomReport(writer, a);
        QCOMPARE(xml.count("<kapitel "), 7);
        QVERIFY(xml.contains("<wert>Adaptive model (DIN EN 15251)</wert>\n                <wert>N/A</wert>"));
        QVERIFY(xml.indexOf("typ=\"Sommer\" titel=\"Indoor Humidity: Summer\"") > xml.indexOf("titel=\"Indoor Humidity: Winter\""));

        year.indoorTemp[4000] = std::nan("");
        QCOMPARE(assessRoom(room, year).problem->message(),
                 "data: 1 cells of the year data hold no number, the first in record 4001, column 3.");
        year.indoorTemp[4000] = 21.0;
        year.indoorTemp.resize(6000);
        year.outdoorTemp.resize(6000);
        year.outdoorHumid.resize(6000);
        QCOMPARE(assessRoom(room, year).problem->message(),
                 "data: the year data hold no record for the season boundary 01.10.2011 0:00.");
    }

    // No chapter spans its values; the row writer does from sp 1 on. No values: an empty element. A translator
    // (here one that marks its input) reaches titles and captions, not one-space titles, values or the typ.
    void rowsAndTitles()
    {
        QString out;
        QXmlStreamWriter xml(&out);
        for (int sp : {0, 1, 3, 4})
            writeXmlRow(xml, sp, "", sp < 4 ? vstring{"a", "b"} : vstring{}, sp);
        QCOMPARE(out, "<zeile nr=\"0\"><wert>a</wert><wert>b</wert></zeile>"
                      "<zeile nr=\"1\"><wert sp=\"1\">a</wert><wert sp=\"1\">b</wert></zeile>"
                      "<zeile nr=\"3\"><wert sp=\"3\">a</wert><wert sp=\"3\">b</wert></zeile><zeile nr=\"4\"/>");
        out.clear();
        writeChapter(xml, ReportChapter::WinterOperativeTemperature, {{"wd"}},
                     [](const char *s) { return "«" + QString::fromUtf8(s) + "»"; });
        QVERIFY2(out.startsWith("<kapitel nr=\"1\" typ=\"Winter\" titel=\"«Operative Temperature: Winter»\">"), qPrintable(out));
        QVERIFY2(out.contains("<zeile nr=\"0\" titel=\" \"><wert>«To &lt;= 19»</wert>"), qPrintable(out));
        QVERIFY2(out.contains("<zeile nr=\"1\" titel=\"«Hours (h)»\"><wert>wd</wert></zeile>"), qPrintable(out));
        for (int code = 1; code <= 8; ++code)
            QCOMPARE(chapterErrorCode(*chapterOfErrorCode(code)), code);
        QVERIFY(!chapterOfErrorCode(0) && !chapterOfErrorCode(9));
    }

    // tests/data/report_sample.xml, by hand from the chapter tables: names, attribute order, row numbers, one-space
    // titles, untitled rows, 4.1's two header rows, 2.5 in summer draught, no sp. The stylesheet shows every title and
    // value in order, escaped, through libxslt (as xsltproc, browsers); the PDF: a title page, one page per chapter.
    void sampleReportAsXmlHtmlAndPdf()
    {
        const QByteArray report = sampleReport();
        QCOMPARE(QString::fromUtf8(report).split('\n'), QString::fromUtf8(contents(QFINDTESTDATA("data/report_sample.xml"))).split('\n'));

        QString html, error;
        QVERIFY2(transformReport(report, reportStylesheet(), html, error), qPrintable(error));
        QXmlStreamReader xml(report);
        int from = 0;
        while (!xml.atEnd()) {
            xml.readNext();
            QString text = xml.isStartElement() ? xml.attributes().value("titel").toString() : xml.text().toString();
            text = text.trimmed().toHtmlEscaped().replace("&quot;", "\"");
            if (text.isEmpty())
                continue;
            const int at = html.indexOf(text, from);
            QVERIFY2(at >= 0, qPrintable("missing or out of order: " + text));
            from = at;
        }

        QTemporaryDir dir;
        const QString pdf = dir.filePath("report.pdf");
        QVERIFY2(writeReportPdf(report, pdf, error), qPrintable(error));
        QCOMPARE(contents(pdf).count("/Type /Page\n"), 9);
        QVERIFY(!writeReportPdf("<dokument>", pdf, error));
        QVERIFY2(error.contains("Premature end of data") || error.contains("dokument"), qPrintable(error));
    }
};

QTEST_MAIN(TestReport)
#include "tst_report.moc"
