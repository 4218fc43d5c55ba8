// The words of whole numbers: a few rows for each composition rule of the
// six languages (not the word tables themselves); what the converter accepts
// as a number and as a language; the upper case the words are compared in.
#include "words/MaiuscoloPerCarattere.h"
#include "words/NumeroInLettere.h"

#include <QtTest>

#include <limits>

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
    void parole_data();
    void parole();
    void testo_data();
    void testo();
    void larghezzeIntere();
    void linguaInTesto_data();
    void linguaInTesto();
    void maiuscolo_data();
    void maiuscolo();
};

void TestNumeroInLettere::parole_data()
{
    QTest::addColumn<qint64>("numero");
    QTest::addColumn<int>("lingua");
    QTest::addColumn<QString>("atteso");
    const struct
    {
        qint64 numero;
        int lingua;
        const char *atteso;
    } righe[] = {
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
        {2003004005, En, "TwoBillionsThreeMillionsFourThousandFive"},
        {5000000012, De, "FünfMilliardenZwölf"},
        {999999999999, Sq, "NENTENJEQINDNENTEDHJETE E NENTEMILIARDANENTENJEQINDNENTEDHJETE E NENTEMILIONE"
                           "NENTENJEQINDNENTEDHJETE E NENTEMIJENENTENJEQINDNENTEDHJETE E NENTE"},
        // Out of range; Spanish has the English message, Albanian the Italian one.
        {1000000000000, It, "** Valore non calcolabile **"}, {-1, Fr, "** Valeur pas calculable **"},
        {std::numeric_limits<qint64>::min(), Es, "** Value not calculable **"},
        {std::numeric_limits<qint64>::max(), Sq, "** Valore non calcolabile **"},
        // A code that names no language is Italian, its rules too.
        {28, 0, "VentOtto"}, {1001000, 7, "UnMilioneMille"}, {-3, std::numeric_limits<int>::min(), "** Valore non calcolabile **"},
    };
    for (const auto &r : righe) {
        QTest::addRow("%lld in %d", r.numero, r.lingua) << r.numero << r.lingua << QString::fromUtf8(r.atteso);
    }
}

void TestNumeroInLettere::parole()
{
    QFETCH(qint64, numero);
    QFETCH(int, lingua);
    QFETCH(QString, atteso);
    QCOMPARE(NumeroInLettere(numero, lingua), atteso);
}

// Numbers given as text: only plain decimal whole numbers of twelve characters at most.
void TestNumeroInLettere::testo_data()
{
    QTest::addColumn<QString>("valore");
    QTest::addColumn<int>("lingua");
    QTest::addColumn<QString>("atteso");
    QTest::newRow("blanks and plus") << u" +12 "_s << It << u"Dodici"_s;
    QTest::newRow("minus zero") << u"-0"_s << Es << u"CERO"_s;
    QTest::newRow("12 chars with zeros") << u"000000001001"_s << De << u"TausendEins"_s;
    QTest::newRow("13 chars with zeros") << u"0000000000001"_s << It << kFuoriIt;
    QTest::newRow("13 chars with a blank") << u" 999999999999"_s << En << kFuoriEn;
    QTest::newRow("empty") << QString() << It << kFuoriIt;
    QTest::newRow("sign only") << u"-"_s << It << kFuoriIt;
    QTest::newRow("two signs") << u"+-1"_s << It << kFuoriIt;
    QTest::newRow("italian thousands") << u"1.000"_s << It << kFuoriIt;
    QTest::newRow("arabic-indic digit") << u"\u0663"_s << It << kFuoriIt;
    QTest::newRow("negative") << u"-5"_s << En << kFuoriEn;
    QTest::newRow("no language") << u"1e3"_s << 7 << kFuoriIt;
}

void TestNumeroInLettere::testo()
{
    QFETCH(QString, valore);
    QFETCH(int, lingua);
    QFETCH(QString, atteso);
    QCOMPARE(NumeroInLettere(valore, lingua), atteso);
}

void TestNumeroInLettere::larghezzeIntere()
{
    QCOMPARE(NumeroInLettere(quint8(255), It), u"DuecentoCinquantaCinque"_s);
    QCOMPARE(NumeroInLettere(std::numeric_limits<qint32>::min(), En), kFuoriEn);
    // Beyond the signed 64-bit range: must not wrap round into a small number.
    QCOMPARE(NumeroInLettere(std::numeric_limits<quint64>::max(), It), kFuoriIt);
    QCOMPARE(NumeroInLettere(quint64(1) << 63 | 21, It), kFuoriIt);
}

void TestNumeroInLettere::linguaInTesto_data()
{
    QTest::addColumn<QString>("linguaNumeri");
    QTest::addColumn<int>("codice");
    QTest::newRow("4") << u"4"_s << 4;
    QTest::newRow("6") << u"6"_s << 6;
    // Anything else is Italian.
    QTest::newRow("empty") << QString() << 1;
    QTest::newRow("7") << u"7"_s << 1;
    QTest::newRow("two digits") << u"44"_s << 1;
}

void TestNumeroInLettere::linguaInTesto()
{
    QFETCH(QString, linguaNumeri);
    QFETCH(int, codice);
    QCOMPARE(CodiceLingua(linguaNumeri), codice);
    const QString atteso = NumeroInLettere(21, codice);
    QCOMPARE(NumeroInLettere(qint64(21), linguaNumeri), atteso);
    QCOMPARE(NumeroInLettere(u"21"_s, linguaNumeri), atteso);
}

// Upper case one character at a time, as the number words are compared.
void TestNumeroInLettere::maiuscolo_data()
{
    QTest::addColumn<QString>("testo");
    QTest::addColumn<QString>("atteso");
    QTest::newRow("sharp s stays") << u"Dreißig"_s << u"DREIßIG"_s;
    QTest::newRow("umlaut") << u"Zwölf e"_s << u"ZWÖLF E"_s;
    // Deseret small long i to its capital: both need two 16-bit units.
    QTest::newRow("beyond 16 bits") << u"\U00010428x"_s << u"\U00010400X"_s;
    QTest::newRow("lone surrogate") << u"a\xD801"_s << u"A\xD801"_s;
}

void TestNumeroInLettere::maiuscolo()
{
    QFETCH(QString, testo);
    QFETCH(QString, atteso);
    QCOMPARE(MaiuscoloPerCarattere(testo), atteso);
}

QTEST_APPLESS_MAIN(TestNumeroInLettere)
#include "test_numeroinlettere.moc"
