// Delimited text of the table forms: file lines split into fields, cell texts
// read as numbers, CSV out, and the tab-separated text of the clipboard.
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

class QTextStream;

// The fields of one line, split at every occurrence of the separator; empty
// fields are kept ("a;;b" -> "a", "", "b"). An empty separator gives the whole
// line as one field.
QStringList splitLine(const QString &line, const QString &separator);

// Blank: empty or made of space characters only.
bool isBlankField(const QString &field);

// The fields of a line as a table takes them, each unchanged. With a separator
// of spaces (" ") a run of spaces acts as one separator and blanks at either
// end give no field. With any other separator an empty or blank field keeps its
// column ("22;;60" -> "22", "", "60"), except at the end of the line: blank
// fields after the last non-blank one give no column ("1;2;3;" -> "1", "2",
// "3"), so a line ending in a separator does not grow the row.
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

// parseCellNumber where cellHoldsNumber is true, otherwise not a number, so
// that a gap never enters a computation as 0.
double cellNumberOrNaN(const QString &text);

// True when some cell of some row holds a number (cellHoldsNumber).
bool anyCellHoldsNumber(const std::vector<QStringList> &rows);

struct DelimitedRows {
    std::vector<QStringList> rows;   // nonBlankFields of each line after the header lines
    // Lines read, header lines included; 0 for a file without a single line (0
    // bytes, or a byte order mark only).
    qint64 lineCount = 0;
    // False when the text held fewer lines than the header: an import then
    // leaves its table as it was. True with no rows means an empty table.
    bool headerComplete = false;
};

// Reads the stream to its end in one pass. Line ends are removed; the first
// headerLines lines are dropped (a negative count drops none). Each remaining
// line gives one row, an empty line an empty row.
DelimitedRows readDelimitedRows(QTextStream &in, int headerLines, const QString &separator);

// True when a file holds no line at all (readDelimitedRows read none).
bool holdsNoLine(const DelimitedRows &read);

// Bytes from a file's start that looksLikeText needs to judge the file.
constexpr qsizetype kTextSampleBytes = 64 * 1024;

// True when the bytes (a file's start, kTextSampleBytes of it suffice) look like
// the text a delimited file holds. They are decoded as an import reads them (the
// encoding of a byte order mark, else UTF-8). Not text: any NUL character, or
// more than a quarter of the characters neither printable nor white space
// (control characters, and bytes that are no UTF-8, such as most of a picture's
// or program's). Text in an 8-bit code page (an "°" or "ä" here and there)
// stays text. No bytes are text: holdsNoLine tells an empty file.
bool looksLikeText(QByteArrayView start);

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
