#include "app/Rnd.h"
#include "exercise/engine/NumberDraw.h"

#include <QList>
#include <QMap>
#include <QTest>

#include <initializer_list>

using namespace ortix;

namespace {

// Hands out the given values in order and records any call beyond them.
class ScriptedRnd : public Rnd
{
public:
    ScriptedRnd(std::initializer_list<float> values)
        : m_values(values)
    {
    }

    explicit ScriptedRnd(QList<float> values)
        : m_values(std::move(values))
    {
    }

    float next() override
    {
        if (m_next >= m_values.size()) {
            ++m_overruns;
            return 0.0f;
        }
        return m_values.at(m_next++);
    }

    bool usedExactly() const { return m_overruns == 0 && m_next == m_values.size(); }

private:
    QList<float> m_values;
    qsizetype m_next = 0;
    int m_overruns = 0;
};

// The largest single-precision value below 1.
constexpr float kAlmostOne = 0.99999994f;

// A value v for which Int(v * n) == i.
float pick(int i, int n)
{
    return (static_cast<float>(i) + 0.5f) / static_cast<float>(n);
}

// w / 2^24, exact in single precision.
float exact24(quint32 w)
{
    return static_cast<float>(w) / static_cast<float>(1u << 24);
}

// The places of a number that hold a non-zero digit, units first.
int nonZeroPlaces(int number)
{
    int mask = 0;
    for (int bit = 0; number > 0; ++bit, number /= 10) {
        if (number % 10 != 0) {
            mask |= 1 << bit;
        }
    }
    return mask;
}

int digitsPresent(int number)
{
    int count = 0;
    for (int mask = nonZeroPlaces(number); mask != 0; mask >>= 1) {
        count += mask & 1;
    }
    return count;
}

} // namespace

class TestNumberDraw : public QObject
{
    Q_OBJECT

private slots:
    void ruleOfEachWindow_data();
    void ruleOfEachWindow();
    void unknownWindowHasNoRule();

    void uniformRulesForGivenValues_data();
    void uniformRulesForGivenValues();
    void uniformRulesStayInRange_data();
    void uniformRulesStayInRange();
    void oneToNineteenIsEven();

    void fourDigitRows_data();
    void fourDigitRows();
    void fourDigitThousandsBound_data();
    void fourDigitThousandsBound();
    void fourDigitExtremes();
    void fourDigitRowInDoublePrecision();
    void fourDigitWithSmallestMaximum();
    void fourDigitShapeFrequencies();

    void thousandsPeriodRows_data();
    void thousandsPeriodRows();
    void thousandsPeriodExtremes();
    void thousandsPeriodShapeFrequencies();
};

void TestNumberDraw::ruleOfEachWindow_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<DrawRule>("rule");

    const auto units = DrawRule::UnitsOneToNine;
    const auto oneToM = DrawRule::OneToMaximum;
    const auto belowM = DrawRule::ZeroBelowMaximum;
    const auto four = DrawRule::FourDigitPattern;
    const auto period = DrawRule::ThousandsPeriodPattern;
    const std::pair<const char *, DrawRule> table[] = {
        { "Form4", units },      { "Form4sem", units },     { "Form6", units },       { "Form5", units },
        { "Form99a", oneToM },   { "Form99sem", oneToM },   { "Form99b", belowM },    { "Form99b1", oneToM },
        { "Form999a", oneToM },  { "Form999sem", oneToM },  { "Form999b", belowM },   { "Form999b1", oneToM },
        { "F9999a", four },      { "F9999SEM", four },      { "F9999b", four },       { "F9999c", four },
        { "Periodo1", period },  { "Periodo1SEM", period }, { "Periodo2", period },   { "Periodo3", period },
    };
    for (const auto &[window, rule] : table) {
        QTest::newRow(window) << QString::fromLatin1(window) << rule;
    }
}

void TestNumberDraw::ruleOfEachWindow()
{
    QFETCH(QString, window);
    QFETCH(DrawRule, rule);
    QCOMPARE(drawRuleFor(window), std::optional(rule));
}

void TestNumberDraw::unknownWindowHasNoRule()
{
    for (const QString &name : { QString(), QStringLiteral("FormMenu"), QStringLiteral("Formortix"),
                                 QStringLiteral("form4"), QStringLiteral("F9999sem") }) {
        QVERIFY2(!drawRuleFor(name).has_value(), qPrintable(name));
    }
}

