#include "assessment/timeaxis.h"

#include <QtTest>

namespace {

// A working-time pattern as text, "1" for a working row.
std::vector<bool> pattern(const QString &bits)
{
    std::vector<bool> v;
    for (QChar c : bits)
        v.push_back(c == u'1');
    return v;
}

QString bitsOf(const std::vector<bool> &v)
{
    QString s;
    for (bool b : v)
        s += b ? u'1' : u'0';
    return s;
}

// Hourly rows from 01.01.2011 0:00, a Saturday; every hour of every day is working time, so
// the masks show the periods alone.
TimeAxis allHoursYear(int rows, const CalendarDate &start = {})
{
    TimeAxisInput in;
    in.rows = rows;
    in.start = start;
    in.weekday = 7;
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
    void dateText_data();
    void dateText();
    void axis_data();
    void axis();
    void minuteDataKeepTheCalendar();
    void periodMask_data();
    void periodMask();
    void seasonMasks_data();
    void seasonMasks();
    void missingBoundary_data();
    void missingBoundary();
};

void TestTimeAxis::dateText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("formatted");
    QTest::newRow("full date") << "1.4.2011" << "01.04.2011";
    QTest::newRow("year missing keeps 2011") << "15.7" << "15.07.2011";
    QTest::newRow("no number keeps 01.01.2011") << "x" << "01.01.2011";
    QTest::newRow("blanks before fields") << " 3. 5.2012" << "03.05.2012";
}

void TestTimeAxis::dateText()
{
    QFETCH(QString, text);
    QTEST(formatDate(parseDate(text)), "formatted");
}

void TestTimeAxis::axis_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("startHour");
    QTest::addColumn<double>("interval");
    QTest::addColumn<int>("weekday");
    QTest::addColumn<bool>("weekends");
    QTest::addColumn<int>("probe");
    QTest::addColumn<QString>("date");
    QTest::addColumn<double>("hour");
    QTest::addColumn<int>("probeWeekday");
    QTest::addColumn<int>("workingRows");   // -1: not checked
    QTest::newRow("start hour 5: 19 rows on day one, Tuesday 0:00 next")
        << 30 << 5 << 1.0 << 2 << false << 19 << "02.01.2011" << 0.0 << 3 << 13;
    QTest::newRow("start hour 5: last of 30 rows at 10:00")
        << 30 << 5 << 1.0 << 2 << false << 29 << "02.01.2011" << 10.0 << 3 << 13;
    QTest::newRow("half-hourly Monday: 8.0 ... 17.5 work")
        << 48 << 0 << 0.5 << 2 << false << 35 << "01.01.2011" << 17.5 << 2 << 20;
    QTest::newRow("6-minute data: 8.0 ... 17.9 work, 240 rows a day")
        << 480 << 0 << 0.1 << 2 << false << 240 << "02.01.2011" << 0.0 << 3 << 200;
    QTest::newRow("Sunday without weekends: no working time")
        << 24 << 0 << 1.0 << 1 << false << 23 << "01.01.2011" << 23.0 << 1 << 0;
    QTest::newRow("Sunday with weekends: 8 ... 17 work")
        << 24 << 0 << 1.0 << 1 << true << 0 << "01.01.2011" << 0.0 << 1 << 10;
    QTest::newRow("Saturday is followed by Sunday")
        << 48 << 0 << 1.0 << 7 << false << 24 << "02.01.2011" << 0.0 << 1 << 0;
    QTest::newRow("28-day February: 01.03. is day 60, a Tuesday")
        << 1440 << 0 << 1.0 << 7 << false << 1416 << "01.03.2011" << 0.0 << 3 << -1;
    QTest::newRow("turn of the year: 01.01.2012 is a Sunday")
        << 8761 << 0 << 1.0 << 7 << false << 8760 << "01.01.2012" << 0.0 << 1 << -1;
    QTest::newRow("no rows") << 0 << 0 << 1.0 << 1 << false << -1 << "" << 0.0 << 0 << 0;
    QTest::newRow("negative row count") << -5 << 0 << 1.0 << 1 << false << -1 << "" << 0.0 << 0
                                        << 0;
}

