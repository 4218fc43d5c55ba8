#include "exercise/families/AnswerRules.h"

#include <QLocale>
#include <QTest>

#include <cmath>
#include <limits>

using namespace ortix;

namespace {

const QString kNarrowNoBreakSpace = QString(QChar(0x202F));
const QString kNoBreakSpace = QString(QChar(0x00A0));

} // namespace

class TestAnswerRules : public QObject
{
    Q_OBJECT

private slots:
    void numericValue_data();
    void numericValue();
    void valueBeyondDouble();
    void valueRule_data();
    void valueRule();

    void localeSeparators();
    void grouping_data();
    void grouping();
    void groupedInThrees_data();
    void groupedInThrees();

    void keyFilter_data();
    void keyFilter();
    void controlCharactersDropped();
};

void TestAnswerRules::numericValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("plus sign") << "+7" << 7.0;
    QTest::newRow("minus sign") << "-7" << -7.0;
    QTest::newRow("sign alone") << "-" << 0.0;
    QTest::newRow("two signs") << "+-7" << 0.0;
    QTest::newRow("blanks inside digits") << "1 2 3" << 123.0;
    QTest::newRow("blank after sign") << "- 4" << -4.0;
    QTest::newRow("tab and line feed") << "\t1\n2\t" << 12.0;
    QTest::newRow("carriage return stops") << "1\r2" << 1.0;
    QTest::newRow("no-break space stops") << QString("1") + kNoBreakSpace + "234" << 1.0;
    QTest::newRow("fraction") << "7.25" << 7.25;
    QTest::newRow("point alone") << "." << 0.0;
    QTest::newRow("trailing point") << "7." << 7.0;
    QTest::newRow("second point stops") << "1.2.3" << 1.2;
    QTest::newRow("exponent E") << "7E2" << 700.0;
    QTest::newRow("exponent e") << "0.7e1" << 7.0;
    QTest::newRow("exponent D") << "70D-1" << 7.0;
    QTest::newRow("exponent with blanks") << "7 E 1" << 70.0;
    QTest::newRow("letter without exponent digits") << "7E" << 7.0;
    QTest::newRow("exponent sign without digits") << "7E-" << 7.0;
    QTest::newRow("point then exponent") << "7.E1" << 70.0;
    QTest::newRow("thousand point") << "1.234" << 1.234;
    QTest::newRow("&H1F") << "&H1F" << 31.0;
    QTest::newRow("&h1f") << "&h1f" << 31.0;
    QTest::newRow("&HFF stops at G") << "&HFFG1" << 255.0;
    QTest::newRow("&HFFFF whole") << "&HFFFF" << 65535.0;
    QTest::newRow("&O17") << "&O17" << 15.0;
    QTest::newRow("&O stops at 8") << "&O178" << 15.0;
    QTest::newRow("&H no digits") << "&H" << 0.0;
    QTest::newRow("& alone") << "&" << 0.0;
    QTest::newRow("&H with blanks") << " & H 1 F" << 31.0;
    QTest::newRow("sign before &H") << "-&H1F" << 0.0;
    QTest::newRow("Arabic-Indic digit") << QString(QChar(0x0667)) << 0.0;
    QTest::newRow("full-width digit") << QString(QChar(0xFF17)) << 0.0;
}

void TestAnswerRules::numericValue()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(readNumericValue(text), expected);
}

void TestAnswerRules::valueBeyondDouble()
{
    QVERIFY(std::isinf(readNumericValue(u"1E999")));
    QVERIFY(readNumericValue(u"-1E999") < 0);
    QVERIFY(std::isinf(readNumericValue(u"-1E999")));
    QCOMPARE(readNumericValue(u"1E-999"), 0.0);
    QCOMPARE(readNumericValue(u"0E999"), 0.0);
    QCOMPARE(readNumericValue(u"0.0001E-400"), 0.0);
    QVERIFY(std::isinf(readNumericValue(u"0.01E99999999999999999999")));
    QVERIFY(!matchesValue(u"7E999", 7));
}

void TestAnswerRules::valueRule_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<qint64>("number");
    QTest::addColumn<bool>("right");

    // How the value read is compared; how it is read is numericValue's.
    QTest::newRow("7.0") << "7.0" << qint64(7) << true;
    QTest::newRow("7,9: the comma ends it") << "7,9" << qint64(7) << true;
    QTest::newRow("7.5") << "7.5" << qint64(7) << false;
    QTest::newRow("abc for 0") << "abc" << qint64(0) << true;
    QTest::newRow("abc for 7") << "abc" << qint64(7) << false;
    QTest::newRow("-7") << "-7" << qint64(7) << false;
    QTest::newRow("9 8 for 98") << "9 8" << qint64(98) << true;
    QTest::newRow("9.8 for 98") << "9.8" << qint64(98) << false;
    // "1.234" reads as 1.234 by value; the grouping table has it as 1234.
    QTest::newRow("1.234 for 1234") << "1.234" << qint64(1234) << false;
    QTest::newRow("1234") << "1234" << qint64(1234) << true;
}

