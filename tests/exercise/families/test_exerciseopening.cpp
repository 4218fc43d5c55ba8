// The twenty exercise windows as they open: what each does while it loads
// and when it is first shown, and one pupil's round in each, from the start
// window through the main menu and back, with the Italian files.
#include "PupilHands.h"
#include "ScriptedItem.h"
#include "TestSupport.h"

#include "app/FormMenu.h"
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
    void loadAndShow_data();
    void loadAndShow();
    void roundFromTheMenu_data();
    void roundFromTheMenu();
    void voiceReadsTheNumbers_data();
    void voiceReadsTheNumbers();
};

void TestExerciseOpening::loadAndShow_data()
{
    QTest::addColumn<QString>("window");
    for (const test::MenuRoute &route : test::registeredRoutes()) {
        if (route.form != test::kFreeFrame.form) {
            QTest::newRow(qPrintable(route.form)) << route.form;
        }
    }
}

// Every window opens filling the screen, with its score at zero under the
// titles of the language, no answer yet and an empty frame laid out.
void TestExerciseOpening::loadAndShow()
{
    QFETCH(QString, window);
    test::TestRun run;
    SharedState &s = shared();
    s.TestoEsatti = QStringLiteral("Giuste");
    s.TestoErrati = QStringLiteral("Sbagliate");
    s.TestoOrdine_u = QStringLiteral("U");
    s.ConteggioEsatti = 12;
    s.ConteggioErrati = 7;
    auto *form = qobject_cast<ExerciseForm *>(Forms::load(window));
    QVERIFY(form);
    form->showForm();
    QCOMPARE(QRectF(form->left(), form->top(), form->width(), form->height()), QRectF(0, 0, 15360, 11520));
    QCOMPARE(s.ConteggioEsatti + s.ConteggioErrati, 0);
    QCOMPARE(form->control("EtichettaEsatti")->caption(), QStringLiteral("0"));
    QCOMPARE(form->control("EtichettaErrati")->caption(), QStringLiteral("0"));
    QCOMPARE(form->control("LabelEST")->caption(), QStringLiteral("Giuste"));
    QCOMPARE(form->control("LabelErt")->caption(), QStringLiteral("Sbagliate"));
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

void TestExerciseOpening::roundFromTheMenu_data()
{
    QTest::addColumn<QString>("menuButton");
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("number");
    // The target as the pupil reads it, or the answer the pupil types.
    QTest::addColumn<QString>("text");
    QTest::newRow("Form4") << "Command17" << "Form4" << 7 << "SETTE";
    QTest::newRow("Form99a") << "Command9" << "Form99a" << 47 << "QUARANTASETTE";
    QTest::newRow("Form999a") << "Command14" << "Form999a" << 725 << "SETTECENTOVENTICINQUE";
    QTest::newRow("F9999a") << "Command13" << "F9999a" << 4725 << "QUATTROMILASETTECENTOVENTICINQUE";
    QTest::newRow("Periodo1") << "Command4" << "Periodo1" << 205016 << "DUECENTOCINQUEMILASEDICI";
    QTest::newRow("Form4sem") << "Command20" << "Form4sem" << 3 << "TRE";
    QTest::newRow("Form99sem") << "Command6" << "Form99sem" << 17 << "DICIASSETTE";
    QTest::newRow("Form999sem") << "Command2" << "Form999sem" << 999 << "NOVECENTONOVANTANOVE";
    QTest::newRow("F9999SEM") << "Command18" << "F9999SEM" << 9999 << "NOVEMILANOVECENTONOVANTANOVE";
    QTest::newRow("Periodo1SEM") << "Command19" << "Periodo1SEM" << 999999
                                 << "NOVECENTONOVANTANOVEMILANOVECENTONOVANTANOVE";
    QTest::newRow("Form6") << "Command16" << "Form6" << 9 << "9";
    QTest::newRow("Form99b") << "Command35" << "Form99b" << 0 << "0";
    QTest::newRow("Form999b") << "Command10" << "Form999b" << 305 << "305";
    QTest::newRow("F9999b") << "Command11" << "F9999b" << 4025 << "4.025";
    QTest::newRow("Periodo2") << "Command8" << "Periodo2" << 120345 << "120.345";
    QTest::newRow("Form5") << "Command15" << "Form5" << 7 << "sette";
    QTest::newRow("Form99b1") << "Command5" << "Form99b1" << 28 << "ventotto";
    QTest::newRow("Form999b1") << "Command3" << "Form999b1" << 121 << "centoventuno";
    QTest::newRow("F9999c") << "Command12" << "F9999c" << 4025 << "quattromilaventicinque";
    QTest::newRow("Periodo3") << "Command7" << "Periodo3" << 120345 << "centoventimilatrecentoquarantacinque";
}

// What each window shows of its item and how a pupil answers it; the score,
// icons and buttons that follow are the per-kind tests' and the random
// pupil's.
void TestExerciseOpening::roundFromTheMenu()
{
    QFETCH(QString, menuButton);
    QFETCH(QString, window);
    QFETCH(int, number);
    QFETCH(QString, text);
    test::TestRun run;
    run.copyShippedLanguageFiles();
    SingleInstance instance(run.lockPath());
    Form *menu = test::startProgram(instance);
    QVERIFY(menu);

    // The window's own draw rule turns the scripted values into `number`.
    test::scriptItem(test::installScriptedRnd(), window, number);
    Form *form = test::openRoute(menu, {menuButton, window});
    QVERIFY(form);
    QCOMPARE(shared().NumeroACaso, number);
    if (auto *reading = qobject_cast<ReadBeadsForm *>(form)) {
        // Read the beads, write the number, press Enter.
        test::typeText(reading->answerBox()->lineEdit(), text);
        test::pressEnter(reading->answerBox()->lineEdit());
    } else {
        QCOMPARE(targetRead(form), text);
        // Build it with clicks under the rods and confirm.
        test::buildNumber(qobject_cast<BuildForm *>(form), number);
        test::clickControl(form, QStringLiteral("BottoneConferma"));
    }
    QCOMPARE(shared().ConteggioEsatti, qint16(1));
    // The voice is off unless the pupil switches it on.
    QCOMPARE(run.fakes.speech->heard(), QStringList());
    QVERIFY(test::leaveWindow(form, *run.fakes.messages));
}

void TestExerciseOpening::voiceReadsTheNumbers_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("voice");
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("number");
    // The item that "avanti" or the words/digits switch brings next.
    QTest::addColumn<int>("next");
    const struct
    {
        const char *file;
        const char *voice;
    } languages[] = {{"Italiano", "Italian"}, {"English", "English"}, {"Français", "French"},
                     {"Deutsch", "German"},   {"Español", "Spanish"}, {"Shqip", "Albanian"}};
    // Each family's windows by range; each language takes a range in turn.
    const char *families[][5] = {{"Form4", "Form99a", "Form999a", "F9999a", "Periodo1"},
                                 {"Form4sem", "Form99sem", "Form999sem", "F9999SEM", "Periodo1SEM"},
                                 {"Form6", "Form99b", "Form999b", "F9999b", "Periodo2"},
                                 {"Form5", "Form99b1", "Form999b1", "F9999c", "Periodo3"}};
    const int numbers[][2] = {{7, 3}, {47, 21}, {305, 999}, {4025, 9999}, {205016, 120345}};
    for (int l = 0; l < 6; ++l) {
        for (const auto &family : families) {
            const int range = l % 5;
            const QString window = QString::fromLatin1(family[range]);
            QTest::addRow("%s %s", family[range], languages[l].voice)
                << QString::fromUtf8(languages[l].file) << QString::fromLatin1(languages[l].voice) << window
                << numbers[range][0] << numbers[range][1];
        }
    }
}

