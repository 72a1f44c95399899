#include "comfort/pmv.h"
#include "comfort/pmvinverse.h"

#include <QtTest>

#include <cmath>
#include <limits>

namespace {

struct Search {
    bool found = false;
    double value = 999.9;
    QString text;
    double pmv = 0, ppd = -1, limited = -1, mayer = -1;
};

// The form's defaults besides the temperatures: 60 %, 0.1 m/s, 0.5 clo, 69.6 W/m².
Search search(int unknown, double target, unsigned mode = PmvInputMode::TaTg, double ta = 22,
              double t2 = 22, const QString &before = {})
{
    Search s;
    s.pmv = target;
    s.text = before;
    findNearestPMV(unknown, s.found, s.value, s.text, mode, ta, t2, 60, 0.1, 0.5 * kCloToM2KW,
                   69.6, 0, s.pmv, s.ppd, s.limited, s.mayer);
    return s;
}

double pmvOf(unsigned mode, double ta, double t2, double rh, double va)
{
    double pmv = 0, ppd = 0, lim = 0, mayer = 0;
    computePMV(mode, ta, t2, rh, va, 0.5 * kCloToM2KW, 69.6, 0, pmv, ppd, lim, mayer);
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
    void perUnknown_data();
    void perUnknown();
    void strictToleranceEdge();
    void tieKeepsSmallerGridValue();
    void nothingToSearch();
};

void TestPmvInverse::perUnknown_data()
{
    QTest::addColumn<int>("unknown");
    QTest::addColumn<unsigned>("mode");
    QTest::addColumn<double>("ta");
    QTest::addColumn<double>("target");
    QTest::addColumn<bool>("found");
    QTest::addColumn<double>("shown");      // nearest value as the form shows it
    QTest::addColumn<QString>("results");   // PMV, PPD, PPD-Mayer; untouched when not found
    QTest::addColumn<QString>("text");
    // Codes 2–4 choose their own computePMV mode: mode 0 passed in must not matter.
    QTest::newRow("operative temperature, defaults, target -0.76")
        << 4 << 0u << 22.0 << -0.76 << true << 22.0 << "-0.76 17.24 59.04"
        << "Approx. Operative Temperature found for given PMV\n";
    QTest::newRow("globe temperature 22 °C with air 22 °C")
        << 2 << 0u << 22.0 << -0.76 << true << 22.0 << "-0.76 17.24 59.04"
        << "  Approx. Global Temperature found for given PMV\n";
    QTest::newRow("mean radiant temperature with the air kept at 25 °C")
        << 3 << 0u << 25.0 << pmvOf(3, 25, 18.3, 60, 0.1) << true << 18.3 << "-0.78 17.75 59.82"
        << "Approx. MRT found for given PMV\n";
    QTest::newRow("air temperature, radiant 22 °C")
        << 1 << 3u << 0.0 << -0.76 << true << 22.0 << "-0.76 17.24 59.04"
        << "  Approx. Air Temperature found for given PMV\n";
    QTest::newRow("air speed 0.20 m/s")
        << 6 << 3u << 22.0 << pmvOf(3, 22, 22, 60, 0.2) << true << 0.2 << "-1.10 30.68 74.29"
        << "  Approx. velocity found for given PMV\n";
    QTest::newRow("clothing for neutral at 22 °C: 0.9 clo, shown in clo")
        << 7 << 1u << 22.0 << 0.0 << true << 0.9 << "0.01 5.00 22.42"
        << "  Approx. Clothing Insultaion for given PMV\n";
    // PMV 2.50 at 226 W/m², 2.57 at 230 W/m²: 2.54 would be nearer to 230.
    QTest::newRow("metabolic rate ends at 226 W/m², not 230")
        << 8 << 1u << 22.0 << 2.54 << true << 226.0 << "2.50 93.38 90.82"
        << "  Approx. Met for given PMV\n";
    // A PMV of 10 lies beyond every grid: the nearest point is the grid's far end.
    const QString untouched = "10.00 -1.00 -1.00";
    QTest::newRow("air temperature not found")
        << 1 << 3u << 22.0 << 10.0 << false << 30.0 << untouched
        << "For the given PMV, No appropriate Ta found within the range 10-30 degree C \n";
    QTest::newRow("operative temperature not found")
        << 4 << 3u << 22.0 << 10.0 << false << 40.0 << untouched
        << " For the given PMV, No appropriate To found within the range 10-40 degree C \n";
    QTest::newRow("relative humidity not found, ends at 99 %")
        << 5 << 3u << 22.0 << 10.0 << false << 99.0 << untouched
        << " For the given PMV, No appropriate rh found within the range  \n";
    QTest::newRow("clothing not found, ends at 1.98 clo")
        << 7 << 3u << 22.0 << 10.0 << false << 1.98 << untouched
        << " For the given PMV, No appropriate Icl found within the range 0 to 0.310 m2K/W \n";
    QTest::newRow("metabolic rate not found, ends at 226 W/m²")
        << 8 << 3u << 22.0 << 10.0 << false << 226.0 << untouched
        << " For the given PMV, No appropriate Met found within the range 46 to 232 W/m2 \n";
}

void TestPmvInverse::perUnknown()
{
    // The text is appended to what the caller already holds.
    QFETCH(int, unknown);
    QFETCH(unsigned, mode);
    QFETCH(double, ta);
    QFETCH(double, target);
    QFETCH(bool, found);
    QFETCH(double, shown);
    QFETCH(QString, text);
    const Search s = search(unknown, target, mode, ta, 22, "before\n");
    QCOMPARE(s.found, found);
    QVERIFY2(std::fabs(inverseDisplayValue(unknown, s.value) - shown) < 1e-12,
             qPrintable(QString::number(s.value, 'g', 17)));
    QTEST(QStringList({f2(s.pmv), f2(s.ppd), f2(s.mayer)}).join(' '), "results");
    QCOMPARE(s.limited, found ? s.pmv : -1.0);
    QVERIFY(!found || std::fabs(s.pmv - target) < 0.05);
    QCOMPARE(s.text, "before\n" + text);
}

void TestPmvInverse::strictToleranceEdge()
{
    // Humidity at Ta = Tg = 23.5 °C: PMV rises with rh, so a target above the PMV at 99 %
    // has 99 % as its nearest point. Place the target so that the residual the search
    // computes, PMV − target, is exactly 0.05 in magnitude.
    const double g = pmvOf(1, 23.5, 23.5, 99, 0.1);
    QVERIFY(g > pmvOf(1, 23.5, 23.5, 98, 0.1));
    const double away = std::numeric_limits<double>::infinity();
    double target = g + 0.05;
    for (int k = 0; k < 4096 && std::fabs(g - target) != 0.05; ++k)
        target = std::nextafter(target, std::fabs(g - target) < 0.05 ? away : g);
    QCOMPARE_EQ(std::fabs(g - target), 0.05);

    const Search edge = search(5, target, PmvInputMode::TaTg, 23.5, 23.5);
    QVERIFY(!edge.found);
    QCOMPARE(edge.value, 99.0);

    double inside = target;
    while (std::fabs(g - inside) >= 0.05)
        inside = std::nextafter(inside, g);
    const Search accepted = search(5, inside, PmvInputMode::TaTg, 23.5, 23.5);
    QVERIFY(accepted.found);
    QCOMPARE(accepted.value, 99.0);
    QCOMPARE_EQ(accepted.pmv, g);
}

void TestPmvInverse::tieKeepsSmallerGridValue()
{
    // With a radiant temperature and slow air, natural convection outweighs forced:
    // every air speed up to 0.09 m/s gives the same PMV to the last bit.
    const double still = pmvOf(3, 22, 22, 60, 0.0);
    QCOMPARE_EQ(pmvOf(3, 22, 22, 60, 0.09), still);
    QVERIFY(pmvOf(3, 22, 22, 60, 0.10) != still);
    const Search s = search(6, still + 0.01, PmvInputMode::MRT);
    QVERIFY(s.found);
    QCOMPARE_EQ(s.value, 0.0);
}

void TestPmvInverse::nothingToSearch()
{
    for (int unknown : {0, 9}) {   // no unknown chosen, code 9: nothing touched
        Search s;
        s.found = true;
        s.text = "kept";
        s.pmv = -0.76;
        findNearestPMV(unknown, s.found, s.value, s.text, 1, 22, 22, 60, 0.1, 0.0775, 69.6, 0,
                       s.pmv, s.ppd, s.limited, s.mayer);
        QVERIFY(s.found && s.value == 999.9 && s.text == "kept" && s.pmv == -0.76 && s.ppd == -1.0);
        QCOMPARE(inverseSearchMode(unknown, PmvInputMode::TaTg), unsigned(PmvInputMode::NotSet));
        QCOMPARE(inverseUnknownTexts(unknown).button, "");
    }
    // computePMV leaves its outputs alone for mode 0: no grid point may pass off another
    // point's (or the target's) PMV as its own.
    const Search s = search(5, 0.0, PmvInputMode::NotSet);
    QVERIFY(!s.found && s.value == 999.9);
    QCOMPARE(s.text, " For the given PMV, No appropriate rh found within the range  \n");
}

QTEST_GUILESS_MAIN(TestPmvInverse)
#include "tst_pmvinverse.moc"
