// computePMV evaluations per second on one thread, over a realistic spread of
// indoor states in all three temperature modes.
#include "comfort/pmv.h"

#include <QtTest>

#include <vector>

namespace {

struct State {
    unsigned mode;
    double ta, t2, rh, va, icl, m;
};

std::vector<State> spread()
{
    std::vector<State> states;
    for (unsigned mode = 1; mode <= 3; ++mode)
        for (double ta = 16; ta <= 30; ta += 2)
            for (double dt = -3; dt <= 3; dt += 1.5)
                for (double rh = 30; rh <= 70; rh += 20)
                    for (double va : {0.05, 0.1, 0.3})
                        for (double clo : {0.5, 1.0})
                            for (double met : {1.0, 1.2, 1.6})
                                states.push_back({mode, ta, ta + dt, rh, va, clo * kCloToM2KW,
                                                  met * kWm2PerMet});
    return states;
}

double evaluateAll(const std::vector<State> &states)
{
    double sum = 0;
    for (const State &s : states) {
        double pmv, ppd, lim, mayer;
        computePMV(s.mode, s.ta, s.t2, s.rh, s.va, s.icl, s.m, 0.0, pmv, ppd, lim, mayer);
        sum += pmv + ppd + lim + mayer;
    }
    return sum;
}

}

class BenchPmv : public QObject
{
    Q_OBJECT
private slots:
    void evaluations();
    void evaluationsPerSecond();
};

void BenchPmv::evaluations()
{
    const std::vector<State> states = spread();
    double sink = 0;
    QBENCHMARK {
        sink += evaluateAll(states);
    }
    QVERIFY(sink != 0);
}

// One second of passes for the figure that matters: evaluations per second.
void BenchPmv::evaluationsPerSecond()
{
    const std::vector<State> states = spread();
    double sink = 0;
    qint64 calls = 0;
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 1000) {
        sink += evaluateAll(states);
        calls += qint64(states.size());
    }
    const double seconds = timer.nsecsElapsed() / 1e9;
    qInfo("%zu states per pass (modes 1-3); %.2f million evaluations per second on one thread "
          "(checksum %g)", states.size(), calls / seconds / 1e6, sink);
}

QTEST_GUILESS_MAIN(BenchPmv)
#include "bench_pmv.moc"
