// The read-the-beads windows driven as a pupil drives them: the answer typed
// with real key events, Enter, "avanti" and the maximum chooser. The icon of
// the last check, and the answer box and "avanti" taking turns, are the
// random pupil's invariants.
#include "ReadPupil.h"
#include "TestSupport.h"

#include "app/Main.h"
#include "app/SharedState.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLocale>
#include <QTest>

using namespace ortix;
using test::Reader;

namespace {

// The user's locale for one test, restored after it.
class UserLocale
{
public:
    explicit UserLocale(const QString &name) { QLocale::setDefault(QLocale(name)); }
    ~UserLocale() { QLocale::setDefault(m_saved); }

private:
    QLocale m_saved;
};

const QString kNarrowNoBreakSpace = QString(QChar(0x202F));

} // namespace

class TestReadForms : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { registerAllForms(); }
    void digitsAnswers_data();
    void digitsAnswers();
    void typedKeys_data();
    void typedKeys();
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
    QTest::addColumn<bool>("right");
    const QString it = QStringLiteral("it_IT");
    // Value rule: the number read from the start of the text.
    QTest::newRow("Form6 7") << it << "Form6" << 7 << "7" << false << true;
    QTest::newRow("7,9") << it << "Form99b" << 7 << "7,9" << false << true;
    QTest::newRow("abc for 0") << it << "Form999b" << 0 << "abc" << false << true;
    // Grouping rule: grouped in threes by the user's locale, or by blanks;
    // the key filter lets a blank in only where the locale groups with one.
    QTest::newRow("it 1.234") << it << "F9999b" << 1234 << "1.234" << false << true;
    QTest::newRow("it 1 234 pasted") << it << "F9999b" << 1234 << "1 234" << true << true;
    QTest::newRow("it 1 234 typed") << it << "F9999b" << 1234 << "1 234" << false << false;
    QTest::newRow("it 1234") << it << "F9999b" << 1234 << "1234" << false << false;
    QTest::newRow("it Periodo2 1.234") << it << "Periodo2" << 1234 << "1.234" << false << true;
    QTest::newRow("en 1,234") << "en_US" << "F9999b" << 1234 << "1,234" << false << true;
    QTest::newRow("en Periodo2 1 234 pasted") << "en_US" << "Periodo2" << 1234 << "1 234" << true << true;
    QTest::newRow("fr 1 234 typed") << "fr_FR" << "F9999b" << 1234 << "1 234" << false << true;
    QTest::newRow("de_CH 1'234") << "de_CH" << "F9999b" << 1234 << "1'234" << false << true;
}

void TestReadForms::digitsAnswers()
{
    QFETCH(QString, locale);
    QFETCH(QString, window);
    QFETCH(int, number);
    QFETCH(QString, keys);
    QFETCH(bool, pasted);
    QFETCH(bool, right);
    test::TestRun run;
    UserLocale user(locale);
    Reader r = test::openReading(test::installScriptedRnd(), window, number);
    QCOMPARE(r.beads(), number);
    if (pasted) {
        // The box's context menu pastes without the key filter.
        QGuiApplication::clipboard()->setText(keys);
        r.box()->paste();
    } else {
        r.type(keys);
    }
    r.enter();
    QCOMPARE(r.esatti(), right ? QStringLiteral(" 1") : QStringLiteral("0"));
    QCOMPARE(r.errati(), right ? QStringLiteral("0") : QStringLiteral(" 1"));
}

void TestReadForms::typedKeys_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shown");
    QTest::newRow("it digits, point, comma") << "it_IT" << "Form99b" << "a1 b.2,3-x" << "1.2,3";
    QTest::newRow("it narrow no-break space") << "it_IT" << "F9999b" << "1" + kNarrowNoBreakSpace + "2" << "12";
    QTest::newRow("fr own separator") << "fr_FR" << "Periodo2" << "12" + kNarrowNoBreakSpace + "3" << "12" + kNarrowNoBreakSpace + "3";
    QTest::newRow("de_CH apostrophe") << "de_CH" << "F9999b" << "1'234" << "1'234";
    QTest::newRow("words: letters as capitals") << "it_IT" << "Form99b1" << QString::fromUtf8("Ventunoüßàçë' 3É")
                                                << QString::fromUtf8("VENTUNOÜßÀÇË' 3É");
    QTest::newRow("Form999b lets all in") << "it_IT" << "Form999b" << QString::fromUtf8("7a ü") << QString::fromUtf8("7a ü");
}

