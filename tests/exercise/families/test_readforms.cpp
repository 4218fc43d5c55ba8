// The read-the-beads windows driven as a pupil drives them: the answer typed
// with real key events, Enter, "avanti" and the maximum chooser. The icon of
// the last check, and the answer box and "avanti" taking turns, are the
// random pupil's invariants.
#include "PupilHands.h"
#include "ScriptedItem.h"
#include "TestSupport.h"

#include "app/Main.h"
#include "base/SharedState.h"
#include "exercise/families/ReadBeadsForm.h"
#include "ui/WidgetControls.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QLocale>
#include <QTest>

using namespace ortix;
using namespace ortix::test;

namespace {

const QString kNarrowNoBreakSpace = QString(QChar(0x202F));

// Opens a read window whose first item is `number`.
ReadBeadsForm *openReading(const QString &window, int number)
{
    return qobject_cast<ReadBeadsForm *>(openWithItem(installScriptedRnd(), window, number));
}

QLineEdit *box(const ReadBeadsForm *form)
{
    return form->answerBox()->lineEdit();
}

// The checks scored, "right/wrong".
QString score()
{
    return QStringLiteral("%1/%2").arg(shared().ConteggioEsatti).arg(shared().ConteggioErrati);
}

} // namespace

class TestReadForms : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { registerAllForms(); }
    // Some tests set the user's locale.
    void cleanup() { QLocale::setDefault(QLocale::system()); }
    void digitsAnswers_data();
    void digitsAnswers();
    void wordsCheck_data();
    void wordsCheck();
    void answeringAndAnswered_data();
    void answeringAndAnswered();
};

void TestReadForms::digitsAnswers_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("pasted");
    // What the box shows of the keys, and the verdict.
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("right");
    const QString it = QStringLiteral("it_IT");
    const QString nnbsp = kNarrowNoBreakSpace;
    // Value rule: the number read from the start of the text.
    QTest::newRow("7,9") << it << "Form99b" << 7 << "7,9" << false << "7,9" << true;
    QTest::newRow("it digits, point, comma") << it << "Form99b" << 1 << "a1 b.2,3-x" << false << "1.2,3" << false;
    QTest::newRow("Form999b lets all in") << it << "Form999b" << 7 << QString::fromUtf8("7a ü") << false
                                          << QString::fromUtf8("7a ü") << true;
    QTest::newRow("abc for 0") << it << "Form999b" << 0 << "abc" << false << "abc" << true;
    // Grouping rule: grouped in threes by the user's locale, or by blanks;
    // the key filter lets a blank in only where the locale groups with one.
    QTest::newRow("it 1.234") << it << "F9999b" << 1234 << "1.234" << false << "1.234" << true;
    QTest::newRow("it 1 234 pasted") << it << "F9999b" << 1234 << "1 234" << true << "1 234" << true;
    QTest::newRow("it 1 234 typed") << it << "F9999b" << 1234 << "1 234" << false << "1234" << false;
    QTest::newRow("it narrow no-break space") << it << "F9999b" << 12 << "1" + nnbsp + "2" << false << "12" << true;
    QTest::newRow("it Periodo2 1.234") << it << "Periodo2" << 1234 << "1.234" << false << "1.234" << true;
    QTest::newRow("en 1,234") << "en_US" << "F9999b" << 1234 << "1,234" << false << "1,234" << true;
    QTest::newRow("fr 1 234 typed") << "fr_FR" << "F9999b" << 1234 << "1 234" << false << "1 234" << true;
    QTest::newRow("fr own separator") << "fr_FR" << "Periodo2" << 12345 << "12" + nnbsp + "345" << false
                                      << "12" + nnbsp + "345" << true;
    QTest::newRow("de_CH 1'234") << "de_CH" << "F9999b" << 1234 << "1'234" << false << "1'234" << true;
    // Words: letters become capitals as they are typed.
    QTest::newRow("words: letters as capitals") << it << "Form99b1" << 21 << QString::fromUtf8("Ventunoüßàçë' 3É")
                                                << false << QString::fromUtf8("VENTUNOÜßÀÇË' 3É") << false;
}

void TestReadForms::digitsAnswers()
{
    QFETCH(QString, locale);
    QFETCH(QString, window);
    QFETCH(int, number);
    QFETCH(QString, keys);
    QFETCH(bool, pasted);
    QFETCH(QString, shown);
    QFETCH(bool, right);
    TestRun run;
    QLocale::setDefault(QLocale(locale));
    ReadBeadsForm *form = openReading(window, number);
    QLineEdit *answer = box(form);
    QCOMPARE(beadsNumber(*form), number);
    if (pasted) {
        // The box's context menu pastes without the key filter.
        QGuiApplication::clipboard()->setText(keys);
        answer->paste();
    } else {
        typeText(answer, keys);
    }
    QCOMPARE(answer->text(), shown);
    if (form->readRow().filter == KeyFilter::Digits) {
        // Control characters such as the paste shortcut are dropped too.
        QGuiApplication::clipboard()->setText(QStringLiteral("9"));
        QTest::sendKeyEvent(QTest::Click, answer, Qt::Key_V, QString(QChar(0x16)), Qt::ControlModifier);
        QCOMPARE(answer->text(), shown);
    }
    pressBackspace(answer);
    QCOMPARE(answer->text(), shown.chopped(1));
    typeText(answer, shown.right(1));
    pressEnter(answer);
    QCOMPARE(score(), right ? QStringLiteral("1/0") : QStringLiteral("0/1"));
}

