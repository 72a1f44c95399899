#!/usr/bin/env python3
"""Writes two short synthetic examples of the files planners get for the assessment tool:

- examples/weather_july.epw: four summer days (1-4 July, from a Wednesday) in the EnergyPlus
  weather format (EPW) of the test reference years: 8 header lines, then one line of 35 fields
  per hour (hour ending: hour 1 is 00:00-01:00).
- examples/eplusout_july.csv: the same days as a building simulation's ReadVarsESO output
  (eplusout.csv): the site's outdoor air and humidity and three office zones' mean air and
  operative temperature, hourly, after a summer and a winter design day.

The weather: a warm spell building up over the four days, clear mornings, a daily swing of
about 10 K, the humidity from a dew point near 14 °C (Magnus formula), solar radiation from the
sun's height over a place at 51.5° N. The zones: a lumped first-order room model driven by the
outdoor air, the sun through windows of different size (south, west, north) and internal gains
from 8:00 to 18:00, with night ventilation when it is cooler outside.

Everything is invented; nothing is measured or downloaded. Deterministic (a fixed-seed linear
congruential generator), standard library only.
Usage: python3 tools/make_simulation_examples.py [examples folder]
"""
import math
import os
import sys

# The generator and the Magnus formula of the sample year (this script's folder is on the path).
from make_sample_year import Lcg, saturation_pressure

YEAR = 2015
MONTH = 7
FIRST_DAY = 1
DAYS = 4
LATITUDE = 51.5
ZONES = [("OFFICE SOUTH", 1.0, 0.0), ("OFFICE WEST", 0.8, 3.0), ("OFFICE NORTH", 0.25, 0.0)]   # name, window share, sun lag [h]


def sun_height(day_of_year, hour):
    """Sine of the sun's height at the middle of the hour ending at `hour` (solar time)."""
    declination = math.radians(23.45) * math.sin(2 * math.pi * (284 + day_of_year) / 365)
    angle = math.radians(15.0 * (hour - 0.5 - 12.0))
    lat = math.radians(LATITUDE)
    return max(0.0, math.sin(lat) * math.sin(declination) + math.cos(lat) * math.cos(declination) * math.cos(angle))


def weather(rng):
    """Hourly records: (day, hour, dry bulb, dew point, RH, global, direct normal, diffuse, wind)."""
    records = []
    for d in range(DAYS):
        day_of_year = 181 + FIRST_DAY + d
        mean = 19.0 + 1.6 * d + 0.4 * rng.normal()
        for hour in range(1, 25):
            phase = 2 * math.pi * (hour - 15.5) / 24
            ta = mean + 5.0 * math.cos(phase) + 0.8 * math.cos(2 * phase) + 0.3 * rng.normal()
            dew = min(ta - 0.5, 13.5 + 0.5 * d + 0.6 * rng.normal())
            rh = 100.0 * saturation_pressure(dew) / saturation_pressure(ta)
            sh = sun_height(day_of_year, hour)
            clear = 0.75 - 0.1 * max(0.0, math.sin(2 * math.pi * (hour - 14) / 24)) + 0.05 * rng.normal()
            glob = max(0.0, 1000.0 * sh * clear)
            direct = max(0.0, 850.0 * clear * sh ** 0.3) if sh > 0.02 else 0.0
            diffuse = max(0.0, glob - direct * sh)
            wind = max(0.0, 2.5 + 1.5 * math.sin(2 * math.pi * (hour - 14) / 24) + 0.6 * rng.normal())
            records.append((d, hour, ta, dew, rh, glob, direct, diffuse, wind))
    return records


