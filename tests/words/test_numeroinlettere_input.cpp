// What the converter accepts as a number and as a language, and what it
// refuses with the overflow message.
#include "words/NumeroInLettere.h"

#include <QtTest>

#include <limits>

using namespace ortix;
using namespace Qt::StringLiterals;

namespace {
const QString kFuoriScalaIt = u"** Valore non calcolabile **"_s;
const QString kFuoriScalaEn = u"** Value not calculable **"_s;
const QString kFuoriScalaDe = u"** Unberechenbarer Wert **"_s;
} // namespace

class TestNumeroInLettereInput : public QObject
{
    Q_OBJECT

private slots:
    void testo_data();
    void testo();
    void testoConLinguaInTesto();
    void larghezzeIntere();
    void linguaFuoriIntervallo_data();
    void linguaFuoriIntervallo();
    void linguaInTesto_data();
    void linguaInTesto();
    void codiceLingua_data();
    void codiceLingua();
};

void TestNumeroInLettereInput::testo_data()
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
    QTest::newRow("12 chars with zeros") << u"000000001001"_s << int(LinguaTedesco)
                                         << u"TausendEins"_s;

    // Longer than twelve characters, whatever the characters are.
    QTest::newRow("13 digits") << u"1000000000000"_s << int(LinguaItaliano) << kFuoriScalaIt;
    QTest::newRow("13 with zeros") << u"0000000000001"_s << int(LinguaItaliano) << kFuoriScalaIt;
    QTest::newRow("13 with a blank") << u" 999999999999"_s << int(LinguaInglese) << kFuoriScalaEn;
    QTest::newRow("long text") << u"not a number at all"_s << int(LinguaTedesco) << kFuoriScalaDe;

    // Not a whole number.
    QTest::newRow("empty") << QString() << int(LinguaItaliano) << kFuoriScalaIt;
    QTest::newRow("blanks") << u"   "_s << int(LinguaItaliano) << kFuoriScalaIt;
    QTest::newRow("letters") << u"abc"_s << int(LinguaItaliano) << kFuoriScalaIt;
    QTest::newRow("trailing letter") << u"12a"_s << int(LinguaItaliano) << kFuoriScalaIt;
    QTest::newRow("inner blank") << u"1 2"_s << int(LinguaItaliano) << kFuoriScalaIt;
    QTest::newRow("sign only") << u"-"_s << int(LinguaItaliano) << kFuoriScalaIt;
    QTest::newRow("two signs") << u"+-1"_s << int(LinguaItaliano) << kFuoriScalaIt;
    QTest::newRow("fraction") << u"1.5"_s << int(LinguaItaliano) << kFuoriScalaIt;
    QTest::newRow("point zero") << u"12.0"_s << int(LinguaItaliano) << kFuoriScalaIt;
    QTest::newRow("italian thousands") << u"1.000"_s << int(LinguaItaliano) << kFuoriScalaIt;
    QTest::newRow("comma") << u"1,5"_s << int(LinguaInglese) << kFuoriScalaEn;
    QTest::newRow("exponent") << u"1e3"_s << int(LinguaItaliano) << kFuoriScalaIt;
    QTest::newRow("hex") << u"0x10"_s << int(LinguaItaliano) << kFuoriScalaIt;
    QTest::newRow("arabic-indic digit") << u"\u0663"_s << int(LinguaItaliano) << kFuoriScalaIt;
    QTest::newRow("fullwidth digit") << u"\uFF15"_s << int(LinguaItaliano) << kFuoriScalaIt;

    // Negative.
    QTest::newRow("-5") << u"-5"_s << int(LinguaTedesco) << kFuoriScalaDe;
    QTest::newRow("-99999999999") << u"-99999999999"_s << int(LinguaSpagnolo) << kFuoriScalaEn;
}

void TestNumeroInLettereInput::testo()
{
    QFETCH(QString, valore);
    QFETCH(int, lingua);
    QFETCH(QString, atteso);
    QCOMPARE(NumeroInLettere(valore, lingua), atteso);
}

void TestNumeroInLettereInput::testoConLinguaInTesto()
{
    QCOMPARE(NumeroInLettere(u"21"_s, u"6"_s), u"NJEZET E NJE"_s);
    QCOMPARE(NumeroInLettere(u"x"_s, u"5"_s), kFuoriScalaEn);
    QCOMPARE(NumeroInLettere(u"28"_s, QString()), u"VentOtto"_s);
}

