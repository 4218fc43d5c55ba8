// The rules that split a target into coloured labels: which text goes to
// which place, in which order, in digits and in the six languages.
#include "TestSupport.h"

#include "app/SharedState.h"
#include "exercise/families/NumberColouring.h"
#include "lang/LanguageSupport.h"
#include "words/MaiuscoloPerCarattere.h"
#include "words/NumeroInLettere.h"

#include <QTest>


using namespace ortix;

namespace {

using P = TargetPart;
using Labels = QList<QPair<TargetPart, QString>>;

void useLanguage(int lingua)
{
    shared().LinguaNumeri = QString::number(lingua);
    lang::PreparaPartiUndiciDiciannove();
}

ColouredNumber inWords(qint32 n, TargetSplit split, int lingua)
{
    return numeroAColori(n, split, lingua, shared().ParteUnita, shared().ParteDecina);
}

// The labels a pupil sees, left to right.
Labels seen(const ColouredNumber &labels)
{
    Labels out;
    for (const ColouredText &label : labels) {
        if (label.shown && !label.text.isEmpty()) {
            out.append({label.part, label.text});
        }
    }
    return out;
}

// "u:SE" for the blue units label that reads SE, for readable failures.
QStringList described(const Labels &labels)
{
    static const char *const codes[] = {"k", "h", "d", "u", "j", "K", "U"};
    QStringList out;
    for (const auto &[part, text] : labels) {
        out << QString::fromLatin1(codes[int(part)]) + u':' + text;
    }
    return out;
}

QString joined(const ColouredNumber &labels)
{
    QString text;
    for (const auto &[part, piece] : seen(labels)) {
        text += piece;
    }
    return text;
}

} // namespace

Q_DECLARE_METATYPE(TargetSplit)
Q_DECLARE_METATYPE(Labels)

class TestNumberColouring : public QObject
{
    Q_OBJECT

private slots:
    void piecesReadAsTheWholeWords_data();
    void piecesReadAsTheWholeWords();
    void wordsByPlace_data();
    void wordsByPlace();
    void elevenWithoutLanguageParts();
};

void TestNumberColouring::piecesReadAsTheWholeWords_data()
{
    QTest::addColumn<TargetSplit>("split");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("step");
    QTest::newRow("up to 999") << TargetSplit::UpToHundreds << 1 << 999 << 1;
    QTest::newRow("up to 9999") << TargetSplit::UpToThousands << 1 << 9999 << 1;
    QTest::newRow("thousands period") << TargetSplit::Periods << 1111 << 999999 << 101;
}

// Read one after the other, the coloured pieces are the number's words.
void TestNumberColouring::piecesReadAsTheWholeWords()
{
    QFETCH(TargetSplit, split);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, step);
    test::TestRun run;
    for (int lingua = 1; lingua <= 6; ++lingua) {
        useLanguage(lingua);
        for (int n = from; n <= to; n += step) {
            const QString whole = MaiuscoloPerCarattere(NumeroInLettere(n, lingua));
            const QString pieces = joined(inWords(n, split, lingua));
            if (pieces != whole) {
                QFAIL(qPrintable(QStringLiteral("%1 in language %2: %3 instead of %4").arg(n).arg(lingua).arg(pieces, whole)));
            }
        }
    }
}

void TestNumberColouring::wordsByPlace_data()
{
    QTest::addColumn<int>("lingua");
    QTest::addColumn<int>("number");
    QTest::addColumn<Labels>("labels");
    // Eleven to nineteen: the units part first or second by language.
    QTest::newRow("it 16") << 1 << 16 << Labels{{P::Units, "SE"}, {P::Tens, "DICI"}};
    QTest::newRow("en 17") << 2 << 17 << Labels{{P::Units, "SEVEN"}, {P::Tens, "TEEN"}};
    QTest::newRow("fr 17") << 3 << 17 << Labels{{P::Tens, "DIX"}, {P::Units, "SEPT"}};
    QTest::newRow("de 12") << 4 << 12 << Labels{{P::Units, QString::fromUtf8("ZWÖ")}, {P::Tens, "LF"}};
    QTest::newRow("es 16") << 5 << 16 << Labels{{P::Tens, "DIECI"}, {P::Units, "SEIS"}};
    QTest::newRow("sq 113") << 6 << 113
                            << Labels{{P::Hundreds, "NJEQIND"}, {P::Units, "TREMBE"}, {P::Tens, "DHJETE"}};
    // Tens and units.
    QTest::newRow("it 23 keeps its vowel") << 1 << 23 << Labels{{P::Tens, "VENTI"}, {P::Units, "TRE"}};
    QTest::newRow("it 181") << 1 << 181
                            << Labels{{P::Hundreds, "CENTO"}, {P::Tens, "OTTANT"}, {P::Units, "UNO"}};
    QTest::newRow("it 108") << 1 << 108 << Labels{{P::Hundreds, "CENTO"}, {P::Units, "OTTO"}};
    QTest::newRow("es 21") << 5 << 21 << Labels{{P::Tens, "VENTI"}, {P::Units, "UNO"}};
    QTest::newRow("es 130") << 5 << 130 << Labels{{P::Hundreds, "CIENTO "}, {P::Tens, "TRENTA"}};
    QTest::newRow("de 31") << 4 << 31
                           << Labels{{P::Units, "EIN"}, {P::Joiner, "UND"}, {P::Tens, QString::fromUtf8("DREIßIG")}};
    QTest::newRow("de 101") << 4 << 101 << Labels{{P::Hundreds, "HUNDERT"}, {P::Units, "EINS"}};
    QTest::newRow("sq 45") << 6 << 45 << Labels{{P::Tens, "DYZET"}, {P::Joiner, " E "}, {P::Units, "PESE"}};
    QTest::newRow("es 1016") << 5 << 1016
                             << Labels{{P::Thousands, "UNMIL "}, {P::Tens, "DIECI"}, {P::Units, "SEIS"}};
}

void TestNumberColouring::wordsByPlace()
{
    QFETCH(int, lingua);
    QFETCH(int, number);
    QFETCH(Labels, labels);
    test::TestRun run;
    useLanguage(lingua);
    QCOMPARE(described(seen(inWords(number, TargetSplit::UpToThousands, lingua))), described(labels));
    if (number < 1000) {
        QCOMPARE(described(seen(inWords(number, TargetSplit::UpToHundreds, lingua))), described(labels));
    }
}

// Before any language has been chosen the parts of eleven to nineteen are
// unknown: the whole word is still shown.
void TestNumberColouring::elevenWithoutLanguageParts()
{
    test::TestRun run;
    QCOMPARE(described(seen(inWords(17, TargetSplit::UpToHundreds, 1))), QStringList{"d:DICIASSETTE"});
}

QTEST_MAIN(TestNumberColouring)
#include "test_numbercolouring.moc"
