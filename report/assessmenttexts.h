// The texts of the assessment's results as the window's pages, the report and the command-line
// tool show them: the one place where a value of the assessment gets its decimals, its words
// ("Pass", "complied", "N.A", ...) and its points rule. Words are English source texts of the
// translation context "Assessment"; the caller passes its translator (none: English).
#pragma once

#include "report/roomassessment.h"
#include "report/xmlreport.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class QTextStream;

// Fixed notation with the given decimals; a value a method does not produce (not a number or
// infinite, such as the share of an empty period) reads "N.A".
QString shownNumber(double value, int decimals, const TextTranslator &tr = {});

// The model's name as the data page lists it, and "Summer Region A" ... of DIN 4108-2.
QString summerModelName(SummerModel model, const TextTranslator &tr = {});
QString summerRegionText(SummerRegion region, const TextTranslator &tr = {});

// A winter or summer result page: the 9 distribution cells (hours per band and the total), the
// 3 cells outside quality category I (hours, % of the working hours, degree hours), the points.
struct OperativePageTexts {
    QStringList distribution;
    QStringList outside;
    QString points;
};
// Winter points: 30 without any working hour below 20 °C, else 0 ("30.0", "0.0").
OperativePageTexts winterPageTexts(const ResultArray &w, double interval, const TextTranslator &tr = {});
// Summer points by the rule of the rating system: DIN 4108-2 "complied" below 500 K·h above the
// region's limit, else "not complied"; the other models "0" unless the DIN 4108-2 compliance is
// confirmed (dinCompliance), which gives the model's points but at least "10". A period without
// working hours has no points: "N.A" (winter too).
// s: the summer array of OperativeOutcome::summer(), in: the inputs it was computed with.
OperativePageTexts summerPageTexts(const ResultArray &s, const DataPageInput &in, bool dinCompliance,
                                   const TextTranslator &tr = {});

// A draught season: DR with 2 decimals, "Pass"/"Fail", the points without decimals (0-20
// winter, 0-10 summer). Not computed (no mechanical ventilation): DR and verdict empty.
struct DraughtTexts {
    QString rate, verdict, points;
};
DraughtTexts draughtTexts(const DraughtOutcome &o, const TextTranslator &tr = {});

// A radiation page: MRT, the three asymmetries and their PD with 2 decimals, the verdicts and the
// points; the surface method judges nothing: asymmetries, PD, verdicts and points "N.A".
// Pairs in the order front/back, left/right, floor/ceiling.
struct RadiationTexts {
    QString mrt;
    std::array<QString, 3> asymmetry, pd, verdict;
    QString points;
};
RadiationTexts radiationTexts(const RadiationOutcome &o, const TextTranslator &tr = {});

// A humidity page of the season: the 11 cells of the relative humidity and of the humidity ratio
// distributions (hours, the last the total), the hours above the upper and below the lower limit
// with their shares of the working hours (%), the points; one decimal each.
struct HumidityPageTexts {
    QStringList relativeHumidity, humidityRatio;
    QString above, aboveShare, below, belowShare, points;
};
HumidityPageTexts humidityPageTexts(const HumidityOutcome &o, Season season,
                                    const TextTranslator &tr = {});

// The humidity calculator's hourly table: one row per record, ten cells (Ta_out, RH_out, AH_out,
// x_out, Mprod, ACH, Ta_in, RH_in, x_in, AH_in) with 2, 2, 2, 5, 2, 2, 2, 2, 7, 2 decimals.
std::vector<QStringList> humidityHourlyRows(const YearSeries &year, const IndoorHumidity &h);
// Its column titles, "Ta_out\n(°C)" ...: format words, the same in every language.
QStringList humidityHourlyHeaders();
// "humidity_out.csv": a line naming the program, the titles without line breaks, then the rows;
// every cell followed by ";".
void writeHumidityCsv(QTextStream &out, const std::vector<QStringList> &rows);

// The data page's converted table: outdoor temperature, humidity and indoor temperature with two
// decimals, the running mean beside them for the adaptive model (999.00 where none).
std::vector<QStringList> yearTableRows(const YearSeries &year, const std::vector<double> &runningMean);

// The values of one report chapter's data rows, in the order its chapter table writes them;
// empty when the assessment lacks the criterion. Values are the pages' texts; input values as
// formatInputNumber writes them. `words` translates the words of the context "Assessment".
std::optional<ReportRows> chapterRows(const RoomAssessment &a, ReportChapter chapter,
                                      const TextTranslator &words = {});

// The ticked chapters of the room (room.chapters) that the assessment holds, as the XML report:
// titles through `titles` (context "bnbMenuForm"), words through `words`.
void writeRoomReport(QXmlStreamWriter &xml, const RoomAssessment &a, const TextTranslator &titles = {},
                     const TextTranslator &words = {});
