// The EPW weather file reader: the whole input is the file. A file read holds two columns of
// one value per record, each a gap (NaN) or finite and never a missing-value marker; it is
// dated in the reference year without leap day, starts within a day and at an interval that
// divides the hour. A refused file holds no column, and its message starts with its name.
// The year of the file, written as the data page reads it and read back, keeps every value.
#include "assessment/weatherfile.h"
#include "assessment/yearcheck.h"
#include "fuzzcheck.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer file(&bytes);
    file.open(QIODevice::ReadOnly);
    const SourceSeries s = readWeatherFile(file, QStringLiteral("fuzz.epw"));
    if (!s.ok()) {
        FUZZ_CHECK(s.columns.empty() && formatReadError(s.error).startsWith(QLatin1String("fuzz.epw: ")));
        return 0;
    }
    const SourceInfo &i = s.info;
    FUZZ_CHECK(s.columns.size() == 2 && i.records > 0);
    FUZZ_CHECK(i.start.year == kReferenceYear && isCalendarDay(i.start.month, i.start.day)
               && !(i.start.month == 2 && i.start.day == 29));
    FUZZ_CHECK(i.startHour >= 0 && i.startHour < 24 && i.firstWeekday >= 0 && i.firstWeekday <= 7);
    FUZZ_CHECK(i.interval > 0 && std::fabs(60 * i.interval - std::round(60 * i.interval)) < 1e-9);
    for (size_t c = 0; c < 2; ++c) {
        FUZZ_CHECK(qint64(s.columns[c].size()) == i.records);
        const double marker = c == 0 ? kEpwMissingDryBulb : kEpwMissingHumidity;
        for (double v : s.columns[c])
            FUZZ_CHECK(std::isnan(v) || (std::isfinite(v) && v != marker));
    }

    const YearImport year = combineYear({&s, WeatherColumn::DryBulb}, {&s, WeatherColumn::RelativeHumidity},
                                        {&s, WeatherColumn::DryBulb});
    FUZZ_CHECK(year.ok() && year.sources.size() == 1);
    for (const YearFinding &f : checkYear(year).findings)
        FUZZ_CHECK(f.places.size() <= size_t(kFirstPlaces) && (f.places.empty() || qint64(f.places.size()) <= f.count));
    QByteArray written;
    QBuffer out(&written);
    out.open(QIODevice::WriteOnly);
    QTextStream stream(&out);
    writeYearFile(stream, year.series);
    stream.flush();
    out.close();
    out.open(QIODevice::ReadOnly);
    QTextStream in(&out);
    const YearSeries back = yearSeriesFromRows(readDelimitedRows(in, 1, QStringLiteral(";")).rows);
    FUZZ_CHECK(back.size() == year.series.size());
    for (size_t k = 0; k < back.size(); ++k) {
        const double a = back.outdoorTemp[k], b = year.series.outdoorTemp[k];
        FUZZ_CHECK(a == b || (std::isnan(a) && std::isnan(b)));
    }
    return 0;
}
