// Upper case one character at a time, as the number words are compared.
#include "words/MaiuscoloPerCarattere.h"
#include "words/NumeroInLettere.h"

#include <QtTest>

using namespace ortix;
using namespace Qt::StringLiterals;

class TestMaiuscoloPerCarattere : public QObject
{
    Q_OBJECT

private slots:
    void maiuscolo_data();
    void maiuscolo();
    void paroleDelConvertitore_data();
    void paroleDelConvertitore();
};

void TestMaiuscoloPerCarattere::maiuscolo_data()
{
    QTest::addColumn<QString>("testo");
    QTest::addColumn<QString>("atteso");
    QTest::newRow("sharp s stays") << u"ß"_s << u"ß"_s;
    QTest::newRow("umlaut") << u"ü"_s << u"Ü"_s;
    QTest::newRow("a grave") << u"à"_s << u"À"_s;
    QTest::newRow("e grave") << u"è"_s << u"È"_s;
    QTest::newRow("word") << u"fünf"_s << u"FÜNF"_s;
    QTest::newRow("o umlaut") << u"Zwölf"_s << u"ZWÖLF"_s;
    QTest::newRow("sharp s inside") << u"Dreißig"_s << u"DREIßIG"_s;
    QTest::newRow("blanks kept") << u"NJEZET e nje"_s << u"NJEZET E NJE"_s;
    QTest::newRow("trailing blank") << u"ciento "_s << u"CIENTO "_s;
    QTest::newRow("digits and apostrophe") << u"l'1a"_s << u"L'1A"_s;
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("already upper") << u"VENTUNO"_s << u"VENTUNO"_s;
    // Deseret small long i to its capital: both need two 16-bit units.
    QTest::newRow("beyond 16 bits") << u"\U00010428x"_s << u"\U00010400X"_s;
    QTest::newRow("lone surrogate") << u"a\xD801"_s << u"A\xD801"_s;
}

void TestMaiuscoloPerCarattere::maiuscolo()
{
    QFETCH(QString, testo);
    QFETCH(QString, atteso);
    QCOMPARE(MaiuscoloPerCarattere(testo), atteso);
}

void TestMaiuscoloPerCarattere::paroleDelConvertitore_data()
{
    QTest::addColumn<qint64>("numero");
    QTest::addColumn<int>("lingua");
    QTest::addColumn<QString>("atteso");
    QTest::newRow("de 5") << qint64(5) << int(LinguaTedesco) << u"FÜNF"_s;
    QTest::newRow("de 30") << qint64(30) << int(LinguaTedesco) << u"DREIßIG"_s;
    QTest::newRow("de 12") << qint64(12) << int(LinguaTedesco) << u"ZWÖLF"_s;
    QTest::newRow("it 21") << qint64(21) << int(LinguaItaliano) << u"VENTUNO"_s;
    QTest::newRow("es 100") << qint64(100) << int(LinguaSpagnolo) << u"CIENTO "_s;
}

void TestMaiuscoloPerCarattere::paroleDelConvertitore()
{
    QFETCH(qint64, numero);
    QFETCH(int, lingua);
    QFETCH(QString, atteso);
    QCOMPARE(MaiuscoloPerCarattere(NumeroInLettere(numero, lingua)), atteso);
}

QTEST_APPLESS_MAIN(TestMaiuscoloPerCarattere)
#include "test_maiuscolopercarattere.moc"
