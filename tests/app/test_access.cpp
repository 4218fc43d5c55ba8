// Every window without a mouse: what a screen reader finds through
// QAccessible (names, roles, the beads on each rod, texts in the current
// language), and the keys, touches and accessibility actions that put beads
// on and take them off as the mouse's buttons do.

#include "PupilHands.h"
#include "TestSupport.h"

#include "app/SharedState.h"
#include "app/SingleInstance.h"
#include "exercise/families/BuildForm.h"
#include "exercise/families/LabelledBuildForm.h"
#include "frame/Formortix.h"
#include "lang/LanguageSupport.h"
#include "ui/Forms.h"
#include "ui/MenuControl.h"
#include "ui/PaintedControls.h"
#include "ui/WidgetControls.h"

#include <QAccessible>
#include <QAction>
#include <QSet>
#include <QTest>

#include <functional>

using namespace ortix;
using namespace ortix::ui;

namespace {

QAccessibleInterface *accessibleOf(Control *control)
{
    return QAccessible::queryAccessibleInterface(control->widget());
}

void walk(QAccessibleInterface *node, const std::function<void(QAccessibleInterface *)> &visit)
{
    visit(node);
    for (int i = 0; i < node->childCount(); ++i) {
        if (QAccessibleInterface *child = node->child(i)) {
            walk(child, visit);
        }
    }
}

// What a pupil can use: it takes the focus, holds a value, or has an action
// besides taking the focus.
bool pupilUses(QAccessibleInterface *node)
{
    if (node->state().invisible) {
        return false;
    }
    if (node->state().focusable || node->valueInterface()) {
        return true;
    }
    QAccessibleActionInterface *actions = node->actionInterface();
    if (!actions) {
        return false;
    }
    QStringList names = actions->actionNames();
    names.removeAll(QAccessibleActionInterface::setFocusAction());
    return !names.isEmpty();
}

// The window as a screen reader finds it: a window named by its caption,
// every control the pupil uses named, no control of the design left a
// nameless filler. Problems are listed, not stopped at.
QStringList problemsOf(Form *form)
{
    QStringList problems;
    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(form);
    if (window->role() != QAccessible::Window || window->text(QAccessible::Name) != form->caption()) {
        problems << QStringLiteral("%1: role %2, name \"%3\"")
                        .arg(form->name())
                        .arg(int(window->role()))
                        .arg(window->text(QAccessible::Name));
    }
    walk(window, [&](QAccessibleInterface *node) {
        const QString what = QStringLiteral("%1/%2").arg(form->name(), node->object() ? node->object()->objectName() : QString());
        if (pupilUses(node) && node->text(QAccessible::Name).trimmed().isEmpty()) {
            problems << what + QStringLiteral(": no name");
        }
        const bool designed = node->object() && node->object()->property("ortixControl").isValid();
        if (designed && !node->state().invisible && node->role() == QAccessible::Client) {
            problems << what + QStringLiteral(": a filler");
        }
    });
    return problems;
}

// The rods of a window: the rod's control and the beads shown on it.
struct RodSeen
{
    Control *rod;
    int beads;
};

std::vector<RodSeen> rodsOf(Form *form)
{
    std::vector<RodSeen> rods;
    if (auto *exercise = qobject_cast<ExerciseForm *>(form)) {
        for (Place place : exercise->palline().layout().places) {
            rods.push_back({exercise->palline().rod(place), test::beadRun(*exercise, place)});
        }
    } else if (auto *frame = qobject_cast<Formortix *>(form)) {
        for (int r = 1; r <= frame->NumeroFili(); ++r) {
            rods.push_back({frame->control(QStringLiteral("FiloOrtix"), r), test::frameBeadRun(*frame, r)});
        }
    }
    return rods;
}

// The buttons under the rods, where the pupil puts beads on.
std::vector<Control *> rodButtonsOf(Form *form)
{
    std::vector<Control *> buttons;
    if (auto *builder = qobject_cast<BuildForm *>(form)) {
        for (Place place : builder->palline().layout().places) {
            buttons.push_back(builder->control(QStringLiteral("Bot_") + suffixOf(place)));
        }
    } else if (auto *frame = qobject_cast<Formortix *>(form)) {
        for (int r = frame->NumeroFili(); r >= 1; --r) {
            buttons.push_back(frame->control(QStringLiteral("Command2"), r));
        }
    }
    return buttons;
}

QString rodValues(Form *form)
{
    QStringList seen;
    for (const RodSeen &rod : rodsOf(form)) {
        QAccessibleValueInterface *value = accessibleOf(rod.rod)->valueInterface();
        seen << QStringLiteral("%1=%2/%3")
                    .arg(rod.beads)
                    .arg(value ? value->currentValue().toInt() : -1)
                    .arg(value ? value->maximumValue().toInt() : -1);
    }
    return seen.join(u' ');
}

QString expectedRodValues(Form *form)
{
    QStringList expected;
    const int full = qobject_cast<Formortix *>(form) ? qobject_cast<Formortix *>(form)->PallinePerFilo() : 9;
    for (const RodSeen &rod : rodsOf(form)) {
        expected << QStringLiteral("%1=%1/%2").arg(rod.beads).arg(full);
    }
    return expected.join(u' ');
}

} // namespace

