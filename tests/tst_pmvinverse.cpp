#include "comfort/pmv.h"
#include "comfort/pmvinverse.h"

#include <QtTest>

#include <cmath>
#include <limits>

namespace {

// The form's defaults: Ta = Tg = MRT = To = 22 °C, 60 %, 0.1 m/s, 0.5 clo, 69.6 W/m².
struct Inputs {
    unsigned mode = PmvInputMode::TaTg;
    double ta = 22, t2 = 22, rh = 60, va = 0.1, Icl = 0.5 * kCloToM2KW, M = 69.6, W = 0;
};

struct Search {
    bool found = false;
    double value = 999.9;
    QString text;
    double pmv = 0, ppd = -1, limited = -1, mayer = -1;
};

Search search(int unknown, double target, const Inputs &in = {})
{
    Search s;
    s.pmv = target;
    findNearestPMV(unknown, s.found, s.value, s.text, in.mode, in.ta, in.t2, in.rh, in.va, in.Icl,
                   in.M, in.W, s.pmv, s.ppd, s.limited, s.mayer);
    return s;
}

double pmvOf(unsigned mode, double ta, double t2, double rh, double va, double Icl, double M)
{
    double pmv = 0, ppd = 0, lim = 0, mayer = 0;
    computePMV(mode, ta, t2, rh, va, Icl, M, 0, pmv, ppd, lim, mayer);
    return pmv;
}

QString f2(double v)
{
    return QString::number(v, 'f', 2);
}

}

class TestPmvInverse : public QObject
{
    Q_OBJECT
private slots:
    void foundPerUnknown_data();
    void foundPerUnknown();
    void notFoundTexts_data();
    void notFoundTexts();
    void strictToleranceEdge();
    void tieKeepsSmallerGridValue();
    void gridEndPoints_data();
    void gridEndPoints();
    void codesOutsideDoNothing_data();
    void codesOutsideDoNothing();
    void unknownModeFindsNothing();
};

void TestPmvInverse::foundPerUnknown_data()
{
    QTest::addColumn<int>("unknown");
    QTest::addColumn<unsigned>("mode");
    QTest::addColumn<double>("ta");
    QTest::addColumn<double>("target");
    QTest::addColumn<QString>("shown");      // value as the form shows it
    QTest::addColumn<QString>("pmv");
    QTest::addColumn<QString>("ppd");
    QTest::addColumn<QString>("mayer");
    QTest::addColumn<QString>("text");

    // Codes 2–4 choose their own computePMV mode: mode 0 passed in must not matter.
    QTest::newRow("operative temperature, defaults, target -0.76")
        << 4 << 0u << 22.0 << -0.76 << "22.00" << "-0.76" << "17.24" << "59.04"
        << "Approx. Operative Temperature found for given PMV\n";
    QTest::newRow("globe temperature 22 °C with air 22 °C")
        << 2 << 0u << 22.0 << -0.76 << "22.00" << "-0.76" << "17.24" << "59.04"
        << "  Approx. Global Temperature found for given PMV\n";
    QTest::newRow("mean radiant temperature with the air kept at 25 °C")
        << 3 << 0u << 25.0 << pmvOf(3, 25, 18.3, 60, 0.1, 0.5 * kCloToM2KW, 69.6) << "18.30"
        << f2(pmvOf(3, 25, 18.3, 60, 0.1, 0.5 * kCloToM2KW, 69.6)) << "" << ""
        << "Approx. MRT found for given PMV\n";
    QTest::newRow("air temperature, radiant 22 °C")
        << 1 << unsigned(PmvInputMode::MRT) << 0.0 << -0.76 << "22.00" << "-0.76" << "17.24"
        << "59.04" << "  Approx. Air Temperature found for given PMV\n";
    QTest::newRow("air speed 0.20 m/s")
        << 6 << unsigned(PmvInputMode::MRT) << 22.0
        << pmvOf(3, 22, 22, 60, 0.2, 0.5 * kCloToM2KW, 69.6) << "0.20" << "" << "" << ""
        << "  Approx. velocity found for given PMV\n";
    QTest::newRow("clothing for neutral at 22 °C: 0.9 clo, shown in clo")
        << 7 << unsigned(PmvInputMode::TaTg) << 22.0 << 0.0 << "0.90" << "0.01" << "" << ""
        << "  Approx. Clothing Insultaion for given PMV\n";
    QTest::newRow("metabolic rate for neutral at 22 °C")
        << 8 << unsigned(PmvInputMode::TaTg) << 22.0 << 0.0 << "90.00" << "" << "" << ""
        << "  Approx. Met for given PMV\n";
}

