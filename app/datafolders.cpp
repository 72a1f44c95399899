#include "app/datafolders.h"

#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

QString installedDataFolder(const QString &appDir)
{
    return QDir::cleanPath(appDir + QStringLiteral("/../") + QLatin1String(kDataSubfolder));
}

QStringList translationFolders(const QString &workingDir, const QString &appDir)
{
    return {workingDir, appDir, installedDataFolder(appDir)};
}

QStringList documentationSearchPaths(const QString &folderAbove)
{
    return {folderAbove, QDir::cleanPath(folderAbove + '/' + QLatin1String(kDataSubfolder)),
            QStringLiteral(":/doc")};
}

QString findFile(const QStringList &folders, const QStringList &names)
{
    for (const QString &folder : folders) {
        for (const QString &name : names) {
            const QFileInfo file(QDir(folder), name);
            if (file.isFile())
                return file.filePath();
        }
    }
    return {};
}

QString findTranslation(const QStringList &folders)
{
    return findFile(folders, {QStringLiteral("didediruz.qm"), QStringLiteral("didediruz")});
}

bool loadQtTranslation(QTranslator &qt, const QTranslator &program)
{
    return !program.language().isEmpty()
        && qt.load(QLocale(program.language()), QStringLiteral("qtbase"), QStringLiteral("_"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}
