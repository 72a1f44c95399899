// The BNB assessment report: an XML document of chapters (kapitel), sections
// (abschnitt), rows (zeile) and values (wert), one chapter per criterion and
// season, laid out for reading by the stylesheet "BNB-Assessment.xsl".
#pragma once

#include <QString>

#include <functional>
#include <list>
#include <string>
#include <vector>

class QXmlStreamWriter;

// Texts gathered from the result pages, UTF-8: "°C", "m³" and "–" stay as they are.
using vstring = std::vector<std::string>;
// One vstring per report row.
using lvstring = std::list<vstring>;

// Chapter, section and row titles and the captions of header rows are English
// source texts (translation context "bnbMenuForm"); the caller passes the
// lookup, e.g. the assessment window's tr(). An empty function keeps the source.
using ReportTranslator = std::function<QString(const char *sourceText)>;

// The stylesheet the document names, written beside the report.
inline constexpr char kReportStylesheetName[] = "BNB-Assessment.xsl";

// One zeile: attribute nr, titel only when title is not empty, one wert per
// item; every wert carries sp when sp >= 1.
void writeXmlRow(QXmlStreamWriter &xml, int nr, const QString &title, const vstring &items,
                 int sp = -1);

// The document frame: auto-formatting with 4 spaces, the declaration, the
// xml-stylesheet instruction and <dokument version="1.0">. endReport closes it.
void beginReport(QXmlStreamWriter &xml);
void endReport(QXmlStreamWriter &xml);

// The gathered lists of each chapter, named as the gathering slots' parameters.
struct WinterOperativeTemperatureLists {
    vstring operative_temperature_distribution;   // 9 band hours, the last the total
    vstring times_niveau;                         // hours, % of operating time, degree hours
    vstring points_discrete;
};

struct SummerOperativeTemperatureLists {
    vstring model_selection;                      // model, then region or "N/A"
    vstring operation_time;                       // start, end, weekends
    vstring operative_temperature_distribution;
    vstring times_niveau;
    vstring points_discrete;
};

struct DraftLists {
    vstring mechanical_ventilation;               // "Yes" / "No"
    vstring window_ventilation;
    vstring boundary_conditions;                  // Ta [°C], va [m/s], Tu [%]
    vstring draft_rate;                           // DR [%], verdict
    vstring points_interpolated;
};

struct MrtLists {
    lvstring position;                            // room (W, D, H), occupant (Xp, Yp, Zp)
    lvstring boundary_conditions;                 // front, back, right, left, floor, ceiling
    lvstring results;                             // front/back, right/left, floor/ceiling
    vstring points_discrete;
};

struct HumidityLists {
    vstring boundary_conditions_1;                // 7 values
    vstring boundary_conditions_2;                // 6 values
    vstring distribution_AH;                      // 11 band hours, the last the total
    vstring times_upper_limit;                    // hours, % (summer chapter)
    vstring times_lower_limit;                    // hours, % (winter chapter)
    vstring points_discrete;
};

// One kapitel each, with all its sections and rows.
void writeWinterOperativeTemperature(QXmlStreamWriter &xml, const WinterOperativeTemperatureLists &l,
                                     const ReportTranslator &tr = {});
void writeWinterDraft(QXmlStreamWriter &xml, const DraftLists &l, const ReportTranslator &tr = {});
void writeWinterMrt(QXmlStreamWriter &xml, const MrtLists &l, const ReportTranslator &tr = {});
void writeWinterHumidity(QXmlStreamWriter &xml, const HumidityLists &l, const ReportTranslator &tr = {});
void writeSummerOperativeTemperature(QXmlStreamWriter &xml, const SummerOperativeTemperatureLists &l,
                                     const ReportTranslator &tr = {});
void writeSummerDraft(QXmlStreamWriter &xml, const DraftLists &l, const ReportTranslator &tr = {});
void writeSummerMrt(QXmlStreamWriter &xml, const MrtLists &l, const ReportTranslator &tr = {});
void writeSummerHumidity(QXmlStreamWriter &xml, const HumidityLists &l, const ReportTranslator &tr = {});
