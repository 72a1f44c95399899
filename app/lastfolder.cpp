#include "app/lastfolder.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>

namespace {

QString settingsKey(const char *kind)
{
    return QStringLiteral("lastFolder/") + QLatin1String(kind);
}

}

QString lastFolder(const char *kind)
{
    const QString folder = QSettings().value(settingsKey(kind)).toString();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::currentPath();
}

void rememberFolder(const char *kind, const QString &fileName)
{
    if (!fileName.isEmpty())
        QSettings().setValue(settingsKey(kind), QFileInfo(fileName).absolutePath());
}

QString askOpenFile(QWidget *parent, const QString &caption, const char *kind,
                    const QString &filter)
{
    const QString fileName = QFileDialog::getOpenFileName(parent, caption, lastFolder(kind), filter);
    rememberFolder(kind, fileName);
    return fileName;
}

QString askSaveFile(QWidget *parent, const QString &caption, const char *kind,
                    const QString &suggestedName, const QString &filter)
{
    const QString fileName = QFileDialog::getSaveFileName(
        parent, caption,
        suggestedName.isEmpty() ? lastFolder(kind) : QDir(lastFolder(kind)).filePath(suggestedName),
        filter);
    rememberFolder(kind, fileName);
    return fileName;
}
