#include "frame/FrameLayout.h"

#include <algorithm>
#include <cmath>

namespace ortix {

namespace {
constexpr int kPosizione18 = 11;
}

int beadSide(double lunghezzaFilo, int pallinePerFilo)
{
    if (pallinePerFilo <= 0) {
        return 1;
    }
    // A bead of no size could never grow again, since the next rebuild
    // measures the rod that this one cut.
    return std::max(1, int(std::floor(lunghezzaFilo / pallinePerFilo)));
}

int rodX(double larghezzaFinestra, int numeroFili, int r)
{
    // The step is kept in single precision, as the layout has always been
    // computed, so the rods land on the same twips.
    const float step = float(larghezzaFinestra) / float(numeroFili + 1);
    return int(std::floor(float(numeroFili + 1 - r) * step));
}

double buttonLeftUnderRod(int x, double larghezzaBottone)
{
    return x - std::floor(larghezzaBottone / 2);
}

int beadsOfFullRod(int pallinePerFilo)
{
    return pallinePerFilo > 10 ? kPallinePerArray : pallinePerFilo;
}

int scrollPositionForBeads(int pallinePerFilo)
{
    return pallinePerFilo == kPallinePerArray ? kPosizione18 : pallinePerFilo;
}

int beadsForScrollPosition(int position)
{
    return position == kPosizione18 ? kPallinePerArray : position;
}

} // namespace ortix
