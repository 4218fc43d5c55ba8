#pragma once

#include "exercise/engine/ExerciseWindow.h"
#include "ui/ControlBlueprint.h"

#include <vector>

namespace ortix {

// Where the controls of every exercise window stand, in twips of a client
// area of 10800 x 7800: the counting frame on the left and in the middle
// (its row of FrameLayouts), the item across the top, and on the right one
// column with the icons, the score and the buttons.
namespace exerciseDesign {
inline constexpr double kWidth = 10800;
inline constexpr double kHeight = 7800;
// The item's text across the top (the target of a build window).
inline constexpr double kItemLeft = 120;
inline constexpr double kItemTop = 120;
inline constexpr double kItemWidth = 10560;
inline constexpr double kItemHeight = 1320;
// The right-hand column.
inline constexpr double kPanelLeft = 8400;
inline constexpr double kPanelWidth = 2280;
inline constexpr double kIconTop = 1560;
inline constexpr double kIconHeight = 1440;
inline constexpr double kScoreTitleTop = 3120;
inline constexpr double kScoreTop = 3480;
// The answer control ("Conferma", or an answer box) and what goes with it.
inline constexpr double kAnswerTop = 4320;
inline constexpr double kAnswerHeight = 840;
inline constexpr double kSecondTop = 5280;
inline constexpr double kSecondHeight = 720;
inline constexpr double kAvantiTop = 6240;
inline constexpr double kAvantiHeight = 900;
// The row under the rods (the rod buttons).
inline constexpr double kUnderRodsTop = 7260;
inline constexpr double kUnderRodsHeight = 480;

// The face of the window's texts.
inline const QString kFace = QStringLiteral("Arial");
} // namespace exerciseDesign

// A whole exercise window as designed: its counting frame, the family's
// own controls, the common controls (icons, score, "avanti", the maximum
// chooser) and the menu bar: "Azzera conteggio", the maximum item where it
// stands first, the family's menus, the maximum item otherwise,
// "Informazioni", "Esci". Designed with the background #00FFFF, which the
// first item replaces.
ui::FormBlueprint exerciseFormBlueprint(const ExerciseWindow &row, const std::vector<ui::ControlBlueprint> &familyControls,
                                        const std::vector<ui::ControlBlueprint> &familyMenus);

} // namespace ortix