// What the voice reads in each kind of window and when, in each language:
// a build window its target as it comes, again when clicked, and the
// number built right; a write window only the number answered right.
void TestExerciseOpening::voiceReadsTheNumbers()
{
    QFETCH(QString, language);
    QFETCH(QString, voice);
    QFETCH(QString, window);
    QFETCH(int, number);
    QFETCH(int, next);
    test::TestRun run;
    SingleInstance instance(run.lockPath());
    Form *menu = test::startProgramWithVoice(run, instance, language);
    QVERIFY(menu);
    const auto route = std::find_if(FormMenu::routes().begin(), FormMenu::routes().end(),
                                    [&](const FormMenu::Route &r) { return window == QLatin1String(r.form); });
    test::ScriptedRnd &rnd = test::installScriptedRnd();
    test::scriptItem(rnd, window, number);
    auto *form = qobject_cast<ExerciseForm *>(test::openRoute(menu, {QString::fromLatin1(route->button), window}));
    QVERIFY(form);
    const test::RecordingSpeech &speech = *run.fakes.speech;
    const QString first = QString::number(number) + u'/' + voice;
    const QString second = QString::number(next) + u'/' + voice;

    if (qobject_cast<ReadBeadsForm *>(form)) {
        // The beads' number is the answer: heard only once it is given.
        test::answerWrong(form);
        QCOMPARE(speech.heard(), QStringList());
        test::answerRight(form);
        QCOMPARE(speech.heard(), QStringList{first});
        test::scriptItem(rnd, window, next);
        test::clickControl(form, QStringLiteral("BottoneAvanti"));
        QCOMPARE(shared().NumeroACaso, next);
        QCOMPARE(speech.heard(), QStringList{first});
    } else {
        QCOMPARE(speech.heard(), QStringList{first});
        test::clickTarget(form);
        QCOMPARE(speech.heard(), QStringList({first, first}));
        test::answerWrong(form);
        test::answerRight(form);
        QCOMPARE(speech.heard(), QStringList({first, first, first}));
        // Switching to digits shows a new target, heard at once.
        test::scriptItem(rnd, window, next);
        test::chooseMenu(form, qobject_cast<BuildForm *>(form)->buildRow().menuCifre);
        QCOMPARE(speech.heard(), QStringList({first, first, first, second}));
        test::clickTarget(form);
        QCOMPARE(speech.heard().size(), 5);
        QCOMPARE(speech.heard().last(), second);
    }
    QVERIFY(test::leaveWindow(form, *run.fakes.messages));
}

QTEST_MAIN(TestExerciseOpening)
#include "test_exerciseopening.moc"