void TestReadForms::typedKeys()
{
    QFETCH(QString, locale);
    QFETCH(QString, window);
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    test::TestRun run;
    UserLocale user(locale);
    Reader r{qobject_cast<ReadBeadsForm *>(ui::Forms::open(window, nullptr))};
    r.type(keys);
    QCOMPARE(r.text(), shown);
    if (r.form->readRow().filter == KeyFilter::Digits) {
        // Control characters such as the paste shortcut are dropped too.
        QGuiApplication::clipboard()->setText(QStringLiteral("9"));
        QTest::sendKeyEvent(QTest::Click, r.box(), Qt::Key_V, QString(QChar(0x16)), Qt::ControlModifier);
        QCOMPARE(r.text(), shown);
    }
    r.press(Qt::Key_Backspace, QStringLiteral("\b"));
    QCOMPARE(r.text(), shown.chopped(1));
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
    QTest::newRow("en 21") << "2" << "Form99b1" << 21 << "twentyone" << true;
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
    test::TestRun run;
    shared().LinguaNumeri = lingua;
    Reader r = test::openReading(test::installScriptedRnd(), window, number);
    // Before anything is typed the box has its designed size, which tells
    // nothing of the answer's length.
    QCOMPARE(r.box()->font().pointSizeF(), r.form->readRow().points);
    r.type(keys);
    QCOMPARE(r.text().size(), keys.size());
    r.enter();
    QCOMPARE(r.esatti(), right ? QStringLiteral(" 1") : QStringLiteral("0"));
    QCOMPARE(r.errati(), right ? QStringLiteral("0") : QStringLiteral(" 1"));
    if (right) {
        // The whole answer shows in the box.
        const QFontMetrics metrics(r.box()->font());
        QVERIFY(r.box()->font().pointSizeF() >= 8);
        QVERIFY(metrics.horizontalAdvance(r.text()) <= r.box()->contentsRect().width());
    }
}

void TestReadForms::answeringAndAnswered_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("wrong");
    QTest::addColumn<QString>("right");
    // Checked as soon as Enter is pressed, or only when it is released.
    QTest::addColumn<bool>("onPress");
    QTest::newRow("Form99b") << "Form99b" << 42 << "24" << "42" << false;
    QTest::newRow("Form999b") << "Form999b" << 42 << "24" << "42" << true;
    QTest::newRow("Form99b1") << "Form99b1" << 42 << "quaranta" << "quarantadue" << false;
}

void TestReadForms::answeringAndAnswered()
{
    QFETCH(QString, window);
    QFETCH(int, number);
    QFETCH(QString, wrong);
    QFETCH(QString, right);
    QFETCH(bool, onPress);
    test::TestRun run;
    auto &rnd = test::installScriptedRnd();
    Reader r = test::openReading(rnd, window, number);

    // Enter on an empty box: nothing at all.
    r.enter();
    QCOMPARE(r.errati(), QStringLiteral("0"));
    QVERIFY(run.fakes.sounds->played.isEmpty());

    // Wrong: counted, the text stays for the pupil to correct.
    r.type(wrong);
    r.press(Qt::Key_Return, QStringLiteral("\r"), QTest::Press);
    QCOMPARE(r.errati(), onPress ? QStringLiteral(" 1") : QStringLiteral("0"));
    r.press(Qt::Key_Return, QStringLiteral("\r"), QTest::Release);
    QCOMPARE(r.errati(), QStringLiteral(" 1"));
    QCOMPARE(r.text(), wrong.toUpper());
    QCOMPARE(r.form->focusWidget(), r.box());
    QVERIFY(!r.avantiEnabled());

    r.answer(right);
    QCOMPARE(r.esatti(), QStringLiteral(" 1"));
    QCOMPARE(r.errati(), QStringLiteral(" 1"));
    QVERIFY(r.avantiEnabled());
    QCOMPARE(r.text(), right.toUpper());
    // The box is disabled and the focus is not on "avanti": Enter, again or
    // held, does nothing more.
    const qint32 answered = shared().NumeroACaso;
    QWidget *focused = r.form->focusWidget();
    QVERIFY(focused != r.form->control(QStringLiteral("BottoneAvanti"))->widget());
    r.enter();
    for (int held = 0; held < 3; ++held) {
        QTest::sendKeyEvent(QTest::Press, focused ? focused : r.form, Qt::Key_Return, QStringLiteral("\r"),
                            Qt::NoModifier);
    }
    QTest::sendKeyEvent(QTest::Release, focused ? focused : r.form, Qt::Key_Return, QStringLiteral("\r"),
                        Qt::NoModifier);
    QCOMPARE(r.esatti(), QStringLiteral(" 1"));
    QCOMPARE(shared().NumeroACaso, answered);
    QVERIFY(r.avantiEnabled());

    // A maximum chosen now shows a new number but stays Answered.
    const int maximum = maximumOption(*r.form->row().maximum, 0);
    test::scriptItem(rnd, window, 15, maximum);
    test::chooseMaximum(r.form, 0);
    QCOMPARE(shared().NumeroMassimo, maximum);
    QCOMPARE(r.beads(), 15);
    QVERIFY(r.avantiEnabled() && r.text().isEmpty());

    test::scriptItem(rnd, window, 7, maximum);
    r.avanti();
    QCOMPARE(r.beads(), 7);
    QVERIFY(r.box()->isEnabled() && r.text().isEmpty());
    QCOMPARE(r.form->focusWidget(), r.box());
}

QTEST_MAIN(TestReadForms)
#include "test_readforms.moc"
