#pragma once

#include "exercise/families/BuildForm.h"
#include "exercise/families/LabelledWindows.h"
#include "exercise/families/NumberColouring.h"

namespace ortix::ui {
class LabelControl;
}

namespace ortix {

// A build window whose target stands in the white box Picture1 split into
// the labels EtichettaNumero(0..n), one per place (or period), each in the
// colour of its place; the labels size themselves to their text and stand
// side by side, the group centred in the box. Everything else is the build
// window of the same range.
class LabelledBuildForm : public BuildForm
{
    Q_OBJECT

public:
    explicit LabelledBuildForm(const LabelledWindow &row);

    const LabelledWindow &labelledRow() const { return m_labelled; }
    // The labels of the present item, from left to right.
    const ColouredNumber &shownParts() const { return m_parts; }
    // The size the item is written in: the size of its mode, or less when
    // that would not fit the box.
    double shownPoints() const { return m_shownPoints; }

    // Shows NumeroACaso, split and coloured, in the present display mode.
    void MostraObiettivo() override;

protected:
    void afterResize() override;
    // Each coloured part tells its place (its description); the box reads
    // the whole item.
    void describeForAssistiveTechnology() override;

private:
    static std::vector<ui::ControlBlueprint> targetControls(const LabelledWindow &row);

    ui::LabelControl *labelOf(TargetPart part) const;
    void describeParts();
    void setPoints(double points);
    void layOut();
    double overflow() const;

    LabelledWindow m_labelled;
    // The labels by index and the part each names.
    std::vector<TargetPart> m_labelParts;
    std::vector<ui::LabelControl *> m_labels;
    // The place each label names, in the current language.
    std::vector<QString> m_partPlaces;
    ui::Control *m_picture = nullptr;
    ColouredNumber m_parts;
    double m_itemPoints = 0;
    double m_shownPoints = 0;
};

} // namespace ortix
