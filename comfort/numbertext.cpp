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
