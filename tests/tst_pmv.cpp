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

}

class TestPmv : public QObject
{
    Q_OBJECT
private slots:
    void referenceStates_data();
    void referenceStates();
    void iso7730TableD_data();
    void iso7730TableD();
    void branchSwitches();
    void unknownModeAndNonNumbers();
    void metabolicRateUnits();
    void physicalRange_data();
    void physicalRange();
    void iso7730Range_data();
    void iso7730Range();
};

void TestPmv::referenceStates_data()
{
    QTest::addColumn<unsigned>("mode");
    QTest::addColumn<QList<double>>("state");   // ta, t2, rh, clo, M; va 0.1 m/s
    QTest::addColumn<QString>("results");       // PMV, PPD, PMV limited to ±3, PPD-Mayer
    using S = QList<double>;
    QTest::newRow("MRT 22 °C, 60 %, 0.5 clo, 1.2 met") << 3u << S{22, 22, 60, 0.5, 69.6} << "-0.76 17.24 -0.76 59.04";
    QTest::newRow("globe = air 22 °C gives the same state") << 1u << S{22, 22, 60, 0.5, 69.6} << "-0.76 17.24 -0.76 59.04";
    QTest::newRow("operative 22 °C, second temperature ignored") << 2u << S{22, 40, 50, 1.0, 69.6} << "0.09 5.17 0.09 20.03";
    QTest::newRow("hot 35 °C: PPD from unlimited, Mayer from +3") << 3u << S{35, 35, 60, 0.5, 116} << "3.13 99.56 3.00 96.72";
    QTest::newRow("cold 10 °C: PPD from unlimited, Mayer from -3") << 3u << S{10, 10, 50, 0.5, 69.6} << "-4.55 100.00 -3.00 99.43";
}

void TestPmv::referenceStates()
{
    QFETCH(unsigned, mode);
    QFETCH(QList<double>, state);
    const Outputs o = run(mode, state[0], state[1], state[2], 0.1, state[3] * kCloToM2KW, state[4]);
    QStringList texts;
    for (double v : {o.pmv, o.ppd, o.limited, o.mayer})
        texts << QString::number(v, 'f', 2);
    QTEST(texts.join(' '), "results");
}

void TestPmv::iso7730TableD_data()
{
    // ISO 7730:2005 Annex D, Table D.1, the runs whose air and mean radiant temperatures
    // differ (1.2 met = 69.78 W/m² there, 1 met = 58.15 W/m²). The table prints PMV to two
    // decimals and PPD in whole per cent. Swapping ta and tr moves PMV by 0.03 to 0.2.
    QTest::addColumn<QList<double>>("state");   // ta, tr, va, rh, clo
    QTest::addColumn<double>("pmv");
    QTest::addColumn<int>("ppd");
    using S = QList<double>;
    QTest::newRow("run 4: ta 23.5, tr 25.5, still air") << S{23.5, 25.5, 0.1, 60, 0.5} << -0.01 << 5;
    QTest::newRow("run 5: ta 23.5, tr 25.5, 0.3 m/s") << S{23.5, 25.5, 0.3, 60, 0.5} << -0.55 << 11;
    QTest::newRow("run 9: ta 23, tr 21, still air") << S{23, 21, 0.1, 40, 1.0} << 0.05 << 5;
    QTest::newRow("run 10: ta 23, tr 21, 0.3 m/s") << S{23, 21, 0.3, 40, 1.0} << -0.16 << 6;
}

void TestPmv::iso7730TableD()
{
    QFETCH(QList<double>, state);
    QFETCH(double, pmv);
    const Outputs o = run(PmvInputMode::MRT, state[0], state[1], state[3], state[2],
                          state[4] * kCloToM2KW, 1.2 * 58.15);
    QVERIFY2(std::fabs(o.pmv - pmv) <= 0.0101, qPrintable(QString::number(o.pmv)));
    QTEST(qRound(o.ppd), "ppd");
}

