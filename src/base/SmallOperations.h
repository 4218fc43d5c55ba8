#pragma once

#include <QString>
#include <QtGlobal>

#include <array>

namespace ortix {

// The title of the program's own message boxes.
inline constexpr auto kTitoloMessaggi = "Utilizzo dell'ortix";

// Key filter of the answer boxes where a number is written in words: a
// lower-case "a" to "z" becomes its capital, the caller's code too; every
// other key passes unchanged.
qint16 TastoMaiuscolo(qint16 &keyAscii);

// The background colours the windows draw from (0xRRGGBB). The repeats make
// some colours come up more often.
inline constexpr std::array<quint32, 18> kColoriSfondo = {
    0xFFC0C0, 0xFF8080, 0xFF8000, 0xFFC080, 0xFF8000, 0xFFFFC0,
    0xFF8080, 0xC04000, 0x80FF80, 0xC04000, 0xC0FFFF, 0x00FFFF,
    0xC0C0FF, 0xFFC0FF, 0xFFC0FF, 0xE0E0E0, 0xFFC0FF, 0xFF00FF,
};

// A random background colour of the table (one Rnd draw).
quint32 ColoreACaso();

// The credit line that ends the information box.
QString creditLine();

// The information box text from the four description lines (string ids
// "9996" to "9999"): the non-empty ones, the hyphen line, the credit.
QString informationText(const std::array<QString, 4> &descriptionLines);

} // namespace ortix
