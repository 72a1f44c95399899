// computePMV evaluations per second on one thread, over 2 million random indoor
// states in all three temperature modes, and a check that the results match the
// straightforward form of the model at the two decimals the forms show.
#include "comfort/pmv.h"

#include <QtTest>

#include <cmath>
#include <random>
#include <vector>

namespace {

struct State {
    unsigned mode;
    double ta, t2, rh, va, icl, m;
};

// Air 16-32 °C, radiant (or globe) temperature air ± 3 K, 20-80 %, 0.05-0.8 m/s,
// 0.3-1.5 clo, 1-2 met; the modes interleaved so that no branch settles.
const std::vector<State> &spread()
{
    static const std::vector<State> states = [] {
        std::mt19937_64 random(20260612);
        auto uniform = [&random](double lo, double hi) {
            return std::uniform_real_distribution<double>(lo, hi)(random);
        };
        std::vector<State> s(2000000);
        for (size_t i = 0; i < s.size(); ++i) {
            const double ta = uniform(16, 32);
            s[i] = {unsigned(1 + i % 3), ta, ta + uniform(-3, 3), uniform(20, 80),
                    uniform(0.05, 0.8), uniform(0.3, 1.5) * kCloToM2KW,
                    uniform(1, 2) * kWm2PerMet};
        }
        return s;
    }();
    return states;
}

using PmvFunction = void (*)(unsigned, double, double, double, double, double, double, double,
                             double &, double &, double &, double &);

double evaluateAll(const std::vector<State> &states, PmvFunction f = computePMV)
{
    double sum = 0;
    for (const State &s : states) {
        double pmv, ppd, lim, mayer;
        f(s.mode, s.ta, s.t2, s.rh, s.va, s.icl, s.m, 0.0, pmv, ppd, lim, mayer);
        sum += pmv + ppd + lim + mayer;
    }
    return sum;
}

// computePMV as it was before the faster iteration (a copy kept only to compare): the
// reference the program's computePMV must match at two decimals.
inline double pow4(double x)
{
    const double x2 = x * x;
    return x2 * x2;
}

void referencePMV(unsigned mode, double ta, double t2, double rh, double va, double Icl,
                  double M, double W, double &pmv, double &ppd, double &pmvLimited, double &ppdMayer)
{
    const double pa = rh * 6.11 * std::exp(17.27 * ta / (ta + 237.3));
    const double fcl = Icl <= 0.078 ? 1.0 + 1.29 * Icl : 1.05 + 0.645 * Icl;
    double tr = t2;
    if (mode == 1)
        tr = std::pow(pow4(t2 + 273.0) + 2.5e8 * std::pow(va, 0.6) * (t2 - ta), 0.25) - 273.0;
    else if (mode == 2)
        tr = ta;
    const double hcf = 12.1 * std::sqrt(va);
    const double taa = ta + 273.0, tra = tr + 273.0;
    const double tcla = taa + (35.5 - ta) / (3.5 * (6.45 * Icl + 0.1));
    const double mw = M - W, p1 = Icl * fcl, p2 = 3.96 * p1, p3 = 100.0 * p1, p4 = p1 * taa;
    const double p5 = 308.7 - 0.028 * mw + p2 * pow4(tra / 100.0);
    double xn = tcla / 100.0, xf = xn, hc = 0.0;
    for (int n = 0;;) {
        xf = (xf + xn) / 2.0;
        const double hcn = 2.38 * std::sqrt(std::sqrt(std::fabs(100.0 * xf - taa)));
        hc = hcf > hcn ? hcf : hcn;
        xn = (p5 + p4 * hc - p2 * pow4(xf)) / (100.0 + p3 * hc);
        if (std::fabs(xn - xf) < 0.00015 || ++n >= 151)
            break;
    }
    const double tcl = 100.0 * xn - 273.0;
    const double hl1 = 0.00305 * (5733.0 - 6.99 * mw - pa);
    const double hl2 = mw > 58.15 ? 0.42 * (mw - 58.15) : 0.0;
    const double hl3 = 1.7e-5 * M * (5867.0 - pa);
    const double hl4 = 0.0014 * M * (34.0 - ta);
    const double hl5 = 3.96 * fcl * (pow4((tcl + 273.0) / 100.0) - pow4(tra * 0.01));
    const double hl6 = fcl * hc * (tcl - ta);
    const double ts = 0.303 * std::exp(-0.036 * M) + 0.028;
    pmv = ts * (mw - hl1 - hl2 - hl3 - hl4 - hl5 - hl6);
    const double pmv2 = pmv * pmv;
    ppd = 100.0 - 95.0 * std::exp(-0.03353 * pmv2 * pmv2 - 0.2179 * pmv2);
    pmvLimited = std::fmin(std::fmax(pmv, -3.0), 3.0);
    const double x = pmvLimited - 0.4, x2 = x * x;
    ppdMayer = 100.0 - 84.3 * std::exp(0.01 * x2 * x2 - 0.5479 * x2);
}

QString twoDecimals(double a, double b, double c)
{
    return QString::asprintf("%.2f %.2f %.2f", a, b, c);
}

}

class BenchPmv : public QObject
{
    Q_OBJECT
private slots:
    void sameAsReferenceAtTwoDecimals();
    void evaluations();
    void evaluationsPerSecond();
};

void BenchPmv::sameAsReferenceAtTwoDecimals()
{
    qint64 differing = 0;
    QString first;
    for (const State &s : spread()) {
        double pmv, ppd, lim, mayer, rPmv, rPpd, rLim, rMayer;
        computePMV(s.mode, s.ta, s.t2, s.rh, s.va, s.icl, s.m, 0.0, pmv, ppd, lim, mayer);
        referencePMV(s.mode, s.ta, s.t2, s.rh, s.va, s.icl, s.m, 0.0, rPmv, rPpd, rLim, rMayer);
        const QString fast = twoDecimals(pmv, ppd, mayer), reference = twoDecimals(rPmv, rPpd, rMayer);
        if (fast != reference && differing++ == 0)
            first = fast + " instead of " + reference;
    }
    QVERIFY2(differing == 0, qPrintable(QString("%1 states differ, first: %2").arg(differing).arg(first)));
}

void BenchPmv::evaluations()
{
    double sink = 0;
    QBENCHMARK {
        sink += evaluateAll(spread());
    }
    QVERIFY(sink != 0);
}

// Three seconds of passes each for the figure that matters, evaluations per
// second, of computePMV and of the reference it replaced.
void BenchPmv::evaluationsPerSecond()
{
    const std::vector<State> &states = spread();
    for (const auto &[name, f] : {std::pair<const char *, PmvFunction>{"computePMV", computePMV},
                                  std::pair<const char *, PmvFunction>{"reference", referencePMV}}) {
        double sink = 0;
        qint64 calls = 0;
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < 3000) {
            sink += evaluateAll(states, f);
            calls += qint64(states.size());
        }
        const double seconds = timer.nsecsElapsed() / 1e9;
        qInfo("%s: %zu random states (modes 1-3 interleaved); %.2f million evaluations per "
              "second on one thread (checksum %g)",
              name, states.size(), calls / seconds / 1e6, sink);
    }
}

QTEST_GUILESS_MAIN(BenchPmv)
#include "bench_pmv.moc"
