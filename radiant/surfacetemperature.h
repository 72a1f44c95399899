// Inner surface temperature of a window or an outer wall in steady state.
#pragma once

// Ts [°C] = Tin - (Tin - Tout) · Rsi · U: the heat flow through the element,
// (Tin - Tout) · U [W/m²], drops Rsi · flow [K] across the interior surface
// resistance (EN ISO 6946: Rsi = 0.13 m²K/W for a wall with horizontal heat flow).
// tin, tout [°C]; rsi [m²K/W]; u [W/(m²K)].
double surfaceTemperature(double tin, double tout, double rsi, double u);
