#include "report/roomassessment.h"

#include "assessment/yeardata.h"
#include "radiant/mrt.h"

#include <utility>

OperativeOutcome assessOperative(const DataPageInput &input, const YearSeries &year)
{
    OperativeAssessmentInput in;
    in.axis.rows = int(year.size());
    in.axis.start = input.startDate;
    in.axis.startHour = input.startHour;
    in.axis.interval = input.interval;
    in.axis.weekday = input.firstWeekday;
    in.axis.workStart = input.workFrom;
    in.axis.workEnd = input.workTo;
    in.axis.withWeekends = input.withWeekends;
    in.alpha = input.alpha;
    in.model = input.model;
    in.region = input.region;
    in.outdoorTemp = year.outdoorTemp;
    in.outdoorHumid = year.outdoorHumid;
    in.indoorTemp = year.indoorTemp;
    return {input, assessOperativeTemperature(in)};
}

DraughtOutcome assessDraught(const DraughtInput &input, Season season)
{
    DraughtOutcome o;
    o.input = input;
    const double scale = season == Summer ? 0.5 : 1.0;   // summer criterion: 10 of 20 points
    if (!input.mechanical) {
        o.points = 20.0 * scale;
        return o;
    }
    o.computed = true;
    o.rate = computeDraftRate(input.airTemperature.value_or(0.0), input.airVelocity.value_or(0.0),
                              input.turbulence.value_or(0.0), input.window);
    o.points = o.rate.points * scale;
    return o;
}

RadiationOutcome assessRadiation(const RadiationInput &input, bool summerScale)
{
    RadiationOutcome o;
    o.input = input;
    if (input.method == MrtMethod::Surface) {
        o.mrt = computeMrtSurface(input.room);
        return o;
    }
    std::array<double, RoomSide::Count> trSpc{};
    o.mrt = computeMrtPlane(input.room, trSpc, o.asymmetry);
    o.judged = true;
    o.verdicts = judgeAsymmetry(o.asymmetry, input.room);
    o.points = radiationPoints(o.verdicts, input.floorTemperatureInRange, summerScale);
    return o;
}

HumidityOutcome assessHumidity(const HumidityInput &input, const YearSeries &year,
                               const OperativeOutcome &operative)
{
    HumidityOutcome o;
    o.input = input;
    o.interval = operative.input.interval;
    const TimeAxis &axis = operative.result.axis;
    const SeasonMasks &masks = operative.result.masks;
    HumidityParameters p = input.balanceParameters();
    p.recordHours = o.interval;
    o.hourly = computeIndoorHumidity(year.outdoorTemp, year.indoorTemp, year.outdoorHumid,
                                     axis.workingTime, masks.winterHumid, masks.summerHumid, p);
    o.assessment = assessIndoorHumidity(o.hourly.rhIn, o.hourly.xIn, masks.winter, masks.summer);
    return o;
}

std::optional<RoomProblem> checkYearData(const DataPageInput &input, const YearSeries &year)
{
    if (year.size() == 0)
        return RoomProblem{QStringLiteral("data"), QT_TRANSLATE_NOOP("Room", "%1: the year data hold no record.")};
    const CellGaps gaps = yearSeriesGaps(year, 1);
    if (gaps.count > 0) {
        const auto [row, column] = gaps.first.front();
        return RoomProblem{QStringLiteral("data"),
                           QT_TRANSLATE_NOOP("Room", "%1: %2 cells of the year data hold no number, "
                                                     "the first in record %3, column %4."),
                           {QString::number(gaps.count), QString::number(row + 1), QString::number(column + 1)}};
    }
    TimeAxisInput axis;
    axis.rows = int(year.size());
    axis.start = input.startDate;
    axis.startHour = input.startHour;
    axis.interval = input.interval;
    SeasonMasks masks;
    PeriodBoundary missing;
    if (!buildSeasonMasks(generateTimeAxis(axis), masks, missing))
        return RoomProblem{QStringLiteral("data"),
                           QT_TRANSLATE_NOOP("Room", "%1: the year data hold no record for the "
                                                     "season boundary %2 %3:00."),
                           {formatDate(missing.date), QString::number(missing.hour)}};
    return std::nullopt;
}

RoomAssessment assessRoom(const Room &room, const YearSeries &year)
{
    RoomAssessment a;
    a.room = room;
    // Inputs first: a room that cannot be computed is named before anything runs.
    if ((a.problem = checkRoomValues(room, true)))
        return a;
    for (Season s : {Winter, Summer}) {
        a.draught[s] = assessDraught(room.draught[s], s);
        a.radiation[s] = assessRadiation(room.radiation[s], s == Summer);
    }
    if ((a.problem = checkYearData(room.data, year)))
        return a;
    OperativeOutcome operative = assessOperative(room.data, year);
    a.humidity = assessHumidity(room.humidity, year, operative);
    a.operative = std::move(operative);
    return a;
}
