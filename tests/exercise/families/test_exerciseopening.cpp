// The twenty exercise windows as they open: what each does while it loads
// and when it is first shown, and one pupil's round in each, from the start
// window through the main menu and back, with the Italian files.
#include "PupilHands.h"
#include "ScriptedItem.h"

#include "app/Main.h"
#include "app/SingleInstance.h"
#include "base/SharedState.h"
#include "exercise/families/LabelledBuildForm.h"
#include "exercise/families/ReadBeadsForm.h"
#include "ui/Forms.h"
#include "ui/PaintedControls.h"
#include "ui/WidgetControls.h"

#include <QLocale>
#include <QTest>

#include <cmath>

using namespace ortix;
using namespace ortix::ui;

namespace {

// What a build window's target reads: its label, or its coloured parts
// from left to right.
QString targetRead(const Form *form)
{
    if (const Control *target = form->control(QStringLiteral("EtichettaNumero"))) {
        return target->caption();
    }
    QString text;
    for (const ColouredText &part : qobject_cast<const LabelledBuildForm *>(form)->shownParts()) {
        text += part.shown ? part.text : QString();
    }
    return text;
}

// The beads of every rod stand one above the other from bead 0 of the
// units rod, a bead's height apart; where the frame is sized, nine beads
// fill each rod, centred on it, and the separator lies on the fifth.
void checkStacked(const ExerciseForm *form)
{
    const Palline &p = form->palline();
    const double t0 = p.bead(Place::u, 0)->top();
    const double h = p.bead(Place::u, 0)->height();
    const bool sized = p.layout().variant == FrameVariant::SizingAndStacking;
    for (Place place : p.layout().places) {
        const ui::LineControl *rod = p.rod(place);
        for (int i = 0; i < kBeadsPerRod; ++i) {
            const ui::ShapeControl *bead = p.bead(place, i);
            QCOMPARE(bead->top(), t0 - i * h);
            if (sized) {
                QCOMPARE(bead->height(), std::floor((rod->y2() - rod->y1()) / kBeadsPerRod));
                QCOMPARE(bead->width(), h);
                QCOMPARE(bead->left() + h / 2, rod->x1());
            }
        }
    }
    if (sized) {
        QCOMPARE(p.separator()->y1(), p.bead(Place::u, 4)->top());
        QCOMPARE(p.separator()->y2(), p.separator()->y1());
    }
}

// A window's menu button, the item of its round and the one that "avanti"
// or the words/digits switch brings next, and the item as the pupil reads
// it (Italian, voice off) or the answer the pupil types.
struct Round
{
    const char *button;
    const char *window;
    int number;
    int next;
    const char *text;
};

// Each family's windows by range.
const Round kRounds[4][5] = {
    {{"Command17", "Form4", 7, 3, "SETTE"},
     {"Command9", "Form99a", 47, 21, "QUARANTASETTE"},
     {"Command14", "Form999a", 725, 999, "SETTECENTOVENTICINQUE"},
     {"Command13", "F9999a", 4725, 9999, "QUATTROMILASETTECENTOVENTICINQUE"},
     {"Command4", "Periodo1", 205016, 120345, "DUECENTOCINQUEMILASEDICI"}},
    {{"Command20", "Form4sem", 3, 7, "TRE"},
     {"Command6", "Form99sem", 17, 47, "DICIASSETTE"},
     {"Command2", "Form999sem", 999, 305, "NOVECENTONOVANTANOVE"},
     {"Command18", "F9999SEM", 9999, 4025, "NOVEMILANOVECENTONOVANTANOVE"},
     {"Command19", "Periodo1SEM", 999999, 205016, "NOVECENTONOVANTANOVEMILANOVECENTONOVANTANOVE"}},
    {{"Command16", "Form6", 9, 3, "9"},
     {"Command35", "Form99b", 0, 21, "0"},
     {"Command10", "Form999b", 305, 999, "305"},
     {"Command11", "F9999b", 4025, 9999, "4.025"},
     {"Command8", "Periodo2", 120345, 205016, "120.345"}},
    {{"Command15", "Form5", 7, 3, "sette"},
     {"Command5", "Form99b1", 28, 21, "ventotto"},
     {"Command3", "Form999b1", 121, 999, "centoventuno"},
     {"Command12", "F9999c", 4025, 9999, "quattromilaventicinque"},
     {"Command7", "Periodo3", 120345, 205016, "centoventimilatrecentoquarantacinque"}}};

// The language files' captions and their voices.
const char *const kLanguages[][2] = {{"Italiano", "Italian"}, {"English", "English"}, {"Français", "French"},
                                     {"Deutsch", "German"},   {"Español", "Spanish"}, {"Shqip", "Albanian"}};

// A window opens filling the screen, with its score at zero under the
// titles of the language (set to Giuste, Sbagliate and U before), no answer
// yet and an empty frame laid out.
void checkOpened(ExerciseForm *form)
{
    QCOMPARE(QRectF(form->left(), form->top(), form->width(), form->height()), QRectF(0, 0, 15360, 11520));
    QCOMPARE(shared().ConteggioEsatti + shared().ConteggioErrati, 0);
    const QStringList captions{form->control("EtichettaEsatti")->caption(), form->control("EtichettaErrati")->caption(),
                               form->control("LabelEST")->caption(), form->control("LabelErt")->caption()};
    QCOMPARE(captions, QStringList({"0", "0", "Giuste", "Sbagliate"}));
    QVERIFY(form->control("BottoneAvanti")->visible() && !form->control("BottoneAvanti")->enabled());
    QVERIFY(!form->control("ComandoIconaSi")->visible() && !form->control("ComandoIconaNo")->visible());
    // The frame keeps its layout at every size of the window.
    if (form->palline().layout().variant != FrameVariant::NoLayout) {
        checkStacked(form);
        form->setWidth(12000);
        form->setHeight(9000);
        checkStacked(form);
        form->setWidth(15360);
        form->setHeight(11520);
    }
    if (auto *reading = qobject_cast<ReadBeadsForm *>(form)) {
        QLineEdit *box = reading->answerBox()->lineEdit();
        QVERIFY(box->text().isEmpty() && box->isEnabled());
        // The box is first in the tab order, so it holds the focus once the
        // window is active.
        QVERIFY(QTest::qWaitForWindowActive(form));
        QCOMPARE(form->focusWidget(), box);
    } else {
        QCOMPARE(form->control("Bot_u")->caption(), QStringLiteral("U"));
        QCOMPARE(test::beadsNumber(*form), 0);
    }
}

// A round's family and range in kRounds, and the language chosen with the
// voice ticked (-1 for the voice off).
using RoundRow = std::tuple<int, int, int>;

} // namespace

