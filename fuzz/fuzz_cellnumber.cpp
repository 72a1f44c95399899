// parseCellNumber, the number of every imported cell: always finite, the same
// as C's strtod on the numeric prefix (first comma read as a point), unchanged
// when the first comma is already a point, and odd in a sign put in front.
#include "comfort/delimitedtext.h"
#include "fuzzcheck.h"

#include <cerrno>
#include <cmath>
#include <regex>
#include <string>

namespace {

// strtod on the prefix C's atof would convert, without its inf, nan and
// hexadecimal forms; beyond the range of a double the cell reads as 0.
double referenceNumber(const QString &normalised)
{
    static const std::regex prefix(
        "[ \\t\\n\\v\\f\\r]*[+-]?(?:[0-9]+\\.?[0-9]*|\\.[0-9]+)(?:[eE][+-]?[0-9]+)?");
    const std::string latin = normalised.toLatin1().toStdString();
    std::smatch match;
    if (!std::regex_search(latin, match, prefix, std::regex_constants::match_continuous))
        return 0.0;
    const std::string number = match.str();
    errno = 0;
    const double value = std::strtod(number.c_str(), nullptr);
    return std::isinf(value) ? 0.0 : value;
}

bool isCSpace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r';
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = fuzzText(data, size);
    const double value = parseCellNumber(text);
    FUZZ_CHECK(std::isfinite(value));

    QString pointed = text;
    const qsizetype comma = pointed.indexOf(u',');
    if (comma >= 0)
        pointed[comma] = u'.';
    FUZZ_CHECK(parseCellNumber(pointed) == value);
    FUZZ_CHECK(value == referenceNumber(pointed));

    qsizetype start = 0;
    while (start < text.size() && isCSpace(text.at(start)))
        ++start;
    const QString unsignedText = text.mid(start);
    if (!unsignedText.startsWith(u'+') && !unsignedText.startsWith(u'-')) {
        FUZZ_CHECK(parseCellNumber(QLatin1Char('-') + unsignedText) == -value);
        FUZZ_CHECK(parseCellNumber(QLatin1Char('+') + unsignedText) == value);
    }
    return 0;
}
