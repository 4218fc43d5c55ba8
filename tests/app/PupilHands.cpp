#include "PupilHands.h"

#include "app/FormMenu.h"
#include "app/Main.h"
#include "app/SharedState.h"
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

#include <QLocale>
#include <QGuiApplication>
#include <QPointingDevice>
#include <QScreen>
#include <QSet>
#include <QTest>

namespace ortix::test {

using namespace ui;

const MenuRoute kFreeFrame{QStringLiteral("Command21"), QStringLiteral("Formortix")};

std::vector<MenuRoute> registeredRoutes()
{
    registerAllForms();
    std::vector<MenuRoute> routes;
    static QSet<QString> told;
    for (const FormMenu::Route &route : FormMenu::routes()) {
        const QString form = QString::fromLatin1(route.form);
        if (Forms::isRegistered(form)) {
            routes.push_back(MenuRoute{QString::fromLatin1(route.button), form});
        } else if (!told.contains(form)) {
            told.insert(form);
            qInfo("%s (menu button %s) is not part of the program yet: left out", qPrintable(form), route.button);
        }
    }
    return routes;
}

Form *startProgram(SingleInstance &instance)
{
    if (!Main(instance)) {
        return nullptr;
    }
    Form *avvio = Forms::find(QStringLiteral("FormAvvio"));
    if (!avvio) {
        return nullptr;
    }
    leftClick(avvio->control(QStringLiteral("BottoneAvvio")));
    flushDeletes();
    return Forms::find(QStringLiteral("FormMenu"));
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

void leftClick(Control *control)
{
    QTest::mouseClick(control->widget(), Qt::LeftButton);
}

void rightClick(Control *control)
{
    QTest::mouseClick(control->widget(), Qt::RightButton);
}

void clickCheckBox(Control *box)
{
    QWidget *widget = box->widget();
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(8, widget->height() / 2));
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

void pressKey(Control *control, Qt::Key key, const QString &text)
{
    QWidget *w = control->widget();
    w->setFocus(Qt::TabFocusReason);
    QTest::sendKeyEvent(QTest::Click, w, key, text, Qt::NoModifier);
}

namespace {

QPointingDevice *touchScreen()
{
    static QPointingDevice *device = QTest::createTouchDevice();
    return device;
}

// A finger lands on the screen the platform has: on the part of the widget
// that lies on it (the headless screen can be smaller than the windows).
QPoint touchPoint(QWidget *w)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QRect onScreen = w->rect().intersected(QRect(w->mapFromGlobal(screen.topLeft()), screen.size()));
    return onScreen.isEmpty() ? w->rect().center() : onScreen.center();
}

} // namespace

void tap(Control *control)
{
    QWidget *w = control->widget();
    const QPoint middle = touchPoint(w);
    QTest::touchEvent(w, touchScreen()).press(0, middle, w);
    QTest::touchEvent(w, touchScreen()).release(0, middle, w);
}

void holdTouch(Control *control)
{
    QWidget *w = control->widget();
    const QPoint middle = touchPoint(w);
    QTest::touchEvent(w, touchScreen()).press(0, middle, w);
    QTest::qWait(TouchSteps::kHoldMilliseconds + 200);
    QTest::touchEvent(w, touchScreen()).release(0, middle, w);
}

void chooseMenu(Form *form, const QString &name, int index)
{
    if (auto *item = qobject_cast<MenuControl *>(form->control(name, index))) {
        item->trigger();
    }
}

void chooseMaximum(Form *form, int option)
{
    chooseMenu(form, QStringLiteral("mnuMassimo"));
    pickMaximumOption(form, option);
}

void pickMaximumOption(Form *form, int option)
{
    QWidget *w = form->control(QStringLiteral("OpzioneNumeroMassimo"), option)->widget();
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(8, w->height() / 2));
}

int languageItem(Form *menu, const QString &caption)
{
    for (Control *item : menu->controlArray(QStringLiteral("mnuLanguage"))) {
        if (item->caption() == caption) {
            return item->index();
        }
    }
    return -1;
}

void typeText(QWidget *box, const QString &text)
{
    for (const QChar c : text) {
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void pressEnter(QWidget *widget)
{
    QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_Return, QStringLiteral("\r"), Qt::NoModifier);
}

void pressBackspace(QWidget *box)
{
    QTest::sendKeyEvent(QTest::Click, box, Qt::Key_Backspace, QStringLiteral("\b"), Qt::NoModifier);
}

void pressEnd(QWidget *box)
{
    QTest::sendKeyEvent(QTest::Click, box, Qt::Key_End, QString(), Qt::NoModifier);
}

QString withoutOuterBlanks(const QString &text)
{
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && text.at(from) == u' ') {
        ++from;
    }
    while (to > from && text.at(to - 1) == u' ') {
        --to;
    }
    return text.mid(from, to - from);
}

namespace {

QString inThrees(qint32 number, const QString &separator)
{
    QString digits = QString::number(number);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3) {
        digits.insert(at, separator);
    }
    return digits;
}

