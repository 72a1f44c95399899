// A year of room data from the files planners have: what a reader took from one file (weather
// file, building-simulation output), read errors as codes with an English wording for the
// command line, the three series combined into one year, and the plain year file that the
// assessment's data page reads with its defaults.
#pragma once

#include "assessment/timeaxis.h"
#include "assessment/yeardata.h"
#include "comfort/translator.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

class QByteArray;
class QFile;
class QTextStream;

// The BNB periods are dated in 2011, a year without leap day: every reader dates its records
// in this year, whatever year the file names (SourceInfo::sourceYear keeps that one).
constexpr int kReferenceYear = 2011;

enum class SourceFormat { Delimited, Weather, EnergyPlusCsv, EnergyPlusSql };

// What one file gave, for the data page and for the validity report's comparison of sources.
// 29 February is dropped by every reader and counted: the time axis knows no leap day, and a
// kept leap day would shift every later date, the BNB season boundaries included, by one day.
// (The axis then counts the weekdays after 28 February one day early; the count tells it.)
struct SourceInfo {
    QString fileName;
    SourceFormat format = SourceFormat::Delimited;
    QString place;             // weather file: "city, country" of its LOCATION line; else empty
    CalendarDate start;        // date of the first record taken, in kReferenceYear
    int sourceYear = 0;        // year the file gives for its first record; 0 when it gives none
    int startHour = 0;         // hour of day [h] in which the first record starts (hour 1 -> 0)
    double interval = 1.0;     // data interval [h]
    qint64 records = 0;        // records taken
    qint64 leapDayRecords = 0; // records of 29 February dropped
    qint64 otherRecords = 0;   // simulation: records of other environments (design days) skipped
    int firstWeekday = 0;      // of the first record, 1 = Sunday ... 7 = Saturday; 0 not known
};

// Why a file could not be read. The fields each problem fills are listed beside it. line is
// the file's line (1 = first); for an SQLite file, table names the table read and line the
// row's key in it (0: the table as a whole).
enum class ReadProblem {
    None,
    CannotOpen,          // text: the system's reason
    NotWeatherFile,      // line 1 is no LOCATION line
    NoDataPeriods,       // line 8 holds no readable DATA PERIODS entry; text: the line
    TooFewFields,        // line; count: fields found, expected: fields needed
    NotANumber,          // line; column: the field or variable; text: the field's text
    OutOfSequence,       // line; text: date and hour found; wanted: the one expected
    Truncated,           // line: the last line; count: records read; expected: of the period
    BeyondPeriod,        // line; wanted: the data period's last day
    NoHeader,            // line 1; text: its first field, not "Date/Time"
    NoSuchVariable,      // count: the index asked for; expected: variables listed
    ColumnMissing,       // line; column: the variable; count: fields the row holds
    NotHourly,           // column: the variable; text: its reporting frequency
    BadTimeStamp,        // line; text: the time stamp
    NoRecords,           // no hourly record of a run period
    NotEnergyPlusOutput, // table: the EnergyPlus table the file lacks
    DatabaseError,       // table: the table read; text: the driver's message
    NoDriver,            // Qt's SQLite driver (Debian libqt6sql6-sqlite) is not installed
};

struct ReadError {
    ReadProblem problem = ReadProblem::None;
    QString fileName;
    qint64 line = 0;
    QString table;
    QString column;
    QString text;
    QString wanted;
    qint64 count = 0;
    qint64 expected = 0;
};

// One line beginning with the file name: "weather.epw: line 12: dry-bulb temperature "2x,5" is
// not a number"; English, or through tr (context "YearCheck") as the window shows it.
QString formatReadError(const ReadError &error, const TextTranslator &tr = {});

// One file's series: columns[i] named names[i], every column records long, gaps (missing-value
// markers, empty cells) NaN. After an error every column is empty: nothing half-filled.
struct SourceSeries {
    ReadError error;
    SourceInfo info;
    QStringList names;
    std::vector<std::vector<double>> columns;

    bool ok() const { return error.problem == ReadProblem::None; }
};

// A series of a source: source->columns[column].
struct SeriesPick {
    const SourceSeries *source = nullptr;
    int column = 0;
};

// A year as the data page takes it: the series and the fields of the page.
struct YearImport {
    ReadError error;
    YearSeries series;
    CalendarDate start;      // kReferenceYear
    int startHour = 0;       // [h]
    double interval = 1.0;   // [h]
    int firstWeekday = 0;    // 1 = Sunday ... 7 = Saturday; 0: no source names it, keep the page's
    QString place;
    std::vector<SourceInfo> sources;   // each file once, in the order outdoor, humidity, indoor

    bool ok() const { return error.problem == ReadProblem::None; }
};

// The three series side by side, record k beside record k (the validity report names sources
// of different length or start). The year is as long as the longest series; a shorter one
// ends in NaN. Start, start hour and interval are the indoor source's, the weekday the first
// known of indoor, outdoor, humidity; the place the first source's that has one. A source that
// holds an error passes it on; a column it lacks gives NoSuchVariable.
YearImport combineYear(SeriesPick outdoorTemp, SeriesPick outdoorHumid, SeriesPick indoorTemp);

// The year as the data page reads it with its defaults, like examples/sample_year.csv: one
// header line "Ta (°C);RH (%);To (°C)", ";" separated, decimal commas, each value with the
// fewest digits that read back to the same double (what was read is what is written), a gap
// (NaN, and any other value that is not finite) as "N.A": an empty cell would shift the row's
// later values, the page drops blank fields.
// The caller writes through a QSaveFile and checks its commit.
void writeYearFile(QTextStream &out, const YearSeries &year);

// ---- shared by the readers -------------------------------------------------------------

// Opens the file for reading: problem None, or CannotOpen with the system's reason.
ReadError openForReading(QFile &file);
// A source that holds its error only: the file's name and format, no column.
SourceSeries failedSource(SourceFormat format, const ReadError &error);

// A file's bytes as text: UTF-8, or Latin-1 when they are no valid UTF-8 (weather files with
// place names written by older Windows tools).
QString decodeText(const QByteArray &bytes);
// The lines of a text, line ends ("\n", "\r\n") removed; text after the last line end is a
// line only when it holds something.
std::vector<QStringView> splitLines(const QString &text);
// A number field of a weather or simulation file: blanks around it ignored, a decimal point,
// an exponent; false for anything else (text, a decimal comma, inf, nan, an empty field, a
// number beyond the range of double). Independent of the locale.
bool readNumberField(QStringView field, double &value);
// "Sunday" ... "Saturday" (case and blanks ignored) as 1 ... 7; 0 for any other name.
int weekdayFromName(QStringView name);
// A day of the calendar with leap day: months 1-12, 29 February allowed.
bool isCalendarDay(int month, int day);
// The day after month/day: 28 February is followed by 29 February or 1 March, 31 December by
// 1 January.
bool isNextDay(int month, int day, int nextMonth, int nextDay);
// Hourly records in order: the same day one hour later, or 24:00 followed by 1:00 of the next
// day. Hours are hour-ending, 1-24.
bool followsHour(int month, int day, int hour, int nextMonth, int nextDay, int nextHour);
// Appends one record of source.columns.size() values: 29 February is counted and dropped; the
// first record kept sets the start date (in kReferenceYear) and the start hour [h].
void appendRecord(SourceSeries &source, int month, int day, int startHour, const double *values);