void TestPmvInverse::foundPerUnknown()
{
    QFETCH(int, unknown);
    QFETCH(unsigned, mode);
    QFETCH(double, ta);
    QFETCH(double, target);
    QFETCH(QString, pmv);
    QFETCH(QString, ppd);
    QFETCH(QString, mayer);

    Inputs in;
    in.mode = mode;
    in.ta = ta;
    const Search s = search(unknown, target, in);
    QVERIFY(s.found);
    QTEST(f2(inverseDisplayValue(unknown, s.value)), "shown");
    QVERIFY(std::fabs(s.pmv - target) < 0.05);
    if (!pmv.isEmpty())
        QCOMPARE(f2(s.pmv), pmv);
    if (!ppd.isEmpty())
        QCOMPARE(f2(s.ppd), ppd);
    if (!mayer.isEmpty())
        QCOMPARE(f2(s.mayer), mayer);
    QCOMPARE(s.limited, s.pmv);
    QTEST(s.text, "text");
}

void TestPmvInverse::notFoundTexts_data()
{
    QTest::addColumn<int>("unknown");
    QTest::addColumn<QString>("text");
    QTest::newRow("air temperature")
        << 1 << "For the given PMV, No appropriate Ta found within the range 10-30 degree C \n";
    QTest::newRow("globe temperature")
        << 2 << " For the given PMV, No appropriate Tg found within the range 10-40 degree C \n";
    QTest::newRow("mean radiant temperature")
        << 3 << " For the given PMV, No appropriate MR found within the range 10-40 degree C \n";
    QTest::newRow("operative temperature")
        << 4 << " For the given PMV, No appropriate To found within the range 10-40 degree C \n";
    QTest::newRow("relative humidity")
        << 5 << " For the given PMV, No appropriate rh found within the range  \n";
    QTest::newRow("air speed")
        << 6 << " For the given PMV, No appropriate Va found within the range 0 - 1 m/s \n";
    QTest::newRow("clothing")
        << 7 << " For the given PMV, No appropriate Icl found within the range 0 to 0.310 m2K/W \n";
    QTest::newRow("metabolic rate")
        << 8 << " For the given PMV, No appropriate Met found within the range 46 to 232 W/m2 \n";
}

void TestPmvInverse::notFoundTexts()
{
    // A PMV of 10 lies beyond every grid; the results stay as they were and the text
    // is appended to what the caller already holds.
    QFETCH(int, unknown);
    QFETCH(QString, text);
    Search s;
    s.text = "before\n";
    s.pmv = 10.0;
    Inputs in;
    in.mode = PmvInputMode::MRT;
    findNearestPMV(unknown, s.found, s.value, s.text, in.mode, in.ta, in.t2, in.rh, in.va, in.Icl,
                   in.M, in.W, s.pmv, s.ppd, s.limited, s.mayer);
    QVERIFY(!s.found);
    QCOMPARE(s.text, "before\n" + text);
    QCOMPARE(s.pmv, 10.0);
    QCOMPARE(s.ppd, -1.0);
    QCOMPARE(s.mayer, -1.0);
}

void TestPmvInverse::strictToleranceEdge()
{
    // Humidity at Ta = Tg = 23.5 °C: PMV rises with rh, so a target above the PMV at
    // 99 % has 99 % as its nearest point. Place the target so that the residual the
    // search computes, PMV − target, is exactly 0.05 in magnitude.
    Inputs in;
    in.ta = in.t2 = 23.5;
    const double g = pmvOf(1, 23.5, 23.5, 99, 0.1, in.Icl, 69.6);
    QVERIFY(g > pmvOf(1, 23.5, 23.5, 98, 0.1, in.Icl, 69.6));
    const double away = std::numeric_limits<double>::infinity();
    double target = g + 0.05;
    for (int k = 0; k < 4096 && std::fabs(g - target) != 0.05; ++k)
        target = std::nextafter(target, std::fabs(g - target) < 0.05 ? away : g);
    QCOMPARE_EQ(std::fabs(g - target), 0.05);

    const Search edge = search(5, target, in);
    QVERIFY(!edge.found);
    QCOMPARE(edge.value, 99.0);

    double inside = target;
    while (std::fabs(g - inside) >= 0.05)
        inside = std::nextafter(inside, g);
    const Search accepted = search(5, inside, in);
    QVERIFY(accepted.found);
    QCOMPARE(accepted.value, 99.0);
    QCOMPARE_EQ(accepted.pmv, g);
}

