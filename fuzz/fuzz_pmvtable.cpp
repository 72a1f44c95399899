// The PMV calculator's table import and batch: a delimited file read in one
// pass, PMV/PPD per row, the table written as CSV. Rows never exceed the lines
// given; every input read is finite, or not a number exactly where its cell
// holds none (a missing cell included), and then its row is not computed; a
// finite PMV has its PPD between 5 and 100 %; written as CSV and read back with "," the rows come back unchanged
// when no cell holds a comma or a line break.
#include "comfort/pmvtable.h"
#include "fuzzcheck.h"

#include <cmath>

namespace {

bool csvSafe(const std::vector<QStringList> &rows)
{
    for (const QStringList &row : rows)
        for (const QString &cell : row)
            if (cell.contains(u',') || cell.contains(u'\n') || cell.contains(u'\r'))
                return false;
    return true;
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    const int headerLines = int(data[0] % 5) - 1;   // -1 .. 3
    const QString separator = fuzzSeparator(data[0] / 5);
    const int mode = data[1] % 4;                    // 0 is no mode
    const DelimitedRows read = fuzzImport(data + 2, size - 2, headerLines, separator);

    const PmvTableBatch batch = computePmvTable(mode, read.rows, 58.0, 0.0);
    if (mode == 0) {
        FUZZ_CHECK(batch.inputs.empty() && batch.pmv.empty());
    } else {
        FUZZ_CHECK(batch.inputs.size() == pmvTableInputHeaders(mode).size());
        FUZZ_CHECK(batch.pmv.size() == read.rows.size() && batch.ppd.size() == read.rows.size()
                   && batch.ppdMayer.size() == read.rows.size());
        for (size_t c = 0; c < batch.inputs.size(); ++c) {
            FUZZ_CHECK(batch.inputs[c].size() == read.rows.size());
            for (size_t r = 0; r < read.rows.size(); ++r) {
                const double v = batch.inputs[c][r];
                const bool number = cellHoldsNumber(read.rows[r].value(qsizetype(c)));
                FUZZ_CHECK(number ? std::isfinite(v) : std::isnan(v) && std::isnan(batch.pmv[r]));
            }
        }
        for (size_t r = 0; r < batch.pmv.size(); ++r)
            if (std::isfinite(batch.pmv[r]))
                FUZZ_CHECK(batch.ppd[r] >= 5.0 - 1e-9 && batch.ppd[r] <= 100.0);
    }

    if (csvSafe(read.rows)) {
        QString csv;
        QTextStream out(&csv);
        writeCsvRows(out, read.rows);
        out.flush();
        QTextStream back(&csv, QIODevice::ReadOnly);
        const DelimitedRows again = readDelimitedRows(back, 0, QStringLiteral(","));
        FUZZ_CHECK(again.rows == read.rows);
    }
    return 0;
}
