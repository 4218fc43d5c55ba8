#include "FaultSupport.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <csignal>

namespace ortix::test {

QString folderSnapshot(const QString &folder, const QString &leaveOut)
{
    QStringList entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = QDir(folder).relativeFilePath(it.next());
        if (!leaveOut.isEmpty() && path.startsWith(leaveOut)) {
            continue;
        }
        QFile file(it.filePath());
        QByteArray content = "<folder>";
        if (!it.fileInfo().isDir()) {
            content = file.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Md5).toHex()
                                                     : QByteArray("<unreadable>");
        }
        entries << path + u' ' + QString::fromLatin1(content);
    }
    entries.sort();
    return entries.join(u'\n');
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
    QFile probe(QDir(folder).filePath(QStringLiteral("probe-of-a-full-disk")));
    const bool refused = probe.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && probe.write(QByteArray(size, 'x')) != size;
    probe.remove();
    return refused;
}

} // namespace ortix::test
