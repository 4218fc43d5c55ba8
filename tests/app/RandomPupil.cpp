#include "RandomPupil.h"

#include "PupilHands.h"
#include "PupilInvariants.h"

#include "app/Main.h"
#include "app/SingleInstance.h"
#include "base/SharedState.h"
#include "exercise/families/BuildForm.h"
#include "exercise/families/ReadBeadsForm.h"
#include "frame/Formortix.h"
#include "ui/Forms.h"
#include "ui/MenuControl.h"
#include "ui/WidgetControls.h"

#include <QApplication>
#include <QPointer>
#include <QTest>

#include <optional>
#include <random>

namespace ortix::test {

using namespace ui;

namespace {

// Characters a pupil types: digits, letters, accented letters, "ß", marks.
const QString kKeys = QString::fromUtf8("0123456789012345678901234567890123456789"
                                        "abcdefghijklmnopqrstuvwxyzaeiouaeiou"
                                        "ABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                        "àèéìòùÀÈÉÌÒÙäöüÄÖÜßçñÑëË"
                                        "  '.,-");

// Whether a pupil can reach the control: shown, enabled, and not a shape,
// a line or a menu.
bool clickable(const Control *c)
{
    const ControlKind kind = c->kind();
    return kind != ControlKind::Shape && kind != ControlKind::Line && kind != ControlKind::Menu && c->widget()
        && c->widget()->isVisible() && c->widget()->isEnabled();
}

// Whether the point of the widget is within the pupil's reach: the widget
// is on top there.
bool reachable(QWidget *w, QPoint at)
{
    QWidget *top = w->window()->childAt(w->mapTo(w->window(), at));
    return top && (top == w || w->isAncestorOf(top));
}

// How often the pupil goes for a control, or for a menu item when `menu`;
// 0 for what is out of reach.
int weightOf(const Control *c, bool menu)
{
    if (menu) {
        const auto *item = qobject_cast<const MenuControl *>(c);
        const bool shown = item && !item->submenu() && item->action()->isVisible() && item->action()->isEnabled();
        // The pupil stays a while in a window before leaving it.
        return !shown ? 0 : item->name() == u"mnuEsci" ? 3 : 10;
    }
    if (!clickable(c)) {
        return 0;
    }
    if (c->name().startsWith(u"Bot_") || c->name() == u"Command2" || c->name() == u"BottoneConferma") {
        return 8;
    }
    const ControlKind kind = c->kind();
    const bool often = kind == ControlKind::CommandButton || kind == ControlKind::OptionButton
                       || kind == ControlKind::HScrollBar || kind == ControlKind::CheckBox;
    return often ? 3 : 1;
}

TextBoxControl *answerBoxOf(Form *form)
{
    for (Control *c : form->controls()) {
        if (auto *box = qobject_cast<TextBoxControl *>(c); box && clickable(box)) {
            return box;
        }
    }
    return nullptr;
}

class Pupil : public QObject
{
public:
    Pupil(TestRun &run, quint32 seed)
        : m_run(run)
        , m_random(seed)
    {
    }

    QString run(int count)
    {
        if (!startProgram()) {
            return QStringLiteral("the program did not start");
        }
        for (m_event = 1; m_event <= count; ++m_event) {
            m_run.fakes.messages->answers = {chance(0.5) ? MsgAnswer::Yes : MsgAnswer::No};
            m_emitted.clear();
            m_expected = Expectation{};
            act();
            flushDeletes();
            if (Forms::all().empty()) {
                if (m_run.fakes.end->ends != ++m_ends) {
                    return context() + QStringLiteral("every window vanished without the program ending");
                }
                if (!startProgram()) {
                    return context() + QStringLiteral("the program did not start again");
                }
            }
            if (const QString problem = check(); !problem.isEmpty()) {
                return context() + problem;
            }
            if (m_event % 250 == 0) {
                // What the screen would show meanwhile: paints, layouts.
                QCoreApplication::processEvents();
                m_run.fakes.messages->shown.clear();
                m_run.fakes.sounds->played.clear();
            }
        }
        return QString();
    }

