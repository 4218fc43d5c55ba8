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
    void draws();
    void longWordsWrap();
};

// Each draw takes exactly the values it is given, and gives `expected`.
void TestNumberDraw::draws()
{
    const auto check = [](DrawRule rule, int maximum, const QList<float> &values, int expected) {
        test::ScriptedRnd rnd;
        rnd.script.assign(values.begin(), values.end());
        const int drawn = drawNumber(rule, maximum, rnd);
        QCOMPARE(std::pair(drawn, rnd.calls), std::pair(expected, int(values.size())));
    };
    using enum DrawRule;
    const float one = kAlmostOne;
    check(UnitsOneToNine, 99, {0.0f}, 1);
    check(UnitsOneToNine, 99, {one}, 9);
    check(OneToMaximum, 19, {0.0f}, 1);
    check(OneToMaximum, 19, {one}, 19);
    check(ZeroBelowMaximum, 99, {0.0f}, 0);
    check(ZeroBelowMaximum, 99, {one}, 98);
    // Products a hair below a whole number (w * 2^-24, exact in single
    // precision): rounded to single precision they would reach that number.
    check(OneToMaximum, 19, {2649034 * 0x1p-24f}, 3);
    check(ZeroBelowMaximum, 99, {2880936 * 0x1p-24f}, 16);
    check(ZeroBelowMaximum, 999, {1679401 * 0x1p-24f}, 99);
    // A negative maximum.
    check(OneToMaximum, -5, {0.5f}, 1);
    check(ZeroBelowMaximum, -5, {0.5f}, 0);

    // Four digits: one value for the row, then one per present place,
    // thousands first; the digits 1, 2, 3, 4 in the order drawn.
    const int fourRows[20] = {1234, 123, 1023, 1203, 1230, 12,  102, 120,  1002, 1020,
                              1200, 1000, 100, 10,   1,    1234, 123, 1023, 1203, 1230};
    for (int row = 0; row < 20; ++row) {
        check(FourDigitPattern, 9999, rowThenDigits(row, 20, fourRows[row]), fourRows[row]);
    }
    // Row 8 (thousands and units), units 9: the thousands digit is 1 to
    // M / 1000, and 1 when that is 0.
    check(FourDigitPattern, 1999, {pick(8, 20), one, one}, 1009);
    check(FourDigitPattern, 5999, {pick(8, 20), 0.5f, one}, 3009);
    check(FourDigitPattern, 9999, {pick(8, 20), one, one}, 9009);
    check(FourDigitPattern, 999, {pick(8, 20), 0.5f, one}, 1009);
    check(FourDigitPattern, 0, {pick(8, 20), one, one}, 1009);
    // Rnd = 0 everywhere: row 0 and the digit 1 in every place, never 0.
    check(FourDigitPattern, 9999, QList<float>(5, 0.0f), 1111);
    // Just below 1 everywhere: row 19 (thousands, hundreds, tens).
    check(FourDigitPattern, 9999, QList<float>(4, one), 9990);
    // 7549747/2^24 * 20 = 8.99999976...: row 8, not row 9.
    check(FourDigitPattern, 9999, {7549747 * 0x1p-24f, pick(0, 9), pick(8, 9)}, 1009);

    // The thousands period: 1, 2, 3, ... from the highest place down.
    const int periodRows[15] = {12345,  102345, 120345, 123045, 123405, 123450, 1234,  10234,
                                123456, 12034,  12304,  12340,  100234, 102034, 102304};
    for (int row = 0; row < 15; ++row) {
        check(ThousandsPeriodPattern, 0, rowThenDigits(row, 15, periodRows[row]), periodRows[row]);
    }
    // The smallest and the largest number.
    check(ThousandsPeriodPattern, 0, {pick(6, 15), 0, 0, 0, 0}, 1111);
    check(ThousandsPeriodPattern, 0, {pick(8, 15), one, one, one, one, one, one}, 999999);
    // A value just below 1 picks the last row: hk, uk, h, u.
    check(ThousandsPeriodPattern, 0, QList<float>(5, one), 909909);
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
