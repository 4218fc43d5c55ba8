// The build-the-number windows driven as a pupil drives them: clicks under
// the rods, "Conferma", "Ricomincia", "avanti" and the menus. The icon of
// the last check and the counters matching their labels are the random
// pupil's invariants, checked after its every event.
#include "BuildDriver.h"
#include "TestSupport.h"

#include "app/Main.h"
#include "app/SharedState.h"
#include "exercise/families/BuildForm.h"
#include "ui/Forms.h"

#include <QTest>

using namespace ortix;
using namespace ortix::ui;
using test::Pupil;

class TestBuildForms : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { registerAllForms(); }
    void checkA1_data();
    void checkA1();
    void checkA2_data();
    void checkA2();
    void rodClicks();
    void displayMenu_data();
    void displayMenu();
    void wordsKeepEszett();
    void newItemsInAnsweredState_data();
    void newItemsInAnsweredState();
    void maximumAndDraws_data();
    void maximumAndDraws();
    void sounds();
    void counters();
    void esciAndInformazioni();
};

void TestBuildForms::checkA1_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("target");
    QTest::addColumn<QString>("wrongRod");
    QTest::addColumn<QString>("rightRod");
    QTest::addColumn<int>("digit");
    // 40 on the tens rod is right, 4 beads on the units rod wrong.
    QTest::newRow("Form4") << "Form4" << 7 << "u" << "u" << 7;
    QTest::newRow("Form99a 40") << "Form99a" << 40 << "u" << "da" << 4;
}

void TestBuildForms::checkA1()
{
    QFETCH(QString, window);
    QFETCH(int, target);
    QFETCH(QString, wrongRod);
    QFETCH(QString, rightRod);
    QFETCH(int, digit);
    test::TestRun run;
    Pupil pupil{test::openWithItem(test::installScriptedRnd(), window, target)};

    // Wrong: "Conferma" waits until the beads are touched again.
    pupil.rod(wrongRod, target % 10 == 0 ? digit : digit - 1);
    pupil.conferma();
    QCOMPARE(pupil.errati(), QStringLiteral(" 1"));
    QCOMPARE(pupil.buttons(), QStringLiteral("ricomincia"));
    pupil.conferma();
    QCOMPARE(pupil.errati(), QStringLiteral(" 1"));

    // "Ricomincia" empties the frame and allows a check again.
    pupil.ricomincia();
    QCOMPARE(pupil.beads(wrongRod), 0);
    QVERIFY(pupil.enabled("BottoneConferma"));
    pupil.conferma();
    QCOMPARE(pupil.errati(), QStringLiteral(" 2"));
    // A right click on an empty rod changes nothing but allows a check.
    pupil.rod(rightRod, 1, Qt::RightButton);
    QCOMPARE(pupil.beads(rightRod), 0);
    QVERIFY(pupil.enabled("BottoneConferma"));

    pupil.rod(rightRod, digit);
    pupil.conferma();
    QCOMPARE(pupil.esatti(), QStringLiteral(" 1"));
    QCOMPARE(pupil.buttons(), QStringLiteral("avanti"));
    pupil.ricomincia();
    QCOMPARE(pupil.beads(rightRod), digit);

    // Answered: a rod click allows another check, scored like any other.
    pupil.rod(rightRod, 1, Qt::RightButton);
    QVERIFY(pupil.enabled("BottoneConferma"));
    QVERIFY(pupil.enabled("BottoneAvanti"));
    pupil.conferma();
    QCOMPARE(pupil.errati(), QStringLiteral(" 3"));
    QCOMPARE(pupil.esatti(), QStringLiteral(" 1"));

    pupil.avanti();
    QCOMPARE(pupil.buttons(), QStringLiteral("conferma ricomincia"));
    QCOMPARE(pupil.beads(rightRod), 0);
}

void TestBuildForms::checkA2_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("target");
    QTest::newRow("Form999a") << "Form999a" << 725;
    QTest::newRow("F9999a") << "F9999a" << 4725;
    QTest::newRow("Periodo1") << "Periodo1" << 205016;
}

