#include "report/assessmenttexts.h"

#include <QTextStream>
#include <QXmlStreamWriter>

#include <cmath>

namespace {

// DIN 4108-2: at most 500 K·h above the region's limit temperature.
constexpr double kDinDegreeHourLimit = 500.0;
// A justified summer compliance scores at least 10 points (10 less a small tolerance, as the
// rating system's other limits).
constexpr double kJustifiedFloor = 9.9991;

QString word(const TextTranslator &tr, const char *source)
{
    return translated(tr, source);
}

QString verdictText(bool pass, const TextTranslator &tr)
{
    return pass ? word(tr, QT_TRANSLATE_NOOP("Assessment", "Pass"))
                : word(tr, QT_TRANSLATE_NOOP("Assessment", "Fail"));
}

QString notAvailable(const TextTranslator &tr)
{
    return word(tr, QT_TRANSLATE_NOOP("Assessment", "N.A"));
}

// Distribution and outside cells of a result array at the data interval dt [h]; slots 8, 9 and
// 11 are the same in winter and summer: total, rows outside, degree-rows.
OperativePageTexts operativeCells(const ResultArray &r, double dt, const TextTranslator &tr)
{
    OperativePageTexts t;
    for (int c = 0; c <= WinterSlot::Total; ++c)
        t.distribution << shownNumber(r[c] * dt, 1, tr);
    t.outside << shownNumber(r[WinterSlot::Outside] * dt, 1, tr)
              << shownNumber(r[WinterSlot::Outside] / r[WinterSlot::Total] * 100.0, 1, tr)
              << shownNumber(r[WinterSlot::DegreeRows] * dt, 1, tr);
    return t;
}

vstring toVstring(const QStringList &l)
{
    vstring v;
    v.reserve(size_t(l.size()));
    for (const QString &s : l)
        v.push_back(s.toStdString());
    return v;
}

std::string optionalNumber(const std::optional<double> &v, const char *none = "")
{
    return v ? formatInputNumber(*v).toStdString() : std::string(none);
}

std::string number(double v)
{
    return formatInputNumber(v).toStdString();
}

ReportRows operativeRows(const OperativeOutcome &o, Season season, bool dinCompliance,
                         const TextTranslator &words)
{
    const OperativePageTexts t = season == Winter ? winterPageTexts(o.winter(), o.input.interval, words)
                                                  : summerPageTexts(o.summer(), o.input, dinCompliance, words);
    ReportRows rows;
    if (season == Summer) {
        const DataPageInput &d = o.input;
        rows.push_back({summerModelName(d.model, words).toStdString(),
                        (d.model == SummerModel::Din4108
                             ? summerRegionText(d.region, words)
                             : word(words, QT_TRANSLATE_NOOP("Assessment", "N/A"))).toStdString()});
        rows.push_back({std::to_string(d.workFrom) + ":00 h", std::to_string(d.workTo) + ":00 h",
                        d.withWeekends ? "yes" : "no"});
    }
    rows.push_back(toVstring(t.distribution));
    rows.push_back(toVstring(t.outside));
    rows.push_back({t.points.toStdString()});
    return rows;
}

ReportRows draughtRows(const DraughtOutcome &o, const TextTranslator &words)
{
    const auto yesNo = [&words](bool b) {
        return (b ? word(words, QT_TRANSLATE_NOOP("Assessment", "Yes"))
                  : word(words, QT_TRANSLATE_NOOP("Assessment", "No"))).toStdString();
    };
    const DraughtTexts t = draughtTexts(o, words);
    return {{yesNo(o.input.mechanical)},
            {yesNo(o.input.window)},
            {optionalNumber(o.input.airTemperature), optionalNumber(o.input.airVelocity),
             optionalNumber(o.input.turbulence)},
            {t.rate.toStdString(), t.verdict.toStdString()},
            {t.points.toStdString()}};
}

ReportRows radiationRows(const RadiationOutcome &o, const TextTranslator &words)
{
    const RoomRadiantInput &r = o.input.room;
    ReportRows rows{{number(r.W), number(r.D), number(r.H)}, {number(r.Xp), number(r.Yp), number(r.Zp)}};
    // Front, back, right, left wall, floor, ceiling: the surface, and its window or heated or
    // cooled area when there is one.
    for (int side : {RoomSide::Front, RoomSide::Back, RoomSide::Right, RoomSide::Left,
                     RoomSide::Floor, RoomSide::Ceiling}) {
        const RoomSurfaceInput &s = r.surface[side];
        rows.push_back({number(s.T), s.hasArea ? number(s.Tarea)
                                               : word(words, QT_TRANSLATE_NOOP("Assessment", "Not defined"))
                                                     .toStdString()});
    }
    const RadiationTexts t = radiationTexts(o, words);
    for (int pair = 0; pair < 3; ++pair)
        rows.push_back({t.pd[size_t(pair)].toStdString(), t.verdict[size_t(pair)].toStdString()});
    rows.push_back({t.points.toStdString()});
    return rows;
}

// The room data are the same for both seasons; the winter chapter shows the relative, the
// summer chapter the absolute humidity distribution.
ReportRows humidityRows(const HumidityOutcome &o, Season season, const TextTranslator &words)
{
    const HumidityParameters &p = o.input.parameters;
    const HumidityPageTexts t = humidityPageTexts(o, season, words);
    const QStringList &distribution = season == Winter ? t.relativeHumidity : t.humidityRatio;
    return {{number(p.volume), number(p.achInfil), number(p.achWinter),
             optionalNumber(o.input.springAirChange, "-"), number(p.achSummer), number(p.persons),
             number(p.otherSource)},
            {number(p.bigPlants), number(p.smallPlants), number(p.hrWinter),
             optionalNumber(o.input.springRecovery, "-"), number(p.hrSummer), number(p.pressure)},
            toVstring(distribution),
            season == Winter ? vstring{t.below.toStdString(), t.belowShare.toStdString()}
                             : vstring{t.above.toStdString(), t.aboveShare.toStdString()},
            {t.points.toStdString()}};
}

}

