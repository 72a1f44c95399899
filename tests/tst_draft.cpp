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
    QTest::addColumn<double>("tu");
    QTest::addColumn<bool>("window");
    QTest::addColumn<QString>("dr");
    QTest::addColumn<bool>("fulfilled");
    QTest::addColumn<QString>("winterPoints");
    QTest::addColumn<QString>("summerPoints");
    QTest::newRow("still air: 0.02 m/s raised to 0.05") << 26.0 << 0.02 << 40.0 << false << "0.00" << true << "20" << "10";
    QTest::newRow("26 °C, 0.1 m/s") << 26.0 << 0.1 << 40.0 << false << "5.77" << true << "20" << "10";
    QTest::newRow("26 °C, 0.2 m/s: just over 15 %") << 26.0 << 0.2 << 40.0 << false << "15.05" << false << "20" << "10";
    QTest::newRow("21 °C, 0.15 m/s: interpolated") << 21.0 << 0.15 << 40.0 << false << "16.72" << false << "13" << "7";
    QTest::newRow("21 °C, 0.3 m/s: no points") << 21.0 << 0.3 << 40.0 << false << "41.72" << false << "0" << "0";
    QTest::newRow("21 °C, 0.3 m/s, window ventilation") << 21.0 << 0.3 << 40.0 << true << "41.72" << true << "20" << "10";
    QTest::newRow("0 °C, 3 m/s: capped at 100") << 0.0 << 3.0 << 90.0 << false << "100.00" << false << "0" << "0";
    QTest::newRow("air above 34 °C: no draught") << 36.0 << 0.3 << 40.0 << false << "0.00" << true << "20" << "10";
    // DR a hair below 20.01 %: the interpolation line lies under 0 there.
    const double slope = std::pow(0.15, 0.62) * (0.37 * 0.2 * 40.0 + 3.14);
    QTest::newRow("DR just below 20.01 %") << 34.0 - 20.008 / slope << 0.2 << 40.0 << false << "20.01" << false << "0" << "0";
}

void TestDraft::draughtRate()
{
    QFETCH(double, ta);
    QFETCH(double, va);
    QFETCH(double, tu);
    QFETCH(bool, window);
    QFETCH(QString, dr);
    QFETCH(bool, fulfilled);
    QFETCH(QString, winterPoints);
    QFETCH(QString, summerPoints);
    const DraftResult r = computeDraftRate(ta, va, tu, window);
    QCOMPARE(QString::number(r.dr, 'f', 2), dr);
    QCOMPARE(r.fulfilled, fulfilled);
    QVERIFY(r.points >= 0.0 && r.points <= 20.0);
    QCOMPARE(QString::number(r.points, 'f', 0), winterPoints);
    QCOMPARE(QString::number(r.points * 0.5, 'f', 0), summerPoints);
}

QTEST_GUILESS_MAIN(TestDraft)
#include "tst_draft.moc"
