#include "comfort/pmv.h"

#include <QtTest>

#include <cmath>
#include <limits>

namespace {

struct Outputs {
    double pmv = 0, ppd = 0, limited = 0, mayer = 0;
};

Outputs run(unsigned mode, double ta, double t2, double rh, double va, double clo, double M,
            double W = 0.0)
{
    Outputs o;
    computePMV(mode, ta, t2, rh, va, clo * kCloToM2KW, M, W, o.pmv, o.ppd, o.limited, o.mayer);
    return o;
}

QString f2(double v)
{
    return QString::number(v, 'f', 2);
}

}

class TestPmv : public QObject
{
    Q_OBJECT
private slots:
    void referenceStates_data();
    void referenceStates();
    void globeTermVanishesWithoutAirSpeed_data();
    void globeTermVanishesWithoutAirSpeed();
    void clothingAreaFactorSwitchesAfter0078();
    void sweatingStartsAboveMW5815();
    void limitedPmvFeedsMayerCurve_data();
    void limitedPmvFeedsMayerCurve();
    void nonNumberRunsIterationToItsLimit();
    void unknownModeLeavesOutputsUntouched_data();
    void unknownModeLeavesOutputsUntouched();
    void metabolicRateUnits_data();
    void metabolicRateUnits();
};

void TestPmv::referenceStates_data()
{
    QTest::addColumn<unsigned>("mode");
    QTest::addColumn<double>("ta");
    QTest::addColumn<double>("t2");
    QTest::addColumn<double>("rh");
    QTest::addColumn<double>("clo");
    QTest::addColumn<double>("M");
    QTest::addColumn<QString>("pmv");
    QTest::addColumn<QString>("ppd");
    QTest::addColumn<QString>("mayer");

    QTest::newRow("MRT 22 °C, 60 %, 0.5 clo, 1.2 met")
        << 3u << 22.0 << 22.0 << 60.0 << 0.5 << 69.6 << "-0.76" << "17.24" << "59.04";
    QTest::newRow("globe = air 22 °C gives the same state")
        << 1u << 22.0 << 22.0 << 60.0 << 0.5 << 69.6 << "-0.76" << "17.24" << "59.04";
    QTest::newRow("operative 22 °C, 50 %, 1.0 clo")
        << 2u << 22.0 << 22.0 << 50.0 << 1.0 << 69.6 << "0.09" << "5.17" << "20.03";
    QTest::newRow("operative mode ignores the second temperature")
        << 2u << 22.0 << 40.0 << 50.0 << 1.0 << 69.6 << "0.09" << "5.17" << "20.03";
    QTest::newRow("hot 35 °C: PPD from unlimited, Mayer from +3")
        << 3u << 35.0 << 35.0 << 60.0 << 0.5 << 116.0 << "3.13" << "99.56" << "96.72";
    QTest::newRow("cold 10 °C: PPD from unlimited, Mayer from -3")
        << 3u << 10.0 << 10.0 << 50.0 << 0.5 << 69.6 << "-4.55" << "100.00" << "99.43";
}

void TestPmv::referenceStates()
{
    QFETCH(unsigned, mode);
    QFETCH(double, ta);
    QFETCH(double, t2);
    QFETCH(double, rh);
    QFETCH(double, clo);
    QFETCH(double, M);
    const Outputs o = run(mode, ta, t2, rh, 0.1, clo, M);
    QTEST(f2(o.pmv), "pmv");
    QTEST(f2(o.ppd), "ppd");
    QTEST(f2(o.mayer), "mayer");
}

void TestPmv::globeTermVanishesWithoutAirSpeed_data()
{
    QTest::addColumn<double>("ta");
    QTest::addColumn<double>("tg");
    QTest::newRow("globe warmer than air") << 20.0 << 26.0;
    QTest::newRow("globe colder than air") << 24.0 << 18.0;
}

void TestPmv::globeTermVanishesWithoutAirSpeed()
{
    // With va = 0 the globe equation returns tg exactly: mode 1 equals mode 3 with tr = tg.
    QFETCH(double, ta);
    QFETCH(double, tg);
    const Outputs globe = run(1, ta, tg, 50.0, 0.0, 0.7, 69.6);
    const Outputs mrt = run(3, ta, tg, 50.0, 0.0, 0.7, 69.6);
    QCOMPARE(globe.pmv, mrt.pmv);
    QCOMPARE(globe.ppd, mrt.ppd);
    // With air movement the globe reading is corrected towards the air temperature's far side.
    const Outputs moving = run(1, ta, tg, 50.0, 0.2, 0.7, 69.6);
    const Outputs moving3 = run(3, ta, tg, 50.0, 0.2, 0.7, 69.6);
    QVERIFY(std::fabs(moving.pmv - moving3.pmv) > 0.05);
}

