// The BNB assessment report: an XML document of chapters (kapitel), sections
// (abschnitt), rows (zeile) and values (wert), one chapter per criterion and
// season, laid out for reading by the stylesheet "BNB-Assessment.xsl".
#pragma once

#include "report/room.h"

#include <QString>

#include <optional>
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
using ReportTranslator = TextTranslator;

// The values of a chapter's data rows, one vstring per row in the order of the chapter's table:
//   operative temperature, winter: distribution (9), outside category I (3), points
//   operative temperature, summer: model and region (2), working time (3), distribution (9),
//     outside the limit (3), points
//   draught: mechanical ventilation, window ventilation, boundary conditions (3), DR and
//     verdict (2), points
//   radiation: room (3), position (3), six surfaces (2 each: front, back, right, left, floor,
//     ceiling), three asymmetries (2 each: PD, verdict), points
//   humidity: boundary conditions (7 and 6), distribution (11: winter relative humidity,
//     summer humidity ratio), the season's limit pair (2: winter below, summer above), points
using ReportRows = std::vector<vstring>;

// The code of the chapter in the window's Export Error box (1 summer operative temperature ...
// 8 winter radiation) and back; and its failure message (context "bnbMenuForm").
int chapterErrorCode(ReportChapter chapter);
std::optional<ReportChapter> chapterOfErrorCode(int code);
const char *chapterFailureText(ReportChapter chapter);

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

// One kapitel with all its sections and rows; missing rows are written empty.
void writeChapter(QXmlStreamWriter &xml, ReportChapter chapter, const ReportRows &rows,
                  const ReportTranslator &tr = {});
