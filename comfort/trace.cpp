#include "comfort/trace.h"

Q_LOGGING_CATEGORY(klimaroTrace, "klimaro.trace", QtInfoMsg)

void traceLine(const QString &text)
{
    qCDebug(klimaroTrace).noquote() << text;
}
