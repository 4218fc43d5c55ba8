#pragma once

#include <cstdint>
#include <vector>

namespace ortix::tools {

constexpr int kSampleRate = 22050;

// One harmonic of a voice: a multiple of the base pitch and its weight.
struct Partial
{
    double multiple;
    double weight;
};

// How one note sounds. The pitch glides from fromHz to toHz over the note
// (equal values give a steady pitch). The loudness rises softly over
// `attack`, then falls exponentially with time constant `decay` (0: it
// holds), and the last `release` seconds fade to silence, so no note ever
// starts or stops with a click.
struct Voice
{
    double fromHz;
    double toHz;
    double attack;
    double decay;
    double release;
    std::vector<Partial> partials;
};

// A mono track on which notes are mixed, then scaled and rounded to 16 bits.
class Track
{
public:
    explicit Track(double seconds);

    void addNote(double start, double length, double level, const Voice &voice);

    // Scales the mix so its loudest sample sits at `peak` (a fraction of full
    // scale), fades both ends of the track to silence and rounds to 16 bits.
    std::vector<std::int16_t> finish(double peak) const;

private:
    std::vector<double> m_samples;
};

} // namespace ortix::tools
