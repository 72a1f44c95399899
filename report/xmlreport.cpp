#include "report/xmlreport.h"

#include <QXmlStreamWriter>

#include <algorithm>

namespace {

// A row of a chapter table: a header row (list < 0) writes its captions, a data
// row writes the gathered list with that index. title nullptr: no titel.
struct RowLayout {
    int nr;
    const char *title;
    std::vector<const char *> captions;
    int list = -1;
};

struct SectionLayout {
    const char *nr;
    const char *title;
    std::vector<RowLayout> rows;
};

struct ChapterLayout {
    const char *nr;
    const char *typ;     // a format word: "Winter" or "Sommer", never translated
    const char *title;
    std::vector<SectionLayout> sections;
};

using GatheredLists = std::vector<const vstring *>;

// A one-space title or caption stays one space whatever the translation holds.
QString shown(const char *source, const ReportTranslator &tr)
{
    const QString text = QString::fromUtf8(source);
    if (!tr || text.trimmed().isEmpty())
        return text;
    return tr(source);
}

void writeChapter(QXmlStreamWriter &xml, const ChapterLayout &chapter, const GatheredLists &lists,
                  const ReportTranslator &tr)
{
    xml.writeStartElement(QStringLiteral("kapitel"));
    xml.writeAttribute(QStringLiteral("nr"), QString::fromLatin1(chapter.nr));
    xml.writeAttribute(QStringLiteral("typ"), QString::fromLatin1(chapter.typ));
    xml.writeAttribute(QStringLiteral("titel"), shown(chapter.title, tr));
    for (const SectionLayout &section : chapter.sections) {
        xml.writeStartElement(QStringLiteral("abschnitt"));
        xml.writeAttribute(QStringLiteral("nr"), QString::fromLatin1(section.nr));
        xml.writeAttribute(QStringLiteral("titel"), shown(section.title, tr));
        for (const RowLayout &row : section.rows) {
            const QString title = row.title ? shown(row.title, tr) : QString();
            if (row.list >= 0) {
                writeXmlRow(xml, row.nr, title, *lists.at(row.list));
                continue;
            }
            vstring captions;
            captions.reserve(row.captions.size());
            for (const char *caption : row.captions)
                captions.push_back(shown(caption, tr).toStdString());
            writeXmlRow(xml, row.nr, title, captions);
        }
        xml.writeEndElement();
    }
    xml.writeEndElement();
}

// ---- operative temperature ---------------------------------------------------

const RowLayout kOutsideCategoryCaptions{0, " ", {
    QT_TRANSLATE_NOOP("bnbMenuForm", "Duration (h)"),
    QT_TRANSLATE_NOOP("bnbMenuForm", "Percent of operating time (%)"),
    QT_TRANSLATE_NOOP("bnbMenuForm", "Degree hour (K·h)")}};

// Lists: 0 distribution, 1 times_niveau, 2 points_discrete.
const ChapterLayout kWinterOperativeTemperature{"1", "Winter",
    QT_TRANSLATE_NOOP("bnbMenuForm", "Operative Temperature: Winter"), {
    {"1.1", QT_TRANSLATE_NOOP("bnbMenuForm", "Boundary Conditions"), {}},
    {"1.2", QT_TRANSLATE_NOOP("bnbMenuForm", "Operative Temperature Distribution"), {
        {0, " ", {
            QT_TRANSLATE_NOOP("bnbMenuForm", "To <= 19"),
            QT_TRANSLATE_NOOP("bnbMenuForm", "19 <= To < 20"),
            QT_TRANSLATE_NOOP("bnbMenuForm", "20 <= To < 21"),
            QT_TRANSLATE_NOOP("bnbMenuForm", "21 <= To < 22"),
            QT_TRANSLATE_NOOP("bnbMenuForm", "22 <= To < 23"),
            QT_TRANSLATE_NOOP("bnbMenuForm", "23 <= To < 24"),
            QT_TRANSLATE_NOOP("bnbMenuForm", "24 <= To < 25"),
            QT_TRANSLATE_NOOP("bnbMenuForm", "To >= 25"),
            QT_TRANSLATE_NOOP("bnbMenuForm", "Total")}},
        {1, QT_TRANSLATE_NOOP("bnbMenuForm", "Hours (h)"), {}, 0}}},
    {"1.3", QT_TRANSLATE_NOOP("bnbMenuForm", "Time outside the category limit"), {
        kOutsideCategoryCaptions,
        {1, QT_TRANSLATE_NOOP("bnbMenuForm", "Quality niveau I"), {}, 1}}},
    {"1.4", QT_TRANSLATE_NOOP("bnbMenuForm", "Points"), {
        {1, QT_TRANSLATE_NOOP("bnbMenuForm", "Operative temperature"), {}, 2}}}}};

// Lists: 0 model_selection, 1 operation_time, 2 distribution, 3 times_niveau, 4 points.
const ChapterLayout kSummerOperativeTemperature{"1", "Sommer",
    QT_TRANSLATE_NOOP("bnbMenuForm", "Operative Temperature: Summer"), {
    {"1.1", QT_TRANSLATE_NOOP("bnbMenuForm", "Selected Assessment Model "), {
        {0, nullptr, {
            QT_TRANSLATE_NOOP("bnbMenuForm", "Summer Assessment Model"),
            QT_TRANSLATE_NOOP("bnbMenuForm", "DIN 4108-2")}},
        {1, nullptr, {}, 0}}},
    {"1.2", QT_TRANSLATE_NOOP("bnbMenuForm",
                              "Boundary conditions for calculation or measurement (see Appendix 1)"), {}},
    {"1.3", QT_TRANSLATE_NOOP("bnbMenuForm", "Operating Times"), {
        {0, " ", {
            QT_TRANSLATE_NOOP("bnbMenuForm", "Start"),
            QT_TRANSLATE_NOOP("bnbMenuForm", "End"),
            QT_TRANSLATE_NOOP("bnbMenuForm", "at Weekends")}},
        {1, QT_TRANSLATE_NOOP("bnbMenuForm", "Operation Times"), {}, 1}}},
    {"1.4", QT_TRANSLATE_NOOP("bnbMenuForm", "Operative Temperature Distribution"), {
        {0, " ", {
            QT_TRANSLATE_NOOP("bnbMenuForm", "To <= 24"),
            QT_TRANSLATE_NOOP("bnbMenuForm", "24 < To =< 25"),
            QT_TRANSLATE_NOOP("bnbMenuForm", "25 < To =< 26"),
            QT_TRANSLATE_NOOP("bnbMenuForm", "26 < To =< 27"),
            QT_TRANSLATE_NOOP("bnbMenuForm", "27 < To =< 28"),
            QT_TRANSLATE_NOOP("bnbMenuForm", "28 < To =< 29"),
            QT_TRANSLATE_NOOP("bnbMenuForm", "29 < To =< 30"),
            QT_TRANSLATE_NOOP("bnbMenuForm", "30 < To"),
            QT_TRANSLATE_NOOP("bnbMenuForm", "Total")}},
        {1, QT_TRANSLATE_NOOP("bnbMenuForm", "Hours (h)"), {}, 2}}},
    {"1.5", QT_TRANSLATE_NOOP("bnbMenuForm", "Time outside the category limit"), {
        kOutsideCategoryCaptions,
        {1, QT_TRANSLATE_NOOP("bnbMenuForm", "Quality niveau I"), {}, 3}}},
    {"1.6", QT_TRANSLATE_NOOP("bnbMenuForm", "Points "), {
        {1, QT_TRANSLATE_NOOP("bnbMenuForm", "Operative temperature"), {}, 4}}}}};

// ---- draught ----------------------------------------------------------------
// Lists: 0 mechanical_ventilation, 1 window_ventilation, 2 boundary_conditions,
// 3 draft_rate, 4 points_interpolated. Winter and summer differ only in the
// draught-rate caption and the number of the points section.

const SectionLayout kAirSupply{"2.1", QT_TRANSLATE_NOOP("bnbMenuForm", "Type of air supply system"), {
    {1, QT_TRANSLATE_NOOP("bnbMenuForm", "Mechanical ventilation"), {}, 0},
    {2, QT_TRANSLATE_NOOP("bnbMenuForm", "Window ventilation"), {}, 1}}};

const SectionLayout kDraftBoundary{"2.2", QT_TRANSLATE_NOOP("bnbMenuForm",
        "Boundary conditions for the calculation (Mechanical ventilation)"), {
    {0, QT_TRANSLATE_NOOP("bnbMenuForm", "Data sheet"), {
        QT_TRANSLATE_NOOP("bnbMenuForm", "Air temperature (°C)"),
        QT_TRANSLATE_NOOP("bnbMenuForm", "Air velocity (m/s)"),
        QT_TRANSLATE_NOOP("bnbMenuForm", "Turbulence intensity (%)")}},
    {1, QT_TRANSLATE_NOOP("bnbMenuForm", "See appendix 2"), {}, 2}}};

SectionLayout draftRateSection(const char *categoryCaption)
{
    return {"2.3", QT_TRANSLATE_NOOP("bnbMenuForm", "Draft Rate (DR) calculation"), {
        {0, nullptr, {QT_TRANSLATE_NOOP("bnbMenuForm", "DR (%)"), categoryCaption}},
        {1, nullptr, {}, 3}}};
}

SectionLayout draftPointsSection(const char *nr)
{
    return {nr, QT_TRANSLATE_NOOP("bnbMenuForm", "Points (after interpolated assessment)"), {
        {1, QT_TRANSLATE_NOOP("bnbMenuForm", "Draft"), {}, 4}}};
}

const ChapterLayout kWinterDraft{"2", "Winter", QT_TRANSLATE_NOOP("bnbMenuForm", "Draft:Winter"), {
    kAirSupply, kDraftBoundary,
    draftRateSection(QT_TRANSLATE_NOOP("bnbMenuForm", "Category BNB (15 %) fulfilled / not fulfilled")),
    draftPointsSection("2.4")}};

const ChapterLayout kSummerDraft{"2", "Sommer", QT_TRANSLATE_NOOP("bnbMenuForm", "Draft: Summer"), {
    kAirSupply, kDraftBoundary,
    draftRateSection(QT_TRANSLATE_NOOP("bnbMenuForm", "Category BNB (15%) fulfilled / not fulfilled")),
    draftPointsSection("2.5")}};

// ---- radiation asymmetry ----------------------------------------------------
// Lists: 0-1 position entries, 2-7 boundary_conditions entries, 8-10 results
// entries, 11 points_discrete.

const std::vector<SectionLayout> kMrtSections{
    {"3.1", QT_TRANSLATE_NOOP("bnbMenuForm", "Position in the room"), {
        {0, " ", {
            QT_TRANSLATE_NOOP("bnbMenuForm", "Width (W): Xp"),
            QT_TRANSLATE_NOOP("bnbMenuForm", "Depth (D): Yp"),
            QT_TRANSLATE_NOOP("bnbMenuForm", "Height (Z): sitting or standing")}},
        {1, QT_TRANSLATE_NOOP("bnbMenuForm", "Room"), {}, 0},
        {2, QT_TRANSLATE_NOOP("bnbMenuForm", "Position"), {}, 1}}},
    {"3.2", QT_TRANSLATE_NOOP("bnbMenuForm", "Boundary conditions: asymmetric radiation (for surface "
                                             "cooling. data sheet: see appendix 3)"), {
        {0, " ", {
            QT_TRANSLATE_NOOP("bnbMenuForm", "Surface temperature (°C)"),
            QT_TRANSLATE_NOOP("bnbMenuForm", "Temperature of cool or hot surfaces(°C)")}},
        {1, QT_TRANSLATE_NOOP("bnbMenuForm", "Front wall"), {}, 2},
        {2, QT_TRANSLATE_NOOP("bnbMenuForm", "Back wall"), {}, 3},
        {3, QT_TRANSLATE_NOOP("bnbMenuForm", "Right wall"), {}, 4},
        {4, QT_TRANSLATE_NOOP("bnbMenuForm", "Left wall"), {}, 5},
        {5, QT_TRANSLATE_NOOP("bnbMenuForm", "Floor"), {}, 6},
        {6, QT_TRANSLATE_NOOP("bnbMenuForm", "Ceiling"), {}, 7}}},
    {"3.3", QT_TRANSLATE_NOOP("bnbMenuForm", "Calculations: asymmetric radiation"), {
        {0, " ", {
            QT_TRANSLATE_NOOP("bnbMenuForm", "Percentage of dissatisfied due to radiation asymmetry (%)"),
            QT_TRANSLATE_NOOP("bnbMenuForm", "Quality according to BNB")}},
        {1, QT_TRANSLATE_NOOP("bnbMenuForm", "Asymmetry front/back"), {}, 8},
        {2, QT_TRANSLATE_NOOP("bnbMenuForm", "Asymmetry right/left"), {}, 9},
        {3, QT_TRANSLATE_NOOP("bnbMenuForm", "Asymmetry floor/ceiling"), {}, 10}}},
    {"3.4", QT_TRANSLATE_NOOP("bnbMenuForm", "Points"), {
        {1, QT_TRANSLATE_NOOP("bnbMenuForm", "Radiation asymmetry"), {}, 11}}}};

const ChapterLayout kWinterMrt{"3", "Winter",
    QT_TRANSLATE_NOOP("bnbMenuForm", "Asymmetric radiation and floor temperature: Winter"), kMrtSections};
const ChapterLayout kSummerMrt{"3", "Sommer",
    QT_TRANSLATE_NOOP("bnbMenuForm", "Asymmetric radiation and floor temperature: Summer"), kMrtSections};

// ---- humidity -----------------------------------------------------------------
// Lists: 0 boundary_conditions_1, 1 boundary_conditions_2, 2 distribution_AH,
// 3 the limit pair of the season, 4 points_discrete.

// Two header rows numbered 0, each followed by its data row; the second ends in
// a one-space caption, seven captions over six values.
const SectionLayout kHumidityBoundary{"4.1",
    QT_TRANSLATE_NOOP("bnbMenuForm", "Boundary conditions for the calculation"), {
    {0, nullptr, {
        QT_TRANSLATE_NOOP("bnbMenuForm", "Space Volume (m³)"),
        QT_TRANSLATE_NOOP("bnbMenuForm", "Infiltration (HVAC)(1/h)"),
        QT_TRANSLATE_NOOP("bnbMenuForm", "Air changes per hour (1/h): Winter "),
        QT_TRANSLATE_NOOP("bnbMenuForm", "Air changes per hour (1/h): Transition time"),
        QT_TRANSLATE_NOOP("bnbMenuForm", "Air changes per hour (1/h): Summer"),
        QT_TRANSLATE_NOOP("bnbMenuForm", "Number of persons"),
        QT_TRANSLATE_NOOP("bnbMenuForm", "Other humidity sources (g/h)")}},
    {1, nullptr, {}, 0},
    {0, nullptr, {
        QT_TRANSLATE_NOOP("bnbMenuForm", "Number of big plants"),
        QT_TRANSLATE_NOOP("bnbMenuForm", "Number of small plants"),
        QT_TRANSLATE_NOOP("bnbMenuForm", "Humidity Recovery (-): Winter"),
        QT_TRANSLATE_NOOP("bnbMenuForm", "Humidity Recovery (-): Transition time"),
        QT_TRANSLATE_NOOP("bnbMenuForm", "Humidity Recovery (-): Summer"),
        QT_TRANSLATE_NOOP("bnbMenuForm", "Pressure (Pa)"),
        " "}},
    {2, nullptr, {}, 1}}};

const SectionLayout kHumidityPoints{"4.4", QT_TRANSLATE_NOOP("bnbMenuForm", "Points"), {
    {1, QT_TRANSLATE_NOOP("bnbMenuForm", "Indoor Humidity"), {}, 4}}};

const ChapterLayout kWinterHumidity{"4", "Winter",
    QT_TRANSLATE_NOOP("bnbMenuForm", "Indoor Humidity: Winter"), {
    kHumidityBoundary,
    {"4.2", QT_TRANSLATE_NOOP("bnbMenuForm", "Distribution of the relative humidity (RH) in winter "
                                             "period (01. Oct. – 31. Mar.)"), {
        {0, " ", {
            QT_TRANSLATE_NOOP("bnbMenuForm", "RH <= 10"),
            QT_TRANSLATE_NOOP("bnbMenuForm", "10 < RH =< 20"),
            QT_TRANSLATE_NOOP("bnbMenuForm", "20 < RH =< 30"),
            QT_TRANSLATE_NOOP("bnbMenuForm", "30 < RH =< 40"),
            QT_TRANSLATE_NOOP("bnbMenuForm", "40 < RH =< 50"),
            QT_TRANSLATE_NOOP("bnbMenuForm", "50 < RH =< 60"),
            QT_TRANSLATE_NOOP("bnbMenuForm", "60 < RH =< 70"),
            QT_TRANSLATE_NOOP("bnbMenuForm", "70 < RH =< 80"),
            QT_TRANSLATE_NOOP("bnbMenuForm", "80 < RH =< 90"),
            QT_TRANSLATE_NOOP("bnbMenuForm", "90 < RH"),
            QT_TRANSLATE_NOOP("bnbMenuForm", "Total")}},
        {1, QT_TRANSLATE_NOOP("bnbMenuForm", "Hours (h)"), {}, 2}}},
    {"4.3", QT_TRANSLATE_NOOP("bnbMenuForm", "Time outside the category limit"), {
        {0, nullptr, {
            QT_TRANSLATE_NOOP("bnbMenuForm", "Frequency below lower limit 25% RH"),
            QT_TRANSLATE_NOOP("bnbMenuForm", "Ratio of operating time (%)")}},
        {1, nullptr, {}, 3}}},
    kHumidityPoints}};

const ChapterLayout kSummerHumidity{"4", "Sommer",
    QT_TRANSLATE_NOOP("bnbMenuForm", "Indoor Humidity: Summer"), {
    kHumidityBoundary,
    {"4.2", QT_TRANSLATE_NOOP("bnbMenuForm", "Distribution of the absolute humidity (AH) in summer "
                                             "period (01.April. – 30. Sept.)"), {
        {0, " ", {
            QT_TRANSLATE_NOOP("bnbMenuForm", "AH =< 2"),
            QT_TRANSLATE_NOOP("bnbMenuForm", "2 < AH =< 4"),
            QT_TRANSLATE_NOOP("bnbMenuForm", "4 < AH =< 6"),
            QT_TRANSLATE_NOOP("bnbMenuForm", "6 < AH =< 8"),
            QT_TRANSLATE_NOOP("bnbMenuForm", "8 < AH =< 10"),
            QT_TRANSLATE_NOOP("bnbMenuForm", "10 < AH =< 12"),
            QT_TRANSLATE_NOOP("bnbMenuForm", "12 < AH =< 14"),
            QT_TRANSLATE_NOOP("bnbMenuForm", "14 < AH =< 16"),
            QT_TRANSLATE_NOOP("bnbMenuForm", "16 < AH =< 18"),
            QT_TRANSLATE_NOOP("bnbMenuForm", "18 < AH"),
            QT_TRANSLATE_NOOP("bnbMenuForm", "Total")}},
        {1, QT_TRANSLATE_NOOP("bnbMenuForm", "Hours (h)"), {}, 2}}},
    {"4.3", QT_TRANSLATE_NOOP("bnbMenuForm", "Time outside the category limit"), {
        {0, nullptr, {
            QT_TRANSLATE_NOOP("bnbMenuForm", "Frequency above upper limit 12 g/kg"),
            QT_TRANSLATE_NOOP("bnbMenuForm", "Ratio of operating time (%)")}},
        {1, nullptr, {}, 3}}},
    kHumidityPoints}};

// The chapters in the order of ReportChapter, with the code and message of the window's Export
// Error box.
struct ChapterEntry {
    const ChapterLayout &layout;
    int rows;
    int errorCode;
    const char *failure;
};

const ChapterEntry kChapters[kReportChapters] = {
    {kWinterOperativeTemperature, 3, 5, QT_TRANSLATE_NOOP("bnbMenuForm",
        "Failed to export Winter Operative Temperature Assessment. Please check availability of results.")},
    {kWinterDraft, 5, 6, QT_TRANSLATE_NOOP("bnbMenuForm",
        "Failed to export Winter Draft Assessment. Please check availability of results.")},
    {kWinterMrt, 12, 8, QT_TRANSLATE_NOOP("bnbMenuForm",
        "Failed to export Winter Mean Radiant Temperatures Assessment. Please check availability of results.")},
    {kWinterHumidity, 5, 7, QT_TRANSLATE_NOOP("bnbMenuForm",
        "Failed to export Winter Humidity Assessment. Please check availability of results.")},
    {kSummerOperativeTemperature, 5, 1, QT_TRANSLATE_NOOP("bnbMenuForm",
        "Failed to export Summer Operative Temperature Assessment. Please check availability of results.")},
    {kSummerDraft, 5, 2, QT_TRANSLATE_NOOP("bnbMenuForm",
        "Failed to export Summer Draft Assessment. Please check availability of results.")},
    {kSummerMrt, 12, 4, QT_TRANSLATE_NOOP("bnbMenuForm",
        "Failed to export Summer Mean Radiant Temperatures Assessment. Please check availability of results.")},
    {kSummerHumidity, 5, 3, QT_TRANSLATE_NOOP("bnbMenuForm",
        "Failed to export Summer Humidity Assessment. Please check availability of results.")}};

const ChapterEntry &entry(ReportChapter c)
{
    return kChapters[std::clamp(int(c), 0, kReportChapters - 1)];
}

}

