// Plane-method and surface-method MRT evaluations per second on one thread, over a spread
// of occupant positions and postures in a room with a window and a heated floor area.
#include "radiant/mrt.h"

#include <QtTest>

#include <vector>

namespace {

std::vector<RoomRadiantInput> spread()
{
    RoomRadiantInput base;
    base.W = 5;
    base.D = 6;
    base.H = 3;
    const double T[6] = {18, 21, 22, 20, 23, 22};
    for (int s = 0; s < RoomSide::Count; ++s)
        base.surface[s].T = T[s];
    RoomSurfaceInput &window = base.surface[RoomSide::Front];
    window = {18, 8, true, 1.0, 1.5, 0.4, 0.9};
    RoomSurfaceInput &floor = base.surface[RoomSide::Floor];
    floor = {23, 28, true, 0.5, 2.5, 1.0, 3.0};

    std::vector<RoomRadiantInput> rooms;
    for (double x = 0.25; x < 5; x += 0.5)
        for (double y = 0.25; y < 6; y += 0.5)
            for (double z : {0.6, 1.1, 1.7}) {
                RoomRadiantInput r = base;
                r.Xp = x;
                r.Yp = y;
                r.Zp = z;
                rooms.push_back(r);
            }
    return rooms;
}

double planeMrt(const RoomRadiantInput &room)
{
    std::array<double, RoomSide::Count> tr;
    AsymmetryResult asym;
    return computeMrtPlane(room, tr, asym) + asym.pdFrontBack;
}

// QBENCHMARK's own figure per pass, and evaluations per second over the passes it made.
template<typename Evaluate>
void measure(const char *method, Evaluate evaluate)
{
    const std::vector<RoomRadiantInput> rooms = spread();
    double sink = 0;
    qint64 calls = 0;
    QElapsedTimer timer;
    timer.start();
    QBENCHMARK {
        for (const RoomRadiantInput &r : rooms)
            sink += evaluate(r);
        calls += qint64(rooms.size());
    }
    qInfo("%s: %zu rooms per pass; %.0f evaluations per second (checksum %g)", method,
          rooms.size(), calls / (timer.nsecsElapsed() / 1e9), sink);
}

}

class BenchMrt : public QObject
{
    Q_OBJECT
private slots:
    void planeMethod();
    void surfaceMethod();
};

void BenchMrt::planeMethod()
{
    measure("plane method", planeMrt);
}

void BenchMrt::surfaceMethod()
{
    measure("surface method", computeMrtSurface);
}

QTEST_GUILESS_MAIN(BenchMrt)
#include "bench_mrt.moc"
