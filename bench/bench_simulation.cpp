// Year data from a building simulation, as `klimaro-cli year` will run it: an 8,760-hour EPW
// weather file and a 20-zone EnergyPlus CSV read, and one year file written per zone (with and
// without the validity report of each). The files are generated at start: a varied year.
#include "assessment/energyplus.h"
#include "assessment/weatherfile.h"
#include "assessment/yearcheck.h"
#include "yeardata.h"

#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

namespace {

constexpr int kZones = 20;
constexpr int kHours = 8760;

// An EPW of the bench year from 01.01. (a Saturday): every field of the format, dry bulb with
// one decimal and humidity whole, as the test reference years give them.
QByteArray weatherFile(const std::vector<YearRow> &year)
{
    QByteArray out = "LOCATION,Benchstadt,HE,DEU,bench,000000,50.1,8.7,1.0,110.0\nDESIGN CONDITIONS,0\n"
                     "TYPICAL/EXTREME PERIODS,0\nGROUND TEMPERATURES,0\nHOLIDAYS/DAYLIGHT SAVINGS,No,0,0,0\n"
                     "COMMENTS 1,bench\nCOMMENTS 2,\nDATA PERIODS,1,1,Data,Saturday, 1/ 1,12/31\n";
    int month = 1, day = 1;
    for (int i = 0; i < kHours; ++i) {
        const int hour = i % 24 + 1;
        const double sun = std::max(0.0, std::sin(3.14159265 * (hour - 6.5) / 13.0));
        out += QStringLiteral("2011,%1,%2,%3,60,?9?9?9?9E0?9?9?9?9?9?9?9?9?9?9?9?9?9?9?9*9*9?9?9?9,%4,%5,%6,"
                              "100800,%7,%8,310,%9,%10,%11,0,0,0,0,%12,%13,5,3,777.7,77777,9,999999999,15,0.1,0,88,0.2,0.0,0.0\n")
                   .arg(month).arg(day).arg(hour)
                   .arg(QString::number(year[size_t(i)].te, 'f', 1), QString::number(year[size_t(i)].te - 4, 'f', 1))
                   .arg(qRound(std::clamp(year[size_t(i)].rh, 5.0, 100.0)))
                   .arg(qRound(900 * sun)).arg(qRound(700 * sun)).arg(qRound(500 * sun)).arg(qRound(400 * sun))
                   .arg(qRound(120 * sun)).arg((i * 7) % 360).arg(2 + (i % 9) * 0.4)
                   .toLatin1();
        if (hour == 24 && ++day > monthLength(month))
            day = 1, ++month;
    }
    return out;
}

// eplusout.csv: site air and humidity, then per zone mean air, operative temperature and air
// humidity, each zone its own first-order response to the outdoors and its own gains; two
// design days before the run period. Values with ten decimals, as ReadVarsESO writes them.
QByteArray simulationFile(const std::vector<YearRow> &year)
{
    QStringList header{"Date/Time", "Environment:Site Outdoor Air Drybulb Temperature [C](Hourly)",
                       "Environment:Site Outdoor Air Relative Humidity [%](Hourly)"};
    for (int z = 1; z <= kZones; ++z)
        header << QStringLiteral("FLOOR%1 ZONE%2:Zone Mean Air Temperature [C](Hourly)").arg(z / 5).arg(z)
               << QStringLiteral("FLOOR%1 ZONE%2:Zone Operative Temperature [C](Hourly)").arg(z / 5).arg(z)
               << QStringLiteral("FLOOR%1 ZONE%2:Zone Air Relative Humidity [%](Hourly)").arg(z / 5).arg(z);
    QByteArray out = header.join(',').toLatin1() + '\n';
    std::vector<double> air(kZones, 21.0);
    const auto row = [&](int month, int day, int hour, double te, double rh) {
        QString line = QStringLiteral(" %1/%2  %3:00:00,%4,%5")
                           .arg(month, 2, 10, QLatin1Char('0')).arg(day, 2, 10, QLatin1Char('0'))
                           .arg(hour, 2, 10, QLatin1Char('0')).arg(te, 0, 'f', 10).arg(rh, 0, 'f', 10);
        for (int z = 0; z < kZones; ++z) {
            const double tau = 20.0 + 3.0 * z, gains = 1.5 + 0.25 * z;
            const bool occupied = hour > 8 && hour <= 18;
            const double target = 0.5 * te + 11.0 + (occupied ? gains : 0.3 * gains);
            air[size_t(z)] += (std::max(target, 20.0) - air[size_t(z)]) * (1 - std::exp(-1 / tau));
            const double to = air[size_t(z)] + 0.3 * std::sin(hour * 0.26 + z);
            line += QStringLiteral(",%1,%2,%3").arg(air[size_t(z)], 0, 'f', 10).arg(to, 0, 'f', 10)
                        .arg(std::clamp(rh * 0.6, 20.0, 70.0), 0, 'f', 10);
        }
        out += line.toLatin1() + '\n';
    };
    for (int month : {7, 1})
        for (int hour = 1; hour <= 24; ++hour)
            row(month, 21, hour, month == 7 ? 30.0 - std::abs(hour - 15) : -12.0, 50.0);
    int month = 1, day = 1;
    for (int i = 0; i < kHours; ++i) {
        row(month, day, i % 24 + 1, year[size_t(i)].te, std::clamp(year[size_t(i)].rh, 5.0, 100.0));
        if (i % 24 == 23 && ++day > monthLength(month))
            day = 1, ++month;
    }
    return out;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

}

class BenchSimulation : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        const std::vector<YearRow> year = simulatedYear(kHours);
        QVERIFY(writeFile(dir.filePath("weather.epw"), weatherFile(year)));
        QVERIFY(writeFile(dir.filePath("eplusout.csv"), simulationFile(year)));
        qInfo("EPW %lld bytes, CSV %lld bytes", QFileInfo(dir.filePath("weather.epw")).size(),
              QFileInfo(dir.filePath("eplusout.csv")).size());
    }

    void readAndWriteRooms_data()
    {
        QTest::addColumn<bool>("report");
        QTest::newRow("EPW + 20-zone CSV, 20 year files") << false;
        QTest::newRow("the same with a validity report per room") << true;
    }
    void readAndWriteRooms()
    {
        QFETCH(bool, report);
        qint64 findings = 0;
        QBENCHMARK {
            const SourceSeries weather = readWeatherFile(dir.filePath("weather.epw"));
            const EnergyPlusListing listing = listEnergyPlusCsv(dir.filePath("eplusout.csv"));
            const std::vector<int> zones = findEnergyPlusVariables(listing.variables, kOperativeTemperature);
            const SourceSeries simulation = readEnergyPlusCsv(dir.filePath("eplusout.csv"), zones);
            QVERIFY(weather.ok() && simulation.ok() && zones.size() == size_t(kZones));
            for (int z = 0; z < kZones; ++z) {
                const YearImport room = combineYear({&weather, WeatherColumn::DryBulb},
                                                    {&weather, WeatherColumn::RelativeHumidity}, {&simulation, z});
                if (report)
                    findings += qint64(checkYear(room).findings.size());
                QSaveFile file(dir.filePath(QStringLiteral("room%1.csv").arg(z + 1)));
                QVERIFY(file.open(QIODevice::WriteOnly));
                QTextStream out(&file);
                writeYearFile(out, room.series);
                out.flush();
                QVERIFY(file.commit());
            }
        }
        QCOMPARE(findings, 0);   // a clean simulated year
        QFile room(dir.filePath("room20.csv"));
        QVERIFY(room.open(QIODevice::ReadOnly));
        QCOMPARE(room.readAll().count('\n'), kHours + 1);
    }

private:
    QTemporaryDir dir;
};

QTEST_GUILESS_MAIN(BenchSimulation)
#include "bench_simulation.moc"
