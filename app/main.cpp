#include "app/datafolders.h"
#include "app/mainwindow.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);

    // "didediruz" is looked up in the working directory, beside the program and
    // in the installed data folder; without it the texts stay English.
    QTranslator translator;
    const QString translation = findTranslation(
        translationFolders(QDir::currentPath(), QCoreApplication::applicationDirPath()));
    if (!translation.isEmpty())
        (void)translator.load(translation);
    app.installTranslator(&translator);
    // Qt's own texts (message box buttons, file dialogs, edit menus) in the language of
    // that translation, when the system holds Qt's translation of it.
    QTranslator qtTranslator;
    if (!translator.language().isEmpty())
        (void)qtTranslator.load(QLocale(translator.language()), QStringLiteral("qtbase"),
                                QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    app.installTranslator(&qtTranslator);

    MainWindow window;
    window.resize(810, 680);
    window.show();
    return app.exec();
}
