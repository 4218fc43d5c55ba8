#pragma once

#include "exercise/engine/Places.h"

#include <QString>
#include <QStringView>

#include <array>
#include <vector>

namespace ortix {

inline constexpr int kBeadsPerRod = 9;
// Form99a stacks its beads at load with this step instead of the bead height.
inline constexpr double kFixedStackingStep = 600;

// How a window lays its frame out (ImpilaPalline).
enum class FrameVariant {
    NoLayout,          // beads stay at their designed size and place
    FixedStacking,     // at load, a fixed step of 600 twips, sizes as designed
    Stacking,          // bead i at T0 - i * H, sizes as designed
    SizingAndStacking, // nine beads fill the rod, then stacked as above
};

// The counting frame of one exercise window as designed, in twips of the
// window's client area. Places and rods run from the highest place on the
// left to the units on the right.
struct FrameLayout
{
    std::vector<Place> places;
    std::vector<double> rodX;
    double rodTop = 0;
    double rodBottom = 0;
    double beadWidth = 0;
    double beadHeight = 0;
    double unitsBeadWidth = 0;
    double unitsBeadHeight = 0;
    // Designed top of bead 0 (the bottom one) of the units rod.
    double bottomBeadTop = 0;
    QString separatorName;
    double separatorY = 0;
    double separatorFrom = 0;
    double separatorTo = 0;
    FrameVariant variant = FrameVariant::NoLayout;
    // Designed tops of beads 0 to 8: of the units rod, and of every other rod.
    std::array<double, kBeadsPerRod> unitsBeadTops{};
    std::array<double, kBeadsPerRod> beadTops{};

    // Blue and yellow beads with thick place borders instead of one colour
    // per place.
    bool thousandsPeriod() const;
    int rodCount() const { return int(places.size()); }
};

// The frame of an exercise window by name ("Form4", "Periodo3", ...);
// nothing for any other name.
const FrameLayout *frameLayoutFor(QStringView window);

// Colours (0xRRGGBB) and border width in pixels of a place's beads.
struct BeadLook
{
    quint32 fill = 0;
    quint32 border = 0;
    int borderWidth = 1;
};
BeadLook beadLook(Place place, bool thousandsPeriod);

} // namespace ortix