void TestAnswerRules::valueRule()
{
    QFETCH(QString, answer);
    QFETCH(qint64, number);
    QFETCH(bool, right);
    QCOMPARE(matchesValue(answer, number), right);
    QCOMPARE(isRightAnswer(AnswerRule::Value, answer, number, u"."), right);
}

void TestAnswerRules::localeSeparators()
{
    // The separators the grouping table below relies on.
    QCOMPARE(QLocale(QLocale::Italian).groupSeparator(), QStringLiteral("."));
    QCOMPARE(QLocale(QLocale::English).groupSeparator(), QStringLiteral(","));
    QVERIFY(isSpaceSeparator(QLocale(QLocale::French).groupSeparator()));
    QVERIFY(isSpaceSeparator(QLocale(QLocale::Albanian).groupSeparator()));
    QVERIFY(isSpaceSeparator(kNarrowNoBreakSpace));
    QVERIFY(isSpaceSeparator(kNoBreakSpace));
    QVERIFY(isSpaceSeparator(u" "));
    QVERIFY(!isSpaceSeparator(u"."));
    QVERIFY(!isSpaceSeparator(u""));
    QVERIFY(!isSpaceSeparator(u"\t"));
    QVERIFY(isApostropheSeparator(QLocale(QStringLiteral("de_CH")).groupSeparator()));
    QVERIFY(!isApostropheSeparator(u"'"));
}

void TestAnswerRules::grouping_data()
{
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<qint64>("number");
    QTest::addColumn<bool>("right");

    const QString it = QStringLiteral(".");
    const QString en = QStringLiteral(",");
    const QString fr = QLocale(QLocale::French).groupSeparator();
    const QString nnbsp = kNarrowNoBreakSpace;
    const QString nbsp = kNoBreakSpace;

    QTest::newRow("it 1.234") << it << "1.234" << qint64(1234) << true;
    QTest::newRow("it 1 234") << it << "1 234" << qint64(1234) << true;
    QTest::newRow("it 1234") << it << "1234" << qint64(1234) << false;
    QTest::newRow("it 1,234") << it << "1,234" << qint64(1234) << false;
    QTest::newRow("it 45") << it << "45" << qint64(45) << true;
    QTest::newRow("it 120.005") << it << "120.005" << qint64(120005) << true;
    QTest::newRow("it 12.345") << it << "12.345" << qint64(12345) << true;
    QTest::newRow("it 123.45") << it << "123.45" << qint64(12345) << false;
    QTest::newRow("it 999.999") << it << "999.999" << qint64(999999) << true;
    QTest::newRow("it blanks around") << it << "  1.234 " << qint64(1234) << true;
    QTest::newRow("it two blanks inside") << it << "1  234" << qint64(1234) << false;
    QTest::newRow("it tab before") << it << "\t1.234" << qint64(1234) << false;
    QTest::newRow("it no-break space") << it << QString("1") + nbsp + "234" << qint64(1234) << false;
    QTest::newRow("it 0") << it << "0" << qint64(0) << true;
    QTest::newRow("it empty") << it << "" << qint64(0) << false;

    QTest::newRow("en 1,234") << en << "1,234" << qint64(1234) << true;
    QTest::newRow("en 1 234") << en << "1 234" << qint64(1234) << true;
    QTest::newRow("en 1.234") << en << "1.234" << qint64(1234) << false;

    QTest::newRow("fr locale separator") << fr << QString("1") + fr + "234" << qint64(1234) << true;
    QTest::newRow("fr narrow no-break space") << fr << QString("1") + nnbsp + "234" << qint64(1234) << true;
    QTest::newRow("fr no-break space") << fr << QString("1") + nbsp + "234" << qint64(1234) << true;
    QTest::newRow("fr typed blank") << fr << "1 234" << qint64(1234) << true;
    QTest::newRow("fr 1.234") << fr << "1.234" << qint64(1234) << false;
    QTest::newRow("fr space at the ends") << fr << nbsp + "1 234" + nnbsp << qint64(1234) << true;
    QTest::newRow("fr 12 34") << fr << "12 34" << qint64(1234) << false;

    // Swiss settings group with the typographic apostrophe; the keyboard's
    // plain one stands for it.
    const QString ch = QLocale(QStringLiteral("de_CH")).groupSeparator();
    QTest::newRow("ch locale separator") << ch << QString("1") + ch + "234" << qint64(1234) << true;
    QTest::newRow("ch plain apostrophe") << ch << "12'345" << qint64(12345) << true;
    QTest::newRow("ch 1 234") << ch << "1 234" << qint64(1234) << true;
    QTest::newRow("plain apostrophe elsewhere") << en << "1'234" << qint64(1234) << false;
}

