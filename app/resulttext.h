// Result numbers as the forms show them.
#pragma once

#include <QString>

class QTableWidgetItem;

// Fixed notation with the given decimals. A value that a method does not
// produce (not a number or infinite, such as the share of an empty period)
// reads "N.A".
QString resultText(double value, int decimals);

// A centred table item holding resultText(value, decimals).
QTableWidgetItem *resultItem(double value, int decimals);
