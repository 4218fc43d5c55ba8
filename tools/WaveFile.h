#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace ortix::tools {

// Writes the samples as a 16-bit PCM mono RIFF/WAVE file, the plainest form
// every sound player reads. Returns false when the file cannot be written.
bool writeWave(const std::filesystem::path &path, const std::vector<std::int16_t> &samples,
               int sampleRate);

} // namespace ortix::tools
