#include "RandomPupil.h"

#include "app/Main.h"
#include "app/SharedState.h"
#include "app/SingleInstance.h"
#include "exercise/families/BuildForm.h"
#include "exercise/families/ReadBeadsForm.h"
#include "frame/Formortix.h"
#include "lang/LanguageSupport.h"
#include "ui/ClsResize.h"
#include "ui/Forms.h"
#include "ui/MenuControl.h"
#include "ui/Services.h"
#include "ui/WidgetControls.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTest>

#include <limits>

namespace ortix::test {

using namespace ui;

// A printer that draws the page small and keeps nothing: the pupil may
// print often, and the drawing is what matters here.
class SketchPrinting : public ui::Printing
{
public:
    ui::PrintResult print(const ui::PrintJob &job) override
    {
        ++pages;
        QImage page(120, 90, QImage::Format_RGB32);
        QPainter painter(&page);
        if (!job.size.isEmpty()) {
            painter.scale(page.width() / job.size.width(), page.height() / job.size.height());
            job.paint(painter);
        }
        return ui::PrintResult{ui::PrintOutcome::Printed, QString()};
    }
    int pages = 0;
};

namespace {

// Characters a pupil types: digits, letters, accented letters, "ß", marks.
const QString kKeys = QString::fromUtf8("0123456789012345678901234567890123456789"
                                        "abcdefghijklmnopqrstuvwxyzaeiouaeiou"
                                        "ABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                        "àèéìòùÀÈÉÌÒÙäöüÄÖÜßçñÑëË"
                                        "  '.,-");

} // namespace

RandomPupil::RandomPupil(TestRun &run, quint32 seed, QString lockPath)
    : m_run(run)
    , m_random(seed)
    , m_lockPath(std::move(lockPath))
{
    auto printing = std::make_unique<SketchPrinting>();
    m_printing = printing.get();
    services().printing = std::move(printing);
    m_routes = test::registeredRoutes();
}

RandomPupil::~RandomPupil() = default;

QString RandomPupil::run(int count)
{
    if (!startProgram()) {
        return QStringLiteral("the program did not start");
    }
    for (m_event = 1; m_event <= count; ++m_event) {
        m_run.fakes.messages->answers = {chance(0.5) ? MsgAnswer::Yes : MsgAnswer::No};
        m_emitted.clear();
        m_expected = Expectation{};
        act();
        test::flushDeletes();
        if (Forms::all().empty()) {
            if (m_run.fakes.end->ends != m_ends + 1) {
                return context() + QStringLiteral("every window vanished without the program ending");
            }
            m_ends = m_run.fakes.end->ends;
            ++m_restarts;
            if (!startProgram()) {
                return context() + QStringLiteral("the program did not start again");
            }
        }
        const QString problem = check();
        if (!problem.isEmpty()) {
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

void RandomPupil::report(qint64 milliseconds) const
{
    qInfo("random pupil: %d events in %lld ms, %d starts of the program, %d pages printed", m_event - 1,
          milliseconds, m_restarts + 1, m_printing->pages);
    QStringList kinds;
    for (const auto &[kind, count] : m_kinds) {
        kinds << QStringLiteral("%1 %2").arg(count).arg(kind);
    }
    qInfo("  events: %s", qPrintable(kinds.join(QStringLiteral(", "))));
    for (const auto &[name, stats] : m_stats) {
        qInfo("  %-12s %4d visits %6d events %5d right %5d wrong", qPrintable(name), stats.visits, stats.events,
              stats.right, stats.wrong);
    }
}

bool RandomPupil::startProgram()
{
    // A new process: the shared values and the unsaved choices are gone.
    m_instance.reset();
    resetShared();
    lang::forgetUnsavedLanguage();
    releaseResizer();
    m_instance = std::make_unique<SingleInstance>(m_lockPath);
    const bool started = Main(*m_instance);
    test::flushDeletes();
    m_window = nullptr;
    followWindow();
    return started && current();
}

ui::Form *RandomPupil::current() const
{
    return Forms::all().empty() ? nullptr : Forms::all().front();
}

void RandomPupil::followWindow()
{
    Form *form = current();
    if (form == m_window) {
        return;
    }
    m_window = form;
    m_score = test::ExpectedScore{};
    if (!form) {
        return;
    }
    ++m_stats[form->name()].visits;
    if (auto *exercise = qobject_cast<ExerciseForm *>(form)) {
        connect(exercise, &ExerciseForm::scored, this, [this](bool right) { m_emitted.push_back(right); });
    }
}

void RandomPupil::act()
{
    Form *form = current();
    m_action.clear();
    if (chance(0.0002)) {
        // The window's close button: the program's last window goes.
        m_action = QStringLiteral("close the window");
        tally("close");
        form->close();
        return;
    }
    if (chance(0.003)) {
        reshape(form);
        return;
    }
    if (auto *exercise = qobject_cast<ExerciseForm *>(form)) {
        actInExercise(exercise);
    } else if (auto *frame = qobject_cast<Formortix *>(form)) {
        actInFrame(frame);
    } else if (form->name() == u"FormMenu") {
        actInMenu(form);
    } else {
        randomClick(form);
    }
}

void RandomPupil::actInExercise(ExerciseForm *form)
{
    if (chance(0.02)) {
        m_diligent = !m_diligent;
    }
    const int roll = below(100);
    const int guided = m_diligent ? 80 : 10;
    if (roll < guided) {
        guidedStep(form);
    } else if (roll < guided + (m_diligent ? 10 : 48)) {
        randomClick(form);
    } else if (roll < guided + (m_diligent ? 13 : 68)) {
        typeKey(form);
    } else if (roll < guided + (m_diligent ? 15 : 76)) {
        if (chance(0.3)) {
            pressTab(form);
        } else {
            pressEnter(form);
        }
    } else if (!m_diligent && roll < guided + 80) {
        doubleClickRod(form);
    } else {
        chooseMenuItem(form);
    }
}

void RandomPupil::actInFrame(Formortix *frame)
{
    const int roll = below(100);
    if (roll < 40 && !frame->control(QStringLiteral("Frame1"))->visible()) {
        const int rod = 1 + below(frame->NumeroFili());
        m_action = QStringLiteral("rod %1 of the free frame").arg(rod);
        click(frame->control(QStringLiteral("Command2"), rod), chance(0.6) ? Qt::LeftButton : Qt::RightButton);
    } else {
        clickEnterOrMenu(frame, roll, 85, 90);
    }
}

void RandomPupil::actInMenu(Form *menu)
{
    const int roll = below(100);
    if (roll < 45 && !m_routes.empty()) {
        const test::MenuRoute &route = leastVisitedRoute();
        m_action = QStringLiteral("menu button of ") + route.form;
        click(menu->control(route.button), Qt::LeftButton);
    } else {
        clickEnterOrMenu(menu, roll, 80, 85);
    }
}

const test::MenuRoute &RandomPupil::leastVisitedRoute()
{
    // Ties go to the first from a random start, so every window gets its turn.
    const test::MenuRoute *least = nullptr;
    int fewest = std::numeric_limits<int>::max();
    const int start = below(int(m_routes.size()));
    for (std::size_t i = 0; i < m_routes.size(); ++i) {
        const test::MenuRoute &route = m_routes[(std::size_t(start) + i) % m_routes.size()];
        const auto found = m_stats.find(route.form);
        const int visits = found == m_stats.end() ? 0 : found->second.visits;
        if (visits < fewest) {
            fewest = visits;
            least = &route;
        }
    }
    return *least;
}

void RandomPupil::clickEnterOrMenu(Form *form, int roll, int clicksBelow, int enterBelow)
{
    if (roll < clicksBelow) {
        randomClick(form);
    } else if (roll < enterBelow) {
        pressEnter(form);
    } else {
        chooseMenuItem(form);
    }
}

void RandomPupil::reshape(Form *form)
{
    if (form->isMinimized()) {
        m_action = QStringLiteral("restore the window");
        tally("restore");
        form->showNormal();
    } else if (chance(0.3)) {
        m_action = QStringLiteral("minimise the window");
        tally("minimise");
        form->showMinimized();
    } else {
        const QRect screen = screenGeometry();
        const QSize size(screen.width() / 3 + below(screen.width() * 2 / 3),
                         screen.height() / 3 + below(screen.height() * 2 / 3));
        m_action = QStringLiteral("resize the window to %1 x %2").arg(size.width()).arg(size.height());
        tally("resize");
        form->resize(size);
    }
    QCoreApplication::processEvents();
}

bool RandomPupil::reachable(QWidget *w, QPoint at)
{
    QWidget *top = w->window()->childAt(w->mapTo(w->window(), at));
    return top && (top == w || w->isAncestorOf(top));
}

bool RandomPupil::clickable(const Control *c)
{
    switch (c->kind()) {
    case ControlKind::Shape:
    case ControlKind::Line:
    case ControlKind::Menu:
        return false;
    default:
        return c->widget() && c->widget()->isVisible() && c->widget()->isEnabled();
    }
}

int RandomPupil::weightOf(const Control *c)
{
    const QString &name = c->name();
    if (name.startsWith(u"Bot_") || name == u"Command2" || name == u"BottoneConferma") {
        return 8;
    }
    if (c->kind() == ControlKind::CommandButton || c->kind() == ControlKind::OptionButton
        || c->kind() == ControlKind::HScrollBar || c->kind() == ControlKind::CheckBox) {
        return 3;
    }
    return 1;
}

QPoint RandomPupil::pointIn(const Control *c)
{
    const QSize size = c->widget()->size();
    const int y = size.height() / 4 + below(std::max(1, size.height() / 2));
    if (c->kind() == ControlKind::OptionButton || c->kind() == ControlKind::CheckBox) {
        return QPoint(3 + below(std::max(1, std::min(10, size.width() - 3))), y);
    }
    return QPoint(size.width() / 5 + below(std::max(1, size.width() * 3 / 5)), y);
}

void RandomPupil::randomClick(Form *form)
{
    if (!tryRandomClick(form) && !tryMenuItem(form)) {
        m_action = QStringLiteral("nothing within reach");
        tally("nothing within reach");
    }
}

void RandomPupil::chooseMenuItem(Form *form)
{
    if (!tryMenuItem(form) && !tryRandomClick(form)) {
        m_action = QStringLiteral("nothing within reach");
        tally("nothing within reach");
    }
}

bool RandomPupil::tryRandomClick(Form *form)
{
    std::vector<Control *> candidates;
    int total = 0;
    for (Control *c : form->controls()) {
        if (clickable(c)) {
            candidates.push_back(c);
            total += weightOf(c);
        }
    }
    for (int attempt = 0; attempt < 8 && total > 0; ++attempt) {
        int at = below(total);
        Control *chosen = candidates.back();
        for (Control *c : candidates) {
            at -= weightOf(c);
            if (at < 0) {
                chosen = c;
                break;
            }
        }
        const QPoint point = pointIn(chosen);
        if (!reachable(chosen->widget(), point)) {
            continue;
        }
        const int roll = below(100);
        const Qt::MouseButton button = roll < 65 ? Qt::LeftButton : roll < 95 ? Qt::RightButton : Qt::MiddleButton;
        m_action = QStringLiteral("%1 click on %2(%3)")
                       .arg(button == Qt::LeftButton ? "left" : button == Qt::RightButton ? "right" : "middle",
                            chosen->name())
                       .arg(chosen->index());
        click(chosen, button, point);
        return true;
    }
    return false;
}

void RandomPupil::click(Control *c, Qt::MouseButton button, std::optional<QPoint> at)
{
    if (button == Qt::LeftButton && c->name() == u"BottoneConferma" && c->enabled()) {
        expectConferma(c->form());
    }
    tally(button == Qt::LeftButton ? "left click" : button == Qt::RightButton ? "right click" : "middle click");
    QTest::mouseClick(c->widget(), button, {}, at.value_or(c->widget()->rect().center()));
}

void RandomPupil::expectConferma(Form *form)
{
    if (auto *exercise = qobject_cast<ExerciseForm *>(form)) {
        m_expected.check = true;
        m_expected.right = test::beadsNumber(*exercise) == shared().NumeroACaso;
    }
}

TextBoxControl *RandomPupil::answerBox(Form *form) const
{
    for (Control *c : form->controls()) {
        if (auto *box = qobject_cast<TextBoxControl *>(c); box && clickable(box)) {
            return box;
        }
    }
    return nullptr;
}

void RandomPupil::typeKey(Form *form)
{
    TextBoxControl *box = answerBox(form);
    if (!box) {
        randomClick(form);
        return;
    }
    QLineEdit *edit = box->lineEdit();
    if (chance(0.08)) {
        m_action = QStringLiteral("Backspace");
        tally("Backspace");
        test::pressBackspace(edit);
        return;
    }
    const QString key(kKeys.at(below(int(kKeys.size()))));
    m_action = QStringLiteral("typed \"%1\"").arg(key);
    tally("key");
    test::typeText(edit, key);
}

void RandomPupil::pressEnter(Form *form)
{
    QWidget *target = nullptr;
    Control *owner = nullptr;
    if (QWidget *focused = form->focusWidget()) {
        for (Control *c : form->controls()) {
            if (c->widget() == focused && clickable(c)) {
                target = focused;
                owner = c;
                break;
            }
        }
    }
    if (!target) {
        owner = answerBox(form);
        target = owner ? owner->widget() : nullptr;
    }
    if (!target) {
        randomClick(form);
        return;
    }
    m_action = QStringLiteral("Enter on ") + owner->name();
    if (owner->name() == u"BottoneConferma") {
        expectConferma(form);
    } else if (auto *reader = qobject_cast<ReadBeadsForm *>(form); reader && owner == reader->answerBox()) {
        expectAnswer(reader);
    }
    tally("Enter");
    test::pressEnter(target);
}

void RandomPupil::pressTab(Form *form)
{
    QWidget *focused = form->focusWidget();
    m_action = QStringLiteral("Tab");
    tally("Tab");
    QTest::sendKeyEvent(QTest::Click, focused ? focused : form, Qt::Key_Tab, QStringLiteral("\t"),
                        Qt::NoModifier);
}

void RandomPupil::doubleClickRod(ExerciseForm *form)
{
    const auto &places = form->palline().layout().places;
    Control *rod = form->control(QStringLiteral("Bot_") + suffixOf(places[std::size_t(below(int(places.size())))]));
    if (!rod) {
        randomClick(form);
        return;
    }
    const Qt::MouseButton button = chance(0.6) ? Qt::LeftButton : Qt::RightButton;
    m_action = QStringLiteral("double %1 click on %2").arg(button == Qt::LeftButton ? "left" : "right", rod->name());
    tally("double click");
    QTest::mouseDClick(rod->widget(), button);
}

void RandomPupil::expectAnswer(ReadBeadsForm *reader)
{
    const QString text = reader->answerBox()->text();
    if (text.isEmpty()) {
        return;
    }
    m_expected.check = true;
    const QString right = test::rightAnswer(*reader);
    if (reader->readRow().answer == ReadAnswer::Words) {
        m_expected.right = test::withoutOuterBlanks(text) == right;
    } else if (text == right) {
        m_expected.right = true;
    }
}

bool RandomPupil::tryMenuItem(Form *form)
{
    std::vector<MenuControl *> items;
    std::vector<int> weights;
    int total = 0;
    for (Control *c : form->controls()) {
        auto *item = qobject_cast<MenuControl *>(c);
        if (!item || item->submenu() || !item->action()->isVisible() || !item->action()->isEnabled()) {
            continue;
        }
        // The pupil stays a while in a window before leaving it.
        const int weight = item->name() == u"mnuEsci" ? 3 : 10;
        items.push_back(item);
        weights.push_back(weight);
        total += weight;
    }
    if (items.empty()) {
        return false;
    }
    int at = below(total);
    std::size_t i = 0;
    while (at >= weights[i]) {
        at -= weights[i++];
    }
    MenuControl *item = items[i];
    m_action = QStringLiteral("menu %1(%2) \"%3\"").arg(item->name()).arg(item->index()).arg(item->caption());
    tally(item->name() == u"mnuLanguage" ? "language menu" : "menu");
    item->trigger();
    return true;
}

void RandomPupil::guidedStep(ExerciseForm *form)
{
    Control *chooser = form->control(QStringLiteral("CorniceNumeroMassimo"));
    if (chooser && chooser->visible()) {
        Control *option = form->control(QStringLiteral("OpzioneNumeroMassimo"), below(9));
        m_action = QStringLiteral("maximum option %1").arg(option->index());
        click(option, Qt::LeftButton, QPoint(6, option->widget()->height() / 2));
        return;
    }
    Control *avanti = form->control(QStringLiteral("BottoneAvanti"));
    if (auto *builder = qobject_cast<BuildForm *>(form)) {
        const qint32 target = shared().NumeroACaso;
        for (Place place : form->palline().layout().places) {
            const int digit = int(target / valueOf(place) % 10);
            const int shown = test::beadRun(*form, place);
            if (shown != digit) {
                const bool add = shown < digit;
                m_action = (add ? QStringLiteral("a bead on %1") : QStringLiteral("a bead off %1")).arg(suffixOf(place));
                click(builder->control(QStringLiteral("Bot_") + suffixOf(place)),
                      add ? Qt::LeftButton : Qt::RightButton);
                return;
            }
        }
        Control *conferma = builder->control(QStringLiteral("BottoneConferma"));
        if (conferma->enabled()) {
            m_action = QStringLiteral("\"Conferma\" on the right beads");
            click(conferma, Qt::LeftButton);
            return;
        }
    } else if (auto *reader = qobject_cast<ReadBeadsForm *>(form)) {
        TextBoxControl *box = reader->answerBox();
        if (box->enabled()) {
            writeTowards(reader, box);
            return;
        }
    }
    if (avanti->enabled()) {
        m_action = QStringLiteral("\"avanti\"");
        click(avanti, Qt::LeftButton);
        return;
    }
    randomClick(form);
}

void RandomPupil::writeTowards(ReadBeadsForm *reader, TextBoxControl *box)
{
    QLineEdit *edit = box->lineEdit();
    const QString right = test::rightAnswer(*reader);
    const QString text = edit->text();
    if (text == right || text.size() >= box->maxLength()) {
        m_action = QStringLiteral("Enter on the answer \"%1\"").arg(text);
        expectAnswer(reader);
        tally("Enter");
        test::pressEnter(edit);
    } else if (edit->cursorPosition() != text.size()) {
        m_action = QStringLiteral("End");
        tally("End");
        test::pressEnd(edit);
    } else if (right.startsWith(text)) {
        const QString key = right.mid(text.size(), 1);
        m_action = QStringLiteral("typed \"%1\" of the answer").arg(key);
        tally("key");
        test::typeText(edit, key);
    } else {
        m_action = QStringLiteral("Backspace");
        tally("Backspace");
        test::pressBackspace(edit);
    }
}

QString RandomPupil::check()
{
    Form *before = m_window;
    followWindow();
    Form *form = current();
    WindowStats &stats = m_stats[form->name()];
    ++stats.events;
    const bool sameWindow = before == form;
    if (!sameWindow && !m_emitted.empty()) {
        return QStringLiteral("a check was scored while the window changed");
    }
    if (m_expected.check != !m_emitted.empty() || m_emitted.size() > 1) {
        return QStringLiteral("%1 checks scored where %2 was due").arg(m_emitted.size()).arg(m_expected.check ? 1 : 0);
    }
    if (!m_emitted.empty()) {
        const bool right = m_emitted.front();
        if (m_expected.right && *m_expected.right != right) {
            return QStringLiteral("scored %1 for a %2 answer")
                .arg(right ? "right" : "wrong", *m_expected.right ? "right" : "wrong");
        }
        (right ? m_score.right : m_score.wrong) += 1;
        (right ? stats.right : stats.wrong) += 1;
        m_score.lastRight = right;
    }
    if (m_action.startsWith(u"menu MenuAzzera")) {
        m_score.right = 0;
        m_score.wrong = 0;
    }
    QString problem = test::oneWindowOpen();
    if (problem.isEmpty()) {
        problem = test::backgroundHolds(*form);
    }
    if (problem.isEmpty()) {
        if (auto *exercise = qobject_cast<ExerciseForm *>(form)) {
            problem = test::exerciseHolds(*exercise, m_score);
        } else if (auto *frame = qobject_cast<Formortix *>(form)) {
            problem = test::freeFrameHolds(*frame);
        } else if (form->name() == u"FormMenu") {
            problem = test::menuHolds(*form);
        }
    }
    if (problem.isEmpty() && m_event % 50 == 0) {
        // No window is left behind, shown or hidden.
        int windows = 0;
        for (QWidget *top : QApplication::topLevelWidgets()) {
            windows += qobject_cast<Form *>(top) ? 1 : 0;
        }
        if (windows != 1) {
            problem = QStringLiteral("%1 windows exist").arg(windows);
        }
    }
    return problem;
}

QString RandomPupil::context() const
{
    return QStringLiteral("event %1 (%2) in %3: ")
        .arg(m_event)
        .arg(m_action, m_window ? m_window->name() : QStringLiteral("no window"));
}

} // namespace ortix::test
