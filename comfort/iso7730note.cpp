#include "comfort/iso7730note.h"

#include "app/resulttext.h"
#include "comfort/numbertext.h"

#include <QCoreApplication>
#include <QStringList>

#include <cmath>

namespace {

class Iso7730Note
{
    Q_DECLARE_TR_FUNCTIONS(Iso7730Note)
};

struct QuantityWords {
    const char *name;   // with %1 for the value and %2 for the range
    int decimals;
};

// Indexed by Iso7730Quantity.
const QuantityWords kWords[Iso7730Quantity::Count] = {
    {QT_TRANSLATE_NOOP("Iso7730Note", "metabolic rate %1 W/m² (%2 W/m²)"), 1},
    {QT_TRANSLATE_NOOP("Iso7730Note", "clothing %1 m²K/W (%2 m²K/W)"), 3},
    {QT_TRANSLATE_NOOP("Iso7730Note", "air temperature %1 °C (%2 °C)"), 2},
    {QT_TRANSLATE_NOOP("Iso7730Note", "radiant temperature %1 °C (%2 °C)"), 2},
    {QT_TRANSLATE_NOOP("Iso7730Note", "air speed %1 m/s (%2 m/s)"), 2},
    {QT_TRANSLATE_NOOP("Iso7730Note", "water vapour pressure %1 Pa (%2 Pa)"), 0},
    {QT_TRANSLATE_NOOP("Iso7730Note", "PMV %1 (%2)"), 2},
};

QString quantities(const Iso7730Check &check)
{
    QStringList parts;
    for (int q = 0; q < Iso7730Quantity::Count; ++q) {
        if (!check.isOutside(q))
            continue;
        const ValueRange &range = kIso7730Ranges[q];
        const QString span = Iso7730Note::tr("%1 to %2")
                                 .arg(formatGeneral(range.min), formatGeneral(range.max));
        // Fixed decimals, but 1e308 as 1e+308 rather than 309 digits.
        const double v = check.value[q];
        const QString value = std::fabs(v) >= 1e6 && std::isfinite(v)
                                  ? formatGeneral(v)
                                  : resultText(v, kWords[q].decimals);
        parts << Iso7730Note::tr(kWords[q].name).arg(value, span);
    }
    return parts.join(QStringLiteral("; "));
}

}

QString iso7730NoteText(const Iso7730Check &check)
{
    if (!check.any())
        return QString();
    return Iso7730Note::tr("Outside the range of ISO 7730, which does not cover these results: %1.")
        .arg(quantities(check));
}

QString iso7730TableNoteText(qint64 rowsOutside, qint64 rowsComputed, int firstRow,
                             const Iso7730Check &first)
{
    if (rowsOutside == 0)
        return QString();
    return Iso7730Note::tr("%1 of %2 rows lie outside the range of ISO 7730, which does not "
                           "cover their results. First: row %3, %4.")
        .arg(rowsOutside)
        .arg(rowsComputed)
        .arg(firstRow)
        .arg(quantities(first));
}
