// The validity report of a year of room data, made after reading and before anything is
// computed: it counts and places what looks wrong and changes nothing in the data. The window
// words its panel from the findings with tr(); formatYearReport gives the command line's
// English lines.
#pragma once

#include "assessment/yearimport.h"
#include "comfort/numbertext.h"

#include <QStringList>

#include <vector>

enum class YearCheck {
    RowCount,        // error: count rows where a year from the start date holds expected
    SeasonBoundary,  // error: no row for the BNB season boundary `boundary`
    MissingValues,   // column: count gaps (NaN); places: value NaN
    OutOfRange,      // column: count values outside `range`; places: the value
    IndoorStep,      // count indoor steps above kMaxIndoorStep within one hour; places: the
                     //   later row, value the step [K] (signed)
    StuckIndoor,     // count runs of kStuckRun or more identical indoor values; places: the
                     //   run's first row, value its length in records
    SourceMismatch,  // source differs from sources[0] in records or start: count its records,
                     //   expected those of sources[0]
    LeapDayDropped,  // source: count records of 29 February its reader dropped
};

enum class FindingSeverity { Warning, Error };

// The columns of a year, as the data page orders them.
namespace YearColumn {
enum : int { None = -1, OutdoorTemp, OutdoorHumid, IndoorTemp };
}

struct FindingPlace {
    qint64 row = 0;   // 0-based row of the year
    QString when;     // its date and time on the time axis: "01.01.2011 05:00"
    double value = 0.0;
};

struct YearFinding {
    YearCheck check = YearCheck::RowCount;
    FindingSeverity severity = FindingSeverity::Warning;
    int column = YearColumn::None;
    qint64 count = 0;
    qint64 expected = 0;
    ValueRange range;
    PeriodBoundary boundary;
    int source = -1;                    // index into YearReport::sources
    std::vector<FindingPlace> places;   // the first kFirstPlaces, row by row
};

struct YearReport {
    std::vector<YearFinding> findings;   // errors first, then the warnings column by column
    std::vector<SourceInfo> sources;

    bool hasErrors() const;
};

constexpr int kFirstPlaces = 5;
constexpr double kMaxIndoorStep = 8.0;   // [K] within one hour
constexpr int kStuckRun = 24;            // identical indoor values in a row [records]
// Plausible values: outdoor air [°C], relative humidity [%], indoor operative [°C].
constexpr ValueRange kPlausibleOutdoorTemp{-45, 50};
constexpr ValueRange kPlausibleHumidity{0, 100};
constexpr ValueRange kPlausibleIndoorTemp{0, 50};

// Checks a year laid on the axis of start, startHour and interval (rows and working hours of
// axis are not read). The length is checked against 8,760 h (a plain year file also 8,784 h), the season boundaries
// with buildSeasonMasks; both only for an interval > 0. An indoor step compares rows one hour
// apart (round(1 / interval) rows, at least one). Sources: what the readers gave, each compared
// with the first; empty for a plain year file. The readers drop 29 February, so with sources a
// year holds 8,760 / interval rows from any start (2011 + 12 months from 1 July would hold
// 29.02.2012).
YearReport checkYear(const YearSeries &year, const TimeAxisInput &axis,
                     const std::vector<SourceInfo> &sources = {});
// The same for an import, on its start, start hour and interval.
YearReport checkYear(const YearImport &year);

// One line per finding, English or through tr (context "YearCheck") as the window shows it: "error: ...", "warning: ...", rows 1-based as the table shows
// them: "warning: indoor operative temperature: 3 missing values: row 5 (01.01.2011 04:00),
// row 9 (01.01.2011 08:00), row 10 (01.01.2011 09:00)".
QStringList formatYearReport(const YearReport &report, const TextTranslator &tr = {});
