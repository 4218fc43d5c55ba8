#pragma once

#include "exercise/families/BuildForm.h"

namespace ortix {

// The units build window with a picture of the quantity: besides the
// single number label of its twin, a white box Picture1 shows the target
// as that many red squares Shape1(0..8), three rows of three filled from
// the top left.
class SquaresBuildForm : public BuildForm
{
    Q_OBJECT

public:
    explicit SquaresBuildForm(const BuildWindow &row);

protected:
    void MostraObiettivo() override;
    void describeForAssistiveTechnology() override;

private:
    static std::vector<ui::ControlBlueprint> targetControls(const BuildWindow &row);
};

} // namespace ortix
