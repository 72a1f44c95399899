// EnergyPlus building-simulation output: the CSV that ReadVarsESO writes (eplusout.csv) and
// the SQLite output (eplusout.sql). List the variables a file holds, then take the hourly
// values of the chosen ones over the run period, design days and sizing periods skipped.
#pragma once

#include "assessment/yearimport.h"

#include <vector>

class QIODevice;

// Variable names of the preselection.
inline const QString kOperativeTemperature = QStringLiteral("Zone Operative Temperature");
inline const QString kSiteDryBulb = QStringLiteral("Site Outdoor Air Drybulb Temperature");
inline const QString kSiteHumidity = QStringLiteral("Site Outdoor Air Relative Humidity");

// One output variable, as a CSV header names it: "ZONE1:Zone Operative Temperature [C](Hourly)".
struct EnergyPlusVariable {
    QString key;         // "ZONE1", "Environment"
    QString name;        // "Zone Operative Temperature"
    QString unit;        // "C"
    QString frequency;   // "Hourly", "TimeStep", "Daily", ...
    QString header;      // the whole text, for the user to choose from
    qint64 id = 0;       // CSV: the field of the column (1 = first after Date/Time);
                         // SQLite: its ReportDataDictionaryIndex
};

struct EnergyPlusListing {
    ReadError error;
    std::vector<EnergyPlusVariable> variables;

    bool ok() const { return error.problem == ReadProblem::None; }
};

// "KEY:Variable Name [unit](Frequency)": the key is what stands before the last colon ahead of
// the unit (keys may hold colons, variable names do not); unit and frequency may be missing.
EnergyPlusVariable parseEnergyPlusHeader(QStringView text);

// Indices into variables of every variable of that name (any key, case ignored), in order.
std::vector<int> findEnergyPlusVariables(const std::vector<EnergyPlusVariable> &variables,
                                         const QString &name);
// The preselection of a name: its first hourly variable, else its first one; -1 when none.
int preselectEnergyPlusVariable(const std::vector<EnergyPlusVariable> &variables, const QString &name);

// CSV: the header line "Date/Time,KEY:Variable [unit](Frequency),..."; the variables in column
// order. Reads the device to its end (decoded as the reading decodes it).
EnergyPlusListing listEnergyPlusCsv(QIODevice &device, const QString &fileName);
EnergyPlusListing listEnergyPlusCsv(const QString &fileName);

// CSV: the values of the listed variables at the given indices, one column each, in one pass.
// Each must be reported Hourly. Rows " MM/DD  hh:00:00" are hourly records (hour ending,
// 24:00:00 ends the day); rows with other minutes (time steps) or without time (daily,
// monthly, run-period summaries) are skipped. A record that does not follow the one before by
// one hour starts a new environment; the last environment is the run period, the rows before
// it (design days) are counted in otherRecords. An empty cell is a gap (NaN). A row too short
// for a chosen column, a cell with text, an unreadable time stamp or no hourly row is an error
// naming the line.
SourceSeries readEnergyPlusCsv(QIODevice &device, const QString &fileName, const std::vector<int> &variables);
SourceSeries readEnergyPlusCsv(const QString &fileName, const std::vector<int> &variables);

// SQLite through Qt's driver, opened read-only, with fixed queries and bound values: the
// tables ReportDataDictionary, ReportData, Time and EnvironmentPeriods must be there. Lists the
// report variables (no meters) in ReportDataDictionaryIndex order.
EnergyPlusListing listEnergyPlusSql(const QString &fileName);

// SQLite: the values of the listed variables at the given indices, each reported Hourly, over
// the last weather-file run period (EnvironmentType 3), warm-up excluded, in time order. A
// record without value is a gap (NaN). The first weekday is taken from the Time table's
// DayType (the first day named Sunday ... Saturday, counted back to the first record);
// sourceYear is the Time table's year. A gap in the hours, a value that is no number, a
// missing table or a corrupt file is an error naming the table.
SourceSeries readEnergyPlusSql(const QString &fileName, const std::vector<int> &variables);

// The simulation output of either kind, told apart by content (an SQLite file starts with
// "SQLite format 3" and a NUL byte), whatever its name.
bool isSqliteFile(const QString &fileName);
EnergyPlusListing listEnergyPlus(const QString &fileName);
SourceSeries readEnergyPlus(const QString &fileName, const std::vector<int> &variables);
