#include "exercise/families/AnswerRules.h"

#include <QLocale>
#include <QTest>

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
    void rules_data();
    void rules();
    void groupedInThrees_data();
    void groupedInThrees();

    void keyFilter_data();
    void keyFilter();
};

void TestAnswerRules::numericValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("plus sign") << "+7" << 7.0;
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
    QTest::newRow("point then exponent") << "7.E1" << 70.0;
    QTest::newRow("thousand point") << "1.234" << 1.234;
    QTest::newRow("&H1F") << "&H1F" << 31.0;
    QTest::newRow("&h1f") << "&h1f" << 31.0;
    QTest::newRow("&HFF stops at G") << "&HFFG1" << 255.0;
    QTest::newRow("&O17") << "&O17" << 15.0;
    QTest::newRow("&O stops at 8") << "&O178" << 15.0;
    QTest::newRow("&H no digits") << "&H" << 0.0;
    QTest::newRow("& alone") << "&" << 0.0;
    QTest::newRow("&H with blanks") << " & H 1 F" << 31.0;
    QTest::newRow("sign before &H") << "-&H1F" << 0.0;
    QTest::newRow("Arabic-Indic digit") << QString(QChar(0x0667)) << 0.0;
    QTest::newRow("full-width digit") << QString(QChar(0xFF17)) << 0.0;
    // Beyond what a double holds.
    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("1E999") << "1E999" << inf;
    QTest::newRow("-1E999") << "-1E999" << -inf;
    QTest::newRow("huge exponent") << "0.01E99999999999999999999" << inf;
    QTest::newRow("1E-999") << "1E-999" << 0.0;
    QTest::newRow("0E999") << "0E999" << 0.0;
    QTest::newRow("0.0001E-400") << "0.0001E-400" << 0.0;
}

void TestAnswerRules::numericValue()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(readNumericValue(text), expected);
}

void TestAnswerRules::rules_data()
{
    QTest::addColumn<AnswerRule>("rule");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<qint64>("number");
    QTest::addColumn<bool>("right");

    // The value rule: how the value read is compared; how it is read is numericValue's.
    const auto value = AnswerRule::Value;
    const QString it = QStringLiteral(".");
    QTest::newRow("7.0") << value << it << "7.0" << qint64(7) << true;
    QTest::newRow("7,9: the comma ends it") << value << it << "7,9" << qint64(7) << true;
    QTest::newRow("7.5") << value << it << "7.5" << qint64(7) << false;
    QTest::newRow("abc for 0") << value << it << "abc" << qint64(0) << true;
    QTest::newRow("abc for 7") << value << it << "abc" << qint64(7) << false;
    QTest::newRow("-7") << value << it << "-7" << qint64(7) << false;
    QTest::newRow("9 8 for 98") << value << it << "9 8" << qint64(98) << true;
    QTest::newRow("9.8 for 98") << value << it << "9.8" << qint64(98) << false;
    QTest::newRow("7E999 for 7") << value << it << "7E999" << qint64(7) << false;
    // "1.234" reads as 1.234 by value; the grouping rule has it as 1234.
    QTest::newRow("1.234 for 1234") << value << it << "1.234" << qint64(1234) << false;
    QTest::newRow("1234") << value << it << "1234" << qint64(1234) << true;

    // The grouping rule: in threes with the locale's separator, or with blanks.
    const auto grouping = AnswerRule::Grouping;
    const QString en = QStringLiteral(",");
    const QString fr = QLocale(QLocale::French).groupSeparator();
    const QString nnbsp = kNarrowNoBreakSpace;
    const QString nbsp = kNoBreakSpace;
    QTest::newRow("it 1.234") << grouping << it << "1.234" << qint64(1234) << true;
    QTest::newRow("it 1 234") << grouping << it << "1 234" << qint64(1234) << true;
    QTest::newRow("it 1234") << grouping << it << "1234" << qint64(1234) << false;
    QTest::newRow("it 1,234") << grouping << it << "1,234" << qint64(1234) << false;
    QTest::newRow("it 45") << grouping << it << "45" << qint64(45) << true;
    QTest::newRow("it 120.005") << grouping << it << "120.005" << qint64(120005) << true;
    QTest::newRow("it 123.45") << grouping << it << "123.45" << qint64(12345) << false;
    QTest::newRow("it blanks around") << grouping << it << "  1.234 " << qint64(1234) << true;
    QTest::newRow("it two blanks inside") << grouping << it << "1  234" << qint64(1234) << false;
    QTest::newRow("it tab before") << grouping << it << "\t1.234" << qint64(1234) << false;
    QTest::newRow("it no-break space") << grouping << it << QString("1") + nbsp + "234" << qint64(1234) << false;
    QTest::newRow("it 0") << grouping << it << "0" << qint64(0) << true;
    QTest::newRow("it empty") << grouping << it << "" << qint64(0) << false;

    QTest::newRow("en 1,234") << grouping << en << "1,234" << qint64(1234) << true;
    QTest::newRow("en 1.234") << grouping << en << "1.234" << qint64(1234) << false;

    QTest::newRow("fr locale separator") << grouping << fr << QString("1") + fr + "234" << qint64(1234) << true;
    QTest::newRow("fr narrow no-break space") << grouping << fr << QString("1") + nnbsp + "234" << qint64(1234) << true;
    QTest::newRow("fr no-break space") << grouping << fr << QString("1") + nbsp + "234" << qint64(1234) << true;
    QTest::newRow("fr typed blank") << grouping << fr << "1 234" << qint64(1234) << true;
    QTest::newRow("fr space at the ends") << grouping << fr << nbsp + "1 234" + nnbsp << qint64(1234) << true;
    QTest::newRow("fr 12 34") << grouping << fr << "12 34" << qint64(1234) << false;

    // Swiss settings group with the typographic apostrophe; the keyboard's
    // plain one stands for it.
    const QString ch = QLocale(QStringLiteral("de_CH")).groupSeparator();
    QTest::newRow("ch locale separator") << grouping << ch << QString("1") + ch + "234" << qint64(1234) << true;
    QTest::newRow("ch plain apostrophe") << grouping << ch << "12'345" << qint64(12345) << true;
    QTest::newRow("ch 1 234") << grouping << ch << "1 234" << qint64(1234) << true;
    QTest::newRow("plain apostrophe elsewhere") << grouping << en << "1'234" << qint64(1234) << false;
}