void TestTimeAxis::axis()
{
    QFETCH(int, rows);
    QFETCH(int, probe);
    QFETCH(int, workingRows);
    TimeAxisInput in;
    in.rows = rows;
    QFETCH(int, startHour);
    QFETCH(double, interval);
    QFETCH(int, weekday);
    QFETCH(bool, weekends);
    in.startHour = startHour;
    in.interval = interval;
    in.weekday = weekday;
    in.withWeekends = weekends;
    const TimeAxis a = generateTimeAxis(in);
    const size_t n = size_t(qMax(rows, 0));
    QCOMPARE(a.dates.size(), n);
    QCOMPARE(a.hours.size(), n);
    QCOMPARE(a.workingTime.size(), n);
    if (probe >= 0) {
        QTEST(formatDate(a.dates[probe]), "date");
        QTEST(a.hours[probe], "hour");
        QTEST(a.weekdays[probe], "probeWeekday");
    }
    if (workingRows >= 0)
        QCOMPARE(int(std::count(a.workingTime.begin(), a.workingTime.end(), true)), workingRows);
}

// 1/60 h summed 1440 times stays below 24: the day must still end after 1440 rows.
void TestTimeAxis::minuteDataKeepTheCalendar()
{
    TimeAxisInput in;
    in.rows = 525600;
    in.interval = 1.0 / 60.0;
    in.weekday = 7;
    const TimeAxis a = generateTimeAxis(in);
    QCOMPARE(formatDate(a.dates[1440]), QString("02.01.2011"));
    QCOMPARE(formatDate(a.dates.back()), QString("31.12.2011"));
    QVERIFY(qAbs(a.hours.back() - (24.0 - 1.0 / 60.0)) < 1e-9);
    QCOMPARE(bool(a.workingTime[3 * 1440 + 17 * 60 + 59]), true);   // Tuesday 17:59
    QCOMPARE(bool(a.workingTime[3 * 1440 + 18 * 60]), false);
}

void TestTimeAxis::periodMask_data()
{
    QTest::addColumn<QString>("working");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::addColumn<QString>("mask");
    QTest::newRow("within the year: both ends included") << "111111" << 1 << 3 << "011100";
    QTest::newRow("turn of the year: end row excluded") << "111111" << 4 << 2 << "110011";
    QTest::newRow("ANDed with working time") << "101101" << 4 << 2 << "100001";
}

void TestTimeAxis::periodMask()
{
    QFETCH(QString, working);
    QFETCH(int, start);
    QFETCH(int, end);
    QTEST(bitsOf(::periodMask(pattern(working), size_t(start), size_t(end))), "mask");
}

void TestTimeAxis::seasonMasks_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("flags");   // winter, summer, winter humidity, summer humidity
    QTest::newRow("01.01. 0:00") << 0 << "1010";
    QTest::newRow("31.03. 23:00") << 2159 << "1010";
    QTest::newRow("01.04. 0:00") << 2160 << "0111";
    QTest::newRow("01.04. 22:00: last winter-humidity row") << 2182 << "0111";
    QTest::newRow("01.04. 23:00") << 2183 << "0101";
    QTest::newRow("30.09. 23:00") << 6551 << "0101";
    QTest::newRow("01.10. 0:00") << 6552 << "1010";
    QTest::newRow("31.12. 23:00") << 8759 << "1010";
}

void TestTimeAxis::seasonMasks()
{
    QFETCH(int, row);
    SeasonMasks m;
    PeriodBoundary missing;
    QVERIFY(buildSeasonMasks(allHoursYear(8760), m, missing));
    QCOMPARE(m.summerStart, size_t(2160));
    QCOMPARE(m.summerEnd, size_t(6551));
    QCOMPARE(std::count(m.winter.begin(), m.winter.end(), true), 2160 + 2208);
    const QString flags = QString::number(m.winter[row]) + QString::number(m.summer[row])
                          + QString::number(m.winterHumid[row])
                          + QString::number(m.summerHumid[row]);
    QTEST(flags, "flags");
}

void TestTimeAxis::missingBoundary_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("date");
    QTest::addColumn<int>("hour");
    QTest::newRow("empty table") << 0 << "01.01.2011" << "01.10.2011" << 0;
    QTest::newRow("data end on 30.09. 23:00") << 6552 << "01.01.2011" << "01.10.2011" << 0;
    QTest::newRow("data begin on 02.04.") << 8760 << "02.04.2011" << "01.04.2011" << 23;
}

void TestTimeAxis::missingBoundary()
{
    QFETCH(int, rows);
    QFETCH(QString, start);
    SeasonMasks m;
    m.winter.assign(3, true);
    PeriodBoundary missing;
    QVERIFY(!buildSeasonMasks(allHoursYear(rows, parseDate(start)), m, missing));
    QVERIFY(m.winter.empty() && m.summer.empty());
    QTEST(formatDate(missing.date), "date");
    QTEST(missing.hour, "hour");
}

QTEST_GUILESS_MAIN(TestTimeAxis)
#include "tst_timeaxis.moc"
