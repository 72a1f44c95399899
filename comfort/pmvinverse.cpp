#include "comfort/pmvinverse.h"

#include "comfort/pmv.h"
#include "comfort/trace.h"

#include <QString>

#include <cmath>
#include <limits>

namespace {

struct Unknown {
    const char *shortName;     // in trace lines
    const char *trace;
    double start, step;        // grid value i is start + step × i
    int points;
    const char *found;
    const char *notFound;
    const char *button;
    const char *resultLabel;
};

// Indexed by code − 1. The texts name the ranges as users know them; the grids
// end one step earlier for humidity (99 %) and the metabolic rate (226 W/m²).
const Unknown kUnknowns[] = {
    {"Ta", "\nSearching for the nearest PMV for Ta range 10 to 30 degree C.", 10.0, 0.1, 201,
     QT_TRANSLATE_NOOP("pmvInverseForm", "  Approx. Air Temperature found for given PMV"),
     QT_TRANSLATE_NOOP("pmvInverseForm",
                       "For the given PMV, No appropriate Ta found within the range 10-30 degree C "),
     QT_TRANSLATE_NOOP("pmvInverseForm", "Find Ambient Temperature"),
     QT_TRANSLATE_NOOP("pmvInverseForm", "Ambient Temperature")},
    {"Tg", "\nSearching for the nearest PMV for Tg range 10 to 40 degree C.", 10.0, 0.1, 301,
     QT_TRANSLATE_NOOP("pmvInverseForm", "  Approx. Globe Temperature found for given PMV"),
     QT_TRANSLATE_NOOP("pmvInverseForm",
                       " For the given PMV, No appropriate Tg found within the range 10-40 degree C "),
     QT_TRANSLATE_NOOP("pmvInverseForm", "Find Globe Temperature"),
     QT_TRANSLATE_NOOP("pmvInverseForm", "Globe Temperature")},
    {"MRT", "\nSearching for the nearest PMV for MRT range 10 to 40 degree C.", 10.0, 0.1, 301,
     QT_TRANSLATE_NOOP("pmvInverseForm", "Approx. MRT found for given PMV"),
     QT_TRANSLATE_NOOP("pmvInverseForm",
                       " For the given PMV, No appropriate MR found within the range 10-40 degree C "),
     QT_TRANSLATE_NOOP("pmvInverseForm", "Find Mean Radiant Temperature"),
     QT_TRANSLATE_NOOP("pmvInverseForm", "MRT")},
    {"To", "\nSearching for the nearest PMV for To range 10 to 40 degree C.", 10.0, 0.1, 301,
     QT_TRANSLATE_NOOP("pmvInverseForm", "Approx. Operative Temperature found for given PMV"),
     QT_TRANSLATE_NOOP("pmvInverseForm",
                       " For the given PMV, No appropriate To found within the range 10-40 degree C "),
     QT_TRANSLATE_NOOP("pmvInverseForm", "Find Operative Temperature"),
     QT_TRANSLATE_NOOP("pmvInverseForm", "Operative Temperature")},
    {"RH", "\nSearching for the nearest PMV for RH range 0 to 100 %.", 0.0, 1.0, 100,
     QT_TRANSLATE_NOOP("pmvInverseForm", "  Approx. Relative Humidity found for given PMV"),
     QT_TRANSLATE_NOOP("pmvInverseForm", " For the given PMV, No appropriate rh found within the range 0 to 100 % "),
     QT_TRANSLATE_NOOP("pmvInverseForm", "Find Relative Humidity"),
     QT_TRANSLATE_NOOP("pmvInverseForm", "Relative Humidity")},
    {"Va", "\nSearching for the nearest PMV for Va range 0 to 1 m/s.", 0.0, 0.01, 101,
     QT_TRANSLATE_NOOP("pmvInverseForm", "  Approx. velocity found for given PMV"),
     QT_TRANSLATE_NOOP("pmvInverseForm",
                       " For the given PMV, No appropriate Va found within the range 0 - 1 m/s "),
     QT_TRANSLATE_NOOP("pmvInverseForm", "Find Air Velocity"),
     QT_TRANSLATE_NOOP("pmvInverseForm", "Air Velocity")},
    {"Icl", "\nSearching for the nearest PMV for Icl range 0 to 2 clo.", 0.0, kCloToM2KW * 0.02, 100,
     QT_TRANSLATE_NOOP("pmvInverseForm", "  Approx. Clothing Insulation for given PMV"),
     QT_TRANSLATE_NOOP("pmvInverseForm",
                       " For the given PMV, No appropriate Icl found within the range 0 to 0.310 m2K/W "),
     QT_TRANSLATE_NOOP("pmvInverseForm", "Find Clothing Insulation"),
     QT_TRANSLATE_NOOP("pmvInverseForm", "Clothing Insulation")},
    {"M", "\nSearching for the nearest PMV for M range 46 to 232 W/m2.", 46.0, 4.0, 46,
     QT_TRANSLATE_NOOP("pmvInverseForm", "  Approx. Met for given PMV"),
     QT_TRANSLATE_NOOP("pmvInverseForm",
                       " For the given PMV, No appropriate Met found within the range 46 to 232 W/m2 "),
     QT_TRANSLATE_NOOP("pmvInverseForm", "Find Metabolic Rate"),
     QT_TRANSLATE_NOOP("pmvInverseForm", "Metabolic Rate")},
};

const Unknown *unknownFor(int code)
{
    if (code < InverseUnknown::AirTemperature || code > InverseUnknown::MetabolicRate)
        return nullptr;
    return &kUnknowns[code - 1];
}

struct PmvArguments {
    unsigned mode;
    double ta, t2, rh, va, Icl, M;
};

// The arguments of computePMV at grid value x: x in the unknown's place; the
// globe, radiant and operative temperature bring their own mode.
PmvArguments argumentsAt(int unknown, double x, PmvArguments a)
{
    switch (unknown) {
    case InverseUnknown::AirTemperature:
        a.ta = x;
        break;
    case InverseUnknown::GlobeTemperature:
        a.mode = PmvInputMode::TaTg;
        a.t2 = x;
        break;
    case InverseUnknown::MeanRadiantTemperature:
        a.mode = PmvInputMode::MRT;
        a.t2 = x;
        break;
    case InverseUnknown::OperativeTemperature:
        a.mode = PmvInputMode::To;
        a.ta = a.t2 = x;
        break;
    case InverseUnknown::RelativeHumidity:
        a.rh = x;
        break;
    case InverseUnknown::AirSpeed:
        a.va = x;
        break;
    case InverseUnknown::Clothing:
        a.Icl = x;
        break;
    case InverseUnknown::MetabolicRate:
        a.M = x;
        break;
    }
    return a;
}

QString number(double v)
{
    return QString::number(v, 'g', 6);
}

}

