#pragma once

#include "exercise/engine/FrameLayouts.h"

#include <array>
#include <vector>

namespace ortix::ui {
class Control;
class Form;
class LineControl;
class ShapeControl;
struct ControlBlueprint;
} // namespace ortix::ui

namespace ortix {

// The counting frame of an exercise window: one rod (the line array
// FiloOrtix) per place, nine beads per rod (pal_u, pal_da, ...: bead 0 at
// the bottom), the separator (Line1 or Line3) between the fifth and the
// sixth bead, and the count of beads shown on each rod. A window declares
// its controls with addDesign() and drives them through this class; what
// differs between windows is their row of FrameLayouts.
class Palline
{
public:
    // The frame's controls as designed, in collection order: rods,
    // separator, then the beads, which are drawn over them.
    static void addDesign(std::vector<ui::ControlBlueprint> &controls, const FrameLayout &layout);

    Palline(ui::Form &form, const FrameLayout &layout);

    const FrameLayout &layout() const { return m_layout; }

    // Lays the frame out by the window's variant (none, fixed stacking,
    // stacking, sizing and stacking), from the present positions.
    void ImpilaPalline();
    // Hides every bead; every count becomes 0.
    void NascondiPalline();
    // Beads 0 to d - 1 of the rod shown, the others hidden; count d.
    void MostraCifra(Place place, int d);
    // n split into the frame's place digits, each shown on its rod.
    void MostraNumero(qint32 n);
    // A bead more on the rod, up to nine; at nine nothing happens.
    void AggiungiPallina(Place place);
    // The top bead taken away; on an empty rod nothing happens.
    void TogliPallina(Place place);

    int count(Place place) const;
    // Every count back to 0, beads untouched (the window's members at
    // opening, before the first item clears the frame).
    void resetCounts();
    // The number the beads show: each count times its place value.
    qint32 numero() const;
    bool isLaidOut() const { return m_laidOut; }

    // The window has rescaled its controls from their design: a frame that
    // was laid out is laid out again on the rescaled rods, so it keeps its
    // layout at every size.
    void keepLayoutAfterResize();

    // Names the rods, their beads and their buttons (Bot_u, ... where the
    // window has them) for assistive technology in the current language,
    // and tells it the beads on each rod; again after a change of language.
    void describeForAssistiveTechnology();

    ui::LineControl *rod(Place place) const;
    ui::ShapeControl *bead(Place place, int index) const;
    ui::LineControl *separator() const { return m_separator; }

private:
    struct Rod
    {
        Place place = Place::u;
        ui::LineControl *line = nullptr;
        std::array<ui::ShapeControl *, kBeadsPerRod> beads{};
        // The button under the rod, in the windows where the pupil builds.
        ui::Control *button = nullptr;
        int count = 0;
    };

    Rod *rodOf(Place place);
    const Rod *rodOf(Place place) const;
    const Rod &unitsRod() const { return m_rods.back(); }
    void stack(double step, bool fromBeadHeight);
    // Tells assistive technology the beads now on the rod.
    void tellCount(const Rod &rod) const;
    void sizeAndStack();

    const FrameLayout &m_layout;
    std::vector<Rod> m_rods;
    ui::LineControl *m_separator = nullptr;
    bool m_laidOut = false;
};

} // namespace ortix
