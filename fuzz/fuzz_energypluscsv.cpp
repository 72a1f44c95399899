// The EnergyPlus CSV reader: the whole input is eplusout.csv. The listing and the reading of
// every hourly variable agree: a file read holds one column per variable asked for, each of
// one value per run-period record, NaN or finite, dated in the reference year without leap
// day and starting within a day. Asking for a variable not listed, or one not hourly, is
// refused. A refused file holds no column, and its message starts with its name.
#include "assessment/energyplus.h"
#include "fuzzcheck.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer file(&bytes);
    file.open(QIODevice::ReadOnly);
    const QString name = QStringLiteral("fuzz.csv");
    const EnergyPlusListing listing = listEnergyPlusCsv(file, name);
    file.seek(0);
    std::vector<int> hourly;
    for (size_t v = 0; v < listing.variables.size(); ++v) {
        if (listing.variables[v].frequency.compare(QLatin1String("Hourly"), Qt::CaseInsensitive) == 0)
            hourly.push_back(int(v));
    }
    const SourceSeries s = readEnergyPlusCsv(file, name, hourly);
    if (!listing.ok())
        FUZZ_CHECK(!s.ok() && s.error.problem == listing.error.problem);
    if (!s.ok()) {
        FUZZ_CHECK(s.columns.empty() && formatReadError(s.error).startsWith(name + QLatin1String(": ")));
        FUZZ_CHECK(s.error.problem != ReadProblem::NotHourly && s.error.problem != ReadProblem::NoSuchVariable);
        return 0;
    }
    const SourceInfo &i = s.info;
    FUZZ_CHECK(s.columns.size() == hourly.size() && qint64(s.names.size()) == qint64(hourly.size()));
    FUZZ_CHECK(i.records > 0 && i.otherRecords >= 0 && i.leapDayRecords >= 0 && i.interval == 1.0);
    FUZZ_CHECK(i.start.year == kReferenceYear && isCalendarDay(i.start.month, i.start.day)
               && !(i.start.month == 2 && i.start.day == 29) && i.startHour >= 0 && i.startHour < 24);
    for (size_t c = 0; c < s.columns.size(); ++c) {
        FUZZ_CHECK(qint64(s.columns[c].size()) == i.records);
        FUZZ_CHECK(s.names.at(qsizetype(c)) == listing.variables[size_t(hourly[c])].header);
        for (double v : s.columns[c])
            FUZZ_CHECK(std::isnan(v) || std::isfinite(v));
    }
    file.seek(0);
    const SourceSeries beyond = readEnergyPlusCsv(file, name, {int(listing.variables.size())});
    FUZZ_CHECK(beyond.error.problem == ReadProblem::NoSuchVariable && beyond.columns.empty());
    return 0;
}
