#include "comfort/pmv.h"
#include "comfort/pmvrange.h"

#include <QtTest>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

struct Outputs {
    double pmv = 0, ppd = 0, limited = 0, mayer = 0;
};

Outputs run(unsigned mode, double ta, double t2, double rh, double va, double Icl, double M,
            double W = 0.0)
{
    Outputs o;
    computePMV(mode, ta, t2, rh, va, Icl, M, W, o.pmv, o.ppd, o.limited, o.mayer);
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
    void globeTermVanishesWithoutAirSpeed();
    void clothingAreaFactorSwitchesAfter0078();
    void sweatingStartsAboveMW5815();
    void nonNumberRunsIterationToItsLimit();
    void unknownModeLeavesOutputsUntouched();
    void metabolicRateUnits_data();
    void metabolicRateUnits();
    void physicalRange_data();
    void physicalRange();
    void iso7730Range_data();
    void iso7730Range();
};

void TestPmv::referenceStates_data()
{
    QTest::addColumn<unsigned>("mode");
    QTest::addColumn<double>("ta");
    QTest::addColumn<double>("t2");
    QTest::addColumn<double>("rh");
    QTest::addColumn<double>("clo");
    QTest::addColumn<double>("M");
    QTest::addColumn<QString>("results");   // PMV, PPD, PMV limited to ±3, PPD-Mayer
    QTest::newRow("MRT 22 °C, 60 %, 0.5 clo, 1.2 met")
        << 3u << 22.0 << 22.0 << 60.0 << 0.5 << 69.6 << "-0.76 17.24 -0.76 59.04";
    QTest::newRow("globe = air 22 °C gives the same state")
        << 1u << 22.0 << 22.0 << 60.0 << 0.5 << 69.6 << "-0.76 17.24 -0.76 59.04";
    QTest::newRow("operative 22 °C, 50 %, 1.0 clo, second temperature ignored")
        << 2u << 22.0 << 40.0 << 50.0 << 1.0 << 69.6 << "0.09 5.17 0.09 20.03";
    QTest::newRow("hot 35 °C: PPD from unlimited, Mayer from +3")
        << 3u << 35.0 << 35.0 << 60.0 << 0.5 << 116.0 << "3.13 99.56 3.00 96.72";
    QTest::newRow("cold 10 °C: PPD from unlimited, Mayer from -3")
        << 3u << 10.0 << 10.0 << 50.0 << 0.5 << 69.6 << "-4.55 100.00 -3.00 99.43";
}

void TestPmv::referenceStates()
{
    QFETCH(unsigned, mode);
    QFETCH(double, ta);
    QFETCH(double, t2);
    QFETCH(double, rh);
    QFETCH(double, clo);
    QFETCH(double, M);
    const Outputs o = run(mode, ta, t2, rh, 0.1, clo * kCloToM2KW, M);
    QTEST(QStringList({f2(o.pmv), f2(o.ppd), f2(o.limited), f2(o.mayer)}).join(' '), "results");
    QCOMPARE(o.limited, std::clamp(o.pmv, -3.0, 3.0));
}

void TestPmv::globeTermVanishesWithoutAirSpeed()
{
    // With va = 0 the globe equation returns tg exactly: mode 1 equals mode 3 with tr = tg.
    const Outputs globe = run(1, 20, 26, 50, 0.0, 0.1085, 69.6);
    const Outputs mrt = run(3, 20, 26, 50, 0.0, 0.1085, 69.6);
    QCOMPARE(globe.pmv, mrt.pmv);
    QCOMPARE(globe.ppd, mrt.ppd);
    // With air movement the globe reading is corrected away from the air temperature.
    QVERIFY(std::fabs(run(1, 20, 26, 50, 0.2, 0.1085, 69.6).pmv
                      - run(3, 20, 26, 50, 0.2, 0.1085, 69.6).pmv) > 0.05);
}

void TestPmv::clothingAreaFactorSwitchesAfter0078()
{
    // fcl jumps from 1.10062 (Icl = 0.078, first branch) to 1.10031 just above it: the
    // lighter-dressed side has the larger area factor, hence loses more heat in a cool room.
    const double at = run(3, 18, 18, 50, 0.1, 0.078, 69.6).pmv;
    const double above = run(3, 18, 18, 50, 0.1, 0.078 + 1e-9, 69.6).pmv;
    const double below = run(3, 18, 18, 50, 0.1, 0.078 - 1e-9, 69.6).pmv;
    QVERIFY(above > at);                                          // the jump is visible
    QVERIFY(std::fabs(at - below) < std::fabs(above - at) / 100); // continuous below
}

void TestPmv::sweatingStartsAboveMW5815()
{
    // Sweating takes 0.42 W/m² of every W/m² of M − W above 58.15: the slope of PMV over M
    // drops there by 0.42 × ts ≈ 0.023. W = 10 W/m² moves the switch to M = 68.15.
    auto pmvAt = [](double M) { return run(3, 24, 24, 50, 0.1, 0.124, M, 10.0).pmv; };
    const double h = 0.01;
    const double below = (pmvAt(68.15) - pmvAt(68.15 - h)) / h;
    const double above = (pmvAt(68.15 + h) - pmvAt(68.15)) / h;
    QVERIFY(below - above > 0.015);
    const double wellBelow = (pmvAt(68.15 - h) - pmvAt(68.15 - 2 * h)) / h;
    QVERIFY(std::fabs(wellBelow - below) < 0.01);   // M − W = 58.15 itself has no sweating
}

