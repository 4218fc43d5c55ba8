#pragma once

#include <QStringView>

#include <array>

namespace ortix::words {

// One language's 44 words, indexed as the converter reads them: 0 to 19 the
// numbers themselves, 20 to 27 the tens twenty to ninety, 28 to 36 the
// hundreds, 37 to 42 the group words (one thousand, thousands, one million,
// millions, one billion, billions) and 43 the overflow message.
inline constexpr int kParolePerLingua = 44;
using TabellaParole = std::array<QStringView, kParolePerLingua>;

enum IndiceParola : int {
    IndiceZero = 0,
    IndiceUno = 1,
    IndiceDieci = 10,
    IndiceDecineMenoDue = 18,   // + tens digit 2..9
    IndiceCentinaiaMenoUno = 27, // + hundreds digit 1..9
    IndiceMille = 37,            // the plural group word follows each "one"
    IndiceUnMilione = 39,
    IndiceUnMiliardo = 41,
    IndiceFuoriScala = 43,
};

// The table of a language code 1..6; any other code gets the Italian one.
const TabellaParole &tabellaParole(int lingua);

} // namespace ortix::words