QString shownNumber(double value, int decimals, const TextTranslator &tr)
{
    if (!std::isfinite(value))
        return notAvailable(tr);
    return QString::number(value, 'f', decimals);
}

QString summerModelName(SummerModel model, const TextTranslator &tr)
{
    switch (model) {
    case SummerModel::AdaptiveEN:
        return word(tr, QT_TRANSLATE_NOOP("Assessment", "Adaptive model (DIN EN 15251)"));
    case SummerModel::NationalAnnex:
        return word(tr, QT_TRANSLATE_NOOP("Assessment", "National annex (DIN EN 15251)"));
    case SummerModel::Din4108:
        return word(tr, QT_TRANSLATE_NOOP("Assessment", "DIN 4108-2"));
    case SummerModel::Fixed26:
        break;
    }
    return word(tr, QT_TRANSLATE_NOOP("Assessment", "26 °C"));
}

QString summerRegionText(SummerRegion region, const TextTranslator &tr)
{
    switch (region) {
    case SummerRegion::A:
        return word(tr, QT_TRANSLATE_NOOP("Assessment", "Summer Region A"));
    case SummerRegion::B:
        return word(tr, QT_TRANSLATE_NOOP("Assessment", "Summer Region B"));
    case SummerRegion::C:
        return word(tr, QT_TRANSLATE_NOOP("Assessment", "Summer Region C"));
    case SummerRegion::None:
        break;
    }
    return QString();
}

OperativePageTexts winterPageTexts(const ResultArray &w, double interval, const TextTranslator &tr)
{
    OperativePageTexts t = operativeCells(w, interval, tr);
    t.points = w[WinterSlot::Total] > 0 ? shownNumber(w[WinterSlot::Points], 1, tr) : notAvailable(tr);
    return t;
}

