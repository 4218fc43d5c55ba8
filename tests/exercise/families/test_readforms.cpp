// The read-the-beads windows driven as a pupil drives them: the answer typed
// with real key events, Enter, "avanti" and the maximum chooser. The icon of
// the last check, and the answer box and "avanti" taking turns, are the
// random pupil's invariants.
#include "PupilHands.h"
#include "ScriptedItem.h"

#include "app/Main.h"
#include "base/SharedState.h"
#include "exercise/families/AnswerRules.h"
#include "exercise/families/ReadBeadsForm.h"
#include "ui/WidgetControls.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QLocale>
#include <QTest>

#include <limits>

using namespace ortix;
using namespace ortix::test;

namespace {

const QString kNarrowNoBreakSpace = QString(QChar(0x202F));
const QString kNoBreakSpace = QString(QChar(0x00A0));

// An answer typed in a window: the user's locale, the number words'
// language, the window, its item, the keys (or the text pasted), what the
// box shows of them (empty: as many characters as typed), and the verdict.
using Typed = std::tuple<QString, QString, QString, int, QString, bool, QString, bool>;

// A read window, a wrong answer to 42, and whether an answer is checked as
// soon as Enter is pressed (or only when it is released).
using Answering = std::tuple<QString, QString, bool>;

} // namespace

class TestReadForms : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { registerAllForms(); }
    // Some tests set the user's locale.
    void cleanup() { QLocale::setDefault(QLocale::system()); }
    void typedAnswers_data();
    void typedAnswers();
    void answeringAndAnswered_data();
    void answeringAndAnswered();
    // The answer rules themselves, without a window.
    void numericValue();
    void rules();
    void groupedInThrees();
    void keyFilter();
};

void TestReadForms::typedAnswers_data()
{
    QTest::addColumn<Typed>("row");
    const QString it = QStringLiteral("it_IT");
    const QString nnbsp = kNarrowNoBreakSpace;
    // Value rule: the number read from the start of the text.
    QTest::newRow("7,9") << Typed{it, "1", "Form99b", 7, "7,9", false, "7,9", true};
    QTest::newRow("it digits point comma") << Typed{it, "1", "Form99b", 1, "a1 b.2,3-x", false, "1.2,3", false};
    QTest::newRow("Form999b lets all in")
        << Typed{it, "1", "Form999b", 7, QString::fromUtf8("7a ü"), false, QString::fromUtf8("7a ü"), true};
    QTest::newRow("abc for 0") << Typed{it, "1", "Form999b", 0, "abc", false, "abc", true};
    // Grouping rule: grouped in threes by the user's locale, or by blanks;
    // the key filter lets a blank in only where the locale groups with one.
    QTest::newRow("it 1.234") << Typed{it, "1", "F9999b", 1234, "1.234", false, "1.234", true};
    QTest::newRow("it 1 234 pasted") << Typed{it, "1", "F9999b", 1234, "1 234", true, "1 234", true};
    QTest::newRow("it 1 234 typed") << Typed{it, "1", "F9999b", 1234, "1 234", false, "1234", false};
    QTest::newRow("it narrow nbsp") << Typed{it, "1", "F9999b", 12, "1" + nnbsp + "2", false, "12", true};
    QTest::newRow("it Periodo2 1.234") << Typed{it, "1", "Periodo2", 1234, "1.234", false, "1.234", true};
    QTest::newRow("en 1,234") << Typed{"en_US", "1", "F9999b", 1234, "1,234", false, "1,234", true};
    QTest::newRow("fr 1 234 typed") << Typed{"fr_FR", "1", "F9999b", 1234, "1 234", false, "1 234", true};
    QTest::newRow("fr own separator")
        << Typed{"fr_FR", "1", "Periodo2", 12345, "12" + nnbsp + "345", false, "12" + nnbsp + "345", true};
    QTest::newRow("de_CH 1'234") << Typed{"de_CH", "1", "F9999b", 1234, "1'234", false, "1'234", true};
    // Words: letters become capitals as they are typed.
    QTest::newRow("words: letters as capitals")
        << Typed{it, "1", "Form99b1", 21, QString::fromUtf8("Ventunoüßàçë' 3É"), false,
                 QString::fromUtf8("VENTUNOÜßÀÇË' 3É"), false};
    // Words: the whole answer, however long, in capitals; what is right.
    QTest::newRow("it 21") << Typed{it, "1", "Form99b1", 21, "ventuno", false, "", true};
    QTest::newRow("it venti uno") << Typed{it, "1", "Form99b1", 21, "venti uno", false, "", false};
    QTest::newRow("it blanks around") << Typed{it, "1", "Form99b1", 21, " ventuno ", false, "", true};
    QTest::newRow("it blanks only") << Typed{it, "1", "Form5", 7, "   ", false, "", false};
    // Letters with umlauts become capitals as they are typed too.
    QTest::newRow("de fünf") << Typed{it, "4", "Form5", 5, QString::fromUtf8("fünf"), false, "", true};
    QTest::newRow("de zwölf") << Typed{it, "4", "Form99b1", 12, QString::fromUtf8("zwölf"), false, "", true};
    QTest::newRow("de dreißig") << Typed{it, "4", "Form99b1", 30, QString::fromUtf8("dreißig"), false, "", true};
    // Spanish 100 is "CIENTO " in the word tables: the end blank is not expected.
    QTest::newRow("es 100") << Typed{it, "5", "Form999b1", 100, "ciento", false, "", true};
    QTest::newRow("es 101") << Typed{it, "5", "Form999b1", 101, "ciento uno", false, "", true};
    QTest::newRow("es cientouno") << Typed{it, "5", "Form999b1", 101, "cientouno", false, "", false};
    // Longer than the designed boxes (20, 35 and 70 characters).
    const QString sq66 = QStringLiteral("gjashtedhjete e gjashte");
    const QString sq666 = "gjashtenjeqind" + sq66;
    QTest::newRow("sq 66") << Typed{it, "6", "Form99b1", 66, sq66, false, "", true};
    QTest::newRow("sq 666") << Typed{it, "6", "Form999b1", 666, sq666, false, "", true};
    QTest::newRow("sq 666666") << Typed{it, "6", "Periodo3", 666666, sq666 + "mije" + sq666, false, "", true};
}

