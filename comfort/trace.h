// Diagnostic trace lines of the computations; nothing in the program reads them. They go to the
// logging category "klimaro.trace", off by default, so that a command-line tool's output is its
// own: QT_LOGGING_RULES="klimaro.trace.debug=true" shows them on standard error.
#pragma once

#include <QLoggingCategory>
#include <QString>

Q_DECLARE_LOGGING_CATEGORY(klimaroTrace)

void traceLine(const QString &text);
