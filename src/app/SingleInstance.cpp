#include "app/SingleInstance.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace ortix {

SingleInstance::SingleInstance(const QString &lockPath)
    : m_lock(std::make_unique<QLockFile>(lockPath))
{
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::acquire()
{
    // A lock whose owner is gone is stale at once: no instance can hold it.
    m_lock->setStaleLockTime(0);
    return m_lock->tryLock(0);
}

QString SingleInstance::defaultLockPath()
{
    // The runtime folder is the user's own, so two users of one machine
    // each run their copy.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        folder = QDir::tempPath();
    }
    return QDir(folder).filePath(QStringLiteral("ortix.lock"));
}

} // namespace ortix
