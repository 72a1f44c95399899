// PMV/PPD of single states and of tables, the physical and ISO 7730 ranges, the inverse search.
#include "comfort/pmv.h"
#include "comfort/pmvinverse.h"
#include "comfort/pmvtable.h"

#include <QtTest>

#include <cmath>
#include <limits>

using Numbers = QList<double>;
using Rows = QList<QStringList>;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// PMV, PPD, PMV limited to ±3, PPD-Mayer; outputs a call leaves alone keep 1.5 … 4.5.
Numbers run(unsigned mode, double ta, double t2, double rh, double va, double Icl, double M, double W = 0)
{
    Numbers o{1.5, 2.5, 3.5, 4.5};
    computePMV(mode, ta, t2, rh, va, Icl, M, W, o[0], o[1], o[2], o[3]);
    return o;
}

// At 0.5 clo and 69.6 W/m².
double pmvAt(unsigned mode, double ta, double t2, double rh = 60, double va = 0.1)
{
    return run(mode, ta, t2, rh, va, 0.5 * kCloToM2KW, 69.6)[0];
}

// The values with as many decimals as each expected text prints ("5" whole, "-0.76" two).
QString printed(const Numbers &values, const QString &expected)
{
    const QStringList e = expected.split(' ');
    QStringList texts;
    for (qsizetype i = 0; i < e.size(); ++i)
        texts << QString::number(values.value(i), 'f', int(e[i].section('.', 1).size()));
    return texts.join(' ');
}

}

class TestPmv : public QObject
{
    Q_OBJECT
private slots:
    void states_data()
    {
        QTest::addColumn<unsigned>("mode");
        // ta, t2 [°C], rh [%], va [m/s], clo, M and its unit selector: W/m² when not given, 1 met = 58.0 W/m² (not 58.2)
        QTest::addColumn<Numbers>("state");
        QTest::addColumn<QString>("results");   // PMV, PPD, PMV limited to ±3, PPD-Mayer
        const Numbers reference{22, 22, 60, 0.1, 0.5, 1.2, 1};
        QTest::newRow("MRT 22 °C, 60 %, 0.5 clo, 1.2 met") << 3u << reference << "-0.76 17.24 -0.76 59.04";
        QTest::newRow("operative: t2 and an unknown M unit ignored") << 2u << Numbers{22, 40, 50, 0.1, 1.0, 69.6, 2} << "0.09 5.17 0.09 20.03";
        QTest::newRow("hot 35 °C: PPD from unlimited, Mayer from +3") << 3u << Numbers{35, 35, 60, 0.1, 0.5, 116} << "3.13 99.56 3.00 96.72";
        QTest::newRow("cold 10 °C: PPD from unlimited, Mayer from -3") << 3u << Numbers{10, 10, 50, 0.1, 0.5, 69.6} << "-4.55 100.00 -3.00 99.43";
        // ISO 7730:2005, Annex D, Table D.1, runs 4, 5, 9, 10: ta ≠ tr (a swap moves PMV by 0.03 to
        // 0.2), 1.2 met = 69.78 W/m². PMV to two decimals, PPD in whole per cent as the table prints
        // them; for run 10 it prints -0.16 where the model gives -0.1667.
        QTest::newRow("ISO 7730 run 4: ta 23.5, tr 25.5, still air") << 3u << Numbers{23.5, 25.5, 60, 0.1, 0.5, 69.78} << "-0.01 5";
        QTest::newRow("ISO 7730 run 5: ta 23.5, tr 25.5, 0.3 m/s") << 3u << Numbers{23.5, 25.5, 60, 0.3, 0.5, 69.78} << "-0.55 11";
        QTest::newRow("ISO 7730 run 9: ta 23, tr 21, still air") << 3u << Numbers{23, 21, 40, 0.1, 1.0, 69.78} << "0.05 5";
        QTest::newRow("ISO 7730 run 10: ta 23, tr 21, 0.3 m/s") << 3u << Numbers{23, 21, 40, 0.3, 1.0, 69.78} << "-0.17 6";
        // A non-number runs all 151 passes into the outputs; a negative air speed has no 0.6 power.
        QTest::newRow("mode not set: outputs untouched") << 0u << reference << "1.5 2.5 3.5 4.5";
        QTest::newRow("mode 4: outputs untouched") << 4u << reference << "1.5 2.5 3.5 4.5";
        QTest::newRow("radiant temperature not a number") << 3u << Numbers{22, kNaN, 60, 0.1, 0.5, 69.6} << "nan nan nan nan";
        QTest::newRow("negative air speed in globe mode") << 1u << Numbers{22, 24, 60, -0.1, 0.5, 69.6} << "nan";
    }

