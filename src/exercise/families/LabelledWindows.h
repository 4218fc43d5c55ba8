#pragma once

#include "exercise/families/BuildForm.h"
#include "exercise/families/NumberColouring.h"

#include <QStringView>

#include <optional>

namespace ortix {

// One row of the labelled build windows (Form99sem, Form999sem, F9999SEM,
// Periodo1SEM): the row of the build window with the same range, then where
// the white box Picture1 stands and how the target is split into its labels.
struct LabelledWindow
{
    BuildWindow build;
    TargetSplit split = TargetSplit::UpToHundreds;
    // Picture1, in twips.
    double pictureLeft = 120;
    double pictureTop = 120;
    double pictureWidth = 8895;
    double pictureHeight = 1215;
    // A joiner that keeps its own size in words instead of the words size.
    std::optional<double> joinerWordsPoints;
};

// The rows of the four windows with coloured labels; nothing for any other
// name.
const LabelledWindow *labelledWindowFor(QStringView name);

// The row of Form4sem: Form4's, with the opening and the target of its own.
const BuildWindow &form4semWindow();

// Makes the five labelled build windows known by name, so the main menu
// opens them.
void registerLabelledBuildForms();

} // namespace ortix
