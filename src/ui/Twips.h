#pragma once

namespace ortix::ui {

// Twips per pixel of the screen: 1440 twips make an inch, so 15 at the
// usual 96 dots per inch.
double twipsPerPixel();
// Tests fix the value; 0 goes back to the screen's.
void setTwipsPerPixel(double value);

int twipsToPixels(double twips);
double pixelsToTwips(int pixels);

} // namespace ortix::ui
