#include "exercise/engine/Palline.h"

#include "lang/AccessibleTexts.h"
#include "ui/ControlBlueprint.h"
#include "ui/Form.h"
#include "ui/PaintedControls.h"

#include <algorithm>
#include <cmath>

namespace ortix {

namespace {

QString beadArray(Place place)
{
    return QStringLiteral("pal_") + suffixOf(place);
}

const QString kRods = QStringLiteral("FiloOrtix");

} // namespace

void Palline::addDesign(std::vector<ui::ControlBlueprint> &controls, const FrameLayout &layout)
{
    for (int i = 0; i < layout.rodCount(); ++i) {
        const double x = layout.rodX[std::size_t(i)];
        controls.push_back(ui::line(kRods, x, layout.rodTop, x, layout.rodBottom, 3).at(i));
    }
    controls.push_back(ui::line(layout.separatorName, layout.separatorFrom, layout.separatorY, layout.separatorTo,
                                layout.separatorY, 1));
    const bool period = layout.thousandsPeriod();
    for (int i = 0; i < layout.rodCount(); ++i) {
        const Place place = layout.places[std::size_t(i)];
        const bool units = place == Place::u;
        const double w = units ? layout.unitsBeadWidth : layout.beadWidth;
        const double h = units ? layout.unitsBeadHeight : layout.beadHeight;
        const auto &tops = units ? layout.unitsBeadTops : layout.beadTops;
        const BeadLook look = beadLook(place, period);
        // The box straddles the rod, so the rod runs through the bead.
        const double left = layout.rodX[std::size_t(i)] - w / 2;
        for (int b = 0; b < kBeadsPerRod; ++b) {
            ui::ControlBlueprint bead = ui::shape(beadArray(place), ui::ShapeKind::Circle, left, tops[std::size_t(b)], w, h,
                                             QColor::fromRgb(look.fill))
                                       .at(b);
            bead.borderColor = QColor::fromRgb(look.border);
            bead.borderWidth = look.borderWidth;
            controls.push_back(bead);
        }
    }
}

Palline::Palline(ui::Form &form, const FrameLayout &layout)
    : m_layout(layout)
{
    for (int i = 0; i < layout.rodCount(); ++i) {
        Rod rod;
        rod.place = layout.places[std::size_t(i)];
        rod.line = form.controlAs<ui::LineControl>(kRods, i);
        for (int b = 0; b < kBeadsPerRod; ++b) {
            rod.beads[std::size_t(b)] = form.controlAs<ui::ShapeControl>(beadArray(rod.place), b);
        }
        rod.button = form.control(QStringLiteral("Bot_") + suffixOf(rod.place));
        m_rods.push_back(rod);
    }
    m_separator = form.controlAs<ui::LineControl>(layout.separatorName);
}

void Palline::describeForAssistiveTechnology()
{
    for (const Rod &rod : m_rods) {
        const int power = powerOf(rod.place);
        rod.line->setAccessibleName(lang::placeName(power));
        const QString bead = lang::beadName(power);
        for (ui::ShapeControl *shape : rod.beads) {
            shape->setAccessibleName(bead);
        }
        if (rod.button) {
            rod.button->setAccessibleDescription(lang::rodKeysHint());
        }
        tellCount(rod);
    }
}

void Palline::tellCount(const Rod &rod) const
{
    rod.line->setAccessibleValue(rod.count, kBeadsPerRod);
    if (rod.button) {
        rod.button->setAccessibleName(lang::rodButtonName(powerOf(rod.place), rod.count));
    }
}

Palline::Rod *Palline::rodOf(Place place)
{
    for (Rod &rod : m_rods) {
        if (rod.place == place) {
            return &rod;
        }
    }
    return nullptr;
}

const Palline::Rod *Palline::rodOf(Place place) const
{
    return const_cast<Palline *>(this)->rodOf(place);
}

ui::LineControl *Palline::rod(Place place) const
{
    const Rod *r = rodOf(place);
    return r ? r->line : nullptr;
}

ui::ShapeControl *Palline::bead(Place place, int index) const
{
    const Rod *r = rodOf(place);
    return r && index >= 0 && index < kBeadsPerRod ? r->beads[std::size_t(index)] : nullptr;
}

int Palline::count(Place place) const
{
    const Rod *r = rodOf(place);
    return r ? r->count : 0;
}

void Palline::resetCounts()
{
    for (Rod &rod : m_rods) {
        rod.count = 0;
        tellCount(rod);
    }
}

qint32 Palline::numero() const
{
    qint32 n = 0;
    for (const Rod &rod : m_rods) {
        n += rod.count * valueOf(rod.place);
    }
    return n;
}

void Palline::ImpilaPalline()
{
    switch (m_layout.variant) {
    case FrameVariant::NoLayout:
        return;
    case FrameVariant::FixedStacking:
        stack(kFixedStackingStep, false);
        break;
    case FrameVariant::Stacking:
        stack(0, true);
        break;
    case FrameVariant::SizingAndStacking:
        sizeAndStack();
        break;
    }
    m_laidOut = true;
}

void Palline::keepLayoutAfterResize()
{
    if (!m_laidOut) {
        return;
    }
    // Rescaling starts from the designed tops; the layout is laid again on
    // the rescaled rods. The fixed step of 600 twips scales with the beads,
    // which are 600 twips high as designed.
    if (m_layout.variant == FrameVariant::FixedStacking) {
        stack(0, true);
    } else {
        ImpilaPalline();
    }
}

void Palline::stack(double step, bool fromBeadHeight)
{
    const ui::ShapeControl *anchor = unitsRod().beads[0];
    const double t0 = anchor->top();
    const double h = fromBeadHeight ? anchor->height() : step;
    for (int i = 0; i < kBeadsPerRod; ++i) {
        for (auto it = m_rods.rbegin(); it != m_rods.rend(); ++it) {
            it->beads[std::size_t(i)]->setTop(t0 - i * h);
        }
    }
}

void Palline::sizeAndStack()
{
    const ui::LineControl *firstRod = m_rods.front().line;
    const double length = firstRod->y2() - firstRod->y1();
    const double s = std::floor(length / kBeadsPerRod);
    for (int i = 0; i < kBeadsPerRod; ++i) {
        const ui::ShapeControl *anchor = unitsRod().beads[0];
        // Bead i of every rod first takes its size, then its place above
        // bead 0 of the units rod; each bead is centred on its rod.
        for (auto it = m_rods.rbegin(); it != m_rods.rend(); ++it) {
            ui::ShapeControl *bead = it->beads[std::size_t(i)];
            bead->move(it->line->x1() - s / 2, bead->top(), s, s);
        }
        const double t0 = anchor->top();
        const double h = anchor->height();
        for (auto it = m_rods.rbegin(); it != m_rods.rend(); ++it) {
            it->beads[std::size_t(i)]->setTop(t0 - i * h);
        }
    }
    if (m_separator) {
        const double y = unitsRod().beads[4]->top();
        m_separator->setY1(y);
        m_separator->setY2(y);
    }
}

void Palline::NascondiPalline()
{
    for (Rod &rod : m_rods) {
        for (ui::ShapeControl *bead : rod.beads) {
            bead->setVisible(false);
        }
        rod.count = 0;
        tellCount(rod);
    }
}

void Palline::MostraCifra(Place place, int d)
{
    Rod *rod = rodOf(place);
    if (!rod) {
        return;
    }
    const int digit = std::clamp(d, 0, kBeadsPerRod);
    for (int b = 0; b < kBeadsPerRod; ++b) {
        rod->beads[std::size_t(b)]->setVisible(b < digit);
    }
    rod->count = digit;
    tellCount(*rod);
}

void Palline::MostraNumero(qint32 n)
{
    std::vector<int> digits(m_rods.size(), 0);
    placeDigits(n, m_layout.places, digits);
    for (std::size_t i = 0; i < m_rods.size(); ++i) {
        MostraCifra(m_rods[i].place, digits[i]);
    }
}

void Palline::AggiungiPallina(Place place)
{
    Rod *rod = rodOf(place);
    if (!rod || rod->count >= kBeadsPerRod) {
        return;
    }
    rod->beads[std::size_t(rod->count)]->setVisible(true);
    ++rod->count;
    tellCount(*rod);
}

void Palline::TogliPallina(Place place)
{
    Rod *rod = rodOf(place);
    if (!rod || rod->count <= 0) {
        return;
    }
    --rod->count;
    rod->beads[std::size_t(rod->count)]->setVisible(false);
    tellCount(*rod);
}

} // namespace ortix
