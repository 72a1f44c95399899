// Shared by the libFuzzer targets: input bytes as text, and a property check
// that aborts (so libFuzzer keeps the input) with the failed condition named.
#pragma once

#include "comfort/delimitedtext.h"

#include <QBuffer>
#include <QByteArray>
#include <QString>
#include <QStringConverter>
#include <QTextStream>

#include <algorithm>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition)                                                         \
    do {                                                                              \
        if (!(condition)) {                                                           \
            std::fprintf(stderr, "property failed: %s (%s:%d)\n", #condition,        \
                         __FILE__, __LINE__);                                         \
            std::abort();                                                             \
        }                                                                             \
    } while (false)

// The bytes read as a file's UTF-8 text (invalid sequences become U+FFFD).
inline QString fuzzText(const uint8_t *data, size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
}

// Separators of the import combo boxes, picked by one byte; other values give
// an empty separator (whole line one field) or a two-character one.
inline QString fuzzSeparator(uint8_t pick)
{
    static const char *const separators[] = {";", ",", " ", "\t", "", ";;"};
    return QString::fromLatin1(separators[pick % 6]);
}

// The bytes read as an import reads a file: opened as text, one stream pass.
// Checks what holds for every separator and header count: a row per line after
// the header lines, never more lines than the bytes hold, no blank cell ending a
// row; and bytes with a NUL but no byte order mark never pass as text.
inline DelimitedRows fuzzImport(const uint8_t *data, size_t size, int headerLines,
                                const QString &separator)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    // Without a byte order mark a NUL byte is a NUL character: never text.
    if (bytes.contains('\0') && !QStringConverter::encodingForData(bytes))
        FUZZ_CHECK(!looksLikeText(bytes));
    QBuffer file(&bytes);
    file.open(QIODevice::ReadOnly | QIODevice::Text);
    QTextStream in(&file);
    const DelimitedRows read = readDelimitedRows(in, headerLines, separator);
    const qint64 lines = bytes.count('\n') + (bytes.isEmpty() || bytes.endsWith('\n') ? 0 : 1);
    FUZZ_CHECK(read.lineCount <= lines);
    FUZZ_CHECK(qint64(read.rows.size()) == std::max<qint64>(0, read.lineCount - std::max(headerLines, 0)));
    FUZZ_CHECK(read.headerComplete == (read.lineCount >= headerLines));
    // A separator of spaces leaves no blank cell; any other keeps blank cells
    // but none at the end of a row.
    const bool spaces = !separator.isEmpty() && isBlankField(separator);
    for (const QStringList &row : read.rows) {
        FUZZ_CHECK(row.isEmpty() || !isBlankField(row.last()));
        for (const QString &cell : row)
            FUZZ_CHECK(!(spaces && isBlankField(cell)) && (separator.isEmpty() || !cell.contains(separator)));
    }
    return read;
}
