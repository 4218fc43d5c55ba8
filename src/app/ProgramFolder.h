#pragma once

#include <QString>

namespace ortix {

// The folder that holds the program: its language files, LangSetting.ini
// and the folder "suoni" lie there. Tests point it at a folder of their own.
QString programFolder();
void setProgramFolder(const QString &folder);

// A file of the program's folder.
QString programFile(const QString &relativePath);

} // namespace ortix
