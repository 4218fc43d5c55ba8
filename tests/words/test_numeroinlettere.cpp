// The words of whole numbers in the six languages, worked out by hand from
// the word tables and the composition rules; what the converter accepts as a
// number and as a language; and the upper case the words are compared in.
#include "words/MaiuscoloPerCarattere.h"
#include "words/NumeroInLettere.h"

#include <QtTest>

#include <limits>

using namespace ortix;
using namespace Qt::StringLiterals;

namespace {

const QString kFuoriScalaIt = u"** Valore non calcolabile **"_s;
const QString kFuoriScalaEn = u"** Value not calculable **"_s;
const QString kFuoriScalaFr = u"** Valeur pas calculable **"_s;
const QString kFuoriScalaDe = u"** Unberechenbarer Wert **"_s;

// Columns in language order, so that a row reads like a line of the table.
void addRow(qint64 numero, const QString &it, const QString &en, const QString &fr,
            const QString &de, const QString &es, const QString &sq)
{
    const QString nome = QString::number(numero);
    QTest::newRow(qPrintable(nome + u" it"_s)) << numero << int(LinguaItaliano) << it;
    QTest::newRow(qPrintable(nome + u" en"_s)) << numero << int(LinguaInglese) << en;
    QTest::newRow(qPrintable(nome + u" fr"_s)) << numero << int(LinguaFrancese) << fr;
    QTest::newRow(qPrintable(nome + u" de"_s)) << numero << int(LinguaTedesco) << de;
    QTest::newRow(qPrintable(nome + u" es"_s)) << numero << int(LinguaSpagnolo) << es;
    QTest::newRow(qPrintable(nome + u" sq"_s)) << numero << int(LinguaAlbanese) << sq;
}

void addOne(int lingua, qint64 numero, const QString &atteso)
{
    static const char *const sigle[] = {"", "it", "en", "fr", "de", "es", "sq"};
    QTest::addRow("%s %lld", sigle[lingua], numero) << numero << lingua << atteso;
}

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
    void linguaFuoriIntervallo_data();
    void linguaFuoriIntervallo();
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

    addRow(0, u"Zero"_s, u"Zero"_s, u"Zero"_s, u"Null"_s, u"CERO"_s, u"ZERO"_s);
    addRow(1, u"Uno"_s, u"One"_s, u"Un"_s, u"Eins"_s, u"UNO"_s, u"NJE"_s);
    addRow(17, u"Diciassette"_s, u"Seventeen"_s, u"Dixsept"_s, u"Siebzehn"_s, u"DIECISIETE"_s,
           u"SHTATEMBEDHJETE"_s);
    addRow(21, u"VentUno"_s, u"TwentyOne"_s, u"VingtUn"_s, u"EinUndZwanzig"_s, u"VENTIUNO"_s,
           u"NJEZET E NJE"_s);
    addRow(100, u"Cento"_s, u"Onehundred"_s, u"Cent"_s, u"Hundert"_s, u"CIENTO "_s, u"NJEQIND"_s);
    addRow(101, u"CentoUno"_s, u"OnehundredOne"_s, u"CentUn"_s, u"HundertEins"_s, u"CIENTO UNO"_s,
           u"NJEQINDNJE"_s);
    addRow(1000, u"Mille"_s, u"Onethousand"_s, u"Mille"_s, u"Tausend"_s, u"UNMIL "_s, u"NJEMIJE"_s);
    addRow(2000, u"DueMila"_s, u"TwoThousand"_s, u"DeuxMille"_s, u"ZweiTausend"_s, u"DOSMIL "_s,
           u"DYMIJE"_s);
    addRow(21000, u"VentUnoMila"_s, u"TwentyOneThousand"_s, u"VingtUnMille"_s,
           u"EinUndZwanzigTausend"_s, u"VENTIUNOMIL "_s, u"NJEZET E NJEMIJE"_s);
    addRow(101001, u"CentoUnoMilaUno"_s, u"OnehundredOneThousandOne"_s, u"CentUnMilleUn"_s,
           u"HundertEinTausendEins"_s, u"CIENTO UNOMIL UNO"_s, u"NJEQINDNJEMIJENJE"_s);
    addRow(1000000, u"UnMilione"_s, u"OneMillion"_s, u"UnMillion"_s, u"EineMillion"_s,
           u"UNMILLON "_s, u"NJEMILIONE"_s);
    addRow(2000000, u"DueMilioni"_s, u"TwoMillions"_s, u"DeuxMillion"_s, u"ZweiMillionen"_s,
           u"DOSMILLONES "_s, u"DYMILIONE"_s);
    addRow(1000000000, u"UnMiliardo"_s, u"OneBillion"_s, u"UnMilliard"_s, u"EineMilliarde"_s,
           u"UNMILLARDO "_s, u"NJEMILIARDE"_s);
    addRow(2000000000, u"DueMiliardi"_s, u"TwoBillions"_s, u"DeuxMilliard"_s, u"ZweiMilliarden"_s,
           u"DOSMILLARDOS "_s, u"DYMILIARDA"_s);
    // Every group different, a one in none of them.
    addRow(2003004005, u"DueMiliardiTreMilioniQuattroMilaCinque"_s,
           u"TwoBillionsThreeMillionsFourThousandFive"_s, u"DeuxMilliardTroisMillionQuatreMilleCinq"_s,
           u"ZweiMilliardenDreiMillionenVierTausendFünf"_s,
           u"DOSMILLARDOS TRESMILLONES CUATROMIL CINCO"_s, u"DYMILIARDATREMILIONEKATERMIJEPESE"_s);
    // Empty middle groups add nothing.
    addRow(5000000012, u"CinqueMiliardiDodici"_s, u"FiveBillionsTwelve"_s, u"CinqMilliardDouze"_s,
           u"FünfMilliardenZwölf"_s, u"CINCOMILLARDOS DOCE"_s, u"PESEMILIARDADYMBEDHJETE"_s);
    addRow(999999999999,
           u"NovecentoNovantaNoveMiliardiNovecentoNovantaNoveMilioni"
           u"NovecentoNovantaNoveMilaNovecentoNovantaNove"_s,
           u"NinehundredNinetyNineBillionsNinehundredNinetyNineMillions"
           u"NinehundredNinetyNineThousandNinehundredNinetyNine"_s,
           u"NeufcentsQuatrevingtdixNeufMilliardNeufcentsQuatrevingtdixNeufMillion"
           u"NeufcentsQuatrevingtdixNeufMilleNeufcentsQuatrevingtdixNeuf"_s,
           u"NeunhundertNeunUndNeunzigMilliardenNeunhundertNeunUndNeunzigMillionen"
           u"NeunhundertNeunUndNeunzigTausendNeunhundertNeunUndNeunzig"_s,
           u"NUEVECIENTOS NOVENTINUEVEMILLARDOS NUEVECIENTOS NOVENTINUEVEMILLONES "
           u"NUEVECIENTOS NOVENTINUEVEMIL NUEVECIENTOS NOVENTINUEVE"_s,
           u"NENTENJEQINDNENTEDHJETE E NENTEMILIARDANENTENJEQINDNENTEDHJETE E NENTEMILIONE"
           u"NENTENJEQINDNENTEDHJETE E NENTEMIJENENTENJEQINDNENTEDHJETE E NENTE"_s);