void TestPmv::clothingAreaFactorSwitchesAfter0078()
{
    // fcl jumps from 1.10062 (Icl = 0.078, first branch) to 1.10031 just above it: the
    // lighter-dressed side has the larger area factor, hence loses more heat by
    // radiation and convection in a cool room.
    double pmvAt = 0, pmvAbove = 0, pmvBelow = 0, d1 = 0, d2 = 0, d3 = 0;
    computePMV(3, 18, 18, 50, 0.1, 0.078, 69.6, 0, pmvAt, d1, d2, d3);
    computePMV(3, 18, 18, 50, 0.1, 0.078 + 1e-9, 69.6, 0, pmvAbove, d1, d2, d3);
    computePMV(3, 18, 18, 50, 0.1, 0.078 - 1e-9, 69.6, 0, pmvBelow, d1, d2, d3);
    QVERIFY(pmvAbove > pmvAt);                                   // the jump is visible
    QVERIFY(std::fabs(pmvAt - pmvBelow) < std::fabs(pmvAbove - pmvAt) / 100);  // continuous below
}

void TestPmv::sweatingStartsAboveMW5815()
{
    // PMV is continuous in M, but the sweating term switches on only for M − W > 58.15:
    // the slope of PMV over M changes there. Compare the slopes on both sides.
    auto pmvAt = [](double M, double W) {
        double pmv = 0, a = 0, b = 0, c = 0;
        computePMV(3, 24, 24, 50, 0.1, 0.8 * kCloToM2KW, M, W, pmv, a, b, c);
        return pmv;
    };
    const double h = 0.01;
    const double W = 10.0;                          // W shifts the switch point: M = 68.15
    const double below = (pmvAt(68.15, W) - pmvAt(68.15 - h, W)) / h;
    const double above = (pmvAt(68.15 + h, W) - pmvAt(68.15, W)) / h;
    // Sweating takes 0.42 W/m² of every extra W/m²: the slope drops by 0.42 × ts ≈ 0.023.
    QVERIFY(below - above > 0.015);
    const double wellBelow = (pmvAt(68.15 - h, W) - pmvAt(68.15 - 2 * h, W)) / h;
    QVERIFY(std::fabs(wellBelow - below) < 0.01);  // MW = 58.15 itself has no sweating
}

void TestPmv::limitedPmvFeedsMayerCurve_data()
{
    QTest::addColumn<double>("ta");
    QTest::addColumn<double>("M");
    QTest::addColumn<double>("limited");
    QTest::newRow("above +3") << 35.0 << 116.0 << 3.0;
    QTest::newRow("below -3") << 10.0 << 69.6 << -3.0;
}

void TestPmv::limitedPmvFeedsMayerCurve()
{
    QFETCH(double, ta);
    QFETCH(double, M);
    QFETCH(double, limited);
    const Outputs o = run(3, ta, ta, 60.0, 0.1, 0.5, M);
    QVERIFY(std::fabs(o.pmv) > 3.0);
    QCOMPARE(o.limited, limited);
    const double x = limited - 0.4;
    QCOMPARE(o.mayer, 100.0 - 84.3 * std::exp(0.01 * x * x * x * x - 0.5479 * x * x));
    QCOMPARE(o.ppd, 100.0 - 95.0 * std::exp(-0.03353 * std::pow(o.pmv, 4) - 0.2179 * o.pmv * o.pmv));
}

void TestPmv::nonNumberRunsIterationToItsLimit()
{
    // A non-number never satisfies the convergence test: after 151 passes the call
    // returns, and the non-number reaches every output.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    Outputs o;
    computePMV(3, 22, nan, 60, 0.1, 0.0775, 69.6, 0, o.pmv, o.ppd, o.limited, o.mayer);
    QVERIFY(std::isnan(o.pmv));
    QVERIFY(std::isnan(o.ppd));
    // A negative air speed has no 0.6 power in the globe equation: non-number as well.
    computePMV(1, 22, 24, 60, -0.1, 0.0775, 69.6, 0, o.pmv, o.ppd, o.limited, o.mayer);
    QVERIFY(std::isnan(o.pmv));
}

void TestPmv::unknownModeLeavesOutputsUntouched_data()
{
    QTest::addColumn<unsigned>("mode");
    QTest::newRow("not set") << 0u;
    QTest::newRow("code above 3") << 4u;
}

void TestPmv::unknownModeLeavesOutputsUntouched()
{
    QFETCH(unsigned, mode);
    Outputs o{1.5, 2.5, 3.5, 4.5};
    computePMV(mode, 22, 22, 60, 0.1, 0.0775, 69.6, 0, o.pmv, o.ppd, o.limited, o.mayer);
    QCOMPARE(o.pmv, 1.5);
    QCOMPARE(o.ppd, 2.5);
    QCOMPARE(o.limited, 3.5);
    QCOMPARE(o.mayer, 4.5);
}

void TestPmv::metabolicRateUnits_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("index");
    QTest::addColumn<double>("wm2");
    QTest::newRow("W/m2 unchanged") << 69.6 << 0 << 69.6;
    QTest::newRow("1.2 met is 69.6 W/m2 (58.0, not 58.2)") << 1.2 << 1 << 69.6;
    QTest::newRow("unknown index keeps the value") << 1.2 << 2 << 1.2;
    QTest::newRow("negative index keeps the value") << 3.0 << -1 << 3.0;
}

void TestPmv::metabolicRateUnits()
{
    QFETCH(double, value);
    QFETCH(int, index);
    QFETCH(double, wm2);
    QCOMPARE(convertMetabolicRate(value, index), wm2);
}

QTEST_GUILESS_MAIN(TestPmv)
#include "tst_pmv.moc"
