#include "ui/Twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace ortix::ui {

namespace {
double &fixedValue()
{
    static double value = 0;
    return value;
}
} // namespace

double twipsPerPixel()
{
    if (fixedValue() > 0) {
        return fixedValue();
    }
    const QScreen *screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
    return 1440.0 / (dpi > 0 ? dpi : 96.0);
}

void setTwipsPerPixel(double value)
{
    fixedValue() = value;
}

int twipsToPixels(double twips)
{
    return int(std::lround(twips / twipsPerPixel()));
}

double pixelsToTwips(int pixels)
{
    return pixels * twipsPerPixel();
}

} // namespace ortix::ui
