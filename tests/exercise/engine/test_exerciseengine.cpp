// The wrapping of long number words. The score's top (32767) is checked in
// every window by test_faults_score, the number texts of the targets by the
// random pupil after every event.
#include "exercise/engine/TextWrap.h"

#include <QFont>
#include <QFontMetrics>
#include <QTest>

using namespace ortix;

class TestExerciseEngine : public QObject
{
    Q_OBJECT

private slots:
    void longWordsWrap();
};

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
