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

void showOperativeCells(QTableWidget *distribution, QTableWidget *quality, const OperativePageTexts &t)
{
    for (int c = 0; c < t.distribution.size(); ++c)
        distribution->setItem(0, c, resultItem(t.distribution[c]));
    for (int c = 0; c < t.outside.size(); ++c)
        quality->setItem(0, c, resultItem(t.outside[c]));
}
