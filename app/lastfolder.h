// File dialogs that open in the folder of the last file chosen for the same kind of file. The
// folders are kept across sessions in the application's settings (QSettings of the organisation
// and application name set in main), key "lastFolder/<kind>".
#pragma once

#include <QString>

class QWidget;

// Kinds of file, each remembering its own folder.
namespace FileKind {
inline constexpr char YearData[] = "yearData";   // the assessment's year: import and CSV
inline constexpr char PmvTable[] = "pmvTable";   // the PMV calculator's table: import and CSV
inline constexpr char Report[] = "report";       // the assessment report: XML and PDF
inline constexpr char Humidity[] = "humidity";   // the hourly humidity table as CSV
inline constexpr char Chart[] = "chart";         // a chart saved as PNG or SVG
inline constexpr char Room[] = "room";           // room files of the assessment
inline constexpr char Simulation[] = "simulation"; // weather files and simulation output
}

// The folder last remembered for the kind while it still exists, else the working directory.
QString lastFolder(const char *kind);
// Remembers the folder of fileName for the kind; an empty name (a cancelled dialog) changes
// nothing.
void rememberFolder(const char *kind, const QString &fileName);

// QFileDialog::getOpenFileName and getSaveFileName opened in lastFolder(kind), the save dialog
// with suggestedName (may be empty) filled in; the chosen file's folder is remembered. Empty
// when cancelled.
QString askOpenFile(QWidget *parent, const QString &caption, const char *kind,
                    const QString &filter);
QString askSaveFile(QWidget *parent, const QString &caption, const char *kind,
                    const QString &suggestedName, const QString &filter);
