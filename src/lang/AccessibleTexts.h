#pragma once

#include <QString>

namespace ortix::lang {

// The texts a screen reader reads for what the eye sees at once: the place
// of a rod, the beads on it, the pictures of the feedback. They come from
// the current language file (section Strings, ids "0200" to "0213"), so
// they follow a change of language; a missing id gives an empty text.

// The place with the value 10^power: units (0) to hundreds of thousands (5).
QString placeName(int power);
// The thousands period or the units period.
QString periodName(bool thousands);
// A rod's button: its place and the beads on its rod ("decine, palline: 3").
QString rodButtonName(int power, int beads);
// How the keyboard and touch put beads on a rod and take them off.
QString rodKeysHint();
// One bead of a rod.
QString beadName(int power);
// The right-answer and the wrong-answer pictures.
QString rightPictureName();
QString wrongPictureName();
// A square of the picture of a quantity.
QString squareName();

} // namespace ortix::lang
