#include "WaveFile.h"

#include <fstream>

namespace ortix::tools {

namespace {

// RIFF fields are little-endian whatever the machine's byte order.
void putLe(std::vector<char> &bytes, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i) {
        bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xffu));
    }
}

void putTag(std::vector<char> &bytes, const char (&tag)[5])
{
    bytes.insert(bytes.end(), tag, tag + 4);
}

} // namespace

bool writeWave(const std::filesystem::path &path, const std::vector<std::int16_t> &samples,
               int sampleRate)
{
    constexpr std::uint32_t kChannels = 1;
    constexpr std::uint32_t kBytesPerSample = 2;
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * kBytesPerSample);

    std::vector<char> bytes;
    bytes.reserve(44 + dataSize);
    putTag(bytes, "RIFF");
    putLe(bytes, 36 + dataSize, 4);
    putTag(bytes, "WAVE");

    putTag(bytes, "fmt ");
    putLe(bytes, 16, 4);
    putLe(bytes, 1, 2); // PCM
    putLe(bytes, kChannels, 2);
    putLe(bytes, static_cast<std::uint32_t>(sampleRate), 4);
    putLe(bytes, static_cast<std::uint32_t>(sampleRate) * kChannels * kBytesPerSample, 4);
    putLe(bytes, kChannels * kBytesPerSample, 2);
    putLe(bytes, 8 * kBytesPerSample, 2);

    putTag(bytes, "data");
    putLe(bytes, dataSize, 4);
    for (const std::int16_t sample : samples) {
        putLe(bytes, static_cast<std::uint16_t>(sample), 2);
    }

    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return static_cast<bool>(out);
}

} // namespace ortix::tools
