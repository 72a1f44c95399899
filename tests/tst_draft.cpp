#include "assessment/draft.h"

#include <QtTest>

#include <cmath>

class TestDraft : public QObject
{
    Q_OBJECT
private slots:
    void draughtRate_data();
    void draughtRate();
};

void TestDraft::draughtRate_data()
{
    QTest::addColumn<double>("ta");
    QTest::addColumn<double>("va");
    QTest::addColumn<bool>("window");
    QTest::addColumn<QString>("expected");   // DR, fulfilled, winter and summer points as shown
    QTest::newRow("still air: 0.02 m/s raised to 0.05") << 26.0 << 0.02 << false << "0.00 1 20 10";
    QTest::newRow("26 °C, 0.1 m/s") << 26.0 << 0.1 << false << "5.77 1 20 10";
    QTest::newRow("26 °C, 0.2 m/s: just over 15 %") << 26.0 << 0.2 << false << "15.05 0 20 10";
    QTest::newRow("21 °C, 0.15 m/s: interpolated") << 21.0 << 0.15 << false << "16.72 0 13 7";
    QTest::newRow("21 °C, 0.3 m/s: no points") << 21.0 << 0.3 << false << "41.72 0 0 0";
    QTest::newRow("21 °C, 0.3 m/s, window ventilation") << 21.0 << 0.3 << true << "41.72 1 20 10";
    QTest::newRow("0 °C, 3 m/s: capped at 100") << 0.0 << 3.0 << false << "100.00 0 0 0";
    QTest::newRow("air above 34 °C: no draught") << 36.0 << 0.3 << false << "0.00 1 20 10";
    // DR a hair below 20.01 %, where the interpolation line lies under 0.
    const double perKelvin = std::pow(0.15, 0.62) * (0.37 * 0.2 * 40.0 + 3.14);
    QTest::newRow("DR just below 20.01 %") << 34.0 - 20.008 / perKelvin << 0.2 << false << "20.01 0 0 0";
}

// Turbulence 40 % throughout.
void TestDraft::draughtRate()
{
    QFETCH(double, ta);
    QFETCH(double, va);
    QFETCH(bool, window);
    QFETCH(QString, expected);
    const DraftResult r = computeDraftRate(ta, va, 40.0, window);
    QVERIFY(r.points >= 0.0 && r.points <= 20.0);
    QCOMPARE(QString("%1 %2 %3 %4").arg(QString::number(r.dr, 'f', 2)).arg(int(r.fulfilled))
                 .arg(QString::number(r.points, 'f', 0), QString::number(r.points * 0.5, 'f', 0)),
             expected);
}

QTEST_GUILESS_MAIN(TestDraft)
#include "tst_draft.moc"
