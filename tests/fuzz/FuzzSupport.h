#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

// Helpers shared by the fuzz targets: reading the parts of one input, files
// of a chosen size in a scratch folder, and a check that stops the run.

namespace ortix::fuzz {

// Stops the run with a message libFuzzer keeps beside the input that
// broke the rule.
[[noreturn]] void fail(const char *file, int line, const char *rule, const QString &detail);

#define FUZZ_CHECK(rule, detail) \
    do { if (!(rule)) ::ortix::fuzz::fail(__FILE__, __LINE__, #rule, (detail)); } while (false)

// How a file's bytes are sized around a limit, read from two bytes of the
// input. Mode bits 0-3 all set: the content is padded (or cut) to
// limit + delta bytes, delta in -128..127, with comment lines (bits 4-5 = 0),
// blanks with no line end (1), NUL bytes (2) or copies of the content (3),
// after it or, with bit 6, before it. Any other mode keeps the content as
// it is: files of 64 KB are slow to check, so most inputs stay small.
struct Sizing
{
    quint8 mode = 0;
    qint8 delta = 0;
};

// The parts of one input, front to back: lines end at '\n', single bytes
// and little-endian numbers read 0 when the input has run out.
class Input
{
public:
    Input(const std::uint8_t *data, std::size_t size)
        : m_bytes(reinterpret_cast<const char *>(data), qsizetype(size))
    {
    }
    QByteArray line() { return upTo('\n'); }
    quint8 byte() { return m_pos < m_bytes.size() ? quint8(m_bytes.at(m_pos++)) : 0; }
    qint64 int64();
    Sizing sizing() { return Sizing{byte(), qint8(byte())}; }
    QByteArray rest() { return upTo(-1); }

private:
    QByteArray upTo(char end);
    QByteArray m_bytes;
    qsizetype m_pos = 0;
};

QByteArray sized(const QByteArray &content, Sizing sizing, qint64 limit);

// A path of this run's scratch folder (in memory, /dev/shm, where the system
// has one: a million small files cost no disk writes), in one of a few
// subfolders, a different one on each call: a reader that keeps files it
// has seen never mistakes this input's file for the previous one's.
QString nextScratchPath(const QString &fileName);

bool writeFile(const QString &path, const QByteArray &bytes);

// Printable form of a text for failure messages.
QString shown(const QString &text);

} // namespace ortix::fuzz