OperativePageTexts summerPageTexts(const ResultArray &s, const DataPageInput &in, bool dinCompliance,
                                   const TextTranslator &tr)
{
    const double dt = in.interval;
    OperativePageTexts t = operativeCells(s, dt, tr);
    if (!(s[SummerSlot::Total] > 0))
        t.points = notAvailable(tr);
    else if (in.model == SummerModel::Din4108)
        t.points = s[SummerSlot::DegreeRows] * dt < kDinDegreeHourLimit
                       ? word(tr, QT_TRANSLATE_NOOP("Assessment", "complied"))
                       : word(tr, QT_TRANSLATE_NOOP("Assessment", "not complied"));
    else if (!dinCompliance)
        t.points = QStringLiteral("0");
    else if (s[SummerSlot::Points] < kJustifiedFloor)
        t.points = QStringLiteral("10");
    else
        t.points = shownNumber(s[SummerSlot::Points], 1, tr);
    return t;
}

DraughtTexts draughtTexts(const DraughtOutcome &o, const TextTranslator &tr)
{
    DraughtTexts t;
    if (o.computed) {
        t.rate = QString::number(o.rate.dr, 'f', 2);
        t.verdict = verdictText(o.rate.fulfilled, tr);
    }
    t.points = QString::number(o.points, 'f', 0);
    return t;
}

RadiationTexts radiationTexts(const RadiationOutcome &o, const TextTranslator &tr)
{
    RadiationTexts t;
    t.mrt = formatFixed(o.mrt);
    if (!o.judged) {
        t.asymmetry.fill(notAvailable(tr));
        t.pd.fill(notAvailable(tr));
        t.verdict.fill(notAvailable(tr));
        t.points = notAvailable(tr);
        return t;
    }
    const AsymmetryResult &a = o.asymmetry;
    t.asymmetry = {formatFixed(a.dtFrontBack), formatFixed(a.dtLeftRight), formatFixed(a.dtFloorCeiling)};
    t.pd = {formatFixed(a.pdFrontBack), formatFixed(a.pdLeftRight), formatFixed(a.pdFloorCeiling)};
    t.verdict = {verdictText(o.verdicts.frontBack, tr), verdictText(o.verdicts.leftRight, tr),
                 verdictText(o.verdicts.floorCeiling, tr)};
    t.points = QString::number(o.points);
    return t;
}

HumidityPageTexts humidityPageTexts(const HumidityOutcome &o, Season season, const TextTranslator &tr)
{
    using namespace HumiditySlot;
    const HumidityAssessment &a = o.assessment;
    const bool summer = season == Summer;
    const double dt = o.interval;
    HumidityPageTexts t;
    for (double v : summer ? a.rhSummer : a.rhWinter)
        t.relativeHumidity << shownNumber(v * dt, 1, tr);
    for (double v : summer ? a.xSummer : a.xWinter)
        t.humidityRatio << shownNumber(v * dt, 1, tr);
    const auto &s = a.summary;
    const double above = s[summer ? SummerAbove : WinterAbove];
    const double below = s[summer ? SummerBelow : WinterBelow];
    const double total = s[summer ? SummerRhTotal : WinterRhTotal];
    // Records times the interval: hours, as the distributions.
    t.above = shownNumber(above * dt, 1, tr);
    t.below = shownNumber(below * dt, 1, tr);
    t.aboveShare = shownNumber(above / total * 100.0, 1, tr);
    t.belowShare = shownNumber(below / total * 100.0, 1, tr);
    t.points = shownNumber(s[summer ? SummerPoints : WinterPoints], 1, tr);
    return t;
}

