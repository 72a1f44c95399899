// Table forms' QTableWidget in bulk: fill and read, change the column count,
// import a delimited file, save as CSV, the clipboard, and the gap warning.
// The only code that touches QTableWidget items in bulk; the text rules are
// those of comfort/delimitedtext.h. Messages use the context "TableText".
#pragma once

#include "comfort/delimitedtext.h"

#include <QString>
#include <QStringList>

#include <vector>

class QTableWidget;
class QWidget;

// The texts of the first `columns` cells of every row; "" for a cell without item.
std::vector<QStringList> tableRows(const QTableWidget *t, int columns);

// Replaces the table's rows by the given ones in one pass (sized once, updates
// off); fields beyond the column count are dropped.
void fillTable(QTableWidget *t, const std::vector<QStringList> &rows);

// Sets the column count; rows and the cells of the remaining columns stay.
// Linear, where QTableWidget's own change is quadratic in the rows.
void setColumnCountKeepingCells(QTableWidget *t, int columns);

// Refusals importDelimitedFile can be asked for, checked before the table
// changes (bits, or-ed).
namespace ImportRefusal {
enum : unsigned {
    None = 0,
    NotText = 1,    // the file's start does not look like text (looksLikeText)
    NoLine = 2,     // the file holds no line at all (holdsNoLine): 0 bytes
    NoNumber = 4,   // no cell after the header lines holds a number (anyCellHoldsNumber),
                    // a file with fewer lines than its header included
    All = NotText | NoLine | NoNumber
};
}

// Reads a delimited file into the table (header lines skipped, the fields of
// nonBlankFields in columns). A file that cannot be read, or that one of the
// asked refusals meets, gives a message naming it and the reason, leaves the
// table unchanged and returns false; a file with fewer lines than the header
// also leaves the table unchanged (returns true unless NoNumber is asked for).
// lineCount, when given, receives the lines read, header lines included.
bool importDelimitedFile(QWidget *parent, QTableWidget *t, const QString &fileName,
                         int headerLines, const QString &separator,
                         qint64 *lineCount = nullptr, unsigned refusals = ImportRefusal::None);

// Every row and column as CSV through QSaveFile; a failure shows a message
// naming the file and the reason and returns false.
bool saveTableAsCsv(QWidget *parent, const QTableWidget *t, const QString &fileName);

// The first selection range as tab-separated text to the system clipboard.
void copySelection(const QTableWidget *t);

// Deletes the items of all selected cells.
void deleteSelection(QTableWidget *t);

// Pastes the clipboard's tab-separated text at the first selection range.
// Unless the selection is one cell, it must have the clipboard's rows and
// columns; otherwise an information message ("Spreadsheet") and nothing
// changes (returns false). At one selected cell the row count becomes top +
// pasted rows; a matching range never shrinks the table; cells beyond the
// column count are dropped. An empty clipboard pastes nothing (false).
bool pasteClipboard(QWidget *parent, QTableWidget *t);

// What a computation did with the rows of the cells without a number, as the
// gap warning says it.
enum class CellGapRows { ComputedAsZero, NotComputed };

// One warning after a computation: how many input cells held no number, the
// first of them as "row N, <column header>" (rows 1-based), and what became of
// their rows. Nothing when none.
void warnCellGaps(QWidget *parent, const QTableWidget *t, const CellGaps &gaps,
                  CellGapRows rows = CellGapRows::ComputedAsZero);
// "First: row 3, Indoor To; row 9, ..." of the gaps kept (rows 1-based); empty when none.
QString cellGapPlaces(const QTableWidget *t, const CellGaps &gaps);
