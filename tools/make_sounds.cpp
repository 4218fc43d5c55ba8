// ortix_make_sounds <output-folder>
//
// Synthesises the program's short wave files: four cheerful right-answer
// chimes, a gentle wrong-answer sound and the three sounds of the free
// counting frame. Everything is made here from sine tones, so the sounds
// are the project's own and come out the same on every build.

#include "Synth.h"
#include "WaveFile.h"

#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

using namespace ortix::tools;

namespace {

namespace note {
constexpr double C5 = 523.25;
constexpr double D5 = 587.33;
constexpr double E5 = 659.26;
constexpr double Fs5 = 739.99;
constexpr double G5 = 783.99;
constexpr double A5 = 880.00;
constexpr double C6 = 1046.50;
constexpr double D6 = 1174.66;
constexpr double Fs6 = 1479.98;
constexpr double E4 = 329.63;
constexpr double Eb4 = 311.13;
constexpr double G4 = 392.00;
} // namespace note

// Right answers sit well below full scale; the wrong answer is softer still.
constexpr double kChimePeak = 0.6;
constexpr double kGentlePeak = 0.35;
constexpr double kClickPeak = 0.5;
constexpr double kSweepPeak = 0.4;

// A small bell: quick soft attack, a ring that dies away.
Voice chime(double hz)
{
    return {hz, hz, 0.004, 0.12, 0.03, {{1.0, 1.0}, {2.0, 0.25}, {3.0, 0.08}}};
}

// Rising C major arpeggio.
std::vector<std::int16_t> rightArpeggio()
{
    Track track(0.62);
    const double notes[] = {note::C5, note::E5, note::G5, note::C6};
    for (int i = 0; i < 4; ++i) {
        track.addNote(0.08 * i, i == 3 ? 0.38 : 0.30, 1.0, chime(notes[i]));
    }
    return track.finish(kChimePeak);
}

// "Ding - ding-ding": one note answered by a bright third above.
std::vector<std::int16_t> rightDingDing()
{
    Track track(0.52);
    track.addNote(0.0, 0.26, 1.0, chime(note::A5));
    track.addNote(0.13, 0.39, 0.8, chime(note::D6));
    track.addNote(0.13, 0.39, 0.6, chime(note::Fs6));
    return track.finish(kChimePeak);
}

// A quick pentatonic run up to a long last note.
std::vector<std::int16_t> rightRun()
{
    Track track(0.58);
    const double notes[] = {note::D5, note::E5, note::Fs5, note::A5, note::D6};
    for (int i = 0; i < 5; ++i) {
        track.addNote(0.05 * i, i == 4 ? 0.38 : 0.16, 1.0, chime(notes[i]));
    }
    return track.finish(kChimePeak);
}

// "Ta-da": a short chord, then the same chord an octave higher, ringing.
std::vector<std::int16_t> rightTaDa()
{
    Track track(0.62);
    const double chord[] = {note::C5, note::E5, note::G5};
    for (const double hz : chord) {
        track.addNote(0.0, 0.14, 0.7, chime(hz));
        track.addNote(0.16, 0.46, 0.7, chime(2.0 * hz));
    }
    return track.finish(kChimePeak);
}

// Two soft falling tones with slow edges: a kind "oh-oh", never a buzzer.
std::vector<std::int16_t> wrongAnswer()
{
    Track track(0.56);
    const std::vector<Partial> soft = {{1.0, 1.0}, {2.0, 0.12}};
    track.addNote(0.0, 0.24, 1.0, Voice{note::G4, note::G4, 0.03, 0.3, 0.08, soft});
    track.addNote(0.22, 0.34, 1.0, Voice{note::E4, note::Eb4, 0.03, 0.3, 0.12, soft});
    return track.finish(kGentlePeak);
}

// Bead put on a rod: a short pop that drops in pitch.
std::vector<std::int16_t> beadPop()
{
    Track track(0.07);
    track.addNote(0.0, 0.07, 1.0, Voice{700.0, 180.0, 0.002, 0.018, 0.01, {{1.0, 1.0}, {2.0, 0.3}}});
    return track.finish(kClickPeak);
}

// Bead taken away: a brief hollow blip, a little lower at its end.
std::vector<std::int16_t> beadBlip()
{
    Track track(0.09);
    track.addNote(0.0, 0.09, 1.0,
                  Voice{660.0, 520.0, 0.003, 0.05, 0.015, {{1.0, 1.0}, {3.0, 0.2}, {5.0, 0.06}}});
    return track.finish(kClickPeak);
}

// Frame emptied: a quick sweep upwards.
std::vector<std::int16_t> frameEmptied()
{
    Track track(0.34);
    track.addNote(0.0, 0.34, 1.0, Voice{300.0, 1400.0, 0.01, 0.0, 0.08, {{1.0, 1.0}, {2.0, 0.2}}});
    return track.finish(kSweepPeak);
}

struct Sound
{
    const char *fileName;
    std::vector<std::int16_t> (*make)();
};

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::cerr << "usage: ortix_make_sounds <output-folder>\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        std::cerr << "ortix_make_sounds: cannot create " << folder << ": " << error.message() << '\n';
        return 1;
    }

    const Sound sounds[] = {
        {"si1.wav", rightArpeggio}, {"si2.wav", rightDingDing}, {"si3.wav", rightRun},
        {"si4.wav", rightTaDa},     {"no.wav", wrongAnswer},    {"pop1.wav", beadPop},
        {"blip01.wav", beadBlip},   {"up05.wav", frameEmptied},
    };
    for (const Sound &sound : sounds) {
        const std::filesystem::path path = folder / sound.fileName;
        if (!writeWave(path, sound.make(), kSampleRate)) {
            std::cerr << "ortix_make_sounds: cannot write " << path << '\n';
            return 1;
        }
    }
    return 0;
}
