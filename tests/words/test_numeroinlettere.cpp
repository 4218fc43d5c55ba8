// The words of whole numbers: a few rows for each composition rule of the
// six languages (not the word tables themselves); what the converter accepts
// as a number and as a language; the upper case the words are compared in.
#include "words/MaiuscoloPerCarattere.h"
#include "words/NumeroInLettere.h"

#include <QtTest>

#include <limits>
#include <tuple>
#include <utility>

using namespace ortix;
using namespace Qt::StringLiterals;

namespace {

const QString kFuoriIt = u"** Valore non calcolabile **"_s;
const QString kFuoriEn = u"** Value not calculable **"_s;

constexpr int It = LinguaItaliano, En = LinguaInglese, Fr = LinguaFrancese, De = LinguaTedesco,
              Es = LinguaSpagnolo, Sq = LinguaAlbanese;

} // namespace

class TestNumeroInLettere : public QObject
{
    Q_OBJECT

private slots:
    void paroleTestiEMaiuscole();
};

void TestNumeroInLettere::paroleTestiEMaiuscole()
{
    const std::tuple<qint64, int, const char *> righe[] = {
        {0, De, "Null"},
        // Italian drops the tens word's last vowel before Uno and Otto, and only there.
        {28, It, "VentOtto"}, {121, It, "CentoVentUno"}, {23, It, "VentiTre"}, {28, Fr, "VingtHuit"},
        // German puts the units first, and ends a one as "Eins", a compound's too.
        {21, De, "EinUndZwanzig"}, {201001, De, "ZweihundertEinTausendEins"}, {1000001, De, "EineMillionEins"},
        // Spanish: the tens' last letter becomes I; a blank after hundreds and group words.
        {21, Es, "VENTIUNO"}, {1001000, Es, "UNMILLON UNMIL "}, {120, Es, "CIENTO VENTE"},
        {21, Sq, "NJEZET E NJE"},
        // A group that is exactly one takes the singular group word; a larger
        // one ending in one keeps its one; empty groups add nothing.
        {1001001001, It, "UnMiliardoUnMilioneMilleUno"}, {201000000, It, "DuecentoUnoMilioni"},
        {2003004005, En, "TwoBillionsThreeMillionsFourThousandFive"}, {5000000012, De, "FünfMilliardenZwölf"},
        {999999999999, Sq, "NENTENJEQINDNENTEDHJETE E NENTEMILIARDANENTENJEQINDNENTEDHJETE E NENTEMILIONE"
                           "NENTENJEQINDNENTEDHJETE E NENTEMIJENENTENJEQINDNENTEDHJETE E NENTE"},
        // Out of range; Spanish has the English message, Albanian the Italian one.
        {1000000000000, It, "** Valore non calcolabile **"}, {-1, Fr, "** Valeur pas calculable **"},
        {std::numeric_limits<qint64>::min(), Es, "** Value not calculable **"},
        {std::numeric_limits<qint64>::max(), Sq, "** Valore non calcolabile **"},
        // A code that names no language is Italian, its rules too.
        {28, 0, "VentOtto"}, {1001000, 7, "UnMilioneMille"},
        {-3, std::numeric_limits<int>::min(), "** Valore non calcolabile **"},
    };
    for (const auto &[numero, lingua, atteso] : righe) {
        QCOMPARE(NumeroInLettere(numero, lingua), QString::fromUtf8(atteso));
    }
    QCOMPARE(NumeroInLettere(quint8(255), It), u"DuecentoCinquantaCinque"_s);
    QCOMPARE(NumeroInLettere(std::numeric_limits<qint32>::min(), En), kFuoriEn);
    // Beyond the signed 64-bit range: must not wrap round into a small number.
    QCOMPARE(NumeroInLettere(std::numeric_limits<quint64>::max(), It), kFuoriIt);
    QCOMPARE(NumeroInLettere(quint64(1) << 63 | 21, It), kFuoriIt);

    // Numbers given as text: only plain decimal whole numbers of twelve characters at most.
    const std::tuple<QString, int, QString> testi[] = {
        {u" +12 "_s, It, u"Dodici"_s}, {u"-0"_s, Es, u"CERO"_s}, {u"000000001001"_s, De, u"TausendEins"_s},
        // Thirteen characters, with zeros or a blank in front.
        {u"0000000000001"_s, It, kFuoriIt}, {u" 999999999999"_s, En, kFuoriEn},
        {QString(), It, kFuoriIt}, {u"-"_s, It, kFuoriIt}, {u"+-1"_s, It, kFuoriIt}, {u"-5"_s, En, kFuoriEn},
        // Italian thousands, an Arabic-Indic digit, an exponent.
        {u"1.000"_s, It, kFuoriIt}, {u"\u0663"_s, It, kFuoriIt}, {u"1e3"_s, 7, kFuoriIt},
    };
    for (const auto &[valore, lingua, atteso] : testi) {
        QCOMPARE(NumeroInLettere(valore, lingua), atteso);
    }
    // The language given as text: anything but the digit of a language is Italian.
    const std::pair<QString, int> codici[] = {{u"4"_s, 4}, {u"6"_s, 6}, {QString(), 1}, {u"7"_s, 1}, {u"44"_s, 1}};
    for (const auto &[linguaNumeri, codice] : codici) {
        QCOMPARE(CodiceLingua(linguaNumeri), codice);
        const QString atteso = NumeroInLettere(21, codice);
        QCOMPARE(NumeroInLettere(qint64(21), linguaNumeri), atteso);
        QCOMPARE(NumeroInLettere(u"21"_s, linguaNumeri), atteso);
    }

    // Upper case one character at a time, as the number words are compared: the
    // sharp s stays; the Deseret small long i becomes its capital (both need two
    // 16-bit units); a lone surrogate stays.
    const std::pair<QString, QString> casi[] = {{u"Dreißig"_s, u"DREIßIG"_s}, {u"Zwölf e"_s, u"ZWÖLF E"_s},
                                                {u"\U00010428x"_s, u"\U00010400X"_s}, {u"a\xD801"_s, u"A\xD801"_s}};
    for (const auto &[testo, atteso] : casi) {
        QCOMPARE(MaiuscoloPerCarattere(testo), atteso);
    }
}

QTEST_APPLESS_MAIN(TestNumeroInLettere)
#include "test_numeroinlettere.moc"
