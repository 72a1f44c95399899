#include "assessment/resultpage.h"

#include "app/resulttext.h"

#include <QHeaderView>
#include <QTableWidget>

void stretchResultTable(QTableWidget *table)
{
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    // Long band captions wrap instead of being cut off (the header reads the
    // text flag from its alignment).
    QHeaderView *header = table->horizontalHeader();
    header->setDefaultAlignment(Qt::AlignCenter | Qt::Alignment(Qt::TextWordWrap));
    header->setMinimumHeight(2 * header->fontMetrics().lineSpacing() + 8);
}

void showOperativeCells(QTableWidget *distribution, QTableWidget *quality, const ResultArray &r,
                        double dt)
{
    for (int c = 0; c <= WinterSlot::Total; ++c)
        distribution->setItem(0, c, resultItem(r[c] * dt, 1));
    // Winter and summer share slots 8, 9 and 11: total, rows outside, degree-rows.
    quality->setItem(0, 0, resultItem(r[WinterSlot::Outside] * dt, 1));
    quality->setItem(0, 1, resultItem(r[WinterSlot::Outside] / r[WinterSlot::Total] * 100.0, 1));
    quality->setItem(0, 2, resultItem(r[WinterSlot::DegreeRows] * dt, 1));
}
