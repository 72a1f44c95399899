// Time axis of a long-term data set: one date, hour of day and weekday per data row, the
// working-time mask, and the season periods of the BNB thermal-comfort criterion. The axis
// knows no leap day: February has 28 days in every year.
#pragma once

#include <QString>

#include <cstddef>
#include <vector>

struct CalendarDate {
    int day = 1, month = 1, year = 2011;
};
inline bool operator==(const CalendarDate &a, const CalendarDate &b)
{
    return a.day == b.day && a.month == b.month && a.year == b.year;
}
inline bool operator!=(const CalendarDate &a, const CalendarDate &b)
{
    return !(a == b);
}

// Reads "d.m.y" the way scanf's "%d.%d.%d" does: leading blanks and a sign allowed, reading
// stops at the first field that does not parse; unparsed fields keep 1, 1, 2011.
CalendarDate parseDate(const QString &text);
// "01.04.2011": day and month with two digits, the year as it is.
QString formatDate(const CalendarDate &d);
// Days of a month without leap days: February 28; a month outside 1-12 counts 30.
int monthLength(int month);

struct TimeAxisInput {
    int rows = 0;               // rows to generate; <= 0 generates none
    CalendarDate start;         // date of the first row
    int startHour = 0;          // hour of day of the first row [h], integer part of the entry
    double interval = 1.0;      // data interval [h]
    int weekday = 1;            // weekday of the first row, 1 = Sunday ... 7 = Saturday
    int workStart = 8;          // working hours [h]: a row at hour h works when
    int workEnd = 18;           //   workStart <= h <= workEnd - interval
    bool withWeekends = false;  // false: Saturdays and Sundays are never working time
};

struct TimeAxis {
    std::vector<CalendarDate> dates;
    std::vector<double> hours;      // hour of day [h], 0 <= h < 24
    std::vector<int> weekdays;      // 1 = Sunday ... 7 = Saturday
    std::vector<bool> workingTime;
};

// The first day starts at startHour, every later day at 0:00; row k of a day lies k intervals
// after its start. A day ends as soon as the hour reaches 24 (within 1e-6 h, so that 1-minute
// data give 1440 rows a day); the weekday advances at the day change. The working-hour
// comparisons allow the same 1e-6 h.
TimeAxis generateTimeAxis(const TimeAxisInput &in);

struct PeriodBoundary {
    CalendarDate date;
    int hour = 0;   // [h]
};

// start and end are the first rows on the boundary's date whose hour lies within 0.005 h of
// the boundary's hour. found = false names the boundary that no row matches (the start when
// both are missing).
struct PeriodRows {
    bool found = false;
    PeriodBoundary missing;
    size_t start = 0, end = 0;
};
PeriodRows findPeriod(const TimeAxis &axis, const PeriodBoundary &start, const PeriodBoundary &end);

// Rows start...end when start < end; otherwise the period runs over the turn of the year and
// holds rows 0...end-1 and start...last (the end row itself excluded). ANDed with workingTime.
std::vector<bool> periodMask(const std::vector<bool> &workingTime, size_t start, size_t end);

struct SeasonMasks {
    std::vector<bool> winter, summer, winterHumid, summerHumid;   // each ANDed with working time
    size_t summerStart = 0, summerEnd = 0;   // rows of 01.04.2011 0:00 and 30.09.2011 23:00
};

// The BNB periods, searched in the order winter humidity (01.10.2011 0 h -> 01.04.2011 23 h),
// summer humidity (01.04.2011 0 h -> 30.09.2011 23 h), winter (01.10.2011 0 h -> 01.04.2011
// 0 h), summer (as summer humidity). Returns false and names in `missing` the first boundary
// not among the rows; the masks are then empty.
bool buildSeasonMasks(const TimeAxis &axis, SeasonMasks &masks, PeriodBoundary &missing);
