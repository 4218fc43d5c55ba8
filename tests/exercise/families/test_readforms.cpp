// The read-the-beads windows driven as a pupil drives them: the answer typed
// with real key events, Enter, "avanti" and the maximum chooser.
#include "ReadPupil.h"
#include "TestSupport.h"

#include "app/Main.h"
#include "app/SharedState.h"
#include "ui/MenuControl.h"

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

void typeEach(const Reader &r, const QString &keys)
{
    for (QChar ch : keys) {
        r.typeChar(QString(ch));
    }
}

void chooseMaximum(const Reader &r, int option)
{
    qobject_cast<ui::MenuControl *>(r.c(QStringLiteral("mnuMassimo")))->trigger();
    QWidget *w = r.c(QStringLiteral("OpzioneNumeroMassimo"), option)->widget();
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(8, w->height() / 2));
}

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
    void drawsWithMaximum_data();
    void drawsWithMaximum();
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
    QTest::newRow("Form6 9 for 7") << it << "Form6" << 7 << "9" << false << false;
    QTest::newRow("7,9") << it << "Form99b" << 7 << "7,9" << false << true;
    QTest::newRow("70 for 7") << it << "Form99b" << 7 << "70" << false << false;
    QTest::newRow("abc for 0") << it << "Form999b" << 0 << "abc" << false << true;
    QTest::newRow("30.5 for 305") << it << "Form999b" << 305 << "30.5" << false << false;
    // Grouping rule: grouped in threes by the user's locale, or by blanks;
    // the key filter lets a blank in only where the locale groups with one.
    QTest::newRow("it 1.234") << it << "F9999b" << 1234 << "1.234" << false << true;
    QTest::newRow("it 1 234 pasted") << it << "F9999b" << 1234 << "1 234" << true << true;
    QTest::newRow("it 1 234 typed") << it << "F9999b" << 1234 << "1 234" << false << false;
    QTest::newRow("it 1234") << it << "F9999b" << 1234 << "1234" << false << false;
    QTest::newRow("it 45") << it << "F9999b" << 45 << "45" << false << true;
    QTest::newRow("it Periodo2 1.234") << it << "Periodo2" << 1234 << "1.234" << false << true;
    QTest::newRow("en 1,234") << "en_US" << "F9999b" << 1234 << "1,234" << false << true;
    QTest::newRow("en 1.234") << "en_US" << "F9999b" << 1234 << "1.234" << false << false;
    QTest::newRow("en Periodo2 1 234 pasted") << "en_US" << "Periodo2" << 1234 << "1 234" << true << true;
    QTest::newRow("fr 1 234 typed") << "fr_FR" << "F9999b" << 1234 << "1 234" << false << true;
    QTest::newRow("fr Periodo2 1.234") << "fr_FR" << "Periodo2" << 1234 << "1.234" << false << false;
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
    QTest::newRow("it accents and signs") << "it_IT" << "Form6" << QString::fromUtf8("ü7ß+") << "7";
    QTest::newRow("it narrow no-break space") << "it_IT" << "F9999b" << "1" + kNarrowNoBreakSpace + "2" << "12";
    QTest::newRow("fr own separator") << "fr_FR" << "Periodo2" << "12" + kNarrowNoBreakSpace + "3" << "12" + kNarrowNoBreakSpace + "3";
    QTest::newRow("de_CH apostrophe") << "de_CH" << "F9999b" << "1'234" << "1'234";
    QTest::newRow("en apostrophe") << "en_US" << "F9999b" << "1'2 3" << "123";
    QTest::newRow("words: a to z as capitals") << "it_IT" << "Form99b1" << QString::fromUtf8("Ventunoüßà' 3É")
                                               << QString::fromUtf8("VENTUNOüßà' 3É");
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
    typeEach(r, keys);
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
    QTest::newRow("en twenty-one") << "2" << "Form99b1" << 21 << "twenty-one" << false;
    // Only "a" to "z" become capitals as they are typed.
    QTest::newRow("de fünf") << "4" << "Form5" << 5 << QString::fromUtf8("fünf") << false;
    QTest::newRow("de FÜNF") << "4" << "Form5" << 5 << QString::fromUtf8("fÜnf") << true;
    QTest::newRow("de dreißig") << "4" << "Form99b1" << 30 << QString::fromUtf8("dreißig") << true;
    QTest::newRow("de 1001") << "4" << "F9999c" << 1001 << "tausendeins" << true;
    // Spanish 100 is "CIENTO " in the word tables: the end blank is not expected.
    QTest::newRow("es 100") << "5" << "Form999b1" << 100 << "ciento" << true;
    QTest::newRow("es 101") << "5" << "Form999b1" << 101 << "ciento uno" << true;
    QTest::newRow("es cientouno") << "5" << "Form999b1" << 101 << "cientouno" << false;
    // Longer than the designed boxes (20, 35 and 70 characters).
    QTest::newRow("sq 66") << "6" << "Form99b1" << 66 << "gjashtedhjete e gjashte" << true;
    QTest::newRow("sq 666") << "6" << "Form999b1" << 666 << "gjashtenjeqindgjashtedhjete e gjashte" << true;
    QTest::newRow("sq 666666") << "6" << "Periodo3" << 666666
                               << "gjashtenjeqindgjashtedhjete e gjashtemijegjashtenjeqindgjashtedhjete e gjashte" << true;
    QTest::newRow("no language: Italian") << "" << "Form5" << 7 << "sette" << true;
    QTest::newRow("unknown language: Italian") << "9" << "Form5" << 7 << "sette" << true;
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
    typeEach(r, keys);
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
    QVERIFY(r.c("ComandoIconaNo")->visible());

    r.answer(right);
    QCOMPARE(r.esatti(), QStringLiteral(" 1"));
    QCOMPARE(r.errati(), QStringLiteral(" 1"));
    QVERIFY(r.c("ComandoIconaSi")->visible() && !r.c("ComandoIconaNo")->visible());
    QVERIFY(!r.box()->isEnabled());
    QCOMPARE(r.text(), right.toUpper());
    QVERIFY(r.avantiEnabled());
    // The box is disabled: Enter does nothing more.
    r.enter();
    QCOMPARE(r.esatti(), QStringLiteral(" 1"));

    // A maximum chosen now shows a new number but stays Answered.
    const int maximum = maximumOption(*r.form->row().maximum, 0);
    test::scriptItem(rnd, window, 15, maximum);
    chooseMaximum(r, 0);
    QCOMPARE(shared().NumeroMassimo, maximum);
    QCOMPARE(r.beads(), 15);
    QVERIFY(!r.box()->isEnabled() && r.text().isEmpty());
    QVERIFY(r.avantiEnabled());

    test::scriptItem(rnd, window, 7, maximum);
    r.avanti();
    QCOMPARE(r.beads(), 7);
    QVERIFY(r.box()->isEnabled() && r.text().isEmpty());
    QVERIFY(!r.avantiEnabled());
    QCOMPARE(r.form->focusWidget(), r.box());
    QVERIFY(r.c("ComandoIconaSi")->visible());
}

