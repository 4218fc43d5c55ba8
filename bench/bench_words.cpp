// The number-to-words converter: one conversion of the longest number it
// takes, per language.
#include "words/NumeroInLettere.h"

#include <QTextStream>

#include <algorithm>
#include <array>
#include <chrono>
#include <vector>

namespace {

// A single call is too short for the clock, so each sample times a batch
// and the median of the samples, divided by the batch, is reported.
constexpr int kCampioni = 301;
constexpr int kPerCampione = 200;
constexpr qint64 kNumero = 999'999'999'999;

qint64 medianaNs(int lingua)
{
    using Orologio = std::chrono::steady_clock;
    qsizetype lunghezze = 0;
    std::vector<qint64> campioni;
    campioni.reserve(kCampioni);
    for (int c = 0; c < kCampioni; ++c) {
        const auto inizio = Orologio::now();
        for (int i = 0; i < kPerCampione; ++i) {
            lunghezze += ortix::NumeroInLettere(kNumero, lingua).size();
        }
        const auto fine = Orologio::now();
        campioni.push_back(std::chrono::duration_cast<std::chrono::nanoseconds>(fine - inizio).count());
    }
    // Keeps the calls from being optimised away.
    if (lunghezze == 0) {
        return -1;
    }
    std::nth_element(campioni.begin(), campioni.begin() + kCampioni / 2, campioni.end());
    return campioni[kCampioni / 2] / kPerCampione;
}

} // namespace

void benchWords(QTextStream &out)
{
    constexpr std::array<const char *, 6> kNomi = {
        "Italian", "English", "French", "German", "Spanish", "Albanian",
    };
    for (int lingua = ortix::LinguaItaliano; lingua <= ortix::LinguaAlbanese; ++lingua) {
        // A first batch outside the measure warms the caches.
        medianaNs(lingua);
        out << "NumeroInLettere(999999999999, " << kNomi[static_cast<std::size_t>(lingua - 1)]
            << "): " << medianaNs(lingua) << " ns\n";
    }
    out.flush();
}
