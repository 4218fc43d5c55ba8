#pragma once

#include "ui/Form.h"
#include "ui/WidgetControls.h"

#include <QColor>
#include <QLabel>
#include <QRect>
#include <QString>

#include <algorithm>
#include <cstdlib>
#include <vector>

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
inline std::vector<SeenLabel> seenLabels(const ui::Form *form)
{
    std::vector<SeenLabel> seen;
    for (ui::Control *c : form->controlArray(QStringLiteral("EtichettaNumero"))) {
        if (c->visible() && !c->caption().isEmpty()) {
            auto *label = qobject_cast<ui::LabelControl *>(c);
            seen.push_back({c->index(), c->caption(), label->label()->palette().color(QPalette::WindowText),
                            label->widget()->geometry(), c->fontSize()});
        }
    }
    std::sort(seen.begin(), seen.end(), [](const SeenLabel &a, const SeenLabel &b) { return a.box.x() < b.box.x(); });
    return seen;
}

// Empty when the shown labels stand inside Picture1 side by side with no
// gap, the group centred; else what is wrong.
inline QString layoutFault(const ui::Form *form)
{
    const std::vector<SeenLabel> seen = seenLabels(form);
    if (seen.empty()) {
        return QStringLiteral("no label shows text");
    }
    const QWidget *picture = form->control(QStringLiteral("Picture1"))->widget();
    for (std::size_t i = 0; i < seen.size(); ++i) {
        if (!picture->contentsRect().contains(seen[i].box)) {
            return QStringLiteral("%1 leaves the box").arg(seen[i].text);
        }
        if (i > 0 && seen[i].box.x() != seen[i - 1].box.x() + seen[i - 1].box.width()) {
            return QStringLiteral("a gap or an overlap before %1").arg(seen[i].text);
        }
    }
    const int leftGap = seen.front().box.x();
    const int rightGap = picture->width() - seen.back().box.x() - seen.back().box.width();
    if (std::abs(leftGap - rightGap) > 1) {
        return QStringLiteral("not centred: %1 px left, %2 px right").arg(leftGap).arg(rightGap);
    }
    return QString();
}

} // namespace ortix::test
