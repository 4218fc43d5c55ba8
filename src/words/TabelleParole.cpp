#include "words/TabelleParole.h"

namespace ortix::words {

namespace {

// The words are the program's own, capitals and all: compound results take
// their inner capitals from here, and the Spanish hundreds and group words
// end with a blank that belongs to the word.
constexpr TabellaParole kItaliano = {
    u"Zero", u"Uno", u"Due", u"Tre", u"Quattro", u"Cinque", u"Sei", u"Sette", u"Otto", u"Nove",
    u"Dieci", u"Undici", u"Dodici", u"Tredici", u"Quattordici", u"Quindici", u"Sedici",
    u"Diciassette", u"Diciotto", u"Diciannove",
    u"Venti", u"Trenta", u"Quaranta", u"Cinquanta", u"Sessanta", u"Settanta", u"Ottanta", u"Novanta",
    u"Cento", u"Duecento", u"Trecento", u"Quattrocento", u"Cinquecento", u"Seicento", u"Settecento",
    u"Ottocento", u"Novecento",
    u"Mille", u"Mila", u"UnMilione", u"Milioni", u"UnMiliardo", u"Miliardi",
    u"** Valore non calcolabile **",
};

constexpr TabellaParole kInglese = {
    u"Zero", u"One", u"Two", u"Three", u"Four", u"Five", u"Six", u"Seven", u"Eight", u"Nine",
    u"Ten", u"Eleven", u"Twelve", u"Thirteen", u"Fourteen", u"Fifteen", u"Sixteen",
    u"Seventeen", u"Eighteen", u"Nineteen",
    u"Twenty", u"Thirty", u"Forty", u"Fifty", u"Sixty", u"Seventy", u"Eighty", u"Ninety",
    u"Onehundred", u"Twohundred", u"Threehundred", u"Fourhundred", u"Fivehundred", u"Sixhundred",
    u"Sevenhundred", u"Eighthundred", u"Ninehundred",
    u"Onethousand", u"Thousand", u"OneMillion", u"Millions", u"OneBillion", u"Billions",
    u"** Value not calculable **",
};

constexpr TabellaParole kFrancese = {
    u"Zero", u"Un", u"Deux", u"Trois", u"Quatre", u"Cinq", u"Six", u"Sept", u"Huit", u"Neuf",
    u"Dix", u"Onze", u"Douze", u"Treize", u"Quatorze", u"Quinze", u"Seize",
    u"Dixsept", u"Dixhuit", u"Dixneuf",
    u"Vingt", u"Trente", u"Quarante", u"Cinquante", u"Soixante", u"Soixantedix", u"Quatrevingts",
    u"Quatrevingtdix",
    u"Cent", u"Deuxcents", u"Troiscents", u"Quatrecents", u"Cinqcents", u"Sixcents", u"Septcents",
    u"Huitcents", u"Neufcents",
    u"Mille", u"Mille", u"UnMillion", u"Million", u"UnMilliard", u"Milliard",
    u"** Valeur pas calculable **",
};

constexpr TabellaParole kTedesco = {
    u"Null", u"Ein", u"Zwei", u"Drei", u"Vier", u"Fünf", u"Sechs", u"Sieben", u"Acht", u"Neun",
    u"Zehn", u"Elf", u"Zwölf", u"Dreizehn", u"Vierzehn", u"Fünfzehn", u"Sechzehn",
    u"Siebzehn", u"Achtzehn", u"Neunzehn",
    u"Zwanzig", u"Dreißig", u"Vierzig", u"Fünfzig", u"Sechzig", u"Siebzig", u"Achtzig", u"Neunzig",
    u"Hundert", u"Zweihundert", u"Dreihundert", u"Vierhundert", u"Fünfhundert", u"Sechshundert",
    u"Siebenhundert", u"Achthundert", u"Neunhundert",
    u"Tausend", u"Tausend", u"EineMillion", u"Millionen", u"EineMilliarde", u"Milliarden",
    u"** Unberechenbarer Wert **",
};

constexpr TabellaParole kSpagnolo = {
    u"CERO", u"UNO", u"DOS", u"TRES", u"CUATRO", u"CINCO", u"SEIS", u"SIETE", u"OCHO", u"NUEVE",
    u"DIEZ", u"ONCE", u"DOCE", u"TRECE", u"CATORCE", u"QUINCE", u"DIECISEIS",
    u"DIECISIETE", u"DIECIOCHO", u"DIECINUEVE",
    u"VENTE", u"TRENTA", u"CUARENTA", u"CINCUENTA", u"SESENTA", u"SETENTA", u"OCHENTA", u"NOVENTA",
    u"CIENTO ", u"DOSCIENTOS ", u"TRESCIENTOS ", u"CUATROCIENTOS ", u"CINCOCIENTOS ",
    u"SEISCIENTOS ", u"SIETECIENTOS ", u"OCHOCIENTOS ", u"NUEVECIENTOS ",
    u"UNMIL ", u"MIL ", u"UNMILLON ", u"MILLONES ", u"UNMILLARDO ", u"MILLARDOS ",
    u"** Value not calculable **",
};

constexpr TabellaParole kAlbanese = {
    u"ZERO", u"NJE", u"DY", u"TRE", u"KATER", u"PESE", u"GJASHTE", u"SHTATE", u"TETE", u"NENTE",
    u"DHJETE", u"NJEMBEDHJETE", u"DYMBEDHJETE", u"TREMBEDHJETE", u"KATERMBEDHJETE",
    u"PESEMBEDHJETE", u"GJASHTEMBEDHJETE", u"SHTATEMBEDHJETE", u"TETEMBEDHJETE",
    u"NENTEMBEDHJETE",
    u"NJEZET", u"TRIDHJETE", u"DYZET", u"PESEDHJETE", u"GJASHTEDHJETE", u"SHTATEDHJETE",
    u"TETEDHJETE", u"NENTEDHJETE",
    u"NJEQIND", u"DYNJEQIND", u"TRENJEQIND", u"KATERNJEQIND", u"PESENJEQIND", u"GJASHTENJEQIND",
    u"SHTATENJEQIND", u"TETENJEQIND", u"NENTENJEQIND",
    u"NJEMIJE", u"MIJE", u"NJEMILIONE", u"MILIONE", u"NJEMILIARDE", u"MILIARDA",
    u"** Valore non calcolabile **",
};

// A short initialiser would leave empty words at the end unnoticed.
constexpr bool completa(const TabellaParole &tabella)
{
    for (const QStringView parola : tabella) {
        if (parola.isEmpty()) {
            return false;
        }
    }
    return true;
}
static_assert(completa(kItaliano) && completa(kInglese) && completa(kFrancese));
static_assert(completa(kTedesco) && completa(kSpagnolo) && completa(kAlbanese));

// Indexed by language code minus one.
constexpr std::array<const TabellaParole *, 6> kTabelle = {
    &kItaliano, &kInglese, &kFrancese, &kTedesco, &kSpagnolo, &kAlbanese,
};

} // namespace

const TabellaParole &tabellaParole(int lingua)
{
    if (lingua < 1 || lingua > static_cast<int>(kTabelle.size())) {
        return kItaliano;
    }
    return *kTabelle[static_cast<std::size_t>(lingua - 1)];
}

} // namespace ortix::words