void TestPmv::branchSwitches()
{
    // Globe: with va = 0 the globe equation returns tg exactly (mode 1 equals mode 3);
    // with air movement the reading is corrected away from the air temperature.
    QCOMPARE(run(1, 20, 26, 50, 0.0, 0.1085, 69.6).pmv, run(3, 20, 26, 50, 0.0, 0.1085, 69.6).pmv);
    QVERIFY(std::fabs(run(1, 20, 26, 50, 0.2, 0.1085, 69.6).pmv - run(3, 20, 26, 50, 0.2, 0.1085, 69.6).pmv) > 0.05);
    // fcl jumps from 1.10062 (Icl = 0.078, first branch) to 1.10031 just above it: the
    // lighter-dressed side has the larger area factor, hence loses more heat in a cool room.
    auto cloth = [](double Icl) { return run(3, 18, 18, 50, 0.1, Icl, 69.6).pmv; };
    QVERIFY(cloth(0.078 + 1e-9) > cloth(0.078));
    QVERIFY(std::fabs(cloth(0.078) - cloth(0.078 - 1e-9)) < std::fabs(cloth(0.078 + 1e-9) - cloth(0.078)) / 100);
    // Sweating takes 0.42 W/m² of every W/m² of M − W above 58.15: the slope of PMV over M
    // drops there by 0.42 × ts ≈ 0.023. W = 10 W/m² moves the switch to M = 68.15, which
    // itself has no sweating.
    auto slope = [](double M) {
        return (run(3, 24, 24, 50, 0.1, 0.124, M + 0.01, 10.0).pmv - run(3, 24, 24, 50, 0.1, 0.124, M, 10.0).pmv) / 0.01;
    };
    QVERIFY(slope(68.14) - slope(68.15) > 0.015);
    QVERIFY(std::fabs(slope(68.13) - slope(68.14)) < 0.01);
}

void TestPmv::unknownModeAndNonNumbers()
{
    for (unsigned mode : {0u, 4u}) {   // not set, above 3: outputs untouched
        Outputs o{1.5, 2.5, 3.5, 4.5};
        computePMV(mode, 22, 22, 60, 0.1, 0.0775, 69.6, 0, o.pmv, o.ppd, o.limited, o.mayer);
        QVERIFY(o.pmv == 1.5 && o.ppd == 2.5 && o.limited == 3.5 && o.mayer == 4.5);
    }
    // A non-number never converges: after 151 passes it reaches the outputs. A negative
    // air speed has no 0.6 power.
    const Outputs o = run(3, 22, std::numeric_limits<double>::quiet_NaN(), 60, 0.1, 0.0775, 69.6);
    QVERIFY(std::isnan(o.pmv) && std::isnan(o.ppd));
    QVERIFY(std::isnan(run(1, 22, 24, 60, -0.1, 0.0775, 69.6).pmv));
}

void TestPmv::metabolicRateUnits()
{
    QCOMPARE(convertMetabolicRate(69.6, 0), 69.6);   // W/m² unchanged
    QCOMPARE(convertMetabolicRate(1.2, 1), 69.6);    // 1 met = 58.0 W/m², not 58.2
    QCOMPARE(convertMetabolicRate(1.2, 2), 1.2);     // unknown index keeps the value
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
    double s[6] = {22, 22, 60, 0.1, 0.0775, 69.6};
    s[index] = inside;
    QVERIFY(pmvStateIsPhysical(s[0], s[1], s[2], s[3], s[4], s[5]));
    s[index] = outside;
    QVERIFY(!pmvStateIsPhysical(s[0], s[1], s[2], s[3], s[4], s[5]));
}

void TestPmv::iso7730Range_data()
{
    QTest::addColumn<unsigned>("mode");
    QTest::addColumn<QList<double>>("state");   // ta, t2, rh, va, Icl, M, PMV
    QTest::addColumn<unsigned>("outside");      // bits of Iso7730Quantity
    using Q = QList<double>;
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
    const Iso7730Check c = checkIso7730(mode, state[0], state[1], state[2], state[3], state[4], state[5], state[6]);
    QTEST(c.outside, "outside");
    QCOMPARE(c.value[Iso7730Quantity::VapourPressure], waterVapourPressure(state[0], state[2]));
}

QTEST_GUILESS_MAIN(TestPmv)
#include "tst_pmv.moc"
