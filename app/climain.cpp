// klimaro-cli: the assessment, the PMV tables and the year data readers on the command line.
// A QCoreApplication, so that it runs on a server without a display; printing PDF needs Qt's
// fonts and rich text, a QGuiApplication, which then runs on the "offscreen" platform.
#include "app/clicommands.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>
#include <memory>

#include <unistd.h>

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    std::unique_ptr<QCoreApplication> app;
    if (cliPrintsPdf(arguments)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("klimaro-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KLIMARO_VERSION));
    QTextStream out(stdout), err(stderr);
    CliStreams io{out, err, isatty(fileno(stderr)) == 1};
    const int status = runCli(arguments, io);
    out.flush();
    err.flush();
    return status;
}