void TestReadForms::typedAnswers()
{
    QFETCH(Typed, row);
    const auto &[locale, lingua, window, number, keys, pasted, shown, right] = row;
    TestRun run;
    QLocale::setDefault(QLocale(locale));
    shared().LinguaNumeri = lingua;
    auto *form = qobject_cast<ReadBeadsForm *>(openWithItem(installScriptedRnd(), window, number));
    QLineEdit *answer = form->answerBox()->lineEdit();
    QCOMPARE(beadsNumber(*form), number);
    // Before anything is typed the box has its designed size, which tells
    // nothing of the answer's length.
    QCOMPARE(answer->font().pointSizeF(), form->readRow().points);
    if (pasted) {
        // The box's context menu pastes without the key filter.
        QGuiApplication::clipboard()->setText(keys);
        answer->paste();
    } else {
        typeText(answer, keys);
    }
    const QString typed = answer->text();
    if (shown.isEmpty()) {
        QCOMPARE(typed.size(), keys.size());
    } else {
        QCOMPARE(typed, shown);
    }
    if (form->readRow().filter == KeyFilter::Digits) {
        // Control characters such as the paste shortcut are dropped too.
        QGuiApplication::clipboard()->setText(QStringLiteral("9"));
        QTest::sendKeyEvent(QTest::Click, answer, Qt::Key_V, QString(QChar(0x16)), Qt::ControlModifier);
        QCOMPARE(answer->text(), typed);
    }
    pressBackspace(answer);
    QCOMPARE(answer->text(), typed.chopped(1));
    typeText(answer, typed.right(1));
    pressEnter(answer);
    QCOMPARE(scored(), right ? QStringLiteral("1/0") : QStringLiteral("0/1"));
    if (right) {
        // The whole answer shows in the box.
        QVERIFY(answer->font().pointSizeF() >= 8);
        QVERIFY(QFontMetrics(answer->font()).horizontalAdvance(answer->text()) <= answer->contentsRect().width());
    }
}

void TestReadForms::answeringAndAnswered_data()
{
    QTest::addColumn<Answering>("row");
    QTest::newRow("Form99b") << Answering{"Form99b", "24", false};
    QTest::newRow("Form999b") << Answering{"Form999b", "24", true};
    QTest::newRow("Form99b1") << Answering{"Form99b1", "QUARANTA", false};
}

