#include "assessment/yeardata.h"

#include <QFile>
#include <QTextStream>

#include <algorithm>
#include <cmath>

namespace {

bool holdsNumber(const QStringList &row)
{
    for (const QString &cell : row)
        if (cellHoldsNumber(cell))
            return true;
    return false;
}

// The record's numbers at the end of the series; a cell without a number (or missing) is NaN.
void appendRecord(YearSeries &s, const QStringList &row)
{
    const QString missing;
    std::vector<double> *columns[kYearColumns] = {&s.outdoorTemp, &s.outdoorHumid, &s.indoorTemp};
    for (int c = 0; c < kYearColumns; ++c)
        columns[c]->push_back(cellNumberOrNaN(c < row.size() ? row.at(c) : missing));
}

}

YearFileRead readYearData(QIODevice &device, int headerLines, const QString &separator, YearKeep keep)
{
    YearFileRead r;
    const QByteArray head = device.peek(kTextSampleBytes);
    if (head.isEmpty() && device.atEnd()) {
        r.problem = YearReadProblem::Empty;
        return r;
    }
    if (!looksLikeText(head)) {
        r.problem = YearReadProblem::NotText;
        return r;
    }
    QTextStream in(&device);
    const qint64 skip = std::max(headerLines, 0);
    bool anyNumber = false, firstHoldsNumber = false;
    QString line;
    while (in.readLineInto(&line)) {
        if (r.lineCount++ < skip)
            continue;
        QStringList row = nonBlankFields(line, separator);
        const bool number = holdsNumber(row);
        if (r.lineCount == skip + 1)
            firstHoldsNumber = number;
        anyNumber = anyNumber || number;
        if (row.size() > kYearColumns)
            row.erase(row.begin() + kYearColumns, row.end());
        if (keep == YearKeep::Texts)
            r.rows.push_back(std::move(row));
        else
            appendRecord(r.series, row);
    }
    if (r.lineCount < skip)
        r.problem = YearReadProblem::ShorterThanHeader;
    else if (r.lineCount == 0)
        r.problem = YearReadProblem::Empty;
    else if (!anyNumber)
        r.problem = YearReadProblem::NoRecord;
    else if (!firstHoldsNumber)
        r.problem = YearReadProblem::HeaderAsRecord;
    if (r.problem != YearReadProblem::None) {
        r.rows.clear();
        r.series = YearSeries();
    }
    return r;
}

YearFileRead readYearFile(const QString &fileName, int headerLines, const QString &separator, YearKeep keep)
{
    QFile file(fileName);
    YearFileRead r;
    if (file.open(QIODevice::ReadOnly)) {
        r = readYearData(file, headerLines, separator, keep);
    }
    // A folder opens on some systems and fails at the first read: both count.
    if (file.error() != QFileDevice::NoError) {
        r = YearFileRead();
        r.problem = YearReadProblem::CannotRead;
        r.reason = file.errorString();
    }
    return r;
}

QString yearReadProblemText(const YearFileRead &read)
{
    switch (read.problem) {
    case YearReadProblem::None:
        break;
    case YearReadProblem::CannotRead:
        return QStringLiteral("cannot be read: %1").arg(read.reason);
    case YearReadProblem::Empty:
        return QStringLiteral("is empty");
    case YearReadProblem::NotText:
        return QStringLiteral("is no text file of year data");
    case YearReadProblem::ShorterThanHeader:
        return QStringLiteral("holds fewer lines than its header lines");
    case YearReadProblem::NoRecord:
        return QStringLiteral("holds no line with a number after its header lines");
    case YearReadProblem::HeaderAsRecord:
        return QStringLiteral("starts with a line without any number: set the number of header "
                              "lines to skip it");
    }
    return QString();
}

YearSeries yearSeriesFromRows(const std::vector<QStringList> &rows)
{
    YearSeries s;
    for (std::vector<double> *c : {&s.outdoorTemp, &s.outdoorHumid, &s.indoorTemp})
        c->reserve(rows.size());
    for (const QStringList &row : rows)
        appendRecord(s, row);
    return s;
}

CellGaps yearSeriesGaps(const YearSeries &series, int keep)
{
    CellGaps gaps;
    const std::vector<double> *columns[kYearColumns] = {&series.outdoorTemp, &series.outdoorHumid,
                                                        &series.indoorTemp};
    for (size_t r = 0; r < series.size(); ++r)
        for (int c = 0; c < kYearColumns; ++c) {
            if (r < columns[c]->size() && !std::isnan((*columns[c])[r]))
                continue;
            if (gaps.count++ < keep)
                gaps.first.emplace_back(int(r), c);
        }
    return gaps;
}

double yearSpanHours(size_t records, double interval)
{
    return double(records) * interval;
}

bool isOneYear(double hours)
{
    return std::fabs(hours - 8760.0) < 0.01 || std::fabs(hours - 8784.0) < 0.01;
}
