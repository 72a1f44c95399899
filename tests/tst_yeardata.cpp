// Year data from files: the EPW weather file, EnergyPlus CSV and SQLite output, the plain year
// file, their combination and the validity report. Every file is written here.
#include "assessment/energyplus.h"
#include "assessment/weatherfile.h"
#include "assessment/yearcheck.h"
#include "assessment/yeardata.h"
#include "comfort/delimitedtext.h"

#include <QBuffer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

Q_DECLARE_METATYPE(YearSeries)
Q_DECLARE_METATYPE(ReadProblem)

namespace {

const double gap = std::nan("");
const char *const kWeekdays[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

// Calendar days from month/day on, 29 February after 28 February when leap.
std::vector<std::pair<int, int>> days(int month, int day, int count, bool leap = false)
{
    std::vector<std::pair<int, int>> d;
    while (int(d.size()) < count) {
        d.emplace_back(month, day);
        if (leap && month == 2 && day == 28)
            ++day;
        else if (day >= monthLength(month))
            day = 1, month = month % 12 + 1;
        else
            ++day;
    }
    return d;
}

// Record k: dry bulb -5 + k/10 °C, humidity 40 + k % 50 %.
QString dryBulb(int k) { return QString::number(-5 + k / 10.0, 'f', 1); }

// An EPW whose data period covers the days; one line per record, nine fields and a few more.
QStringList weatherLines(const std::vector<std::pair<int, int>> &period, int perHour = 1)
{
    const auto [em, ed] = period.back();
    QStringList lines{"LOCATION,Potsdam,BB,DEU,TRY2015,103790,52.38,13.07,1.0,81.0", "DESIGN CONDITIONS,0",
                      "TYPICAL/EXTREME PERIODS,0", "GROUND TEMPERATURES,0", "HOLIDAYS/DAYLIGHT SAVINGS,No,0,0,0",
                      "COMMENTS 1,written by the test", "COMMENTS 2,",
                      QString("DATA PERIODS,1,%1,Data,Sunday, %2/ %3,%4/%5")
                          .arg(perHour).arg(period.front().first).arg(period.front().second).arg(em).arg(ed)};
    int k = 0;
    for (const auto &[m, d] : period)
        for (int h = 1; h <= 24; ++h)
            for (int s = 1; s <= perHour; ++s, ++k)
                lines << QString("2015,%1,%2,%3,%4,?9?9?9?9E0?9?9*9,%5,-7.0,%6,99300,0,0,301")
                             .arg(m).arg(d).arg(h).arg(60 * s / perHour).arg(dryBulb(k)).arg(40 + k % 50);
    return lines;
}

QByteArray text(const QStringList &lines) { return lines.join('\n').toUtf8() + '\n'; }

QStringList replaced(QStringList lines, int line, const QString &with)
{
    lines[line - 1] = with;
    return lines;
}

// eplusout.csv: outdoor air, humidity, ZONE1 operative (hourly) and a daily column; record k
// of the run period at 20 + k/100 °C. Design days 21 July and 21 January come first.
QStringList simulationLines(const std::vector<std::pair<int, int>> &run, bool designDays = true)
{
    QStringList lines{"Date/Time,Environment:Site Outdoor Air Drybulb Temperature [C](Hourly),"
                      "Environment:Site Outdoor Air Relative Humidity [%](Hourly),"
                      "BLOCK:ZONE1:Zone Operative Temperature [C](Hourly),ZONE1:Zone Air Temperature [C](Daily)"};
    std::vector<std::pair<int, int>> all = designDays ? days(7, 21, 1) : std::vector<std::pair<int, int>>{};
    if (designDays)
        all.emplace_back(1, 21);
    const int skip = int(all.size()) * 24;
    all.insert(all.end(), run.begin(), run.end());
    int k = 0;
    for (const auto &[m, d] : all) {
        for (int h = 1; h <= 24; ++h, ++k)
            lines << QString(" %1/%2  %3:00:00,%4,%5,%6,").arg(m, 2, 10, QChar('0')).arg(d, 2, 10, QChar('0'))
                         .arg(h, 2, 10, QChar('0')).arg(dryBulb(k)).arg(40 + k % 50).arg(20 + (k - skip) / 100.0);
        lines.last() += "21.5";   // the daily value on the day's last row
    }
    return lines;
}

QString summary(const SourceSeries &s)
{
    if (!s.ok())
        return formatReadError(s.error);
    const SourceInfo &i = s.info;
    QString t = QString("%1 records from %2 %3 h, %4 h, %5 leap, %6 other, weekday %7, year %8, %9")
                    .arg(i.records).arg(formatDate(i.start)).arg(i.startHour).arg(i.interval)
                    .arg(i.leapDayRecords).arg(i.otherRecords).arg(i.firstWeekday).arg(i.sourceYear).arg(i.place);
    for (const std::vector<double> &c : s.columns)
        t += QString("; %1 gaps, %2 ... %3").arg(std::count_if(c.begin(), c.end(), [](double v) { return std::isnan(v); }))
                 .arg(c.front()).arg(c.back());
    return t;
}

SourceSeries readCsv(const QByteArray &bytes, const std::vector<int> &variables)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return readEnergyPlusCsv(buffer, "eplusout.csv", variables);
}

enum SqlFault { SqlSound, SqlHourMissing, SqlTextValue, SqlNoRunPeriod, SqlOtherTables };

// eplusout.sql as EnergyPlus writes it: a winter design day, warm-up hours, then three run-period
// days from 1 January (a holiday, then Monday). Time row t: operative temperature 20 + t/100 °C
// (none at 1 January, hour 5), outdoor air -5 + t/10 °C; a meter and a daily variable besides.
void fillSql(const QString &path, SqlFault fault)
{
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "writer");
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery q(db);
        const auto exec = [&](const QString &sql, const QVariantList &values = {}) {
            QVERIFY2(q.prepare(sql), qPrintable(sql));
            for (const QVariant &v : values)
                q.addBindValue(v);
            QVERIFY2(q.exec(), qPrintable(sql));
        };
        if (fault == SqlOtherTables) {
            exec("CREATE TABLE Zones (ZoneIndex INTEGER PRIMARY KEY, ZoneName TEXT)");
            return;
        }
        db.transaction();
        exec("CREATE TABLE EnvironmentPeriods (EnvironmentPeriodIndex INTEGER PRIMARY KEY, SimulationIndex INTEGER, "
             "EnvironmentName TEXT, EnvironmentType INTEGER)");
        exec("CREATE TABLE Time (TimeIndex INTEGER PRIMARY KEY, Year INTEGER, Month INTEGER, Day INTEGER, Hour INTEGER, "
             "Minute INTEGER, Dst INTEGER, Interval INTEGER, IntervalType INTEGER, SimulationDays INTEGER, DayType TEXT, "
             "EnvironmentPeriodIndex INTEGER, WarmupFlag INTEGER)");
        exec("CREATE TABLE ReportDataDictionary (ReportDataDictionaryIndex INTEGER PRIMARY KEY, IsMeter INTEGER, "
             "Type TEXT, IndexGroup TEXT, TimestepType TEXT, KeyValue TEXT, Name TEXT, ReportingFrequency TEXT, "
             "ScheduleName TEXT, Units TEXT)");
        exec("CREATE TABLE ReportData (ReportDataIndex INTEGER PRIMARY KEY, TimeIndex INTEGER, "
             "ReportDataDictionaryIndex INTEGER, Value REAL)");
        exec("INSERT INTO ReportDataDictionary VALUES (1, 0, 'Avg', 'Location', 'Zone', 'Environment', "
             "'Site Outdoor Air Drybulb Temperature', 'Hourly', '', 'C'), (2, 1, 'Sum', 'Facility', 'Zone', '', "
             "'Electricity:Facility', 'Hourly', '', 'J'), (3, 0, 'Avg', 'Zone', 'Zone', 'ZONE1', "
             "'Zone Operative Temperature', 'Hourly', '', 'C'), (4, 0, 'Avg', 'Zone', 'Zone', 'ZONE1', "
             "'Zone Mean Air Temperature', 'Daily', '', 'C')");
        exec("INSERT INTO EnvironmentPeriods VALUES (1, 1, 'WINTER DESIGN DAY', 1), (2, 1, 'RUN PERIOD 1', ?)",
             {fault == SqlNoRunPeriod ? 2 : 3});
        int time = 0;
        const auto hour = [&](int env, int m, int d, int h, const QString &dayType, int warmup) {
            exec("INSERT INTO Time VALUES (?, 2017, ?, ?, ?, 0, 0, 60, 1, 1, ?, ?, ?)",
                 {++time, m, d, h, dayType, env, warmup});
            exec("INSERT INTO ReportData (TimeIndex, ReportDataDictionaryIndex, Value) VALUES (?, 1, ?)",
                 {time, -5 + time / 10.0});
            if (env == 2 && warmup == 0 && !(m == 1 && d == 1 && h == 5))
                exec("INSERT INTO ReportData (TimeIndex, ReportDataDictionaryIndex, Value) VALUES (?, 3, ?)",
                     {time, fault == SqlTextValue && h == 7 ? QVariant("warm") : QVariant(20 + time / 100.0)});
        };
        for (int h = 1; h <= 24; ++h)
            hour(1, 1, 21, h, "WinterDesignDay", 0);
        for (int h = 1; h <= 3; ++h)
            hour(2, 1, 1, h, "Holiday", 1);
        for (int d = 1; d <= 3; ++d)
            for (int h = 1; h <= 24; ++h)
                if (!(fault == SqlHourMissing && d == 2 && h == 3))
                    hour(2, 1, d, h, d == 1 ? "Holiday" : kWeekdays[d - 1], 0);
        exec("INSERT INTO Time VALUES (?, 2017, 1, 1, 24, 0, 0, 1440, 2, 1, 'Holiday', 2, 0)", {++time});
        db.commit();
}

