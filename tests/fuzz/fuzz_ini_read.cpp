// MLSReadIni over files of any bytes, sized on both sides of the 64,000-byte
// limit between the two reading rules.
//
// Input: section line, key line, two sizing bytes, then the file's bytes.
// Rules checked: a file that exists and is not too large (no input here
// comes near 4 MiB or 65,536 lines) always gives a value; up to 64,000
// bytes it is the one of the small-file rule (at most 511 characters),
// above it the one of the line rule, both on the text of the file without
// the byte order marks at its start (IniReference).

#include "FuzzSupport.h"
#include "IniReference.h"

#include "lang/IniFile.h"

using namespace ortix;
using namespace ortix::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Input in(data, size);
    const QString section = QString::fromUtf8(in.line());
    const QString key = QString::fromUtf8(in.line());
    const Sizing sizing = in.sizing();
    const QByteArray bytes = sized(in.rest(), sizing, lang::kSmallIniFileLimit);

    const QString path = nextScratchPath(QStringLiteral("file.lng"));
    FUZZ_CHECK(writeFile(path, bytes), path);
    const std::optional<QString> value = lang::MLSReadIni(path, section, key);
    FUZZ_CHECK(value.has_value(), QStringLiteral("%1 bytes").arg(bytes.size()));

    const QStringList lines = referenceFileLines(bytes);
    const bool small = bytes.size() <= lang::kSmallIniFileLimit;
    const QString expected = small ? referenceSmallRead(referenceEntries(lines, section), key) : referenceLargeRead(lines, key);
    FUZZ_CHECK(*value == expected, shown(*value) + QStringLiteral(" instead of ") + shown(expected));
    FUZZ_CHECK(!small || value->size() <= lang::kMaxIniValueLength, shown(*value));
    return 0;
}