void TestAnswerRules::rules()
{
    QFETCH(AnswerRule, rule);
    QFETCH(QString, separator);
    QFETCH(QString, answer);
    QFETCH(qint64, number);
    QFETCH(bool, right);
    QCOMPARE(rule == AnswerRule::Value ? matchesValue(answer, number) : matchesGrouping(answer, number, separator), right);
    QCOMPARE(isRightAnswer(rule, answer, number, separator), right);
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

    for (char digit = '0'; digit <= '9'; ++digit) {
        QTest::addRow("it %c", digit) << it << QChar(digit) << true;
    }
    QTest::newRow("it point") << it << QChar(u'.') << true;
    QTest::newRow("it comma") << it << QChar(u',') << true;
    QTest::newRow("it blank") << it << QChar(u' ') << false;
    QTest::newRow("it letter") << it << QChar(u'a') << false;
    QTest::newRow("it minus") << it << QChar(u'-') << false;
    QTest::newRow("it no-break space") << it << QChar(0x00A0) << false;
    QTest::newRow("it Arabic-Indic 7") << it << QChar(0x0667) << false;
    QTest::newRow("it full-width 7") << it << QChar(0xFF17) << false;
    QTest::newRow("apostrophe separator") << QStringLiteral("'") << QChar(u'\'') << true;

    QTest::newRow("fr blank") << fr << QChar(u' ') << true;
    QTest::newRow("fr own separator") << fr << fr.at(0) << true;
    const QString ch = QLocale(QStringLiteral("de_CH")).groupSeparator();
    QTest::newRow("ch own separator") << ch << ch.at(0) << true;
    QTest::newRow("ch plain apostrophe") << ch << QChar(u'\'') << true;
    QTest::newRow("ch blank") << ch << QChar(u' ') << false;
    QTest::newRow("it plain apostrophe") << it << QChar(u'\'') << false;
    // Copy, paste, cut, undo and every other control code but Backspace.
    for (int code = 0; code <= 127; code = code == 31 ? 127 : code + 1) {
        QTest::addRow("it control %d", code) << it << QChar(code) << (code == 8);
        QTest::addRow("fr control %d", code) << fr << QChar(code) << (code == 8);
    }
}

void TestAnswerRules::keyFilter()
{
    QFETCH(QString, separator);
    QFETCH(QChar, typed);
    QFETCH(bool, admitted);
    QCOMPARE(admitsDigitsKey(typed, separator), admitted);
}

QTEST_APPLESS_MAIN(TestAnswerRules)
#include "test_answerrules.moc"
