#include "assessment/energyplus.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QIODevice>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <limits>
#include <numeric>

namespace {

constexpr double kGap = std::numeric_limits<double>::quiet_NaN();
constexpr int kWeatherRunPeriod = 3;   // EnvironmentPeriods.EnvironmentType
constexpr int kHourlyInterval = 1;     // Time.IntervalType

bool isHourly(const EnergyPlusVariable &v)
{
    return v.frequency.compare(QLatin1String("Hourly"), Qt::CaseInsensitive) == 0;
}

// A cell of a chosen column: empty is a gap; false for text or a non-finite number.
bool readCell(QStringView cell, double &value)
{
    if (cell.trimmed().isEmpty()) {
        value = kGap;
        return true;
    }
    return readNumberField(cell, value);
}

// The chosen variables checked: each listed and hourly. Fills names and the variables' ids.
ReadError checkChoice(const std::vector<EnergyPlusVariable> &listed, const std::vector<int> &chosen,
                      QStringList &names, std::vector<qint64> &ids)
{
    ReadError error;
    for (int v : chosen) {
        if (v < 0 || v >= int(listed.size())) {
            error.problem = ReadProblem::NoSuchVariable;
            error.count = v;
            error.expected = qint64(listed.size());
            return error;
        }
        const EnergyPlusVariable &var = listed[size_t(v)];
        if (!isHourly(var)) {
            error.problem = ReadProblem::NotHourly;
            error.column = var.header;
            error.text = var.frequency;
            return error;
        }
        names << var.header;
        ids.push_back(var.id);
    }
    return error;
}

// ---- CSV -------------------------------------------------------------------------------

EnergyPlusListing listingFromHeader(QStringView line, const QString &fileName)
{
    EnergyPlusListing listing;
    listing.error.fileName = fileName;
    const QList<QStringView> fields = line.split(u',');
    if (fields.front().trimmed().compare(QLatin1String("Date/Time"), Qt::CaseInsensitive) != 0) {
        listing.error.problem = ReadProblem::NoHeader;
        listing.error.line = 1;
        listing.error.text = fields.front().toString();
        return listing;
    }
    for (qsizetype i = 1; i < fields.size(); ++i) {
        if (fields.at(i).trimmed().isEmpty())
            continue;
        EnergyPlusVariable v = parseEnergyPlusHeader(fields.at(i));
        v.id = i;
        listing.variables.push_back(v);
    }
    return listing;
}

enum class Stamp { Hourly, Skipped, Bad };

// " 01/01  01:00:00": an hourly record ending at hour 1-24. Rows with minutes or seconds
// (time steps), a date alone (daily) or no date (monthly, run period) are skipped.
Stamp readStamp(QStringView text, int &month, int &day, int &hour)
{
    const QStringView t = text.trimmed();
    const qsizetype space = t.indexOf(u' ');
    const QStringView date = space < 0 ? t : t.left(space);
    const qsizetype slash = date.indexOf(u'/');
    if (slash < 0)
        return Stamp::Skipped;
    bool okMonth = false, okDay = false;
    month = date.left(slash).toInt(&okMonth);
    day = date.mid(slash + 1).toInt(&okDay);
    if (!okMonth || !okDay || !isCalendarDay(month, day))
        return Stamp::Bad;
    if (space < 0)
        return Stamp::Skipped;
    const QList<QStringView> clock = t.mid(space).trimmed().split(u':');
    if (clock.size() < 2 || clock.size() > 3)
        return Stamp::Bad;
    int parts[3] = {0, 0, 0};
    for (qsizetype i = 0; i < clock.size(); ++i) {
        bool ok = false;
        parts[i] = clock.at(i).toInt(&ok);
        if (!ok)
            return Stamp::Bad;
    }
    const int h = parts[0], m = parts[1], s = parts[2];
    if (h < 0 || h > 24 || m < 0 || m > 59 || s < 0 || s > 59 || (h == 24 && (m != 0 || s != 0)))
        return Stamp::Bad;
    if (m != 0 || s != 0)
        return Stamp::Skipped;
    // EnergyPlus ends a day at 24:00:00, never at 00:00:00.
    if (h == 0)
        return Stamp::Bad;
    hour = h;
    return Stamp::Hourly;
}

// ---- SQLite ----------------------------------------------------------------------------

std::atomic<int> connectionCount{0};

// A connection of its own, read-only (SQLite would create a missing file otherwise), removed
// again at the end. Queries on it must end before it does.
class Database
{
public:
    explicit Database(const QString &fileName)
        : connection(QStringLiteral("klimaro-energyplus-%1").arg(++connectionCount))
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(fileName);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        opened = db.open();
        if (!opened)
            openError = db.lastError().text();
    }
    ~Database()
    {
        QSqlDatabase::database(connection, false).close();
        QSqlDatabase::removeDatabase(connection);
    }
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    QSqlQuery query() const
    {
        QSqlQuery q(QSqlDatabase::database(connection, false));
        q.setForwardOnly(true);
        return q;
    }

