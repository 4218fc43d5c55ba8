#pragma once

class QPainter;

namespace ortix {

namespace ui {
class Form;
}

// Paints the free frame's client area as it is shown (its background, the
// visible rods, beads and buttons, and the panel when it is open) as
// vector drawing in twips of the client area, for a printed page.
void paintFramePicture(const ui::Form &form, QPainter &painter);

} // namespace ortix
