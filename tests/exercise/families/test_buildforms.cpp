// The build-the-number windows driven as a pupil drives them: clicks under
// the rods, "Conferma", "Ricomincia", "avanti" and the menus. The icon of
// the last check, the counters matching their labels and the target shown
// as the display menu says are the random pupil's invariants, checked after
// its every event.
#include "PupilHands.h"
#include "ScriptedItem.h"

#include "app/Main.h"
#include "base/SharedState.h"
#include "exercise/families/BuildForm.h"
#include "ui/Forms.h"

#include <QTest>

using namespace ortix;
using namespace ortix::ui;
using namespace ortix::test;

namespace {

// Which of "Conferma", "Ricomincia" and "avanti" can be pressed, in that order.
QString enabledButtons(const Form *form)
{
    QStringList on;
    for (const char *name : {"BottoneConferma", "Bot_ricomincia", "BottoneAvanti"}) {
        if (form->control(QString::fromLatin1(name))->enabled()) {
            on << QString::fromLatin1(name);
        }
    }
    return on.join(u' ');
}

// A window that checks in the A1 way, its item, a rod that makes it wrong,
// the rod that makes it right and the beads that do.
using A1Row = std::tuple<QString, int, QString, QString, int>;
// A window, its item, the target in digits and in words with their sizes,
// and whether the window checks in the A2 way (the A1 way is checkA1's).
using DisplayRow = std::tuple<QString, int, QString, double, QString, double, bool>;
// A window, whether it checks in the A1 way, the maximum chooser's first
// option and its value, and whether the chooser covers the window's width.
using AnsweredRow = std::tuple<QString, bool, QString, int, bool>;

} // namespace

class TestBuildForms : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { registerAllForms(); }
    void checkA1_data();
    void checkA1();
    void displayMenu_data();
    void displayMenu();
    void newItemsInAnsweredState_data();
    void newItemsInAnsweredState();
    // The sounds, then "Azzera" and "Informazioni".
    void sounds();
};

void TestBuildForms::checkA1_data()
{
    QTest::addColumn<A1Row>("row");
    // 40 on the tens rod is right, 4 beads on the units rod wrong.
    QTest::newRow("Form4") << A1Row{"Form4", 7, "u", "u", 7};
    QTest::newRow("Form99a 40") << A1Row{"Form99a", 40, "u", "da", 4};
}

void TestBuildForms::checkA1()
{
    QFETCH(A1Row, row);
    const auto &[window, target, wrongRod, rightRod, digit] = row;
    TestRun run;
    Form *form = openWithItem(installScriptedRnd(), window, target);

    // Wrong: "Conferma" waits until the beads are touched again.
    clickRod(form, wrongRod, Qt::LeftButton, target % 10 == 0 ? digit : digit - 1);
    clickControl(form, QStringLiteral("BottoneConferma"));
    QCOMPARE(enabledButtons(form), QStringLiteral("Bot_ricomincia"));
    clickControl(form, QStringLiteral("BottoneConferma"));
    QCOMPARE(scored(), QStringLiteral("0/1"));

    // "Ricomincia" empties the frame and allows a check again.
    clickControl(form, QStringLiteral("Bot_ricomincia"));
    QCOMPARE(beadRun(*form, wrongRod), 0);
    clickControl(form, QStringLiteral("BottoneConferma"));
    QCOMPARE(scored(), QStringLiteral("0/2"));
    // A right click on an empty rod changes nothing but allows a check.
    clickRod(form, rightRod, Qt::RightButton);
    QCOMPARE(beadRun(*form, rightRod), 0);
    QVERIFY(form->control(QStringLiteral("BottoneConferma"))->enabled());

    clickRod(form, rightRod, Qt::LeftButton, digit);
    clickControl(form, QStringLiteral("BottoneConferma"));
    QCOMPARE(scored(), QStringLiteral("1/2"));
    QCOMPARE(enabledButtons(form), QStringLiteral("BottoneAvanti"));
    clickControl(form, QStringLiteral("Bot_ricomincia"));
    QCOMPARE(beadRun(*form, rightRod), digit);

    // Answered: a rod click allows another check, scored like any other.
    clickRod(form, rightRod, Qt::RightButton);
    QVERIFY(form->control(QStringLiteral("BottoneConferma"))->enabled());
    QVERIFY(form->control(QStringLiteral("BottoneAvanti"))->enabled());
    clickControl(form, QStringLiteral("BottoneConferma"));
    QCOMPARE(scored(), QStringLiteral("1/3"));

    clickControl(form, QStringLiteral("BottoneAvanti"));
    QCOMPARE(enabledButtons(form), QStringLiteral("BottoneConferma Bot_ricomincia"));
    QCOMPARE(beadRun(*form, rightRod), 0);
}

