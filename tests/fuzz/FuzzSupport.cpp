#include "FuzzSupport.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace ortix::fuzz {

void fail(const char *file, int line, const char *rule, const QString &detail)
{
    std::fprintf(stderr, "%s:%d: rule broken: %s\n%s\n", file, line, rule, detail.toLocal8Bit().constData());
    std::abort();
}

// Up to the next `end` byte or the end of the input (all of it for -1).
QByteArray Input::upTo(char end)
{
    const qsizetype found = end < 0 ? -1 : m_bytes.indexOf(end, m_pos);
    const qsizetype stop = found < 0 ? m_bytes.size() : found;
    const QByteArray part = m_bytes.mid(m_pos, stop - m_pos);
    m_pos = found < 0 ? m_bytes.size() : found + 1;
    return part;
}

qint64 Input::int64()
{
    quint64 value = 0;
    for (int i = 0; i < 8; ++i) {
        value |= quint64(byte()) << (8 * i);
    }
    return qint64(value);
}

QByteArray sized(const QByteArray &content, Sizing sizing, qint64 limit)
{
    if ((sizing.mode & 0x0F) != 0x0F) {
        return content;
    }
    const qsizetype target = qsizetype(limit + sizing.delta);
    if (content.size() >= target) {
        return content.left(target);
    }
    // Long lines keep padded files at a few hundred lines.
    static const QByteArray fillerLine = "; filler line of a file near the size limit " + QByteArray(200, '-') + "\r\n";
    const QByteArray fillers[] = {fillerLine, " ", QByteArray(1, '\0'), content.isEmpty() ? "=" : content};
    const qsizetype missing = target - content.size();
    const QByteArray &filler = fillers[(sizing.mode >> 4) % 4];
    const QByteArray padding = filler.repeated(missing / filler.size() + 1).left(missing);
    return (sizing.mode & 0x40) ? padding + content : content + padding;
}

QString nextScratchPath(const QString &fileName)
{
    static const QTemporaryDir folder(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                          ? QStringLiteral("/dev/shm/ortix-fuzz-XXXXXX")
                                          : QDir::tempPath() + QStringLiteral("/ortix-fuzz-XXXXXX"));
    static unsigned counter = 0;
    const QString slot = folder.filePath(QString::number(counter++ % 16));
    QDir().mkpath(slot);
    return QDir(slot).filePath(fileName);
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QString shown(const QString &text)
{
    QString out;
    QDebug(&out) << (text.size() > 300 ? text.left(300) : text);
    return text.size() > 300 ? out + QStringLiteral("... (%1 characters)").arg(text.size()) : out;
}

} // namespace ortix::fuzz
