// The rules of the exercise frame that need no window: the score, the
// number texts and the wrapping of long number words.
#include "exercise/engine/NumberText.h"
#include "exercise/engine/Score.h"
#include "exercise/engine/TextWrap.h"

#include <QFont>
#include <QFontMetrics>
#include <QTest>

using namespace ortix;

class TestExerciseEngine : public QObject
{
    Q_OBJECT

private slots:
    void scoreStopsAtTheTop();
    void numberTexts_data();
    void numberTexts();
    void longWordsWrap();
};

void TestExerciseEngine::scoreStopsAtTheTop()
{
    QCOMPARE(testoConteggio(contaUnaInPiu(0)), QStringLiteral(" 1"));
    QCOMPARE(contaUnaInPiu(32766), qint16(32767));
    QCOMPARE(contaUnaInPiu(32767), qint16(32767));
}

void TestExerciseEngine::numberTexts_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("withSign");
    QTest::addColumn<QString>("grouped");
    QTest::newRow("5") << 5 << " 5" << " 5";
    QTest::newRow("725") << 725 << " 725" << " 725";
    QTest::newRow("1000") << 1000 << " 1000" << "1 000";
    QTest::newRow("4025") << 4025 << " 4025" << "4 025";
    QTest::newRow("205006") << 205006 << " 205006" << "205 006";
}

void TestExerciseEngine::numberTexts()
{
    QFETCH(int, number);
    QFETCH(QString, withSign);
    QFETCH(QString, grouped);
    QCOMPARE(testoConSegno(number), withSign);
    QCOMPARE(testoATreCifre(number), grouped);
}

void TestExerciseEngine::longWordsWrap()
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(14);
    font.setBold(true);
    const QFontMetrics metrics(font);
    const QString word = QStringLiteral("SIEBENHUNDERTSIEBENUNDSIEBZIGTAUSENDSIEBENHUNDERTSIEBENUNDSIEBZIG");
    const int width = metrics.horizontalAdvance(word) * 2 / 3;

    // The break after the thousands is taken only when the whole does not fit.
    QCOMPARE(wrapToWidth(word, metrics, width, {36}),
             QStringLiteral("SIEBENHUNDERTSIEBENUNDSIEBZIGTAUSEND\nSIEBENHUNDERTSIEBENUNDSIEBZIG"));
    QCOMPARE(wrapToWidth(word, metrics, metrics.horizontalAdvance(word), {36}), word);

    // Without one, the word is cut where the line is full; nothing is lost.
    const QString cut = wrapToWidth(word, metrics, width / 2);
    QVERIFY(cut.count(u'\n') >= 2);
    QCOMPARE(QString(cut).remove(u'\n'), word);
    for (const QString &line : cut.split(u'\n')) {
        QVERIFY(metrics.horizontalAdvance(line) <= width / 2);
    }
    // Blanks come first.
    const QString phrase = QStringLiteral("DOSCIENTOS CINCO MIL DIECISÉIS");
    QCOMPARE(wrapToWidth(phrase, metrics, metrics.horizontalAdvance(QStringLiteral("DOSCIENTOS CINCO MIL"))),
             QStringLiteral("DOSCIENTOS CINCO MIL\nDIECISÉIS"));
}

QTEST_MAIN(TestExerciseEngine)
#include "test_exerciseengine.moc"