void TestNumberDraw::uniformRulesForGivenValues_data()
{
    QTest::addColumn<DrawRule>("rule");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<float>("value");
    QTest::addColumn<int>("expected");

    QTest::newRow("units, 0") << DrawRule::UnitsOneToNine << 99 << 0.0f << 1;
    QTest::newRow("units, almost 1") << DrawRule::UnitsOneToNine << 99 << kAlmostOne << 9;
    QTest::newRow("1..19, 0") << DrawRule::OneToMaximum << 19 << 0.0f << 1;
    QTest::newRow("1..19, almost 1") << DrawRule::OneToMaximum << 19 << kAlmostOne << 19;
    QTest::newRow("1..999, almost 1") << DrawRule::OneToMaximum << 999 << kAlmostOne << 999;
    QTest::newRow("0..98, 0") << DrawRule::ZeroBelowMaximum << 99 << 0.0f << 0;
    QTest::newRow("0..98, almost 1") << DrawRule::ZeroBelowMaximum << 99 << kAlmostOne << 98;
    QTest::newRow("0..998, almost 1") << DrawRule::ZeroBelowMaximum << 999 << kAlmostOne << 998;
    // Values whose product lies a hair below a whole number: rounded to
    // single precision it would reach that number.
    QTest::newRow("1..19, 2649034/2^24") << DrawRule::OneToMaximum << 19 << exact24(2649034) << 3;
    QTest::newRow("0..98, 2880936/2^24") << DrawRule::ZeroBelowMaximum << 99 << exact24(2880936) << 16;
    QTest::newRow("0..998, 1679401/2^24") << DrawRule::ZeroBelowMaximum << 999 << exact24(1679401) << 99;
    QTest::newRow("negative maximum, 1..M") << DrawRule::OneToMaximum << -5 << 0.5f << 1;
    QTest::newRow("negative maximum, 0..M-1") << DrawRule::ZeroBelowMaximum << -5 << 0.5f << 0;
}

void TestNumberDraw::uniformRulesForGivenValues()
{
    QFETCH(DrawRule, rule);
    QFETCH(int, maximum);
    QFETCH(float, value);
    QFETCH(int, expected);

    ScriptedRnd rnd{ value };
    QCOMPARE(drawNumber(rule, maximum, rnd), expected);
    QVERIFY(rnd.usedExactly());
}

void TestNumberDraw::uniformRulesStayInRange_data()
{
    QTest::addColumn<DrawRule>("rule");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("lowest");
    QTest::addColumn<int>("highest");

    QTest::newRow("Form4") << DrawRule::UnitsOneToNine << 9999 << 1 << 9;
    QTest::newRow("Form99a M=19") << DrawRule::OneToMaximum << 19 << 1 << 19;
    QTest::newRow("Form99b M=19") << DrawRule::ZeroBelowMaximum << 19 << 0 << 18;
    QTest::newRow("Form99b M=99") << DrawRule::ZeroBelowMaximum << 99 << 0 << 98;
    QTest::newRow("Form999a M=199") << DrawRule::OneToMaximum << 199 << 1 << 199;
    QTest::newRow("Form999b M=999") << DrawRule::ZeroBelowMaximum << 999 << 0 << 998;
}

void TestNumberDraw::uniformRulesStayInRange()
{
    QFETCH(DrawRule, rule);
    QFETCH(int, maximum);
    QFETCH(int, lowest);
    QFETCH(int, highest);

    // Enough draws that every value of the range comes up with a fixed seed.
    SeededRnd rnd(20240611);
    QList<int> seen(highest + 1, 0);
    for (int i = 0; i < 200 * (highest - lowest + 1); ++i) {
        const int number = drawNumber(rule, maximum, rnd);
        QVERIFY2(number >= lowest && number <= highest, qPrintable(QString::number(number)));
        ++seen[number];
    }
    for (int value = lowest; value <= highest; ++value) {
        QVERIFY2(seen.at(value) > 0, qPrintable(QString::number(value)));
    }
}

void TestNumberDraw::oneToNineteenIsEven()
{
    SeededRnd rnd(7);
    const int draws = 19 * 4000;
    QList<int> seen(20, 0);
    for (int i = 0; i < draws; ++i) {
        ++seen[drawNumber(DrawRule::OneToMaximum, 19, rnd)];
    }
    for (int value = 1; value <= 19; ++value) {
        const double share = double(seen.at(value)) / draws;
        QVERIFY2(qAbs(share - 1.0 / 19) < 0.005, qPrintable(QString::number(value)));
    }
}