void TestAnswerRules::grouping()
{
    QFETCH(QString, separator);
    QFETCH(QString, answer);
    QFETCH(qint64, number);
    QFETCH(bool, right);
    QCOMPARE(matchesGrouping(answer, number, separator), right);
    QCOMPARE(isRightAnswer(AnswerRule::Grouping, answer, number, separator), right);
}

void TestAnswerRules::groupedInThrees_data()
{
    QTest::addColumn<qint64>("number");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("expected");

    QTest::newRow("0") << qint64(0) << "." << "0";
    QTest::newRow("1000") << qint64(1000) << "." << "1.000";
    QTest::newRow("1000000") << qint64(1000000) << " " << "1 000 000";
    QTest::newRow("-1234") << qint64(-1234) << "." << "-1.234";
    QTest::newRow("two-character separator") << qint64(1234567) << "''" << "1''234''567";
    QTest::newRow("lowest") << std::numeric_limits<qint64>::min() << "."
                            << "-9.223.372.036.854.775.808";
}

void TestAnswerRules::groupedInThrees()
{
    QFETCH(qint64, number);
    QFETCH(QString, separator);
    QFETCH(QString, expected);
    QCOMPARE(ortix::groupedInThrees(number, separator), expected);
}

void TestAnswerRules::keyFilter_data()
{
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QChar>("typed");
    QTest::addColumn<bool>("admitted");

    const QString it = QStringLiteral(".");
    const QString fr = QLocale(QLocale::French).groupSeparator();
    const QString sq = QLocale(QLocale::Albanian).groupSeparator();

    for (char digit = '0'; digit <= '9'; ++digit) {
        QTest::addRow("it %c", digit) << it << QChar(digit) << true;
    }
    QTest::newRow("it backspace") << it << QChar(8) << true;
    QTest::newRow("it point") << it << QChar(u'.') << true;
    QTest::newRow("it comma") << it << QChar(u',') << true;
    QTest::newRow("it blank") << it << QChar(u' ') << false;
    QTest::newRow("it letter") << it << QChar(u'a') << false;
    QTest::newRow("it minus") << it << QChar(u'-') << false;
    QTest::newRow("it ampersand") << it << QChar(u'&') << false;
    QTest::newRow("it no-break space") << it << QChar(0x00A0) << false;
    QTest::newRow("it Arabic-Indic 7") << it << QChar(0x0667) << false;
    QTest::newRow("it full-width 7") << it << QChar(0xFF17) << false;
    QTest::newRow("apostrophe separator") << QStringLiteral("'") << QChar(u'\'') << true;

    QTest::newRow("fr blank") << fr << QChar(u' ') << true;
    QTest::newRow("fr own separator") << fr << fr.at(0) << true;
    QTest::newRow("fr letter") << fr << QChar(u'x') << false;
    QTest::newRow("sq blank") << sq << QChar(u' ') << true;
    QTest::newRow("sq own separator") << sq << sq.at(0) << true;
    const QString ch = QLocale(QStringLiteral("de_CH")).groupSeparator();
    QTest::newRow("ch own separator") << ch << ch.at(0) << true;
    QTest::newRow("ch plain apostrophe") << ch << QChar(u'\'') << true;
    QTest::newRow("ch blank") << ch << QChar(u' ') << false;
    QTest::newRow("it plain apostrophe") << it << QChar(u'\'') << false;
}

void TestAnswerRules::keyFilter()
{
    QFETCH(QString, separator);
    QFETCH(QChar, typed);
    QFETCH(bool, admitted);
    QCOMPARE(admitsDigitsKey(typed, separator), admitted);
}

void TestAnswerRules::controlCharactersDropped()
{
    // Copy, paste, cut, undo and every other control code except Backspace.
    for (char16_t code = 0; code < 32; ++code) {
        QCOMPARE(admitsDigitsKey(QChar(code), u"."), code == 8);
        QCOMPARE(admitsDigitsKey(QChar(code), kNarrowNoBreakSpace), code == 8);
    }
    QVERIFY(!admitsDigitsKey(QChar(127), u"."));
}

QTEST_APPLESS_MAIN(TestAnswerRules)
#include "test_answerrules.moc"
