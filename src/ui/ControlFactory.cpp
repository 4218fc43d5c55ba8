#include "ui/MenuControl.h"
#include "ui/PaintedControls.h"
#include "ui/WidgetControls.h"

namespace ortix::ui {

Control *createControl(Form *form, const ControlSpec &spec, QWidget *host)
{
    switch (spec.kind) {
    case ControlKind::Label:
        return new LabelControl(form, spec, host);
    case ControlKind::CommandButton:
        return new ButtonControl(form, spec, host);
    case ControlKind::CheckBox:
        return new CheckBoxControl(form, spec, host);
    case ControlKind::TextBox:
        return new TextBoxControl(form, spec, host);
    case ControlKind::OptionButton:
        return new OptionControl(form, spec, host);
    case ControlKind::Frame:
        return new FrameControl(form, spec, host);
    case ControlKind::PictureBox:
        return new PictureControl(form, spec, host);
    case ControlKind::Image:
        return new ImageControl(form, spec, host);
    case ControlKind::Shape:
        return new ShapeControl(form, spec, host);
    case ControlKind::Line:
        return new LineControl(form, spec, host);
    case ControlKind::HScrollBar:
        return new ScrollBarControl(form, spec, host);
    case ControlKind::Menu:
        break;
    }
    return nullptr;
}

} // namespace ortix::ui
