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
    // One vector per input column of the mode, left to right, one value per row.
    std::vector<std::vector<double>> inputs;
    // ppd and ppdMayer in %; not a number in a row whose inputs are impossible.
    std::vector<double> pmv, ppd, ppdMayer;
    qint64 rowsComputed = 0;    // rows with physically possible inputs
    qint64 rowsOutside = 0;     // of these, rows outside the range of ISO 7730
    int firstOutsideRow = -1;   // 0-based
    Iso7730Check firstOutside;
};

// The batch over a table. rows holds, per table row, the texts of its input
// cells from the left; a missing or never filled cell reads as 0, texts beyond
// the mode's input columns are ignored. M and W [W/m²] are the same for every
// row; clothing is converted with kCloToM2KW. A row with a physically impossible
// value (pmvStateIsPhysical) is not computed. An unknown mode computes nothing.
PmvTableBatch computePmvTable(int tableMode, const std::vector<QStringList> &rows,
                              double M, double W);

// The table after a batch as the PMV tool shows it and writes it as CSV, one row per table row:
// the mode's inputs as read, then PMV, PPD and PPD-Mayer, each with two decimals; a row not
// computed shows `notAvailable` in its three results.
std::vector<QStringList> pmvTableTexts(const PmvTableBatch &batch,
                                       const QString &notAvailable = QStringLiteral("N.A"));