class TestExerciseOpening : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        registerAllForms();
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    }
    void roundFromTheMenu_data();
    void roundFromTheMenu();
};

void TestExerciseOpening::roundFromTheMenu_data()
{
    QTest::addColumn<RoundRow>("row");
    // A round in every window with the voice off; then with the voice on,
    // each language in one range of every family.
    for (int family = 0; family < 4; ++family) {
        for (int range = 0; range < 5; ++range) {
            QTest::newRow(kRounds[family][range].window) << RoundRow{family, range, -1};
        }
    }
    for (int language = 0; language < 6; ++language) {
        for (int family = 0; family < 4; ++family) {
            const int range = language % 5;
            QTest::addRow("%s %s", kRounds[family][range].window, kLanguages[language][1])
                << RoundRow{family, range, language};
        }
    }
}

// What each window shows of its item and how a pupil answers it; the score,
// icons and buttons that follow are the per-kind tests' and the random
// pupil's. With the voice on, what it reads and when: a build window its
// target as it comes, again when clicked, and the number built right; a
// write window only the number answered right.
void TestExerciseOpening::roundFromTheMenu()
{
    QFETCH(RoundRow, row);
    const auto &[family, range, language] = row;
    const Round &round = kRounds[family][range];
    const QString window = QString::fromLatin1(round.window);
    const QString voice = language < 0 ? QString() : QString::fromLatin1(kLanguages[language][1]);
    test::TestRun run;
    SingleInstance instance(run.lockPath());
    if (language < 0) {
        run.copyShippedLanguageFiles();
    }
    Form *menu = language < 0 ? test::startProgram(instance)
                              : test::startProgramWithVoice(run, instance, QString::fromUtf8(kLanguages[language][0]));
    QVERIFY(menu);
    SharedState &s = shared();
    s.TestoEsatti = QStringLiteral("Giuste");
    s.TestoErrati = QStringLiteral("Sbagliate");
    s.TestoOrdine_u = QStringLiteral("U");
    s.ConteggioEsatti = 12;
    s.ConteggioErrati = 7;
    // The window's own draw rule turns the scripted values into `number`.
    test::ScriptedRnd &rnd = test::installScriptedRnd();
    test::scriptItem(rnd, window, round.number);
    auto *form = qobject_cast<ExerciseForm *>(test::openRoute(menu, {QString::fromLatin1(round.button), window}));
    QVERIFY(form);
    QCOMPARE(shared().NumeroACaso, round.number);
    auto *reading = qobject_cast<ReadBeadsForm *>(form);
    const test::RecordingSpeech &speech = *run.fakes.speech;
    const QString first = QString::number(round.number) + u'/' + voice;
    const QString second = QString::number(round.next) + u'/' + voice;
    if (language < 0) {
        checkOpened(form);
        if (reading) {
            // Read the beads, write the number, press Enter.
            test::typeText(reading->answerBox()->lineEdit(), QString::fromLatin1(round.text));
            test::pressEnter(reading->answerBox()->lineEdit());
        } else {
            QCOMPARE(targetRead(form), QString::fromLatin1(round.text));
            // Build it with clicks under the rods and confirm.
            test::buildNumber(qobject_cast<BuildForm *>(form), round.number);
            test::clickControl(form, QStringLiteral("BottoneConferma"));
        }
        QCOMPARE(shared().ConteggioEsatti, qint16(1));
        // The voice is off unless the pupil switches it on.
        QCOMPARE(speech.heard(), QStringList());
    } else if (reading) {
        // The beads' number is the answer: heard only once it is given.
        test::answerWrong(form);
        QCOMPARE(speech.heard(), QStringList());
        test::answerRight(form);
        QCOMPARE(speech.heard(), QStringList{first});
        test::scriptItem(rnd, window, round.next);
        test::clickControl(form, QStringLiteral("BottoneAvanti"));
        QCOMPARE(shared().NumeroACaso, round.next);
        QCOMPARE(speech.heard(), QStringList{first});
    } else {
        QCOMPARE(speech.heard(), QStringList{first});
        test::clickTarget(form);
        QCOMPARE(speech.heard(), QStringList({first, first}));
        test::answerWrong(form);
        test::answerRight(form);
        QCOMPARE(speech.heard(), QStringList({first, first, first}));
        // Switching to digits shows a new target, heard at once.
        test::scriptItem(rnd, window, round.next);
        test::chooseMenu(form, qobject_cast<BuildForm *>(form)->buildRow().menuCifre);
        QCOMPARE(speech.heard(), QStringList({first, first, first, second}));
        test::clickTarget(form);
        QCOMPARE(speech.heard(), QStringList({first, first, first, second, second}));
    }
    QVERIFY(test::leaveWindow(form, *run.fakes.messages));
}

QTEST_MAIN(TestExerciseOpening)
#include "test_exerciseopening.moc"
