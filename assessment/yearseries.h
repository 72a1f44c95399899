// A year of room data as the assessment reads it: one record per data interval (normally one
// hour, 8,760 records), whatever file it came from (delimited text, weather file, building
// simulation output).
#pragma once

#include <cstddef>
#include <vector>

// The three series have one value per record. A value the source did not hold (an empty
// cell, a cell without a number, a file's missing-value marker) is NaN, so that no gap is
// ever computed as 0 °C.
struct YearSeries {
    std::vector<double> outdoorTemp;    // Te, outdoor air temperature [°C]
    std::vector<double> outdoorHumid;   // outdoor relative humidity [%]
    std::vector<double> indoorTemp;     // To, indoor operative temperature [°C]

    size_t size() const { return indoorTemp.size(); }
};