void TestReadForms::answeringAndAnswered()
{
    QFETCH(Answering, row);
    const auto &[window, wrong, onPress] = row;
    TestRun run;
    ScriptedRnd &rnd = installScriptedRnd();
    auto *form = qobject_cast<ReadBeadsForm *>(openWithItem(rnd, window, 42));
    QLineEdit *answer = form->answerBox()->lineEdit();
    QWidget *avanti = form->control(QStringLiteral("BottoneAvanti"))->widget();

    // A maximum chosen while answering starts a new item; the windows that
    // say so put the focus in the answer box for it.
    scriptItem(rnd, window, 42, maximumOption(*form->row().maximum, 1));
    chooseMaximum(form, 1);
    QCOMPARE(beadsNumber(*form), 42);
    if (form->readRow().focusOnNewItem) {
        QCOMPARE(form->focusWidget(), answer);
    }

    // Enter on an empty box: nothing at all.
    pressEnter(answer);
    QCOMPARE(scored(), QStringLiteral("0/0"));
    QVERIFY(run.fakes.sounds->played.isEmpty());

    // Wrong: counted, the text stays for the pupil to correct.
    typeText(answer, wrong);
    QTest::sendKeyEvent(QTest::Press, answer, Qt::Key_Return, QStringLiteral("\r"), Qt::NoModifier);
    QCOMPARE(scored(), onPress ? QStringLiteral("0/1") : QStringLiteral("0/0"));
    QTest::sendKeyEvent(QTest::Release, answer, Qt::Key_Return, QStringLiteral("\r"), Qt::NoModifier);
    QCOMPARE(scored(), QStringLiteral("0/1"));
    QCOMPARE(answer->text(), wrong);
    QCOMPARE(form->focusWidget(), answer);
    QVERIFY(!avanti->isEnabled());

    answerRight(form);
    QCOMPARE(scored(), QStringLiteral("1/1"));
    QVERIFY(avanti->isEnabled());
    QCOMPARE(answer->text(), rightAnswer(*form));
    // The box is disabled and the focus is not on "avanti": Enter, again or
    // held, does nothing more.
    QWidget *focused = form->focusWidget() ? form->focusWidget() : form;
    QVERIFY(focused != avanti);
    pressEnter(answer);
    for (int held = 0; held < 3; ++held) {
        QTest::sendKeyEvent(QTest::Press, focused, Qt::Key_Return, QStringLiteral("\r"), Qt::NoModifier);
    }
    QTest::sendKeyEvent(QTest::Release, focused, Qt::Key_Return, QStringLiteral("\r"), Qt::NoModifier);
    QCOMPARE(scored(), QStringLiteral("1/1"));
    QCOMPARE(shared().NumeroACaso, 42);
    QVERIFY(avanti->isEnabled());

    // A maximum chosen now shows a new number but stays Answered.
    const int maximum = maximumOption(*form->row().maximum, 0);
    scriptItem(rnd, window, 15, maximum);
    chooseMaximum(form, 0);
    QCOMPARE(shared().NumeroMassimo, maximum);
    QCOMPARE(beadsNumber(*form), 15);
    QVERIFY(avanti->isEnabled() && answer->text().isEmpty());

    scriptItem(rnd, window, 7, maximum);
    leftClick(form->control(QStringLiteral("BottoneAvanti")));
    QCOMPARE(beadsNumber(*form), 7);
    QVERIFY(answer->isEnabled() && answer->text().isEmpty());
    QCOMPARE(form->focusWidget(), answer);
}

// How an answer's value is read: signs and blanks (a tab or a line feed is
// skipped, a carriage return or a no-break space ends the number); fractions
// and exponents E, e and D, blanks inside too; &H and &O numbers; other
// scripts' digits (none); values beyond what a double holds.
void TestReadForms::numericValue()
{
    const double inf = std::numeric_limits<double>::infinity();
    const std::pair<const char16_t *, double> rows[] = {
        {u"", 0},          {u"+7", 7},         {u"-", 0},         {u"+-7", 0},        {u"1 2 3", 123},
        {u"- 4", -4},      {u"\t1\n2\t", 12},  {u"1\r2", 1},      {u"1\u00A0234", 1}, {u"7.25", 7.25},
        {u".", 0},         {u"7.", 7},         {u"1.2.3", 1.2},   {u"7E2", 700},      {u"0.7e1", 7},
        {u"70D-1", 7},     {u"7 E 1", 70},     {u"7E", 7},        {u"7.E1", 70},      {u"1.234", 1.234},
        {u"&H1F", 31},     {u"&h1f", 31},      {u"&HFFG1", 255},  {u"&O17", 15},      {u"&O178", 15},
        {u"&H", 0},        {u"&", 0},          {u" & H 1 F", 31}, {u"-&H1F", 0},      {u"\u0667", 0},
        {u"\uFF17", 0},    {u"1E999", inf},    {u"-1E999", -inf}, {u"1E-999", 0},     {u"0E999", 0},
        {u"0.0001E-400", 0}, {u"0.01E99999999999999999999", inf}};
    for (const auto &[row, expected] : rows) {
        const QString text = QString::fromUtf16(row);
        QCOMPARE(std::pair(text, readNumericValue(text)), std::pair(text, expected));
    }
}

