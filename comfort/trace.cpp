#include "comfort/trace.h"

#include <cstdio>

void traceLine(const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stdout);
    std::fputc('\n', stdout);
}
