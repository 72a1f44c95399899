// Diagnostic trace lines on standard output; nothing in the program reads them.
#pragma once

#include <QString>

void traceLine(const QString &text);
