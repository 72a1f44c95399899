#include "assessment/yearimport.h"

#include "comfort/delimitedtext.h"

#include <QFile>
#include <QStringDecoder>
#include <QTextStream>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

constexpr double kGap = std::numeric_limits<double>::quiet_NaN();

// "file: ", "file: line 12: ", "file: table Time: row 7: ".
QString place(const ReadError &e, const TextTranslator &tr)
{
    QString where = e.fileName + QStringLiteral(": ");
    if (!e.table.isEmpty())
        where += translated(tr, QT_TRANSLATE_NOOP("YearCheck", "table %1: ")).arg(e.table);
    if (e.line > 0)
        where += translated(tr, e.table.isEmpty() ? QT_TRANSLATE_NOOP("YearCheck", "line %1: ")
                                                  : QT_TRANSLATE_NOOP("YearCheck", "row %1: "))
                     .arg(e.line);
    return where;
}

}

QString formatReadError(const ReadError &e, const TextTranslator &tr)
{
    const QString at = place(e, tr);
    const auto t = [&tr](const char *source) { return translated(tr, source); };
    switch (e.problem) {
    case ReadProblem::None:
        return QString();
    case ReadProblem::CannotOpen:
        return at + t(QT_TRANSLATE_NOOP("YearCheck", "cannot open the file: %1")).arg(e.text);
    case ReadProblem::NotWeatherFile:
        return at + t(QT_TRANSLATE_NOOP("YearCheck", "not an EPW weather file (no LOCATION line)"));
    case ReadProblem::NoDataPeriods:
        return at + t(QT_TRANSLATE_NOOP("YearCheck", "no readable DATA PERIODS line with one period: \"%1\"")).arg(e.text);
    case ReadProblem::TooFewFields:
        return at + t(QT_TRANSLATE_NOOP("YearCheck", "%1 fields, %2 needed")).arg(e.count).arg(e.expected);
    case ReadProblem::NotANumber:
        return at + t(QT_TRANSLATE_NOOP("YearCheck", "%1 \"%2\" is not a number")).arg(e.column, e.text);
    case ReadProblem::OutOfSequence:
        return at + t(QT_TRANSLATE_NOOP("YearCheck", "%1 where %2 follows")).arg(e.text, e.wanted);
    case ReadProblem::Truncated:
        return at + t(QT_TRANSLATE_NOOP("YearCheck", "the file ends after %1 of the data period's %2 records"))
                        .arg(e.count).arg(e.expected);
    case ReadProblem::BeyondPeriod:
        return at + t(QT_TRANSLATE_NOOP("YearCheck", "a record after the data period, which ends on %1")).arg(e.wanted);
    case ReadProblem::NoHeader:
        return at + t(QT_TRANSLATE_NOOP("YearCheck", "no EnergyPlus header: \"%1\" where \"Date/Time\" stands")).arg(e.text);
    case ReadProblem::NoSuchVariable:
        return at + t(QT_TRANSLATE_NOOP("YearCheck", "no variable %1 (the file lists %2)")).arg(e.count).arg(e.expected);
    case ReadProblem::ColumnMissing:
        return at + t(QT_TRANSLATE_NOOP("YearCheck", "the row has %1 fields, no column for %2")).arg(e.count).arg(e.column);
    case ReadProblem::NotHourly:
        return at + t(QT_TRANSLATE_NOOP("YearCheck", "%1 is reported %2, not hourly")).arg(e.column, e.text);
    case ReadProblem::BadTimeStamp:
        return at + t(QT_TRANSLATE_NOOP("YearCheck", "unreadable time stamp \"%1\"")).arg(e.text);
    case ReadProblem::NoRecords:
        return at + t(QT_TRANSLATE_NOOP("YearCheck", "no hourly records of a run period"));
    case ReadProblem::NotEnergyPlusOutput:
        return e.fileName + QStringLiteral(": ") + t(QT_TRANSLATE_NOOP("YearCheck", "not EnergyPlus output: no table %1")).arg(e.table);
    case ReadProblem::DatabaseError:
        return at + e.text;
    case ReadProblem::NoDriver:
        return at + t(QT_TRANSLATE_NOOP("YearCheck", "Qt's SQLite driver is not installed (libqt6sql6-sqlite)"));
    }
    return at;
}

YearImport combineYear(SeriesPick outdoorTemp, SeriesPick outdoorHumid, SeriesPick indoorTemp)
{
    YearImport year;
    const SeriesPick picks[] = {outdoorTemp, outdoorHumid, indoorTemp};
    size_t n = 0;
    for (const SeriesPick &p : picks) {
        if (p.source && !p.source->ok()) {
            year.error = p.source->error;
            return year;
        }
        const qint64 columns = p.source ? qint64(p.source->columns.size()) : 0;
        if (p.column < 0 || p.column >= columns) {
            year.error.problem = ReadProblem::NoSuchVariable;
            year.error.fileName = p.source ? p.source->info.fileName : QString();
            year.error.count = p.column;
            year.error.expected = columns;
            return year;
        }
        n = std::max(n, p.source->columns[size_t(p.column)].size());
    }
    std::vector<double> *targets[] = {&year.series.outdoorTemp, &year.series.outdoorHumid,
                                      &year.series.indoorTemp};
    for (int i = 0; i < 3; ++i) {
        *targets[i] = picks[i].source->columns[size_t(picks[i].column)];
        targets[i]->resize(n, kGap);
    }

    const SourceInfo &indoor = indoorTemp.source->info;
    year.start = indoor.start;
    year.startHour = indoor.startHour;
    year.interval = indoor.interval;
    for (const SeriesPick &p : {indoorTemp, outdoorTemp, outdoorHumid}) {
        if (year.firstWeekday == 0)
            year.firstWeekday = p.source->info.firstWeekday;
    }
    for (const SeriesPick &p : picks) {
        if (year.place.isEmpty())
            year.place = p.source->info.place;
        if (std::none_of(picks, &p, [&](const SeriesPick &q) { return q.source == p.source; }))
            year.sources.push_back(p.source->info);
    }
    return year;
}

