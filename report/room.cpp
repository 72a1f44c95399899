#include "report/room.h"

#include "comfort/delimitedtext.h"

#include <QLocale>

#include <cmath>

QString separatorText(ColumnSeparator s)
{
    // The enumeration follows the separator boxes' order.
    return separatorForIndex(int(s), QStringLiteral(";"));
}

RadiationInput defaultRadiationInput()
{
    RadiationInput r;
    r.room.W = 6.0;
    r.room.D = 6.0;
    r.room.H = 3.0;
    r.room.Xp = 3.0;
    r.room.Yp = 1.0;
    r.room.Zp = kSeatedHeight;
    return r;
}

HumidityParameters HumidityInput::balanceParameters() const
{
    HumidityParameters p = parameters;
    p.achSpring = springAirChange.value_or(0.0);
    p.hrSpring = springRecovery.value_or(0.0);
    return p;
}

QString RoomProblem::message(const TextTranslator &tr) const
{
    // A problem of the whole file has no key: its text starts with the first argument.
    QString m = translated(tr, text);
    if (!key.isEmpty())
        m = m.arg(key);
    for (const QString &a : args)
        m = m.arg(a);
    return m;
}

QString formatInputNumber(double value)
{
    const double a = std::fabs(value);
    // Fixed notation keeps "100000" whole; the exponent form only for the very small and large.
    const bool exponent = value != 0.0 && (a < 1e-4 || a >= 1e15);
    return QString::number(value, exponent ? 'g' : 'f', QLocale::FloatingPointShortest);
}

namespace {

std::optional<RoomProblem> outside(const QString &key, double v, const ValueRange &range)
{
    if (range.contains(v))
        return std::nullopt;
    return RoomProblem{key, QT_TRANSLATE_NOOP("Room", "%1: %2 lies outside the allowed range %3."),
                       {formatInputNumber(v), formatRange(range)}};
}

// The first problem of a list of checks, in their order.
std::optional<RoomProblem> first(std::initializer_list<std::optional<RoomProblem>> checks)
{
    for (const auto &c : checks)
        if (c)
            return c;
    return std::nullopt;
}

QString seasonKey(const char *group, Season s)
{
    return QString::fromLatin1(group) + (s == Winter ? QStringLiteral(".winter") : QStringLiteral(".summer"));
}

const char *const kSurfaceKeys[RoomSide::Count] = {"front", "back", "right", "left", "floor", "ceiling"};

}

std::optional<RoomProblem> checkDataPage(const DataPageInput &d)
{
    const CalendarDate &s = d.startDate;
    if (s.month < 1 || s.month > 12 || s.day < 1 || s.day > monthLength(s.month))
        return RoomProblem{QStringLiteral("timeAxis.startDate"),
                           QT_TRANSLATE_NOOP("Room", "%1: %2 is no date of the time axis "
                                                     "(dd.mm.yyyy; the axis knows no 29 February)."),
                           {formatDate(s)}};
    if (auto p = first({outside(QStringLiteral("timeAxis.interval"), d.interval, RoomRange::kInterval),
                        outside(QStringLiteral("timeAxis.startHour"), d.startHour, RoomRange::kStartHour),
                        outside(QStringLiteral("workingTime.from"), d.workFrom, RoomRange::kWorkingHour),
                        outside(QStringLiteral("workingTime.to"), d.workTo, RoomRange::kWorkingHour),
                        outside(QStringLiteral("summerModel.alpha"), d.alpha, RoomRange::kAlpha)}))
        return p;
    if (d.firstWeekday < 1 || d.firstWeekday > 7)
        return RoomProblem{QStringLiteral("timeAxis.firstWeekday"),
                           QT_TRANSLATE_NOOP("Room", "%1: %2 is no weekday (1 = Sunday ... 7 = Saturday)."),
                           {QString::number(d.firstWeekday)}};
    if (d.workTo - d.workFrom < d.interval)
        return RoomProblem{QStringLiteral("workingTime.to"),
                           QT_TRANSLATE_NOOP("Room", "%1: the working time from %2 to %3 h holds no "
                                                     "record of %4 h: it must end at least one data "
                                                     "interval after it starts."),
                           {QString::number(d.workFrom), QString::number(d.workTo),
                            formatInputNumber(d.interval)}};
    if (d.region == SummerRegion::None)
        return RoomProblem{QStringLiteral("summerModel.region"),
                           QT_TRANSLATE_NOOP("Room", "%1: a summer climate region A, B or C is needed.")};
    return std::nullopt;
}

