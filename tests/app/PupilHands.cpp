#include "PupilHands.h"

#include "app/FormMenu.h"
#include "app/Main.h"
#include "base/SharedState.h"
#include "exercise/families/BuildForm.h"
#include "exercise/families/ReadBeadsForm.h"
#include "frame/Formortix.h"
#include "frame/FrameLayout.h"
#include "ui/Forms.h"
#include "ui/MenuControl.h"
#include "ui/TouchSteps.h"
#include "ui/WidgetControls.h"
#include "words/MaiuscoloPerCarattere.h"
#include "words/NumeroInLettere.h"

#include <QGuiApplication>
#include <QLocale>
#include <QPointingDevice>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>

#include <algorithm>

namespace ortix::test {

using namespace ui;

const MenuRoute kFreeFrame{QStringLiteral("Command21"), QStringLiteral("Formortix")};

std::vector<MenuRoute> registeredRoutes()
{
    registerAllForms();
    std::vector<MenuRoute> routes;
    for (const FormMenu::Route &route : FormMenu::routes()) {
        routes.push_back(MenuRoute{QString::fromLatin1(route.button), QString::fromLatin1(route.form)});
    }
    return routes;
}

Form *startProgram(SingleInstance &instance)
{
    Form *avvio = Main(instance) ? Forms::find(QStringLiteral("FormAvvio")) : nullptr;
    return avvio ? openRoute(avvio, {QStringLiteral("BottoneAvvio"), QStringLiteral("FormMenu")}) : nullptr;
}

Form *openRoute(Form *menu, const MenuRoute &route)
{
    leftClick(menu->control(route.button));
    flushDeletes();
    return Forms::find(route.form);
}

Form *leaveWindow(Form *window, RecordingMessageBoxes &messages)
{
    messages.answers = {MsgAnswer::Yes};
    chooseMenu(window, QStringLiteral("mnuEsci"));
    flushDeletes();
    return Forms::find(QStringLiteral("FormMenu"));
}

ProgramRun::ProgramRun(const std::function<void(TestRun &)> &prepare)
    : instance(run.lockPath())
{
    prepare ? prepare(run) : run.copyShippedLanguageFiles();
    menu = startProgram(instance);
}

void visitEveryWindow(Form *&menu, RecordingMessageBoxes &messages, const std::function<void(Form *)> &work)
{
    for (const MenuRoute &route : registeredRoutes()) {
        Form *window = menu ? openRoute(menu, route) : nullptr;
        QVERIFY2(window, qPrintable(route.form));
        work(window);
        menu = QTest::currentTestFailed() ? nullptr : leaveWindow(window, messages);
        QVERIFY2(menu, qPrintable(route.form));
    }
}

void workWindow(Form *window)
{
    if (auto *exercise = qobject_cast<ExerciseForm *>(window)) {
        answerWrong(exercise);
        answerRight(exercise);
        QVERIFY2(shared().ConteggioEsatti == 1 && shared().ConteggioErrati == 1, qPrintable(window->name()));
    } else if (auto *frame = qobject_cast<Formortix *>(window)) {
        clickFrameRod(*frame, 1, Qt::LeftButton, 3);
        clickFrameRod(*frame, 1, Qt::RightButton);
        QCOMPARE(frameBeadRun(*frame, 1), 2);
    }
}

void leftClick(Control *control)
{
    QTest::mouseClick(control->widget(), Qt::LeftButton);
}

void clickCheckBox(Control *box)
{
    QTest::mouseClick(box->widget(), Qt::LeftButton, {}, QPoint(8, box->widget()->height() / 2));
}

void clickTarget(Form *form)
{
    Control *target = form->control(QStringLiteral("EtichettaNumero"));
    for (Control *part : form->controlArray(QStringLiteral("EtichettaNumero"))) {
        if (!target && part->visible() && !part->caption().isEmpty()) {
            target = part;
        }
    }
    QVERIFY2(target, qPrintable(form->name() + QStringLiteral(": no target to click")));
    leftClick(target);
}

void chooseMenu(Form *form, const QString &name, int index)
{
    if (auto *item = qobject_cast<MenuControl *>(form->control(name, index))) {
        item->trigger();
    }
}

void chooseLanguage(Form *menu, const QString &caption)
{
    const int item = languageItem(menu, caption);
    QVERIFY2(item >= 0, qPrintable(caption));
    chooseMenu(menu, QStringLiteral("mnuLanguage"), item);
}

int languageItem(Form *menu, const QString &caption)
{
    const auto items = menu->controlArray(QStringLiteral("mnuLanguage"));
    const auto item = std::find_if(items.begin(), items.end(), [&caption](Control *c) { return c->caption() == caption; });
    return item == items.end() ? -1 : (*item)->index();
}

void pickMaximumOption(Form *form, int option)
{
    clickCheckBox(form->control(QStringLiteral("OpzioneNumeroMassimo"), option));
}

void chooseMaximum(Form *form, int option)
{
    chooseMenu(form, QStringLiteral("mnuMassimo"));
    pickMaximumOption(form, option);
}

void pressKey(QWidget *widget, Qt::Key key, const QString &text)
{
    QTest::sendKeyEvent(QTest::Click, widget, key, text, Qt::NoModifier);
}

void pressKey(Control *control, Qt::Key key, const QString &text)
{
    control->widget()->setFocus(Qt::TabFocusReason);
    pressKey(control->widget(), key, text);
}

void typeText(QWidget *box, const QString &text)
{
    for (const QChar c : text) {
        pressKey(box, Qt::Key_unknown, QString(c));
    }
}

// A finger lands on the part of the widget that lies on the platform's
// screen (the headless screen can be smaller than the windows).
void touch(Control *control, bool held)
{
    static QPointingDevice *screen = QTest::createTouchDevice();
    QWidget *w = control->widget();
    const QRect area = QGuiApplication::primaryScreen()->geometry();
    const QRect onScreen = w->rect().intersected(QRect(w->mapFromGlobal(area.topLeft()), area.size()));
    const QPoint at = onScreen.isEmpty() ? w->rect().center() : onScreen.center();
    QTest::touchEvent(w, screen).press(0, at, w);
    if (held) {
        QTest::qWait(TouchSteps::kHoldMilliseconds + 200);
    }
    QTest::touchEvent(w, screen).release(0, at, w);
}

QString withoutOuterBlanks(const QString &text)
{
    static const QRegularExpression outerBlanks(QStringLiteral("^ +| +$"));
    return QString(text).remove(outerBlanks);
}

namespace {

// Empties the frame by "Ricomincia" and puts on each rod its digit of
// `number`, bead by bead, with `press` on the rod's button.
void build(BuildForm *form, qint32 number, const std::function<void(Control *)> &press)
{
    press(form->control(QStringLiteral("Bot_ricomincia")));
    for (Place place : form->palline().layout().places) {
        for (int i = number / valueOf(place) % 10; i > 0; --i) {
            press(form->control(QStringLiteral("Bot_") + suffixOf(place)));
        }
    }
}

void write(ReadBeadsForm *form, const QString &text)
{
    QLineEdit *box = form->answerBox()->lineEdit();
    pressKey(box, Qt::Key_End);
    for (int guard = 0; !box->text().isEmpty() && guard < 200; ++guard) {
        pressBackspace(box);
    }
    typeText(box, text);
    pressEnter(box);
}

QString inThrees(qint32 number, const QString &separator)
{
    QString digits = QString::number(number);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3) {
        digits.insert(at, separator);
    }
    return digits;
}

// The beads shown of a rod, from the bottom; -1 when one stands above a gap.
int runOf(int size, const std::function<bool(int)> &shown)
{
    int run = 0;
    while (run < size && shown(run)) {
        ++run;
    }
    for (int k = run; k < size; ++k) {
        if (shown(k)) {
            return -1;
        }
    }
    return run;
}

} // namespace

