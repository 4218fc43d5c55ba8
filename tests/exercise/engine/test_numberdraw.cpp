// The exercise engine's rules that need no window: the draw of a new item
// and the wrapping of long number words. Which window uses which rule is
// checked through the windows themselves (test_exerciseopening); the score's
// top (32767) in every window by test_faults_score, the number texts of the
// targets by the random pupil after every event.
#include "TestSupport.h"

#include "exercise/engine/NumberDraw.h"
#include "exercise/engine/TextWrap.h"

#include <QFont>
#include <QFontMetrics>
#include <QList>
#include <QTest>

using namespace ortix;
using test::pick;

namespace {

// The largest single-precision value below 1.
constexpr float kAlmostOne = 0.99999994f;

// The values that pick `row` of `rows`, then one for each non-zero digit of
// `expected`, whose digits are 1, 2, 3... in the order drawn.
QList<float> rowThenDigits(int row, int rows, int expected)
{
    QList<float> values{pick(row, rows)};
    for (; expected > 0; expected /= 10) {
        if (expected % 10 != 0) {
            values.append(pick(int(values.size()) - 1, 9));
        }
    }
    return values;
}

} // namespace

class TestNumberDraw : public QObject
{
    Q_OBJECT

private slots:
    void draws_data();
    void draws();
    void longWordsWrap();
};

void TestNumberDraw::draws_data()
{
    QTest::addColumn<DrawRule>("rule");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<QList<float>>("values");
    QTest::addColumn<int>("expected");
    using enum DrawRule;
    const float one = kAlmostOne;

    QTest::newRow("units, 0") << UnitsOneToNine << 99 << QList<float>{0.0f} << 1;
    QTest::newRow("units, almost 1") << UnitsOneToNine << 99 << QList<float>{one} << 9;
    QTest::newRow("1..19, 0") << OneToMaximum << 19 << QList<float>{0.0f} << 1;
    QTest::newRow("1..19, almost 1") << OneToMaximum << 19 << QList<float>{one} << 19;
    QTest::newRow("0..98, 0") << ZeroBelowMaximum << 99 << QList<float>{0.0f} << 0;
    QTest::newRow("0..98, almost 1") << ZeroBelowMaximum << 99 << QList<float>{one} << 98;
    // Products a hair below a whole number (w * 2^-24, exact in single
    // precision): rounded to single precision they would reach that number.
    QTest::newRow("1..19, 2649034/2^24") << OneToMaximum << 19 << QList<float>{2649034 * 0x1p-24f} << 3;
    QTest::newRow("0..98, 2880936/2^24") << ZeroBelowMaximum << 99 << QList<float>{2880936 * 0x1p-24f} << 16;
    QTest::newRow("0..998, 1679401/2^24") << ZeroBelowMaximum << 999 << QList<float>{1679401 * 0x1p-24f} << 99;
    QTest::newRow("negative maximum, 1..M") << OneToMaximum << -5 << QList<float>{0.5f} << 1;
    QTest::newRow("negative maximum, 0..M-1") << ZeroBelowMaximum << -5 << QList<float>{0.5f} << 0;

    // Four digits: one value for the row, then one per present place,
    // thousands first; the digits 1, 2, 3, 4 in the order drawn.
    const int fourRows[20] = {1234, 123, 1023, 1203, 1230, 12,  102, 120,  1002, 1020,
                              1200, 1000, 100, 10,   1,    1234, 123, 1023, 1203, 1230};
    for (int row = 0; row < 20; ++row) {
        QTest::addRow("four digits, row %d", row) << FourDigitPattern << 9999 << rowThenDigits(row, 20, fourRows[row])
                                                  << fourRows[row];
    }
    // Row 8 (thousands and units), units 9: the thousands digit is 1 to
    // M / 1000, and 1 when that is 0.
    QTest::newRow("M=1999, almost 1") << FourDigitPattern << 1999 << QList<float>{pick(8, 20), one, one} << 1009;
    QTest::newRow("M=5999, 0.5") << FourDigitPattern << 5999 << QList<float>{pick(8, 20), 0.5f, one} << 3009;
    QTest::newRow("M=9999, almost 1") << FourDigitPattern << 9999 << QList<float>{pick(8, 20), one, one} << 9009;
    QTest::newRow("M=999, L=0") << FourDigitPattern << 999 << QList<float>{pick(8, 20), 0.5f, one} << 1009;
    QTest::newRow("M=0, L=0") << FourDigitPattern << 0 << QList<float>{pick(8, 20), one, one} << 1009;
    // Rnd = 0 everywhere: row 0 and the digit 1 in every place, never 0.
    QTest::newRow("four digits, all 0") << FourDigitPattern << 9999 << QList<float>(5, 0.0f) << 1111;
    // Just below 1 everywhere: row 19 (thousands, hundreds, tens).
    QTest::newRow("four digits, all almost 1") << FourDigitPattern << 9999 << QList<float>(4, one) << 9990;
    // 7549747/2^24 * 20 = 8.99999976...: row 8, not row 9.
    QTest::newRow("four digits, row in double precision")
        << FourDigitPattern << 9999 << QList<float>{7549747 * 0x1p-24f, pick(0, 9), pick(8, 9)} << 1009;

    // The thousands period: 1, 2, 3, ... from the highest place down.
    const int periodRows[15] = {12345,  102345, 120345, 123045, 123405, 123450, 1234,  10234,
                                123456, 12034,  12304,  12340,  100234, 102034, 102304};
    for (int row = 0; row < 15; ++row) {
        QTest::addRow("period, row %d", row) << ThousandsPeriodPattern << 0 << rowThenDigits(row, 15, periodRows[row])
                                             << periodRows[row];
    }
    QTest::newRow("period, smallest") << ThousandsPeriodPattern << 0 << QList<float>{pick(6, 15), 0, 0, 0, 0} << 1111;
    QTest::newRow("period, largest") << ThousandsPeriodPattern << 0 << QList<float>{pick(8, 15), one, one, one, one, one, one}
                                     << 999999;
    // A value just below 1 picks the last row: hk, uk, h, u.
    QTest::newRow("period, last row") << ThousandsPeriodPattern << 0 << QList<float>(5, one) << 909909;
}

void TestNumberDraw::draws()
{
    QFETCH(DrawRule, rule);
    QFETCH(int, maximum);
    QFETCH(QList<float>, values);
    QFETCH(int, expected);
    test::ScriptedRnd rnd;
    rnd.script.assign(values.begin(), values.end());
    QCOMPARE(drawNumber(rule, maximum, rnd), expected);
    // Every value, and no more.
    QCOMPARE(rnd.calls, int(values.size()));
}

void TestNumberDraw::longWordsWrap()
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

QTEST_MAIN(TestNumberDraw)
#include "test_numberdraw.moc"
