#pragma once

// What a pupil does with the program, for the tests that run it whole:
// start it, open windows through the main menu, click, type, press keys,
// touch, answer an item right or wrong, leave a window by "Esci".

#include "TestSupport.h"

#include "app/SingleInstance.h"
#include "exercise/engine/ExerciseForm.h"
#include "ui/Control.h"
#include "ui/Form.h"

#include <QString>
#include <qnamespace.h>

#include <functional>
#include <vector>

namespace ortix {
class BuildForm;
class Formortix;
class ReadBeadsForm;
} // namespace ortix

namespace ortix::test {

// One button of the main menu and the window it opens.
struct MenuRoute
{
    QString button;
    QString form;
};

// Every button of the main menu that opens a window, in the menu's order.
std::vector<MenuRoute> registeredRoutes();
// The free frame's button in the main menu.
extern const MenuRoute kFreeFrame;

// Starts the program (Main) and presses "Avvio": the main menu, or none.
ui::Form *startProgram(SingleInstance &instance);
// Presses the menu button of a route: the window it opened, or none.
ui::Form *openRoute(ui::Form *menu, const MenuRoute &route);
// "Esci" answered Yes: the main menu that replaced the window.
ui::Form *leaveWindow(ui::Form *window, RecordingMessageBoxes &messages);

// A fresh run (shipped language files, unless `prepare` fills the folder
// otherwise) with the program started and "Avvio" pressed: `menu` is the
// main menu, or none.
struct ProgramRun
{
    explicit ProgramRun(const std::function<void(TestRun &)> &prepare = {});
    TestRun run;
    SingleInstance instance;
    ui::Form *menu = nullptr;
};

// Opens every window of the menu in turn, lets `work` use it and leaves it
// by "Esci"; `menu` follows. Stops at the first failed check.
void visitEveryWindow(ui::Form *&menu, RecordingMessageBoxes &messages, const std::function<void(ui::Form *)> &work);
// Works a window a little, and checks that it answered: in an exercise a
// wrong answer, then a right one (1 right, 1 wrong); in the free frame
// three beads on the first rod and one off (2 shown).
void workWindow(ui::Form *window);

void leftClick(ui::Control *control);
// Ticks or clears a check box by a click on its square.
void clickCheckBox(ui::Control *box);
// Clicks a build window's target where the pupil sees it: its label, or
// in Picture1 the first part of it that holds text.
void clickTarget(ui::Form *form);
// Chooses a menu item, as clicking it does.
void chooseMenu(ui::Form *form, const QString &name, int index = -1);
// Chooses the language of this caption in the main menu's language menu.
void chooseLanguage(ui::Form *menu, const QString &caption);
// The item of the language menu with this caption; -1 when there is none.
int languageItem(ui::Form *menu, const QString &caption);
// Picks an option of the open maximum chooser, clicking its round button;
// chooseMaximum opens the chooser by its menu first.
void pickMaximumOption(ui::Form *form, int option);
void chooseMaximum(ui::Form *form, int option);

// Keys as a keyboard delivers them: on a widget, or on a control that takes
// the focus first (Space, Up, "+", Down, Delete ...). typeText types every
// character (any character, not only ASCII).
void pressKey(QWidget *widget, Qt::Key key, const QString &text = QString());
void pressKey(ui::Control *control, Qt::Key key, const QString &text = QString());
void typeText(QWidget *box, const QString &text);
inline void pressEnter(QWidget *widget) { pressKey(widget, Qt::Key_Return, QStringLiteral("\r")); }
inline void pressBackspace(QWidget *box) { pressKey(box, Qt::Key_Backspace, QStringLiteral("\b")); }

// A finger's tap, or (`held`) a touch held until it is taken (longer than
// ui::TouchSteps::kHoldMilliseconds), on a rod's button or the rod itself.
void touch(ui::Control *control, bool held = false);

// The text with the blanks at its ends removed (only blanks).
QString withoutOuterBlanks(const QString &text);

// Empties the frame by "Ricomincia" and puts on each rod the beads of
// `number`: by clicks under the rods, or by Space on the focused buttons.
void buildNumber(BuildForm *form, qint32 number);
void buildNumberByKeys(BuildForm *form, qint32 number);

// The answer a pupil who reads the beads right writes: the words in the
// number-word language, upper case letter by letter, or the digits, in
// threes with the locale's separator where the window wants them so.
QString rightAnswer(const ReadBeadsForm &form);

// The beads shown on one rod, counted from the bottom; -1 when a shown bead
// stands above a hidden one.
int beadRun(const ui::Form &form, const QString &suffix);
// The number the shown beads make, -1 when a rod has a gap.
qint32 beadsNumber(const ExerciseForm &form);

// Answers the present item as a pupil: "avanti" first when the item is
// already answered, then builds or writes the number (right) or a number
// one away from it (wrong) and confirms.
void answer(ExerciseForm *form, bool right);
inline void answerRight(ExerciseForm *form) { answer(form, true); }
inline void answerWrong(ExerciseForm *form) { answer(form, false); }

// The free frame: the rods shown, the beads shown on rod r (1 to 6) counted
// from the bottom (-1 when a shown bead stands above a hidden one), clicks
// under a rod, and the panel set with its scroll bars' arrows, then
// "Conferma" (beads per rod as the scroll position: 11 is 18 beads).
int frameRodsShown(const Formortix &frame);
int frameBeadRun(const Formortix &frame, int rod);
void clickFrameRod(Formortix &frame, int rod, Qt::MouseButton button, int times = 1);
void configureFrame(Formortix &frame, int rods, int beadsPosition);
// Clicks the left or right arrow of one of the panel's scroll bars.
void scrollArrow(Formortix &frame, const char *bar, bool right, int times = 1);

// Starts the program with the shipped language files, `language` as the
// chosen one, presses "Avvio" and ticks the voice in the main menu: the
// menu, or none.
ui::Form *startProgramWithVoice(const TestRun &run, SingleInstance &instance, const QString &language);

// Clicks a control of a window by its name (a button, a menu's check box
// ...), and clicks under a rod of an exercise window, by its place's suffix.
inline void clickControl(ui::Form *form, const QString &name, int index = -1) { leftClick(form->control(name, index)); }
void clickRod(ui::Form *form, const QString &suffix, Qt::MouseButton button = Qt::LeftButton, int times = 1);

// The checks scored so far, "right/wrong" (3/1).
QString scored();

} // namespace ortix::test
