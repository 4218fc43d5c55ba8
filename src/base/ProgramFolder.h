#pragma once

#include <QString>

namespace ortix {

// The folder that holds the program's data: its language files, the
// LangSetting.ini every user starts from, and the folder "suoni". It is the
// executable's own folder when that folder holds a language file (the build
// tree, a portable folder), else the installed data folder found relative to
// the executable (../share/ortix), so an installed tree can be moved. Tests
// point it at a folder of their own.
QString programFolder();
void setProgramFolder(const QString &folder);

// A file of the program's folder.
QString programFile(const QString &relativePath);

// The rule behind programFolder: the executable's folder when it holds a
// *.lng file (any letter case), else `installedData` taken relative to it.
QString findProgramFolder(const QString &executableFolder, const QString &installedData);

// The user's own folder for the program's settings, in the user's
// configuration folder (~/.config/ortix); it holds the user's own
// LangSetting.ini. Tests point it at a folder of their own.
QString userFolder();
void setUserFolder(const QString &folder);

} // namespace ortix
