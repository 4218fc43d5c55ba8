#include "exercise/families/BuildWindows.h"

#include "exercise/engine/ExerciseDesign.h"
#include "ui/Forms.h"

#include <array>

namespace ortix {

namespace {

using Step = OpeningStep;
using namespace exerciseDesign;

BuildWindow form4()
{
    BuildWindow w;
    w.exercise.name = QStringLiteral("Form4");
    w.exercise.caption = QStringLiteral("Inserisci le palline - numeri da 1 a 9");
    w.exercise.onLoad = {Step::Translate,   Step::Resizer,       Step::FillScreen,    Step::ShowAvanti,
                         Step::CounterLabelsToZero, Step::CountersToZero, Step::MembersToZero, Step::CounterTitles,
                         Step::RodCaptions, Step::FirstItem};
    w.check = CheckVariant::A1;
    w.digitsPoints = 48;
    w.wordsPoints = 36;
    // Beside the single rod, which stands right of the middle.
    w.targetLeft = 240;
    w.targetTop = 1560;
    w.targetWidth = 4680;
    w.targetHeight = 3000;
    w.menuNumeri = QStringLiteral("mnuNumeri");
    w.menuParole = QStringLiteral("mnulettere");
    w.menuCifre = QStringLiteral("mnucifre");
    return w;
}

// The windows whose target runs across the top, above the rods.
BuildWindow acrossTheTop(const char *name, const char *caption)
{
    BuildWindow w;
    w.exercise.name = QString::fromLatin1(name);
    w.exercise.caption = QString::fromUtf8(caption);
    w.targetLeft = kItemLeft;
    w.targetTop = kItemTop;
    w.targetWidth = kItemWidth;
    w.targetHeight = kItemHeight;
    return w;
}

BuildWindow form99a()
{
    BuildWindow w = acrossTheTop("Form99a", "Inserisci le palline - numeri fino a 99");
    w.exercise.maximum = MaximumRange::Tens;
    w.exercise.onLoad = {Step::Translate,     Step::Resizer,        Step::ShowAvanti,  Step::CounterLabelsToZero,
                         Step::MembersToZero, Step::CountersToZero, Step::LayOutFrame, Step::DefaultMaximum,
                         Step::FirstItem};
    w.exercise.onActivate = {Step::FillScreen, Step::RodCaptions, Step::CounterTitles};
    w.check = CheckVariant::A1;
    w.digitsPoints = 48;
    w.wordsPoints = 32;
    return w;
}

// The opening of the windows that lay their frame out once they fill the
// screen; some set their maximum at load, the others here.
std::vector<OpeningStep> activationWithLayout(bool defaultMaximum)
{
    std::vector<OpeningStep> steps = {Step::FillScreen, Step::LayOutFrame, Step::RodCaptions, Step::CounterTitles,
                                      Step::ShowAvanti};
    if (defaultMaximum) {
        steps.push_back(Step::DefaultMaximum);
    }
    steps.push_back(Step::FirstItem);
    return steps;
}

BuildWindow form999a()
{
    BuildWindow w = acrossTheTop("Form999a", "Inserisci le palline - numeri fino a 999");
    w.exercise.maximum = MaximumRange::Hundreds;
    w.exercise.chooserKeepsDesignedSize = true;
    w.exercise.onLoad = {Step::Translate, Step::Resizer, Step::CounterLabelsToZero, Step::CountersToZero,
                         Step::MembersToZero};
    w.exercise.onActivate = activationWithLayout(true);
    w.check = CheckVariant::A2;
    w.digitsPoints = 48;
    w.wordsPoints = 22;
    w.wordsCaption = QStringLiteral("in parole");
    return w;
}

BuildWindow f9999a()
{
    BuildWindow w = acrossTheTop("F9999a", "Inserisci le palline - numeri fino a 9.999");
    w.exercise.maximum = MaximumRange::FourDigits;
    w.exercise.onLoad = {Step::Translate,      Step::Resizer,       Step::CounterLabelsToZero,
                         Step::CountersToZero, Step::MembersToZero, Step::DefaultMaximum};
    w.exercise.onActivate = activationWithLayout(false);
    w.check = CheckVariant::A2;
    w.digitsPoints = 36;
    w.digitsForm = DigitsForm::Grouped;
    w.wordsPoints = 18;
    return w;
}

BuildWindow periodo1()
{
    BuildWindow w = acrossTheTop("Periodo1", "Inserisci le palline - numeri fino a 999.999");
    w.exercise.onLoad = {Step::Translate, Step::Resizer, Step::CounterLabelsToZero, Step::CountersToZero,
                         Step::MembersToZero};
    w.exercise.onActivate = activationWithLayout(false);
    w.check = CheckVariant::A2;
    w.digitsPoints = 36;
    w.digitsForm = DigitsForm::Grouped;
    w.wordsPoints = 14;
    return w;
}

const std::array<BuildWindow, 5> &rows()
{
    static const std::array<BuildWindow, 5> table = {form4(), form99a(), form999a(), f9999a(), periodo1()};
    return table;
}

} // namespace

const BuildWindow *buildWindowFor(QStringView name)
{
    for (const BuildWindow &row : rows()) {
        if (row.exercise.name == name) {
            return &row;
        }
    }
    return nullptr;
}

void registerBuildForms()
{
    for (const BuildWindow &row : rows()) {
        ui::Forms::registerForm(row.exercise.name, [&row] { return new BuildForm(row); });
    }
}

} // namespace ortix
