// Numbers typed into form fields and handed between forms.
#pragma once

#include <QString>

#include <cmath>
#include <limits>

// A form field's number: leading/trailing blanks ignored, a decimal comma read
// as a decimal point ("0,5" -> 0.5). Empty text, other text and non-finite
// values are not numbers: returns false and leaves value untouched.
bool parseFieldNumber(const QString &text, double &value);

// General format with at most 6 significant digits: 0.50 -> "0.5", 2.0 -> "2".
QString formatGeneral(double value);

// Fixed notation with the given number of decimals: the forms' result format.
QString formatFixed(double value, int decimals = 2);

// Half-up rounding to two decimals with single-precision intermediates:
// 21.005 -> 21.01, although 21.005 × 100 + 0.5 lies just below 2101 in double.
double roundHalfUpTwoDecimalsSingle(double value);

// The values a quantity may take: min and max with closed or open ends; an end at
// ±infinity is no limit. A value that is not a number lies in no range.
struct ValueRange {
    double min = -std::numeric_limits<double>::infinity();
    double max = std::numeric_limits<double>::infinity();
    bool minInclusive = true;
    bool maxInclusive = true;

    bool contains(double v) const
    {
        return (minInclusive ? v >= min : v > min) && (maxInclusive ? v <= max : v < max);
    }
};

// Temperatures [°C]: nothing is colder than absolute zero.
constexpr ValueRange kPhysicalTemperature{-273.15};

// A range as a message shows it: "0–100", "≥ 0", "> 0", "≤ 5", "> 0, ≤ 5".
QString formatRange(const ValueRange &range);