void TestBuildForms::displayMenu_data()
{
    QTest::addColumn<DisplayRow>("row");
    QTest::newRow("Form4") << DisplayRow{"Form4", 7, " 7", 48.0, "SETTE", 36.0, false};
    // The units window with squares: one uncoloured label.
    QTest::newRow("Form4sem") << DisplayRow{"Form4sem", 5, " 5", 48.0, "CINQUE", 36.0, false};
    QTest::newRow("Form999a") << DisplayRow{"Form999a", 725, " 725", 48.0, "SETTECENTOVENTICINQUE", 22.0, true};
    QTest::newRow("F9999a 4725")
        << DisplayRow{"F9999a", 4725, "4 725", 36.0, "QUATTROMILASETTECENTOVENTICINQUE", 18.0, true};
    QTest::newRow("Periodo1")
        << DisplayRow{"Periodo1", 205016, "205 016", 36.0, "DUECENTOCINQUEMILASEDICI", 14.0, true};
}

// Switching the display draws a new item, shown the other way and in its
// own size; the ticked item again changes nothing. In A2 a wrong answer may
// be confirmed again at once; the right one sends the focus to "avanti",
// where Enter moves on. (That "Conferma" and "avanti" take turns is the
// random pupil's invariant.)
void TestBuildForms::displayMenu()
{
    QFETCH(DisplayRow, row);
    const auto &[window, target, digits, digitsPoints, words, wordsPoints, a2] = row;
    TestRun run;
    shared().LinguaNumeri = QStringLiteral("1");
    ScriptedRnd &rnd = installScriptedRnd();
    auto *form = qobject_cast<BuildForm *>(openWithItem(rnd, window, target));
    const QString cifre = form->buildRow().menuCifre;
    Control *label = form->control(QStringLiteral("EtichettaNumero"));
    QCOMPARE(label->caption(), words);
    QCOMPARE(label->fontSize(), wordsPoints);

    clickRod(form, QStringLiteral("u"), Qt::LeftButton, 2);
    scriptItem(rnd, window, target);
    chooseMenu(form, cifre);
    QCOMPARE(label->caption(), digits);
    QCOMPARE(label->fontSize(), digitsPoints);
    QVERIFY(rnd.script.empty());
    QCOMPARE(beadRun(*form, QStringLiteral("u")), 0);

    const int calls = rnd.calls;
    chooseMenu(form, cifre);
    QCOMPARE(rnd.calls, calls);
    QCOMPARE(label->caption(), digits);

    chooseMenu(form, form->buildRow().menuParole);
    QVERIFY(rnd.calls > calls);
    QCOMPARE(label->fontSize(), wordsPoints);
    if (!a2) {
        return;
    }
    answerWrong(form);
    clickControl(form, QStringLiteral("BottoneConferma"));
    QCOMPARE(scored(), QStringLiteral("0/2"));
    answerRight(form);
    QCOMPARE(scored(), QStringLiteral("1/2"));
    QWidget *avanti = form->control(QStringLiteral("BottoneAvanti"))->widget();
    QCOMPARE(form->focusWidget(), avanti);
    const qint32 before = rnd.calls;
    QTest::keyClick(avanti, Qt::Key_Return);
    QVERIFY(rnd.calls > before);
    QCOMPARE(enabledButtons(form), QStringLiteral("BottoneConferma Bot_ricomincia"));
    QCOMPARE(beadsNumber(*form), 0);
}

void TestBuildForms::newItemsInAnsweredState_data()
{
    QTest::addColumn<AnsweredRow>("row");
    QTest::newRow("Form99a") << AnsweredRow{"Form99a", true, "19", 19, true};
    QTest::newRow("Form999a") << AnsweredRow{"Form999a", false, "199", 199, false};
    QTest::newRow("F9999a") << AnsweredRow{"F9999a", false, "1.999", 1999, true};
}

