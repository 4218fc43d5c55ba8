#include "exercise/families/SquaresBuildForm.h"

#include "lang/AccessibleTexts.h"

#include "base/SharedState.h"
#include "ui/Control.h"

namespace ortix {

using namespace ui;

namespace {

constexpr int kSquares = 9;
constexpr double kSquareSide = 855;
constexpr double kColumns[3] = {360, 1680, 3000};
constexpr double kRows[3] = {480, 1680, 2760};

} // namespace

std::vector<ControlBlueprint> SquaresBuildForm::targetControls(const BuildWindow &row)
{
    std::vector<ControlBlueprint> controls = targetLabel(row);
    controls.push_back(pictureBox(QStringLiteral("Picture1"), 360, 2640, 4335, 4215).withBack(Qt::white));
    for (int i = 0; i < kSquares; ++i) {
        controls.push_back(shape(QStringLiteral("Shape1"), ShapeKind::Square, kColumns[i % 3], kRows[i / 3], kSquareSide,
                                 kSquareSide, QColor(0xFF, 0x00, 0x00))
                               .at(i)
                               .in(QStringLiteral("Picture1")));
    }
    return controls;
}

SquaresBuildForm::SquaresBuildForm(const BuildWindow &row)
    : BuildForm(row, targetControls(row))
{
    describeForAssistiveTechnology();
}

void SquaresBuildForm::describeForAssistiveTechnology()
{
    BuildForm::describeForAssistiveTechnology();
    const QString name = lang::squareName();
    for (Control *square : controlArray(QStringLiteral("Shape1"))) {
        square->setAccessibleName(name);
    }
}

void SquaresBuildForm::MostraObiettivo()
{
    BuildForm::MostraObiettivo();
    const qint32 number = shared().NumeroACaso;
    for (Control *square : controlArray(QStringLiteral("Shape1"))) {
        square->setVisible(square->index() < number);
    }
}

} // namespace ortix