def write_epw(path, records):
    header = [
        "LOCATION,Musterstadt,NW,DEU,synthetic example,000000,51.50,7.50,1.0,90.0",
        "DESIGN CONDITIONS,0",
        "TYPICAL/EXTREME PERIODS,0",
        "GROUND TEMPERATURES,0",
        "HOLIDAYS/DAYLIGHT SAVINGS,No,0,0,0",
        "COMMENTS 1,Synthetic summer days for Klimaro made by tools/make_simulation_examples.py",
        "COMMENTS 2,Not measured: invented plausible values",
        "DATA PERIODS,1,1,Data,Wednesday, %d/ %d, %d/ %d" % (MONTH, FIRST_DAY, MONTH, FIRST_DAY + DAYS - 1),
    ]
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(header) + "\n")
        for d, hour, ta, dew, rh, glob, direct, diffuse, wind in records:
            fields = [YEAR, MONTH, FIRST_DAY + d, hour, 60, "?9?9?9?9E0?9?9?9?9?9?9?9?9?9?9?9?9?9?9?9*9*9?9?9?9",
                      "%.1f" % ta, "%.1f" % dew, "%d" % round(rh), 100600 + 40 * d,
                      round(glob * 1.25), round(direct * 1.1), 340, round(glob), round(direct), round(diffuse),
                      round(glob * 110), round(direct * 100), round(diffuse * 120), round(diffuse * 15),
                      (200 + 10 * hour) % 360, "%.1f" % wind, 3, 2, 777.7, 77777, 9, 999999999, 22, 0.1, 0, 88,
                      0.20, 0.0, 0.0]
            f.write(",".join(str(x) for x in fields) + "\n")


def zone_temperatures(records, share, lag, start):
    """Mean air and operative temperature [°C] of one zone, hour by hour."""
    air = []
    to = start
    for d, hour, ta, _, _, glob, _, _, _ in records:
        occupied = 8 <= hour - 1 < 18
        sun = glob / 1000.0
        shifted = max(0.0, math.cos(2 * math.pi * (hour - 13 - lag) / 24)) * sun
        gains = 4.5 * share * (sun + 1.5 * shifted) + (2.8 if occupied else 0.3)
        equilibrium = 0.55 * ta + 0.45 * 24.0 + gains
        tau = 30.0
        if (hour < 7 or hour > 21) and ta < to - 2:   # night ventilation
            equilibrium = (equilibrium + ta) / 2
            tau = 9.0
        to += (equilibrium - to) * (1 - math.exp(-1 / tau))
        air.append(to)
    return air


def write_csv(path, records, rng):
    columns = ["Environment:Site Outdoor Air Drybulb Temperature [C](Hourly)",
               "Environment:Site Outdoor Air Relative Humidity [%](Hourly)"]
    zones = []
    for name, share, lag in ZONES:
        columns += ["%s:Zone Mean Air Temperature [C](Hourly)" % name,
                    "%s:Zone Operative Temperature [C](Hourly)" % name]
        air = zone_temperatures(records, share, lag, 24.0 + share)
        # Operative: the mean of air and radiant temperature; the surfaces lag and damp the air.
        radiant = [air[0]] + [0.7 * air[i - 1] + 0.3 * air[i] + 0.2 * share for i in range(1, len(air))]
        zones.append([(a, (a + r) / 2 + 0.02 * rng.normal()) for a, r in zip(air, radiant)])
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write("Date/Time," + ",".join(columns) + "\n")
        # Design days: a hot July day and a cold January day, as EnergyPlus sizes before the run.
        for month, day, mean, swing, indoor in ((7, 21, 24.0, 6.0, 26.0), (1, 21, -10.0, 0.0, 20.0)):
            for hour in range(1, 25):
                ta = mean + swing * math.cos(2 * math.pi * (hour - 15.5) / 24)
                cells = [ta, 50.0 if month == 7 else 90.0]
                for _ in ZONES:
                    cells += [indoor + 0.1 * swing * math.cos(2 * math.pi * (hour - 17) / 24)] * 2
                f.write(" %02d/%02d  %02d:00:00," % (month, day, hour) + ",".join(repr(round(c, 10)) for c in cells) + "\n")
        for i, (d, hour, ta, _, rh, *_rest) in enumerate(records):
            cells = [round(ta, 1), round(rh)]
            for zone in zones:
                cells += [zone[i][0], zone[i][1]]
            f.write(" %02d/%02d  %02d:00:00," % (MONTH, FIRST_DAY + d, hour)
                    + ",".join(repr(round(c, 10)) for c in cells) + "\n")


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else "examples"
    rng = Lcg(20150701)
    records = weather(rng)
    write_epw(os.path.join(folder, "weather_july.epw"), records)
    write_csv(os.path.join(folder, "eplusout_july.csv"), records, rng)


if __name__ == "__main__":
    main()
