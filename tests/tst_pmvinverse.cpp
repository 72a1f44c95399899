// Inverse PMV: the grid value of one unknown whose PMV lies nearest to a wanted PMV.
#include "comfort/pmv.h"
#include "comfort/pmvinverse.h"

#include <QtTest>

#include <cmath>
#include <limits>

namespace {

struct Search {
    bool found = true;   // a search that does nothing leaves all of these alone
    double value = 999.9;
    QString text = "before\n";
    double pmv = 0, ppd = -1, limited = -1, mayer = -1;
};

// Air and second temperature 22 °C unless given, 60 %, 0.1 m/s, 0.5 clo, 69.6 W/m².
Search search(int unknown, double target, unsigned mode, double t = 22)
{
    Search s;
    s.pmv = target;
    findNearestPMV(unknown, s.found, s.value, s.text, mode, t, t, 60, 0.1, 0.5 * kCloToM2KW, 69.6,
                   0, s.pmv, s.ppd, s.limited, s.mayer);
    return s;
}

double pmvOf(unsigned mode, double t2, double rh, double va, double ta = 22)
{
    double pmv = 0, ppd = 0, lim = 0, mayer = 0;
    computePMV(mode, ta, t2, rh, va, 0.5 * kCloToM2KW, 69.6, 0, pmv, ppd, lim, mayer);
    return pmv;
}

}

class TestPmvInverse : public QObject
{
    Q_OBJECT
private slots:
    void perUnknown_data()
    {
        QTest::addColumn<int>("unknown");
        QTest::addColumn<unsigned>("mode");
        QTest::addColumn<double>("target");
        QTest::addColumn<bool>("found");
        QTest::addColumn<double>("shown");      // nearest value as the form shows it
        QTest::addColumn<QString>("results");   // PMV, PPD, PPD-Mayer; untouched when not found
        QTest::addColumn<QString>("text");      // appended to what the caller holds
        // Codes 2–4 choose their own computePMV mode: mode 0 passed in must not matter.
        QTest::newRow("operative temperature, defaults, target -0.76") << 4 << 0u << -0.76 << true
            << 22.0 << "-0.76 17.24 59.04" << "Approx. Operative Temperature found for given PMV\n";
        QTest::newRow("globe temperature 22 °C with air 22 °C") << 2 << 0u << -0.76 << true << 22.0
            << "-0.76 17.24 59.04" << "  Approx. Global Temperature found for given PMV\n";
        QTest::newRow("mean radiant temperature with the air kept at 22 °C") << 3 << 0u
            << pmvOf(3, 18.3, 60, 0.1) << true << 18.3 << "-1.26 38.01 79.76" << "Approx. MRT found for given PMV\n";
        QTest::newRow("air temperature, radiant 22 °C") << 1 << 3u << -0.76 << true << 22.0
            << "-0.76 17.24 59.04" << "  Approx. Air Temperature found for given PMV\n";
        QTest::newRow("air speed 0.20 m/s") << 6 << 3u << pmvOf(3, 22, 60, 0.2) << true << 0.2
            << "-1.10 30.68 74.29" << "  Approx. velocity found for given PMV\n";
        // Below 0.1 m/s natural convection outweighs forced: 0 … 0.09 m/s give one PMV to the
        // last bit; on equal distances the smaller grid value stays.
        QCOMPARE_EQ(pmvOf(3, 22, 60, 0.09), pmvOf(3, 22, 60, 0));
        QTest::newRow("air speed tie keeps 0 m/s") << 6 << 3u << pmvOf(3, 22, 60, 0) + 0.01 << true
            << 0.0 << "-0.76 17.24 59.04" << "  Approx. velocity found for given PMV\n";
        QTest::newRow("clothing for neutral at 22 °C: 0.9 clo, shown in clo") << 7 << 1u << 0.0 << true
            << 0.9 << "0.01 5.00 22.42" << "  Approx. Clothing Insultaion for given PMV\n";
        // PMV 2.50 at 226 W/m², 2.57 at 230 W/m²: 2.54 would be nearer to 230.
        QTest::newRow("metabolic rate ends at 226 W/m², not 230") << 8 << 1u << 2.54 << true << 226.0
            << "2.50 93.38 90.82" << "  Approx. Met for given PMV\n";
        // A PMV of 10 lies beyond every grid: the nearest point is the grid's far end.
        const QString untouched = "10.00 -1.00 -1.00";
        QTest::newRow("air temperature not found") << 1 << 3u << 10.0 << false << 30.0 << untouched
            << "For the given PMV, No appropriate Ta found within the range 10-30 degree C \n";
        QTest::newRow("operative temperature not found") << 4 << 3u << 10.0 << false << 40.0 << untouched
            << " For the given PMV, No appropriate To found within the range 10-40 degree C \n";
        QTest::newRow("relative humidity not found, ends at 99 %") << 5 << 3u << 10.0 << false << 99.0
            << untouched << " For the given PMV, No appropriate rh found within the range  \n";
        QTest::newRow("clothing not found, ends at 1.98 clo") << 7 << 3u << 10.0 << false << 1.98 << untouched
            << " For the given PMV, No appropriate Icl found within the range 0 to 0.310 m2K/W \n";
        QTest::newRow("metabolic rate not found, ends at 226 W/m²") << 8 << 3u << 10.0 << false << 226.0
            << untouched << " For the given PMV, No appropriate Met found within the range 46 to 232 W/m2 \n";
        // computePMV leaves its outputs alone for mode 0: no grid point may pass off another
        // point's (or the target's) PMV as its own.
        QTest::newRow("no computePMV mode: nothing found, value kept") << 5 << 0u << 0.0 << false << 999.9
            << "0.00 -1.00 -1.00" << " For the given PMV, No appropriate rh found within the range  \n";
    }