// The digit of each place of number, the places of the frame from the
// highest down.
std::vector<std::pair<Place, int>> digitsOf(const ExerciseForm &form, qint32 number)
{
    std::vector<std::pair<Place, int>> digits;
    for (Place place : form.palline().layout().places) {
        digits.emplace_back(place, int(number / valueOf(place) % 10));
    }
    return digits;
}

void clickAvantiIfAnswered(ExerciseForm *form)
{
    Control *avanti = form->control(QStringLiteral("BottoneAvanti"));
    if (avanti->enabled()) {
        leftClick(avanti);
    }
}

void write(ReadBeadsForm *form, const QString &text)
{
    QLineEdit *box = form->answerBox()->lineEdit();
    pressEnd(box);
    for (int guard = 0; !box->text().isEmpty() && guard < 200; ++guard) {
        pressBackspace(box);
    }
    typeText(box, text);
    pressEnter(box);
}

void answer(ExerciseForm *form, bool right)
{
    clickAvantiIfAnswered(form);
    const qint32 target = shared().NumeroACaso;
    if (auto *builder = qobject_cast<BuildForm *>(form)) {
        buildNumber(builder, target);
        if (!right) {
            // One bead more or less on the units rod.
            Control *units = builder->control(QStringLiteral("Bot_u"));
            if (target % 10 < 9) {
                leftClick(units);
            } else {
                rightClick(units);
            }
        }
        leftClick(builder->control(QStringLiteral("BottoneConferma")));
    } else if (auto *reader = qobject_cast<ReadBeadsForm *>(form)) {
        if (right) {
            write(reader, rightAnswer(*reader));
        } else if (reader->readRow().answer == ReadAnswer::Words) {
            write(reader, QStringLiteral("X"));
        } else {
            write(reader, QString::number(target == 0 ? 1 : target - 1));
        }
    }
}

} // namespace

void buildNumber(BuildForm *form, qint32 number)
{
    leftClick(form->control(QStringLiteral("Bot_ricomincia")));
    for (const auto &[place, digit] : digitsOf(*form, number)) {
        Control *rod = form->control(QStringLiteral("Bot_") + suffixOf(place));
        for (int i = 0; i < digit; ++i) {
            leftClick(rod);
        }
    }
}

void buildNumberByKeys(BuildForm *form, qint32 number)
{
    pressKey(form->control(QStringLiteral("Bot_ricomincia")), Qt::Key_Space, QStringLiteral(" "));
    for (const auto &[place, digit] : digitsOf(*form, number)) {
        Control *rod = form->control(QStringLiteral("Bot_") + suffixOf(place));
        for (int i = 0; i < digit; ++i) {
            pressKey(rod, Qt::Key_Up);
        }
    }
}

QString rightAnswer(const ReadBeadsForm &form)
{
    const qint32 number = shared().NumeroACaso;
    if (form.readRow().answer == ReadAnswer::Words) {
        return withoutOuterBlanks(MaiuscoloPerCarattere(NumeroInLettere(number, shared().LinguaNumeri)));
    }
    if (form.readRow().rule == AnswerRule::Grouping) {
        return inThrees(number, QLocale().groupSeparator());
    }
    return QString::number(number);
}

int beadRun(const ExerciseForm &form, Place place)
{
    return beadRun(form, suffixOf(place));
}

int beadRun(const ui::Form &form, const QString &suffix)
{
    const auto beads = form.controlArray(QStringLiteral("pal_") + suffix);
    int shown = 0;
    while (shown < int(beads.size()) && beads[std::size_t(shown)]->visible()) {
        ++shown;
    }
    for (std::size_t i = std::size_t(shown); i < beads.size(); ++i) {
        if (beads[i]->visible()) {
            return -1;
        }
    }
    return shown;
}

qint32 beadsNumber(const ExerciseForm &form)
{
    qint32 number = 0;
    for (Place place : form.palline().layout().places) {
        const int run = beadRun(form, place);
        if (run < 0) {
            return -1;
        }
        number += run * valueOf(place);
    }
    return number;
}

void answerRight(ExerciseForm *form)
{
    answer(form, true);
}

void answerWrong(ExerciseForm *form)
{
    answer(form, false);
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
    int shown = 0;
    while (shown < kPallinePerArray && frame.pallina(rod, shown)->visible()) {
        ++shown;
    }
    for (int k = shown; k < kPallinePerArray; ++k) {
        if (frame.pallina(rod, k)->visible()) {
            return -1;
        }
    }
    return shown;
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

void clickControl(Form *form, const QString &name, int index)
{
    leftClick(form->control(name, index));
}

void clickRod(Form *form, const QString &suffix, Qt::MouseButton button, int times)
{
    for (int i = 0; i < times; ++i) {
        QTest::mouseClick(form->control(QStringLiteral("Bot_") + suffix)->widget(), button);
    }
}

} // namespace ortix::test
