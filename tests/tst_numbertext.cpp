#include "comfort/numbertext.h"

#include <QtTest>

class TestNumberText : public QObject
{
    Q_OBJECT
private slots:
    void fieldNumbers_data();
    void fieldNumbers();
    void generalFormat_data();
    void generalFormat();
};

void TestNumberText::fieldNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("expected");
    QTest::newRow("point") << "0.5" << true << 0.5;
    QTest::newRow("decimal comma") << "0,5" << true << 0.5;
    QTest::newRow("blanks around") << "  22 " << true << 22.0;
    QTest::newRow("exponent") << "2.5e1" << true << 25.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("word") << "abc" << false << 0.0;
    QTest::newRow("trailing junk") << "22 °C" << false << 0.0;
    QTest::newRow("two commas") << "1,234,5" << false << 0.0;
    QTest::newRow("infinity") << "inf" << false << 0.0;
    QTest::newRow("not a number") << "nan" << false << 0.0;
}

void TestNumberText::fieldNumbers()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(double, expected);
    double value = -999.0;
    QCOMPARE(parseFieldNumber(text, value), ok);
    QCOMPARE(value, ok ? expected : -999.0);   // untouched when not a number
}

void TestNumberText::generalFormat_data()
{
    // Hand-overs round half up to two decimals in single precision first.
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("handOver");
    QTest::addColumn<QString>("text");
    QTest::newRow("0.50") << 0.50 << false << "0.5";
    QTest::newRow("1.0") << 1.0 << false << "1";
    QTest::newRow("six digits") << 21.0123456 << false << "21.0123";
    QTest::newRow("21.005 rounds up in single precision") << 21.005 << true << "21.01";
    QTest::newRow("21.004 rounds down") << 21.004 << true << "21";
    QTest::newRow("below zero half up") << -0.125 << true << "-0.12";
    QTest::newRow("plain two decimals") << 19.43 << true << "19.43";
}

void TestNumberText::generalFormat()
{
    QFETCH(double, value);
    QFETCH(bool, handOver);
    QTEST(formatGeneral(handOver ? roundHalfUpTwoDecimalsSingle(value) : value), "text");
}

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