void TestBuildForms::checkA2()
{
    QFETCH(QString, window);
    QFETCH(int, target);
    test::TestRun run;
    auto &rnd = test::installScriptedRnd();
    Pupil pupil{test::openWithItem(rnd, window, target)};

    // One bead short on the units: each press of "Conferma" is an error.
    pupil.build(target - 1);
    pupil.conferma();
    pupil.conferma();
    QCOMPARE(pupil.errati(), QStringLiteral(" 2"));
    QVERIFY(pupil.enabled("BottoneConferma"));
    QVERIFY(!pupil.enabled("BottoneAvanti"));

    pupil.rod(QStringLiteral("u"), 1);
    pupil.conferma();
    QCOMPARE(pupil.esatti(), QStringLiteral(" 1"));
    QCOMPARE(pupil.buttons(), QStringLiteral("avanti"));
    QCOMPARE(pupil.form->focusWidget(), pupil.c("BottoneAvanti")->widget());

    // The rods still work, but the check waits for the next item.
    pupil.rod(QStringLiteral("u"), 1, Qt::RightButton);
    QCOMPARE(pupil.beads(QStringLiteral("u")), target % 10 - 1);
    QVERIFY(!pupil.enabled("BottoneConferma"));

    // Enter on the focused "avanti" moves on.
    const qint32 before = rnd.calls;
    QTest::keyClick(pupil.c("BottoneAvanti")->widget(), Qt::Key_Return);
    QVERIFY(rnd.calls > before);
    QCOMPARE(pupil.buttons(), QStringLiteral("conferma ricomincia"));
    QCOMPARE(pupil.beads(QStringLiteral("u")), 0);
}

void TestBuildForms::rodClicks()
{
    test::TestRun run;
    Pupil pupil{Forms::open(QStringLiteral("Form999a"), nullptr)};
    const QString h = QStringLiteral("h");
    pupil.rod(h, 10);
    QCOMPARE(pupil.beads(h), 9);
    pupil.rod(h, 1, Qt::MiddleButton);
    QCOMPARE(pupil.beads(h), 8);
    pupil.rod(h, 1, Qt::BackButton);
    pupil.rod(h, 1, Qt::ForwardButton);
    QCOMPARE(pupil.beads(h), 6);
    pupil.rod(QStringLiteral("da"), 1, Qt::RightButton);
    QCOMPARE(pupil.beads(QStringLiteral("da")), 0);
    // A quick second click arrives as a double click, not a press, and
    // still counts.
    QWidget *da = pupil.c("Bot_da")->widget();
    QTest::mouseClick(da, Qt::LeftButton);
    QTest::mouseDClick(da, Qt::LeftButton);
    QTest::mouseRelease(da, Qt::LeftButton);
    QCOMPARE(pupil.beads(QStringLiteral("da")), 2);
    // Rod clicks make no sound and show no icon.
    QVERIFY(run.fakes.sounds->played.isEmpty());
    QVERIFY(!pupil.rightIcon() && !pupil.wrongIcon());
}

void TestBuildForms::displayMenu_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("target");
    QTest::addColumn<QString>("digits");
    QTest::addColumn<double>("digitsPoints");
    QTest::addColumn<QString>("words");
    QTest::addColumn<double>("wordsPoints");
    QTest::addColumn<QString>("cifre");
    QTest::addColumn<QString>("parole");
    QTest::addColumn<QString>("paroleCaption");
    QTest::newRow("Form4") << "Form4" << 7 << " 7" << 48.0 << "SETTE" << 36.0 << "mnucifre" << "mnulettere"
                           << "in lettere";
    QTest::newRow("Form999a") << "Form999a" << 725 << " 725" << 48.0 << "SETTECENTOVENTICINQUE" << 22.0 << "MenuCifre"
                              << "MenuParole" << "in parole";
    QTest::newRow("F9999a 4725") << "F9999a" << 4725 << "4 725" << 36.0 << "QUATTROMILASETTECENTOVENTICINQUE" << 18.0
                                 << "MenuCifre" << "MenuParole" << "in lettere";
    QTest::newRow("Periodo1") << "Periodo1" << 205016 << "205 016" << 36.0 << "DUECENTOCINQUEMILASEDICI" << 14.0
                              << "MenuCifre" << "MenuParole" << "in lettere";
}