void TestReadForms::wordsCheck_data()
{
    QTest::addColumn<QString>("lingua");
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("right");
    QTest::newRow("it 21") << "1" << "Form99b1" << 21 << "ventuno" << true;
    QTest::newRow("it venti uno") << "1" << "Form99b1" << 21 << "venti uno" << false;
    QTest::newRow("it blanks around") << "1" << "Form99b1" << 21 << " ventuno " << true;
    QTest::newRow("it blanks only") << "1" << "Form5" << 7 << "   " << false;
    // Letters with umlauts become capitals as they are typed too.
    QTest::newRow("de fünf") << "4" << "Form5" << 5 << QString::fromUtf8("fünf") << true;
    QTest::newRow("de zwölf") << "4" << "Form99b1" << 12 << QString::fromUtf8("zwölf") << true;
    QTest::newRow("de dreißig") << "4" << "Form99b1" << 30 << QString::fromUtf8("dreißig") << true;
    // Spanish 100 is "CIENTO " in the word tables: the end blank is not expected.
    QTest::newRow("es 100") << "5" << "Form999b1" << 100 << "ciento" << true;
    QTest::newRow("es 101") << "5" << "Form999b1" << 101 << "ciento uno" << true;
    QTest::newRow("es cientouno") << "5" << "Form999b1" << 101 << "cientouno" << false;
    // Longer than the designed boxes (20, 35 and 70 characters).
    QTest::newRow("sq 66") << "6" << "Form99b1" << 66 << "gjashtedhjete e gjashte" << true;
    QTest::newRow("sq 666") << "6" << "Form999b1" << 666 << "gjashtenjeqindgjashtedhjete e gjashte" << true;
    QTest::newRow("sq 666666") << "6" << "Periodo3" << 666666
                               << "gjashtenjeqindgjashtedhjete e gjashtemijegjashtenjeqindgjashtedhjete e gjashte" << true;
}

void TestReadForms::wordsCheck()
{
    QFETCH(QString, lingua);
    QFETCH(QString, window);
    QFETCH(int, number);
    QFETCH(QString, keys);
    QFETCH(bool, right);
    TestRun run;
    shared().LinguaNumeri = lingua;
    ReadBeadsForm *form = openReading(window, number);
    QLineEdit *answer = box(form);
    // Before anything is typed the box has its designed size, which tells
    // nothing of the answer's length.
    QCOMPARE(answer->font().pointSizeF(), form->readRow().points);
    typeText(answer, keys);
    QCOMPARE(answer->text().size(), keys.size());
    pressEnter(answer);
    QCOMPARE(score(), right ? QStringLiteral("1/0") : QStringLiteral("0/1"));
    if (right) {
        // The whole answer shows in the box.
        QVERIFY(answer->font().pointSizeF() >= 8);
        QVERIFY(QFontMetrics(answer->font()).horizontalAdvance(answer->text()) <= answer->contentsRect().width());
    }
}

void TestReadForms::answeringAndAnswered_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("wrong");
    // Checked as soon as Enter is pressed, or only when it is released.
    QTest::addColumn<bool>("onPress");
    QTest::newRow("Form99b") << "Form99b" << "24" << false;
    QTest::newRow("Form999b") << "Form999b" << "24" << true;
    QTest::newRow("Form99b1") << "Form99b1" << "QUARANTA" << false;
}

void TestReadForms::answeringAndAnswered()
{
    QFETCH(QString, window);
    QFETCH(QString, wrong);
    QFETCH(bool, onPress);
    TestRun run;
    ScriptedRnd &rnd = installScriptedRnd();
    auto *form = qobject_cast<ReadBeadsForm *>(openWithItem(rnd, window, 42));
    QLineEdit *answer = box(form);
    QWidget *avanti = form->control(QStringLiteral("BottoneAvanti"))->widget();

    // Enter on an empty box: nothing at all.
    pressEnter(answer);
    QCOMPARE(score(), QStringLiteral("0/0"));
    QVERIFY(run.fakes.sounds->played.isEmpty());

    // Wrong: counted, the text stays for the pupil to correct.
    typeText(answer, wrong);
    QTest::sendKeyEvent(QTest::Press, answer, Qt::Key_Return, QStringLiteral("\r"), Qt::NoModifier);
    QCOMPARE(score(), onPress ? QStringLiteral("0/1") : QStringLiteral("0/0"));
    QTest::sendKeyEvent(QTest::Release, answer, Qt::Key_Return, QStringLiteral("\r"), Qt::NoModifier);
    QCOMPARE(score(), QStringLiteral("0/1"));
    QCOMPARE(answer->text(), wrong);
    QCOMPARE(form->focusWidget(), answer);
    QVERIFY(!avanti->isEnabled());

    answerRight(form);
    QCOMPARE(score(), QStringLiteral("1/1"));
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
    QCOMPARE(score(), QStringLiteral("1/1"));
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

QTEST_MAIN(TestReadForms)
#include "test_readforms.moc"