void TestPmvInverse::tieKeepsSmallerGridValue()
{
    // With a radiant temperature and slow air, natural convection outweighs forced:
    // every air speed up to 0.09 m/s gives the same PMV to the last bit.
    Inputs in;
    in.mode = PmvInputMode::MRT;
    const double still = pmvOf(3, 22, 22, 60, 0.0, in.Icl, 69.6);
    QCOMPARE_EQ(pmvOf(3, 22, 22, 60, 0.09, in.Icl, 69.6), still);
    QVERIFY(pmvOf(3, 22, 22, 60, 0.10, in.Icl, 69.6) != still);

    const Search s = search(6, still + 0.01, in);
    QVERIFY(s.found);
    QCOMPARE_EQ(s.value, 0.0);
}

void TestPmvInverse::gridEndPoints_data()
{
    QTest::addColumn<int>("unknown");
    QTest::addColumn<double>("target");
    QTest::addColumn<bool>("found");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    // At 22 °C the PMV at 99 % is -0.53: neutral lies beyond the humidity grid.
    QTest::newRow("humidity, target 0: 99 %, about 0.53 away")
        << 5 << 0.0 << false << 99.0
        << " For the given PMV, No appropriate rh found within the range  \n";
    // PMV 2.50 at 226 W/m², 2.57 at 230 W/m²: 2.54 would be nearer to 230.
    QTest::newRow("metabolic rate ends at 226 W/m², not 230")
        << 8 << 2.54 << true << 226.0 << "  Approx. Met for given PMV\n";
    QTest::newRow("metabolic rate starts at 46 W/m²")
        << 8 << -3.0 << true << 46.0 << "  Approx. Met for given PMV\n";
    QTest::newRow("clothing ends at 1.98 clo")
        << 7 << 2.0 << false << 1.98 * kCloToM2KW
        << " For the given PMV, No appropriate Icl found within the range 0 to 0.310 m2K/W \n";
    QTest::newRow("operative temperature ends at 40 °C")
        << 4 << 8.0 << false << 40.0
        << " For the given PMV, No appropriate To found within the range 10-40 degree C \n";
    QTest::newRow("air temperature ends at 30 °C")
        << 1 << 5.0 << false << 30.0
        << "For the given PMV, No appropriate Ta found within the range 10-30 degree C \n";
}

void TestPmvInverse::gridEndPoints()
{
    QFETCH(int, unknown);
    QFETCH(double, target);
    QFETCH(double, value);
    const Search s = search(unknown, target);
    QTEST(s.found, "found");
    QVERIFY(std::fabs(s.value - value) < 1e-12);
    QTEST(s.text, "text");
}

void TestPmvInverse::codesOutsideDoNothing_data()
{
    QTest::addColumn<int>("unknown");
    QTest::newRow("no unknown chosen") << 0;
    QTest::newRow("code 9") << 9;
    QTest::newRow("negative code") << -1;
}

void TestPmvInverse::codesOutsideDoNothing()
{
    QFETCH(int, unknown);
    Search s;
    s.found = true;
    s.text = "kept";
    const Search after = [&] {
        Search t = s;
        t.pmv = -0.76;
        findNearestPMV(unknown, t.found, t.value, t.text, 1, 22, 22, 60, 0.1, 0.0775, 69.6, 0,
                       t.pmv, t.ppd, t.limited, t.mayer);
        return t;
    }();
    QVERIFY(after.found);
    QCOMPARE(after.value, 999.9);
    QCOMPARE(after.text, QString("kept"));
    QCOMPARE(after.pmv, -0.76);
    QCOMPARE(after.ppd, -1.0);
    QCOMPARE(inverseSearchMode(unknown, PmvInputMode::TaTg), unsigned(PmvInputMode::NotSet));
    QCOMPARE(inverseUnknownTexts(unknown).button, "");
}

void TestPmvInverse::unknownModeFindsNothing()
{
    // computePMV leaves its outputs alone for mode 0: no grid point may pass off
    // another point's (or the target's) PMV as its own.
    Inputs in;
    in.mode = PmvInputMode::NotSet;
    const Search s = search(5, 0.0, in);
    QVERIFY(!s.found);
    QCOMPARE(s.value, 999.9);
    QCOMPARE(s.text, QString(" For the given PMV, No appropriate rh found within the range  \n"));
}

QTEST_GUILESS_MAIN(TestPmvInverse)
#include "tst_pmvinverse.moc"