void TestReadForms::rules()
{
    struct Answer
    {
        QString text;
        qint64 number;
        bool right;
    };
    const auto check = [](AnswerRule rule, const QString &separator, std::initializer_list<Answer> answers) {
        for (const Answer &a : answers) {
            const bool matches = rule == AnswerRule::Value ? matchesValue(a.text, a.number)
                                                           : matchesGrouping(a.text, a.number, separator);
            const bool right = isRightAnswer(rule, a.text, a.number, separator);
            QCOMPARE(std::tuple(separator, a.text, matches, right), std::tuple(separator, a.text, a.right, a.right));
        }
    };
    // The value rule: how the value read is compared (how it is read is
    // numericValue's). "1.234" reads as 1.234 by value; the grouping rule has
    // it as 1234.
    const QString it = QStringLiteral(".");
    check(AnswerRule::Value, it,
          {{"7.0", 7, true}, {"7.5", 7, false}, {"abc", 7, false}, {"-7", 7, false}, {"9 8", 98, true},
           {"9.8", 98, false}, {"7E999", 7, false}, {"1.234", 1234, false}, {"1234", 1234, true}});
    // The grouping rule: in threes with the locale's separator, or with
    // blanks; only blanks at the ends, and never a tab or a no-break space
    // where the locale does not group with one.
    check(AnswerRule::Grouping, it,
          {{"1234", 1234, false}, {"1,234", 1234, false}, {"45", 45, true}, {"120.005", 120005, true},
           {"123.45", 12345, false}, {"  1.234 ", 1234, true}, {"1  234", 1234, false}, {"\t1.234", 1234, false},
           {"1" + kNoBreakSpace + "234", 1234, false}, {"0", 0, true}, {"", 0, false}});
    check(AnswerRule::Grouping, QStringLiteral(","), {{"1.234", 1234, false}, {"1'234", 1234, false}});
    // French groups with a no-break space: any no-break space stands for it.
    const QString fr = QLocale(QLocale::French).groupSeparator();
    const QString nnbsp = kNarrowNoBreakSpace;
    const QString nbsp = kNoBreakSpace;
    check(AnswerRule::Grouping, fr, {{"1" + fr + "234", 1234, true}, {"1" + nnbsp + "234", 1234, true},
                                     {"1" + nbsp + "234", 1234, true}, {nbsp + "1 234" + nnbsp, 1234, true},
                                     {"12 34", 1234, false}});
    // Swiss settings group with the typographic apostrophe; the keyboard's
    // plain one stands for it (typedAnswers), as does a blank.
    const QString ch = QLocale(QStringLiteral("de_CH")).groupSeparator();
    check(AnswerRule::Grouping, ch, {{"1" + ch + "234", 1234, true}, {"1 234", 1234, true}});
}

// In threes with any separator, for signed numbers down to the lowest.
void TestReadForms::groupedInThrees()
{
    QCOMPARE(ortix::groupedInThrees(0, QStringLiteral(".")), QStringLiteral("0"));
    QCOMPARE(ortix::groupedInThrees(1000, QStringLiteral(".")), QStringLiteral("1.000"));
    QCOMPARE(ortix::groupedInThrees(1000000, QStringLiteral(" ")), QStringLiteral("1 000 000"));
    QCOMPARE(ortix::groupedInThrees(-1234, QStringLiteral(".")), QStringLiteral("-1.234"));
    QCOMPARE(ortix::groupedInThrees(1234567, QStringLiteral("''")), QStringLiteral("1''234''567"));
    QCOMPARE(ortix::groupedInThrees(std::numeric_limits<qint64>::min(), QStringLiteral(".")),
             QStringLiteral("-9.223.372.036.854.775.808"));
}

void TestReadForms::keyFilter()
{
    const auto check = [](const QString &separator, bool admitted, const QString &keys) {
        for (QChar typed : keys) {
            QCOMPARE(std::pair(typed, admitsDigitsKey(typed, separator)), std::pair(typed, admitted));
        }
    };
    // Digits, the point and the comma pass; blanks, letters, signs, other
    // spaces and other scripts' digits do not, unless the locale groups with
    // them. Swiss settings group with the typographic apostrophe; the
    // keyboard's plain one stands for it.
    const QString it = QStringLiteral(".");
    const QString fr = QLocale(QLocale::French).groupSeparator();
    const QString ch = QLocale(QStringLiteral("de_CH")).groupSeparator();
    check(it, true, QStringLiteral("0123456789.,"));
    check(it, false, QStringLiteral(" a-'\u00A0\u0667\uFF17"));
    check(QStringLiteral("'"), true, QStringLiteral("'"));
    check(fr, true, " " + fr);
    check(ch, true, ch + "'");
    check(ch, false, QStringLiteral(" "));
    // Copy, paste, cut, undo and every other control code but Backspace.
    for (int code = 0; code <= 127; code = code == 31 ? 127 : code + 1) {
        check(it, code == 8, QString(QChar(code)));
        check(fr, code == 8, QString(QChar(code)));
    }
}

QTEST_MAIN(TestReadForms)
#include "test_readforms.moc"
