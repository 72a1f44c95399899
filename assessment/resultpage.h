// Shared layout and cells of the winter and summer result pages.
#pragma once

#include "assessment/operativetemperature.h"

class QTableWidget;

// Both header directions share out the table's width and height.
void stretchResultTable(QTableWidget *table);

// Distribution cells 0-8 = slots 0-8 · dt; quality cells: slot 9 · dt, the share
// slot 9 / slot 8 in per cent (N.A for an empty period), slot 11 · dt. One decimal.
void showOperativeCells(QTableWidget *distribution, QTableWidget *quality, const ResultArray &r,
                        double dt);
