#include "app/mainwindow.h"

#include <QApplication>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);

    // "didediruz" is looked up in the working directory; without it the
    // texts stay English.
    QTranslator translator;
    (void)translator.load(QStringLiteral("didediruz"), QString(), QString(), QString());
    app.installTranslator(&translator);

    MainWindow window;
    window.resize(810, 680);
    window.show();
    return app.exec();
}
