#include "report/roomfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace {

// Names of the enumerated values, in the order of their enum.
const char *const kSeparators[] = {"semicolon", "comma", "space", "tab"};
const char *const kWeekdays[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
const char *const kModels[] = {"fixed26", "adaptive", "nationalAnnex", "din4108"};
const char *const kRegions[] = {"A", "B", "C"};
const char *const kPostures[] = {"standing", "seated", "other"};
const char *const kMethods[] = {"plane", "surface"};
const char *const kSurfaces[] = {"front", "back", "right", "left", "floor", "ceiling"};
const char *const kSeasons[] = {"winter", "summer"};
const char *const kCriteria[] = {"operativeTemperature", "draught", "radiation", "humidity"};

template<size_t N>
int indexOf(const char *const (&names)[N], const QString &name)
{
    for (size_t i = 0; i < N; ++i)
        if (name == QLatin1String(names[i]))
            return int(i);
    return -1;
}

template<size_t N>
QString namesList(const char *const (&names)[N])
{
    QStringList l;
    for (const char *n : names)
        l << QStringLiteral("\"%1\"").arg(QLatin1String(n));
    return l.join(QStringLiteral(", "));
}

// Walks the JSON objects of a room file: each read names the key it reads, so that unknown keys
// can be listed afterwards, and the first wrong value stops the reading with its key.
class Reader
{
public:
    std::optional<RoomProblem> error;
    QStringList unknown;

    // The object under `key` of `parent` (an empty one when missing); nullptr after an error.
    struct Scope {
        QJsonObject object;
        QString path;
        QStringList known;
    };

    void finish(const Scope &scope)
    {
        for (const QString &k : scope.object.keys())
            if (!scope.known.contains(k))
                unknown << join(scope.path, k);
    }

    Scope child(Scope &parent, const char *key)
    {
        Scope s{{}, join(parent.path, QLatin1String(key)), {}};
        const QJsonValue v = take(parent, key);
        if (v.isUndefined() || error)
            return s;
        if (!v.isObject())
            fail(s.path, QT_TRANSLATE_NOOP("Room", "%1: an object { ... } is expected here."));
        else
            s.object = v.toObject();
        return s;
    }

    void number(Scope &scope, const char *key, double &value)
    {
        const QJsonValue v = take(scope, key);
        if (v.isUndefined() || error)
            return;
        if (!v.isDouble())
            return expected(scope, key, QT_TRANSLATE_NOOP("Room", "%1: a number is expected, not %2."), v);
        value = v.toDouble();
    }

    // null: not entered.
    void optionalNumber(Scope &scope, const char *key, std::optional<double> &value)
    {
        const QJsonValue v = scope.object.value(QLatin1String(key));
        if (v.isNull() && !error) {
            take(scope, key);
            value.reset();
            return;
        }
        double d = value.value_or(0.0);
        const bool present = !v.isUndefined();
        number(scope, key, d);
        if (present && !error)
            value = d;
    }

    void integer(Scope &scope, const char *key, int &value)
    {
        const QJsonValue v = scope.object.value(QLatin1String(key));
        double d = value;
        number(scope, key, d);
        if (error || v.isUndefined())
            return;
        if (d != std::floor(d) || std::fabs(d) > 1e9)
            return fail(join(scope.path, QLatin1String(key)),
                        QT_TRANSLATE_NOOP("Room", "%1: a whole number is expected, not %2."),
                        {formatInputNumber(d)});
        value = int(d);
    }

    void boolean(Scope &scope, const char *key, bool &value)
    {
        const QJsonValue v = take(scope, key);
        if (v.isUndefined() || error)
            return;
        if (!v.isBool())
            return expected(scope, key, QT_TRANSLATE_NOOP("Room", "%1: true or false is expected, not %2."), v);
        value = v.toBool();
    }

    bool string(Scope &scope, const char *key, QString &value)
    {
        const QJsonValue v = take(scope, key);
        if (v.isUndefined() || error)
            return false;
        if (!v.isString()) {
            expected(scope, key, QT_TRANSLATE_NOOP("Room", "%1: a text in quotes is expected, not %2."), v);
            return false;
        }
        value = v.toString();
        return true;
    }

    template<typename E, size_t N>
    void choice(Scope &scope, const char *key, const char *const (&names)[N], E &value)
    {
        QString name;
        if (!string(scope, key, name))
            return;
        const int i = indexOf(names, name);
        if (i < 0)
            return fail(join(scope.path, QLatin1String(key)),
                        QT_TRANSLATE_NOOP("Room", "%1: \"%2\" is not one of %3."), {name, namesList(names)});
        value = E(i);
    }

    void fail(const QString &key, const char *text, const QStringList &args = {})
    {
        if (!error)
            error = RoomProblem{key, text, args};
    }

    static QString join(const QString &path, const QString &key)
    {
        return path.isEmpty() ? key : path + QLatin1Char('.') + key;
    }

private:
    QJsonValue take(Scope &scope, const char *key)
    {
        scope.known << QLatin1String(key);
        return scope.object.value(QLatin1String(key));
    }

    void expected(Scope &scope, const char *key, const char *text, const QJsonValue &v)
    {
        QString what;
        switch (v.type()) {
        case QJsonValue::Null: what = QStringLiteral("null"); break;
        case QJsonValue::Bool: what = v.toBool() ? QStringLiteral("true") : QStringLiteral("false"); break;
        case QJsonValue::Double: what = formatInputNumber(v.toDouble()); break;
        case QJsonValue::String: what = QStringLiteral("\"%1\"").arg(v.toString().left(40)); break;
        case QJsonValue::Array: what = QStringLiteral("[ ... ]"); break;
        default: what = QStringLiteral("{ ... }"); break;
        }
        fail(join(scope.path, QLatin1String(key)), text, {what});
    }
};

void readYear(Reader &r, Reader::Scope &top, Room &room)
{
    Reader::Scope y = r.child(top, "yearFile");
    r.choice(y, "separator", kSeparators, room.year.separator);
    r.integer(y, "headerLines", room.year.headerLines);
    r.finish(y);

    DataPageInput &d = room.data;
    Reader::Scope t = r.child(top, "timeAxis");
    r.number(t, "interval", d.interval);
    QString date;
    if (r.string(t, "startDate", date)) {
        // dd.mm.yyyy exactly: the axis reads it by fields, a typo must not become 01.01.2011.
        const QStringList parts = date.split(QLatin1Char('.'));
        bool ok = parts.size() == 3;
        int fields[3] = {0, 0, 0};
        for (int i = 0; ok && i < 3; ++i)
            fields[i] = parts[i].toInt(&ok);
        if (ok)
            d.startDate = {fields[0], fields[1], fields[2]};
        else
            r.fail(Reader::join(t.path, QStringLiteral("startDate")),
                   QT_TRANSLATE_NOOP("Room", "%1: \"%2\" is no date dd.mm.yyyy."), {date});
    }
    r.integer(t, "startHour", d.startHour);
    int weekday = d.firstWeekday - 1;
    r.choice(t, "firstWeekday", kWeekdays, weekday);
    d.firstWeekday = weekday + 1;
    r.finish(t);

    Reader::Scope w = r.child(top, "workingTime");
    r.integer(w, "from", d.workFrom);
    r.integer(w, "to", d.workTo);
    r.boolean(w, "withWeekends", d.withWeekends);
    r.finish(w);

    Reader::Scope m = r.child(top, "summerModel");
    r.choice(m, "model", kModels, d.model);
    int region = int(d.region) - 1;
    r.choice(m, "region", kRegions, region);
    d.region = SummerRegion(region + 1);
    r.number(m, "alpha", d.alpha);
    r.boolean(m, "dinCompliance", d.dinCompliance);
    r.finish(m);
}

void readDraught(Reader &r, Reader::Scope &top, Room &room)
{
    Reader::Scope draught = r.child(top, "draught");
    for (Season s : {Winter, Summer}) {
        DraughtInput &d = room.draught[s];
        Reader::Scope season = r.child(draught, kSeasons[s]);
        r.boolean(season, "mechanicalVentilation", d.mechanical);
        r.boolean(season, "windowVentilation", d.window);
        r.optionalNumber(season, "airTemperature", d.airTemperature);
        r.optionalNumber(season, "airVelocity", d.airVelocity);
        r.optionalNumber(season, "turbulence", d.turbulence);
        r.finish(season);
    }
    r.finish(draught);
}

void readRadiation(Reader &r, Reader::Scope &top, Room &room)
{
    Reader::Scope radiation = r.child(top, "radiation");
    for (Season s : {Winter, Summer}) {
        RadiationInput &in = room.radiation[s];
        Reader::Scope page = r.child(radiation, kSeasons[s]);
        Reader::Scope size = r.child(page, "room");
        r.number(size, "width", in.room.W);
        r.number(size, "depth", in.room.D);
        r.number(size, "height", in.room.H);
        r.finish(size);
        Reader::Scope position = r.child(page, "position");
        r.number(position, "x", in.room.Xp);
        r.number(position, "y", in.room.Yp);
        r.choice(position, "posture", kPostures, in.posture);
        r.number(position, "height", in.room.Zp);
        r.finish(position);
        if (in.posture != Posture::Other)
            in.room.Zp = in.posture == Posture::Standing ? kStandingHeight : kSeatedHeight;
        r.choice(page, "method", kMethods, in.method);
        r.boolean(page, "floorTemperatureInRange", in.floorTemperatureInRange);
        Reader::Scope surfaces = r.child(page, "surfaces");
        for (int side = 0; side < RoomSide::Count; ++side) {
            RoomSurfaceInput &sf = in.room.surface[side];
            Reader::Scope surface = r.child(surfaces, kSurfaces[side]);
            r.number(surface, "temperature", sf.T);
            Reader::Scope area = r.child(surface, "area");
            r.boolean(area, "present", sf.hasArea);
            r.number(area, "temperature", sf.Tarea);
            r.number(area, "g1", sf.g1);
            r.number(area, "g2", sf.g2);
            r.number(area, "z1", sf.z1);
            r.number(area, "z2", sf.z2);
            r.finish(area);
            r.finish(surface);
        }
        r.finish(surfaces);
        r.finish(page);
    }
    r.finish(radiation);
}

void readHumidity(Reader &r, Reader::Scope &top, Room &room)
{
    HumidityParameters &p = room.humidity.parameters;
    Reader::Scope h = r.child(top, "humidity");
    r.number(h, "volume", p.volume);
    r.number(h, "pressure", p.pressure);
    r.number(h, "airChangeOutsideOperation", p.achInfil);
    r.number(h, "persons", p.persons);
    r.number(h, "smallPlants", p.smallPlants);
    r.number(h, "bigPlants", p.bigPlants);
    r.number(h, "otherSource", p.otherSource);
    Reader::Scope ach = r.child(h, "airChangeDuringOperation");
    r.number(ach, "winter", p.achWinter);
    r.number(ach, "summer", p.achSummer);
    r.optionalNumber(ach, "spring", room.humidity.springAirChange);
    r.finish(ach);
    Reader::Scope hr = r.child(h, "humidityRecovery");
    r.number(hr, "winter", p.hrWinter);
    r.number(hr, "summer", p.hrSummer);
    r.optionalNumber(hr, "spring", room.humidity.springRecovery);
    r.finish(hr);
    r.finish(h);
}

void readReport(Reader &r, Reader::Scope &top, Room &room)
{
    Reader::Scope report = r.child(top, "report");
    for (Season s : {Winter, Summer}) {
        Reader::Scope season = r.child(report, kSeasons[s]);
        for (int c = 0; c < 4; ++c)
            r.boolean(season, kCriteria[c], room.chapters[size_t(s * 4 + c)]);
        r.finish(season);
    }
    r.finish(report);
}

// 1-based line and column of a byte offset.
QString place(const QByteArray &text, int offset)
{
    offset = std::clamp(offset, 0, int(text.size()));
    const QByteArray before = text.left(offset);
    const int line = int(before.count('\n')) + 1;
    const int column = offset - int(before.lastIndexOf('\n'));
    return QStringLiteral("line %1, column %2").arg(line).arg(column);
}

// ---- writing ----------------------------------------------------------------------------

// A JSON text with the keys in the order they are written (QJsonObject would sort them).
class Writer
{
public:
    QByteArray out;

    void begin(const char *key = nullptr) { item(key); out += "{"; ++depth; first = true; }
    void end()
    {
        --depth;
        out += '\n' + QByteArray(depth * 4, ' ') + '}';
        first = false;
    }
    void number(const char *key, double v) { item(key); out += formatInputNumber(v).toLatin1(); }
    void optionalNumber(const char *key, const std::optional<double> &v)
    {
        if (v)
            number(key, *v);
        else
            raw(key, "null");
    }
    void boolean(const char *key, bool v) { raw(key, v ? "true" : "false"); }
    void string(const char *key, const QString &v)
    {
        item(key);
        // A one-element array is the shortest way to Qt's own string escaping.
        const QByteArray array = QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact);
        out += array.mid(1, array.size() - 2);
    }

private:
    void raw(const char *key, const char *v) { item(key); out += v; }
    void item(const char *key)
    {
        if (depth > 0) {
            out += first ? "\n" : ",\n";
            out += QByteArray(depth * 4, ' ');
        }
        first = false;
        if (key)
            out += '"' + QByteArray(key) + "\": ";
    }
    int depth = 0;
    bool first = true;
};

}

