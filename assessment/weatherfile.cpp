#include "assessment/weatherfile.h"

#include <QFile>
#include <QIODevice>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr int kHeaderLines = 8;
// Fields up to relative humidity: year, month, day, hour, minute, flags, dry bulb, dew point, RH.
constexpr int kFieldsNeeded = 9;
constexpr int kDryBulbField = 6, kHumidityField = 8;
const char *const kDateFields[] = {"year", "month", "day", "hour", "minute"};

struct DataPeriod {
    int perHour = 1;
    int weekday = 0;   // 1 = Sunday ... 7 = Saturday; 0 when the name is none of them
    int startMonth = 1, startDay = 1, endMonth = 12, endDay = 31;
};

// "1/ 1", "12/31", "1/1/1999": month and day.
bool readMonthDay(QStringView text, int &month, int &day)
{
    const QString compact = text.toString().remove(u' ');
    const QStringList parts = compact.split(u'/');
    bool okMonth = false, okDay = false;
    if (parts.size() < 2 || parts.size() > 3)
        return false;
    month = parts.at(0).toInt(&okMonth);
    day = parts.at(1).toInt(&okDay);
    return okMonth && okDay && isCalendarDay(month, day);
}

bool readDataPeriod(QStringView line, DataPeriod &p)
{
    const QList<QStringView> f = line.split(u',');
    if (f.size() < 7 || f.at(0).trimmed().compare(QLatin1String("DATA PERIODS"), Qt::CaseInsensitive) != 0)
        return false;
    bool okCount = false, okPerHour = false;
    const int periods = f.at(1).trimmed().toInt(&okCount);
    p.perHour = f.at(2).trimmed().toInt(&okPerHour);
    p.weekday = weekdayFromName(f.at(4));
    return okCount && periods == 1 && okPerHour && p.perHour >= 1 && 60 % p.perHour == 0
           && readMonthDay(f.at(5), p.startMonth, p.startDay) && readMonthDay(f.at(6), p.endMonth, p.endDay);
}

// Day of a year without leap day, 1-365; 29 February counts as 28 February.
int dayOfYear(int month, int day)
{
    int d = std::min(day, monthLength(month));
    for (int m = 1; m < month; ++m)
        d += monthLength(m);
    return d;
}

QString monthDay(int month, int day)
{
    return QStringLiteral("%1/%2").arg(month, 2, 10, QLatin1Char('0')).arg(day, 2, 10, QLatin1Char('0'));
}

QString recordText(int month, int day, int hour)
{
    return QStringLiteral("%1 hour %2").arg(monthDay(month, day)).arg(hour);
}

// A value field: empty or the marker is a gap.
bool readValue(QStringView field, double marker, double &value)
{
    if (field.trimmed().isEmpty()) {
        value = std::numeric_limits<double>::quiet_NaN();
        return true;
    }
    if (!readNumberField(field, value))
        return false;
    if (value == marker)
        value = std::numeric_limits<double>::quiet_NaN();
    return true;
}

}

