// One room from its file to its report, as the command-line tool does it: parse the room file,
// read its year data, compute every criterion (operative temperature with the room's summer model,
// draught, both radiation pages, the hourly humidity and its assessment) and write the XML report.
// Rooms of 8,760 (1 h), 52,560 (10 min) and 525,600 (1 min) records; eight rooms per size, each
// with its own year (shifted and jittered differently) and the four summer models in turn.
#include "assessment/yeardata.h"
#include "report/assessmenttexts.h"
#include "report/roomfile.h"
#include "yeardata.h"

#include <QtTest>

namespace {

constexpr int kRoomsPerSize = 8;

// The simulated year of room k: warmer or cooler by up to 1.5 K, its jitter scaled differently.
QByteArray roomYear(int rows, double interval, int k)
{
    std::vector<YearRow> year = simulatedYear(rows, interval);
    const double shift = (k % 4 - 1.5) * 1.0, scale = 0.8 + 0.1 * (k % 5);
    for (size_t i = 0; i < year.size(); ++i) {
        const double wobble = std::sin(double(i) * (0.37 + 0.01 * k));
        year[i].te += shift + scale * wobble;
        year[i].to += 0.5 * shift + 0.3 * scale * wobble;
        year[i].rh = std::clamp(year[i].rh + 4.0 * wobble, 5.0, 100.0);
    }
    return yearFile(year);
}

Room benchRoom(int k, double interval, const QString &data)
{
    Room room;
    room.year.file = data;
    room.data.interval = interval;
    room.data.model = SummerModel(k % 4);
    room.data.region = SummerRegion(1 + k % 3);
    room.data.dinCompliance = k % 2;
    room.draught[Winter] = {true, k % 3 == 0, 20.5 + 0.1 * k, 0.1 + 0.01 * k, 30.0 + k};
    room.draught[Summer] = {true, false, 25.0, 0.12 + 0.01 * k, 40.0};
    for (Season s : {Winter, Summer}) {
        RoomSurfaceInput &front = room.radiation[s].room.surface[RoomSide::Front];
        front = {19.0 + s * 6, s == Winter ? 12.0 + k : 30.0 - k, true, 1.0, 1.0, 0.5, 0.8};
        room.radiation[s].floorTemperatureInRange = true;
        room.radiation[s].method = k % 5 == 4 ? MrtMethod::Surface : MrtMethod::Plane;
    }
    room.humidity.parameters.persons = 1 + k % 4;
    room.humidity.parameters.volume = 60.0 + 10.0 * k;
    room.chapters.fill(true);
    return room;
}

}

class BenchRoom : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;

private slots:
    void roomToReport_data()
    {
        QTest::addColumn<QStringList>("rooms");
        for (const auto &[name, rows, interval] : {std::tuple("8,760 records of 1 h", 8760, 1.0),
                                                   {"52,560 records of 10 min", 52560, 1.0 / 6.0},
                                                   {"525,600 records of 1 min", 525600, 1.0 / 60.0}}) {
            QStringList rooms;
            for (int k = 0; k < kRoomsPerSize; ++k) {
                const QString base = QStringLiteral("%1_%2").arg(rows).arg(k);
                QFile year(dir.filePath(base + ".csv")), room(dir.filePath(base + ".json"));
                QVERIFY(year.open(QIODevice::WriteOnly) && year.write(roomYear(rows, interval, k)) > 0);
                QVERIFY(room.open(QIODevice::WriteOnly)
                        && room.write(roomFileText(benchRoom(k, interval, base + ".csv"))) > 0);
                rooms << room.fileName();
            }
            QTest::newRow(name) << rooms;
        }
    }

    void roomToReport()
    {
        QFETCH(QStringList, rooms);
        int next = 0;
        qint64 bytes = 0;
        QBENCHMARK {
            const QString file = rooms[next++ % rooms.size()];
            const RoomFileRead read = readRoomFile(file);
            const Room &room = *read.room;
            const YearFileRead year = readYearFile(roomDataPath(file, room), room.year.headerLines,
                                                   separatorText(room.year.separator), YearKeep::Numbers);
            const RoomAssessment a = assessRoom(room, year.series);
            QVERIFY2(!a.problem, qPrintable(a.problem ? a.problem->message() : QString()));
            QByteArray xml;
            QXmlStreamWriter writer(&xml);
            writeRoomReport(writer, a);
            bytes += xml.size();
        }
        QVERIFY(bytes > 0);
    }
};

QTEST_GUILESS_MAIN(BenchRoom)
#include "bench_room.moc"
