#pragma once

#include <QString>
#include <QtGlobal>

#include <span>

namespace ortix {

// The decimal places of a counting frame. Windows up to 9999 use k for the
// thousands; the thousands-period windows use uk, dak and hk.
enum class Place { hk, dak, uk, k, h, da, u };

// The suffix that names the place's controls: "u" in pal_u, Bot_u.
QString suffixOf(Place place);
qint32 valueOf(Place place);
// The place's power of ten: 0 for the units, 5 for the hundreds of thousands.
int powerOf(Place place);

// The digit of each place of n, taken from the highest place down by floor
// division; the highest place takes whatever is left above it.
// `places` runs from the highest place to the units.
void placeDigits(qint32 n, std::span<const Place> places, std::span<int> digits);

// The number a frame shows: each count times its place value.
qint32 builtNumber(std::span<const Place> places, std::span<const int> counts);

} // namespace ortix