    void states()
    {
        QFETCH(unsigned, mode);
        QFETCH(Numbers, state);
        QFETCH(QString, results);
        const double M = convertMetabolicRate(state[5], int(state.value(6)));
        QCOMPARE(printed(run(mode, state[0], state[1], state[2], state[3], state[4] * kCloToM2KW, M), results), results);
    }

    void branchSwitches()
    {
        // The globe reads tr exactly at va = 0 (corrected in moving air: table's first two rows).
        QCOMPARE(run(1, 20, 26, 50, 0, 0.1085, 69.6), run(3, 20, 26, 50, 0, 0.1085, 69.6));
        // fcl drops from 1.10062 (Icl = 0.078, first branch) to 1.10031 just above: more heat lost on the lighter side.
        auto cloth = [](double Icl) { return run(3, 18, 18, 50, 0.1, Icl, 69.6)[0]; };
        QVERIFY(cloth(0.078 + 1e-9) > cloth(0.078));
        QVERIFY(std::fabs(cloth(0.078) - cloth(0.078 - 1e-9)) < std::fabs(cloth(0.078 + 1e-9) - cloth(0.078)) / 100);
        // Sweating takes 0.42 of M − W above 58.15 W/m²: PMV's slope over M drops by 0.42 × ts ≈ 0.023.
        // W = 10 W/m² moves the switch to M = 68.15, itself without sweating.
        auto pmv = [](double M) { return run(3, 24, 24, 50, 0.1, 0.124, M, 10.0)[0]; };
        auto slope = [&pmv](double M) { return (pmv(M + 0.01) - pmv(M)) / 0.01; };
        QVERIFY(slope(68.14) - slope(68.15) > 0.015);
        QVERIFY(std::fabs(slope(68.13) - slope(68.14)) < 0.01);
    }

    void ranges_data()
    {
        // Possible: every input finite, temperatures from absolute zero, rh 0–100 %, va and
        // Icl from 0, M above 0. outside: bits of the Iso7730Quantity values outside ISO 7730.
        QTest::addColumn<unsigned>("mode");
        QTest::addColumn<Numbers>("state");   // ta, t2, rh, va, Icl, M, PMV
        QTest::addColumn<bool>("possible");
        QTest::addColumn<unsigned>("outside");
        const double inf = std::numeric_limits<double>::infinity();
        QTest::newRow("every ISO 7730 edge just inside") << 3u << Numbers{30, 40, 50, 1, 0.31, 232, 2} << true << 0u;
        QTest::newRow("every ISO 7730 edge just inside, low; humidity 100 %") << 3u << Numbers{10, 10, 100, 0, 0, 46, -2} << true << 0u;
        QTest::newRow("M 45.9, Icl 0.311, ta 9.9") << 3u << Numbers{9.9, 20, 50, 0.1, 0.311, 45.9, 0} << true << 0b0000111u;
        QTest::newRow("tr 40.1, va 1.01, PMV 2.01") << 3u << Numbers{22, 40.1, 50, 1.01, 0.1, 70, 2.01} << true << 0b1011000u;
        // Magnus at 25 °C: 31.69 hPa, so 86 % gives 2725 Pa (outside) and 85 % 2694 Pa.
        QTest::newRow("vapour pressure just outside") << 3u << Numbers{25, 25, 86, 0.1, 0.1, 70, 0} << true << 0b0100000u;
        QTest::newRow("vapour pressure just inside") << 3u << Numbers{25, 25, 85, 0.1, 0.1, 70, 0} << true << 0u;
        // Globe 41 °C with air 22 °C at 0.1 m/s: the globe equation gives tr of about 58 °C.
        QTest::newRow("radiant from the globe") << 1u << Numbers{22, 41, 50, 0.1, 0.1, 70, 0} << true << 0b0001000u;
        QTest::newRow("operative 31 °C is the air temperature") << 2u << Numbers{31, 31, 50, 0.1, 0.1, 70, 0} << true << 0b0000100u;
        QTest::newRow("absolute zero, dry, still, naked, M 0.001") << 3u << Numbers{-273.15, -273.15, 0, 0, 0, 0.001, 0} << true << 0b0001101u;
        QTest::newRow("air below absolute zero") << 3u << Numbers{-273.16, 22, 60, 0.1, 0.1, 70, 0} << false << 0b0100100u;
        QTest::newRow("radiant below absolute zero") << 3u << Numbers{22, -273.16, 60, 0.1, 0.1, 70, 0} << false << 0b0001000u;
        QTest::newRow("humidity below 0 %") << 3u << Numbers{22, 22, -0.01, 0.1, 0.1, 70, 0} << false << 0b0100000u;
        QTest::newRow("humidity above 100 %") << 3u << Numbers{22, 22, 100.01, 0.1, 0.1, 70, 0} << false << 0u;
        QTest::newRow("negative air speed") << 3u << Numbers{22, 22, 60, -0.001, 0.1, 70, 0} << false << 0b0010000u;
        QTest::newRow("negative clothing") << 3u << Numbers{22, 22, 60, 0.1, -0.001, 70, 0} << false << 0b0000010u;
        QTest::newRow("metabolic rate 0") << 3u << Numbers{22, 22, 60, 0.1, 0.1, 0, 0} << false << 0b0000001u;
        QTest::newRow("air temperature not finite") << 3u << Numbers{inf, 22, 60, 0.1, 0.1, 70, 0} << false << 0b0100100u;
        QTest::newRow("air speed not a number") << 3u << Numbers{22, 22, 60, kNaN, 0.1, 70, 0} << false << 0b0010000u;
    }

