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

#include <charconv>
#include <string>
#include <vector>

using namespace ortix;
using namespace ortix::fuzz;

namespace {

std::vector<std::string> fields(const std::string &text, std::size_t wanted)
{
    std::vector<std::string> out;
    std::string current;
    for (std::size_t i = 0; i <= text.size() && out.size() < wanted; ++i) {
        const char ch = i < text.size() ? text[i] : ' ';
        if (ch == '\r' || ch == '\n' || ch == ' ' || ch == '\t' || ch == ',') {
            if (!current.empty()) {
                out.push_back(current);
            }
            current.clear();
        } else {
            current += ch;
        }
    }
    return out;
}

std::optional<long long> number(const std::string &field)
{
    std::size_t start = (field[0] == '+' || field[0] == '-') ? 1 : 0;
    if (start == field.size() || field.find_first_not_of("0123456789", start) != std::string::npos) {
        return std::nullopt;
    }
    long long value = 0;
    const auto result = std::from_chars(field.data() + start, field.data() + field.size(), value);
    if (result.ec != std::errc()) {
        return std::nullopt;
    }
    return field[0] == '-' ? -value : value;
}

FrameSettings referenceParse(QByteArray bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        bytes.remove(0, 3);
    }
    const std::vector<std::string> f = fields(bytes.toStdString(), 2);
    if (f.size() < 2) {
        return {};
    }
    const auto rods = number(f[0]);
    const auto beads = number(f[1]);
    if (!rods || !beads) {
        return {};
    }
    const bool rodsOk = *rods >= 1 && *rods <= 6;
    const bool beadsOk = (*beads >= 1 && *beads <= 10) || *beads == 18;
    return rodsOk && beadsOk ? FrameSettings{int(*rods), int(*beads)} : FrameSettings{};
}

QString described(const FrameSettings &s)
{
    return QStringLiteral("%1 rods, %2 beads").arg(s.NumeroFili).arg(s.PallinePerFilo);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Input in(data, size);
    const Sizing sizing = readSizing(in);
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
