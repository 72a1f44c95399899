#include "app/datafolders.h"
#include "app/mainwindow.h"

#include <QApplication>
#include <QDir>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The settings (the file dialogs' last folders) go to <config>/Klimaro/klimaro.conf.
    QCoreApplication::setOrganizationName(QStringLiteral("Klimaro"));
    QCoreApplication::setApplicationName(QStringLiteral("klimaro"));

    // "didediruz" is looked up in the working directory, beside the program and
    // in the installed data folder; without it the texts stay English.
    QTranslator translator;
    const QString translation = findTranslation(
        translationFolders(QDir::currentPath(), QCoreApplication::applicationDirPath()));
    if (!translation.isEmpty())
        (void)translator.load(translation);
    app.installTranslator(&translator);
    QTranslator qtTranslator;
    if (loadQtTranslation(qtTranslator, translator))
        app.installTranslator(&qtTranslator);

    MainWindow window;
    window.resize(810, 680);
    window.show();
    return app.exec();
}