void writeXmlRow(QXmlStreamWriter &xml, int nr, const QString &title, const vstring &items, int sp)
{
    xml.writeStartElement(QStringLiteral("zeile"));
    xml.writeAttribute(QStringLiteral("nr"), QString::number(nr));
    if (!title.isEmpty())
        xml.writeAttribute(QStringLiteral("titel"), title);
    for (const std::string &item : items) {
        xml.writeStartElement(QStringLiteral("wert"));
        if (sp >= 1)
            xml.writeAttribute(QStringLiteral("sp"), QString::number(sp));
        xml.writeCharacters(QString::fromStdString(item));
        xml.writeEndElement();
    }
    xml.writeEndElement();
}

void beginReport(QXmlStreamWriter &xml)
{
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(4);
    xml.writeStartDocument();
    xml.writeProcessingInstruction(
        QStringLiteral("xml-stylesheet"),
        QStringLiteral("type=\"text/xsl\" href=\"%1\"").arg(QLatin1String(kReportStylesheetName)));
    xml.writeStartElement(QStringLiteral("dokument"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.0"));
}

void endReport(QXmlStreamWriter &xml)
{
    xml.writeEndElement();
    xml.writeEndDocument();
}

int chapterErrorCode(ReportChapter chapter)
{
    return entry(chapter).errorCode;
}

std::optional<ReportChapter> chapterOfErrorCode(int code)
{
    for (int c = 0; c < kReportChapters; ++c)
        if (kChapters[c].errorCode == code)
            return ReportChapter(c);
    return std::nullopt;
}

const char *chapterFailureText(ReportChapter chapter)
{
    return entry(chapter).failure;
}

void writeChapter(QXmlStreamWriter &xml, ReportChapter chapter, const ReportRows &rows,
                  const ReportTranslator &tr)
{
    static const vstring none;
    const ChapterEntry &e = entry(chapter);
    GatheredLists lists;
    for (int i = 0; i < e.rows; ++i)
        lists.push_back(size_t(i) < rows.size() ? &rows[size_t(i)] : &none);
    writeChapter(xml, e.layout, lists, tr);
}