    bool opened = false;
    QString openError;

private:
    QString connection;
};

// Prepares, binds and runs a fixed query; a failure is a DatabaseError naming the table.
bool run(QSqlQuery &q, const QString &sql, const QVariantList &values, const char *table, ReadError &error)
{
    bool ok = q.prepare(sql);
    for (const QVariant &v : values)
        q.addBindValue(v);
    ok = ok && q.exec();
    if (!ok) {
        error.problem = ReadProblem::DatabaseError;
        error.table = QLatin1String(table);
        error.text = q.lastError().text();
    }
    return ok;
}

// After stepping through a query: a read error on the way (a corrupt page) is reported.
bool finished(const QSqlQuery &q, const char *table, ReadError &error)
{
    if (!q.lastError().isValid())
        return true;
    error.problem = ReadProblem::DatabaseError;
    error.table = QLatin1String(table);
    error.text = q.lastError().text();
    return false;
}

ReadError openEnergyPlus(const Database &db, const QString &fileName)
{
    ReadError error;
    error.fileName = fileName;
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))) {
        error.problem = ReadProblem::NoDriver;
        return error;
    }
    if (!QFileInfo(fileName).isFile() || !db.opened) {
        error.problem = ReadProblem::CannotOpen;
        error.text = db.opened ? QStringLiteral("no such file") : db.openError;
        return error;
    }
    QSqlQuery q = db.query();
    if (!run(q, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"), {}, "sqlite_master", error))
        return error;
    QStringList tables;
    while (q.next())
        tables << q.value(0).toString();
    if (!finished(q, "sqlite_master", error))
        return error;
    for (const char *table : {"ReportDataDictionary", "ReportData", "Time", "EnvironmentPeriods"}) {
        if (!tables.contains(QLatin1String(table), Qt::CaseInsensitive)) {
            error.problem = ReadProblem::NotEnergyPlusOutput;
            error.table = QLatin1String(table);
            return error;
        }
    }
    return error;
}

EnergyPlusListing listVariables(const Database &db, const QString &fileName)
{
    EnergyPlusListing listing;
    listing.error = openEnergyPlus(db, fileName);
    if (!listing.ok())
        return listing;
    QSqlQuery q = db.query();
    if (!run(q, QStringLiteral("SELECT ReportDataDictionaryIndex, KeyValue, Name, Units, ReportingFrequency "
                               "FROM ReportDataDictionary WHERE COALESCE(IsMeter, 0) = 0 "
                               "ORDER BY ReportDataDictionaryIndex"),
             {}, "ReportDataDictionary", listing.error))
        return listing;
    while (q.next()) {
        EnergyPlusVariable v;
        v.id = q.value(0).toLongLong();
        v.key = q.value(1).toString();
        v.name = q.value(2).toString();
        v.unit = q.value(3).toString();
        v.frequency = q.value(4).toString();
        v.header = QStringLiteral("%1:%2 [%3](%4)").arg(v.key, v.name, v.unit, v.frequency);
        listing.variables.push_back(v);
    }
    if (!finished(q, "ReportDataDictionary", listing.error))
        listing.variables.clear();
    return listing;
}


struct TimeRecord {
    int month, day, hour;
};

}

EnergyPlusVariable parseEnergyPlusHeader(QStringView text)
{
    EnergyPlusVariable v;
    v.header = text.trimmed().toString();
    QStringView rest = text.trimmed();
    if (rest.endsWith(u')') && rest.lastIndexOf(u'(') >= 0) {
        const qsizetype open = rest.lastIndexOf(u'(');
        v.frequency = rest.mid(open + 1, rest.size() - open - 2).trimmed().toString();
        rest = rest.left(open).trimmed();
    }
    if (rest.endsWith(u']') && rest.lastIndexOf(u'[') >= 0) {
        const qsizetype open = rest.lastIndexOf(u'[');
        v.unit = rest.mid(open + 1, rest.size() - open - 2).trimmed().toString();
        rest = rest.left(open).trimmed();
    }
    const qsizetype colon = rest.lastIndexOf(u':');
    v.key = colon < 0 ? QString() : rest.left(colon).trimmed().toString();
    v.name = rest.mid(colon + 1).trimmed().toString();
    return v;
}