std::optional<RoomProblem> checkDraught(const DraughtInput &d, Season s, bool complete)
{
    const QString key = seasonKey("draught", s);
    const std::tuple<const char *, const std::optional<double> &, ValueRange> fields[] = {
        {".airTemperature", d.airTemperature, kPhysicalTemperature},
        {".airVelocity", d.airVelocity, RoomRange::kAirVelocity},
        {".turbulence", d.turbulence, RoomRange::kTurbulence}};
    for (const auto &[name, value, range] : fields) {
        if (!value && complete && d.mechanical)
            return RoomProblem{key + QLatin1String(name),
                               QT_TRANSLATE_NOOP("Room", "%1: a number is needed with mechanical ventilation.")};
        if (!value)
            continue;
        if (auto p = outside(key + QLatin1String(name), *value, range))
            return p;
    }
    return std::nullopt;
}

std::optional<RoomProblem> checkRadiation(const RadiationInput &r, Season s)
{
    const QString key = seasonKey("radiation", s);
    for (int side = 0; side < RoomSide::Count; ++side) {
        const RoomSurfaceInput &surface = r.room.surface[side];
        const QString surfaceKey = key + QStringLiteral(".surfaces.") + QLatin1String(kSurfaceKeys[side]);
        if (auto p = outside(surfaceKey + QStringLiteral(".temperature"), surface.T, kPhysicalTemperature))
            return p;
        if (surface.hasArea)
            if (auto p = outside(surfaceKey + QStringLiteral(".area.temperature"), surface.Tarea,
                                 kPhysicalTemperature))
                return p;
    }
    const RoomGeometryCheck geometry = checkRoomGeometry(r.room);
    switch (geometry.problem) {
    case RoomGeometryProblem::None:
        return std::nullopt;
    case RoomGeometryProblem::NonPositiveDimension:
        return RoomProblem{key + QStringLiteral(".room"),
                           QT_TRANSLATE_NOOP("Room", "%1: width, depth and height must be greater than 0.")};
    case RoomGeometryProblem::OccupantNotInside:
        return RoomProblem{key + QStringLiteral(".position"),
                           QT_TRANSLATE_NOOP("Room", "%1: the occupant must stand inside the room "
                                                     "(0 < x < width, 0 < y < depth, 0 < height of "
                                                     "the evaluation point < room height).")};
    case RoomGeometryProblem::AreaDoesNotFit:
        break;
    }
    return RoomProblem{key + QStringLiteral(".surfaces.") + QLatin1String(kSurfaceKeys[geometry.side])
                           + QStringLiteral(".area"),
                       QT_TRANSLATE_NOOP("Room", "%1: the area does not fit on its surface: g1 + g2 "
                                                 "and z1 + z2 must be smaller than the surface's "
                                                 "sides, no distance negative.")};
}

std::optional<RoomProblem> checkHumidity(const HumidityInput &h)
{
    const HumidityParameters &p = h.parameters;
    const auto key = [](const char *name) { return QStringLiteral("humidity.") + QLatin1String(name); };
    const ValueRange anyNumber;
    std::optional<RoomProblem> spring;
    if (h.springAirChange)
        spring = outside(key("airChangeDuringOperation.spring"), *h.springAirChange, RoomRange::kNonNegative);
    if (!spring && h.springRecovery)
        spring = outside(key("humidityRecovery.spring"), *h.springRecovery, RoomRange::kRecovery);
    return first({outside(key("volume"), p.volume, RoomRange::kPositive),
                  outside(key("pressure"), p.pressure, RoomRange::kPositive),
                  outside(key("airChangeOutsideOperation"), p.achInfil, RoomRange::kNonNegative),
                  outside(key("persons"), p.persons, RoomRange::kNonNegative),
                  outside(key("smallPlants"), p.smallPlants, RoomRange::kNonNegative),
                  outside(key("bigPlants"), p.bigPlants, RoomRange::kNonNegative),
                  outside(key("otherSource"), p.otherSource, anyNumber),
                  outside(key("airChangeDuringOperation.winter"), p.achWinter, RoomRange::kNonNegative),
                  outside(key("airChangeDuringOperation.summer"), p.achSummer, RoomRange::kNonNegative),
                  outside(key("humidityRecovery.winter"), p.hrWinter, RoomRange::kRecovery),
                  outside(key("humidityRecovery.summer"), p.hrSummer, RoomRange::kRecovery), spring});
}

std::optional<RoomProblem> checkRoomValues(const Room &room, bool complete)
{
    if (auto p = outside(QStringLiteral("yearFile.headerLines"), room.year.headerLines, RoomRange::kHeaderLines))
        return p;
    if (auto p = checkDataPage(room.data))
        return p;
    for (Season s : {Winter, Summer})
        if (auto p = checkDraught(room.draught[s], s, complete))
            return p;
    for (Season s : {Winter, Summer})
        if (auto p = checkRadiation(room.radiation[s], s))
            return p;
    return checkHumidity(room.humidity);
}