void TestBuildForms::displayMenu()
{
    QFETCH(QString, window);
    QFETCH(int, target);
    QFETCH(QString, digits);
    QFETCH(double, digitsPoints);
    QFETCH(QString, words);
    QFETCH(double, wordsPoints);
    QFETCH(QString, cifre);
    QFETCH(QString, parole);
    QFETCH(QString, paroleCaption);
    test::TestRun run;
    shared().LinguaNumeri = QStringLiteral("1");
    auto &rnd = test::installScriptedRnd();
    Pupil pupil{test::openWithItem(rnd, window, target)};
    Control *label = pupil.c("EtichettaNumero");
    QCOMPARE(label->caption(), words);
    QCOMPARE(label->fontSize(), wordsPoints);
    QVERIFY(pupil.c(parole)->checked() && !pupil.c(cifre)->checked());
    QCOMPARE(pupil.c(parole)->caption(), paroleCaption);

    // Switching the display draws a new item, shown the other way.
    pupil.rod(QStringLiteral("u"), 2);
    test::scriptItem(rnd, window, target);
    pupil.menu(cifre);
    QCOMPARE(label->caption(), digits);
    QCOMPARE(label->fontSize(), digitsPoints);
    QVERIFY(pupil.c(cifre)->checked() && !pupil.c(parole)->checked());
    QVERIFY(rnd.script.empty());
    QCOMPARE(pupil.beads(QStringLiteral("u")), 0);

    // The ticked item again changes nothing.
    const int calls = rnd.calls;
    pupil.menu(cifre);
    QCOMPARE(rnd.calls, calls);
    QCOMPARE(label->caption(), digits);

    pupil.menu(parole);
    QVERIFY(rnd.calls > calls);
    QCOMPARE(label->fontSize(), wordsPoints);
    QVERIFY(pupil.c(parole)->checked() && !pupil.c(cifre)->checked());
}

void TestBuildForms::wordsKeepEszett()
{
    test::TestRun run;
    shared().LinguaNumeri = QStringLiteral("4");
    auto &rnd = test::installScriptedRnd();
    Pupil pupil{test::openWithItem(rnd, QStringLiteral("Form99a"), 30)};
    QCOMPARE(pupil.target(), QString::fromUtf8("DREIßIG"));
    // The language is read when the item is drawn.
    shared().LinguaNumeri = QStringLiteral("2");
    test::scriptItem(rnd, QStringLiteral("Form99a"), 30);
    pupil.menu(QStringLiteral("MenuCifre"));
    test::scriptItem(rnd, QStringLiteral("Form99a"), 30);
    pupil.menu(QStringLiteral("MenuParole"));
    QCOMPARE(pupil.target(), QStringLiteral("THIRTY"));
}

void TestBuildForms::newItemsInAnsweredState_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("a1");
    QTest::newRow("Form99a") << "Form99a" << true;
    QTest::newRow("Form999a") << "Form999a" << false;
}

void TestBuildForms::newItemsInAnsweredState()
{
    QFETCH(QString, window);
    QFETCH(bool, a1);
    test::TestRun run;
    auto &rnd = test::installScriptedRnd();
    Pupil pupil{test::openWithItem(rnd, window, 25)};
    pupil.build(25);
    pupil.conferma();
    QCOMPARE(pupil.esatti(), QStringLiteral(" 1"));

    // The display menu and the chooser show a new number, "avanti" stays the way on.
    pupil.menu(QStringLiteral("MenuCifre"));
    QCOMPARE(pupil.buttons(), QStringLiteral("ricomincia avanti"));
    test::chooseMaximum(pupil.form, 8);
    QVERIFY(!pupil.c("CorniceNumeroMassimo")->visible());
    QVERIFY(!pupil.enabled("BottoneConferma"));
    QVERIFY(pupil.enabled("BottoneAvanti"));

    // Only in A1 does a rod click open the check again.
    pupil.rod(QStringLiteral("u"), 1);
    QCOMPARE(pupil.enabled("BottoneConferma"), a1);
    pupil.avanti();
    QVERIFY(pupil.enabled("BottoneConferma"));
    QVERIFY(!pupil.enabled("BottoneAvanti"));
}

void TestBuildForms::maximumAndDraws_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("coversWindow");
    QTest::addColumn<int>("maximum");
    QTest::newRow("Form99a 19") << "Form99a" << 0 << "19" << true << 19;
    QTest::newRow("Form999a 199") << "Form999a" << 0 << "199" << false << 199;
    QTest::newRow("F9999a 1.999") << "F9999a" << 0 << "1.999" << true << 1999;
}