void writeSql(const QString &path, SqlFault fault)
{
    fillSql(path, fault);
    QSqlDatabase::removeDatabase("writer");
}

// An hourly year from 01.01.2011 that no check flags: indoor 20-24 °C, never two equal values.
YearSeries cleanYear(int rows = 8760)
{
    YearSeries y;
    for (int i = 0; i < rows; ++i) {
        y.outdoorTemp.push_back(10 + 10 * std::sin(i * 0.001) + 3 * std::sin(i * 0.26));
        y.outdoorHumid.push_back(70 + 20 * std::sin(i * 0.07));
        y.indoorTemp.push_back(22 + 2 * std::sin(i * 0.26) + i * 1e-6);
    }
    return y;
}

YearSeries withValues(YearSeries y, std::vector<double> YearSeries::*column, int from, const std::vector<double> &values)
{
    for (size_t k = 0; k < values.size(); ++k)
        (y.*column)[size_t(from) + k] = values[k];
    return y;
}

}

class TestYearData : public QObject
{
    Q_OBJECT
private slots:
    void weatherFiles_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("result");
        const QStringList three = weatherLines(days(1, 1, 3));
        const QString place = "weekday 1, year 2015, Potsdam, DEU";
        QTest::newRow("three days from Sunday 1 January")
            << text(three) << "72 records from 01.01.2011 0 h, 1 h, 0 leap, 0 other, " + place + "; 0 gaps, -5 ... 2.1; 0 gaps, 40 ... 61";
        QStringList gaps = replaced(three, 9, QString(three[8]).replace(",-5.0,", ",99.9,"));
        gaps = replaced(replaced(gaps, 10, QString(three[9]).replace(",41,", ",999,")), 80, QString(three[79]).replace(",2.1,", ",,"));
        QTest::newRow("markers 99.9 and 999 and an empty field are gaps")
            << text(gaps) << "72 records from 01.01.2011 0 h, 1 h, 0 leap, 0 other, " + place + "; 2 gaps, nan ... nan; 1 gaps, 40 ... 61";
        QTest::newRow("leap year: 29 February dropped")
            << text(weatherLines(days(2, 28, 3, true))) << "48 records from 28.02.2011 0 h, 1 h, 24 leap, 0 other, " + place + "; 0 gaps, -5 ... 2.1; 0 gaps, 40 ... 61";
        QTest::newRow("data period over the year end")
            << text(weatherLines(days(12, 31, 2))) << "48 records from 31.12.2011 0 h, 1 h, 0 leap, 0 other, " + place + "; 0 gaps, -5 ... -0.3; 0 gaps, 40 ... 87";
        QTest::newRow("four records an hour, as DATA PERIODS says")
            << text(weatherLines(days(6, 1, 1), 4)) << "96 records from 01.06.2011 0 h, 0.25 h, 0 leap, 0 other, " + place + "; 0 gaps, -5 ... 4.5; 0 gaps, 40 ... 85";
        QTest::newRow("truncated at a line end") << text(three.mid(0, 70))
                                                 << "weather.epw: line 70: the file ends after 62 of the data period's 72 records";
        QTest::newRow("truncated inside a line") << text(replaced(three, 80, "2015,1,3,24,60,?9?9,2")) << "weather.epw: line 80: 7 fields, 9 needed";
        QTest::newRow("text in the dry-bulb field") << text(replaced(three, 20, QString(three[19]).replace(",-3.9,", ",-3x9,")))
                                                    << "weather.epw: line 20: dry-bulb temperature \"-3x9\" is not a number";
        QTest::newRow("infinity in the humidity field") << text(replaced(three, 20, QString(three[19]).replace(",51,", ",inf,")))
                                                        << "weather.epw: line 20: relative humidity \"inf\" is not a number";
        QStringList gap = three;
        gap.removeAt(19);
        QTest::newRow("an hour missing") << text(gap) << "weather.epw: line 20: 01/01 hour 13 where 01/01 hour 12 follows";
        QTest::newRow("a record after the data period") << text(three + QStringList{three.last()})
                                                        << "weather.epw: line 81: a record after the data period, which ends on 01/03";
        QTest::newRow("no LOCATION line") << text(three.mid(1)) << "weather.epw: line 1: not an EPW weather file (no LOCATION line)";
        QTest::newRow("two data periods") << text(replaced(three, 8, "DATA PERIODS,2,1,Data,Sunday, 1/ 1,1/ 3"))
                                          << "weather.epw: line 8: no readable DATA PERIODS line with one period: \"DATA PERIODS,2,1,Data,Sunday, 1/ 1,1/ 3\"";
    }
    void weatherFiles()
    {
        QFETCH(QByteArray, file);
        QBuffer buffer(&file);
        buffer.open(QIODevice::ReadOnly);
        const SourceSeries s = readWeatherFile(buffer, "weather.epw");
        QFETCH(QString, result);
        QCOMPARE(summary(s), result);
        QCOMPARE(s.columns.empty(), !s.ok());   // nothing half-filled
        for (const std::vector<double> &c : s.columns)
            QCOMPARE(qint64(c.size()), s.info.records);
    }

    void energyPlusCsv_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<std::vector<int>>("variables");
        QTest::addColumn<QString>("result");
        const std::vector<int> outdoorIndoor{0, 1, 2};
        const QStringList run = simulationLines(days(1, 1, 3));
        QTest::newRow("design days before the run period, 24:00 ends the day")
            << text(run) << outdoorIndoor
            << "72 records from 01.01.2011 0 h, 1 h, 0 leap, 48 other, weekday 0, year 0, ; 0 gaps, -0.2 ... 6.9; 0 gaps, 88 ... 59; 0 gaps, 20 ... 20.71";
        QTest::newRow("leap year run period") << text(simulationLines(days(2, 28, 3, true), false)) << std::vector<int>{2}
                                              << "48 records from 28.02.2011 0 h, 1 h, 24 leap, 0 other, weekday 0, year 0, ; 0 gaps, 20 ... 20.71";
        QStringList extra = run;
        extra.insert(52, " 01/01  00:15:00,1,2,3,");
        extra.insert(60, " 01/01,,,,21.5");
        extra.insert(61, "January,,,,21.5");
        extra[extra.indexOf(QRegularExpression(".*,20.17,"))].replace(",20.17,", ",,");
        QTest::newRow("time-step, daily and monthly rows skipped, an empty cell a gap")
            << text(extra) << std::vector<int>{2} << "72 records from 01.01.2011 0 h, 1 h, 0 leap, 48 other, weekday 0, year 0, ; 1 gaps, 20 ... 20.71";
        QTest::newRow("chosen column missing from a row") << text(replaced(run, 60, " 01/01  11:00:00,4.9,50")) << outdoorIndoor
                                                         << "eplusout.csv: line 60: the row has 3 fields, no column for BLOCK:ZONE1:Zone Operative Temperature [C](Hourly)";
        QTest::newRow("text in a cell") << text(replaced(run, 60, " 01/01  11:00:00,4.9,50,warm,")) << outdoorIndoor
                                        << "eplusout.csv: line 60: BLOCK:ZONE1:Zone Operative Temperature [C](Hourly) \"warm\" is not a number";
        QTest::newRow("hour 25") << text(replaced(run, 60, " 01/01  25:00:00,4.9,50,20,")) << outdoorIndoor
                                 << "eplusout.csv: line 60: unreadable time stamp \" 01/01  25:00:00\"";
        QTest::newRow("midnight as 00:00:00") << text(replaced(run, 60, " 01/02  00:00:00,4.9,50,20,")) << outdoorIndoor
                                              << "eplusout.csv: line 60: unreadable time stamp \" 01/02  00:00:00\"";
        QTest::newRow("a daily column chosen") << text(run) << std::vector<int>{3}
                                               << "eplusout.csv: ZONE1:Zone Air Temperature [C](Daily) is reported Daily, not hourly";
        QTest::newRow("a variable not listed") << text(run) << std::vector<int>{4} << "eplusout.csv: no variable 4 (the file lists 4)";
        QTest::newRow("not EnergyPlus output") << text(run.mid(1)) << outdoorIndoor
                                               << "eplusout.csv: line 1: no EnergyPlus header: \" 07/21  01:00:00\" where \"Date/Time\" stands";
        QTest::newRow("header only") << text(run.mid(0, 1)) << outdoorIndoor << "eplusout.csv: no hourly records of a run period";
    }
    void energyPlusCsv()
    {
        QFETCH(QByteArray, file);
        QFETCH(std::vector<int>, variables);
        const SourceSeries s = readCsv(file, variables);
        QFETCH(QString, result);
        QCOMPARE(summary(s), result);
        QCOMPARE(s.columns.empty(), !s.ok());
    }

    void listing()
    {
        QBuffer buffer;
        buffer.setData(text(simulationLines(days(1, 1, 1))));
        buffer.open(QIODevice::ReadOnly);
        const EnergyPlusListing csv = listEnergyPlusCsv(buffer, "eplusout.csv");
        QVERIFY(csv.ok());
        QCOMPARE(csv.variables.size(), size_t(4));
        const EnergyPlusVariable &zone = csv.variables[2];
        QCOMPARE(QStringList({zone.key, zone.name, zone.unit, zone.frequency}),
                 QStringList({"BLOCK:ZONE1", "Zone Operative Temperature", "C", "Hourly"}));
        QCOMPARE(zone.id, 3);
        const EnergyPlusVariable bare = parseEnergyPlusHeader(u" Whole Building:Facility Total Electric Demand Power ");
        QCOMPARE(QStringList({bare.key, bare.name, bare.unit, bare.frequency}),
                 QStringList({"Whole Building", "Facility Total Electric Demand Power", "", ""}));

        // The preselection prefers an hourly variable of the name; case does not matter.
        std::vector<EnergyPlusVariable> vars = csv.variables;
        vars.insert(vars.begin(), parseEnergyPlusHeader(u"ZONE0:Zone Operative Temperature [C](Daily)"));
        QCOMPARE(preselectEnergyPlusVariable(vars, "zone operative temperature"), 3);
        QCOMPARE(findEnergyPlusVariables(vars, kOperativeTemperature), std::vector<int>({0, 3}));
        QCOMPARE(preselectEnergyPlusVariable(vars, kSiteHumidity), 2);
        QCOMPARE(preselectEnergyPlusVariable(vars, "Zone Mean Radiant Temperature"), -1);
    }

    void energyPlusSql_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<QString>("result");
        QTest::newRow("run period after a design day, warm-up skipped, a value missing")
            << int(SqlSound) << "72 records from 01.01.2011 0 h, 1 h, 0 leap, 24 other, weekday 1, year 2017, ; 1 gaps, 20.28 ... 20.99; 0 gaps, -2.2 ... 4.9";
        QTest::newRow("an hour missing") << int(SqlHourMissing) << "eplusout.sql: table Time: row 54: 1/2 hour 4 where the hour after 1/2 hour 2 follows";
        QTest::newRow("text as value") << int(SqlTextValue)
                                       << "eplusout.sql: table ReportData: row 40: ZONE1:Zone Operative Temperature [C](Hourly) \"warm\" is not a number";
        QTest::newRow("no run period") << int(SqlNoRunPeriod) << "eplusout.sql: table EnvironmentPeriods: no hourly records of a run period";
        QTest::newRow("an SQLite file that is not EnergyPlus output") << int(SqlOtherTables)
                                                                      << "eplusout.sql: not EnergyPlus output: no table ReportDataDictionary";
    }
    void energyPlusSql()
    {
        QFETCH(int, fault);
        QTemporaryDir dir;
        const QString path = dir.filePath("eplusout.sql");
        writeSql(path, SqlFault(fault));
        const EnergyPlusListing listing = listEnergyPlusSql(path);
        if (listing.ok()) {
            QCOMPARE(listing.variables.size(), size_t(3));   // the meter not listed
            QCOMPARE(listing.variables[1].header, "ZONE1:Zone Operative Temperature [C](Hourly)");
            QCOMPARE(listing.variables[1].id, 3);
        }
        SourceSeries s = readEnergyPlusSql(path, {1, 0});
        s.error.fileName = QFileInfo(s.error.fileName).fileName();
        QFETCH(QString, result);
        QCOMPARE(summary(s), result);
        QCOMPARE(s.columns.empty(), !s.ok());
    }

    // A corrupt or cut SQLite file is a database error naming the table read; a missing file
    // is refused and not created (SQLite would create it).
    void brokenFiles()
    {
        QTemporaryDir dir;
        writeSql(dir.filePath("good.sql"), SqlSound);
        QFile good(dir.filePath("good.sql"));
        QVERIFY(good.open(QIODevice::ReadOnly));
        const QByteArray bytes = good.readAll();
        for (const QByteArray &content : {QByteArray(4096, 'x'), bytes.left(bytes.size() / 2)}) {
            QFile broken(dir.filePath("broken.sql"));
            QVERIFY(broken.open(QIODevice::WriteOnly | QIODevice::Truncate) && broken.write(content) == content.size());
            broken.close();
            const SourceSeries s = readEnergyPlusSql(broken.fileName(), {1});
            QCOMPARE(s.error.problem, ReadProblem::DatabaseError);
            QVERIFY(!s.error.table.isEmpty() && s.columns.empty());
        }
        const QString missing = dir.filePath("missing.sql");
        QCOMPARE(listEnergyPlusSql(missing).error.problem, ReadProblem::CannotOpen);
        QVERIFY(!QFile::exists(missing));
        QCOMPARE(readWeatherFile(missing).error.problem, ReadProblem::CannotOpen);
        QCOMPARE(readEnergyPlusCsv(missing, {0}).error.problem, ReadProblem::CannotOpen);
    }

    void yearCheck_data()
    {
        QTest::addColumn<YearSeries>("year");
        QTest::addColumn<QString>("start");
        QTest::addColumn<double>("interval");
        QTest::addColumn<QString>("report");
        const YearSeries clean = cleanYear();
        QTest::newRow("a clean year") << clean << "01.01.2011" << 1.0 << "";
        QTest::newRow("one hour short") << cleanYear(8759) << "01.01.2011" << 1.0 << "error: 8759 rows where a year holds 8760";
        QTest::newRow("from 1 May 2011: a year of the axis, the winter ends in 2012")
            << clean << "01.05.2011" << 1.0 << "error: no row for the season boundary 01.04.2011 23:00";
        QTest::newRow("a leap day kept: 8,784 rows") << cleanYear(8784) << "01.01.2011" << 1.0 << "";
        QTest::newRow("one hour more than a leap year") << cleanYear(8785) << "01.01.2011" << 1.0 << "error: 8785 rows where a year holds 8760";
        QTest::newRow("a leap year 2012 lies outside the BNB periods") << cleanYear(8784) << "01.01.2012" << 1.0
            << "error: no row for the season boundary 01.10.2011 00:00";
        YearSeries gaps = withValues(clean, &YearSeries::indoorTemp, 4, {gap, gap});
        gaps = withValues(withValues(gaps, &YearSeries::indoorTemp, 100, {gap, gap, gap, gap, gap}), &YearSeries::outdoorHumid, 8759, {gap});
        QTest::newRow("gaps: the first five placed")
            << gaps << "01.01.2011" << 1.0
            << "warning: outdoor relative humidity: 1 missing value: row 8760 (31.12.2011 23:00)\n"
               "warning: indoor operative temperature: 7 missing values: row 5 (01.01.2011 04:00), row 6 (01.01.2011 05:00), "
               "row 101 (05.01.2011 04:00), row 102 (05.01.2011 05:00), row 103 (05.01.2011 06:00), ...";
        YearSeries edges = withValues(clean, &YearSeries::outdoorTemp, 10, {-45, 50, -45.1, 50.1});
        // Indoor ramps of at most 7 K an hour to the edges, so that no step is flagged.
        edges = withValues(edges, &YearSeries::indoorTemp, 3000, {18, 12, 6, 0, 6, 12, 18, 26, 33, 40, 47, 50.01, 44, 37, 30, 24});
        edges = withValues(edges, &YearSeries::outdoorHumid, 10, {0, 100, -0.5, 100.5});
        QTest::newRow("plausible ranges include their ends")
            << edges << "01.01.2011" << 1.0
            << "warning: outdoor air temperature: 2 values outside -45–50 °C: row 13 (01.01.2011 12:00) -45.1, row 14 (01.01.2011 13:00) 50.1\n"
               "warning: outdoor relative humidity: 2 values outside 0–100 %: row 13 (01.01.2011 12:00) -0.5, row 14 (01.01.2011 13:00) 100.5\n"
               "warning: indoor operative temperature: 1 value outside 0–50 °C: row 3012 (06.05.2011 11:00) 50.01";
        QTest::newRow("a step of 8 K is none, 8.01 K is one")
            << withValues(clean, &YearSeries::indoorTemp, 200, {20, 28, 20, 28.01, gap, 21}) << "01.01.2011" << 1.0
            << "warning: indoor operative temperature: 1 missing value: row 205 (09.01.2011 12:00)\n"
               "warning: indoor operative temperature: 1 step above 8 K within one hour: row 204 (09.01.2011 11:00) +8.01 K";
        YearSeries runs = withValues(clean, &YearSeries::indoorTemp, 50, std::vector<double>(23, 21.0));
        runs = withValues(withValues(runs, &YearSeries::indoorTemp, 100, std::vector<double>(30, 21.0)), &YearSeries::indoorTemp, 115, {gap});
        runs = withValues(runs, &YearSeries::indoorTemp, 200, std::vector<double>(24, 19.5));
        QTest::newRow("runs of 23 and of a gap-broken 30 are none, 24 is one")
            << runs << "01.01.2011" << 1.0
            << "warning: indoor operative temperature: 1 missing value: row 116 (05.01.2011 19:00)\n"
               "warning: indoor operative temperature: 1 run of 24 or more identical values: row 201 (09.01.2011 08:00) 24 values";
        YearSeries quarter = cleanYear(4 * 8760);
        quarter = withValues(quarter, &YearSeries::indoorTemp, 1000, std::vector<double>(4, 32.0));
        QTest::newRow("quarter-hour data: steps over four rows") << quarter << "01.01.2011" << 0.25
            << "warning: indoor operative temperature: 8 steps above 8 K within one hour: row 1001 (11.01.2011 10:00) +8.04782 K, "
               "row 1002 (11.01.2011 10:15) +8.00049 K, row 1003 (11.01.2011 10:30) +8.08751 K, row 1004 (11.01.2011 10:45) +8.30301 K, "
               "row 1005 (11.01.2011 11:00) -10.5667 K, ...";
    }
    void yearCheck()
    {
        QFETCH(YearSeries, year);
        QFETCH(QString, start);
        QFETCH(double, interval);
        QFETCH(QString, report);
        TimeAxisInput axis;
        axis.start = parseDate(start);
        axis.interval = interval;
        const YearReport found = checkYear(year, axis);
        QCOMPARE(formatYearReport(found).join('\n'), report);
        QCOMPARE(found.hasErrors(), report.startsWith("error"));
    }

    // Outdoor from a three-day weather file, indoor from a two-day simulation: record beside
    // record, the shorter padded with gaps, both sources named in the report.
    void combinedSources()
    {
        QByteArray epw = text(weatherLines(days(1, 1, 3)));
        QBuffer buffer(&epw);
        buffer.open(QIODevice::ReadOnly);
        const SourceSeries weather = readWeatherFile(buffer, "weather.epw");
        const SourceSeries simulation = readCsv(text(simulationLines(days(1, 2, 2))), {0, 2});
        const YearImport year = combineYear({&weather, WeatherColumn::DryBulb}, {&weather, WeatherColumn::RelativeHumidity},
                                            {&simulation, 1});
        QVERIFY(year.ok());
        QCOMPARE(year.series.size(), size_t(72));
        QVERIFY(std::isnan(year.series.indoorTemp[48]) && year.series.indoorTemp[47] == 20.47);
        QCOMPARE(year.series.outdoorTemp[71], 2.1);
        QCOMPARE(formatDate(year.start), "02.01.2011");
        QCOMPARE(year.firstWeekday, 1);   // the weather file's: the simulation names none
        QCOMPARE(year.place, "Potsdam, DEU");
        const QStringList report = formatYearReport(checkYear(year));
        QCOMPARE(report.mid(0, 3), QStringList({"error: 72 rows where a year holds 8760", "error: no row for the season boundary 01.10.2011 00:00",
                                                "warning: indoor operative temperature: 24 missing values: row 49 (04.01.2011 00:00), "
                                                "row 50 (04.01.2011 01:00), row 51 (04.01.2011 02:00), row 52 (04.01.2011 03:00), row 53 (04.01.2011 04:00), ..."}));
        QCOMPARE(report.last(), "warning: sources of different length or start: weather.epw holds 72 records from 01.01.2011 00:00; "
                                "eplusout.csv holds 48 records from 02.01.2011 00:00");

        // One source for all three series is named once; a column it lacks is refused.
        const YearImport alone = combineYear({&simulation, 0}, {&simulation, 0}, {&simulation, 1});
        QCOMPARE(alone.sources.size(), size_t(1));
        QCOMPARE(formatReadError(combineYear({&simulation, 0}, {&simulation, 2}, {&simulation, 1}).error),
                 "eplusout.csv: no variable 2 (the file lists 2)");
        SourceInfo leap = simulation.info;
        leap.leapDayRecords = 24;
        QCOMPARE(formatYearReport(checkYear(alone.series, {}, {leap})).last(), "warning: eplusout.csv: 24 records of 29 February dropped");

        // Imported from 1 July: 8,760 rows, although the twelve months from 01.07.2011 hold 29.02.2012.
        TimeAxisInput july;
        july.start = {1, 7, kReferenceYear};
        QCOMPARE(formatYearReport(checkYear(cleanYear(), july, {leap})).first(), "error: no row for the season boundary 01.04.2011 23:00");
    }

    // Written as the data page reads it with its defaults and read back to the same doubles.
    // A plain year file read for the data page's table (texts) and for an assessment (numbers only): the same
    // refusals, and the numbers are those of the texts; cells beyond the third are dropped, a gap stays NaN.
    void readTextsOrNumbers_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("headerLines");
        QTest::addColumn<int>("problem");
        const auto add = [](const char *name, const QByteArray &bytes, int headerLines, YearReadProblem problem) {
            QTest::newRow(name) << bytes << headerLines << int(problem);
        };
        add("header, three records", "Ta;RH;To\n-1,3;96;20,16\n;55,5;x\n2;3;4;5;6\n", 1, YearReadProblem::None);
        add("no byte", "", 1, YearReadProblem::Empty);
        add("binary", QByteArray("\x00\x01\x02 binary", 10), 0, YearReadProblem::NotText);
        add("fewer lines than header lines", "a\n", 2, YearReadProblem::ShorterThanHeader);
        add("header lines only", "Ta;RH;To\n", 1, YearReadProblem::NoRecord);
        add("no number at all", "a\nb;c\n", 1, YearReadProblem::NoRecord);
        add("header read as a record", "Ta;RH;To\n1;2;3\n", 0, YearReadProblem::HeaderAsRecord);
        add("a later record without number", "1;2;3\nx;y\n", 0, YearReadProblem::None);
    }

    void readTextsOrNumbers()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, headerLines);
        YearFileRead read[2];
        for (YearKeep keep : {YearKeep::Texts, YearKeep::Numbers}) {
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::ReadOnly);
            read[int(keep)] = readYearData(buffer, headerLines, ";", keep);
            QTEST(int(read[int(keep)].problem), "problem");
        }
        const YearFileRead &texts = read[0], &numbers = read[1];
        QVERIFY(texts.series.size() == 0 && numbers.rows.empty());
        QCOMPARE(numbers.lineCount, texts.lineCount);
        for (const QStringList &row : texts.rows)
            QVERIFY(row.size() <= kYearColumns);
        const YearSeries fromTexts = yearSeriesFromRows(texts.rows);
        QCOMPARE(numbers.series.size(), texts.rows.size());
        const auto same = [](const std::vector<double> &a, const std::vector<double> &b) {
            return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                              [](double x, double y) { return x == y || (std::isnan(x) && std::isnan(y)); });
        };
        QVERIFY(same(numbers.series.outdoorTemp, fromTexts.outdoorTemp) && same(numbers.series.outdoorHumid, fromTexts.outdoorHumid)
                && same(numbers.series.indoorTemp, fromTexts.indoorTemp));
        if (QByteArray(QTest::currentDataTag()) == "header, three records")
            QVERIFY(numbers.series.outdoorTemp[0] == -1.3 && std::isnan(numbers.series.outdoorTemp[1])
                    && std::isnan(numbers.series.indoorTemp[1]) && numbers.series.indoorTemp[2] == 4.0);
    }

    void yearFileRoundTrip()
    {
        YearSeries year;
        year.outdoorTemp = {-1.3, 0.1 + 0.2, gap};
        year.outdoorHumid = {96, 100, 55.5};
        year.indoorTemp = {20.16, 26.004, 1e-7};
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QTextStream out(&buffer);
        writeYearFile(out, year);
        out.flush();
        QCOMPARE(QString::fromUtf8(bytes), "Ta (°C);RH (%);To (°C)\n-1,3;96;20,16\n0,30000000000000004;100;26,004\nN.A;55,5;0,0000001\n");
        buffer.close();
        buffer.open(QIODevice::ReadOnly);
        QTextStream in(&buffer);
        const YearSeries back = yearSeriesFromRows(readDelimitedRows(in, 1, ";").rows);
        QCOMPARE(back.outdoorTemp.size(), size_t(3));
        QVERIFY(std::isnan(back.outdoorTemp[2]));
        for (size_t i = 0; i < 3; ++i)
            QVERIFY(back.outdoorHumid[i] == year.outdoorHumid[i] && back.indoorTemp[i] == year.indoorTemp[i]
                    && (i == 2 || back.outdoorTemp[i] == year.outdoorTemp[i]));
        // A short row and a cell without number are gaps, not 0 °C.
        const YearSeries rows = yearSeriesFromRows({{"12,5", "x"}});
        QVERIFY(rows.outdoorTemp[0] == 12.5 && std::isnan(rows.outdoorHumid[0]) && std::isnan(rows.indoorTemp[0]));
    }
};

QTEST_GUILESS_MAIN(TestYearData)
#include "tst_yeardata.moc"
