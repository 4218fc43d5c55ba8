#include "ui/MenuControl.h"
#include "ui/PaintedControls.h"
#include "ui/WidgetControls.h"

namespace ortix::ui {

Control *createControl(Form *form, const ControlBlueprint &blueprint, QWidget *host)
{
    switch (blueprint.kind) {
    case ControlKind::Label:
        return new LabelControl(form, blueprint, host);
    case ControlKind::CommandButton:
        return new ButtonControl(form, blueprint, host);
    case ControlKind::CheckBox:
        return new CheckBoxControl(form, blueprint, host);
    case ControlKind::TextBox:
        return new TextBoxControl(form, blueprint, host);
    case ControlKind::OptionButton:
        return new OptionControl(form, blueprint, host);
    case ControlKind::Frame:
        return new FrameControl(form, blueprint, host);
    case ControlKind::PictureBox:
        return new PictureControl(form, blueprint, host);
    case ControlKind::Image:
        return new ImageControl(form, blueprint, host);
    case ControlKind::Shape:
        return new ShapeControl(form, blueprint, host);
    case ControlKind::Line:
        return new LineControl(form, blueprint, host);
    case ControlKind::HScrollBar:
        return new ScrollBarControl(form, blueprint, host);
    case ControlKind::Menu:
        break;
    }
    return nullptr;
}

} // namespace ortix::ui