    // Out of range. Spanish shares the English message, Albanian the Italian.
    for (const qint64 fuori : {qint64(1000000000000), qint64(-1), std::numeric_limits<qint64>::min(),
                               std::numeric_limits<qint64>::max()}) {
        addRow(fuori, kFuoriScalaIt, kFuoriScalaEn, kFuoriScalaFr, kFuoriScalaDe, kFuoriScalaEn, kFuoriScalaIt);
    }

    // German ends a plain one as "Eins"; compounds ending in a tens word, and
    // group words, take no "s".
    addOne(LinguaTedesco, 1001, u"TausendEins"_s);
    addOne(LinguaTedesco, 1000001, u"EineMillionEins"_s);
    addOne(LinguaTedesco, 201001, u"ZweihundertEinTausendEins"_s);
    addOne(LinguaTedesco, 11, u"Elf"_s);

    // Italian drops the tens word's last vowel before Uno and Otto, and only there
    // (no other language does).
    addOne(LinguaItaliano, 28, u"VentOtto"_s);
    addOne(LinguaFrancese, 28, u"VingtHuit"_s);
    addOne(LinguaItaliano, 23, u"VentiTre"_s);
    addOne(LinguaItaliano, 20, u"Venti"_s);
    addOne(LinguaItaliano, 98, u"NovantOtto"_s);
    addOne(LinguaItaliano, 121, u"CentoVentUno"_s);
    addOne(LinguaItaliano, 108, u"CentoOtto"_s);
    addOne(LinguaItaliano, 18, u"Diciotto"_s);
    addOne(LinguaItaliano, 11, u"Undici"_s);
    addOne(LinguaItaliano, 81000000, u"OttantUnoMilioni"_s);
    addOne(LinguaItaliano, 1001000, u"UnMilioneMille"_s);

