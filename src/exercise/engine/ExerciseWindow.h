#pragma once

#include "exercise/engine/MaximumTable.h"

#include <QString>

#include <optional>
#include <vector>

namespace ortix {

// The steps that open an exercise window. Each window runs some of them
// while it loads and the rest when it is first shown, in the order its row
// lists them.
enum class OpeningStep {
    Translate,           // MLSTranslateForm
    Resizer,             // a new Ridimensionatore, SizeFormToScreen(75)
    FillScreen,          // top-left corner, whole screen (rescales)
    ShowAvanti,          // BottoneAvanti visible, still disabled
    CounterLabelsToZero, // EtichettaEsatti and EtichettaErrati "0"
    CountersToZero,      // ConteggioEsatti = ConteggioErrati = 0
    MembersToZero,       // the window's own members (counts, display mode)
    DefaultMaximum,      // NumeroMassimo = the window's starting maximum
    LayOutFrame,         // ImpilaPalline
    RodCaptions,         // Bot_u ... from the place texts
    CounterTitles,       // LabelEST, LabelErt from TestoEsatti, TestoErrati
    FirstItem,           // NuovoNumero
};

// One exercise window's row of the table the windows are made from: what
// the common frame needs to know of it. Its counting frame is its row of
// FrameLayouts and its draw its row of the draw rules, both by name.
struct ExerciseWindow
{
    QString name;
    QString caption;
    // The maximum chooser (mnuMassimo, CorniceNumeroMassimo) and its range;
    // none in the units and thousands-period windows.
    std::optional<MaximumRange> maximum;
    // The chooser covers the whole window unless it keeps its designed size.
    bool chooserKeepsDesignedSize = false;
    // What DefaultMaximum sets; without it, the range's default.
    std::optional<qint32> startMaximum;
    std::vector<OpeningStep> onLoad;
    std::vector<OpeningStep> onActivate;
};

} // namespace ortix