void TestNumberDraw::fourDigitRows_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("expected");

    // The present places receive the digits 1, 2, 3, 4 in the order drawn.
    const int expected[20] = { 1234, 123, 1023, 1203, 1230, 12,   102, 120, 1002, 1020,
                               1200, 1000, 100, 10,   1,    1234, 123, 1023, 1203, 1230 };
    for (int row = 0; row < 20; ++row) {
        QTest::addRow("row %d", row) << row << expected[row];
    }
}

void TestNumberDraw::fourDigitRows()
{
    QFETCH(int, row);
    QFETCH(int, expected);

    // One value for the row, then one per present place and no more.
    QList<float> values{ pick(row, 20) };
    for (int digit = 0; digit < digitsPresent(expected); ++digit) {
        values.append(pick(digit, 9));
    }
    ScriptedRnd rnd(values);
    QCOMPARE(drawNumber(DrawRule::FourDigitPattern, 9999, rnd), expected);
    QVERIFY(rnd.usedExactly());
}

void TestNumberDraw::fourDigitThousandsBound_data()
{
    QTest::addColumn<int>("maximum");
    QTest::addColumn<float>("thousands");
    QTest::addColumn<int>("expected");

    // Row 8 (thousands and units), units digit 9.
    QTest::newRow("M=1999, 0") << 1999 << 0.0f << 1009;
    QTest::newRow("M=1999, almost 1") << 1999 << kAlmostOne << 1009;
    QTest::newRow("M=5999, 0.5") << 5999 << 0.5f << 3009;
    QTest::newRow("M=9999, almost 1") << 9999 << kAlmostOne << 9009;
    QTest::newRow("M=999, L=0") << 999 << 0.5f << 1009;
    QTest::newRow("M=0, L=0") << 0 << kAlmostOne << 1009;
}

void TestNumberDraw::fourDigitThousandsBound()
{
    QFETCH(int, maximum);
    QFETCH(float, thousands);
    QFETCH(int, expected);

    ScriptedRnd rnd{ pick(8, 20), thousands, kAlmostOne };
    QCOMPARE(CalcolaNumeroACasoQuattroCifre(maximum, rnd), expected);
    QVERIFY(rnd.usedExactly());
}

void TestNumberDraw::fourDigitExtremes()
{
    // Rnd = 0 everywhere: row 0 and the digit 1 in every place, never 0.
    ScriptedRnd lowest{ 0.0f, 0.0f, 0.0f, 0.0f, 0.0f };
    QCOMPARE(CalcolaNumeroACasoQuattroCifre(9999, lowest), 1111);
    QVERIFY(lowest.usedExactly());

    // Just below 1 everywhere: row 19 (thousands, hundreds, tens).
    ScriptedRnd highest{ kAlmostOne, kAlmostOne, kAlmostOne, kAlmostOne };
    QCOMPARE(CalcolaNumeroACasoQuattroCifre(9999, highest), 9990);
    QVERIFY(highest.usedExactly());
}

void TestNumberDraw::fourDigitRowInDoublePrecision()
{
    // 7549747/2^24 * 20 = 8.99999976...: row 8 (thousands, units), not row 9.
    ScriptedRnd rnd{ exact24(7549747), pick(0, 9), pick(8, 9) };
    QCOMPARE(CalcolaNumeroACasoQuattroCifre(9999, rnd), 1009);
    QVERIFY(rnd.usedExactly());
}

void TestNumberDraw::fourDigitWithSmallestMaximum()
{
    // M = 1999: rows 1, 5, 6, 7, 12, 13, 14 and 16 have no thousands digit,
    // 8 rows of 20, so 40 % of the numbers are below 1000.
    SeededRnd rnd(1999);
    const int draws = 50000;
    int below1000 = 0;
    for (int i = 0; i < draws; ++i) {
        const int number = CalcolaNumeroACasoQuattroCifre(1999, rnd);
        QVERIFY2(number >= 1 && number <= 1999, qPrintable(QString::number(number)));
        if (number < 1000) {
            ++below1000;
        }
    }
    QVERIFY2(qAbs(double(below1000) / draws - 0.40) < 0.01, qPrintable(QString::number(below1000)));
}

