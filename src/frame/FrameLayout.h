#pragma once

namespace ortix {

// The free frame has up to six rods, rod 1 (the units) on the right, and an
// array of eighteen beads on each.
inline constexpr int kMaxFili = 6;
inline constexpr int kPallinePerArray = 18;

// Side of one bead, so that a full rod of `pallinePerFilo` beads covers a
// rod `lunghezzaFilo` long: the whole part of the quotient, never below 1.
int beadSide(double lunghezzaFilo, int pallinePerFilo);

// Horizontal place of rod r when `numeroFili` rods share a window
// `larghezzaFinestra` wide: the rods divide the width into equal steps,
// rod 1 one step from the right edge.
int rodX(double larghezzaFinestra, int numeroFili, int r);

// Left edge of a button centred under a rod standing at x.
double buttonLeftUnderRod(int x, double larghezzaBottone);

// The number of beads a rod is cut to hold: 18 for a frame of 18 beads,
// otherwise the beads per rod.
int beadsOfFullRod(int pallinePerFilo);

// The beads-per-rod scroll bar runs from 1 to 11; position 11 stands for
// 18 beads.
int scrollPositionForBeads(int pallinePerFilo);
int beadsForScrollPosition(int position);

} // namespace ortix
