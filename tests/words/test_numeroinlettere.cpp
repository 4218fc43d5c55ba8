// The words of whole numbers in the six languages, worked out by hand from
// the word tables and the composition rules.
#include "words/NumeroInLettere.h"

#include <QtTest>

#include <limits>

using namespace ortix;
using namespace Qt::StringLiterals;

namespace {

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

void addOne(const char *nome, qint64 numero, int lingua, const QString &atteso)
{
    QTest::newRow(nome) << numero << lingua << atteso;
}

void addColumns()
{
    QTest::addColumn<qint64>("numero");
    QTest::addColumn<int>("lingua");
    QTest::addColumn<QString>("atteso");
}

void confronta()
{
    QFETCH(qint64, numero);
    QFETCH(int, lingua);
    QFETCH(QString, atteso);
    QCOMPARE(NumeroInLettere(numero, lingua), atteso);
}

} // namespace

class TestNumeroInLettere : public QObject
{
    Q_OBJECT

private slots:
    void risultati_data();
    void risultati();
    void limiti_data();
    void limiti();
    void tedescoEins_data();
    void tedescoEins();
    void italianoElisione_data();
    void italianoElisione();
    void spagnoloSpazi_data();
    void spagnoloSpazi();
    void franceseComeInTabella_data();
    void franceseComeInTabella();
    void gruppiUno_data();
    void gruppiUno();
};

void TestNumeroInLettere::risultati_data()
{
    addColumns();
    addRow(1, u"Uno"_s, u"One"_s, u"Un"_s, u"Eins"_s, u"UNO"_s, u"NJE"_s);
    addRow(17, u"Diciassette"_s, u"Seventeen"_s, u"Dixsept"_s, u"Siebzehn"_s, u"DIECISIETE"_s,
           u"SHTATEMBEDHJETE"_s);
    addRow(21, u"VentUno"_s, u"TwentyOne"_s, u"VingtUn"_s, u"EinUndZwanzig"_s, u"VENTIUNO"_s,
           u"NJEZET E NJE"_s);
    addRow(28, u"VentOtto"_s, u"TwentyEight"_s, u"VingtHuit"_s, u"AchtUndZwanzig"_s,
           u"VENTIOCHO"_s, u"NJEZET E TETE"_s);
    addRow(71, u"SettantUno"_s, u"SeventyOne"_s, u"SoixantedixUn"_s, u"EinUndSiebzig"_s,
           u"SETENTIUNO"_s, u"SHTATEDHJETE E NJE"_s);
    addRow(100, u"Cento"_s, u"Onehundred"_s, u"Cent"_s, u"Hundert"_s, u"CIENTO "_s,
           u"NJEQIND"_s);
    addRow(101, u"CentoUno"_s, u"OnehundredOne"_s, u"CentUn"_s, u"HundertEins"_s,
           u"CIENTO UNO"_s, u"NJEQINDNJE"_s);
    addRow(1000, u"Mille"_s, u"Onethousand"_s, u"Mille"_s, u"Tausend"_s, u"UNMIL "_s,
           u"NJEMIJE"_s);
    addRow(2000, u"DueMila"_s, u"TwoThousand"_s, u"DeuxMille"_s, u"ZweiTausend"_s,
           u"DOSMIL "_s, u"DYMIJE"_s);
    addRow(21000, u"VentUnoMila"_s, u"TwentyOneThousand"_s, u"VingtUnMille"_s,
           u"EinUndZwanzigTausend"_s, u"VENTIUNOMIL "_s, u"NJEZET E NJEMIJE"_s);
    addRow(101001, u"CentoUnoMilaUno"_s, u"OnehundredOneThousandOne"_s, u"CentUnMilleUn"_s,
           u"HundertEinTausendEins"_s, u"CIENTO UNOMIL UNO"_s, u"NJEQINDNJEMIJENJE"_s);
    addRow(1000000, u"UnMilione"_s, u"OneMillion"_s, u"UnMillion"_s, u"EineMillion"_s,
           u"UNMILLON "_s, u"NJEMILIONE"_s);
    addRow(2000000, u"DueMilioni"_s, u"TwoMillions"_s, u"DeuxMillion"_s, u"ZweiMillionen"_s,
           u"DOSMILLONES "_s, u"DYMILIONE"_s);
    addRow(0, u"Zero"_s, u"Zero"_s, u"Zero"_s, u"Null"_s, u"CERO"_s, u"ZERO"_s);
    addRow(30, u"Trenta"_s, u"Thirty"_s, u"Trente"_s, u"Dreißig"_s, u"TRENTA"_s,
           u"TRIDHJETE"_s);
    addRow(1000000000, u"UnMiliardo"_s, u"OneBillion"_s, u"UnMilliard"_s, u"EineMilliarde"_s,
           u"UNMILLARDO "_s, u"NJEMILIARDE"_s);
    addRow(2000000000, u"DueMiliardi"_s, u"TwoBillions"_s, u"DeuxMilliard"_s,
           u"ZweiMilliarden"_s, u"DOSMILLARDOS "_s, u"DYMILIARDA"_s);
    // Every group different, a one in none of them.
    addRow(2003004005, u"DueMiliardiTreMilioniQuattroMilaCinque"_s,
           u"TwoBillionsThreeMillionsFourThousandFive"_s, u"DeuxMilliardTroisMillionQuatreMilleCinq"_s,
           u"ZweiMilliardenDreiMillionenVierTausendFünf"_s,
           u"DOSMILLARDOS TRESMILLONES CUATROMIL CINCO"_s, u"DYMILIARDATREMILIONEKATERMIJEPESE"_s);
    // Empty middle groups add nothing.
    addRow(5000000012, u"CinqueMiliardiDodici"_s, u"FiveBillionsTwelve"_s, u"CinqMilliardDouze"_s,
           u"FünfMilliardenZwölf"_s, u"CINCOMILLARDOS DOCE"_s, u"PESEMILIARDADYMBEDHJETE"_s);
}