    void perUnknown()
    {
        QFETCH(int, unknown);
        QFETCH(unsigned, mode);
        QFETCH(double, target);
        QFETCH(bool, found);
        QFETCH(double, shown);
        QFETCH(QString, text);
        const Search s = search(unknown, target, mode);
        QCOMPARE(s.found, found);
        QVERIFY2(std::fabs(inverseDisplayValue(unknown, s.value) - shown) < 1e-12,
                 qPrintable(QString::number(s.value, 'g', 17)));
        QTEST(QStringList({formatFixed(s.pmv), formatFixed(s.ppd), formatFixed(s.mayer)}).join(' '), "results");
        QCOMPARE(s.limited, found ? s.pmv : -1.0);
        QVERIFY(!found || std::fabs(s.pmv - target) < 0.05);
        QCOMPARE(s.text, "before\n" + text);
    }

    void strictToleranceEdge()
    {
        // Humidity at Ta = Tg = 23.5 °C: PMV rises with rh, so a target above the PMV at 99 %
        // has 99 % as its nearest point. Place the target so that the residual the search
        // computes, PMV − target, is exactly 0.05 in magnitude.
        const double g = pmvOf(1, 23.5, 99, 0.1, 23.5);
        QVERIFY(g > pmvOf(1, 23.5, 98, 0.1, 23.5));
        double target = g + 0.05;
        for (int k = 0; k < 4096 && std::fabs(g - target) != 0.05; ++k)
            target = std::nextafter(target, std::fabs(g - target) < 0.05 ? 1e9 : g);
        QCOMPARE_EQ(std::fabs(g - target), 0.05);
        const Search edge = search(5, target, PmvInputMode::TaTg, 23.5);
        QVERIFY(!edge.found);
        QCOMPARE(edge.value, 99.0);
        double inside = target;
        while (std::fabs(g - inside) >= 0.05)
            inside = std::nextafter(inside, g);
        const Search accepted = search(5, inside, PmvInputMode::TaTg, 23.5);
        QVERIFY(accepted.found);
        QCOMPARE(accepted.value, 99.0);
        QCOMPARE_EQ(accepted.pmv, g);
    }

    void nothingToSearch()
    {
        for (int unknown : {0, 9}) {   // no unknown chosen, code 9: nothing touched
            const Search s = search(unknown, -0.76, PmvInputMode::TaTg);
            QVERIFY(s.found && s.value == 999.9 && s.text == "before\n" && s.pmv == -0.76 && s.ppd == -1.0);
            QCOMPARE(inverseSearchMode(unknown, PmvInputMode::TaTg), unsigned(PmvInputMode::NotSet));
            QCOMPARE(inverseUnknownTexts(unknown).button, "");
        }
    }
};

QTEST_GUILESS_MAIN(TestPmvInverse)
#include "tst_pmvinverse.moc"