    void ranges()
    {
        QFETCH(unsigned, mode);
        QFETCH(Numbers, state);
        QTEST(pmvStateIsPhysical(state[0], state[1], state[2], state[3], state[4], state[5]), "possible");
        const Iso7730Check c = checkIso7730(mode, state[0], state[1], state[2], state[3], state[4], state[5], state[6]);
        QTEST(c.outside, "outside");
        QCOMPARE(c.value[Iso7730Quantity::VapourPressure], waterVapourPressure(state[0], state[2]));
    }

    void table_data()
    {
        // Cells from the left; M 116 and W 10 W/m² for every row. results: PMV, PPD, PPD-Mayer
        // of each row, "|" after each, then the input columns, rows computed, rows outside
        // ISO 7730, the first of these and its Iso7730Quantity bits.
        QTest::addColumn<int>("mode");
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<QString>("results");
        QTest::newRow("air and globe: a 26 °C globe corrected") << 1 << Rows{{"22", "22", "60", "0.1", "0.5"}, {"22", "26", "60", "0.1", "0.5"}}
            << "0.29 6.75 16.25|0.83 19.51 23.77|5 2 0 -1 0000000";
        QTest::newRow("air and radiant: decimal commas, 26 °C radiant as it is") << 3
            << Rows{{"22,0", "22", "60", "0,1", "0,5"}, {"22", "26", "60", "0.1", "0.5"}} << "0.29 6.75 16.25|0.63 13.32 18.10|5 2 0 -1 0000000";
        // A text, an empty (kept in its column), a never filled and a missing cell hold no number: their rows are not
        // computed, as a 0 would be a state. A real 0 and a number before junk are read: rows 4 and 5 read a
        // radiant temperature of 0 °C, outside ISO 7730.
        QTest::newRow("cells without a number: rows not computed, a real 0 is") << 3
            << Rows{{"22", "22", "abc", "0.1", "0.5"}, {"22", "22", "", "0,1", "0,5"}, {"22", "26"}, {"22", QString(), "60", "0.1", "0.5"},
                    {"22", "0", "60", "0.1", "0.5"}, {"22x", "0,0", "60", "0.1", "0.5"}}
            << "nan nan nan|nan nan nan|nan nan nan|nan nan nan|-1.41 46.06 84.42|-1.41 46.06 84.42|5 2 2 4 0001000";
        // 101 % cannot be: not computed. At 35 °C air, vapour pressure and PMV lie outside ISO 7730.
        QTest::newRow("operative: fifth cell ignored, impossible row not computed, hot row outside") << 2
            << Rows{{"22", "60", "0.1", "0.5", "99"}, {"22", "101", "0.1", "0.5"}, {"35", "60", "0.1", "0.5"}}
            << "0.29 6.75 16.25|nan nan nan|2.89 98.51 95.85|4 2 1 2 1100100";
        QTest::newRow("empty table keeps its four columns") << 2 << Rows{} << "4 0 0 -1 0000000";
        QTest::newRow("unknown mode computes nothing") << 0 << Rows{{"22", "22", "60", "0.1", "0.5"}} << "0 0 0 -1 0000000";
    }

