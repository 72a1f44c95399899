#include "app/resulttext.h"

#include "report/assessmenttexts.h"

#include <QCoreApplication>
#include <QTableWidgetItem>

TextTranslator assessmentWords()
{
    return [](const char *source) { return QCoreApplication::translate("Assessment", source); };
}

TextTranslator roomWords()
{
    return [](const char *source) { return QCoreApplication::translate("Room", source); };
}

TextTranslator yearCheckWords()
{
    return [](const char *source) { return QCoreApplication::translate("YearCheck", source); };
}

QString resultText(double value, int decimals)
{
    return shownNumber(value, decimals, assessmentWords());
}

QTableWidgetItem *resultItem(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignCenter);
    return item;
}

QTableWidgetItem *resultItem(double value, int decimals)
{
    return resultItem(resultText(value, decimals));
}
