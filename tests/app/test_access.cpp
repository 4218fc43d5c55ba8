// Every window without a mouse: what a screen reader finds through
// QAccessible (names, roles, the beads on each rod, texts in the current
// language), and the keys, touches and accessibility actions that put beads
// on and take them off as the mouse's buttons do.

#include "PupilHands.h"
#include "TestSupport.h"

#include "app/SingleInstance.h"
#include "base/SharedState.h"
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
        problems << QStringLiteral("%1: role %2, name \"%3\"").arg(form->name()).arg(int(window->role())).arg(window->text(QAccessible::Name));
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

// A rod of a window: its line, the button under it where the pupil puts
// beads on (none in the read windows), the beads shown and the most it holds.
struct Rod
{
    Control *line;
    Control *button;
    int beads;
    int full;
};

std::vector<Rod> rodsOf(Form *form)
{
    std::vector<Rod> rods;
    if (auto *exercise = qobject_cast<ExerciseForm *>(form)) {
        for (Place place : exercise->palline().layout().places) {
            rods.push_back({exercise->palline().rod(place), form->control(QStringLiteral("Bot_") + suffixOf(place)),
                            test::beadRun(*exercise, suffixOf(place)), 9});
        }
    } else if (auto *frame = qobject_cast<Formortix *>(form)) {
        for (int r = frame->NumeroFili(); r >= 1; --r) {
            rods.push_back({frame->control(QStringLiteral("FiloOrtix"), r), frame->control(QStringLiteral("Command2"), r),
                            test::frameBeadRun(*frame, r), frame->PallinePerFilo()});
        }
    }
    return rods;
}

} // namespace

class TestAccess : public QObject
{
    Q_OBJECT

private slots:
    void everyWindowAsAScreenReaderFindsIt();
    void namesFollowTheLanguage();
    void keysTouchesAndActionsDoWhatTheButtonsDo();
};

// One pass over the start window, the menu and every window it opens.
void TestAccess::everyWindowAsAScreenReaderFindsIt()
{
    test::ProgramRun program;
    auto &[run, instance, menu] = program;
    QVERIFY(menu);
    // (That the twenty exercise buttons are told apart by their names:
    // access_under_atspi, through the real accessibility bus.)
    QStringList problems = problemsOf(menu);
    test::visitEveryWindow(menu, *run.fakes.messages, [&problems](Form *form) {
        // Two beads on and one off each rod, by keys on its button.
        for (const Rod &rod : rodsOf(form)) {
            if (rod.button) {
                test::pressKey(rod.button, Qt::Key_Up);
                test::pressKey(rod.button, Qt::Key_Plus, QStringLiteral("+"));
                test::pressKey(rod.button, Qt::Key_Down);
            }
        }
        problems << problemsOf(form);
        // Each rod tells the beads it shows, and the most it holds.
        for (const Rod &rod : rodsOf(form)) {
            QAccessibleValueInterface *value = accessibleOf(rod.line)->valueInterface();
            QVERIFY2(value && value->currentValue().toInt() == rod.beads && value->maximumValue().toInt() == rod.full,
                     qPrintable(rod.line->name()));
            QVERIFY2(!rod.button || rod.beads == 1, qPrintable(form->name()));
        }
        if (auto *labelled = qobject_cast<LabelledBuildForm *>(form)) {
            // Each coloured part tells its place; the black joiner has none.
            for (const ColouredText &part : labelled->shownParts()) {
                for (Control *label : form->controlArray(QStringLiteral("EtichettaNumero"))) {
                    if (label->caption() == part.text && !part.text.isEmpty() && part.part != TargetPart::Joiner) {
                        QVERIFY2(!accessibleOf(label)->text(QAccessible::Description).isEmpty(), qPrintable(part.text));
                    }
                }
            }
        }
        // The free frame's panel, the maximum chooser.
        for (const char *panel : {"mnuConfigura", "mnuMassimo"}) {
            if (form->control(QString::fromLatin1(panel))) {
                test::chooseMenu(form, QString::fromLatin1(panel));
                problems << problemsOf(form);
            }
        }
        if (qobject_cast<Formortix *>(form)) {
            test::leftClick(form->control(QStringLiteral("Command1")));
        } else if (form->control(QStringLiteral("mnuMassimo"))) {
            test::pickMaximumOption(form, 8);
        }
    });
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
}