    void table()
    {
        QFETCH(int, mode);
        QFETCH(Rows, rows);
        const PmvTableBatch b = computePmvTable(mode, std::vector<QStringList>(rows.begin(), rows.end()), 116, 10);
        QString results;
        for (size_t r = 0; r < b.pmv.size(); ++r) {
            results += printed({b.pmv[r], b.ppd[r], b.ppdMayer[r]}, "0.00 0.00 0.00") + '|';
            for (size_t c = 0; c < b.inputs.size(); ++c)   // the values read, for the form to show; NaN for no number
                QCOMPARE(QString::number(b.inputs[c][r]), QString::number(cellNumberOrNaN(rows[r].value(c))));
        }
        results += QString("%1 %2 %3 %4 ").arg(b.inputs.size()).arg(b.rowsComputed).arg(b.rowsOutside).arg(b.firstOutsideRow);
        QTEST(results + QString::number(b.firstOutside.outside, 2).rightJustified(7, '0'), "results");
    }

    void perUnknown_data()
    {
        // From ta = t2 = 22 °C, 60 %, 0.1 m/s, 0.5 clo, 69.6 W/m². Found unless the text says "No appropriate";
        // results: PMV, PPD, PPD-Mayer, untouched when not found; text: the one the form shows for the outcome.
        QTest::addColumn<int>("unknown");
        QTest::addColumn<unsigned>("mode");
        QTest::addColumn<double>("target");
        QTest::addColumn<double>("shown");   // nearest value as the form shows it
        QTest::addColumn<QString>("results");
        QTest::addColumn<QString>("text");
        // Codes 2–4 choose their own computePMV mode: mode 0 passed in must not matter.
        const QString reference = "-0.76 17.24 59.04", found = " found for given PMV";
        QTest::newRow("operative 22 °C") << 4 << 0u << -0.76 << 22.0 << reference << "Approx. Operative Temperature" + found;
        QTest::newRow("globe 22 °C, air 22 °C") << 2 << 0u << -0.76 << 22.0 << reference << "  Approx. Globe Temperature" + found;
        QTest::newRow("MRT 18.3 °C, air 22 °C") << 3 << 0u << pmvAt(3, 22, 18.3) << 18.3 << "-1.26 38.01 79.76" << "Approx. MRT" + found;
        QTest::newRow("air 22 °C, radiant 22 °C") << 1 << 3u << -0.76 << 22.0 << reference << "  Approx. Air Temperature" + found;
        QTest::newRow("air speed 0.2 m/s") << 6 << 3u << pmvAt(3, 22, 22, 60, 0.2) << 0.2 << "-1.10 30.68 74.29" << "  Approx. velocity" + found;
        // Below 0.1 m/s natural convection outweighs forced: 0 … 0.09 m/s give one PMV to the
        // last bit; on equal distances the smaller grid value stays.
        const double still = pmvAt(3, 22, 22, 60, 0);
        QCOMPARE_EQ(pmvAt(3, 22, 22, 60, 0.09), still);
        QTest::newRow("air speed tie keeps 0 m/s") << 6 << 3u << still + 0.01 << 0.0 << reference << "  Approx. velocity" + found;
        QTest::newRow("clothing shown as 0.9 clo") << 7 << 1u << 0.0 << 0.9 << "0.01 5.00 22.42" << "  Approx. Clothing Insulation for given PMV";
        // PMV 2.50 at 226 W/m², 2.57 at 230 W/m²: 2.54 would be nearer to 230.
        QTest::newRow("M ends at 226, not 230 W/m²") << 8 << 1u << 2.54 << 226.0 << "2.50 93.38 90.82" << "  Approx. Met for given PMV";
        // A PMV of 10 lies beyond every grid: the nearest point is the grid's far end (air temperature's: below).
        const QString kept = "10.00 -1.00 -1.00", no = "For the given PMV, No appropriate ";
        QTest::newRow("operative, ends at 40 °C") << 4 << 3u << 10.0 << 40.0 << kept << " " + no + "To found within the range 10-40 degree C ";
        QTest::newRow("clothing, ends at 1.98 clo") << 7 << 3u << 10.0 << 1.98 << kept << " " + no + "Icl found within the range 0 to 0.310 m2K/W ";
        QTest::newRow("metabolic rate, ends at 226") << 8 << 3u << 10.0 << 226.0 << kept << " " + no + "Met found within the range 46 to 232 W/m2 ";
        const QString noRh = " " + no + "rh found within the range 0 to 100 % ";
        QTest::newRow("humidity, ends at 99 %") << 5 << 3u << 10.0 << 99.0 << kept << noRh;
        // Air temperature's grid ends at 30 °C, nearest to a target above that point's PMV g (globe 22 °C). The
        // tolerance is strict: a target exactly 0.05 from g is not found, the next one towards g is, with g to the
        // last bit. (A target under 0.125 in magnitude has bits fine enough for a difference of exactly 0.05.)
        const Numbers g = run(1, 30, 22, 60, 0.1, 0.5 * kCloToM2KW, 69.6);
        double edge = g[0] + 0.05;
        for (int k = 0; k < 4096 && std::fabs(g[0] - edge) != 0.05; ++k)
            edge = std::nextafter(edge, std::fabs(g[0] - edge) < 0.05 ? 1e9 : g[0]);
        QCOMPARE_EQ(std::fabs(g[0] - edge), 0.05);
        double inside = edge;
        while (std::fabs(g[0] - inside) >= 0.05)
            inside = std::nextafter(inside, g[0]);
        const QString lastBit = "0.00000000000000000 0.00 0.00";
        QTest::newRow("air temperature exactly 0.05 off, ends at 30 °C") << 1 << 1u << edge << 30.0 << printed({edge, -1, -1}, lastBit)
            << no + "Ta found within the range 10-30 degree C ";
        QTest::newRow("air temperature just inside 0.05") << 1 << 1u << inside << 30.0 << printed({g[0], g[1], g[3]}, lastBit)
            << "  Approx. Air Temperature" + found;
        // computePMV leaves its outputs alone for mode 0: no point may pass off another's PMV.
        QTest::newRow("no PMV mode: value kept") << 5 << 0u << 0.0 << 999.9 << "0.00 -1.00 -1.00" << noRh;
        QTest::newRow("no unknown chosen: nothing touched") << 0 << 1u << -0.76 << 999.9 << "-0.76 -1.00 -1.00" << "";
        QTest::newRow("code 9: nothing touched") << 9 << 1u << -0.76 << 999.9 << "-0.76 -1.00 -1.00" << "";
    }