void writeYearFile(QTextStream &out, const YearSeries &year)
{
    // The shortest fixed notation that reads back to the same double, as QString::number(v,
    // 'f', QLocale::FloatingPointShortest) gives it, at a tenth of the time.
    const auto append = [](QString &text, const std::vector<double> &v, size_t i) {
        if (i >= v.size() || !std::isfinite(v[i])) {
            text += QLatin1String("N.A");
            return;
        }
        char digits[400];   // the largest double in fixed notation: 309 digits and a sign
        char *end = std::to_chars(digits, digits + sizeof digits, v[i], std::chars_format::fixed).ptr;
        std::replace(digits, end, '.', ',');
        text += QLatin1String(digits, end - digits);
    };
    const size_t n = std::max({year.outdoorTemp.size(), year.outdoorHumid.size(), year.indoorTemp.size()});
    QString text = QStringLiteral("Ta (°C);RH (%);To (°C)\n");
    text.reserve(qsizetype(n) * 24 + 32);
    for (size_t i = 0; i < n; ++i) {
        append(text, year.outdoorTemp, i);
        text += u';';
        append(text, year.outdoorHumid, i);
        text += u';';
        append(text, year.indoorTemp, i);
        text += u'\n';
    }
    out << text;
}

bool readNumberField(QStringView field, double &value)
{
    field = field.trimmed();
    if (field.startsWith(u'+'))
        field = field.mid(1);
    char digits[128];
    if (field.isEmpty() || field.size() >= qsizetype(sizeof digits))
        return false;
    for (qsizetype i = 0; i < field.size(); ++i) {
        const char16_t c = field.at(i).unicode();
        if (!((c >= u'0' && c <= u'9') || c == u'.' || c == u'-' || c == u'e' || c == u'E'))
            return false;   // also keeps from_chars from reading "inf", "nan" and hexadecimal
        digits[i] = char(c);
    }
    const char *end = digits + field.size();
    const auto result = std::from_chars(digits, end, value);
    return result.ec == std::errc() && result.ptr == end && std::isfinite(value);
}

ReadError openForReading(QFile &file)
{
    ReadError error;
    error.fileName = file.fileName();
    if (!file.open(QIODevice::ReadOnly)) {
        error.problem = ReadProblem::CannotOpen;
        error.text = file.errorString();
    }
    return error;
}

SourceSeries failedSource(SourceFormat format, const ReadError &error)
{
    SourceSeries failed;
    failed.info.fileName = error.fileName;
    failed.info.format = format;
    failed.error = error;
    return failed;
}

QString decodeText(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if (utf8.hasError())
        text = QString::fromLatin1(bytes);
    if (text.startsWith(QChar(0xFEFF)))   // byte order mark
        text.remove(0, 1);
    return text;
}

std::vector<QStringView> splitLines(const QString &text)
{
    std::vector<QStringView> lines;
    lines.reserve(size_t(text.count(u'\n')) + 1);
    for (QStringView line : QStringView(text).tokenize(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        lines.push_back(line);
    }
    if (!lines.empty() && lines.back().isEmpty() && text.endsWith(u'\n'))
        lines.pop_back();
    return lines;
}

int weekdayFromName(QStringView name)
{
    static const char *const names[] = {"Sunday", "Monday", "Tuesday", "Wednesday",
                                        "Thursday", "Friday", "Saturday"};
    for (int i = 0; i < 7; ++i) {
        if (name.trimmed().compare(QLatin1String(names[i]), Qt::CaseInsensitive) == 0)
            return i + 1;
    }
    return 0;
}

bool isCalendarDay(int month, int day)
{
    return month >= 1 && month <= 12 && day >= 1
           && day <= (month == 2 ? 29 : monthLength(month));
}

bool isNextDay(int month, int day, int nextMonth, int nextDay)
{
    if (month == 2 && day == 28 && nextMonth == 2 && nextDay == 29)
        return true;
    if (!isCalendarDay(month, day))
        return false;
    if (day >= monthLength(month))
        return nextDay == 1 && nextMonth == (month == 12 ? 1 : month + 1);
    return nextMonth == month && nextDay == day + 1;
}

bool followsHour(int month, int day, int hour, int nextMonth, int nextDay, int nextHour)
{
    if (month == nextMonth && day == nextDay)
        return nextHour == hour + 1;
    return hour == 24 && nextHour == 1 && isNextDay(month, day, nextMonth, nextDay);
}

void appendRecord(SourceSeries &source, int month, int day, int startHour, const double *values)
{
    if (month == 2 && day == 29) {
        ++source.info.leapDayRecords;
        return;
    }
    if (source.info.records == 0) {
        source.info.start = {day, month, kReferenceYear};
        source.info.startHour = startHour;
    }
    ++source.info.records;
    for (size_t c = 0; c < source.columns.size(); ++c)
        source.columns[c].push_back(values[c]);
}