void TestNumeroInLettere::risultati()
{
    confronta();
}

void TestNumeroInLettere::limiti_data()
{
    addColumns();
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
    const QString it = u"** Valore non calcolabile **"_s;
    const QString en = u"** Value not calculable **"_s;
    const QString fr = u"** Valeur pas calculable **"_s;
    const QString de = u"** Unberechenbarer Wert **"_s;
    // Thirteen digits; Spanish shares the English message, Albanian the Italian.
    addRow(1000000000000, it, en, fr, de, en, it);
    addRow(-1, it, en, fr, de, en, it);
    addRow(std::numeric_limits<qint64>::min(), it, en, fr, de, en, it);
    addRow(std::numeric_limits<qint64>::max(), it, en, fr, de, en, it);
}

void TestNumeroInLettere::limiti()
{
    confronta();
}

void TestNumeroInLettere::tedescoEins_data()
{
    addColumns();
    const int de = LinguaTedesco;
    addOne("1", 1, de, u"Eins"_s);
    addOne("101", 101, de, u"HundertEins"_s);
    addOne("1001", 1001, de, u"TausendEins"_s);
    addOne("1000001", 1000001, de, u"EineMillionEins"_s);
    addOne("1000000001", 1000000001, de, u"EineMilliardeEins"_s);
    addOne("201001", 201001, de, u"ZweihundertEinTausendEins"_s);
    // Compounds ending in a tens word, and group words, take no "s".
    addOne("21", 21, de, u"EinUndZwanzig"_s);
    addOne("91", 91, de, u"EinUndNeunzig"_s);
    addOne("31", 31, de, u"EinUndDreißig"_s);
    addOne("11", 11, de, u"Elf"_s);
    addOne("1000", 1000, de, u"Tausend"_s);
    addOne("201000", 201000, de, u"ZweihundertEinTausend"_s);
    addOne("5", 5, de, u"Fünf"_s);
    addOne("12", 12, de, u"Zwölf"_s);
}

void TestNumeroInLettere::tedescoEins()
{
    confronta();
}