    // Spanish: a blank after hundreds and group words, none after tens or units.
    addOne(LinguaSpagnolo, 200, u"DOSCIENTOS "_s);
    addOne(LinguaSpagnolo, 300000, u"TRESCIENTOS MIL "_s);
    addOne(LinguaSpagnolo, 1100, u"UNMIL CIENTO "_s);
    addOne(LinguaSpagnolo, 1001000, u"UNMILLON UNMIL "_s);
    addOne(LinguaSpagnolo, 120, u"CIENTO VENTE"_s);
    addOne(LinguaSpagnolo, 20, u"VENTE"_s);
    addOne(LinguaSpagnolo, 999, u"NUEVECIENTOS NOVENTINUEVE"_s);
    addOne(LinguaSpagnolo, 1016, u"UNMIL DIECISEIS"_s);

    // French as the table has it.
    addOne(LinguaFrancese, 80, u"Quatrevingts"_s);
    addOne(LinguaFrancese, 81, u"QuatrevingtsUn"_s);
    addOne(LinguaFrancese, 77, u"SoixantedixSept"_s);
    addOne(LinguaFrancese, 200, u"Deuxcents"_s);

    // A group that is exactly one takes the singular group word in place
    // of the word for one; a larger group ending in one keeps its one.
    addOne(LinguaItaliano, 1001001001, u"UnMiliardoUnMilioneMilleUno"_s);
    addOne(LinguaInglese, 1001001001, u"OneBillionOneMillionOnethousandOne"_s);
    addOne(LinguaAlbanese, 1001001001, u"NJEMILIARDENJEMILIONENJEMIJENJE"_s);
    addOne(LinguaItaliano, 2000000001, u"DueMiliardiUno"_s);
    addOne(LinguaItaliano, 11000, u"UndiciMila"_s);
    addOne(LinguaItaliano, 201000000, u"DuecentoUnoMilioni"_s);
    addOne(LinguaSpagnolo, 1000000001, u"UNMILLARDO UNO"_s);
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

    QTest::newRow("21") << u"21"_s << int(LinguaItaliano) << u"VentUno"_s;
    QTest::newRow("0") << u"0"_s << int(LinguaTedesco) << u"Null"_s;
    QTest::newRow("leading zeros") << u"007"_s << int(LinguaItaliano) << u"Sette"_s;
    QTest::newRow("plus sign") << u"+5"_s << int(LinguaInglese) << u"Five"_s;
    QTest::newRow("blanks around") << u" 12 "_s << int(LinguaItaliano) << u"Dodici"_s;
    QTest::newRow("minus zero") << u"-0"_s << int(LinguaSpagnolo) << u"CERO"_s;
    QTest::newRow("12 digits") << u"999999999999"_s << int(LinguaInglese)
                               << u"NinehundredNinetyNineBillionsNinehundredNinetyNineMillions"
                                  u"NinehundredNinetyNineThousandNinehundredNinetyNine"_s;
    QTest::newRow("12 chars with zeros") << u"000000001001"_s << int(LinguaTedesco) << u"TausendEins"_s;

    // Longer than twelve characters, whatever the characters are.
    QTest::newRow("13 digits") << u"1000000000000"_s << int(LinguaItaliano) << kFuoriScalaIt;
    QTest::newRow("13 with zeros") << u"0000000000001"_s << int(LinguaItaliano) << kFuoriScalaIt;
    QTest::newRow("13 with a blank") << u" 999999999999"_s << int(LinguaInglese) << kFuoriScalaEn;

    // Not a whole number, or negative.
    QTest::newRow("empty") << QString() << int(LinguaItaliano) << kFuoriScalaIt;
    QTest::newRow("blanks") << u"   "_s << int(LinguaItaliano) << kFuoriScalaIt;
    QTest::newRow("trailing letter") << u"12a"_s << int(LinguaItaliano) << kFuoriScalaIt;
    QTest::newRow("inner blank") << u"1 2"_s << int(LinguaItaliano) << kFuoriScalaIt;
    QTest::newRow("sign only") << u"-"_s << int(LinguaItaliano) << kFuoriScalaIt;
    QTest::newRow("two signs") << u"+-1"_s << int(LinguaItaliano) << kFuoriScalaIt;
    QTest::newRow("fraction") << u"1.5"_s << int(LinguaItaliano) << kFuoriScalaIt;
    QTest::newRow("italian thousands") << u"1.000"_s << int(LinguaItaliano) << kFuoriScalaIt;
    QTest::newRow("exponent") << u"1e3"_s << int(LinguaItaliano) << kFuoriScalaIt;
    QTest::newRow("hex") << u"0x10"_s << int(LinguaItaliano) << kFuoriScalaIt;
    QTest::newRow("arabic-indic digit") << u"\u0663"_s << int(LinguaItaliano) << kFuoriScalaIt;
    QTest::newRow("-5") << u"-5"_s << int(LinguaTedesco) << kFuoriScalaDe;
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
    QCOMPARE(NumeroInLettere(qint8(-1), LinguaItaliano), kFuoriScalaIt);
    QCOMPARE(NumeroInLettere(quint8(255), LinguaItaliano), u"DuecentoCinquantaCinque"_s);
    QCOMPARE(NumeroInLettere(qint16(-32768), LinguaTedesco), kFuoriScalaDe);
    QCOMPARE(NumeroInLettere(std::numeric_limits<qint32>::max(), LinguaInglese),
             u"TwoBillionsOnehundredFortySevenMillionsFourhundredEightyThreeThousand"
             u"SixhundredFortySeven"_s);
    QCOMPARE(NumeroInLettere(std::numeric_limits<qint32>::min(), LinguaInglese), kFuoriScalaEn);
    QCOMPARE(NumeroInLettere(quint32(4000000001u), LinguaTedesco), u"VierMilliardenEins"_s);
    QCOMPARE(NumeroInLettere(quint64(1000000000000u), LinguaItaliano), kFuoriScalaIt);
    // Beyond the signed 64-bit range: must not wrap round into a small number.
    QCOMPARE(NumeroInLettere(std::numeric_limits<quint64>::max(), LinguaItaliano), kFuoriScalaIt);
    QCOMPARE(NumeroInLettere(quint64(1) << 63, LinguaItaliano), kFuoriScalaIt);
    QCOMPARE(NumeroInLettere(quint64(1) << 63 | 21, LinguaItaliano), kFuoriScalaIt);
}

