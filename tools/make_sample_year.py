#!/usr/bin/env python3
"""Writes examples/sample_year.csv: one synthetic year of hourly data for an office room in
central Germany, from 01.01.2011 00:00, for the BNB assessment tool. The office week is laid
out with the first day a Sunday, the assessment page's default weekday, so that the file gives
its intended working days with the page's defaults.

Columns (";" separated, decimal commas, one header line): outdoor air temperature Ta (°C),
outdoor relative humidity RH (%), indoor operative temperature To (°C).

Outdoor: seasonal cycle (annual mean about 9.5 °C), a daily swing that grows with the season
and shrinks on overcast days, weather spells (a slowly varying anomaly), a cold spell in
February and a heat wave in late July. The humidity follows from a dew point that lies close
to the daily mean temperature in winter and further below it in summer (Magnus formula).

Indoor: a lumped first-order room model. Internal gains on working days, solar gains that
follow the outdoor daily swing, window ventilation when it is warm inside, heating from
October to April with a night and weekend setback and limited power, so that a cold Monday
morning can still lie below 20 °C at 8:00. No cooling: summer afternoons rise above 26 °C.

Deterministic: a fixed-seed linear congruential generator, no packages beyond the standard
library. Usage: python3 tools/make_sample_year.py [output file]
"""
import math
import sys

HOURS = 8760
FIRST_WEEKDAY = 6   # first day: Sunday (0 = Monday)


class Lcg:
    """64-bit linear congruential generator (Knuth's MMIX constants)."""

    def __init__(self, seed):
        self.state = seed

    def uniform(self):
        self.state = (self.state * 6364136223846793005 + 1442695040888963407) % 2**64
        return ((self.state >> 11) + 0.5) / 2**53

    def normal(self):
        u, v = self.uniform(), self.uniform()
        return math.sqrt(-2.0 * math.log(u)) * math.cos(2.0 * math.pi * v)


def saturation_pressure(t):
    """Water vapour saturation pressure [hPa] over water, Magnus formula, t in °C."""
    return 6.112 * math.exp(17.62 * t / (243.12 + t))


def spell(day, centre, half_width, depth):
    """A smooth temperature anomaly [K] around day `centre`."""
    x = (day - centre) / half_width
    return depth * math.exp(-x * x)


def outdoor_year(rng):
    temps, humid = [], []
    anomaly, cloud, depression_noise = 0.0, 1.0, 0.0
    keep = math.exp(-1.0 / 60.0)          # weather anomaly: correlation time 2.5 days
    cloud_keep = math.exp(-1.0 / 30.0)
    for i in range(HOURS):
        day, hour = i // 24, i % 24
        season = -math.cos(2.0 * math.pi * (day - 20) / 365.0)   # -1 mid-January, +1 mid-July
        anomaly = keep * anomaly + math.sqrt(1 - keep * keep) * (3.6 - 0.8 * season) * rng.normal()
        cloud = cloud_keep * cloud + (1 - cloud_keep) * (0.85 + 0.45 * rng.normal())
        sky = min(1.4, max(0.35, cloud))
        events = spell(day, 36, 4.0, -7.0) + spell(day, 207, 3.0, 6.5)
        mean = 9.4 + 9.2 * season + anomaly + events
        amplitude = (2.2 + 2.6 * (season + 1.0)) * sky
        # Coldest shortly before sunrise, warmest at 15:00.
        phase = 2.0 * math.pi * (hour - 15) / 24.0
        shape = math.cos(phase) + 0.25 * math.cos(2.0 * phase)
        ta = mean + amplitude * shape
        depression_noise = 0.95 * depression_noise + 0.3 * rng.normal()
        dew = mean - (2.0 + 2.6 * (season + 1.0)) * min(sky, 1.2) - 0.3 * depression_noise
        rh = 100.0 * saturation_pressure(min(dew, ta)) / saturation_pressure(ta)
        temps.append(ta)
        humid.append(min(100.0, max(18.0, rh + 1.5 * rng.normal())))
    return temps, humid


def indoor_year(rng, temps):
    """Hourly operative temperature of the room [°C]."""
    result = []
    to = 20.5
    daily = [sum(temps[d * 24:(d + 1) * 24]) / 24.0 for d in range(HOURS // 24)]
    for i in range(HOURS):
        day, hour = i // 24, i % 24
        weekday = (FIRST_WEEKDAY + day) % 7
        workday = weekday < 5
        occupied = workday and 8 <= hour < 18
        season = -math.cos(2.0 * math.pi * (day - 20) / 365.0)
        ta = temps[i]
        # Free-running balance: envelope coupling to the outdoor air (time constant 40 h),
        # internal gains (people, equipment) and solar gains, larger on warm sunny days.
        sun = max(0.0, math.cos(2.0 * math.pi * (hour - 14) / 24.0)) ** 2
        sunny = min(1.5, max(0.2, (ta - daily[day]) / 3.0 + 0.6))
        solar = (1.5 + 2.0 * (season + 1.0)) * sun * sunny
        internal = 3.5 if occupied else 0.6
        equilibrium = 0.4 * daily[day] + 0.6 * ta + 5.0 + internal + solar
        tau = 40.0
        # Windows opened when it is warm inside and cooler outside (occupied hours and summer
        # night ventilation).
        if to > 24.0 and ta < to and (occupied or (season > 0.2 and not 7 <= hour < 20)):
            equilibrium = (equilibrium + ta) / 2.0
            tau = 8.0
        to += (equilibrium - to) * (1.0 - math.exp(-1.0 / tau))
        # Heating October to April: 21.5 °C from 5:00 on working days, setback 17 °C at night
        # and 15.5 °C over the weekend, limited to 1.3 K per hour.
        heating_season = day < 120 or day >= 273
        if heating_season:
            if workday and 5 <= hour < 18:
                setpoint = 21.5
            else:
                setpoint = 17.0 if workday and weekday != 0 else 15.5
            if to < setpoint:
                to = min(setpoint, to + 1.3)
        result.append(to + 0.12 * rng.normal())
    return result


def decimal_comma(value, decimals):
    return f"{value:.{decimals}f}".replace(".", ",")


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "examples/sample_year.csv"
    rng = Lcg(20110149)
    temps, humid = outdoor_year(rng)
    indoor = indoor_year(rng, temps)
    with open(out, "w", encoding="utf-8", newline="\n") as f:
        f.write("Ta (°C);RH (%);To (°C)\n")
        for ta, rh, to in zip(temps, humid, indoor):
            f.write(f"{decimal_comma(ta, 1)};{decimal_comma(rh, 0)};{decimal_comma(to, 2)}\n")


if __name__ == "__main__":
    main()
