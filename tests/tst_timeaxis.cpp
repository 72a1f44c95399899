#include "assessment/timeaxis.h"

#include <QtTest>

namespace {

QString bits(const std::vector<bool> &v)
{
    QString s;
    for (bool b : v)
        s += b ? u'1' : u'0';
    return s;
}

// Hourly rows from `start`, every hour working time: the masks show the periods alone.
TimeAxis allHours(int rows, const QString &start = "01.01.2011")
{
    TimeAxisInput in;
    in.rows = rows;
    in.start = parseDate(start);
    in.workStart = 0;
    in.workEnd = 25;
    in.withWeekends = true;
    return generateTimeAxis(in);
}

}

class TestTimeAxis : public QObject
{
    Q_OBJECT
private slots:
    void axis_data();
    void axis();
    void periodMask_data();
    void periodMask();
    void seasonMasks_data();
    void seasonMasks();
    void missingBoundary_data();
    void missingBoundary();
};

void TestTimeAxis::axis_data()
{
    QTest::addColumn<QString>("start");      // date text, parsed as "%d.%d.%d"
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("startHour");
    QTest::addColumn<double>("interval");
    QTest::addColumn<int>("weekday");
    QTest::addColumn<bool>("weekends");
    QTest::addColumn<int>("probe");
    QTest::addColumn<QString>("row");        // date, hour, weekday of the probe row
    QTest::addColumn<int>("working");        // working rows, -1 not checked
    QTest::newRow("start hour 5: 19 rows, then Tuesday 0:00")
        << "1.1" << 30 << 5 << 1.0 << 2 << false << 19 << "02.01.2011 0 3" << 13;
    QTest::newRow("half-hourly Monday: 8.0 ... 17.5 work")
        << "01.01.2011" << 48 << 0 << 0.5 << 2 << false << 35 << "01.01.2011 17.5 2" << 20;
    QTest::newRow("6-minute data: 240 rows a day, 8.0 ... 17.9 work")
        << "01.01.2011" << 480 << 0 << 0.1 << 2 << false << 240 << "02.01.2011 0 3" << 200;
    QTest::newRow("1-minute data: 1440 rows a day") << "01.01.2011" << 525600 << 0 << 1 / 60.0
                                                    << 7 << false << 1440 << "02.01.2011 0 1" << -1;
    QTest::newRow("Sunday without weekends: no work")
        << "01.01.2011" << 24 << 0 << 1.0 << 1 << false << 23 << "01.01.2011 23 1" << 0;
    QTest::newRow("Sunday with weekends: 8 ... 17 work")
        << "01.01.2011" << 24 << 0 << 1.0 << 1 << true << 8 << "01.01.2011 8 1" << 10;
    QTest::newRow("28-day February: 01.03. is day 60")
        << "01.01.2011" << 1440 << 0 << 1.0 << 7 << false << 1416 << "01.03.2011 0 3" << -1;
    QTest::newRow("turn of the year") << "31.12.2011" << 25 << 0 << 1.0 << 7 << false << 24
                                      << "01.01.2012 0 1" << -1;
    QTest::newRow("negative row count") << "" << -5 << 0 << 1.0 << 1 << false << -1 << "" << 0;
}

void TestTimeAxis::axis()
{
    QFETCH(QString, start);
    QFETCH(int, rows);
    QFETCH(int, startHour);
    QFETCH(double, interval);
    QFETCH(int, weekday);
    QFETCH(bool, weekends);
    QFETCH(int, probe);
    QFETCH(int, working);
    const TimeAxis a = generateTimeAxis(
        {rows, parseDate(start), startHour, interval, weekday, 8, 18, weekends});
    QCOMPARE(a.dates.size(), size_t(qMax(rows, 0)));
    QCOMPARE(a.workingTime.size(), a.dates.size());
    if (probe >= 0)
        QTEST(QString("%1 %2 %3").arg(formatDate(a.dates[probe])).arg(a.hours[probe], 0, 'g', 6)
                  .arg(a.weekdays[probe]), "row");
    if (working >= 0)
        QCOMPARE(int(std::count(a.workingTime.begin(), a.workingTime.end(), true)), working);
}

void TestTimeAxis::periodMask_data()
{
    QTest::addColumn<std::vector<bool>>("working");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::addColumn<QString>("mask");
    const std::vector<bool> all(6, true), some{true, false, true, true, false, true};
    QTest::newRow("within the year: both ends included") << all << 1 << 3 << "011100";
    QTest::newRow("turn of the year: end row excluded") << all << 4 << 2 << "110011";
    QTest::newRow("ANDed with working time") << some << 4 << 2 << "100001";
}

void TestTimeAxis::periodMask()
{
    QFETCH(std::vector<bool>, working);
    QFETCH(int, start);
    QFETCH(int, end);
    QTEST(bits(::periodMask(working, size_t(start), size_t(end))), "mask");
}

void TestTimeAxis::seasonMasks_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("flags");   // winter, summer, winter humidity, summer humidity
    QTest::newRow("31.03. 23:00") << 2159 << "1010";
    QTest::newRow("01.04. 0:00") << 2160 << "0111";
    QTest::newRow("01.04. 22:00: last winter-humidity row") << 2182 << "0111";
    QTest::newRow("01.04. 23:00") << 2183 << "0101";
    QTest::newRow("01.10. 0:00") << 6552 << "1010";
}

void TestTimeAxis::seasonMasks()
{
    QFETCH(int, row);
    SeasonMasks m;
    PeriodBoundary missing;
    QVERIFY(buildSeasonMasks(allHours(8760), m, missing));
    QCOMPARE(m.summerStart, size_t(2160));
    QCOMPARE(m.summerEnd, size_t(6551));
    QCOMPARE(std::count(m.winter.begin(), m.winter.end(), true), 2160 + 2208);
    QTEST(bits({m.winter[row], m.summer[row], m.winterHumid[row], m.summerHumid[row]}), "flags");
}

void TestTimeAxis::missingBoundary_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("missing");
    QTest::newRow("empty table") << 0 << "01.01.2011" << "01.10.2011 0";
    QTest::newRow("data end on 30.09. 23:00") << 6552 << "01.01.2011" << "01.10.2011 0";
    QTest::newRow("data begin on 02.04.") << 8760 << "02.04.2011" << "01.04.2011 23";
}

void TestTimeAxis::missingBoundary()
{
    QFETCH(int, rows);
    QFETCH(QString, start);
    SeasonMasks m;
    m.winter.assign(3, true);
    PeriodBoundary missing;
    QVERIFY(!buildSeasonMasks(allHours(rows, start), m, missing));
    QVERIFY(m.winter.empty() && m.summer.empty());
    QTEST(formatDate(missing.date) + ' ' + QString::number(missing.hour), "missing");
}

QTEST_GUILESS_MAIN(TestTimeAxis)
#include "tst_timeaxis.moc"
