// Clipboard paste: the text split into rows at line breaks and into cells at
// tabs. The columns are the tabs of the first line + 1; no cell holds a tab or
// a line break; written back as clipboard text the rows give the text without
// the "\r" before a line break and without a last line break.
#include "fuzzcheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = fuzzText(data, size);
    const TabSeparatedBlock block = parseTabSeparated(text);
    if (block.rows.empty()) {
        FUZZ_CHECK(block.columns == 0 && text.isEmpty());
        return 0;
    }
    const QString firstLine = text.left(text.indexOf(u'\n'));
    FUZZ_CHECK(block.columns == firstLine.count(u'\t') + 1);
    FUZZ_CHECK(block.columns == block.rows.front().size());
    for (const QStringList &row : block.rows)
        for (const QString &cell : row)
            FUZZ_CHECK(!cell.contains(u'\t') && !cell.contains(u'\n'));

    QString expected = text;
    expected.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    if (expected.endsWith(u'\n'))
        expected.chop(1);
    if (expected.endsWith(u'\r') && !text.endsWith(u'\n'))
        expected.chop(1);   // a last line without line break loses its "\r" too
    FUZZ_CHECK(formatTabSeparated(block.rows) == expected);

    // The rows come back from their own text unless a row ends in "\r" or the
    // last row is one empty cell (its text is no row).
    bool returns = block.rows.back() != QStringList{QString()};
    for (const QStringList &row : block.rows)
        returns = returns && !row.back().endsWith(u'\r');
    if (returns) {
        const TabSeparatedBlock again = parseTabSeparated(formatTabSeparated(block.rows));
        FUZZ_CHECK(again.rows == block.rows && again.columns == block.columns);
    }
    return 0;
}