InverseOutcome findNearestPMV(int unknown, double &value, unsigned mode, double ta, double t2,
                              double rh, double va, double Icl, double M, double W,
                              double &pmv, double &ppd, double &pmvLimited, double &ppdMayer)
{
    const double target = pmv;
    traceLine(QStringLiteral("####### INPUT PMV ") + number(target));

    const Unknown *u = unknownFor(unknown);
    if (!u)
        return InverseOutcome::NoUnknown;
    traceLine(QString::fromLatin1(u->trace));

    const PmvArguments given{mode, ta, t2, rh, va, Icl, M};
    double bestResidual = 999.9;
    double bestValue = value;
    double bestPmv = 0.0, bestPpd = 0.0, bestLimited = 0.0, bestMayer = 0.0;
    const double nan = std::numeric_limits<double>::quiet_NaN();

    for (int i = 0; i < u->points; ++i) {
        const double x = u->start + u->step * i;
        // Not-a-number unless computePMV writes them, so an unknown mode cannot
        // leave a previous point's results behind.
        double p = nan, d = nan, l = nan, m = nan;
        const PmvArguments a = argumentsAt(unknown, x, given);
        computePMV(a.mode, a.ta, a.t2, a.rh, a.va, a.Icl, a.M, W, p, d, l, m);
        const double residual = p - target;
        traceLine(QString::fromLatin1(u->shortName) + QLatin1Char(' ') + number(x)
                  + QStringLiteral("\t Calculated PMV ") + number(p)
                  + QStringLiteral(" Res ") + number(residual));
        // Strict: on equal distance the earlier, smaller grid value stays. A
        // non-number residual fails the comparison and never becomes best.
        if (std::fabs(residual) < std::fabs(bestResidual)) {
            bestResidual = residual;
            bestValue = x;
            bestPmv = p;
            bestPpd = d;
            bestLimited = l;
            bestMayer = m;
        }
    }

    value = bestValue;
    if (std::fabs(bestResidual) < kInversePmvTolerance) {
        traceLine(QStringLiteral(" PMV COMPUTED ") + number(bestPmv) + QStringLiteral(" Res ")
                  + number(bestResidual) + QStringLiteral(" Value ") + number(bestValue));
        pmv = bestPmv;
        ppd = bestPpd;
        pmvLimited = bestLimited;
        ppdMayer = bestMayer;
        return InverseOutcome::Found;
    }
    traceLine(QStringLiteral(" No grid point within 0.05 of the target PMV; nearest ")
              + number(bestValue) + QStringLiteral(" Res ") + number(bestResidual));
    return InverseOutcome::NotFound;
}

unsigned inverseSearchMode(int unknown, unsigned chosenMode)
{
    switch (unknown) {
    case InverseUnknown::GlobeTemperature:
        return PmvInputMode::TaTg;
    case InverseUnknown::MeanRadiantTemperature:
        return PmvInputMode::MRT;
    case InverseUnknown::OperativeTemperature:
        return PmvInputMode::To;
    case InverseUnknown::AirTemperature:
    case InverseUnknown::RelativeHumidity:
    case InverseUnknown::AirSpeed:
    case InverseUnknown::Clothing:
    case InverseUnknown::MetabolicRate:
        return chosenMode;
    default:
        return PmvInputMode::NotSet;
    }
}

double inverseDisplayValue(int unknown, double value)
{
    return unknown == InverseUnknown::Clothing ? value / kCloToM2KW : value;
}

InverseUnknownTexts inverseUnknownTexts(int unknown)
{
    const Unknown *u = unknownFor(unknown);
    if (!u)
        return {"", "", "", ""};
    return {u->button, u->resultLabel, u->found, u->notFound};
}

Iso7730Check checkIso7730AtValue(int unknown, double value, unsigned mode, double ta, double t2,
                                 double rh, double va, double Icl, double M, double pmv)
{
    const PmvArguments a = argumentsAt(unknown, value, {mode, ta, t2, rh, va, Icl, M});
    return checkIso7730(a.mode, a.ta, a.t2, a.rh, a.va, a.Icl, a.M, pmv);
}
