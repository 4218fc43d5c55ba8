#include "frame/FrameFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace ortix {

namespace {

bool writeWhole(const QString &path, const QByteArray &contents)
{
    // No direct-write fallback: a file that cannot be replaced whole is
    // better left as it was.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    // Left uncommitted, the new text is thrown away with the file object.
    // The bytes are flushed first: a full disk may refuse them only then,
    // and commit() would not notice and put the cut-short file in place.
    return file.write(contents) == contents.size() && file.flush() && file.commit();
}

} // namespace

bool Se_esiste(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isFile();
}

bool makeSettingsFolder(const QString &folder, const QByteArray &leggimi)
{
    if (folder.isEmpty() || !QDir().mkpath(folder)) {
        return false;
    }
    return writeWhole(QDir(folder).filePath(QString::fromLatin1(kNomeFileLeggimi)), leggimi);
}

bool saveFrameSettings(const QString &path, const FrameSettings &settings)
{
    if (path.isEmpty() || !isValidFrameSettings(settings)) {
        return false;
    }
    return writeWhole(path, frameSettingsText(settings));
}

} // namespace ortix
