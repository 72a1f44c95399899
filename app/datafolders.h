// Where the program finds its translation and its documentation: the working
// directory (the translation only), the program's own folder, the folder above it
// (the documentation only) and the installed data folder <prefix>/share/klimaro
// of a program in <prefix>/bin.
#pragma once

#include <QString>
#include <QStringList>

class QTranslator;

// Installed data folder (translation, documentation, report stylesheet) below a prefix.
inline constexpr char kDataSubfolder[] = "share/klimaro";

// <appDir>/../share/klimaro
QString installedDataFolder(const QString &appDir);

// Folders searched for the translation, in order: working directory, program
// folder, installed data folder.
QStringList translationFolders(const QString &workingDir, const QString &appDir);

// Search paths of the documentation browser for the folder above the program
// (<appDir>/../), in order: that folder, its installed data folder, then the
// copy compiled into the resources (":/doc").
QStringList documentationSearchPaths(const QString &folderAbove);

// The first existing "<folder>/<name>", folders outermost; empty when there is none.
QString findFile(const QStringList &folders, const QStringList &names);

// The translation "didediruz" (with or without the suffix ".qm") in the folders.
QString findTranslation(const QStringList &folders);

// Loads Qt's own translation (message box buttons, file dialogs, edit menus) in the
// language of the program's translation from Qt's translations folder; false when the
// program's translation names no language or the system lacks Qt's translation of it
// (Debian package qt6-translations-l10n).
bool loadQtTranslation(QTranslator &qt, const QTranslator &program);
