// Delimited text of the table forms: file lines split into fields, cell texts
// read as numbers, CSV out, and the tab-separated text of the clipboard.
#pragma once

#include <QString>
#include <QStringList>

#include <utility>
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

// True when parseCellNumber finds a numeric prefix it can convert, so that a 0
// it returns is a real 0 and not a gap ("0", "12,5", "22x": true; "", "abc",
// "inf", "1e999": false).
bool cellHoldsNumber(const QString &text);

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

// Each row's cell texts joined by ",", then "\n". No header, no quoting.
void writeCsvRows(QTextStream &out, const std::vector<QStringList> &rows);

// Column separator of the import combo boxes: 0 ";", 1 ",", 2 " ", 3 "\t";
// any other index keeps the current one.
QString separatorForIndex(int index, const QString &current);

// Input cells that hold no number (cellHoldsNumber false; a missing field
// counts as empty), over the first `columns` fields of every row: how many,
// and the first `keep` of them as (row, column), 0-based, row by row.
struct CellGaps {
    qint64 count = 0;
    std::vector<std::pair<int, int>> first;
};
CellGaps findCellGaps(const std::vector<QStringList> &rows, int columns, int keep = 5);

// Clipboard text of a range: cells joined by "\t", rows by "\n", no line break
// after the last row (as spreadsheets copy a range).
QString formatTabSeparated(const std::vector<QStringList> &rows);

// Clipboard text split into rows at "\n" (a "\r" before it removed: Windows
// spreadsheets copy CRLF) and into cells at "\t", empty cells kept. An empty
// text after the last line break is no row; a last line without a line break
// is one. columns: tabs in the first line + 1 (0 when there is no row).
struct TabSeparatedBlock {
    std::vector<QStringList> rows;
    int columns = 0;
};
TabSeparatedBlock parseTabSeparated(const QString &text);
