// Shared layout and cells of the winter and summer result pages.
#pragma once

#include "report/assessmenttexts.h"

class QTableWidget;

// Both header directions share out the table's width and height.
void stretchResultTable(QTableWidget *table);

// The page's 9 distribution and 3 quality cells, centred.
void showOperativeCells(QTableWidget *distribution, QTableWidget *quality, const OperativePageTexts &t);
