#include "Synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ortix::tools {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

// 0 at x = 0 rising smoothly to 1 at x = 1: a raised cosine.
double smoothRise(double x)
{
    return 0.5 - 0.5 * std::cos(std::numbers::pi * std::clamp(x, 0.0, 1.0));
}

double envelopeAt(const Voice &voice, double t, double length)
{
    double gain = voice.attack > 0.0 ? smoothRise(t / voice.attack) : 1.0;
    if (voice.decay > 0.0 && t > voice.attack) {
        gain *= std::exp(-(t - voice.attack) / voice.decay);
    }
    if (voice.release > 0.0) {
        gain *= smoothRise((length - t) / voice.release);
    }
    return gain;
}

} // namespace

Track::Track(double seconds)
    : m_samples(static_cast<std::size_t>(std::ceil(seconds * kSampleRate)), 0.0)
{
}

void Track::addNote(double start, double length, double level, const Voice &voice)
{
    const auto first = static_cast<std::size_t>(std::lround(start * kSampleRate));
    const auto count = static_cast<std::size_t>(std::lround(length * kSampleRate));
    const double nyquist = kSampleRate / 2.0;
    double phase = 0.0;
    for (std::size_t i = 0; i < count && first + i < m_samples.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        // An exponential glide sounds even to the ear over the whole sweep.
        const double hz = voice.fromHz * std::pow(voice.toHz / voice.fromHz, t / length);
        double value = 0.0;
        for (const Partial &partial : voice.partials) {
            // Harmonics past half the sample rate would fold back as noise.
            if (hz * partial.multiple < nyquist) {
                value += partial.weight * std::sin(partial.multiple * phase);
            }
        }
        m_samples[first + i] += level * envelopeAt(voice, t, length) * value;
        phase = std::fmod(phase + kTwoPi * hz / kSampleRate, kTwoPi);
    }
}

std::vector<std::int16_t> Track::finish(double peak) const
{
    constexpr double kFadeIn = 0.005;
    constexpr double kFadeOut = 0.020;
    constexpr double kFullScale = 32767.0;

    double loudest = 0.0;
    for (const double sample : m_samples) {
        loudest = std::max(loudest, std::abs(sample));
    }
    const double scale = loudest > 0.0 ? peak / loudest : 0.0;
    const double total = static_cast<double>(m_samples.size()) / kSampleRate;

    std::vector<std::int16_t> out;
    out.reserve(m_samples.size());
    for (std::size_t i = 0; i < m_samples.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double fade = smoothRise(t / kFadeIn) * smoothRise((total - t) / kFadeOut);
        const double value = std::clamp(m_samples[i] * scale * fade, -1.0, 1.0);
        out.push_back(static_cast<std::int16_t>(std::lround(value * kFullScale)));
    }
    return out;
}

} // namespace ortix::tools
