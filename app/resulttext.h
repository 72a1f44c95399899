// Result texts of the core (report/assessmenttexts.h) as the forms show them: the translators of
// the core's words and messages, and centred table items.
#pragma once

#include "report/room.h"

#include <QString>

class QTableWidgetItem;

// The window's translation of the core's words (context "Assessment": "Pass", "N.A", ...) and of
// its messages on inputs and room files (context "Room").
TextTranslator assessmentWords();
TextTranslator roomWords();
// ... and of the readers of year data and their validity report (context "YearCheck").
TextTranslator yearCheckWords();

// Fixed notation with the given decimals; a value that a method does not produce (not a number
// or infinite, such as the share of an empty period) reads "N.A".
QString resultText(double value, int decimals);

// A centred table item holding the text, or resultText(value, decimals).
QTableWidgetItem *resultItem(const QString &text);
QTableWidgetItem *resultItem(double value, int decimals);