void TestAccess::namesFollowTheLanguage()
{
    test::ProgramRun program;
    auto &[run, instance, menu] = program;
    QVERIFY(menu);
    test::chooseLanguage(menu, QStringLiteral("English"));
    QCOMPARE(accessibleOf(menu->control(QStringLiteral("Command9")))->text(QAccessible::Name),
             menu->control(QStringLiteral("Command9"))->caption().simplified() + QStringLiteral(", tens"));

    auto *form = qobject_cast<LabelledBuildForm *>(test::openRoute(menu, {QStringLiteral("Command6"), QStringLiteral("Form99sem")}));
    QVERIFY(form);
    test::pressKey(form->control(QStringLiteral("Bot_da")), Qt::Key_Space, QStringLiteral(" "));
    const QStringList read = {accessibleOf(form->palline().rod(Place::da))->text(QAccessible::Name),
                              accessibleOf(form->control(QStringLiteral("Bot_da")))->text(QAccessible::Name),
                              accessibleOf(form->control(QStringLiteral("ComandoIconaSi")))->text(QAccessible::Name),
                              accessibleOf(form->control(QStringLiteral("EtichettaNumero"), 2))->text(QAccessible::Description)};
    QCOMPARE(read, QStringList({"tens", "tens, beads: 1", "Right answer", "units"}));
    QCOMPARE(accessibleOf(form->control(QStringLiteral("ComandoIconaNo")))->role(), QAccessible::AlertMessage);
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

void TestAccess::keysTouchesAndActionsDoWhatTheButtonsDo()
{
    test::ProgramRun program;
    auto &[run, instance, menu] = program;
    QVERIFY(menu);
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
    test::touch(hundreds);
    test::touch(hundreds);
    QCOMPARE(test::frameBeadRun(*frame, 3), 2);
    test::touch(hundreds, true);
    QCOMPARE(test::frameBeadRun(*frame, 3), 1);
    // The mouse still adds one bead a click.
    test::leftClick(hundreds);
    QCOMPARE(test::frameBeadRun(*frame, 3), 2);

    menu = test::leaveWindow(frame, *run.fakes.messages);
    auto *build = qobject_cast<BuildForm *>(test::openRoute(menu, {QStringLiteral("Command9"), QStringLiteral("Form99a")}));
    QVERIFY(build);
    Control *buttonU = build->control(QStringLiteral("Bot_u"));
    test::touch(buttonU);
    QCOMPARE(build->palline().count(Place::u), 1);
    test::touch(buttonU, true);
    QCOMPARE(build->palline().count(Place::u), 0);
    QVERIFY(static_cast<WrapButton *>(buttonU->widget())->holdCueShown());
    // The rod itself takes a finger too (the mouse passes through it).
    LineControl *rodDa = build->palline().rod(Place::da);
    test::touch(rodDa);
    test::touch(rodDa);
    QCOMPARE(build->palline().count(Place::da), 2);
    test::touch(rodDa, true);
    QCOMPARE(build->palline().count(Place::da), 1);
    QVERIFY(rodDa->holdCueShown());
    // Other buttons take a tap as the click the platform makes of it.
    test::touch(build->control(QStringLiteral("Bot_ricomincia")));
    QCOMPARE(build->palline().count(Place::da), 0);
    // A whole item by keys alone: the beads, then "Conferma" with Enter.
    test::buildNumberByKeys(build, shared().NumeroACaso);
    test::pressKey(build->control(QStringLiteral("BottoneConferma")), Qt::Key_Return, QStringLiteral("\r"));
    QCOMPARE(test::scored(), QStringLiteral("1/0"));

    // Assistive technology waits for its action to return: a question the
    // action leads to is asked after it has returned, never inside it.
    menu = test::leaveWindow(build, *run.fakes.messages);
    build = qobject_cast<BuildForm *>(test::openRoute(menu, {QStringLiteral("Command4"), QStringLiteral("Periodo1")}));
    QVERIFY(build);
    QAccessibleInterface *button = accessibleOf(build->control(QStringLiteral("Bot_dak")));
    button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(build->palline().count(Place::dak), 1);
    QAccessibleInterface *rod = accessibleOf(build->palline().rod(Place::dak));
    QCOMPARE(rod->role(), QAccessible::Slider);
    rod->actionInterface()->doAction(QAccessibleActionInterface::increaseAction());
    QTRY_COMPARE(build->palline().count(Place::dak), 2);
    rod->valueInterface()->setCurrentValue(5);
    QTRY_COMPARE(test::beadRun(*build, QStringLiteral("dak")), 5);
    QCOMPARE(rod->valueInterface()->currentValue().toInt(), 5);
    // (A menu item's action that leads to a question: access_under_atspi
    // leaves its windows by "Esci" through the real bus.)
}

QTEST_MAIN(TestAccess)
#include "test_access.moc"
