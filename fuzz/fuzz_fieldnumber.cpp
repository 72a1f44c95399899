// parseFieldNumber, the reader of every typed form field: a number it accepts
// is finite, is what QString::toDouble reads from the trimmed text with its
// comma as a point, survives being printed and read back, and reads the same
// with its decimal point typed as a comma; a rejected text leaves the value.
#include "comfort/numbertext.h"
#include "fuzzcheck.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = fuzzText(data, size);
    const double untouched = -12345.678;
    double value = untouched;
    const bool ok = parseFieldNumber(text, value);

    QString normalised = text.trimmed();
    normalised.replace(u',', u'.');
    bool qtOk = false;
    const double qtValue = normalised.toDouble(&qtOk);
    FUZZ_CHECK(ok == (qtOk && std::isfinite(qtValue)));
    if (!ok) {
        FUZZ_CHECK(value == untouched);
        return 0;
    }
    FUZZ_CHECK(std::isfinite(value) && value == qtValue);

    double again = 0.0;
    FUZZ_CHECK(parseFieldNumber(QString::number(value, 'g', 17), again) && again == value);
    if (text.count(u'.') == 1 && !text.contains(u',')) {
        QString comma = text;
        comma.replace(u'.', u',');
        double withComma = 0.0;
        FUZZ_CHECK(parseFieldNumber(comma, withComma) && withComma == value);
    }
    return 0;
}
