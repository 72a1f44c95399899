// Hourly indoor moisture balance and its assessment over a year of hourly records and a
// year of minute records (525,600), on a synthetic but varied climate: annual and daily
// temperature swings with noise, humid nights, an office's working hours.
#include "assessment/humidity.h"

#include <QtTest>

#include <cmath>
#include <random>

namespace {

struct Year {
    std::vector<double> to, ti, rho;
    std::vector<bool> working, winter, summer;
};

Year syntheticYear(int recordsPerHour)
{
    const size_t n = size_t(8760) * recordsPerHour;
    Year y;
    y.to.resize(n), y.ti.resize(n), y.rho.resize(n);
    y.working.resize(n), y.winter.resize(n), y.summer.resize(n);
    std::mt19937 gen(2011);
    std::normal_distribution<double> noise(0.0, 1.5);
    const double pi = 3.14159265358979;
    for (size_t i = 0; i < n; ++i) {
        const double hour = double(i) / recordsPerHour;       // hours since 1 January
        const double day = hour / 24.0, hourOfDay = std::fmod(hour, 24.0);
        const double daily = std::cos(2 * pi * (hourOfDay - 15.0) / 24.0);
        y.to[i] = 9.0 - 10.0 * std::cos(2 * pi * (day - 15.0) / 365.0) + 5.0 * daily + noise(gen);
        y.rho[i] = std::clamp(75.0 - 15.0 * daily + 4.0 * noise(gen), 20.0, 100.0);
        y.ti[i] = 22.0 + 0.15 * (y.to[i] - 9.0) + 0.3 * noise(gen);
        const int weekday = int(day) % 7;                        // 0 Saturday ... 6 Friday
        y.working[i] = weekday >= 2 && hourOfDay >= 8.0 && hourOfDay < 18.0;
        const bool winterPeriod = day < 90.0 || day >= 273.0;    // 01.10.-31.03.
        y.winter[i] = y.working[i] && winterPeriod;
        y.summer[i] = y.working[i] && !winterPeriod;
    }
    return y;
}

}

class BenchHumidity : public QObject
{
    Q_OBJECT
private slots:
    void computeAndAssess_data();
    void computeAndAssess();
};

void BenchHumidity::computeAndAssess_data()
{
    QTest::addColumn<int>("recordsPerHour");
    QTest::newRow("8,760 hourly records") << 1;
    QTest::newRow("525,600 minute records") << 60;
}

void BenchHumidity::computeAndAssess()
{
    QFETCH(int, recordsPerHour);
    const Year y = syntheticYear(recordsPerHour);
    HumidityParameters p;
    p.hrWinter = 0.6;
    double sink = 0.0;
    QBENCHMARK {
        const IndoorHumidity h =
            computeIndoorHumidity(y.to, y.ti, y.rho, y.working, y.winter, y.summer, p);
        const HumidityAssessment a = assessIndoorHumidity(h.rhIn, h.xIn, y.winter, y.summer);
        sink += a.summary[HumiditySlot::WinterPoints] + a.summary[HumiditySlot::SummerPoints];
    }
    qInfo("%zu records (checksum %g)", y.to.size(), sink);
}

QTEST_GUILESS_MAIN(BenchHumidity)
#include "bench_humidity.moc"