RoomFileRead parseRoomFile(const QByteArray &text)
{
    RoomFileRead result;
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(text, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        result.error = {place(text, parseError.offset),
                        QT_TRANSLATE_NOOP("Room", "%1: this is no JSON text (%2)."),
                        {parseError.errorString()}};
        return result;
    }
    if (!doc.isObject()) {
        result.error = {QStringLiteral("line 1"), QT_TRANSLATE_NOOP("Room", "%1: a room file is one JSON object { ... }.")};
        return result;
    }
    Reader r;
    Reader::Scope top{doc.object(), QString(), {}};
    QString format;
    r.string(top, "format", format);
    if (!r.error && format != QLatin1String(kRoomFileFormat))
        r.fail(QStringLiteral("format"),
               QT_TRANSLATE_NOOP("Room", "%1: \"%2\" is expected: this is no room file."),
               {QLatin1String(kRoomFileFormat)});
    int version = 0;
    r.integer(top, "version", version);
    if (!r.error && version != kRoomFileVersion)
        r.fail(QStringLiteral("version"),
               QT_TRANSLATE_NOOP("Room", "%1: version %2 cannot be read; this program reads version %3."),
               {QString::number(version), QString::number(kRoomFileVersion)});

    Room room;
    const QJsonValue data = top.object.value(QStringLiteral("data"));
    if (!data.isNull())
        r.string(top, "data", room.year.file);
    else
        top.known << QStringLiteral("data");
    readYear(r, top, room);
    readDraught(r, top, room);
    readRadiation(r, top, room);
    readHumidity(r, top, room);
    readReport(r, top, room);
    r.finish(top);
    if (!r.error)
        r.error = checkRoomValues(room);
    if (r.error) {
        result.error = *r.error;
        return result;
    }
    result.room = room;
    result.unknownKeys = r.unknown;
    return result;
}

