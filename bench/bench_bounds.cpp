// Outside files at and beyond the reading bounds: how long one read takes
// and how much the process grows for it. Every timed read sees the file as
// changed on disk, so none is answered from the reader's cache.
#include "BenchTiming.h"

#include "frame/FrameSettings.h"
#include "lang/IniFile.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>

#include <sys/resource.h>

namespace {

using namespace ortix;

constexpr int kRuns = 11;

long peakResidentKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// A new modification time makes the reader take the file as another one.
void touch(const QString &path)
{
    static qint64 seconds = 0;
    QFile file(path);
    if (file.open(QIODevice::ReadWrite)) {
        file.setFileTime(QDateTime::fromSecsSinceEpoch(1'600'000'000 + ++seconds), QFileDevice::FileModificationTime);
    }
}

// Lines "k<n>=v" up to the line bound; the key read is on the last line,
// so the line rule runs through all of them.
QByteArray manyLines(qsizetype lines)
{
    QByteArray bytes;
    for (qsizetype i = 0; i < lines; ++i) {
        bytes += "k" + QByteArray::number(i) + "=v\n";
    }
    return bytes;
}

void measureIniRead(QTextStream &out, const QString &path, const char *what)
{
    const QString lastKey = QStringLiteral("k%1").arg(lang::kMaxIniLines - 1);
    const long before = peakResidentKilobytes();
    const double us = bench::medianMicroseconds(
        kRuns, [&] { lang::MLSReadIni(path, QStringLiteral("Strings"), lastKey); }, [&] { touch(path); });
    out << "MLSReadIni, " << what << ": " << us << " us, peak resident +"
        << (peakResidentKilobytes() - before) << " kB\n";
}

} // namespace

void benchBounds(QTextStream &out)
{
    QTemporaryDir folder;
    if (!folder.isValid()) {
        out << "Bounds: no temporary folder\n";
        return;
    }
    const QString lng = folder.filePath(QStringLiteral("X.lng"));

    writeBytes(lng, manyLines(lang::kMaxIniLines));
    measureIniRead(out, lng, "65 536 lines (read)");
    writeBytes(lng, manyLines(lang::kMaxIniLines + 1));
    measureIniRead(out, lng, "65 537 lines (refused)");

    QByteArray noLineEnds(lang::kMaxIniFileSize, 'x');
    writeBytes(lng, noLineEnds);
    measureIniRead(out, lng, "4 MiB without line ends (read)");
    noLineEnds.append('x');
    writeBytes(lng, noLineEnds);
    measureIniRead(out, lng, "4 MiB + 1 byte (refused)");
    noLineEnds = QByteArray();

    // A sparse file: 300 MB on the reader's side, nothing on the disk.
    {
        QFile huge(lng);
        if (huge.open(QIODevice::ReadWrite | QIODevice::Truncate)) {
            huge.resize(300LL * 1000 * 1000);
        }
    }
    measureIniRead(out, lng, "300 MB (refused)");

    const QString ini = folder.filePath(QStringLiteral("ortix.INI"));
    const auto measureSettings = [&](const char *what) {
        const long before = peakResidentKilobytes();
        const double us = bench::medianMicroseconds(kRuns, [&] { loadFrameSettings(ini); });
        out << "loadFrameSettings, " << what << ": " << us << " us, peak resident +"
            << (peakResidentKilobytes() - before) << " kB\n";
    };
    writeBytes(ini, QByteArray(64 * 1024, '7'));
    measureSettings("64 KiB of digits (read, defaults)");
    {
        QFile huge(ini);
        if (huge.open(QIODevice::ReadWrite | QIODevice::Truncate)) {
            huge.resize(300LL * 1000 * 1000);
        }
    }
    measureSettings("300 MB (refused, defaults)");
    out.flush();
}