// Rod clicks first. Answered, the display menu and the maximum chooser show a new number and
// "avanti" stays the way on; only in A1 does a rod click open the check
// again. The chooser covers the window's top left corner; an option sets the
// maximum. (The draws' bounds are the random pupil's check.)
void TestBuildForms::newItemsInAnsweredState()
{
    QFETCH(AnsweredRow, row);
    const auto &[window, a1, caption, maximum, coversWindow] = row;
    TestRun run;
    ScriptedRnd &rnd = installScriptedRnd();
    auto *form = qobject_cast<BuildForm *>(openWithItem(rnd, window, 25));
    // Every mouse button counts: the left one puts a bead on, the others take
    // one off; a quick second click arrives as a double click, not a press,
    // and still counts. Rod clicks make no sound and show no icon.
    clickRod(form, QStringLiteral("u"), Qt::LeftButton, 10);
    QCOMPARE(beadRun(*form, QStringLiteral("u")), 9);
    clickRod(form, QStringLiteral("u"), Qt::MiddleButton);
    QCOMPARE(beadRun(*form, QStringLiteral("u")), 8);
    clickRod(form, QStringLiteral("u"), Qt::BackButton);
    clickRod(form, QStringLiteral("u"), Qt::ForwardButton);
    QCOMPARE(beadRun(*form, QStringLiteral("u")), 6);
    clickRod(form, QStringLiteral("da"), Qt::RightButton);
    QCOMPARE(beadRun(*form, QStringLiteral("da")), 0);
    QWidget *da = form->control(QStringLiteral("Bot_da"))->widget();
    QTest::mouseClick(da, Qt::LeftButton);
    QTest::mouseDClick(da, Qt::LeftButton);
    QTest::mouseRelease(da, Qt::LeftButton);
    QCOMPARE(beadRun(*form, QStringLiteral("da")), 2);
    QVERIFY(run.fakes.sounds->played.isEmpty());
    QVERIFY(!form->control(QStringLiteral("ComandoIconaSi"))->visible());
    QVERIFY(!form->control(QStringLiteral("ComandoIconaNo"))->visible());

    answerRight(form);
    QCOMPARE(scored(), QStringLiteral("1/0"));
    chooseMenu(form, QStringLiteral("MenuCifre"));
    QCOMPARE(enabledButtons(form), QStringLiteral("Bot_ricomincia BottoneAvanti"));

    Control *chooser = form->control(QStringLiteral("CorniceNumeroMassimo"));
    chooseMenu(form, QStringLiteral("mnuMassimo"));
    QVERIFY(chooser->visible());
    QCOMPARE(QPointF(chooser->left(), chooser->top()), QPointF(0, 0));
    QCOMPARE(chooser->width() >= form->scaleWidth(), coversWindow);
    QCOMPARE(form->control(QStringLiteral("OpzioneNumeroMassimo"), 0)->caption(), caption);
    const int calls = rnd.calls;
    pickMaximumOption(form, 0);
    QCOMPARE(shared().NumeroMassimo, maximum);
    QVERIFY(!chooser->visible());
    // A colour, then the number.
    QVERIFY(rnd.calls >= calls + 2);
    QCOMPARE(enabledButtons(form), QStringLiteral("Bot_ricomincia BottoneAvanti"));

    clickRod(form, QStringLiteral("u"));
    QCOMPARE(form->control(QStringLiteral("BottoneConferma"))->enabled(), a1);
    clickControl(form, QStringLiteral("BottoneAvanti"));
    QCOMPARE(enabledButtons(form), QStringLiteral("BottoneConferma Bot_ricomincia"));
}

void TestBuildForms::sounds()
{
    TestRun run;
    ScriptedRnd &rnd = installScriptedRnd();
    Form *form = openWithItem(rnd, QStringLiteral("Form4"), 3);
    const QString folder = run.folder() + QStringLiteral("/suoni/");

    clickControl(form, QStringLiteral("BottoneConferma"));
    QCOMPARE(run.fakes.sounds->played, QStringList{folder + "no.wav"});
    clickRod(form, QStringLiteral("u"), Qt::LeftButton, 3);
    rnd.script.push_back(pick(2, 4));
    clickControl(form, QStringLiteral("BottoneConferma"));
    QCOMPARE(run.fakes.sounds->played.last(), folder + "si3.wav");

    // Sounds off: nothing plays and the right answer draws no number.
    shared().SuoniAttivati = false;
    run.fakes.sounds->played.clear();
    scriptItem(rnd, QStringLiteral("Form4"), 3);
    clickControl(form, QStringLiteral("BottoneAvanti"));
    clickControl(form, QStringLiteral("BottoneConferma"));
    clickRod(form, QStringLiteral("u"), Qt::LeftButton, 3);
    const int calls = rnd.calls;
    clickControl(form, QStringLiteral("BottoneConferma"));
    QCOMPARE(rnd.calls, calls);
    QCOMPARE(scored(), QStringLiteral("2/2"));
    QVERIFY(run.fakes.sounds->played.isEmpty());

    // "Azzera" touches only the score: item, beads, buttons and icon stay.
    // "Informazioni" tells about the program.
    chooseMenu(form, QStringLiteral("MenuAzzera"));
    QCOMPARE(scored(), QStringLiteral("0/0"));
    QCOMPARE(form->control(QStringLiteral("EtichettaErrati"))->caption(), QStringLiteral("0"));
    QCOMPARE(shared().NumeroACaso, 3);
    QCOMPARE(beadRun(*form, QStringLiteral("u")), 3);
    QCOMPARE(enabledButtons(form), QStringLiteral("BottoneAvanti"));
    QVERIFY(form->control(QStringLiteral("ComandoIconaSi"))->visible());
    chooseMenu(form, QStringLiteral("MenuInformazioni"));
    QCOMPARE(run.fakes.messages->shown.size(), std::size_t(1));
    QCOMPARE(run.fakes.messages->shown[0].icon, MsgIcon::Information);
}

QTEST_MAIN(TestBuildForms)
#include "test_buildforms.moc"
