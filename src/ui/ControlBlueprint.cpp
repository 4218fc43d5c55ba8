#include "ui/ControlBlueprint.h"

namespace ortix::ui {

namespace {
ControlBlueprint make(ControlKind kind, const QString &name, double left, double top, double width, double height,
                      const QString &caption = QString())
{
    ControlBlueprint blueprint;
    blueprint.kind = kind;
    blueprint.name = name;
    blueprint.caption = caption;
    blueprint.left = left;
    blueprint.top = top;
    blueprint.width = width;
    blueprint.height = height;
    return blueprint;
}
} // namespace

ControlBlueprint label(const QString &name, double left, double top, double width, double height,
                       const QString &caption)
{
    return make(ControlKind::Label, name, left, top, width, height, caption);
}

ControlBlueprint button(const QString &name, double left, double top, double width, double height,
                        const QString &caption)
{
    ControlBlueprint blueprint = make(ControlKind::CommandButton, name, left, top, width, height, caption);
    blueprint.alignment = TextAlignment::Center;
    return blueprint;
}

ControlBlueprint checkBox(const QString &name, double left, double top, double width, double height,
                          const QString &caption)
{
    return make(ControlKind::CheckBox, name, left, top, width, height, caption);
}

ControlBlueprint textBox(const QString &name, double left, double top, double width, double height)
{
    return make(ControlKind::TextBox, name, left, top, width, height);
}

ControlBlueprint optionButton(const QString &name, int index, double left, double top, double width,
                              double height, const QString &caption)
{
    ControlBlueprint blueprint = make(ControlKind::OptionButton, name, left, top, width, height, caption);
    blueprint.index = index;
    return blueprint;
}

ControlBlueprint frame(const QString &name, double left, double top, double width, double height,
                       const QString &caption)
{
    return make(ControlKind::Frame, name, left, top, width, height, caption);
}

ControlBlueprint pictureBox(const QString &name, double left, double top, double width, double height)
{
    return make(ControlKind::PictureBox, name, left, top, width, height);
}

ControlBlueprint image(const QString &name, double left, double top, double width, double height)
{
    return make(ControlKind::Image, name, left, top, width, height);
}

ControlBlueprint shape(const QString &name, ShapeKind kind, double left, double top, double width,
                       double height, const QColor &fill)
{
    ControlBlueprint blueprint = make(ControlKind::Shape, name, left, top, width, height);
    blueprint.shape = kind;
    blueprint.fillColor = fill;
    return blueprint;
}

ControlBlueprint line(const QString &name, double x1, double y1, double x2, double y2, int borderWidth)
{
    ControlBlueprint blueprint = make(ControlKind::Line, name, x1, y1, x2, y2);
    blueprint.borderWidth = borderWidth;
    return blueprint;
}

ControlBlueprint hScrollBar(const QString &name, double left, double top, double width, double height, int min,
                            int max, int value)
{
    ControlBlueprint blueprint = make(ControlKind::HScrollBar, name, left, top, width, height);
    blueprint.min = min;
    blueprint.max = max;
    blueprint.value = value;
    return blueprint;
}

ControlBlueprint menuItem(const QString &name, const QString &caption, const QString &parentMenu)
{
    ControlBlueprint blueprint;
    blueprint.kind = ControlKind::Menu;
    blueprint.name = name;
    blueprint.caption = caption;
    blueprint.container = parentMenu;
    return blueprint;
}

} // namespace ortix::ui