void answer(ExerciseForm *form, bool right)
{
    if (Control *avanti = form->control(QStringLiteral("BottoneAvanti")); avanti->enabled()) {
        leftClick(avanti);
    }
    const qint32 target = shared().NumeroACaso;
    if (auto *builder = qobject_cast<BuildForm *>(form)) {
        buildNumber(builder, target);
        if (!right) {
            // One bead more or less on the units rod.
            clickRod(builder, QStringLiteral("u"), target % 10 < 9 ? Qt::LeftButton : Qt::RightButton);
        }
        leftClick(builder->control(QStringLiteral("BottoneConferma")));
    } else if (auto *reader = qobject_cast<ReadBeadsForm *>(form)) {
        const bool words = reader->readRow().answer == ReadAnswer::Words;
        const QString wrong = words ? QStringLiteral("X") : QString::number(target == 0 ? 1 : target - 1);
        write(reader, right ? rightAnswer(*reader) : wrong);
    }
}

void buildNumber(BuildForm *form, qint32 number)
{
    build(form, number, [](Control *button) { leftClick(button); });
}

void buildNumberByKeys(BuildForm *form, qint32 number)
{
    build(form, number, [](Control *button) { pressKey(button, Qt::Key_Space, QStringLiteral(" ")); });
}

QString rightAnswer(const ReadBeadsForm &form)
{
    const qint32 number = shared().NumeroACaso;
    if (form.readRow().answer == ReadAnswer::Words) {
        return withoutOuterBlanks(MaiuscoloPerCarattere(NumeroInLettere(number, shared().LinguaNumeri)));
    }
    return form.readRow().rule == AnswerRule::Grouping ? inThrees(number, QLocale().groupSeparator())
                                                        : QString::number(number);
}

