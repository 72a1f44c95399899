#include "assessment/humidity.h"

#include <QtTest>

#include <cmath>

namespace {

QString fixed(double v, int decimals)
{
    return QString::number(v, 'f', decimals);
}

// n records of the same outdoor and indoor state; the masks as given for every record.
IndoorHumidity constantRecords(size_t n, double to, double rho, double ti, bool working,
                               bool winter, bool summer, const HumidityParameters &p)
{
    return computeIndoorHumidity(std::vector<double>(n, to), std::vector<double>(n, ti),
                                 std::vector<double>(n, rho), std::vector<bool>(n, working),
                                 std::vector<bool>(n, winter), std::vector<bool>(n, summer), p);
}

}

class TestHumidity : public QObject
{
    Q_OBJECT
private slots:
    void twoRecordExample();
    void outdoorFloorAndCap();
    void seasonChoice_data();
    void seasonChoice();
    void bands_data();
    void bands();
    void shares();
    void points_data();
    void points();
};

// 0 °C, 80 % outside, 20 °C inside, two winter working hours, 3 persons and 1 small plant.
void TestHumidity::twoRecordExample()
{
    const IndoorHumidity r = constantRecords(2, 0.0, 80.0, 20.0, true, true, false, HumidityParameters());
    QCOMPARE(fixed(saturationPressure(0.0), 2), "610.78");
    QCOMPARE(fixed(r.xOut[1], 7), "0.0030551");
    QCOMPARE(fixed(r.ahOut[1], 4), "3.8768");
    QCOMPARE(r.mprod[1], 178.5);
    QCOMPARE(QList<double>({r.ahIn[0], r.xIn[0], r.rhIn[0]}), QList<double>({8.91, 0.007513, 50.9}));
    // The first sub-step's 0.4963 lies below the outdoor value; the mean still sees it.
    QCOMPARE(fixed(r.ahIn[1], 4), "4.5341");
    QCOMPARE(fixed(r.xIn[1], 7), "0.0038212");
    QCOMPARE(fixed(r.rhIn[1], 2), "26.06");
}

void TestHumidity::outdoorFloorAndCap()
{
    // Night air change only, no sources: the room dries towards the outdoor air, never under it.
    HumidityParameters p;
    p.smallPlants = 0.0;
    const IndoorHumidity dry = constantRecords(8, 0.0, 80.0, 20.0, false, true, false, p);
    for (size_t h = 1; h < 8; ++h)
        QVERIFY(dry.ahIn[h] <= dry.ahIn[h - 1] && dry.ahIn[h] >= dry.ahOut[h]);
    // 3.8768 + (8.91 - 3.8768) × mean of 0.8^k, k = 1..20
    QCOMPARE(fixed(dry.ahIn[1], 4), "4.8718");
    QCOMPARE(fixed(dry.ahIn[7], 4), fixed(dry.ahOut[7], 4));
    // Saturated, warm outdoor air in a room at 5 °C: above 100 % is shown as 100.
    const IndoorHumidity wet = constantRecords(3, 25.0, 100.0, 5.0, false, true, false, p);
    QCOMPARE(wet.rhIn[2], 100.0);
}

// Air change and recovery chosen so that N × (1 − HR) = 1 for the right pair only: then
// each sub-step lands on outdoor + M / V, and so does the mean.
void TestHumidity::seasonChoice_data()
{
    QTest::addColumn<bool>("working");
    QTest::addColumn<bool>("winter");
    QTest::addColumn<bool>("summer");
    QTest::addColumn<double>("ach");
    QTest::addColumn<double>("mprod");
    QTest::newRow("working hour, winter") << true << true << false << 2.0 << 190.7;
    QTest::newRow("working hour, summer") << true << false << true << 4.0 << 190.7;
    QTest::newRow("working hour, spring") << true << false << false << 1.0 << 190.7;
    QTest::newRow("outside working time, winter") << false << true << false << 1.0 << 8.7;
}

void TestHumidity::seasonChoice()
{
    QFETCH(bool, working);
    QFETCH(bool, winter);
    QFETCH(bool, summer);
    QFETCH(double, ach);
    QFETCH(double, mprod);
    HumidityParameters p;
    p.achWinter = 2.0, p.achSummer = 4.0, p.achSpring = 1.0, p.achInfil = 1.0;
    p.hrWinter = 0.5, p.hrSummer = 0.75, p.hrSpring = 0.0;
    p.bigPlants = 2.0, p.otherSource = 5.0;
    const IndoorHumidity r = constantRecords(2, 10.0, 60.0, 22.0, working, winter, summer, p);
    QCOMPARE(r.ach[1], ach);
    QCOMPARE(fixed(r.mprod[1], 6), fixed(mprod, 6));
    QCOMPARE(fixed(r.ahIn[1], 9), fixed(r.ahOut[1] + r.mprod[1] / p.volume, 9));
}

