#pragma once

// What must hold in the program after anything a pupil does. Each check
// gives a description of what is wrong, or an empty text.

#include <QString>

#include <optional>

namespace ortix {
class ExerciseForm;
class Formortix;
namespace ui {
class Form;
}
} // namespace ortix

namespace ortix::test {

// The score a window should show: the checks scored since it opened or
// since "Azzera conteggio", and the last check of the window, if any.
struct ExpectedScore
{
    int right = 0;
    int wrong = 0;
    std::optional<bool> lastRight;
};

// Exactly one window of the program is open and shown.
QString oneWindowOpen();

// An exercise window: every rod shows a run of beads from the bottom equal
// to its count (0 to 9), drawn as the count says; the counters and their
// labels equal the checks scored; the icon shows the last check;
// NumeroACaso lies in the window's range; a read window shows NumeroACaso
// on its frame, its answer box has room for the answer, and the box and
// "avanti" take turns, as "Conferma" and "avanti" do in the build windows
// that check twice in a row; a build window shows NumeroACaso as its
// target, in the display mode that is ticked.
QString exerciseHolds(const ExerciseForm &form, const ExpectedScore &score);

// The free frame: rods and beads per rod in their ranges, every rod's beads
// a run from the bottom equal to its count, rods beyond the chosen number
// hidden and empty.
QString freeFrameHolds(const Formortix &frame);

// Every window of the program but the free frame wears one of the
// program's background colours; the free frame its pink.
QString backgroundHolds(const ui::Form &form);

// The main menu: the sound switch shows the sound setting; at most one
// language is ticked, and that is the current one.
QString menuHolds(const ui::Form &menu);

// The smallest and largest number the window draws, with NumeroMassimo m;
// nothing for a window that draws none.
std::optional<std::pair<qint32, qint32>> drawRange(const QString &window, qint32 m);

} // namespace ortix::test
