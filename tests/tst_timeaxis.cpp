#include "assessment/timeaxis.h"

#include <QtTest>

Q_DECLARE_METATYPE(TimeAxisInput)

namespace {

QString bits(const std::vector<bool> &v)
{
    QString s;
    for (bool b : v)
        s += b ? u'1' : u'0';
    return s;
}

// Hourly rows from `start`, every hour working time: the masks show the periods alone.
TimeAxis allHours(int rows, const QString &start)
{
    return generateTimeAxis({rows, parseDate(start), 0, 1.0, 1, 0, 25, true});
}

}

class TestTimeAxis : public QObject
{
    Q_OBJECT
private slots:
    void axis_data()
    {
        QTest::addColumn<TimeAxisInput>("in");   // rows, start, start hour, interval, weekday, 8-18, weekends
        QTest::addColumn<int>("probe");
        QTest::addColumn<QString>("row");        // date, hour, weekday of the probe row
        QTest::addColumn<int>("working");        // working rows, -1 not checked
        const CalendarDate jan1;
        QTest::newRow("start hour 5: 19 rows, then Tuesday 0:00")
            << TimeAxisInput{30, parseDate("1.1"), 5, 1.0, 2, 8, 18, false} << 19 << "02.01.2011 0 3" << 13;
        QTest::newRow("half-hourly Monday: 8.0 ... 17.5 work")
            << TimeAxisInput{48, jan1, 0, 0.5, 2, 8, 18, false} << 35 << "01.01.2011 17.5 2" << 20;
        QTest::newRow("6-minute data: 240 rows a day, 8.0 ... 17.9 work")
            << TimeAxisInput{480, jan1, 0, 0.1, 2, 8, 18, false} << 240 << "02.01.2011 0 3" << 200;
        QTest::newRow("1-minute data: 1440 rows a day")
            << TimeAxisInput{525600, jan1, 0, 1 / 60.0, 7, 8, 18, false} << 1440 << "02.01.2011 0 1" << -1;
        QTest::newRow("Sunday without weekends: no work")
            << TimeAxisInput{24, jan1, 0, 1.0, 1, 8, 18, false} << 23 << "01.01.2011 23 1" << 0;
        QTest::newRow("Sunday with weekends: 8 ... 17 work")
            << TimeAxisInput{24, jan1, 0, 1.0, 1, 8, 18, true} << 8 << "01.01.2011 8 1" << 10;
        QTest::newRow("28-day February: 01.03. is day 60")
            << TimeAxisInput{1440, jan1, 0, 1.0, 7, 8, 18, false} << 1416 << "01.03.2011 0 3" << -1;
        QTest::newRow("turn of the year")
            << TimeAxisInput{25, parseDate("31.12.2011"), 0, 1.0, 7, 8, 18, false} << 24 << "01.01.2012 0 1" << -1;
        QTest::newRow("negative row count") << TimeAxisInput{-5, parseDate(""), 0, 1.0, 1, 8, 18, false} << -1 << "" << 0;
    }
    void axis()
    {
        QFETCH(TimeAxisInput, in);
        QFETCH(int, probe);
        QFETCH(int, working);
        const TimeAxis a = generateTimeAxis(in);
        QCOMPARE(a.dates.size(), size_t(qMax(in.rows, 0)));
        QCOMPARE(a.workingTime.size(), a.dates.size());
        if (probe >= 0)
            QTEST(QString("%1 %2 %3").arg(formatDate(a.dates[probe])).arg(a.hours[probe], 0, 'g', 6)
                      .arg(a.weekdays[probe]), "row");
        if (working >= 0)
            QCOMPARE(int(std::count(a.workingTime.begin(), a.workingTime.end(), true)), working);
    }

    void periodMask_data()
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
    void periodMask()
    {
        QFETCH(std::vector<bool>, working);
        QFETCH(int, start);
        QFETCH(int, end);
        QTEST(bits(::periodMask(working, size_t(start), size_t(end))), "mask");
    }

    // Winter, summer, winter-humidity and summer-humidity flags of one row of a year, or the
    // first boundary that is not among the rows (then the masks are emptied).
    void seasonMasks_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("expected");
        QTest::newRow("31.03. 23:00") << 8760 << "01.01.2011" << 2159 << "1010";
        QTest::newRow("01.04. 0:00") << 8760 << "01.01.2011" << 2160 << "0111";
        QTest::newRow("01.04. 22:00: last winter-humidity row") << 8760 << "01.01.2011" << 2182 << "0111";
        QTest::newRow("01.04. 23:00") << 8760 << "01.01.2011" << 2183 << "0101";
        QTest::newRow("01.10. 0:00") << 8760 << "01.01.2011" << 6552 << "1010";
        QTest::newRow("empty table") << 0 << "01.01.2011" << -1 << "01.10.2011 0";
        QTest::newRow("data end on 30.09. 23:00") << 6552 << "01.01.2011" << -1 << "01.10.2011 0";
        QTest::newRow("data begin on 02.04.") << 8760 << "02.04.2011" << -1 << "01.04.2011 23";
    }
    void seasonMasks()
    {
        QFETCH(int, rows);
        QFETCH(QString, start);
        QFETCH(int, row);
        SeasonMasks m;
        m.winter.assign(3, true);
        PeriodBoundary missing;
        QCOMPARE(buildSeasonMasks(allHours(rows, start), m, missing), row >= 0);
        if (row < 0) {
            QVERIFY(m.winter.empty() && m.summer.empty());
            QTEST(formatDate(missing.date) + ' ' + QString::number(missing.hour), "expected");
            return;
        }
        QCOMPARE(m.summerStart, size_t(2160));
        QCOMPARE(m.summerEnd, size_t(6551));
        QCOMPARE(std::count(m.winter.begin(), m.winter.end(), true), 2160 + 2208);
        QTEST(bits({m.winter[row], m.summer[row], m.winterHumid[row], m.summerHumid[row]}), "expected");
    }
};

QTEST_GUILESS_MAIN(TestTimeAxis)
#include "tst_timeaxis.moc"
