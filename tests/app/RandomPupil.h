#pragma once

#include "PupilHands.h"
#include "PupilInvariants.h"
#include "TestSupport.h"

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>

#include <map>
#include <memory>
#include <optional>
#include <random>
#include <vector>

class QWidget;

namespace ortix {
class ExerciseForm;
class Formortix;
class ReadBeadsForm;
class SingleInstance;
namespace ui {
class TextBoxControl;
}
} // namespace ortix

namespace ortix::test {

class SketchPrinting;

// A pupil who uses the whole program at random, from a seed: starts it,
// opens windows through the menu, clicks anywhere within reach, types,
// presses Enter and Tab, chooses menu items, languages and maxima, answers
// the message boxes at random, resizes and minimises the window, closes it,
// and starts the program again when it has ended. Spells of working at the
// item (one step at a time towards the right answer) alternate with spells
// of playing about. After every event it checks what must always hold.
class RandomPupil : public QObject
{
public:
    struct WindowStats
    {
        int visits = 0;
        int events = 0;
        int right = 0;
        int wrong = 0;
    };

    // The program's folder is the run's; the program's lock (that keeps a
    // second instance out) lies at lockPath.
    RandomPupil(TestRun &run, quint32 seed, QString lockPath);
    ~RandomPupil() override;

    // Sends `count` events; a description of the first thing that went
    // wrong, or an empty text.
    QString run(int count);

    // What the pupil did, with qInfo: events by kind, and per window the
    // visits, events and checks scored.
    void report(qint64 milliseconds) const;

    const std::map<QString, WindowStats> &stats() const { return m_stats; }

private:
    // What the pupil's event must score: nothing, or one check (right or
    // wrong, when the pupil can tell).
    struct Expectation
    {
        bool check = false;
        std::optional<bool> right;
    };

    // Random choices -----------------------------------------------------

    void tally(const char *kind) { ++m_kinds[QString::fromLatin1(kind)]; }

    int below(int n) { return n <= 1 ? 0 : int(m_random() % quint32(n)); }
    bool chance(double p) { return (m_random() >> 8) * (1.0 / 16777216.0) < p; }

    // The program ------------------------------------------------------

    // Starts the program as a new process would; false when it refuses.
    bool startProgram();

    ui::Form *current() const;

    // A new window gets its score watched from its first moment.
    void followWindow();

    // One event ---------------------------------------------------------

    void act();

    // The pupil goes through spells of working at the item, when most
    // events lead towards the right answer, and spells of playing about.
    void actInExercise(ExerciseForm *form);

    void actInFrame(Formortix *frame);

    void actInMenu(ui::Form *menu);
    // The menu button of the window visited least so far.
    const test::MenuRoute &leastVisitedRoute();
    // The usual rest of a roll: a random click below `clicksBelow`, Enter
    // below `enterBelow`, a menu item above.
    void clickEnterOrMenu(ui::Form *form, int roll, int clicksBelow, int enterBelow);

    // The pupil drags the window's border, or minimises it and brings it
    // back; the platform tells the window afterwards, as it does.
    void reshape(ui::Form *form);

    // Clicks ---------------------------------------------------------------

    // Whether a pupil can reach the point of the control's widget: it is
    // the widget on top there.
    static bool reachable(QWidget *w, QPoint at);

    static bool clickable(const ui::Control *c);

    // How often the pupil goes for a control.
    static int weightOf(const ui::Control *c);

    // A point where the pupil clicks: anywhere in the middle of a button or
    // box, on the round or square mark of an option or a check box.
    QPoint pointIn(const ui::Control *c);

    // A click on a control within the pupil's reach; a menu item when there
    // is none.
    void randomClick(ui::Form *form);

    void chooseMenuItem(ui::Form *form);

    bool tryRandomClick(ui::Form *form);

    void click(ui::Control *c, Qt::MouseButton button, std::optional<QPoint> at = std::nullopt);

    // "Conferma" checks the beads: right exactly when they make the number.
    void expectConferma(ui::Form *form);

    // Keys -----------------------------------------------------------------

    ui::TextBoxControl *answerBox(ui::Form *form) const;

    void typeKey(ui::Form *form);

    void pressEnter(ui::Form *form);

    // Tab moves the keyboard focus on, so Enter reaches other controls.
    void pressTab(ui::Form *form);

    // Two quick clicks under a rod: two beads more, or two less.
    void doubleClickRod(ExerciseForm *form);

    // Enter on a box that holds text checks it; the pupil can tell right
    // from wrong when the rule is exact.
    void expectAnswer(ReadBeadsForm *reader);

    // Menus ------------------------------------------------------------

    bool tryMenuItem(ui::Form *form);

    // A pupil who knows the answer: one step towards it -----------------

    void guidedStep(ExerciseForm *form);

    void writeTowards(ReadBeadsForm *reader, ui::TextBoxControl *box);

    // After the event ------------------------------------------------------

    QString check();

    QString context() const;

    TestRun &m_run;
    std::mt19937 m_random;
    QString m_lockPath;
    std::unique_ptr<SingleInstance> m_instance;
    SketchPrinting *m_printing = nullptr;
    std::vector<MenuRoute> m_routes;

    QPointer<ui::Form> m_window;
    ExpectedScore m_score;
    std::vector<bool> m_emitted;
    Expectation m_expected;
    QString m_action;

    int m_event = 0;
    int m_ends = 0;
    int m_restarts = 0;
    bool m_diligent = true;
    std::map<QString, WindowStats> m_stats;
    std::map<QString, int> m_kinds;
};

} // namespace ortix::test
