// The year data of an assessment read from a delimited text file: outdoor temperature, outdoor
// relative humidity and indoor operative temperature per line, the texts as read for the data
// page's table and the numbers for the assessment.
#pragma once

#include "assessment/yearseries.h"
#include "comfort/delimitedtext.h"

#include <QString>
#include <QStringList>

#include <vector>

class QIODevice;

constexpr int kYearColumns = 3;   // outdoor temperature, outdoor humidity, indoor temperature

enum class YearReadProblem {
    None,
    CannotRead,       // `reason` says why
    Empty,            // no byte at all
    NotText,          // binary bytes: no delimited text
    ShorterThanHeader,// fewer lines than the header lines
    NoRecord,         // no line after the header holds a number
    HeaderAsRecord    // the first record holds no number in any cell: a header read as data
};

// What a read keeps of the records: their texts (for the data page's table) or only their
// numbers (for an assessment, without a string per cell held for the whole year).
enum class YearKeep { Texts, Numbers };

struct YearFileRead {
    YearReadProblem problem = YearReadProblem::None;
    QString reason;                      // CannotRead: the system's reason
    std::vector<QStringList> rows;       // YearKeep::Texts: at most kYearColumns cells per record, as read
    YearSeries series;                   // YearKeep::Numbers: as yearSeriesFromRows(rows) would give
    qint64 lineCount = 0;                // lines read, header lines included
};

// Reads the whole device in one pass, line by line (header lines dropped, cells split at the
// separator as readDelimitedRows does) and refuses what holds no year of data. A refused read
// leaves `rows` and `series` empty.
YearFileRead readYearData(QIODevice &device, int headerLines, const QString &separator,
                          YearKeep keep = YearKeep::Texts);
YearFileRead readYearFile(const QString &fileName, int headerLines, const QString &separator,
                          YearKeep keep = YearKeep::Texts);

// An English sentence on the problem (the window words its own).
QString yearReadProblemText(const YearFileRead &read);

// The numbers of the records: cell 0 outdoor temperature, 1 outdoor humidity, 2 indoor
// temperature; a cell without a number (or missing) is NaN.
YearSeries yearSeriesFromRows(const std::vector<QStringList> &rows);

// Values of the series that are not numbers (NaN), in the order of the records and columns
// above: their count and the first `keep` of them as (record, column), 0-based.
CellGaps yearSeriesGaps(const YearSeries &series, int keep = 5);

// Hours the records cover, records × interval [h], and whether that is one year of 8,760 or
// 8,784 hours (within a hundredth of an hour).
double yearSpanHours(size_t records, double interval);
bool isOneYear(double hours);