int beadRun(const ui::Form &form, const QString &suffix)
{
    const auto beads = form.controlArray(QStringLiteral("pal_") + suffix);
    return runOf(int(beads.size()), [&beads](int k) { return beads[std::size_t(k)]->visible(); });
}

qint32 beadsNumber(const ExerciseForm &form)
{
    qint32 number = 0;
    for (Place place : form.palline().layout().places) {
        const int run = beadRun(form, suffixOf(place));
        if (run < 0) {
            return -1;
        }
        number += run * valueOf(place);
    }
    return number;
}

int frameRodsShown(const Formortix &frame)
{
    int shown = 0;
    for (int r = 1; r <= kMaxFili; ++r) {
        shown += frame.control(QStringLiteral("FiloOrtix"), r)->visible() ? 1 : 0;
    }
    return shown;
}

int frameBeadRun(const Formortix &frame, int rod)
{
    return runOf(kPallinePerArray, [&](int k) { return frame.pallina(rod, k)->visible(); });
}

void clickFrameRod(Formortix &frame, int rod, Qt::MouseButton button, int times)
{
    for (int i = 0; i < times; ++i) {
        QTest::mouseClick(frame.control(QStringLiteral("Command2"), rod)->widget(), button);
    }
}

void scrollArrow(Formortix &frame, const char *bar, bool right, int times)
{
    QWidget *w = frame.control(QString::fromLatin1(bar))->widget();
    for (int i = 0; i < times; ++i) {
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(right ? w->width() - 4 : 4, w->height() / 2));
    }
}

void configureFrame(Formortix &frame, int rods, int beadsPosition)
{
    chooseMenu(&frame, QStringLiteral("mnuConfigura"));
    scrollArrow(frame, "HScroll1", false, kMaxFili);
    scrollArrow(frame, "HScroll1", true, rods - 1);
    scrollArrow(frame, "HScroll2", false, 11);
    scrollArrow(frame, "HScroll2", true, beadsPosition - 1);
    leftClick(frame.control(QStringLiteral("Command1")));
}

Form *startProgramWithVoice(const TestRun &run, SingleInstance &instance, const QString &language)
{
    run.copyShippedLanguageFiles();
    run.writeFile(QStringLiteral("LangSetting.ini"), "[Language]\r\nCurrentLanguage=" + language.toUtf8() + "\r\n");
    Form *menu = startProgram(instance);
    if (menu) {
        clickCheckBox(menu->control(QStringLiteral("Check2")));
    }
    return menu;
}

void clickRod(Form *form, const QString &suffix, Qt::MouseButton button, int times)
{
    for (int i = 0; i < times; ++i) {
        QTest::mouseClick(form->control(QStringLiteral("Bot_") + suffix)->widget(), button);
    }
}

QString scored()
{
    return QStringLiteral("%1/%2").arg(shared().ConteggioEsatti).arg(shared().ConteggioErrati);
}

} // namespace ortix::test
