#include "base/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace ortix {

namespace {
QString &overriddenFolder()
{
    static QString folder;
    return folder;
}

QString &overriddenUserFolder()
{
    static QString folder;
    return folder;
}

// Looked up once: every read of a language file asks for the folder.
QString executableDataFolder()
{
    static QString found;
    if (found.isEmpty() && QCoreApplication::instance()) {
        found = findProgramFolder(QCoreApplication::applicationDirPath(), QStringLiteral(ORTIX_DATA_FROM_BIN));
    }
    return found;
}
} // namespace

QString programFolder()
{
    if (!overriddenFolder().isEmpty()) {
        return overriddenFolder();
    }
    return executableDataFolder();
}

void setProgramFolder(const QString &folder)
{
    overriddenFolder() = folder;
}

QString programFile(const QString &relativePath)
{
    return QDir(programFolder()).filePath(relativePath);
}

QString findProgramFolder(const QString &executableFolder, const QString &installedData)
{
    const QDir here(executableFolder);
    if (!here.entryList({QStringLiteral("*.lng")}, QDir::Files).isEmpty()) {
        return here.path();
    }
    return QDir::cleanPath(here.filePath(installedData));
}

QString userFolder()
{
    if (!overriddenUserFolder().isEmpty()) {
        return overriddenUserFolder();
    }
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)).filePath(QStringLiteral("ortix"));
}

void setUserFolder(const QString &folder)
{
    overriddenUserFolder() = folder;
}

} // namespace ortix