void TestNumeroInLettereInput::larghezzeIntere()
{
    QCOMPARE(NumeroInLettere(qint8(21), LinguaItaliano), u"VentUno"_s);
    QCOMPARE(NumeroInLettere(qint8(-1), LinguaItaliano), kFuoriScalaIt);
    QCOMPARE(NumeroInLettere(quint8(255), LinguaItaliano), u"DuecentoCinquantaCinque"_s);
    QCOMPARE(NumeroInLettere(qint16(-32768), LinguaTedesco), kFuoriScalaDe);
    QCOMPARE(NumeroInLettere(quint16(65535), LinguaItaliano),
             u"SessantaCinqueMilaCinquecentoTrentaCinque"_s);
    QCOMPARE(NumeroInLettere(std::numeric_limits<qint32>::max(), LinguaInglese),
             u"TwoBillionsOnehundredFortySevenMillionsFourhundredEightyThreeThousand"
             u"SixhundredFortySeven"_s);
    QCOMPARE(NumeroInLettere(std::numeric_limits<qint32>::min(), LinguaInglese), kFuoriScalaEn);
    QCOMPARE(NumeroInLettere(quint32(4000000001u), LinguaTedesco),
             u"VierMilliardenEins"_s);
    QCOMPARE(NumeroInLettere(999999999999LL, LinguaFrancese),
             u"NeufcentsQuatrevingtdixNeufMilliardNeufcentsQuatrevingtdixNeufMillion"
             u"NeufcentsQuatrevingtdixNeufMilleNeufcentsQuatrevingtdixNeuf"_s);
    QCOMPARE(NumeroInLettere(1000000000000L, LinguaFrancese), u"** Valeur pas calculable **"_s);
    QCOMPARE(NumeroInLettere(quint64(999999999999u), LinguaAlbanese),
             u"NENTENJEQINDNENTEDHJETE E NENTEMILIARDANENTENJEQINDNENTEDHJETE E NENTEMILIONE"
             u"NENTENJEQINDNENTEDHJETE E NENTEMIJENENTENJEQINDNENTEDHJETE E NENTE"_s);
    QCOMPARE(NumeroInLettere(quint64(1000000000000u), LinguaItaliano), kFuoriScalaIt);
    // Beyond the signed 64-bit range: must not wrap round into a small number.
    QCOMPARE(NumeroInLettere(std::numeric_limits<quint64>::max(), LinguaItaliano), kFuoriScalaIt);
    QCOMPARE(NumeroInLettere(quint64(1) << 63, LinguaItaliano), kFuoriScalaIt);
    QCOMPARE(NumeroInLettere(quint64(1) << 63 | 21, LinguaItaliano), kFuoriScalaIt);
}

void TestNumeroInLettereInput::linguaFuoriIntervallo_data()
{
    QTest::addColumn<int>("lingua");
    QTest::newRow("0") << 0;
    QTest::newRow("7") << 7;
    QTest::newRow("-1") << -1;
    QTest::newRow("255") << 255;
    QTest::newRow("int min") << std::numeric_limits<int>::min();
}

void TestNumeroInLettereInput::linguaFuoriIntervallo()
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

void TestNumeroInLettereInput::linguaInTesto_data()
{
    QTest::addColumn<QString>("linguaNumeri");
    QTest::addColumn<QString>("atteso");
    QTest::newRow("1") << u"1"_s << u"VentUno"_s;
    QTest::newRow("2") << u"2"_s << u"TwentyOne"_s;
    QTest::newRow("3") << u"3"_s << u"VingtUn"_s;
    QTest::newRow("4") << u"4"_s << u"EinUndZwanzig"_s;
    QTest::newRow("5") << u"5"_s << u"VENTIUNO"_s;
    QTest::newRow("6") << u"6"_s << u"NJEZET E NJE"_s;
    QTest::newRow("empty") << QString() << u"VentUno"_s;
    QTest::newRow("0") << u"0"_s << u"VentUno"_s;
    QTest::newRow("7") << u"7"_s << u"VentUno"_s;
    QTest::newRow("name") << u"GERMAN"_s << u"VentUno"_s;
    QTest::newRow("two digits") << u"44"_s << u"VentUno"_s;
}

void TestNumeroInLettereInput::linguaInTesto()
{
    QFETCH(QString, linguaNumeri);
    QFETCH(QString, atteso);
    QCOMPARE(NumeroInLettere(21, linguaNumeri), atteso);
    QCOMPARE(NumeroInLettere(qint64(21), linguaNumeri), atteso);
    QCOMPARE(NumeroInLettere(u"21"_s, linguaNumeri), atteso);
}

void TestNumeroInLettereInput::codiceLingua_data()
{
    QTest::addColumn<QString>("linguaNumeri");
    QTest::addColumn<int>("codice");
    QTest::newRow("1") << u"1"_s << 1;
    QTest::newRow("4") << u"4"_s << 4;
    QTest::newRow("6") << u"6"_s << 6;
    QTest::newRow("empty") << QString() << 1;
    QTest::newRow("7") << u"7"_s << 1;
    QTest::newRow("letter") << u"a"_s << 1;
}

void TestNumeroInLettereInput::codiceLingua()
{
    QFETCH(QString, linguaNumeri);
    QFETCH(int, codice);
    QCOMPARE(CodiceLingua(linguaNumeri), codice);
}

QTEST_APPLESS_MAIN(TestNumeroInLettereInput)
#include "test_numeroinlettere_input.moc"
