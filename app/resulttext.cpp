#include "app/resulttext.h"

#include <QCoreApplication>
#include <QTableWidgetItem>

#include <cmath>

QString resultText(double value, int decimals)
{
    if (!std::isfinite(value))
        return QCoreApplication::translate("ResultText", "N.A");
    return QString::number(value, 'f', decimals);
}

QTableWidgetItem *resultItem(double value, int decimals)
{
    auto *item = new QTableWidgetItem(resultText(value, decimals));
    item->setTextAlignment(Qt::AlignCenter);
    return item;
}
