#include "radiant/asymmetry.h"
#include "radiant/mrt.h"

#include <QtTest>

#include <cmath>

using PlaneTemperatures = std::array<double, 6>;
Q_DECLARE_METATYPE(RoomRadiantInput)
Q_DECLARE_METATYPE(PlaneTemperatures)

namespace {

double coolWall(double dt) { return 100.0 / (1.0 + std::exp(6.61 - 0.345 * dt)); }
double warmWall(double dt) { return 100.0 / (1.0 + std::exp(3.72 - 0.052 * dt)) - 3.5; }
double warmCeiling(double dt) { return 100.0 / (1.0 + std::exp(2.84 - 0.174 * dt)) - 5.5; }
double coolCeiling(double dt) { return 100.0 / (1.0 + std::exp(9.93 - 0.5 * dt)); }

RoomRadiantInput plainRoom()
{
    RoomRadiantInput r;
    r.W = 5;
    r.D = 6;
    r.H = 3;
    r.Xp = 2;
    r.Yp = 2.5;
    r.Zp = 1.1;
    return r;   // every surface at 20 °C, no area
}

RoomRadiantInput withArea(RoomRadiantInput r, int side, double Tarea, bool ticked = true)
{
    r.surface[side].hasArea = ticked;
    r.surface[side].Tarea = Tarea;
    r.surface[side].g1 = r.surface[side].g2 = 1.0;
    r.surface[side].z1 = r.surface[side].z2 = 0.5;
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
    void wallPair_data();
    void wallPair();
    void floorCeiling_data();
    void floorCeiling();
    void pairsUseTheirOwnWalls_data();
    void pairsUseTheirOwnWalls();
    void verdicts_data();
    void verdicts();
    void points_data();
    void points();
    void hotCeilingOutOfRangeFails();
};

void TestAsymmetry::wallPair_data()
{
    QTest::addColumn<double>("dt");
    QTest::addColumn<bool>("cold");
    QTest::addColumn<bool>("warm");
    QTest::addColumn<double>("pd");

    QTest::newRow("cold window, 10 K") << 10.0 << true << false << coolWall(10.0);
    QTest::newRow("cold window, 15 K limit still on the curve") << 15.0 << true << false
                                                                 << coolWall(15.0);
    QTest::newRow("cold window, just below 15.01 K") << 15.0099 << true << false
                                                     << coolWall(15.0099);
    QTest::newRow("cold window, 15.01 K is out of range") << 15.01 << true << false << 999.0;
    QTest::newRow("cold window, 40 K out of range") << 40.0 << true << false << 999.0;
    QTest::newRow("cold window, no asymmetry") << 0.0 << true << false << 0.0;
    QTest::newRow("warm window, 20 K") << 20.0 << false << true << warmWall(20.0);
    QTest::newRow("warm window, just below 35.01 K") << 35.0099 << false << true
                                                     << warmWall(35.0099);
    QTest::newRow("warm window, 35.01 K is out of range") << 35.01 << false << true << 999.0;
    QTest::newRow("warm window, small asymmetry clamps to 0") << 0.5 << false << true << 0.0;
    QTest::newRow("warm window, 7.7 K: curve still below 0") << 7.7 << false << true << 0.0;
    QTest::newRow("warm window, 7.8 K: curve just above 0") << 7.8 << false << true
                                                            << warmWall(7.8);
    QTest::newRow("warm window, no asymmetry") << 0.0 << false << true << 0.0;
    QTest::newRow("cold and warm window: judged as cool wall") << 20.0 << true << true << 999.0;
    QTest::newRow("cold and warm window, 5 K: cool-wall curve") << 5.0 << true << true
                                                               << coolWall(5.0);
    QTest::newRow("no window, large asymmetry from plain walls") << 50.0 << false << false
                                                                 << 0.0;
}

void TestAsymmetry::wallPair()
{
    QFETCH(double, dt);
    QFETCH(bool, cold);
    QFETCH(bool, warm);
    QFETCH(double, pd);
    QCOMPARE(wallPairPd(dt, cold, warm), pd);
}

void TestAsymmetry::floorCeiling_data()
{
    // Plane radiant temperatures [K] of the down- and up-facing elements.
    QTest::addColumn<double>("trDown");
    QTest::addColumn<double>("trUp");
    QTest::addColumn<bool>("ceilingArea");
    QTest::addColumn<double>("pd");

    QTest::newRow("warm ceiling, 20 K") << 293.0 << 313.0 << true << warmCeiling(20.0);
    QTest::newRow("warm ceiling, 2 K") << 293.0 << 295.0 << true << warmCeiling(2.0);
    QTest::newRow("cool ceiling, 15 K") << 308.0 << 293.0 << true << coolCeiling(15.0);
    QTest::newRow("heated floor with a ceiling area: cool-ceiling curve")
        << 300.0 << 290.0 << true << coolCeiling(10.0);
    QTest::newRow("heated floor, no ceiling area: not assessed") << 300.0 << 290.0 << false
                                                                  << 0.0;
    QTest::newRow("warm ceiling without ticked area: not assessed") << 290.0 << 300.0 << false
                                                                     << 0.0;
    QTest::newRow("no asymmetry") << 293.0 << 293.0 << true << 0.0;
    QTest::newRow("exactly 23.01 K gives 0") << 0.0 << 23.01 << true << 0.0;
    QTest::newRow("just below 23.01 K on the curve") << 0.0 << 23.0099 << true
                                                     << warmCeiling(23.0099);
    QTest::newRow("above 23.01 K out of range") << 0.0 << 23.02 << true << 999.0;
    QTest::newRow("above 23.01 K out of range even without area") << 330.0 << 300.0 << false
                                                                   << 999.0;
}

void TestAsymmetry::floorCeiling()
{
    QFETCH(double, trDown);
    QFETCH(double, trUp);
    QFETCH(bool, ceilingArea);
    QFETCH(double, pd);
    QCOMPARE(floorCeilingPd(trDown, trUp, ceilingArea), pd);
}

void TestAsymmetry::pairsUseTheirOwnWalls_data()
{
    QTest::addColumn<RoomRadiantInput>("input");
    QTest::addColumn<PlaneTemperatures>("tr");   // plane radiant temperatures [K]
    QTest::addColumn<QString>("frontBack");
    QTest::addColumn<QString>("leftRight");
    QTest::addColumn<QString>("floorCeiling");

    const std::array<double, 6> tr = {288.0, 298.0, 290.0, 294.0, 296.0, 300.0};
    // |Δ| = 10 K front/back, 4 K left/right, 4 K floor/ceiling (up-facing warmer).
    const QString cool10 = f2(coolWall(10.0)), cool4 = f2(coolWall(4.0));
    QTest::newRow("cold front window: front/back only")
        << withArea(plainRoom(), RoomSide::Front, 5) << tr << cool10 << "0.00" << "0.00";
    QTest::newRow("cold back window: front/back only")
        << withArea(plainRoom(), RoomSide::Back, 5) << tr << cool10 << "0.00" << "0.00";
    QTest::newRow("cold left window: left/right only")
        << withArea(plainRoom(), RoomSide::Left, 5) << tr << "0.00" << cool4 << "0.00";
    QTest::newRow("cold right window: left/right only")
        << withArea(plainRoom(), RoomSide::Right, 5) << tr << "0.00" << cool4 << "0.00";
    QTest::newRow("unticked cold window is no window")
        << withArea(plainRoom(), RoomSide::Front, 5, false) << tr << "0.00" << "0.00" << "0.00";
    QTest::newRow("warm front window, 10 K") << withArea(plainRoom(), RoomSide::Front, 40) << tr
                                             << f2(warmWall(10.0)) << "0.00" << "0.00";
    QTest::newRow("warm ceiling area, 4 K") << withArea(plainRoom(), RoomSide::Ceiling, 40)
                                            << tr << "0.00" << "0.00" << f2(warmCeiling(4.0));
    QTest::newRow("cooled ceiling area, 4 K, up-facing side warmer: warm-ceiling curve")
        << withArea(plainRoom(), RoomSide::Ceiling, 5) << tr << "0.00" << "0.00"
        << f2(warmCeiling(4.0));
    QTest::newRow("cold floor area is not a ceiling area")
        << withArea(plainRoom(), RoomSide::Floor, 5) << tr << "0.00" << "0.00" << "0.00";
}

void TestAsymmetry::pairsUseTheirOwnWalls()
{
    QFETCH(RoomRadiantInput, input);
    QFETCH(PlaneTemperatures, tr);
    const AsymmetryResult r = computeAsymmetry(tr, input);
    QCOMPARE(r.dtFrontBack, 10.0);
    QCOMPARE(r.dtLeftRight, 4.0);
    QCOMPARE(r.dtFloorCeiling, 4.0);
    QTEST(f2(r.pdFrontBack), "frontBack");
    QTEST(f2(r.pdLeftRight), "leftRight");
    QTEST(f2(r.pdFloorCeiling), "floorCeiling");
}

void TestAsymmetry::verdicts_data()
{
    QTest::addColumn<double>("pdWalls");
    QTest::addColumn<double>("pdFloorCeiling");
    QTest::addColumn<double>("ceilingT");
    QTest::addColumn<double>("ceilingAreaT");
    QTest::addColumn<bool>("wallsPass");
    QTest::addColumn<bool>("floorCeilingPasses");

    QTest::newRow("1.00 % passes") << 1.0 << 1.0 << 20.0 << 0.0 << true << true;
    QTest::newRow("just below 1.01 % passes") << 1.0099 << 1.0099 << 20.0 << 0.0 << true << true;
    QTest::newRow("1.01 % fails") << 1.01 << 1.01 << 20.0 << 0.0 << false << false;
    QTest::newRow("3 % under a warm ceiling passes") << 3.0 << 3.0 << 20.0 << 35.0 << false
                                                     << true;
    QTest::newRow("3 % under a cooled ceiling fails") << 3.0 << 3.0 << 20.0 << 16.0 << false
                                                      << false;
    QTest::newRow("warm ceiling, 5.00 % passes") << 0.0 << 5.0 << 20.0 << 35.0 << true << true;
    QTest::newRow("warm ceiling, 5.01 % fails") << 0.0 << 5.01 << 20.0 << 35.0 << true << false;
    QTest::newRow("area as warm as the ceiling is not warm") << 0.0 << 3.0 << 20.0 << 20.0
                                                             << true << false;
    QTest::newRow("out-of-range marker fails") << 999.0 << 999.0 << 20.0 << 35.0 << false
                                               << false;
}

void TestAsymmetry::verdicts()
{
    QFETCH(double, pdWalls);
    QFETCH(double, pdFloorCeiling);
    QFETCH(double, ceilingT);
    QFETCH(double, ceilingAreaT);
    QFETCH(bool, wallsPass);
    QFETCH(bool, floorCeilingPasses);
    // The warm-ceiling rule reads the entered temperatures, ticked or not.
    RoomRadiantInput r = plainRoom();
    r.surface[RoomSide::Ceiling].T = ceilingT;
    r.surface[RoomSide::Ceiling].Tarea = ceilingAreaT;
    AsymmetryResult a;
    a.pdFrontBack = pdWalls;
    a.pdLeftRight = 0.0;
    a.pdFloorCeiling = pdFloorCeiling;
    AsymmetryVerdicts v = judgeAsymmetry(a, r);
    QCOMPARE(v.frontBack, wallsPass);
    QCOMPARE(v.leftRight, true);
    QCOMPARE(v.floorCeiling, floorCeilingPasses);
    a.pdFrontBack = 0.0;
    a.pdLeftRight = pdWalls;
    v = judgeAsymmetry(a, r);
    QCOMPARE(v.frontBack, true);
    QCOMPARE(v.leftRight, wallsPass);
}

void TestAsymmetry::points_data()
{
    QTest::addColumn<bool>("frontBack");
    QTest::addColumn<bool>("leftRight");
    QTest::addColumn<bool>("floorCeiling");
    QTest::addColumn<bool>("floorBox");
    QTest::addColumn<bool>("summer");
    QTest::addColumn<int>("points");

    QTest::newRow("winter, all pass, floor confirmed") << true << true << true << true << false
                                                       << 20;
    QTest::newRow("summer, all pass, floor confirmed") << true << true << true << true << true
                                                       << 10;
    QTest::newRow("floor not confirmed") << true << true << true << false << false << 0;
    QTest::newRow("front/back fails") << false << true << true << true << false << 0;
    QTest::newRow("left/right fails") << true << false << true << true << true << 0;
    QTest::newRow("floor/ceiling fails") << true << true << false << true << false << 0;
}

void TestAsymmetry::points()
{
    QFETCH(bool, frontBack);
    QFETCH(bool, leftRight);
    QFETCH(bool, floorCeiling);
    QFETCH(bool, floorBox);
    QFETCH(bool, summer);
    QFETCH(int, points);
    QCOMPARE(radiationPoints({frontBack, leftRight, floorCeiling}, floorBox, summer), points);
}

void TestAsymmetry::hotCeilingOutOfRangeFails()
{
    // A 150 °C radiant ceiling panel over the occupant: beyond the warm-ceiling curve.
    RoomRadiantInput r = withArea(plainRoom(), RoomSide::Ceiling, 150);
    std::array<double, 6> tr;
    AsymmetryResult a;
    computeMrtPlane(r, tr, a);
    QVERIFY(a.dtFloorCeiling > 23.01);
    QCOMPARE(f2(a.pdFloorCeiling), "999.00");
    const AsymmetryVerdicts v = judgeAsymmetry(a, r);
    QVERIFY(!v.floorCeiling);
    QCOMPARE(radiationPoints(v, true, false), 0);
}

QTEST_GUILESS_MAIN(TestAsymmetry)
#include "tst_asymmetry.moc"
