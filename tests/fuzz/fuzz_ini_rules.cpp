// The INI rules on text in memory: findIniValue, readLargeIniValue,
// splitLines and withIniValue.
//
// Input: lines for section, key, value, a second section and a second key,
// then the text. Rules checked:
// - both readers agree with the rules written out in IniReference;
// - splitLines splits exactly at CR LF, CR and LF;
// - after withIniValue(text, section, key, value) the small-file reader
//   gives back value without its outer blanks and one pair of matching
//   quotes, cut to 511 characters, and every other key of every section
//   (the second section and key, and each key the text itself holds)
//   reads as before.
// The write rule holds for what an INI line can carry: a value, key and
// section without line ends, a key without "=" that does not start with
// "[" and a section without "]". Other inputs are only read.

#include "FuzzSupport.h"
#include "IniReference.h"

#include "lang/IniFile.h"
#include "lang/TextDecoding.h"

using namespace ortix;
using namespace ortix::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Input in(data, size);
    const QString section = QString::fromUtf8(in.line());
    const QString key = QString::fromUtf8(in.line());
    const QString value = QString::fromUtf8(in.line());
    const QString otherSection = QString::fromUtf8(in.line());
    const QString otherKey = QString::fromUtf8(in.line());
    const QString text = lang::decodeText(in.rest());

    const QStringList lines = lang::splitLines(text);
    const QStringList split = referenceLines(text);
    const bool lineEndLast = text.isEmpty() || text.endsWith(u'\r') || text.endsWith(u'\n');
    FUZZ_CHECK(lines == (lineEndLast ? split.first(split.size() - 1) : split), QStringLiteral("lines split otherwise"));

    const std::optional<QString> small = lang::findIniValue(lines, section, key);
    FUZZ_CHECK(small.has_value(), shown(key));
    FUZZ_CHECK(*small == referenceSmallRead(referenceEntries(lines, section), key), shown(*small));
    const QString large = lang::readLargeIniValue(lines, key);
    FUZZ_CHECK(large == referenceLargeRead(lines, key), shown(large));

    if (!fitsIniLine(section, key, value)) {
        return 0;
    }
    const QString written = lang::withIniValue(text, section, key, value);
    const QStringList after = lang::splitLines(written);
    const QString readBack = lang::findIniValue(after, section, key).value_or(QStringLiteral("<none>"));
    FUZZ_CHECK(readBack == referenceReadBack(value), shown(readBack) + QStringLiteral(" for ") + shown(value));

    QList<IniProbe> probes = referenceKeys(lines, section);
    probes.append({{otherSection, otherKey}, {section, otherKey}, {otherSection, key}});
    for (const IniProbe &probe : probes) {
        const QString before = referenceSmallRead(referenceEntries(lines, probe.section), probe.key);
        const QString now = lang::findIniValue(after, probe.section, probe.key).value_or(QStringLiteral("<none>"));
        const bool isTheKey = sameIniName(probe.section, section) && sameIniName(probe.key, key);
        FUZZ_CHECK(isTheKey || now == before, shown(probe.key) + QStringLiteral(" now ") + shown(now));
    }
    return 0;
}
