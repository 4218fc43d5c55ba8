#include "exercise/families/LabelledWindows.h"

#include "exercise/families/BuildWindows.h"
#include "exercise/families/LabelledBuildForm.h"
#include "exercise/families/SquaresBuildForm.h"
#include "ui/Forms.h"

#include <array>

namespace ortix {

namespace {

using Step = OpeningStep;

// A labelled window starts from its twin's row: the same places, check,
// menus, maximum and font sizes, under its own name.
BuildWindow twin(QStringView twinName, const char *name, const char *caption)
{
    BuildWindow w = *buildWindowFor(twinName);
    w.exercise.name = QString::fromLatin1(name);
    w.exercise.caption = QString::fromUtf8(caption);
    return w;
}

BuildWindow form4sem()
{
    BuildWindow w = twin(u"Form4", "Form4sem", "Inserisci le palline - 1 - numeri da 1 a 9");
    // Unlike its twin it takes the whole screen only once it is shown.
    w.exercise.onLoad = {Step::Translate,      Step::Resizer,       Step::ShowAvanti, Step::CounterLabelsToZero,
                         Step::CountersToZero, Step::MembersToZero, Step::FirstItem};
    w.exercise.onActivate = {Step::FillScreen, Step::CounterTitles, Step::RodCaptions};
    w.targetLeft = 120;
    w.targetTop = 120;
    w.targetWidth = 4695;
    w.targetHeight = 1095;
    return w;
}

LabelledWindow form99sem()
{
    LabelledWindow w;
    w.build = twin(u"Form99a", "Form99sem", "Inserisci le palline - 1 - numeri fino a 99");
    // Everything but translation and resizing waits for the whole screen,
    // so the beads are stacked by their scaled height.
    w.build.exercise.onLoad = {Step::Translate, Step::Resizer};
    w.build.exercise.onActivate = {Step::FillScreen,     Step::ShowAvanti,     Step::CounterLabelsToZero,
                                   Step::MembersToZero,  Step::RodCaptions,    Step::CountersToZero,
                                   Step::LayOutFrame,    Step::DefaultMaximum, Step::CounterTitles,
                                   Step::FirstItem};
    w.split = TargetSplit::UpToHundreds;
    return w;
}

LabelledWindow form999sem()
{
    LabelledWindow w;
    w.build = twin(u"Form999a", "Form999sem", "Inserisci le palline - 1 - numeri fino a 999");
    w.build.wordsPoints = 24;
    w.split = TargetSplit::UpToHundreds;
    w.joinerWordsPoints = 26.25;
    return w;
}

LabelledWindow f9999sem()
{
    LabelledWindow w;
    w.build = twin(u"F9999a", "F9999SEM", "Inserisci le palline - 1 - numeri fino a 9.999");
    w.split = TargetSplit::UpToThousands;
    w.pictureLeft = 240;
    w.pictureTop = 240;
    return w;
}

LabelledWindow periodo1sem()
{
    LabelledWindow w;
    w.build = twin(u"Periodo1", "Periodo1SEM", "Inserisci le palline - 1 - numeri fino a 999.999");
    w.split = TargetSplit::Periods;
    w.pictureLeft = 120;
    w.pictureTop = 240;
    return w;
}

const std::array<LabelledWindow, 4> &rows()
{
    static const std::array<LabelledWindow, 4> table = {form99sem(), form999sem(), f9999sem(), periodo1sem()};
    return table;
}

} // namespace

const LabelledWindow *labelledWindowFor(QStringView name)
{
    for (const LabelledWindow &row : rows()) {
        if (row.build.exercise.name == name) {
            return &row;
        }
    }
    return nullptr;
}

const BuildWindow &form4semWindow()
{
    static const BuildWindow row = form4sem();
    return row;
}

void registerLabelledBuildForms()
{
    const BuildWindow &units = form4semWindow();
    ui::Forms::registerForm(units.exercise.name, [&units] { return new SquaresBuildForm(units); });
    for (const LabelledWindow &row : rows()) {
        ui::Forms::registerForm(row.build.exercise.name, [&row] { return new LabelledBuildForm(row); });
    }
}

} // namespace ortix
