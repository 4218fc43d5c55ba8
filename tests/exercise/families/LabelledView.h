#pragma once

#include <QColor>
#include <QRect>
#include <QString>

#include <vector>

namespace ortix::ui {
class Form;
}

namespace ortix::test {

// A label of the coloured target as the pupil sees it.
struct SeenLabel
{
    int index = -1;
    QString text;
    QColor colour;
    // In pixels of Picture1.
    QRect box;
    double points = 0;
};

// The labels of EtichettaNumero that show text, from left to right.
std::vector<SeenLabel> seenLabels(const ui::Form *form);

// Picture1's inside (within its edge) and its whole width, in pixels.
QRect pictureInside(const ui::Form *form);
int pictureWidth(const ui::Form *form);

// Empty when the shown labels stand inside Picture1 side by side with no
// gap, the group centred; else what is wrong.
QString layoutFault(const ui::Form *form);

} // namespace ortix::test
