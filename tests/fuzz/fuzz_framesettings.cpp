// The free frame's settings reader over any bytes, from memory and from a
// file sized on both sides of its 64 KiB bound.
//
// Input: two sizing bytes, then the file's bytes. Rules checked:
// - parseFrameSettings always gives a valid setting, the one a plain
//   reading of the rule gives (first two fields separated by line ends,
//   blanks, tabs or commas, after an optional UTF-8 byte order mark; each a
//   sign and decimal digits; both in range, else 6 and 9);
// - the text written for that setting reads back as the same setting;
// - a file up to the bound loads as its text parses, a larger one as the
//   defaults, and readSmallFile gives its bytes exactly or nothing.

#include "FuzzSupport.h"

#include "frame/FrameSettings.h"

#include <QRegularExpression>

using namespace ortix;
using namespace ortix::fuzz;

namespace {

// The first two fields, separated by line ends, blanks, tabs or commas.
FrameSettings referenceParse(const QByteArray &bytes)
{
    static const QRegularExpression twoFields(QStringLiteral("^(?:\u00EF\u00BB\u00BF)?[\r\n \t,]*([^\r\n \t,]+)[\r\n \t,]+([^\r\n \t,]+)"));
    static const QRegularExpression number(QStringLiteral("^[+-]?[0-9]+$"));
    const auto fields = twoFields.match(QString::fromLatin1(bytes));
    // A number too large to read gives 0, out of range as well.
    const qlonglong rods = fields.captured(1).toLongLong();
    const qlonglong beads = fields.captured(2).toLongLong();
    const bool valid = fields.hasMatch() && number.match(fields.captured(1)).hasMatch()
        && number.match(fields.captured(2)).hasMatch() && rods >= 1 && rods <= 6
        && ((beads >= 1 && beads <= 10) || beads == 18);
    return valid ? FrameSettings{int(rods), int(beads)} : FrameSettings{};
}

QString described(const FrameSettings &s)
{
    return QStringLiteral("%1 rods, %2 beads").arg(s.NumeroFili).arg(s.PallinePerFilo);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Input in(data, size);
    const Sizing sizing = in.sizing();
    const QByteArray content = in.rest();

    const FrameSettings parsed = parseFrameSettings(content);
    FUZZ_CHECK(isValidFrameSettings(parsed), described(parsed));
    const FrameSettings expected = referenceParse(content);
    FUZZ_CHECK(parsed == expected, described(parsed) + QStringLiteral(" instead of ") + described(expected));
    FUZZ_CHECK(parseFrameSettings(frameSettingsText(parsed)) == parsed, described(parsed));

    const QByteArray bytes = sized(content, sizing, kFrameSettingsMaxBytes);
    const QString path = nextScratchPath(QStringLiteral("ortix.INI"));
    FUZZ_CHECK(writeFile(path, bytes), path);
    const std::optional<QByteArray> read = readSmallFile(path, kFrameSettingsMaxBytes);
    const bool fits = bytes.size() <= kFrameSettingsMaxBytes;
    FUZZ_CHECK(read.has_value() == fits, QStringLiteral("%1 bytes").arg(bytes.size()));
    FUZZ_CHECK(!read || *read == bytes, QStringLiteral("bytes differ"));
    const FrameSettings loaded = loadFrameSettings(path);
    const FrameSettings expectedLoad = fits ? referenceParse(bytes) : FrameSettings{};
    FUZZ_CHECK(loaded == expectedLoad, described(loaded) + QStringLiteral(" instead of ") + described(expectedLoad));
    return 0;
}
