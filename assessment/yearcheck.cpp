#include "assessment/yearcheck.h"

#include <algorithm>
#include <cmath>

namespace {

// A count of rows as a whole number; held below the range of qint64 for an interval near 0.
qint64 wholeRows(double rows)
{
    return rows < 1e18 ? qRound64(rows) : qint64(1e18);
}

double valueAt(const std::vector<double> &v, qint64 i)
{
    return i < qint64(v.size()) ? v[size_t(i)] : std::nan("");
}

// "01.01.2011 05:00"
QString placeText(const TimeAxis &axis, qint64 row)
{
    if (row >= qint64(axis.dates.size()))
        return QString();
    const qint64 minutes = qRound64(axis.hours[size_t(row)] * 60.0);
    return QStringLiteral("%1 %2:%3")
        .arg(formatDate(axis.dates[size_t(row)]))
        .arg(minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

YearFinding finding(YearCheck check, FindingSeverity severity, int column = YearColumn::None)
{
    YearFinding f;
    f.check = check;
    f.severity = severity;
    f.column = column;
    return f;
}

// Adds a finding's place while fewer than kFirstPlaces are kept, and counts it.
void place(YearFinding &f, const TimeAxis &axis, qint64 row, double value)
{
    ++f.count;
    if (f.places.size() < size_t(kFirstPlaces))
        f.places.push_back({row, placeText(axis, row), value});
}

// "1 missing value", "3 missing values".
QString counted(qint64 count, const char *singular, const char *plural, const TextTranslator &tr)
{
    return translated(tr, count == 1 ? singular : plural).arg(count);
}

QString hourText(int hour)
{
    return QStringLiteral("%1:00").arg(hour, 2, 10, QLatin1Char('0'));
}

QString sourceText(const SourceInfo &s, const TextTranslator &tr)
{
    return translated(tr, QT_TRANSLATE_NOOP("YearCheck", "%1 holds %2 records from %3 %4"))
        .arg(s.fileName).arg(s.records).arg(formatDate(s.start), hourText(s.startHour));
}

}

bool YearReport::hasErrors() const
{
    return std::any_of(findings.begin(), findings.end(),
                       [](const YearFinding &f) { return f.severity == FindingSeverity::Error; });
}

YearReport checkYear(const YearSeries &year, const TimeAxisInput &axisInput, const std::vector<SourceInfo> &sources)
{
    YearReport report;
    report.sources = sources;
    const std::vector<double> *columns[] = {&year.outdoorTemp, &year.outdoorHumid, &year.indoorTemp};
    const qint64 n = qint64(std::max({year.outdoorTemp.size(), year.outdoorHumid.size(), year.indoorTemp.size()}));
    const bool timed = axisInput.interval > 0.0;

    TimeAxis axis;
    if (timed) {
        TimeAxisInput in = axisInput;
        in.rows = int(n);
        axis = generateTimeAxis(in);
        // The readers drop 29 February and the time axis knows no leap day: a year holds 365 days
        // from any start; a plain file may also have kept a leap day (8,784 h), as the Compute's
        // year check allows.
        const qint64 expected = wholeRows(365 * 24.0 / in.interval);
        const bool leapDayKept = sources.empty() && n == wholeRows(366 * 24.0 / in.interval);
        if (n != expected && !leapDayKept) {
            YearFinding f = finding(YearCheck::RowCount, FindingSeverity::Error);
            f.count = n;
            f.expected = expected;
            report.findings.push_back(f);
        }
        SeasonMasks masks;
        PeriodBoundary missing;
        if (!buildSeasonMasks(axis, masks, missing)) {
            YearFinding f = finding(YearCheck::SeasonBoundary, FindingSeverity::Error);
            f.boundary = missing;
            report.findings.push_back(f);
        }
    }

    const ValueRange ranges[] = {kPlausibleOutdoorTemp, kPlausibleHumidity, kPlausibleIndoorTemp};
    for (int c = 0; c < 3; ++c) {
        YearFinding gaps = finding(YearCheck::MissingValues, FindingSeverity::Warning, c);
        YearFinding outside = finding(YearCheck::OutOfRange, FindingSeverity::Warning, c);
        outside.range = ranges[c];
        for (qint64 i = 0; i < n; ++i) {
            const double v = valueAt(*columns[c], i);
            if (std::isnan(v))
                place(gaps, axis, i, v);
            else if (!ranges[c].contains(v))
                place(outside, axis, i, v);
        }
        for (YearFinding *f : {&gaps, &outside}) {
            if (f->count > 0)
                report.findings.push_back(*f);
        }
    }

    const std::vector<double> &to = year.indoorTemp;
    const qint64 lag = timed ? std::max<qint64>(1, wholeRows(1.0 / axisInput.interval)) : 1;
    YearFinding steps = finding(YearCheck::IndoorStep, FindingSeverity::Warning, YearColumn::IndoorTemp);
    for (qint64 i = lag; i < qint64(to.size()); ++i) {
        const double step = to[size_t(i)] - to[size_t(i - lag)];
        if (std::fabs(step) > kMaxIndoorStep)   // NaN on either side compares false
            place(steps, axis, i, step);
    }
    YearFinding stuck = finding(YearCheck::StuckIndoor, FindingSeverity::Warning, YearColumn::IndoorTemp);
    for (size_t i = 0; i < to.size();) {
        size_t end = i + 1;
        while (end < to.size() && to[end] == to[i])   // NaN equals nothing: a gap ends a run
            ++end;
        if (end - i >= size_t(kStuckRun))
            place(stuck, axis, qint64(i), double(end - i));
        i = end;
    }
    for (YearFinding *f : {&steps, &stuck}) {
        if (f->count > 0)
            report.findings.push_back(*f);
    }

    for (size_t k = 0; k < sources.size(); ++k) {
        const SourceInfo &s = sources[k], &first = sources.front();
        if (k > 0 && (s.records != first.records || s.start != first.start || s.startHour != first.startHour)) {
            YearFinding f = finding(YearCheck::SourceMismatch, FindingSeverity::Warning);
            f.source = int(k);
            f.count = s.records;
            f.expected = first.records;
            report.findings.push_back(f);
        }
        if (s.leapDayRecords > 0) {
            YearFinding f = finding(YearCheck::LeapDayDropped, FindingSeverity::Warning);
            f.source = int(k);
            f.count = s.leapDayRecords;
            report.findings.push_back(f);
        }
    }
    return report;
}

YearReport checkYear(const YearImport &year)
{
    TimeAxisInput axis;
    axis.start = year.start;
    axis.startHour = year.startHour;
    axis.interval = year.interval;
    return checkYear(year.series, axis, year.sources);
}

QStringList formatYearReport(const YearReport &report, const TextTranslator &tr)
{
    static const char *const columnNames[] = {QT_TRANSLATE_NOOP("YearCheck", "outdoor air temperature"),
                                              QT_TRANSLATE_NOOP("YearCheck", "outdoor relative humidity"),
                                              QT_TRANSLATE_NOOP("YearCheck", "indoor operative temperature")};
    static const char *const units[] = {"°C", "%", "°C"};
    const auto t = [&tr](const char *source) { return translated(tr, source); };
    QStringList lines;
    for (const YearFinding &f : report.findings) {
        QString line = f.severity == FindingSeverity::Error ? t(QT_TRANSLATE_NOOP("YearCheck", "error: "))
                                                            : t(QT_TRANSLATE_NOOP("YearCheck", "warning: "));
        if (f.column >= 0 && f.column < 3)
            line += t(columnNames[f.column]) + QStringLiteral(": ");
        switch (f.check) {
        case YearCheck::RowCount:
            line += t(QT_TRANSLATE_NOOP("YearCheck", "%1 rows where a year holds %2")).arg(f.count).arg(f.expected);
            break;
        case YearCheck::SeasonBoundary:
            line += t(QT_TRANSLATE_NOOP("YearCheck", "no row for the season boundary %1 %2"))
                        .arg(formatDate(f.boundary.date), hourText(f.boundary.hour));
            break;
        case YearCheck::MissingValues:
            line += counted(f.count, QT_TRANSLATE_NOOP("YearCheck", "%1 missing value"),
                            QT_TRANSLATE_NOOP("YearCheck", "%1 missing values"), tr);
            break;
        case YearCheck::OutOfRange:
            line += counted(f.count, QT_TRANSLATE_NOOP("YearCheck", "%1 value"), QT_TRANSLATE_NOOP("YearCheck", "%1 values"), tr)
                    + t(QT_TRANSLATE_NOOP("YearCheck", " outside %1 %2")).arg(formatRange(f.range), QString::fromUtf8(units[f.column]));
            break;
        case YearCheck::IndoorStep:
            line += counted(f.count, QT_TRANSLATE_NOOP("YearCheck", "%1 step"), QT_TRANSLATE_NOOP("YearCheck", "%1 steps"), tr)
                    + t(QT_TRANSLATE_NOOP("YearCheck", " above %1 K within one hour")).arg(kMaxIndoorStep);
            break;
        case YearCheck::StuckIndoor:
            line += counted(f.count, QT_TRANSLATE_NOOP("YearCheck", "%1 run"), QT_TRANSLATE_NOOP("YearCheck", "%1 runs"), tr)
                    + t(QT_TRANSLATE_NOOP("YearCheck", " of %1 or more identical values")).arg(kStuckRun);
            break;
        case YearCheck::SourceMismatch:
            line += t(QT_TRANSLATE_NOOP("YearCheck", "sources of different length or start: %1; %2"))
                        .arg(sourceText(report.sources.front(), tr), sourceText(report.sources[size_t(f.source)], tr));
            break;
        case YearCheck::LeapDayDropped:
            line += t(QT_TRANSLATE_NOOP("YearCheck", "%1: %2 records of 29 February dropped"))
                        .arg(report.sources[size_t(f.source)].fileName).arg(f.count);
            break;
        }
        QStringList places;
        for (const FindingPlace &p : f.places) {
            QString text = t(QT_TRANSLATE_NOOP("YearCheck", "row %1 (%2)")).arg(p.row + 1).arg(p.when);
            if (f.check == YearCheck::OutOfRange)
                text += QLatin1Char(' ') + formatGeneral(p.value);
            else if (f.check == YearCheck::IndoorStep)
                text += QStringLiteral(" %1%2 K").arg(p.value > 0 ? QStringLiteral("+") : QString(), formatGeneral(p.value));
            else if (f.check == YearCheck::StuckIndoor)
                text += t(QT_TRANSLATE_NOOP("YearCheck", " %1 values")).arg(p.value);
            places << text;
        }
        if (!places.isEmpty())
            line += QStringLiteral(": ") + places.join(QStringLiteral(", "))
                    + (f.count > qint64(f.places.size()) ? QStringLiteral(", ...") : QString());
        lines << line;
    }
    return lines;
}