std::vector<int> findEnergyPlusVariables(const std::vector<EnergyPlusVariable> &variables, const QString &name)
{
    std::vector<int> found;
    for (size_t i = 0; i < variables.size(); ++i) {
        if (variables[i].name.compare(name, Qt::CaseInsensitive) == 0)
            found.push_back(int(i));
    }
    return found;
}

int preselectEnergyPlusVariable(const std::vector<EnergyPlusVariable> &variables, const QString &name)
{
    const std::vector<int> found = findEnergyPlusVariables(variables, name);
    for (int i : found) {
        if (isHourly(variables[size_t(i)]))
            return i;
    }
    return found.empty() ? -1 : found.front();
}

EnergyPlusListing listEnergyPlusCsv(QIODevice &device, const QString &fileName)
{
    // The whole file decoded, as the reading decodes it: a later byte that is no UTF-8 makes
    // the header Latin-1 too.
    const QString text = decodeText(device.readAll());
    const std::vector<QStringView> lines = splitLines(text);
    return listingFromHeader(lines.empty() ? QStringView() : lines.front(), fileName);
}

EnergyPlusListing listEnergyPlusCsv(const QString &fileName)
{
    QFile file(fileName);
    EnergyPlusListing listing;
    listing.error = openForReading(file);
    return listing.ok() ? listEnergyPlusCsv(file, fileName) : listing;
}

SourceSeries readEnergyPlusCsv(QIODevice &device, const QString &fileName, const std::vector<int> &variables)
{
    ReadError error;
    error.fileName = fileName;
    const auto fail = [&](ReadProblem problem, qint64 line) {
        error.problem = problem;
        error.line = line;
        return failedSource(SourceFormat::EnergyPlusCsv, error);
    };

    const QString text = decodeText(device.readAll());
    const std::vector<QStringView> lines = splitLines(text);
    const EnergyPlusListing listing = listingFromHeader(lines.empty() ? QStringView() : lines.front(), fileName);
    if (!listing.ok())
        return failedSource(SourceFormat::EnergyPlusCsv, listing.error);

    SourceSeries s;
    s.info.fileName = fileName;
    s.info.format = SourceFormat::EnergyPlusCsv;
    std::vector<qint64> fields;
    const ReadError choice = checkChoice(listing.variables, variables, s.names, fields);
    if (choice.problem != ReadProblem::None) {
        error = choice;
        error.fileName = fileName;
        return fail(choice.problem, 0);
    }
    s.columns.resize(variables.size());
    for (std::vector<double> &c : s.columns)
        c.reserve(lines.size());

    std::vector<size_t> byField(fields.size());
    std::iota(byField.begin(), byField.end(), size_t(0));
    std::stable_sort(byField.begin(), byField.end(), [&](size_t a, size_t b) { return fields[a] < fields[b]; });
    std::vector<double> values(variables.size());
    TimeRecord previous{0, 0, 0};
    bool any = false;
    for (size_t i = 1; i < lines.size(); ++i) {
        const QStringView line = lines[i];
        const qint64 lineNo = qint64(i) + 1;
        if (line.trimmed().isEmpty())
            continue;
        const qsizetype comma = line.indexOf(u',');
        const QStringView stamp = comma < 0 ? line : line.left(comma);
        TimeRecord r{0, 0, 0};
        const Stamp kind = readStamp(stamp, r.month, r.day, r.hour);
        if (kind == Stamp::Bad) {
            error.text = stamp.toString();
            return fail(ReadProblem::BadTimeStamp, lineNo);
        }
        if (kind == Stamp::Skipped)
            continue;
        // The chosen cells in field order, the line scanned once (a 20-zone file has some
        // 60 columns, most of them not chosen).
        qsizetype start = 0;
        qint64 field = 0;
        for (size_t k : byField) {
            for (; field < fields[k] && start >= 0; ++field) {
                start = line.indexOf(u',', start);
                start = start < 0 ? -1 : start + 1;
            }
            if (start < 0) {
                error.column = s.names.at(qsizetype(k));
                error.count = line.count(u',') + 1;
                return fail(ReadProblem::ColumnMissing, lineNo);
            }
            const qsizetype end = line.indexOf(u',', start);
            const QStringView cell = line.mid(start, end < 0 ? line.size() - start : end - start);
            if (!readCell(cell, values[k])) {
                error.column = s.names.at(qsizetype(k));
                error.text = cell.toString();
                return fail(ReadProblem::NotANumber, lineNo);
            }
        }
        // A new environment: what was taken so far was a design day or a sizing period.
        if (any && !followsHour(previous.month, previous.day, previous.hour, r.month, r.day, r.hour)) {
            s.info.otherRecords += s.info.records + s.info.leapDayRecords;
            s.info.records = s.info.leapDayRecords = 0;
            for (std::vector<double> &c : s.columns)
                c.clear();
        }
        appendRecord(s, r.month, r.day, r.hour - 1, values.data());
        previous = r;
        any = true;
    }
    if (s.info.records == 0)
        return fail(ReadProblem::NoRecords, 0);
    return s;
}

