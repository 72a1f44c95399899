#include "assessment/humidity.h"

#include <QtTest>

#include <cmath>

namespace {

QString fixed(double v, int decimals) { return QString::number(v, 'f', decimals); }

// n records of one outdoor and indoor state; every record in the same masks.
IndoorHumidity sameRecords(size_t n, double to, double rho, double ti, bool working, bool winter,
                           bool summer, const HumidityParameters &p = HumidityParameters())
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
    void balance();
    void seasonChoice_data();
    void seasonChoice();
    void bands_data();
    void bands();
    void sharesAndPoints();
};

void TestHumidity::balance()
{
    // 0 °C and 80 % outside, 20 °C inside, two winter working hours, 3 persons, 1 small plant.
    // The first sub-step's 0.4963 lies below the outdoor 3.8768; the mean still sees it.
    const IndoorHumidity r = sameRecords(2, 0.0, 80.0, 20.0, true, true, false);
    QCOMPARE(QStringList({fixed(r.xOut[1], 7), fixed(r.ahOut[1], 4), fixed(r.mprod[1], 1), fixed(r.ahIn[0], 2),
                          fixed(r.xIn[0], 6), fixed(r.rhIn[0], 1), fixed(r.ahIn[1], 4), fixed(r.xIn[1], 7),
                          fixed(r.rhIn[1], 2)}).join(' '),
             "0.0030551 3.8768 178.5 8.91 0.007513 50.9 4.5341 0.0038212 26.06");
    // Night air change only, no source: the room dries towards the outdoor air, never under it;
    // 3.8768 + (8.91 - 3.8768) × mean of 0.8^k, k = 1..20, in the first hour.
    HumidityParameters p;
    p.smallPlants = 0.0;
    const IndoorHumidity dry = sameRecords(8, 0.0, 80.0, 20.0, false, true, false, p);
    QCOMPARE(fixed(dry.ahIn[1], 4) + ' ' + fixed(dry.ahIn[7], 4), "4.8718 3.8768");
    QVERIFY(*std::min_element(dry.ahIn.begin(), dry.ahIn.end()) >= dry.ahOut[0]);
    // Saturated warm air in a room at 5 °C: above 100 % is shown as 100.
    QCOMPARE(sameRecords(3, 25.0, 100.0, 5.0, false, true, false, p).rhIn[2], 100.0);
}

// Air change and recovery chosen so that N × (1 − HR) = 1 for the right pair only: then every
// sub-step lands on outdoor + M / V, and so does the mean.
void TestHumidity::seasonChoice_data()
{
    QTest::addColumn<bool>("working");
    QTest::addColumn<bool>("winter");
    QTest::addColumn<bool>("summer");
    QTest::addColumn<QString>("expected");   // ACH, Mprod
    QTest::newRow("working hour, winter") << true << true << false << "2 190.7";
    QTest::newRow("working hour, summer") << true << false << true << "4 190.7";
    QTest::newRow("working hour, spring") << true << false << false << "1 190.7";
    QTest::newRow("outside working time, winter") << false << true << false << "1 8.7";
}

void TestHumidity::seasonChoice()
{
    QFETCH(bool, working);
    QFETCH(bool, winter);
    QFETCH(bool, summer);
    QFETCH(QString, expected);
    HumidityParameters p;
    p.achWinter = 2.0, p.achSummer = 4.0, p.achSpring = 1.0, p.achInfil = 1.0;
    p.hrWinter = 0.5, p.hrSummer = 0.75, p.bigPlants = 2.0, p.otherSource = 5.0;
    const IndoorHumidity r = sameRecords(2, 10.0, 60.0, 22.0, working, winter, summer, p);
    QCOMPARE(QString::number(r.ach[1]) + ' ' + QString::number(r.mprod[1]), expected);
    QCOMPARE(fixed(r.ahIn[1], 9), fixed(r.ahOut[1] + r.mprod[1] / p.volume, 9));
}

void TestHumidity::bands_data()
{
    QTest::addColumn<double>("rh");
    QTest::addColumn<double>("x");
    QTest::addColumn<bool>("summer");
    QTest::addColumn<QString>("expected");   // RH band, x band, hours above, hours below
    QTest::newRow("RH 10.0005 % in winter") << 10.0005 << 0.005 << false << "1 2 0 1";
    QTest::newRow("RH 10.0005 % in summer") << 10.0005 << 0.005 << true << "0 2 0 1";
    QTest::newRow("x 12 g/kg: not above") << 50.0 << 0.012 << false << "4 5 0 0";
    QTest::newRow("x 12.001 g/kg: band 12-14") << 50.0 << 0.012001 << true << "4 6 1 0";
    QTest::newRow("RH 24 %, x 13 g/kg: above only") << 24.0 << 0.013 << false << "2 6 1 0";
    QTest::newRow("RH 100 %, x 20 g/kg: top bands") << 100.0 << 0.02 << true << "9 9 1 0";
}

// One record in the period, a second in none.
void TestHumidity::bands()
{
    QFETCH(double, rh);
    QFETCH(double, x);
    QFETCH(bool, summer);
    QFETCH(QString, expected);
    const std::vector<bool> in{true, false}, out{false, false};
    const HumidityAssessment a = assessIndoorHumidity({rh, 50.0}, {x, 0.005}, summer ? out : in, summer ? in : out);
    const HumidityDistribution &rhd = summer ? a.rhSummer : a.rhWinter, &xd = summer ? a.xSummer : a.xWinter;
    QCOMPARE(rhd[10] + xd[10], 2.0);
    const int first = summer ? HumiditySlot::SummerAbove : HumiditySlot::WinterAbove;
    QCOMPARE(QString("%1 %2 %3 %4").arg(std::find(rhd.begin(), rhd.end(), 1.0) - rhd.begin())
                 .arg(std::find(xd.begin(), xd.end(), 1.0) - xd.begin()).arg(a.summary[first])
                 .arg(a.summary[first + 1]), expected);
}

void TestHumidity::sharesAndPoints()
{
    // 10 winter hours, one of them dry: 10 %, 12 points; no summer hour: share and points N.A.
    std::vector<double> rh(12, 40.0), x(12, 0.007);
    rh[3] = 20.0;
    std::vector<bool> winter(12, true);
    winter[0] = winter[11] = false;
    const HumidityAssessment a = assessIndoorHumidity(rh, x, winter, std::vector<bool>(12, false));
    using namespace HumiditySlot;
    QCOMPARE(QList<double>({a.summary[WinterRhTotal], a.summary[WinterXTotal], a.summary[WinterBelowShare]}),
             QList<double>({10.0, 10.0, 10.0}));
    QCOMPARE(fixed(a.summary[WinterPoints], 9), "12.000000000");
    QVERIFY(std::isnan(a.summary[SummerAboveShare]) && std::isnan(a.summary[SummerPoints]));
    // 12.0009 % lies under the line's zero at 12 %: no negative points.
    QCOMPARE(QList<double>({humidityPoints(7.0, 30), humidityPoints(9.5, 30), humidityPoints(12.0009, 30),
                            humidityPoints(12.001, 30), humidityPoints(9.5, 10)}),
             QList<double>({30, 15, 0, 0, 5}));
}

QTEST_GUILESS_MAIN(TestHumidity)
#include "tst_humidity.moc"
