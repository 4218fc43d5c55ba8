#include "words/NumeroInLettere.h"

#include "words/TabelleParole.h"

#include <array>

namespace ortix {

namespace {

using words::TabellaParole;

// The longest text taken as a number: twelve digits.
constexpr qsizetype kCaratteriMassimi = 12;

int linguaValida(int lingua)
{
    return (lingua >= LinguaItaliano && lingua <= LinguaAlbanese) ? lingua : LinguaItaliano;
}

// One group of three digits (1..999): the hundreds, then the tens and units
// in the order and with the joiners of the language.
void appendiGruppo(QString &s, int gruppo, int lingua, const TabellaParole &w)
{
    const int h = gruppo / 100;
    const int t = gruppo / 10 % 10;
    const int u = gruppo % 10;

    if (h > 0) {
        s += w[words::IndiceCentinaiaMenoUno + h];
    }
    if (t == 0) {
        if (u > 0) {
            s += w[u];
        }
        return;
    }
    if (t == 1) {
        s += w[words::IndiceDieci + u];
        return;
    }
    const QStringView decina = w[words::IndiceDecineMenoDue + t];
    if (u > 0 && lingua == LinguaTedesco) {
        // Units first: 21 is EinUndZwanzig.
        s += w[u];
        s += u"Und";
        s += decina;
        return;
    }
    if (u > 0 && lingua == LinguaSpagnolo) {
        // The tens word's last letter becomes "I": 21 is VENTIUNO.
        s += decina;
        s.chop(1);
        s += u'I';
        s += w[u];
        return;
    }
    if (u > 0 && lingua == LinguaAlbanese) {
        s += decina;
        s += u" E ";
        s += w[u];
        return;
    }
    s += decina;
    if (lingua == LinguaItaliano && (u == 1 || u == 8)) {
        // Italian drops the tens word's final vowel before Uno and Otto.
        s.chop(1);
    }
    if (u > 0) {
        s += w[u];
    }
}

} // namespace

int CodiceLingua(const QString &linguaNumeri)
{
    if (linguaNumeri.size() == 1) {
        const char16_t c = linguaNumeri.front().unicode();
        if (c >= u'1' && c <= u'6') {
            return c - u'0';
        }
    }
    return LinguaItaliano;
}

QString ValoreNonCalcolabile(int lingua)
{
    return words::tabellaParole(linguaValida(lingua))[words::IndiceFuoriScala].toString();
}

QString NumeroInLettere(qint64 value, int lingua)
{
    lingua = linguaValida(lingua);
    const TabellaParole &w = words::tabellaParole(lingua);
    if (value < 0 || value > kNumeroMassimoInLettere) {
        return w[words::IndiceFuoriScala].toString();
    }
    if (value == 0) {
        return w[words::IndiceZero].toString();
    }

    // Billions, millions, thousands, units; each of the first three is
    // followed by its group word, in the singular when the group is 1.
    const std::array<int, 4> gruppi = {
        static_cast<int>(value / 1'000'000'000),
        static_cast<int>(value / 1'000'000 % 1000),
        static_cast<int>(value / 1000 % 1000),
        static_cast<int>(value % 1000),
    };
    constexpr std::array<int, 3> kIndiceUnoDelGruppo = {
        words::IndiceUnMiliardo,
        words::IndiceUnMilione,
        words::IndiceMille,
    };

    QString s;
    s.reserve(160); // the longest result, Albanian 999 999 999 999, has 143
    for (std::size_t g = 0; g < gruppi.size(); ++g) {
        const int gruppo = gruppi[g];
        if (gruppo == 0) {
            continue;
        }
        appendiGruppo(s, gruppo, lingua, w);
        if (g == gruppi.size() - 1) {
            break;
        }
        const int indiceUno = kIndiceUnoDelGruppo[g];
        if (gruppo == 1) {
            // "UnMilione", not "UnoMilioni": the one goes into the group word.
            s.chop(w[words::IndiceUno].size());
            s += w[indiceUno];
        } else {
            s += w[indiceUno + 1];
        }
    }

    // German ends a plain one as "Eins", but not a compound: "EinUndZwanzig".
    if (lingua == LinguaTedesco && s.endsWith(w[words::IndiceUno])) {
        s += u's';
    }
    return s;
}

QString NumeroInLettere(const QString &value, int lingua)
{
    // Only a plain decimal whole number counts. A point or a comma is not
    // taken as a fraction mark, since "1.000" is a thousand to an Italian
    // reader and one to a program.
    if (value.size() > kCaratteriMassimi) {
        return ValoreNonCalcolabile(lingua);
    }
    const QStringView testo = QStringView(value).trimmed();
    qsizetype i = 0;
    bool negativo = false;
    if (!testo.isEmpty() && (testo.front() == u'+' || testo.front() == u'-')) {
        negativo = testo.front() == u'-';
        ++i;
    }
    if (i == testo.size()) {
        return ValoreNonCalcolabile(lingua);
    }
    qint64 numero = 0;
    for (; i < testo.size(); ++i) {
        const char16_t c = testo[i].unicode();
        if (c < u'0' || c > u'9') {
            return ValoreNonCalcolabile(lingua);
        }
        numero = numero * 10 + (c - u'0');
    }
    return NumeroInLettere(negativo ? -numero : numero, lingua);
}

QString NumeroInLettere(const QString &value, const QString &linguaNumeri)
{
    return NumeroInLettere(value, CodiceLingua(linguaNumeri));
}

} // namespace ortix
