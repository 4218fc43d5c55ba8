#pragma once

#include <functional>
#include <vector>

namespace ortix {

// Left edges of labels that stand side by side with no gap, the group
// centred in a box: the first left edge is (box width - total width) / 2,
// and each following label starts where the one before it ends.
std::vector<double> centredLefts(const std::vector<double> &widths, double boxWidth);

// The smallest readable size of a coloured target, in points.
inline constexpr double kMinimumTargetPoints = 9;
inline constexpr double kTargetPointsStep = 0.5;

// The largest font size from `designed` down, in steps of half a point, at
// which an item fits its room; never below `minimum` (the minimum when
// nothing fits). `overflow(points)` lays the item out at that size and says
// how many times too large it is (1 or less: it fits). Text grows with its
// size, so each try scales the size down by that factor: a long item takes
// two or three tries instead of one per step.
double shrunkPoints(double designed, double minimum, const std::function<double(double)> &overflow);

} // namespace ortix
