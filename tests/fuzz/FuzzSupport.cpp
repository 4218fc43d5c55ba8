#include "FuzzSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace ortix::fuzz {

void fail(const char *file, int line, const char *rule, const QString &detail)
{
    std::fprintf(stderr, "%s:%d: rule broken: %s\n%s\n", file, line, rule, detail.toLocal8Bit().constData());
    std::fflush(stderr);
    std::abort();
}

Input::Input(const std::uint8_t *data, std::size_t size)
    : m_bytes(reinterpret_cast<const char *>(data), qsizetype(size))
{
}

QByteArray Input::line()
{
    const qsizetype end = m_bytes.indexOf('\n', m_pos);
    const qsizetype stop = end < 0 ? m_bytes.size() : end;
    const QByteArray part = m_bytes.mid(m_pos, stop - m_pos);
    m_pos = end < 0 ? m_bytes.size() : end + 1;
    return part;
}

quint8 Input::byte()
{
    return m_pos < m_bytes.size() ? quint8(m_bytes.at(m_pos++)) : 0;
}

qint64 Input::int64()
{
    quint64 value = 0;
    for (int i = 0; i < 8; ++i) {
        value |= quint64(byte()) << (8 * i);
    }
    return qint64(value);
}

QByteArray Input::rest()
{
    const QByteArray part = m_bytes.mid(m_pos);
    m_pos = m_bytes.size();
    return part;
}

Sizing readSizing(Input &in)
{
    Sizing sizing;
    sizing.mode = in.byte();
    sizing.delta = qint8(in.byte());
    return sizing;
}

namespace {
// Long lines keep padded files at a few hundred lines.
const QByteArray kFillerLine = "; filler line of a file near the size limit " + QByteArray(200, '-') + "\r\n";
} // namespace

QByteArray sized(const QByteArray &content, Sizing sizing, qint64 limit)
{
    if ((sizing.mode & 0x0F) != 0x0F) {
        return content;
    }
    const qsizetype target = qsizetype(limit + sizing.delta);
    if (content.size() >= target) {
        return content.left(target);
    }
    const qsizetype missing = target - content.size();
    QByteArray padding;
    padding.reserve(missing);
    switch ((sizing.mode >> 4) % 4) {
    case 0:
        while (padding.size() < missing) {
            padding += kFillerLine;
        }
        break;
    case 1:
        padding.fill(' ', missing);
        break;
    case 2:
        padding.fill('\0', missing);
        break;
    default:
        if (content.isEmpty()) {
            padding.fill('=', missing);
        }
        while (padding.size() < missing) {
            padding += content;
        }
        break;
    }
    padding.truncate(missing);
    return (sizing.mode & 0x40) ? padding + content : content + padding;
}

QString scratchFolder()
{
    static const std::unique_ptr<QTemporaryDir> folder = [] {
        const QFileInfo shm(QStringLiteral("/dev/shm"));
        if (shm.isDir() && shm.isWritable()) {
            auto inMemory = std::make_unique<QTemporaryDir>(QStringLiteral("/dev/shm/ortix-fuzz-XXXXXX"));
            if (inMemory->isValid()) {
                return inMemory;
            }
        }
        return std::make_unique<QTemporaryDir>();
    }();
    return folder->path();
}

QString nextScratchPath(const QString &fileName)
{
    static unsigned counter = 0;
    const QString slot = QString::number(counter++ % 16);
    QDir root(scratchFolder());
    root.mkpath(slot);
    return QDir(root.filePath(slot)).filePath(fileName);
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString shown(const QString &text)
{
    QString out;
    const QString cut = text.size() > 300 ? text.left(300) : text;
    for (QChar ch : cut) {
        if (ch.unicode() >= 0x20 && ch.unicode() < 0x7f && ch != u'\\') {
            out += ch;
        } else {
            out += QStringLiteral("\\u%1").arg(ch.unicode(), 4, 16, QLatin1Char('0'));
        }
    }
    if (cut.size() < text.size()) {
        out += QStringLiteral("... (%1 characters)").arg(text.size());
    }
    return u'"' + out + u'"';
}

} // namespace ortix::fuzz
