#pragma once

#include <QString>
#include <QtGlobal>

#include <concepts>
#include <utility>

namespace ortix {

// The number-word language codes, as LinguaNumeri holds them in text form.
enum Lingua : int {
    LinguaItaliano = 1,
    LinguaInglese = 2,
    LinguaFrancese = 3,
    LinguaTedesco = 4,
    LinguaSpagnolo = 5,
    LinguaAlbanese = 6,
};

// The largest number that has words: twelve digits.
inline constexpr qint64 kNumeroMassimoInLettere = 999'999'999'999;

// The code of a LinguaNumeri text "1".."6"; an empty or unknown text means
// Italian, so the words never stop for want of a language.
int CodiceLingua(const QString &linguaNumeri);

// The overflow message of a language ("** Valore non calcolabile **").
QString ValoreNonCalcolabile(int lingua);

// The words of a whole number from 0 to 999 999 999 999 in language lingua
// (a code outside 1..6 gives Italian). A negative or larger value gives the
// overflow message.
QString NumeroInLettere(qint64 value, int lingua);

// The same for a text that holds a whole number in decimal digits (blanks
// around it and a leading sign allowed). A text longer than twelve
// characters, one that is no whole number, or a negative one gives the
// overflow message.
QString NumeroInLettere(const QString &value, int lingua);

// Whole numbers of any width: character and Boolean types are left out, so
// that '5' or true cannot pass for a number by mistake.
template <typename T>
concept NumeroIntero = std::integral<T> && !std::same_as<T, bool> && !std::same_as<T, char>
    && !std::same_as<T, wchar_t> && !std::same_as<T, char8_t> && !std::same_as<T, char16_t>
    && !std::same_as<T, char32_t>;

template <NumeroIntero T>
QString NumeroInLettere(T value, int lingua)
{
    if (!std::in_range<qint64>(value)) {
        return ValoreNonCalcolabile(lingua);
    }
    return NumeroInLettere(static_cast<qint64>(value), lingua);
}

// With the language given as LinguaNumeri holds it.
template <NumeroIntero T>
QString NumeroInLettere(T value, const QString &linguaNumeri)
{
    return NumeroInLettere(value, CodiceLingua(linguaNumeri));
}

QString NumeroInLettere(const QString &value, const QString &linguaNumeri);

} // namespace ortix
