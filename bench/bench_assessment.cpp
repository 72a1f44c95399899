// The operative temperature assessment core alone: time axis, season masks, winter bands,
// summer distribution and all four summer models (running mean included) over a year of
// hourly and of 1-minute data.
#include "assessment/operativetemperature.h"

#include <QtTest>

#include <cmath>
#include <random>

namespace {

constexpr double kPi = 3.14159265358979323846;

// A central German year: outdoor temperature [°C] with seasonal and daily swing and weather
// spells (an AR(1) process with a correlation time of about three days); an office heated to
// about 21 °C in winter that runs free in summer and follows the outdoors with a lag.
OperativeAssessmentInput syntheticYear(int rowsPerHour)
{
    OperativeAssessmentInput in;
    const int rows = 8760 * rowsPerHour;
    const double dt = 1.0 / rowsPerHour;   // [h]
    in.axis.rows = rows;
    in.axis.interval = dt;
    in.axis.weekday = 7;   // 01.01.2011 was a Saturday
    in.outdoorTemp.resize(size_t(rows));
    in.outdoorHumid.resize(size_t(rows));
    in.indoorTemp.resize(size_t(rows));

    std::mt19937 random(2011);
    std::normal_distribution<double> noise(0.0, 1.0);
    const double keep = std::exp(-dt / 72.0);
    double weather = 0, indoor = 21;
    for (int i = 0; i < rows; ++i) {
        const double hour = i * dt, dayOfYear = hour / 24.0, hourOfDay = std::fmod(hour, 24.0);
        const double season = -std::cos(2 * kPi * (dayOfYear - 20) / 365);   // -1 mid-January
        weather = keep * weather + std::sqrt(1 - keep * keep) * 3.5 * noise(random);
        const double swing = (5.0 + 2.5 * season) * std::cos(2 * kPi * (hourOfDay - 15) / 24);
        const double te = 9.5 + 9.5 * season + swing + weather;
        in.outdoorTemp[size_t(i)] = te;
        in.outdoorHumid[size_t(i)] = std::clamp(78 - 12 * season - 2.5 * swing, 25.0, 100.0);
        // Indoor: heated set point in the cold half, free running in the warm one.
        const double freeRunning = 21.0 + 0.4 * (te - 12) + 0.5 * swing;
        const double target = std::max(season < 0 ? 21.0 : 20.0, freeRunning);
        indoor += (target - indoor) * (1 - std::exp(-dt / 6.0));
        in.indoorTemp[size_t(i)] = indoor + 0.2 * noise(random);
    }
    return in;
}

double evaluateAllModels(const OperativeAssessmentInput &in)
{
    const TimeAxis axis = generateTimeAxis(in.axis);
    SeasonMasks m;
    PeriodBoundary missing;
    if (!buildSeasonMasks(axis, m, missing))
        return 0;
    const std::vector<double> &to = in.indoorTemp;
    double sum = evaluateWinter(to, m.winter)[WinterSlot::DegreeRows];
    sum += evaluateSummerDistribution(to, m.summer)[SummerSlot::Total];
    sum += evaluateFixed26(to, m.summer)[SummerSlot::Points];
    const std::vector<double> rm = computeRunningMeanEN(axis, in.outdoorTemp, in.alpha,
                                                        m.summerStart, m.summerEnd);
    sum += evaluateAdaptiveEN(to, m.summer, rm)[SummerSlot::Points];
    sum += classifyAdaptiveCategories(to, m.summer, rm, m.summerStart, m.summerEnd).fOut2;
    sum += evaluateNationalAnnex(to, m.summer, in.outdoorTemp)[SummerSlot::Points];
    for (SummerRegion r : {SummerRegion::A, SummerRegion::B, SummerRegion::C})
        sum += evaluateDin4108(to, m.summer, din4108Limit(r))[SummerSlot::DegreeRows];
    return sum;
}

}

class BenchAssessment : public QObject
{
    Q_OBJECT
private slots:
    void allModels_data();
    void allModels();
    void sampleFigures();
};

void BenchAssessment::allModels_data()
{
    QTest::addColumn<int>("rowsPerHour");
    QTest::newRow("8,760 hourly rows") << 1;
    QTest::newRow("525,600 rows of 1-minute data") << 60;
}

void BenchAssessment::allModels()
{
    QFETCH(int, rowsPerHour);
    const OperativeAssessmentInput in = syntheticYear(rowsPerHour);
    double sink = 0;
    QBENCHMARK {
        sink += evaluateAllModels(in);
    }
    QVERIFY(sink != 0);
}

// What the synthetic year looks like, so that the timings stand for a realistic load.
void BenchAssessment::sampleFigures()
{
    OperativeAssessmentInput in = syntheticYear(1);
    double sum = 0, lo = 1e9, hi = -1e9;
    for (double t : in.outdoorTemp) {
        sum += t;
        lo = std::min(lo, t);
        hi = std::max(hi, t);
    }
    in.model = SummerModel::AdaptiveEN;
    const OperativeAssessment a = assessOperativeTemperature(in);
    QVERIFY(a.ok);
    qInfo("outdoor mean %.1f °C, %.1f ... %.1f °C; winter rows below 20 °C %.0f of %.0f; "
          "summer rows above the adaptive limit %.0f of %.0f, %.0f points",
          sum / in.outdoorTemp.size(), lo, hi, a.winter[WinterSlot::Outside],
          a.winter[WinterSlot::Total], a.model[SummerSlot::Exceedance],
          a.summerDistribution[SummerSlot::Total], a.model[SummerSlot::Points]);
}

QTEST_GUILESS_MAIN(BenchAssessment)
#include "bench_assessment.moc"
