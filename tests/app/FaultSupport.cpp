#include "FaultSupport.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <csignal>

namespace ortix::test {

QMap<QString, QByteArray> folderSnapshot(const QString &folder)
{
    QMap<QString, QByteArray> all;
    const QDir root(folder);
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info = it.fileInfo();
        QByteArray content = QByteArrayLiteral("<folder>");
        if (!info.isDir()) {
            QFile file(path);
            content = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArrayLiteral("<unreadable>");
        }
        all.insert(root.relativeFilePath(path), content);
    }
    return all;
}

QString snapshotDifference(const QMap<QString, QByteArray> &before, const QMap<QString, QByteArray> &after)
{
    QStringList lines;
    for (auto it = before.begin(); it != before.end(); ++it) {
        if (!after.contains(it.key())) {
            lines << QStringLiteral("gone: ") + it.key();
        } else if (after.value(it.key()) != it.value()) {
            lines << QStringLiteral("changed: %1 (now %2)").arg(it.key(), QString::fromUtf8(after.value(it.key()).left(60)));
        }
    }
    for (auto it = after.begin(); it != after.end(); ++it) {
        if (!before.contains(it.key())) {
            lines << QStringLiteral("new: ") + it.key();
        }
    }
    return lines.join(u'\n');
}

FullDisk::FullDisk(rlim_t bytes)
{
    if (getrlimit(RLIMIT_FSIZE, &m_saved) != 0) {
        return;
    }
    m_savedHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit full = m_saved;
    full.rlim_cur = bytes;
    m_active = setrlimit(RLIMIT_FSIZE, &full) == 0;
}

FullDisk::~FullDisk()
{
    if (m_active) {
        setrlimit(RLIMIT_FSIZE, &m_saved);
    }
    std::signal(SIGXFSZ, m_savedHandler);
}

bool FullDisk::refusesWriting(const QString &folder, int size)
{
    const QString path = QDir(folder).filePath(QStringLiteral("probe-of-a-full-disk"));
    bool refused = false;
    {
        QFile probe(path);
        if (probe.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            refused = probe.write(QByteArray(size, 'x')) != size;
        }
    }
    QFile::remove(path);
    return refused;
}

} // namespace ortix::test
