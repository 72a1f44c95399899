// PMV tables: delimited text in, PMV/PPD per row, comma-separated text out.
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

class QTextStream;

// The fields of one line, split at every occurrence of the separator; empty
// fields are kept ("a;;b" -> "a", "", "b"). An empty separator gives the whole
// line as one field.
QStringList splitLine(const QString &line, const QString &separator);

// Blank: empty or made of space characters only. Imports skip such fields
// without giving them a column.
bool isBlankField(const QString &field);

// The non-blank fields of a line, in order and unchanged: with the separator
// " " a run of spaces acts as one separator, with ";" an empty field between
// two separators shifts the following values one column to the left.
QStringList nonBlankFields(const QString &line, const QString &separator);

// A cell's number: the first comma becomes a point, then the text is read as
// C's atof reads a decimal number: leading white space skipped, the longest
// prefix of sign, digits, point and exponent converted, 0 when there is none.
// "22,5" -> 22.5, "1,234,5" -> 1.234, "1e" -> 1. Independent of the C locale.
// The words inf/nan, hexadecimal numbers and prefixes too large for a double
// give 0, so that no non-number enters a batch.
double parseCellNumber(const QString &text);

struct DelimitedRows {
    std::vector<QStringList> rows;   // non-blank fields of each line after the header lines
    qint64 lineCount = 0;            // lines read, header lines included
    // False when the text held fewer lines than the header: an import then
    // leaves its table as it was. True with no rows means an empty table.
    bool headerComplete = false;
};

// Reads the stream to its end in one pass. Line ends are removed; the first
// headerLines lines are dropped (a negative count drops none). Each remaining
// line gives one row, an empty line an empty row.
DelimitedRows readDelimitedRows(QTextStream &in, int headerLines, const QString &separator);

// Table modes of the PMV batch and their input columns, left to right
// (temperatures in °C, rH in %, Va in m/s, clothing in clo):
namespace PmvTableMode {
enum : int {
    TaTg = 1,   // Ta, Tg, rH, Va, clo: computePMV mode 1 with (Ta, Tg)
    To = 2,     // To, rH, Va, clo: computePMV mode 2 with (To, To)
    MRT = 3     // Ta, Tr, rH, Va, clo: computePMV mode 3 with (Ta, Tr)
};
}

// Header texts of the input columns (translation context "pmvForm"; the form
// passes each through tr()). Empty for an unknown mode.
std::vector<const char *> pmvTableInputHeaders(int tableMode);

// Header texts of the three result columns one batch run appends.
std::vector<const char *> pmvTableResultHeaders();

struct PmvTableBatch {
    // One vector per input column of the mode, left to right, one value per row.
    std::vector<std::vector<double>> inputs;
    std::vector<double> pmv, ppd, ppdMayer;   // ppd and ppdMayer in %
};

// The batch over a table. rows holds, per table row, the texts of its input
// cells from the left; a missing or never filled cell reads as 0, texts beyond
// the mode's input columns are ignored. M and W [W/m²] are the same for every
// row; clothing is converted with kCloToM2KW. An unknown mode computes nothing.
PmvTableBatch computePmvTable(int tableMode, const std::vector<QStringList> &rows,
                              double M, double W);

// Each row's cell texts joined by ",", then "\n". No header, no quoting.
void writeCsvRows(QTextStream &out, const std::vector<QStringList> &rows);
