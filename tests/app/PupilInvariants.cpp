#include "PupilInvariants.h"

#include "PupilHands.h"

#include "base/SharedState.h"
#include "base/SmallOperations.h"
#include "exercise/engine/ExerciseForm.h"
#include "exercise/families/BuildForm.h"
#include "exercise/families/ReadBeadsForm.h"
#include "frame/Formortix.h"
#include "frame/FrameLayout.h"
#include "ui/Forms.h"
#include "ui/WidgetControls.h"
#include "words/MaiuscoloPerCarattere.h"
#include "words/NumeroInLettere.h"

#include <QWidget>

#include <algorithm>

namespace ortix::test {

using namespace ui;

namespace {

constexpr int kLargestCount = 32767;

QString scoreCaption(int scored)
{
    return scored == 0 ? QStringLiteral("0") : QStringLiteral(" %1").arg(std::min(scored, kLargestCount));
}

bool isAny(const QString &name, std::initializer_list<const char *> names)
{
    return std::any_of(names.begin(), names.end(), [&](const char *n) { return name == QLatin1String(n); });
}

QString beadsHold(const ExerciseForm &form)
{
    for (Place place : form.palline().layout().places) {
        const int count = form.palline().count(place);
        if (const int run = beadRun(form, suffixOf(place)); count < 0 || count > 9 || run != count) {
            return QStringLiteral("rod %1 counts %2, shows %3 from the bottom (-1: a gap)").arg(suffixOf(place)).arg(count).arg(run);
        }
        for (const Control *bead : form.controlArray(QStringLiteral("pal_") + suffixOf(place))) {
            if (bead->widget()->isVisible() != bead->visible()) {
                return QStringLiteral("bead %1(%2) is drawn otherwise than its state").arg(bead->name()).arg(bead->index());
            }
        }
    }
    return QString();
}

QString scoreHolds(const ExerciseForm &form, const ExpectedScore &score)
{
    const auto caption = [&form](const char *name) { return form.control(QString::fromLatin1(name))->caption(); };
    const int right = std::min(score.right, kLargestCount);
    const int wrong = std::min(score.wrong, kLargestCount);
    const QStringList shown = {scored(), caption("EtichettaEsatti"), caption("EtichettaErrati")};
    const QStringList due = {QStringLiteral("%1/%2").arg(right).arg(wrong), scoreCaption(right), scoreCaption(wrong)};
    if (shown != due) {
        return QStringLiteral("counters and labels %1 where %2 are due").arg(shown.join(u'|'), due.join(u'|'));
    }
    const bool si = form.control(QStringLiteral("ComandoIconaSi"))->visible();
    const bool no = form.control(QStringLiteral("ComandoIconaNo"))->visible();
    if (score.lastRight && (si != *score.lastRight || no == *score.lastRight)) {
        return QStringLiteral("icons right %1 wrong %2 after a %3 check").arg(si).arg(no).arg(*score.lastRight ? "right" : "wrong");
    }
    return QString();
}

// The target of a build window with a single label: " 305" (a blank, then
// the digits), "4 725" in the windows that write thousands apart, or the
// words in capitals.
QString targetText(const BuildForm &form, qint32 n)
{
    if (!form.inCifre()) {
        return MaiuscoloPerCarattere(NumeroInLettere(n, shared().LinguaNumeri));
    }
    if (isAny(form.name(), {"F9999a", "Periodo1"})) {
        return n < 1000 ? QStringLiteral(" %1").arg(n)
                        : QStringLiteral("%1 %2").arg(n / 1000).arg(n % 1000, 3, 10, QLatin1Char('0'));
    }
    return QStringLiteral(" %1").arg(n);
}

// What the pupil reads of the item: the target of a build window in the
// display mode that is ticked; the squares of the units window.
QString targetHolds(const BuildForm &form)
{
    const bool cifre = form.control(form.buildRow().menuCifre)->checked();
    const bool parole = form.control(form.buildRow().menuParole)->checked();
    if (cifre != form.inCifre() || parole == cifre) {
        return QStringLiteral("display ticks in digits %1, in words %2, shown in digits %3").arg(cifre).arg(parole).arg(form.inCifre());
    }
    const qint32 n = shared().NumeroACaso;
    if (const Control *target = form.control(QStringLiteral("EtichettaNumero")); target && target->caption() != targetText(form, n)) {
        return QStringLiteral("target \"%1\" shown for %2").arg(target->caption()).arg(n);
    }
    for (const Control *square : form.controlArray(QStringLiteral("Shape1"))) {
        if (square->visible() != (square->index() < n)) {
            return QStringLiteral("square %1 shown %2 for %3").arg(square->index()).arg(square->visible()).arg(n);
        }
    }
    return QString();
}

QString stateHolds(const ExerciseForm &form)
{
    const bool avanti = form.control(QStringLiteral("BottoneAvanti"))->enabled();
    if (!form.control(QStringLiteral("BottoneAvanti"))->visible()) {
        return QStringLiteral("\"avanti\" is hidden");
    }
    if (const auto *reader = qobject_cast<const ReadBeadsForm *>(&form)) {
        const qint32 shown = beadsNumber(form);
        if (shown != shared().NumeroACaso) {
            return QStringLiteral("the frame shows %1 for NumeroACaso %2").arg(shown).arg(shared().NumeroACaso);
        }
        if (reader->answerBox()->enabled() == avanti) {
            return QStringLiteral("answer box and \"avanti\" both %1").arg(avanti ? "enabled" : "disabled");
        }
        if (rightAnswer(*reader).size() > reader->answerBox()->maxLength()) {
            return QStringLiteral("the answer box is too short for \"%1\"").arg(rightAnswer(*reader));
        }
    } else if (const auto *builder = qobject_cast<const BuildForm *>(&form)) {
        // The build windows where a wrong answer may be confirmed again at
        // once: there "Conferma" and "avanti" are never enabled together, nor both off.
        const bool twice = isAny(form.name(), {"Form999a", "F9999a", "Periodo1", "Form999sem", "F9999SEM", "Periodo1SEM"});
        if (twice && form.control(QStringLiteral("BottoneConferma"))->enabled() == avanti) {
            return QStringLiteral("\"Conferma\" and \"avanti\" both %1").arg(avanti ? "enabled" : "disabled");
        }
        return targetHolds(*builder);
    }
    return QString();
}

} // namespace

std::optional<std::pair<qint32, qint32>> drawRange(const QString &window, qint32 m)
{
    if (isAny(window, {"Form4", "Form4sem", "Form6", "Form5"})) {
        return std::pair(1, 9);
    }
    if (isAny(window, {"Form99a", "Form99sem", "Form99b1", "Form999a", "Form999sem", "Form999b1"})) {
        return std::pair(1, m);
    }
    if (isAny(window, {"Form99b", "Form999b"})) {
        return std::pair(0, m - 1);
    }
    if (isAny(window, {"F9999a", "F9999SEM", "F9999b", "F9999c"})) {
        return std::pair(1, std::max(1, m / 1000) * 1000 + 999);
    }
    if (isAny(window, {"Periodo1", "Periodo1SEM", "Periodo2", "Periodo3"})) {
        return std::pair(1111, 999999);
    }
    return std::nullopt;
}

QString oneWindowOpen()
{
    const auto &open = Forms::all();
    if (open.size() != 1) {
        return QStringLiteral("%1 windows open").arg(open.size());
    }
    if (!open.front()->isVisible() || open.front()->isUnloading()) {
        return QStringLiteral("the open window %1 is not shown").arg(open.front()->name());
    }
    return QString();
}

QString backgroundHolds(const ui::Form &form)
{
    const QRgb colour = form.backColor().rgb() & 0xFFFFFF;
    if (qobject_cast<const Formortix *>(&form)) {
        return colour == (Formortix::kSfondo.rgb() & 0xFFFFFF) ? QString() : QStringLiteral("the free frame is not pink");
    }
    if (std::find(kColoriSfondo.begin(), kColoriSfondo.end(), colour) == kColoriSfondo.end()) {
        return QStringLiteral("background #%1 is none of the program's colours").arg(colour, 6, 16, QLatin1Char('0'));
    }
    return QString();
}

QString exerciseHolds(const ExerciseForm &form, const ExpectedScore &score)
{
    QString problem = beadsHold(form);
    problem = problem.isEmpty() ? scoreHolds(form, score) : problem;
    const qint32 n = shared().NumeroACaso;
    const auto range = drawRange(form.name(), shared().NumeroMassimo);
    if (problem.isEmpty() && range && (n < range->first || n > range->second)) {
        problem = QStringLiteral("NumeroACaso %1 outside %2..%3").arg(n).arg(range->first).arg(range->second);
    }
    return problem.isEmpty() ? stateHolds(form) : problem;
}

QString freeFrameHolds(const Formortix &frame)
{
    const int rods = frame.NumeroFili();
    const int beads = frame.PallinePerFilo();
    if (rods < 1 || rods > kMaxFili || !((beads >= 1 && beads <= 10) || beads == kPallinePerArray)) {
        return QStringLiteral("%1 rods of %2 beads").arg(rods).arg(beads);
    }
    for (int r = 1; r <= kMaxFili; ++r) {
        const int count = frame.PallineSulFilo(r);
        const int run = frameBeadRun(frame, r);
        if (count < 0 || count > beads || run != count) {
            return QStringLiteral("rod %1 counts %2 of %3 beads, shows %4 from the bottom (-1: a gap)").arg(r).arg(count).arg(beads).arg(run);
        }
        const bool shown = r <= rods;
        const bool rodShown = frame.control(QStringLiteral("FiloOrtix"), r)->visible();
        if (rodShown != shown || frame.control(QStringLiteral("Command2"), r)->visible() != shown || (!shown && count != 0)) {
            return QStringLiteral("rod %1 of %2: shown %3, %4 beads").arg(r).arg(rods).arg(rodShown).arg(count);
        }
    }
    return QString();
}

QString menuHolds(const ui::Form &menu)
{
    const int sound = menu.control(QStringLiteral("Check1"))->value();
    const int voice = menu.control(QStringLiteral("Check2"))->value();
    if ((sound == 1) != shared().SuoniAttivati || (voice == 1) != shared().VoceAttivata) {
        return QStringLiteral("the switches show sound %1, voice %2 for %3, %4").arg(sound).arg(voice).arg(shared().SuoniAttivati).arg(shared().VoceAttivata);
    }
    int ticked = 0;
    for (const Control *item : menu.controlArray(QStringLiteral("mnuLanguage"))) {
        ticked += item->checked() ? 1 : 0;
        if (item->checked() && item->caption() != shared().MLSCurrentLanguage) {
            return QStringLiteral("language %1 ticked, %2 current").arg(item->caption(), shared().MLSCurrentLanguage);
        }
    }
    return ticked > 1 ? QStringLiteral("%1 languages ticked").arg(ticked) : QString();
}

} // namespace ortix::test