    const std::map<QString, int> &visits() const { return m_visits; }

private:
    // What the pupil's event must score: nothing, or one check (right or
    // wrong, when the pupil can tell).
    struct Expectation
    {
        bool check = false;
        std::optional<bool> right;
    };

    int below(int n) { return n <= 1 ? 0 : int(m_random() % quint32(n)); }
    bool chance(double p) { return (m_random() >> 8) * (1.0 / 16777216.0) < p; }
    // Starts the program as a new process would: the shared values and the
    // unsaved choices are gone. False when it refuses.
    bool startProgram()
    {
        m_instance.reset();
        startAfresh();
        m_instance = std::make_unique<SingleInstance>(m_run.lockPath());
        const bool started = Main(*m_instance);
        flushDeletes();
        m_window = nullptr;
        followWindow();
        return started && current();
    }

    static Form *current() { return Forms::all().empty() ? nullptr : Forms::all().front(); }

    // A new window gets its score watched from its first moment.
    void followWindow()
    {
        Form *form = current();
        if (form == m_window) {
            return;
        }
        m_window = form;
        m_score = ExpectedScore{};
        if (form) {
            ++m_visits[form->name()];
        }
        if (auto *exercise = qobject_cast<ExerciseForm *>(form)) {
            connect(exercise, &ExerciseForm::scored, this, [this](bool right) { m_emitted.push_back(right); });
        }
    }

    // The pupil's moves, and how often the pupil makes each in a window.
    enum Move { Guided, Click, Key, TabOrEnter, DoubleClick, MenuItem, FrameRod, MenuButton };
    std::vector<int> movesIn(Form *form) const
    {
        if (qobject_cast<ExerciseForm *>(form)) {
            return m_diligent ? std::vector{80, 10, 3, 2, 0, 5, 0, 0} : std::vector{10, 38, 20, 8, 4, 20, 0, 0};
        }
        if (auto *frame = qobject_cast<Formortix *>(form)) {
            const bool panel = frame->control(QStringLiteral("Frame1"))->visible();
            return panel ? std::vector{0, 85, 0, 5, 0, 10, 0, 0} : std::vector{0, 45, 0, 5, 0, 10, 40, 0};
        }
        return form->name() == u"FormMenu" ? std::vector{0, 35, 0, 5, 0, 15, 0, 45} : std::vector{0, 1, 0, 0, 0, 0, 0, 0};
    }

    void act()
    {
        Form *form = current();
        m_action.clear();
        if (chance(0.0002)) {
            // The window's close button: the program's last window goes.
            m_action = QStringLiteral("close the window");
            form->close();
            return;
        }
        if (chance(0.003)) {
            reshape(form);
            return;
        }
        auto *exercise = qobject_cast<ExerciseForm *>(form);
        // Spells of working at the item, when most moves lead towards the
        // right answer, alternate with spells of playing about.
        if (exercise && chance(0.02)) {
            m_diligent = !m_diligent;
        }
        const std::size_t move = weighted(movesIn(form));
        switch (move) {
        case Guided:
            guidedStep(exercise);
            break;
        case Key:
            typeKey(form);
            break;
        case TabOrEnter:
            if (chance(0.3)) {
                m_action = QStringLiteral("Tab");
                pressKey(form->focusWidget() ? form->focusWidget() : form, Qt::Key_Tab, QStringLiteral("\t"));
            } else {
                enter(form);
            }
            break;
        case DoubleClick:
            doubleClickRod(exercise);
            break;
        case FrameRod: {
            auto *frame = qobject_cast<Formortix *>(form);
            const int rod = 1 + below(frame->NumeroFili());
            m_action = QStringLiteral("rod %1 of the free frame").arg(rod);
            click(frame->control(QStringLiteral("Command2"), rod), chance(0.6) ? Qt::LeftButton : Qt::RightButton);
            break;
        }
        case MenuButton: {
            const MenuRoute &route = leastVisitedRoute();
            m_action = QStringLiteral("menu button of ") + route.form;
            click(form->control(route.button), Qt::LeftButton);
            break;
        }
        default:
            clickOrMenu(form, move == MenuItem);
        }
    }