void TestNumeroInLettere::italianoElisione_data()
{
    addColumns();
    const int it = LinguaItaliano;
    addOne("21", 21, it, u"VentUno"_s);
    addOne("28", 28, it, u"VentOtto"_s);
    addOne("23", 23, it, u"VentiTre"_s);
    addOne("22", 22, it, u"VentiDue"_s);
    addOne("29", 29, it, u"VentiNove"_s);
    addOne("20", 20, it, u"Venti"_s);
    addOne("31", 31, it, u"TrentUno"_s);
    addOne("98", 98, it, u"NovantOtto"_s);
    addOne("121", 121, it, u"CentoVentUno"_s);
    addOne("128", 128, it, u"CentoVentOtto"_s);
    addOne("181", 181, it, u"CentoOttantUno"_s);
    // No tens word, nothing to drop.
    addOne("101", 101, it, u"CentoUno"_s);
    addOne("108", 108, it, u"CentoOtto"_s);
    addOne("18", 18, it, u"Diciotto"_s);
    addOne("11", 11, it, u"Undici"_s);
    addOne("81000000", 81000000, it, u"OttantUnoMilioni"_s);
    addOne("1001000", 1001000, it, u"UnMilioneMille"_s);
    // The other languages never drop a letter.
    addOne("en 21", 21, LinguaInglese, u"TwentyOne"_s);
    addOne("fr 28", 28, LinguaFrancese, u"VingtHuit"_s);
}

void TestNumeroInLettere::italianoElisione()
{
    confronta();
}

void TestNumeroInLettere::spagnoloSpazi_data()
{
    addColumns();
    const int es = LinguaSpagnolo;
    addOne("200", 200, es, u"DOSCIENTOS "_s);
    addOne("300000", 300000, es, u"TRESCIENTOS MIL "_s);
    addOne("1100", 1100, es, u"UNMIL CIENTO "_s);
    addOne("2000000000", 2000000000, es, u"DOSMILLARDOS "_s);
    addOne("1001000", 1001000, es, u"UNMILLON UNMIL "_s);
    // Ending on tens or units: no blank.
    addOne("120", 120, es, u"CIENTO VENTE"_s);
    addOne("20", 20, es, u"VENTE"_s);
    addOne("29", 29, es, u"VENTINUEVE"_s);
    addOne("999", 999, es, u"NUEVECIENTOS NOVENTINUEVE"_s);
    addOne("1016", 1016, es, u"UNMIL DIECISEIS"_s);
}

void TestNumeroInLettere::spagnoloSpazi()
{
    confronta();
}

void TestNumeroInLettere::franceseComeInTabella_data()
{
    addColumns();
    const int fr = LinguaFrancese;
    addOne("80", 80, fr, u"Quatrevingts"_s);
    addOne("81", 81, fr, u"QuatrevingtsUn"_s);
    addOne("90", 90, fr, u"Quatrevingtdix"_s);
    addOne("70", 70, fr, u"Soixantedix"_s);
    addOne("77", 77, fr, u"SoixantedixSept"_s);
    addOne("200", 200, fr, u"Deuxcents"_s);
    addOne("2000000", 2000000, fr, u"DeuxMillion"_s);
    addOne("2000000000", 2000000000, fr, u"DeuxMilliard"_s);
    addOne("1000", 1000, fr, u"Mille"_s);
    addOne("17", 17, fr, u"Dixsept"_s);
}

void TestNumeroInLettere::franceseComeInTabella()
{
    confronta();
}

void TestNumeroInLettere::gruppiUno_data()
{
    addColumns();
    // A group that is exactly one takes the singular group word in place
    // of the word for one; a larger group ending in one keeps its one.
    addOne("it 1001001001", 1001001001, LinguaItaliano, u"UnMiliardoUnMilioneMilleUno"_s);
    addOne("en 1002003004", 1002003004, LinguaInglese, u"OneBillionTwoMillionsThreeThousandFour"_s);
    addOne("en 1001001001", 1001001001, LinguaInglese, u"OneBillionOneMillionOnethousandOne"_s);
    addOne("sq 1001001001", 1001001001, LinguaAlbanese, u"NJEMILIARDENJEMILIONENJEMIJENJE"_s);
    addOne("it 2000000001", 2000000001, LinguaItaliano, u"DueMiliardiUno"_s);
    addOne("it 11000", 11000, LinguaItaliano, u"UndiciMila"_s);
    addOne("it 201000000", 201000000, LinguaItaliano, u"DuecentoUnoMilioni"_s);
    addOne("de 21000000", 21000000, LinguaTedesco, u"EinUndZwanzigMillionen"_s);
    addOne("es 1000000001", 1000000001, LinguaSpagnolo, u"UNMILLARDO UNO"_s);
}

void TestNumeroInLettere::gruppiUno()
{
    confronta();
}

QTEST_APPLESS_MAIN(TestNumeroInLettere)
#include "test_numeroinlettere.moc"