SourceSeries readEnergyPlusCsv(const QString &fileName, const std::vector<int> &variables)
{
    QFile file(fileName);
    const ReadError error = openForReading(file);
    return error.problem == ReadProblem::None ? readEnergyPlusCsv(file, fileName, variables)
                                              : failedSource(SourceFormat::EnergyPlusCsv, error);
}

EnergyPlusListing listEnergyPlusSql(const QString &fileName)
{
    const Database db(fileName);
    return listVariables(db, fileName);
}

SourceSeries readEnergyPlusSql(const QString &fileName, const std::vector<int> &variables)
{
    const Database db(fileName);
    const EnergyPlusListing listing = listVariables(db, fileName);
    if (!listing.ok())
        return failedSource(SourceFormat::EnergyPlusSql, listing.error);
    ReadError error;
    const auto fail = [&](ReadProblem problem, const char *table, qint64 row) {
        error.problem = problem;
        error.fileName = fileName;
        error.table = QLatin1String(table);
        error.line = row;
        return failedSource(SourceFormat::EnergyPlusSql, error);
    };
    const auto failed = [&]() {
        error.fileName = fileName;
        return failedSource(SourceFormat::EnergyPlusSql, error);
    };

    SourceSeries s;
    s.info.fileName = fileName;
    s.info.format = SourceFormat::EnergyPlusSql;
    std::vector<qint64> ids;
    error = checkChoice(listing.variables, variables, s.names, ids);
    if (error.problem != ReadProblem::None)
        return failed();

    QSqlQuery q = db.query();
    if (!run(q, QStringLiteral("SELECT EnvironmentPeriodIndex FROM EnvironmentPeriods WHERE EnvironmentType = ? "
                               "ORDER BY EnvironmentPeriodIndex DESC LIMIT 1"),
             {kWeatherRunPeriod}, "EnvironmentPeriods", error))
        return failed();
    if (!q.next())
        return finished(q, "EnvironmentPeriods", error) ? fail(ReadProblem::NoRecords, "EnvironmentPeriods", 0) : failed();
    const qint64 environment = q.value(0).toLongLong();

    // The run period's hours. Hour and Minute give the record's end: Hour 1 Minute 0 and Hour 0
    // Minute 60 both end at 1:00.
    if (!run(q, QStringLiteral("SELECT TimeIndex, Year, Month, Day, Hour, Minute, DayType FROM Time "
                               "WHERE EnvironmentPeriodIndex = ? AND IntervalType = ? "
                               "AND COALESCE(WarmupFlag, 0) = 0 ORDER BY TimeIndex"),
             {environment, kHourlyInterval}, "Time", error))
        return failed();
    std::vector<TimeRecord> records;
    QHash<qint64, size_t> recordOfTime;
    int dayOffset = 0;
    while (q.next()) {
        const qint64 timeIndex = q.value(0).toLongLong();
        const int end = q.value(4).toInt() * 60 + q.value(5).toInt();   // [min]
        const TimeRecord r{q.value(2).toInt(), q.value(3).toInt(), end / 60};
        if (!isCalendarDay(r.month, r.day) || end % 60 != 0 || r.hour < 1 || r.hour > 24) {
            error.text = QStringLiteral("%1/%2 %3:%4").arg(r.month).arg(r.day).arg(q.value(4).toInt())
                             .arg(q.value(5).toInt(), 2, 10, QLatin1Char('0'));
            return fail(ReadProblem::BadTimeStamp, "Time", timeIndex);
        }
        if (!records.empty()) {
            const TimeRecord &p = records.back();
            if (!followsHour(p.month, p.day, p.hour, r.month, r.day, r.hour)) {
                error.text = QStringLiteral("%1/%2 hour %3").arg(r.month).arg(r.day).arg(r.hour);
                error.wanted = QStringLiteral("the hour after %1/%2 hour %3").arg(p.month).arg(p.day).arg(p.hour);
                return fail(ReadProblem::OutOfSequence, "Time", timeIndex);
            }
            dayOffset += p.month != r.month || p.day != r.day ? 1 : 0;
        } else {
            s.info.sourceYear = q.value(1).toInt();
        }
        const int weekday = weekdayFromName(q.value(6).toString());
        if (s.info.firstWeekday == 0 && weekday > 0)
            s.info.firstWeekday = ((weekday - 1 - dayOffset) % 7 + 7) % 7 + 1;
        recordOfTime.insert(timeIndex, records.size());
        records.push_back(r);
    }
    if (!finished(q, "Time", error))
        return failed();
    if (records.empty())
        return fail(ReadProblem::NoRecords, "Time", 0);

    if (!run(q, QStringLiteral("SELECT COUNT(*) FROM Time WHERE EnvironmentPeriodIndex <> ? AND IntervalType = ?"),
             {environment, kHourlyInterval}, "Time", error))
        return failed();
    s.info.otherRecords = q.next() ? q.value(0).toLongLong() : 0;

    // One pass over the chosen variables' values: the statement holds one bound "?" per id.
    std::vector<std::vector<double>> values(ids.size(), std::vector<double>(records.size(), kGap));
    QHash<qint64, std::vector<size_t>> columnsOfId;
    QVariantList bound;
    QStringList marks;
    for (size_t k = 0; k < ids.size(); ++k) {
        if (!columnsOfId.contains(ids[k])) {
            bound << ids[k];
            marks << QStringLiteral("?");
        }
        columnsOfId[ids[k]].push_back(k);
    }
    if (!ids.empty()) {
        if (!run(q, QStringLiteral("SELECT ReportDataIndex, TimeIndex, ReportDataDictionaryIndex, Value "
                                   "FROM ReportData WHERE ReportDataDictionaryIndex IN (%1)").arg(marks.join(u',')),
                 bound, "ReportData", error))
            return failed();
        while (q.next()) {
            const auto record = recordOfTime.constFind(q.value(1).toLongLong());
            if (record == recordOfTime.cend())
                continue;   // another environment
            const QVariant cell = q.value(3);
            double v = kGap;
            bool ok = cell.isNull();
            if (!ok)
                v = cell.toDouble(&ok);
            const std::vector<size_t> &columns = columnsOfId.value(q.value(2).toLongLong());
            if (!ok || !std::isfinite(v)) {
                error.column = s.names.at(qsizetype(columns.front()));
                error.text = cell.toString();
                return fail(ReadProblem::NotANumber, "ReportData", q.value(0).toLongLong());
            }
            for (size_t k : columns)
                values[k][*record] = v;
        }
        if (!finished(q, "ReportData", error))
            return failed();
    }

    s.columns.resize(ids.size());
    std::vector<double> row(ids.size());
    for (size_t i = 0; i < records.size(); ++i) {
        for (size_t k = 0; k < ids.size(); ++k)
            row[k] = values[k][i];
        appendRecord(s, records[i].month, records[i].day, records[i].hour - 1, row.data());
    }
    return s;
}

bool isSqliteFile(const QString &fileName)
{
    QFile file(fileName);
    static const QByteArray magic("SQLite format 3\0", 16);
    return file.open(QIODevice::ReadOnly) && file.read(magic.size()) == magic;
}

EnergyPlusListing listEnergyPlus(const QString &fileName)
{
    return isSqliteFile(fileName) ? listEnergyPlusSql(fileName) : listEnergyPlusCsv(fileName);
}

SourceSeries readEnergyPlus(const QString &fileName, const std::vector<int> &variables)
{
    return isSqliteFile(fileName) ? readEnergyPlusSql(fileName, variables) : readEnergyPlusCsv(fileName, variables);
}