void TestNumberDraw::fourDigitShapeFrequencies()
{
    // Shapes as masks of non-zero places (units = 1, tens = 2, hundreds = 4,
    // thousands = 8). The first five shapes of the table come twice.
    const QMap<int, double> expected = {
        { 0b1111, 0.10 }, { 0b0111, 0.10 }, { 0b1011, 0.10 }, { 0b1101, 0.10 }, { 0b1110, 0.10 },
        { 0b0011, 0.05 }, { 0b0101, 0.05 }, { 0b0110, 0.05 }, { 0b1001, 0.05 }, { 0b1010, 0.05 },
        { 0b1100, 0.05 }, { 0b1000, 0.05 }, { 0b0100, 0.05 }, { 0b0010, 0.05 }, { 0b0001, 0.05 },
    };

    SeededRnd rnd(4025);
    const int draws = 60000;
    QMap<int, int> shapes;
    for (int i = 0; i < draws; ++i) {
        const int number = CalcolaNumeroACasoQuattroCifre(9999, rnd);
        QVERIFY2(number >= 1 && number <= 9999, qPrintable(QString::number(number)));
        ++shapes[nonZeroPlaces(number)];
    }
    // The shape of every number is one of the table's: a present place is never 0.
    QCOMPARE(shapes.keys(), expected.keys());
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        const double share = double(shapes.value(it.key())) / draws;
        QVERIFY2(qAbs(share - it.value()) < 0.01, qPrintable(QString::number(it.key(), 2)));
    }
}

void TestNumberDraw::thousandsPeriodRows_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("expected");

    // The present places receive 1, 2, 3, ... from the highest place down.
    const int expected[15] = { 12345,  102345, 120345, 123045, 123405, 123450, 1234, 10234,
                               123456, 12034,  12304,  12340,  100234, 102034, 102304 };
    for (int row = 0; row < 15; ++row) {
        QTest::addRow("row %d", row) << row << expected[row];
    }
}

void TestNumberDraw::thousandsPeriodRows()
{
    QFETCH(int, row);
    QFETCH(int, expected);

    QList<float> values{ pick(row, 15) };
    for (int digit = 0; digit < digitsPresent(expected); ++digit) {
        values.append(pick(digit, 9));
    }
    ScriptedRnd rnd(values);
    QCOMPARE(drawNumber(DrawRule::ThousandsPeriodPattern, 0, rnd), expected);
    QVERIFY(rnd.usedExactly());
}

void TestNumberDraw::thousandsPeriodExtremes()
{
    ScriptedRnd smallest{ pick(6, 15), 0.0f, 0.0f, 0.0f, 0.0f };
    QCOMPARE(CalcolaNumeroACasoPeriodo(smallest), 1111);
    QVERIFY(smallest.usedExactly());

    ScriptedRnd largest{ pick(8, 15), kAlmostOne, kAlmostOne, kAlmostOne, kAlmostOne, kAlmostOne, kAlmostOne };
    QCOMPARE(CalcolaNumeroACasoPeriodo(largest), 999999);
    QVERIFY(largest.usedExactly());

    // A value just below 1 picks the last row: hk, uk, h, u.
    ScriptedRnd lastRow{ kAlmostOne, kAlmostOne, kAlmostOne, kAlmostOne, kAlmostOne };
    QCOMPARE(CalcolaNumeroACasoPeriodo(lastRow), 909909);
    QVERIFY(lastRow.usedExactly());
}

void TestNumberDraw::thousandsPeriodShapeFrequencies()
{
    SeededRnd rnd(205006);
    const int draws = 45000;
    QMap<int, int> shapes;
    for (int i = 0; i < draws; ++i) {
        const int number = CalcolaNumeroACasoPeriodo(rnd);
        QVERIFY2(number >= 1111 && number < 1000000, qPrintable(QString::number(number)));
        ++shapes[nonZeroPlaces(number)];
    }
    // Fifteen shapes (units = 1 ... hundreds of thousands = 32), 1/15 each.
    const QList<int> expectedShapes = { 0b011111, 0b101111, 0b110111, 0b111011, 0b111101,
                                        0b111110, 0b001111, 0b010111, 0b111111, 0b011011,
                                        0b011101, 0b011110, 0b100111, 0b101011, 0b101101 };
    QCOMPARE(shapes.size(), expectedShapes.size());
    for (int shape : expectedShapes) {
        const double share = double(shapes.value(shape)) / draws;
        QVERIFY2(qAbs(share - 1.0 / 15) < 0.01, qPrintable(QString::number(shape, 2)));
    }
}

QTEST_APPLESS_MAIN(TestNumberDraw)
#include "test_numberdraw.moc"