SourceSeries readWeatherFile(QIODevice &device, const QString &fileName)
{
    ReadError error;
    error.fileName = fileName;
    const auto fail = [&](ReadProblem problem, qint64 line) {
        error.problem = problem;
        error.line = line;
        return failedSource(SourceFormat::Weather, error);
    };

    const QString text = decodeText(device.readAll());
    const std::vector<QStringView> lines = splitLines(text);
    if (lines.empty() || !lines.front().trimmed().startsWith(QLatin1String("LOCATION"), Qt::CaseInsensitive))
        return fail(ReadProblem::NotWeatherFile, 1);
    DataPeriod period;
    if (lines.size() < size_t(kHeaderLines) || !readDataPeriod(lines[kHeaderLines - 1], period)) {
        error.text = lines.size() < size_t(kHeaderLines) ? QString() : lines[kHeaderLines - 1].toString();
        return fail(ReadProblem::NoDataPeriods, kHeaderLines);
    }

    SourceSeries s;
    s.info.fileName = fileName;
    s.info.format = SourceFormat::Weather;
    const QList<QStringView> location = lines.front().split(u',');
    for (int field : {1, 3}) {
        const QString part = location.value(field).trimmed().toString();
        if (!part.isEmpty())
            s.info.place += (s.info.place.isEmpty() ? QString() : QStringLiteral(", ")) + part;
    }
    s.info.interval = 1.0 / period.perHour;
    s.info.firstWeekday = period.weekday;
    s.names = QStringList{QStringLiteral("Dry Bulb Temperature [C]"), QStringLiteral("Relative Humidity [%]")};
    s.columns.resize(2);
    const qint64 periodDays = (dayOfYear(period.endMonth, period.endDay) - dayOfYear(period.startMonth, period.startDay) + 365) % 365 + 1;
    for (std::vector<double> &c : s.columns)
        c.reserve(size_t(periodDays * 24 * period.perHour));

    // The record the next line must hold.
    int month = period.startMonth, day = period.startDay, hour = 1, step = 1;
    bool done = false;
    qint64 lastLine = kHeaderLines;
    for (size_t i = kHeaderLines; i < lines.size(); ++i) {
        const qint64 lineNo = qint64(i) + 1;
        if (lines[i].trimmed().isEmpty())
            continue;
        if (done) {
            error.wanted = monthDay(period.endMonth, period.endDay);
            return fail(ReadProblem::BeyondPeriod, lineNo);
        }
        const QList<QStringView> f = lines[i].split(u',');
        if (f.size() < kFieldsNeeded) {
            error.count = f.size();
            error.expected = kFieldsNeeded;
            return fail(ReadProblem::TooFewFields, lineNo);
        }
        int date[5];
        for (int k = 0; k < 5; ++k) {
            bool ok = false;
            date[k] = f.at(k).trimmed().toInt(&ok);
            if (!ok) {
                error.column = QLatin1String(kDateFields[k]);
                error.text = f.at(k).toString();
                return fail(ReadProblem::NotANumber, lineNo);
            }
        }
        const int lineMonth = date[1], lineDay = date[2], lineHour = date[3];
        // A new day after 28 February may be the leap day.
        if (hour == 1 && step == 1 && lineMonth == 2 && lineDay == 29 && month == 3 && day == 1
            && i > size_t(kHeaderLines))
            month = 2, day = 29;
        if (lineMonth != month || lineDay != day || lineHour != hour) {
            error.text = recordText(lineMonth, lineDay, lineHour);
            error.wanted = recordText(month, day, hour);
            return fail(ReadProblem::OutOfSequence, lineNo);
        }
        double values[2];
        const int fields[2] = {kDryBulbField, kHumidityField};
        const double markers[2] = {kEpwMissingDryBulb, kEpwMissingHumidity};
        for (int k = 0; k < 2; ++k) {
            if (!readValue(f.at(fields[k]), markers[k], values[k])) {
                error.column = k == 0 ? QStringLiteral("dry-bulb temperature") : QStringLiteral("relative humidity");
                error.text = f.at(fields[k]).toString();
                return fail(ReadProblem::NotANumber, lineNo);
            }
        }
        if (s.info.records + s.info.leapDayRecords == 0)
            s.info.sourceYear = date[0];
        appendRecord(s, month, day, hour - 1, values);
        lastLine = lineNo;

        done = month == period.endMonth && day == period.endDay && hour == 24 && step == period.perHour;
        if (++step > period.perHour) {
            step = 1;
            if (++hour > 24) {
                hour = 1;
                // 28 February is followed by 1 March here; a leap day line is taken above.
                if (day >= monthLength(month)) {
                    day = 1;
                    month = month == 12 ? 1 : month + 1;
                } else {
                    ++day;
                }
            }
        }
    }
    if (!done) {
        error.count = s.info.records + s.info.leapDayRecords;
        error.expected = (periodDays + (s.info.leapDayRecords > 0 ? 1 : 0)) * 24 * period.perHour;
        return fail(ReadProblem::Truncated, lastLine);
    }
    return s;
}

SourceSeries readWeatherFile(const QString &fileName)
{
    QFile file(fileName);
    const ReadError error = openForReading(file);
    return error.problem == ReadProblem::None ? readWeatherFile(file, fileName)
                                              : failedSource(SourceFormat::Weather, error);
}
