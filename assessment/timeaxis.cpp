#include "assessment/timeaxis.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// Two hours within this distance [h] are the same hour of the axis: sums of intervals such as
// 0.1 h carry rounding errors.
constexpr double kHourMatch = 0.005;
// Rounding allowance [h] of generated hours against the day end and the working hours.
constexpr double kHourSlack = 1e-6;

// The axis holds dates as parsed from its start date, so a boundary matches by value.
bool matches(const TimeAxis &axis, size_t row, const PeriodBoundary &b)
{
    return axis.dates[row] == b.date && std::fabs(axis.hours[row] - b.hour) < kHourMatch;
}

bool findRow(const TimeAxis &axis, const PeriodBoundary &b, size_t &row)
{
    for (size_t i = 0; i < axis.dates.size(); ++i) {
        if (matches(axis, i, b)) {
            row = i;
            return true;
        }
    }
    return false;
}

}

CalendarDate parseDate(const QString &text)
{
    CalendarDate d;
    std::sscanf(text.toUtf8().constData(), "%d.%d.%d", &d.day, &d.month, &d.year);
    return d;
}

QString formatDate(const CalendarDate &d)
{
    return QStringLiteral("%1.%2.%3")
        .arg(d.day, 2, 10, QLatin1Char('0'))
        .arg(d.month, 2, 10, QLatin1Char('0'))
        .arg(d.year);
}

int monthLength(int month)
{
    switch (month) {
    case 1: case 3: case 5: case 7: case 8: case 10: case 12:
        return 31;
    case 2:
        return 28;
    default:
        return 30;
    }
}

TimeAxis generateTimeAxis(const TimeAxisInput &in)
{
    TimeAxis axis;
    if (in.rows <= 0)
        return axis;
    const size_t n = size_t(in.rows);
    axis.dates.reserve(n);
    axis.hours.reserve(n);
    axis.weekdays.reserve(n);

    CalendarDate date = in.start;
    int weekday = in.weekday;
    double dayStart = in.startHour;
    for (;;) {
        // Hours as start + k x interval, and the day ends within kHourSlack of 24: summing
        // 1/60 h 1440 times falls short of 24 and would give a day of 1441 rows.
        double h = dayStart;
        for (int k = 1; h < 24.0 - kHourSlack && axis.dates.size() < n; ++k) {
            axis.dates.push_back(date);
            axis.hours.push_back(h);
            axis.weekdays.push_back(weekday);
            h = dayStart + k * in.interval;
        }
        if (axis.dates.size() >= n)
            break;
        weekday = weekday >= 7 ? 1 : weekday + 1;
        dayStart = 0.0;
        if (++date.day > monthLength(date.month)) {
            date.day = 1;
            if (++date.month > 12) {
                date.month = 1;
                ++date.year;
            }
        }
    }

    // With hourly data and 8 to 18 the hour starting at 17:00 is the last working one.
    axis.workingTime.resize(n);
    for (size_t i = 0; i < n; ++i) {
        const bool weekend = axis.weekdays[i] == 1 || axis.weekdays[i] == 7;
        const double hour = axis.hours[i];
        axis.workingTime[i] = (in.withWeekends || !weekend) && hour >= in.workStart - kHourSlack
                              && hour <= in.workEnd - in.interval + kHourSlack;
    }
    return axis;
}

PeriodRows findPeriod(const TimeAxis &axis, const PeriodBoundary &start, const PeriodBoundary &end)
{
    PeriodRows p;
    if (!findRow(axis, start, p.start)) {
        p.missing = start;
        return p;
    }
    if (!findRow(axis, end, p.end)) {
        p.missing = end;
        return p;
    }
    p.found = true;
    return p;
}

std::vector<bool> periodMask(const std::vector<bool> &workingTime, size_t start, size_t end)
{
    // Copy the working time and clear what lies outside the period (word-wise on vector<bool>).
    const size_t n = workingTime.size();
    std::vector<bool> mask = workingTime;
    auto at = [&](size_t i) { return mask.begin() + std::ptrdiff_t(std::min(i, n)); };
    if (start < end) {
        std::fill(mask.begin(), at(start), false);
        std::fill(at(end + 1), mask.end(), false);
    } else {
        std::fill(at(end), at(std::max(start, end)), false);
    }
    return mask;
}

bool buildSeasonMasks(const TimeAxis &axis, SeasonMasks &masks, PeriodBoundary &missing)
{
    const PeriodBoundary oct1{{1, 10, 2011}, 0};
    const PeriodBoundary apr1{{1, 4, 2011}, 0};
    const PeriodBoundary apr1Late{{1, 4, 2011}, 23};
    const PeriodBoundary sep30{{30, 9, 2011}, 23};
    struct Period {
        PeriodBoundary start, end;
        std::vector<bool> *mask;
    };
    SeasonMasks m;
    const Period periods[] = {{oct1, apr1Late, &m.winterHumid},
                              {apr1, sep30, &m.summerHumid},
                              {oct1, apr1, &m.winter},
                              {apr1, sep30, &m.summer}};
    PeriodRows rows;
    for (const Period &p : periods) {
        rows = findPeriod(axis, p.start, p.end);
        if (!rows.found) {
            masks = SeasonMasks();
            missing = rows.missing;
            return false;
        }
        *p.mask = periodMask(axis.workingTime, rows.start, rows.end);
    }
    // The last period searched is the summer.
    m.summerStart = rows.start;
    m.summerEnd = rows.end;
    masks = std::move(m);
    return true;
}