void TestNumeroInLettere::linguaFuoriIntervallo_data()
{
    QTest::addColumn<int>("lingua");
    QTest::newRow("0") << 0;
    QTest::newRow("7") << 7;
    QTest::newRow("int min") << std::numeric_limits<int>::min();
}

void TestNumeroInLettere::linguaFuoriIntervallo()
{
    QFETCH(int, lingua);
    // The Italian table and the Italian rules (the elision) together.
    QCOMPARE(NumeroInLettere(28, lingua), u"VentOtto"_s);
    QCOMPARE(NumeroInLettere(1001000, lingua), u"UnMilioneMille"_s);
    QCOMPARE(NumeroInLettere(0, lingua), u"Zero"_s);
    QCOMPARE(NumeroInLettere(-3, lingua), kFuoriScalaIt);
    QCOMPARE(NumeroInLettere(u"1e3"_s, lingua), kFuoriScalaIt);
    QCOMPARE(ValoreNonCalcolabile(lingua), kFuoriScalaIt);
}

void TestNumeroInLettere::linguaInTesto_data()
{
    QTest::addColumn<QString>("linguaNumeri");
    QTest::addColumn<int>("codice");
    QTest::addColumn<QString>("atteso");
    QTest::newRow("1") << u"1"_s << 1 << u"VentUno"_s;
    QTest::newRow("4") << u"4"_s << 4 << u"EinUndZwanzig"_s;
    QTest::newRow("6") << u"6"_s << 6 << u"NJEZET E NJE"_s;
    // Anything else is Italian.
    QTest::newRow("empty") << QString() << 1 << u"VentUno"_s;
    QTest::newRow("0") << u"0"_s << 1 << u"VentUno"_s;
    QTest::newRow("7") << u"7"_s << 1 << u"VentUno"_s;
    QTest::newRow("name") << u"GERMAN"_s << 1 << u"VentUno"_s;
    QTest::newRow("two digits") << u"44"_s << 1 << u"VentUno"_s;
}

void TestNumeroInLettere::linguaInTesto()
{
    QFETCH(QString, linguaNumeri);
    QFETCH(int, codice);
    QFETCH(QString, atteso);
    QCOMPARE(CodiceLingua(linguaNumeri), codice);
    QCOMPARE(NumeroInLettere(21, linguaNumeri), atteso);
    QCOMPARE(NumeroInLettere(qint64(21), linguaNumeri), atteso);
    QCOMPARE(NumeroInLettere(u"21"_s, linguaNumeri), atteso);
}

// Upper case one character at a time, as the number words are compared.
void TestNumeroInLettere::maiuscolo_data()
{
    QTest::addColumn<QString>("testo");
    QTest::addColumn<QString>("atteso");
    QTest::newRow("sharp s stays") << u"ß"_s << u"ß"_s;
    QTest::newRow("umlaut") << u"ü"_s << u"Ü"_s;
    QTest::newRow("o umlaut") << u"Zwölf"_s << u"ZWÖLF"_s;
    QTest::newRow("sharp s inside") << u"Dreißig"_s << u"DREIßIG"_s;
    QTest::newRow("blanks kept") << u"NJEZET e nje"_s << u"NJEZET E NJE"_s;
    QTest::newRow("digits and apostrophe") << u"l'1a"_s << u"L'1A"_s;
    QTest::newRow("empty") << QString() << QString();
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
