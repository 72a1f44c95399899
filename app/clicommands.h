// The command-line program klimaro-cli: the commands template, assess, pmv, year, rooms and
// check over the core and the report library, without widgets. Messages are English; the XML
// report is the window's export in English.
#pragma once

#include <QStringList>

class QTextStream;

// Exit status: every input passed through, some input failed, the arguments are wrong.
namespace CliExit {
enum : int { Ok = 0, Failed = 1, Usage = 2 };
}

// Where the program writes: standard output and error, and whether standard error is a
// terminal (progress lines go there only then).
struct CliStreams {
    QTextStream &out;
    QTextStream &err;
    bool errIsTerminal = false;
};

// Runs the program on its arguments (arguments[0] the program's name) and gives the exit status.
int runCli(const QStringList &arguments, CliStreams &io);

// Whether the arguments print PDF: only then the program needs a QGuiApplication.
bool cliPrintsPdf(const QStringList &arguments);