void TestHumidity::bands_data()
{
    QTest::addColumn<double>("rh");
    QTest::addColumn<double>("x");
    QTest::addColumn<bool>("summer");
    QTest::addColumn<int>("rhBand");
    QTest::addColumn<int>("xBand");
    QTest::addColumn<double>("above");
    QTest::addColumn<double>("below");
    QTest::newRow("RH 10.0005 % in winter") << 10.0005 << 0.005 << false << 1 << 2 << 0.0 << 1.0;
    QTest::newRow("RH 10.0005 % in summer") << 10.0005 << 0.005 << true << 0 << 2 << 0.0 << 1.0;
    QTest::newRow("x 12 g/kg: not above") << 50.0 << 0.012 << false << 4 << 5 << 0.0 << 0.0;
    QTest::newRow("x 12.001 g/kg: band 12-14") << 50.0 << 0.012001 << true << 4 << 6 << 1.0 << 0.0;
    QTest::newRow("RH 24 %, x 13 g/kg: above only") << 24.0 << 0.013 << false << 2 << 6 << 1.0 << 0.0;
    QTest::newRow("RH 25 %: not below") << 25.0 << 0.005 << true << 2 << 2 << 0.0 << 0.0;
    QTest::newRow("RH 100 %, x 20 g/kg: top bands") << 100.0 << 0.02 << true << 9 << 9 << 1.0 << 0.0;
}

void TestHumidity::bands()
{
    QFETCH(double, rh);
    QFETCH(double, x);
    QFETCH(bool, summer);
    QFETCH(int, rhBand);
    QFETCH(int, xBand);
    QFETCH(double, above);
    QFETCH(double, below);
    // The record sits in one period; a second, unmasked record must not count.
    const std::vector<bool> in{true, false}, out{false, false};
    const HumidityAssessment a = assessIndoorHumidity({rh, 50.0}, {x, 0.005}, summer ? out : in,
                                                      summer ? in : out);
    const HumidityDistribution &rhd = summer ? a.rhSummer : a.rhWinter;
    const HumidityDistribution &xd = summer ? a.xSummer : a.xWinter;
    QCOMPARE(rhd[rhBand], 1.0);
    QCOMPARE(xd[xBand], 1.0);
    QCOMPARE(rhd[10] + xd[10], 2.0);
    QCOMPARE(a.summary[summer ? HumiditySlot::SummerAbove : HumiditySlot::WinterAbove], above);
    QCOMPARE(a.summary[summer ? HumiditySlot::SummerBelow : HumiditySlot::WinterBelow], below);
}

// 10 winter hours, one of them dry (10 %: 12 points); no summer hour: share and points N.A.
void TestHumidity::shares()
{
    std::vector<double> rh(12, 40.0), x(12, 0.007);
    rh[3] = 20.0;
    std::vector<bool> winter(12, true);
    winter[0] = winter[11] = false;
    const HumidityAssessment a = assessIndoorHumidity(rh, x, winter, std::vector<bool>(12, false));
    using namespace HumiditySlot;
    QCOMPARE(a.summary[WinterRhTotal], 10.0);
    QCOMPARE(a.summary[WinterXTotal], 10.0);
    QCOMPARE(a.summary[WinterBelowShare], 10.0);
    QCOMPARE(fixed(a.summary[WinterPoints], 6), "12.000000");
    QVERIFY(std::isnan(a.summary[SummerAboveShare]) && std::isnan(a.summary[SummerPoints]));
}

void TestHumidity::points_data()
{
    QTest::addColumn<double>("share");
    QTest::addColumn<double>("full");
    QTest::addColumn<double>("points");
    QTest::newRow("winter 7.0 %") << 7.0 << 30.0 << 30.0;
    QTest::newRow("winter 9.5 %") << 9.5 << 30.0 << 15.0;
    QTest::newRow("winter just below 12.001 %") << 12.0009 << 30.0 << 0.0;
    QTest::newRow("winter 12.001 %") << 12.001 << 30.0 << 0.0;
    QTest::newRow("summer 9.5 %") << 9.5 << 10.0 << 5.0;
}

void TestHumidity::points()
{
    QFETCH(double, share);
    QFETCH(double, full);
    QFETCH(double, points);
    QCOMPARE(humidityPoints(share, full), points);
}

QTEST_GUILESS_MAIN(TestHumidity)
#include "tst_humidity.moc"