std::vector<QStringList> humidityHourlyRows(const YearSeries &year, const IndoorHumidity &h)
{
    struct Column {
        const std::vector<double> &values;
        int decimals;
    };
    const Column columns[10] = {{year.outdoorTemp, 2}, {year.outdoorHumid, 2}, {h.ahOut, 2},
                                {h.xOut, 5},           {h.mprod, 2},        {h.ach, 2},
                                {year.indoorTemp, 2},  {h.rhIn, 2},         {h.xIn, 7},
                                {h.ahIn, 2}};
    std::vector<QStringList> rows(year.outdoorTemp.size());
    for (size_t r = 0; r < rows.size(); ++r) {
        QStringList &row = rows[r];
        row.reserve(10);
        for (const Column &col : columns)
            row << (r < col.values.size() ? QString::number(col.values[r], 'f', col.decimals) : QString());
    }
    return rows;
}

QStringList humidityHourlyHeaders()
{
    return {QStringLiteral("Ta_out\n(°C)"), QStringLiteral("RH_out\n(%)"), QStringLiteral("AH_out\n[g/m³]"),
            QStringLiteral("AH_ratio_out\n[kg/kg]"), QStringLiteral("Mprod\n[g/h]"),
            QStringLiteral("ACH\n(1/h)"), QStringLiteral("Ta_in\n(°C)"), QStringLiteral("RH_in\n(%)"),
            QStringLiteral("AH_ratio_in\n[kg/kg]"), QStringLiteral("AH_in\n[g/m³]")};
}

void writeHumidityCsv(QTextStream &out, const std::vector<QStringList> &rows)
{
    out << "Humidity output generated by Klimaro v0.3\n";
    for (QString title : humidityHourlyHeaders())
        out << title.remove(QLatin1Char('\n')) << ';';
    out << '\n';
    for (const QStringList &row : rows) {
        for (const QString &cell : row)
            out << cell << ';';
        out << '\n';
    }
}

std::vector<QStringList> yearTableRows(const YearSeries &year, const std::vector<double> &runningMean)
{
    const bool withMean = !runningMean.empty();
    std::vector<QStringList> rows(year.size());
    for (size_t r = 0; r < rows.size(); ++r) {
        rows[r].reserve(withMean ? 4 : 3);
        rows[r] << formatFixed(year.outdoorTemp[r]) << formatFixed(year.outdoorHumid[r])
                << formatFixed(year.indoorTemp[r]);
        if (withMean)
            rows[r] << formatFixed(r < runningMean.size() ? runningMean[r] : kNoRunningMean);
    }
    return rows;
}

std::optional<ReportRows> chapterRows(const RoomAssessment &a, ReportChapter chapter,
                                      const TextTranslator &words)
{
    const Season season = chapterSeason(chapter);
    switch (chapter) {
    case ReportChapter::WinterOperativeTemperature:
    case ReportChapter::SummerOperativeTemperature:
        if (!a.operative)
            return std::nullopt;
        return operativeRows(*a.operative, season, a.room.data.dinCompliance, words);
    case ReportChapter::WinterDraught:
    case ReportChapter::SummerDraught:
        if (!a.draught[season])
            return std::nullopt;
        return draughtRows(*a.draught[season], words);
    case ReportChapter::WinterRadiation:
    case ReportChapter::SummerRadiation:
        if (!a.radiation[season])
            return std::nullopt;
        return radiationRows(*a.radiation[season], words);
    case ReportChapter::WinterHumidity:
    case ReportChapter::SummerHumidity:
        if (!a.humidity)
            return std::nullopt;
        return humidityRows(*a.humidity, season, words);
    }
    return std::nullopt;
}

void writeRoomReport(QXmlStreamWriter &xml, const RoomAssessment &a, const TextTranslator &titles,
                     const TextTranslator &words)
{
    beginReport(xml);
    for (int c = 0; c < kReportChapters; ++c) {
        if (!a.room.chapters[size_t(c)])
            continue;
        if (const auto rows = chapterRows(a, ReportChapter(c), words))
            writeChapter(xml, ReportChapter(c), *rows, titles);
    }
    endReport(xml);
}