void TestReadForms::drawsWithMaximum_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("lowest");
    QTest::addColumn<int>("highest");
    QTest::addColumn<QString>("lowestAnswer");
    // Option 0: M = 19 or 199.
    QTest::newRow("Form99b") << "Form99b" << 0 << 18 << "0";
    QTest::newRow("Form999b") << "Form999b" << 0 << 198 << "0";
    QTest::newRow("Form99b1") << "Form99b1" << 1 << 19 << "uno";
    QTest::newRow("Form999b1") << "Form999b1" << 1 << 199 << "uno";
}

void TestReadForms::drawsWithMaximum()
{
    QFETCH(QString, window);
    QFETCH(int, lowest);
    QFETCH(int, highest);
    QFETCH(QString, lowestAnswer);
    test::TestRun run;
    auto &rnd = test::installScriptedRnd();
    Reader r{qobject_cast<ReadBeadsForm *>(ui::Forms::open(window, nullptr))};
    rnd.script = {0.5f, 0.0f};
    chooseMaximum(r, 0);
    QCOMPARE(shared().NumeroACaso, lowest);
    QCOMPARE(r.beads(), lowest);
    r.answer(lowestAnswer);
    QCOMPARE(r.esatti(), QStringLiteral(" 1"));

    rnd.script = {0.5f, 0.99999f};
    r.avanti();
    QCOMPARE(shared().NumeroACaso, highest);
    QCOMPARE(r.beads(), highest);
}

QTEST_MAIN(TestReadForms)
#include "test_readforms.moc"