    // The menu button of the window visited least so far; ties go to the
    // first from a random start, so every window gets its turn.
    const MenuRoute &leastVisitedRoute()
    {
        const std::size_t start = std::size_t(below(int(m_routes.size())));
        std::size_t least = start;
        for (std::size_t i = 0; i < m_routes.size(); ++i) {
            const std::size_t at = (start + i) % m_routes.size();
            if (m_visits[m_routes[at].form] < m_visits[m_routes[least].form]) {
                least = at;
            }
        }
        return m_routes[least];
    }

    // The pupil drags the window's border, or minimises it and brings it
    // back; the platform tells the window afterwards, as it does.
    void reshape(Form *form)
    {
        if (form->isMinimized()) {
            m_action = QStringLiteral("restore the window");
            form->showNormal();
        } else if (chance(0.3)) {
            m_action = QStringLiteral("minimise the window");
            form->showMinimized();
        } else {
            const QRect screen = screenGeometry();
            const QSize size(screen.width() / 3 + below(screen.width() * 2 / 3),
                             screen.height() / 3 + below(screen.height() * 2 / 3));
            m_action = QStringLiteral("resize the window to %1 x %2").arg(size.width()).arg(size.height());
            form->resize(size);
        }
        QCoreApplication::processEvents();
    }

    // One of `weights` (not empty) at random, by its weight.
    std::size_t weighted(const std::vector<int> &weights)
    {
        return std::discrete_distribution<std::size_t>(weights.begin(), weights.end())(m_random);
    }

    // A click on a control within reach, or a menu item when the pupil goes
    // for the menu first; the other when there is none.
    void clickOrMenu(Form *form, bool menuFirst)
    {
        for (const bool menu : {menuFirst, !menuFirst}) {
            std::vector<Control *> candidates;
            std::vector<int> weights;
            for (Control *c : form->controls()) {
                if (const int weight = weightOf(c, menu); weight > 0) {
                    candidates.push_back(c);
                    weights.push_back(weight);
                }
            }
            for (int attempt = 0; attempt < 8 && !candidates.empty(); ++attempt) {
                if (reach(candidates[weighted(weights)], menu)) {
                    return;
                }
            }
        }
        m_action = QStringLiteral("nothing within reach");
    }

    // Chooses the menu item, or clicks anywhere in the middle of a button or
    // box, on the round or square mark of an option or a check box; false
    // when the point is out of reach.
    bool reach(Control *chosen, bool menu)
    {
        if (menu) {
            m_action = QStringLiteral("menu %1(%2) \"%3\"").arg(chosen->name()).arg(chosen->index()).arg(chosen->caption());
            static_cast<MenuControl *>(chosen)->trigger();
            return true;
        }
        const QSize size = chosen->widget()->size();
        const int y = size.height() / 4 + below(std::max(1, size.height() / 2));
        const bool mark = chosen->kind() == ControlKind::OptionButton || chosen->kind() == ControlKind::CheckBox;
        const QPoint point = mark ? QPoint(3 + below(std::max(1, std::min(10, size.width() - 3))), y)
                                  : QPoint(size.width() / 5 + below(std::max(1, size.width() * 3 / 5)), y);
        if (!reachable(chosen->widget(), point)) {
            return false;
        }
        const int roll = below(100);
        const Qt::MouseButton button = roll < 65 ? Qt::LeftButton : roll < 95 ? Qt::RightButton : Qt::MiddleButton;
        m_action = QStringLiteral("%1 click on %2(%3)").arg(buttonName(button), chosen->name()).arg(chosen->index());
        click(chosen, button, point);
        return true;
    }

    static const char *buttonName(Qt::MouseButton button)
    {
        return button == Qt::LeftButton ? "left" : button == Qt::RightButton ? "right" : "middle";
    }

    void click(Control *c, Qt::MouseButton button, std::optional<QPoint> at = std::nullopt)
    {
        if (button == Qt::LeftButton && c->name() == u"BottoneConferma" && c->enabled()) {
            expectConferma(c->form());
        }
        QTest::mouseClick(c->widget(), button, {}, at.value_or(c->widget()->rect().center()));
    }

