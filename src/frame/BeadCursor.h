#pragma once

#include <QCursor>

namespace ortix {

// The mouse pointer over the rod buttons: an arrow with a bead at its
// side, drawn at run time so that it is crisp and needs no picture file.
QCursor beadPointer();

} // namespace ortix
