// Shared by the libFuzzer targets: input bytes as text, and a property check
// that aborts (so libFuzzer keeps the input) with the failed condition named.
#pragma once

#include <QString>

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
