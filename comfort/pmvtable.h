// PMV tables: delimited text in (comfort/delimitedtext.h), PMV/PPD per row.
#pragma once

#include "comfort/delimitedtext.h"
#include "comfort/pmvrange.h"

#include <QString>
#include <QStringList>

#include <vector>

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
    // One vector per input column of the mode, left to right, one value per row;
    // not a number for a cell that holds none.
    std::vector<std::vector<double>> inputs;
    // ppd and ppdMayer in %; not a number in a row that was not computed.
    std::vector<double> pmv, ppd, ppdMayer;
    qint64 rowsComputed = 0;    // rows with a number in every input cell, physically possible
    qint64 rowsOutside = 0;     // of these, rows outside the range of ISO 7730
    int firstOutsideRow = -1;   // 0-based
    Iso7730Check firstOutside;
};

// The batch over a table. rows holds, per table row, the texts of its input
// cells from the left; texts beyond the mode's input columns are ignored. M and
// W [W/m²] are the same for every row; clothing is converted with kCloToM2KW. A
// row with an input cell that holds no number (cellHoldsNumber false; a missing
// or never filled cell included) or with a physically impossible value
// (pmvStateIsPhysical) is not computed. An unknown mode computes nothing.
PmvTableBatch computePmvTable(int tableMode, const std::vector<QStringList> &rows,
                              double M, double W);

// The table after a batch over `rows` as the PMV tool shows it and writes it as CSV, one row per
// table row: the mode's inputs as read with two decimals (a cell without a number keeps its
// text, a missing one is empty), then PMV, PPD and PPD-Mayer with two decimals, `notAvailable`
// in a row not computed.
std::vector<QStringList> pmvTableTexts(const PmvTableBatch &batch, const std::vector<QStringList> &rows,
                                       const QString &notAvailable = QStringLiteral("N.A"));
