#include "exercise/families/ReadWindows.h"

#include "exercise/engine/ExerciseDesign.h"
#include "ui/Forms.h"

#include <array>

namespace ortix {

namespace {

using Step = OpeningStep;
using namespace exerciseDesign;

constexpr double kTitlePoints = 14;

ui::ControlBlueprint title(const char *name, const char *caption, double left, double top, double width, double height,
                           double points = kTitlePoints)
{
    return ui::label(QString::fromLatin1(name), left, top, width, height, QString::fromUtf8(caption))
        .withFont(kFace, points, true)
        .centred();
}

// The place of a single rod, written just below it.
ui::ControlBlueprint unitsLabel(double rodX, double top)
{
    return ui::label(QStringLiteral("Label4"), rodX - 360, top, 720, 480, QStringLiteral("u"))
        .withFont(kFace, 14, true)
        .withFore(QColor(0x00, 0x00, 0xFF))
        .withBack(QColor(0xC0, 0xFF, 0xFF))
        .centred();
}

void setBox(ReadWindow &w, const char *name, int maxLength, double points, double left, double top, double width,
            double height)
{
    w.boxName = QString::fromLatin1(name);
    w.maxLength = maxLength;
    w.points = points;
    w.boxLeft = left;
    w.boxTop = top;
    w.boxWidth = width;
    w.boxHeight = height;
}

// How each range opens: the units windows zero their score when first
// shown; the others while they load, setting the maximum then or, in the
// four-digit and thousands-period windows, when first shown.
enum class Opening { Units, MaximumAtLoad, MaximumAtActivation };

ReadWindow row(const char *name, const char *caption, ReadAnswer answer, Opening opening)
{
    ReadWindow w;
    w.exercise.name = QString::fromLatin1(name);
    w.exercise.caption = QString::fromUtf8(caption);
    w.answer = answer;
    w.filter = answer == ReadAnswer::Words ? KeyFilter::Capitals : KeyFilter::Digits;
    const std::vector<Step> zeroScore = {Step::CounterLabelsToZero, Step::CountersToZero};
    w.exercise.onLoad = {Step::Translate, Step::Resizer};
    w.exercise.onActivate = {Step::FillScreen, Step::LayOutFrame, Step::ShowAvanti};
    switch (opening) {
    case Opening::Units:
        w.exercise.onLoad.push_back(Step::MembersToZero);
        w.exercise.onActivate.insert(w.exercise.onActivate.end(), {Step::CountersToZero, Step::CounterLabelsToZero});
        w.exercise.onActivate.push_back(Step::CounterTitles);
        break;
    case Opening::MaximumAtLoad:
        w.exercise.onLoad.insert(w.exercise.onLoad.end(), zeroScore.begin(), zeroScore.end());
        w.exercise.onLoad.insert(w.exercise.onLoad.end(), {Step::MembersToZero, Step::DefaultMaximum});
        w.exercise.onActivate.push_back(Step::CounterTitles);
        break;
    case Opening::MaximumAtActivation:
        w.exercise.onLoad.insert(w.exercise.onLoad.end(), zeroScore.begin(), zeroScore.end());
        w.exercise.onLoad.push_back(Step::MembersToZero);
        w.exercise.onActivate.insert(w.exercise.onActivate.end(), {Step::CounterTitles, Step::DefaultMaximum});
        w.exercise.startMaximum = 9999;
        break;
    }
    w.exercise.onActivate.push_back(Step::FirstItem);
    return w;
}

// Write in digits -------------------------------------------------------

ReadWindow form6()
{
    ReadWindow w = row("Form6", "Scrivi il numero in cifre - numeri da 1 a 9", ReadAnswer::Digits, Opening::Units);
    // Beside the single rod.
    setBox(w, "Text1", 3, 48, 4800, 3000, 2640, 1440);
    w.labels = {title("Label3", "Scrivi il numero in cifre", 4080, 1560, 4080, 1200, 18), unitsLabel(3000, 7020)};
    w.focusOnNewItem = true;
    return w;
}

ReadWindow form99b()
{
    ReadWindow w = row("Form99b", "Scrivi il numero in cifre - numeri fino a 99", ReadAnswer::Digits,
                       Opening::MaximumAtLoad);
    w.exercise.maximum = MaximumRange::Tens;
    // Under the frame.
    setBox(w, "TestoNumero", 5, 26.25, 2860, 6420, 2880, 1080);
    w.labels = {title("Label3", "scrivi il numero in cifre", 1300, 5820, 6000, 480)};
    return w;
}

ReadWindow form999b()
{
    ReadWindow w = row("Form999b", "Scrivi il numero in cifre - numeri fino a 999", ReadAnswer::Digits,
                       Opening::MaximumAtLoad);
    w.exercise.maximum = MaximumRange::Hundreds;
    w.checkOn = CheckOn::KeyPress;
    w.filter = KeyFilter::None;
    setBox(w, "TestoNumero", 5, 24, 2960, 6480, 3000, 1080);
    w.labels = {title("Label3", "scrivi il numero in cifre", 1460, 5940, 6000, 480)};
    w.focusOnNewItem = true;
    return w;
}

ReadWindow f9999b()
{
    ReadWindow w = row("F9999b", "Scrivi il numero in cifre - numeri fino a 9.999", ReadAnswer::Digits,
                       Opening::MaximumAtActivation);
    w.exercise.maximum = MaximumRange::FourDigits;
    w.rule = AnswerRule::Grouping;
    // The rods run the whole height: right of the frame, above the separator.
    setBox(w, "TestoNumero", 6, 24, 6300, 2400, 1980, 1080);
    w.labels = {title("Label4", "Scrivi il numero in cifre", 6240, 1080, 2100, 1200)};
    return w;
}

ReadWindow periodo2()
{
    ReadWindow w = row("Periodo2", "Scrivi il numero in cifre - numeri fino a 999.999", ReadAnswer::Digits,
                       Opening::MaximumAtActivation);
    w.rule = AnswerRule::Grouping;
    setBox(w, "TestoNumero", 8, 24, 4680, 6720, 3000, 960);
    w.labels = {title("Label4", "Scrivi il numero in cifre", 240, 6900, 4320, 600)};
    return w;
}

// Write in words --------------------------------------------------------

ReadWindow form5()
{
    ReadWindow w = row("Form5", "Scrivi il numero in lettere - numeri da 1 a 9", ReadAnswer::Words, Opening::Units);
    setBox(w, "Text1", 10, 26.25, 3120, 3000, 5040, 1200);
    w.labels = {title("Label3", "Scrivi il numero in lettere ", 3000, 1560, 5280, 1200, 18), unitsLabel(2040, 7260)};
    w.focusOnNewItem = true;
    return w;
}

ReadWindow form99b1()
{
    ReadWindow w = row("Form99b1", "Scrivi il numero in lettere - numeri fino a 99", ReadAnswer::Words,
                       Opening::MaximumAtLoad);
    w.exercise.maximum = MaximumRange::Tens;
    setBox(w, "TestoNumero", 20, 18, 1320, 6540, 6960, 960);
    w.labels = {title("Label3", "scrivi il numero in lettere", 1320, 6000, 6960, 480)};
    w.focusOnNewItem = true;
    return w;
}

ReadWindow form999b1()
{
    ReadWindow w = row("Form999b1", "Scrivi il numero in lettere - numeri fino a 999", ReadAnswer::Words,
                       Opening::MaximumAtLoad);
    w.exercise.maximum = MaximumRange::Hundreds;
    setBox(w, "TestoNumero", 35, 14.25, 240, 6840, 8040, 780);
    w.labels = {title("Label3", "scrivi il numero in lettere", 1380, 6360, 6000, 420)};
    w.focusOnNewItem = true;
    return w;
}

ReadWindow f9999c()
{
    ReadWindow w = row("F9999c", "Scrivi il numero in lettere - numeri fino a 9.999", ReadAnswer::Words,
                       Opening::MaximumAtActivation);
    w.exercise.maximum = MaximumRange::FourDigits;
    // Long words: the whole width under the frame and the right-hand column
    // (the sized bottom bead reaches 7239).
    setBox(w, "Text1", 50, 11.25, 120, 7290, kWidth - 240, 480);
    w.redrawZero = true;
    return w;
}

ReadWindow periodo3()
{
    ReadWindow w = row("Periodo3", "Scrivi il numero in lettere - numeri fino a 999.999", ReadAnswer::Words,
                       Opening::MaximumAtActivation);
    setBox(w, "TestoNumero", 70, 14.25, 120, 7200, kWidth - 240, 540);
    w.labels = {title("Label4", "Scrivi il numero in lettere", 240, 6660, 7920, 480)};
    return w;
}

const std::array<ReadWindow, 10> &rows()
{
    static const std::array<ReadWindow, 10> table = {form6(), form99b(), form999b(), f9999b(),   periodo2(),
                                                     form5(), form99b1(), form999b1(), f9999c(), periodo3()};
    return table;
}

} // namespace

const ReadWindow *readWindowFor(QStringView name)
{
    for (const ReadWindow &w : rows()) {
        if (w.exercise.name == name) {
            return &w;
        }
    }
    return nullptr;
}

void registerReadForms()
{
    for (const ReadWindow &w : rows()) {
        ui::Forms::registerForm(w.exercise.name, [&w] { return new ReadBeadsForm(w); });
    }
}

} // namespace ortix
