#include "comfort/numbertext.h"

#include <cmath>

bool parseFieldNumber(const QString &text, double &value)
{
    QString t = text.trimmed();
    // One decimal comma is a decimal point; a second one makes it no number.
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return false;
    value = v;
    return true;
}

QString formatGeneral(double value)
{
    return QString::number(value, 'g', 6);
}

QString formatFixed(double value, int decimals)
{
    return QString::number(value, 'f', decimals);
}

double roundHalfUpTwoDecimalsSingle(double value)
{
    const float shifted = static_cast<float>(value * 100.0 + 0.5);
    return static_cast<double>(std::floor(shifted) / 100.0f);
}

QString formatRange(const ValueRange &range)
{
    const bool low = std::isfinite(range.min), high = std::isfinite(range.max);
    const QString lower = (range.minInclusive ? QStringLiteral("\u2265 ") : QStringLiteral("> "))
                          + formatGeneral(range.min);
    const QString upper = (range.maxInclusive ? QStringLiteral("\u2264 ") : QStringLiteral("< "))
                          + formatGeneral(range.max);
    if (low && high && range.minInclusive && range.maxInclusive)
        return formatGeneral(range.min) + QStringLiteral("\u2013") + formatGeneral(range.max);
    if (low && high)
        return lower + QStringLiteral(", ") + upper;
    return low ? lower : high ? upper : QString();
}