void TestPmv::nonNumberRunsIterationToItsLimit()
{
    // A non-number never satisfies the convergence test: after 151 passes the call returns
    // and the non-number reaches the outputs. A negative air speed has no 0.6 power.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Outputs o = run(3, 22, nan, 60, 0.1, 0.0775, 69.6);
    QVERIFY(std::isnan(o.pmv) && std::isnan(o.ppd));
    QVERIFY(std::isnan(run(1, 22, 24, 60, -0.1, 0.0775, 69.6).pmv));
}

void TestPmv::unknownModeLeavesOutputsUntouched()
{
    for (unsigned mode : {0u, 4u}) {   // not set, above 3
        Outputs o{1.5, 2.5, 3.5, 4.5};
        computePMV(mode, 22, 22, 60, 0.1, 0.0775, 69.6, 0, o.pmv, o.ppd, o.limited, o.mayer);
        QVERIFY(o.pmv == 1.5 && o.ppd == 2.5 && o.limited == 3.5 && o.mayer == 4.5);
    }
}

void TestPmv::metabolicRateUnits_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("index");
    QTest::addColumn<double>("wm2");
    QTest::newRow("W/m2 unchanged") << 69.6 << 0 << 69.6;
    QTest::newRow("1.2 met is 69.6 W/m2 (58.0, not 58.2)") << 1.2 << 1 << 69.6;
    QTest::newRow("unknown index keeps the value") << 1.2 << 2 << 1.2;
}

void TestPmv::metabolicRateUnits()
{
    QFETCH(double, value);
    QFETCH(int, index);
    QTEST(convertMetabolicRate(value, index), "wm2");
}

void TestPmv::physicalRange_data()
{
    QTest::addColumn<int>("index");   // ta, t2, rh, va, Icl, M
    QTest::addColumn<double>("inside");
    QTest::addColumn<double>("outside");
    QTest::newRow("air temperature: absolute zero") << 0 << -273.15 << -273.16;
    QTest::newRow("radiant temperature: absolute zero") << 1 << -273.15 << -273.16;
    QTest::newRow("humidity 0 %") << 2 << 0.0 << -0.01;
    QTest::newRow("humidity 100 %") << 2 << 100.0 << 100.01;
    QTest::newRow("air speed 0") << 3 << 0.0 << -0.001;
    QTest::newRow("clothing 0") << 4 << 0.0 << -0.001;
    QTest::newRow("metabolic rate above 0") << 5 << 0.001 << 0.0;
    QTest::newRow("not finite") << 0 << 1e308 << std::numeric_limits<double>::infinity();
    QTest::newRow("not a number") << 3 << 0.1 << std::numeric_limits<double>::quiet_NaN();
}

void TestPmv::physicalRange()
{
    QFETCH(int, index);
    QFETCH(double, inside);
    QFETCH(double, outside);
    double state[6] = {22, 22, 60, 0.1, 0.0775, 69.6};
    state[index] = inside;
    QVERIFY(pmvStateIsPhysical(state[0], state[1], state[2], state[3], state[4], state[5]));
    state[index] = outside;
    QVERIFY(!pmvStateIsPhysical(state[0], state[1], state[2], state[3], state[4], state[5]));
}

void TestPmv::iso7730Range_data()
{
    QTest::addColumn<unsigned>("mode");
    QTest::addColumn<QList<double>>("state");   // ta, t2, rh, va, Icl, M, PMV
    QTest::addColumn<unsigned>("outside");      // bits of Iso7730Quantity
    using Q = QList<double>;
    QTest::newRow("reference state") << 3u << Q{22, 22, 60, 0.1, 0.0775, 69.6, -0.76} << 0u;
    QTest::newRow("every edge just inside") << 3u << Q{30, 40, 50, 1, 0.31, 232, 2} << 0u;
    QTest::newRow("every edge just inside, low") << 3u << Q{10, 10, 0, 0, 0, 46, -2} << 0u;
    QTest::newRow("M 45.9, Icl 0.311, ta 9.9") << 3u << Q{9.9, 20, 50, 0.1, 0.311, 45.9, 0} << 0b0000111u;
    QTest::newRow("tr 40.1, va 1.01, PMV 2.01") << 3u << Q{22, 40.1, 50, 1.01, 0.1, 70, 2.01} << 0b1011000u;
    // Magnus at 25 °C: 31.69 hPa, so 86 % gives 2725 Pa (outside) and 85 % 2694 Pa.
    QTest::newRow("vapour pressure just outside") << 3u << Q{25, 25, 86, 0.1, 0.1, 70, 0} << 0b0100000u;
    QTest::newRow("vapour pressure just inside") << 3u << Q{25, 25, 85, 0.1, 0.1, 70, 0} << 0u;
    // Globe 41 °C with air 22 °C at 0.1 m/s: the globe equation gives tr of about 58 °C.
    QTest::newRow("radiant from the globe") << 1u << Q{22, 41, 50, 0.1, 0.1, 70, 0} << 0b0001000u;
    QTest::newRow("operative 31 °C is the air temperature") << 2u << Q{31, 31, 50, 0.1, 0.1, 70, 0} << 0b0000100u;
}

void TestPmv::iso7730Range()
{
    QFETCH(unsigned, mode);
    QFETCH(QList<double>, state);
    QFETCH(unsigned, outside);
    const Iso7730Check c = checkIso7730(mode, state[0], state[1], state[2], state[3], state[4],
                                        state[5], state[6]);
    QCOMPARE(c.outside, outside);
    QCOMPARE(c.value[Iso7730Quantity::VapourPressure], waterVapourPressure(state[0], state[2]));
}

QTEST_GUILESS_MAIN(TestPmv)
#include "tst_pmv.moc"