// The chooser covers the window's top left corner; an option sets the
// maximum and draws a new item at once. (The draws' bounds are the draw
// rules', and the random pupil checks every item against them.)
void TestBuildForms::maximumAndDraws()
{
    QFETCH(QString, window);
    QFETCH(int, option);
    QFETCH(QString, caption);
    QFETCH(bool, coversWindow);
    QFETCH(int, maximum);
    test::TestRun run;
    auto &rnd = test::installScriptedRnd();
    Pupil pupil{Forms::open(window, nullptr)};
    Control *chooser = pupil.c("CorniceNumeroMassimo");
    pupil.menu(QStringLiteral("mnuMassimo"));
    QVERIFY(chooser->visible());
    QCOMPARE(chooser->left(), 0.0);
    QCOMPARE(chooser->top(), 0.0);
    QCOMPARE(chooser->width() >= pupil.form->scaleWidth(), coversWindow);
    QCOMPARE(pupil.c("OpzioneNumeroMassimo", option)->caption(), caption);
    const int calls = rnd.calls;
    pupil.choose(option);
    QCOMPARE(shared().NumeroMassimo, maximum);
    QVERIFY(!chooser->visible());
    // A colour, then the number.
    QVERIFY(rnd.calls >= calls + 2);
}

void TestBuildForms::sounds()
{
    test::TestRun run;
    auto &rnd = test::installScriptedRnd();
    Pupil pupil{test::openWithItem(rnd, QStringLiteral("Form4"), 3)};
    const QString folder = run.folder() + QStringLiteral("/suoni/");

    pupil.conferma();
    QCOMPARE(run.fakes.sounds->played, QStringList{folder + "no.wav"});
    pupil.rod(QStringLiteral("u"), 3);
    rnd.script.push_back(test::pick(2, 4));
    pupil.conferma();
    QCOMPARE(run.fakes.sounds->played.last(), folder + "si3.wav");

    // Sounds off: nothing plays and the right answer draws no number.
    shared().SuoniAttivati = false;
    run.fakes.sounds->played.clear();
    test::scriptItem(rnd, QStringLiteral("Form4"), 3);
    pupil.avanti();
    pupil.conferma();
    pupil.rod(QStringLiteral("u"), 3);
    const int calls = rnd.calls;
    pupil.conferma();
    QCOMPARE(rnd.calls, calls);
    QCOMPARE(pupil.esatti(), QStringLiteral(" 2"));
    QCOMPARE(pupil.errati(), QStringLiteral(" 2"));
    QVERIFY(run.fakes.sounds->played.isEmpty());
}

void TestBuildForms::counters()
{
    test::TestRun run;
    auto &rnd = test::installScriptedRnd();
    Pupil pupil{test::openWithItem(rnd, QStringLiteral("Form99a"), 47)};
    pupil.rod(QStringLiteral("da"), 4);
    pupil.conferma();
    QCOMPARE(pupil.errati(), QStringLiteral(" 1"));

    // The reset touches only the score: item, beads and buttons stay.
    pupil.menu(QStringLiteral("MenuAzzera"));
    QCOMPARE(pupil.esatti(), QStringLiteral("0"));
    QCOMPARE(pupil.errati(), QStringLiteral("0"));
    QCOMPARE(shared().NumeroACaso, 47);
    QCOMPARE(pupil.target(), QStringLiteral("QUARANTASETTE"));
    QCOMPARE(pupil.beads(QStringLiteral("da")), 4);
    QVERIFY(!pupil.enabled("BottoneConferma"));
    QVERIFY(pupil.wrongIcon());
}

void TestBuildForms::esciAndInformazioni()
{
    test::TestRun run;
    run.copyShippedLanguageFiles();
    shared().MLSCurrentLanguage = QStringLiteral("Italiano");
    Pupil pupil{Forms::open(QStringLiteral("Form99a"), nullptr)};
    pupil.conferma();
    QCOMPARE(pupil.errati(), QStringLiteral(" 1"));

    pupil.menu(QStringLiteral("MenuInformazioni"));
    QCOMPARE(run.fakes.messages->shown.size(), std::size_t(1));
    QCOMPARE(run.fakes.messages->shown[0].icon, MsgIcon::Information);

    run.fakes.messages->answers = {MsgAnswer::No};
    pupil.menu(QStringLiteral("mnuEsci"));
    const auto &asked = run.fakes.messages->shown.back();
    QCOMPARE(asked.text, QStringLiteral("Vuoi tornare al menu principale?"));
    QCOMPARE(asked.title, QStringLiteral("Utilizzo dell'ortix"));
    QCOMPARE(asked.buttons, MsgButtons::YesNo);
    QCOMPARE(asked.icon, MsgIcon::Question);
    QCOMPARE(Forms::find(QStringLiteral("Form99a")), pupil.form);
    QCOMPARE(pupil.errati(), QStringLiteral(" 1"));
    // Yes leads back to the menu, and a window opened again starts a new
    // score: the rounds of test_exerciseopening and the random pupil.
}

QTEST_MAIN(TestBuildForms)
#include "test_buildforms.moc"
