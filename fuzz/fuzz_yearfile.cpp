// The assessment tool's Read & Preview and the conversion that Compute starts
// with: a year file read in one pass, the first three fields of each line kept
// (outdoor temperature, outdoor humidity, indoor operative temperature) and
// read as numbers. Every value is finite; a cell that holds no number reads as
// 0 and is counted as a gap, the first five named row by row; the value shown
// with two decimals reads back to within half a hundredth.
#include "fuzzcheck.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const int headerLines = data[0] % 4;   // the form's default is 1
    const QString separator = fuzzSeparator(data[0] / 4);
    constexpr int kColumns = 3;
    std::vector<QStringList> rows = fuzzImport(data + 1, size - 1, headerLines, separator).rows;
    for (QStringList &row : rows) {
        row = row.mid(0, kColumns);
        while (row.size() < kColumns)
            row.append(QString());   // a cell the line did not fill
    }

    qint64 gapCount = 0;
    std::vector<std::pair<int, int>> firstGaps;
    for (int r = 0; r < int(rows.size()); ++r) {
        for (int c = 0; c < kColumns; ++c) {
            const QString &cell = rows[r].at(c);
            const double v = parseCellNumber(cell);
            FUZZ_CHECK(std::isfinite(v));
            if (!cellHoldsNumber(cell)) {
                FUZZ_CHECK(v == 0.0);
                if (gapCount++ < 5)
                    firstGaps.emplace_back(r, c);
            }
            const double shown = parseCellNumber(QString::number(v, 'f', 2));
            FUZZ_CHECK(std::fabs(shown - v) <= 0.005 + std::fabs(v) * 1e-15);
        }
    }
    const CellGaps gaps = findCellGaps(rows, kColumns);
    FUZZ_CHECK(gaps.count == gapCount && gaps.first == firstGaps);
    return 0;
}
