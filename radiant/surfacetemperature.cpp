#include "radiant/surfacetemperature.h"

double surfaceTemperature(double tin, double tout, double rsi, double u)
{
    return tin - (tin - tout) * rsi * u;
}