    // "Conferma" checks the beads: right exactly when they make the number.
    void expectConferma(Form *form)
    {
        if (auto *exercise = qobject_cast<ExerciseForm *>(form)) {
            m_expected = Expectation{true, beadsNumber(*exercise) == shared().NumeroACaso};
        }
    }

    void typeKey(Form *form)
    {
        TextBoxControl *box = answerBoxOf(form);
        if (!box) {
            clickOrMenu(form, false);
        } else if (chance(0.08)) {
            m_action = QStringLiteral("Backspace");
            pressBackspace(box->lineEdit());
        } else {
            const QString key(kKeys.at(below(int(kKeys.size()))));
            m_action = QStringLiteral("typed \"%1\"").arg(key);
            typeText(box->lineEdit(), key);
        }
    }

    // Enter on the focused control, else on the answer box. Tab moves the
    // focus on, so Enter reaches other controls.
    void enter(Form *form)
    {
        Control *owner = answerBoxOf(form);
        for (Control *c : form->controls()) {
            owner = clickable(c) && c->widget() == form->focusWidget() ? c : owner;
        }
        if (!owner) {
            clickOrMenu(form, false);
            return;
        }
        if (owner->name() == u"BottoneConferma") {
            expectConferma(form);
        } else if (auto *reader = qobject_cast<ReadBeadsForm *>(form); reader && owner == reader->answerBox()) {
            expectAnswer(reader);
        }
        m_action = QStringLiteral("Enter on ") + owner->name();
        pressEnter(owner->widget());
    }

    // Two quick clicks under a rod: two beads more, or two less.
    void doubleClickRod(ExerciseForm *form)
    {
        const auto &places = form->palline().layout().places;
        Control *rod = form->control(QStringLiteral("Bot_") + suffixOf(places[std::size_t(below(int(places.size())))]));
        if (!rod) {
            clickOrMenu(form, false);
            return;
        }
        const Qt::MouseButton button = chance(0.6) ? Qt::LeftButton : Qt::RightButton;
        m_action = QStringLiteral("double %1 click on %2").arg(buttonName(button), rod->name());
        QTest::mouseDClick(rod->widget(), button);
    }

    // Enter on a box that holds text checks it; the pupil can tell right
    // from wrong when the rule is exact.
    void expectAnswer(ReadBeadsForm *reader)
    {
        const QString text = reader->answerBox()->text();
        const bool words = reader->readRow().answer == ReadAnswer::Words;
        const bool right = (words ? withoutOuterBlanks(text) : text) == rightAnswer(*reader);
        if (!text.isEmpty()) {
            m_expected = Expectation{true, words || right ? std::optional(right) : std::nullopt};
        }
    }

    // A pupil who knows the answer: one step towards it.
    void guidedStep(ExerciseForm *form)
    {
        if (Control *chooser = form->control(QStringLiteral("CorniceNumeroMassimo")); chooser && chooser->visible()) {
            Control *option = form->control(QStringLiteral("OpzioneNumeroMassimo"), below(9));
            m_action = QStringLiteral("maximum option %1").arg(option->index());
            click(option, Qt::LeftButton, QPoint(6, option->widget()->height() / 2));
            return;
        }
        if (auto *builder = qobject_cast<BuildForm *>(form)) {
            for (Place place : form->palline().layout().places) {
                const int digit = int(shared().NumeroACaso / valueOf(place) % 10);
                if (const int shown = beadRun(*form, suffixOf(place)); shown != digit) {
                    m_action = QStringLiteral("a bead %1 %2").arg(shown < digit ? "on" : "off", suffixOf(place));
                    click(builder->control(QStringLiteral("Bot_") + suffixOf(place)),
                          shown < digit ? Qt::LeftButton : Qt::RightButton);
                    return;
                }
            }
            if (Control *conferma = builder->control(QStringLiteral("BottoneConferma")); conferma->enabled()) {
                m_action = QStringLiteral("\"Conferma\" on the right beads");
                click(conferma, Qt::LeftButton);
                return;
            }
        } else if (auto *reader = qobject_cast<ReadBeadsForm *>(form); reader && reader->answerBox()->enabled()) {
            writeTowards(reader, reader->answerBox());
            return;
        }
        if (Control *avanti = form->control(QStringLiteral("BottoneAvanti")); avanti->enabled()) {
            m_action = QStringLiteral("\"avanti\"");
            click(avanti, Qt::LeftButton);
            return;
        }
        clickOrMenu(form, false);
    }