class TestAccess : public QObject
{
    Q_OBJECT

private slots:
    void everyWindowAsAScreenReaderFindsIt();
    void namesFollowTheLanguage();
    void keysAndTouchesDoWhatTheButtonsDo();
    void accessibilityActionsReturnAtOnce();
};

// One pass over the start window, the menu and every window it opens.
void TestAccess::everyWindowAsAScreenReaderFindsIt()
{
    test::TestRun run;
    run.copyShippedLanguageFiles();
    SingleInstance instance(run.lockPath());
    Form *menu = test::startProgram(instance);
    QVERIFY(menu);
    QStringList problems = problemsOf(menu);
    // The twenty exercise buttons are told apart by their names.
    QSet<QString> names;
    for (const test::MenuRoute &route : test::registeredRoutes()) {
        names.insert(accessibleOf(menu->control(route.button))->text(QAccessible::Name));
    }
    QCOMPARE(names.size(), int(test::registeredRoutes().size()));
    QVERIFY(names.contains(QStringLiteral("inserisci le palline - 1, decine")));

    for (const test::MenuRoute &route : test::registeredRoutes()) {
        Form *form = test::openRoute(menu, route);
        QVERIFY2(form, qPrintable(route.form));
        // Two beads on and one off each rod, by keys on its button.
        for (Control *button : rodButtonsOf(form)) {
            test::pressKey(button, Qt::Key_Up);
            test::pressKey(button, Qt::Key_Plus, QStringLiteral("+"));
            test::pressKey(button, Qt::Key_Down);
        }
        problems << problemsOf(form);
        QCOMPARE(rodValues(form), expectedRodValues(form));
        for (const RodSeen &rod : rodsOf(form)) {
            QVERIFY2(rodButtonsOf(form).empty() || rod.beads == 1, qPrintable(route.form));
        }
        if (auto *labelled = qobject_cast<LabelledBuildForm *>(form)) {
            // Each coloured part tells its place; the black joiner has none.
            for (const ColouredText &part : labelled->shownParts()) {
                Control *label = nullptr;
                for (Control *candidate : form->controlArray(QStringLiteral("EtichettaNumero"))) {
                    if (candidate->caption() == part.text && !part.text.isEmpty()) {
                        label = candidate;
                    }
                }
                if (label && part.part != TargetPart::Joiner) {
                    QVERIFY2(!accessibleOf(label)->text(QAccessible::Description).isEmpty(), qPrintable(part.text));
                }
            }
        }
        if (qobject_cast<Formortix *>(form)) {
            test::chooseMenu(form, QStringLiteral("mnuConfigura"));
            problems << problemsOf(form);
            test::leftClick(form->control(QStringLiteral("Command1")));
        }
        if (form->control(QStringLiteral("mnuMassimo"))) {
            test::chooseMenu(form, QStringLiteral("mnuMassimo"));
            problems << problemsOf(form);
            test::pickMaximumOption(form, 8);
        }
        menu = test::leaveWindow(form, *run.fakes.messages);
        QVERIFY(menu);
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
}

void TestAccess::namesFollowTheLanguage()
{
    test::TestRun run;
    run.copyShippedLanguageFiles();
    SingleInstance instance(run.lockPath());
    Form *menu = test::startProgram(instance);
    QVERIFY(menu);
    test::chooseMenu(menu, QStringLiteral("mnuLanguage"), test::languageItem(menu, QStringLiteral("English")));
    QCOMPARE(accessibleOf(menu->control(QStringLiteral("Command9")))->text(QAccessible::Name),
             menu->control(QStringLiteral("Command9"))->caption().simplified() + QStringLiteral(", tens"));

    auto *form = qobject_cast<LabelledBuildForm *>(test::openRoute(menu, {QStringLiteral("Command6"), QStringLiteral("Form99sem")}));
    QVERIFY(form);
    QCOMPARE(accessibleOf(form->palline().rod(Place::da))->text(QAccessible::Name), QStringLiteral("tens"));
    test::pressKey(form->control(QStringLiteral("Bot_da")), Qt::Key_Space, QStringLiteral(" "));
    QCOMPARE(accessibleOf(form->control(QStringLiteral("Bot_da")))->text(QAccessible::Name), QStringLiteral("tens, beads: 1"));
    QCOMPARE(accessibleOf(form->control(QStringLiteral("ComandoIconaSi")))->text(QAccessible::Name),
             QStringLiteral("Right answer"));
    QCOMPARE(accessibleOf(form->control(QStringLiteral("ComandoIconaNo")))->role(), QAccessible::AlertMessage);
    QCOMPARE(accessibleOf(form->control(QStringLiteral("EtichettaNumero"), 2))->text(QAccessible::Description),
             QStringLiteral("units"));
    // A counter is labelled by its title and read with it.
    QAccessibleInterface *right = accessibleOf(form->control(QStringLiteral("EtichettaEsatti")));
    const auto labels = right->relations(QAccessible::Label);
    QCOMPARE(labels.size(), 1);
    QCOMPARE(labels.front().first->object(), form->control(QStringLiteral("LabelEST"))->widget());
    QCOMPARE(right->text(QAccessible::Name), form->control(QStringLiteral("LabelEST"))->caption() + QStringLiteral(" 0"));
    test::answerRight(form);
    QCOMPARE(right->text(QAccessible::Name), form->control(QStringLiteral("LabelEST"))->caption() + QStringLiteral(" 1"));
    // The picture of the answer is read with the score.
    QCOMPARE(accessibleOf(form->control(QStringLiteral("ComandoIconaSi")))->text(QAccessible::Description),
             right->text(QAccessible::Name) + QStringLiteral(", ")
                 + accessibleOf(form->control(QStringLiteral("EtichettaErrati")))->text(QAccessible::Name));

    // Back in Italian, an open window names its rods anew.
    menu = test::leaveWindow(form, *run.fakes.messages);
    Form *frame = test::openRoute(menu, test::kFreeFrame);
    QCOMPARE(accessibleOf(frame->control(QStringLiteral("FiloOrtix"), 2))->text(QAccessible::Name), QStringLiteral("tens"));
    shared().MLSCurrentLanguage = QStringLiteral("Italiano");
    emit frame->languageChanged();
    QCOMPARE(accessibleOf(frame->control(QStringLiteral("FiloOrtix"), 2))->text(QAccessible::Name), QStringLiteral("decine"));
    QCOMPARE(accessibleOf(frame->control(QStringLiteral("Command2"), 2))->text(QAccessible::Name),
             QStringLiteral("decine, palline: 0"));
}

void TestAccess::keysAndTouchesDoWhatTheButtonsDo()
{
    test::TestRun run;
    run.copyShippedLanguageFiles();
    SingleInstance instance(run.lockPath());
    Form *menu = test::startProgram(instance);
    auto *frame = qobject_cast<Formortix *>(test::openRoute(menu, test::kFreeFrame));
    QVERIFY(frame);
    Control *tens = frame->control(QStringLiteral("Command2"), 2);
    const struct
    {
        Qt::Key key;
        const char *text;
        int beads;
    } keys[] = {{Qt::Key_Space, " ", 1}, {Qt::Key_Return, "\r", 2}, {Qt::Key_Up, "", 3},     {Qt::Key_Plus, "+", 4},
                {Qt::Key_Down, "", 3},   {Qt::Key_Minus, "-", 2},  {Qt::Key_Delete, "", 1}, {Qt::Key_Backspace, "\b", 0}};
    for (const auto &k : keys) {
        test::pressKey(tens, k.key, QString::fromLatin1(k.text));
        QCOMPARE(test::frameBeadRun(*frame, 2), k.beads);
    }
    QCOMPARE(run.fakes.sounds->played.size(), 8);
    QVERIFY(run.fakes.sounds->played.first().endsWith(QStringLiteral("pop1.wav")));
    QVERIFY(run.fakes.sounds->played.last().endsWith(QStringLiteral("blip01.wav")));
    // An empty rod, then a full one: the free frame's messages.
    test::pressKey(tens, Qt::Key_Down);
    QCOMPARE(run.fakes.messages->shown.back().text, lang::MLSGetString(QStringLiteral("0027")));
    for (int i = 0; i <= frame->PallinePerFilo(); ++i) {
        test::pressKey(tens, Qt::Key_Up);
    }
    QCOMPARE(run.fakes.messages->shown.back().text, lang::MLSGetString(QStringLiteral("0026")));
    QCOMPARE(test::frameBeadRun(*frame, 2), frame->PallinePerFilo());

    // A tap adds a bead, a held touch takes one off and shows that it was taken.
    // (The hundreds: the headless screen is smaller than the window.)
    Control *hundreds = frame->control(QStringLiteral("Command2"), 3);
    test::tap(hundreds);
    test::tap(hundreds);
    QCOMPARE(test::frameBeadRun(*frame, 3), 2);
    test::holdTouch(hundreds);
    QCOMPARE(test::frameBeadRun(*frame, 3), 1);
    // The mouse still adds one bead a click.
    test::leftClick(hundreds);
    QCOMPARE(test::frameBeadRun(*frame, 3), 2);

    menu = test::leaveWindow(frame, *run.fakes.messages);
    auto *build = qobject_cast<BuildForm *>(test::openRoute(menu, {QStringLiteral("Command9"), QStringLiteral("Form99a")}));
    QVERIFY(build);
    Control *buttonU = build->control(QStringLiteral("Bot_u"));
    test::tap(buttonU);
    QCOMPARE(build->palline().count(Place::u), 1);
    test::holdTouch(buttonU);
    QCOMPARE(build->palline().count(Place::u), 0);
    QVERIFY(static_cast<WrapButton *>(buttonU->widget())->holdCueShown());
    // The rod itself takes a finger too (the mouse passes through it).
    LineControl *rodDa = build->palline().rod(Place::da);
    test::tap(rodDa);
    test::tap(rodDa);
    QCOMPARE(build->palline().count(Place::da), 2);
    test::holdTouch(rodDa);
    QCOMPARE(build->palline().count(Place::da), 1);
    QVERIFY(rodDa->holdCueShown());
    // Other buttons take a tap as the click the platform makes of it.
    test::tap(build->control(QStringLiteral("Bot_ricomincia")));
    QCOMPARE(build->palline().count(Place::da), 0);
    // A whole item by keys alone: the beads, then "Conferma" with Enter.
    test::buildNumberByKeys(build, shared().NumeroACaso);
    test::pressKey(build->control(QStringLiteral("BottoneConferma")), Qt::Key_Return, QStringLiteral("\r"));
    QCOMPARE(shared().ConteggioEsatti, qint16(1));
    QCOMPARE(shared().ConteggioErrati, qint16(0));
}

// Assistive technology waits for its action to return: a question the
// action leads to is asked after it has returned, never inside it.
void TestAccess::accessibilityActionsReturnAtOnce()
{
    test::TestRun run;
    run.copyShippedLanguageFiles();
    SingleInstance instance(run.lockPath());
    Form *menu = test::startProgram(instance);
    auto *build = qobject_cast<BuildForm *>(test::openRoute(menu, {QStringLiteral("Command4"), QStringLiteral("Periodo1")}));
    QVERIFY(build);

    QAccessibleInterface *button = accessibleOf(build->control(QStringLiteral("Bot_dak")));
    button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(build->palline().count(Place::dak), 1);
    QAccessibleInterface *rod = accessibleOf(build->palline().rod(Place::dak));
    QCOMPARE(rod->role(), QAccessible::Slider);
    rod->actionInterface()->doAction(QAccessibleActionInterface::increaseAction());
    QTRY_COMPARE(build->palline().count(Place::dak), 2);
    rod->valueInterface()->setCurrentValue(5);
    QTRY_COMPARE(test::beadRun(*build, Place::dak), 5);
    QCOMPARE(rod->valueInterface()->currentValue().toInt(), 5);

    run.fakes.messages->shown.clear();
    run.fakes.messages->answers = {MsgAnswer::No};
    build->control(QStringLiteral("mnuEsci"))->action()->trigger();
    QVERIFY(run.fakes.messages->shown.empty());
    QTRY_COMPARE(run.fakes.messages->shown.size(), std::size_t(1));
    QCOMPARE(run.fakes.messages->shown[0].text, lang::MLSGetString(QStringLiteral("0001")));
    QCOMPARE(Forms::find(QStringLiteral("Periodo1")), build);
}

QTEST_MAIN(TestAccess)
#include "test_access.moc"
