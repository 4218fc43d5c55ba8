#include "exercise/families/CentredRow.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numeric>

namespace ortix {

std::vector<double> centredLefts(const std::vector<double> &widths, double boxWidth)
{
    const double total = std::accumulate(widths.begin(), widths.end(), 0.0);
    std::vector<double> lefts(widths.size());
    double left = (boxWidth - total) / 2;
    for (std::size_t i = 0; i < widths.size(); ++i) {
        lefts[i] = left;
        left += widths[i];
    }
    return lefts;
}

double shrunkPoints(double designed, double minimum, const std::function<double(double)> &overflow)
{
    double points = designed;
    double ratio = overflow(points);
    // The smallest size known to be too large.
    double tooLarge = designed + kTargetPointsStep;
    while (ratio > 1 && points > minimum) {
        tooLarge = points;
        const double guess = std::floor(points / ratio / kTargetPointsStep) * kTargetPointsStep;
        points = std::max(minimum, std::min(guess, points - kTargetPointsStep));
        ratio = overflow(points);
    }
    // Widths do not grow exactly with the size: the guess may fall short.
    while (ratio <= 1 && points + kTargetPointsStep < tooLarge && overflow(points + kTargetPointsStep) <= 1) {
        points += kTargetPointsStep;
    }
    return points;
}

} // namespace ortix