    void writeTowards(ReadBeadsForm *reader, TextBoxControl *box)
    {
        QLineEdit *edit = box->lineEdit();
        const QString right = rightAnswer(*reader);
        const QString text = edit->text();
        if (text == right || text.size() >= box->maxLength()) {
            expectAnswer(reader);
            m_action = QStringLiteral("Enter on the answer \"%1\"").arg(text);
            pressEnter(edit);
        } else if (edit->cursorPosition() != text.size()) {
            m_action = QStringLiteral("End");
            pressKey(edit, Qt::Key_End);
        } else if (right.startsWith(text)) {
            m_action = QStringLiteral("typed \"%1\" of the answer").arg(right.mid(text.size(), 1));
            typeText(edit, right.mid(text.size(), 1));
        } else {
            m_action = QStringLiteral("Backspace");
            pressBackspace(edit);
        }
    }

    // What must hold after the event.
    QString check()
    {
        Form *before = m_window;
        followWindow();
        Form *form = current();
        if (before != form && !m_emitted.empty()) {
            return QStringLiteral("a check was scored while the window changed");
        }
        if (m_expected.check != !m_emitted.empty() || m_emitted.size() > 1) {
            return QStringLiteral("%1 checks scored where %2 was due").arg(m_emitted.size()).arg(m_expected.check ? 1 : 0);
        }
        if (!m_emitted.empty()) {
            const bool right = m_emitted.front();
            if (m_expected.right && *m_expected.right != right) {
                return QStringLiteral("scored %1 for a %2 answer").arg(right ? "right" : "wrong", *m_expected.right ? "right" : "wrong");
            }
            ++(right ? m_score.right : m_score.wrong);
            m_score.lastRight = right;
        }
        if (m_action.startsWith(u"menu MenuAzzera")) {
            m_score.right = 0;
            m_score.wrong = 0;
        }
        QString problem = oneWindowOpen();
        if (problem.isEmpty()) {
            problem = backgroundHolds(*form);
        }
        if (!problem.isEmpty()) {
            return problem;
        }
        if (auto *exercise = qobject_cast<ExerciseForm *>(form)) {
            problem = exerciseHolds(*exercise, m_score);
        } else if (auto *frame = qobject_cast<Formortix *>(form)) {
            problem = freeFrameHolds(*frame);
        } else if (form->name() == u"FormMenu") {
            problem = menuHolds(*form);
        }
        if (problem.isEmpty() && m_event % 50 == 0) {
            // No window is left behind, shown or hidden.
            const auto tops = QApplication::topLevelWidgets();
            const auto windows = std::count_if(tops.begin(), tops.end(), [](QWidget *w) { return qobject_cast<Form *>(w); });
            problem = windows == 1 ? QString() : QStringLiteral("%1 windows exist").arg(windows);
        }
        return problem;
    }

    QString context() const
    {
        const QString window = m_window ? m_window->name() : QStringLiteral("no window");
        return QStringLiteral("event %1 (%2) in %3: ").arg(QString::number(m_event), m_action, window);
    }

    TestRun &m_run;
    std::mt19937 m_random;
    std::vector<MenuRoute> m_routes = registeredRoutes();
    std::unique_ptr<SingleInstance> m_instance;

    QPointer<Form> m_window;
    ExpectedScore m_score;
    std::vector<bool> m_emitted;
    Expectation m_expected;
    QString m_action;

    int m_event = 0;
    int m_ends = 0;
    bool m_diligent = true;
    std::map<QString, int> m_visits;
};

} // namespace

RandomPupilRun playAtRandom(TestRun &run, quint32 seed, int events)
{
    Pupil pupil(run, seed);
    const QString problem = pupil.run(events);
    return RandomPupilRun{problem, pupil.visits()};
}

} // namespace ortix::test