    void perUnknown()
    {
        QFETCH(int, unknown);
        QFETCH(unsigned, mode);
        QFETCH(double, target);
        QFETCH(double, shown);
        QFETCH(QString, results);
        QFETCH(QString, text);
        double value = 999.9, pmv = target, ppd = -1, limited = -1, mayer = -1;   // a search that does nothing leaves them alone
        const InverseOutcome outcome
            = findNearestPMV(unknown, value, mode, 22, 22, 60, 0.1, 0.5 * kCloToM2KW, 69.6, 0, pmv, ppd, limited, mayer);
        QCOMPARE(int(outcome), int(text.isEmpty()                   ? InverseOutcome::NoUnknown
                                   : text.contains("No appropriate") ? InverseOutcome::NotFound
                                                                     : InverseOutcome::Found));
        const bool found = outcome == InverseOutcome::Found;
        QVERIFY2(std::fabs(inverseDisplayValue(unknown, value) - shown) < 1e-12, qPrintable(QString::number(value)));
        QCOMPARE(printed({pmv, ppd, mayer}, results), results);
        QCOMPARE(limited, ppd < 0 ? -1.0 : pmv);
        QCOMPARE(inverseSearchMode(unknown, PmvInputMode::TaTg) == PmvInputMode::NotSet, text.isEmpty());
        QCOMPARE(QString(inverseUnknownTexts(unknown).button).isEmpty(), text.isEmpty());
        QVERIFY(!found || std::fabs(pmv - target) < 0.05);
        const InverseUnknownTexts texts = inverseUnknownTexts(unknown);
        QCOMPARE(QString(found ? texts.found : texts.notFound), text);
    }
};

QTEST_GUILESS_MAIN(TestPmv)
#include "tst_pmv.moc"
