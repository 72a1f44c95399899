#include "radiant/asymmetry.h"
#include "radiant/mrt.h"

#include <QtTest>

#include <cmath>

Q_DECLARE_METATYPE(RoomRadiantInput)

namespace {

// ISO 7730 PD curves [%] with their published coefficients.
double coolWall(double dt) { return 100.0 / (1.0 + std::exp(6.61 - 0.345 * dt)); }
double warmWall(double dt) { return 100.0 / (1.0 + std::exp(3.72 - 0.052 * dt)) - 3.5; }
double warmCeiling(double dt) { return 100.0 / (1.0 + std::exp(2.84 - 0.174 * dt)) - 5.5; }
double coolCeiling(double dt) { return 100.0 / (1.0 + std::exp(9.93 - 0.5 * dt)); }

// 5 × 6 × 3 m, every surface at 20 °C; the area on `side`, if any, at Tarea.
RoomRadiantInput roomWith(int side = -1, double Tarea = 0.0, bool ticked = true)
{
    RoomRadiantInput r;
    r.W = 5, r.D = 6, r.H = 3, r.Xp = 2, r.Yp = 2.5, r.Zp = 1.1;
    if (side >= 0)
        r.surface[side] = {20.0, Tarea, ticked, 1.0, 1.0, 0.5, 0.5};
    return r;
}

QString f2(double v)
{
    return QString::number(v, 'f', 2);
}

}

class TestAsymmetry : public QObject
{
    Q_OBJECT
private slots:
    void curves_data();
    void curves();
    void pairsUseTheirOwnWalls_data();
    void pairsUseTheirOwnWalls();
    void verdicts_data();
    void verdicts();
    void points();
};

void TestAsymmetry::curves_data()
{
    // Walls: the asymmetry with a cold and a warm window flag. Floor/ceiling: the plane
    // radiant temperatures [K] of the down- and up-facing elements, the ceiling-area flag.
    QTest::addColumn<bool>("walls");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<bool>("cold");   // walls: cold window; floor/ceiling: ceiling area
    QTest::addColumn<bool>("warm");
    QTest::addColumn<double>("pd");
    QTest::newRow("cold window, 10 K") << true << 10.0 << 0.0 << true << false << coolWall(10.0);
    QTest::newRow("cold window, just below 15.01 K") << true << 15.0099 << 0.0 << true << false << coolWall(15.0099);
    QTest::newRow("cold window, 15.01 K is out of range") << true << 15.01 << 0.0 << true << false << 999.0;
    QTest::newRow("cold window, no asymmetry") << true << 0.0 << 0.0 << true << false << 0.0;
    QTest::newRow("warm window, 20 K") << true << 20.0 << 0.0 << false << true << warmWall(20.0);
    QTest::newRow("warm window, just below 35.01 K") << true << 35.0099 << 0.0 << false << true << warmWall(35.0099);
    QTest::newRow("warm window, 35.01 K is out of range") << true << 35.01 << 0.0 << false << true << 999.0;
    QTest::newRow("warm window, 7.7 K: curve below 0 clamps") << true << 7.7 << 0.0 << false << true << 0.0;
    QTest::newRow("cold and warm window: judged as cool wall") << true << 20.0 << 0.0 << true << true << 999.0;
    QTest::newRow("no window, large asymmetry from plain walls") << true << 50.0 << 0.0 << false << false << 0.0;
    QTest::newRow("warm ceiling, 20 K") << false << 293.0 << 313.0 << true << false << warmCeiling(20.0);
    QTest::newRow("heated floor under a ceiling area: cool-ceiling curve")
        << false << 308.0 << 293.0 << true << false << coolCeiling(15.0);
    QTest::newRow("heated floor, no ceiling area: not assessed") << false << 300.0 << 290.0 << false << false << 0.0;
    QTest::newRow("no floor/ceiling asymmetry") << false << 293.0 << 293.0 << true << false << 0.0;
    QTest::newRow("exactly 23.01 K gives 0") << false << 0.0 << 23.01 << true << false << 0.0;
    QTest::newRow("just below 23.01 K on the curve") << false << 0.0 << 23.0099 << true << false << warmCeiling(23.0099);
    QTest::newRow("above 23.01 K out of range") << false << 0.0 << 23.02 << true << false << 999.0;
    QTest::newRow("above 23.01 K out of range even without area") << false << 330.0 << 300.0 << false << false << 999.0;
}

void TestAsymmetry::curves()
{
    QFETCH(bool, walls);
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(bool, cold);
    QFETCH(bool, warm);
    QTEST(walls ? wallPairPd(a, cold, warm) : floorCeilingPd(a, b, cold), "pd");
}

