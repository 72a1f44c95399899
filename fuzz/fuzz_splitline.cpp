// splitLine and nonBlankFields, the line splitter of every text import: the
// fields joined by the separator give the line back; with " " as separator the
// table's fields are the split fields with exactly the blank ones left out, the
// words between runs of spaces; with any other they are the split fields up to
// the last non-blank one, blank fields between kept in their columns.
#include "comfort/delimitedtext.h"
#include "fuzzcheck.h"

namespace {

// Runs of spaces to one, none at either end.
QString collapseSpaces(const QString &line)
{
    QString out;
    for (QChar c : line) {
        if (c == u' ' && (out.isEmpty() || out.endsWith(u' ')))
            continue;
        out += c;
    }
    if (out.endsWith(u' '))
        out.chop(1);
    return out;
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const QString separator = fuzzSeparator(data[0]);
    const QString line = fuzzText(data + 1, size - 1);

    const QStringList fields = splitLine(line, separator);
    FUZZ_CHECK(!fields.isEmpty());
    if (separator.isEmpty())
        FUZZ_CHECK(fields == QStringList{line});
    else
        FUZZ_CHECK(fields.join(separator) == line);

    const QStringList kept = nonBlankFields(line, separator);
    if (!separator.isEmpty() && isBlankField(separator)) {
        qsizetype next = 0;   // kept must be the non-blank fields, in order
        for (const QString &field : fields) {
            if (isBlankField(field)) {
                FUZZ_CHECK(field.count(u' ') == field.size());
                continue;
            }
            FUZZ_CHECK(next < kept.size() && kept.at(next) == field);
            ++next;
        }
        FUZZ_CHECK(next == kept.size());
        if (separator == QLatin1String(" "))
            FUZZ_CHECK(kept.join(u' ') == collapseSpaces(line));
    } else {
        FUZZ_CHECK(kept == fields.mid(0, kept.size()));
        FUZZ_CHECK(kept.isEmpty() || !isBlankField(kept.last()));
        for (qsizetype i = kept.size(); i < fields.size(); ++i)
            FUZZ_CHECK(isBlankField(fields.at(i)));
    }
    return 0;
}
