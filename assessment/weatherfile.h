// EnergyPlus weather files (EPW), the format the German test reference years are published
// in too: the outdoor dry-bulb temperature and relative humidity of every record.
#pragma once

#include "assessment/yearimport.h"

class QIODevice;

// The columns of a weather file's SourceSeries.
namespace WeatherColumn {
enum : int { DryBulb, RelativeHumidity };
}

// The format's missing-value markers: not data, read as NaN.
constexpr double kEpwMissingDryBulb = 99.9;   // [°C]
constexpr double kEpwMissingHumidity = 999;   // [%]

// Eight header lines: LOCATION (city, state, country, ...: the place is "city, country"), six
// lines not read, DATA PERIODS with one period (records per hour, start day of week, first and
// last day: "DATA PERIODS,1,1,Data,Sunday, 1/ 1,12/31"). Then one line per record: year, month,
// day, hour 1-24 (hour ending: hour 1 is 00:00-01:00), minute, source flags, dry bulb [°C],
// dew point, relative humidity [%], more fields not read. The records per hour of DATA PERIODS
// give the interval; the minute field is not read. Each line must be the next record of the
// data period (a TMY's months of different years are fine: the year is not compared), and the
// period must end with the file: a missing, repeated or extra line, a line with fewer than nine
// fields, text in a number field or a date field left empty is an error naming the line. An
// empty dry bulb or humidity field and the markers are gaps (NaN). The data period's start day
// of week is the first record's weekday. Blank lines are skipped.
// The device is read from its current position to its end; fileName names it in errors.
SourceSeries readWeatherFile(QIODevice &device, const QString &fileName);
// The same from a file on disk; CannotOpen when it cannot be opened.
SourceSeries readWeatherFile(const QString &fileName);