void TestAsymmetry::pairsUseTheirOwnWalls_data()
{
    // Plane radiant temperatures 288, 298, 290, 294, 296, 300 K: |Δ| = 10 K front/back,
    // 4 K left/right, 4 K floor/ceiling with the up-facing side warmer.
    QTest::addColumn<RoomRadiantInput>("input");
    QTest::addColumn<QStringList>("pd");   // front/back, left/right, floor/ceiling
    const QString c10 = f2(coolWall(10.0)), c4 = f2(coolWall(4.0)), no = "0.00";
    const QString w4 = f2(warmCeiling(4.0));
    QTest::newRow("cold front window") << roomWith(RoomSide::Front, 5) << QStringList{c10, no, no};
    QTest::newRow("cold back window") << roomWith(RoomSide::Back, 5) << QStringList{c10, no, no};
    QTest::newRow("cold left window") << roomWith(RoomSide::Left, 5) << QStringList{no, c4, no};
    QTest::newRow("cold right window") << roomWith(RoomSide::Right, 5) << QStringList{no, c4, no};
    QTest::newRow("unticked cold window is no window")
        << roomWith(RoomSide::Front, 5, false) << QStringList{no, no, no};
    QTest::newRow("warm front window, 10 K")
        << roomWith(RoomSide::Front, 40) << QStringList{f2(warmWall(10.0)), no, no};
    QTest::newRow("warm ceiling area, 4 K") << roomWith(RoomSide::Ceiling, 40)
                                            << QStringList{no, no, w4};
    QTest::newRow("cooled ceiling area, up-facing side warmer: warm-ceiling curve")
        << roomWith(RoomSide::Ceiling, 5) << QStringList{no, no, w4};
    QTest::newRow("cold floor area is not a ceiling area")
        << roomWith(RoomSide::Floor, 5) << QStringList{no, no, no};
}

void TestAsymmetry::pairsUseTheirOwnWalls()
{
    QFETCH(RoomRadiantInput, input);
    const AsymmetryResult r = computeAsymmetry({288.0, 298.0, 290.0, 294.0, 296.0, 300.0}, input);
    QCOMPARE(r.dtFrontBack, 10.0);
    QCOMPARE(r.dtLeftRight, 4.0);
    QCOMPARE(r.dtFloorCeiling, 4.0);
    QTEST(QStringList({f2(r.pdFrontBack), f2(r.pdLeftRight), f2(r.pdFloorCeiling)}), "pd");
}

void TestAsymmetry::verdicts_data()
{
    // The warm-ceiling rule reads the entered temperatures; the area is not ticked here.
    QTest::addColumn<double>("pdWalls");
    QTest::addColumn<double>("pdFloorCeiling");
    QTest::addColumn<double>("ceilingAreaT");   // the ceiling itself is at 20 °C
    QTest::addColumn<bool>("wallsPass");
    QTest::addColumn<bool>("floorCeilingPasses");
    QTest::newRow("just below 1.01 % passes") << 1.0099 << 1.0099 << 0.0 << true << true;
    QTest::newRow("1.01 % fails") << 1.01 << 1.01 << 0.0 << false << false;
    QTest::newRow("warm ceiling, just below 5.01 % passes") << 0.0 << 5.0099 << 35.0 << true
                                                            << true;
    QTest::newRow("warm ceiling, 5.01 % fails") << 0.0 << 5.01 << 35.0 << true << false;
    QTest::newRow("3 % under a cooled ceiling fails") << 3.0 << 3.0 << 16.0 << false << false;
    QTest::newRow("area as warm as the ceiling is not warm") << 0.0 << 3.0 << 20.0 << true
                                                             << false;
}

void TestAsymmetry::verdicts()
{
    QFETCH(double, pdWalls);
    QFETCH(double, pdFloorCeiling);
    QFETCH(double, ceilingAreaT);
    QFETCH(bool, wallsPass);
    RoomRadiantInput r = roomWith(RoomSide::Ceiling, ceilingAreaT, false);
    AsymmetryResult a;
    a.pdFrontBack = pdWalls;
    a.pdFloorCeiling = pdFloorCeiling;
    AsymmetryVerdicts v = judgeAsymmetry(a, r);
    QCOMPARE(v.frontBack, wallsPass);
    QCOMPARE(v.leftRight, true);
    QTEST(v.floorCeiling, "floorCeilingPasses");
    std::swap(a.pdFrontBack, a.pdLeftRight);
    v = judgeAsymmetry(a, r);
    QCOMPARE(v.frontBack, true);
    QCOMPARE(v.leftRight, wallsPass);
}

void TestAsymmetry::points()
{
    // Winter 20, summer 10, only with every pair passing and the floor confirmed.
    QCOMPARE(radiationPoints({true, true, true}, true, false), 20);
    QCOMPARE(radiationPoints({true, true, true}, true, true), 10);
    QCOMPARE(radiationPoints({true, true, true}, false, false), 0);
    QCOMPARE(radiationPoints({false, true, true}, true, false), 0);
    QCOMPARE(radiationPoints({true, false, true}, true, true), 0);
    QCOMPARE(radiationPoints({true, true, false}, true, false), 0);
}

QTEST_GUILESS_MAIN(TestAsymmetry)
#include "tst_asymmetry.moc"
