// MLSWriteIni on files of any bytes, then MLSReadIni.
//
// Input: lines for section, key and value, two sizing bytes, then the
// file's bytes. Rules checked:
// - a write to a file the reader accepts (every input here: none comes near
//   4 MiB or 65,536 lines) in a writable folder succeeds, and the file is
//   then valid UTF-8;
// - where the file is at most 64,000 bytes before and after the write
//   (larger files are read by the line rule, where sections play no part),
//   reading the key gives back the value without its outer blanks and one
//   pair of matching quotes, cut to 511 characters, and the keys the file
//   held before (its first 40), in their own section and in the written
//   one, read as they did.
// As in fuzz_ini_rules, values, keys and sections that an INI line cannot
// carry (line ends, a key with "=" or starting with "[", a section with
// "]") are not written.

#include "FuzzSupport.h"
#include "IniReference.h"

#include "lang/IniFile.h"

#include <QFile>

using namespace ortix;
using namespace ortix::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Input in(data, size);
    const QString section = QString::fromUtf8(in.line());
    const QString key = QString::fromUtf8(in.line());
    const QString value = QString::fromUtf8(in.line());
    const Sizing sizing = in.sizing();
    const QByteArray bytes = sized(in.rest(), sizing, lang::kSmallIniFileLimit);
    if (!fitsIniLine(section, key, value)) {
        return 0;
    }

    const QString path = nextScratchPath(QStringLiteral("settings.ini"));
    FUZZ_CHECK(writeFile(path, bytes), path);
    const auto readNow = [&](const IniProbe &probe) {
        return lang::MLSReadIni(path, probe.section, probe.key).value_or(QStringLiteral("<none>"));
    };
    const QList<IniProbe> probes = referenceKeys(referenceFileLines(bytes), section);
    QStringList valuesBefore;
    for (const IniProbe &probe : probes) {
        valuesBefore.append(readNow(probe));
    }

    FUZZ_CHECK(lang::MLSWriteIni(path, section, key, value), QStringLiteral("write failed"));
    QFile file(path);
    const QByteArray written = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    FUZZ_CHECK(written.isValidUtf8(), QStringLiteral("not UTF-8"));
    if (bytes.size() > lang::kSmallIniFileLimit || written.size() > lang::kSmallIniFileLimit) {
        return 0;
    }

    const QString readBack = readNow({section, key});
    FUZZ_CHECK(readBack == referenceReadBack(value), shown(readBack) + QStringLiteral(" for ") + shown(value));
    for (qsizetype i = 0; i < probes.size(); ++i) {
        const IniProbe &probe = probes.at(i);
        const bool isTheKey = sameIniName(probe.section, section) && sameIniName(probe.key, key);
        const QString now = readNow(probe);
        FUZZ_CHECK(isTheKey || now == valuesBefore.at(i), shown(probe.key) + QStringLiteral(" now ") + shown(now));
    }
    return 0;
}
