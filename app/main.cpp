#include "app/datafolders.h"
#include "app/language.h"
#include "app/mainwindow.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The settings (Settings → Language, the file dialogs' last folders) live under these names.
    QCoreApplication::setOrganizationName(QStringLiteral("Klimaro"));
    QCoreApplication::setApplicationName(QStringLiteral("Klimaro"));

    // In German the translation "didediruz" is looked up in the working directory, beside
    // the program and in the installed data folder; without it the texts stay English.
    QTranslator translator;
    if (interfaceLanguage(QSettings(), QLocale::system()) == QLatin1String("de")) {
        const QString translation = findTranslation(
            translationFolders(QDir::currentPath(), QCoreApplication::applicationDirPath()));
        if (!translation.isEmpty())
            (void)translator.load(translation);
    }
    app.installTranslator(&translator);
    QTranslator qtTranslator;
    if (loadQtTranslation(qtTranslator, translator))
        app.installTranslator(&qtTranslator);

    MainWindow window;
    window.resize(810, 680);
    window.show();
    return app.exec();
}
