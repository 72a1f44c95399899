// Test and benchmark data: room data of a year as a building simulation writes
// them, one row per data interval from 01.01. 0:00.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cmath>
#include <vector>

struct YearRow {
    double te;   // outdoor air temperature [°C]
    double rh;   // outdoor relative humidity [%]
    double to;   // indoor operative temperature [°C]
};

// A yearly swing (warmest in mid-July) and a daily one (warmest at 15:00), the
// room following both more weakly, and a deterministic jitter so that no two
// days are alike: winter rooms dip below 20 °C, summer afternoons pass 26 °C.
inline std::vector<YearRow> simulatedYear(int rows, double interval = 1.0)
{
    const double pi = 3.14159265358979323846;
    std::vector<YearRow> year(rows > 0 ? size_t(rows) : 0);
    for (size_t i = 0; i < year.size(); ++i) {
        const double hours = double(i) * interval;
        const double season = std::sin(2 * pi * (hours / 24.0 - 105.0) / 365.0);
        const double day = std::sin(2 * pi * (std::fmod(hours, 24.0) - 9.0) / 24.0);
        const double jitter = std::fmod(std::fabs(std::sin(double(i) * 12.9898) * 43758.5453), 1.0) - 0.5;
        year[i] = {9.0 + 10.0 * season + 5.0 * day + 2.0 * jitter,
                   72.0 - 15.0 * season - 10.0 * day + 6.0 * jitter,
                   22.0 + 3.0 * season + 1.5 * day + 0.8 * jitter};
    }
    return year;
}

// Every row `times` times in a row: the same year at a shorter interval.
inline std::vector<YearRow> repeatedRows(const std::vector<YearRow> &year, int times)
{
    std::vector<YearRow> out;
    out.reserve(year.size() * size_t(times));
    for (const YearRow &row : year)
        out.insert(out.end(), size_t(times), row);
    return out;
}

// The cells of each row with two decimals, as a spreadsheet shows them.
inline std::vector<QStringList> yearCells(const std::vector<YearRow> &year)
{
    std::vector<QStringList> rows;
    rows.reserve(year.size());
    for (const YearRow &r : year)
        rows.push_back({QString::number(r.te, 'f', 2), QString::number(r.rh, 'f', 2),
                        QString::number(r.to, 'f', 2)});
    return rows;
}

// A file as spreadsheets in Germany export it: a header line, ";", decimal commas.
inline QByteArray yearFile(const std::vector<YearRow> &year)
{
    QStringList lines{"Ta;RH;To"};
    for (const QStringList &cells : yearCells(year))
        lines << cells.join(';');
    return lines.join('\n').replace('.', ',').toLatin1() + '\n';
}