RoomFileRead readRoomFile(const QString &path)
{
    RoomFileRead result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = {QString(), QT_TRANSLATE_NOOP("Room", "The file cannot be read: %1."), {file.errorString()}};
        return result;
    }
    if (file.size() > kRoomFileMaxBytes) {
        result.error = {QString(), QT_TRANSLATE_NOOP("Room", "The file holds %1 bytes; a room file holds "
                                                             "at most %2: this is no room file."),
                        {QString::number(file.size()), QString::number(kRoomFileMaxBytes)}};
        return result;
    }
    return parseRoomFile(file.read(kRoomFileMaxBytes));
}

QByteArray roomFileText(const Room &room)
{
    Writer w;
    w.begin();
    w.string("format", QLatin1String(kRoomFileFormat));
    w.number("version", kRoomFileVersion);
    w.string("data", room.year.file);
    w.begin("yearFile");
    w.string("separator", QLatin1String(kSeparators[int(room.year.separator)]));
    w.number("headerLines", room.year.headerLines);
    w.end();

    const DataPageInput &d = room.data;
    w.begin("timeAxis");
    w.number("interval", d.interval);
    w.string("startDate", formatDate(d.startDate));
    w.number("startHour", d.startHour);
    w.string("firstWeekday", QLatin1String(kWeekdays[std::clamp(d.firstWeekday, 1, 7) - 1]));
    w.end();
    w.begin("workingTime");
    w.number("from", d.workFrom);
    w.number("to", d.workTo);
    w.boolean("withWeekends", d.withWeekends);
    w.end();
    w.begin("summerModel");
    w.string("model", QLatin1String(kModels[int(d.model)]));
    w.string("region", QLatin1String(kRegions[std::clamp(int(d.region), 1, 3) - 1]));
    w.number("alpha", d.alpha);
    w.boolean("dinCompliance", d.dinCompliance);
    w.end();

    w.begin("draught");
    for (Season s : {Winter, Summer}) {
        const DraughtInput &in = room.draught[s];
        w.begin(kSeasons[s]);
        w.boolean("mechanicalVentilation", in.mechanical);
        w.boolean("windowVentilation", in.window);
        w.optionalNumber("airTemperature", in.airTemperature);
        w.optionalNumber("airVelocity", in.airVelocity);
        w.optionalNumber("turbulence", in.turbulence);
        w.end();
    }
    w.end();

    w.begin("radiation");
    for (Season s : {Winter, Summer}) {
        const RadiationInput &in = room.radiation[s];
        w.begin(kSeasons[s]);
        w.begin("room");
        w.number("width", in.room.W);
        w.number("depth", in.room.D);
        w.number("height", in.room.H);
        w.end();
        w.begin("position");
        w.number("x", in.room.Xp);
        w.number("y", in.room.Yp);
        w.string("posture", QLatin1String(kPostures[int(in.posture)]));
        w.number("height", in.room.Zp);
        w.end();
        w.string("method", QLatin1String(kMethods[int(in.method)]));
        w.boolean("floorTemperatureInRange", in.floorTemperatureInRange);
        w.begin("surfaces");
        for (int side = 0; side < RoomSide::Count; ++side) {
            const RoomSurfaceInput &sf = in.room.surface[side];
            w.begin(kSurfaces[side]);
            w.number("temperature", sf.T);
            w.begin("area");
            w.boolean("present", sf.hasArea);
            w.number("temperature", sf.Tarea);
            w.number("g1", sf.g1);
            w.number("g2", sf.g2);
            w.number("z1", sf.z1);
            w.number("z2", sf.z2);
            w.end();
            w.end();
        }
        w.end();
        w.end();
    }
    w.end();

    const HumidityParameters &p = room.humidity.parameters;
    w.begin("humidity");
    w.number("volume", p.volume);
    w.number("pressure", p.pressure);
    w.number("airChangeOutsideOperation", p.achInfil);
    w.number("persons", p.persons);
    w.number("smallPlants", p.smallPlants);
    w.number("bigPlants", p.bigPlants);
    w.number("otherSource", p.otherSource);
    w.begin("airChangeDuringOperation");
    w.number("winter", p.achWinter);
    w.number("summer", p.achSummer);
    w.optionalNumber("spring", room.humidity.springAirChange);
    w.end();
    w.begin("humidityRecovery");
    w.number("winter", p.hrWinter);
    w.number("summer", p.hrSummer);
    w.optionalNumber("spring", room.humidity.springRecovery);
    w.end();
    w.end();

    w.begin("report");
    for (Season s : {Winter, Summer}) {
        w.begin(kSeasons[s]);
        for (int c = 0; c < 4; ++c)
            w.boolean(kCriteria[c], room.chapters[size_t(s * 4 + c)]);
        w.end();
    }
    w.end();
    w.end();
    return w.out + '\n';
}

QString roomDataPath(const QString &roomFilePath, const Room &room)
{
    if (room.year.file.isEmpty())
        return QString();
    return QDir::cleanPath(QFileInfo(roomFilePath).absoluteDir().absoluteFilePath(room.year.file));
}

QString relativeDataPath(const QString &roomFilePath, const QString &dataPath)
{
    if (dataPath.isEmpty())
        return QString();
    return QFileInfo(roomFilePath).absoluteDir().relativeFilePath(QFileInfo(dataPath).absoluteFilePath());
}
